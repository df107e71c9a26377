// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#include "shell/Chance.h"

#include <QLocale>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <limits>

namespace chance {

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

// Entries of a distribution below this share of its largest are dropped. A
// distribution has at most about 10^5 entries, so all the dropped ones
// together weigh less than 10^-15 of the largest, below what a double holds,
// and the tail summed at the end is never much smaller than that largest
// entry (see logTailAtLeast).
constexpr double kNegligible = 1e-20;

// log(1 + e^x), without overflow for large x.
double softplus(double x)
{
    return x > 0 ? x + std::log1p(std::exp(-x)) : std::log1p(std::exp(x));
}

double logistic(double x)
{
    return 1.0 / (1.0 + std::exp(-x));
}

// A distribution over lo, lo + 1, ...: P(s) = exp(logScale) * weights[s - lo].
// The scale keeps the weights near 1 whatever the size of P.
struct Window {
    int lo = 0;
    std::vector<double> weights{1.0};
    double logScale = 0;
};

// Makes the largest weight 1 and cuts the negligible ends.
void normalise(Window& w)
{
    const double top = *std::max_element(w.weights.begin(), w.weights.end());
    const double floor = top * kNegligible;
    const auto first = std::find_if(w.weights.begin(), w.weights.end(), [floor](double x) { return x >= floor; });
    const auto last = std::find_if(w.weights.rbegin(), w.weights.rend(), [floor](double x) { return x >= floor; });
    std::vector<double> kept(first, last.base());
    for (double& x : kept)
        x /= top;
    w.lo += static_cast<int>(first - w.weights.begin());
    w.weights = std::move(kept);
    w.logScale += std::log(top);
}

// The binomial distribution of n guesses, each right with the probability
// whose log-odds are given, each entry straight from lgamma in log space; only
// the entries around the mode that are not negligible.
Window binomial(int n, double logOdds)
{
    const double logRight = -softplus(-logOdds);
    const double logWrong = -softplus(logOdds);
    const double logNFactorial = std::lgamma(n + 1.0);
    const auto logP = [&](int j) {
        return logNFactorial - std::lgamma(j + 1.0) - std::lgamma(n - j + 1.0) + j * logRight + (n - j) * logWrong;
    };
    const int mode = std::clamp(static_cast<int>(std::floor((n + 1.0) * std::exp(logRight))), 0, n);
    const double logTop = logP(mode);
    const double logFloor = std::log(kNegligible);

    std::vector<double> below; // mode - 1, mode - 2, ...
    for (int j = mode - 1; j >= 0; --j) {
        const double d = logP(j) - logTop;
        if (d < logFloor)
            break;
        below.push_back(std::exp(d));
    }
    Window w;
    w.lo = mode - static_cast<int>(below.size());
    w.logScale = logTop;
    w.weights.assign(below.rbegin(), below.rend());
    w.weights.push_back(1.0);
    for (int j = mode + 1; j <= n; ++j) {
        const double d = logP(j) - logTop;
        if (d < logFloor)
            break;
        w.weights.push_back(std::exp(d));
    }
    return w;
}

Window convolve(const Window& a, const Window& b)
{
    Window c;
    c.lo = a.lo + b.lo;
    c.logScale = a.logScale + b.logScale;
    c.weights.assign(a.weights.size() + b.weights.size() - 1, 0.0);
    for (size_t i = 0; i < a.weights.size(); ++i) {
        const double ai = a.weights[i];
        double* out = c.weights.data() + i;
        for (size_t j = 0; j < b.weights.size(); ++j)
            out[j] += ai * b.weights[j];
    }
    normalise(c);
    return c;
}

double meanWithTilt(const std::vector<Guesses>& guesses, const std::vector<double>& logOdds, double tilt)
{
    double mean = 0;
    for (size_t i = 0; i < guesses.size(); ++i)
        mean += guesses[i].count * logistic(logOdds[i] + tilt);
    return mean;
}

QLocale numbers()
{
    return QLocale(QLocale::English, QLocale::UnitedStates);
}

// At most one decimal, none when it is 0; two significant figures below 1.
QString figure(double x)
{
    if (x > 0 && x < 1)
        return QString::number(x, 'g', 2);
    QString text = QString::number(x, 'f', 1);
    if (text.endsWith(QLatin1String(".0")))
        text.chop(2);
    return text;
}

QString percent(double share)
{
    return figure(share * 100) + QLatin1Char('%');
}

} // namespace

double logTailAtLeast(const std::vector<Guesses>& guesses, int hits)
{
    // Guesses that cannot miss are hits already; those that cannot hit never are.
    std::vector<Guesses> open;
    long long sure = 0;
    long long total = 0;
    for (const Guesses& g : guesses) {
        if (g.count <= 0 || !(g.probability > 0))
            continue;
        if (g.probability >= 1) {
            sure += g.count;
            continue;
        }
        open.push_back(g);
        total += g.count;
    }
    const long long needed = hits - sure;
    if (needed <= 0)
        return 0;
    if (needed > total)
        return -kInfinity;
    if (needed == total) {
        double logAll = 0;
        for (const Guesses& g : open)
            logAll += g.count * std::log(g.probability);
        return logAll;
    }

    std::vector<double> logOdds;
    for (const Guesses& g : open)
        logOdds.push_back(std::log(g.probability) - std::log1p(-g.probability));

    // An exact change of measure, not an approximation: with every guess's
    // odds multiplied by e^t, P(X = s) = e^(-t s) * prod M_i * Q(s), where
    // M_i = 1 - p_i + p_i e^t per guess and Q is the distribution of the
    // hits under the new odds. Choosing t so that Q's mean is the hits asked
    // for puts the piece of Q the tail needs in Q's bulk, where truncating
    // negligible entries is safe, however far out in the tail that is.
    double tilt = 0;
    if (needed > meanWithTilt(open, logOdds, 0)) {
        double low = 0;
        double high = 1;
        while (meanWithTilt(open, logOdds, high) < needed)
            high *= 2;
        for (int i = 0; i < 200 && low < high; ++i) {
            const double middle = (low + high) / 2;
            if (middle <= low || middle >= high)
                break;
            (meanWithTilt(open, logOdds, middle) < needed ? low : high) = middle;
        }
        tilt = low;
    }
    double logMoments = 0;
    for (const Guesses& g : open) {
        const double a = std::log1p(-g.probability);
        const double b = std::log(g.probability) + tilt;
        logMoments += g.count * (std::max(a, b) + std::log1p(std::exp(-std::abs(a - b))));
    }

    // All groups but the last convolved; the last one only as the weighted
    // tail beyond each of its counts, which is all the final sum needs.
    Window rest;
    for (size_t i = 0; i + 1 < open.size(); ++i) {
        const Window group = binomial(open[i].count, logOdds[i] + tilt);
        rest = i == 0 ? group : convolve(rest, group);
    }
    const Window last = binomial(open.back().count, logOdds.back() + tilt);
    const double decay = std::exp(-tilt);
    std::vector<double> beyond(last.weights.size()); // sum over b >= t of last(b) e^(-tilt (b - t))
    double carried = 0;
    for (size_t j = last.weights.size(); j-- > 0;) {
        carried = carried * decay + last.weights[j];
        beyond[j] = carried;
    }
    const long long lastHigh = last.lo + static_cast<long long>(last.weights.size()) - 1;
    double tail = 0; // sum over s >= needed of e^(-tilt (s - needed)) Q(s), scaled
    for (size_t i = 0; i < rest.weights.size(); ++i) {
        const long long fromLast = needed - (rest.lo + static_cast<long long>(i));
        if (fromLast > lastHigh)
            continue;
        const double weight = fromLast >= last.lo ? beyond[static_cast<size_t>(fromLast - last.lo)]
                                                  : beyond[0] * std::exp(-tilt * double(last.lo - fromLast));
        tail += rest.weights[i] * weight;
    }
    if (!(tail > 0))
        return -kInfinity;
    return logMoments - tilt * double(needed) + rest.logScale + last.logScale + std::log(tail);
}

double tailAtLeast(const std::vector<Guesses>& guesses, int hits)
{
    return std::exp(logTailAtLeast(guesses, hits));
}

double expectedHits(const std::vector<Guesses>& guesses)
{
    double expected = 0;
    for (const Guesses& g : guesses)
        expected += std::max(g.count, 0) * std::clamp(g.probability, 0.0, 1.0);
    return expected;
}

QString howOften(double probability)
{
    if (probability >= 1)
        return QStringLiteral("every time");
    if (probability >= 0.995)
        return QStringLiteral("more than 99% of the time");
    if (probability >= 0.1)
        return QString::number(std::lround(probability * 100)) + QStringLiteral("% of the time");
    if (probability >= 0.001)
        return QString::number(probability * 100, 'g', 2) + QStringLiteral("% of the time");
    if (probability >= 1e-9) {
        // One in N, N to two significant figures: 1 in 4,837 reads as 1 in 4,800.
        const double n = 1 / probability;
        const double unit = std::pow(10.0, std::floor(std::log10(n)) - 1);
        return QStringLiteral("1 time in ") + numbers().toString(std::llround(std::round(n / unit) * unit));
    }
    return QStringLiteral("less than 1 time in a billion");
}

QString reportLine(const Record& record)
{
    long long attempts = 0;
    for (const Guesses& g : record.guesses)
        attempts += std::max(g.count, 0);
    if (attempts == 0)
        return record.name + QStringLiteral(": no attempts yet.");
    const int hits = static_cast<int>(std::clamp<long long>(record.hits, 0, attempts));
    const double expected = expectedHits(record.guesses);
    return record.name + QStringLiteral(": %1 of %2 right (%3); chance expects %4 (%5); luck alone does this well "
                                        "or better %6.")
                             .arg(hits)
                             .arg(attempts)
                             .arg(percent(double(hits) / attempts), figure(expected), percent(expected / attempts),
                                  howOften(tailAtLeast(record.guesses, hits)));
}

QString report(const std::vector<Record>& records, const QString& allName)
{
    QStringList lines;
    Record all{allName, 0, {}};
    for (const Record& record : records) {
        lines << reportLine(record);
        all.hits += record.hits;
        all.guesses.insert(all.guesses.end(), record.guesses.begin(), record.guesses.end());
    }
    lines << reportLine(all);
    return lines.join(QLatin1Char('\n'));
}

QString levelsReport(const std::array<qint16, kLevelCount>& correct, const std::array<qint16, kLevelCount>& attempts,
                     const std::array<int, kLevelCount>& outcomes)
{
    static const std::array<const char*, kLevelCount> names{"Beginner", "Intermediate", "Expert"};
    std::vector<Record> records;
    for (size_t level = 0; level < kLevelCount; ++level)
        records.push_back(
            {QString::fromLatin1(names[level]), correct[level], {{attempts[level], 1.0 / outcomes[level]}}});
    return report(records, QStringLiteral("All levels"));
}

} // namespace chance

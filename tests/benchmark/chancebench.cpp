// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

// The time of a full report against chance, as a score view builds it, with
// every counter at its limit of 32767 attempts: the card test (both games,
// the right-card game's guesses split between its two chances, and the line
// for both), the color and the symbol tests (three levels and the line for
// all). Each at several hit counts, from below chance to all right, since
// the work depends on where in the distribution the score lies.
#include "cardtest/modCardTest.h"
#include "colortest/modColorTest.h"
#include "symboltest/modSymbolTest.h"

#include <QElapsedTimer>

#include <algorithm>
#include <array>
#include <cstdio>
#include <ctime>
#include <functional>
#include <vector>

namespace {

constexpr qint16 kLimit = 32767;
constexpr int kRuns = 50;

double threadCpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

// Medians of kRuns runs in milliseconds: elapsed time, which a busy machine
// stretches, and this thread's CPU time, which it does not.
std::pair<double, double> timeIt(const std::function<QString()>& report)
{
    std::vector<double> wall;
    std::vector<double> cpu;
    volatile qsizetype sink = 0;
    for (int i = 0; i < kRuns; ++i) {
        QElapsedTimer timer;
        const double cpuStart = threadCpuMs();
        timer.start();
        sink = sink + report().size();
        wall.push_back(timer.nsecsElapsed() / 1e6);
        cpu.push_back(threadCpuMs() - cpuStart);
    }
    std::sort(wall.begin(), wall.end());
    std::sort(cpu.begin(), cpu.end());
    return {wall[wall.size() / 2], cpu[cpu.size() / 2]};
}

// Hits for a level or game with chance p at the limit: a share of the way
// from what chance expects to all right (negative: below chance).
qint16 hitsAt(double p, double share)
{
    const double expected = kLimit * p;
    return qint16(std::clamp(expected + share * (kLimit - expected), 0.0, double(kLimit)));
}

} // namespace

int main()
{
    const double shares[] = {-0.01, 0.0, 0.01, 0.03, 0.1, 0.5, 0.999, 1.0};
    std::printf("Report against chance, every counter at 32767 attempts (median of %d runs, elapsed / CPU):\n", kRuns);
    double worst = 0;
    for (double share : shares) {
        const std::array<qint16, 4> cardCorrect{hitsAt(0.5, share), 0, hitsAt(0.15, share), 0};
        const std::array<qint16, 4> cardAttempts{kLimit, 0, kLimit, 0};
        const auto card = timeIt([&] { return modCardTest::chanceReport(cardCorrect, cardAttempts, 4000); });
        const modColorTest::Counters colorCorrect{hitsAt(0.2, share), hitsAt(0.1, share), hitsAt(0.05, share)};
        const auto color = timeIt([&] { return modColorTest::chanceReport(colorCorrect, {kLimit, kLimit, kLimit}); });
        const modSymbolTest::LevelCounters symbolCorrect{hitsAt(0.2, share), hitsAt(0.125, share), hitsAt(0.1, share)};
        const auto symbol = timeIt([&] {
            return modSymbolTest::chanceReport(symbolCorrect, {kLimit, kLimit, kLimit});
        });
        std::printf("  hits %+6.1f%% of the way to all right:  card %5.2f / %5.2f ms   color %5.2f / %5.2f ms   "
                    "symbol %5.2f / %5.2f ms\n",
                    share * 100, card.first, card.second, color.first, color.second, symbol.first, symbol.second);
        worst = std::max({worst, card.second, color.second, symbol.second});
    }
    std::printf("  slowest median CPU time: %.2f ms (goal: within 10 ms)\n", worst);
    return 0;
}

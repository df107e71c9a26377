// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

// A score against luck alone: the tail probabilities against values worked
// out independently, and the words the report puts them in.
#include "cardtest/modCardTest.h"
#include "shell/Chance.h"

#include <QTest>

#include <cmath>
#include <limits>

using GuessList = std::vector<chance::Guesses>;
Q_DECLARE_METATYPE(GuessList)

class TestChance : public QObject {
    Q_OBJECT

private slots:
    // References: binomial rows from scipy 1.10.1, stats.binom.sf(hits - 1,
    // n, p); small mixed rows by exact convolution in rationals (Python
    // fractions); large mixed rows by numpy 1.24.2 convolution of full scipy
    // binomial pmfs, the last group by its sf; all hits at the limit by hand,
    // 32767 log p. Logarithms are compared: a difference of 1e-4 is a
    // relative error of 1e-4 in the probability, four significant figures.
    void tailAgainstIndependentValues_data()
    {
        QTest::addColumn<GuessList>("guesses");
        QTest::addColumn<int>("hits");
        QTest::addColumn<double>("logExpected");
        const auto row = [](const char* name, const GuessList& guesses, int hits, double p) {
            QTest::newRow(name) << guesses << hits << std::log(p);
        };
        row("1 attempt, right", {{1, .5}}, 1, 0.5);
        row("0 hits", {{25, .2}}, 0, 1.0);
        row("7 of 25 at 1 in 5", {{25, .2}}, 7, 0.219964669447933);
        row("all 25 right", {{25, .2}}, 25, 3.3554432000000048e-18);
        row("more hits than guesses", {{25, .2}}, 26, 0.0);
        row("11 of 27 at 1 in 8", {{27, .125}}, 11, 0.00021987900619214768);
        row("20 of 100 at 1 in 10", {{100, .1}}, 20, 0.0019785608657712324);
        row("limit, 1 in 2", {{32767, .5}}, 16600, 0.008503640257354575);
        row("limit, 1 in 5", {{32767, .2}}, 6800, 0.0003564713208495122);
        row("limit, 1 in 20", {{32767, .05}}, 1700, 0.061199543018815195);
        row("limit, far tail", {{32767, .05}}, 2500, 3.217861484334153e-92);
        row("limit, below chance", {{32767, .1}}, 3000, 0.9999998819703103);
        row("right card, both chances", {{20, .125}, {5, .25}}, 6, 0.15933841889867503);
        row("right card, 11 of 27 with 7 at 2 in 8", {{20, .125}, {7, .25}}, 11, 0.0014216128028791332);
        row("right card, one at 2 in 8", {{3, .125}, {1, .25}}, 1, 0.49755859375);
        row("right card, all right", {{3, .125}, {1, .25}}, 4, 0.00048828125);
        row("right card, only at 2 in 8", {{0, .125}, {1, .25}}, 1, 0.25);
        row("both card games", {{10, .5}, {7, .125}, {3, .25}}, 9, 0.16769175250374246);
        row("right card at the limit", {{30000, .125}, {2767, .25}}, 4600, 0.0054099319916096796);
        row("right card at the limit, far tail", {{30000, .125}, {2767, .25}}, 5200, 1.3631457734171842e-33);
        row("both card games at the limit", {{32767, .5}, {30000, .125}, {2767, .25}}, 21200, 0.00032013938417823436);
        row("color levels at the limit", {{32767, .2}, {32767, .1}, {32767, .05}}, 11800, 0.00041753753432582566);
        row("color levels at the limit, far tail", {{32767, .2}, {32767, .1}, {32767, .05}}, 13000,
            1.0138043276387198e-52);
        row("symbol levels at the limit", {{32767, .2}, {32767, .125}, {32767, .1}}, 14000, 0.2488446111359781);
        QTest::newRow("all right at the limit, 1 in 5") << GuessList{{32767, .2}} << 32767 << -52736.452076728165;
        QTest::newRow("all right at the limit, 1 in 20") << GuessList{{32767, .05}} << 32767 << -98161.15940754362;
    }
    void tailAgainstIndependentValues()
    {
        QFETCH(GuessList, guesses);
        QFETCH(int, hits);
        QFETCH(double, logExpected);
        const double got = chance::logTailAtLeast(guesses, hits);
        if (std::isinf(logExpected))
            QCOMPARE(got, logExpected);
        else
            QVERIFY2(std::abs(got - logExpected) <= 1e-4, qPrintable(QString::number(got - logExpected)));
    }

    void howOftenInWords_data()
    {
        QTest::addColumn<double>("probability");
        QTest::addColumn<QString>("words");
        const std::pair<double, const char*> rows[] = {
            {1.0, "every time"},
            {0.997, "more than 99% of the time"},
            {0.994, "99% of the time"},
            {0.219964669447933, "22% of the time"},
            {0.0996, "10% of the time"},
            {0.041, "4.1% of the time"},
            {0.0014216128028791332, "0.14% of the time"},
            {0.001, "0.1% of the time"},
            {0.0002, "1 time in 5,000"},
            {1 / 4837.0, "1 time in 4,800"},
            {1.9392992347422751e-10, "less than 1 time in a billion"},
            {0.0, "less than 1 time in a billion"},
        };
        for (const auto& [probability, words] : rows)
            QTest::newRow(words) << probability << QString::fromLatin1(words);
    }
    void howOftenInWords()
    {
        QFETCH(double, probability);
        QFETCH(QString, words);
        QCOMPARE(chance::howOften(probability), words);
    }

    // Both card games, the right-card game with 7 of its 27 guesses at two in
    // eight: its line and the line for both follow the two chances.
    void cardReport()
    {
        QCOMPARE(modCardTest::chanceReport({0, 0, 11, 0}, {0, 0, 27, 0}, 7),
                 QStringLiteral("Pick The Right Color Card: no attempts yet.\n"
                                "Pick The Right Card: 11 of 27 right (40.7%); chance expects 4.3 (15.7%); luck alone "
                                "does this well or better 0.14% of the time.\n"
                                "Both games: 11 of 27 right (40.7%); chance expects 4.3 (15.7%); luck alone does "
                                "this well or better 0.14% of the time."));
    }

    void levelsReport()
    {
        QCOMPARE(chance::levelsReport({7, 0, 0}, {25, 3, 0}, {5, 8, 10}),
                 QStringLiteral("Beginner: 7 of 25 right (28%); chance expects 5 (20%); luck alone does this well or "
                                "better 22% of the time.\n"
                                "Intermediate: 0 of 3 right (0%); chance expects 0.38 (12.5%); luck alone does this "
                                "well or better every time.\n"
                                "Expert: no attempts yet.\n"
                                "All levels: 7 of 28 right (25%); chance expects 5.4 (19.2%); luck alone does this "
                                "well or better 28% of the time."));
    }
};

QTEST_GUILESS_MAIN(TestChance)
#include "tst_chance.moc"

// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

// The card test's rules on their own: deal ranges and draws, judging, the
// score text and the welcome line's steps, and how the card numbers the rules
// use meet the faces of the two picture decks.

#include "cardtest/modCardTest.h"
#include "images/Cards.h"
#include "support/FakePlatform.h"

#include <QtTest>

using namespace modCardTest;

namespace {

constexpr double kTopR = 0.9999999; // as close to 1 as the generator gets

} // namespace

class CardLogicTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        cardCorrect = {};
        cardAttempts = {};
        cardTwoInEight = 0;
        dealtCards = {};
    }

    void dealRangesAndFaces()
    {
        SetDealRanges();
        const std::array<qint16, 9> low{1, 6, 12, 18, 24, 30, 36, 42, 48};
        const std::array<qint16, 9> high{5, 11, 17, 23, 29, 35, 42, 47, 52};
        QCOMPARE(dealLow, low);
        QCOMPARE(dealHigh, high);

        // What the ranges hold in the flat deck's numbering.
        auto names = [](int from, int to) {
            QStringList list;
            for (int n = from; n <= to; ++n)
                list << cardName(cardOfIMGTencard(n));
            return list;
        };
        QCOMPARE(names(1, 5),
                 QStringList({"Ace of Clubs", "Two of Clubs", "Three of Clubs", "Four of Clubs", "Five of Clubs"}));
        QCOMPARE(names(11, 14), QStringList({"King of Clubs", "Queen of Clubs", "Jack of Clubs", "Ace of Diamonds"}));
        QCOMPARE(names(36, 42), QStringList({"Ten of Hearts", "King of Hearts", "Queen of Hearts", "Jack of Hearts",
                                             "Ace of Spades", "Two of Spades", "Three of Spades"}));
        QCOMPARE(names(47, 52), QStringList({"Eight of Spades", "Nine of Spades", "Ten of Spades", "King of Spades",
                                             "Queen of Spades", "Jack of Spades"}));
    }

    void dealStaysInEachRange()
    {
        FakePlatform fake;
        fake.random->script = {0, 0, 0, 0, 0, 0, 0, 0};
        DealCards();
        QCOMPARE(fake.random->draws, 8);
        for (size_t i = 0; i < kDealtPositions; ++i)
            QCOMPARE(dealtCards[i], dealLow[i]);

        fake.random->script = {kTopR, kTopR, kTopR, kTopR, kTopR, kTopR, kTopR, kTopR};
        DealCards();
        for (size_t i = 0; i < kDealtPositions; ++i)
            QCOMPARE(dealtCards[i], dealHigh[i]);
        QCOMPARE(dealtCards[8], qint16(0)); // slot 8 is never dealt

        // Many deals from the real generator: never outside a range, never
        // a card of the spare range, and every card of a range turns up.
        platform::install(platform::realServices());
        platform::random().seed(20261207);
        QSet<int> seen;
        for (int deal = 0; deal < 2000; ++deal) {
            DealCards();
            for (size_t i = 0; i < kDealtPositions; ++i) {
                QVERIFY(dealtCards[i] >= dealLow[i] && dealtCards[i] <= dealHigh[i]);
                seen.insert(dealtCards[i]);
            }
        }
        QCOMPARE(seen.size(), 47);
        QVERIFY(!seen.contains(48) && !seen.contains(52));
    }

    void dealCardFormula()
    {
        QCOMPARE(dealCard(0.0, 36, 42), 36);
        QCOMPARE(dealCard(kTopR, 36, 42), 42); // seven cards in position 6
        QCOMPARE(dealCard(kTopR, 1, 5), 5);
        QCOMPARE(dealCard(0.5, 6, 11), 9); // int(6 * 0.5 + 6)
    }

    void chosenPosition()
    {
        QCOMPARE(drawChosenPosition(0.0), 0);
        QCOMPARE(drawChosenPosition(0.124), 0);
        QCOMPARE(drawChosenPosition(0.125), 1);
        QCOMPARE(drawChosenPosition(kTopR), 7);
        QCOMPARE(drawChosenPosition(1.0), 7); // never past the last position
    }

    void judgedByCardNotPosition()
    {
        std::array<qint16, 9> dealt{3, 8, 14, 20, 27, 31, 42, 42, 0};
        QVERIFY(isRightCardGuess(dealt, 2, 2));
        QVERIFY(!isRightCardGuess(dealt, 2, 3));
        QVERIFY(isRightCardGuess(dealt, 6, 7));
        QVERIFY(isRightCardGuess(dealt, 7, 6));
        QVERIFY(!isRightCardGuess(dealt, 7, 5));
        QVERIFY(!isRightCardGuess(dealt, 8, 8)); // not a dealt position
        dealt[7] = 43;
        QVERIFY(!isRightCardGuess(dealt, 6, 7));
    }

    void colorJudgingMatchesTheFaces()
    {
        QCOMPARE(drawDeckCard(0.0), 1);
        QCOMPARE(drawDeckCard(rFor(26, 52)), 26);
        QCOMPARE(drawDeckCard(rFor(27, 52)), 27);
        QCOMPARE(drawDeckCard(kTopR), 52);

        QVERIFY(isColorGuessRight(CardColor::Black, 26));
        QVERIFY(!isColorGuessRight(CardColor::Black, 27));
        QVERIFY(isColorGuessRight(CardColor::Red, 27));
        QVERIFY(!isColorGuessRight(CardColor::Red, 26));

        // The card the player sees is the card that was judged.
        for (int n = 1; n <= 52; ++n) {
            const Card card = cardOfIMGCards(n);
            QCOMPARE(isColorGuessRight(CardColor::Black, n), isBlack(card));
            QCOMPARE(isColorGuessRight(CardColor::Red, n), isRed(card));
        }
        QCOMPARE(cardName(cardOfIMGCards(13)), QStringLiteral("King of Clubs"));
        QCOMPARE(cardName(cardOfIMGCards(14)), QStringLiteral("Ace of Spades"));
        QCOMPARE(cardName(cardOfIMGCards(39)), QStringLiteral("King of Diamonds"));
        QCOMPARE(cardName(cardOfIMGCards(40)), QStringLiteral("Ace of Hearts"));
    }

    // A click on position 6 or 7 while both show the three of spades has two
    // chances in eight, and is recorded so; only while attempts still count.
    void rightCardGuessesRecordTheirChance()
    {
        dealtCards = {3, 8, 14, 20, 27, 31, 42, 42, 0};
        QCOMPARE(rightCardChances(dealtCards, 6), 2);
        QCOMPARE(rightCardChances(dealtCards, 7), 2);
        QCOMPARE(rightCardChances(dealtCards, 5), 1);
        countRightCardGuess(6, true);
        countRightCardGuess(7, false);
        countRightCardGuess(0, false);
        dealtCards[6] = 41;
        QCOMPARE(rightCardChances(dealtCards, 6), 1);
        countRightCardGuess(6, true);
        QCOMPARE(cardTwoInEight, qint16(2));
        QCOMPARE(cardAttempts[kRightCardSlot], qint16(4));
        QCOMPARE(cardCorrect[kRightCardSlot], qint16(2));

        dealtCards[6] = 42;
        cardAttempts[kRightCardSlot] = 32767;
        countRightCardGuess(6, true);
        QCOMPARE(cardTwoInEight, qint16(2));
    }

    void countersSaturate()
    {
        countGuess(kColorCardSlot, true);
        countGuess(kColorCardSlot, false);
        countGuess(kRightCardSlot, false);
        QCOMPARE(cardCorrect, (std::array<qint16, 4>{1, 0, 0, 0}));
        QCOMPARE(cardAttempts, (std::array<qint16, 4>{2, 0, 1, 0}));

        cardCorrect[2] = 32766;
        cardAttempts[2] = 32767;
        countGuess(kRightCardSlot, true);
        QCOMPARE(cardCorrect[2], qint16(32767));
        QCOMPARE(cardAttempts[2], qint16(32767));
        countGuess(kRightCardSlot, true);
        QCOMPARE(cardCorrect[2], qint16(32767));
        QCOMPARE(cardAttempts[2], qint16(32767));
    }

    void scoreTextIsExact()
    {
        QCOMPARE(scoreText(cardCorrect, cardAttempts),
                 QStringLiteral("Pick The Right Color Card :-  0 Correct Out Of 0 Attempts\r\n\r\n"
                                "Pick The Right Card :-  0 Correct Out Of 0 Attempts"));
        const std::array<qint16, 4> correct{12, 99, 3, 99};
        const std::array<qint16, 4> attempts{32767, 99, 10, 99};
        QCOMPARE(scoreText(correct, attempts),
                 QStringLiteral("Pick The Right Color Card :-  12 Correct Out Of 32767 Attempts\r\n\r\n"
                                "Pick The Right Card :-  3 Correct Out Of 10 Attempts"));
    }

    void welcomeLineSteps()
    {
        const double start = welcomeStartLeft(kWelcomeLineWidth);
        QCOMPARE(start, -4155.0);
        QCOMPARE(nextWelcomeLeft(start, kWelcomeLineWidth, kWelcomePanelWidth), -4115.0);
        QCOMPARE(nextWelcomeLeft(8894, kWelcomeLineWidth, kWelcomePanelWidth), 8934.0);
        QCOMPARE(nextWelcomeLeft(8895, kWelcomeLineWidth, kWelcomePanelWidth), start);

        // A whole cycle: 327 moves to 8925, then the wrap.
        double left = start;
        int ticks = 0;
        do {
            left = nextWelcomeLeft(left, kWelcomeLineWidth, kWelcomePanelWidth);
            ++ticks;
            if (ticks == 327)
                QCOMPARE(left, 8925.0);
        } while (left != start && ticks < 1000);
        QCOMPARE(ticks, 328);
    }

    void colorComponents()
    {
        QCOMPARE(colorComponent(0.0), 1);
        QCOMPARE(colorComponent(0.5), 128);
        QCOMPARE(colorComponent(kTopR), 255);
        QCOMPARE(colorComponent(1.0), 255);
    }
};

QTEST_GUILESS_MAIN(CardLogicTest)
#include "tst_cardlogic.moc"

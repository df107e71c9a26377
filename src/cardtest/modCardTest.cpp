// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#include "cardtest/modCardTest.h"

#include "platform/Draw.h"
#include "platform/Platform.h"
#include "shell/Chance.h"
#include "shell/Feedback.h"

#include <algorithm>
#include <cmath>

namespace modCardTest {

std::array<qint16, 4> cardCorrect{};
std::array<qint16, 4> cardAttempts{};
qint16 cardTwoInEight = 0;
qint16 cardDrawn = 0;
std::array<qint16, 9> dealLow{};
std::array<qint16, 9> dealHigh{};
std::array<qint16, 9> dealtCards{};

namespace {

constexpr int kCardsInDeck = 52;
constexpr int kLastBlackCard = 26;

// Ranges of the flat deck (clubs, diamonds, hearts, spades). Position 6 ends
// at 42 where position 7 starts, so both may show the three of spades.
constexpr std::array<qint16, 9> kDealLow{1, 6, 12, 18, 24, 30, 36, 42, 48};
constexpr std::array<qint16, 9> kDealHigh{5, 11, 17, 23, 29, 35, 42, 47, 52};

} // namespace

void SetDealRanges()
{
    dealLow = kDealLow;
    dealHigh = kDealHigh;
}

void countGuess(int slot, bool correct)
{
    const auto i = static_cast<size_t>(slot);
    if (correct)
        countOne(cardCorrect[i]);
    countOne(cardAttempts[i]);
}

int drawDeckCard(double r)
{
    return platform::drawOneOf(r, kCardsInDeck);
}

bool isColorGuessRight(CardColor guess, int card)
{
    const bool black = card >= 1 && card <= kLastBlackCard;
    const bool red = card > kLastBlackCard && card <= kCardsInDeck;
    return guess == CardColor::Black ? black : red;
}

int dealCard(double r, int low, int high)
{
    return platform::drawInRange(r, low, high);
}

void DealCards()
{
    SetDealRanges();
    for (size_t i = 0; i < kDealtPositions; ++i)
        dealtCards[i] = static_cast<qint16>(dealCard(platform::random().next(), dealLow[i], dealHigh[i]));
}

int drawChosenPosition(double r)
{
    if (!(r >= 0.0)) // also NaN
        r = 0.0;
    return std::clamp(static_cast<int>(std::floor(r * kDealtPositions)), 0, kDealtPositions - 1);
}

bool isRightCardGuess(const std::array<qint16, 9>& dealt, int clicked, int chosen)
{
    if (clicked < 0 || clicked >= kDealtPositions || chosen < 0 || chosen >= kDealtPositions)
        return false;
    return dealt[static_cast<size_t>(clicked)] == dealt[static_cast<size_t>(chosen)];
}

int rightCardChances(const std::array<qint16, 9>& dealt, int clicked)
{
    if (clicked < 0 || clicked >= kDealtPositions)
        return 0;
    const auto end = dealt.begin() + kDealtPositions;
    return static_cast<int>(std::count(dealt.begin(), end, dealt[static_cast<size_t>(clicked)]));
}

void countRightCardGuess(int clicked, bool correct)
{
    // Only while the attempt itself is counted, so the record never holds
    // more guesses than the attempts.
    if (cardAttempts[kRightCardSlot] < 32767 && rightCardChances(dealtCards, clicked) == 2)
        countOne(cardTwoInEight);
    countGuess(kRightCardSlot, correct);
}

QString scoreText(const std::array<qint16, 4>& correct, const std::array<qint16, 4>& attempts)
{
    auto line = [&](const char* game, int slot) {
        const auto i = static_cast<size_t>(slot);
        return QString::fromLatin1(game) + QLatin1String(" :-  ") + countPair(correct[i], attempts[i]) +
               QLatin1String(" Attempts");
    };
    return line("Pick The Right Color Card", kColorCardSlot) + QStringLiteral("\r\n\r\n") +
           line("Pick The Right Card", kRightCardSlot);
}

QString scoreText()
{
    return scoreText(cardCorrect, cardAttempts);
}

QString chanceReport(const std::array<qint16, 4>& correct, const std::array<qint16, 4>& attempts, qint16 twoInEight)
{
    const int rightCard = attempts[kRightCardSlot];
    const int atTwo = std::clamp<int>(twoInEight, 0, rightCard);
    return chance::report(
        {{QStringLiteral("Pick The Right Color Card"), correct[kColorCardSlot], {{attempts[kColorCardSlot], 0.5}}},
         {QStringLiteral("Pick The Right Card"),
          correct[kRightCardSlot],
          {{rightCard - atTwo, 1.0 / kDealtPositions}, {atTwo, 2.0 / kDealtPositions}}}},
        QStringLiteral("Both games"));
}

QString chanceReport()
{
    return chanceReport(cardCorrect, cardAttempts, cardTwoInEight);
}

int colorComponent(double r)
{
    return platform::drawOneOf(r, 255);
}

} // namespace modCardTest

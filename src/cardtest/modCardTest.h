// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The card test's module state (scores, the last draw, the deal) and the
// rules of its two games. Everything here is plain data and plain functions,
// so the windows stay thin and the rules can be checked without them.

#include <QString>
#include <QtGlobal>

#include <array>

namespace modCardTest {

// Score slots, one per game; slots 1 and 3 belong to no game.
constexpr int kColorCardSlot = 0;
constexpr int kRightCardSlot = 2;

// Counts of right guesses and of all guesses per slot, for the life of the
// process. Never reset, never saved.
extern std::array<qint16, 4> cardCorrect;
extern std::array<qint16, 4> cardAttempts;

// Of the right-card game's counted guesses, how many had two chances in
// eight of being right: a click on one of two positions that show the same
// card. The others had one in eight. Kept like the counters, never saved.
extern qint16 cardTwoInEight;

// The colour-card game: the card number (1..52) of the last draw.
// The right-card game: the chosen position (0..7) of the last guess.
extern qint16 cardDrawn;

// The right-card game's deal: the range of card numbers each position may
// receive, and the card each position holds. Slot 8 is a range that is
// never dealt.
constexpr int kDealtPositions = 8;
extern std::array<qint16, 9> dealLow;
extern std::array<qint16, 9> dealHigh;
extern std::array<qint16, 9> dealtCards;

// Writes the fixed per-position ranges into dealLow and dealHigh.
void SetDealRanges();

// Counts one guess in a slot: an attempt always, a right one on a right
// guess. Both counters stop at 32767.
void countGuess(int slot, bool correct);

// --- Colour-card game -------------------------------------------------------

enum class CardColor { Black, Red };

// A card number 1..52 of the photographed deck from a uniform r.
int drawDeckCard(double r);

// Black cards are numbered 1..26, red ones 27..52.
bool isColorGuessRight(CardColor guess, int card);

// --- Right-card game ---------------------------------------------------------

// A card for one position from its range: int((high - low + 1) * r + low).
int dealCard(double r, int low, int high);

// A new deal: the ranges, then one draw from the shared generator for each
// of positions 0..7, in order.
void DealCards();

// The chosen position 0..7 from a uniform r: int(r * 8).
int drawChosenPosition(double r);

// Judged by card, not by position: positions 6 and 7 may hold the same card,
// and then either is right.
bool isRightCardGuess(const std::array<qint16, 9>& dealt, int clicked, int chosen);

// How many of the eight positions make a click on `clicked` right: 1, or 2
// when another position shows the same card.
int rightCardChances(const std::array<qint16, 9>& dealt, int clicked);

// Counts a right-card guess on the deal on show, as countGuess does, and
// records its chance with it while the attempts are still counted.
void countRightCardGuess(int clicked, bool correct);

// --- Home window ---------------------------------------------------------------

// The Score panel's text: slot 0, an empty line, slot 2.
QString scoreText(const std::array<qint16, 4>& correct, const std::array<qint16, 4>& attempts);
QString scoreText(); // from the running counters

// Both games against luck alone: a line each, then one for both together.
QString chanceReport(const std::array<qint16, 4>& correct, const std::array<qint16, 4>& attempts, qint16 twoInEight);
QString chanceReport(); // from the running counters

// The welcome line, in twips relative to its panel.
constexpr double kWelcomeLineWidth = 4035;
constexpr double kWelcomePanelWidth = 8895;
constexpr double kWelcomeLineStep = 40;

// Where the line starts (and restarts): just outside the panel's left edge.
constexpr double welcomeStartLeft(double lineWidth)
{
    return -(lineWidth + 120);
}

// One tick: 40 twips to the right while the left edge is inside the panel's
// width, otherwise back to the start.
constexpr double nextWelcomeLeft(double left, double lineWidth, double panelWidth)
{
    return left < panelWidth ? left + kWelcomeLineStep : welcomeStartLeft(lineWidth);
}

// One colour component 1..255 from a uniform r: int(r * 255 + 1).
int colorComponent(double r);

} // namespace modCardTest

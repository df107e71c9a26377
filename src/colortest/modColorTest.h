// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The color test's rules and running score: the three palettes, the score
// counters per level, the draw of the hidden colour, the judging of a guess
// and the score text the home window shows.

#include "shell/Levels.h"

#include <QColor>
#include <QString>
#include <QtGlobal>

#include <array>
#include <vector>

namespace modColorTest {

using ::Beginner;
using ::Expert;
using ::Intermediate;
using ::kLevelCount;
using ::Level;

// One colour of a palette: its exact face colour and the name a screen
// reader announces for it.
struct PaletteColor {
    int red;
    int green;
    int blue;
    const char* name;

    QColor color() const { return QColor(red, green, blue); }
};

// The colours offered at a level, in button order: index k stands for the
// number k + 1. 5 at Beginner, 10 at Intermediate, 20 at Expert.
const std::vector<PaletteColor>& palette(int level);
int colorCount(int level);

// "Beginner", "Intermediate", "Expert".
QString levelCaption(int level);

// Correct guesses and attempts per level, for the life of the process.
using Counters = std::array<qint16, kLevelCount>;
extern Counters colorCorrect;
extern Counters colorAttempts;

// The eight-line score text, lines joined by CR LF, no break at the end.
QString scoreText(const Counters& correct, const Counters& attempts);
QString scoreText(); // from the running counters

// The three levels against luck alone, and all of them together.
QString chanceReport(const Counters& correct, const Counters& attempts);
QString chanceReport(); // from the running counters

// The hidden colour for one guess, 1..N, from the program's generator.
int drawColor(int level);

// Button `index` stands for the number index + 1.
bool isRightGuess(int index, int drawn);

// Counts one guess at a level: attempts always, correct on a right guess;
// both saturate at 32767.
void countGuess(int level, bool right);

} // namespace modColorTest

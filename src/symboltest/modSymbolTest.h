// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The symbol test's module: its score counters and last drawn symbols, which
// live for the whole run and are never saved, and the rules of a guess (how
// many symbols a level offers, the draw, the judgement, the score text).

#include "shell/Levels.h"

#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <array>

namespace modSymbolTest {

// Whether a level has been chosen since the symbol test was last launched;
// the play window asks for one when it becomes active while this is false.
extern bool SymbolLevelChosen;

// One counter per level, indexed by Level (shell/Levels.h).
using LevelCounters = std::array<qint16, kLevelCount>;

// Correct guesses and attempts per level; they only ever grow, and stop at 32767.
extern LevelCounters symbolCorrect;
extern LevelCounters symbolAttempts;

// The symbol drawn at the last guess of each level (0 before the first).
extern qint16 beginnerSymbol;
extern qint16 intermediateSymbol;
extern qint16 expertSymbol;

// True for 0, 1 and 2.
bool isSymbolLevel(int level);

// How many symbols a level offers: 5, 8 or 10 (0 for no level).
int symbolsAtLevel(int level);

// The level's last drawn symbol (beginnerSymbol, intermediateSymbol or
// expertSymbol). Only valid levels may be asked for.
qint16& lastDrawnSymbol(int level);

// The symbol a uniform r in [0, 1) draws at a level: 1..N.
int drawSymbol(double r, int level);

// A choice with index i (from 0) stands for symbol i + 1.
bool isRightSymbol(int drawnSymbol, int choiceIndex);

// Counts one guess at a level: an attempt always, a correct guess if right.
// A counter already at 32767 stays there; the other is still counted.
void countGuess(int level, bool right);

// The score text of all three levels: seven lines joined by CRLF, the first
// two empty, no line break at the end.
QString scoreText(const LevelCounters& correct, const LevelCounters& attempts);
// The same for the counters as they are now.
QString scoreText();

// The three levels against luck alone, and all of them together.
QString chanceReport(const LevelCounters& correct, const LevelCounters& attempts);
QString chanceReport(); // from the running counters

// What the score box has handed out: the texts its selection held, which is
// what copying from it or selecting in it puts on the clipboard and the
// selection. Only the latest few are kept; the last one is the one a copy
// or a middle click would take.
class ScoreBoxTexts {
public:
    void remember(const QString& selectedText);
    // Whether the text came from the box, line breaks compared as line
    // breaks. Blank text never counts.
    bool cameFromBox(const QString& text) const;

private:
    QStringList m_texts;
};

} // namespace modSymbolTest

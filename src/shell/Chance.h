// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// A score against luck alone: how many right guesses pure guessing expects,
// and how often it does at least as well as the user did, worked out exactly
// for guesses whose chances of being right differ from guess to guess. Plain
// functions, so every test's score view can use them and they can be checked
// on their own.

#include "shell/Levels.h"

#include <QString>
#include <QtGlobal>

#include <array>
#include <vector>

namespace chance {

// `count` guesses, each right with `probability` whatever the others did.
struct Guesses {
    int count = 0;
    double probability = 0;
};

// Natural logarithm of the probability that guessing alone gets at least
// `hits` right: exact (no normal approximation), and still finite where the
// probability itself is too small for a double (all 32767 guesses right at
// 1 in 20). -infinity when more hits are asked for than there are guesses.
double logTailAtLeast(const std::vector<Guesses>& guesses, int hits);
// The same probability, 0 where it is below the smallest double.
double tailAtLeast(const std::vector<Guesses>& guesses, int hits);

// The hits luck alone expects on average: the sum of count x probability.
double expectedHits(const std::vector<Guesses>& guesses);

// One game's or level's record: its name, its right guesses, and its
// guesses grouped by their chance of being right.
struct Record {
    QString name;
    int hits = 0;
    std::vector<Guesses> guesses;
};

// How often, in words that finish "luck alone does this well or better ...":
// "every time", "more than 99% of the time", "22% of the time" (whole
// percent from 10%), "4.1% of the time" (two figures down to 0.1%), "1 time
// in 5,000" (two figures down to one in a billion), then "less than 1 time
// in a billion".
QString howOften(double probability);

// "Beginner: 7 of 25 right (28%); chance expects 5 (20%); luck alone does
// this well or better 22% of the time.", or "Beginner: no attempts yet."
QString reportLine(const Record& record);

// A line per record, then a line named `allName` for all of them together;
// lines joined by "\n".
QString report(const std::vector<Record>& records, const QString& allName);

// The report of a test with three levels, Beginner to Expert, where level i
// offers outcomes[i] equally likely answers: a line per level, then "All
// levels".
QString levelsReport(const std::array<qint16, kLevelCount>& correct, const std::array<qint16, kLevelCount>& attempts,
                     const std::array<int, kLevelCount>& outcomes);

} // namespace chance

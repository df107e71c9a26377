// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The levels of difficulty of the color and symbol tests, numbered as their
// options and their counters are.

enum Level : int { Beginner = 0, Intermediate = 1, Expert = 2 };
constexpr int kLevelCount = 3;
// What the levels are called on the screen, by number.
constexpr const char* kLevelNames[kLevelCount] = {"Beginner", "Intermediate", "Expert"};

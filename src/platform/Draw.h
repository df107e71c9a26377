// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// Turning a uniform r in [0, 1) into a numbered outcome, as every test does.

namespace platform {

// The integer part of (r * n + 1): one of 1..n. Always lands in 1..n, even
// for an r that reached 1.0 or went negative through rounding elsewhere.
int drawOneOf(double r, int n);

// The integer part of ((high - low + 1) * r + low): one of low..high.
int drawInRange(double r, int low, int high);

// One uniform draw of 1..n from the program-wide generator.
int drawOneOf(int n);

} // namespace platform

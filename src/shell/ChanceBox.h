// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The "against chance" report of a score panel: one more read-only text box
// under the score text, reached by Tab after it and read whole by a screen
// reader. It wraps its lines to its width and scrolls where it is shorter
// than its text.

#include "shell/TextBox.h"

class ChanceBox : public TextBox {
public:
    ChanceBox(QWidget* parent, const QFont& font);

    // Trims the placed box's height to a whole number of its lines, so that
    // where it scrolls no part of a line shows at its foot. Line heights are
    // the font's, in pixels, so this comes after the box is placed.
    void fitToWholeLines();
};

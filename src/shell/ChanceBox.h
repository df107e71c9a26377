// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The "against chance" report of a score panel: one more read-only text box
// under the score text, reached by Tab after it and read whole by a screen
// reader. It wraps its lines to its width and scrolls where it is shorter
// than its text.

class QFont;
class QWidget;
class TextBox;

TextBox* makeChanceBox(QWidget* parent, const QFont& font);

// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#include "shell/ChanceBox.h"

#include <QFontMetrics>
#include <QTextDocument>

#include <algorithm>

ChanceBox::ChanceBox(QWidget* parent, const QFont& font) : TextBox(parent)
{
    setObjectName(QStringLiteral("txtChance"));
    setAccessibleName(QStringLiteral("Against chance"));
    setFont(font);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WordWrap);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

void ChanceBox::fitToWholeLines()
{
    const int line = QFontMetrics(font()).lineSpacing();
    const QMargins margins = viewportMargins();
    // The document's margin counts at the top only: below the last whole
    // line the box would draw the top of the next one.
    const int around =
        2 * frameWidth() + margins.top() + margins.bottom() + static_cast<int>(document()->documentMargin());
    const int lines = std::max(1, (height() - around) / line);
    resize(width(), lines * line + around);
}

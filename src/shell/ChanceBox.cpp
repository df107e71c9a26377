// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#include "shell/ChanceBox.h"

#include "shell/TextBox.h"

TextBox* makeChanceBox(QWidget* parent, const QFont& font)
{
    auto* box = new TextBox(parent);
    box->setObjectName(QStringLiteral("txtChance"));
    box->setAccessibleName(QStringLiteral("Against chance"));
    box->setFont(font);
    box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    box->setWordWrapMode(QTextOption::WordWrap);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    return box;
}

// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#include "shell/TextBox.h"

#include <QTextBlock>
#include <QTextCursor>

void makeReadableWhole(QPlainTextEdit* box)
{
    QStringList lines;
    QTextBlock first;
    for (QTextBlock block = box->document()->begin(); block.isValid(); block = block.next()) {
        const QString line = block.text().trimmed();
        if (line.isEmpty())
            continue;
        if (!first.isValid())
            first = block;
        lines << line;
    }
    box->setAccessibleDescription(lines.join(QLatin1Char('\n')));
    QTextCursor cursor(box->document());
    if (first.isValid())
        cursor.setPosition(first.position());
    box->setTextCursor(cursor);
}

TextBox::TextBox(QWidget* parent) : QPlainTextEdit(parent)
{
    setReadOnly(true);
    // Still reachable with Tab and readable line by line from the keyboard.
    setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    setFocusPolicy(Qt::StrongFocus);
}

void TextBox::setText(const QString& text)
{
    m_text = text;
    setPlainText(text);
    makeReadableWhole(this);
}

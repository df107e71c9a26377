// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#include "shell/TextBox.h"

#include "shell/Look.h"

#include <QPainter>
#include <QTextBlock>
#include <QTextCursor>

#include <algorithm>

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

namespace {
constexpr int kRingMargin = 1;
} // namespace

TextBox::TextBox(QWidget* parent) : QPlainTextEdit(parent)
{
    setReadOnly(true);
    // Still reachable with Tab and readable line by line from the keyboard.
    setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    setFocusPolicy(Qt::StrongFocus);
    setTabChangesFocus(true);
    setViewportMargins(kRingMargin, kRingMargin, kRingMargin, kRingMargin);
}

bool TextBox::event(QEvent* event)
{
    const bool handled = QPlainTextEdit::event(event);
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)
        update(); // the frame, not only the text
    // The frame is painted here; the viewport covers all inside it but for
    // a margin. Focused, the frame takes the colour that stands out from the
    // panel behind and the margin the one that stands out from the text's
    // ground, so the ring shows against both.
    if (event->type() == QEvent::Paint) {
        const QWidget* behind = parentWidget() ? parentWidget() : this;
        const QColor ground = palette().color(QPalette::Base);
        const int frame = frameWidth();
        const QRect inner = rect().adjusted(frame, frame, -frame, -frame);
        const auto band = [](const QRect& outside, int width) {
            return QRegion(outside).subtracted(QRegion(outside.adjusted(width, width, -width, -width)));
        };
        QPainter painter(this);
        if (hasFocus()) {
            painter.setClipRegion(band(rect(), frame));
            painter.fillRect(rect(), look::ringColor(behind->palette().color(QPalette::Window)));
        }
        painter.setClipRegion(band(inner, kRingMargin));
        painter.fillRect(inner, hasFocus() ? look::ringColor(ground) : ground);
    }
    return handled;
}

void TextBox::setText(const QString& text)
{
    m_text = text;
    setPlainText(text);
    makeReadableWhole(this);
}

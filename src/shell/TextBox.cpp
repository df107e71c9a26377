// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#include "shell/TextBox.h"

#include "shell/Look.h"

#include <QFocusEvent>
#include <QPainter>
#include <QTextBlock>
#include <QTextCursor>

#include <algorithm>

namespace {

QTextBlock firstLineWithText(const QTextDocument* document)
{
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        if (!block.text().trimmed().isEmpty())
            return block;
    }
    return {};
}

} // namespace

void makeReadableWhole(QPlainTextEdit* box)
{
    const QTextBlock first = firstLineWithText(box->document());
    QStringList rest;
    for (QTextBlock block = first.isValid() ? first.next() : QTextBlock(); block.isValid(); block = block.next()) {
        const QString line = block.text().trimmed();
        if (!line.isEmpty())
            rest << line;
    }
    box->setAccessibleDescription(rest.join(QLatin1Char('\n')));
    putCaretOnFirstLine(box);
}

void putCaretOnFirstLine(QPlainTextEdit* box)
{
    const QTextBlock first = firstLineWithText(box->document());
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
    // Come back to from the keyboard, the box is read from its first line
    // again, so that the line said and its description are the whole text.
    if (event->type() == QEvent::FocusIn && static_cast<QFocusEvent*>(event)->reason() != Qt::MouseFocusReason)
        putCaretOnFirstLine(this);
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

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
#include <utility>

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

void describeBeyondFirstRow(QPlainTextEdit* box)
{
    const QTextBlock first = firstLineWithText(box->document());
    QStringList rest;
    if (first.isValid()) {
        // A line too long for the box wraps, and what is said at the caret
        // is its first row only: the description takes up the rest of it.
        QTextCursor row(box->document());
        row.setPosition(first.position());
        row.movePosition(QTextCursor::EndOfLine);
        rest << first.text().mid(row.position() - first.position());
        for (QTextBlock block = first.next(); block.isValid(); block = block.next())
            rest << block.text();
    }
    QStringList lines;
    for (const QString& line : std::as_const(rest)) {
        if (!line.trimmed().isEmpty())
            lines << line.trimmed();
    }
    const QString description = lines.join(QLatin1Char('\n'));
    if (box->accessibleDescription() != description)
        box->setAccessibleDescription(description);
}

void makeReadableWhole(QPlainTextEdit* box)
{
    describeBeyondFirstRow(box);
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
    // Come to from the keyboard, the box is read from its first line again,
    // wrapped at the width it has now, so that the line said and the
    // description are the whole text.
    if (event->type() == QEvent::FocusIn && static_cast<QFocusEvent*>(event)->reason() != Qt::MouseFocusReason)
        makeReadableWhole(this);
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

bool TextBox::viewportEvent(QEvent* event)
{
    const bool handled = QPlainTextEdit::viewportEvent(event);
    // The text wraps again at a new width, as when a scroll bar shown while
    // it was first laid out goes away: the description follows the rows.
    if (event->type() == QEvent::Resize)
        describeBeyondFirstRow(this);
    return handled;
}

void TextBox::setText(const QString& text)
{
    m_text = text;
    setPlainText(text);
    makeReadableWhole(this);
}

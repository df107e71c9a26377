// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// A read-only multi-line text box that hands back exactly the text it was
// given. The editor underneath turns CR LF pairs into its own paragraph
// breaks, so what it would return is not what was set.

#include <QPlainTextEdit>

// Lets a screen reader read a multi-line report whole, each line once, when
// the box gets the focus: it says the row at the caret, then the box's
// accessible description. The caret goes to the first line with text
// (leading blank lines would be read as "blank") and the description holds
// the rest: what wrapped beyond that row and the lines with text after it.
// The shown text is untouched.
void makeReadableWhole(QPlainTextEdit* box);
// The description alone, for the rows as they wrap now; the caret stays.
void describeBeyondFirstRow(QPlainTextEdit* box);

// Read-only, it still shows that it has the focus: a caret on the text and
// a ring in its frame in black or white, whichever stands out more from the
// panel behind it.
class TextBox : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit TextBox(QWidget* parent = nullptr);

    void setText(const QString& text);
    QString text() const { return m_text; }

protected:
    bool event(QEvent* event) override;
    bool viewportEvent(QEvent* event) override;

private:
    QString m_text;
};

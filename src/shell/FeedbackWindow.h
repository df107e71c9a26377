// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The feedback window every test shows after a guess: borderless, modal,
// centred on the screen, the verdict in its colour and "TRY AGAIN". The
// tests' windows differ only in their name and colours.

#include "shell/Feedback.h"
#include "shell/Form.h"

#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

// Centres the window on the screen and ties it to the program's active
// window, so window managers keep it above that window and off the task bar.
void prepareFeedbackShow(QDialog* window);

template <typename T>
class FeedbackWindow : public Form<T, QDialog> {
public:
    QWidget* picResult;
    QLabel* lblResult;
    QPushButton* cmdTry;

    // The sentence and colour for a verdict.
    void setVerdict(bool right) { showVerdict(lblResult, right); }
    // The name of the answer the play window revealed; empty where none shows.
    void setRevealed(const QString& revealed) { this->setAccessibleName(feedbackWindowName(revealed)); }

    void cmdTry_Click() { this->unload(); }

protected:
    FeedbackWindow(const char* name, const QColor& background, const QColor& buttonFace)
    {
        this->setObjectName(QString::fromLatin1(name));
        const FeedbackControls c = buildFeedbackWindow(this, background, buttonFace);
        picResult = c.picResult;
        lblResult = c.lblResult;
        cmdTry = c.cmdTry;
        QObject::connect(cmdTry, &QPushButton::clicked, this, [this] { cmdTry_Click(); });
    }

    // Esc answers like "TRY AGAIN": there is no close box to do it.
    void reject() override { cmdTry_Click(); }

    void showEvent(QShowEvent* event) override
    {
        // The verdict is heard as the window's text, which a screen reader
        // reads as the window opens; as the button's description too, it
        // would be heard twice.
        if (!event->spontaneous())
            prepareFeedbackShow(this);
        QDialog::showEvent(event);
    }
};

// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// What every test does after a guess: the outcome word, the two feedback
// sentences with their colours, saturating 16-bit counters, and the small
// borderless feedback window each test shows (they differ only in colours).

#include <QColor>
#include <QString>
#include <QtGlobal>

class QDialog;
class QLabel;
class QPushButton;
class QWidget;

extern const char* const kCorrectWord;   // "Correct"
extern const char* const kIncorrectWord; // "Incorrect"
extern const char* const kRightAnswerText;
extern const char* const kWrongAnswerText;

// Adds one to a score counter; a counter at 32767 stays there.
void countOne(qint16& counter);

// A counter pair as the score texts write it: "3 Correct Out Of 7".
QString countPair(qint16 correct, qint16 attempts);

// The outcome word for a judged guess.
QString outcomeWord(bool correct);

// Writes the sentence and colour for a verdict into a result label: the
// right-answer text in green, the wrong-answer text in dark red.
void showVerdict(QLabel* lblResult, bool right);

// The feedback window's accessible name: what it is, and the answer the play
// window revealed when there is one ("Result: Ten of Clubs"), so a screen
// reader says that answer as the window takes the focus.
QString feedbackWindowName(const QString& revealed);

struct FeedbackControls {
    QWidget* picResult = nullptr;
    QLabel* lblResult = nullptr;
    QPushButton* cmdTry = nullptr;
};

// Lays out a feedback window: borderless, 4695 x 1695 twips, one coloured
// panel with the message label and "TRY AGAIN". The caller connects cmdTry.
FeedbackControls buildFeedbackWindow(QDialog* window, const QColor& background, const QColor& buttonFace);

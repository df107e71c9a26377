// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#include "shell/Feedback.h"

#include "shell/DialogWindows.h"
#include "shell/FeedbackWindow.h"
#include "shell/Look.h"
#include "shell/Twips.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QWindow>

const char* const kCorrectWord = "Correct";
const char* const kIncorrectWord = "Incorrect";
const char* const kRightAnswerText =
    "This is the Right Answer! Now take a deep breath, relax your mind and aim to predict the right answer again.";
const char* const kWrongAnswerText =
    "Incorrect: Don't lose hope! Relax, take a deep breath, keep a calm mind and guess again.";

void countOne(qint16& counter)
{
    if (counter < 32767)
        ++counter;
}

QString countPair(qint16 correct, qint16 attempts)
{
    return QString::number(correct) + QLatin1String(" Correct Out Of ") + QString::number(attempts);
}

QString outcomeWord(bool correct)
{
    return QString::fromLatin1(correct ? kCorrectWord : kIncorrectWord);
}

void showVerdict(QLabel* lblResult, bool right)
{
    lblResult->setText(QString::fromLatin1(right ? kRightAnswerText : kWrongAnswerText));
    look::setTextColor(lblResult, right ? look::kRightAnswer : look::kWrongAnswer);
}

QString feedbackWindowName(const QString& revealed)
{
    const QString name = QStringLiteral("Result");
    return revealed.isEmpty() ? name : name + QLatin1String(": ") + revealed;
}

FeedbackControls buildFeedbackWindow(QDialog* window, const QColor& background, const QColor& buttonFace)
{
    window->setWindowTitle(QStringLiteral("Za Zaderaz Uravi")); // never shown: no title bar
    window->setAccessibleName(feedbackWindowName(QString()));   // what screen readers call it instead
    // No frame, so no buttons of any kind; and no minimising either.
    window->setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    keepFromMinimising(window);
    window->setModal(true);
    window->setFixedSize(twips::toPixels(4695), twips::toPixels(1695));

    FeedbackControls c;
    c.picResult = new QWidget(window);
    c.picResult->setObjectName(QStringLiteral("picResult"));
    look::setBackground(c.picResult, background);
    twips::place(c.picResult, 0, 0, 4695, 1695);

    c.lblResult = new QLabel(QStringLiteral("Label14"), c.picResult);
    c.lblResult->setObjectName(QStringLiteral("lblResult"));
    c.lblResult->setFont(look::verdana(9.75));
    c.lblResult->setAlignment(Qt::AlignCenter);
    c.lblResult->setWordWrap(true);
    twips::place(c.lblResult, 120, 0, 4455, 855);

    c.cmdTry = new QPushButton(QStringLiteral("TRY AGAIN"), c.picResult);
    c.cmdTry->setObjectName(QStringLiteral("cmdTry"));
    c.cmdTry->setFont(look::verdana(9.75));
    look::setButtonFace(c.cmdTry, buttonFace);
    c.cmdTry->setDefault(true);
    twips::place(c.cmdTry, 1080, 1080, 2535, 495);
    return c;
}

void prepareFeedbackShow(QDialog* window)
{
    twips::centreOnScreen(window);
    if (QWindow* own = window->windowHandle(); own && !own->transientParent()) {
        if (QWidget* active = QApplication::activeWindow(); active && active != window)
            own->setTransientParent(active->windowHandle());
    }
}

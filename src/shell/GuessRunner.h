// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// One guess, the same in every game: the outcome word emptied, "Please
// Wait ..." shown and painted, the pause, the draw, the reveal, the count,
// the outcome word, the verdict and the modal feedback window. A game
// supplies only what differs. While a guess runs, from the click to the
// closing of its feedback window, no other guess can start, whatever asks
// for it: a click, a key, a screen reader's press or a menu shortcut.

#include <QPointer>
#include <QString>

#include <functional>

class PleaseWaitPanel;
class QLabel;
class QObject;
class QWidget;

// What one game does at a guess.
struct GuessSteps {
    // Draws the hidden answer; only called after the pause.
    std::function<int()> draw;
    // Shows the answer; returns the control that now shows it, whose name
    // the feedback window carries for screen readers, or null where nothing
    // is shown.
    std::function<QWidget*(int drawn)> reveal;
    // Whether the guess was right.
    std::function<bool(int drawn)> judge;
    // Counts the guess in the game's counters.
    std::function<void(bool right)> count;
};

class GuessRunner {
public:
    // `window` is the play window, `pleaseWait` its waiting panel, `lblScore`
    // its hidden outcome holder; `feedback` shows the feedback window for an
    // outcome word and the name of the revealed answer (empty where none is
    // shown) and returns once it is closed. `restingFocus` names the
    // control (never a choice) that holds the focus when no choice may.
    GuessRunner(QWidget* window, PleaseWaitPanel* pleaseWait, QLabel* lblScore,
                std::function<void(const QString& outcome, const QString& revealed)> feedback,
                std::function<QWidget*()> restingFocus);

    // Makes `choice` one of the window's choices: it takes the focus from the
    // keyboard only (Tab), and gives it to the resting control when its
    // window goes behind another one, so no choice is singled out by a click
    // or when the window gets the focus back.
    void addChoice(QWidget* choice);

    // Runs one guess made with `choice`. False, and nothing done, when a
    // guess is already running or the choice is not on screen; false too when
    // the window is closed during the pause (the guess is abandoned).
    bool run(QWidget* choice, const GuessSteps& steps);

    // Whether a guess is running anywhere in the program.
    static bool isRunning();

private:
    QPointer<QWidget> m_window;
    PleaseWaitPanel* m_pleaseWait;
    QLabel* m_lblScore;
    std::function<void(const QString&, const QString&)> m_feedback;
    std::function<QWidget*()> m_rest;
    QObject* m_choiceFocus;
};

// The feedback of a test's result window T: the verdict for the outcome word
// and the revealed answer, then T shown modally.
template <typename T>
std::function<void(const QString&, const QString&)> feedbackWindow()
{
    return [](const QString& outcome, const QString& revealed) {
        T& result = T::get();
        result.setVerdict(outcome);
        result.setRevealed(revealed);
        result.exec();
    };
}

// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// One guess, the same in every game: the outcome word emptied, "Please
// Wait ..." shown and painted, the pause, the draw, the reveal, the count,
// the outcome word, the verdict and the modal feedback window. A game
// supplies only what differs.
//
// A guess is one transaction, from the click until its feedback window
// closes: nothing else acts anywhere in the program meanwhile, whatever asks
// (keys, shortcuts, clicks, menus, a screen reader's press), and what came
// during the pause is dropped. A close asked for meanwhile waits until the
// guess is counted and its feedback closed. Afterwards the choice that made
// the guess has the focus, so Enter or Space guesses again with it.

#include "shell/DialogWindows.h"

#include <QPointer>
#include <QString>

#include <functional>

class PleaseWaitPanel;
class QLabel;
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

// Shows the feedback window over `owner` for a verdict and the name of the
// revealed answer (empty where none is shown); returns once it is closed.
using ShowFeedback = std::function<void(QWidget* owner, bool right, const QString& revealed)>;

class GuessRunner {
public:
    // `window` is the play window, `pleaseWait` its waiting panel; `lblScore`,
    // where a window has one, its hidden holder of the outcome word.
    GuessRunner(QWidget* window, PleaseWaitPanel* pleaseWait, QLabel* lblScore, ShowFeedback feedback);

    // Makes `choice` one of the window's choices: it takes the focus from the
    // keyboard only (Tab), so a click does not single it out before it
    // makes a guess.
    static void addChoice(QWidget* choice);
    // Whether `widget` is one of the choices of a play window.
    static bool isChoice(const QWidget* widget);

    // Runs one guess made with `choice`. False, and nothing done, when a
    // guess is already running or the choice is not on screen.
    bool run(QWidget* choice, const GuessSteps& steps);

private:
    QPointer<QWidget> m_window;
    PleaseWaitPanel* m_pleaseWait;
    QLabel* m_lblScore;
    ShowFeedback m_feedback;
};

// The feedback of a test's result window T: the verdict and the revealed
// answer, then T shown modally over the play window.
template <typename T>
ShowFeedback feedbackWindow()
{
    return [](QWidget* owner, bool right, const QString& revealed) {
        T& result = T::get();
        result.setVerdict(right);
        result.setRevealed(revealed);
        runModal(result, owner);
    };
}

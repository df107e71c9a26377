// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#include "shell/GuessRunner.h"

#include "platform/Platform.h"
#include "shell/DialogWindows.h"
#include "shell/Feedback.h"
#include "shell/Form.h"
#include "shell/Widgets.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QLabel>
#include <QWidget>

namespace {

bool g_running = false;

struct RunningGuess {
    RunningGuess() { g_running = true; }
    ~RunningGuess() { g_running = false; }
    RunningGuess(const RunningGuess&) = delete;
    RunningGuess& operator=(const RunningGuess&) = delete;
};

} // namespace

GuessRunner::GuessRunner(QWidget* window, PleaseWaitPanel* pleaseWait, QLabel* lblScore, ShowFeedback feedback)
    : m_window(window), m_pleaseWait(pleaseWait), m_lblScore(lblScore), m_feedback(std::move(feedback))
{}

namespace {
const char* const kChoice = "guessChoice";
}

void GuessRunner::addChoice(QWidget* choice)
{
    choice->setFocusPolicy(Qt::TabFocus);
    choice->setProperty(kChoice, true);
}

bool GuessRunner::isChoice(const QWidget* widget)
{
    return widget && widget->property(kChoice).toBool();
}

bool GuessRunner::run(QWidget* choice, const GuessSteps& steps)
{
    if (g_running || !m_window || (choice && !choice->isVisible()))
        return false;
    const RunningGuess running;
    // The runner belongs to the window; the window stays loaded until the
    // guess is over, and goes then if it was closed meanwhile.
    const QPointer<QWidget> window = m_window;
    const FormBase::KeepLoaded keep(window);
    const OnlyWindowActs nothingActs(nullptr);

    if (m_lblScore)
        m_lblScore->clear();
    m_pleaseWait->appear();
    platform::pause().wait(window);
    // What came meanwhile is handled now: input is dropped, a close is
    // remembered. Timers wait where the platform lets them (X11; Windows
    // runs due timers too), and nothing they start can act inside this scope.
    QCoreApplication::processEvents(QEventLoop::X11ExcludeTimers);

    const int drawn = steps.draw();
    QWidget* shown = steps.reveal ? steps.reveal(drawn) : nullptr;
    const bool right = steps.judge(drawn);
    if (m_lblScore)
        m_lblScore->setText(outcomeWord(right));
    steps.count(right);
    m_pleaseWait->hide();
    // Back on the choice once the feedback closes, clicked or pressed.
    if (choice)
        choice->setFocus(Qt::OtherFocusReason);
    // Screen readers speak a name change only of the focused control, and the
    // picture never has the focus: the answer is heard with the feedback
    // window's name instead, as that window comes to the front.
    m_feedback(window, right, shown ? shown->accessibleName() : QString());
    return true;
}

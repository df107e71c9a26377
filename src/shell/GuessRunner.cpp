// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#include "shell/GuessRunner.h"

#include "platform/Platform.h"
#include "shell/Feedback.h"
#include "shell/Form.h"
#include "shell/Widgets.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QFocusEvent>
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

bool isUserInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
    case QEvent::TabletMove:
        return true;
    default:
        return false;
    }
}

// Input that arrived while the program was "thinking" is dropped, as a
// blocked program would; a close of a window asked for meanwhile still
// arrives, so that it is not lost.
class DropInput : public QObject {
protected:
    bool eventFilter(QObject*, QEvent* event) override { return isUserInput(event->type()); }
};

void deliverWhatCameDuringThePause()
{
    DropInput drop;
    QCoreApplication::instance()->installEventFilter(&drop);
    // Timers wait: their turn comes in the feedback window's event loop.
    QCoreApplication::processEvents(QEventLoop::X11ExcludeTimers);
    QCoreApplication::instance()->removeEventFilter(&drop);
}

bool stillOpen(const QPointer<QWidget>& window)
{
    if (!window)
        return false;
    auto* form = dynamic_cast<FormBase*>(window.data());
    return !form || FormBase::loadedForms().contains(form);
}

// A choice that had the focus when its window went behind another one (a
// modal window opening) does not get it back: the window keeps it instead.
class ChoiceFocus : public QObject {
public:
    ChoiceFocus(QWidget* window, std::function<QWidget*()> rest) : QObject(window), m_rest(std::move(rest)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::FocusOut &&
            static_cast<QFocusEvent*>(event)->reason() == Qt::ActiveWindowFocusReason) {
            if (QWidget* rest = m_rest())
                rest->setFocus(Qt::OtherFocusReason);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<QWidget*()> m_rest;
};

} // namespace

GuessRunner::GuessRunner(QWidget* window, PleaseWaitPanel* pleaseWait, QLabel* lblScore,
                         std::function<void(const QString&, const QString&)> feedback,
                         std::function<QWidget*()> restingFocus)
    : m_window(window), m_pleaseWait(pleaseWait), m_lblScore(lblScore), m_feedback(std::move(feedback)),
      m_rest(std::move(restingFocus)), m_choiceFocus(new ChoiceFocus(window, m_rest))
{}

void GuessRunner::addChoice(QWidget* choice)
{
    choice->setFocusPolicy(Qt::TabFocus);
    choice->installEventFilter(m_choiceFocus);
}

bool GuessRunner::isRunning()
{
    return g_running;
}

bool GuessRunner::run(QWidget* choice, const GuessSteps& steps)
{
    if (g_running || !stillOpen(m_window) || (choice && !choice->isVisible()))
        return false;
    const RunningGuess running;
    // The pause runs events, and a window closed in it (a signal, a screen
    // reader's press on Exit) may be deleted there, taking this runner with
    // it: after the pause only this copy is looked at until it is known alive.
    const QPointer<QWidget> window = m_window;

    m_lblScore->clear();
    m_pleaseWait->appear();
    platform::pause().wait(window);
    deliverWhatCameDuringThePause();
    if (!stillOpen(window))
        return false; // closed during the pause: the guess is abandoned

    const int drawn = steps.draw();
    QWidget* shown = steps.reveal ? steps.reveal(drawn) : nullptr;
    const bool right = steps.judge(drawn);
    m_lblScore->setText(outcomeWord(right));
    steps.count(right);
    m_pleaseWait->hide();
    // No choice keeps the focus to come back to after the feedback window.
    m_rest()->setFocus(Qt::OtherFocusReason);
    // Screen readers speak a name change only of the focused control, and the
    // picture never has the focus: the answer is heard with the feedback
    // window's name instead, as that window comes to the front.
    m_feedback(m_lblScore->text(), shown ? shown->accessibleName() : QString());
    return true;
}

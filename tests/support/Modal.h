// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// Answering modal windows the way a user does. A handler that opens one waits
// in its exec(); an answerer made beforehand on the test's stack finds the
// modal window from the event loop and clicks one of its buttons. It stops
// when it goes out of scope, so it can never answer a later test's window.

#include <QList>
#include <QString>
#include <QTimer>
#include <Qt>

#include <functional>

class QWidget;

namespace modal {

// Answers the next modal window that opens while it lives by clicking the
// button whose object name or caption (without "&") is `button`; `inspect`,
// if given, sees the window first (to read its labels, or to answer it with
// keys itself: then `button` may be empty).
class Answer {
public:
    explicit Answer(const QString& button, std::function<void(QWidget*)> inspect = {});
    ~Answer();
    Answer(const Answer&) = delete;
    Answer& operator=(const Answer&) = delete;

    // Whether a modal window was found and answered.
    bool answered() const { return m_answered; }

private:
    void poll();

    QString m_button;
    std::function<void(QWidget*)> m_inspect;
    QTimer m_timer;
    bool m_answered = false;
};

// Answers every modal window that opens while it lives by clicking `button`.
class AnswerEvery {
public:
    explicit AnswerEvery(const QString& button);
    AnswerEvery(const AnswerEvery&) = delete;
    AnswerEvery& operator=(const AnswerEvery&) = delete;

    int count() const { return m_count; }

private:
    QString m_button;
    QTimer m_timer;
    int m_count = 0;
};

// Makes a modal window that stays open with nobody answering it (a guard
// that let a press or a key through, a test that forgot its answer) stop
// the test within seconds with a message naming it, instead of waiting for
// the test run's time-out. Once per process; later calls do nothing.
void failWhenStuck();

// Top-level windows still alive after deferred deletions have run.
QList<QWidget*> leftoverTopLevels();

// Runs pending deferred deletions (unloaded windows go away).
void flushDeletes();

} // namespace modal

// Keys as a user types them: to whatever has the focus, through the
// shortcut map. The window must be shown and active.
void pressKey(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// What a window manager does when a modal window closes: the window below
// becomes the active one again. False if it does not.
bool activate(QWidget* window);
// Presses Tab until `target` has the focus; false if it never gets it.
bool tabTo(QWidget* target);

// Whether `panel` is the one seen of the siblings that share its place: it
// is shown and lies above every other shown sibling.
bool inFront(QWidget* panel);
// Whether `a` lies above its sibling `b` in the stacking order.
bool inFront(QWidget* a, QWidget* b);

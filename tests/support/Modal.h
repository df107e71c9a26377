// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// Answering modal windows the way a user does: while a handler waits in a
// modal exec(), a timer finds the modal window and clicks one of its buttons.

#include <QString>
#include <functional>

class QWidget;

namespace modal {

// Arranges for the next modal window to be answered by clicking the button
// whose object name or text is `button`. `inspect`, if given, sees the modal
// window first (to read its labels). Returns at once.
void answerNext(const QString& button, std::function<void(QWidget*)> inspect = {});

// Answers every modal window that opens from now on by clicking `button`,
// until stopAnswering(); counts how many were answered.
void keepAnswering(const QString& button);
int stopAnswering();

// Top-level windows still alive after deferred deletions have run.
QList<QWidget*> leftoverTopLevels();

// Runs pending deferred deletions (unloaded windows go away).
void flushDeletes();

} // namespace modal

// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// A request from outside to end the program (SIGTERM, SIGINT or SIGHUP on
// POSIX systems) arrives as an ordinary call on the event loop, so that the
// program can shut down as it does when its main window is closed, and
// release what it holds, the single-instance lock among them.

#include <QObject>

#include <functional>

class QSocketNotifier;

namespace platform {

class TerminationSignals : public QObject {
public:
    // From now on each of the signals calls `onRequest` from the event loop;
    // when the object goes, the handlers in place before come back. Only one
    // object catches the signals at a time.
    explicit TerminationSignals(std::function<void()> onRequest, QObject* parent = nullptr);
    ~TerminationSignals() override;

    // Whether this object catches the signals (never where there are none).
    bool isActive() const { return m_notifier != nullptr; }

private:
    void readRequests();

    std::function<void()> m_onRequest;
    QSocketNotifier* m_notifier = nullptr;
};

} // namespace platform

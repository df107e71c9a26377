// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

// Takes the single-instance lock (at the path given, if any), says whether another
// instance holds it, then waits to be killed or asked to end by a signal: the
// other side of the lock tests.
#include "platform/QtServices.h"
#include "platform/TerminationSignals.h"

#include <QCoreApplication>
#include <QTimer>
#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    // Without a path: the program's own lock in its private folder.
    platform::LockFileInstance lock(argc > 1 ? QString::fromLocal8Bit(argv[1])
                                             : platform::LockFileInstance::defaultLockPath());
    const platform::TerminationSignals endRequests([] { QCoreApplication::quit(); });
    std::printf("%s\n", lock.anotherInstanceRunning() ? "other" : "locked");
    std::fflush(stdout);
    QTimer::singleShot(60000, &app, &QCoreApplication::quit);
    return QCoreApplication::exec();
}

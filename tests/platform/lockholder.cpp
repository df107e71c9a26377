// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

// Takes the single-instance lock (at the path given, if any), says whether another
// instance holds it, then waits to be killed: the other side of the lock test.
#include "platform/QtServices.h"

#include <QCoreApplication>
#include <QTimer>
#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    // Without a path: the program's own lock in the per-user runtime folder.
    platform::LockFileInstance lock(argc > 1 ? QString::fromLocal8Bit(argv[1])
                                             : platform::LockFileInstance::defaultLockPath());
    std::printf("%s\n", lock.anotherInstanceRunning() ? "other" : "locked");
    std::fflush(stdout);
    QTimer::singleShot(60000, &app, &QCoreApplication::quit);
    return QCoreApplication::exec();
}

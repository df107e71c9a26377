// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The real implementations of the platform services, on Qt.

#include "platform/Platform.h"

#include <QLockFile>

namespace platform {

std::unique_ptr<Random> makeSystemRandom();
std::unique_ptr<Pause> makeEventLoopPause(int milliseconds = 1500);
std::unique_ptr<Browser> makeDesktopBrowser();
std::unique_ptr<SettingsStore> makeUserSettings();
std::unique_ptr<InstanceLock> makeLockFileInstance();
std::unique_ptr<Clipboard> makeSystemClipboard();
std::unique_ptr<MessageBoxes> makeMessageBoxes();
std::unique_ptr<Clock> makeSystemClock();
std::unique_ptr<Process> makeApplicationProcess();

// Single-instance detection by a lock file in a folder only this user can
// write. The lock is held for the life of the object. A lock whose owner
// cannot be shown to be alive (it died, the file is empty or garbage, or it
// was written on another host) is stale and taken over.
//
// Where no lock can be taken at all (no private folder, a read-only disk),
// the program runs: the lock only keeps a second window from confusing the
// user, and refusing would shut the user out of the program altogether.
class LockFileInstance : public InstanceLock {
public:
    explicit LockFileInstance(const QString& lockPath = defaultLockPath());
    bool anotherInstanceRunning() override;

    // The runtime folder when it is this user's alone; else a folder of our
    // own, 0700, under the user's cache folder (on Windows the user's local
    // application data folder). Empty when neither will do.
    static QString privateFolder();
    // The lock in that folder; empty when there is none.
    static QString defaultLockPath();

private:
    bool takeLock();

    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
    bool m_checked = false;
    bool m_other = false;
};

// Whether a folder is a real folder (no link), owned by this user and closed
// to everybody else. Always true where there are no such permissions.
bool isPrivateFolder(const QString& path);

} // namespace platform

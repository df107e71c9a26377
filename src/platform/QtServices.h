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

// Single-instance detection by a lock file. The lock is held for the life of
// the object; a lock left behind by a process that died is taken over.
class LockFileInstance : public InstanceLock {
public:
    explicit LockFileInstance(const QString& lockPath = defaultLockPath());
    bool anotherInstanceRunning() override;
    static QString defaultLockPath();

private:
    QLockFile m_lock;
    bool m_checked = false;
    bool m_other = false;
};

} // namespace platform

// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#include "platform/Platform.h"

#include "platform/QtServices.h"

namespace platform {
namespace {

Services& current()
{
    static Services services;
    return services;
}

template <typename T>
T& ensure(std::unique_ptr<T>& slot, std::unique_ptr<T> (*make)())
{
    if (!slot)
        slot = make();
    return *slot;
}

} // namespace

void install(Services services)
{
    Services& s = current();
    if (services.random)
        s.random = std::move(services.random);
    if (services.pause)
        s.pause = std::move(services.pause);
    if (services.browser)
        s.browser = std::move(services.browser);
    if (services.settings)
        s.settings = std::move(services.settings);
    if (services.instanceLock)
        s.instanceLock = std::move(services.instanceLock);
    if (services.clipboard)
        s.clipboard = std::move(services.clipboard);
    if (services.messageBoxes)
        s.messageBoxes = std::move(services.messageBoxes);
    if (services.clock)
        s.clock = std::move(services.clock);
    if (services.process)
        s.process = std::move(services.process);
}

Services realServices()
{
    Services s;
    s.random = makeSystemRandom();
    s.pause = makeEventLoopPause();
    s.browser = makeDesktopBrowser();
    s.settings = makeUserSettings();
    s.instanceLock = makeLockFileInstance();
    s.clipboard = makeSystemClipboard();
    s.messageBoxes = makeMessageBoxes();
    s.clock = makeSystemClock();
    s.process = makeApplicationProcess();
    return s;
}

// A service nobody installed falls back to the real one, so the program
// never dereferences an empty slot.
Random& random()
{
    return ensure(current().random, makeSystemRandom);
}
Pause& pause()
{
    return ensure(
        current().pause, +[] { return makeEventLoopPause(); });
}
Browser& browser()
{
    return ensure(current().browser, makeDesktopBrowser);
}
SettingsStore& settings()
{
    return ensure(current().settings, makeUserSettings);
}
InstanceLock& instanceLock()
{
    return ensure(current().instanceLock, makeLockFileInstance);
}
Clipboard& clipboard()
{
    return ensure(current().clipboard, makeSystemClipboard);
}
MessageBoxes& messageBoxes()
{
    return ensure(current().messageBoxes, makeMessageBoxes);
}
Clock& clock()
{
    return ensure(current().clock, makeSystemClock);
}
Process& process()
{
    return ensure(current().process, makeApplicationProcess);
}

} // namespace platform

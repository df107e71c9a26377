// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#include "platform/Platform.h"

#include "platform/QtServices.h"

#include <utility>

namespace platform {
namespace {

Services& current()
{
    static Services services;
    return services;
}

void (*g_missing)(const char*) = nullptr;

template <typename T>
T& ensure(std::unique_ptr<T>& slot, std::unique_ptr<T> (*make)(), const char* name)
{
    if (!slot && g_missing)
        g_missing(name);
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

Services exchange(Services services)
{
    std::swap(current(), services);
    return services;
}

void setMissingServiceHandler(void (*handler)(const char* service))
{
    g_missing = handler;
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
    return ensure(current().random, makeSystemRandom, "random");
}
Pause& pause()
{
    return ensure(
        current().pause, +[] { return makeEventLoopPause(); }, "pause");
}
Browser& browser()
{
    return ensure(current().browser, makeDesktopBrowser, "browser");
}
SettingsStore& settings()
{
    return ensure(current().settings, makeUserSettings, "settings");
}
InstanceLock& instanceLock()
{
    return ensure(current().instanceLock, makeLockFileInstance, "instanceLock");
}
Clipboard& clipboard()
{
    return ensure(current().clipboard, makeSystemClipboard, "clipboard");
}
MessageBoxes& messageBoxes()
{
    return ensure(current().messageBoxes, makeMessageBoxes, "messageBoxes");
}
Clock& clock()
{
    return ensure(current().clock, makeSystemClock, "clock");
}
Process& process()
{
    return ensure(current().process, makeApplicationProcess, "process");
}

} // namespace platform

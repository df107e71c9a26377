// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The thin layer standing in for the desktop platform. Every window reaches
// the platform only through these services, so tests can install doubles:
// scripted random numbers, an instant pause, recorded web addresses, an
// in-memory settings store and scripted message box answers.

#include <QDateTime>
#include <QString>
#include <QUrl>
#include <memory>

class QWidget;

namespace platform {

// The program-wide generator of uniform numbers r in [0, 1).
class Random {
public:
    virtual ~Random() = default;
    virtual void seed(quint64 value) = 0;
    virtual double next() = 0;
};

// The blocking pause of a guess: the window is repainted first and then
// handles no input until the pause is over.
class Pause {
public:
    virtual ~Pause() = default;
    virtual void wait(QWidget* window) = 0;
};

// Opens a web address in the default browser. The outcome is not reported.
class Browser {
public:
    virtual ~Browser() = default;
    virtual void open(const QUrl& address) = 0;
};

// The per-user settings store, by section and key.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual QString value(const QString& section, const QString& key) = 0;
    virtual void setValue(const QString& section, const QString& key, const QString& value) = 0;
};

// Tells whether another copy of the program is already running.
class InstanceLock {
public:
    virtual ~InstanceLock() = default;
    virtual bool anotherInstanceRunning() = 0;
};

// The system clipboard, and the selection that a middle click pastes where
// the desktop has one (X11); elsewhere the selection is always empty.
class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual QString text() = 0;
    virtual void clear() = 0;
    virtual QString selectionText() = 0;
    virtual void clearSelection() = 0;
    // Whether what the clipboard (the selection) holds was put there by this
    // program, not by another one.
    virtual bool ownsText() { return false; }
    virtual bool ownsSelection() { return false; }
};

// Message boxes captioned with the application's title.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    virtual void information(const QString& text) = 0;
    virtual void critical(const QString& text) = 0;
    // An information box with Yes and No; true for Yes.
    virtual bool askYesNo(const QString& text) = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() = 0;
};

// Ends the process's event loop.
class Process {
public:
    virtual ~Process() = default;
    virtual void end() = 0;
};

struct Services {
    std::unique_ptr<Random> random;
    std::unique_ptr<Pause> pause;
    std::unique_ptr<Browser> browser;
    std::unique_ptr<SettingsStore> settings;
    std::unique_ptr<InstanceLock> instanceLock;
    std::unique_ptr<Clipboard> clipboard;
    std::unique_ptr<MessageBoxes> messageBoxes;
    std::unique_ptr<Clock> clock;
    std::unique_ptr<Process> process;
};

// The real Qt implementations.
Services realServices();

// Replaces the services in use; a service left empty keeps the one installed.
void install(Services services);

// Puts exactly these services in place, empty ones included, and returns
// the ones they replace: for tests that must leave things as they found them.
Services exchange(Services services);

// A service asked for while none is installed is made from the real ones,
// unless a handler is set: then it is told the service's name ("pause") and
// must not return (tests make this a failure).
void setMissingServiceHandler(void (*handler)(const char* service));

Random& random();
Pause& pause();
Browser& browser();
SettingsStore& settings();
InstanceLock& instanceLock();
Clipboard& clipboard();
MessageBoxes& messageBoxes();
Clock& clock();
Process& process();

} // namespace platform

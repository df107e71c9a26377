// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// Test doubles of every platform service, installed together. A FakePlatform
// lives on the test's stack (or in its fixture from init to cleanup); its
// members point at the installed doubles, and it puts back what it replaced
// when it goes. A test that uses a service while none is installed stops
// with a message naming the service, instead of reaching the real desktop.

#include "platform/Platform.h"

#include <QList>
#include <QMap>
#include <QStringList>
#include <QUrl>
#include <functional>

class QWidget;

class ScriptedRandom : public platform::Random {
public:
    // Numbers handed out in order; once used up, `fallback` is returned.
    QList<double> script;
    double fallback = 0.0;
    int draws = 0;
    void seed(quint64) override { ++seeds; }
    double next() override;
    int seeds = 0;
};

class InstantPause : public platform::Pause {
public:
    int count = 0;
    // Runs during the pause, with the window being repainted; lets a test
    // look at the "Please Wait" panel while it is on screen.
    std::function<void(QWidget*)> during;
    void wait(QWidget* window) override;
};

class RecordingBrowser : public platform::Browser {
public:
    QList<QUrl> opened;
    void open(const QUrl& address) override { opened.append(address); }
    // The page keys opened so far ("home-page", ...).
    QStringList pageKeys() const;
};

class MemorySettings : public platform::SettingsStore {
public:
    QMap<QString, QString> values; // "Section/Key" -> value
    int writes = 0;
    QString value(const QString& section, const QString& key) override { return values.value(section + '/' + key); }
    void setValue(const QString& section, const QString& key, const QString& value) override
    {
        ++writes;
        values.insert(section + '/' + key, value);
    }
};

class FakeInstanceLock : public platform::InstanceLock {
public:
    bool other = false;
    bool anotherInstanceRunning() override { return other; }
};

class MemoryClipboard : public platform::Clipboard {
public:
    QString contents;
    int clears = 0;
    QString selection; // what a middle click would paste
    int selectionClears = 0;
    // Whether the program itself put the text there (not another program).
    bool ownText = false;
    bool ownSelection = false;
    bool ownsText() override { return ownText; }
    bool ownsSelection() override { return ownSelection; }
    QString text() override { return contents; }
    void clear() override
    {
        ++clears;
        contents.clear();
    }
    QString selectionText() override { return selection; }
    void clearSelection() override
    {
        ++selectionClears;
        selection.clear();
    }
};

class ScriptedMessageBoxes : public platform::MessageBoxes {
public:
    struct Shown {
        QString kind; // "information", "critical", "question"
        QString text;
    };
    QList<Shown> shown;
    QList<bool> answers;               // Yes/No answers in order; No once used up
    std::function<void()> whileAsking; // what happens while a question is open (the clock moving on)
    void information(const QString& text) override { shown.append({QStringLiteral("information"), text}); }
    void critical(const QString& text) override { shown.append({QStringLiteral("critical"), text}); }
    bool askYesNo(const QString& text) override;
};

class FixedClock : public platform::Clock {
public:
    QDateTime when = QDateTime(QDate(2026, 12, 7), QTime(10, 0));
    QDateTime now() override { return when; }
};

class RecordingProcess : public platform::Process {
public:
    int ends = 0;
    void end() override { ++ends; }
};

class FakePlatform {
public:
    FakePlatform();
    ~FakePlatform();
    FakePlatform(const FakePlatform&) = delete;
    FakePlatform& operator=(const FakePlatform&) = delete;

    ScriptedRandom* random;
    InstantPause* pause;
    RecordingBrowser* browser;
    MemorySettings* settings;
    FakeInstanceLock* instanceLock;
    MemoryClipboard* clipboard;
    ScriptedMessageBoxes* messageBoxes;
    FixedClock* clock;
    RecordingProcess* process;

private:
    platform::Services m_replaced;
};

// The r in [0, 1) that draws outcome 1..n, from the middle of its slice.
double rFor(int outcome, int n);

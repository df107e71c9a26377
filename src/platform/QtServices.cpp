// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#include "platform/QtServices.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QEventLoop>
#include <QMessageBox>
#include <QSettings>
#include <QStandardPaths>
#include <QTimer>
#include <QWidget>

#include <cmath>
#include <random>

namespace platform {
namespace {

const char* const kTitle = "Veltrane";

class SystemRandom : public Random {
public:
    void seed(quint64 value) override { m_engine.seed(value); }
    double next() override
    {
        // generate_canonical may return exactly 1.0 on some libraries; keep
        // the documented half-open range.
        double r = std::generate_canonical<double, 53>(m_engine);
        if (r >= 1.0)
            r = std::nextafter(1.0, 0.0);
        return r;
    }

private:
    std::mt19937_64 m_engine{5489u};
};

class EventLoopPause : public Pause {
public:
    explicit EventLoopPause(int ms) : m_ms(ms) {}
    void wait(QWidget* window) override
    {
        if (window)
            window->repaint();
        // A local loop that skips user input keeps the windows painted while
        // the guess is "thinking"; a plain sleep would leave them blank.
        QEventLoop loop;
        QTimer::singleShot(m_ms, &loop, &QEventLoop::quit);
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }

private:
    int m_ms;
};

class DesktopBrowser : public Browser {
public:
    void open(const QUrl& address) override
    {
        // No browser is not an error worth telling the user about.
        (void)QDesktopServices::openUrl(address);
    }
};

class UserSettings : public SettingsStore {
public:
    QString value(const QString& section, const QString& key) override
    {
        QSettings s;
        const QVariant v = s.value(section + QLatin1Char('/') + key);
        return v.canConvert<QString>() ? v.toString() : QString();
    }
    void setValue(const QString& section, const QString& key, const QString& value) override
    {
        QSettings s;
        s.setValue(section + QLatin1Char('/') + key, value);
        s.sync(); // a read-only store just stays as it was
    }
};

class SystemClipboard : public Clipboard {
public:
    QString text() override
    {
        QClipboard* c = QGuiApplication::clipboard();
        return c ? c->text() : QString();
    }
    void clear() override
    {
        if (QClipboard* c = QGuiApplication::clipboard())
            c->clear();
    }
    QString selectionText() override
    {
        QClipboard* c = QGuiApplication::clipboard();
        return c && c->supportsSelection() ? c->text(QClipboard::Selection) : QString();
    }
    void clearSelection() override
    {
        QClipboard* c = QGuiApplication::clipboard();
        if (c && c->supportsSelection())
            c->clear(QClipboard::Selection);
    }
};

class QtMessageBoxes : public MessageBoxes {
public:
    void information(const QString& text) override { show(QMessageBox::Information, text, QMessageBox::Ok); }
    void critical(const QString& text) override { show(QMessageBox::Critical, text, QMessageBox::Ok); }
    bool askYesNo(const QString& text) override
    {
        return show(QMessageBox::Information, text, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
    }

private:
    static int show(QMessageBox::Icon icon, const QString& text, QMessageBox::StandardButtons buttons)
    {
        QMessageBox box(icon, QString::fromLatin1(kTitle), text, buttons, QApplication::activeWindow());
        return box.exec();
    }
};

class SystemClock : public Clock {
public:
    QDateTime now() override { return QDateTime::currentDateTime(); }
};

class ApplicationProcess : public Process {
public:
    void end() override { QCoreApplication::quit(); }
};

} // namespace

LockFileInstance::LockFileInstance(const QString& lockPath) : m_lock(lockPath)
{
    m_lock.setStaleLockTime(0); // only a dead owner makes a lock stale
}

QString LockFileInstance::defaultLockPath()
{
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath();
    return QDir(dir).filePath(QStringLiteral("veltrane.lock"));
}

bool LockFileInstance::anotherInstanceRunning()
{
    if (!m_checked) {
        m_checked = true;
        // tryLock removes a lock whose owner process no longer exists.
        m_other = !m_lock.tryLock(0) && m_lock.error() == QLockFile::LockFailedError;
    }
    return m_other;
}

std::unique_ptr<Random> makeSystemRandom()
{
    return std::make_unique<SystemRandom>();
}
std::unique_ptr<Pause> makeEventLoopPause(int ms)
{
    return std::make_unique<EventLoopPause>(ms);
}
std::unique_ptr<Browser> makeDesktopBrowser()
{
    return std::make_unique<DesktopBrowser>();
}
std::unique_ptr<SettingsStore> makeUserSettings()
{
    return std::make_unique<UserSettings>();
}
std::unique_ptr<InstanceLock> makeLockFileInstance()
{
    return std::make_unique<LockFileInstance>();
}
std::unique_ptr<Clipboard> makeSystemClipboard()
{
    return std::make_unique<SystemClipboard>();
}
std::unique_ptr<MessageBoxes> makeMessageBoxes()
{
    return std::make_unique<QtMessageBoxes>();
}
std::unique_ptr<Clock> makeSystemClock()
{
    return std::make_unique<SystemClock>();
}
std::unique_ptr<Process> makeApplicationProcess()
{
    return std::make_unique<ApplicationProcess>();
}

} // namespace platform

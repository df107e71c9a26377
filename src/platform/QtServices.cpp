// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#include "platform/QtServices.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QLockFile>
#include <QMessageBox>
#include <QSettings>
#include <QStandardPaths>
#include <QSysInfo>
#include <QTimer>
#include <QWidget>

#include <cmath>
#include <random>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>
#endif

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
        // QSettings waits for the lock file beside the store for as long as
        // it takes to grow stale (30 s); a lock left there (junk, or by a
        // copy that died) must not hold the program up. Busy or not ours:
        // the value is not stored this time.
        QLockFile guard(s.fileName() + QStringLiteral(".lock"));
        guard.setStaleLockTime(1000);
        if (!guard.tryLock(200) && guard.error() == QLockFile::LockFailedError)
            return;
        guard.unlock();
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

bool isPrivateFolder(const QString& path)
{
#ifdef Q_OS_UNIX
    struct stat info {};
    if (path.isEmpty() || ::lstat(QFile::encodeName(path).constData(), &info) != 0)
        return false;
    return S_ISDIR(info.st_mode) && info.st_uid == ::geteuid() && (info.st_mode & (S_IRWXG | S_IRWXO)) == 0;
#else
    return QFileInfo(path).isDir();
#endif
}

QString LockFileInstance::privateFolder()
{
#ifdef Q_OS_WIN
    // Qt's runtime folder on Windows is the home folder; the lock belongs
    // with the user's local application data, which is theirs alone.
    const QString local = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    return !local.isEmpty() && QDir().mkpath(local) ? local : QString();
#endif
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (isPrivateFolder(runtime))
        return runtime;
    // No fixed name in a shared folder: another user could take it first.
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    if (cache.isEmpty() || !QDir().mkpath(cache))
        return QString();
    const QString own = QDir(cache).filePath(QStringLiteral("veltrane"));
#ifdef Q_OS_UNIX
    const QByteArray native = QFile::encodeName(own);
    if (::mkdir(native.constData(), 0700) != 0 && errno == EEXIST) {
        // Ours from an earlier run, perhaps made with looser rights.
        struct stat info {};
        if (::lstat(native.constData(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == ::geteuid())
            ::chmod(native.constData(), 0700);
    }
#else
    QDir().mkpath(own);
#endif
    return isPrivateFolder(own) ? own : QString();
}

QString LockFileInstance::defaultLockPath()
{
    const QString folder = privateFolder();
    return folder.isEmpty() ? QString() : QDir(folder).filePath(QStringLiteral("veltrane.lock"));
}

LockFileInstance::LockFileInstance(const QString& lockPath) : m_path(lockPath)
{}

bool LockFileInstance::anotherInstanceRunning()
{
    if (!m_checked) {
        m_checked = true;
        m_other = !m_path.isEmpty() && !takeLock();
    }
    return m_other;
}

// True when the lock is ours, or when no lock can be had at all (see the
// class); false only for a lock that a live copy holds.
bool LockFileInstance::takeLock()
{
#ifdef Q_OS_UNIX
    // Only a plain file can be a lock; anything else there (a FIFO would
    // block the read of the lock's contents) is removed, as the folder is ours.
    struct stat info {};
    const QByteArray native = QFile::encodeName(m_path);
    if (::lstat(native.constData(), &info) == 0 && !S_ISREG(info.st_mode)) {
        if (::unlink(native.constData()) != 0 && ::rmdir(native.constData()) != 0)
            return true;
    }
#endif
    m_lock = std::make_unique<QLockFile>(m_path);
    // The lock of a live copy never grows stale with age; QLockFile itself
    // takes over a lock whose owner died on this host.
    m_lock->setStaleLockTime(0);
    // A copy that is just starting writes its lock within a moment of
    // creating it; give a lock that reads as damaged that long to mend.
    constexpr int kMendMs = 500;
    constexpr int kTryMs = 100;
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        if (m_lock->tryLock(kTryMs))
            return true;
        if (m_lock->error() != QLockFile::LockFailedError)
            return true; // no lock can be had here
        qint64 pid = 0;
        QString host;
        QString application;
        const bool readable = m_lock->getLockInfo(&pid, &host, &application);
        if (readable && (host.isEmpty() || host == QSysInfo::machineHostName()))
            return false; // a live copy on this host
        const qint64 age = qAbs(QFileInfo(m_path).lastModified().msecsTo(QDateTime::currentDateTime()));
        if (readable || age >= kMendMs || waited.elapsed() >= kMendMs) {
            // Written on another host, or damaged: nobody can show it alive.
            if (!m_lock->removeStaleLockFile())
                return true;
        }
    }
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

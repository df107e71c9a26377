// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#include "platform/QtServices.h"

#include "shell/DialogWindows.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QLockFile>
#include <QLoggingCategory>
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
#include <csignal>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

// The platform's quiet fallbacks (where the lock went, a stale lock taken
// over, the settings store given up), silent unless asked for with
// QT_LOGGING_RULES="veltrane.platform.info=true".
Q_LOGGING_CATEGORY(lcPlatform, "veltrane.platform", QtWarningMsg)

namespace platform {
namespace {

// One line in that category, when it is switched on.
template <typename... Parts>
void logFallback(const Parts&... parts)
{
    if (!lcPlatform().isInfoEnabled())
        return;
    QDebug line =
        QMessageLogger(QT_MESSAGELOG_FILE, QT_MESSAGELOG_LINE, QT_MESSAGELOG_FUNC, lcPlatform().categoryName())
            .info(lcPlatform());
    (line << ... << parts);
}

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

#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
// The store holds one short line; anything this large is not ours to read.
constexpr qint64 kLargestStore = 64 * 1024;

// Whether QSettings can use the store at `fileName` without hanging: what
// sits at its paths must be plain files (QSettings would block for ever on
// a FIFO or read a device without end). A file far larger than any store we
// write is junk: it is removed, so that the store starts afresh instead of
// being read, rewritten and kept at every start.
bool storeIsSafe(const QString& fileName)
{
    for (const QString& path : {fileName, fileName + QStringLiteral(".lock")}) {
        const QFileInfo info(path);
        if (!info.exists())
            continue;
        if (!info.isFile()) {
            logFallback("settings store given up: not a plain file:", path);
            return false;
        }
        if (info.size() > kLargestStore) {
            const bool removed = QFile::remove(path);
            logFallback("settings store of", info.size(), "bytes is junk; removed:", removed, path);
            if (!removed)
                return false;
        }
    }
    return true;
}
#endif

// The store, or nullptr when it cannot be used safely. On the free desktops
// it is the one file QSettings() would use, opened by name: checked first,
// since QSettings reads it as it is made, and without the folder-wide and
// system files QSettings() would read as well.
std::unique_ptr<QSettings> openStore()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    const QString file = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QLatin1Char('/') +
                         QCoreApplication::organizationName() + QLatin1Char('/') + QCoreApplication::applicationName() +
                         QStringLiteral(".conf");
    if (!storeIsSafe(file))
        return nullptr;
    return std::make_unique<QSettings>(file, QSettings::IniFormat);
#else
    return std::make_unique<QSettings>();
#endif
}

class UserSettings : public SettingsStore {
public:
    QString value(const QString& section, const QString& key) override
    {
        const auto s = openStore();
        if (!s)
            return QString();
        const QVariant v = s->value(section + QLatin1Char('/') + key);
        return v.canConvert<QString>() ? v.toString() : QString();
    }
    void setValue(const QString& section, const QString& key, const QString& value) override
    {
        const auto s = openStore();
        if (!s)
            return;
        // QSettings waits for the lock file beside the store for as long as
        // it takes to grow stale (30 s); a lock left there (junk, or by a
        // copy that died) must not hold the program up. Busy or not ours:
        // the value is not stored this time.
        QLockFile guard(s->fileName() + QStringLiteral(".lock"));
        guard.setStaleLockTime(1000);
        if (!guard.tryLock(200) && guard.error() == QLockFile::LockFailedError) {
            logFallback("settings store busy; not stored:", s->fileName());
            return;
        }
        guard.unlock();
        s->setValue(section + QLatin1Char('/') + key, value);
        s->sync(); // a read-only store just stays as it was
        if (s->status() != QSettings::NoError)
            logFallback("settings store could not be written:", s->fileName());
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
    bool ownsText() override
    {
        QClipboard* c = QGuiApplication::clipboard();
        return c && c->ownsClipboard();
    }
    bool ownsSelection() override
    {
        QClipboard* c = QGuiApplication::clipboard();
        return c && c->ownsSelection();
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
        int answer = QMessageBox::NoButton;
        runModal(box, box.parentWidget(), &answer);
        return answer;
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
    logFallback("runtime folder", runtime, "is not this user's alone; the lock goes to the cache folder");
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
    if (!isPrivateFolder(own)) {
        logFallback("no private folder for the lock at", own, "- running without one");
        return QString();
    }
    return own;
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

namespace {

enum class Holder { Alive, Gone, Unknown };

// Whether a live process holds the lock file at `path`. A copy holding a
// QLockFile keeps an flock() on it for as long as it lives, which the kernel
// drops when the process dies, whatever became of the file.
Holder lockHolder(const QString& path)
{
#ifdef Q_OS_UNIX
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return Holder::Unknown;
    Holder holder = Holder::Unknown;
    if (::flock(fd, LOCK_SH | LOCK_NB) == 0)
        holder = Holder::Gone;
    else if (errno == EWOULDBLOCK)
        holder = Holder::Alive;
    ::close(fd);
    return holder;
#else
    Q_UNUSED(path);
    return Holder::Unknown;
#endif
}

// Without a file lock to ask, a process of that number must at least exist.
bool processExists(qint64 pid)
{
#ifdef Q_OS_UNIX
    return pid > 0 && (::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM);
#else
    Q_UNUSED(pid);
    return true;
#endif
}

} // namespace

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
        logFallback("not a file where the lock goes; removing it:", m_path);
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
    // Past this, whatever keeps the lock from us, the program starts.
    constexpr int kGiveUpMs = 3000;
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < kGiveUpMs) {
        if (m_lock->tryLock(kTryMs))
            return true;
        if (m_lock->error() != QLockFile::LockFailedError) {
            logFallback("no lock can be had at", m_path, "- running without one");
            return true;
        }
        qint64 pid = 0;
        QString host;
        QString application;
        const bool readable = m_lock->getLockInfo(&pid, &host, &application);
        const bool thisHost = host.isEmpty() || host == QSysInfo::machineHostName();
        if (readable && thisHost) {
            const Holder holder = lockHolder(m_path);
            if (holder == Holder::Alive || (holder == Holder::Unknown && processExists(pid)))
                return false; // a live copy on this host
        }
        const qint64 age = qAbs(QFileInfo(m_path).lastModified().msecsTo(QDateTime::currentDateTime()));
        if (readable || age >= kMendMs || waited.elapsed() >= kMendMs) {
            // Left by a copy that died, written on another host, or damaged:
            // nobody can show it alive. Where Qt cannot remove it (a file it
            // may not open, a junk lock of its own beside it), the folder is
            // ours, so the file goes; where nothing can, we run without it.
            logFallback("taking over a stale lock:", m_path, "pid", pid, "host", host);
            if (!m_lock->removeStaleLockFile() && !QFile::remove(m_path)) {
                logFallback("the stale lock cannot be removed; running without one");
                return true;
            }
        }
    }
    logFallback("the lock could not be had in time; running without one:", m_path);
    return true;
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

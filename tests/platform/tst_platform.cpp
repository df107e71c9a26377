// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

// The platform layer: draws that always land in range, the real generator,
// the lock that keeps a second copy out, and the settings store on disk.
#include "platform/Draw.h"
#include "platform/QtServices.h"
#include "support/Wine.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <limits>
#include <utility>

#ifdef Q_OS_UNIX
#include <csignal>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

class TestPlatform : public QObject {
    Q_OBJECT

    // Starts the lock holder on `path`; its first line: "locked" or "other".
    static QByteArray holdLock(QProcess& holder, const QString& path)
    {
        holder.start(QStringLiteral(LOCKHOLDER), {path});
        return holder.waitForReadyRead(10000) ? holder.readLine().trimmed() : QByteArray("(no answer)");
    }

private slots:
    void drawStaysInRange_data()
    {
        QTest::addColumn<double>("r");
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("expected");
        QTest::newRow("zero gives the first") << 0.0 << 52 << 1;
        QTest::newRow("just below one gives the last") << std::nextafter(1.0, 0.0) << 52 << 52;
        QTest::newRow("one itself is kept at the last") << 1.0 << 5 << 5;
        QTest::newRow("middle") << 0.5 << 52 << 27;
        QTest::newRow("boundary between outcomes") << 0.2 << 5 << 2;
        QTest::newRow("negative is kept at the first") << -0.25 << 10 << 1;
        QTest::newRow("not a number is kept at the first") << std::numeric_limits<double>::quiet_NaN() << 20 << 1;
    }
    void drawStaysInRange()
    {
        QFETCH(double, r);
        QFETCH(int, n);
        QFETCH(int, expected);
        QCOMPARE(platform::drawOneOf(r, n), expected);
    }

    void drawInRangeCoversTheRangeOnly()
    {
        QCOMPARE(platform::drawInRange(0.0, 36, 42), 36);
        QCOMPARE(platform::drawInRange(std::nextafter(1.0, 0.0), 36, 42), 42);
        QCOMPARE(platform::drawInRange(1.0, 42, 47), 47);
        QCOMPARE(platform::drawInRange(0.5, 1, 5), 3);
    }

    void realGeneratorIsHalfOpenAndRepeatable()
    {
        auto a = platform::makeSystemRandom();
        auto b = platform::makeSystemRandom();
        a->seed(20261207);
        b->seed(20261207);
        int seen[10] = {};
        for (int i = 0; i < 20000; ++i) {
            const double r = a->next();
            QVERIFY(r >= 0.0 && r < 1.0);
            QCOMPARE(b->next(), r);
            ++seen[platform::drawOneOf(r, 10) - 1];
        }
        for (int count : seen) // roughly uniform: each of ten near 2000
            QVERIFY2(count > 1700 && count < 2300, qPrintable(QString::number(count)));
        b->seed(1);
        QVERIFY(a->next() != b->next());
    }

    void lockKeepsSecondInstanceOutAndSurvivesAKilledOwner()
    {
        if (runningUnderWine())
            QSKIP("Wine does not tell a live lock owner from a dead one");
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("veltrane.lock"));

        QProcess first;
        QCOMPARE(holdLock(first, path), QByteArray("locked"));

        QProcess second;
        QCOMPARE(holdLock(second, path), QByteArray("other"));
        second.kill();
        second.waitForFinished();

        // A crash leaves the lock file behind; the next start must not be refused.
        first.kill();
        QVERIFY(first.waitForFinished());
        QVERIFY(QFile::exists(path));

        QProcess third;
        QCOMPARE(holdLock(third, path), QByteArray("locked"));
        third.kill();
        third.waitForFinished();
    }

    // A lock nobody can show alive is stale, whatever shape it is in, and a
    // FIFO put in its place must not hang the start.
    void damagedLockIsTakenOver_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<bool>("fifo");
        QTest::newRow("empty") << QByteArray() << false;
        QTest::newRow("garbage") << QByteArray("\x01\xffnot a lock at all\n") << false;
        QTest::newRow("written on another host") << QByteArray("4242\nveltrane\nanother-host.example\n") << false;
#ifdef Q_OS_UNIX
        QTest::newRow("a FIFO") << QByteArray() << true;
#endif
    }
    void damagedLockIsTakenOver()
    {
        QFETCH(QByteArray, contents);
        QFETCH(bool, fifo);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("veltrane.lock"));
        if (fifo) {
#ifdef Q_OS_UNIX
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
#endif
        } else {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(contents);
        }
        QElapsedTimer timer;
        timer.start();
        QProcess holder;
        QCOMPARE(holdLock(holder, path), QByteArray("locked"));
        QVERIFY2(timer.elapsed() < 5000, qPrintable(QString::number(timer.elapsed())));
        holder.kill();
        holder.waitForFinished();
    }

#ifdef Q_OS_UNIX
    // A lock left by a copy that died is taken over even where Qt cannot
    // remove it: a file made read-only by the umask, a junk lock of Qt's own
    // beside it. It must never read as a running copy.
    void unremovableStaleLockIsTakenOver_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("junkBeside");
        QTest::newRow("read-only (umask 0277)") << 0400 << false;
        QTest::newRow("beside a junk .rmlock") << 0600 << true;
        QTest::newRow("read-only beside a junk .rmlock") << 0444 << true;
    }
    void unremovableStaleLockIsTakenOver()
    {
        QFETCH(int, mode);
        QFETCH(bool, junkBeside);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("veltrane.lock"));
        QProcess dead;
        QCOMPARE(holdLock(dead, path), QByteArray("locked"));
        dead.kill();
        QVERIFY(dead.waitForFinished());
        QCOMPARE(::chmod(QFile::encodeName(path).constData(), static_cast<mode_t>(mode)), 0);
        if (junkBeside)
            QVERIFY(QDir().mkdir(path + QStringLiteral(".rmlock")));

        QProcess next;
        QCOMPARE(holdLock(next, path), QByteArray("locked"));
        next.kill();
        next.waitForFinished();
    }

    // Asked to end by a signal, the program shuts down and lets go of its lock.
    void endRequestReleasesTheLock_data()
    {
        QTest::addColumn<int>("signalNumber");
        QTest::newRow("SIGTERM") << int(SIGTERM);
        QTest::newRow("SIGINT") << int(SIGINT);
        QTest::newRow("SIGHUP") << int(SIGHUP);
    }
    void endRequestReleasesTheLock()
    {
        QFETCH(int, signalNumber);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("veltrane.lock"));
        QProcess holder;
        QCOMPARE(holdLock(holder, path), QByteArray("locked"));
        QCOMPARE(::kill(static_cast<pid_t>(holder.processId()), signalNumber), 0);
        QVERIFY(holder.waitForFinished(10000));
        QCOMPARE(holder.exitStatus(), QProcess::NormalExit);
        QCOMPARE(holder.exitCode(), 0);
        QVERIFY(!QFile::exists(path));
    }

    // Whatever the environment says, the lock lives where only this user
    // can write: never in a shared folder, never through a planted link.
    void lockFolderIsThisUsersAlone()
    {
        const QByteArray runtimeBefore = qgetenv("XDG_RUNTIME_DIR");
        const QByteArray cacheBefore = qgetenv("XDG_CACHE_HOME");
        const QByteArray tmpBefore = qgetenv("TMPDIR");
        QTemporaryDir shared;
        QTemporaryDir cache;
        QVERIFY(QFile::setPermissions(shared.path(), QFile::Permissions(0x7777)));
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(shared.path()));
        qputenv("XDG_CACHE_HOME", QFile::encodeName(cache.path()));
        // The runtime folder Qt falls back to in the temporary folder, made
        // open to all as another user could have made it.
        qputenv("TMPDIR", QFile::encodeName(shared.path()));
        const QString fallback =
            shared.filePath(QStringLiteral("runtime-") + QString::fromLocal8Bit(::getpwuid(::geteuid())->pw_name));
        QVERIFY(QDir().mkdir(fallback));
        QVERIFY(QFile::setPermissions(fallback, QFile::Permissions(0x7777)));

        const QString own = cache.filePath(QStringLiteral("veltrane"));
        QCOMPARE(platform::LockFileInstance::defaultLockPath(), own + QStringLiteral("/veltrane.lock"));
        QVERIFY(platform::isPrivateFolder(own));
        QVERIFY(!platform::isPrivateFolder(shared.path()));
        // Rights loosened since an earlier run are tightened again.
        QVERIFY(QFile::setPermissions(own, QFile::Permissions(0x7755)));
        QCOMPARE(platform::LockFileInstance::privateFolder(), own);
        QVERIFY(platform::isPrivateFolder(own));

        // A link where our folder goes is not followed; with no private
        // folder at all, no lock can be had and the program runs.
        QVERIFY(QDir(own).removeRecursively());
        QVERIFY(QFile::link(shared.path(), own));
        QCOMPARE(platform::LockFileInstance::defaultLockPath(), QString());
        platform::LockFileInstance none(platform::LockFileInstance::defaultLockPath());
        QVERIFY(!none.anotherInstanceRunning());

        for (const auto& [name, before] : {std::pair{"XDG_RUNTIME_DIR", runtimeBefore},
                                           std::pair{"XDG_CACHE_HOME", cacheBefore}, std::pair{"TMPDIR", tmpBefore}}) {
            if (before.isNull())
                qunsetenv(name);
            else
                qputenv(name, before);
        }
    }

#endif

    void lockPathIsPerUserRuntimeFolder()
    {
        const QString path = platform::LockFileInstance::defaultLockPath();
        QVERIFY(path.endsWith(QStringLiteral("/veltrane.lock")));
        QVERIFY(!path.startsWith(QStringLiteral("/veltrane")));
    }

    void settingsStoreReadsBackAndToleratesOddValues()
    {
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setOrganizationName(QStringLiteral("VeltraneTest"));
        QCoreApplication::setApplicationName(QStringLiteral("tst_platform"));
        QSettings().clear();
        auto store = platform::makeUserSettings();
        QCOMPARE(store->value(QStringLiteral("Settings"), QStringLiteral("Duration")), QString());
        store->setValue(QStringLiteral("Settings"), QStringLiteral("Duration"), QStringLiteral("2026-12-07T10:00:00"));
        QCOMPARE(store->value(QStringLiteral("Settings"), QStringLiteral("Duration")),
                 QStringLiteral("2026-12-07T10:00:00"));
        // A hand-edited list where a date belongs reads as nothing rather than garbage.
        QSettings().setValue(QStringLiteral("Settings/Duration"),
                             QStringList{QStringLiteral("a"), QStringLiteral("b")});
        QCOMPARE(store->value(QStringLiteral("Settings"), QStringLiteral("Duration")), QString());
        QSettings().clear();
    }
};

QTEST_GUILESS_MAIN(TestPlatform)
#include "tst_platform.moc"

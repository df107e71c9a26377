// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

// The program meets a hostile desktop: a broken settings store, no browser,
// a lock left behind, no runtime folder. It must start, carry on, and never
// show an error of its own.
#include "app/Startup.h"
#include "app/frmMDI.h"
#include "platform/QtServices.h"
#include "shell/modHelp.h"
#include "support/FakePlatform.h"
#include "support/Modal.h"
#include "support/Wine.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/stat.h>
#endif

class TestFaults : public QObject {
    Q_OBJECT

    std::unique_ptr<FakePlatform> fake;
    QTemporaryDir configDir;

    // The store and the test's own QSettings() both in `folder`.
    static void useConfigFolder(const QString& folder)
    {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder);
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder));
    }

    QString settingsFile() const { return configDir.filePath(QStringLiteral("Veltrane/Veltrane.conf")); }

    // Starts the program with the real settings store and checks it came up
    // without any message box.
    void startCleanly()
    {
        platform::Services real;
        real.settings = platform::makeUserSettings();
        platform::install(std::move(real));
        std::unique_ptr<frmMDI> mdi(startUp());
        QVERIFY(mdi);
        QVERIFY(fake->messageBoxes->shown.isEmpty());
        CloseAllAndEnd();
        mdi.reset();
        modal::flushDeletes();
    }

private slots:
    void initTestCase()
    {
        QCoreApplication::setOrganizationName(QStringLiteral("Veltrane"));
        QCoreApplication::setApplicationName(QStringLiteral("Veltrane"));
    }
    void init()
    {
        fake = std::make_unique<FakePlatform>();
        QDir(configDir.path()).removeRecursively();
        QDir().mkpath(configDir.filePath(QStringLiteral("Veltrane")));
        useConfigFolder(configDir.path());
    }
    void cleanup()
    {
        QVERIFY(modal::leftoverTopLevels().isEmpty());
        fake.reset();
    }

    void settingsFileHoldingGarbage()
    {
        QFile f(settingsFile());
        QVERIFY(f.open(QIODevice::WriteOnly));
        static const char garbage[] = "\x00\xff\xfe[Settings\nDuration=@DateTime(\x01\x02\x03)\n\n===\n";
        f.write(garbage, sizeof garbage - 1);
        f.close();
        startCleanly();
        // Treated as never set: today is stored in its readable form.
        QSettings s;
        QCOMPARE(s.value(QStringLiteral("Settings/Duration")).toString(), fake->clock->when.toString(Qt::ISODate));
    }

    void settingsValueEmptyOrFarAway_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("asks");
        QTest::newRow("empty") << QString() << false;
        QTest::newRow("year 1") << QStringLiteral("0001-01-01T00:00:00") << true;
        QTest::newRow("year 9999") << QStringLiteral("9999-12-31T00:00:00") << true;
    }
    void settingsValueEmptyOrFarAway()
    {
        QFETCH(QString, stored);
        QFETCH(bool, asks);
        {
            QSettings s;
            s.setValue(QStringLiteral("Settings/Duration"), stored);
        }
        platform::Services real;
        real.settings = platform::makeUserSettings();
        platform::install(std::move(real));
        RemindOfUpdate();
        QCOMPARE(fake->messageBoxes->shown.size(), asks ? 1 : 0);
        QCOMPARE(QSettings().value(QStringLiteral("Settings/Duration")).toString(),
                 fake->clock->when.toString(Qt::ISODate));
    }

    // QSettings would wait for this lock until it is 30 s old.
    void junkLockBesideTheSettingsDoesNotHoldUpStartUp()
    {
        QFile junk(settingsFile() + QStringLiteral(".lock"));
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write("junk");
        junk.close();
        QElapsedTimer timer;
        timer.start();
        startCleanly();
        QVERIFY2(timer.elapsed() < 5000, qPrintable(QString::number(timer.elapsed())));
    }

    void settingsFileThatCannotBeRead()
    {
        // A folder where the file should be: neither readable nor writable,
        // whoever runs the test.
        QVERIFY(QDir().mkpath(settingsFile()));
        startCleanly();
    }

    void settingsFolderThatCannotBeWritten()
    {
        useConfigFolder(QStringLiteral("/proc/veltrane-settings"));
        startCleanly();
        startCleanly(); // and again: still nothing stored, still no prompt
    }

#ifdef Q_OS_UNIX
    // A store file and POSIX signals are the free desktops' (the registry
    // holds the settings on Windows).
    // What sits at the store's paths can neither hang the start (QSettings
    // blocks for ever on a FIFO) nor cost more than a bounded read: a huge
    // junk store is replaced, a FIFO left alone and the store done without.
    void settingsPathsThatAreNoStore_data()
    {
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<bool>("fifo");
        QTest::newRow("a FIFO as the store") << QString() << true;
        QTest::newRow("a FIFO as its lock") << QStringLiteral(".lock") << true;
        QTest::newRow("a huge junk store") << QString() << false;
    }
    void settingsPathsThatAreNoStore()
    {
        QFETCH(QString, suffix);
        QFETCH(bool, fifo);
        const QString path = settingsFile() + suffix;
        if (fifo) {
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        } else {
            QFile junk(path);
            QVERIFY(junk.open(QIODevice::WriteOnly));
            QVERIFY(junk.resize(8 * 1024 * 1024));
        }
        QElapsedTimer timer;
        timer.start();
        startCleanly();
        QVERIFY2(timer.elapsed() < 5000, qPrintable(QString::number(timer.elapsed())));
        if (fifo)
            QVERIFY(!QFileInfo(path).isFile());
        else
            QVERIFY(QFileInfo(path).size() < 1024);
    }

    // SIGTERM, SIGINT or SIGHUP while the start-up question is open ends the
    // program as its Exit does: a normal end that leaves no lock behind.
    void endRequestDuringTheStartUpQuestion_data()
    {
        QTest::addColumn<int>("signalNumber");
        QTest::newRow("SIGTERM") << int(SIGTERM);
        QTest::newRow("SIGINT") << int(SIGINT);
        QTest::newRow("SIGHUP") << int(SIGHUP);
    }
    void endRequestDuringTheStartUpQuestion()
    {
        QFETCH(int, signalNumber);
        QTemporaryDir home;
        const QString runtime = home.filePath(QStringLiteral("run"));
        const QString store = home.filePath(QStringLiteral("config/" VELTRANE_APP_ID "/Veltrane.conf"));
        QVERIFY(QDir().mkpath(QFileInfo(store).path()));
        QVERIFY(QDir().mkdir(runtime));
        QVERIFY(QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        QFile file(store);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[Settings]\nDuration=0001-01-01T00:00:00\n"); // long ago: the question comes
        file.close();

        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
        QProcess program;
        program.setProcessEnvironment(env);
        program.start(QStringLiteral(VELTRANE));
        const QString lock = runtime + QStringLiteral("/veltrane.lock");
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(lock), 10000);
        QTest::qWait(300);
        QCOMPARE(::kill(static_cast<pid_t>(program.processId()), signalNumber), 0);
        QVERIFY(program.waitForFinished(10000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);
        QVERIFY(!QFile::exists(lock));
    }

#endif

    void noBrowserAtAll()
    {
        platform::Services real;
        real.browser = platform::makeDesktopBrowser();
        platform::install(std::move(real));
        const QByteArray path = qgetenv("PATH");
        QTemporaryDir empty;
        qputenv("PATH", empty.path().toLocal8Bit());
        QElapsedTimer timer;
        timer.start();
        OpenHomePage();
        OpenDownloadPage();
        qputenv("PATH", path);
        QVERIFY(timer.elapsed() < 5000);
        QVERIFY(fake->messageBoxes->shown.isEmpty());
    }

    void instancesAgreeOnOneLockWithoutARuntimeFolder()
    {
        if (runningUnderWine())
            QSKIP("Wine does not tell a live lock owner from a dead one");
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("XDG_RUNTIME_DIR"));
        QProcess first, second;
        first.setProcessEnvironment(env);
        second.setProcessEnvironment(env);
        first.start(QStringLiteral(LOCKHOLDER), {});
        QVERIFY(first.waitForReadyRead(10000));
        QCOMPARE(first.readLine().trimmed(), QByteArray("locked"));
        second.start(QStringLiteral(LOCKHOLDER), {});
        QVERIFY(second.waitForReadyRead(10000));
        QCOMPARE(second.readLine().trimmed(), QByteArray("other"));
        second.kill();
        first.kill();
        second.waitForFinished();
        first.waitForFinished();
    }

    void clipboardWorksOrIsQuietlyAbsent()
    {
        auto clipboard = platform::makeSystemClipboard();
        clipboard->clear();
        QCOMPARE(clipboard->text(), QString());
    }
};

QTEST_MAIN(TestFaults)
#include "tst_faults.moc"

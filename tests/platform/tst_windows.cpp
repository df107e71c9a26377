// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

// What only Windows does: the settings in the registry, the lock in the local
// application data folder, and --help and --version in a message box when
// the program has no output to write to.
#include "platform/QtServices.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>

#include <windows.h>

namespace {

struct Box {
    DWORD process = 0;
    HWND window = nullptr;
};

BOOL CALLBACK findBox(HWND window, LPARAM found)
{
    auto* box = reinterpret_cast<Box*>(found);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != box->process || !IsWindowVisible(window))
        return TRUE;
    box->window = window;
    return FALSE;
}

QString windowText(HWND window)
{
    wchar_t text[2048] = {};
    GetWindowTextW(window, text, 2048);
    return QString::fromWCharArray(text);
}

} // namespace

class TestWindows : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QCoreApplication::setOrganizationName(QStringLiteral("VeltraneTest"));
        QCoreApplication::setApplicationName(QStringLiteral("tst_windows"));
    }

    // Qt's runtime folder is the home folder here; the lock must not go there.
    void lockLivesInLocalApplicationData()
    {
        const QString local = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
        const QFileInfo lock(platform::LockFileInstance::defaultLockPath());
        QCOMPARE(lock.fileName(), QStringLiteral("veltrane.lock"));
        QCOMPARE(lock.absolutePath(), local);
        QVERIFY(lock.dir().exists());
        QVERIFY(lock.absolutePath() != QDir::homePath());
        QVERIFY(local.contains(QStringLiteral("/AppData/Local/")));
    }

    void settingsAreKeptInTheRegistry()
    {
        auto store = platform::makeUserSettings();
        store->setValue(QStringLiteral("Settings"), QStringLiteral("Duration"), QStringLiteral("2026-12-08T09:00:00"));
        QSettings registry(QStringLiteral("HKEY_CURRENT_USER\\Software\\VeltraneTest\\tst_windows"),
                           QSettings::NativeFormat);
        QCOMPARE(registry.value(QStringLiteral("Settings/Duration")).toString(), QStringLiteral("2026-12-08T09:00:00"));
        QCOMPARE(store->value(QStringLiteral("Settings"), QStringLiteral("Duration")),
                 QStringLiteral("2026-12-08T09:00:00"));
        registry.clear();
    }

    // Started from the Start menu the program has no standard output: the
    // answer must be shown, and the program end once it is read.
    void commandLineAnswerShownInAMessageBox_data()
    {
        QTest::addColumn<QString>("argument");
        QTest::addColumn<QString>("expected");
        QTest::newRow("--version") << QStringLiteral("--version") << QStringLiteral("veltrane " VELTRANE_VERSION);
        QTest::newRow("--help") << QStringLiteral("--help") << QStringLiteral("--version");
    }
    void commandLineAnswerShownInAMessageBox()
    {
        QFETCH(QString, argument);
        QFETCH(QString, expected);
        if (GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") &&
            qEnvironmentVariableIsEmpty("DISPLAY"))
            QSKIP("Wine shows no window without a display");
        QProcess program;
        program.setCreateProcessArgumentsModifier([](QProcess::CreateProcessArguments* arguments) {
            arguments->startupInfo->dwFlags |= STARTF_USESTDHANDLES;
            arguments->startupInfo->hStdInput = nullptr;
            arguments->startupInfo->hStdOutput = nullptr;
            arguments->startupInfo->hStdError = nullptr;
            arguments->inheritHandles = false;
        });
        program.start(QStringLiteral(VELTRANE_EXE), {argument});
        QVERIFY(program.waitForStarted());
        Box box{static_cast<DWORD>(program.processId())};
        QTRY_VERIFY_WITH_TIMEOUT((EnumWindows(findBox, reinterpret_cast<LPARAM>(&box)), box.window), 20000);
        QCOMPARE(windowText(box.window), QStringLiteral("Veltrane"));
        QVERIFY2(windowText(GetDlgItem(box.window, 0xFFFF)).contains(expected),
                 qPrintable(windowText(GetDlgItem(box.window, 0xFFFF))));
        PostMessageW(box.window, WM_COMMAND, IDOK, 0);
        QVERIFY(program.waitForFinished(10000));
        QCOMPARE(program.exitCode(), 0);
    }
};

QTEST_GUILESS_MAIN(TestWindows)
#include "tst_windows.moc"

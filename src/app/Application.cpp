// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#include "app/Application.h"

#include "BuildInfo.h"
#include "app/Startup.h"
#include "app/frmMDI.h"
#include "platform/Platform.h"
#include "platform/TerminationSignals.h"
#include "shell/Look.h"

#include <QApplication>
#include <QCommandLineParser>

#ifdef Q_OS_WIN
#include "app/WindowsOutput.h"
#endif

#include <cstdio>
#include <memory>

void setApplicationIdentity()
{
    // The organisation names the settings folder: the application id, like
    // the desktop file, so a branded build keeps its own settings.
    QCoreApplication::setOrganizationName(QString::fromLatin1(buildinfo::kApplicationId));
    QCoreApplication::setApplicationName(QStringLiteral("Veltrane"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(buildinfo::kVersion));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(buildinfo::kApplicationId));
}

CommandLine parseCommandLine(const QStringList& arguments, bool strict)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Practise your intuition with card, color and symbol tests."));
    // Our own help option: Qt's adds --help-all, which lists the windowing
    // system's options too.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Displays help on command line options."));
    parser.addOption(help);
    const QCommandLineOption version = parser.addVersionOption();

    CommandLine result;
    const bool parsed = parser.parse(arguments);
    if (parser.isSet(help)) {
        result.run = false;
        result.output = parser.helpText();
    } else if (parser.isSet(version)) {
        result.run = false;
        result.output = QStringLiteral("veltrane %1\n").arg(QCoreApplication::applicationVersion());
    } else if (strict && (!parsed || !parser.positionalArguments().isEmpty())) {
        result.run = false;
        result.exitCode = 1;
        const QString problem =
            parsed ? QStringLiteral("Unexpected argument: %1").arg(parser.positionalArguments().first())
                   : parser.errorText();
        result.error = QStringLiteral("veltrane: %1\nTry 'veltrane --help'.\n").arg(problem);
    }
    return result;
}

namespace {
// Prints what the command line produced; true when the program goes on.
bool obey(const CommandLine& command)
{
#ifdef Q_OS_WIN
    if (!command.output.isEmpty() && showInMessageBoxWithoutOutput(command.output, false))
        return command.run;
    if (!command.error.isEmpty() && showInMessageBoxWithoutOutput(command.error, true))
        return command.run;
#endif
    if (!command.output.isEmpty())
        std::fputs(command.output.toLocal8Bit().constData(), stdout);
    if (!command.error.isEmpty())
        std::fputs(command.error.toLocal8Bit().constData(), stderr);
    return command.run;
}
} // namespace

int runVeltrane(int argc, char* argv[], void (*mainWindowShown)(QWidget*))
{
    if (argc > 1) {
        // --help and --version must work without a display, so they are read
        // before the windowing system is started.
        QCoreApplication early(argc, argv);
        setApplicationIdentity();
        const CommandLine command = parseCommandLine(QCoreApplication::arguments(), false);
        if (!obey(command))
            return command.exitCode;
    }

    QApplication app(argc, argv);
    setApplicationIdentity();
    // The windowing system has taken its own options out by now.
    const CommandLine command = parseCommandLine(QCoreApplication::arguments(), true);
    if (!obey(command))
        return command.exitCode;

    QApplication::setWindowIcon(look::appIcon());
    QApplication::setFont(look::verdana(8.25, false));
    platform::install(platform::realServices());

    std::unique_ptr<frmMDI> window(startUp());
    if (!window)
        return 0;
    // Asked from outside to end (SIGTERM, SIGINT, SIGHUP): as a close of the
    // main window, so everything closes and the lock is released.
    const platform::TerminationSignals endRequests([&window] { window->close(); });
    if (mainWindowShown)
        mainWindowShown(window.get());
    return QApplication::exec();
}

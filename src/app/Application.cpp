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
#include <QDialog>

#ifdef Q_OS_WIN
#include "app/WindowsOutput.h"
#endif

#include <cstdio>
#include <cstdlib>
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

QString printableArgument(const QString& text, int maxLength)
{
    QString shown;
    for (const QChar c : text) {
        if (shown.size() >= maxLength) {
            shown += QStringLiteral("...");
            break;
        }
        // Control and format characters (terminal escapes, bidi overrides)
        // are shown as '?', not obeyed by the terminal.
        shown += c.isPrint() ? c : QLatin1Char('?');
    }
    return shown;
}

namespace {
// The windowing system's own options, as the manual page promises: they are
// Qt's to read, so they are known here (hidden from the help) only so that
// the early read neither refuses them nor takes "-reverse" for -r -e -v ...
void addWindowingSystemOptions(QCommandLineParser& parser)
{
    static const char* const withValue[] = {
        "platform", "platformpluginpath", "platformtheme", "plugin",  "qwindowgeometry", "geometry", "qwindowtitle",
        "title",    "qwindowicon",        "icon",          "session", "display",         "name",     "visual",
        "style",    "stylesheet",         "qmljsdebugger"};
    static const char* const flags[] = {"reverse", "widgetcount", "testability", "sync", "nograb", "dograb"};
    for (const char* name : withValue) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : flags) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}
} // namespace

CommandLine parseCommandLine(const QStringList& arguments, bool strict)
{
    QCommandLineParser parser;
    // "-stylesheet" is one option, as Qt reads it, not -s -t -y ...
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QStringLiteral("Practise your intuition with card, color and symbol tests."));
    // Our own help option: Qt's adds --help-all, which lists the windowing
    // system's options too.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Displays help on command line options."));
    parser.addOption(help);
    const QCommandLineOption version = parser.addVersionOption();
    addWindowingSystemOptions(parser);

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
        result.error = QStringLiteral("veltrane: %1\nTry 'veltrane --help'.\n").arg(printableArgument(problem));
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

QtMessageHandler g_messagesBefore = nullptr;

// While the windowing system starts, its fatal error (no display, or none
// it can reach) is a plain refusal, not an abort that tells the user to
// reinstall. Its other messages pass on as before.
void refuseWithoutDisplay(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type != QtFatalMsg) {
        if (g_messagesBefore)
            g_messagesBefore(type, context, message);
        return;
    }
    std::fputs("veltrane: cannot open a window: no display could be reached (is DISPLAY set?)\n", stderr);
    std::fflush(stderr);
    std::_Exit(1);
}

// Asked from outside to end (SIGTERM, SIGINT, SIGHUP): as a close of the
// main window, so everything closes and the lock is released. Before the
// window is there, a question or notice on screen is dismissed as Escape
// would, and the start-up ends the program instead of showing the window.
void endOnRequest(QWidget* window, bool& ending)
{
    ending = true;
    if (window) {
        window->close();
        return;
    }
    if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
        dialog->reject();
}
} // namespace

int runVeltrane(int argc, char* argv[], void (*mainWindowShown)(QWidget*))
{
    if (argc > 1) {
        // --help and --version must work without a display, so they are read
        // before the windowing system is started.
        QCoreApplication early(argc, argv);
        setApplicationIdentity();
        const CommandLine command = parseCommandLine(QCoreApplication::arguments(), true);
        if (!obey(command))
            return command.exitCode;
    }

    g_messagesBefore = qInstallMessageHandler(refuseWithoutDisplay);
    QApplication app(argc, argv);
    qInstallMessageHandler(g_messagesBefore);
    setApplicationIdentity();
    // The windowing system has taken its own options out by now.
    const CommandLine command = parseCommandLine(QCoreApplication::arguments(), true);
    if (!obey(command))
        return command.exitCode;

    QApplication::setWindowIcon(look::appIcon());
    QApplication::setFont(look::verdana(8.25, false));
    platform::install(platform::realServices());

    std::unique_ptr<frmMDI> window;
    bool ending = false;
    const platform::TerminationSignals endRequests([&window, &ending] { endOnRequest(window.get(), ending); });
    window.reset(startUp());
    if (!window || ending)
        return 0;
    if (mainWindowShown)
        mainWindowShown(window.get());
    return QApplication::exec();
}

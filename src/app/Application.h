// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The program from main() on: its identity, its command line and its run.
// The shipping program and the benchmark's copy of it share all of it.

#include <QString>
#include <QStringList>

class QWidget;

// Names, version and desktop id of the application; needs only a
// QCoreApplication.
void setApplicationIdentity();

// What the command line asks for. Without arguments: run.
struct CommandLine {
    bool run = true;
    int exitCode = 0;
    QString output; // for standard output
    QString error;  // for standard error
};

// Reads the arguments (program name first) with --help and --version, and
// knows the windowing system's own options. When `strict`, an unknown option
// or a stray argument is an error; otherwise it is left alone.
CommandLine parseCommandLine(const QStringList& arguments, bool strict);

// `text` as it can be echoed to a terminal: control and format characters
// shown as '?', at most `maxLength` characters followed by "...".
QString printableArgument(const QString& text, int maxLength = 120);

// The whole program: --help and --version print and end without a display,
// a window or the single-instance lock; otherwise the start-up sequence and
// the event loop. `mainWindowShown`, when set, is told of the main window.
int runVeltrane(int argc, char* argv[], void (*mainWindowShown)(QWidget*) = nullptr);

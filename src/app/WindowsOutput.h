// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// Windows: a GUI program started from the Start menu or Explorer has no
// standard output, so what --help and --version print would vanish. There it
// is shown in a message box instead; with output redirected to a file or a
// pipe, or a console attached, it is written there as everywhere else.

#include <QString>

// Shows `text` in a message box when the program's standard output (or, for
// an `error`, its standard error) leads nowhere; false when it leads
// somewhere and the caller writes it there.
bool showInMessageBoxWithoutOutput(const QString& text, bool error);

// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#include "app/WindowsOutput.h"

#include <QCoreApplication>

#include <windows.h>

bool showInMessageBoxWithoutOutput(const QString& text, bool error)
{
    const HANDLE handle = GetStdHandle(error ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE);
    if (handle && handle != INVALID_HANDLE_VALUE && GetFileType(handle) != FILE_TYPE_UNKNOWN)
        return false;
    // No QApplication here: --help and --version are answered before the
    // windowing system starts, so this is the system's own message box.
    const QString title = QCoreApplication::applicationName();
    MessageBoxW(nullptr, reinterpret_cast<const wchar_t*>(text.trimmed().utf16()),
                reinterpret_cast<const wchar_t*>(title.utf16()),
                MB_OK | MB_SETFOREGROUND | (error ? MB_ICONERROR : MB_ICONINFORMATION));
    return true;
}

// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// Whether the tests run under Wine rather than Windows: Wine does not tell
// whether the process that wrote a lock file is alive as Windows does, so
// the lock tests between two processes are left to a real Windows.

#include <QtGlobal>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

inline bool runningUnderWine()
{
#ifdef Q_OS_WIN
    return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
#else
    return false;
#endif
}

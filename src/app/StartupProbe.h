// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// For the start-up benchmark only: with VELTRANE_STARTUP_PROBE set, the
// program prints the wall-clock time of the main window's first paint and
// its peak memory, then quits. Costs nothing when the variable is unset.

class QWidget;

void installStartupProbe(QWidget* mainWindow);

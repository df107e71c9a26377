// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// For the start-up benchmark only: the program prints the wall-clock time of
// the main window's first paint and its peak memory, then quits. Linked into
// the benchmark's programs, never into the one users run.

class QWidget;

void installStartupProbe(QWidget* mainWindow);

// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

// The shipping program with the start-up probe: the same library and run,
// reporting the main window's first paint and peak memory, then quitting.
#include "StartupProbe.h"
#include "app/Application.h"

int main(int argc, char* argv[])
{
    return runVeltrane(argc, argv, installStartupProbe);
}

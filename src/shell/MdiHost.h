// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// What a test window needs of the main window: a place in its client area.
// The main window shows its welcome panel by itself once no test window is
// open, so a test window never asks for it.

#include "shell/Twips.h"

class QMdiSubWindow;
class QWidget;

class MdiHost {
public:
    virtual ~MdiHost();

    // Wraps the window in a fixed-size, hidden child window of the client area.
    virtual QMdiSubWindow* adopt(QWidget* window) = 0;

    static MdiHost* current();
    static void setCurrent(MdiHost* host);
};

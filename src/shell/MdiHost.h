// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// What a test window needs of the main window: a place in its client area,
// and the welcome panel whose visibility says that no test window is open.

#include "shell/Twips.h"

class QMdiSubWindow;
class QWidget;

class MdiHost {
public:
    virtual ~MdiHost();

    // Wraps the window in a fixed-size, hidden child window of the client area.
    virtual QMdiSubWindow* adopt(QWidget* window) = 0;

    virtual void setWelcomePanelVisible(bool visible) = 0;
    virtual bool isWelcomePanelVisible() const = 0;

    static MdiHost* current();
    static void setCurrent(MdiHost* host);
};

// The main window's welcome panel, if there is a main window.
void showWelcomePanel();
void hideWelcomePanel();

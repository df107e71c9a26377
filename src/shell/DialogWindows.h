// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// What the program's small modal windows (About, the symbol option dialog,
// the feedback windows) share with the window manager.

#include <Qt>

class QWidget;

// A dialog with a title bar and a close box, and no minimise or maximise
// buttons.
constexpr Qt::WindowFlags kTitledDialogFlags =
    Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;

// Some window managers offer to minimise any window, whatever it asks for
// (openbox ignores the hint). A modal window minimised would leave the
// program blocked with nothing to answer on screen, so it comes straight back.
void keepFromMinimising(QWidget* window);

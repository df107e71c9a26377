// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The main window a test class drives, on a fake desktop: made afresh for
// each test, and ended the way the program ends, after which no window may
// be left over. A test class derives from it and calls these from its
// init() and cleanup().

#include "app/frmMDI.h"
#include "support/FakePlatform.h"

#include <memory>

class MainWindowFixture {
protected:
    // A fresh fake desktop; the main window comes with one of the next two.
    void useFakeDesktop();
    // The main window as the program starts (seeding, update reminder),
    // shown and on the screen.
    void startMainWindow();
    // The main window alone, shown and on the screen.
    void showMainWindow();
    // Ends as the program does, closing every window, and checks that no
    // window outlives the test.
    void endMainWindow();

    std::unique_ptr<FakePlatform> fake;
    std::unique_ptr<frmMDI> mdi;
};

// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// What happens when the program starts, in its order.

class frmMDI;

// Refuses a second instance, seeds the generator, runs the update reminder
// and shows the main window. Returns the main window, or nullptr when this
// copy must end at once.
frmMDI* startUp();

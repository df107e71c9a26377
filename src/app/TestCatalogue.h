// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The tests the main window offers, one row each. The main window builds its
// launchers and welcome links from these rows and names no test window
// itself: a new test is its own folder plus one row here.

#include <QColor>

#include <vector>

class FormBase;

struct TestEntry {
    // The launcher's index (cmdSelectOption); a launcher closes the tests'
    // windows test by test in this order.
    int index;
    // The launcher's caption, also the welcome link's text.
    const char* caption;
    // The launcher icon's picture and object name.
    const char* icon;
    const char* iconName;
    // The welcome link: its index (lblCaption), colour and top in twips.
    int linkIndex;
    QColor linkColor;
    double linkTop;
    // Shows the test's first window, placed; owned by the test.
    void (*launch)();
    // The test's windows, in the order a launcher closes them.
    std::vector<bool (*)(const FormBase*)> windows;
};

// The rows in screen order, left to right: Color, Symbol, Card.
const std::vector<TestEntry>& testCatalogue();

// The row with that launcher index, or with that welcome link index.
const TestEntry* testByIndex(int index);
const TestEntry* testByLink(int linkIndex);

// Unloads every loaded window of every test; a window that is not loaded
// stays closed.
void closeTestWindows();

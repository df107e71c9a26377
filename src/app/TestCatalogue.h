// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The tests the main window offers, one row each. The main window builds its
// launchers and welcome links from these rows and names no test window
// itself: a new test is its own folder plus one row here.

#include <QColor>
#include <QString>

#include <vector>

struct TestEntry {
    // The launcher's index (cmdSelectOption): the rows' indices are 0 to
    // n - 1, each once, and a launcher closes the tests' windows test by
    // test in this order. The welcome link's index follows from it.
    int index = -1;
    // The launcher's caption, also the welcome link's text.
    const char* caption = nullptr;
    // The launcher icon: its picture (a resource path, so the picture can
    // live with the test) and its object name.
    const char* icon = nullptr;
    const char* iconName = nullptr;
    // The welcome link's colour and top in twips.
    QColor linkColor;
    double linkTop = 0;
    // Shows the test's first window, placed; owned by the test.
    void (*launch)() = nullptr;
    // Unloads the test's windows (`&T::unloadIfLoaded`), in the order a
    // launcher closes them.
    std::vector<void (*)()> windows;

    // A row is written as a chain of these, each naming what its values are.
    TestEntry& launcher(int launcherIndex, const char* launcherCaption);
    TestEntry& launcherIcon(const char* resource, const char* objectName);
    TestEntry& welcomeLink(const QColor& color, double top);
    TestEntry& opensWith(void (*opener)());
    TestEntry& closes(std::vector<void (*)()> unloaders);
};

// The welcome panel's lines before the test links (lblCaption 0 to 2).
constexpr int kPlainWelcomeLines = 3;

// The rows in screen order, left to right and top to bottom. A faulty row
// stops the program at start-up with the fault.
const std::vector<TestEntry>& testCatalogue();

// What is wrong with the rows (an empty text when nothing is): launcher
// indices that leave a gap or repeat, missing parts.
QString catalogueFault(const std::vector<TestEntry>& rows);

// The welcome link's index (lblCaption) of a row.
inline int linkIndexOf(const TestEntry& test)
{
    return kPlainWelcomeLines + test.index;
}

// The row with that launcher index, or with that welcome link index.
const TestEntry* testByIndex(int index);
const TestEntry* testByLink(int linkIndex);

// Unloads every loaded window of every test; a window that is not loaded
// stays closed.
void closeTestWindows();

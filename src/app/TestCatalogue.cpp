// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#include "app/TestCatalogue.h"

#include "cardtest/frmPsychicCardTestDisplay.h"
#include "cardtest/frmPsychicCardTestMain.h"
#include "cardtest/frmPsychicCardTestResult.h"
#include "colortest/frmPsychicColorTestDisplay.h"
#include "colortest/frmPsychicColorTestMain.h"
#include "colortest/frmPsychicColorTestResult.h"
#include "symboltest/frmPsychicSymbolTestMain.h"
#include "symboltest/frmPsychicSymbolTestResult.h"
#include "symboltest/frmPsychicSymbolTestSelectOption.h"

#include <QtGlobal>

#include <algorithm>
#include <utility>

namespace {

std::vector<TestEntry> rows()
{
    return {
        TestEntry()
            .launcher(1, "Psychic Color Test")
            .launcherIcon(":/images/icons/color.svg", "Picture3")
            .welcomeLink(QColor(255, 0, 255), 2760)
            .opensWith(&frmPsychicColorTestMain::openPlaced)
            .closes({&frmPsychicColorTestDisplay::unloadIfLoaded, &frmPsychicColorTestMain::unloadIfLoaded,
                     &frmPsychicColorTestResult::unloadIfLoaded}),
        TestEntry()
            .launcher(2, "Psychic Symbol Test")
            .launcherIcon(":/images/icons/symbol.svg", "Picture4")
            .welcomeLink(QColor(0, 255, 0), 3480)
            .opensWith(&frmPsychicSymbolTestMain::launch)
            .closes({&frmPsychicSymbolTestMain::unloadIfLoaded, &frmPsychicSymbolTestResult::unloadIfLoaded,
                     &frmPsychicSymbolTestSelectOption::unloadIfLoaded}),
        TestEntry()
            .launcher(0, "Psychic Card Test")
            .launcherIcon(":/images/icons/card.svg", "Picture2")
            .welcomeLink(QColor(255, 255, 0), 4080)
            .opensWith(&frmPsychicCardTestMain::openPlaced)
            .closes({&frmPsychicCardTestDisplay::unloadIfLoaded, &frmPsychicCardTestMain::unloadIfLoaded,
                     &frmPsychicCardTestResult::unloadIfLoaded}),
    };
}

} // namespace

TestEntry& TestEntry::launcher(int launcherIndex, const char* launcherCaption)
{
    index = launcherIndex;
    caption = launcherCaption;
    return *this;
}

TestEntry& TestEntry::launcherIcon(const char* resource, const char* objectName)
{
    icon = resource;
    iconName = objectName;
    return *this;
}

TestEntry& TestEntry::welcomeLink(const QColor& color, double top)
{
    linkColor = color;
    linkTop = top;
    return *this;
}

TestEntry& TestEntry::opensWith(void (*opener)())
{
    launch = opener;
    return *this;
}

TestEntry& TestEntry::closes(std::vector<void (*)()> unloaders)
{
    windows = std::move(unloaders);
    return *this;
}

QString catalogueFault(const std::vector<TestEntry>& rows)
{
    std::vector<int> seen(rows.size(), 0);
    for (const TestEntry& test : rows) {
        const QString name = QString::fromLatin1(test.caption ? test.caption : "a row without a caption");
        if (!test.caption || !test.icon || !test.iconName || !test.launch || test.windows.empty())
            return QStringLiteral("%1: a part is missing").arg(name);
        if (test.index < 0 || test.index >= static_cast<int>(rows.size()))
            return QStringLiteral("%1: launcher index %2 is not between 0 and %3")
                .arg(name)
                .arg(test.index)
                .arg(rows.size() - 1);
        if (++seen[static_cast<std::size_t>(test.index)] > 1)
            return QStringLiteral("%1: launcher index %2 is taken").arg(name).arg(test.index);
    }
    return {};
}

const std::vector<TestEntry>& testCatalogue()
{
    static const std::vector<TestEntry> catalogue = [] {
        std::vector<TestEntry> checked = rows();
        if (const QString fault = catalogueFault(checked); !fault.isEmpty())
            qFatal("Test catalogue: %s", qPrintable(fault));
        return checked;
    }();
    return catalogue;
}

const TestEntry* testByIndex(int index)
{
    const std::vector<TestEntry>& tests = testCatalogue();
    const auto test =
        std::find_if(tests.begin(), tests.end(), [index](const TestEntry& t) { return t.index == index; });
    return test == tests.end() ? nullptr : &*test;
}

const TestEntry* testByLink(int linkIndex)
{
    return testByIndex(linkIndex - kPlainWelcomeLines);
}

void closeTestWindows()
{
    for (int index = 0; index < static_cast<int>(testCatalogue().size()); ++index) {
        for (void (*unload)() : testByIndex(index)->windows)
            unload();
    }
}

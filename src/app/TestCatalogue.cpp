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
#include "shell/Form.h"
#include "symboltest/frmPsychicSymbolTestMain.h"
#include "symboltest/frmPsychicSymbolTestResult.h"
#include "symboltest/frmPsychicSymbolTestSelectOption.h"

#include <algorithm>

namespace {

template <typename T>
bool isWindow(const FormBase* form)
{
    return dynamic_cast<const T*>(form) != nullptr;
}

} // namespace

const std::vector<TestEntry>& testCatalogue()
{
    static const std::vector<TestEntry> catalogue{
        {1,
         "Psychic Color Test",
         "color",
         "Picture3",
         4,
         QColor(255, 0, 255),
         2760,
         &frmPsychicColorTestMain::openPlaced,
         {&isWindow<frmPsychicColorTestDisplay>, &isWindow<frmPsychicColorTestMain>,
          &isWindow<frmPsychicColorTestResult>}},
        {2,
         "Psychic Symbol Test",
         "symbol",
         "Picture4",
         5,
         QColor(0, 255, 0),
         3480,
         &frmPsychicSymbolTestMain::launch,
         {&isWindow<frmPsychicSymbolTestMain>, &isWindow<frmPsychicSymbolTestResult>,
          &isWindow<frmPsychicSymbolTestSelectOption>}},
        {0,
         "Psychic Card Test",
         "card",
         "Picture2",
         3,
         QColor(255, 255, 0),
         4080,
         &frmPsychicCardTestMain::openPlaced,
         {&isWindow<frmPsychicCardTestDisplay>, &isWindow<frmPsychicCardTestMain>,
          &isWindow<frmPsychicCardTestResult>}},
    };
    return catalogue;
}

const TestEntry* testByIndex(int index)
{
    for (const TestEntry& test : testCatalogue()) {
        if (test.index == index)
            return &test;
    }
    return nullptr;
}

const TestEntry* testByLink(int linkIndex)
{
    for (const TestEntry& test : testCatalogue()) {
        if (test.linkIndex == linkIndex)
            return &test;
    }
    return nullptr;
}

void closeTestWindows()
{
    std::vector<const TestEntry*> byIndex;
    for (const TestEntry& test : testCatalogue())
        byIndex.push_back(&test);
    std::sort(byIndex.begin(), byIndex.end(),
              [](const TestEntry* a, const TestEntry* b) { return a->index < b->index; });
    for (const TestEntry* test : byIndex) {
        for (auto isTestWindow : test->windows) {
            // Unloading one window may unload others: ask afresh each time.
            for (;;) {
                const QList<FormBase*> loaded = FormBase::loadedForms();
                const auto form = std::find_if(loaded.begin(), loaded.end(), isTestWindow);
                if (form == loaded.end())
                    break;
                (*form)->unload();
            }
        }
    }
}

// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

// Thousands of random user actions across every window, with the program's
// invariants checked after each one. VELTRANE_MONKEY_SEED and
// VELTRANE_MONKEY_STEPS choose the run; VELTRANE_MONKEY_ALL_WINDOWS=1 also
// demands that every window was reached; VELTRANE_EXPECT_ACCESSIBILITY=1
// demands that the AT-SPI accessibility bridge is on.
#include "Monkey.h"

#include <QAccessible>
#include <QTest>

class TestMonkey : public QObject {
    Q_OBJECT

private slots:
    void randomUseKeepsTheProgramSound()
    {
        bool ok = false;
        quint64 seed = qEnvironmentVariable("VELTRANE_MONKEY_SEED").toULongLong(&ok);
        if (!ok)
            seed = 20261207;
        int steps = qEnvironmentVariableIntValue("VELTRANE_MONKEY_STEPS", &ok);
        if (!ok || steps <= 0)
            steps = 3000;

        if (qEnvironmentVariableIntValue("VELTRANE_EXPECT_ACCESSIBILITY") == 1) {
            // The bridge connects once the event loop runs; every widget event
            // from then on goes through the accessibility layer too.
            QTRY_VERIFY2(QAccessible::isActive(), "the AT-SPI bridge did not come up");
        }

        Monkey monkey(seed, steps);
        const bool sound = monkey.run();
        if (!sound || qEnvironmentVariableIsSet("VELTRANE_MONKEY_REPORT"))
            qInfo().noquote() << monkey.coverageReport();
        if (!sound) // whole: the failure message below is cut short
            qInfo().noquote() << monkey.failure();
        QVERIFY2(sound, qPrintable(monkey.failure()));

        if (qEnvironmentVariableIntValue("VELTRANE_MONKEY_ALL_WINDOWS") == 1) {
            const QStringList all{"frmMDI",
                                  "frmAbout",
                                  "frmPsychicCardTestMain",
                                  "frmPsychicCardTestDisplay",
                                  "frmPsychicCardTestResult",
                                  "frmPsychicColorTestMain",
                                  "frmPsychicColorTestDisplay",
                                  "frmPsychicColorTestResult",
                                  "frmPsychicSymbolTestMain",
                                  "frmPsychicSymbolTestSelectOption",
                                  "frmPsychicSymbolTestResult"};
            for (const QString& window : all)
                QVERIFY2(monkey.windowsReached().contains(window), qPrintable(window + " was never reached"));
        }
    }
};

QTEST_MAIN(TestMonkey)
#include "tst_monkey.moc"

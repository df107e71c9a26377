// Thousands of random user actions across every window, with the program's
// invariants checked after each one. VELTRANE_MONKEY_SEED and
// VELTRANE_MONKEY_STEPS choose the run; VELTRANE_MONKEY_ALL_WINDOWS=1 also
// demands that every window was reached.
#include "Monkey.h"

#include <QDateTime>
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

        Monkey monkey(seed, steps);
        const bool sound = monkey.run();
        if (!sound || qEnvironmentVariableIsSet("VELTRANE_MONKEY_REPORT"))
            qInfo().noquote() << monkey.coverageReport();
        QVERIFY2(sound, qPrintable(monkey.failure()));

        if (qEnvironmentVariableIntValue("VELTRANE_MONKEY_ALL_WINDOWS") == 1) {
            const QStringList all{"frmMDI", "frmAbout", "frmPsychicCardTestMain", "frmPsychicCardTestDisplay",
                                  "frmPsychicCardTestResult", "frmPsychicColorTestMain", "frmPsychicColorTestDisplay",
                                  "frmPsychicColorTestResult", "frmPsychicSymbolTestMain",
                                  "frmPsychicSymbolTestSelectOption", "frmPsychicSymbolTestResult"};
            for (const QString& window : all)
                QVERIFY2(monkey.windowsReached().contains(window), qPrintable(window + " was never reached"));
        }
    }
};

QTEST_MAIN(TestMonkey)
#include "tst_monkey.moc"

// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

// Figures for the README, measured in-process on the platform it is started
// on (scripts/benchmark.sh runs it on Xvfb):
//  - from a launcher click to the first paint inside the test's first window,
//    the first time (cold) and again (warm);
//  - peak memory after the first guess, after the first guess of every game
//    and level, and after 1,000 guesses with the instant pause.
#include "app/Startup.h"
#include "app/frmMDI.h"
#include "cardtest/frmPsychicCardTestDisplay.h"
#include "cardtest/frmPsychicCardTestMain.h"
#include "colortest/frmPsychicColorTestDisplay.h"
#include "colortest/frmPsychicColorTestMain.h"
#include "platform/QtServices.h"
#include "shell/ClickLabel.h"
#include "shell/modHelp.h"
#include "support/FakePlatform.h"
#include "support/Modal.h"
#include "symboltest/SymbolControls.h"
#include "symboltest/frmPsychicSymbolTestMain.h"
#include "symboltest/frmPsychicSymbolTestSelectOption.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <cstdio>
#include <functional>
#include <iterator>
#include <sys/resource.h>

namespace {

double peakMiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0; // kilobytes on Linux
}

// Notes the first paint of a widget inside a window of type Window.
template <typename Window>
class FirstPaintIn : public QObject {
public:
    explicit FirstPaintIn(const QElapsedTimer& clock) : m_clock(clock) { qApp->installEventFilter(this); }
    ~FirstPaintIn() override { qApp->removeEventFilter(this); }
    double ms = -1;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (ms < 0 && event->type() == QEvent::Paint && watched->isWidgetType()) {
            for (auto* w = static_cast<QWidget*>(watched); w; w = w->parentWidget()) {
                if (dynamic_cast<Window*>(w)) {
                    ms = m_clock.nsecsElapsed() / 1e6;
                    break;
                }
            }
        }
        return false;
    }

private:
    const QElapsedTimer& m_clock;
};

// Answers the symbol test's level dialog with `option` while it lives.
class SymbolLevelAnswer : public modal::Answer {
public:
    explicit SymbolLevelAnswer(QRadioButton* frmPsychicSymbolTestSelectOption::*option)
        : modal::Answer(QStringLiteral("cmdOk"), [option](QWidget* w) {
              if (auto* dialog = dynamic_cast<frmPsychicSymbolTestSelectOption*>(w))
                  (dialog->*option)->setChecked(true);
          })
    {}
};

template <typename Window>
double timeOpen(QPushButton* launcher)
{
    QElapsedTimer clock;
    FirstPaintIn<Window> paint(clock);
    clock.start();
    QTest::mouseClick(launcher, Qt::LeftButton);
    return QTest::qWaitFor([&] { return paint.ms >= 0; }, 5000) ? paint.ms : -1;
}

struct Game {
    const char* name;
    std::function<QWidget*()> open; // opens the game, returns the control to guess with
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    FakePlatform fake;
    platform::Services real;
    real.random = platform::makeSystemRandom();
    platform::install(std::move(real));

    std::unique_ptr<frmMDI> mdi(startUp());
    if (!QTest::qWaitForWindowExposed(mdi.get()))
        return 1;
    QTest::qWait(300);

    std::printf("Launcher click to the first paint of the test's first window (%s):\n",
                qPrintable(QGuiApplication::platformName()));
    for (int round = 0; round < 2; ++round) {
        const char* when = round == 0 ? "first" : "again";
        const double card = timeOpen<frmPsychicCardTestMain>(mdi->cmdSelectOption[0]);
        const double color = timeOpen<frmPsychicColorTestMain>(mdi->cmdSelectOption[1]);
        const SymbolLevelAnswer beginner(&frmPsychicSymbolTestSelectOption::optBeginner);
        const double symbol = timeOpen<frmPsychicSymbolTestMain>(mdi->cmdSelectOption[2]);
        std::printf("  %s: card home %5.1f ms, color home %5.1f ms, symbol play %5.1f ms\n", when, card, color, symbol);
        QTest::qWait(200);
    }

    // Every game and level, each opened from the main window as a user would.
    const auto colorLevel = [&mdi](int level) -> QWidget* {
        QTest::mouseClick(mdi->cmdSelectOption[1], Qt::LeftButton);
        QTest::mouseClick(frmPsychicColorTestMain::get().optLevel[level], Qt::LeftButton);
        QTest::mouseClick(frmPsychicColorTestMain::get().cmdProceed, Qt::LeftButton);
        frmPsychicColorTestDisplay& play = frmPsychicColorTestDisplay::get();
        return level == 0 ? play.cmdBeginner[0] : level == 1 ? play.cmdIntermediate[0] : play.cmdExpert[0];
    };
    const auto symbolLevel = [&mdi](QRadioButton* frmPsychicSymbolTestSelectOption::*option, int level) {
        const SymbolLevelAnswer chosen(option);
        QTest::mouseClick(mdi->cmdSelectOption[2], Qt::LeftButton);
        QTest::qWait(50);
        frmPsychicSymbolTestMain& play = frmPsychicSymbolTestMain::get();
        return level == 0   ? static_cast<QWidget*>(play.cmdZener[0])
               : level == 1 ? static_cast<QWidget*>(play.PicIntermediate[0])
                            : static_cast<QWidget*>(play.picExpert[0]);
    };
    const Game games[] = {
        {"card, colour card",
         [&mdi]() -> QWidget* {
             QTest::mouseClick(mdi->cmdSelectOption[0], Qt::LeftButton);
             QTest::mouseClick(frmPsychicCardTestMain::get().cmdPickCards, Qt::LeftButton);
             return frmPsychicCardTestDisplay::get().cmdBlackCard;
         }},
        {"card, right card",
         [&mdi]() -> QWidget* {
             QTest::mouseClick(mdi->cmdSelectOption[0], Qt::LeftButton);
             QTest::mouseClick(frmPsychicCardTestMain::get().cmdRightCard, Qt::LeftButton);
             return frmPsychicCardTestDisplay::get().picCard[0];
         }},
        {"color, Beginner", [&] { return colorLevel(0); }},
        {"color, Intermediate", [&] { return colorLevel(1); }},
        {"color, Expert", [&] { return colorLevel(2); }},
        {"symbol, Beginner", [&] { return symbolLevel(&frmPsychicSymbolTestSelectOption::optBeginner, 0); }},
        {"symbol, Intermediate", [&] { return symbolLevel(&frmPsychicSymbolTestSelectOption::optIntermediate, 1); }},
        {"symbol, Expert", [&] { return symbolLevel(&frmPsychicSymbolTestSelectOption::optExpert, 2); }},
    };
    const int gameCount = int(std::size(games));

    const modal::AnswerEvery feedback(QStringLiteral("TRY AGAIN"));
    // One guess in each game first, so every window and picture has been
    // made once; then the rest of the 1,000 shared out over the games.
    double afterFirst = 0;
    for (int g = 0; g < gameCount; ++g) {
        QTest::mouseClick(games[g].open(), Qt::LeftButton);
        if (g == 0)
            afterFirst = peakMiB();
    }
    const double afterEachGame = peakMiB();
    const int total = 1000;
    for (int g = 0; g < gameCount; ++g) {
        QWidget* control = games[g].open();
        for (int i = 0; i < (total - gameCount) / gameCount; ++i)
            QTest::mouseClick(control, Qt::LeftButton);
    }
    const double afterAll = peakMiB();
    const int answered = feedback.count();

    std::printf("Peak memory (VmHWM), instant pause, %d guesses answered:\n", answered);
    std::printf("  after the first guess                  %6.1f MiB\n", afterFirst);
    std::printf("  after the first guess of all 8 games   %6.1f MiB   %+.1f MiB\n", afterEachGame,
                afterEachGame - afterFirst);
    std::printf("  after 1,000 guesses                    %6.1f MiB   %+.1f MiB (goal: within 15 MB)\n", afterAll,
                afterAll - afterFirst);
    std::fflush(stdout);

    CloseAllAndEnd();
    mdi.reset();
    modal::flushDeletes();
    return 0;
}

// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

// Figures for the README, measured in-process under the offscreen platform:
// the time from a guess's click to its feedback window beyond the pause (the
// pause itself is instant here), with cold picture caches; the time to draw
// every card face and symbol once; and the CPU the card home window's welcome
// line costs while it idles, shown and hidden.
#include "app/Startup.h"
#include "app/frmMDI.h"
#include "cardtest/frmPsychicCardTestDisplay.h"
#include "cardtest/frmPsychicCardTestMain.h"
#include "colortest/frmPsychicColorTestDisplay.h"
#include "colortest/frmPsychicColorTestMain.h"
#include "images/CardFaces.h"
#include "images/PictureStore.h"
#include "platform/QtServices.h"
#include "shell/ClickLabel.h"
#include "shell/modHelp.h"
#include "support/FakePlatform.h"
#include "support/Modal.h"
#include "symboltest/SymbolControls.h"
#include "symboltest/SymbolPictures.h"
#include "symboltest/frmPsychicSymbolTestMain.h"
#include "symboltest/frmPsychicSymbolTestSelectOption.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSvgRenderer>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <sys/resource.h>

namespace {

// Milliseconds from clicking `control` to its feedback window on screen.
double timeGuess(QWidget* control)
{
    QElapsedTimer timer;
    double shownAfter = -1;
    const modal::Answer answer(QStringLiteral("TRY AGAIN"), [&](QWidget*) { shownAfter = timer.nsecsElapsed() / 1e6; });
    timer.start();
    QTest::mouseClick(control, Qt::LeftButton, {}, control->rect().center());
    return shownAfter;
}

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

double idleCpuPercent(int seconds)
{
    const double before = cpuSeconds();
    // A plain event loop: QTest::qWait polls and would count its own wake-ups.
    QEventLoop loop;
    QTimer::singleShot(seconds * 1000, &loop, &QEventLoop::quit);
    loop.exec();
    return (cpuSeconds() - before) / seconds * 100.0;
}

void chooseSymbolLevel(frmMDI& mdi, QRadioButton* frmPsychicSymbolTestSelectOption::*option)
{
    const modal::Answer answer(QStringLiteral("cmdOk"), [option](QWidget* w) {
        auto* dialog = dynamic_cast<frmPsychicSymbolTestSelectOption*>(w);
        if (dialog)
            (dialog->*option)->setChecked(true);
    });
    QTest::mouseClick(mdi.cmdSelectOption[2], Qt::LeftButton);
    QTest::qWait(50);
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    FakePlatform fake;
    platform::Services real;
    real.random = platform::makeSystemRandom();
    platform::install(std::move(real));

    std::unique_ptr<frmMDI> mdi(startUp());
    if (!QTest::qWaitForWindowExposed(mdi.get()))
        return 1;

    std::printf("Guess overhead beyond the pause, first guess of each game and level (cold caches):\n");
    QTest::mouseClick(mdi->cmdSelectOption[0], Qt::LeftButton);
    QTest::mouseClick(frmPsychicCardTestMain::get().cmdPickCards, Qt::LeftButton);
    std::printf("  card, colour card      %7.1f ms\n", timeGuess(frmPsychicCardTestDisplay::get().cmdBlackCard));
    QTest::mouseClick(frmPsychicCardTestDisplay::get().cmdBack, Qt::LeftButton);
    QTest::mouseClick(frmPsychicCardTestMain::get().cmdRightCard, Qt::LeftButton);
    std::printf("  card, right card       %7.1f ms\n", timeGuess(frmPsychicCardTestDisplay::get().picCard[0]));

    for (int level = 0; level < 3; ++level) {
        QTest::mouseClick(mdi->cmdSelectOption[1], Qt::LeftButton);
        frmPsychicColorTestMain& home = frmPsychicColorTestMain::get();
        QTest::mouseClick(home.optLevel[level], Qt::LeftButton);
        QTest::mouseClick(home.cmdProceed, Qt::LeftButton);
        frmPsychicColorTestDisplay& play = frmPsychicColorTestDisplay::get();
        QWidget* button = level == 0 ? play.cmdBeginner[0] : level == 1 ? play.cmdIntermediate[0] : play.cmdExpert[0];
        std::printf("  color, level %d         %7.1f ms\n", level, timeGuess(button));
    }

    chooseSymbolLevel(*mdi, &frmPsychicSymbolTestSelectOption::optBeginner);
    std::printf("  symbol, Beginner       %7.1f ms\n", timeGuess(frmPsychicSymbolTestMain::get().cmdZener[0]));
    chooseSymbolLevel(*mdi, &frmPsychicSymbolTestSelectOption::optIntermediate);
    std::printf("  symbol, Intermediate   %7.1f ms\n", timeGuess(frmPsychicSymbolTestMain::get().PicIntermediate[0]));
    chooseSymbolLevel(*mdi, &frmPsychicSymbolTestSelectOption::optExpert);
    std::printf("  symbol, Expert         %7.1f ms\n", timeGuess(frmPsychicSymbolTestMain::get().picExpert[0]));

    QElapsedTimer timer;
    timer.start();
    const PictureStore photo = makeIMGCards();
    const PictureStore flat = makeIMGTencard();
    for (int n = 1; n <= 52; ++n) {
        photo.picture(n);
        flat.picture(n);
    }
    const double cards = timer.nsecsElapsed() / 1e6;
    timer.restart();
    for (int s = 0; s <= int(Symbol::MysteryBox); ++s) {
        QImage image(100, 100, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        QSvgRenderer(symbolResource(Symbol(s))).render(&painter);
    }
    const double symbols = timer.nsecsElapsed() / 1e6;
    std::printf("Drawing every picture once: 104 card faces %.1f ms, 13 symbols %.1f ms\n", cards, symbols);

    QTest::mouseClick(mdi->cmdSelectOption[0], Qt::LeftButton);
    QTest::qWait(200);
    std::printf("Idle CPU, 10 s with the card home window's welcome line shown:  %.2f %% of a core\n",
                idleCpuPercent(10));
    QTest::mouseClick(frmPsychicCardTestMain::get().cmdPickCards, Qt::LeftButton);
    QTest::qWait(200);
    std::printf("Idle CPU, 10 s with it running hidden behind the play window:   %.2f %% of a core\n",
                idleCpuPercent(10));
    std::fflush(stdout);

    CloseAllAndEnd();
    mdi.reset();
    modal::flushDeletes();
    return 0;
}

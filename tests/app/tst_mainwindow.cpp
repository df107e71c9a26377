// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

// Start-up and the main window: refusing a second copy, the welcome panel
// and its links, the launchers, menu merging and the activation guard.
#include "BuildInfo.h"
#include "app/Application.h"
#include "app/Startup.h"
#include "app/TestCatalogue.h"
#include "app/frmMDI.h"
#include "cardtest/frmPsychicCardTestDisplay.h"
#include "cardtest/frmPsychicCardTestMain.h"
#include "colortest/frmPsychicColorTestMain.h"
#include "shell/ClickLabel.h"
#include "shell/Form.h"
#include "shell/Panel.h"
#include "shell/StandardMenus.h"
#include "shell/modHelp.h"
#include "support/FakePlatform.h"
#include "support/MainWindowFixture.h"
#include "support/Modal.h"

#include <QAction>
#include <QApplication>
#include <QLayout>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <memory>

namespace {

// A child window with menus of its own, counting its activations.
template <int N>
class frmChild : public Form<frmChild<N>, QWidget> {
public:
    frmChild()
    {
        this->setFixedSize(200, 100);
        QMenu* file = buildFileMenu(this);
        addMenuCommand(file, QStringLiteral("E&xit"), QStringLiteral("mnuExit"));
        this->addMenuBarMenu(file);
    }
    void Form_Activate() override { ++activations; }
    static inline int activations = 0;
};
using frmA = frmChild<1>;
using frmB = frmChild<2>;

bool underlined(QWidget* w)
{
    return w->font().underline();
}

} // namespace

class TestMainWindow : public QObject, public MainWindowFixture {
    Q_OBJECT

private slots:
    void init() { useFakeDesktop(); }
    void cleanup() { endMainWindow(); }

    void secondInstanceIsRefusedAndNothingElseRuns()
    {
        fake->instanceLock->other = true;
        fake->settings->values.insert("Settings/Duration", "2000-01-01T00:00:00");
        QVERIFY(startUp() == nullptr);
        QCOMPARE(fake->messageBoxes->shown.size(), 1);
        QCOMPARE(fake->messageBoxes->shown[0].kind, QStringLiteral("information"));
        QCOMPARE(fake->messageBoxes->shown[0].text, QStringLiteral("Application is already running"));
        QCOMPARE(fake->random->seeds, 0);
        QCOMPARE(fake->settings->writes, 0);
        QCOMPARE(fake->process->ends, 1);
        QVERIFY(modal::leftoverTopLevels().isEmpty());
    }

    void firstStartSeedsStoresTheDateAndShowsTheMainWindow()
    {
        startMainWindow();
        QCOMPARE(fake->random->seeds, 1);
        QVERIFY(fake->messageBoxes->shown.isEmpty());
        QVERIFY(fake->settings->values.contains("Settings/Duration"));
        QCOMPARE(mdi->windowTitle(), QStringLiteral("Veltrane v") + QLatin1String(buildinfo::kVersion));
        QVERIFY(mdi->isMaximized() || mdi->windowState() & Qt::WindowMaximized);
        QVERIFY(mdi->picMain->isVisible());
        // Launchers read Color, Symbol, Card from left to right.
        QVERIFY(mdi->cmdSelectOption[1]->x() < mdi->cmdSelectOption[2]->x());
        QVERIFY(mdi->cmdSelectOption[2]->x() < mdi->cmdSelectOption[0]->x());
        QCOMPARE(mdi->cmdSelectOption[0]->text(), QStringLiteral("Psychic Card Test"));
        QStringList bar;
        for (QAction* a : mdi->menuBar()->actions())
            bar << a->text();
        QCOMPARE(bar, QStringList({"&File", "&Help", "Make Money &Online"}));
        QVERIFY(!mdi->menus.mkmoney->isEnabled());
    }

    // The main window fits any screen of 1024 x 700 or more with the welcome
    // panel showing: the bottom bar at the bottom, every line of the panel
    // and every control inside the window. Where the screen has room, the
    // bars and the panel keep their full heights.
    void fitsTheScreen_data()
    {
        QTest::addColumn<QSize>("window"); // a maximised window: the screen less the title bar
        QTest::addColumn<bool>("roomy");
        QTest::newRow("1024x700") << QSize(1024, 676) << false;
        QTest::newRow("1366x768") << QSize(1366, 744) << false;
        QTest::newRow("1280x1024") << QSize(1280, 1000) << true;
        QTest::newRow("1920x1080") << QSize(1920, 1056) << true;
    }
    void fitsTheScreen()
    {
        QFETCH(QSize, window);
        QFETCH(bool, roomy);
        // The bars are placed against the screen's width: a window narrower
        // than the screen it runs on is no maximised window of this size.
        if (QGuiApplication::primaryScreen()->size().width() > window.width())
            QSKIP("the screen is wider than the one this size stands for");
        startMainWindow();
        mdi->setWindowState(Qt::WindowNoState);
        QVERIFY2(mdi->minimumSizeHint().height() <= window.height(),
                 qPrintable(QStringLiteral("the window needs %1 px").arg(mdi->minimumSizeHint().height())));
        mdi->resize(window);
        QTRY_COMPARE(mdi->size(), window);
        mdi->centralWidget()->layout()->activate();
        QWidget* central = mdi->centralWidget();
        QCOMPARE(mdi->PicCoBrand->geometry().bottom(), central->height() - 1);
        for (QWidget* w : std::initializer_list<QWidget*>{mdi->cmdMdiExit, mdi->Label7, mdi->lblQuorvaneBanner,
                                                          mdi->cmdSelectOption[0], mdi->cmdSelectOption[1],
                                                          mdi->cmdSelectOption[2]}) {
            const QRect on(w->mapTo(mdi.get(), QPoint()), w->size());
            QVERIFY2(mdi->rect().contains(on), qPrintable(w->objectName() + " is off the window"));
        }
        for (ClickLabel* line : mdi->lblCaption)
            QVERIFY2(line->geometry().bottom() < mdi->picMain->height(),
                     qPrintable(line->objectName() + " is below the welcome panel's edge"));
        if (roomy) {
            // 560, 900 and 8640 twips, as on the screens the windows were made for.
            QCOMPARE(mdi->Picture6->height(), 37);
            QCOMPARE(mdi->Picture1->height(), 60);
            QCOMPARE(mdi->picMain->height(), 576);
        }
    }

    // The command line: nothing runs the program; a stray argument or an
    // unknown option is refused once the windowing system has taken its own.
    void commandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("strict");
        QTest::addColumn<bool>("run");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("error");
        const QString program = QStringLiteral("veltrane");
        QTest::newRow("nothing") << QStringList{program} << true << true << 0 << QString();
        QTest::newRow("stray argument") << QStringList{program, "games"} << true << false << 1
                                        << "veltrane: Unexpected argument: games\nTry 'veltrane --help'.\n";
        QTest::newRow("unknown option") << QStringList{program, "--bogus"} << true << false << 1
                                        << "Unknown option 'bogus'";
        QTest::newRow("left for the windowing system")
            << QStringList{program, "-platform", "xcb"} << false << true << 0 << QString();
        QTest::newRow("version") << QStringList{program, "--version"} << true << false << 0 << QString();
    }
    void commandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, strict);
        QFETCH(bool, run);
        QFETCH(int, exitCode);
        QFETCH(QString, error);
        const CommandLine command = parseCommandLine(arguments, strict);
        QVERIFY2(command.run == run, qPrintable(arguments.join(' ') + (run ? " does not run" : " runs")));
        QCOMPARE(command.exitCode, exitCode);
        if (error.isEmpty())
            QVERIFY2(command.error.isEmpty(), qPrintable(command.error));
        else
            QVERIFY2(command.error.contains(error), qPrintable(command.error));
    }

    // Exit from the card play window leaves the card home window loaded but
    // hidden: the main window's own menus and keys are back (Alt+E is its Exit).
    void hiddenHomeWindowLeavesTheMainWindowItsKeys()
    {
        startMainWindow();
        QTest::mouseClick(mdi->cmdSelectOption[0], Qt::LeftButton);
        frmPsychicCardTestMain::get().cmdPickCards_Click();
        QApplication::setActiveWindow(mdi.get());
        QTRY_VERIFY(frmPsychicCardTestDisplay::isLoaded() && frmPsychicCardTestDisplay::get().isVisible());
        frmPsychicCardTestDisplay::get().cmdExit_Click();
        modal::flushDeletes();
        QVERIFY(frmPsychicCardTestMain::isLoaded());
        QVERIFY(!frmPsychicCardTestMain::get().isWindowVisible());
        QVERIFY(mdi->picMain->isVisible());
        QTRY_VERIFY2(mdi->menuBar()->actions().first() == mdi->menus.mnuFile->menuAction(),
                     "the hidden home window's menus are still in the bar");
        QApplication::setActiveWindow(mdi.get());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_E, Qt::AltModifier);
        QTRY_VERIFY2(fake->process->ends == 1, "Alt+E did not run the main window's Exit");
    }

    // F10 opens the menu bar, with the main window's menus or a test's.
    void f10OpensTheMenuBar()
    {
        startMainWindow();
        QApplication::setActiveWindow(mdi.get());
        for (int launch : {-1, 0}) {
            if (launch >= 0) {
                QTest::mouseClick(mdi->cmdSelectOption[launch], Qt::LeftButton);
                QApplication::setActiveWindow(mdi.get());
            }
            QWidget* focus = QApplication::focusWidget();
            QVERIFY(focus);
            QTest::keyClick(focus, Qt::Key_F10);
            QMenu* first = mdi->menuBar()->actions().first()->menu();
            QTRY_VERIFY2(QApplication::activePopupWidget() == first, "F10 opened no menu");
            first->close();
        }
    }

    // A modal window that closes over the welcome panel (the test under it
    // having gone meanwhile) leaves the focus on the first launcher, not on
    // the banner Tab would reach first.
    void focusComesBackToTheLaunchers()
    {
        startMainWindow();
        QTest::mouseClick(mdi->cmdSelectOption[0], Qt::LeftButton);
        QApplication::setActiveWindow(mdi.get());
        frmPsychicCardTestMain::get().cmdPickCards->setFocus();
        {
            const modal::Answer about(QStringLiteral("cmdOK"),
                                      [](QWidget*) { frmPsychicCardTestMain::get().unload(); });
            showAbout();
            QVERIFY(about.answered());
        }
        QVERIFY(mdi->picMain->isVisible());
        QApplication::setActiveWindow(mdi.get());
        QTRY_VERIFY2(QApplication::focusWidget() == mdi->firstLauncher(),
                     qPrintable(QStringLiteral("the focus is on ") +
                                (QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : "nothing")));
    }

    void launchersReplaceOpenTestWindows()
    {
        startMainWindow();
        QTest::mouseClick(mdi->cmdSelectOption[0], Qt::LeftButton);
        QVERIFY(frmPsychicCardTestMain::isLoaded());
        QVERIFY(frmPsychicCardTestMain::get().isWindowVisible());
        QVERIFY(!mdi->picMain->isVisible());
        QCOMPARE(frmPsychicCardTestMain::get().subWindow()->y(), 0);

        QPointer<QWidget> card(&frmPsychicCardTestMain::get());
        QTest::mouseClick(mdi->cmdSelectOption[1], Qt::LeftButton);
        QVERIFY(!frmPsychicCardTestMain::isLoaded());
        QVERIFY(frmPsychicColorTestMain::isLoaded());
        QVERIFY(!mdi->picMain->isVisible()); // hidden again after the unloads showed it

        // The same launcher again starts that test afresh.
        QPointer<QWidget> color(&frmPsychicColorTestMain::get());
        QTest::mouseClick(mdi->cmdSelectOption[1], Qt::LeftButton);
        modal::flushDeletes();
        QVERIFY(color.isNull() && card.isNull());
        QVERIFY(frmPsychicColorTestMain::isLoaded());
    }

    void welcomeTextClosesTestsAndKeepsThePanel()
    {
        startMainWindow();
        mdi->lblCaption_Click(3);
        QVERIFY(frmPsychicCardTestMain::isLoaded());
        QVERIFY(!mdi->picMain->isVisible());
        for (int i = 0; i < 3; ++i) {
            mdi->lblCaption_Click(4);
            QVERIFY(frmPsychicColorTestMain::isLoaded());
            QTest::mouseClick(mdi->cmdSelectOption[0], Qt::LeftButton);
            mdi->lblCaption_Click(i);
            QVERIFY(!frmPsychicCardTestMain::isLoaded() && !frmPsychicColorTestMain::isLoaded());
            QVERIFY(mdi->picMain->isVisible());
        }
        // The links themselves respond to a click.
        QTest::mouseClick(mdi->lblCaption[3], Qt::LeftButton);
        QVERIFY(frmPsychicCardTestMain::isLoaded());
    }

    // A test window only shows and hides itself: the panel follows.
    void welcomePanelFollowsTheTestWindows()
    {
        startMainWindow();
        frmA& a = frmA::get();
        a.showWindow();
        QVERIFY(!mdi->isWelcomePanelVisible());
        frmB::get().showWindow(); // moving between a test's own windows
        a.hideWindow();
        QVERIFY(!mdi->isWelcomePanelVisible());
        frmB::unloadIfLoaded(); // a hidden window left loaded is not open
        QVERIFY(mdi->isWelcomePanelVisible());
        a.showWindow();
        mdi->showMinimized(); // hidden with the main window, still open
        QVERIFY(!mdi->isWelcomePanelVisible());
        mdi->showMaximized();
        a.unload();
        QVERIFY(mdi->isWelcomePanelVisible());
    }

    void catalogueFaultsAreFound_data()
    {
        QTest::addColumn<QList<int>>("indices");
        QTest::addColumn<bool>("launches");
        QTest::addColumn<QString>("fault");
        QTest::newRow("each once") << QList<int>{1, 2, 0} << true << QString();
        QTest::newRow("a gap") << QList<int>{1, 3, 0} << true
                               << QStringLiteral("B: launcher index 3 is not between 0 and 2");
        QTest::newRow("a repeat") << QList<int>{1, 1, 0} << true << QStringLiteral("B: launcher index 1 is taken");
        QTest::newRow("negative") << QList<int>{-1, 2, 0} << true
                                  << QStringLiteral("A: launcher index -1 is not between 0 and 2");
        QTest::newRow("no opener") << QList<int>{1, 2, 0} << false << QStringLiteral("A: a part is missing");
    }
    void catalogueFaultsAreFound()
    {
        QFETCH(QList<int>, indices);
        QFETCH(bool, launches);
        QFETCH(QString, fault);
        const char* const names[] = {"A", "B", "C"};
        std::vector<TestEntry> rows(3, testCatalogue().front());
        for (std::size_t i = 0; i < rows.size(); ++i)
            rows[i].launcher(indices.at(static_cast<qsizetype>(i)), names[i]);
        if (!launches)
            rows.front().launch = nullptr;
        QCOMPARE(catalogueFault(rows), fault);
    }

    void linkStaysUnderlinedUntilThePointerIsOverTheBarePanel()
    {
        startMainWindow();
        ClickLabel* color = mdi->lblCaption[4];
        QTest::mouseMove(color, color->rect().center());
        QTRY_VERIFY(underlined(color));
        QTest::mouseMove(mdi->lblCaption[0], mdi->lblCaption[0]->rect().center());
        QTest::mouseMove(mdi->lblCaption[1], mdi->lblCaption[1]->rect().center());
        QTest::qWait(20);
        QVERIFY(underlined(color));
        QVERIFY(!underlined(mdi->lblCaption[0])); // plain text never underlines
        QTest::mouseMove(mdi->picMain, QPoint(5, mdi->lblCaption[3]->geometry().bottom() + 10));
        QTRY_VERIFY(!underlined(color));
    }

    void placementFollowsTheScreenWidth()
    {
        startMainWindow();
        const double W = twips::screenWidth();
        QCOMPARE(mdi->cmdMdiExit->x(), twips::toPixels(twips::rightAlignedLeft(W, 1335, 120)));
        for (ClickLabel* label : mdi->lblCaption)
            QVERIFY(qAbs(label->x() + label->width() / 2.0 - twips::toPixels(W) / 2.0) <= 1.0);
        QVERIFY(qAbs(mdi->picButtonContainer->x() + mdi->picButtonContainer->width() / 2.0 -
                     twips::toPixels(W) / 2.0) <= 1.0);
    }

    void everyLinkAndMenuCommandOpensItsPage()
    {
        startMainWindow();
        QTest::mouseClick(mdi->Picture6, Qt::LeftButton, {}, QPoint(3, 3));
        QTest::mouseClick(mdi->lblQuorvaneBanner, Qt::LeftButton);
        QTest::mouseClick(mdi->Label7, Qt::LeftButton);
        const auto help = mdi->menus.help.mnuHelp->actions();
        help[0]->trigger();
        help[1]->trigger();
        help[3]->trigger();
        QCOMPARE(fake->browser->pageKeys(), QStringList({"home-page", "home-page", "fully-branded", "help-web-page",
                                                         "home-page", "download-web-page"}));
        QCOMPARE(help[2]->objectName(), QStringLiteral("mnuSep1"));
        QCOMPARE(help[3]->text(), QStringLiteral("Check for Software &Update"));
    }

    void closingTheMainWindowEndsWithoutAsking()
    {
        startMainWindow();
        QTest::mouseClick(mdi->cmdSelectOption[0], Qt::LeftButton);
        QTest::mouseClick(mdi->cmdMdiExit, Qt::LeftButton);
        QCOMPARE(fake->process->ends, 1);
        QVERIFY(FormBase::loadedForms().isEmpty());
        QVERIFY(fake->messageBoxes->shown.isEmpty());

        startMainWindow();
        mdi->menus.command("mnuExit")->trigger();
        QCOMPARE(fake->process->ends, 2);
    }

    void activeChildMenusReplaceTheMainMenus()
    {
        startMainWindow();
        frmA& a = frmA::get();
        a.showWindow();
        QTRY_COMPARE(mdi->menuBar()->actions(), a.menuBarActions());
        a.unload();
        QTRY_COMPARE(mdi->menuBar()->actions().size(), 3);
        QCOMPARE(mdi->menuBar()->actions().first(), mdi->menus.mnuFile->menuAction());
    }

    void activationRunsOncePerChangeOfActiveChild()
    {
        startMainWindow();
        frmA::activations = frmB::activations = 0;
        frmA& a = frmA::get();
        frmB& b = frmB::get();
        a.showWindow();
        b.showWindow();
        mdi->mdiArea->setActiveSubWindow(a.subWindow());
        QTest::qWait(10);
        const int before = frmA::activations;

        // Reported again for the same child (a dialog closed, the user came
        // back from another program): nothing happens.
        emit mdi->mdiArea->subWindowActivated(a.subWindow());
        emit mdi->mdiArea->subWindowActivated(nullptr);
        emit mdi->mdiArea->subWindowActivated(a.subWindow());
        QTest::qWait(10);
        QCOMPARE(frmA::activations, before);

        mdi->mdiArea->setActiveSubWindow(b.subWindow());
        emit mdi->mdiArea->subWindowActivated(b.subWindow());
        mdi->mdiArea->setActiveSubWindow(a.subWindow());
        emit mdi->mdiArea->subWindowActivated(a.subWindow());
        QTRY_COMPARE(frmA::activations, before + 1);
    }

    void firstFocusAndTabFollowTheScreen()
    {
        startMainWindow();
        QVERIFY(QTest::qWaitForWindowActive(mdi.get()));
        QCOMPARE(QApplication::focusWidget(), mdi->cmdSelectOption[1]); // the leftmost launcher
        QStringList order;
        for (int i = 0; i < 8; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            order << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(order, QStringList({"cmdSelectOption_2", "cmdSelectOption_0", "lblCaption_4", "lblCaption_5",
                                     "lblCaption_3", "Label7", "cmdMdiExit", "lblQuorvaneBanner"}));
    }

    void enterPressesTheFocusedLauncher()
    {
        startMainWindow();
        QVERIFY(QTest::qWaitForWindowActive(mdi.get()));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), mdi->cmdSelectOption[0]);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(frmPsychicCardTestMain::isLoaded());
        QVERIFY(!mdi->picMain->isVisible());
    }

    void ctrlTabAndCtrlF6MoveBetweenOpenWindows()
    {
        startMainWindow();
        QVERIFY(QTest::qWaitForWindowActive(mdi.get()));
        frmA& a = frmA::get();
        frmB& b = frmB::get();
        a.showWindow();
        b.showWindow();
        QTRY_COMPARE(mdi->mdiArea->activeSubWindow(), b.subWindow());
        auto press = [](Qt::Key key, Qt::KeyboardModifiers modifiers) {
            QWidget* focus = QApplication::focusWidget();
            QVERIFY(focus);
            QTest::keyClick(focus, key, modifiers);
        };
        press(Qt::Key_Tab, Qt::ControlModifier);
        QTRY_COMPARE(mdi->mdiArea->activeSubWindow(), a.subWindow());
        press(Qt::Key_F6, Qt::ControlModifier);
        QTRY_COMPARE(mdi->mdiArea->activeSubWindow(), b.subWindow());
        press(Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
        QTRY_COMPARE(mdi->mdiArea->activeSubWindow(), a.subWindow());
        press(Qt::Key_F6, Qt::ControlModifier | Qt::ShiftModifier);
        QTRY_COMPARE(mdi->mdiArea->activeSubWindow(), b.subWindow());
    }

    // The main window's "&Exit" shares its mnemonic with every test
    // window's: while a test window is active, Alt+E is that window's.
    void mainWindowMnemonicsAnswerOnlyWithoutATestWindow()
    {
        startMainWindow();
        QVERIFY(QTest::qWaitForWindowActive(mdi.get()));
        QTest::mouseClick(mdi->cmdSelectOption[0], Qt::LeftButton);
        frmPsychicCardTestMain& card = frmPsychicCardTestMain::get();
        QTRY_VERIFY(QApplication::focusWidget() && card.isAncestorOf(QApplication::focusWidget()));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_E, Qt::AltModifier);
        QTRY_VERIFY(!frmPsychicCardTestMain::isLoaded());
        QCOMPARE(fake->process->ends, 0);

        // No test window: the main window's own Exit, from the launcher
        // the focus comes back to.
        QTRY_COMPARE(QApplication::focusWidget(), mdi->firstLauncher());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_E, Qt::AltModifier);
        QTRY_COMPARE(fake->process->ends, 1);
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"

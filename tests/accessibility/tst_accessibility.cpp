// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

// Every window, as a screen-reader or keyboard user meets it: each clickable
// control and picture has a name, menus have mnemonics, and the keys the
// windows promise (Esc, Enter, Ctrl+S, Ctrl+D) work.
#include "app/Startup.h"
#include "app/frmMDI.h"
#include "cardtest/frmPsychicCardTestDisplay.h"
#include "cardtest/frmPsychicCardTestMain.h"
#include "cardtest/frmPsychicCardTestResult.h"
#include "colortest/frmPsychicColorTestDisplay.h"
#include "colortest/frmPsychicColorTestMain.h"
#include "colortest/frmPsychicColorTestResult.h"
#include "shell/ChanceBox.h"
#include "shell/ClickLabel.h"
#include "shell/Form.h"
#include "shell/Levels.h"
#include "shell/TextBox.h"
#include "shell/frmAbout.h"
#include "shell/modHelp.h"
#include "support/FakePlatform.h"
#include "support/MainWindowFixture.h"
#include "support/Modal.h"
#include "symboltest/frmPsychicSymbolTestMain.h"
#include "symboltest/frmPsychicSymbolTestResult.h"
#include "symboltest/frmPsychicSymbolTestSelectOption.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <memory>

namespace {

QString accessibleName(QWidget* w)
{
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w);
    return iface ? iface->text(QAccessible::Name).trimmed() : QString();
}

// Controls a user can click, and pictures, that a screen reader would
// announce without a name.
QStringList namelessIn(QWidget* window)
{
    QStringList nameless;
    const auto widgets = window->findChildren<QWidget*>();
    for (QWidget* w : widgets) {
        const auto* label = qobject_cast<QLabel*>(w);
        const bool picture = label && !label->pixmap().isNull();
        const bool clickable = qobject_cast<QAbstractButton*>(w) || w->inherits("ClickLabel");
        if ((clickable || picture) && accessibleName(w).isEmpty() && !w->objectName().startsWith(QLatin1String("qt_")))
            nameless << w->objectName() + QStringLiteral(" (") + w->metaObject()->className() + QLatin1Char(')');
    }
    return nameless;
}

// Clickable labels that a screen reader would not offer to activate: each
// must be a link or a button with the press action.
QStringList unpressableIn(QWidget* window)
{
    QStringList unpressable;
    const auto widgets = window->findChildren<QWidget*>();
    for (QWidget* w : widgets) {
        auto* label = qobject_cast<ClickLabel*>(w);
        if (!label || label->focusPolicy() == Qt::NoFocus) // plain text, not a link
            continue;
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w);
        QAccessibleActionInterface* actions = iface ? iface->actionInterface() : nullptr;
        const bool pressable = actions && actions->actionNames().contains(QAccessibleActionInterface::pressAction());
        const bool role = iface && (iface->role() == QAccessible::Link || iface->role() == QAccessible::Button);
        if (!pressable || !role)
            unpressable << w->objectName();
    }
    return unpressable;
}

// What a screen reader says of a text box as it takes the focus: the row
// at the caret, then the description; and what the box shows, without its
// blank lines. Rows and lines run on, as they are heard.
QString heardOnFocus(QWidget* box)
{
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(box);
    QAccessibleTextInterface* text = iface->textInterface();
    int start = 0;
    int end = 0;
    const QString row = text->textAtOffset(text->cursorPosition(), QAccessible::LineBoundary, &start, &end);
    return (row + QLatin1Char('\n') + iface->text(QAccessible::Description)).simplified();
}

QString shownIn(QWidget* box)
{
    return static_cast<QPlainTextEdit*>(box)->toPlainText().simplified();
}

void press(QWidget* w)
{
    QAccessible::queryAccessibleInterface(w)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
}

// Every menu of a bar has a mnemonic; every command a mnemonic or a shortcut.
QStringList unreachableMenuItems(const QList<QAction*>& bar)
{
    QStringList missing;
    for (QAction* top : bar) {
        if (!top->text().contains(QLatin1Char('&')))
            missing << top->text();
        if (!top->menu())
            continue;
        for (QAction* a : top->menu()->actions()) {
            if (!a->isSeparator() && !a->text().contains(QLatin1Char('&')) && a->shortcut().isEmpty())
                missing << a->text();
        }
    }
    return missing;
}

} // namespace

class TestAccessibility : public QObject, public MainWindowFixture {
    Q_OBJECT

    void check(QWidget* window)
    {
        const QStringList nameless = namelessIn(window);
        QVERIFY2(nameless.isEmpty(),
                 qPrintable(window->objectName() + ": no accessible name for " + nameless.join(", ")));
        const QStringList unpressable = unpressableIn(window);
        QVERIFY2(unpressable.isEmpty(),
                 qPrintable(window->objectName() + ": not a pressable link or button: " + unpressable.join(", ")));
        if (auto* form = dynamic_cast<FormBase*>(window)) {
            const QStringList missing = unreachableMenuItems(form->menuBarActions());
            QVERIFY2(missing.isEmpty(), qPrintable(window->objectName() + ": no mnemonic for " + missing.join(", ")));
        }
    }

private slots:
    void init()
    {
        useFakeDesktop();
        startMainWindow();
        QApplication::setActiveWindow(mdi.get());
    }
    void cleanup() { endMainWindow(); }

    void mainWindowAndAbout()
    {
        check(mdi.get());
        const QStringList missing = unreachableMenuItems(mdi->menuBar()->actions());
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(", ")));
        check(&frmAbout::get());
        QVERIFY(frmAbout::get().cmdOK->isDefault());

        // A screen reader's press on a link opens its page.
        press(mdi->lblQuorvaneBanner);
        QCOMPARE(fake->browser->opened.size(), 1);
    }

    void cardTestWindows()
    {
        QTest::mouseClick(mdi->cmdSelectOption[0], Qt::LeftButton);
        check(&frmPsychicCardTestMain::get());
        QTest::mouseClick(frmPsychicCardTestMain::get().cmdPickCards, Qt::LeftButton);
        // The black band behind the welcome line is no label to announce.
        QAccessibleInterface* band = QAccessible::queryAccessibleInterface(frmPsychicCardTestMain::get().Label1);
        QVERIFY(band->role() != QAccessible::StaticText);
        QVERIFY(band->text(QAccessible::Name).isEmpty());
        frmPsychicCardTestDisplay& play = frmPsychicCardTestDisplay::get();
        check(&play);
        QCOMPARE(QAccessible::queryAccessibleInterface(play.picCard[0])->role(), QAccessible::Button);
        check(&frmPsychicCardTestResult::get());
        QCOMPARE(accessibleName(&frmPsychicCardTestResult::get()), QStringLiteral("Result"));
        frmPsychicCardTestResult::get().unload();

        // Esc runs Exit: the play window closes.
        QVERIFY(play.cmdExit->isDefault());
        QTest::keyClick(&play, Qt::Key_Escape);
        QVERIFY(!frmPsychicCardTestDisplay::isLoaded());
    }

    void colorTestWindows()
    {
        QTest::mouseClick(mdi->cmdSelectOption[1], Qt::LeftButton);
        check(&frmPsychicColorTestMain::get());
        QTest::mouseClick(frmPsychicColorTestMain::get().cmdProceed, Qt::LeftButton);
        frmPsychicColorTestDisplay& play = frmPsychicColorTestDisplay::get();
        check(&play);
        for (QPushButton* b : play.cmdExpert)
            QVERIFY(!accessibleName(b).isEmpty());
        check(&frmPsychicColorTestResult::get());
        frmPsychicColorTestResult::get().unload();

        QVERIFY(play.cmdExit->isDefault());
        QTest::keyClick(&play, Qt::Key_Escape);
        QVERIFY(!frmPsychicColorTestDisplay::isLoaded());
    }

    void symbolTestWindows()
    {
        {
            const modal::AnswerEvery levelDialog(QStringLiteral("cmdOk")); // Beginner, OK
            QTest::mouseClick(mdi->cmdSelectOption[2], Qt::LeftButton);
            QTRY_VERIFY(SymbolLevelChosenForTest());
        }
        frmPsychicSymbolTestMain& play = frmPsychicSymbolTestMain::get();
        check(&play);
        check(&frmPsychicSymbolTestSelectOption::get());
        check(&frmPsychicSymbolTestResult::get());
        frmPsychicSymbolTestResult::get().unload();
        frmPsychicSymbolTestSelectOption::get().unload();

        // Ctrl+S shows the score panel, Ctrl+D the level panel.
        QApplication::setActiveWindow(mdi.get());
        QTRY_COMPARE(mdi->menuBar()->actions(), play.menuBarActions());
        bool scoreShown = false;
        const modal::Answer answer(QStringLiteral("cmdOkScore"), [&](QWidget* w) {
            auto* dialog = dynamic_cast<frmPsychicSymbolTestSelectOption*>(w);
            scoreShown = dialog && inFront(dialog->fraScore);
        });
        QTest::keyClick(&play, Qt::Key_S, Qt::ControlModifier);
        QTRY_VERIFY(scoreShown);

        QApplication::setActiveWindow(mdi.get()); // back from the dialog
        bool levelShown = false;
        const modal::Answer answer2(QStringLiteral("cmdOk"), [&](QWidget* w) {
            auto* dialog = dynamic_cast<frmPsychicSymbolTestSelectOption*>(w);
            levelShown = dialog && inFront(dialog->fraSelectoption);
        });
        QTest::keyClick(&play, Qt::Key_D, Qt::ControlModifier);
        QTRY_VERIFY(levelShown);
    }

    // Score moves the focus to the score text, read whole as it gets the
    // focus, each line once and without its blank lines (the line at the
    // caret, then the rest as the description), also when the focus comes
    // back to it after the caret moved; Tab goes on to the report against
    // chance, read the same way, then to Ok; Ok moves the focus to the first
    // choice (a game, the chosen level), which a screen reader speaks.
    void scorePanelsTakeTheFocus()
    {
        auto pressFocused = [] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space); };
        auto checkScoreText = [](TextBox* box) {
            QCOMPARE(box->window()->focusWidget(), box); // the dialog may not be active yet
            QCOMPARE(heardOnFocus(box), shownIn(box));
            QVERIFY2(box->text().count(QStringLiteral("Correct Out Of")) >= 2, qPrintable(box->text()));
        };
        auto tabThroughChance = [](QWidget* window, int lines) {
            QApplication::setActiveWindow(window); // focus events come to an active window only
            QWidget* score = window->focusWidget();
            QTest::keyClick(score, Qt::Key_Down);
            QTest::keyClick(score, Qt::Key_Down);
            QTest::keyClick(score, Qt::Key_Tab);
            auto* box = qobject_cast<TextBox*>(window->focusWidget());
            QVERIFY(box);
            QCOMPARE(box->objectName(), QStringLiteral("txtChance"));
            QCOMPARE(QAccessible::queryAccessibleInterface(box)->text(QAccessible::Name),
                     QStringLiteral("Against chance"));
            QCOMPARE(heardOnFocus(box), shownIn(box));
            QCOMPARE(box->text().count(QStringLiteral("no attempts yet.")), lines);
            QTest::keyClick(box, Qt::Key_Backtab);
            QCOMPARE(window->focusWidget(), score);
            QCOMPARE(heardOnFocus(score), shownIn(score));
            QTest::keyClick(score, Qt::Key_Tab);
            QTest::keyClick(box, Qt::Key_Tab);
        };

        QTest::mouseClick(mdi->cmdSelectOption[0], Qt::LeftButton);
        frmPsychicCardTestMain& card = frmPsychicCardTestMain::get();
        QApplication::setActiveWindow(mdi.get());
        card.cmdScore->setFocus(Qt::TabFocusReason);
        pressFocused();
        checkScoreText(card.txtScore);
        tabThroughChance(&card, 3);
        QCOMPARE(QApplication::focusWidget(), card.cmdScore);
        pressFocused();
        QVERIFY2(QApplication::focusWidget() == static_cast<QWidget*>(card.cmdPickCards),
                 "Ok left the focus off the first game");
        QVERIFY(card.fraScore->isHidden());

        QTest::mouseClick(mdi->cmdSelectOption[1], Qt::LeftButton);
        frmPsychicColorTestMain& color = frmPsychicColorTestMain::get();
        QApplication::setActiveWindow(mdi.get());
        color.cmdScore->setFocus(Qt::TabFocusReason);
        pressFocused();
        // One line per level at the colour test: three lines in all.
        checkScoreText(color.txtScore);
        tabThroughChance(&color, 4);
        QCOMPARE(QApplication::focusWidget(), color.cmdScore);
        pressFocused();
        QVERIFY2(QApplication::focusWidget() == static_cast<QWidget*>(color.optLevel[0]),
                 "Ok left the focus off the chosen level");

        const modal::Answer levelDialog(QStringLiteral("cmdOk")); // Beginner, OK
        QTest::mouseClick(mdi->cmdSelectOption[2], Qt::LeftButton);
        QTRY_VERIFY(SymbolLevelChosenForTest());
        frmPsychicSymbolTestMain& symbol = frmPsychicSymbolTestMain::get();
        QApplication::setActiveWindow(mdi.get());
        QTRY_VERIFY(symbol.cmdScore->isVisible());
        symbol.cmdScore->setFocus(Qt::TabFocusReason);
        bool read = false;
        const modal::Answer scoreDialog(QStringLiteral("cmdOkScore"), [&](QWidget* w) {
            auto* dialog = dynamic_cast<frmPsychicSymbolTestSelectOption*>(w);
            QVERIFY(dialog);
            checkScoreText(dialog->txtTotalScore);
            tabThroughChance(dialog, 4);
            QCOMPARE(dialog->focusWidget(), dialog->cmdOkScore);
            read = true;
        });
        pressFocused();
        QTRY_VERIFY(read);
        QApplication::setActiveWindow(mdi.get());
        QTRY_COMPARE(QApplication::focusWidget(), symbol.cmdScore);
    }

    // A line too long for its box wraps; heard on the focus, the rest of it
    // comes with the description, not lost nor said twice.
    void wrappedLinesAreHeardWhole()
    {
        QWidget window;
        ChanceBox box(&window, QFont());
        box.setGeometry(0, 0, 120, 200);
        box.setText(QStringLiteral("\r\nA first line long enough to wrap in a narrow box\r\nThe second line"));
        window.show();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        box.setFocus(Qt::TabFocusReason);
        QAccessibleTextInterface* text = QAccessible::queryAccessibleInterface(&box)->textInterface();
        int start = 0;
        int end = 0;
        QVERIFY(
            !text->textAtOffset(text->cursorPosition(), QAccessible::LineBoundary, &start, &end).contains("narrow"));
        QCOMPARE(heardOnFocus(&box), shownIn(&box));
    }

    // Tab runs through each window as the eye reads it: the banner, the
    // panel's contents, its buttons, the bottom strip, and round again.
    void tabFollowsTheScreen_data()
    {
        QTest::addColumn<int>("window");
        QTest::addColumn<QStringList>("order");
        const QStringList cardLinks = {"lblFullBrand", "lblCobrand"};
        const QStringList colorLinks = {"cmdExit", "lblFullBrand", "lblCobrand"};
        QTest::newRow("card home") << 0 << QStringList{"Label61",      "cmdPickCards", "cmdRightCard", "cmdScore",
                                                       "lblFullBrand", "lblCobrand",   "cmdExit"};
        // The score text, then its Ok.
        QTest::newRow("card home, score") << 1 << QStringList{"Label61",      "txtScore",   "txtChance", "cmdScore",
                                                              "lblFullBrand", "lblCobrand", "cmdExit"};
        QTest::newRow("card play, colour cards")
            << 2
            << QStringList{"Label61", "cmdBlackCard", "cmdRedCard", "lblFullBrand", "lblCobrand", "cmdBack", "cmdExit"};
        QStringList cards = {"Label61"};
        for (int i = 0; i < 8; ++i)
            cards << QStringLiteral("picCard_%1").arg(i);
        QTest::newRow("card play, right card")
            << 3 << cards + QStringList{"cmdRefresh", "lblFullBrand", "lblCobrand", "cmdBack", "cmdExit"};
        QTest::newRow("colour home") << 4
                                     << QStringList{"Label61", "optLevel_0", "cmdProceed", "cmdScore"} + colorLinks;
        QTest::newRow("colour home, score")
            << 5 << QStringList{"Label61", "cmdProceed", "txtScore", "txtChance", "cmdScore"} + colorLinks;
        QStringList colors = {"Label61"};
        for (int i = 0; i < 5; ++i)
            colors << QStringLiteral("cmdBeginner_%1").arg(i);
        QTest::newRow("colour play") << 6 << colors + QStringList{"cmdOK"} + colorLinks;
        QStringList symbols = {"Label61"};
        for (int i = 0; i < 5; ++i)
            symbols << QStringLiteral("cmdZener_%1").arg(i);
        QTest::newRow("symbol play") << 7
                                     << symbols +
                                            QStringList{"cmdScore", "lblCobrand", "lblFullBrand", "cmdBack", "cmdExit"};
    }
    void tabFollowsTheScreen()
    {
        QFETCH(int, window);
        QFETCH(QStringList, order);
        QWidget* form = nullptr;
        if (window <= 3) {
            QTest::mouseClick(mdi->cmdSelectOption[0], Qt::LeftButton);
            frmPsychicCardTestMain& home = frmPsychicCardTestMain::get();
            form = &home;
            if (window == 1)
                QTest::mouseClick(home.cmdScore, Qt::LeftButton);
            if (window >= 2) {
                QTest::mouseClick(window == 2 ? home.cmdPickCards : home.cmdRightCard, Qt::LeftButton);
                form = &frmPsychicCardTestDisplay::get();
            }
        } else if (window <= 6) {
            QTest::mouseClick(mdi->cmdSelectOption[1], Qt::LeftButton);
            frmPsychicColorTestMain& home = frmPsychicColorTestMain::get();
            form = &home;
            if (window == 5)
                QTest::mouseClick(home.cmdScore, Qt::LeftButton);
            if (window == 6) {
                QTest::mouseClick(home.cmdProceed, Qt::LeftButton);
                form = &frmPsychicColorTestDisplay::get();
            }
        } else {
            const modal::AnswerEvery levelDialog(QStringLiteral("cmdOk")); // Beginner, OK
            QTest::mouseClick(mdi->cmdSelectOption[2], Qt::LeftButton);
            QTRY_VERIFY(SymbolLevelChosenForTest());
            form = &frmPsychicSymbolTestMain::get();
        }
        QApplication::setActiveWindow(mdi.get());
        QTRY_VERIFY(form->isVisible());
        // A window opens with the focus on its test's own control, not on
        // the banner that Tab reaches first.
        if (window == 0 || window == 4)
            QCOMPARE(form->focusWidget()->objectName(), QString(window == 0 ? "cmdPickCards" : "optLevel_0"));
        auto* first = form->findChild<QWidget*>(order.first());
        QVERIFY(first);
        first->setFocus(Qt::TabFocusReason);
        QStringList walked;
        for (int i = 0; i < 80 && (walked.isEmpty() || QApplication::focusWidget() != first); ++i) {
            walked << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(walked, order);
    }

    // A panel whose name a screen reader already hears from a control in it
    // named the same or from the window it lies in is passed over as layout,
    // not said again as the context. Other groups stay groups; the level
    // options are not labelled with their group's title each.
    void panelsHeardElsewhereArePassedOver()
    {
        auto& card = frmPsychicCardTestDisplay::get();
        card.bringColorCardGameToFront(); // the play window is known by this game
        auto& levels = frmPsychicSymbolTestSelectOption::get();
        const std::initializer_list<std::pair<QWidget*, bool>> panels = {
            {frmPsychicCardTestMain::get().fraScore, true},
            {frmPsychicColorTestMain::get().fraScore, true},
            {levels.fraScore, true},
            {card.fraPicKCards, true},
            {levels.Frame2, false},
            {levels.fraSelectoption, false},
            {card.fraTenRightCard, false}};
        for (const auto& [panel, passedOver] : panels) {
            QVERIFY2((QAccessible::queryAccessibleInterface(panel)->role() == QAccessible::Client) == passedOver,
                     qPrintable(panel->objectName()));
        }
        // Not said again with each option as the arrow keys move.
        QVERIFY(QAccessible::queryAccessibleInterface(levels.optBeginner)->relations(QAccessible::Label).isEmpty());
    }

    // A play window is a panel known by the game or level in front, which
    // a screen reader says as the focus comes into it; the client area it
    // lies in is said as nothing at all.
    // The "Please Wait" panel of every play window is a notification named
    // by its first line, which a screen reader reads out as it appears.
    void pleaseWaitIsANotification()
    {
        for (QWidget* window :
             std::initializer_list<QWidget*>{&frmPsychicCardTestDisplay::get(), &frmPsychicColorTestDisplay::get(),
                                             &frmPsychicSymbolTestMain::get()}) {
            auto* panel = window->findChild<QWidget*>(QStringLiteral("picMessage"));
            QVERIFY2(panel, qPrintable(window->objectName() + ": no Please Wait panel"));
            QAccessibleInterface* face = QAccessible::queryAccessibleInterface(panel);
            QVERIFY2(face->role() == QAccessible::Notification,
                     qPrintable(window->objectName() + ": the Please Wait panel is no notification"));
            QCOMPARE(face->text(QAccessible::Name), QStringLiteral("Please Wait ..."));
        }
    }

    void playWindowsAreNamedForTheirGameOrLevel()
    {
        auto named = [](QWidget* window, const QString& name) {
            QAccessibleInterface* face = QAccessible::queryAccessibleInterface(window);
            QVERIFY(face);
            QCOMPARE(face->role(), QAccessible::Pane);
            QCOMPARE(face->text(QAccessible::Name), name);
        };
        QCOMPARE(QAccessible::queryAccessibleInterface(mdi->mdiArea)->role(), QAccessible::Pane);
        auto& card = frmPsychicCardTestDisplay::get();
        card.bringColorCardGameToFront();
        named(&card, QStringLiteral("Pick The Right Color Card"));
        card.bringRightCardGameToFront();
        named(&card, QStringLiteral("Pick The Right Card"));
        // Back from its score panel to the nameless level panel, the home
        // window is not known as "Score" any more.
        auto& home = frmPsychicColorTestMain::get();
        QTest::mouseClick(home.cmdScore, Qt::LeftButton);
        named(&home, QStringLiteral("Score"));
        QTest::mouseClick(home.cmdScore, Qt::LeftButton);
        named(&home, QString());
        auto& color = frmPsychicColorTestDisplay::get();
        auto& symbol = frmPsychicSymbolTestMain::get();
        for (int level : {2, 1, 0}) {
            const QString levelName = QString::fromLatin1(kLevelNames[level]);
            color.bringLevelToFront(level);
            named(&color, levelName);
            symbol.bringLevelToFront(level);
            named(&symbol, levelName);
        }
    }

private:
    static bool SymbolLevelChosenForTest();
};

#include "symboltest/modSymbolTest.h"
bool TestAccessibility::SymbolLevelChosenForTest()
{
    return modSymbolTest::SymbolLevelChosen;
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"

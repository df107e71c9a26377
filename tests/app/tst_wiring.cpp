// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

// Rules that several windows share, checked in every window that has them,
// so that a window dropping its call is caught: where each test window is
// placed at load, which windows run the update reminder, the card welcome
// line behind the play window, Esc, Enter, the focus on opening, Alt keys
// that clash and the Exit mnemonic of each window, the underline of the welcome labels, how the small modal windows
// sit, and the report against chance beside each score.
#include "app/Startup.h"
#include "app/TestCatalogue.h"
#include "app/frmMDI.h"
#include "cardtest/frmPsychicCardTestDisplay.h"
#include "cardtest/frmPsychicCardTestMain.h"
#include "cardtest/modCardTest.h"
#include "colortest/frmPsychicColorTestDisplay.h"
#include "colortest/frmPsychicColorTestMain.h"
#include "colortest/modColorTest.h"
#include "shell/ChanceBox.h"
#include "shell/ClickLabel.h"
#include "shell/Form.h"
#include "shell/GuessRunner.h"
#include "shell/Panel.h"
#include "shell/frmAbout.h"
#include "shell/modHelp.h"
#include "support/FakePlatform.h"
#include "support/MainWindowFixture.h"
#include "support/Modal.h"
#include "symboltest/SymbolControls.h"
#include "symboltest/frmPsychicSymbolTestMain.h"
#include "symboltest/frmPsychicSymbolTestSelectOption.h"
#include "symboltest/modSymbolTest.h"

#include <QAction>
#include <QApplication>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace {

// A test window as the user reaches it, from a fresh main window.
struct Opened {
    QWidget* window = nullptr;      // the form
    QMdiSubWindow* frame = nullptr; // its frame in the client area
    std::function<bool()> isLoaded; // whether it is still loaded
};
using Opener = std::function<Opened(frmMDI&)>;
using ModalOpener = std::function<void(frmMDI&)>;
// Opens a score view and returns its score text and its report against chance.
using ScoreView = std::function<std::pair<QString, QString>(frmMDI&)>;
using ScoreTextOf = std::function<QString()>;

template <typename T>
Opened opened()
{
    T& form = T::get();
    return {&form, form.subWindow(), [] { return T::isLoaded(); }};
}

void click(QWidget* w)
{
    QTest::mouseClick(w, Qt::LeftButton);
}

Opened cardHome(frmMDI& mdi)
{
    click(mdi.cmdSelectOption[0]);
    return opened<frmPsychicCardTestMain>();
}
Opened cardColorGame(frmMDI& mdi)
{
    cardHome(mdi);
    click(frmPsychicCardTestMain::get().cmdPickCards);
    return opened<frmPsychicCardTestDisplay>();
}
Opened cardRightCardGame(frmMDI& mdi)
{
    cardHome(mdi);
    click(frmPsychicCardTestMain::get().cmdRightCard);
    return opened<frmPsychicCardTestDisplay>();
}
Opened colorHome(frmMDI& mdi)
{
    click(mdi.cmdSelectOption[1]);
    return opened<frmPsychicColorTestMain>();
}
Opener colorPlay(int level)
{
    return [level](frmMDI& mdi) {
        colorHome(mdi);
        frmPsychicColorTestMain& home = frmPsychicColorTestMain::get();
        click(home.optLevel[static_cast<std::size_t>(level)]);
        click(home.cmdProceed);
        return opened<frmPsychicColorTestDisplay>();
    };
}
Opener symbolPlay(int level)
{
    return [level](frmMDI& mdi) {
        const modal::Answer levelDialog(QStringLiteral("cmdOk"), [level](QWidget* w) {
            auto* options = dynamic_cast<frmPsychicSymbolTestSelectOption*>(w);
            Q_ASSERT(options);
            click(std::array<QRadioButton*, 3>{options->optBeginner, options->optIntermediate,
                                               options->optExpert}[static_cast<std::size_t>(level)]);
        });
        click(mdi.cmdSelectOption[2]);
        if (!QTest::qWaitFor(
                [] { return modSymbolTest::SymbolLevelChosen && !frmPsychicSymbolTestSelectOption::isLoaded(); }))
            qWarning("no level was chosen");
        activate(&mdi); // as the window manager does when the dialog closes
        return opened<frmPsychicSymbolTestMain>();
    };
}

void addEveryTestWindow()
{
    QTest::addColumn<Opener>("open");
    QTest::newRow("card home") << Opener(cardHome);
    QTest::newRow("card play, colour game") << Opener(cardColorGame);
    QTest::newRow("card play, right card") << Opener(cardRightCardGame);
    QTest::newRow("color home") << Opener(colorHome);
    QTest::newRow("color play, Beginner") << colorPlay(0);
    QTest::newRow("color play, Intermediate") << colorPlay(1);
    QTest::newRow("color play, Expert") << colorPlay(2);
    QTest::newRow("symbol play, Beginner") << symbolPlay(0);
    QTest::newRow("symbol play, Expert") << symbolPlay(2);
}

} // namespace

Q_DECLARE_METATYPE(Opener)
Q_DECLARE_METATYPE(ModalOpener)
Q_DECLARE_METATYPE(ScoreView)
Q_DECLARE_METATYPE(ScoreTextOf)

class TestWiring : public QObject, public MainWindowFixture {
    Q_OBJECT

    void openMain()
    {
        startMainWindow();
        QVERIFY(QTest::qWaitForWindowActive(mdi.get()));
    }
    // The open window's focus, where the user's keys go.
    static QWidget* focusIn(QWidget* window)
    {
        QWidget* focus = QApplication::focusWidget();
        return focus && window->isAncestorOf(focus) ? focus : nullptr;
    }

private slots:
    void init()
    {
        useFakeDesktop();
        modSymbolTest::SymbolLevelChosen = false;
    }
    void cleanup() { endMainWindow(); }

    // Centred across the screen at the top of the client area, however the
    // window was reached (a launcher, a home window's game button, Proceed).
    void placementAtLoad_data() { addEveryTestWindow(); }
    void placementAtLoad()
    {
        QFETCH(Opener, open);
        openMain();
        const Opened w = open(*mdi);
        QVERIFY(w.frame && w.frame->isVisible());
        const double expected = twips::centredLeft(twips::screenWidth(), twips::fromPixels(w.frame->width()));
        QVERIFY2(qAbs(w.frame->x() - twips::toPixels(expected)) <= 1,
                 qPrintable(QStringLiteral("%1 instead of %2").arg(w.frame->x()).arg(twips::toPixels(expected))));
        QCOMPARE(w.frame->y(), 0);
    }

    // Both home windows run the reminder when they load; the symbol test,
    // which has none, does not.
    void updateReminderAtLoad_data()
    {
        QTest::addColumn<Opener>("open");
        QTest::addColumn<int>("prompts");
        QTest::newRow("card home") << Opener(cardHome) << 1;
        QTest::newRow("color home") << Opener(colorHome) << 1;
        QTest::newRow("symbol play") << symbolPlay(0) << 0;
    }
    void updateReminderAtLoad()
    {
        QFETCH(Opener, open);
        QFETCH(int, prompts);
        openMain(); // the first run ever: stores today, no prompt
        QVERIFY(fake->messageBoxes->shown.isEmpty());
        fake->clock->when = fake->clock->when.addDays(20); // the clock moved on
        open(*mdi);
        QCOMPARE(fake->messageBoxes->shown.size(), prompts);
        open(*mdi); // stored again: silent
        QCOMPARE(fake->messageBoxes->shown.size(), prompts);
    }

    void onePromptPerRunAcrossTheWindows()
    {
        fake->settings->values.insert(QStringLiteral("Settings/Duration"), QStringLiteral("2026-01-01T00:00:00"));
        openMain();
        cardHome(*mdi);
        colorHome(*mdi);
        cardHome(*mdi);
        QCOMPARE(fake->messageBoxes->shown.size(), 1);
        QCOMPARE(fake->messageBoxes->shown[0].kind, QStringLiteral("question"));
    }

    // The card home window is hidden while a game is played; its welcome
    // line goes on moving behind it.
    void cardWelcomeLineRunsWhileHidden_data()
    {
        QTest::addColumn<Opener>("open");
        QTest::newRow("colour game") << Opener(cardColorGame);
        QTest::newRow("right card") << Opener(cardRightCardGame);
    }
    void cardWelcomeLineRunsWhileHidden()
    {
        QFETCH(Opener, open);
        openMain();
        open(*mdi);
        frmPsychicCardTestMain& home = frmPsychicCardTestMain::get();
        QVERIFY(!home.isWindowVisible());
        const double before = home.welcomeLeft();
        QTRY_VERIFY(home.welcomeLeft() != before);
    }

    // Esc in each play window runs its Exit, from wherever the focus is.
    void escapeRunsExitInEveryPlayWindow_data()
    {
        QTest::addColumn<Opener>("open");
        QTest::newRow("card play, colour game") << Opener(cardColorGame);
        QTest::newRow("card play, right card") << Opener(cardRightCardGame);
        QTest::newRow("color play, Beginner") << colorPlay(0);
        QTest::newRow("color play, Intermediate") << colorPlay(1);
        QTest::newRow("color play, Expert") << colorPlay(2);
    }
    void escapeRunsExitInEveryPlayWindow()
    {
        QFETCH(Opener, open);
        openMain();
        const Opened w = open(*mdi);
        const int draws = fake->random->draws; // the right card game deals on opening
        QTRY_VERIFY(focusIn(w.window));
        QTest::keyClick(focusIn(w.window), Qt::Key_Escape);
        QTRY_VERIFY(!w.isLoaded());
        QVERIFY(mdi->picMain->isVisible());
        QCOMPARE(fake->process->ends, 0);
        QCOMPARE(fake->random->draws, draws); // no guess on the way
    }

    // Enter presses the focused button; with no button focused it runs the
    // window's default button, Exit, in the play windows.
    void enterPressesFocusedOrDefaultButton_data()
    {
        QTest::addColumn<Opener>("open");
        QTest::addColumn<QString>("focused"); // empty: the window itself
        QTest::addColumn<QString>("pressed");
        const QString exit = QStringLiteral("cmdExit");
        QTest::newRow("card play, colour game, none") << Opener(cardColorGame) << QString() << exit;
        QTest::newRow("card play, right card, none") << Opener(cardRightCardGame) << QString() << exit;
        QTest::newRow("color play, none") << colorPlay(0) << QString() << exit;
        QTest::newRow("card play, Back") << Opener(cardColorGame) << QStringLiteral("cmdBack")
                                         << QStringLiteral("cmdBack");
        QTest::newRow("card play, Refresh")
            << Opener(cardRightCardGame) << QStringLiteral("cmdRefresh") << QStringLiteral("cmdRefresh");
        QTest::newRow("color play, Back") << colorPlay(1) << QStringLiteral("cmdOK") << QStringLiteral("cmdOK");
        for (const char* name : {"cmdProceed", "cmdScore", "cmdExit"})
            QTest::addRow("color home, %s", name)
                << Opener(colorHome) << QString::fromLatin1(name) << QString::fromLatin1(name);
    }
    void enterPressesFocusedOrDefaultButton()
    {
        QFETCH(Opener, open);
        QFETCH(QString, focused);
        QFETCH(QString, pressed);
        openMain();
        const Opened w = open(*mdi);
        QTRY_VERIFY(focusIn(w.window));
        // Every button of the window, to see which one Enter pressed.
        std::vector<std::pair<QString, std::unique_ptr<QSignalSpy>>> spies;
        const auto buttons = w.window->findChildren<QPushButton*>();
        for (QPushButton* button : buttons)
            spies.emplace_back(button->objectName(), std::make_unique<QSignalSpy>(button, &QPushButton::clicked));
        if (focused.isEmpty()) {
            w.window->setFocus(Qt::OtherFocusReason);
        } else {
            auto* button = w.window->findChild<QPushButton*>(focused);
            QVERIFY(button);
            QVERIFY(tabTo(button));
        }
        pressKey(Qt::Key_Return);
        QStringList clicked;
        for (const auto& [name, spy] : spies) {
            if (!spy->isEmpty())
                clicked << name;
        }
        QCOMPARE(clicked, QStringList{pressed});
    }

    // Every test window opens with the focus on a control of its own that
    // is not one of its choices: Enter must not guess on open.
    void opensWithNoChoiceFocused_data() { addEveryTestWindow(); }
    void opensWithNoChoiceFocused()
    {
        QFETCH(Opener, open);
        openMain();
        const Opened w = open(*mdi);
        QTRY_VERIFY(focusIn(w.window));
        QVERIFY2(!GuessRunner::isChoice(focusIn(w.window)), qPrintable(focusIn(w.window)->objectName()));
    }

    // No Alt key is answered by two things of a window: every window a
    // launcher opens (so a new test's window with its catalogue row), the
    // modal ones met on the way, and every play window.
    void altKeysDoNotClash_data()
    {
        addEveryTestWindow();
        for (const TestEntry& row : testCatalogue()) {
            QTest::addRow("launcher %s", row.caption) << Opener([index = row.index](frmMDI& mdi) {
                const modal::Answer dialog(QStringLiteral("OK"), [](QWidget* modal) {
                    const QStringList clashes = mnemonicClashes(modal);
                    QVERIFY2(clashes.isEmpty(), qPrintable(clashes.join(QLatin1String("; "))));
                });
                click(mdi.cmdSelectOption[static_cast<std::size_t>(index)]);
                QTest::qWait(200); // time for a window that asks first
                activate(&mdi);
                return Opened{};
            });
        }
    }
    void altKeysDoNotClash()
    {
        QFETCH(Opener, open);
        openMain();
        open(*mdi);
        for (FormBase* form : FormBase::loadedForms()) {
            auto* window = dynamic_cast<QWidget*>(form);
            const QStringList clashes = mnemonicClashes(window);
            QVERIFY2(clashes.isEmpty(),
                     qPrintable(window->objectName() + QLatin1String(": ") + clashes.join(QLatin1String("; "))));
        }
    }

    // Every test window has an "&Exit" like the main window's: Alt+E closes
    // that window and never the program.
    void exitMnemonicOfEveryTestWindow_data() { addEveryTestWindow(); }
    void exitMnemonicOfEveryTestWindow()
    {
        QFETCH(Opener, open);
        openMain();
        const Opened w = open(*mdi);
        QTRY_VERIFY(focusIn(w.window));
        QTest::keyClick(focusIn(w.window), Qt::Key_E, Qt::AltModifier);
        QTRY_VERIFY(!w.isLoaded());
        QCOMPARE(fake->process->ends, 0);
        QVERIFY(FormBase::loadedForms().size() <= 1); // at most a hidden home window
    }

    // Each symbol level has its own "&Score"; the hidden levels' buttons
    // must not answer Alt+S instead of the one shown.
    void scoreMnemonicOfEverySymbolLevel_data()
    {
        QTest::addColumn<int>("level");
        QTest::newRow("Beginner") << 0;
        QTest::newRow("Intermediate") << 1;
        QTest::newRow("Expert") << 2;
    }
    void scoreMnemonicOfEverySymbolLevel()
    {
        QFETCH(int, level);
        openMain();
        const Opened w = symbolPlay(level)(*mdi);
        QTRY_VERIFY(focusIn(w.window));
        bool scoreShown = false;
        const modal::Answer score(QStringLiteral("cmdOkScore"), [&scoreShown](QWidget* dialog) {
            auto* options = dynamic_cast<frmPsychicSymbolTestSelectOption*>(dialog);
            scoreShown = options && options->isScorePanelInFront();
        });
        QTest::keyClick(focusIn(w.window), Qt::Key_S, Qt::AltModifier);
        QTRY_VERIFY(score.answered());
        QVERIFY(scoreShown);
        QCOMPARE(frmPsychicSymbolTestMain::get().frontPanel(), frmPsychicSymbolTestMain::get().levels[level].panel);
    }

    // Only the three test links underline under the pointer.
    void welcomeLabelsUnderline_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("link");
        for (int i = 0; i < 6; ++i)
            QTest::addRow("lblCaption %d", i) << i << (i >= 3);
    }
    void welcomeLabelsUnderline()
    {
        QFETCH(int, index);
        QFETCH(bool, link);
        openMain();
        ClickLabel* label = mdi->lblCaption[static_cast<std::size_t>(index)];
        QTest::mouseMove(label, label->rect().center());
        QTRY_COMPARE(label->font().underline(), link);
        QTest::qWait(20);
        QCOMPARE(label->font().underline(), link);
        QTest::mouseMove(mdi->picMain, QPoint(5, mdi->lblCaption[3]->geometry().bottom() + 10));
        QTRY_VERIFY(!label->font().underline());
    }

    // The small modal windows: centred on the screen, no minimise or
    // maximise buttons asked for, and back at once if minimised anyway.
    void smallModalWindows_data()
    {
        QTest::addColumn<ModalOpener>("open");
        QTest::newRow("About") << std::function<void(frmMDI&)>(
            [](frmMDI& mdi) { mdi.menus.help.mnuHelp->actions().last()->trigger(); });
        QTest::newRow("symbol options") << ModalOpener(
            [](frmMDI& mdi) { click(mdi.cmdSelectOption[2]); }); // asks for a level on opening
        QTest::newRow("card feedback") << ModalOpener([](frmMDI& mdi) {
            cardColorGame(mdi);
            click(frmPsychicCardTestDisplay::get().cmdBlackCard);
        });
    }
    void smallModalWindows()
    {
        QFETCH(ModalOpener, open);
        openMain();
        // Looked at while it is open, answered with Esc whatever was seen.
        QWidget* seen = nullptr;
        QPoint offCentre;
        Qt::WindowFlags flags;
        bool cameBack = false;
        QTimer poll;
        poll.setInterval(10);
        connect(&poll, &QTimer::timeout, this, [&] {
            QWidget* w = QApplication::activeModalWidget();
            if (!w || !w->isVisible() || seen)
                return;
            seen = w;
            offCentre = w->frameGeometry().center() - w->screen()->geometry().center();
            flags = w->windowFlags();
            w->setWindowState(Qt::WindowMinimized);
            cameBack = QTest::qWaitFor([w] { return !(w->windowState() & Qt::WindowMinimized) && w->isVisible(); });
            QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : w, Qt::Key_Escape);
        });
        poll.start();
        open(*mdi);
        QTRY_VERIFY(seen);
        QTRY_VERIFY(!QApplication::activeModalWidget());
        QVERIFY2(offCentre.manhattanLength() <= 2,
                 qPrintable(QStringLiteral("%1,%2 off").arg(offCentre.x()).arg(offCentre.y())));
        QVERIFY(!(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QVERIFY(cameBack);
    }

    // Each score view reports its own counters against chance, rebuilt with
    // the score after a guess; the score text is what it always was. The
    // card guess is a click on one of two positions showing the three of
    // spades: two chances in eight.
    void scoreViewsReportAgainstChance_data()
    {
        QTest::addColumn<ModalOpener>("rightGuess");
        QTest::addColumn<ScoreView>("score");
        QTest::addColumn<ScoreTextOf>("scoreText");
        QTest::addColumn<QString>("line");
        const auto cardScore = [](frmMDI& mdi) {
            cardHome(mdi);
            frmPsychicCardTestMain& home = frmPsychicCardTestMain::get();
            click(home.cmdScore);
            return std::make_pair(home.txtScore->text(), home.txtChance->text());
        };
        QTest::newRow("card") << ModalOpener([this](frmMDI& mdi) {
            cardRightCardGame(mdi);
            frmPsychicCardTestMain::get().Timer1->stop(); // its colours would take the scripted draw
            modCardTest::dealtCards[6] = modCardTest::dealtCards[7] = 42;
            fake->random->script = {rFor(8, 8)}; // chosen position 7
            const modal::Answer feedback(QStringLiteral("TRY AGAIN"));
            click(frmPsychicCardTestDisplay::get().picCard[6]);
        }) << ScoreView(cardScore)
                              << ScoreTextOf([] { return modCardTest::scoreText(); })
                              << QStringLiteral("Pick The Right Card: 1 of 1 right (100%); chance expects 0.25 (25%); "
                                                "luck alone does this well or better 25% of the time.");
        QTest::newRow("color") << ModalOpener([this](frmMDI& mdi) {
            colorPlay(Intermediate)(mdi);
            fake->random->script = {rFor(3, 10)};
            const modal::Answer feedback(QStringLiteral("TRY AGAIN"));
            click(frmPsychicColorTestDisplay::get().cmdIntermediate[2]);
        }) << ScoreView([](frmMDI& mdi) {
            colorHome(mdi);
            frmPsychicColorTestMain& home = frmPsychicColorTestMain::get();
            click(home.cmdScore);
            return std::make_pair(home.txtScore->text(), home.txtChance->text());
        }) << ScoreTextOf([] { return modColorTest::scoreText(); })
                               << QStringLiteral("Intermediate: 1 of 1 right (100%); chance expects 0.1 (10%); luck "
                                                 "alone does this well or better 10% of the time.");
        QTest::newRow("symbol") << ModalOpener([this](frmMDI& mdi) {
            symbolPlay(Expert)(mdi);
            fake->random->script = {rFor(4, 10)};
            const modal::Answer feedback(QStringLiteral("TRY AGAIN"));
            click(frmPsychicSymbolTestMain::get().picExpert[3]);
        }) << ScoreView([](frmMDI& mdi) {
            symbolPlay(Beginner)(mdi);
            std::pair<QString, QString> texts;
            const modal::Answer score(QStringLiteral("cmdOkScore"), [&texts](QWidget* w) {
                auto* options = dynamic_cast<frmPsychicSymbolTestSelectOption*>(w);
                Q_ASSERT(options);
                texts = {options->txtTotalScore->toPlainText(), options->txtChance->text()};
            });
            click(frmPsychicSymbolTestMain::get().cmdScore);
            return texts;
        }) << ScoreTextOf([] { return modSymbolTest::scoreText(); })
                                << QStringLiteral("Expert: 1 of 1 right (100%); chance expects 0.1 (10%); luck alone "
                                                  "does this well or better 10% of the time.");
    }
    void scoreViewsReportAgainstChance()
    {
        QFETCH(ModalOpener, rightGuess);
        QFETCH(ScoreView, score);
        QFETCH(ScoreTextOf, scoreText);
        QFETCH(QString, line);
        modCardTest::cardCorrect = modCardTest::cardAttempts = {};
        modCardTest::cardTwoInEight = 0;
        modColorTest::colorCorrect = modColorTest::colorAttempts = {};
        modSymbolTest::symbolCorrect = modSymbolTest::symbolAttempts = {};
        openMain();

        const auto before = score(*mdi);
        QCOMPARE(before.second.count(QStringLiteral(": no attempts yet.")), before.second.count(QLatin1Char('\n')) + 1);
        rightGuess(*mdi);
        const auto after = score(*mdi);
        const auto lf = [](QString text) { return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")); };
        QCOMPARE(lf(after.first), lf(scoreText()));
        QCOMPARE(after.first.count(QStringLiteral("1 Correct Out Of 1")), 1);
        const QStringList lines = after.second.split(QLatin1Char('\n'));
        QVERIFY2(lines.contains(line), qPrintable(after.second));
        // The whole test's line agrees, the other lines still have nothing.
        QVERIFY2(lines.last().endsWith(line.mid(line.indexOf(QLatin1Char(':')))), qPrintable(lines.last()));
        QCOMPARE(after.second.count(QStringLiteral(": no attempts yet.")), lines.size() - 2);
    }
};

QTEST_MAIN(TestWiring)
#include "tst_wiring.moc"

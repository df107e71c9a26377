// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

// A guess in every game is one transaction: whatever the user does during
// its pause or while its feedback window is open acts nowhere, the guess is
// counted once and its feedback shown, and the play window is left as it
// was. Also the closes asked for during a guess.
#include "app/frmMDI.h"
#include "cardtest/frmPsychicCardTestDisplay.h"
#include "cardtest/frmPsychicCardTestMain.h"
#include "cardtest/frmPsychicCardTestResult.h"
#include "cardtest/modCardTest.h"
#include "colortest/frmPsychicColorTestDisplay.h"
#include "colortest/frmPsychicColorTestMain.h"
#include "colortest/frmPsychicColorTestResult.h"
#include "colortest/modColorTest.h"
#include "shell/ClickLabel.h"
#include "shell/DialogWindows.h"
#include "shell/frmAbout.h"
#include "shell/modHelp.h"
#include "support/FakePlatform.h"
#include "support/Modal.h"
#include "symboltest/SymbolControls.h"
#include "symboltest/frmPsychicSymbolTestMain.h"
#include "symboltest/frmPsychicSymbolTestResult.h"
#include "symboltest/frmPsychicSymbolTestSelectOption.h"
#include "symboltest/modSymbolTest.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QMdiArea>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QtTest>

#include <memory>

namespace {

enum Game { ColorCard, RightCard, ColorLevel, SymbolLevel };
enum Input { Keys, Mouse, ScreenReader };
enum When { DuringThePause, WhileTheFeedbackIsOpen };

// What a game looks like from outside: its play window, the choice guessed
// with, its attempt count and what must not change across a guess.
struct Play {
    QPointer<QWidget> window;
    QPointer<QWidget> choice;
    std::function<int()> attempts;
    std::function<QString()> state;
};

QString panelsShown(QWidget* window)
{
    QStringList shown;
    for (QWidget* panel : window->findChildren<QFrame*>(Qt::FindDirectChildrenOnly))
        if (panel->isVisible())
            shown << panel->objectName();
    return shown.join(u',');
}

QString dealt()
{
    QStringList cards;
    for (qint16 card : modCardTest::dealtCards)
        cards << QString::number(card);
    return cards.join(u',');
}

// Every control a user or a screen reader could press in the main window
// and the test windows inside it.
QList<QWidget*> pressable(QWidget* mdi)
{
    QList<QWidget*> controls;
    for (QWidget* w : mdi->findChildren<QWidget*>())
        if (w->isVisible() && (qobject_cast<QAbstractButton*>(w) || qobject_cast<ClickLabel*>(w)))
            controls << w;
    return controls;
}

void pressEverything(QWidget* mdi, Input input, When when, QWidget* play)
{
    switch (input) {
    case Keys: {
        // Mnemonics, accelerators, the MDI keys, the menu bar, the buttons'
        // own keys; while the feedback is open they go to the play window,
        // since the feedback window itself rightly takes Enter or Esc.
        const QList<QPair<Qt::Key, Qt::KeyboardModifiers>> keys{
            {Qt::Key_E, Qt::AltModifier},      {Qt::Key_B, Qt::AltModifier},       {Qt::Key_R, Qt::AltModifier},
            {Qt::Key_S, Qt::ControlModifier},  {Qt::Key_D, Qt::ControlModifier},   {Qt::Key_W, Qt::ControlModifier},
            {Qt::Key_F4, Qt::ControlModifier}, {Qt::Key_Tab, Qt::ControlModifier}, {Qt::Key_F6, Qt::ControlModifier},
            {Qt::Key_F10, Qt::NoModifier},     {Qt::Key_F, Qt::AltModifier},       {Qt::Key_Return, Qt::NoModifier},
            {Qt::Key_Space, Qt::NoModifier},   {Qt::Key_Escape, Qt::NoModifier}};
        for (const auto& [key, modifiers] : keys) {
            if (when == DuringThePause)
                pressKey(key, modifiers);
            else
                QTest::keyClick(play, key, modifiers);
        }
        break;
    }
    case Mouse:
        for (QWidget* control : pressable(mdi))
            QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(control->width() / 2, control->height() / 2));
        break;
    case ScreenReader: {
        for (QWidget* control : pressable(mdi))
            if (QAccessibleInterface* a = QAccessible::queryAccessibleInterface(control); a && a->actionInterface())
                a->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        for (QMenu* menu : mdi->findChildren<QMenu*>()) {
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(menu);
            for (int i = 0; a && i < a->childCount(); ++i)
                if (QAccessibleActionInterface* item = a->child(i)->actionInterface())
                    item->doAction(QAccessibleActionInterface::pressAction());
        }
        break;
    }
    }
}

} // namespace

class TestGuess : public QObject {
    Q_OBJECT

    std::unique_ptr<FakePlatform> fake;
    std::unique_ptr<frmMDI> mdi;

    Play open(Game game)
    {
        using namespace modCardTest;
        switch (game) {
        case ColorCard:
        case RightCard: {
            QTest::mouseClick(mdi->cmdSelectOption[0], Qt::LeftButton);
            auto& home = frmPsychicCardTestMain::get();
            QTest::mouseClick(game == ColorCard ? home.cmdPickCards : home.cmdRightCard, Qt::LeftButton);
            auto* play = frmPsychicCardTestDisplay::ifLoaded();
            const int slot = game == ColorCard ? 0 : 2;
            QWidget* choice = game == ColorCard ? static_cast<QWidget*>(play->cmdBlackCard) : play->picCard[3];
            return {play, choice, [slot] { return int(cardAttempts[size_t(slot)]); },
                    [play] { return panelsShown(play) + '/' + dealt(); }};
        }
        case ColorLevel: {
            QTest::mouseClick(mdi->cmdSelectOption[1], Qt::LeftButton);
            auto& home = frmPsychicColorTestMain::get();
            QTest::mouseClick(home.optLevel[1], Qt::LeftButton, {}, QPoint(8, home.optLevel[1]->height() / 2));
            QTest::mouseClick(home.cmdProceed, Qt::LeftButton);
            auto* play = frmPsychicColorTestDisplay::ifLoaded();
            return {play, play->cmdIntermediate[4], [] { return int(modColorTest::colorAttempts[1]); },
                    [play] { return panelsShown(play); }};
        }
        case SymbolLevel: {
            const modal::Answer level(QStringLiteral("cmdOk"));
            QTest::mouseClick(mdi->cmdSelectOption[2], Qt::LeftButton);
            auto* play = frmPsychicSymbolTestMain::ifLoaded();
            emit mdi->mdiArea->subWindowActivated(play->subWindow());
            [&] { QTRY_VERIFY(level.answered()); }();
            activate(mdi.get());
            return {play, play->cmdZener[1], [] { return int(modSymbolTest::symbolAttempts[0]); },
                    [play] { return panelsShown(play) + '/' + play->frontPanel()->objectName(); }};
        }
        }
        return {};
    }

private slots:
    void init()
    {
        fake = std::make_unique<FakePlatform>();
        modCardTest::cardAttempts = {};
        modColorTest::colorAttempts = {};
        modSymbolTest::symbolAttempts = {};
        modSymbolTest::SymbolLevelChosen = false;
        mdi = std::make_unique<frmMDI>();
        mdi->show();
        QVERIFY(QTest::qWaitForWindowActive(mdi.get()));
    }
    void cleanup()
    {
        CloseAllAndEnd();
        mdi.reset();
        QVERIFY(modal::leftoverTopLevels().isEmpty());
        fake.reset();
    }

    void nothingActsDuringAGuess_data()
    {
        QTest::addColumn<int>("game");
        QTest::addColumn<int>("input");
        QTest::addColumn<int>("when");
        const char* games[] = {"color card", "right card", "color level", "symbol level"};
        const char* inputs[] = {"keys", "mouse", "screen reader"};
        const char* whens[] = {"pause", "feedback"};
        for (int g = ColorCard; g <= SymbolLevel; ++g)
            for (int i = Keys; i <= ScreenReader; ++i)
                for (int w = DuringThePause; w <= WhileTheFeedbackIsOpen; ++w)
                    QTest::addRow("%s, %s, %s", games[g], inputs[i], whens[w]) << g << i << w;
    }
    void nothingActsDuringAGuess()
    {
        QFETCH(int, game);
        QFETCH(int, input);
        QFETCH(int, when);
        const Play play = open(Game(game));
        QVERIFY(play.window && play.choice);
        const int before = play.attempts();
        const QString state = play.state();
        QWidget* mdiWindow = mdi.get();
        if (when == DuringThePause)
            fake->pause->during = [&](QWidget*) { pressEverything(mdiWindow, Input(input), When(when), play.window); };
        int feedbacks = 0;
        {
            const modal::Answer feedback(QStringLiteral("TRY AGAIN"), [&](QWidget*) {
                ++feedbacks;
                if (when == WhileTheFeedbackIsOpen)
                    pressEverything(mdiWindow, Input(input), When(when), play.window);
            });
            QTest::mouseClick(play.choice, Qt::LeftButton, {}, QPoint(play.choice->width() / 2, 4));
            QTRY_VERIFY(feedback.answered());
        }
        fake->pause->during = nullptr;
        if (input == ScreenReader)
            QTest::qWait(300); // a button pressed so clicks a moment later
        modal::flushDeletes();

        QCOMPARE(feedbacks, 1);
        QCOMPARE(play.attempts(), before + 1);
        QVERIFY2(play.window && FormBase::loadedForms().contains(FormBase::of(play.window)), "the play window went");
        QCOMPARE(play.state(), state);
        QVERIFY(!QApplication::activeModalWidget());
        QVERIFY(!frmAbout::isLoaded());
        QVERIFY(!frmPsychicSymbolTestSelectOption::isLoaded() || !frmPsychicSymbolTestSelectOption::get().isVisible());
        QVERIFY(fake->browser->opened.isEmpty());
        QVERIFY(fake->messageBoxes->shown.isEmpty());
        QCOMPARE(fake->process->ends, 0);
    }

    // After a guess the focus is back on the choice that made it, clicked or
    // pressed: Enter guesses again with it.
    void focusReturnsToTheChoice_data()
    {
        QTest::addColumn<int>("game");
        QTest::newRow("color card") << int(ColorCard);
        QTest::newRow("right card") << int(RightCard);
        QTest::newRow("color level") << int(ColorLevel);
        QTest::newRow("symbol level") << int(SymbolLevel);
    }
    void focusReturnsToTheChoice()
    {
        QFETCH(int, game);
        const Play play = open(Game(game));
        QVERIFY(QApplication::focusWidget() != play.choice); // nothing singled out on opening
        {
            const modal::Answer feedback(QStringLiteral("TRY AGAIN"));
            QTest::mouseClick(play.choice, Qt::LeftButton, {}, QPoint(play.choice->width() / 2, 4));
            QTRY_VERIFY(feedback.answered());
        }
        QVERIFY(activate(mdi.get()));
        QCOMPARE(QApplication::focusWidget(), play.choice.data());
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Space}) {
            const modal::Answer feedback(QStringLiteral(""), [](QWidget* w) { QTest::keyClick(w, Qt::Key_Return); });
            pressKey(key);
            QTRY_VERIFY(feedback.answered());
            QVERIFY(activate(mdi.get()));
            QCOMPARE(QApplication::focusWidget(), play.choice.data());
        }
        QCOMPARE(play.attempts(), 3);
    }

    // Every small modal window opens centred on the screen with its frame,
    // every time. Run under a window manager too, where the frame comes late
    // and Qt reports a frame of 1 x 1 for a moment on activation.
    void smallModalWindowsOpenCentred()
    {
        const bool realDesktop = QGuiApplication::platformName() != QLatin1String("offscreen");
        const QPoint centre = QGuiApplication::primaryScreen()->geometry().center();
        const QList<QPair<const char*, std::function<QDialog*()>>> windows{
            {"card feedback", [] { return &frmPsychicCardTestResult::get(); }},
            {"color feedback", [] { return &frmPsychicColorTestResult::get(); }},
            {"symbol feedback", [] { return &frmPsychicSymbolTestResult::get(); }},
            {"symbol options", [] { return &frmPsychicSymbolTestSelectOption::get(); }},
            {"About", [] { return &frmAbout::get(); }},
            {"message box", [] {
                 auto* box = new QMessageBox(QMessageBox::Information, "Veltrane", "Message", QMessageBox::Ok);
                 box->setAttribute(Qt::WA_DeleteOnClose);
                 return box;
             }}};
        for (int round = 0; round < (realDesktop ? 8 : 2); ++round) {
            for (const auto& [name, make] : windows) {
                QRect frame;
                const modal::Answer answer(QString(), [&](QWidget* w) {
                    QTest::qWait(realDesktop ? 250 : 20); // the size settles, the frame arrives
                    frame = w->frameGeometry();
                    QTest::keyClick(w, Qt::Key_Escape);
                });
                runModal(*make(), mdi.get());
                QVERIFY(answer.answered());
                QVERIFY2((frame.center() - centre).manhattanLength() <= 4,
                         qPrintable(QStringLiteral("%1 at %2,%3 %4x%5, round %6")
                                        .arg(name)
                                        .arg(frame.x())
                                        .arg(frame.y())
                                        .arg(frame.width())
                                        .arg(frame.height())
                                        .arg(round)));
                modal::flushDeletes();
            }
        }
    }

    // A termination signal while the feedback is open: as a close of the main
    // window, the feedback closes and the program ends with the guess counted.
    void endRequestWhileTheFeedbackIsOpen()
    {
        const Play play = open(RightCard);
        {
            const modal::Answer feedback(QStringLiteral(""), [this](QWidget*) { mdi->close(); });
            QTest::mouseClick(play.choice, Qt::LeftButton);
            QTRY_VERIFY(feedback.answered());
        }
        modal::flushDeletes();
        QCOMPARE(play.attempts(), 1);
        QVERIFY(!play.window);
        QCOMPARE(fake->process->ends, 1);
    }
};

QTEST_MAIN(TestGuess)
#include "tst_guess.moc"

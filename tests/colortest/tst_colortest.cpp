// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

// The color test as a user meets it: launched from the main window, levels
// chosen, colours guessed with scripted draws, feedback answered, Back, Exit
// and the score; plus the palettes and the score text as data.

#include "app/frmMDI.h"
#include "colortest/frmPsychicColorTestDisplay.h"
#include "colortest/frmPsychicColorTestMain.h"
#include "colortest/frmPsychicColorTestResult.h"
#include "colortest/modColorTest.h"
#include "shell/Feedback.h"
#include "shell/Look.h"
#include "shell/TextBox.h"
#include "shell/modHelp.h"
#include "support/FakePlatform.h"
#include "support/MainWindowFixture.h"
#include "support/Modal.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include <memory>

using namespace modColorTest;

namespace {

struct Verdict {
    QString text;
    QColor color;
    bool frameless = false;
    QString name;
};

// Expected palettes, written out as a user would read them off the screen.
const QList<QList<QRgb>> kExpectedColors{
    {qRgb(255, 255, 128), qRgb(255, 128, 128), qRgb(255, 128, 255), qRgb(128, 255, 255), qRgb(0, 64, 0)},
    {qRgb(192, 255, 192), qRgb(255, 192, 192), qRgb(255, 255, 192), qRgb(192, 255, 255), qRgb(192, 192, 255),
     qRgb(255, 128, 128), qRgb(255, 192, 128), qRgb(0, 128, 0), qRgb(192, 0, 192), qRgb(53, 138, 189)},
    {qRgb(255, 192, 128), qRgb(255, 192, 192), qRgb(255, 0, 0),     qRgb(192, 64, 0),    qRgb(0, 255, 0),
     qRgb(192, 255, 255), qRgb(255, 128, 255), qRgb(139, 193, 119), qRgb(64, 64, 0),     qRgb(96, 85, 83),
     qRgb(193, 70, 70),   qRgb(53, 138, 189),  qRgb(0, 64, 64),     qRgb(192, 255, 192), qRgb(0, 0, 255),
     qRgb(0, 0, 0),       qRgb(255, 255, 128), qRgb(0, 192, 192),   qRgb(192, 192, 255), qRgb(0, 64, 0)},
};
const QList<QStringList> kExpectedNames{
    {"Light yellow", "Salmon pink", "Light magenta", "Light cyan", "Dark green"},
    {"Pale green", "Pale pink", "Pale yellow", "Pale cyan", "Lavender", "Salmon pink", "Light orange", "Green",
     "Purple", "Steel blue"},
    {"Light orange", "Pale pink", "Red",          "Rust",      "Bright green", "Pale cyan", "Light magenta",
     "Sage green",   "Olive",     "Grey-brown",   "Brick red", "Steel blue",   "Dark teal", "Pale green",
     "Blue",         "Black",     "Light yellow", "Teal",      "Lavender",     "Dark green"},
};

const QString kZeroScore = QStringLiteral("Beginner Level\r\n0 Correct Out Of 0\r\n\r\nIntermediate Level\r\n"
                                          "0 Correct Out Of 0\r\n\r\nExpert Level\r\n0 Correct Out Of 0");

void click(QWidget* widget)
{
    QVERIFY2(widget->isVisible(), qPrintable(widget->objectName() + " is not visible"));
    // Near the left edge: option buttons only react over their indicator and caption.
    QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(qMin(8, widget->width() / 2), widget->height() / 2));
}

QList<QPushButton*> buttonsOf(frmPsychicColorTestDisplay& play, int level)
{
    QList<QPushButton*> list;
    if (level == Beginner)
        list = {play.cmdBeginner.begin(), play.cmdBeginner.end()};
    else if (level == Intermediate)
        list = {play.cmdIntermediate.begin(), play.cmdIntermediate.end()};
    else
        list = {play.cmdExpert.begin(), play.cmdExpert.end()};
    return list;
}

} // namespace

class TestColorTest : public QObject, public MainWindowFixture {
    Q_OBJECT

    frmPsychicColorTestMain& launch()
    {
        click(mdi->cmdSelectOption[1]);
        return frmPsychicColorTestMain::get();
    }

    frmPsychicColorTestDisplay* proceed(int level)
    {
        frmPsychicColorTestMain& home = frmPsychicColorTestMain::get();
        click(home.optLevel[level]);
        click(home.cmdProceed);
        return frmPsychicColorTestDisplay::ifLoaded();
    }

    // One guess with a scripted draw; the feedback is read and answered.
    Verdict guess(QPushButton* button, double r)
    {
        Verdict v;
        fake->random->script = {r};
        const modal::Answer answer(QStringLiteral("TRY AGAIN"), [&](QWidget* w) {
            auto* label = w->findChild<QLabel*>(QStringLiteral("lblResult"));
            v.text = label->text();
            v.color = label->palette().color(QPalette::WindowText);
            v.frameless = w->windowFlags().testFlag(Qt::FramelessWindowHint);
            v.name = w->accessibleName();
            if (auto* play = frmPsychicColorTestDisplay::ifLoaded())
                QVERIFY(play->picMessage->isHidden());
        });
        click(button);
        return v;
    }

private slots:
    void init()
    {
        useFakeDesktop();
        colorCorrect = {};
        colorAttempts = {};
        showMainWindow();
    }

    void cleanup()
    {
        endMainWindow();
        QVERIFY(!frmPsychicColorTestMain::isLoaded());
        QVERIFY(!frmPsychicColorTestDisplay::isLoaded());
        QVERIFY(!frmPsychicColorTestResult::isLoaded());
    }

    // ---- the rules as data --------------------------------------------

    void palettesHoldTheTabledColorsInOrder()
    {
        for (int level = Beginner; level <= Expert; ++level) {
            QCOMPARE(colorCount(level), kExpectedColors[level].size());
            for (int i = 0; i < colorCount(level); ++i) {
                QCOMPARE(palette(level)[i].color().rgb(), kExpectedColors[level][i]);
                QCOMPARE(QString::fromLatin1(palette(level)[i].name), kExpectedNames[level][i]);
            }
        }
    }

    void scoreTextIsExact()
    {
        QCOMPARE(scoreText(), kZeroScore);
        QCOMPARE(scoreText({2, 0, 7}, {5, 0, 32767}),
                 QStringLiteral("Beginner Level\r\n2 Correct Out Of 5\r\n\r\nIntermediate Level\r\n0 Correct Out Of 0"
                                "\r\n\r\nExpert Level\r\n7 Correct Out Of 32767"));
    }

    void judgingCountsOnlyItsLevelAndSaturates()
    {
        QVERIFY(isRightGuess(9, 10));
        QVERIFY(!isRightGuess(9, 9));
        countGuess(Intermediate, true);
        countGuess(Intermediate, false);
        QCOMPARE(colorCorrect, (Counters{0, 1, 0}));
        QCOMPARE(colorAttempts, (Counters{0, 2, 0}));

        colorCorrect[Expert] = 32767;
        colorAttempts[Expert] = 32767;
        countGuess(Expert, true);
        QCOMPARE(colorCorrect[Expert], qint16(32767));
        QCOMPARE(colorAttempts[Expert], qint16(32767));
    }

    void drawCoversOneToN()
    {
        fake->random->script = {0.0, 0.999999, rFor(3, 10), 0.95};
        QCOMPARE(drawColor(Beginner), 1);
        QCOMPARE(drawColor(Beginner), 5);
        QCOMPARE(drawColor(Intermediate), 3);
        QCOMPARE(drawColor(Expert), 20);
    }

    // ---- home window --------------------------------------------------

    void launchOpensHomeInLevelView()
    {
        frmPsychicColorTestMain& home = launch();
        QVERIFY(home.isWindowVisible());
        QCOMPARE(home.windowTitle(), QStringLiteral("Sorvek Psychic Color Test"));
        QVERIFY(!mdi->isWelcomePanelVisible());
        QVERIFY(inFront(home.fraLevel));
        QVERIFY(home.optLevel[0]->isChecked());
        QCOMPARE(home.cmdScore->text(), QStringLiteral("&Score"));
        QVERIFY(fake->settings->values.contains(QStringLiteral("Settings/Duration"))); // the reminder ran
        QStringList menus;
        for (QAction* a : home.menuBarActions())
            menus << a->text();
        QCOMPARE(menus, (QStringList{"&File", "&Help", "Make Money &Online"}));
        QCOMPARE(home.menus.help.mnuUpdate->text(), QStringLiteral("Check for Software &Update"));
    }

    void scoreAndOkToggleTheViews()
    {
        frmPsychicColorTestMain& home = launch();
        click(home.optLevel[Expert]);
        click(home.cmdScore);
        QVERIFY(inFront(home.fraScore));
        QCOMPARE(home.txtScore->text(), kZeroScore);
        QCOMPARE(home.txtScore->document()->blockCount(), 8);
        QCOMPARE(home.cmdScore->text(), QStringLiteral("Ok"));
        for (QRadioButton* option : home.optLevel)
            QVERIFY(!option->isChecked());

        // Proceed from the score view: only the message.
        click(home.cmdProceed);
        QCOMPARE(fake->messageBoxes->shown.size(), 1);
        QCOMPARE(fake->messageBoxes->shown[0].kind, QStringLiteral("information"));
        QCOMPARE(fake->messageBoxes->shown[0].text, QStringLiteral("Please Select a Type Of Color Test !"));
        QVERIFY(!frmPsychicColorTestDisplay::isLoaded());
        QVERIFY(home.isWindowVisible());
        QVERIFY(inFront(home.fraScore));

        click(home.cmdScore);
        QVERIFY(inFront(home.fraLevel));
        QCOMPARE(home.cmdScore->text(), QStringLiteral("&Score"));
        QCOMPARE(home.txtScore->text(), kZeroScore); // kept, though hidden

        // Ok put Beginner back, whatever was chosen before Score.
        click(home.cmdProceed);
        frmPsychicColorTestDisplay* play = frmPsychicColorTestDisplay::ifLoaded();
        QVERIFY(play);
        QVERIFY(inFront(play->fraBeginner));
    }

    void proceedShowsTheChosenPanel_data()
    {
        QTest::addColumn<int>("level");
        QTest::newRow("Beginner") << int(Beginner);
        QTest::newRow("Intermediate") << int(Intermediate);
        QTest::newRow("Expert") << int(Expert);
    }
    void proceedShowsTheChosenPanel()
    {
        QFETCH(int, level);
        frmPsychicColorTestMain& home = launch();
        frmPsychicColorTestDisplay* play = proceed(level);
        QVERIFY(play && play->isWindowVisible());
        QVERIFY(inFront(play->levels[level].panel));
        QVERIFY(!home.isWindowVisible());
        QVERIFY(frmPsychicColorTestMain::isLoaded());
        QVERIFY(!mdi->isWelcomePanelVisible());
        QCOMPARE(play->menus.help.mnuUpdate->text(), QStringLiteral("&Check for Software Update"));

        // The faces really are the tabled colours, named for screen readers.
        const QList<QPushButton*> buttons = buttonsOf(*play, level);
        QCOMPARE(buttons.size(), kExpectedColors[level].size());
        for (int i = 0; i < buttons.size(); ++i) {
            QPushButton* b = buttons[i];
            const QImage face = b->grab().toImage();
            QCOMPARE(face.pixel(face.width() / 2, face.height() / 2), kExpectedColors[level][i]);
            QCOMPARE(face.pixel(face.width() / 4, face.height() / 4), kExpectedColors[level][i]);
            QCOMPARE(b->accessibleName(), kExpectedNames[level][i]);
            QVERIFY(b->text().isEmpty());
            QCOMPARE(b->cursor().shape(), Qt::BitmapCursor);
        }
        // Rows read left to right, upper row first.
        const int columns = level == Expert ? 10 : 5;
        for (int i = 1; i < buttons.size(); ++i) {
            if (i % columns)
                QVERIFY(buttons[i]->x() > buttons[i - 1]->x() && buttons[i]->y() == buttons[i - 1]->y());
            else
                QVERIFY(buttons[i]->y() > buttons[i - 1]->y() && buttons[i]->x() == buttons[0]->x());
        }
    }

    void beginnerButtonsAreLargestExpertSmallest()
    {
        launch();
        frmPsychicColorTestDisplay* play = proceed(Beginner);
        const auto area = [](QWidget* w) { return w->width() * w->height(); };
        QVERIFY(area(play->cmdBeginner[0]) > area(play->cmdIntermediate[0]));
        QVERIFY(area(play->cmdIntermediate[0]) > area(play->cmdExpert[0]));
        QVERIFY(play->cmdBeginner[0]->height() > play->cmdBeginner[0]->width()); // tall
    }

    // ---- guessing -----------------------------------------------------

    void lastAndFirstButtonsAreRightOnlyForTheirNumber_data() { proceedShowsTheChosenPanel_data(); }
    void lastAndFirstButtonsAreRightOnlyForTheirNumber()
    {
        QFETCH(int, level);
        const int n = colorCount(level);
        launch();
        frmPsychicColorTestDisplay* play = proceed(level);
        const QList<QPushButton*> buttons = buttonsOf(*play, level);
        int waits = 0;
        fake->pause->during = [&](QWidget* w) {
            ++waits;
            QCOMPARE(w, static_cast<QWidget*>(play));
            QVERIFY(play->picMessage->isVisible());
            QCOMPARE(play->lblWait->text(), QStringLiteral("Please Wait ..."));
        };

        QCOMPARE(guess(buttons.last(), rFor(n, n)).text, QString::fromLatin1(kRightAnswerText));
        QCOMPARE(play->lblScore->text(), QStringLiteral("Correct"));
        QCOMPARE(guess(buttons.last(), rFor(n - 1, n)).text, QString::fromLatin1(kWrongAnswerText));
        QCOMPARE(guess(buttons.first(), rFor(1, n)).text, QString::fromLatin1(kRightAnswerText));
        const Verdict wrong = guess(buttons.first(), rFor(2, n));
        QCOMPARE(wrong.text, QString::fromLatin1(kWrongAnswerText));
        QCOMPARE(wrong.name, QStringLiteral("Result")); // the drawn colour is never shown, so never named
        QCOMPARE(play->lblScore->text(), QStringLiteral("Incorrect"));

        QCOMPARE(waits, 4);
        QCOMPARE(fake->random->draws, 4); // one draw per guess, after the click
        QVERIFY(!frmPsychicColorTestResult::isLoaded());
        Counters correct{}, attempts{};
        correct[level] = 2;
        attempts[level] = 4;
        QCOMPARE(colorCorrect, correct);
        QCOMPARE(colorAttempts, attempts);
    }

    void aWrongGuessAfterARightOneShowsOnlyTheWrongVerdict()
    {
        launch();
        frmPsychicColorTestDisplay* play = proceed(Expert);
        const Verdict right = guess(play->cmdExpert[6], rFor(7, 20));
        QCOMPARE(right.color, QColor(0, 128, 0));
        QVERIFY(right.frameless);
        const Verdict wrong = guess(play->cmdExpert[6], rFor(8, 20));
        QCOMPARE(wrong.text, QString::fromLatin1(kWrongAnswerText));
        QCOMPARE(wrong.color, QColor(128, 0, 0));
    }

    void aSaturatedCounterStillCompletesTheGuess()
    {
        colorCorrect[Beginner] = 32767;
        colorAttempts[Beginner] = 32767;
        launch();
        frmPsychicColorTestDisplay* play = proceed(Beginner);
        QCOMPARE(guess(play->cmdBeginner[2], rFor(3, 5)).text, QString::fromLatin1(kRightAnswerText));
        QCOMPARE(colorCorrect, (Counters{32767, 0, 0}));
        QCOMPARE(colorAttempts, (Counters{32767, 0, 0}));
        QVERIFY(play->isWindowVisible());
    }

    void closingDuringThePauseClosesAfterTheGuess()
    {
        launch();
        frmPsychicColorTestDisplay* play = proceed(Beginner);
        fake->pause->during = [](QWidget*) { frmPsychicColorTestDisplay::unloadIfLoaded(); };
        const modal::AnswerEvery feedback(QStringLiteral("TRY AGAIN"));
        click(play->cmdBeginner[0]);
        QCOMPARE(feedback.count(), 1);
        QVERIFY(!frmPsychicColorTestDisplay::isLoaded());
        QCOMPARE(colorAttempts, (Counters{1, 0, 0}));
        QVERIFY(mdi->isWelcomePanelVisible());
    }

    // ---- leaving ------------------------------------------------------

    void backReturnsHomeWithItsLevel()
    {
        frmPsychicColorTestMain& home = launch();
        frmPsychicColorTestDisplay* play = proceed(Intermediate);
        guess(play->cmdIntermediate[0], rFor(1, 10));
        click(play->cmdOK);
        modal::flushDeletes();
        QVERIFY(!frmPsychicColorTestDisplay::isLoaded());
        QVERIFY(home.isWindowVisible());
        QVERIFY(home.optLevel[Intermediate]->isChecked());
        QVERIFY(!mdi->isWelcomePanelVisible());

        // The menu's Back does the same.
        play = proceed(Expert);
        play->menus.command("mnuFileBack")->trigger();
        QVERIFY(home.isWindowVisible() && home.optLevel[Expert]->isChecked());
    }

    void exitLeavesHomeHiddenAndCountersSurviveARelaunch()
    {
        frmPsychicColorTestMain& home = launch();
        frmPsychicColorTestDisplay* play = proceed(Beginner);
        guess(play->cmdBeginner[4], rFor(5, 5));
        guess(play->cmdBeginner[4], rFor(1, 5));
        click(play->cmdExit);
        QVERIFY(!frmPsychicColorTestDisplay::isLoaded());
        QVERIFY(frmPsychicColorTestMain::isLoaded() && !home.isWindowVisible());
        QVERIFY(mdi->isWelcomePanelVisible());

        frmPsychicColorTestMain& again = launch();
        click(again.cmdScore);
        QVERIFY(again.txtScore->text().startsWith(QStringLiteral("Beginner Level\r\n1 Correct Out Of 2\r\n")));
        click(again.cmdExit);
        QVERIFY(!frmPsychicColorTestMain::isLoaded());
        QVERIFY(mdi->isWelcomePanelVisible());
    }

    void escapeAndEnterExitThePlayWindow()
    {
        launch();
        proceed(Beginner);
        QVERIFY(QTest::qWaitForWindowActive(mdi.get()));
        pressKey(Qt::Key_Escape);
        QVERIFY(!frmPsychicColorTestDisplay::isLoaded());
    }

    // Each level opens with Exit holding the focus, no colour singled out;
    // Tab never lands on a colour of a hidden level, and a colour chosen by
    // keyboard counts at the level shown.
    void keysWorkOnTheLevelShown_data()
    {
        QTest::addColumn<int>("level");
        QTest::newRow("Beginner") << int(Beginner);
        QTest::newRow("Intermediate") << int(Intermediate);
        QTest::newRow("Expert") << int(Expert);
    }
    void keysWorkOnTheLevelShown()
    {
        QFETCH(int, level);
        launch();
        frmPsychicColorTestDisplay* play = proceed(level);
        QVERIFY(QTest::qWaitForWindowActive(mdi.get()));
        QCOMPARE(QApplication::focusWidget(), play->cmdExit);
        for (int i = 0; i < 40; ++i) {
            pressKey(Qt::Key_Tab);
            QVERIFY(QApplication::focusWidget()->isVisible());
        }
        auto* last = play->levels[level].panel->findChildren<QPushButton*>().last();
        QVERIFY(tabTo(last));
        fake->random->script = {rFor(colorCount(level), colorCount(level))};
        {
            const modal::Answer feedback(QStringLiteral("TRY AGAIN"));
            pressKey(Qt::Key_Return);
            QVERIFY(feedback.answered());
        }
        Counters expected{};
        expected[level] = 1;
        QCOMPARE(colorAttempts, expected);
        QCOMPARE(colorCorrect, expected);

        // Back from the feedback window the focus is on that colour again:
        // Enter guesses with it once more.
        QVERIFY(activate(mdi.get()));
        QCOMPARE(QApplication::focusWidget(), last);
        {
            const modal::Answer feedback(QStringLiteral("TRY AGAIN"));
            pressKey(Qt::Key_Return);
            QVERIFY(feedback.answered());
        }
        QCOMPARE(colorAttempts[level], qint16(2));
    }

    // While a guess runs no other one starts, whatever asks: here a screen
    // reader's press on another colour and a click on a third, both during
    // the pause.
    void noSecondGuessWhileOneRuns()
    {
        launch();
        frmPsychicColorTestDisplay* play = proceed(Intermediate);
        fake->random->script = {rFor(1, 10), rFor(2, 10), rFor(3, 10)};
        fake->pause->during = [play](QWidget*) {
            QAccessibleInterface* other = QAccessible::queryAccessibleInterface(play->cmdIntermediate[1]);
            other->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
            QTRY_VERIFY(!play->cmdIntermediate[1]->isDown()); // the press has been made
            play->cmdIntermediate[2]->click();
        };
        const modal::AnswerEvery feedback(QStringLiteral("TRY AGAIN"));
        click(play->cmdIntermediate[0]);
        modal::flushDeletes();
        QCOMPARE(feedback.count(), 1);
        QCOMPARE(fake->pause->count, 1);
        QCOMPARE(colorAttempts, (Counters{0, 1, 0}));
        QCOMPARE(colorCorrect, (Counters{0, 1, 0}));
    }

    // A close of the main window asked for during the pause ends the program
    // once the guess is counted.
    void closeOfTheMainWindowDuringThePause()
    {
        launch();
        frmPsychicColorTestDisplay* play = proceed(Beginner);
        fake->pause->during = [this](QWidget*) { QCoreApplication::postEvent(mdi->windowHandle(), new QCloseEvent); };
        const modal::AnswerEvery feedback(QStringLiteral("TRY AGAIN"));
        click(play->cmdBeginner[0]);
        QCOMPARE(colorAttempts, (Counters{1, 0, 0}));
        QVERIFY(!frmPsychicColorTestDisplay::isLoaded());
        QCOMPARE(fake->process->ends, 1);
    }
};

QTEST_MAIN(TestColorTest)
#include "tst_colortest.moc"

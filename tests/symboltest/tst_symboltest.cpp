// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

// The symbol test driven as a user drives it: launched from the main window,
// the level chosen in the option dialog, symbols clicked, the feedback and
// score windows read and answered. Random draws are scripted and the guess
// pause is instant.

#include "app/frmMDI.h"
#include "images/PictureStore.h"
#include "shell/Feedback.h"
#include "shell/TextBox.h"
#include "shell/Twips.h"
#include "shell/modHelp.h"
#include "support/FakePlatform.h"
#include "support/MainWindowFixture.h"
#include "support/Modal.h"
#include "symboltest/SymbolControls.h"
#include "symboltest/SymbolPictures.h"
#include "symboltest/frmPsychicSymbolTestMain.h"
#include "symboltest/frmPsychicSymbolTestResult.h"
#include "symboltest/frmPsychicSymbolTestSelectOption.h"
#include "symboltest/modSymbolTest.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSvgRenderer>
#include <QTextCursor>
#include <QTextDocument>
#include <QtTest>

#include <algorithm>
#include <memory>

using namespace modSymbolTest;

namespace {

QStringList namesOfList(int level)
{
    QStringList names;
    for (int k = 1; k <= listSize(level); ++k)
        names << symbolName(*pictureOfList(level, k));
    return names;
}

template <typename Choices>
QStringList accessibleNames(const Choices& choices)
{
    QStringList names;
    for (const SymbolChoice* choice : choices)
        names << choice->accessibleName();
    return names;
}

frmPsychicSymbolTestSelectOption* asOptions(QWidget* w)
{
    return dynamic_cast<frmPsychicSymbolTestSelectOption*>(w);
}

} // namespace

class TestSymbolTest : public QObject, public MainWindowFixture {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    // Rules, without windows.
    void scoreTextIsExact();
    void drawJudgeAndCount();
    void countersStopAt32767();
    void imageListsFollowTheLevelTable();
    void picturesAreDrawnOnceAndShared();
    void clipboardTextFromTheScoreBox();

    // Launch and the option dialog.
    void launchAsksForTheLevelOnce();
    void dialogClosedWithoutOkAsksAgainOnNextActivation();
    void noOptionSelectedWarnsAndKeepsTheCover();
    void escapeOnTheLevelPanelClosesWithoutChoosing();

    // Guesses.
    void correctGuessCountsBothAtItsLevelOnly();
    void wrongGuessCountsOnlyTheAttempt();
    void expertLowerRowAndTheHexagram();
    void fullCountersStayAndTheGuessStillRuns();
    void choicesWorkFromTheKeyboard();
    void levelFromTheKeyboardStartsAtTheSelectedOption();
    void theChosenLevelOpensOnItsScore();
    void closingDuringThePauseClosesAfterTheGuess();

    // Level of Difficulty, Score, Exit.
    void levelOfDifficultyPutsTheMysteryBoxBack();
    void scoreOkThenLevelOfDifficulty();
    void allFourScoreCommandsGiveTheSameText();
    void exitAndRelaunchKeepTheCounters();
    void relaunchAfterTheScoreAsksForTheLevel();
    void hiddenLevelsIgnoreAScreenReaderPress();
    void keypadEnterOnTheScoreTextMeansOk();
    void aboutOverAFocusedChoiceGivesTheFocusBack();

    // The clipboard guard of the score box.
    void clipboardGuardEmptiesOnlyScoreText();
    // A screen reader's press on Exit, or a close, while the Score dialog is open.
    void scoreDialogNeverOutlivesThePlayWindow();

private:
    frmPsychicSymbolTestMain& play() { return frmPsychicSymbolTestMain::get(); }
    void activatePlayWindow();
    void activateOtherThenPlayWindow();
    // Launches the symbol test; `choose` sees the option dialog, then OK.
    void launch(const std::function<void(frmPsychicSymbolTestSelectOption&)>& choose = {});
    // Clicks a choice and answers the feedback window; returns its message.
    QString guess(SymbolChoice* choice, QColor* color = nullptr);
    // Runs a Score command and returns the text it shows.
    QString score(const std::function<void()>& command);

    QMdiSubWindow* other = nullptr;
};

void TestSymbolTest::init()
{
    useFakeDesktop();
    symbolCorrect = {};
    symbolAttempts = {};
    beginnerSymbol = intermediateSymbol = expertSymbol = 0;
    SymbolLevelChosen = false;
    showMainWindow();
    other = nullptr;
}

void TestSymbolTest::cleanup()
{
    endMainWindow();
    QVERIFY(!frmPsychicSymbolTestMain::isLoaded());
    QVERIFY(!frmPsychicSymbolTestSelectOption::isLoaded());
    QVERIFY(!frmPsychicSymbolTestResult::isLoaded());
}

void TestSymbolTest::activatePlayWindow()
{
    emit mdi->mdiArea->subWindowActivated(play().subWindow());
}

void TestSymbolTest::activateOtherThenPlayWindow()
{
    // Another child window in between: only a change of the active child
    // counts as the play window becoming active again.
    if (!other) {
        other = mdi->mdiArea->addSubWindow(new QWidget);
        other->show();
    }
    emit mdi->mdiArea->subWindowActivated(other);
    QCoreApplication::processEvents();
    mdi->mdiArea->setActiveSubWindow(play().subWindow());
    activatePlayWindow();
}

void TestSymbolTest::launch(const std::function<void(frmPsychicSymbolTestSelectOption&)>& choose)
{
    int asked = 0;
    const modal::Answer answer(QStringLiteral("cmdOk"), [&](QWidget* w) {
        ++asked;
        QVERIFY(asOptions(w));
        if (choose)
            choose(*asOptions(w));
    });
    QTest::mouseClick(mdi->cmdSelectOption[2], Qt::LeftButton);
    QVERIFY(frmPsychicSymbolTestMain::isLoaded());
    activatePlayWindow();
    QTRY_COMPARE(asked, 1);
    QVERIFY(SymbolLevelChosen);
}

QString TestSymbolTest::guess(SymbolChoice* choice, QColor* color)
{
    QString message;
    const modal::Answer answer(QStringLiteral("TRY AGAIN"), [&](QWidget* w) {
        auto* label = w->findChild<QLabel*>(QStringLiteral("lblResult"));
        message = label->text();
        if (color)
            *color = label->palette().color(QPalette::WindowText);
    });
    QTest::mouseClick(choice, Qt::LeftButton);
    return message;
}

QString TestSymbolTest::score(const std::function<void()>& command)
{
    QString text;
    bool scorePanel = false;
    const modal::Answer answer(QStringLiteral("cmdOkScore"), [&](QWidget* w) {
        frmPsychicSymbolTestSelectOption* options = asOptions(w);
        scorePanel = options && options->isScorePanelInFront() && options->fraScore->isVisible();
        text = options ? options->txtTotalScore->text() : QString();
    });
    command();
    [&] { QVERIFY(scorePanel); }();
    return text;
}

// ---- Rules -----------------------------------------------------------------

void TestSymbolTest::scoreTextIsExact()
{
    QCOMPARE(scoreText(), QStringLiteral("\r\n\r\nBeginner level :-  0 Correct Out Of 0 Attempts"
                                         "\r\n\r\nIntermediate Level :-  0 Correct Out Of 0 Attempts"
                                         "\r\n\r\nExpert level :-  0 Correct Out Of 0 Attempts"));
    QCOMPARE(scoreText({2, 0, 0}, {5, 0, 1}),
             QStringLiteral("\r\n\r\nBeginner level :-  2 Correct Out Of 5 Attempts"
                            "\r\n\r\nIntermediate Level :-  0 Correct Out Of 0 Attempts"
                            "\r\n\r\nExpert level :-  0 Correct Out Of 1 Attempts"));
    const QString full = scoreText({32767, 10, 0}, {32767, 100, 32767});
    QVERIFY(full.contains(QStringLiteral("Beginner level :-  32767 Correct Out Of 32767 Attempts")));
    QVERIFY(full.contains(QStringLiteral("Intermediate Level :-  10 Correct Out Of 100 Attempts")));
    QCOMPARE(full.split(QStringLiteral("\r\n")).size(), 7);
    QVERIFY(!full.endsWith(QLatin1Char('\n')));
}

void TestSymbolTest::drawJudgeAndCount()
{
    QCOMPARE(symbolsAtLevel(Beginner), 5);
    QCOMPARE(symbolsAtLevel(Intermediate), 8);
    QCOMPARE(symbolsAtLevel(Expert), 10);
    QCOMPARE(symbolsAtLevel(3), 0);
    for (int level = 0; level < kLevelCount; ++level) {
        const int n = symbolsAtLevel(level);
        QCOMPARE(drawSymbol(0.0, level), 1);
        QCOMPARE(drawSymbol(0.999999, level), n);
        for (int d = 1; d <= n; ++d)
            QCOMPARE(drawSymbol(rFor(d, n), level), d);
    }
    QCOMPARE(drawSymbol(0.6, Beginner), 4); // int(0.6 * 5 + 1)

    QVERIFY(isRightSymbol(1, 0));
    QVERIFY(isRightSymbol(10, 9));
    QVERIFY(!isRightSymbol(2, 2));

    countGuess(Intermediate, true);
    countGuess(Intermediate, false);
    countGuess(Expert, false);
    QCOMPARE(symbolCorrect, (LevelCounters{0, 1, 0}));
    QCOMPARE(symbolAttempts, (LevelCounters{0, 2, 1}));

    QCOMPARE(&lastDrawnSymbol(Beginner), &beginnerSymbol);
    QCOMPARE(&lastDrawnSymbol(Intermediate), &intermediateSymbol);
    QCOMPARE(&lastDrawnSymbol(Expert), &expertSymbol);
}

void TestSymbolTest::countersStopAt32767()
{
    symbolCorrect = {32767, 32766, 0};
    symbolAttempts = {32767, 32767, 32767};
    countGuess(Beginner, true);
    countGuess(Intermediate, true);
    countGuess(Expert, true);
    QCOMPARE(symbolCorrect, (LevelCounters{32767, 32767, 1}));
    QCOMPARE(symbolAttempts, (LevelCounters{32767, 32767, 32767}));
}

void TestSymbolTest::imageListsFollowTheLevelTable()
{
    QCOMPARE(namesOfList(Beginner), QStringList({"Circle", "Cross", "Square", "Star", "Waves", "Mystery box"}));
    QCOMPARE(namesOfList(Intermediate),
             QStringList({"Circle", "Cross", "Square", "Star", "Triple swirl", "Celtic knot", "Hexagram", "Pyramid"}));
    QCOMPARE(namesOfList(Expert), QStringList({"Circle", "Cross", "Square", "Star", "Mandala", "Celtic knot",
                                               "Triquetra", "Ring", "Hexagram", "Pyramid"}));
    QCOMPARE(*pictureOfList(Beginner, kMysteryBoxPicture), Symbol::MysteryBox);
    QVERIFY(!pictureOfList(Beginner, 0));
    QVERIFY(!pictureOfList(Expert, 11));
    QVERIFY(!pictureOfList(3, 1));

    QCOMPARE(IMGBiggener().count(), 6);
    QCOMPARE(IMGIntermediate().count(), 8);
    QCOMPARE(IMGExpert().count(), 10);
    for (int level = 0; level < kLevelCount; ++level) {
        QCOMPARE(levelPictures(level).count(), listSize(level));
        QVERIFY(listSize(level) >= symbolsAtLevel(level));
    }

    // Every drawing is there and parses.
    for (int s = 0; s <= static_cast<int>(Symbol::MysteryBox); ++s) {
        QSvgRenderer renderer(symbolResource(static_cast<Symbol>(s)));
        QVERIFY2(renderer.isValid(), qPrintable(symbolResource(static_cast<Symbol>(s))));
    }
}

void TestSymbolTest::picturesAreDrawnOnceAndShared()
{
    QCOMPARE(&IMGBiggener(), &IMGBiggener());
    QCOMPARE(IMGExpert().size(), QSize(100, 100));
    // One picture per number, drawn once and then handed out again.
    QCOMPARE(IMGExpert().picture(3).cacheKey(), IMGExpert().picture(3).cacheKey());
    QCOMPARE(IMGExpert().picture(3, 2.0).size(), QSize(200, 200));

    // Within a list no two numbers show the same picture, and symbols shared
    // between lists look the same in each.
    for (int level = 0; level < kLevelCount; ++level) {
        const PictureStore& list = levelPictures(level);
        for (int a = 1; a <= list.count(); ++a)
            for (int b = a + 1; b <= list.count(); ++b)
                QVERIFY2(list.picture(a).toImage() != list.picture(b).toImage(),
                         qPrintable(QStringLiteral("level %1: %2 and %3").arg(level).arg(a).arg(b)));
    }
    for (int k = 1; k <= 4; ++k) {
        QCOMPARE(IMGIntermediate().picture(k).toImage(), IMGBiggener().picture(k).toImage());
        QCOMPARE(IMGExpert().picture(k).toImage(), IMGBiggener().picture(k).toImage());
    }
    QCOMPARE(IMGExpert().picture(6).toImage(), IMGIntermediate().picture(6).toImage());  // Celtic knot
    QCOMPARE(IMGExpert().picture(9).toImage(), IMGIntermediate().picture(7).toImage());  // hexagram
    QCOMPARE(IMGExpert().picture(10).toImage(), IMGIntermediate().picture(8).toImage()); // pyramid
}

void TestSymbolTest::clipboardTextFromTheScoreBox()
{
    ScoreBoxTexts box;
    QVERIFY(!box.cameFromBox(QStringLiteral("0")));
    // The box's selection has paragraph separators; the clipboard line feeds.
    box.remember(QStringLiteral("5 Attempts\u2029\u2029Intermediate"));
    QVERIFY(box.cameFromBox(QStringLiteral("5 Attempts\n\nIntermediate")));
    QVERIFY(box.cameFromBox(QStringLiteral("5 Attempts\r\n\r\nIntermediate")));
    // Part of the score, but never selected in the box: someone else's.
    QVERIFY(!box.cameFromBox(QStringLiteral("0")));
    QVERIFY(!box.cameFromBox(QStringLiteral("Attempts")));
    box.remember(QStringLiteral("\r\n"));
    QVERIFY(!box.cameFromBox(QStringLiteral("\r\n")));
    QVERIFY(!box.cameFromBox(QString()));
    // A long drag: the latest selections are kept, the last one always.
    for (int i = 0; i < 100; ++i)
        box.remember(QString::number(i));
    QVERIFY(box.cameFromBox(QStringLiteral("99")));
    QVERIFY(!box.cameFromBox(QStringLiteral("5 Attempts\n\nIntermediate")));
}

// ---- Launch and the option dialog ---------------------------------------------

void TestSymbolTest::launchAsksForTheLevelOnce()
{
    bool coverUnderDialog = false;
    launch([&](frmPsychicSymbolTestSelectOption& options) {
        QCOMPARE(options.windowTitle(), QStringLiteral("Sorvek Psychic Symbol Test"));
        QVERIFY(options.isModal());
        QVERIFY(!options.isScorePanelInFront());
        QVERIFY(options.fraSelectoption->isVisible());
        QVERIFY(options.optBeginner->isChecked());
        QVERIFY(options.txtTotalScore->toPlainText().isEmpty());
        coverUnderDialog = play().isWindowVisible() && play().frontPanel() == play().raCover &&
                           play().raCover->isVisible() && !mdi->isWelcomePanelVisible();
        QTest::mouseClick(options.optExpert, Qt::LeftButton);
    });
    QVERIFY(coverUnderDialog);
    QCOMPARE(play().frontPanel(), play().fraExpert);
    QVERIFY(play().fraExpert->isVisible());
    QVERIFY(!play().raCover->isVisible());
    QCOMPARE(accessibleNames(play().picExpert), namesOfList(Expert));
    for (SymbolChoice* choice : play().picExpert)
        QVERIFY(choice->isVisible());
    QVERIFY(!frmPsychicSymbolTestSelectOption::isLoaded()); // OK unloads it

    // The play window becoming active again does not ask again.
    activateOtherThenPlayWindow();
    QTest::qWait(50);
    QVERIFY(!frmPsychicSymbolTestSelectOption::isLoaded());
    QCOMPARE(play().frontPanel(), play().fraExpert);

    // The play window's menus are in the main window's bar.
    QVERIFY(play().menus.command("mnuScore")->shortcut() == QKeySequence(Qt::CTRL | Qt::Key_S));
    QVERIFY(play().menus.command("mnuDifficulty")->shortcut() == QKeySequence(Qt::CTRL | Qt::Key_D));
    QCOMPARE(play().menus.command("mnuScore")->text(), QStringLiteral("Score..."));
    QCOMPARE(play().menus.command("mnuDifficulty")->text(), QStringLiteral("Level of Difficulty..."));
}

void TestSymbolTest::dialogClosedWithoutOkAsksAgainOnNextActivation()
{
    // Closed by its close box, as a user who changed their mind does.
    modal::Answer close(QString(), [](QWidget* window) { window->close(); });
    QTest::mouseClick(mdi->cmdSelectOption[2], Qt::LeftButton);
    activatePlayWindow();
    QTRY_VERIFY(!frmPsychicSymbolTestSelectOption::isLoaded() && frmPsychicSymbolTestMain::isLoaded() &&
                !QApplication::activeModalWidget());
    QTest::qWait(20);
    QVERIFY(!SymbolLevelChosen);
    QCOMPARE(play().frontPanel(), play().raCover);
    // Closing the dialog does not bring it straight back.
    QVERIFY(!frmPsychicSymbolTestSelectOption::isLoaded());

    int asked = 0;
    const modal::Answer answer(QStringLiteral("cmdOk"), [&](QWidget* w) {
        ++asked;
        QVERIFY(asOptions(w)->optBeginner->isChecked());
        QTest::mouseClick(asOptions(w)->optIntermediate, Qt::LeftButton);
    });
    activateOtherThenPlayWindow();
    QTRY_COMPARE(asked, 1);
    QVERIFY(SymbolLevelChosen);
    QCOMPARE(play().frontPanel(), play().fraIntermediate);
    QCOMPARE(accessibleNames(play().PicIntermediate), namesOfList(Intermediate));
}

void TestSymbolTest::noOptionSelectedWarnsAndKeepsTheCover()
{
    launch([](frmPsychicSymbolTestSelectOption& options) {
        // Not reachable with the mouse: take away the group's one selection.
        for (QRadioButton* option : {options.optBeginner, options.optIntermediate, options.optExpert}) {
            option->setAutoExclusive(false);
            option->setChecked(false);
        }
    });
    QCOMPARE(fake->messageBoxes->shown.size(), 1);
    QCOMPARE(fake->messageBoxes->shown[0].kind, QStringLiteral("critical"));
    QCOMPARE(fake->messageBoxes->shown[0].text, QStringLiteral("Please Select An option"));
    QVERIFY(!frmPsychicSymbolTestSelectOption::isLoaded());
    QVERIFY(SymbolLevelChosen);
    QCOMPARE(play().frontPanel(), play().raCover);
}

void TestSymbolTest::escapeOnTheLevelPanelClosesWithoutChoosing()
{
    bool escaped = false;
    modal::Answer escape(QString(), [&](QWidget* window) {
        escaped = asOptions(window) != nullptr;
        QTest::keyClick(window, Qt::Key_Escape);
    });
    QTest::mouseClick(mdi->cmdSelectOption[2], Qt::LeftButton);
    activatePlayWindow();
    QTRY_VERIFY(escaped);
    QTRY_VERIFY(!frmPsychicSymbolTestSelectOption::isLoaded());
    QVERIFY(!SymbolLevelChosen);
    QCOMPARE(play().frontPanel(), play().raCover);
}

// ---- Guesses --------------------------------------------------------------------

void TestSymbolTest::correctGuessCountsBothAtItsLevelOnly()
{
    launch(); // Beginner
    QCOMPARE(play().frontPanel(), play().fraBeginner);
    QCOMPARE(accessibleNames(play().cmdZener), QStringList({"Circle", "Cross", "Square", "Star", "Waves"}));
    for (SymbolBox* box : {play().picZenerSymbol, play().PicIntermediateResult, play().picExpertResult})
        QCOMPARE(box->accessibleName(), QStringLiteral("Mystery box"));

    bool waitShown = false;
    fake->pause->during = [&](QWidget* window) {
        frmPsychicSymbolTestMain& w = play();
        waitShown = window == &w && w.picMessage->isVisible() && w.Label7->text() == "Please Wait ..." &&
                    w.picMessage->parentWidget()->children().last() == w.picMessage && w.lblScore->text().isEmpty();
    };
    fake->random->script = {rFor(3, 5)};
    QColor color;
    const QString message = guess(play().cmdZener[2], &color);

    QVERIFY(waitShown);
    QCOMPARE(fake->pause->count, 1);
    QCOMPARE(message, QString::fromLatin1(kRightAnswerText));
    QCOMPARE(color, QColor(0, 128, 0));
    QCOMPARE(play().lblScore->text(), QStringLiteral("Correct"));
    QVERIFY(!play().lblScore->isVisible());
    QVERIFY(!play().picMessage->isVisible());
    QCOMPARE(symbolCorrect, (LevelCounters{1, 0, 0}));
    QCOMPARE(symbolAttempts, (LevelCounters{1, 0, 0}));
    QCOMPARE(beginnerSymbol, qint16(3));
    QCOMPARE(intermediateSymbol, qint16(0));

    // The drawn symbol stays revealed after TRY AGAIN, and looks like its choice.
    QTRY_VERIFY(!frmPsychicSymbolTestResult::isLoaded());
    QCOMPARE(play().picZenerSymbol->accessibleName(), QStringLiteral("Square"));
    QCOMPARE(play().picZenerSymbol->pixmap(1.0).cacheKey(), play().cmdZener[2]->pixmap(1.0).cacheKey());
    QCOMPARE(play().PicIntermediateResult->accessibleName(), QStringLiteral("Mystery box"));
    QCOMPARE(play().picExpertResult->accessibleName(), QStringLiteral("Mystery box"));
}

void TestSymbolTest::wrongGuessCountsOnlyTheAttempt()
{
    launch([](frmPsychicSymbolTestSelectOption& o) { QTest::mouseClick(o.optIntermediate, Qt::LeftButton); });
    fake->random->script = {rFor(1, 8)};
    QColor color;
    const QString message = guess(play().PicIntermediate[4], &color); // the triple swirl
    QCOMPARE(message, QString::fromLatin1(kWrongAnswerText));
    QCOMPARE(color, QColor(128, 0, 0));
    QCOMPARE(play().lblScore->text(), QStringLiteral("Incorrect"));
    QCOMPARE(symbolCorrect, (LevelCounters{0, 0, 0}));
    QCOMPARE(symbolAttempts, (LevelCounters{0, 1, 0}));
    QCOMPARE(intermediateSymbol, qint16(1));
    QCOMPARE(play().PicIntermediateResult->accessibleName(), QStringLiteral("Circle"));
    QCOMPARE(play().picZenerSymbol->accessibleName(), QStringLiteral("Mystery box"));
    QCOMPARE(play().picExpertResult->accessibleName(), QStringLiteral("Mystery box"));

    // The next verdict replaces the last one entirely.
    fake->random->script = {rFor(5, 8)};
    QCOMPARE(guess(play().PicIntermediate[4], &color), QString::fromLatin1(kRightAnswerText));
    QCOMPARE(color, QColor(0, 128, 0));
    QCOMPARE(play().PicIntermediateResult->accessibleName(), QStringLiteral("Triple swirl"));
    QCOMPARE(symbolCorrect, (LevelCounters{0, 1, 0}));
    QCOMPARE(symbolAttempts, (LevelCounters{0, 2, 0}));
}

void TestSymbolTest::expertLowerRowAndTheHexagram()
{
    launch([](frmPsychicSymbolTestSelectOption& o) { QTest::mouseClick(o.optExpert, Qt::LeftButton); });
    // The lower row, as seen from left to right.
    QList<SymbolChoice*> lower;
    for (SymbolChoice* choice : play().picExpert) {
        if (choice->geometry().top() == twips::toPixels(3120))
            lower << choice;
    }
    std::sort(lower.begin(), lower.end(), [](SymbolChoice* a, SymbolChoice* b) { return a->x() < b->x(); });
    QCOMPARE(accessibleNames(lower),
             QStringList({"Mandala", "Celtic knot", "Triquetra", "Ring", "Hexagram", "Pyramid"}));
    // The "Result" frame sits at the top centre, between the upper pairs.
    const QRect frame = play().Frame8->geometry();
    QVERIFY(frame.left() > play().picExpert[1]->geometry().right());
    QVERIFY(frame.right() < play().picExpert[2]->geometry().left());

    SymbolChoice* hexagram = lower[4];
    fake->random->script = {rFor(9, 10)};
    QCOMPARE(guess(hexagram), QString::fromLatin1(kRightAnswerText));
    QCOMPARE(play().picExpertResult->accessibleName(), QStringLiteral("Hexagram"));
    QCOMPARE(play().picExpertResult->pixmap(1.0).cacheKey(), hexagram->pixmap(1.0).cacheKey());
    QCOMPARE(symbolCorrect, (LevelCounters{0, 0, 1}));
    QCOMPARE(symbolAttempts, (LevelCounters{0, 0, 1}));
    QCOMPARE(expertSymbol, qint16(9));
}

void TestSymbolTest::fullCountersStayAndTheGuessStillRuns()
{
    launch();
    symbolCorrect = {32767, 0, 0};
    symbolAttempts = {32767, 0, 0};
    fake->random->script = {rFor(5, 5)};
    QCOMPARE(guess(play().cmdZener[4]), QString::fromLatin1(kRightAnswerText));
    QCOMPARE(symbolCorrect, (LevelCounters{32767, 0, 0}));
    QCOMPARE(symbolAttempts, (LevelCounters{32767, 0, 0}));
    QCOMPARE(play().lblScore->text(), QStringLiteral("Correct"));
    QCOMPARE(play().picZenerSymbol->accessibleName(), QStringLiteral("Waves"));
    QVERIFY(!play().picMessage->isVisible());

    // Attempts full, correct not yet: the correct guess is still counted.
    symbolCorrect = {32766, 0, 0};
    fake->random->script = {rFor(1, 5)};
    guess(play().cmdZener[0]);
    QCOMPARE(symbolCorrect, (LevelCounters{32767, 0, 0}));
    QCOMPARE(symbolAttempts, (LevelCounters{32767, 0, 0}));
    QVERIFY(score([&] {
                play().mnuScore_Click();
            }).contains(QStringLiteral("Beginner level :-  32767 Correct Out Of 32767 Attempts")));
}

void TestSymbolTest::choicesWorkFromTheKeyboard()
{
    launch();
    SymbolChoice* star = play().cmdZener[3];
    QCOMPARE(star->focusPolicy(), Qt::TabFocus); // a click does not single it out
    fake->random->script = {rFor(4, 5)};
    const modal::Answer answer(QStringLiteral("TRY AGAIN"));
    QTest::keyClick(star, Qt::Key_Space);
    QTRY_COMPARE(symbolAttempts[0], qint16(1));
    QCOMPARE(symbolCorrect[0], qint16(1));

    fake->random->script = {rFor(1, 5)};
    const modal::Answer answer2(QStringLiteral("TRY AGAIN"));
    QTest::keyClick(star, Qt::Key_Return);
    QTRY_COMPARE(symbolAttempts[0], qint16(2));
    QCOMPARE(symbolCorrect[0], qint16(1));
    QCOMPARE(play().picZenerSymbol->accessibleName(), QStringLiteral("Circle"));
}

void TestSymbolTest::levelFromTheKeyboardStartsAtTheSelectedOption()
{
    // The dialog opens on the selected option, so that a screen reader says
    // it; Down, Enter: the option after it. Tab goes on to OK.
    launch([](frmPsychicSymbolTestSelectOption& options) {
        QTRY_COMPARE(QApplication::focusWidget(), options.optBeginner);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), options.cmdOk);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), options.optBeginner);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QVERIFY(options.optIntermediate->isChecked());
    });
    QCOMPARE(play().frontPanel(), play().fraIntermediate);
}

void TestSymbolTest::theChosenLevelOpensOnItsScore()
{
    // Not the first control of the Tab order (the banner), nor a choice.
    launch([](frmPsychicSymbolTestSelectOption& options) { options.optExpert->setChecked(true); });
    QCOMPARE(play().focusWidget(), play().cmdExpertScore);

    const modal::Answer answer(QStringLiteral("cmdOk"),
                               [](QWidget* w) { asOptions(w)->optIntermediate->setChecked(true); });
    play().mnuDifficulty_Click();
    QVERIFY(answer.answered());
    QCOMPARE(play().focusWidget(), play().cmdIntermediateScore);
}

void TestSymbolTest::closingDuringThePauseClosesAfterTheGuess()
{
    launch();
    fake->pause->during = [](QWidget*) { frmPsychicSymbolTestMain::get().cmdExit_Click(); };
    fake->random->script = {rFor(1, 5)};
    {
        const modal::Answer feedback(QStringLiteral("TRY AGAIN"));
        QTest::mouseClick(play().cmdZener[0], Qt::LeftButton);
        QVERIFY(feedback.answered());
    }
    QVERIFY(!frmPsychicSymbolTestMain::isLoaded());
    QCOMPARE(symbolAttempts, (LevelCounters{1, 0, 0}));
    QVERIFY(mdi->isWelcomePanelVisible());
}

// ---- Level of Difficulty, Score, Exit ---------------------------------------------

void TestSymbolTest::levelOfDifficultyPutsTheMysteryBoxBack()
{
    launch([](frmPsychicSymbolTestSelectOption& o) { QTest::mouseClick(o.optExpert, Qt::LeftButton); });
    fake->random->script = {rFor(2, 10)};
    guess(play().picExpert[0]);
    QCOMPARE(play().picExpertResult->accessibleName(), QStringLiteral("Cross"));

    // Back, choosing Beginner (the default) again.
    bool asked = false;
    const modal::Answer answer(QStringLiteral("cmdOk"), [&](QWidget* w) {
        frmPsychicSymbolTestSelectOption* o = asOptions(w);
        asked = o && !o->isScorePanelInFront() && o->optBeginner->isChecked();
        // Already covered while the dialog asks.
        asked = asked && play().picExpertResult->accessibleName() == QStringLiteral("Mystery box");
    });
    QTest::mouseClick(play().cmdBack, Qt::LeftButton);
    QVERIFY(asked);
    QCOMPARE(play().frontPanel(), play().fraBeginner);

    fake->random->script = {rFor(4, 5)};
    guess(play().cmdZener[0]);
    QCOMPARE(play().picZenerSymbol->accessibleName(), QStringLiteral("Star"));

    // Ctrl+D's command, choosing the same level: the box is covered again.
    const modal::Answer answer2(QStringLiteral("cmdOk"));
    play().menus.command("mnuDifficulty")->trigger();
    QCOMPARE(play().frontPanel(), play().fraBeginner);
    for (SymbolBox* box : {play().picZenerSymbol, play().PicIntermediateResult, play().picExpertResult}) {
        QCOMPARE(box->accessibleName(), QStringLiteral("Mystery box"));
        QCOMPARE(box->pixmap(1.0).cacheKey(), IMGBiggener().picture(kMysteryBoxPicture).cacheKey());
    }
    QCOMPARE(symbolCorrect, (LevelCounters{0, 0, 0}));
    QCOMPARE(symbolAttempts, (LevelCounters{1, 0, 1}));
    QCOMPARE(beginnerSymbol, qint16(4)); // the last draw is remembered, only not shown
}

void TestSymbolTest::scoreOkThenLevelOfDifficulty()
{
    launch([](frmPsychicSymbolTestSelectOption& o) { QTest::mouseClick(o.optIntermediate, Qt::LeftButton); });
    fake->random->script = {rFor(3, 8)};
    guess(play().PicIntermediate[2]);
    const QString shown = score([&] { QTest::mouseClick(play().cmdIntermediateScore, Qt::LeftButton); });
    QCOMPARE(shown, scoreText({0, 1, 0}, {0, 1, 0}));

    // OK on the score panel hides the dialog; nothing else changes.
    QVERIFY(frmPsychicSymbolTestSelectOption::isLoaded());
    QVERIFY(!frmPsychicSymbolTestSelectOption::get().isVisible());
    QVERIFY(SymbolLevelChosen);
    QCOMPARE(play().frontPanel(), play().fraIntermediate);
    QCOMPARE(play().PicIntermediateResult->accessibleName(), QStringLiteral("Square"));

    bool levelPanel = false;
    QString behind;
    const modal::Answer answer(QStringLiteral("cmdOk"), [&](QWidget* w) {
        frmPsychicSymbolTestSelectOption* o = asOptions(w);
        levelPanel = o->fraSelectoption->isVisible() && !o->fraScore->isVisible() && o->optBeginner->isChecked();
        behind = o->txtTotalScore->text();
        QTest::mouseClick(o->optExpert, Qt::LeftButton);
    });
    play().mnuDifficulty_Click();
    QVERIFY(levelPanel);
    QCOMPARE(behind, shown);
    QCOMPARE(play().frontPanel(), play().fraExpert);
    QVERIFY(!frmPsychicSymbolTestSelectOption::isLoaded());
}

void TestSymbolTest::allFourScoreCommandsGiveTheSameText()
{
    launch();
    // Two right out of five at Beginner, then one wrong at Expert.
    const QList<double> draws{rFor(1, 5), rFor(2, 5), rFor(3, 5), rFor(4, 5), rFor(5, 5)};
    const QList<int> picks{0, 0, 2, 0, 0};
    for (int i = 0; i < draws.size(); ++i) {
        fake->random->script = {draws[i]};
        guess(play().cmdZener[picks[i]]);
    }
    const modal::Answer answer(QStringLiteral("cmdOk"),
                               [](QWidget* w) { QTest::mouseClick(asOptions(w)->optExpert, Qt::LeftButton); });
    play().cmdBack_Click();
    fake->random->script = {rFor(10, 10)};
    guess(play().picExpert[0]);

    const QString expected = scoreText({2, 0, 0}, {5, 0, 1});
    QCOMPARE(score([&] { QTest::mouseClick(play().cmdExpertScore, Qt::LeftButton); }), expected);
    QCOMPARE(score([&] { play().menus.command("mnuScore")->trigger(); }), expected);
    QCOMPARE(score([&] { play().cmdIntermediateScore->click(); }), expected);
    QCOMPARE(score([&] { play().cmdScore->click(); }), expected);
    // Esc on the score panel leaves it like OK.
    bool escaped = false;
    modal::Answer escape(QString(), [&](QWidget* window) {
        escaped = asOptions(window) != nullptr;
        QTest::keyClick(window, Qt::Key_Escape);
    });
    play().mnuScore_Click();
    QVERIFY(escaped);
    QVERIFY(frmPsychicSymbolTestSelectOption::isLoaded());
    QCOMPARE(play().frontPanel(), play().fraExpert);
}

void TestSymbolTest::exitAndRelaunchKeepTheCounters()
{
    launch();
    fake->random->script = {rFor(2, 5)};
    guess(play().cmdZener[1]);
    QTest::mouseClick(play().cmdExit, Qt::LeftButton);
    QVERIFY(!frmPsychicSymbolTestMain::isLoaded());
    QVERIFY(mdi->isWelcomePanelVisible());
    modal::flushDeletes();

    bool cover = false;
    launch([&](frmPsychicSymbolTestSelectOption& o) {
        cover = play().frontPanel() == play().raCover && o.optBeginner->isChecked();
        QTest::mouseClick(o.optIntermediate, Qt::LeftButton);
    });
    QVERIFY(cover);
    QCOMPARE(play().picZenerSymbol->accessibleName(), QStringLiteral("Mystery box"));
    QCOMPARE(beginnerSymbol, qint16(2));
    QCOMPARE(score([&] { play().mnuScore_Click(); }), scoreText({1, 0, 0}, {1, 0, 0}));

    // The menu's Exit does the same.
    play().menus.command("mnuExit")->trigger();
    QVERIFY(!frmPsychicSymbolTestMain::isLoaded());
    QVERIFY(mdi->isWelcomePanelVisible());
}

void TestSymbolTest::relaunchAfterTheScoreAsksForTheLevel()
{
    launch();
    score([&] { play().mnuScore_Click(); }); // the dialog stays loaded on its score panel
    // The launcher again, with the dialog as the score left it.
    bool levelPanel = false;
    launch([&](frmPsychicSymbolTestSelectOption& o) {
        levelPanel = !o.isScorePanelInFront() && o.optBeginner->isVisible() && o.cmdOk->isVisible();
    });
    QVERIFY2(levelPanel, "the relaunched test asked for the level on the score panel");
    QCOMPARE(play().frontPanel(), play().fraBeginner);
}

void TestSymbolTest::hiddenLevelsIgnoreAScreenReaderPress()
{
    launch([](frmPsychicSymbolTestSelectOption& o) { o.optIntermediate->setChecked(true); });
    const modal::AnswerEvery feedback(QStringLiteral("TRY AGAIN")); // should one open after all
    for (SymbolChoice* hidden : {play().cmdZener[0], play().picExpert[9]}) {
        QVERIFY(!hidden->isVisible());
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(hidden);
        QVERIFY(face && face->actionInterface());
        face->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCoreApplication::processEvents();
        QVERIFY2(symbolAttempts == (LevelCounters{0, 0, 0}),
                 qPrintable(hidden->objectName() + " of a hidden level took a guess"));
    }
    QCOMPARE(feedback.count(), 0);
}

void TestSymbolTest::keypadEnterOnTheScoreTextMeansOk()
{
    launch();
    bool closed = false;
    const modal::Answer answer(QString(), [&](QWidget* w) {
        frmPsychicSymbolTestSelectOption* o = asOptions(w);
        QVERIFY(o && o->isScorePanelInFront());
        o->txtTotalScore->setFocus();
        QTest::keyClick(o->txtTotalScore, Qt::Key_Enter, Qt::KeypadModifier);
        closed = !o->isVisible();
        if (!closed)
            o->cmdOkScore->click(); // so that the test goes on to report it
    });
    play().mnuScore_Click();
    QVERIFY2(closed, "keypad Enter on the score text did not press OK");
}

// ---- Clipboard guard ---------------------------------------------------------------

void TestSymbolTest::aboutOverAFocusedChoiceGivesTheFocusBack()
{
    // About opened from the menu while a symbol has the focus: once it
    // closes, the focus is back in the play window on a control one sees.
    launch();
    activate(mdi.get());
    SymbolChoice* star = play().cmdZener[3];
    QVERIFY(tabTo(star));
    {
        const modal::Answer about(QStringLiteral("cmdOK"));
        play().menus.help.mnuAbout->trigger();
        QVERIFY2(about.answered(), "About did not open");
    }
    QVERIFY(activate(mdi.get()));
    QWidget* focus = QApplication::focusWidget();
    QVERIFY2(focus && play().isAncestorOf(focus) && focus->isVisible(),
             qPrintable(
                 QStringLiteral("the focus went to %1").arg(focus ? focus->objectName() : QStringLiteral("nothing"))));
    QCOMPARE(symbolAttempts[0], qint16(0));
}

void TestSymbolTest::clipboardGuardEmptiesOnlyScoreText()
{
    launch();
    frmPsychicSymbolTestSelectOption& options = frmPsychicSymbolTestSelectOption::get();
    options.setScoreText(scoreText({2, 0, 0}, {5, 0, 1}));
    QWidget* box = options.txtTotalScore->viewport();
    const QPoint inside = box->rect().center();
    auto send = [&](QEvent::Type type) {
        QMouseEvent event(type, inside, box->mapToGlobal(inside),
                          type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(box, &event);
    };
    auto select = [&](const QString& text) {
        options.txtTotalScore->setTextCursor(options.txtTotalScore->document()->find(text));
        QCOMPARE(options.txtTotalScore->textCursor().selectedText(), text);
    };

    // What the user copied elsewhere survives every event of the box, even
    // a "0" that the score happens to contain.
    select(QStringLiteral("Correct Out Of 5"));
    fake->clipboard->contents = QStringLiteral("0");
    fake->clipboard->selection = QStringLiteral("the address of my dentist");
    send(QEvent::MouseMove);
    send(QEvent::MouseButtonPress);
    send(QEvent::MouseButtonRelease);
    options.setScoreText(scoreText());
    QCoreApplication::processEvents();
    QCOMPARE(fake->clipboard->clears + fake->clipboard->selectionClears, 0);
    QCOMPARE(fake->clipboard->contents, QStringLiteral("0"));

    // A "0" selected in the box, then the same "0" copied in another program:
    // the other program's, so it stays.
    select(QStringLiteral("0"));
    fake->clipboard->contents = QStringLiteral("0");
    send(QEvent::MouseMove);
    QCoreApplication::processEvents();
    QCOMPARE(fake->clipboard->contents, QStringLiteral("0"));

    // Text selected in the box and copied from it goes from the clipboard
    // and from the selection as soon as the pointer moves over the box.
    fake->clipboard->ownText = fake->clipboard->ownSelection = true;
    select(QStringLiteral("Expert level :-  0 Correct"));
    fake->clipboard->contents = fake->clipboard->selection = QStringLiteral("Expert level :-  0 Correct");
    send(QEvent::MouseMove);
    QVERIFY(fake->clipboard->contents.isEmpty() && fake->clipboard->selection.isEmpty());

    // Selected earlier, copied later: it still came from the box. A click
    // and a change of the text guard too.
    fake->clipboard->contents = QStringLiteral("Correct Out Of 5");
    send(QEvent::MouseButtonPress);
    QVERIFY(fake->clipboard->contents.isEmpty());
    fake->clipboard->selection = QStringLiteral("Expert level :-  0 Correct");
    options.setScoreText(scoreText({1, 1, 1}, {1, 1, 1}));
    QVERIFY(fake->clipboard->selection.isEmpty());
    // A selection made with the keys is guarded as one made with the mouse.
    options.txtTotalScore->setFocus();
    QTest::keyClick(options.txtTotalScore, Qt::Key_End, Qt::ShiftModifier);
    fake->clipboard->selection = options.txtTotalScore->textCursor().selectedText();
    QTRY_VERIFY(fake->clipboard->selection.isEmpty());
    options.unload();
}

void TestSymbolTest::scoreDialogNeverOutlivesThePlayWindow()
{
    launch();
    // The press is held back while the dialog is open: nothing happens.
    {
        const modal::Answer answer(QStringLiteral("cmdOkScore"), [&](QWidget*) {
            QAccessible::queryAccessibleInterface(play().cmdExit)
                ->actionInterface()
                ->doAction(QAccessibleActionInterface::pressAction());
            QTest::qWait(300);
        });
        QTest::mouseClick(play().cmdScore, Qt::LeftButton);
        QVERIFY(answer.answered());
    }
    QTest::qWait(300);
    QVERIFY(frmPsychicSymbolTestMain::isLoaded());
    // A close from elsewhere waits for the dialog; the Score handler then
    // stops, its window gone.
    {
        const modal::Answer answer(QStringLiteral("cmdOkScore"), [&](QWidget*) { play().cmdExit_Click(); });
        QTest::mouseClick(play().cmdScore, Qt::LeftButton);
        QVERIFY(answer.answered());
    }
    QVERIFY(!frmPsychicSymbolTestMain::isLoaded());
    QVERIFY(mdi->isWelcomePanelVisible());
}

QTEST_MAIN(TestSymbolTest)
#include "tst_symboltest.moc"

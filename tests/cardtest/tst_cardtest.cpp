// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

// The card test played the way a person plays it: launched from the main
// window, buttons clicked, labels read, feedback windows answered. Random
// numbers are scripted and the guess pause is instant.

#include "app/frmMDI.h"
#include "cardtest/frmPsychicCardTestDisplay.h"
#include "cardtest/frmPsychicCardTestMain.h"
#include "cardtest/frmPsychicCardTestResult.h"
#include "cardtest/modCardTest.h"
#include "shell/ClickLabel.h"
#include "shell/Panel.h"
#include "shell/TextBox.h"
#include "shell/modHelp.h"
#include "support/FakePlatform.h"
#include "support/MainWindowFixture.h"
#include "support/Modal.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <QtTest>

#include <memory>

using namespace modCardTest;

namespace {

// An r that chooses position 0..7.
double rForPosition(int position)
{
    return (position + 0.5) / 8;
}
// An r that deals card n to a position with range low..high.
double rForCard(int n, int low, int high)
{
    return (n - low + 0.5) / (high - low + 1);
}

constexpr double kTopR = 0.9999999;

const char* const kRight =
    "This is the Right Answer! Now take a deep breath, relax your mind and aim to predict the right answer again.";
const char* const kWrong = "Incorrect: Don't lose hope! Relax, take a deep breath, keep a calm mind and guess again.";

struct Feedback {
    bool shown = false;
    QString text;
    QColor color;
    bool frameless = false;
    bool applicationModal = false;
    QSize size;
    QPoint centre;
    QString name; // the accessible name, which screen readers say on entry
};

} // namespace

class CardTestWindowsTest : public QObject, public MainWindowFixture {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void homeWindowOnLaunch();
    void welcomeLineMovesAndChangesColor();
    void hoverCaption();
    void scoreToggle();
    void colorGuess_data();
    void colorGuess();
    void pleaseWaitDuringTheGuess();
    void rightCardDealAndGuesses();
    void positionsSixAndSevenSharingCard42();
    void refreshDealsAnewWithoutCounting();
    void backKeepsCountsAndResetsPictures();
    void exitsAndWelcomePanel();
    void keyboardOnThePlayWindow();
    void refreshAndArrowsOnTheEightCards();
    void countersStopAt32767();

private:
    frmPsychicCardTestMain& launch();
    frmPsychicCardTestDisplay& openColorGame();
    frmPsychicCardTestDisplay& openRightCardGame(const QList<double>& deal);
    // Clicks a guess control and answers the feedback window, recording it.
    Feedback guess(QWidget* control);
};

void CardTestWindowsTest::init()
{
    useFakeDesktop();
    cardCorrect = {};
    cardAttempts = {};
    cardDrawn = 0;
    showMainWindow();
}

void CardTestWindowsTest::cleanup()
{
    endMainWindow();
    QVERIFY(!frmPsychicCardTestMain::isLoaded());
    QVERIFY(!frmPsychicCardTestDisplay::isLoaded());
    QVERIFY(!frmPsychicCardTestResult::isLoaded());
}

frmPsychicCardTestMain& CardTestWindowsTest::launch()
{
    QTest::mouseClick(mdi->cmdSelectOption[0], Qt::LeftButton);
    frmPsychicCardTestMain* home = frmPsychicCardTestMain::ifLoaded();
    Q_ASSERT(home);
    // The welcome line draws colours from the shared generator ten times a
    // second; keep it out of the scripted numbers of the games.
    home->Timer1->stop();
    return *home;
}

frmPsychicCardTestDisplay& CardTestWindowsTest::openColorGame()
{
    QTest::mouseClick(launch().cmdPickCards, Qt::LeftButton);
    frmPsychicCardTestDisplay* play = frmPsychicCardTestDisplay::ifLoaded();
    Q_ASSERT(play);
    return *play;
}

frmPsychicCardTestDisplay& CardTestWindowsTest::openRightCardGame(const QList<double>& deal)
{
    frmPsychicCardTestMain& home = launch();
    fake->random->script = deal;
    QTest::mouseClick(home.cmdRightCard, Qt::LeftButton);
    frmPsychicCardTestDisplay* play = frmPsychicCardTestDisplay::ifLoaded();
    Q_ASSERT(play);
    return *play;
}

Feedback CardTestWindowsTest::guess(QWidget* control)
{
    Feedback seen;
    const modal::Answer answer(QStringLiteral("TRY AGAIN"), [&seen](QWidget* w) {
        seen.shown = true;
        if (auto* label = w->findChild<QLabel*>(QStringLiteral("lblResult"))) {
            seen.text = label->text();
            seen.color = label->palette().color(QPalette::WindowText);
        }
        seen.frameless = w->windowFlags().testFlag(Qt::FramelessWindowHint);
        seen.applicationModal = QApplication::activeModalWidget() == w && w->windowModality() == Qt::ApplicationModal;
        seen.size = w->size();
        seen.centre = w->geometry().center();
        seen.name = w->accessibleName();
    });
    QTest::mouseClick(control, Qt::LeftButton);
    modal::flushDeletes();
    return seen;
}

void CardTestWindowsTest::homeWindowOnLaunch()
{
    QVERIFY(mdi->picMain->isVisible());
    frmPsychicCardTestMain& home = launch();
    QVERIFY(!mdi->picMain->isVisible());
    QVERIFY(home.isWindowVisible());
    QCOMPARE(home.windowTitle(), QStringLiteral("Sorvek Psychic Card Test"));
    QCOMPARE(home.size(), QSize(608, 437)); // 9120 x 6555 twips
    const int centredX = (QGuiApplication::primaryScreen()->geometry().width() - home.subWindow()->width()) / 2;
    QVERIFY(qAbs(home.subWindow()->x() - centredX) <= 1);
    QCOMPARE(home.subWindow()->y(), 0);

    QCOMPARE(home.lblCaption->text(), QString());
    QVERIFY(home.cmdPickCards->isVisible());
    QVERIFY(home.cmdRightCard->isVisible());
    QVERIFY(!home.fraScore->isVisible());
    QVERIFY(inFront(home.cmdPickCards, home.fraScore));
    QVERIFY(inFront(home.lblWelCome, home.Label1));
    QCOMPARE(home.cmdScore->text(), QStringLiteral("Score"));
    QCOMPARE(home.Label3->text(), QStringLiteral("Click On One option and get started! "));
    QCOMPARE(home.focusWidget(), home.cmdPickCards);

    // The same window menus as the other home windows.
    QStringList menuBar;
    for (QAction* action : home.menuBarActions())
        menuBar << action->text();
    QCOMPARE(menuBar, QStringList({"&File", "&Help", "Make Money &Online"}));
    QCOMPARE(home.menus.command("mnuExit")->text(), QStringLiteral("E&xit"));
    // However it is shown, a child window is seen with its frame.
    home.hideWindow();
    home.show();
    QVERIFY(home.subWindow()->isVisible());
    QVERIFY(home.isVisible());
}

void CardTestWindowsTest::welcomeLineMovesAndChangesColor()
{
    QTest::mouseClick(mdi->cmdSelectOption[0], Qt::LeftButton);
    frmPsychicCardTestMain& home = frmPsychicCardTestMain::get();
    QCOMPARE(home.welcomeLeft(), -4155.0);
    QCOMPARE(home.lblWelCome->x(), -277);

    // The window timer drives it, ten times a second.
    QCOMPARE(home.Timer1->interval(), 100);
    QVERIFY(home.Timer1->isActive());
    QTRY_VERIFY_WITH_TIMEOUT(home.welcomeLeft() > -4155.0, 2000);
    home.Timer1->stop();

    // One tick: red, green, blue drawn in that order, then one step right.
    fake->random->script = {0.0, 0.5, kTopR};
    const double before = home.welcomeLeft();
    home.Timer1_Timer();
    QCOMPARE(fake->random->script.size(), 0);
    QCOMPARE(home.welcomeLeft(), before + 40);
    QCOMPARE(home.lblWelCome->palette().color(QPalette::WindowText), QColor(1, 128, 255));

    // From a fresh start: -4155, -4115, ... 8925, then the wrap. The pixel
    // position always comes from the twips position, so nothing drifts.
    frmPsychicCardTestMain::unloadIfLoaded();
    modal::flushDeletes();
    QTest::mouseClick(mdi->cmdSelectOption[0], Qt::LeftButton);
    frmPsychicCardTestMain& again = frmPsychicCardTestMain::get();
    again.Timer1->stop();
    fake->random->fallback = 0.3;
    again.Timer1_Timer();
    QCOMPARE(again.welcomeLeft(), -4115.0);
    for (int tick = 2; tick <= 327; ++tick)
        again.Timer1_Timer();
    QCOMPARE(again.welcomeLeft(), 8925.0);
    QCOMPARE(again.lblWelCome->x(), 595);
    again.Timer1_Timer();
    QCOMPARE(again.welcomeLeft(), -4155.0);
    QCOMPARE(again.lblWelCome->x(), -277);
    const QColor color = again.lblWelCome->palette().color(QPalette::WindowText);
    QCOMPARE(color, QColor(77, 77, 77)); // int(0.3 * 255 + 1)
}

void CardTestWindowsTest::hoverCaption()
{
    // Room for the whole home window inside the main window.
    mdi->resize(1280, 1400);
    frmPsychicCardTestMain& home = launch();
    QTRY_VERIFY(mdi->mdiArea->viewport()->rect().contains(home.subWindow()->geometry()));
    // Through the window system, so the pointer's moves are routed to the
    // widget under it and on to its parents as they are for a real mouse.
    QWindow* window = mdi->windowHandle();
    auto moveTo = [window](QWidget* widget, QPoint at = QPoint()) {
        if (at.isNull())
            at = widget->rect().center();
        QTest::mouseMove(window, window->mapFromGlobal(widget->mapToGlobal(at)));
    };
    const QString colorCaption = QStringLiteral("Click To Play Pick The Right Card"); // the same words for both
    const QString cardCaption = QStringLiteral("Click To Play Pick The Right Card");

    moveTo(home.cmdPickCards);
    QCOMPARE(home.lblCaption->text(), colorCaption);
    // Over the other controls the caption stays.
    for (QWidget* w : {static_cast<QWidget*>(home.Label3), static_cast<QWidget*>(home.Label2),
                       static_cast<QWidget*>(home.lblWelCome), static_cast<QWidget*>(home.cmdScore),
                       static_cast<QWidget*>(home.Frame5), static_cast<QWidget*>(home.Frame2),
                       static_cast<QWidget*>(home.lblCobrand)}) {
        moveTo(w);
        QVERIFY2(home.lblCaption->text() == colorCaption, qPrintable(w->objectName()));
    }
    // The bare orange panel clears it (below the Score button).
    moveTo(home.fraMain, QPoint(10, home.fraMain->height() - 10));
    QCOMPARE(home.lblCaption->text(), QString());

    moveTo(home.cmdRightCard);
    QCOMPARE(home.lblCaption->text(), cardCaption);
    // The caption sits centred under the buttons.
    QVERIFY(qAbs(home.lblCaption->geometry().center().x() - home.fraMain->width() / 2) <= 1);
    QVERIFY(home.lblCaption->y() >= home.cmdRightCard->geometry().bottom());
    moveTo(home.lblCaption);
    QCOMPARE(home.lblCaption->text(), cardCaption);
    // So does the bare window between the top strip and the panel.
    moveTo(&home, QPoint(home.width() / 2, home.fraMain->y() - 2));
    QCOMPARE(home.lblCaption->text(), QString());
}

void CardTestWindowsTest::scoreToggle()
{
    frmPsychicCardTestMain& home = launch();
    const QString zeros = QStringLiteral("Pick The Right Color Card :-  0 Correct Out Of 0 Attempts\r\n\r\n"
                                         "Pick The Right Card :-  0 Correct Out Of 0 Attempts");
    QTest::mouseClick(home.cmdScore, Qt::LeftButton);
    QVERIFY(home.fraScore->isVisible());
    QVERIFY(!home.cmdPickCards->isVisible());
    QVERIFY(!home.cmdRightCard->isVisible());
    QCOMPARE(home.cmdScore->text(), QStringLiteral("Ok"));
    QCOMPARE(home.txtScore->text(), zeros);
    QCOMPARE(home.fraScore->title(), QStringLiteral("Score"));

    QTest::mouseClick(home.cmdScore, Qt::LeftButton);
    QVERIFY(!home.fraScore->isVisible());
    QVERIFY(home.cmdPickCards->isVisible());
    QVERIFY(home.cmdRightCard->isVisible());
    QCOMPARE(home.cmdScore->text(), QStringLiteral("Score"));

    // Rebuilt from the counters each time it opens.
    cardCorrect = {3, 0, 1, 0};
    cardAttempts = {7, 0, 12, 0};
    QTest::mouseClick(home.cmdScore, Qt::LeftButton);
    QCOMPARE(home.txtScore->text(), QStringLiteral("Pick The Right Color Card :-  3 Correct Out Of 7 Attempts\r\n\r\n"
                                                   "Pick The Right Card :-  1 Correct Out Of 12 Attempts"));
}

void CardTestWindowsTest::colorGuess_data()
{
    QTest::addColumn<bool>("black");
    QTest::addColumn<int>("card");
    QTest::addColumn<bool>("right");
    QTest::addColumn<QString>("face");

    QTest::newRow("black, 26") << true << 26 << true << "King of Spades";
    QTest::newRow("black, 27") << true << 27 << false << "Ace of Diamonds";
    QTest::newRow("red, 27") << false << 27 << true << "Ace of Diamonds";
    QTest::newRow("red, 26") << false << 26 << false << "King of Spades";
    QTest::newRow("black, 1") << true << 1 << true << "Ace of Clubs";
    QTest::newRow("red, 52") << false << 52 << true << "King of Hearts";
    QTest::newRow("red, 13") << false << 13 << false << "King of Clubs";
    QTest::newRow("black, 40") << true << 40 << false << "Ace of Hearts";
}

void CardTestWindowsTest::colorGuess()
{
    QFETCH(bool, black);
    QFETCH(int, card);
    QFETCH(bool, right);
    QFETCH(QString, face);

    frmPsychicCardTestDisplay& play = openColorGame();
    QVERIFY(play.isWindowVisible());
    QVERIFY(!frmPsychicCardTestMain::get().isWindowVisible());
    QVERIFY(!mdi->picMain->isVisible());
    QVERIFY(inFront(play.fraPicKCards, play.fraTenRightCard));
    QVERIFY(!play.fraTenRightCard->isVisible());         // nor reachable with Tab
    QCOMPARE(QApplication::focusWidget(), play.cmdExit); // no card singled out
    QCOMPARE(play.picDeckOfCards->accessibleName(), QStringLiteral("Fortune teller"));
    QCOMPARE(play.cmdBlackCard->accessibleName(), QStringLiteral("Black card"));
    QCOMPARE(play.cmdRedCard->accessibleName(), QStringLiteral("Red card"));

    fake->random->script = {rFor(card, 52)};
    const Feedback feedback = guess(black ? play.cmdBlackCard : play.cmdRedCard);

    QCOMPARE(fake->pause->count, 1);
    QCOMPARE(cardDrawn, qint16(card));
    QCOMPARE(play.picDeckOfCards->accessibleName(), face);
    QCOMPARE(feedback.name, QStringLiteral("Result: ") + face);
    QVERIFY(!play.picDeckOfCards->pixmap().isNull());
    QCOMPARE(play.lblScore->text(), right ? QStringLiteral("Correct") : QStringLiteral("Incorrect"));
    QVERIFY(!play.lblScore->isVisible());
    QVERIFY(!play.picMessage->isVisible());
    QCOMPARE(cardAttempts, (std::array<qint16, 4>{1, 0, 0, 0}));
    QCOMPARE(cardCorrect, (std::array<qint16, 4>{right ? qint16(1) : qint16(0), 0, 0, 0}));

    QVERIFY(feedback.shown);
    QCOMPARE(feedback.text, QString::fromLatin1(right ? kRight : kWrong));
    QCOMPARE(feedback.color, right ? QColor(0, 128, 0) : QColor(128, 0, 0));
    QVERIFY(feedback.frameless);
    QVERIFY(feedback.applicationModal);
    QCOMPARE(feedback.size, QSize(313, 113));
    const QPoint screenCentre = QGuiApplication::primaryScreen()->geometry().center();
    QVERIFY((feedback.centre - screenCentre).manhattanLength() <= 2);

    // "TRY AGAIN" unloaded it; the same game is ready for the next guess.
    QVERIFY(!frmPsychicCardTestResult::isLoaded());
    QVERIFY(play.isWindowVisible());
    QVERIFY(inFront(play.fraPicKCards, play.fraTenRightCard));
    fake->random->script = {rFor(52, 52)};
    QVERIFY(guess(play.cmdRedCard).shown);
    QCOMPARE(play.picDeckOfCards->accessibleName(), QStringLiteral("King of Hearts"));
    QCOMPARE(cardAttempts[0], qint16(2));
    QCOMPARE(cardAttempts[2], qint16(0));
}

void CardTestWindowsTest::pleaseWaitDuringTheGuess()
{
    frmPsychicCardTestDisplay& play = openColorGame();
    fake->random->script = {rFor(5, 52)};
    bool checked = false;
    fake->pause->during = [&](QWidget* window) {
        checked = true;
        QCOMPARE(window, static_cast<QWidget*>(&play));
        QVERIFY(play.picMessage->isVisible());
        QVERIFY(inFront(play.picMessage, play.fraPicKCards));
        QCOMPARE(play.Label7->text(), QStringLiteral("Please Wait ..."));
        QCOMPARE(play.lblScore->text(), QString());
        // Nothing is drawn or counted before the pause is over.
        QCOMPARE(fake->random->script.size(), 1);
        QCOMPARE(cardAttempts[0], qint16(0));
    };
    QVERIFY(guess(play.cmdBlackCard).shown);
    QVERIFY(checked);

    // A window closed during the pause (a signal, a call from elsewhere)
    // closes once the guess is counted and its feedback closed.
    fake->pause->during = [](QWidget*) { frmPsychicCardTestDisplay::unloadIfLoaded(); };
    fake->random->script = {rFor(5, 52)};
    {
        const modal::Answer feedback(QStringLiteral("TRY AGAIN"));
        QTest::mouseClick(play.cmdBlackCard, Qt::LeftButton);
        QVERIFY(feedback.answered());
    }
    QCOMPARE(cardAttempts[0], qint16(2));
    QVERIFY(!frmPsychicCardTestDisplay::isLoaded());
    QVERIFY(mdi->picMain->isVisible());
}

void CardTestWindowsTest::rightCardDealAndGuesses()
{
    // Position i gets the lowest card of its range, except 2, 4 and 7.
    const QList<double> deal{0, 0, rForCard(15, 12, 17), 0, kTopR, 0, 0, kTopR};
    frmPsychicCardTestDisplay& play = openRightCardGame(deal);
    QVERIFY(!mdi->picMain->isVisible());
    QVERIFY(!frmPsychicCardTestMain::get().isWindowVisible());
    QVERIFY(inFront(play.fraTenRightCard, play.fraPicKCards));
    QVERIFY(!play.fraPicKCards->isVisible());
    QCOMPARE(QApplication::focusWidget(), play.cmdExit);
    QCOMPARE(dealtCards, (std::array<qint16, 9>{1, 6, 15, 18, 29, 30, 36, 47, 0}));
    QStringList faces;
    for (ClickLabel* card : play.picCard) {
        faces << card->accessibleName();
        QCOMPARE(card->size(), QSize(71, 96));
        QVERIFY(!card->pixmap().isNull());
    }
    QCOMPARE(faces, QStringList({"Ace of Clubs", "Six of Clubs", "Two of Diamonds", "Five of Diamonds",
                                 "Three of Hearts", "Four of Hearts", "Ten of Hearts", "Eight of Spades"}));
    QCOMPARE(play.picTenCardResult->accessibleName(), QStringLiteral("Fortune teller"));

    // The same position twice: the chosen position is drawn anew each time.
    fake->random->script = {rForPosition(2)};
    Feedback first = guess(play.picCard[2]);
    QCOMPARE(cardDrawn, qint16(2));
    QCOMPARE(first.text, QString::fromLatin1(kRight));
    QCOMPARE(play.lblScore->text(), QStringLiteral("Correct"));
    QCOMPARE(play.picTenCardResult->accessibleName(), QStringLiteral("Two of Diamonds"));

    fake->random->script = {rForPosition(5)};
    Feedback second = guess(play.picCard[2]);
    QCOMPARE(cardDrawn, qint16(5));
    QCOMPARE(second.text, QString::fromLatin1(kWrong));
    QCOMPARE(second.color, QColor(128, 0, 0));
    QCOMPARE(play.lblScore->text(), QStringLiteral("Incorrect"));
    // The revealed card is the chosen one, one of the eight on show.
    QCOMPARE(play.picTenCardResult->accessibleName(), QStringLiteral("Four of Hearts"));
    // Each feedback window names the card revealed for its own guess.
    QCOMPARE(first.name, QStringLiteral("Result: Two of Diamonds"));
    QCOMPARE(second.name, QStringLiteral("Result: Four of Hearts"));

    QCOMPARE(cardAttempts, (std::array<qint16, 4>{0, 0, 2, 0}));
    QCOMPARE(cardCorrect, (std::array<qint16, 4>{0, 0, 1, 0}));
    QCOMPARE(fake->pause->count, 2);
    // Guessing does not change the deal.
    QCOMPARE(dealtCards, (std::array<qint16, 9>{1, 6, 15, 18, 29, 30, 36, 47, 0}));
    QVERIFY(inFront(play.fraTenRightCard, play.fraPicKCards));
}

void CardTestWindowsTest::positionsSixAndSevenSharingCard42()
{
    const QList<double> deal{0, 0, 0, 0, 0, 0, kTopR, 0};
    frmPsychicCardTestDisplay& play = openRightCardGame(deal);
    QCOMPARE(dealtCards[6], qint16(42));
    QCOMPARE(dealtCards[7], qint16(42));
    QCOMPARE(play.picCard[6]->accessibleName(), QStringLiteral("Three of Spades"));
    QCOMPARE(play.picCard[7]->accessibleName(), QStringLiteral("Three of Spades"));

    const struct {
        int click;
        int chosen;
        bool right;
    } cases[] = {{6, 7, true}, {7, 6, true}, {6, 6, true}, {7, 7, true}, {7, 0, false}, {0, 7, false}};
    int rights = 0;
    for (const auto& c : cases) {
        fake->random->script = {rForPosition(c.chosen)};
        const Feedback feedback = guess(play.picCard[static_cast<size_t>(c.click)]);
        QCOMPARE(feedback.text, QString::fromLatin1(c.right ? kRight : kWrong));
        rights += c.right ? 1 : 0;
    }
    QCOMPARE(play.picTenCardResult->accessibleName(), QStringLiteral("Three of Spades"));
    QCOMPARE(cardCorrect[2], qint16(rights));
    QCOMPARE(cardAttempts[2], qint16(6));
}

void CardTestWindowsTest::refreshDealsAnewWithoutCounting()
{
    frmPsychicCardTestDisplay& play = openRightCardGame({0, 0, 0, 0, 0, 0, 0, 0});
    fake->random->script = {rForPosition(3)};
    guess(play.picCard[1]);
    QCOMPARE(play.picTenCardResult->accessibleName(), QStringLiteral("Five of Diamonds"));
    const int pauses = fake->pause->count;

    fake->random->script = {kTopR, kTopR, kTopR, kTopR, kTopR, kTopR, kTopR, kTopR};
    QTest::mouseClick(play.cmdRefresh, Qt::LeftButton);
    QCOMPARE(dealtCards, (std::array<qint16, 9>{5, 11, 17, 23, 29, 35, 42, 47, 0}));
    QCOMPARE(play.picCard[0]->accessibleName(), QStringLiteral("Five of Clubs"));
    QCOMPARE(play.picCard[1]->accessibleName(), QStringLiteral("King of Clubs"));
    QCOMPARE(play.picCard[7]->accessibleName(), QStringLiteral("Eight of Spades"));
    // No attempt, no pause, no feedback, and the revealed card stays.
    QCOMPARE(cardAttempts[2], qint16(1));
    QCOMPARE(fake->pause->count, pauses);
    QVERIFY(!frmPsychicCardTestResult::isLoaded());
    QCOMPARE(play.picTenCardResult->accessibleName(), QStringLiteral("Five of Diamonds"));
}

void CardTestWindowsTest::backKeepsCountsAndResetsPictures()
{
    frmPsychicCardTestDisplay& play = openColorGame();
    fake->random->script = {rFor(30, 52)};
    guess(play.cmdRedCard);
    QCOMPARE(play.picDeckOfCards->accessibleName(), QStringLiteral("Four of Diamonds"));

    QTest::mouseClick(play.cmdBack, Qt::LeftButton);
    modal::flushDeletes();
    QVERIFY(!frmPsychicCardTestDisplay::isLoaded());
    frmPsychicCardTestMain& home = frmPsychicCardTestMain::get();
    QVERIFY(home.isWindowVisible());
    QVERIFY(!mdi->picMain->isVisible());
    QTest::mouseClick(home.cmdScore, Qt::LeftButton);
    QCOMPARE(home.txtScore->text(), QStringLiteral("Pick The Right Color Card :-  1 Correct Out Of 1 Attempts\r\n\r\n"
                                                   "Pick The Right Card :-  0 Correct Out Of 0 Attempts"));
    QTest::mouseClick(home.cmdScore, Qt::LeftButton);

    // Reopened: a fresh play window with the fortune teller again.
    QTest::mouseClick(home.cmdPickCards, Qt::LeftButton);
    frmPsychicCardTestDisplay& reopened = frmPsychicCardTestDisplay::get();
    QCOMPARE(reopened.picDeckOfCards->accessibleName(), QStringLiteral("Fortune teller"));
    QVERIFY(inFront(reopened.fraPicKCards, reopened.fraTenRightCard));

    // The menu's Back does the same; a home window that went away is loaded anew.
    frmPsychicCardTestMain::unloadIfLoaded();
    modal::flushDeletes();
    reopened.menus.command("mnuFileBack")->trigger();
    modal::flushDeletes();
    QVERIFY(!frmPsychicCardTestDisplay::isLoaded());
    QVERIFY(frmPsychicCardTestMain::isLoaded());
    QVERIFY(frmPsychicCardTestMain::get().isWindowVisible());
    QVERIFY(!mdi->picMain->isVisible());
    QCOMPARE(frmPsychicCardTestMain::get().welcomeLeft(), -4155.0);
}

void CardTestWindowsTest::exitsAndWelcomePanel()
{
    // The play window's Exit leaves the home window loaded but hidden.
    frmPsychicCardTestDisplay& play = openColorGame();
    QTest::mouseClick(play.cmdExit, Qt::LeftButton);
    modal::flushDeletes();
    QVERIFY(!frmPsychicCardTestDisplay::isLoaded());
    QVERIFY(frmPsychicCardTestMain::isLoaded());
    QVERIFY(!frmPsychicCardTestMain::get().isWindowVisible());
    QVERIFY(mdi->picMain->isVisible());

    // Relaunching starts over with a fresh home window.
    frmPsychicCardTestMain& home = launch();
    QVERIFY(!mdi->picMain->isVisible());
    QTest::mouseClick(home.cmdExit, Qt::LeftButton);
    modal::flushDeletes();
    QVERIFY(!frmPsychicCardTestMain::isLoaded());
    QVERIFY(mdi->picMain->isVisible());

    // File > Exit of both windows.
    launch().menus.command("mnuExit")->trigger();
    modal::flushDeletes();
    QVERIFY(!frmPsychicCardTestMain::isLoaded());
    QVERIFY(mdi->picMain->isVisible());
    openColorGame().menus.command("mnuExit")->trigger();
    modal::flushDeletes();
    QVERIFY(!frmPsychicCardTestDisplay::isLoaded());
    QVERIFY(mdi->picMain->isVisible());
}

void CardTestWindowsTest::keyboardOnThePlayWindow()
{
    frmPsychicCardTestDisplay& play = openRightCardGame({0, 0, 0, 0, 0, 0, 0, 0});
    QVERIFY(QTest::qWaitForWindowActive(mdi.get()));
    // Enter on a focused button presses that button, not Exit.
    QVERIFY(tabTo(play.cmdRefresh));
    fake->random->script = {kTopR, kTopR, kTopR, kTopR, kTopR, kTopR, kTopR, kTopR};
    pressKey(Qt::Key_Return);
    QVERIFY(frmPsychicCardTestDisplay::isLoaded());
    QCOMPARE(dealtCards[0], qint16(5));

    // A card picture is reached with Tab and chosen with Enter; afterwards
    // the focus is back on that card.
    QVERIFY(tabTo(play.picCard[4]));
    fake->random->script = {rForPosition(4)};
    {
        const modal::Answer feedback(QStringLiteral("TRY AGAIN"));
        pressKey(Qt::Key_Return);
        QVERIFY(feedback.answered());
    }
    modal::flushDeletes();
    QCOMPARE(cardCorrect[2], qint16(1));
    QVERIFY(frmPsychicCardTestDisplay::isLoaded());
    QVERIFY(activate(mdi.get()));
    QCOMPARE(QApplication::focusWidget(), play.picCard[4]);

    // Esc runs Exit.
    pressKey(Qt::Key_Escape);
    modal::flushDeletes();
    QVERIFY(!frmPsychicCardTestDisplay::isLoaded());
    QVERIFY(mdi->picMain->isVisible());

    // A game opens with Exit, the default button, holding the focus: no card
    // is singled out, and Enter runs Exit.
    frmPsychicCardTestDisplay& colorGame = openColorGame();
    QCOMPARE(colorGame.focusWidget(), colorGame.cmdExit);
    QVERIFY(QTest::qWaitForWindowActive(mdi.get()));
    pressKey(Qt::Key_Enter, Qt::KeypadModifier);
    modal::flushDeletes();
    QVERIFY(!frmPsychicCardTestDisplay::isLoaded());

    // Esc on the feedback window answers it like "TRY AGAIN".
    frmPsychicCardTestDisplay& again = openColorGame();
    fake->random->script = {rFor(1, 52)};
    {
        const modal::Answer feedback(QString(), [](QWidget* w) {
            // To its focused control, as the keyboard would.
            QTest::keyClick(w->focusWidget() ? w->focusWidget() : w, Qt::Key_Escape);
        });
        QTest::mouseClick(again.cmdBlackCard, Qt::LeftButton);
        QVERIFY(feedback.answered());
    }
    modal::flushDeletes();
    QVERIFY(!frmPsychicCardTestResult::isLoaded());
    QVERIFY(frmPsychicCardTestDisplay::isLoaded());
}

void CardTestWindowsTest::refreshAndArrowsOnTheEightCards()
{
    frmPsychicCardTestDisplay& play = openRightCardGame({0, 0, 0, 0, 0, 0, 0, 0});
    QVERIFY(QTest::qWaitForWindowActive(mdi.get()));
    // Refresh hands the focus to the first card, so that the new deal is heard.
    QVERIFY(tabTo(play.cmdRefresh));
    fake->random->script = {kTopR, kTopR, kTopR, kTopR, kTopR, kTopR, kTopR, kTopR};
    pressKey(Qt::Key_Return);
    QVERIFY2(QApplication::focusWidget() == play.picCard[0], "Refresh left the focus off the first card");

    // Two rows of four; at an edge the arrow goes nowhere.
    const struct {
        int from;
        Qt::Key key;
        int to;
    } moves[] = {{0, Qt::Key_Right, 1}, {1, Qt::Key_Down, 5}, {5, Qt::Key_Left, 4}, {4, Qt::Key_Up, 0},
                 {3, Qt::Key_Right, 3}, {7, Qt::Key_Down, 7}, {0, Qt::Key_Left, 0}, {6, Qt::Key_Up, 2}};
    for (const auto& move : moves) {
        play.picCard[move.from]->setFocus(Qt::TabFocusReason);
        pressKey(move.key);
        QVERIFY2(QApplication::focusWidget() == play.picCard[move.to],
                 qPrintable(QStringLiteral("card %1, key %2: the focus is not on card %3")
                                .arg(move.from)
                                .arg(QKeySequence(move.key).toString())
                                .arg(move.to)));
    }
}

void CardTestWindowsTest::countersStopAt32767()
{
    frmPsychicCardTestDisplay& play = openColorGame();
    cardCorrect[0] = 32767;
    cardAttempts[0] = 32767;
    fake->random->script = {rFor(3, 52)};
    const Feedback feedback = guess(play.cmdBlackCard);
    QCOMPARE(cardCorrect[0], qint16(32767));
    QCOMPARE(cardAttempts[0], qint16(32767));
    // The rest of the guess still runs.
    QCOMPARE(play.picDeckOfCards->accessibleName(), QStringLiteral("Three of Clubs"));
    QCOMPARE(feedback.text, QString::fromLatin1(kRight));
    QVERIFY(!play.picMessage->isVisible());
}

QTEST_MAIN(CardTestWindowsTest)
#include "tst_cardtest.moc"

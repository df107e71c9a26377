// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#include "cardtest/frmPsychicCardTestMain.h"

#include "cardtest/CardStrips.h"
#include "cardtest/frmPsychicCardTestDisplay.h"
#include "cardtest/modCardTest.h"
#include "platform/Platform.h"
#include "shell/ChanceBox.h"
#include "shell/ClickLabel.h"
#include "shell/Look.h"
#include "shell/Panel.h"
#include "shell/StandardMenus.h"
#include "shell/TextBox.h"
#include "shell/Widgets.h"
#include "shell/modHelp.h"

#include <QAction>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

namespace {

const QColor kScoreBack(255, 224, 192);
const QColor kScoreText(64, 0, 0);
const QColor kBlue(0, 0, 255);

constexpr double kWindowWidth = 9120;
constexpr double kWindowHeight = 6555;
constexpr double kPanelWidth = 8895; // fraMain and the strips above and below it
constexpr double kMainTop = 840;
constexpr double kMainHeight = 4935;
constexpr double kWelcomeTop = 120;
constexpr double kCaptionTop = 3450;
// The score panel: the score text as tall as its three lines, the report
// against chance in the rest. The panel's size is fixed, so the report shows
// two lines and scrolls.
constexpr double kScorePanelHeight = 1935;
constexpr double kScoreLeft = 120;
constexpr double kScoreTop = 330;
constexpr double kScoreWidth = 7935;
constexpr double kScoreHeight = 930;
constexpr double kChanceTop = kScoreTop + kScoreHeight + 30;
constexpr double kChanceHeight = kScorePanelHeight - 45 - kChanceTop;

const char* const kWelcomeText =
    "Wel Come To Sorvek Psychic Card Test. This Will help You to Improve Your Psychic Abilities";
const char* const kIntroText =
    "Welcome to Sorvek Psychic Card Test. Psychic abilities exists within all of us. But some people are more "
    "accustomed and tuned with these inborn abilities as compared to others. Sorvek Psychic Card Test Software is "
    "such a tool that helps you test your inborn psychic skills. It is a completely free psychic test program.";
// Both game buttons invite with the same words on hover, as they always have.
const char* const kPickCardsCaption = "Click To Play Pick The Right Card";
const char* const kRightCardCaption = "Click To Play Pick The Right Card";
const char* const kScoreCaption = "Score";
const char* const kOkCaption = "Ok";

} // namespace

frmPsychicCardTestMain::frmPsychicCardTestMain()
    : TestWindow({"frmPsychicCardTestMain", "Sorvek Psychic Card Test", Qt::black, kWindowWidth, kWindowHeight})
{
    setMouseTracking(true); // the bare window clears the hover caption

    buildTopAndBottom();
    buildMainPanel();
    buildMenus({});

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(100);
    connect(Timer1, &QTimer::timeout, this, &frmPsychicCardTestMain::Timer1_Timer);
    Timer1->start();
}

void frmPsychicCardTestMain::buildTopAndBottom()
{
    // Four lines of the small type: the links take the strip's full height,
    // or the last line loses its descenders.
    buildCardStrips(this, {kPanelWidth, 720, kMainTop + kMainHeight + 60, 660, 0, 3600, 660});

    twips::place(makeExit(Frame5, look::verdana(8.25), look::kGrey), 7560, 120, 1215, 420);
}

void frmPsychicCardTestMain::buildMainPanel()
{
    fraMain = new Panel(this, "fraMain");
    look::setBackground(fraMain, kCardPanelColor);
    twips::place(fraMain, kCardPanelLeft, kMainTop, kPanelWidth, kMainHeight);
    connect(fraMain, &Panel::mouseMoved, this, &frmPsychicCardTestMain::fraMain_MouseMove);

    // Created back to front: the black band behind the welcome line, the
    // texts, the score panel, then the buttons that lie over the score panel.
    // A bare surface, so screen readers do not announce it as a label.
    Label1 = new QWidget(fraMain);
    Label1->setObjectName(QStringLiteral("Label1"));
    look::setBackground(Label1, Qt::black);
    twips::place(Label1, -120, 120, 9015, 735);

    lblWelCome =
        makeLabel(fraMain, "lblWelCome", QString::fromLatin1(kWelcomeText), look::verdana(8.25), QColor(255, 0, 0));
    look::setBackground(lblWelCome, Qt::black);
    lblWelCome->setAlignment(Qt::AlignCenter);
    lblWelCome->setWordWrap(true);
    twips::place(lblWelCome, modCardTest::welcomeStartLeft(modCardTest::kWelcomeLineWidth), kWelcomeTop,
                 modCardTest::kWelcomeLineWidth, 675);

    Label2 = makeLabel(fraMain, "Label2", QString::fromLatin1(kIntroText), look::verdana(8.25), Qt::black);
    Label2->setAlignment(Qt::AlignCenter);
    Label2->setWordWrap(true);
    twips::place(Label2, 120, 900, kPanelWidth - 240, 840);

    Label3 = makeLabel(fraMain, "Label3", QStringLiteral("Click On One option and get started! "), look::verdana(9.75),
                       kBlue);
    Label3->setAlignment(Qt::AlignCenter);
    twips::place(Label3, 120, 1800, kPanelWidth - 240, 300);

    lblCaption = makeLabel(fraMain, "lblCaption", QStringLiteral("lblCaption"), look::verdana(9), kBlue);
    lblCaption->setAlignment(Qt::AlignCenter);
    setCaption(lblCaption->text());

    fraScore = new QGroupBox(QStringLiteral("Score"), fraMain);
    fraScore->setObjectName(QStringLiteral("fraScore"));
    fraScore->setFont(look::verdana(9.75));
    look::setGroupBackground(fraScore, kCardPanelColor);
    twips::place(fraScore, 360, 1710, 8175, kScorePanelHeight);
    fraScore->hide();

    txtScore = new TextBox(fraScore);
    txtScore->setObjectName(QStringLiteral("txtScore"));
    txtScore->setAccessibleName(QStringLiteral("Score"));
    txtScore->setFont(look::verdana(9.75));
    look::setBackground(txtScore, kScoreBack);
    look::setTextColor(txtScore, kScoreText);
    twips::place(txtScore, kScoreLeft, kScoreTop, kScoreWidth, kScoreHeight);

    txtChance = new ChanceBox(fraScore, look::verdana(8.25));
    look::setBackground(txtChance, kScoreBack);
    look::setTextColor(txtChance, kScoreText);
    twips::place(txtChance, kScoreLeft, kChanceTop, kScoreWidth, kChanceHeight);
    txtChance->fitToWholeLines();

    cmdPickCards = makeButton(fraMain, "cmdPickCards", QStringLiteral("Pick The Right Color Card"), look::verdana(12),
                              QColor(255, 128, 128));
    twips::place(cmdPickCards, 720, 2160, 3615, 1215);
    connect(cmdPickCards, &QPushButton::clicked, this, &frmPsychicCardTestMain::cmdPickCards_Click);

    cmdRightCard = makeButton(fraMain, "cmdRightCard", QStringLiteral("Pick The Right Card"), look::verdana(12),
                              QColor(128, 128, 255));
    twips::place(cmdRightCard, 4560, 2160, 3615, 1215);
    connect(cmdRightCard, &QPushButton::clicked, this, &frmPsychicCardTestMain::cmdRightCard_Click);

    for (QPushButton* game : {cmdPickCards, cmdRightCard}) {
        game->setCursor(look::handCursor());
        game->setMouseTracking(true);
        game->installEventFilter(this);
    }

    cmdScore = makeButton(fraMain, "cmdScore", QString::fromLatin1(kScoreCaption), look::verdana(9), look::kGrey);
    twips::place(cmdScore, 360, 3780, 8175, 615);
    connect(cmdScore, &QPushButton::clicked, this, &frmPsychicCardTestMain::cmdScore_Click);

    // Only the bare panel clears the hover caption; what lies on it keeps it.
    for (QWidget* child :
         {static_cast<QWidget*>(Label1), static_cast<QWidget*>(lblWelCome), static_cast<QWidget*>(Label2),
          static_cast<QWidget*>(Label3), static_cast<QWidget*>(lblCaption), static_cast<QWidget*>(fraScore),
          static_cast<QWidget*>(cmdPickCards), static_cast<QWidget*>(cmdRightCard), static_cast<QWidget*>(cmdScore)})
        keepPointerMovesFrom(child);
}

void frmPsychicCardTestMain::Form_Load()
{
    RemindOfUpdate();
    setCaption(QString());
    m_welcomeLeft = modCardTest::welcomeStartLeft(modCardTest::kWelcomeLineWidth);
    placeWelcomeLine();
}

QWidget* frmPsychicCardTestMain::restingFocus() const
{
    return cmdPickCards;
}

void frmPsychicCardTestMain::Form_Unload()
{
    Timer1->stop();
}

void frmPsychicCardTestMain::placeWelcomeLine()
{
    twips::move(lblWelCome, m_welcomeLeft, kWelcomeTop);
}

void frmPsychicCardTestMain::Timer1_Timer()
{
    // One draw per component, in this order.
    const int red = modCardTest::colorComponent(platform::random().next());
    const int green = modCardTest::colorComponent(platform::random().next());
    const int blue = modCardTest::colorComponent(platform::random().next());
    m_welcomeLeft =
        modCardTest::nextWelcomeLeft(m_welcomeLeft, modCardTest::kWelcomeLineWidth, modCardTest::kWelcomePanelWidth);
    placeWelcomeLine();
    look::setTextColor(lblWelCome, QColor(red, green, blue));
}

// The caption sizes itself to its text and stays centred under the buttons.
void frmPsychicCardTestMain::setCaption(const QString& text)
{
    lblCaption->setText(text);
    lblCaption->adjustSize();
    const double width = twips::fromPixels(lblCaption->width());
    twips::move(lblCaption, twips::centredLeft(kPanelWidth, width), kCaptionTop);
}

void frmPsychicCardTestMain::mouseMoveEvent(QMouseEvent* event)
{
    event->accept(); // the pointer is over the bare window
    Form_MouseMove();
}

bool frmPsychicCardTestMain::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseMove) {
        if (watched == cmdPickCards)
            cmdPickCards_MouseMove();
        else if (watched == cmdRightCard)
            cmdRightCard_MouseMove();
    }
    return Form::eventFilter(watched, event);
}

void frmPsychicCardTestMain::Form_MouseMove()
{
    setCaption(QString());
}

void frmPsychicCardTestMain::fraMain_MouseMove()
{
    setCaption(QString());
}

void frmPsychicCardTestMain::cmdPickCards_MouseMove()
{
    setCaption(QString::fromLatin1(kPickCardsCaption));
}

void frmPsychicCardTestMain::cmdRightCard_MouseMove()
{
    setCaption(QString::fromLatin1(kRightCardCaption));
}

void frmPsychicCardTestMain::cmdPickCards_Click()
{
    frmPsychicCardTestDisplay& play = frmPsychicCardTestDisplay::get();
    play.bringColorCardGameToFront();
    hideWindow(); // stays loaded; its timer keeps running
    play.showWindow();
}

void frmPsychicCardTestMain::cmdRightCard_Click()
{
    modCardTest::DealCards();
    frmPsychicCardTestDisplay& play = frmPsychicCardTestDisplay::get();
    play.showDeal();
    play.bringRightCardGameToFront();
    hideWindow();
    play.showWindow();
}

void frmPsychicCardTestMain::cmdScore_Click()
{
    if (cmdScore->text() == QLatin1String(kScoreCaption)) {
        fraScore->show();
        cmdRightCard->hide();
        cmdPickCards->hide();
        // Focus first: a screen reader reads the text box when the focus
        // arrives, and takes a text change in the focused box as no news.
        txtScore->setFocus();
        txtScore->setText(modCardTest::scoreText());
        txtChance->setText(modCardTest::chanceReport());
        cmdScore->setText(QString::fromLatin1(kOkCaption));
    } else {
        fraScore->hide();
        cmdRightCard->show();
        cmdPickCards->show();
        cmdScore->setText(QString::fromLatin1(kScoreCaption));
        // On the first game: a screen reader speaks it, where the renamed
        // button under the focus would go unsaid.
        cmdPickCards->setFocus(Qt::OtherFocusReason);
    }
}

// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#include "cardtest/frmPsychicCardTestDisplay.h"

#include "cardtest/CardDecks.h"
#include "cardtest/CardStrips.h"
#include "cardtest/frmPsychicCardTestMain.h"
#include "cardtest/frmPsychicCardTestResult.h"
#include "cardtest/modCardTest.h"
#include "platform/Platform.h"
#include "shell/ClickLabel.h"
#include "shell/Feedback.h"
#include "shell/GuessRunner.h"
#include "shell/Look.h"
#include "shell/Panel.h"
#include "shell/StandardMenus.h"
#include "shell/Widgets.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

namespace {

const QColor kRed(255, 0, 0);
const QColor kDarkBlue(4, 13, 89);

constexpr double kWindowWidth = 9255;
constexpr double kWindowHeight = 7455;
constexpr double kPanelWidth = 9015; // the game panels and the strips above and below them
constexpr double kGameTop = 960;
constexpr double kGameHeight = 5295;

QGroupBox* makeGamePanel(QWidget* parent, const char* name, const char* caption)
{
    auto* panel = new QGroupBox(QString::fromLatin1(caption), parent);
    panel->setObjectName(QString::fromLatin1(name));
    panel->setFont(look::verdana(9));
    look::setGroupBackground(panel, kCardPanelColor);
    twips::place(panel, kCardPanelLeft, kGameTop, kPanelWidth, kGameHeight);
    return panel;
}

QLabel* makePictureBox(QWidget* parent, const char* name)
{
    auto* box = new QLabel(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setAlignment(Qt::AlignCenter);
    showFortuneTeller(box);
    return box;
}

} // namespace

frmPsychicCardTestDisplay::frmPsychicCardTestDisplay()
    : TestWindow({"frmPsychicCardTestDisplay", "Sorvek Psychic Card Test", Qt::black, kWindowWidth, kWindowHeight})
{
    buildTopAndBottom();
    // Created back to front: the right-card game is in front at first.
    buildColorCardGame();
    buildRightCardGame();
    fraPicKCards->hide();
    buildMenus({backCommand([this] { mnuFileBack_Click(); })}, kPlayWindowHelp);

    lblScore = new QLabel(this);
    lblScore->setObjectName(QStringLiteral("lblScore"));
    lblScore->hide();
    buildPleaseWait();
    setWindowKeys(cmdExit, cmdExit);
}

void frmPsychicCardTestDisplay::buildTopAndBottom()
{
    buildCardStrips(this, {kPanelWidth, 780, kGameTop + kGameHeight + 75, 1050, 60, 2970, 930});

    cmdBack = makeButton(Frame5, "cmdBack", QStringLiteral("&Back"), look::verdana(8.25), look::kGrey);
    twips::place(cmdBack, 6360, 300, 1215, 450);
    connect(cmdBack, &QPushButton::clicked, this, &frmPsychicCardTestDisplay::cmdBack_Click);

    twips::place(makeExit(Frame5, look::verdana(8.25), look::kGrey), 7680, 300, 1215, 450);
}

void frmPsychicCardTestDisplay::buildColorCardGame()
{
    fraPicKCards = makeGamePanel(this, "fraPicKCards", "Pick The Right Color Card");

    Label1 = makeLabel(fraPicKCards, "Label1",
                       QStringLiteral("Close your eyes, think deeply and then click on any card of your choice."),
                       look::verdana(9.75), Qt::black);
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setWordWrap(true);
    twips::place(Label1, 240, 600, 6720, 600);

    auto colorButton = [this](const char* name, const QColor& face, const char* accessibleName, double left) {
        auto* button = new QPushButton(fraPicKCards);
        button->setObjectName(QString::fromLatin1(name));
        look::setSolidButton(button, face);
        button->setCursor(look::handCursor());
        button->setAccessibleName(QString::fromLatin1(accessibleName));
        twips::place(button, left, 2400, 1575, 2175);
        return button;
    };
    cmdBlackCard = colorButton("cmdBlackCard", Qt::black, "Black card", 2760);
    connect(cmdBlackCard, &QPushButton::clicked, this, &frmPsychicCardTestDisplay::cmdBlackCard_Click);
    cmdRedCard = colorButton("cmdRedCard", kRed, "Red card", 4680);
    connect(cmdRedCard, &QPushButton::clicked, this, &frmPsychicCardTestDisplay::cmdRedCard_Click);

    picDeckOfCards = makePictureBox(fraPicKCards, "picDeckOfCards");
    twips::place(picDeckOfCards, 7200, 240, 1500, 2010);
}

void frmPsychicCardTestDisplay::buildRightCardGame()
{
    fraTenRightCard = makeGamePanel(this, "fraTenRightCard", "Pick The Right Card");

    Label2 = makeLabel(fraTenRightCard, "Label2",
                       QStringLiteral("The Chosen Card is one of the Eight Cards displayed below. Concentrate And Pick "
                                      "The Chosen Card."),
                       look::verdana(9.75), Qt::black);
    Label2->setAlignment(Qt::AlignCenter);
    Label2->setWordWrap(true);
    twips::place(Label2, 240, 480, 6840, 720);

    Label3 = makeLabel(fraTenRightCard, "Label3", QStringLiteral("Click on Refresh to Change the Displayed Cards."),
                       look::verdana(9), kDarkBlue);
    Label3->setAlignment(Qt::AlignCenter);
    twips::place(Label3, 240, 1320, 6840, 300);

    const std::array<double, 4> lefts{1920, 3120, 4320, 5520};
    for (size_t i = 0; i < picCard.size(); ++i) {
        auto* card = new ClickLabel(QString(), fraTenRightCard);
        card->setObjectName(QStringLiteral("picCard_%1").arg(i));
        card->setAlignment(Qt::AlignCenter);
        card->setAccessibleRole(QAccessible::Button); // a card one picks
        twips::place(card, lefts[i % 4], i < 4 ? 2160 : 3720, 1065, 1440);
        const int index = static_cast<int>(i);
        connect(card, &ClickLabel::clicked, this, [this, index] { picCard_Click(index); });
        picCard[i] = card;
    }

    picTenCardResult = makePictureBox(fraTenRightCard, "picTenCardResult");
    twips::place(picTenCardResult, 7320, 480, 1500, 2010);

    cmdRefresh =
        makeButton(fraTenRightCard, "cmdRefresh", QStringLiteral("&Refresh"), look::verdana(8.25), look::kGrey);
    twips::place(cmdRefresh, 6840, 4680, 1815, 450);
    connect(cmdRefresh, &QPushButton::clicked, this, &frmPsychicCardTestDisplay::cmdRefresh_Click);
}

void frmPsychicCardTestDisplay::buildPleaseWait()
{
    const PleaseWait wait =
        ::buildPleaseWait(this, {"Psychic Card Test is generating the Result for You..", {1680, 3990, 5295, 920}});
    picMessage = wait.panel;
    Label7 = wait.wait;
    Label6 = wait.generating;
    m_guess = std::make_unique<GuessRunner>(this, wait.panel, lblScore, feedbackWindow<frmPsychicCardTestResult>());
    m_guess->addChoice(cmdBlackCard);
    m_guess->addChoice(cmdRedCard);
    for (ClickLabel* card : picCard)
        m_guess->addChoice(card);
}

void frmPsychicCardTestDisplay::bringColorCardGameToFront()
{
    bringToFront(fraPicKCards, {fraPicKCards, fraTenRightCard}, cmdExit);
}

void frmPsychicCardTestDisplay::bringRightCardGameToFront()
{
    bringToFront(fraTenRightCard, {fraPicKCards, fraTenRightCard}, cmdExit);
}

void frmPsychicCardTestDisplay::showDeal()
{
    for (size_t i = 0; i < picCard.size(); ++i)
        showIMGTencardFace(picCard[i], modCardTest::dealtCards[i]);
}

void frmPsychicCardTestDisplay::colorGuess(QWidget* button, modCardTest::CardColor guess)
{
    m_guess->run(button, {[] {
                              // Drawn only now, after the guess was made.
                              modCardTest::cardDrawn =
                                  static_cast<qint16>(modCardTest::drawDeckCard(platform::random().next()));
                              return int(modCardTest::cardDrawn);
                          },
                          [this](int card) {
                              showIMGCardsFace(picDeckOfCards, card);
                              return picDeckOfCards;
                          },
                          [guess](int card) { return modCardTest::isColorGuessRight(guess, card); },
                          [](bool right) { modCardTest::countGuess(modCardTest::kColorCardSlot, right); }});
}

void frmPsychicCardTestDisplay::cmdBlackCard_Click()
{
    colorGuess(cmdBlackCard, modCardTest::CardColor::Black);
}

void frmPsychicCardTestDisplay::cmdRedCard_Click()
{
    colorGuess(cmdRedCard, modCardTest::CardColor::Red);
}

void frmPsychicCardTestDisplay::picCard_Click(int index)
{
    m_guess->run(picCard[static_cast<size_t>(index)],
                 {[] {
                      modCardTest::cardDrawn =
                          static_cast<qint16>(modCardTest::drawChosenPosition(platform::random().next()));
                      return int(modCardTest::cardDrawn);
                  },
                  [this](int chosen) {
                      showIMGTencardFace(picTenCardResult, modCardTest::dealtCards[static_cast<size_t>(chosen)]);
                      return picTenCardResult;
                  },
                  [index](int chosen) { return modCardTest::isRightCardGuess(modCardTest::dealtCards, index, chosen); },
                  [index](bool right) { modCardTest::countRightCardGuess(index, right); }});
}

void frmPsychicCardTestDisplay::cmdRefresh_Click()
{
    modCardTest::DealCards();
    showDeal();
    // The new deal is heard from its first card on.
    picCard[0]->setFocus(Qt::TabFocusReason);
}

void frmPsychicCardTestDisplay::cmdBack_Click()
{
    unload();
    // Only module-level things from here on: this window is on its way out.
    frmPsychicCardTestMain::get().showWindow();
}

void frmPsychicCardTestDisplay::mnuFileBack_Click()
{
    cmdBack_Click();
}

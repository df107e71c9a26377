// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#include "colortest/frmPsychicColorTestMain.h"

#include "colortest/ColorTestLook.h"
#include "colortest/frmPsychicColorTestDisplay.h"
#include "colortest/modColorTest.h"
#include "platform/Platform.h"
#include "shell/ChanceBox.h"
#include "shell/ClickLabel.h"
#include "shell/Look.h"
#include "shell/StandardMenus.h"
#include "shell/TextBox.h"
#include "shell/Widgets.h"
#include "shell/modHelp.h"

#include <QAction>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>

namespace {

using namespace colorlook;

const char* const kWelcomeText =
    "Welcome to Sorvek Psychic Color Test. Psychic abilities mean to see, hear or feel an object, circumstance or an "
    "event by intuitive means. Hundreds of such unexplained events occur around us everyday. Sorvek Free Psychic "
    "Color Test Software is such a tool that helps you to test your inborn psychic skills.";
const char* const kNoLevelMessage = "Please Select a Type Of Color Test !";
const char* const kProceedCaption = "Proceed To &Color Test"; // the button's and the menu command's
const QString kScoreCaption = QStringLiteral("&Score");
const QString kOkCaption = QStringLiteral("Ok");

// Layout in twips: a banner strip, the welcome panel at the left and the
// level/score place at the right, the buttons below them, the link strip.
// The panels are taller by the room the report against chance takes under
// the score text.
constexpr double kChanceRoom = 2250;
constexpr double kWidth = 9600;
constexpr double kHeight = 6600 + kChanceRoom;
constexpr double kPanelTop = 720;
constexpr double kPanelWidth = 4440;
constexpr double kPanelHeight = 3480 + kChanceRoom;
constexpr double kScoreTop = 480;
constexpr double kScoreHeight = 2220; // the score text's eight lines
constexpr double kChanceTop = kScoreTop + kScoreHeight + 60;
constexpr double kLeftPanelLeft = 240;
constexpr double kRightPanelLeft = kWidth - 240 - kPanelWidth;
constexpr double kButtonTop = kPanelTop + kPanelHeight + 240;
constexpr double kButtonHeight = 495;
constexpr double kProceedWidth = 3240;
constexpr double kSmallButtonWidth = 1800;
constexpr double kButtonGap = 240;
constexpr double kLinksTop = 5280 + kChanceRoom;

// An option button with a white caption on navy. Its round indicator is
// drawn in Base and Text, which the navy window would otherwise hand down.
QRadioButton* levelOption(QWidget* parent, int index)
{
    auto* option = new QRadioButton(modColorTest::levelCaption(index), parent);
    option->setObjectName(QStringLiteral("optLevel_%1").arg(index));
    option->setFont(look::verdana(9.75));
    QPalette p = option->palette();
    p.setColor(QPalette::WindowText, Qt::white);
    p.setColor(QPalette::Base, Qt::white);
    p.setColor(QPalette::Text, kNavy);
    option->setPalette(p);
    look::setOptionLook(option);
    return option;
}

// Options of one group can all be cleared only with the group rule lifted.
void deselect(QRadioButton* option)
{
    option->setAutoExclusive(false);
    option->setChecked(false);
    option->setAutoExclusive(true);
}

} // namespace

frmPsychicColorTestMain::frmPsychicColorTestMain()
    : TestWindow({"frmPsychicColorTestMain", "Sorvek Psychic Color Test", kNavy, kWidth, kHeight})
{
    setCursor(look::handCursor());

    fraWelcome = navyPanel(this, QStringLiteral("fraWelcome"));
    twips::place(fraWelcome, kLeftPanelLeft, kPanelTop, kPanelWidth, kPanelHeight);
    Label2 = textLabel(fraWelcome, QStringLiteral("Label2"), QString::fromLatin1(kWelcomeText), 9.75, kYellow,
                       Qt::AlignLeft | Qt::AlignVCenter);
    twips::place(Label2, 240, 180, kPanelWidth - 480, kPanelHeight - 360);

    fraLevel = navyPanel(this, QStringLiteral("fraLevel"));
    twips::place(fraLevel, kRightPanelLeft, kPanelTop, kPanelWidth, kPanelHeight);
    Label4 =
        textLabel(fraLevel, QStringLiteral("Label4"),
                  QStringLiteral("Choose your level of difficulty and get started!"), 9.75, kYellow, Qt::AlignCenter);
    // The level choice stays in the middle of the taller panel.
    twips::place(Label4, 240, 240 + kChanceRoom / 2, kPanelWidth - 480, 720);
    for (int i = 0; i < 3; ++i) {
        optLevel[i] = levelOption(fraLevel, i);
        // As wide as indicator and caption: all of it reacts to a click.
        const double width = twips::fromPixels(optLevel[i]->sizeHint().width());
        twips::place(optLevel[i], 1080, 1320 + kChanceRoom / 2 + i * 600, width, 420);
    }
    optLevel[0]->setChecked(true);

    // Same place as the level panel, behind it until Score is pressed.
    fraScore = new QGroupBox(QStringLiteral("Score"), this);
    fraScore->setObjectName(QStringLiteral("fraScore"));
    fraScore->setFont(look::verdana(9.75));
    look::setGroupBackground(fraScore, kNavy);
    look::setTextColor(fraScore, Qt::white);
    twips::place(fraScore, kRightPanelLeft, kPanelTop, kPanelWidth, kPanelHeight);
    txtScore = new TextBox(fraScore);
    txtScore->setObjectName(QStringLiteral("txtScore"));
    txtScore->setFont(look::verdana(9.75));
    QPalette scorePalette = txtScore->palette();
    scorePalette.setColor(QPalette::Base, Qt::white);
    scorePalette.setColor(QPalette::Text, kNavy);
    txtScore->setPalette(scorePalette);
    txtScore->setText(QStringLiteral("13 correct Out of 14"));
    txtScore->setAccessibleName(QStringLiteral("Score"));
    twips::place(txtScore, 240, kScoreTop, kPanelWidth - 480, kScoreHeight);
    txtChance = new ChanceBox(fraScore, look::verdana(8.25));
    txtChance->setPalette(scorePalette);
    twips::place(txtChance, 240, kChanceTop, kPanelWidth - 480, kPanelHeight - 240 - kChanceTop);
    txtChance->fitToWholeLines();
    fraScore->hide();
    fraLevel->raise();

    cmdProceed = makeButton(this, "cmdProceed", QString::fromLatin1(kProceedCaption), buttonFont(), kButtonFace);
    twips::place(cmdProceed, kLeftPanelLeft + (kPanelWidth - kProceedWidth) / 2, kButtonTop, kProceedWidth,
                 kButtonHeight);
    const double smallLeft = kRightPanelLeft + (kPanelWidth - 2 * kSmallButtonWidth - kButtonGap) / 2;
    cmdScore = makeButton(this, "cmdScore", kScoreCaption, buttonFont(), kButtonFace);
    twips::place(cmdScore, smallLeft, kButtonTop, kSmallButtonWidth, kButtonHeight);
    twips::place(makeExit(this, buttonFont(), kButtonFace), smallLeft + kSmallButtonWidth + kButtonGap, kButtonTop,
                 kSmallButtonWidth, kButtonHeight);

    buildLinkStrips(this, kWidth, kHeight, kLinksTop);

    connect(cmdProceed, &QPushButton::clicked, this, &frmPsychicColorTestMain::cmdProceed_Click);
    connect(cmdScore, &QPushButton::clicked, this, &frmPsychicColorTestMain::cmdScore_Click);

    buildMenus({{kProceedCaption, "mnuProceed", [this] { mnuProceed_Click(); }}});
    // The score text is read, then the report against chance, then its Ok:
    // they sit where the level options do.
    chainTab({cmdProceed, txtScore, txtChance, cmdScore});
}

void frmPsychicColorTestMain::Form_Load()
{
    RemindOfUpdate();
}

QWidget* frmPsychicColorTestMain::restingFocus() const
{
    // The level choice, not the banner that Tab reaches first.
    return optLevel[0];
}

int frmPsychicColorTestMain::chosenLevel() const
{
    for (int i = 0; i < 3; ++i) {
        if (optLevel[i]->isChecked())
            return i;
    }
    return -1;
}

void frmPsychicColorTestMain::cmdProceed_Click()
{
    const int level = chosenLevel();
    if (level < 0) {
        platform::messageBoxes().information(QString::fromLatin1(kNoLevelMessage));
        return;
    }
    frmPsychicColorTestDisplay& play = frmPsychicColorTestDisplay::get();
    play.bringLevelToFront(level);
    play.showWindow();
    hideWindow();
}

void frmPsychicColorTestMain::cmdScore_Click()
{
    for (QRadioButton* option : optLevel)
        deselect(option);
    if (cmdScore->text() == kScoreCaption) {
        bringToFront(fraScore, {fraLevel, fraScore}, cmdScore);
        // Focus first: a screen reader reads the text box when the focus
        // arrives, and takes a text change in the focused box as no news.
        txtScore->setFocus();
        txtScore->setText(modColorTest::scoreText());
        txtChance->setText(modColorTest::chanceReport());
        cmdScore->setText(kOkCaption);
    } else {
        bringToFront(fraLevel, {fraLevel, fraScore}, cmdScore);
        cmdScore->setText(kScoreCaption);
        optLevel[0]->setChecked(true);
        // On the chosen level: a screen reader speaks it, where the renamed
        // button under the focus would go unsaid.
        optLevel[0]->setFocus(Qt::OtherFocusReason);
    }
}

void frmPsychicColorTestMain::mnuProceed_Click()
{
    cmdProceed_Click();
}

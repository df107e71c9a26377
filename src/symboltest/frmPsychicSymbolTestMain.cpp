// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#include "symboltest/frmPsychicSymbolTestMain.h"

#include "platform/Platform.h"
#include "shell/ClickLabel.h"
#include "shell/DialogWindows.h"
#include "shell/GuessRunner.h"
#include "shell/Look.h"
#include "shell/StandardMenus.h"
#include "shell/Widgets.h"
#include "symboltest/SymbolControls.h"
#include "symboltest/SymbolPictures.h"
#include "symboltest/frmPsychicSymbolTestResult.h"
#include "symboltest/frmPsychicSymbolTestSelectOption.h"
#include "symboltest/modSymbolTest.h"

#include "images/PictureStore.h"

#include <QAction>
#include <QFrame>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QPushButton>

#include <functional>

namespace {

const QColor kMagenta(255, 0, 255);

// Layout, in twips.
constexpr double kWidth = 9495;
constexpr double kHeight = 7215;
constexpr double kPlayTop = 600;
constexpr double kPlayHeight = 5655;
constexpr double kBottomBarTop = 6240;
constexpr double kBottomBarHeight = 975;
constexpr double kChoiceSize = 1500;
constexpr double kResultFrameWidth = 2040;
constexpr double kResultFrameHeight = 2055;
constexpr double kResultFrameTop = 120;
constexpr double kLabelHeight = 270;
constexpr double kScoreWidth = 3015;
constexpr double kScoreTop = 5100;
constexpr double kButtonHeight = 375;
constexpr double kBarButtonWidth = 1140;

struct Spot {
    double left;
    double top;
};

// Top-left corners of the choices, by symbol number, within their panel.
const std::array<Spot, 5> kBeginnerSpots{{{360, 3480}, {2160, 2520}, {3960, 3480}, {5760, 2520}, {7560, 3480}}};
const std::array<Spot, 8> kIntermediateSpots{
    {{120, 2280}, {1680, 1560}, {6360, 1560}, {7920, 2280}, {1680, 3120}, {3240, 3120}, {4800, 3120}, {6360, 3120}}};
const std::array<Spot, 10> kExpertSpots{{{120, 1560},
                                         {1680, 1560},
                                         {6360, 1560},
                                         {7920, 1560},
                                         {120, 3120},
                                         {1680, 3120},
                                         {3240, 3120},
                                         {4800, 3120},
                                         {6360, 3120},
                                         {7920, 3120}}};

// The prompt sits under the "Result" frame where the choices leave a full
// line free: above the Beginner zig-zag, below the two lower rows.
constexpr std::array<double, kLevelCount> kPromptTops{2220, 4710, 4710};

QPushButton* greyButton(QWidget* parent, const char* name, const char* caption)
{
    return makeButton(parent, name, QString::fromLatin1(caption), look::verdana(8.25), look::kGrey);
}

void showMysteryBox(SymbolBox* box)
{
    box->showSymbol(&IMGBiggener(), kMysteryBoxPicture, symbolName(Symbol::MysteryBox));
}

// Shows picture `number` of a level's list: a choice's symbol or the one drawn.
template <typename Control>
void showLevelPicture(Control* control, int level, int number)
{
    const std::optional<Symbol> symbol = pictureOfList(level, number);
    control->showSymbol(&levelPictures(level), number, symbol ? symbolName(*symbol) : QString());
}

template <std::size_t N>
void buildChoices(QFrame* panel, int level, const char* name, std::array<SymbolChoice*, N>& choices,
                  const std::array<Spot, N>& spots, std::function<void(int)> click)
{
    for (std::size_t i = 0; i < N; ++i) {
        auto* choice = new SymbolChoice(panel, QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(i));
        showLevelPicture(choice, level, static_cast<int>(i) + 1);
        twips::place(choice, spots[i].left, spots[i].top, kChoiceSize, kChoiceSize);
        const int index = static_cast<int>(i);
        QObject::connect(choice, &SymbolChoice::clicked, panel, [click, index] { click(index); });
        choices[i] = choice;
    }
}

} // namespace

frmPsychicSymbolTestMain::frmPsychicSymbolTestMain()
{
    setObjectName(QStringLiteral("frmPsychicSymbolTestMain"));
    setWindowTitle(QStringLiteral("Sorvek Psychic Symbol Test"));
    look::setBackground(this, Qt::black);
    setFixedSize(twips::toPixels(kWidth), twips::toPixels(kHeight));

    buildLevelPanels();
    buildBars();
    buildMessage();
    buildMenus();
    orderTabByScreen(this);
    // The two links stand one above the other, left of the buttons.
    setTabOrder(lblCobrand, lblFullBrand);
    setTabOrder(lblFullBrand, cmdBack);

    // At creation the cover is in front and no level is being played.
    bringToFront(raCover, {raCover, fraBeginner, fraIntermediate, fraExpert}, cmdBack);
}

void frmPsychicSymbolTestMain::buildBars()
{
    const LinkBar top = buildLinkBar(this, symbolTopBar("Frame2", kWidth));
    Frame2 = top.bar;
    Label61 = top.Label61;

    // The verdict holder lies behind the bottom bar and is never seen.
    lblScore = new QLabel(QStringLiteral("lblScore"), this);
    lblScore->setObjectName(QStringLiteral("lblScore"));
    twips::place(lblScore, 120, kBottomBarTop + 120, 1500, 255);
    lblScore->hide();

    const double buttonsLeft = kWidth - 2 * kBarButtonWidth - 240;
    const LinkBar bottom =
        buildLinkBar(this, {"Frame5",
                            Qt::black,
                            QRectF(0, kBottomBarTop, kWidth, kBottomBarHeight),
                            {symbolBrandLink(BrandLink::Cobrand, QRectF(120, 45, buttonsLeft - 240, 435)),
                             symbolBrandLink(BrandLink::FullBrand, QRectF(120, 495, buttonsLeft - 240, 435))}});
    Frame5 = bottom.bar;
    lblCobrand = bottom.lblCobrand;
    lblFullBrand = bottom.lblFullBrand;

    cmdBack = greyButton(Frame5, "cmdBack", "&Back");
    twips::place(cmdBack, buttonsLeft, 300, kBarButtonWidth, kButtonHeight);
    connect(cmdBack, &QPushButton::clicked, this, [this] { cmdBack_Click(); });
    cmdExit = greyButton(Frame5, "cmdExit", "&Exit");
    twips::place(cmdExit, buttonsLeft + kBarButtonWidth + 120, 300, kBarButtonWidth, kButtonHeight);
    connect(cmdExit, &QPushButton::clicked, this, [this] { cmdExit_Click(); });
}

void frmPsychicSymbolTestMain::buildMessage()
{
    const PleaseWait wait =
        buildPleaseWait(this, {Qt::black,
                               true,
                               {1860, 1440, 5775, 840},
                               {"Label7", look::verdana(14.25), kMagenta, QColor(), {0, 30, 5775, 390}},
                               {"Label6", look::verdana(9.75, false), Qt::black, kMagenta, {0, 435, 5775, 405}},
                               "Psychic Symbol Test is generating the Result for You......."});
    picMessage = wait.panel;
    Label7 = wait.wait;
    Label6 = wait.generating;
    m_guess = std::make_unique<GuessRunner>(this, wait.panel, lblScore, feedbackWindow<frmPsychicSymbolTestResult>());
    for (int level = Beginner; level <= Expert; ++level) {
        for (int i = 0; i < modSymbolTest::symbolsAtLevel(level); ++i)
            m_guess->addChoice(choiceAt(level, i));
    }
}

QFrame* frmPsychicSymbolTestMain::buildLevelPanel(int level, const char* name, QGroupBox*& frame, const char* frameName,
                                                  SymbolBox*& result, const char* resultName, QLabel*& label,
                                                  const char* labelName, QPushButton*& score, const char* scoreName)
{
    QFrame* panel = makePanel(this, name, kSymbolPink);
    setPanelTitle(panel, QString::fromLatin1(kLevelNames[level]));
    twips::place(panel, 0, kPlayTop, kWidth, kPlayHeight);

    frame = new QGroupBox(QStringLiteral("Result"), panel);
    frame->setObjectName(QString::fromLatin1(frameName));
    frame->setFont(look::verdana(8.25));
    styleFramedGroup(frame, kSymbolPink);
    twips::place(frame, twips::centredLeft(kWidth, kResultFrameWidth), kResultFrameTop, kResultFrameWidth,
                 kResultFrameHeight);
    result = new SymbolBox(frame, QString::fromLatin1(resultName));
    twips::place(result, twips::centredLeft(kResultFrameWidth, kChoiceSize), 375, kChoiceSize, kChoiceSize);
    showMysteryBox(result);

    label = new QLabel(QStringLiteral("Think Deeply and Click On a Symbol"), panel);
    label->setObjectName(QString::fromLatin1(labelName));
    label->setFont(look::verdana(9.75));
    label->setAlignment(Qt::AlignCenter);
    look::setTextColor(label, kSymbolNavy);
    twips::place(label, 0, kPromptTops[static_cast<std::size_t>(level)], kWidth, kLabelHeight);

    score = greyButton(panel, scoreName, "&Score");
    twips::place(score, twips::centredLeft(kWidth, kScoreWidth), kScoreTop, kScoreWidth, kButtonHeight);
    return panel;
}

void frmPsychicSymbolTestMain::buildLevelPanels()
{
    raCover = makePanel(this, "raCover", kSymbolPink);
    twips::place(raCover, 0, kPlayTop, kWidth, kPlayHeight);

    fraBeginner = buildLevelPanel(Beginner, "fraBeginner", Frame6, "Frame6", picZenerSymbol, "picZenerSymbol", Label1,
                                  "Label1", cmdScore, "cmdScore");
    buildChoices(fraBeginner, Beginner, "cmdZener", cmdZener, kBeginnerSpots, [this](int i) { cmdZener_Click(i); });
    connect(cmdScore, &QPushButton::clicked, this, [this] { cmdScore_Click(); });

    fraIntermediate =
        buildLevelPanel(Intermediate, "fraIntermediate", Frame7, "Frame7", PicIntermediateResult,
                        "PicIntermediateResult", Label2, "Label2", cmdIntermediateScore, "cmdIntermediateScore");
    buildChoices(fraIntermediate, Intermediate, "PicIntermediate", PicIntermediate, kIntermediateSpots,
                 [this](int i) { PicIntermediate_Click(i); });
    connect(cmdIntermediateScore, &QPushButton::clicked, this, [this] { cmdIntermediateScore_Click(); });

    fraExpert = buildLevelPanel(Expert, "fraExpert", Frame8, "Frame8", picExpertResult, "picExpertResult", Label3,
                                "Label3", cmdExpertScore, "cmdExpertScore");
    buildChoices(fraExpert, Expert, "picExpert", picExpert, kExpertSpots, [this](int i) { picExpert_Click(i); });
    connect(cmdExpertScore, &QPushButton::clicked, this, [this] { cmdExpertScore_Click(); });
}

void frmPsychicSymbolTestMain::buildMenus()
{
    const MenuBar bar =
        buildMenuBar(this,
                     {{"Score...", "mnuScore", [this] { mnuScore_Click(); }, QKeySequence(Qt::CTRL | Qt::Key_S)},
                      {"Level of Difficulty...", "mnuDifficulty", [this] { mnuDifficulty_Click(); },
                       QKeySequence(Qt::CTRL | Qt::Key_D)},
                      exitCommand([this] { mnuExit_Click(); })},
                     UpdateCaption::CheckForSoftwareUpdate, QStringLiteral("mnuHelp1"), QStringLiteral("mnuHelp2"));
    mnuFile = bar.mnuFile;
    mnuScore = bar.file[0];
    mnuDifficulty = bar.file[1];
    mnuExit = bar.file[2];
    mnuHelp = bar.help.mnuHelp;
    mnuOnline = bar.help.mnuOnline;
    mnuVisit = bar.help.mnuVisit;
    mnuUpdate = bar.help.mnuUpdate;
    mnuAbout = bar.help.mnuAbout;
    mkmoney = bar.mkmoney;
    bindWindowKeys(this, nullptr, nullptr);
}

void frmPsychicSymbolTestMain::launch()
{
    modSymbolTest::SymbolLevelChosen = false; // so the window asks for a level on becoming active
    openPlaced();
}

void frmPsychicSymbolTestMain::Form_Load()
{
    placeCentredAtTop();
}

void frmPsychicSymbolTestMain::Form_Activate()
{
    if (modSymbolTest::SymbolLevelChosen)
        return;
    frmPsychicSymbolTestSelectOption& options = frmPsychicSymbolTestSelectOption::get();
    if (options.isVisible())
        return; // already asking
    askForTheLevel(options);
}

void frmPsychicSymbolTestMain::askForTheLevel(frmPsychicSymbolTestSelectOption& options)
{
    // The level's Score, or Back on the cover, as when a panel opens: not
    // whatever the Tab order starts with.
    if (runModal(options, this))
        restingFocus()->setFocus(Qt::OtherFocusReason);
}

QFrame* frmPsychicSymbolTestMain::levelPanel(int level) const
{
    switch (level) {
    case Beginner:
        return fraBeginner;
    case Intermediate:
        return fraIntermediate;
    case Expert:
        return fraExpert;
    default:
        return nullptr;
    }
}

SymbolBox* frmPsychicSymbolTestMain::resultBox(int level) const
{
    switch (level) {
    case Beginner:
        return picZenerSymbol;
    case Intermediate:
        return PicIntermediateResult;
    case Expert:
        return picExpertResult;
    default:
        return nullptr;
    }
}

void frmPsychicSymbolTestMain::bringLevelToFront(int level)
{
    if (QFrame* panel = levelPanel(level))
        bringToFront(panel, {raCover, fraBeginner, fraIntermediate, fraExpert}, scoreButton(level));
}

QFrame* frmPsychicSymbolTestMain::frontPanel() const
{
    for (QFrame* panel : {fraBeginner, fraIntermediate, fraExpert}) {
        if (!panel->isHidden())
            return panel;
    }
    return raCover;
}

void frmPsychicSymbolTestMain::cmdZener_Click(int index)
{
    Guess(Beginner, index);
}
void frmPsychicSymbolTestMain::PicIntermediate_Click(int index)
{
    Guess(Intermediate, index);
}
void frmPsychicSymbolTestMain::picExpert_Click(int index)
{
    Guess(Expert, index);
}

QPushButton* frmPsychicSymbolTestMain::scoreButton(int level) const
{
    return level == Beginner ? cmdScore : level == Intermediate ? cmdIntermediateScore : cmdExpertScore;
}

QWidget* frmPsychicSymbolTestMain::restingFocus() const
{
    // The Score button of the level in play, or Back while none is.
    QFrame* front = frontPanel();
    for (int level = Beginner; level <= Expert; ++level) {
        if (levelPanel(level) == front)
            return scoreButton(level);
    }
    return cmdBack;
}

SymbolChoice* frmPsychicSymbolTestMain::choiceAt(int level, int index) const
{
    const auto i = static_cast<std::size_t>(index);
    switch (level) {
    case Beginner:
        return cmdZener.at(i);
    case Intermediate:
        return PicIntermediate.at(i);
    default:
        return picExpert.at(i);
    }
}

void frmPsychicSymbolTestMain::Guess(int level, int choiceIndex)
{
    // From the draw on every step runs to the end; a counter already at its
    // top simply stays there.
    m_guess->run(choiceAt(level, choiceIndex),
                 {[level] {
                      const int drawn = modSymbolTest::drawSymbol(platform::random().next(), level);
                      modSymbolTest::lastDrawnSymbol(level) = static_cast<qint16>(drawn);
                      return drawn;
                  },
                  [this, level](int drawn) {
                      showLevelPicture(resultBox(level), level, drawn);
                      return resultBox(level);
                  },
                  [choiceIndex](int drawn) { return modSymbolTest::isRightSymbol(drawn, choiceIndex); },
                  [level](bool right) { modSymbolTest::countGuess(level, right); }});
}

void frmPsychicSymbolTestMain::mnuDifficulty_Click()
{
    frmPsychicSymbolTestSelectOption& options = frmPsychicSymbolTestSelectOption::get();
    options.showLevelPanel();
    for (int level = 0; level < kLevelCount; ++level)
        showMysteryBox(resultBox(level));
    askForTheLevel(options);
}

void frmPsychicSymbolTestMain::cmdBack_Click()
{
    mnuDifficulty_Click();
}

void frmPsychicSymbolTestMain::mnuScore_Click()
{
    frmPsychicSymbolTestSelectOption& options = frmPsychicSymbolTestSelectOption::get();
    options.setScoreText(modSymbolTest::scoreText());
    options.showScorePanel();
    if (!runModal(options, this))
        return; // this window was closed meanwhile
    // Back on the Score button of the level shown.
    for (QPushButton* score : {cmdScore, cmdIntermediateScore, cmdExpertScore})
        if (score->isVisible())
            score->setFocus();
}
void frmPsychicSymbolTestMain::cmdScore_Click()
{
    mnuScore_Click();
}
void frmPsychicSymbolTestMain::cmdIntermediateScore_Click()
{
    mnuScore_Click();
}
void frmPsychicSymbolTestMain::cmdExpertScore_Click()
{
    mnuScore_Click();
}

void frmPsychicSymbolTestMain::cmdExit_Click()
{
    unload();
}
void frmPsychicSymbolTestMain::mnuExit_Click()
{
    cmdExit_Click();
}

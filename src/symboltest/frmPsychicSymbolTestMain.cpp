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

#include <vector>

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

// One row per level: the names its controls go by, where its prompt sits and
// where its choices stand.
struct LevelRow {
    const char* panel;
    const char* frame;
    const char* result;
    const char* prompt;
    const char* score;
    const char* choices;
    // Under the "Result" frame where the choices leave a full line free:
    // above the Beginner zig-zag, below the two lower rows.
    double promptTop;
    // Top-left corners of the choices, by symbol number, within the panel.
    std::vector<Spot> spots;
};
const std::array<LevelRow, kLevelCount> kLevelRows{{
    {"fraBeginner",
     "Frame6",
     "picZenerSymbol",
     "Label1",
     "cmdScore",
     "cmdZener",
     2220,
     {{360, 3480}, {2160, 2520}, {3960, 3480}, {5760, 2520}, {7560, 3480}}},
    {"fraIntermediate",
     "Frame7",
     "PicIntermediateResult",
     "Label2",
     "cmdIntermediateScore",
     "PicIntermediate",
     4710,
     {{120, 2280}, {1680, 1560}, {6360, 1560}, {7920, 2280}, {1680, 3120}, {3240, 3120}, {4800, 3120}, {6360, 3120}}},
    {"fraExpert",
     "Frame8",
     "picExpertResult",
     "Label3",
     "cmdExpertScore",
     "picExpert",
     4710,
     {{120, 1560},
      {1680, 1560},
      {6360, 1560},
      {7920, 1560},
      {120, 3120},
      {1680, 3120},
      {3240, 3120},
      {4800, 3120},
      {6360, 3120},
      {7920, 3120}}},
}};

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

} // namespace

frmPsychicSymbolTestMain::frmPsychicSymbolTestMain()
    : TestWindow({"frmPsychicSymbolTestMain", "Sorvek Psychic Symbol Test", Qt::black, kWidth, kHeight})
{
    buildLevelPanels();
    buildBars();
    buildMessage();
    buildMenus({{"Score...", "mnuScore", [this] { mnuScore_Click(); }, QKeySequence(Qt::CTRL | Qt::Key_S)},
                {"Level of Difficulty...", "mnuDifficulty", [this] { mnuDifficulty_Click(); },
                 QKeySequence(Qt::CTRL | Qt::Key_D)}});
    // The two links stand one above the other, left of the buttons.
    chainTab({lblCobrand, lblFullBrand, cmdBack});

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
    twips::place(makeExit(Frame5, look::verdana(8.25), look::kGrey), buttonsLeft + kBarButtonWidth + 120, 300,
                 kBarButtonWidth, kButtonHeight);
}

void frmPsychicSymbolTestMain::buildMessage()
{
    const PleaseWait wait =
        buildPleaseWait(this, {"Psychic Symbol Test is generating the Result for You.......",
                               {1860, 1440, 5775, 840},
                               Qt::black,
                               true,
                               {"Label7", look::verdana(14.25), kMagenta, QColor(), {0, 30, 5775, 390}},
                               {"Label6", look::verdana(9.75, false), Qt::black, kMagenta, {0, 435, 5775, 405}}});
    picMessage = wait.panel;
    Label7 = wait.wait;
    Label6 = wait.generating;
    m_guess = std::make_unique<GuessRunner>(this, wait.panel, lblScore, feedbackWindow<frmPsychicSymbolTestResult>());
    for (const LevelControls& level : levels) {
        for (SymbolChoice* choice : level.choices)
            m_guess->addChoice(choice);
    }
}

void frmPsychicSymbolTestMain::buildLevelPanels()
{
    raCover = makePanel(this, "raCover", kSymbolPink);
    twips::place(raCover, 0, kPlayTop, kWidth, kPlayHeight);

    for (int level = Beginner; level <= Expert; ++level) {
        const LevelRow& row = kLevelRows[static_cast<std::size_t>(level)];
        LevelControls& controls = levels[static_cast<std::size_t>(level)];
        QFrame* panel = makePanel(this, row.panel, kSymbolPink);
        controls.panel = panel;
        setPanelTitle(panel, QString::fromLatin1(kLevelNames[level]));
        twips::place(panel, 0, kPlayTop, kWidth, kPlayHeight);

        controls.frame = new QGroupBox(QStringLiteral("Result"), panel);
        controls.frame->setObjectName(QString::fromLatin1(row.frame));
        controls.frame->setFont(look::verdana(8.25));
        styleFramedGroup(controls.frame, kSymbolPink);
        twips::place(controls.frame, twips::centredLeft(kWidth, kResultFrameWidth), kResultFrameTop, kResultFrameWidth,
                     kResultFrameHeight);
        controls.result = new SymbolBox(controls.frame, QString::fromLatin1(row.result));
        twips::place(controls.result, twips::centredLeft(kResultFrameWidth, kChoiceSize), 375, kChoiceSize,
                     kChoiceSize);
        showMysteryBox(controls.result);

        controls.prompt = new QLabel(QStringLiteral("Think Deeply and Click On a Symbol"), panel);
        controls.prompt->setObjectName(QString::fromLatin1(row.prompt));
        controls.prompt->setFont(look::verdana(9.75));
        controls.prompt->setAlignment(Qt::AlignCenter);
        look::setTextColor(controls.prompt, kSymbolNavy);
        twips::place(controls.prompt, 0, row.promptTop, kWidth, kLabelHeight);

        controls.score = greyButton(panel, row.score, "&Score");
        twips::place(controls.score, twips::centredLeft(kWidth, kScoreWidth), kScoreTop, kScoreWidth, kButtonHeight);
        connect(controls.score, &QPushButton::clicked, this, [this] { mnuScore_Click(); });

        Q_ASSERT(int(row.spots.size()) == modSymbolTest::symbolsAtLevel(level));
        for (int i = 0; i < int(row.spots.size()); ++i) {
            auto* choice = new SymbolChoice(panel, QStringLiteral("%1_%2").arg(QLatin1String(row.choices)).arg(i));
            showLevelPicture(choice, level, i + 1);
            const Spot& spot = row.spots[static_cast<std::size_t>(i)];
            twips::place(choice, spot.left, spot.top, kChoiceSize, kChoiceSize);
            connect(choice, &SymbolChoice::clicked, this, [this, level, i] { Guess(level, i); });
            controls.choices.push_back(choice);
        }
    }
}

void frmPsychicSymbolTestMain::launch()
{
    modSymbolTest::SymbolLevelChosen = false; // so the window asks for a level on becoming active
    openPlaced();
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

void frmPsychicSymbolTestMain::bringLevelToFront(int level)
{
    if (level < Beginner || level > Expert)
        return;
    const LevelControls& controls = levels[static_cast<std::size_t>(level)];
    bringToFront(controls.panel, {raCover, fraBeginner, fraIntermediate, fraExpert}, controls.score);
}

QFrame* frmPsychicSymbolTestMain::frontPanel() const
{
    for (const LevelControls& level : levels) {
        if (!level.panel->isHidden())
            return level.panel;
    }
    return raCover;
}

QWidget* frmPsychicSymbolTestMain::restingFocus() const
{
    // The Score button of the level in play, or Back while none is.
    QFrame* front = frontPanel();
    for (const LevelControls& level : levels) {
        if (level.panel == front)
            return level.score;
    }
    return cmdBack;
}

void frmPsychicSymbolTestMain::Guess(int level, int choiceIndex)
{
    // From the draw on every step runs to the end; a counter already at its
    // top simply stays there.
    SymbolBox* result = levels.at(static_cast<std::size_t>(level)).result;
    m_guess->run(levels[static_cast<std::size_t>(level)].choices.at(static_cast<std::size_t>(choiceIndex)),
                 {[level] {
                      const int drawn = modSymbolTest::drawSymbol(platform::random().next(), level);
                      modSymbolTest::lastDrawnSymbol(level) = static_cast<qint16>(drawn);
                      return drawn;
                  },
                  [result, level](int drawn) {
                      showLevelPicture(result, level, drawn);
                      return result;
                  },
                  [choiceIndex](int drawn) { return modSymbolTest::isRightSymbol(drawn, choiceIndex); },
                  [level](bool right) { modSymbolTest::countGuess(level, right); }});
}

void frmPsychicSymbolTestMain::mnuDifficulty_Click()
{
    frmPsychicSymbolTestSelectOption& options = frmPsychicSymbolTestSelectOption::get();
    options.showLevelPanel();
    for (const LevelControls& level : levels)
        showMysteryBox(level.result);
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
    for (const LevelControls& level : levels)
        if (level.score->isVisible())
            level.score->setFocus();
}

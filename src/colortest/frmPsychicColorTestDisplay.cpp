// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#include "colortest/frmPsychicColorTestDisplay.h"

#include "colortest/ColorTestLook.h"
#include "colortest/frmPsychicColorTestMain.h"
#include "colortest/frmPsychicColorTestResult.h"
#include "colortest/modColorTest.h"
#include "platform/Platform.h"
#include "shell/ClickLabel.h"
#include "shell/GuessRunner.h"
#include "shell/Look.h"
#include "shell/Widgets.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

namespace {

using namespace colorlook;
using modColorTest::Beginner;
using modColorTest::Expert;
using modColorTest::Intermediate;

const QColor kOrange(255, 128, 0);
const QColor kLightYellow(255, 255, 128);
const QColor kMessageText(0, 0, 128);

const char* const kCalmText = "Close your eyes, Take a Deep Breath and Think Deeply.";
const char* const kSelectText = "Now Open Your Eyes Select an Option and then Click on One Color of Your Choice";

// Layout in twips: the banner strip, the level panels (all in one place),
// the two buttons below them and the link strip.
constexpr double kWidth = 9600;
constexpr double kHeight = 7320;
constexpr double kPanelLeft = 240;
constexpr double kPanelTop = 600;
constexpr double kPanelWidth = kWidth - 2 * kPanelLeft;
constexpr double kPanelHeight = 4560;
constexpr double kPaletteTop = 720; // the area between the two texts, in the panel
constexpr double kPaletteHeight = 3000;
constexpr double kButtonTop = kPanelTop + kPanelHeight + 180;
constexpr double kButtonWidth = 1800;
constexpr double kButtonHeight = 495;
constexpr double kButtonGap = 240;
constexpr double kLinksTop = 5940;
constexpr double kMessageWidth = 5760;
constexpr double kMessageHeight = 1560;

// A level's names and how its buttons are laid out: columns per row and
// button size. Beginner's are the largest, Expert's the smallest.
struct Grid {
    const char* panel;
    const char* buttons;
    int columns;
    double width;
    double height;
    double gap;
};
constexpr std::array<Grid, 3> kGrids{{
    {"fraBeginner", "cmdBeginner", 5, 1440, 2760, 240},         // one row of five tall buttons
    {"fraIntermediate", "cmdIntermediate", 5, 1200, 1200, 240}, // two rows of five squares
    {"fraExpert", "cmdExpert", 10, 720, 720, 120},              // two rows of ten small squares
}};

// The place of button `index` in a level's palette, centred in the panel.
QRectF buttonRect(int level, int index)
{
    const Grid& g = kGrids[level];
    const int rows = (modColorTest::colorCount(level) + g.columns - 1) / g.columns;
    const double blockWidth = g.columns * g.width + (g.columns - 1) * g.gap;
    const double blockHeight = rows * g.height + (rows - 1) * g.gap;
    const double left = (kPanelWidth - blockWidth) / 2;
    const double top = kPaletteTop + (kPaletteHeight - blockHeight) / 2;
    const int row = index / g.columns;
    const int column = index % g.columns;
    return QRectF(left + column * (g.width + g.gap), top + row * (g.height + g.gap), g.width, g.height);
}

// Colour button `index` of a level's palette, in its place on the panel.
QPushButton* colorButton(QFrame* panel, int level, int index)
{
    const modColorTest::PaletteColor& color = modColorTest::palette(level)[index];
    auto* button = new QPushButton(panel);
    button->setObjectName(QStringLiteral("%1_%2").arg(QLatin1String(kGrids[level].buttons)).arg(index));
    look::setSolidButton(button, color.color());
    button->setCursor(look::handCursor());
    button->setAccessibleName(QString::fromLatin1(color.name));
    const QRectF r = buttonRect(level, index);
    twips::place(button, r.left(), r.top(), r.width(), r.height());
    return button;
}

} // namespace

frmPsychicColorTestDisplay::frmPsychicColorTestDisplay()
    : TestWindow({"frmPsychicColorTestDisplay", "Sorvek Psychic Color Test", kNavy, kWidth, kHeight})
{
    for (int level = Beginner; level <= Expert; ++level) {
        LevelControls& controls = levels[level];
        QFrame* panel = navyPanel(this, QString::fromLatin1(kGrids[level].panel));
        controls.panel = panel;
        setPanelTitle(panel, modColorTest::levelCaption(level));
        twips::place(panel, kPanelLeft, kPanelTop, kPanelWidth, kPanelHeight);
        controls.calm = textLabel(panel, QStringLiteral("lblCalm_%1").arg(level), QString::fromLatin1(kCalmText), 9.75,
                                  kOrange, Qt::AlignCenter);
        twips::place(controls.calm, 120, 180, kPanelWidth - 240, 420);
        controls.select = textLabel(panel, QStringLiteral("lblSelect_%1").arg(level), QString::fromLatin1(kSelectText),
                                    9, kLightYellow, Qt::AlignCenter);
        twips::place(controls.select, 120, kPaletteTop + kPaletteHeight + 120, kPanelWidth - 240, 600);
        for (int i = 0; i < modColorTest::colorCount(level); ++i) {
            QPushButton* color = colorButton(panel, level, i);
            connect(color, &QPushButton::clicked, this, [this, level, i] { guess(level, i); });
            controls.colors.push_back(color);
        }
    }
    lblScore = new QLabel(QStringLiteral("lblScore"), this);
    lblScore->setObjectName(QStringLiteral("lblScore"));
    lblScore->hide();

    constexpr double kMessageLeft = kPanelLeft + (kPanelWidth - kMessageWidth) / 2;
    constexpr double kMessageTop = kPanelTop + (kPanelHeight - kMessageHeight) / 2;
    const PleaseWait wait = buildPleaseWait(
        this, {"Psychic Color Test is generating the Result for You",
               {kMessageLeft, kMessageTop, kMessageWidth, kMessageHeight},
               kWaitRed,
               false,
               {"lblWait", look::verdana(14), kMessageText, Qt::white, {180, 180, kMessageWidth - 360, 660}},
               {"lblGenerating", look::verdana(8.25), kMessageText, Qt::white, {180, 900, kMessageWidth - 360, 480}}});
    picMessage = wait.panel;
    lblWait = wait.wait;
    lblGenerating = wait.generating;
    m_guess = std::make_unique<GuessRunner>(this, wait.panel, lblScore, feedbackWindow<frmPsychicColorTestResult>());
    for (const LevelControls& level : levels) {
        for (QPushButton* color : level.colors)
            m_guess->addChoice(color);
    }

    const double buttonsLeft = (kWidth - 2 * kButtonWidth - kButtonGap) / 2;
    cmdOK = makeButton(this, "cmdOK", QStringLiteral("&Back"), buttonFont(), kButtonFace);
    twips::place(cmdOK, buttonsLeft, kButtonTop, kButtonWidth, kButtonHeight);
    twips::place(makeExit(this, buttonFont(), kButtonFace), buttonsLeft + kButtonWidth + kButtonGap, kButtonTop,
                 kButtonWidth, kButtonHeight);
    connect(cmdOK, &QPushButton::clicked, this, &frmPsychicColorTestDisplay::cmdOk_Click);

    buildLinkStrips(this, kWidth, kHeight, kLinksTop);
    // The first panel listed is in front until the home window chooses.
    bringLevelToFront(Beginner);

    buildMenus({backCommand([this] { mnuFileBack_Click(); })}, kPlayWindowHelp);
    setWindowKeys(cmdExit, cmdExit);
}

void frmPsychicColorTestDisplay::bringLevelToFront(int level)
{
    ::bringToFront(levels.at(level).panel, {fraBeginner, fraIntermediate, fraExpert}, cmdExit);
}

void frmPsychicColorTestDisplay::guess(int level, int index)
{
    m_guess->run(levels.at(level).colors.at(index),
                 {[this, level] {
                      m_drawn[level] = static_cast<qint16>(modColorTest::drawColor(level));
                      return int(m_drawn[level]);
                  },
                  nullptr, // the drawn colour is never shown
                  [index](int drawn) { return modColorTest::isRightGuess(index, drawn); },
                  [level](bool right) { modColorTest::countGuess(level, right); }});
}

void frmPsychicColorTestDisplay::cmdOk_Click()
{
    unload();
    frmPsychicColorTestMain::get().showWindow();
}

void frmPsychicColorTestDisplay::mnuFileBack_Click()
{
    cmdOk_Click();
}

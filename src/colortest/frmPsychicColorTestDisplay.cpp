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
#include "shell/Feedback.h"
#include "shell/Look.h"

#include <QAction>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPointer>
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

// How a level's buttons are laid out: columns per row and button size.
// Beginner's are the largest, Expert's the smallest.
struct Grid {
    int columns;
    double width;
    double height;
    double gap;
};
constexpr std::array<Grid, 3> kGrids{{
    {5, 1440, 2760, 240}, // one row of five tall buttons
    {5, 1200, 1200, 240}, // two rows of five squares
    {10, 720, 720, 120},  // two rows of ten small squares
}};

// The place of button `index` in a level's palette, centred in the panel.
QRectF buttonRect(int level, int index)
{
    const Grid& g = kGrids[level];
    const int rows = (modColorTest::colourCount(level) + g.columns - 1) / g.columns;
    const double blockWidth = g.columns * g.width + (g.columns - 1) * g.gap;
    const double blockHeight = rows * g.height + (rows - 1) * g.gap;
    const double left = (kPanelWidth - blockWidth) / 2;
    const double top = kPaletteTop + (kPaletteHeight - blockHeight) / 2;
    const int row = index / g.columns;
    const int column = index % g.columns;
    return QRectF(left + column * (g.width + g.gap), top + row * (g.height + g.gap), g.width, g.height);
}

template <std::size_t N, typename Handler>
void buildPalette(frmPsychicColorTestDisplay* window, QFrame* panel, std::array<QPushButton*, N>& buttons, int level,
                  const QString& name, Handler handler)
{
    const auto& colours = modColorTest::palette(level);
    Q_ASSERT(colours.size() == N);
    for (int i = 0; i < int(N); ++i) {
        auto* button = new QPushButton(panel);
        button->setObjectName(QStringLiteral("%1_%2").arg(name).arg(i));
        look::setSolidButton(button, colours[i].colour());
        button->setCursor(look::handCursor());
        button->setAccessibleName(QString::fromLatin1(colours[i].name));
        button->setAutoDefault(true); // Enter on a focused colour makes that guess
        const QRectF r = buttonRect(level, i);
        twips::place(button, r.left(), r.top(), r.width(), r.height());
        QObject::connect(button, &QPushButton::clicked, window, [window, handler, i] { (window->*handler)(i); });
        buttons[i] = button;
    }
}

} // namespace

frmPsychicColorTestDisplay::frmPsychicColorTestDisplay()
{
    setObjectName(QStringLiteral("frmPsychicColorTestDisplay"));
    setWindowTitle(QStringLiteral("Sorvek Psychic Color Test"));
    look::setBackground(this, kNavy);
    setFixedSize(twips::toPixels(kWidth), twips::toPixels(kHeight));

    fraBeginner = navyPanel(this, QStringLiteral("fraBeginner"));
    fraIntermediate = navyPanel(this, QStringLiteral("fraIntermediate"));
    fraExpert = navyPanel(this, QStringLiteral("fraExpert"));
    for (int level = Beginner; level <= Expert; ++level) {
        QFrame* panel = levelPanel(level);
        twips::place(panel, kPanelLeft, kPanelTop, kPanelWidth, kPanelHeight);
        lblCalm[level] = textLabel(panel, QStringLiteral("lblCalm_%1").arg(level), QString::fromLatin1(kCalmText),
                                   kOrange, 9.75, Qt::AlignCenter);
        twips::place(lblCalm[level], 120, 180, kPanelWidth - 240, 420);
        lblSelect[level] = textLabel(panel, QStringLiteral("lblSelect_%1").arg(level), QString::fromLatin1(kSelectText),
                                     kLightYellow, 9, Qt::AlignCenter);
        twips::place(lblSelect[level], 120, kPaletteTop + kPaletteHeight + 120, kPanelWidth - 240, 600);
    }
    buildPalette(this, fraBeginner, cmdBeginner, Beginner, QStringLiteral("cmdBeginner"),
                 &frmPsychicColorTestDisplay::cmdBeginner_Click);
    buildPalette(this, fraIntermediate, cmdIntermediate, Intermediate, QStringLiteral("cmdIntermediate"),
                 &frmPsychicColorTestDisplay::cmdIntermediate_Click);
    buildPalette(this, fraExpert, cmdExpert, Expert, QStringLiteral("cmdExpert"),
                 &frmPsychicColorTestDisplay::cmdExpert_Click);
    // The first panel listed is in front until the home window chooses.
    bringLevelToFront(Beginner);

    picMessage = new QFrame(this);
    picMessage->setObjectName(QStringLiteral("picMessage"));
    look::setBackground(picMessage, QColor(255, 0, 0));
    twips::place(picMessage, kPanelLeft + (kPanelWidth - kMessageWidth) / 2,
                 kPanelTop + (kPanelHeight - kMessageHeight) / 2, kMessageWidth, kMessageHeight);
    auto messageLabel = [this](const char* name, const char* text, double points) {
        QLabel* label = textLabel(picMessage, QString::fromLatin1(name), QString::fromLatin1(text), kMessageText,
                                  points, Qt::AlignCenter);
        look::setBackground(label, Qt::white);
        return label;
    };
    lblWait = messageLabel("lblWait", "Please Wait ...", 14);
    twips::place(lblWait, 180, 180, kMessageWidth - 360, 660);
    lblGenerating = messageLabel("lblGenerating", "Psychic Color Test is generating the Result for You", 8.25);
    twips::place(lblGenerating, 180, 900, kMessageWidth - 360, 480);
    picMessage->hide();

    lblScore = new QLabel(QStringLiteral("lblScore"), this);
    lblScore->setObjectName(QStringLiteral("lblScore"));
    lblScore->hide();

    const double buttonsLeft = (kWidth - 2 * kButtonWidth - kButtonGap) / 2;
    cmdOK = greyButton(this, QStringLiteral("cmdOK"), QStringLiteral("&Back"));
    cmdOK->setAutoDefault(true);
    twips::place(cmdOK, buttonsLeft, kButtonTop, kButtonWidth, kButtonHeight);
    cmdExit = greyButton(this, QStringLiteral("cmdExit"), QStringLiteral("&Exit"));
    cmdExit->setDefault(true);
    twips::place(cmdExit, buttonsLeft + kButtonWidth + kButtonGap, kButtonTop, kButtonWidth, kButtonHeight);
    connect(cmdOK, &QPushButton::clicked, this, &frmPsychicColorTestDisplay::cmdOk_Click);
    connect(cmdExit, &QPushButton::clicked, this, &frmPsychicColorTestDisplay::cmdExit_Click);

    // The links come last in the Tab order, after the test's own controls.
    const LinkStrips strips = buildLinkStrips(this, kWidth, kHeight, kLinksTop);
    picBanner = strips.picBanner;
    Label61 = strips.Label61;
    picLinks = strips.picLinks;
    lblFullBrand = strips.lblFullBrand;
    lblCobrand = strips.lblCobrand;

    mnuFile = buildFileMenu(this);
    mnuFileBack = addMenuCommand(mnuFile, QStringLiteral("&Back"), QStringLiteral("mnuFileBack"));
    mnuExit = addMenuCommand(mnuFile, QStringLiteral("E&xit"), QStringLiteral("mnuExit"));
    connect(mnuFileBack, &QAction::triggered, this, &frmPsychicColorTestDisplay::mnuFileBack_Click);
    connect(mnuExit, &QAction::triggered, this, &frmPsychicColorTestDisplay::mnuExit_Click);
    help = buildHelpMenu(this, UpdateCaption::CheckForSoftwareUpdatePlay, QStringLiteral("mnuFileSep1"),
                         QStringLiteral("mnuFileSep2"));
    mkmoney = buildMakeMoneyAction(this);
    addMenuBarMenu(mnuFile);
    addMenuBarMenu(help.mnuHelp);
    addMenuBarAction(mkmoney);
}

QFrame* frmPsychicColorTestDisplay::levelPanel(int level) const
{
    switch (level) {
    case Beginner:
        return fraBeginner;
    case Intermediate:
        return fraIntermediate;
    default:
        return fraExpert;
    }
}

void frmPsychicColorTestDisplay::bringLevelToFront(int level)
{
    // The panels behind are hidden as well, so that Tab and screen readers
    // cannot reach colours nobody can see.
    for (int other = Beginner; other <= Expert; ++other)
        levelPanel(other)->setVisible(other == level);
    levelPanel(level)->raise();
}

void frmPsychicColorTestDisplay::Form_Load()
{
    placeCentredAtTop();
}

void frmPsychicColorTestDisplay::Form_Unload()
{
    showWelcomePanel();
}

void frmPsychicColorTestDisplay::keyPressEvent(QKeyEvent* event)
{
    // Keys reach the window only when the focused control leaves them: a
    // focused button takes Enter itself, so Enter here means no other button
    // has the focus.
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
            cmdExit->click();
            return;
        }
        break;
    default:
        break;
    }
    QWidget::keyPressEvent(event);
}

void frmPsychicColorTestDisplay::cmdBeginner_Click(int index)
{
    guess(Beginner, index);
}

void frmPsychicColorTestDisplay::cmdIntermediate_Click(int index)
{
    guess(Intermediate, index);
}

void frmPsychicColorTestDisplay::cmdExpert_Click(int index)
{
    guess(Expert, index);
}

void frmPsychicColorTestDisplay::guess(int level, int index)
{
    picMessage->raise();
    picMessage->show();
    QPointer<frmPsychicColorTestDisplay> alive(this);
    platform::pause().wait(this);
    if (!alive || frmPsychicColorTestDisplay::ifLoaded() != this)
        return; // closed during the pause: the guess is abandoned

    m_drawn[level] = static_cast<qint16>(modColorTest::drawColour(level));
    lblScore->setText(modColorTest::judgeGuess(level, index, m_drawn[level]));
    picMessage->hide();

    frmPsychicColorTestResult& result = frmPsychicColorTestResult::get();
    showVerdict(result.lblResult, lblScore->text());
    result.exec();
}

void frmPsychicColorTestDisplay::cmdOk_Click()
{
    unload();
    frmPsychicColorTestMain::get().showWindow();
    hideWelcomePanel();
}

void frmPsychicColorTestDisplay::mnuFileBack_Click()
{
    cmdOk_Click();
}

void frmPsychicColorTestDisplay::cmdExit_Click()
{
    unload();
}

void frmPsychicColorTestDisplay::mnuExit_Click()
{
    cmdExit_Click();
}

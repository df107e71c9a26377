// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#include "symboltest/frmPsychicSymbolTestSelectOption.h"

#include "platform/Platform.h"
#include "shell/ChanceBox.h"
#include "shell/ClickLabel.h"
#include "shell/DialogWindows.h"
#include "shell/Look.h"
#include "shell/TextBox.h"
#include "shell/Widgets.h"
#include "symboltest/SymbolControls.h"
#include "symboltest/frmPsychicSymbolTestMain.h"
#include "symboltest/modSymbolTest.h"

#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <algorithm>

namespace {

const QColor kLightPink(255, 192, 255);

// Layout, in twips. Both panels fill the band between the two bars.
constexpr double kWidth = 7800;
// Both panels are taller by the room the report against chance takes under
// the score text; the level panel keeps its choice in the middle.
constexpr double kChanceRoom = 780; // the dialog still fits a 768-pixel screen at twice the size
constexpr double kPanelHeight = 2895 + kChanceRoom;
constexpr double kBottomBarHeight = 1200;
constexpr double kHeight = kSymbolTopBarHeight + kPanelHeight + kBottomBarHeight;
constexpr double kMargin = 240;
constexpr double kOptionFrameWidth = 3015;
constexpr double kOkWidth = 1215;
constexpr double kOkTop = 2340 + kChanceRoom;
constexpr double kLevelTop = kChanceRoom / 2;
constexpr double kScoreHeight = 1650; // the score text's seven lines
constexpr double kChanceTop = 120 + kScoreHeight + 60;
constexpr double kButtonHeight = 375;

QPushButton* makeOkButton(QWidget* parent, const char* name)
{
    QPushButton* button = makeButton(parent, name, QStringLiteral("&OK"), look::verdana(8.25), look::kGrey);
    twips::place(button, twips::centredLeft(kWidth, kOkWidth), kOkTop, kOkWidth, kButtonHeight);
    return button;
}

QRadioButton* makeOption(QWidget* group, const char* name, const char* caption, double top)
{
    auto* option = new QRadioButton(QString::fromLatin1(caption), group);
    option->setObjectName(QString::fromLatin1(name));
    option->setFont(look::verdana(8.25));
    look::setOptionLook(option);
    twips::place(option, 480, top, kOptionFrameWidth - 720, 300);
    // Only the button and its caption take a click; blank space after the
    // caption would look clickable and not be.
    option->resize(std::min(option->width(), option->sizeHint().width()), option->height());
    return option;
}

} // namespace

frmPsychicSymbolTestSelectOption::frmPsychicSymbolTestSelectOption()
{
    frameTitledDialog(this,
                      {"frmPsychicSymbolTestSelectOption", "Sorvek Psychic Symbol Test", kLightPink, kWidth, kHeight});
    setModal(true);

    const LinkBar top = buildLinkBar(this, symbolTopBar("Frame3", kWidth));
    Frame3 = top.bar;
    Label61 = top.Label61;

    // The level panel.
    fraSelectoption = makePanel(this, "fraSelectoption", kLightPink);
    twips::place(fraSelectoption, 0, kSymbolTopBarHeight, kWidth, kPanelHeight);

    Label1 =
        new QLabel(QStringLiteral("Improve your Psychic Abilities by taking the Sorvek Psychic Symbol Test Software"),
                   fraSelectoption);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(look::verdana(8.25));
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setWordWrap(true);
    look::setTextColor(Label1, kSymbolNavy);
    twips::place(Label1, kMargin, kLevelTop + 120, kWidth - 2 * kMargin, 495);

    Frame2 = new QGroupBox(QStringLiteral("Select an Option"), fraSelectoption);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    Frame2->setFont(look::verdana(8.25));
    styleFramedGroup(Frame2, kSymbolPink);
    twips::place(Frame2, twips::centredLeft(kWidth, kOptionFrameWidth), kLevelTop + 720, kOptionFrameWidth, 1455);
    // The options lie on a plain layer filling the group: right in a titled
    // group, each would be labelled with its title, and a screen reader would
    // say "Select an Option" after the group's name and again at every arrow
    // key. As the dialog opens it says its title, then the selected level.
    auto* options = new QWidget(Frame2);
    options->setGeometry(Frame2->rect());
    optBeginner = makeOption(options, "optBeginner", "Beginner", 360);
    optIntermediate = makeOption(options, "optIntermediate", "Intermediate", 720);
    optExpert = makeOption(options, "optExpert", "Expert", 1080);
    optBeginner->setChecked(true);
    // Tab comes into the group at the selected option, as it does once an
    // option has had the focus; until then every option would take it, and
    // Shift+Tab from OK would land on an unselected Expert.
    for (QRadioButton* other : {optIntermediate, optExpert})
        other->setFocusPolicy(Qt::FocusPolicy(other->focusPolicy() & ~Qt::TabFocus));

    cmdOk = makeOkButton(fraSelectoption, "cmdOk");
    connect(cmdOk, &QPushButton::clicked, this, [this] { cmdOk_Click(); });

    // The score panel, in the same place.
    fraScore = makePanel(this, "fraScore", kLightPink);
    fraScore->setAccessibleName(QStringLiteral("Score"));
    twips::place(fraScore, 0, kSymbolTopBarHeight, kWidth, kPanelHeight);

    txtTotalScore = new TextBox(fraScore);
    txtTotalScore->setObjectName(QStringLiteral("txtTotalScore"));
    txtTotalScore->setAccessibleName(QStringLiteral("Score"));
    txtTotalScore->setFont(look::verdana(8.25));
    txtTotalScore->setReadOnly(true);
    txtTotalScore->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    txtTotalScore->setTabChangesFocus(true);
    look::setBackground(txtTotalScore, kSymbolPink);
    look::setTextColor(txtTotalScore, Qt::black);
    twips::place(txtTotalScore, kMargin, 120, kWidth - 2 * kMargin, kScoreHeight);
    // The box reports the pointer moving over it even with no button down.
    txtTotalScore->viewport()->setMouseTracking(true);
    txtTotalScore->viewport()->installEventFilter(this);
    connect(txtTotalScore, &QPlainTextEdit::textChanged, this, [this] { txtTotalScore_Change(); });
    // Whatever is selected in the box may end up on the clipboard or the
    // selection; remember it, so that the guard knows it again.
    connect(txtTotalScore, &QPlainTextEdit::selectionChanged, this, [this] {
        m_handedOut.remember(txtTotalScore->textCursor().selectedText());
        guardClipboardAfterwards(); // a keyboard selection goes to the selection
    });
    txtTotalScore->installEventFilter(this);

    txtChance = new ChanceBox(fraScore, look::verdana(8.25));
    look::setBackground(txtChance, kSymbolPink);
    look::setTextColor(txtChance, Qt::black);
    twips::place(txtChance, kMargin, kChanceTop, kWidth - 2 * kMargin, kOkTop - 120 - kChanceTop);
    txtChance->fitToWholeLines();

    cmdOkScore = makeOkButton(fraScore, "cmdOkScore");
    connect(cmdOkScore, &QPushButton::clicked, this, [this] { cmdOkScore_Click(); });

    const LinkBar bottom =
        buildLinkBar(this, {"fraFullBrand",
                            Qt::black,
                            QRectF(0, kSymbolTopBarHeight + kPanelHeight, kWidth, kBottomBarHeight),
                            {symbolBrandLink(BrandLink::FullBrand, QRectF(120, 60, kWidth - 240, 510)),
                             symbolBrandLink(BrandLink::Cobrand, QRectF(120, 630, kWidth - 240, 510))}});
    fraFullBrand = bottom.bar;
    lblFullBrand = bottom.lblFullBrand;
    lblCobrand = bottom.lblCobrand;

    showLevelPanel();
}

void frmPsychicSymbolTestSelectOption::showLevelPanel()
{
    bringToFront(fraSelectoption, {fraSelectoption, fraScore}, nullptr);
    cmdOkScore->setDefault(false);
    cmdOk->setDefault(true);
    // On the selected level, so that a screen reader says which it is;
    // Enter still means OK.
    for (QRadioButton* option : {optBeginner, optIntermediate, optExpert}) {
        if (option->isChecked())
            option->setFocus(Qt::OtherFocusReason);
    }
}

void frmPsychicSymbolTestSelectOption::showScorePanel()
{
    bringToFront(fraScore, {fraSelectoption, fraScore}, nullptr);
    cmdOk->setDefault(false);
    cmdOkScore->setDefault(true);
    // Rebuilt with the score, from the same counters.
    txtChance->setText(modSymbolTest::chanceReport());
    // On the score itself, so a screen reader reads it; Enter still means OK.
    txtTotalScore->setFocus();
}

bool frmPsychicSymbolTestSelectOption::isScorePanelInFront() const
{
    return !fraScore->isHidden();
}

void frmPsychicSymbolTestSelectOption::setScoreText(const QString& text)
{
    txtTotalScore->setText(text);
}

void frmPsychicSymbolTestSelectOption::cmdOk_Click()
{
    int level = -1;
    if (optBeginner->isChecked())
        level = Beginner;
    else if (optIntermediate->isChecked())
        level = Intermediate;
    else if (optExpert->isChecked())
        level = Expert;

    // Set first: the play window becomes active again as soon as this closes,
    // and must not ask again.
    modSymbolTest::SymbolLevelChosen = true;
    if (level >= 0)
        frmPsychicSymbolTestMain::get().bringLevelToFront(level);
    else
        platform::messageBoxes().critical(QStringLiteral("Please Select An option"));
    unload();
}

void frmPsychicSymbolTestSelectOption::cmdOkScore_Click()
{
    hideWindow(); // stays loaded; the modal show returns
}

void frmPsychicSymbolTestSelectOption::reject()
{
    if (isScorePanelInFront())
        cmdOkScore_Click();
    else
        unload();
}

void frmPsychicSymbolTestSelectOption::txtTotalScore_Change()
{
    guardClipboard();
}
void frmPsychicSymbolTestSelectOption::txtTotalScore_Click()
{
    guardClipboard();
}
void frmPsychicSymbolTestSelectOption::txtTotalScore_MouseDown()
{
    guardClipboard();
}
void frmPsychicSymbolTestSelectOption::txtTotalScore_MouseMove()
{
    guardClipboard();
}
void frmPsychicSymbolTestSelectOption::txtTotalScore_MouseUp()
{
    guardClipboard();
}

void frmPsychicSymbolTestSelectOption::guardClipboard()
{
    // The score is not to be carried off through the clipboard or the
    // selection, but what the user copied anywhere else is theirs: only
    // text that came from this box goes, and only while this program still
    // holds it (the same words copied in another program are not touched).
    platform::Clipboard& clipboard = platform::clipboard();
    if (clipboard.ownsText() && m_handedOut.cameFromBox(clipboard.text()))
        clipboard.clear();
    if (clipboard.ownsSelection() && m_handedOut.cameFromBox(clipboard.selectionText()))
        clipboard.clearSelection();
}

void frmPsychicSymbolTestSelectOption::guardClipboardAfterwards()
{
    QTimer::singleShot(0, this, [this] { guardClipboard(); });
}

bool frmPsychicSymbolTestSelectOption::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == txtTotalScore && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy))
        guardClipboardAfterwards();
    if (watched == txtTotalScore->viewport()) {
        switch (event->type()) {
        case QEvent::ContextMenu:
            guardClipboardAfterwards(); // after the menu's Copy
            break;
        case QEvent::MouseButtonPress:
            txtTotalScore_MouseDown();
            break;
        case QEvent::MouseMove:
            txtTotalScore_MouseMove();
            break;
        case QEvent::MouseButtonRelease: {
            txtTotalScore_MouseUp();
            guardClipboardAfterwards();
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() == Qt::LeftButton &&
                txtTotalScore->viewport()->rect().contains(mouse->position().toPoint()))
                txtTotalScore_Click();
            break;
        }
        default:
            break;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmPsychicSymbolTestSelectOption::showEvent(QShowEvent* event)
{
    if (!event->spontaneous())
        twips::centreOnScreen(this);
    QDialog::showEvent(event);
}

// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#include "app/frmMDI.h"

#include "BuildInfo.h"
#include "app/TestCatalogue.h"
#include "shell/ClickLabel.h"
#include "shell/Form.h"
#include "shell/Look.h"
#include "shell/Panel.h"
#include "shell/StandardMenus.h"
#include "shell/Widgets.h"
#include "shell/modHelp.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const QColor kLavender(192, 192, 255);

// Heights of the bars, top to bottom, and the welcome panel's labels.
constexpr double kBannerBarHeight = 560;
constexpr double kLauncherBarHeight = 900;
constexpr double kWelcomePanelHeight = 8640;
// What the welcome panel keeps below its last line on a short screen.
constexpr double kWelcomeBottomMargin = 240;
// The welcome panel takes the height it is given before the client area
// under it gets any.
constexpr int kWelcomeStretch = 10000;
constexpr double kBottomBarHeight = 735;
constexpr double kBannerWidth = 9480;
constexpr double kExitWidth = 1335;

// The launchers stand side by side in catalogue order, each with its icon
// on its left.
constexpr double kLauncherLeft = 840;
constexpr double kLauncherStep = 3480;
constexpr double kLauncherTop = 180;
constexpr double kLauncherWidth = 2730;
constexpr double kLauncherHeight = 495;
constexpr double kIconOffset = 600;
constexpr double kIconTop = 172;
constexpr double kIconSize = 510;
constexpr double kContainerMargin = 240;

// The welcome panel's plain lines; the test links follow from the catalogue.
struct CaptionStyle {
    const char* text;
    QColor color;
    double points;
    double top;
};

const std::array<CaptionStyle, 3> kPlainCaptions{{
    {"Welcome to Veltrane", QColor(0, 255, 255), 12, 240},
    {"Have you always wanted to improve your psychic and intuitive skills? Here is your chance to try out our psychic "
     "color, symbol and card tests and develop your psychic vision. Start today and see the change for yourself!",
     QColor(255, 0, 0), 8.25, 840},
    {"Veltrane includes the following programs", QColor(0, 255, 255), 12, 1920},
}};
constexpr double kLinkPoints = 12;

// The client area as screen readers meet it: a plain panel they pass over
// without a word, where the default "layered pane" would be said before
// every test window's name each time the focus comes back into one.
QAccessibleInterface* clientAreaFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("QMdiArea") && object && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Pane);
    return nullptr;
}

// A test window inside its frame, as screen readers meet it: a panel, which
// they name as the focus comes into the window, once the window is known by
// the game or level in front.
QAccessibleInterface* testWindowFactory(const QString&, QObject* object)
{
    auto* widget = object && object->isWidgetType() ? static_cast<QWidget*>(object) : nullptr;
    // Asked before the window is adopted too: a test window is a form that
    // is not a dialog.
    if (widget && !qobject_cast<QDialog*>(widget) && dynamic_cast<FormBase*>(widget))
        return new QAccessibleWidget(widget, QAccessible::Pane);
    return nullptr;
}

} // namespace

frmMDI::frmMDI()
{
    setObjectName(QStringLiteral("frmMDI"));
    setWindowTitle(QString::fromLatin1(buildinfo::kTitleWithVersion));
    setWindowIcon(look::appIcon());
    MdiHost::setCurrent(this);

    buildBars();
    buildMenus();
    buildWindowSwitching();
    MDIForm_Load();
}

frmMDI::~frmMDI()
{
    // The area reports activations while it is torn down; nobody must hear them.
    disconnect(mdiArea, nullptr, this, nullptr);
    for (QMdiSubWindow* sub : mdiArea->subWindowList()) {
        sub->removeEventFilter(this);
        disconnect(sub, nullptr, this, nullptr);
    }
    if (MdiHost::current() == this)
        MdiHost::setCurrent(nullptr);
}

void frmMDI::buildBars()
{
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    Picture6 = new Panel(central, "Picture6");
    look::setBackground(Picture6, kLavender);
    Picture6->setCursor(look::handCursor());
    Picture6->setFixedHeight(twips::toPixels(kBannerBarHeight));
    connect(Picture6, &Panel::clicked, this, [] { OpenHomePage(); });

    lblQuorvaneBanner = makeForumLink(Picture6, "lblQuorvaneBanner");
    lblQuorvaneBanner->setFont(look::verdana(8.25));
    lblQuorvaneBanner->setAlignment(Qt::AlignCenter);
    look::setTextColor(lblQuorvaneBanner, Qt::black);

    Picture1 = new QWidget(central);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setFixedHeight(twips::toPixels(kLauncherBarHeight));

    const std::vector<TestEntry>& tests = testCatalogue();
    const auto count = static_cast<double>(tests.size());
    picButtonContainer = new QWidget(Picture1);
    picButtonContainer->setObjectName(QStringLiteral("picButtonContainer"));
    picButtonContainer->resize(
        twips::toPixels(kLauncherLeft + (count - 1) * kLauncherStep + kLauncherWidth + kContainerMargin),
        twips::toPixels(kLauncherBarHeight));

    cmdSelectOption.assign(tests.size(), nullptr);
    QWidget* previous = nullptr;
    for (std::size_t column = 0; column < tests.size(); ++column) {
        const TestEntry& test = tests[column];
        const double left = kLauncherLeft + static_cast<double>(column) * kLauncherStep;
        auto* icon = new QLabel(picButtonContainer);
        icon->setObjectName(QString::fromLatin1(test.iconName));
        icon->setAccessibleName(QString::fromLatin1(test.caption) + QStringLiteral(" icon"));
        icon->setPixmap(look::launcherIcon(QString::fromLatin1(test.icon)));
        icon->setAlignment(Qt::AlignCenter);
        twips::place(icon, left - kIconOffset, kIconTop, kIconSize, kIconSize);

        QPushButton* button = makeButton(picButtonContainer, QStringLiteral("cmdSelectOption_%1").arg(test.index),
                                         QString::fromLatin1(test.caption), look::verdana(8.25), look::kLightGrey);
        twips::place(button, left, kLauncherTop, kLauncherWidth, kLauncherHeight);
        const int index = test.index;
        connect(button, &QPushButton::clicked, this, [this, index] { cmdSelectOption_Click(index); });
        cmdSelectOption.at(static_cast<std::size_t>(index)) = button;
        // Tab follows the screen, not the index.
        if (previous)
            setTabOrder(previous, button);
        previous = button;
    }

    buildWelcomePanel();
    picMain->setParent(central);
    setTabOrder(previous, lblCaption.at(static_cast<std::size_t>(linkIndexOf(tests.front()))));

    static const bool factories =
        (QAccessible::installFactory(clientAreaFactory), QAccessible::installFactory(testWindowFactory),
         QAccessible::installFactory(framingPanelFactory), true);
    Q_UNUSED(factories);
    mdiArea = new QMdiArea(central);
    mdiArea->setObjectName(QStringLiteral("mdiArea"));
    mdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    connect(mdiArea, &QMdiArea::subWindowActivated, this, &frmMDI::onSubWindowActivated);

    PicCoBrand = makePanel(central, "PicCoBrand", kLavender);
    PicCoBrand->setFixedHeight(twips::toPixels(kBottomBarHeight));

    cmdMdiExit = makeButton(PicCoBrand, "cmdMdiExit", QStringLiteral("&Exit"), look::verdana(8.25), look::kLightGrey);
    cmdMdiExit->resize(twips::toPixels(kExitWidth), twips::toPixels(495));
    connect(cmdMdiExit, &QPushButton::clicked, this, &frmMDI::cmdMdiExit_Click);

    Label7 = makeFullBrandLink(PicCoBrand, "Label7");
    Label7->setFont(look::verdana(8.25));
    look::setTextColor(Label7, Qt::black);

    // Tab follows the screen from the welcome links on: the bottom bar's link,
    // then its Exit on the right.
    setTabOrder(lblCaption.at(static_cast<std::size_t>(linkIndexOf(tests.back()))), Label7);
    setTabOrder(Label7, cmdMdiExit);

    // The welcome panel keeps its full height where the screen has room and
    // gives up only its empty bottom where it has not (a laptop screen), so
    // that the bottom bar stays on the screen: the panel shrinks no further
    // than its last line, and the client area below it takes what is left.
    fitWelcomePanel();
    picMain->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    mdiArea->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Ignored);
    layout->addWidget(Picture6);
    layout->addWidget(Picture1);
    layout->addWidget(picMain, kWelcomeStretch);
    layout->addWidget(mdiArea, 1);
    layout->addWidget(PicCoBrand);
    setCentralWidget(central);
    // Enter presses the focused launcher or Exit, as in every other window.
    bindWindowKeys(this, nullptr, nullptr);
}

void frmMDI::buildWelcomePanel()
{
    picMain = new Panel(this, "picMain");
    look::setBackground(picMain, Qt::black);
    connect(picMain, &Panel::mouseMoved, this, &frmMDI::picMain_MouseMove);

    const std::vector<TestEntry>& tests = testCatalogue();
    static_assert(kPlainCaptions.size() == kPlainWelcomeLines);
    lblCaption.assign(kPlainCaptions.size() + tests.size(), nullptr);
    auto add = [this](int index, const QString& text, const QColor& color, double points, double top, bool link) {
        auto* label = new ClickLabel(text, picMain);
        label->setObjectName(QStringLiteral("lblCaption_%1").arg(index));
        label->setFont(look::verdana(points));
        look::setTextColor(label, color);
        label->setLink(link);
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        if (index == 1) {
            label->setWordWrap(true);
            twips::place(label, 0, top, 8055, 825);
        } else {
            // Sized to its text, as the welcome lines are.
            const QSize size = label->sizeHint();
            twips::place(label, 0, top, twips::fromPixels(size.width() + 4), twips::fromPixels(size.height()));
        }
        connect(label, &ClickLabel::clicked, this, [this, index] { lblCaption_Click(index); });
        connect(label, &ClickLabel::mouseMoved, this, [this, index] { lblCaption_MouseMove(index); });
        lblCaption.at(static_cast<std::size_t>(index)) = label;
        return label;
    };
    for (std::size_t i = 0; i < kPlainCaptions.size(); ++i) {
        const CaptionStyle& caption = kPlainCaptions[i];
        add(static_cast<int>(i), QString::fromUtf8(caption.text), caption.color, caption.points, caption.top, false);
    }
    // The links read top to bottom in catalogue order; so does Tab.
    QWidget* previous = nullptr;
    for (const TestEntry& test : tests) {
        ClickLabel* link =
            add(linkIndexOf(test), QString::fromLatin1(test.caption), test.linkColor, kLinkPoints, test.linkTop, true);
        if (previous)
            setTabOrder(previous, link);
        previous = link;
    }
}

void frmMDI::fitWelcomePanel()
{
    int lastLine = 0;
    for (const ClickLabel* label : lblCaption)
        lastLine = std::max(lastLine, label->geometry().bottom() + 1);
    picMain->setMinimumHeight(
        std::min(lastLine + twips::toPixels(kWelcomeBottomMargin), twips::toPixels(kWelcomePanelHeight)));
    picMain->setMaximumHeight(twips::toPixels(kWelcomePanelHeight));
}

void frmMDI::buildMenus()
{
    menus = buildMenuBar(this, {exitCommand([this] { mnuExit_Click(); })},
                         {UpdateCaption::CheckForSoftwareUpdate, "mnuSep1", "mnuSep2"});
    menuBar()->addActions(menus.actions());
}

void frmMDI::MDIForm_Load()
{
    // Placed against the screen width, never the window's own width.
    const double W = twips::screenWidth();
    auto centre = [W](QWidget* w) {
        twips::move(w, twips::centredLeft(W, twips::fromPixels(w->width())), twips::fromPixels(w->y()));
    };
    lblQuorvaneBanner->resize(twips::toPixels(kBannerWidth), twips::toPixels(kBannerBarHeight - 120));
    lblQuorvaneBanner->move(0, twips::toPixels(60));
    centre(lblQuorvaneBanner);
    centre(picButtonContainer);
    for (ClickLabel* label : lblCaption)
        centre(label);
    const double exitLeft = twips::rightAlignedLeft(W, kExitWidth, 120);
    twips::move(cmdMdiExit, exitLeft, 120);
    twips::place(Label7, 240, 60, exitLeft - 480, kBottomBarHeight - 120);
}

void frmMDI::closeEvent(QCloseEvent* event)
{
    event->accept();
    MDIForm_Unload();
}

void frmMDI::MDIForm_Unload()
{
    CloseAllAndEnd();
}

QPushButton* frmMDI::firstLauncher() const
{
    return cmdSelectOption.at(static_cast<std::size_t>(testCatalogue().front().index));
}

void frmMDI::cmdSelectOption_Click(int index)
{
    closeTestWindows();
    picMain->hide(); // after the unloads, which show it
    if (const TestEntry* test = testByIndex(index))
        test->launch();
}

void frmMDI::lblCaption_Click(int index)
{
    closeTestWindows();
    if (const TestEntry* test = testByLink(index)) {
        picMain->hide();
        test->launch();
    }
}

void frmMDI::lblCaption_MouseMove(int index)
{
    if (!testByLink(index))
        return; // plain text never underlines
    ClickLabel* link = lblCaption.at(static_cast<std::size_t>(index));
    QFont f = link->font();
    f.setUnderline(true);
    link->setFont(f);
}

void frmMDI::picMain_MouseMove()
{
    for (ClickLabel* label : lblCaption) {
        QFont f = label->font();
        f.setUnderline(false);
        label->setFont(f);
    }
}

void frmMDI::cmdMdiExit_Click()
{
    close();
}

void frmMDI::mnuExit_Click()
{
    close();
}

QMdiSubWindow* frmMDI::adopt(QWidget* window)
{
    auto* sub = new QMdiSubWindow(nullptr, Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                               Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    sub->setObjectName(window->objectName() + QStringLiteral("_frame"));
    // A screen reader may have met the window while it was being built, as a
    // plain widget: from now on it meets it as the test window it is.
    if (QAccessible::isActive()) {
        if (QAccessibleInterface* face = QAccessible::queryAccessibleInterface(window);
            face && face->role() != QAccessible::Pane)
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(face));
    }
    sub->setAttribute(Qt::WA_DeleteOnClose, false); // unloading decides when it goes
    sub->setWidget(window);
    sub->setWindowTitle(window->windowTitle());
    sub->setWindowIcon(window->windowIcon().isNull() ? look::appIcon() : window->windowIcon());
    mdiArea->addSubWindow(sub);
    sub->hide();
    sub->adjustSize();
    sub->setFixedSize(sub->size());
    sub->installEventFilter(this);
    connect(sub, &QObject::destroyed, this, &frmMDI::scheduleMenuUpdate);
    return sub;
}

void frmMDI::setWelcomePanelVisible(bool visible)
{
    picMain->setVisible(visible);
    if (!visible)
        return;
    // The test window that showed the panel is on its way out; once it is
    // gone, a focus left on nothing or on a hidden control comes back to
    // the launchers.
    QTimer::singleShot(0, this, [this] {
        if (isActiveWindow())
            focusLaunchersIfFocusIsLost();
    });
}

void frmMDI::followTestWindows()
{
    // A window hidden because this one is (minimised, closing) is still open.
    const QList<QMdiSubWindow*> windows = mdiArea->subWindowList();
    const bool testOpen =
        std::any_of(windows.begin(), windows.end(), [](const QMdiSubWindow* sub) { return !sub->isHidden(); });
    if (testOpen == picMain->isHidden())
        return;
    setWelcomePanelVisible(!testOpen);
}

void frmMDI::focusLaunchersIfFocusIsLost()
{
    QWidget* focus = focusWidget();
    if (picMain->isVisible() && (!focus || !focus->isVisible()))
        firstLauncher()->setFocus(Qt::OtherFocusReason);
}

void frmMDI::changeEvent(QEvent* event)
{
    // Coming back from a modal window that closed over the welcome panel:
    // the focus the window had went with the test window, and left to
    // itself it would land on the banner, first in the Tab order.
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        focusLaunchersIfFocusIsLost();
    QMainWindow::changeEvent(event);
}

bool frmMDI::isWelcomePanelVisible() const
{
    return !picMain->isHidden();
}

bool frmMDI::eventFilter(QObject* watched, QEvent* event)
{
    // A child may be made active before it shows: follow it as soon as it
    // is seen, so that its keys are its own from the first press.
    if (event->type() == QEvent::Show)
        updateMenuBar();
    if (event->type() == QEvent::Show || event->type() == QEvent::Hide) {
        followTestWindows();
        scheduleMenuUpdate();
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmMDI::onSubWindowActivated(QMdiSubWindow* window)
{
    updateMenuBar();
    // The area reports the same child again when a dialog over it closes or
    // the user comes back from another program; only a real change of the
    // active child counts as activation.
    if (!window || window == m_lastActivated)
        return;
    m_lastActivated = window;
    QPointer<QMdiSubWindow> target(window);
    QTimer::singleShot(0, this, [this, target] {
        if (!target || target != mdiArea->currentSubWindow() || !target->isVisible())
            return;
        if (auto* form = dynamic_cast<FormBase*>(target->widget()))
            form->Form_Activate();
    });
}

void frmMDI::scheduleMenuUpdate()
{
    if (m_menuUpdatePending)
        return;
    m_menuUpdatePending = true;
    QTimer::singleShot(0, this, [this] {
        m_menuUpdatePending = false;
        updateMenuBar();
    });
}

void frmMDI::updateMenuBar()
{
    QMdiSubWindow* current = mdiArea->currentSubWindow();
    FormBase* child = current && current->isVisible() ? dynamic_cast<FormBase*>(current->widget()) : nullptr;
    // A test window shares mnemonics with this window ("&Exit" on both):
    // while one is active, its own controls alone answer them.
    setOwnShortcutsEnabled(child == nullptr);

    const QList<QAction*> wanted =
        child && !child->menuBarActions().isEmpty() ? child->menuBarActions() : menus.actions();
    if (menuBar()->actions() == wanted)
        return;
    // Swapping menus inside the one bar keeps it; a new bar would delete the old.
    menuBar()->clear();
    menuBar()->addActions(wanted);
}

void frmMDI::setOwnShortcutsEnabled(bool enabled)
{
    // A button's only shortcut here is the mnemonic of its caption; the
    // caption keeps its underline either way.
    for (QAbstractButton* button : centralWidget()->findChildren<QAbstractButton*>()) {
        if (!mdiArea->isAncestorOf(button))
            button->setShortcut(enabled ? QKeySequence::mnemonic(button->text()) : QKeySequence());
    }
}

void frmMDI::buildWindowSwitching()
{
    // Moving between the open test windows, as in every MDI program.
    auto add = [this](const QKeySequence& keys, void (QMdiArea::*step)()) {
        auto* shortcut = new QShortcut(keys, this);
        connect(shortcut, &QShortcut::activated, mdiArea, step);
    };
    add(QKeySequence(Qt::CTRL | Qt::Key_Tab), &QMdiArea::activateNextSubWindow);
    add(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), &QMdiArea::activatePreviousSubWindow);
    add(QKeySequence(Qt::CTRL | Qt::Key_F6), &QMdiArea::activateNextSubWindow);
    add(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F6), &QMdiArea::activatePreviousSubWindow);

    // F10 opens the menu bar's first menu, as Alt does, whichever window's
    // menus it shows.
    auto* menuKey = new QShortcut(QKeySequence(Qt::Key_F10), this);
    connect(menuKey, &QShortcut::activated, this, [this] {
        for (QAction* action : menuBar()->actions()) {
            if (action->isVisible() && action->isEnabled() && action->menu()) {
                menuBar()->setActiveAction(action);
                return;
            }
        }
    });
}

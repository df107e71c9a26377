// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#include "Monkey.h"

#include "app/Startup.h"
#include "app/frmMDI.h"
#include "cardtest/modCardTest.h"
#include "colortest/modColorTest.h"
#include "platform/QtServices.h"
#include "shell/Form.h"
#include "shell/modHelp.h"
#include "support/FakePlatform.h"
#include "support/Modal.h"
#include "symboltest/modSymbolTest.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QEventLoop>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <algorithm>

namespace {

QString ownerName(QWidget* w)
{
    for (QWidget* p = w; p; p = p->parentWidget()) {
        if (p->objectName().startsWith(QLatin1String("frm")))
            return p->objectName();
    }
    return QStringLiteral("?");
}

QString controlName(QWidget* w)
{
    return ownerName(w) + QLatin1Char('/') +
           (w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName());
}

// A user can only reach what is on top at the control's centre.
bool uncovered(QWidget* w)
{
    QWidget* top = w->window();
    if (top == w)
        return true;
    QWidget* at = top->childAt(w->mapTo(top, w->rect().center()));
    return at && (at == w || w->isAncestorOf(at));
}

template <std::size_t N>
int sum(const std::array<qint16, N>& counters)
{
    int total = 0;
    for (qint16 c : counters)
        total += c;
    return total;
}

int attemptsMade()
{
    return sum(modCardTest::cardAttempts) + sum(modColorTest::colorAttempts) + sum(modSymbolTest::symbolAttempts);
}

template <std::size_t N>
bool countersSound(const std::array<qint16, N>& correct, const std::array<qint16, N>& attempts)
{
    for (std::size_t i = 0; i < N; ++i) {
        if (correct[i] < 0 || correct[i] > attempts[i])
            return false;
    }
    return true;
}

} // namespace

Monkey::Monkey(quint64 seed, int steps) : m_seed(seed), m_steps(steps), m_pick(seed)
{
    m_fake = std::make_unique<FakePlatform>();
    m_fake->pause->during = [this](QWidget*) { duringThePause(); };
    platform::Services real;
    real.random = platform::makeSystemRandom();
    real.random->seed(seed);
    platform::install(std::move(real));
}

Monkey::~Monkey()
{
    CloseAllAndEnd();
    m_main.reset();
    modal::flushDeletes();
}

bool Monkey::run()
{
    m_main.reset(startUp());
    if (!m_main) {
        fail(QStringLiteral("the program did not start"));
        return false;
    }
    QApplication::setActiveWindow(m_main.get());
    m_lastEnds = m_fake->process->ends;

    QEventLoop loop;
    m_loop = &loop;
    QTimer::singleShot(2, this, &Monkey::tick);
    loop.exec();
    m_loop = nullptr;

    CloseAllAndEnd();
    m_main.reset();
    const QList<QWidget*> left = modal::leftoverTopLevels();
    if (m_failure.isEmpty() && !left.isEmpty()) {
        QStringList names;
        for (QWidget* w : left)
            names << controlName(w);
        fail(QStringLiteral("windows left behind after closing everything: ") + names.join(QStringLiteral(", ")));
    }
    return m_failure.isEmpty();
}

void Monkey::tick()
{
    if (m_finished) {
        if (m_loop)
            m_loop->quit();
        return;
    }
    // The next step is queued before this one acts: a step that opens a modal
    // window waits in its exec(), and the steps inside it come from here. (A
    // repeating timer would not fire again while its own slot is running.)
    // The short delay lets work the program deferred to its next turn run
    // first, as it does before a real user's next input arrives. On Windows
    // that alone is not enough: Qt's event dispatcher there runs every timer
    // that is due in one pass before the events posted meanwhile, whereas
    // the window system's input comes after them. A step on a timer could
    // so overtake what the program deferred (the symbol test asks for its
    // level once its window is active, and that question then opened over
    // the About window), so the posted events go first, as for real input.
    QTimer::singleShot(2, this, &Monkey::tick);
    QCoreApplication::sendPostedEvents();
    if (!m_failure.isEmpty() || m_done >= m_steps) {
        unwind();
        return;
    }
    step();
}

void Monkey::unwind()
{
    m_unwinding = true;
    if (QWidget* modal = QApplication::activeModalWidget()) {
        modal->close(); // the nested exec() returns; its handler finishes
        return;
    }
    m_finished = true;
}

void Monkey::step()
{
    if (!m_main)
        return; // between an exit and the restart
    QWidget* modal = QApplication::activeModalWidget();
    QWidget* target = modal ? modal : static_cast<QWidget*>(m_main.get());
    const QList<Action> actions = actionsIn(target);
    if (actions.isEmpty()) {
        fail(QStringLiteral("nothing a user could do in ") + controlName(target));
        return;
    }
    double total = 0;
    for (const Action& a : actions)
        total += a.endsProgram ? 0.05 : 1.0;
    double at = std::uniform_real_distribution<double>(0, total)(m_pick);
    const Action* chosen = &actions.last();
    for (const Action& a : actions) {
        at -= a.endsProgram ? 0.05 : 1.0;
        if (at <= 0) {
            chosen = &a;
            break;
        }
    }
    const Action action = *chosen;
    ++m_done;
    m_recent.append(QStringLiteral("%1: %2").arg(m_done).arg(action.name));
    while (m_recent.size() > 25)
        m_recent.removeFirst();
    ++m_handlers[action.name];

    const int pauses = m_fake->pause->count;
    const int attempts = attemptsMade();
    // Enter or Space on a focused Exit ends the program as a click on it does.
    const bool keyOnExit = action.name.startsWith(QLatin1String("key:")) &&
                           QApplication::focusWidget() == static_cast<QWidget*>(m_main->cmdMdiExit);
    action.act();
    if (!m_failure.isEmpty())
        return;
    if (m_fake->pause->count - pauses != attemptsMade() - attempts) {
        fail(QStringLiteral("%1 guesses made, %2 counted, through %3")
                 .arg(m_fake->pause->count - pauses)
                 .arg(attemptsMade() - attempts)
                 .arg(action.name));
        return;
    }

    if (m_fake->process->ends != m_lastEnds) {
        m_lastEnds = m_fake->process->ends;
        if (!action.endsProgram && !keyOnExit && !m_endAsked) {
            fail(QStringLiteral("the program ended through ") + action.name);
            return;
        }
        m_endAsked = false;
        restartProgram();
        return;
    }
    // An end asked for while a guess or a modal window runs comes once it is over.
    if (action.endsProgram)
        m_endAsked = true;
    checkInvariants(action.name);
    noteWindows();
}

QList<Monkey::Action> Monkey::actionsIn(QWidget* window)
{
    QList<Action> actions;
    addControlActions(window, actions);

    QPointer<QWidget> w(window);
    auto keyTo = [w](Qt::Key key, Qt::KeyboardModifiers mods = {}) {
        return [w, key, mods] {
            QWidget* focus = QApplication::focusWidget();
            QWidget* to = focus && w && (focus == w || w->isAncestorOf(focus)) ? focus : w.data();
            if (to)
                QTest::keyClick(to, key, mods);
        };
    };
    actions.append({QStringLiteral("key:Escape"), keyTo(Qt::Key_Escape)});
    actions.append({QStringLiteral("key:Return"), keyTo(Qt::Key_Return)});
    actions.append({QStringLiteral("key:Tab"), keyTo(Qt::Key_Tab)});

    if (window == m_main.get()) {
        addMenuActions(actions);
        actions.append({QStringLiteral("key:Ctrl+S"), keyTo(Qt::Key_S, Qt::ControlModifier)});
        actions.append({QStringLiteral("key:Ctrl+D"), keyTo(Qt::Key_D, Qt::ControlModifier)});
        for (QMdiSubWindow* sub : m_main->mdiArea->subWindowList()) {
            if (!sub->isVisible())
                continue;
            QPointer<QMdiSubWindow> s(sub);
            actions.append({QStringLiteral("close:") + ownerName(sub->widget()), [s] {
                                if (s)
                                    s->close();
                            }});
        }
        QPointer<frmMDI> main(m_main.get());
        actions.append({QStringLiteral("close:frmMDI"),
                        [main] {
                            if (main)
                                main->close();
                        },
                        true});
    }
    return actions;
}

void Monkey::duringThePause()
{
    // What an impatient user or a screen reader does while "Please Wait"
    // shows: keys to whatever has the focus, presses on any control, menu
    // commands. None of it may act.
    static const QList<QPair<Qt::Key, Qt::KeyboardModifiers>> keys{
        {Qt::Key_E, Qt::AltModifier},      {Qt::Key_B, Qt::AltModifier},     {Qt::Key_R, Qt::AltModifier},
        {Qt::Key_S, Qt::ControlModifier},  {Qt::Key_D, Qt::ControlModifier}, {Qt::Key_W, Qt::ControlModifier},
        {Qt::Key_F4, Qt::ControlModifier}, {Qt::Key_Return, Qt::NoModifier}, {Qt::Key_Escape, Qt::NoModifier}};
    QList<QObject*> pressable;
    for (QWidget* w : m_main->findChildren<QWidget*>())
        if (w->isVisible() && (qobject_cast<QAbstractButton*>(w) || w->inherits("ClickLabel")))
            pressable << w;
    for (QMenu* menu : m_main->findChildren<QMenu*>())
        pressable << menu;
    for (int i = 0; i < 3; ++i) {
        const std::size_t pick = m_pick() % std::size_t(keys.size() + pressable.size());
        if (pick < std::size_t(keys.size())) {
            const auto [key, modifiers] = keys[qsizetype(pick)];
            m_recent.append(QStringLiteral("  during the pause: key %1").arg(QKeySequence(key | modifiers).toString()));
            if (QWidget* to = QApplication::focusWidget() ? QApplication::focusWidget() : QApplication::activeWindow())
                QTest::keyClick(to, key, modifiers);
            continue;
        }
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(pressable[qsizetype(pick - keys.size())]);
        if (a && a->childCount() > 0 && qobject_cast<QMenu*>(a->object()))
            a = a->child(int(m_pick() % std::size_t(a->childCount())));
        if (!a || !a->actionInterface())
            continue;
        m_recent.append(QStringLiteral("  during the pause: press %1").arg(a->text(QAccessible::Name)));
        a->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    }
    if (QWidget* modal = QApplication::activeModalWidget())
        fail(QStringLiteral("%1 opened during the pause").arg(controlName(modal)));
}

void Monkey::addControlActions(QWidget* root, QList<Action>& actions)
{
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    for (QWidget* w : widgets) {
        if (!w->isVisible() || !w->isEnabled() || w->window() != root || !uncovered(w))
            continue;
        QPointer<QWidget> p(w);
        const QString name = controlName(w);
        if (qobject_cast<QAbstractButton*>(w) || w->inherits("ClickLabel")) {
            const bool ends = m_main && w == m_main->cmdMdiExit;
            actions.append({QStringLiteral("click:") + name,
                            [p] {
                                if (p)
                                    QTest::mouseClick(p, Qt::LeftButton, {}, p->rect().center());
                            },
                            ends});
        } else if (auto* area = qobject_cast<QAbstractScrollArea*>(w)) {
            QPointer<QWidget> viewport(area->viewport());
            actions.append({QStringLiteral("click:") + name, [viewport] {
                                if (viewport)
                                    QTest::mouseClick(viewport, Qt::LeftButton, {}, QPoint(4, 4));
                            }});
        }
        if (w->hasMouseTracking()) {
            actions.append({QStringLiteral("move:") + name, [p] {
                                if (p)
                                    QTest::mouseMove(p, QPoint(2, p->height() - 2));
                            }});
        }
    }
}

void Monkey::addMenuActions(QList<Action>& actions)
{
    for (QAction* top : m_main->menuBar()->actions()) {
        QList<QAction*> commands;
        if (QMenu* menu = top->menu())
            commands = menu->actions();
        else
            commands = {top};
        for (QAction* a : commands) {
            if (a->isSeparator() || !a->isEnabled() || !a->isVisible())
                continue;
            QPointer<QAction> p(a);
            const QString owner = a->parent() && a->parent()->isWidgetType()
                                      ? ownerName(static_cast<QWidget*>(a->parent()))
                                      : QStringLiteral("?");
            actions.append({QStringLiteral("menu:") + owner + QLatin1Char('/') + a->objectName(),
                            [p] {
                                if (p)
                                    p->trigger();
                            },
                            a == m_main->menus.command("mnuExit")});
        }
    }
}

void Monkey::checkInvariants(const QString& after)
{
    if (!countersSound(modCardTest::cardCorrect, modCardTest::cardAttempts) ||
        !countersSound(modColorTest::colorCorrect, modColorTest::colorAttempts) ||
        !countersSound(modSymbolTest::symbolCorrect, modSymbolTest::symbolAttempts)) {
        fail(QStringLiteral("a counter broke 0 <= correct <= attempts after ") + after);
        return;
    }
    // The main window's children are the tests' home and play windows.
    const QList<QMdiSubWindow*> children = m_main->mdiArea->subWindowList();
    const bool testShown =
        std::any_of(children.begin(), children.end(), [](const QMdiSubWindow* w) { return w->isVisible(); });
    if (m_main->isWelcomePanelVisible() == testShown) {
        fail(QStringLiteral("welcome panel %1 while a test window is %2, after %3")
                 .arg(m_main->isWelcomePanelVisible() ? "shown" : "hidden", testShown ? "shown" : "not shown", after));
        return;
    }
    int modals = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        modals += w->isVisible() && (w->isModal() || w->windowModality() != Qt::NonModal);
    if (modals > 1)
        fail(QStringLiteral("%1 modal windows at once after %2").arg(modals).arg(after));
}

void Monkey::noteWindows()
{
    ++m_windows[QStringLiteral("frmMDI")];
    for (FormBase* form : FormBase::loadedForms()) {
        auto* w = dynamic_cast<QWidget*>(form);
        if (w && w->isVisible())
            ++m_windows[w->objectName()];
    }
}

void Monkey::restartProgram()
{
    ++m_restarts;
    m_main.reset();
    const QList<QWidget*> left = modal::leftoverTopLevels();
    if (!left.isEmpty()) {
        fail(QStringLiteral("windows left behind after the program ended: ") + controlName(left.first()));
        return;
    }
    m_main.reset(startUp());
    QApplication::setActiveWindow(m_main.get());
}

void Monkey::fail(const QString& why)
{
    if (!m_failure.isEmpty())
        return;
    m_failure = QStringLiteral("%1\nseed %2, step %3 of %4; last steps:\n  %5")
                    .arg(why)
                    .arg(m_seed)
                    .arg(m_done)
                    .arg(m_steps)
                    .arg(m_recent.join(QStringLiteral("\n  ")));
}

QString Monkey::coverageReport() const
{
    QStringList lines;
    lines << QStringLiteral("seed %1, %2 steps, %3 restarts").arg(m_seed).arg(m_done).arg(m_restarts);
    QStringList windows = m_windows.keys();
    windows.sort();
    lines << QStringLiteral("windows reached (%1):").arg(windows.size());
    for (const QString& w : windows)
        lines << QStringLiteral("  %1 %2").arg(w, -40).arg(m_windows.value(w));
    QStringList handlers = m_handlers.keys();
    handlers.sort();
    lines << QStringLiteral("actions taken (%1 distinct):").arg(handlers.size());
    for (const QString& h : handlers)
        lines << QStringLiteral("  %1 %2").arg(h, -70).arg(m_handlers.value(h));
    return lines.join(QLatin1Char('\n'));
}

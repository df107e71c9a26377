// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#include "shell/DialogWindows.h"

#include "shell/ClickLabel.h"
#include "shell/Form.h"
#include "shell/Look.h"
#include "shell/Twips.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QInputEvent>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>
#include <QStyleHints>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <optional>
#include <vector>

namespace {

class MinimiseGuard : public QObject {
public:
    explicit MinimiseGuard(QWidget* window) : QObject(window)
    {
        setObjectName(QStringLiteral("minimiseGuard"));
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::WindowStateChange) {
            auto* window = static_cast<QWidget*>(watched);
            if (window->windowState() & Qt::WindowMinimized) {
                // Not from inside the state change itself.
                QPointer<QWidget> target(window);
                QTimer::singleShot(0, this, [target] {
                    if (!target || !target->isVisible() || !(target->windowState() & Qt::WindowMinimized))
                        return;
                    target->setWindowState(target->windowState() & ~Qt::WindowMinimized);
                    target->raise();
                    target->activateWindow();
                });
            }
        }
        return false;
    }
};

bool isUserInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseButtonRelease:
    case QEvent::NonClientAreaMouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::ContextMenu:
    case QEvent::InputMethod:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
    case QEvent::TabletMove:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
        return true;
    default:
        return false;
    }
}

// The controls that run a handler when something presses them.
bool actsWhenPressed(const QObject* object)
{
    return object->inherits("QAbstractButton") || object->inherits("QAction") || object->inherits("QShortcut") ||
           object->inherits("QMenu") || object->inherits("QMenuBar") || qobject_cast<const ClickLabel*>(object);
}

bool belongsTo(QObject* object, const QWidget* window)
{
    if (!window)
        return false;
    QWidget* widget = nullptr;
    if (auto* handle = qobject_cast<QWindow*>(object)) {
        const auto topLevels = QApplication::topLevelWidgets();
        for (QWidget* top : topLevels)
            if (top->windowHandle() == handle)
                widget = top;
    } else {
        // An action or a shortcut belongs where the widget that holds it does.
        for (QObject* o = object; o && !widget; o = o->parent())
            if (o->isWidgetType())
                widget = static_cast<QWidget*>(o);
    }
    // A popup (a context menu) belongs where the control it opened from does.
    while (widget) {
        QWidget* top = widget->window();
        if (top == window)
            return true;
        widget = top->windowType() == Qt::Popup || top->windowType() == Qt::ToolTip ? top->parentWidget() : nullptr;
    }
    return false;
}

// A screen reader's press on a button shows it down and clicks it when the
// button's next timer event comes (about 100 ms later, or much later on a
// busy machine). That click was asked for while the button had to keep
// still: its signals stay blocked until the timer event has been delivered,
// however late it comes, then the button speaks again.
class SwallowPendingClick : public QObject {
public:
    explicit SwallowPendingClick(QAbstractButton* button) : QObject(button), m_button(button)
    {
        button->installEventFilter(this);
        QTimer::singleShot(kNeverLaterMs, this, [this] { release(); }); // no click came
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Timer)
            QTimer::singleShot(0, this, [this] { release(); }); // after the silent click
        return false;
    }

private:
    static constexpr int kNeverLaterMs = 5000;

    void release()
    {
        m_button->removeEventFilter(this);
        m_button->blockSignals(false);
        deleteLater();
    }

    QAbstractButton* m_button;
};

std::vector<OnlyWindowActs*>& scopes()
{
    static std::vector<OnlyWindowActs*> open;
    return open;
}

// The one application-wide filter while any scope is open.
class InputGate : public QObject {
public:
    QPointer<QWidget> allowed;
    // The time of the last mouse release that reached the allowed window,
    // when nothing reached it after that release.
    std::optional<quint64> lastRelease;

    // Buttons shown down while held back: a screen reader's press, which
    // clicks a moment later.
    QList<QPointer<QAbstractButton>> pressed;

protected:
    bool eventFilter(QObject* receiver, QEvent* event) override
    {
        if (!isUserInput(event->type())) {
            auto* button = qobject_cast<QAbstractButton*>(receiver);
            if (!button || !button->signalsBlocked())
                return false;
            // Its timer event brings the click, silent while held back: nothing
            // is pending after it (the pause's own loop, or Windows' event
            // dispatcher, runs timers before the scope ends).
            if (event->type() == QEvent::Timer)
                pressed.removeAll(button);
            // Seen down at any other event (its repaint, its losing the focus).
            else if (button->isDown() && !pressed.contains(button))
                pressed.append(button);
            return false;
        }
        if (!isUserInput(event->type()))
            return false;
        if (!belongsTo(receiver, allowed))
            return true;
        if (event->type() == QEvent::MouseButtonRelease)
            lastRelease = static_cast<QInputEvent*>(event)->timestamp();
        else if (event->type() != QEvent::MouseMove)
            lastRelease.reset();
        return false;
    }
};

InputGate* g_gate = nullptr;

// The second click of a double-click on the button that closed a modal
// window lands on whatever lies under it once the window is gone; it was
// meant for that button, so it is dropped, press and release.
class SecondClickDropper : public QObject {
public:
    explicit SecondClickDropper(quint64 closingRelease)
        : QObject(QCoreApplication::instance()), m_closingRelease(closingRelease)
    {
        QCoreApplication::instance()->installEventFilter(this);
        QTimer::singleShot(QGuiApplication::styleHints()->mouseDoubleClickInterval(), this, [this] { finish(); });
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick: {
            const quint64 at = static_cast<QInputEvent*>(event)->timestamp();
            if (at >= m_closingRelease &&
                at - m_closingRelease < quint64(QGuiApplication::styleHints()->mouseDoubleClickInterval())) {
                m_pressDropped = true;
                return true;
            }
            if (!m_pressDropped)
                finish();
            return false;
        }
        case QEvent::MouseButtonRelease:
            if (m_pressDropped) {
                finish();
                return true;
            }
            return false;
        default:
            return false;
        }
    }

private:
    void finish()
    {
        QCoreApplication::instance()->removeEventFilter(this);
        deleteLater();
    }

    quint64 m_closingRelease;
    bool m_pressDropped = false;
};

void gateFor(QWidget* window)
{
    if (!g_gate) {
        g_gate = new InputGate;
        QCoreApplication::instance()->installEventFilter(g_gate);
    }
    g_gate->allowed = window;
    g_gate->lastRelease.reset();
}

} // namespace

void frameTitledDialog(QDialog* dialog, const WindowFrame& frame)
{
    setWindowFrame(dialog, frame);
    dialog->setWindowIcon(look::appIcon());
    dialog->setWindowFlags(kTitledDialogFlags);
    keepFromMinimising(dialog);
}

void keepFromMinimising(QWidget* window)
{
    if (!window->findChild<QObject*>(QStringLiteral("minimiseGuard"), Qt::FindDirectChildrenOnly))
        new MinimiseGuard(window);
}

OnlyWindowActs::OnlyWindowActs(QWidget* window) : m_window(window)
{
    // Controls that something could press without input (a screen reader's
    // press, a menu command) keep still: their signals are held back.
    const auto topLevels = QApplication::topLevelWidgets();
    for (QWidget* top : topLevels) {
        QList<QObject*> objects = top->findChildren<QObject*>();
        objects.prepend(top);
        for (QObject* object : objects) {
            if (!actsWhenPressed(object) || belongsTo(object, window) || object->signalsBlocked())
                continue;
            object->blockSignals(true);
            m_silenced.append(object);
        }
    }
    scopes().push_back(this);
    gateFor(window);
}

OnlyWindowActs::~OnlyWindowActs()
{
    for (const QPointer<QObject>& object : std::as_const(m_silenced)) {
        if (!object)
            continue;
        // A screen reader's press on a button shows it down and clicks it a
        // moment later: that click, asked for during the scope, stays silent.
        auto* button = qobject_cast<QAbstractButton*>(object.data());
        if (button && (g_gate->pressed.removeAll(button) > 0 || button->isDown()))
            new SwallowPendingClick(button);
        else
            object->blockSignals(false);
    }
    scopes().pop_back();
    if (scopes().empty()) {
        delete g_gate;
        g_gate = nullptr;
    } else {
        gateFor(scopes().back()->m_window);
    }
}

bool runModal(QDialog& dialog, QWidget* owner, int* result)
{
    const QPointer<QWidget> ownerWidget(owner);
    FormBase* form = FormBase::of(owner);
    std::optional<FormBase::KeepLoaded> keep;
    keep.emplace(owner);
    keepFromMinimising(&dialog);
    twips::centreOnScreen(&dialog);
    int code = QDialog::Rejected;
    std::optional<quint64> closingClick;
    {
        const OnlyWindowActs onlyThis(&dialog);
        // The dialog may unload itself, so it is not touched afterwards.
        code = dialog.exec();
        closingClick = g_gate->lastRelease;
    }
    if (closingClick)
        new SecondClickDropper(*closingClick);
    keep.reset(); // carries out an unload asked for while the dialog was open
    if (result)
        *result = code;
    return ownerWidget && (!form || FormBase::loadedForms().contains(form));
}

// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#include "shell/Widgets.h"

#include "shell/Look.h"
#include "shell/Twips.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>

#include <algorithm>

QLabel* makeLabel(QWidget* parent, QAnyStringView name, const QString& text, const QFont& font, const QColor& color)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name.toString());
    label->setFont(font);
    look::setTextColor(label, color);
    return label;
}

QPushButton* makeButton(QWidget* parent, QAnyStringView name, const QString& caption, const QFont& font,
                        const QColor& face)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name.toString());
    button->setFont(font);
    look::setButtonFace(button, face);
    return button;
}

QFrame* makePanel(QWidget* parent, QAnyStringView name, const QColor& color)
{
    auto* panel = new QFrame(parent);
    panel->setObjectName(name.toString());
    look::setBackground(panel, color);
    return panel;
}

namespace {

// A group box or plain panel as screen readers meet it. One whose name they
// already hear elsewhere is passed over as layout, as an unnamed panel is:
// a control named like its panel says the name as it takes the focus, and a
// window known by the game in front says it as the focus enters the window.
// Said as the context too, the name would be heard twice. Decided when
// asked, since the panel is met before its controls are added.
class FramingPanelAccessible : public QAccessibleWidget {
public:
    FramingPanelAccessible(QWidget* panel, QAccessible::Role role) : QAccessibleWidget(panel, role) {}

    QAccessible::Role role() const override
    {
        return heardElsewhere() ? QAccessible::Client : QAccessibleWidget::role();
    }

    QString text(QAccessible::Text kind) const override
    {
        QString text = QAccessibleWidget::text(kind);
        const auto* group = qobject_cast<const QGroupBox*>(widget());
        if (kind == QAccessible::Name && text.isEmpty() && group) {
            static const QRegularExpression mnemonic(QStringLiteral("&(.)"));
            text = QString(group->title()).replace(mnemonic, QStringLiteral("\\1"));
        }
        return text;
    }

private:
    bool heardElsewhere() const
    {
        const QString name = text(QAccessible::Name);
        if (name.isEmpty())
            return false;
        const QWidget* around = widget()->parentWidget();
        if (around && around->accessibleName() == name)
            return true;
        const auto controls = widget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        return std::any_of(controls.begin(), controls.end(),
                           [&](const QWidget* control) { return control->accessibleName() == name; });
    }
};

} // namespace

QAccessibleInterface* framingPanelFactory(const QString& className, QObject* object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    auto* panel = static_cast<QWidget*>(object);
    // The roles Qt gives these two by default.
    if (className == QLatin1String("QGroupBox"))
        return new FramingPanelAccessible(panel, QAccessible::Grouping);
    if (className == QLatin1String("QFrame"))
        return new FramingPanelAccessible(panel, QAccessible::Border);
    return nullptr;
}

namespace {

const char* const kPleaseWaitText = "Please Wait ...";
const char* const kPanelTitle = "panelTitle";

QAccessibleInterface* alertFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("PleaseWaitPanel") && object && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification);
    return nullptr;
}

QLabel* waitLine(QWidget* panel, const WaitLine& line, const QString& text, const QRectF& usualPlace)
{
    QLabel* label = makeLabel(panel, line.name, text, line.font, line.text);
    if (line.background.isValid())
        look::setBackground(label, line.background);
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    const QRectF place = line.place.isEmpty() ? usualPlace : line.place;
    twips::place(label, place.left(), place.top(), place.width(), place.height());
    return label;
}

} // namespace

PleaseWaitPanel::PleaseWaitPanel(QWidget* parent) : QFrame(parent)
{
    static const bool installed = [] {
        QAccessible::installFactory(alertFactory);
        return true;
    }();
    Q_UNUSED(installed);
    setObjectName(QStringLiteral("picMessage"));
    setAccessibleName(QString::fromLatin1(kPleaseWaitText));
}

void PleaseWaitPanel::appear()
{
    show();
    raise();
    QAccessibleEvent alert(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

PleaseWait buildPleaseWait(QWidget* window, const PleaseWaitLook& look)
{
    PleaseWait w{};
    w.panel = new PleaseWaitPanel(window);
    look::setBackground(w.panel, look.color);
    if (look.framed)
        w.panel->setFrameShape(QFrame::Box);
    twips::place(w.panel, look.place.left(), look.place.top(), look.place.width(), look.place.height());
    // The usual lines: "Please Wait ..." 420 twips high at the top, the
    // generating line in the rest, both 90 twips in from the edges.
    constexpr double kInset = 90;
    constexpr double kWaitHeight = 420;
    const double lineWidth = look.place.width() - 2 * kInset;
    const double generatingTop = kInset + kWaitHeight;
    w.wait = waitLine(w.panel, look.wait, QString::fromLatin1(kPleaseWaitText),
                      QRectF(kInset, kInset, lineWidth, kWaitHeight));
    w.generating = waitLine(w.panel, look.generating, QString::fromLatin1(look.generatingText),
                            QRectF(kInset, generatingTop, lineWidth, look.place.height() - generatingTop - kInset));
    w.panel->hide();
    return w;
}

void setPanelTitle(QWidget* panel, const QString& title)
{
    // Not the panel's own accessible name: said for the window and again for
    // the panel, it would be heard twice as the focus comes into the panel.
    panel->setProperty(kPanelTitle, title);
}

void bringToFront(QWidget* front, std::initializer_list<QWidget*> samePlace, QWidget* focusTo)
{
    front->raise();
    front->show();
    for (QWidget* other : samePlace) {
        if (other != front)
            other->hide();
    }
    // The window is known by the panel in front (a game, a level), which a
    // screen reader says as the focus enters the window; by none when that
    // panel has no name, not by the one seen before.
    const auto* group = qobject_cast<const QGroupBox*>(front);
    const QString name = group ? group->title() : front->property(kPanelTitle).toString();
    if (front->parentWidget()->accessibleName() != name)
        front->parentWidget()->setAccessibleName(name);
    if (!focusTo)
        return;
    // The control the panels' window last gave the focus to, whether or not
    // that window is active now.
    QWidget* owner = front->parentWidget();
    QWidget* focus = owner->focusWidget();
    bool move = !focus || !focus->isVisibleTo(owner);
    for (QWidget* panel : samePlace)
        move = move || (focus && panel->isAncestorOf(focus));
    if (move)
        focusTo->setFocus(Qt::OtherFocusReason);
}

namespace {

// Sees the keys that reach the window because no control took them.
class WindowKeys : public QObject {
public:
    WindowKeys(QWidget* window, QPushButton* defaultButton, QPushButton* cancelButton)
        : QObject(window), m_default(defaultButton), m_cancel(cancelButton)
    {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        auto* key = static_cast<QKeyEvent*>(event);
        const Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::KeypadModifier;
        if (mods != Qt::NoModifier)
            return false;
        QPushButton* target = nullptr;
        if (key->key() == Qt::Key_Escape)
            target = m_cancel;
        else if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
            target = m_default;
        if (!target || !target->isVisible() || !target->isEnabled())
            return QObject::eventFilter(watched, event);
        target->click();
        return true;
    }

private:
    QPushButton* m_default;
    QPushButton* m_cancel;
};

} // namespace

void bindWindowKeys(QWidget* window, QPushButton* defaultButton, QPushButton* cancelButton)
{
    // A button takes Enter itself only as an "auto default" one, which
    // outside dialogs has to be asked for.
    const auto buttons = window->findChildren<QPushButton*>();
    for (QPushButton* button : buttons)
        button->setAutoDefault(true);
    if (defaultButton)
        defaultButton->setDefault(true); // drawn as the default
    if (defaultButton || cancelButton)
        window->installEventFilter(new WindowKeys(window, defaultButton, cancelButton));
}

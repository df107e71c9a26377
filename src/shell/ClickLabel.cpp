// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#include "shell/ClickLabel.h"

#include "shell/Look.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {

// The label as a screen reader sees it: its role, its text (or accessible
// name) as the name, and a press action that clicks it.
class ClickLabelAccessible : public QAccessibleWidget {
public:
    explicit ClickLabelAccessible(ClickLabel* label) : QAccessibleWidget(label, label->accessibleRole()) {}

    ClickLabel* label() const { return static_cast<ClickLabel*>(widget()); }

    QAccessible::Role role() const override { return label()->accessibleRole(); }

    QString text(QAccessible::Text t) const override
    {
        QString value = QAccessibleWidget::text(t);
        if (t == QAccessible::Name && value.isEmpty())
            value = label()->text();
        return value;
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.linked = role() == QAccessible::Link;
        return s;
    }

    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (role() != QAccessible::StaticText)
            names.prepend(pressAction());
        return names;
    }

    void doAction(const QString& action) override
    {
        if (action == pressAction())
            label()->press();
        else
            QAccessibleWidget::doAction(action);
    }
};

QAccessibleInterface* clickLabelFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("ClickLabel") && object && object->isWidgetType())
        return new ClickLabelAccessible(static_cast<ClickLabel*>(object));
    return nullptr;
}

} // namespace

ClickLabel::ClickLabel(const QString& text, QWidget* parent) : QLabel(text, parent)
{
    static const bool accessibleInstalled = (QAccessible::installFactory(clickLabelFactory), true);
    Q_UNUSED(accessibleInstalled);
    setMouseTracking(true);
    setLink(true);
}

void ClickLabel::setLink(bool link)
{
    m_link = link;
    setFocusPolicy(link ? Qt::TabFocus : Qt::NoFocus);
    if (link)
        setCursor(look::handCursor());
    else
        unsetCursor();
}

void ClickLabel::press()
{
    if (m_link)
        emit clicked();
}

void ClickLabel::mousePressEvent(QMouseEvent* event)
{
    m_pressed = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    QLabel::mouseReleaseEvent(event);
    if (click)
        emit clicked();
}

void ClickLabel::mouseMoveEvent(QMouseEvent* event)
{
    QLabel::mouseMoveEvent(event);
    event->accept(); // the panel underneath must not see it as its own
    emit mouseMoved();
}

void ClickLabel::keyPressEvent(QKeyEvent* event)
{
    if (m_link && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Space)) {
        press();
        return;
    }
    QLabel::keyPressEvent(event);
}

void ClickLabel::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (hasFocus()) {
        // The usual dotted focus frame, so keyboard users see where they are.
        QPainter painter(this);
        QPen pen(palette().color(QPalette::WindowText), 1, Qt::DotLine);
        painter.setPen(pen);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

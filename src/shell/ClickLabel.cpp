// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#include "shell/ClickLabel.h"

#include "shell/Look.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <cstdlib>

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
    if (m_link && m_role == QAccessible::Button && moveFocusByArrow(event->key()))
        return;
    QLabel::keyPressEvent(event);
}

bool ClickLabel::moveFocusByArrow(int key)
{
    // Among the pictures one picks side by side, the arrows go to the
    // nearest one in their direction, as they do among buttons.
    QPoint step;
    switch (key) {
    case Qt::Key_Left:
        step = {-1, 0};
        break;
    case Qt::Key_Right:
        step = {1, 0};
        break;
    case Qt::Key_Up:
        step = {0, -1};
        break;
    case Qt::Key_Down:
        step = {0, 1};
        break;
    default:
        return false;
    }
    if (!parentWidget())
        return false;
    const QPoint from = geometry().center();
    ClickLabel* best = nullptr;
    int bestScore = 0;
    for (ClickLabel* other : parentWidget()->findChildren<ClickLabel*>(Qt::FindDirectChildrenOnly)) {
        if (other == this || !other->isVisible() || !other->isEnabled() || other->accessibleRole() != m_role)
            continue;
        const QPoint d = other->geometry().center() - from;
        const int along = d.x() * step.x() + d.y() * step.y();
        const int across = std::abs(d.x() * step.y()) + std::abs(d.y() * step.x());
        if (along <= 0)
            continue;
        const int score = along + 2 * across;
        if (!best || score < bestScore) {
            best = other;
            bestScore = score;
        }
    }
    if (best)
        best->setFocus(Qt::TabFocusReason);
    return true; // at the edge the arrow does nothing, and goes nowhere else
}

void ClickLabel::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (hasFocus() && m_role == QAccessible::Button) {
        QPainter painter(this);
        const QColor ground = parentWidget() ? parentWidget()->palette().color(QPalette::Window) : QColor(Qt::white);
        const QPixmap picture = pixmap();
        const QSizeF size = picture.deviceIndependentSize();
        const QPointF at(contentsRect().center().x() + 1 - size.width() / 2,
                         contentsRect().center().y() + 1 - size.height() / 2);
        look::drawPictureFocus(&painter, rect(), ground, picture, at);
    } else if (hasFocus()) {
        // The usual dotted focus frame, so keyboard users see where they are.
        QPainter painter(this);
        QPen pen(palette().color(QPalette::WindowText), 1, Qt::DotLine);
        painter.setPen(pen);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#include "shell/Panel.h"

#include <QMouseEvent>

Panel::Panel(QWidget* parent, const char* name) : QFrame(parent)
{
    if (name)
        setObjectName(QString::fromLatin1(name));
    setMouseTracking(true);
}

void Panel::mouseMoveEvent(QMouseEvent* event)
{
    event->accept();
    emit mouseMoved();
}

void keepPointerMovesFrom(QWidget* child)
{
    child->setAttribute(Qt::WA_NoMousePropagation);
}

void Panel::mousePressEvent(QMouseEvent* event)
{
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void Panel::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (click)
        emit clicked();
}

// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#include "shell/Form.h"

#include <QAction>
#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>

namespace {
QList<FormBase*>& registry()
{
    static QList<FormBase*> forms;
    return forms;
}
} // namespace

FormBase::~FormBase() = default;

QList<FormBase*> FormBase::loadedForms()
{
    return registry();
}

void FormBase::activateFrontSubWindow(QMdiArea* area)
{
    if (!area)
        return;
    const QList<QMdiSubWindow*> windows = area->subWindowList(QMdiArea::StackingOrder);
    for (auto it = windows.crbegin(); it != windows.crend(); ++it) {
        if (!(*it)->isVisible())
            continue;
        area->setActiveSubWindow(*it);
        if (QWidget* focus = (*it)->widget() ? (*it)->widget()->focusWidget() : nullptr)
            focus->setFocus(Qt::OtherFocusReason);
        return;
    }
}

void FormBase::registerLoaded()
{
    registry().append(this);
}

void FormBase::unregisterLoaded()
{
    registry().removeAll(this);
}

void FormBase::addMenuBarMenu(QMenu* menu)
{
    m_menuBar.append(menu->menuAction());
}

void FormBase::addMenuBarAction(QAction* action)
{
    m_menuBar.append(action);
}

bool tabWithin(QWidget* form, bool next)
{
    QWidget* current = QApplication::focusWidget();
    if (!current || !form->isAncestorOf(current))
        current = form;
    for (QWidget* w = current;;) {
        w = next ? w->nextInFocusChain() : w->previousInFocusChain();
        if (!w || w == current)
            return false;
        const bool takesTab = (w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus;
        if (takesTab && form->isAncestorOf(w) && w->isVisibleTo(form) && w->isEnabled() && !w->focusProxy()) {
            w->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    }
}

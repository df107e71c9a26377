// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#include "shell/Form.h"

#include <QAction>
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

// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#include "shell/Form.h"

#include "shell/Look.h"
#include "shell/Twips.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QHash>
#include <QKeySequence>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPair>

#include <algorithm>

namespace {
QList<FormBase*>& registry()
{
    static QList<FormBase*> forms;
    return forms;
}
} // namespace

void setWindowFrame(QWidget* window, const WindowFrame& frame)
{
    window->setObjectName(QString::fromLatin1(frame.name));
    window->setWindowTitle(QString::fromLatin1(frame.title));
    look::setBackground(window, frame.background);
    window->setFixedSize(twips::toPixels(frame.width), twips::toPixels(frame.height));
}

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

FormBase* FormBase::of(QWidget* widget)
{
    for (; widget; widget = widget->parentWidget())
        if (auto* form = dynamic_cast<FormBase*>(widget))
            return form;
    return nullptr;
}

FormBase::KeepLoaded::KeepLoaded(QWidget* widget) : m_form(of(widget))
{
    if (!m_form || !registry().contains(m_form))
        return;
    m_window = dynamic_cast<QWidget*>(m_form);
    ++m_form->m_kept;
}

FormBase::KeepLoaded::~KeepLoaded()
{
    if (!m_window)
        return; // never kept, or destroyed with its owner
    if (--m_form->m_kept == 0 && m_form->m_unloadAsked) {
        m_form->m_unloadAsked = false;
        m_form->unload();
    }
}

bool FormBase::unloadLater()
{
    if (m_kept == 0)
        return false;
    m_unloadAsked = true;
    return true;
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

namespace {

// Widgets in reading order of their rectangles: rows from top to bottom, a
// widget whose top lies above the bottom of a row's first one joining that
// row, each row from left to right.
QList<QWidget*> readingOrder(QList<QPair<QWidget*, QRect>> places)
{
    using Place = QPair<QWidget*, QRect>;
    std::stable_sort(places.begin(), places.end(),
                     [](const Place& a, const Place& b) { return a.second.top() < b.second.top(); });
    QList<QWidget*> order;
    for (qsizetype row = 0; row < places.size();) {
        const int rowBottom = places[row].second.bottom();
        qsizetype end = row + 1;
        while (end < places.size() && places[end].second.top() < rowBottom)
            ++end;
        std::stable_sort(places.begin() + row, places.begin() + end,
                         [](const Place& a, const Place& b) { return a.second.left() < b.second.left(); });
        for (qsizetype i = row; i < end; ++i)
            order.append(places[i].first);
        row = end;
    }
    return order;
}

QRect rectIn(QWidget* form, QWidget* w)
{
    return QRect(w->mapTo(form, QPoint(0, 0)), w->size());
}

} // namespace

QList<QWidget*> screenOrder(QWidget* form)
{
    // Each panel of the window is read as a whole, so that the controls of
    // panels sharing one place (one shown at a time) do not mix their rows.
    QList<QWidget*> layers;
    QHash<QWidget*, QList<QPair<QWidget*, QRect>>> inLayer;
    const auto children = form->findChildren<QWidget*>();
    for (QWidget* w : children) {
        if ((w->focusPolicy() & Qt::TabFocus) != Qt::TabFocus || w->focusProxy())
            continue;
        QWidget* layer = w;
        while (layer->parentWidget() != form)
            layer = layer->parentWidget();
        if (!inLayer.contains(layer))
            layers.append(layer);
        inLayer[layer].append({w, rectIn(form, w)});
    }
    QList<QPair<QWidget*, QRect>> layerPlaces;
    for (QWidget* layer : layers)
        layerPlaces.append({layer, rectIn(form, layer)});
    QList<QWidget*> order;
    for (QWidget* layer : readingOrder(layerPlaces))
        order += readingOrder(inLayer.value(layer));
    return order;
}

void orderTabByScreen(QWidget* form)
{
    const QList<QWidget*> order = screenOrder(form);
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

QStringList mnemonicClashes(QWidget* form)
{
    QHash<QKeySequence, QString> taken;
    QStringList clashes;
    auto take = [&](const QString& text, const QString& who) {
        const QKeySequence key = QKeySequence::mnemonic(text);
        if (key.isEmpty())
            return;
        if (const auto first = taken.constFind(key); first != taken.cend())
            clashes << QStringLiteral("%1: %2 and %3").arg(key.toString(QKeySequence::PortableText), *first, who);
        else
            taken.insert(key, who);
    };
    if (const auto* owner = dynamic_cast<const FormBase*>(form)) {
        for (const QAction* title : owner->menuBarActions()) {
            if (title->isEnabled())
                take(title->text(), QStringLiteral("the menu ") + title->text());
        }
    }
    const auto children = form->findChildren<QWidget*>();
    for (QWidget* w : children) {
        if (!w->isVisibleTo(form) || !w->isEnabled())
            continue;
        if (const auto* button = qobject_cast<const QAbstractButton*>(w))
            take(button->text(), w->objectName());
        else if (const auto* group = qobject_cast<const QGroupBox*>(w); group && group->isCheckable())
            take(group->title(), w->objectName());
        else if (const auto* label = qobject_cast<const QLabel*>(w); label && label->buddy())
            take(label->text(), w->objectName());
    }
    return clashes;
}

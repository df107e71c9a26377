// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#include "support/Modal.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <QTest>
#include <QWidget>

namespace modal {
namespace {

bool clickButton(QWidget* window, const QString& button)
{
    const auto buttons = window->findChildren<QAbstractButton*>();
    for (QAbstractButton* b : buttons) {
        if (b->objectName() == button || b->text() == button || QString(b->text()).remove(u'&') == button) {
            QTest::mouseClick(b, Qt::LeftButton);
            return true;
        }
    }
    return false;
}

QWidget* openModal()
{
    QWidget* window = QApplication::activeModalWidget();
    return window && window->isVisible() ? window : nullptr;
}

} // namespace

Answer::Answer(const QString& button, std::function<void(QWidget*)> inspect)
    : m_button(button), m_inspect(std::move(inspect))
{
    m_timer.setInterval(0);
    QObject::connect(&m_timer, &QTimer::timeout, [this] { poll(); });
    m_timer.start();
}

Answer::~Answer() = default;

void Answer::poll()
{
    QWidget* window = openModal();
    if (!window)
        return; // not open yet: try again on the next turn
    m_timer.stop();
    m_answered = true;
    if (m_inspect)
        m_inspect(window);
    if (!m_button.isEmpty() && window->isVisible() && !clickButton(window, m_button))
        qWarning("modal::Answer: no button '%s' in the modal window", qPrintable(m_button));
}

AnswerEvery::AnswerEvery(const QString& button) : m_button(button)
{
    m_timer.setInterval(0);
    QObject::connect(&m_timer, &QTimer::timeout, [this] {
        if (QWidget* window = openModal(); window && clickButton(window, m_button))
            ++m_count;
    });
    m_timer.start();
}

void failWhenStuck()
{
    static QTimer* watch = nullptr;
    if (watch || !QCoreApplication::instance())
        return;
    watch = new QTimer(QCoreApplication::instance());
    watch->setInterval(500);
    static QPointer<QWidget> seen;
    static int ticks = 0;
    QObject::connect(watch, &QTimer::timeout, [] {
        QWidget* open = openModal();
        ticks = open && open == seen ? ticks + 1 : 0;
        seen = open;
        if (ticks >= 20) // 10 s
            qFatal("The modal window '%s' (%s, \"%s\") stayed open for 10 s with nobody to answer it",
                   qPrintable(open->objectName()), open->metaObject()->className(), qPrintable(open->windowTitle()));
    });
    watch->start();
}

void flushDeletes()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
}

QList<QWidget*> leftoverTopLevels()
{
    flushDeletes();
    QList<QWidget*> left;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        // Menus and tooltips are owned by Qt and come and go as they like.
        if (w->inherits("QMenu") || w->inherits("QTipLabel") || w->windowType() == Qt::Desktop)
            continue;
        left.append(w);
    }
    return left;
}

} // namespace modal

void pressKey(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QWidget* to = QApplication::focusWidget();
    if (!to)
        to = QApplication::activeWindow();
    if (!to)
        qFatal("pressKey: no window is active to take the key");
    QTest::keyClick(to, key, modifiers);
}

bool activate(QWidget* window)
{
    modal::flushDeletes(); // the closed window goes first
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

bool tabTo(QWidget* target)
{
    for (int i = 0; i < 80 && QApplication::focusWidget() != target; ++i)
        pressKey(Qt::Key_Tab);
    return QApplication::focusWidget() == target;
}

bool inFront(QWidget* a, QWidget* b)
{
    const QObjectList& siblings = a->parentWidget()->children();
    return siblings.indexOf(a) > siblings.indexOf(b);
}

bool inFront(QWidget* panel)
{
    if (panel->isHidden())
        return false;
    const QObjectList& siblings = panel->parentWidget()->children();
    const qsizetype at = siblings.indexOf(panel);
    for (qsizetype i = at + 1; i < siblings.size(); ++i) {
        auto* other = qobject_cast<QWidget*>(siblings[i]);
        if (other && !other->isHidden() && other->geometry().intersects(panel->geometry()))
            return false;
    }
    return true;
}

// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#include "support/Modal.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QTest>
#include <QTimer>
#include <QWidget>

namespace modal {
namespace {

bool clickButton(QWidget* window, const QString& button)
{
    const auto buttons = window->findChildren<QAbstractButton*>();
    for (QAbstractButton* b : buttons) {
        if (b->objectName() == button || b->text() == button || QString(b->text()).remove('&') == button) {
            QTest::mouseClick(b, Qt::LeftButton);
            return true;
        }
    }
    return false;
}

struct Answerer {
    QString button;
    int answered = 0;
    QTimer* timer = nullptr;
};
Answerer* g_answerer = nullptr;

} // namespace

void answerNext(const QString& button, std::function<void(QWidget*)> inspect)
{
    auto* timer = new QTimer;
    timer->setInterval(0);
    QObject::connect(timer, &QTimer::timeout, [timer, button, inspect] {
        QWidget* window = QApplication::activeModalWidget();
        if (!window || !window->isVisible())
            return; // not open yet: try again on the next turn
        timer->stop();
        timer->deleteLater();
        if (inspect)
            inspect(window);
        if (!clickButton(window, button))
            qWarning("modal::answerNext: no button '%s' in the modal window", qPrintable(button));
    });
    timer->start();
}

void keepAnswering(const QString& button)
{
    if (!g_answerer)
        g_answerer = new Answerer;
    g_answerer->button = button;
    g_answerer->answered = 0;
    if (!g_answerer->timer) {
        g_answerer->timer = new QTimer;
        g_answerer->timer->setInterval(0);
        QObject::connect(g_answerer->timer, &QTimer::timeout, [] {
            QWidget* window = QApplication::activeModalWidget();
            if (window && window->isVisible() && clickButton(window, g_answerer->button))
                ++g_answerer->answered;
        });
    }
    g_answerer->timer->start();
}

int stopAnswering()
{
    if (!g_answerer)
        return 0;
    const int answered = g_answerer->answered;
    delete g_answerer->timer;
    delete g_answerer;
    g_answerer = nullptr;
    return answered;
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

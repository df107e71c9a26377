// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#include "shell/DialogWindows.h"

#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace {

class MinimiseGuard : public QObject {
public:
    explicit MinimiseGuard(QWidget* window) : QObject(window) { window->installEventFilter(this); }

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

} // namespace

void keepFromMinimising(QWidget* window)
{
    new MinimiseGuard(window);
}

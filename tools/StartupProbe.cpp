// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#include "StartupProbe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <cstdio>

namespace {

// Watches every paint of the application for the first one in the window.
class FirstPaint : public QObject {
public:
    explicit FirstPaint(QWidget* window) : QObject(window), m_window(window) {}
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !m_seen && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->window() == m_window) {
            m_seen = true;
            // Wall-clock time, so the script can subtract the time it started us.
            const auto now = std::chrono::system_clock::now().time_since_epoch();
            std::printf("first-paint-ns %lld\n",
                        static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
            QTimer::singleShot(300, qApp, [] {
                QFile status(QStringLiteral("/proc/self/status"));
                if (status.open(QIODevice::ReadOnly)) {
                    for (const QByteArray& line : status.readAll().split('\n')) {
                        if (line.startsWith("VmHWM:"))
                            std::printf("peak-rss-kb %s\n", line.mid(6).trimmed().split(' ').first().constData());
                    }
                }
                std::fflush(stdout);
                QCoreApplication::quit();
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget* m_window;
    bool m_seen = false;
};

} // namespace

void installStartupProbe(QWidget* mainWindow)
{
    if (!mainWindow)
        return;
    qApp->installEventFilter(new FirstPaint(mainWindow));
}

// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#include "app/StartupProbe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <ctime>

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
            timespec now{};
            clock_gettime(CLOCK_REALTIME, &now);
            std::printf("first-paint-ns %lld\n", static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
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
    if (!qEnvironmentVariableIsSet("VELTRANE_STARTUP_PROBE") || !mainWindow)
        return;
    qApp->installEventFilter(new FirstPaint(mainWindow));
}

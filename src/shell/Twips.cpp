// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#include "shell/Twips.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include <cmath>

namespace twips {

int toPixels(double t)
{
    return static_cast<int>(std::lround(t / kPerPixel));
}

double fromPixels(int pixels)
{
    return pixels * kPerPixel;
}

QRect toPixelRect(double left, double top, double width, double height)
{
    const int l = toPixels(left);
    const int t = toPixels(top);
    return QRect(l, t, toPixels(left + width) - l, toPixels(top + height) - t);
}

void place(QWidget* widget, double left, double top, double width, double height)
{
    widget->setGeometry(toPixelRect(left, top, width, height));
}

void move(QWidget* widget, double left, double top)
{
    widget->move(toPixels(left), toPixels(top));
}

static QSize screenSize()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().size() : QSize(1024, 768);
}

namespace {

void placeCentred(QWidget* window)
{
    const QSize frame = window->frameGeometry().size();
    move(window, centredLeft(screenWidth(), fromPixels(frame.width())),
         centredLeft(screenHeight(), fromPixels(frame.height())));
}

// Under a window manager the frame of a window is known only once it is on
// screen, so the first placement centres the bare window. This centres it
// again, frame included, as soon as the frame arrives, once.
class FrameWatcher : public QObject {
public:
    explicit FrameWatcher(QWidget* window) : QObject(window), m_window(window)
    {
        setObjectName(QStringLiteral("twipsFrameWatcher"));
        window->installEventFilter(this);
        // The window manager tells the frame in its own time; look again for
        // a while as well as at the window's own events.
        auto* timer = new QTimer(this);
        timer->setInterval(50);
        connect(timer, &QTimer::timeout, this, [this] {
            if (++m_ticks > 40)
                finish();
            else
                check();
        });
        timer->start();
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Hide)
            finish();
        else if (event->type() == QEvent::Move || event->type() == QEvent::Resize || event->type() == QEvent::Paint ||
                 event->type() == QEvent::WindowActivate)
            check();
        return false;
    }

private:
    void check()
    {
        if (m_done || !m_window->isVisible() || m_window->frameGeometry().size() == m_window->size())
            return;
        placeCentred(m_window);
        finish();
    }
    void finish()
    {
        if (m_done)
            return;
        m_done = true;
        deleteLater();
    }

    QWidget* m_window;
    int m_ticks = 0;
    bool m_done = false;
};

} // namespace

void centreOnScreen(QWidget* window)
{
    placeCentred(window);
    if (window->frameGeometry().size() == window->size() &&
        !window->findChild<QObject*>(QStringLiteral("twipsFrameWatcher"), Qt::FindDirectChildrenOnly))
        new FrameWatcher(window);
}

double screenWidth()
{
    return fromPixels(screenSize().width());
}
double screenHeight()
{
    return fromPixels(screenSize().height());
}

} // namespace twips

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

// The window's outer size: the frame where the window manager has told it.
// A frame smaller than the window itself is no frame (Qt reports one of
// 1 x 1 for a moment while a window is activated): the window's own size
// stands in for it then.
QSize outerSize(const QWidget* window)
{
    const QSize frame = window->frameGeometry().size();
    const QSize own = window->size();
    return frame.width() >= own.width() && frame.height() >= own.height() ? frame : own;
}

void placeCentred(QWidget* window, const QSize& outer)
{
    move(window, centredLeft(screenWidth(), fromPixels(outer.width())),
         centredLeft(screenHeight(), fromPixels(outer.height())));
}

// A window's outer size settles while it opens: its own size (a message box
// sizes itself as it is shown), then the frame the window manager adds in
// its own time. The watcher centres the window again each time that size
// changes, for a while after the window is shown; a window the user moves
// meanwhile keeps its place as long as its size stays.
class FrameWatcher : public QObject {
public:
    explicit FrameWatcher(QWidget* window) : QObject(window), m_window(window)
    {
        setObjectName(QStringLiteral("twipsFrameWatcher"));
        window->installEventFilter(this);
        m_timer.setInterval(50);
        connect(&m_timer, &QTimer::timeout, this, [this] {
            if (++m_ticks > 40)
                m_timer.stop();
            else
                check();
        });
    }

    void restart()
    {
        m_placed = outerSize(m_window);
        placeCentred(m_window, m_placed);
        m_ticks = 0;
        m_timer.start();
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Hide)
            m_timer.stop();
        else if (m_timer.isActive() && (event->type() == QEvent::Move || event->type() == QEvent::Resize ||
                                        event->type() == QEvent::Paint || event->type() == QEvent::WindowActivate))
            check();
        return false;
    }

private:
    void check()
    {
        if (!m_window->isVisible() || outerSize(m_window) == m_placed)
            return;
        m_placed = outerSize(m_window);
        placeCentred(m_window, m_placed);
    }

    QWidget* m_window;
    QTimer m_timer;
    QSize m_placed;
    int m_ticks = 0;
};

} // namespace

void centreOnScreen(QWidget* window)
{
    QObject* found = window->findChild<QObject*>(QStringLiteral("twipsFrameWatcher"), Qt::FindDirectChildrenOnly);
    auto* watcher = found ? static_cast<FrameWatcher*>(found) : new FrameWatcher(window);
    watcher->restart();
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

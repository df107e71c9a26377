// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#include "shell/Twips.h"

#include <QGuiApplication>
#include <QScreen>
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

void centreOnScreen(QWidget* window)
{
    const QSize frame = window->frameGeometry().size();
    move(window, centredLeft(screenWidth(), fromPixels(frame.width())),
         centredLeft(screenHeight(), fromPixels(frame.height())));
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

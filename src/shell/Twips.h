// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// Layout is worked out in twips (1/1440 inch, 15 to a pixel at 96 dpi) and
// converted to pixels once, when a widget is placed.

#include <QRect>

class QWidget;

namespace twips {

constexpr double kPerPixel = 15.0;

int toPixels(double twips);
double fromPixels(int pixels);

// A rectangle given in twips, converted edge by edge so neighbouring
// controls stay flush.
QRect toPixelRect(double left, double top, double width, double height);

void place(QWidget* widget, double left, double top, double width, double height);
void move(QWidget* widget, double left, double top);

// Left edge that centres an item of the given width across a container
// width; halves are kept, a too-wide item gets a negative left.
constexpr double centredLeft(double containerWidth, double itemWidth)
{
    return (containerWidth - itemWidth) / 2.0;
}

// Left edge that puts an item at the right edge with a margin.
constexpr double rightAlignedLeft(double containerWidth, double itemWidth, double margin)
{
    return containerWidth - (itemWidth + margin);
}

// Centres a top-level window, frame included, on the screen; where the
// frame is not known yet, again once it is.
void centreOnScreen(QWidget* window);

// The whole primary screen, in twips.
double screenWidth();
double screenHeight();

} // namespace twips

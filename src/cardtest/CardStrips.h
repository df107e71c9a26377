// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The lavender strips across the top and bottom of both card test windows:
// the forum banner above, the two advertising links side by side below.

#include "shell/LinkBars.h"

#include <QColor>

class QWidget;

// What both card test windows share: the light orange of their panels and
// the left edge of the panels and strips (twips).
const QColor kCardPanelColor(255, 192, 128);
constexpr double kCardPanelLeft = 120;

// Where a window puts its strips, in twips: both span `width` from the
// panels' left edge; the banner is `bannerHeight` high at the top, the
// bottom strip `bottomHeight` high from `bottomTop`. The two links stand
// `linkWidth` by `linkHeight` at `linkTop` in the bottom strip, 120 twips
// from its left edge and apart.
struct CardStripPlaces {
    double width;
    double bannerHeight;
    double bottomTop;
    double bottomHeight;
    double linkTop;
    double linkWidth;
    double linkHeight;
};

struct CardStrips {
    LinkBar top;    // Frame2 with Label61
    LinkBar bottom; // Frame5 with lblFullBrand and lblCobrand
};

CardStrips makeCardStrips(QWidget* window, const CardStripPlaces& places);

// Builds the strips into the window's Frame2, Label61, Frame5,
// lblFullBrand and lblCobrand.
template <typename Window>
void buildCardStrips(Window* window, const CardStripPlaces& places)
{
    const CardStrips strips = makeCardStrips(window, places);
    window->Frame2 = strips.top.bar;
    window->Label61 = strips.top.Label61;
    window->Frame5 = strips.bottom.bar;
    window->lblFullBrand = strips.bottom.lblFullBrand;
    window->lblCobrand = strips.bottom.lblCobrand;
}

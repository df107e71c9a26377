// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The lavender strips across the top and bottom of both card test windows:
// the forum banner above, the two advertising links below.

#include <QColor>

#include <tuple>

class ClickLabel;
class Panel;
class QWidget;

// What both card test windows share: the light orange of their panels and
// the left edge of the panels and strips (twips).
const QColor kCardPanelColor(255, 192, 128);
constexpr double kCardPanelLeft = 120;

struct CardStrips {
    Panel* Frame2;
    ClickLabel* Label61;
    Panel* Frame5;
    ClickLabel* lblFullBrand;
    ClickLabel* lblCobrand;

    // For binding a window's members in one statement, with std::tie.
    std::tuple<Panel*, ClickLabel*, Panel*, ClickLabel*, ClickLabel*> parts() const
    {
        return {Frame2, Label61, Frame5, lblFullBrand, lblCobrand};
    }
};

// Both strips span `width` twips from `left`; the banner is `bannerHeight`
// high at the top, the bottom strip `bottomHeight` high from `bottomTop`.
// The links are placed with placeCardLinks.
CardStrips buildCardStrips(QWidget* window, double left, double width, double bannerHeight, double bottomTop,
                           double bottomHeight);

// The two links side by side in the bottom strip, each `width` wide and
// `height` high at `top`, 120 twips from the strip's left edge and apart.
void placeCardLinks(const CardStrips& strips, double top, double width, double height);

// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The bars that carry a test window's brand links: the forum banner
// (Label61) across the top, and the fully-branded and co-brand links
// (lblFullBrand, lblCobrand) in a bar lower down. Places are in twips, a
// bar's in its window, a link's in its bar.

#include "shell/Panel.h"

#include <QColor>
#include <QRectF>

#include <vector>

class ClickLabel;
class QWidget;

enum class BrandLink { Forum, FullBrand, Cobrand };

struct LinkSpot {
    BrandLink link;
    QRectF place;
    QColor color = Qt::black;
    double points = 8.25;
    Qt::Alignment alignment = Qt::AlignCenter;
};

struct LinkBarLook {
    const char* name;
    QColor color;
    QRectF place;
    // Made in this order, which is the order screen readers list them in.
    std::vector<LinkSpot> links;
};

struct LinkBar {
    Panel* bar = nullptr;
    ClickLabel* Label61 = nullptr;
    ClickLabel* lblFullBrand = nullptr;
    ClickLabel* lblCobrand = nullptr;
};

// The bar, filled with its colour, and its links bound to their pages. The
// bar is a surface of its own: the pointer moving over it is not the
// pointer moving over the bare window.
LinkBar buildLinkBar(QWidget* window, const LinkBarLook& look);

// The usual top bar: the forum banner, centred in `text`, fills the bar but
// for 120 twips at the sides and 60 above and below.
LinkBarLook bannerBar(const char* name, const QColor& color, const QRectF& place, const QColor& text = Qt::black);

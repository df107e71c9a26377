// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#include "cardtest/CardStrips.h"

namespace {
const QColor kStrip(192, 192, 255); // the same lavender as the main window's bars
}

CardStrips makeCardStrips(QWidget* window, const CardStripPlaces& at)
{
    auto link = [&at](BrandLink which, double left) {
        return LinkSpot{which, QRectF(left, at.linkTop, at.linkWidth, at.linkHeight), Qt::black, 6.75,
                        Qt::AlignLeft | Qt::AlignVCenter};
    };
    return {
        buildLinkBar(window, bannerBar("Frame2", kStrip, QRectF(kCardPanelLeft, 60, at.width, at.bannerHeight))),
        buildLinkBar(window, {"Frame5",
                              kStrip,
                              QRectF(kCardPanelLeft, at.bottomTop, at.width, at.bottomHeight),
                              {link(BrandLink::FullBrand, 120), link(BrandLink::Cobrand, 120 + at.linkWidth + 120)}})};
}

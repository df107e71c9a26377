// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#include "cardtest/CardStrips.h"

#include "shell/ClickLabel.h"
#include "shell/Look.h"
#include "shell/Panel.h"
#include "shell/StandardMenus.h"
#include "shell/Twips.h"

namespace {
const QColor kStrip(192, 192, 255); // the same lavender as the main window's bars
}

CardStrips buildCardStrips(QWidget* window, double left, double width, double bannerHeight, double bottomTop,
                           double bottomHeight)
{
    CardStrips s{};
    s.Frame2 = new Panel(window, "Frame2");
    look::setBackground(s.Frame2, kStrip);
    twips::place(s.Frame2, left, 60, width, bannerHeight);

    s.Label61 = makeLabel61(s.Frame2);
    s.Label61->setFont(look::verdana(8.25));
    s.Label61->setAlignment(Qt::AlignCenter);
    look::setTextColor(s.Label61, Qt::black);
    twips::place(s.Label61, 120, 60, width - 240, bannerHeight - 120);

    s.Frame5 = new Panel(window, "Frame5");
    look::setBackground(s.Frame5, kStrip);
    twips::place(s.Frame5, left, bottomTop, width, bottomHeight);

    s.lblFullBrand = makeFullBrandLabel(s.Frame5);
    s.lblCobrand = makeCobrandLabel(s.Frame5);
    for (ClickLabel* link : {s.lblFullBrand, s.lblCobrand}) {
        link->setFont(look::verdana(6.75));
        link->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        look::setTextColor(link, Qt::black);
    }
    return s;
}

void placeCardLinks(const CardStrips& strips, double top, double width, double height)
{
    twips::place(strips.lblFullBrand, 120, top, width, height);
    twips::place(strips.lblCobrand, 120 + width + 120, top, width, height);
}

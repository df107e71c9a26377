// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#include "shell/LinkBars.h"

#include "shell/ClickLabel.h"
#include "shell/Look.h"
#include "shell/Panel.h"
#include "shell/StandardMenus.h"
#include "shell/Twips.h"

LinkBar buildLinkBar(QWidget* window, const LinkBarLook& look)
{
    LinkBar made;
    made.bar = new Panel(window, look.name);
    look::setBackground(made.bar, look.color);
    twips::place(made.bar, look.place.left(), look.place.top(), look.place.width(), look.place.height());
    for (const LinkSpot& spot : look.links) {
        ClickLabel* link = nullptr;
        switch (spot.link) {
        case BrandLink::Forum:
            link = made.Label61 = makeForumLink(made.bar, "Label61");
            break;
        case BrandLink::FullBrand:
            link = made.lblFullBrand = makeFullBrandLink(made.bar, "lblFullBrand");
            break;
        case BrandLink::Cobrand:
            link = made.lblCobrand = makeCobrandLink(made.bar, "lblCobrand");
            break;
        }
        link->setFont(look::verdana(spot.points));
        link->setAlignment(spot.alignment);
        look::setTextColor(link, spot.color);
        twips::place(link, spot.place.left(), spot.place.top(), spot.place.width(), spot.place.height());
    }
    return made;
}

LinkBarLook bannerBar(const char* name, const QColor& color, const QRectF& place, const QColor& text)
{
    return {name, color, place, {{BrandLink::Forum, QRectF(120, 60, place.width() - 240, place.height() - 120), text}}};
}

// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#include "colortest/ColorTestLook.h"

#include "shell/Look.h"
#include "shell/Twips.h"
#include "shell/Widgets.h"

#include <QFrame>
#include <QLabel>

namespace colorlook {

QFrame* navyPanel(QWidget* parent, const QString& name)
{
    QFrame* panel = makePanel(parent, name, kNavy);
    // The frame is drawn in WindowText; the panel's own labels set theirs.
    QPalette p = panel->palette();
    p.setColor(QPalette::WindowText, QColor(70, 70, 150));
    panel->setPalette(p);
    panel->setFrameShape(QFrame::Box);
    panel->setLineWidth(1);
    return panel;
}

QLabel* textLabel(QWidget* parent, const QString& name, const QString& text, double points, const QColor& color,
                  Qt::Alignment alignment)
{
    QLabel* label = makeLabel(parent, name, text, look::verdana(points), color);
    label->setWordWrap(true);
    label->setAlignment(alignment);
    return label;
}

QFont buttonFont()
{
    return look::verdana(8.25);
}

std::pair<LinkBar, LinkBar> makeLinkStrips(QWidget* window, double width, double height, double linksTop)
{
    constexpr double kLinkHeight = 540;
    auto link = [width](BrandLink which, double top) {
        return LinkSpot{which, QRectF(240, top, width - 480, kLinkHeight), kLinkBlue};
    };
    return {
        buildLinkBar(window, bannerBar("picBanner", Qt::white, QRectF(0, 0, width, 480), kLinkBlue)),
        buildLinkBar(window, {"picLinks",
                              Qt::white,
                              QRectF(0, linksTop, width, height - linksTop),
                              {link(BrandLink::FullBrand, 120), link(BrandLink::Cobrand, 120 + kLinkHeight + 60)}})};
}

} // namespace colorlook

// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#include "colortest/ColorTestLook.h"

#include "shell/ClickLabel.h"
#include "shell/Look.h"
#include "shell/StandardMenus.h"
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

void styleLink(ClickLabel* link, double points)
{
    link->setFont(look::verdana(points));
    look::setTextColor(link, kLinkBlue);
    link->setAlignment(Qt::AlignCenter);
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

LinkStrips buildLinkStrips(QWidget* window, double width, double height, double linksTop)
{
    constexpr double kBannerHeight = 480;
    constexpr double kLinkHeight = 540;
    LinkStrips s{};
    s.picBanner = makePanel(window, "picBanner", Qt::white);
    twips::place(s.picBanner, 0, 0, width, kBannerHeight);
    s.Label61 = makeLabel61(s.picBanner);
    styleLink(s.Label61, 8.25);
    twips::place(s.Label61, 120, 60, width - 240, kBannerHeight - 120);

    s.picLinks = makePanel(window, "picLinks", Qt::white);
    twips::place(s.picLinks, 0, linksTop, width, height - linksTop);
    s.lblFullBrand = makeFullBrandLabel(s.picLinks);
    styleLink(s.lblFullBrand, 8.25);
    twips::place(s.lblFullBrand, 240, 120, width - 480, kLinkHeight);
    s.lblCobrand = makeCobrandLabel(s.picLinks);
    styleLink(s.lblCobrand, 8.25);
    twips::place(s.lblCobrand, 240, 120 + kLinkHeight + 60, width - 480, kLinkHeight);
    return s;
}

} // namespace colorlook

// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// Pieces both color test windows are made of: the navy panels, the white
// strips holding the advertising links, and the light grey buttons.

#include "shell/LinkBars.h"

#include <QColor>
#include <QFont>
#include <QString>

#include <utility>

class QFrame;
class QLabel;
class QWidget;

namespace colorlook {

const QColor kNavy(0, 0, 64);
const QColor kYellow(255, 255, 0);
const QColor kLinkBlue(0, 0, 160);

// A navy panel with a thin lighter edge, so it stands out on the navy window.
QFrame* navyPanel(QWidget* parent, const QString& name);

// The white banner strip across the top (the forum link) and the strip
// across the bottom from linksTop down (the two advertising links), for a
// window of the given client size in twips.
std::pair<LinkBar, LinkBar> makeLinkStrips(QWidget* window, double width, double height, double linksTop);

// The same, built into the window's picBanner, Label61, picLinks,
// lblFullBrand and lblCobrand.
template <typename Window>
void buildLinkStrips(Window* window, double width, double height, double linksTop)
{
    const auto [banner, links] = makeLinkStrips(window, width, height, linksTop);
    window->picBanner = banner.bar;
    window->Label61 = banner.Label61;
    window->picLinks = links.bar;
    window->lblFullBrand = links.lblFullBrand;
    window->lblCobrand = links.lblCobrand;
}

// A word-wrapped static label in bold Verdana.
QLabel* textLabel(QWidget* parent, const QString& name, const QString& text, double points, const QColor& color,
                  Qt::Alignment alignment);

// The light grey of the windows' captioned buttons, and their type.
const QColor kButtonFace(224, 224, 224);
QFont buttonFont();

} // namespace colorlook

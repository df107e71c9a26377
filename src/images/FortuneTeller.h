// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#pragma once

#include <QPixmap>
#include <QRectF>

class QPainter;

// The fortune teller shown beside the card test: a seated figure at a draped
// table with cards, framed by a crystal ball. Black, white and greys only.
// Designed at 100 x 134; scales to any target.
void paintFortuneTeller(QPainter& painter, const QRectF& target);

// The 100 x 134 picture, rendered once per device pixel ratio.
QPixmap fortuneTellerPicture(qreal devicePixelRatio = 1.0);

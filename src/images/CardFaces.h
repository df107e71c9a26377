// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#pragma once

#include "images/Cards.h"
#include "images/PictureStore.h"

#include <QPainterPath>
#include <QRectF>
#include <QSize>

class QPainter;

// Photo: shaded, rounded, with a slight shadow, like a photographed card.
// Flat: a clean flat drawing.
enum class CardStyle { Photo, Flat };

// The size each style is designed for, in logical pixels.
QSize cardSize(CardStyle style);

// Draws one face, scaled to fill target. Everything is vector drawing, so any
// target size or device pixel ratio stays sharp.
void paintCardFace(QPainter& painter, const QRectF& target, Card card, CardStyle style);

// The suit symbol as an outline filling box (its own proportions kept inside).
QPainterPath suitPath(Suit suit, const QRectF& box);

// The two picture decks: 52 faces each, numbered as cardOfIMGCards() and
// cardOfIMGTencard() describe.
PictureStore makeIMGCards();   // Photo style, 75 x 116
PictureStore makeIMGTencard(); // Flat style, 71 x 96

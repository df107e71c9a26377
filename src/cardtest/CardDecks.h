// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The card test's two picture decks and the fortune-teller drawing, made once
// and shared by every window that shows them. Faces are drawn on first use.

class PictureStore;
class QLabel;

// The photographed deck of the colour-card game, numbered 1..52.
const PictureStore& IMGCards();
// The flat deck of the right-card game, numbered 1..52.
const PictureStore& IMGTencard();

// Puts face number n of a deck into a picture box and names the box after
// the card, for screen readers.
void showIMGCardsFace(QLabel* box, int n);
void showIMGTencardFace(QLabel* box, int n);

// The start picture of both result boxes.
void showFortuneTeller(QLabel* box);

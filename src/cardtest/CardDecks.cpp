// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#include "cardtest/CardDecks.h"

#include "images/CardFaces.h"
#include "images/Cards.h"
#include "images/FortuneTeller.h"
#include "images/PictureStore.h"

#include <QLabel>

namespace {

void showFace(QLabel* box, const PictureStore& deck, int n, Card card)
{
    box->setPixmap(deck.picture(n, box->devicePixelRatioF()));
    box->setAccessibleName(cardName(card));
}

} // namespace

const PictureStore& IMGCards()
{
    static const PictureStore deck = makeIMGCards();
    return deck;
}

const PictureStore& IMGTencard()
{
    static const PictureStore deck = makeIMGTencard();
    return deck;
}

void showIMGCardsFace(QLabel* box, int n)
{
    showFace(box, IMGCards(), n, cardOfIMGCards(n));
}

void showIMGTencardFace(QLabel* box, int n)
{
    showFace(box, IMGTencard(), n, cardOfIMGTencard(n));
}

void showFortuneTeller(QLabel* box)
{
    box->setPixmap(fortuneTellerPicture(box->devicePixelRatioF()));
    box->setAccessibleName(QStringLiteral("Fortune teller"));
}

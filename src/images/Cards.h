// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>

// Playing cards as plain values. Nothing here draws; the two picture decks
// number their 52 faces differently, so each has its own mapping.

enum class Suit { Clubs, Diamonds, Hearts, Spades };

enum class Rank { Ace = 1, Two, Three, Four, Five, Six, Seven, Eight, Nine, Ten, Jack, Queen, King };

struct Card {
    Rank rank;
    Suit suit;
};

bool operator==(Card a, Card b);
bool operator!=(Card a, Card b);

constexpr int CardsInDeck = 52;

// Deck IMGCards: 1..13 clubs, 14..26 spades, 27..39 diamonds, 40..52 hearts;
// each suit ace, 2..10, jack, queen, king.
// Deck IMGTencard: 1..13 clubs, 14..26 diamonds, 27..39 hearts, 40..52 spades;
// each suit ace, 2..10, king, queen, jack.
// Numbers outside 1..52 are wrapped into that range, so the result is always a
// real card; callers that can receive arbitrary numbers should check first.
Card cardOfIMGCards(int n);
Card cardOfIMGTencard(int n);

// "Three of Spades": used as the accessible name of a card picture.
QString cardName(Card card);
QString rankName(Rank rank);
QString suitName(Suit suit);
// Short index printed in the card corners: "A", "2".."10", "J", "Q", "K".
QString rankSymbol(Rank rank);

bool isBlack(Card card);
bool isRed(Card card);

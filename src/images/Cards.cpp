// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#include "images/Cards.h"

#include <array>

namespace {

// 1-based deck number -> 0-based position inside the deck.
int positionInDeck(int n)
{
    const int p = (n - 1) % CardsInDeck;
    return p < 0 ? p + CardsInDeck : p;
}

} // namespace

bool operator==(Card a, Card b)
{
    return a.rank == b.rank && a.suit == b.suit;
}

bool operator!=(Card a, Card b)
{
    return !(a == b);
}

Card cardOfIMGCards(int n)
{
    static constexpr std::array<Suit, 4> suits{Suit::Clubs, Suit::Spades, Suit::Diamonds, Suit::Hearts};
    const int p = positionInDeck(n);
    return Card{static_cast<Rank>(p % 13 + 1), suits[static_cast<size_t>(p / 13)]};
}

Card cardOfIMGTencard(int n)
{
    static constexpr std::array<Suit, 4> suits{Suit::Clubs, Suit::Diamonds, Suit::Hearts, Suit::Spades};
    const int p = positionInDeck(n);
    int rank = p % 13 + 1;
    // This deck puts the court cards as king, queen, jack.
    if (rank > 10)
        rank = 24 - rank; // 11 -> 13 (king), 12 -> 12, 13 -> 11 (jack)
    return Card{static_cast<Rank>(rank), suits[static_cast<size_t>(p / 13)]};
}

QString rankName(Rank rank)
{
    static const std::array<const char*, 13> names{"Ace",   "Two",  "Three", "Four", "Five",  "Six", "Seven",
                                                   "Eight", "Nine", "Ten",   "Jack", "Queen", "King"};
    return QString::fromLatin1(names[static_cast<size_t>(static_cast<int>(rank) - 1)]);
}

QString suitName(Suit suit)
{
    switch (suit) {
    case Suit::Clubs:
        return QStringLiteral("Clubs");
    case Suit::Diamonds:
        return QStringLiteral("Diamonds");
    case Suit::Hearts:
        return QStringLiteral("Hearts");
    case Suit::Spades:
        return QStringLiteral("Spades");
    }
    return QString();
}

QString cardName(Card card)
{
    return QStringLiteral("%1 of %2").arg(rankName(card.rank), suitName(card.suit));
}

QString rankSymbol(Rank rank)
{
    switch (rank) {
    case Rank::Ace:
        return QStringLiteral("A");
    case Rank::Jack:
        return QStringLiteral("J");
    case Rank::Queen:
        return QStringLiteral("Q");
    case Rank::King:
        return QStringLiteral("K");
    default:
        return QString::number(static_cast<int>(rank));
    }
}

bool isBlack(Card card)
{
    return card.suit == Suit::Clubs || card.suit == Suit::Spades;
}

bool isRed(Card card)
{
    return !isBlack(card);
}

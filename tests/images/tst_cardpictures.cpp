// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#include "images/CardFaces.h"
#include "images/Cards.h"
#include "images/FortuneTeller.h"
#include "images/PictureStore.h"

#include <QPainter>
#include <QSet>
#include <QtTest>

Q_DECLARE_METATYPE(Rank)
Q_DECLARE_METATYPE(Suit)

namespace {

enum Deck { IMGCards, IMGTencard };

Card cardOf(Deck deck, int n)
{
    return deck == IMGCards ? cardOfIMGCards(n) : cardOfIMGTencard(n);
}

int redPixels(const QImage& image)
{
    int count = 0;
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y)
        for (int x = 0; x < argb.width(); ++x) {
            const QColor c = argb.pixelColor(x, y);
            if (c.alpha() > 200 && c.red() > 150 && c.green() < 90 && c.blue() < 90)
                ++count;
        }
    return count;
}

// Separate red shapes (4-connected), e.g. pips and corner glyphs.
int redShapes(const QImage& image)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    const int w = argb.width(), h = argb.height();
    QVector<bool> red(w * h), seen(w * h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const QColor c = argb.pixelColor(x, y);
            red[y * w + x] = c.red() > 150 && c.green() < 90 && c.blue() < 90;
        }
    int shapes = 0;
    QVector<int> stack;
    for (int start = 0; start < w * h; ++start) {
        if (!red[start] || seen[start])
            continue;
        ++shapes;
        stack = {start};
        seen[start] = true;
        while (!stack.isEmpty()) {
            const int p = stack.takeLast();
            const int x = p % w, y = p / w;
            for (const int q : {x > 0 ? p - 1 : -1, x < w - 1 ? p + 1 : -1, y > 0 ? p - w : -1, y < h - 1 ? p + w : -1})
                if (q >= 0 && red[q] && !seen[q]) {
                    seen[q] = true;
                    stack << q;
                }
        }
    }
    return shapes;
}

} // namespace

class TestCardPictures : public QObject {
    Q_OBJECT

private slots:
    void deckNumbering_data();
    void deckNumbering();
    void decksHoldEveryCardOnce();
    void names();
    void storeRendersLazilyAndCaches();
    void storeFallsBackOutsideRange();
    void facesRender();
    void pipCounts();
    void drawingStaysInsideTarget();
    void fortuneTellerIsMonochrome();
};

void TestCardPictures::deckNumbering_data()
{
    QTest::addColumn<int>("deck");
    QTest::addColumn<int>("number");
    QTest::addColumn<Rank>("rank");
    QTest::addColumn<Suit>("suit");

    const struct {
        Deck deck;
        int n;
        Rank rank;
        Suit suit;
    } rows[] = {
        {IMGCards, 1, Rank::Ace, Suit::Clubs},       {IMGCards, 11, Rank::Jack, Suit::Clubs},
        {IMGCards, 13, Rank::King, Suit::Clubs},     {IMGCards, 14, Rank::Ace, Suit::Spades},
        {IMGCards, 26, Rank::King, Suit::Spades},    {IMGCards, 27, Rank::Ace, Suit::Diamonds},
        {IMGCards, 39, Rank::King, Suit::Diamonds},  {IMGCards, 40, Rank::Ace, Suit::Hearts},
        {IMGCards, 52, Rank::King, Suit::Hearts},    {IMGTencard, 1, Rank::Ace, Suit::Clubs},
        {IMGTencard, 10, Rank::Ten, Suit::Clubs},    {IMGTencard, 11, Rank::King, Suit::Clubs},
        {IMGTencard, 12, Rank::Queen, Suit::Clubs},  {IMGTencard, 13, Rank::Jack, Suit::Clubs},
        {IMGTencard, 14, Rank::Ace, Suit::Diamonds}, {IMGTencard, 26, Rank::Jack, Suit::Diamonds},
        {IMGTencard, 27, Rank::Ace, Suit::Hearts},   {IMGTencard, 39, Rank::Jack, Suit::Hearts},
        {IMGTencard, 40, Rank::Ace, Suit::Spades},   {IMGTencard, 42, Rank::Three, Suit::Spades},
        {IMGTencard, 49, Rank::Ten, Suit::Spades},   {IMGTencard, 50, Rank::King, Suit::Spades},
        {IMGTencard, 52, Rank::Jack, Suit::Spades},
    };
    for (const auto& r : rows)
        QTest::addRow("%s %d", r.deck == IMGCards ? "IMGCards" : "IMGTencard", r.n)
            << int(r.deck) << r.n << r.rank << r.suit;
}

void TestCardPictures::deckNumbering()
{
    QFETCH(int, deck);
    QFETCH(int, number);
    QFETCH(Rank, rank);
    QFETCH(Suit, suit);
    const Card card = cardOf(Deck(deck), number);
    QCOMPARE(card.rank, rank);
    QCOMPARE(card.suit, suit);
}

void TestCardPictures::decksHoldEveryCardOnce()
{
    for (Deck deck : {IMGCards, IMGTencard}) {
        QSet<int> seen;
        for (int n = 1; n <= CardsInDeck; ++n) {
            const Card card = cardOf(deck, n);
            seen.insert(int(card.suit) * 100 + int(card.rank));
            const bool blackExpected = deck == IMGCards ? n <= 26 : (n <= 13 || n >= 40);
            QVERIFY2(isBlack(card) == blackExpected, qPrintable(cardName(card)));
            QCOMPARE(isRed(card), !blackExpected);
        }
        QCOMPARE(seen.size(), CardsInDeck);
    }
}

void TestCardPictures::names()
{
    QCOMPARE(cardName(cardOfIMGTencard(42)), QStringLiteral("Three of Spades"));
    QCOMPARE(cardName(cardOfIMGCards(40)), QStringLiteral("Ace of Hearts"));
    QCOMPARE(cardName(cardOfIMGTencard(11)), QStringLiteral("King of Clubs"));
    QCOMPARE(cardName(Card{Rank::Ten, Suit::Diamonds}), QStringLiteral("Ten of Diamonds"));
    QCOMPARE(cardName(Card{Rank::Queen, Suit::Hearts}), QStringLiteral("Queen of Hearts"));
    QCOMPARE(rankSymbol(Rank::Ten), QStringLiteral("10"));
    QCOMPARE(rankSymbol(Rank::Jack), QStringLiteral("J"));
    // Numbers outside the deck wrap rather than read out of range.
    QCOMPARE(cardOfIMGCards(0), cardOfIMGCards(52));
    QCOMPARE(cardOfIMGTencard(53), cardOfIMGTencard(1));
}

void TestCardPictures::storeRendersLazilyAndCaches()
{
    int renders = 0;
    QList<int> numbers;
    const PictureStore store(3, QSize(20, 30), [&](QPainter& painter, int number, const QRectF& target) {
        ++renders;
        numbers << number;
        QCOMPARE(target, QRectF(0, 0, 20, 30)); // logical, whatever the ratio
        painter.fillRect(target, Qt::blue);
    });
    QCOMPARE(renders, 0);
    QCOMPARE(store.count(), 3);
    QCOMPARE(store.size(), QSize(20, 30));

    const QPixmap first = store.picture(2);
    QCOMPARE(renders, 1);
    QCOMPARE(first.size(), QSize(20, 30));
    QCOMPARE(first.devicePixelRatio(), 1.0);
    QCOMPARE(store.picture(2).cacheKey(), first.cacheKey());
    QCOMPARE(renders, 1);

    const QPixmap sharp = store.picture(2, 2.0);
    QCOMPARE(renders, 2);
    QCOMPARE(sharp.devicePixelRatio(), 2.0);
    QCOMPARE(sharp.size(), QSize(40, 60));
    QCOMPARE(sharp.toImage().pixelColor(39, 59), QColor(Qt::blue)); // the whole pixmap is drawn
    QCOMPARE(store.picture(2, 2.0).cacheKey(), sharp.cacheKey());
    QCOMPARE(store.picture(2, 1.5).size(), QSize(30, 45));
    QCOMPARE(numbers, (QList<int>{2, 2, 2}));

    // A meaningless ratio falls back to 1 rather than an empty or huge pixmap.
    QCOMPARE(store.picture(3, 0.0).size(), QSize(20, 30));
    QCOMPARE(store.picture(3, -2.0).devicePixelRatio(), 1.0);
}

void TestCardPictures::storeFallsBackOutsideRange()
{
    int renders = 0;
    const PictureStore store(52, QSize(75, 116), [&](QPainter&, int, const QRectF&) { ++renders; });
    for (int number : {0, 53, -1}) {
        const QPixmap fallback = store.picture(number, 2.0);
        QCOMPARE(fallback.size(), QSize(150, 232));
        QCOMPARE(fallback.devicePixelRatio(), 2.0);
        QVERIFY(redPixels(fallback.toImage()) > 0); // visible, not blank
    }
    QCOMPARE(renders, 0);
}

void TestCardPictures::facesRender()
{
    const PictureStore photo = makeIMGCards();
    const PictureStore flat = makeIMGTencard();
    QCOMPARE(photo.count(), 52);
    QCOMPARE(flat.count(), 52);
    QCOMPARE(photo.size(), QSize(75, 116));
    QCOMPARE(flat.size(), QSize(71, 96));
    QVERIFY(photo.picture(1).toImage() != photo.picture(2).toImage());
    QVERIFY(flat.picture(11).toImage() != flat.picture(13).toImage()); // king and jack differ

    // Red suits print red; black suits, court figures included, carry no red.
    for (Deck deck : {IMGCards, IMGTencard}) {
        const PictureStore& store = deck == IMGCards ? photo : flat;
        for (int n = 1; n <= CardsInDeck; ++n) {
            const Card card = cardOf(deck, n);
            const int red = redPixels(store.picture(n).toImage());
            QVERIFY2(isRed(card) ? red > 20 : red == 0, qPrintable(cardName(card)));
        }
    }
}

void TestCardPictures::pipCounts()
{
    // Hearts 2..10: one shape per pip, plus two corner suits and the corner
    // ranks ("10" is two glyphs in each corner).
    const PictureStore photo = makeIMGCards();
    const PictureStore flat = makeIMGTencard();
    for (int rank = 2; rank <= 10; ++rank) {
        const int expected = rank + 2 + (rank == 10 ? 4 : 2);
        QCOMPARE(redShapes(photo.picture(39 + rank, 2.0).toImage()), expected);
        QCOMPARE(redShapes(flat.picture(26 + rank, 2.0).toImage()), expected);
    }
}

void TestCardPictures::drawingStaysInsideTarget()
{
    // Pictures are drawn relative to the target, wherever and however big it is.
    const QRectF target(30, 40, 150, 201);
    auto check = [&](const std::function<void(QPainter&)>& paint) {
        QImage image(240, 300, QImage::Format_ARGB32);
        image.fill(Qt::green);
        {
            QPainter painter(&image);
            paint(painter);
        }
        const QRect inside = target.toRect();
        int changed = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const bool green = image.pixelColor(x, y) == QColor(Qt::green);
                if (!inside.adjusted(-1, -1, 1, 1).contains(x, y) && !green)
                    QFAIL(qPrintable(QStringLiteral("drawn outside the target at %1,%2").arg(x).arg(y)));
                changed += green ? 0 : 1;
            }
        QVERIFY(changed > inside.width() * inside.height() * 9 / 10);
    };
    check([&](QPainter& p) { paintCardFace(p, target, Card{Rank::King, Suit::Hearts}, CardStyle::Flat); });
    check([&](QPainter& p) { paintFortuneTeller(p, target); });
}

void TestCardPictures::fortuneTellerIsMonochrome()
{
    const QPixmap picture = fortuneTellerPicture(2.0);
    QCOMPARE(picture.size(), QSize(200, 268));
    QCOMPARE(fortuneTellerPicture(2.0).cacheKey(), picture.cacheKey());
    const QImage image = picture.toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() != c.green() || c.green() != c.blue())
                QFAIL(qPrintable(QStringLiteral("colour at %1,%2").arg(x).arg(y)));
        }
}

QTEST_MAIN(TestCardPictures)
#include "tst_cardpictures.moc"

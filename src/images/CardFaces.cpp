// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#include "images/CardFaces.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPen>
#include <QTransform>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace {

// Where things go on each style's card, in the style's own design pixels.
struct Layout {
    QSizeF size;
    QRectF body;      // card outline (Photo leaves room for its shadow)
    qreal radius;     // corner rounding
    QRectF index;     // rank in the top-left corner
    QRectF indexSuit; // small suit below the rank
    QRectF pips;      // area the pips of 2..10 fill
    QSizeF pip;
    QSizeF acePip;
    QRectF court; // frame around a court figure
};

const Layout& layoutFor(CardStyle style)
{
    static const Layout photo{QSizeF(75, 116),
                              QRectF(0.5, 0.5, 73, 114),
                              5.0,
                              QRectF(2.5, 3.5, 9.5, 11),
                              QRectF(3, 16.5, 8.5, 8.5),
                              QRectF(15, 9, 44, 97),
                              QSizeF(12.5, 13.5),
                              QSizeF(30, 33),
                              QRectF(14.5, 8.5, 45, 98)};
    static const Layout flat{QSizeF(71, 96),      QRectF(0.5, 0.5, 70, 95), 3.0,
                             QRectF(2, 3, 9, 10), QRectF(2.5, 14.5, 8, 8),  QRectF(14, 7, 43, 82),
                             QSizeF(11.5, 12.5),  QSizeF(28, 31),           QRectF(13.5, 6.5, 44, 83)};
    return style == CardStyle::Photo ? photo : flat;
}

// Court-figure colours, shared by both styles; none is red, so black cards
// stay free of red.
const QColor Gold(226, 178, 48);
const QColor GoldDark(150, 110, 20);
const QColor Blue(46, 84, 170);
const QColor Skin(248, 222, 192);
const QColor Ink(40, 30, 25);
const QColor HairBrown(112, 74, 38);
const QColor HairGold(200, 150, 62);
const QColor BeardGrey(140, 112, 86);

QColor suitColor(Suit suit, CardStyle style)
{
    const bool black = suit == Suit::Clubs || suit == Suit::Spades;
    if (style == CardStyle::Photo)
        return black ? QColor(24, 24, 28) : QColor(196, 22, 34);
    return black ? QColor(0, 0, 0) : QColor(214, 0, 0);
}

// Suit outlines in a 100 x 100 box, built once.
QPainterPath unitSuitPath(Suit suit)
{
    static const std::array<QPainterPath, 4> paths = [] {
        std::array<QPainterPath, 4> p;

        QPainterPath heart;
        heart.moveTo(50, 96);
        heart.cubicTo(40, 80, 3, 60, 3, 32);
        heart.cubicTo(3, 14, 15, 4, 28, 4);
        heart.cubicTo(40, 4, 48, 12, 50, 22);
        heart.cubicTo(52, 12, 60, 4, 72, 4);
        heart.cubicTo(85, 4, 97, 14, 97, 32);
        heart.cubicTo(97, 60, 60, 80, 50, 96);
        heart.closeSubpath();

        QPainterPath diamond;
        diamond.moveTo(50, 2);
        diamond.quadTo(66, 30, 88, 50);
        diamond.quadTo(66, 70, 50, 98);
        diamond.quadTo(34, 70, 12, 50);
        diamond.quadTo(34, 30, 50, 2);
        diamond.closeSubpath();

        QPainterPath spade;
        spade.moveTo(50, 2);
        spade.cubicTo(42, 18, 3, 36, 3, 60);
        spade.cubicTo(3, 74, 13, 82, 25, 82);
        spade.cubicTo(36, 82, 44, 77, 47.5, 69);
        spade.cubicTo(46, 82, 41, 92, 30, 98);
        spade.lineTo(70, 98);
        spade.cubicTo(59, 92, 54, 82, 52.5, 69);
        spade.cubicTo(56, 77, 64, 82, 75, 82);
        spade.cubicTo(87, 82, 97, 74, 97, 60);
        spade.cubicTo(97, 36, 58, 18, 50, 2);
        spade.closeSubpath();

        QPainterPath club;
        club.addEllipse(QPointF(50, 27), 22, 22);
        QPainterPath left;
        left.addEllipse(QPointF(25, 60), 22, 22);
        QPainterPath right;
        right.addEllipse(QPointF(75, 60), 22, 22);
        QPainterPath middle;
        middle.addPolygon(QPolygonF({QPointF(50, 30), QPointF(28, 62), QPointF(72, 62)}));
        middle.closeSubpath();
        QPainterPath stem;
        stem.moveTo(47.5, 55);
        stem.cubicTo(46, 80, 41, 92, 30, 98);
        stem.lineTo(70, 98);
        stem.cubicTo(59, 92, 54, 80, 52.5, 55);
        stem.closeSubpath();
        club = club.united(left).united(right).united(middle).united(stem);

        p[static_cast<size_t>(Suit::Clubs)] = club;
        p[static_cast<size_t>(Suit::Diamonds)] = diamond;
        p[static_cast<size_t>(Suit::Hearts)] = heart;
        p[static_cast<size_t>(Suit::Spades)] = spade;
        return p;
    }();
    return paths[static_cast<size_t>(suit)];
}

// Fills a suit symbol; upside down turns it about its own centre.
void paintPip(QPainter& painter, Suit suit, const QRectF& box, CardStyle style, bool upsideDown = false)
{
    QPainterPath path = suitPath(suit, box);
    if (upsideDown) {
        const QPointF c = box.center();
        path = QTransform().translate(c.x(), c.y()).rotate(180).translate(-c.x(), -c.y()).map(path);
    }
    const QColor color = suitColor(suit, style);
    painter.setPen(Qt::NoPen);
    if (style == CardStyle::Photo) {
        // A faint shadow and a top-lit gradient give the printed ink some depth.
        painter.setBrush(QColor(0, 0, 0, 45));
        painter.drawPath(path.translated(0.35, 0.5));
        QLinearGradient g(box.topLeft(), box.bottomRight());
        g.setColorAt(0, color.lighter(135));
        g.setColorAt(1, color.darker(115));
        painter.setBrush(g);
    } else {
        painter.setBrush(color);
    }
    painter.drawPath(path);
}

// The rank index as an outline fitted exactly to box. Fitting the glyph
// outline rather than trusting font metrics keeps the index inside its corner
// and the same size whichever font the system substitutes.
void paintIndex(QPainter& painter, const QString& text, const QRectF& box, const QColor& color)
{
    QFont font;
    font.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans"), QStringLiteral("Noto Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setBold(true);
    font.setPixelSize(100);
    if (text.size() > 1)
        font.setLetterSpacing(QFont::PercentageSpacing, 88);
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF bounds = path.boundingRect();
    if (bounds.isEmpty())
        return;
    const qreal sy = box.height() / bounds.height();
    const qreal sx = std::min(sy, box.width() / bounds.width()); // squeeze "10" rather than shrink it
    const qreal width = bounds.width() * sx;
    QTransform t;
    t.translate(box.left() + (box.width() - width) / 2, box.top());
    t.scale(sx, sy);
    t.translate(-bounds.left(), -bounds.top());
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    painter.drawPath(t.map(path));
}

void paintBody(QPainter& painter, const Layout& layout, CardStyle style)
{
    const QRectF body = layout.body;
    if (style == CardStyle::Photo) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0, 0, 0, 28));
        painter.drawRoundedRect(body.translated(1.5, 1.5), layout.radius, layout.radius);
        painter.setBrush(QColor(0, 0, 0, 40));
        painter.drawRoundedRect(body.translated(0.8, 0.8), layout.radius, layout.radius);

        QLinearGradient paper(body.topLeft(), body.bottomRight());
        paper.setColorAt(0.0, QColor(255, 254, 250));
        paper.setColorAt(0.55, QColor(248, 245, 236));
        paper.setColorAt(1.0, QColor(228, 223, 210));
        painter.setBrush(paper);
        painter.setPen(QPen(QColor(150, 144, 132), 0.8));
        painter.drawRoundedRect(body, layout.radius, layout.radius);

        // Soft sheen across the upper left, as light falls on a real card.
        QLinearGradient sheen(body.topLeft(),
                              QPointF(body.left() + body.width() * 0.6, body.top() + body.height() * 0.4));
        sheen.setColorAt(0, QColor(255, 255, 255, 110));
        sheen.setColorAt(1, QColor(255, 255, 255, 0));
        painter.setPen(Qt::NoPen);
        painter.setBrush(sheen);
        painter.drawRoundedRect(body.adjusted(1, 1, -1, -1), layout.radius - 1, layout.radius - 1);
    } else {
        painter.setBrush(Qt::white);
        painter.setPen(QPen(QColor(60, 60, 60), 1.0));
        painter.drawRoundedRect(body, layout.radius, layout.radius);
    }
}

// Runs paint once upright and once turned half a circle about the card's
// centre, the way cards read the same from either end.
template <typename Paint>
void paintBothEnds(QPainter& painter, const Layout& layout, Paint paint)
{
    paint();
    const QPointF c = layout.body.center();
    painter.save();
    painter.translate(c);
    painter.rotate(180);
    painter.translate(-c);
    paint();
    painter.restore();
}

void paintCorners(QPainter& painter, const Layout& layout, Card card, CardStyle style)
{
    const QColor color = suitColor(card.suit, style);
    paintBothEnds(painter, layout, [&] {
        paintIndex(painter, rankSymbol(card.rank), layout.index, color);
        paintPip(painter, card.suit, layout.indexSuit, style);
    });
}

// Classic pip positions as fractions of the pip area: x in {0, 0.5, 1},
// y from 0 (top) to 1 (bottom).
std::vector<QPointF> pipPositions(int rank)
{
    const QPointF tl(0, 0), tr(1, 0), ml(0, 0.5), mr(1, 0.5), bl(0, 1), br(1, 1);
    const qreal third = 1.0 / 3.0;
    switch (rank) {
    case 2:
        return {{0.5, 0}, {0.5, 1}};
    case 3:
        return {{0.5, 0}, {0.5, 0.5}, {0.5, 1}};
    case 4:
        return {tl, tr, bl, br};
    case 5:
        return {tl, tr, {0.5, 0.5}, bl, br};
    case 6:
        return {tl, tr, ml, mr, bl, br};
    case 7:
        return {tl, tr, {0.5, 0.25}, ml, mr, bl, br};
    case 8:
        return {tl, tr, {0.5, 0.25}, ml, mr, {0.5, 0.75}, bl, br};
    case 9:
        return {tl, tr, {0, third}, {1, third}, {0.5, 0.5}, {0, 2 * third}, {1, 2 * third}, bl, br};
    case 10:
        return {tl, tr, {0.5, 1.0 / 6}, {0, third}, {1, third}, {0, 2 * third}, {1, 2 * third}, {0.5, 5.0 / 6}, bl, br};
    default:
        return {};
    }
}

void paintPips(QPainter& painter, const Layout& layout, Card card, CardStyle style)
{
    const int rank = static_cast<int>(card.rank);
    if (rank == 1) {
        QRectF box(QPointF(), layout.acePip);
        box.moveCenter(layout.body.center());
        paintPip(painter, card.suit, box, style);
        return;
    }
    // Pip centres span the area minus half a pip at each edge.
    const QRectF centres = layout.pips.adjusted(layout.pip.width() / 2, layout.pip.height() / 2,
                                                -layout.pip.width() / 2, -layout.pip.height() / 2);
    for (const QPointF& f : pipPositions(rank)) {
        QRectF box(QPointF(), layout.pip);
        box.moveCenter(QPointF(centres.left() + f.x() * centres.width(), centres.top() + f.y() * centres.height()));
        // Pips below the middle face the other end of the card.
        paintPip(painter, card.suit, box, style, f.y() > 0.5);
    }
}

// ---- Court figures -------------------------------------------------------
// Each figure is drawn as the upper half of a double-ended court card in a
// 100 x 100 box whose bottom edge is the card's middle line.

void fillShape(QPainter& painter, const QPainterPath& path, const QBrush& fill, qreal outline = 1.2)
{
    painter.setBrush(fill);
    painter.setPen(outline > 0 ? QPen(Ink, outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin) : QPen(Qt::NoPen));
    painter.drawPath(path);
}

QPainterPath ellipsePath(QPointF centre, qreal rx, qreal ry)
{
    QPainterPath p;
    p.addEllipse(centre, rx, ry);
    return p;
}

QPainterPath polygonPath(std::initializer_list<QPointF> points)
{
    QPainterPath p;
    p.addPolygon(QPolygonF(points));
    p.closeSubpath();
    return p;
}

// What a court figure is drawn with: its suit colour, and whether cloth is
// shaded (Photo) or flat.
struct CourtInk {
    QColor suit;
    bool shaded;

    QBrush cloth(const QColor& color, qreal top, qreal bottom) const
    {
        if (!shaded)
            return color;
        QLinearGradient g(0, top, 0, bottom);
        const bool dark = color.lightness() < 60;
        g.setColorAt(0, dark ? QColor(92, 92, 100) : color.lighter(130));
        g.setColorAt(1, dark ? color : color.darker(118));
        return g;
    }
};

void paintRobe(QPainter& painter, Rank rank, const CourtInk& ink)
{
    QPainterPath robe;
    robe.moveTo(3, 100);
    robe.cubicTo(3, 84, 12, 74, 30, 70);
    robe.lineTo(50, 67);
    robe.lineTo(70, 70);
    robe.cubicTo(88, 74, 97, 84, 97, 100);
    robe.closeSubpath();
    fillShape(painter, robe, ink.cloth(ink.suit, 66, 100));

    // Front panel below the collar.
    const QPainterPath front = polygonPath({{40, 80}, {60, 80}, {57, 100}, {43, 100}});
    // A collar across the shoulders in a second colour breaks up the robe.
    QPainterPath collar;
    collar.moveTo(16, 80);
    collar.cubicTo(24, 71, 36, 67.5, 50, 67.5);
    collar.cubicTo(64, 67.5, 76, 71, 84, 80);
    collar.cubicTo(74, 86, 62, 88, 50, 88);
    collar.cubicTo(38, 88, 26, 86, 16, 80);
    collar.closeSubpath();

    switch (rank) {
    case Rank::King: {
        fillShape(painter, front, Gold);
        // Ermine: white with small dark tails.
        fillShape(painter, collar, Qt::white);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Ink);
        for (const QPointF& p : {QPointF(26, 78), QPointF(38, 75), QPointF(50, 78), QPointF(62, 75), QPointF(74, 78),
                                 QPointF(44, 83.5), QPointF(56, 83.5)})
            painter.drawPath(polygonPath({p + QPointF(0, -2.6), p + QPointF(1.5, 1.8), p + QPointF(-1.5, 1.8)}));
        break;
    }
    case Rank::Queen: {
        fillShape(painter, front, Blue);
        fillShape(painter, collar, ink.cloth(Gold, 67, 88));
        painter.setPen(QPen(Ink, 0.6));
        painter.setBrush(Blue);
        for (const QPointF& p : {QPointF(30, 78), QPointF(50, 82), QPointF(70, 78)})
            painter.drawEllipse(p, 2.6, 2.6);
        painter.setBrush(Qt::white); // pearl necklace
        for (int i = 0; i < 5; ++i)
            painter.drawEllipse(QPointF(42 + i * 4, 70 + 0.6 * (4 - (i - 2) * (i - 2))), 1.5, 1.5);
        break;
    }
    default: {
        fillShape(painter, front, Gold);
        fillShape(painter, collar, ink.cloth(Blue, 67, 88));
        // Doublet stripes and buttons.
        painter.setPen(QPen(Gold, 2.2, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(30, 76), QPointF(34, 84));
        painter.drawLine(QPointF(70, 76), QPointF(66, 84));
        painter.setPen(QPen(Ink, 0.6));
        painter.setBrush(Ink);
        for (qreal y : {86.0, 92.0, 98.0})
            painter.drawEllipse(QPointF(50, y), 1.2, 1.2);
        break;
    }
    }
}

void paintFace(QPainter& painter)
{
    fillShape(painter, polygonPath({{44.5, 54}, {55.5, 54}, {56, 69}, {44, 69}}), Skin, 1.0);
    fillShape(painter, ellipsePath({50, 42}, 14, 16.5), Skin);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Ink);
    painter.drawEllipse(QPointF(44.5, 41), 1.8, 2.0);
    painter.drawEllipse(QPointF(55.5, 41), 1.8, 2.0);
    painter.setPen(QPen(Ink, 1.2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(50, 42.5), QPointF(48.6, 48.5));
    painter.drawLine(QPointF(48.6, 48.5), QPointF(51.2, 48.5));
    painter.drawLine(QPointF(41, 36.5), QPointF(47, 36));
    painter.drawLine(QPointF(53, 36), QPointF(59, 36.5));
}

void paintMouth(QPainter& painter)
{
    painter.setPen(QPen(QColor(150, 70, 60), 1.6, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(46.5, 52.5), QPointF(53.5, 52.5));
}

void paintHand(QPainter& painter, QPointF at)
{
    fillShape(painter, ellipsePath(at, 4.6, 4.0), Skin, 1.0);
}

void paintKing(QPainter& painter, const CourtInk& ink)
{
    // Sceptre behind the hand.
    painter.setPen(QPen(GoldDark, 3.4, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(84, 100), QPointF(89, 52));
    fillShape(painter, ellipsePath({89.5, 48}, 5, 5), ink.cloth(Gold, 43, 53), 1.0);
    paintRobe(painter, Rank::King, ink);
    paintHand(painter, {86, 84});

    fillShape(painter, ellipsePath({50, 36}, 17, 13), HairBrown, 1.0);
    paintFace(painter);
    // Full beard with a mouth showing through.
    QPainterPath beard;
    beard.moveTo(36.5, 43);
    beard.cubicTo(36, 62, 43, 73, 50, 74);
    beard.cubicTo(57, 73, 64, 62, 63.5, 43);
    beard.cubicTo(61, 51, 56, 49.5, 50, 50);
    beard.cubicTo(44, 49.5, 39, 51, 36.5, 43);
    beard.closeSubpath();
    fillShape(painter, beard, BeardGrey, 1.0);
    painter.setPen(QPen(Ink, 1.4, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(46, 55), QPointF(54, 55));

    // Crown: five points on a band.
    fillShape(painter, polygonPath({{35, 30}, {33, 8}, {42.5, 18}, {50, 4}, {57.5, 18}, {67, 8}, {65, 30}}),
              ink.cloth(Gold, 4, 30));
    fillShape(painter, polygonPath({{34, 23}, {66, 23}, {65.5, 31}, {34.5, 31}}), ink.cloth(Gold, 23, 31));
    painter.setPen(QPen(Ink, 0.6));
    painter.setBrush(Blue);
    for (const QPointF& p : {QPointF(33, 8), QPointF(50, 4), QPointF(67, 8)})
        painter.drawEllipse(p, 2.6, 2.6);
    painter.setBrush(ink.suit);
    painter.drawEllipse(QPointF(50, 27), 2.6, 2.6);
    painter.setBrush(Blue);
    painter.drawEllipse(QPointF(41, 27), 1.8, 1.8);
    painter.drawEllipse(QPointF(59, 27), 1.8, 1.8);
}

void paintQueen(QPainter& painter, const CourtInk& ink)
{
    // Flower on a stem, held up.
    painter.setPen(QPen(GoldDark, 2.0, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(85, 100), QPointF(87, 62));
    painter.setPen(QPen(Ink, 0.7));
    painter.setBrush(ink.suit);
    for (int i = 0; i < 5; ++i) {
        QTransform t;
        t.translate(87, 57).rotate(i * 72);
        painter.drawEllipse(t.map(QPointF(0, -4.2)), 3.2, 3.2);
    }
    painter.setBrush(Gold);
    painter.drawEllipse(QPointF(87, 57), 2.6, 2.6);

    // Veil falling from the coronet to the shoulders.
    QPainterPath veil;
    veil.moveTo(36, 24);
    veil.cubicTo(20, 36, 18, 62, 14, 80);
    veil.lineTo(86, 80);
    veil.cubicTo(82, 62, 80, 36, 64, 24);
    veil.closeSubpath();
    fillShape(painter, veil, ink.cloth(Blue, 24, 80));
    paintRobe(painter, Rank::Queen, ink);
    paintHand(painter, {86, 84});

    QPainterPath hair;
    hair.moveTo(36, 32);
    hair.cubicTo(27, 44, 28, 62, 32, 70);
    hair.lineTo(68, 70);
    hair.cubicTo(72, 62, 73, 44, 64, 32);
    hair.closeSubpath();
    fillShape(painter, hair.united(ellipsePath({50, 35}, 16.5, 12)), HairGold, 1.0);
    paintFace(painter);
    paintMouth(painter);

    // Coronet: a low arched band topped with pearls, unlike the king's points.
    QPainterPath coronet;
    coronet.moveTo(35, 30);
    coronet.cubicTo(38, 17, 62, 17, 65, 30);
    coronet.cubicTo(60, 26, 40, 26, 35, 30);
    coronet.closeSubpath();
    fillShape(painter, coronet, ink.cloth(Gold, 18, 30));
    painter.setPen(QPen(Ink, 0.6));
    painter.setBrush(Qt::white);
    for (int i = 0; i < 5; ++i) {
        const qreal x = 38.5 + i * 5.75;
        const qreal y = 20.5 - (2 - std::abs(i - 2)) * 1.8;
        painter.drawEllipse(QPointF(x, y), 2.3, 2.3);
    }
    painter.setBrush(Blue);
    painter.drawEllipse(QPointF(50, 23.5), 2.0, 2.0);
}

void paintJack(QPainter& painter, const CourtInk& ink)
{
    // Halberd on the left.
    const QColor steel(200, 200, 208);
    painter.setPen(QPen(HairBrown, 2.8, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(14, 100), QPointF(14, 40));
    fillShape(painter, polygonPath({{14, 28}, {17.5, 39}, {14, 43}, {10.5, 39}}), steel, 0.9);
    QPainterPath blade;
    blade.moveTo(14, 42);
    blade.cubicTo(24, 42, 28, 49, 27, 58);
    blade.cubicTo(23, 53, 18, 52, 14, 53);
    blade.closeSubpath();
    fillShape(painter, blade, steel, 0.9);
    paintRobe(painter, Rank::Jack, ink);
    paintHand(painter, {15, 84});

    // Short curls at the sides.
    fillShape(painter, ellipsePath({35.5, 44}, 5, 9.5), HairBrown, 1.0);
    fillShape(painter, ellipsePath({64.5, 44}, 5, 9.5), HairBrown, 1.0);
    paintFace(painter);
    paintMouth(painter);

    // Soft cap tipped to one side, with a brim band and a feather.
    QPainterPath feather;
    feather.moveTo(62, 24);
    feather.cubicTo(72, 8, 86, 4, 95, 7);
    feather.cubicTo(88, 13, 78, 22, 64, 29);
    feather.closeSubpath();
    fillShape(painter, feather, ink.cloth(Gold, 5, 29), 0.9);
    QPainterPath cap;
    cap.moveTo(33, 34);
    cap.cubicTo(26, 17, 45, 8, 63, 11);
    cap.cubicTo(78, 14, 80, 27, 69, 31);
    cap.closeSubpath();
    fillShape(painter, cap, ink.cloth(ink.suit, 10, 34));
    fillShape(painter, polygonPath({{32, 28}, {69, 25.5}, {69.5, 32}, {32.5, 34.5}}), Gold, 1.0);
    painter.setPen(QPen(Ink, 0.6));
    painter.setBrush(Blue);
    painter.drawEllipse(QPointF(51, 30), 2.1, 2.1);
}

void paintCourtHalf(QPainter& painter, const QRectF& half, Card card, CardStyle style)
{
    const qreal s = std::min(half.width(), half.height()) / 100.0;
    painter.save();
    painter.setClipRect(half);
    painter.translate(half.left() + (half.width() - 100 * s) / 2, half.bottom() - 100 * s);
    painter.scale(s, s);
    const CourtInk ink{suitColor(card.suit, style), style == CardStyle::Photo};
    switch (card.rank) {
    case Rank::King:
        paintKing(painter, ink);
        break;
    case Rank::Queen:
        paintQueen(painter, ink);
        break;
    default:
        paintJack(painter, ink);
        break;
    }
    painter.restore();
    // Suit beside the head, as on a printed court card.
    const qreal pipSize = half.width() * 0.2;
    paintPip(painter, card.suit, QRectF(half.left() + 2, half.top() + 2, pipSize, pipSize * 1.08), style);
}

void paintCourt(QPainter& painter, const Layout& layout, Card card, CardStyle style)
{
    const QRectF frame = layout.court;
    if (style == CardStyle::Photo) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(250, 244, 226));
        painter.drawRect(frame);
    } else {
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(228, 236, 248));
        painter.drawRect(frame);
    }

    QRectF half = frame;
    half.setBottom(frame.center().y());
    paintBothEnds(painter, layout, [&] { paintCourtHalf(painter, half, card, style); });

    painter.setBrush(Qt::NoBrush);
    if (style == CardStyle::Photo) {
        painter.setPen(QPen(GoldDark, 0.9));
        painter.drawRect(frame);
        painter.setPen(QPen(Gold, 0.6));
        painter.drawRect(frame.adjusted(1.4, 1.4, -1.4, -1.4));
        painter.setPen(QPen(GoldDark, 0.8));
    } else {
        painter.setPen(QPen(QColor(30, 30, 30), 1.0));
        painter.drawRect(frame);
    }
    painter.drawLine(QPointF(frame.left(), frame.center().y()), QPointF(frame.right(), frame.center().y()));
}

} // namespace

QSize cardSize(CardStyle style)
{
    return layoutFor(style).size.toSize();
}

QPainterPath suitPath(Suit suit, const QRectF& box)
{
    QTransform t;
    t.translate(box.left(), box.top());
    t.scale(box.width() / 100.0, box.height() / 100.0);
    return t.map(unitSuitPath(suit));
}

void paintCardFace(QPainter& painter, const QRectF& target, Card card, CardStyle style)
{
    const Layout& layout = layoutFor(style);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    // Draw in the style's design pixels, scaled onto whatever target we got.
    painter.translate(target.topLeft());
    painter.scale(target.width() / layout.size.width(), target.height() / layout.size.height());

    paintBody(painter, layout, style);
    const Rank rank = card.rank;
    if (rank == Rank::Jack || rank == Rank::Queen || rank == Rank::King)
        paintCourt(painter, layout, card, style);
    else
        paintPips(painter, layout, card, style);
    paintCorners(painter, layout, card, style);
    painter.restore();
}

PictureStore makeIMGCards()
{
    return PictureStore(CardsInDeck, cardSize(CardStyle::Photo),
                        [](QPainter& painter, int number, const QRectF& target) {
                            paintCardFace(painter, target, cardOfIMGCards(number), CardStyle::Photo);
                        });
}

PictureStore makeIMGTencard()
{
    return PictureStore(CardsInDeck, cardSize(CardStyle::Flat),
                        [](QPainter& painter, int number, const QRectF& target) {
                            paintCardFace(painter, target, cardOfIMGTencard(number), CardStyle::Flat);
                        });
}

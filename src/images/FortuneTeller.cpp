// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#include "images/FortuneTeller.h"

#include "images/CardFaces.h"
#include "images/PictureStore.h"

#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QRadialGradient>

#include <cmath>

namespace {

const QSizeF DesignSize(100, 134);
const QColor Black(0, 0, 0);
const QColor Dark(60, 60, 60);
const QColor Mid(130, 130, 130);
const QColor Light(215, 215, 215);

QPen line(qreal width = 1.2, const QColor& color = Black)
{
    return QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void paintBall(QPainter& painter)
{
    const QPointF centre(50, 56);
    const qreal r = 45;
    QRadialGradient glow(centre - QPointF(14, 16), r * 1.5);
    glow.setColorAt(0, Qt::white);
    glow.setColorAt(0.6, QColor(238, 238, 238));
    glow.setColorAt(1, QColor(190, 190, 190));
    painter.setBrush(glow);
    painter.setPen(line(2.2));
    painter.drawEllipse(centre, r, r);

    // Reflections on the glass.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(line(2.4, Qt::white));
    painter.drawArc(QRectF(centre.x() - r + 6, centre.y() - r + 6, 2 * r - 12, 2 * r - 12), 100 * 16, 60 * 16);
    painter.setPen(line(1.2, Qt::white));
    painter.drawArc(QRectF(centre.x() - r + 11, centre.y() - r + 11, 2 * r - 22, 2 * r - 22), 110 * 16, 35 * 16);

    // A few sparks inside the ball.
    painter.setPen(line(0.8, Mid));
    for (const QPointF& p : {QPointF(24, 34), QPointF(78, 30), QPointF(84, 62), QPointF(18, 66)}) {
        painter.drawLine(p - QPointF(2.2, 0), p + QPointF(2.2, 0));
        painter.drawLine(p - QPointF(0, 2.2), p + QPointF(0, 2.2));
    }
}

void paintFigure(QPainter& painter)
{
    // Headscarf falling behind the shoulders.
    QPainterPath scarfBack;
    scarfBack.moveTo(36, 40);
    scarfBack.cubicTo(30, 58, 30, 72, 26, 84);
    scarfBack.lineTo(74, 84);
    scarfBack.cubicTo(70, 72, 70, 58, 64, 40);
    scarfBack.closeSubpath();
    painter.setBrush(Dark);
    painter.setPen(line());
    painter.drawPath(scarfBack);

    // Shoulders under a shawl.
    QPainterPath shawl;
    shawl.moveTo(16, 104);
    shawl.cubicTo(16, 84, 26, 72, 42, 68);
    shawl.lineTo(58, 68);
    shawl.cubicTo(74, 72, 84, 84, 84, 104);
    shawl.closeSubpath();
    painter.setBrush(Mid);
    painter.drawPath(shawl);
    // The shawl's V and fringe.
    painter.setBrush(Light);
    QPainterPath vee;
    vee.moveTo(42, 68);
    vee.lineTo(50, 86);
    vee.lineTo(58, 68);
    vee.closeSubpath();
    painter.drawPath(vee);
    painter.setPen(line(0.8));
    for (int i = 0; i < 6; ++i) {
        painter.drawLine(QPointF(24 + i * 2.6, 84 + i * 1.2), QPointF(23 + i * 2.6, 89 + i * 1.2));
        painter.drawLine(QPointF(76 - i * 2.6, 84 + i * 1.2), QPointF(77 - i * 2.6, 89 + i * 1.2));
    }

    // Neck and face.
    painter.setPen(line());
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(46, 58, 8, 11));
    painter.drawEllipse(QPointF(50, 48), 9.5, 12);

    // Closed eyes, brows, nose, mouth: seeing beyond.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(line(1.0));
    painter.drawArc(QRectF(43, 45, 5, 3), 180 * 16, 180 * 16);
    painter.drawArc(QRectF(52, 45, 5, 3), 180 * 16, 180 * 16);
    painter.drawArc(QRectF(42.5, 41.5, 6, 3), 20 * 16, 140 * 16);
    painter.drawArc(QRectF(51.5, 41.5, 6, 3), 20 * 16, 140 * 16);
    painter.drawLine(QPointF(50, 48), QPointF(49, 52.5));
    painter.drawLine(QPointF(49, 52.5), QPointF(50.5, 52.5));
    painter.drawArc(QRectF(47, 54, 6, 2.6), 200 * 16, 140 * 16);

    // Headscarf over the head, knotted with a band and earrings below.
    QPainterPath scarf;
    scarf.moveTo(38, 48);
    scarf.cubicTo(34, 30, 44, 24, 50, 24);
    scarf.cubicTo(58, 24, 66, 30, 62, 48);
    scarf.cubicTo(60, 40, 56, 37, 50, 37);
    scarf.cubicTo(44, 37, 40, 40, 38, 48);
    scarf.closeSubpath();
    painter.setBrush(Dark);
    painter.setPen(line());
    painter.drawPath(scarf);
    painter.setPen(line(1.4, Light));
    painter.drawArc(QRectF(39.5, 33, 21, 12), 20 * 16, 140 * 16);
    painter.setPen(line());
    painter.setBrush(Light);
    painter.drawEllipse(QPointF(50, 34.5), 2.2, 2.2);
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(40.5, 56), 1.6, 1.6);
    painter.drawEllipse(QPointF(59.5, 56), 1.6, 1.6);
}

void paintTable(QPainter& painter)
{
    // Drape from the round top to the floor, with folds.
    QPainterPath drape;
    drape.moveTo(6, 100);
    drape.cubicTo(5, 112, 4, 122, 3, 130);
    for (int i = 0; i < 8; ++i) {
        const qreal x0 = 3 + i * 11.75;
        drape.quadTo(x0 + 5.9, 134, x0 + 11.75, 130);
    }
    drape.cubicTo(96, 122, 95, 112, 94, 100);
    drape.closeSubpath();
    painter.setBrush(Dark);
    painter.setPen(line());
    painter.drawPath(drape);
    painter.setPen(line(0.9, Mid));
    for (int i = 1; i < 8; ++i) {
        const qreal x = 3 + i * 11.75;
        painter.drawLine(QPointF(50 + (x - 50) * 0.92, 106), QPointF(x, 130));
    }

    // Table top.
    painter.setBrush(Light);
    painter.setPen(line());
    painter.drawEllipse(QPointF(50, 100), 44, 8);
}

void paintHandsAndCards(QPainter& painter)
{
    // Cards laid out on the cloth, in perspective.
    const QColor cardBack(90, 90, 90);
    auto card = [&](QPointF c, qreal angle, bool faceUp, Suit suit) {
        painter.save();
        painter.translate(c);
        painter.scale(1.0, 0.45);
        painter.rotate(angle);
        const QRectF r(-5, -7, 10, 14);
        painter.setPen(line(0.8));
        painter.setBrush(faceUp ? QBrush(Qt::white) : QBrush(cardBack));
        painter.drawRoundedRect(r, 1.2, 1.2);
        if (faceUp) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(Black);
            painter.drawPath(suitPath(suit, QRectF(-3.5, -4, 7, 8)));
        } else {
            painter.setPen(line(0.5, Light));
            painter.drawRect(r.adjusted(1.5, 1.5, -1.5, -1.5));
        }
        painter.restore();
    };
    card(QPointF(38, 101), -18, true, Suit::Hearts);
    card(QPointF(50, 102.5), 0, true, Suit::Spades);
    card(QPointF(62, 101), 18, false, Suit::Clubs);

    // Hands resting on the cloth either side, fingers towards the cards.
    auto hand = [&](QPointF c, qreal dir) {
        painter.setPen(line());
        painter.setBrush(Dark);
        painter.drawEllipse(c - QPointF(dir * 5.5, 0.3), 2.6, 4.0); // cuff
        QPainterPath fingers;
        for (int i = 0; i < 4; ++i) {
            const qreal reach = 9.0 - std::abs(i - 1.5) * 1.2;
            fingers.moveTo(c + QPointF(dir * 2, -2.1 + i * 1.4));
            fingers.lineTo(c + QPointF(dir * reach, -2.6 + i * 1.7));
        }
        painter.strokePath(fingers, QPen(Black, 2.9, Qt::SolidLine, Qt::RoundCap));
        painter.strokePath(fingers, QPen(Qt::white, 1.3, Qt::SolidLine, Qt::RoundCap));
        painter.setPen(line(1.0));
        painter.setBrush(Qt::white);
        painter.drawEllipse(c, 4.4, 3.4);
    };
    hand(QPointF(22, 97.5), 1);
    hand(QPointF(78, 97.5), -1);
}

} // namespace

void paintFortuneTeller(QPainter& painter, const QRectF& target)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(target.topLeft());
    painter.scale(target.width() / DesignSize.width(), target.height() / DesignSize.height());
    painter.fillRect(QRectF(QPointF(), DesignSize), Qt::white);
    paintBall(painter);
    paintFigure(painter);
    paintTable(painter);
    paintHandsAndCards(painter);
    painter.restore();
}

QPixmap fortuneTellerPicture(qreal devicePixelRatio)
{
    static const PictureStore store(1, DesignSize.toSize(), [](QPainter& painter, int, const QRectF& target) {
        paintFortuneTeller(painter, target);
    });
    return store.picture(1, devicePixelRatio);
}

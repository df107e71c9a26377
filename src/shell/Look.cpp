// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#include "shell/Look.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPainter>
#include <QPalette>
#include <QSvgRenderer>
#include <QWidget>

namespace look {

QFont verdana(double points, bool bold)
{
    QFont font(QStringLiteral("Verdana"));
    font.setFamilies({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")});
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

void setBackground(QWidget* widget, const QColor& colour)
{
    QPalette p = widget->palette();
    p.setColor(QPalette::Window, colour);
    p.setColor(QPalette::Base, colour);
    widget->setPalette(p);
    widget->setAutoFillBackground(true);
}

void setTextColour(QWidget* widget, const QColor& colour)
{
    QPalette p = widget->palette();
    p.setColor(QPalette::WindowText, colour);
    p.setColor(QPalette::Text, colour);
    p.setColor(QPalette::ButtonText, colour);
    widget->setPalette(p);
}

void setButtonFace(QAbstractButton* button, const QColor& face)
{
    QPalette p = button->palette();
    p.setColor(QPalette::Button, face);
    p.setColor(QPalette::ButtonText, Qt::black);
    button->setPalette(p);
}

void setSolidButton(QAbstractButton* button, const QColor& face)
{
    const QColor edge = face.lightness() < 60 ? QColor(110, 110, 110) : face.darker(160);
    button->setStyleSheet(
        QStringLiteral("QAbstractButton { background-color: %1; border: 2px outset %2; }"
                       "QAbstractButton:pressed { border-style: inset; }"
                       "QAbstractButton:focus { border: 2px dotted %3; }")
            .arg(face.name(), edge.name(), face.lightness() < 128 ? QStringLiteral("white") : QStringLiteral("black")));
}

static QPixmap renderSvg(const QString& path, const QSize& size, qreal dpr = 1.0)
{
    QPixmap pixmap(size * dpr);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(path);
    if (renderer.isValid()) {
        QPainter painter(&pixmap);
        renderer.render(&painter);
    }
    pixmap.setDevicePixelRatio(dpr);
    return pixmap;
}

const QCursor& handCursor()
{
    // Made once and shared by every clickable control of the program.
    static const QCursor cursor(renderSvg(QStringLiteral(":/images/icons/hand.svg"), QSize(32, 32)), 10, 1);
    return cursor;
}

QIcon appIcon()
{
    static const QIcon icon(QStringLiteral(":/images/icons/app.svg"));
    return icon;
}

QPixmap launcherIcon(const QString& name)
{
    return renderSvg(QStringLiteral(":/images/icons/%1.svg").arg(name), QSize(32, 32));
}

} // namespace look

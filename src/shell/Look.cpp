// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#include "shell/Look.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QPalette>
#include <QPointer>
#include <QProxyStyle>
#include <QPushButton>
#include <QStyleOption>
#include <QSvgRenderer>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <utility>

namespace look {

namespace {

constexpr int kRingWidth = 2;

void drawRing(QPainter* painter, const QRect& rect, const QColor& color)
{
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->setPen(Qt::NoPen);
    painter->setBrush(color);
    const QRegion outer(rect);
    painter->setClipRegion(outer.subtracted(QRegion(rect.adjusted(kRingWidth, kRingWidth, -kRingWidth, -kRingWidth))));
    painter->drawRect(rect);
    painter->restore();
}

// Buttons as the windows describe them: a face of exactly the given colour
// with a classic raised edge, where the platform style would paint a
// gradient and tint the face of a focused button. Focus shows as a ring in
// black or white, whichever stands out from what lies behind it.
class SolidFaceStyle : public QProxyStyle {
public:
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override
    {
        switch (element) {
        case PE_PanelButtonCommand:
        case PE_PanelButtonBevel:
            drawFace(option, painter);
            return;
        case PE_FrameDefaultButton:
            return;
        case PE_FrameGroupBox: {
            // Below the caption, where the platform style puts its frame.
            const int top =
                std::max(pixelMetric(PM_ExclusiveIndicatorHeight, option, widget), option->fontMetrics.height()) + 3;
            drawEtchedFrame(option->rect.adjusted(0, top, 0, 0), painter);
            return;
        }
        case PE_FrameFocusRect:
            // Option buttons: around the caption, against the panel behind.
            drawRing(painter, option->rect, ringColor(option->palette.color(QPalette::Window)));
            return;
        default:
            QProxyStyle::drawPrimitive(element, option, painter, widget);
        }
    }

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override
    {
        const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option);
        if (button && element == CE_PushButtonBevel) {
            drawFace(option, painter);
            return;
        }
        if (button && element == CE_PushButton) {
            drawFace(option, painter);
            QStyleOptionButton label(*button);
            label.rect = subElementRect(SE_PushButtonContents, button, widget);
            proxy()->drawControl(CE_PushButtonLabel, &label, painter, widget);
            if (option->state & State_HasFocus) {
                const int inset = kEdge + 1;
                drawRing(painter, option->rect.adjusted(inset, inset, -inset, -inset),
                         ringColor(option->palette.color(QPalette::Button)));
            }
            return;
        }
        QProxyStyle::drawControl(element, option, painter, widget);
    }

private:
    static constexpr int kEdge = 2;

    // A group box's frame as an etched line only: the platform style also
    // shades the inside, which would darken the panel's own colour.
    static void drawEtchedFrame(const QRect& r, QPainter* painter)
    {
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing, false);
        painter->setBrush(Qt::NoBrush);
        painter->setPen(QColor(128, 128, 128));
        painter->drawRect(r.adjusted(0, 0, -2, -2));
        painter->setPen(Qt::white);
        painter->drawRect(r.adjusted(1, 1, -1, -1));
        painter->restore();
    }

    static void drawFace(const QStyleOption* option, QPainter* painter)
    {
        const QRect r = option->rect;
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing, false);
        painter->fillRect(r, option->palette.color(QPalette::Button));
        const bool sunken = option->state & (State_Sunken | State_On);
        const bool enabled = option->state & State_Enabled;
        // Light from the top left: white and black outside, grey inside.
        QColor topLeft[] = {Qt::white, option->palette.color(QPalette::Button)};
        QColor bottomRight[] = {Qt::black, QColor(128, 128, 128)};
        if (sunken)
            std::swap(topLeft, bottomRight);
        if (!enabled) {
            // Flat: a disabled button does not stand out.
            topLeft[0] = bottomRight[0] = QColor(128, 128, 128);
            topLeft[1] = bottomRight[1] = option->palette.color(QPalette::Button);
        }
        for (int i = 0; i < kEdge; ++i) {
            const QRect e = r.adjusted(i, i, -i - 1, -i - 1);
            painter->setPen(topLeft[i]);
            painter->drawLine(e.topLeft(), e.topRight());
            painter->drawLine(e.topLeft(), e.bottomLeft());
            painter->setPen(bottomRight[i]);
            painter->drawLine(e.bottomLeft(), e.bottomRight());
            painter->drawLine(e.topRight(), e.bottomRight());
        }
        painter->restore();
    }
};

QStyle* solidFaceStyle()
{
    // One style for every button of the program; the application owns it.
    static QPointer<QStyle> style;
    if (!style) {
        style = new SolidFaceStyle;
        style->setParent(qApp);
    }
    return style;
}

double luminance(const QColor& c)
{
    auto channel = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

} // namespace

double contrastRatio(const QColor& a, const QColor& b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor ringColor(const QColor& against)
{
    return contrastRatio(Qt::black, against) >= contrastRatio(Qt::white, against) ? QColor(Qt::black)
                                                                                  : QColor(Qt::white);
}

QFont verdana(double points, bool bold)
{
    QFont font(QStringLiteral("Verdana"));
    font.setFamilies({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")});
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

void setBackground(QWidget* widget, const QColor& color)
{
    QPalette p = widget->palette();
    p.setColor(QPalette::Window, color);
    p.setColor(QPalette::Base, color);
    widget->setPalette(p);
    widget->setAutoFillBackground(true);
}

void setTextColor(QWidget* widget, const QColor& color)
{
    QPalette p = widget->palette();
    p.setColor(QPalette::WindowText, color);
    p.setColor(QPalette::Text, color);
    p.setColor(QPalette::ButtonText, color);
    widget->setPalette(p);
}

void setButtonFace(QAbstractButton* button, const QColor& face)
{
    QPalette p = button->palette();
    p.setColor(QPalette::Button, face);
    p.setColor(QPalette::ButtonText, Qt::black);
    // Greyed, and still readable on the darker faces.
    p.setColor(QPalette::Disabled, QPalette::ButtonText,
               face.lightness() > 160 ? QColor(128, 128, 128) : QColor(192, 192, 192));
    button->setPalette(p);
    button->setStyle(solidFaceStyle());
}

void setGroupBackground(QWidget* group, const QColor& color)
{
    setBackground(group, color);
    group->setStyle(solidFaceStyle());
}

void setSolidButton(QAbstractButton* button, const QColor& face)
{
    setButtonFace(button, face);
}

void setOptionLook(QAbstractButton* option)
{
    option->setStyle(solidFaceStyle());
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

QPixmap launcherIcon(const QString& resource)
{
    return renderSvg(resource, QSize(32, 32));
}

} // namespace look

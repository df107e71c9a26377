// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#include "shell/Look.h"

#include <QAbstractButton>
#include <QApplication>
#include <QImage>
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

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget) const override
    {
        const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
        if (control != CC_GroupBox || !box || (box->subControls & SC_GroupBoxCheckBox)) {
            QProxyStyle::drawComplexControl(control, option, painter, widget);
            return;
        }
        // The etched line runs through the middle of the caption and stops
        // either side of it, so that whatever the panel holds near its top
        // stays inside the frame.
        // The caption stands a little in from the frame's corner.
        QRect caption = proxy()->subControlRect(CC_GroupBox, box, SC_GroupBoxLabel, widget);
        if (caption.left() < kCaptionIndent)
            caption.translate(kCaptionIndent - caption.left(), 0);
        painter->save();
        painter->setClipRegion(QRegion(box->rect).subtracted(QRegion(caption.adjusted(-2, 0, 2, 0))));
        drawEtchedFrame(box->rect.adjusted(0, box->fontMetrics.height() / 2, 0, 0), painter);
        painter->restore();
        proxy()->drawItemText(painter, caption, Qt::AlignCenter | Qt::TextShowMnemonic, box->palette,
                              box->state & State_Enabled, box->text, QPalette::WindowText);
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
    static constexpr int kCaptionIndent = 6;

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

    // Drawn in whole device pixels: at a fractional or double scale the
    // logical lines would be smeared or leave a band of the face outside the
    // dark edge. Each edge line is as thick as one logical pixel rounds to.
    static void drawFace(const QStyleOption* option, QPainter* painter)
    {
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing, false);
        const QTransform toDevice = painter->deviceTransform();
        const QRectF d = toDevice.mapRect(QRectF(option->rect));
        const QRect r(QPoint(qRound(d.left()), qRound(d.top())), QPoint(qRound(d.right()) - 1, qRound(d.bottom()) - 1));
        const int line = std::max(1, qRound(toDevice.m11()));
        painter->setWorldTransform(toDevice.inverted() * painter->worldTransform());

        const QColor face = option->palette.color(QPalette::Button);
        painter->fillRect(r, face);
        const bool sunken = option->state & (State_Sunken | State_On);
        const bool enabled = option->state & State_Enabled;
        // Light from the top left: white and black outside, grey inside.
        QColor topLeft[] = {Qt::white, face};
        QColor bottomRight[] = {Qt::black, QColor(128, 128, 128)};
        if (sunken)
            std::swap(topLeft, bottomRight);
        if (!enabled) {
            // Flat: a disabled button does not stand out.
            topLeft[0] = bottomRight[0] = QColor(128, 128, 128);
            topLeft[1] = bottomRight[1] = face;
        }
        for (int i = 0; i < kEdge; ++i) {
            const QRect e = r.adjusted(i * line, i * line, -i * line, -i * line);
            painter->fillRect(QRect(e.left(), e.top(), e.width(), line), topLeft[i]);
            painter->fillRect(QRect(e.left(), e.top(), line, e.height()), topLeft[i]);
            painter->fillRect(QRect(e.left(), e.bottom() - line + 1, e.width(), line), bottomRight[i]);
            painter->fillRect(QRect(e.right() - line + 1, e.top(), line, e.height()), bottomRight[i]);
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

void drawPictureFocus(QPainter* painter, const QRect& rect, const QColor& ground, const QPixmap& picture,
                      const QPointF& pictureAt)
{
    drawRing(painter, rect, ringColor(ground));
    // What the inner bands cover: the picture where it lies, the ground
    // elsewhere. A band is black or white, whichever changes more of what it
    // covers by 3:1; where a picture has a frame of its own just inside its
    // edge, a second band makes up for what the first leaves unchanged.
    QImage under(rect.size(), QImage::Format_RGB32);
    under.fill(ground);
    {
        QPainter onto(&under);
        onto.drawPixmap(pictureAt - QPointF(rect.topLeft()), picture);
    }
    for (int inset = kRingWidth; inset <= 2 * kRingWidth; inset += kRingWidth) {
        const QRect band = under.rect().adjusted(inset, inset, -inset, -inset);
        const QRect inside = band.adjusted(kRingWidth, kRingWidth, -kRingWidth, -kRingWidth);
        int white = 0, black = 0, all = 0;
        for (int y = band.top(); y <= band.bottom(); ++y) {
            for (int x = band.left(); x <= band.right(); ++x) {
                if (inside.contains(x, y))
                    continue;
                const QColor covered(under.pixel(x, y));
                white += contrastRatio(Qt::white, covered) >= 3.0;
                black += contrastRatio(Qt::black, covered) >= 3.0;
                ++all;
            }
        }
        drawRing(painter, rect.adjusted(inset, inset, -inset, -inset), white > black ? Qt::white : Qt::black);
        if (4 * std::max(white, black) >= 3 * all)
            break;
    }
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
    // Drawn for the screen's pixel ratio: 32 by 32 logical pixels at any
    // scale, with the hot spot (logical) on the fingertip.
    static const QCursor cursor(
        renderSvg(QStringLiteral(":/images/icons/hand.svg"), QSize(32, 32), qApp->devicePixelRatio()), 10, 1);
    return cursor;
}

QIcon appIcon()
{
    // Rendered at the sizes title bars, task bars and docks ask for, so that
    // every scale finds a crisp one without an icon engine for the drawing.
    static const QIcon icon = [] {
        QIcon made;
        for (const int side : {16, 20, 24, 32, 40, 48, 64, 96, 128, 256})
            made.addPixmap(renderSvg(QStringLiteral(":/images/icons/app.svg"), QSize(side, side)));
        return made;
    }();
    return icon;
}

QPixmap launcherIcon(const QString& resource)
{
    return renderSvg(resource, QSize(32, 32), qApp->devicePixelRatio());
}

} // namespace look

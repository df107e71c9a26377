// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#include "symboltest/SymbolControls.h"

#include "images/PictureStore.h"
#include "shell/Look.h"
#include "shell/Twips.h"
#include "shell/Widgets.h"

#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

void SymbolPictureView::setPicture(const PictureStore* store, int number)
{
    m_store = store;
    m_number = number;
}

QPixmap SymbolPictureView::pixmap(qreal devicePixelRatio) const
{
    return m_store ? m_store->picture(m_number, devicePixelRatio) : QPixmap();
}

void SymbolPictureView::paintPicture(QWidget* widget) const
{
    if (!m_store)
        return;
    QPainter painter(widget);
    const QPixmap picture = pixmap(widget->devicePixelRatioF());
    // Centred at its own size, which is the control's size in practice.
    const QSizeF size = picture.deviceIndependentSize();
    const QPointF topLeft((widget->width() - size.width()) / 2.0, (widget->height() - size.height()) / 2.0);
    painter.drawPixmap(topLeft, picture);
}

SymbolChoice::SymbolChoice(QWidget* parent, const QString& name) : QAbstractButton(parent)
{
    setObjectName(name);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(look::handCursor());
}

void SymbolChoice::showSymbol(const PictureStore* store, int number, const QString& symbolName)
{
    setPicture(store, number);
    setAccessibleName(symbolName);
    setToolTip(symbolName);
    update();
}

QSize SymbolChoice::sizeHint() const
{
    return QSize(100, 100);
}

void SymbolChoice::paintEvent(QPaintEvent*)
{
    paintPicture(this);
    QPainter painter(this);
    if (isDown())
        painter.fillRect(rect(), QColor(0, 0, 0, 70));
    if (hasFocus() && m_showFocus) {
        const QColor ground = parentWidget() ? parentWidget()->palette().color(QPalette::Window) : QColor(Qt::white);
        const QPixmap picture = pixmap(devicePixelRatioF());
        const QSizeF size = picture.deviceIndependentSize();
        look::drawPictureFocus(&painter, rect(), ground, picture,
                               QPointF((width() - size.width()) / 2.0, (height() - size.height()) / 2.0));
    }
}

void SymbolChoice::focusInEvent(QFocusEvent* event)
{
    const Qt::FocusReason reason = event->reason();
    m_showFocus = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason || reason == Qt::ShortcutFocusReason;
    QAbstractButton::focusInEvent(event);
}

void SymbolChoice::focusOutEvent(QFocusEvent* event)
{
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason)
        m_showFocus = false;
    QAbstractButton::focusOutEvent(event);
}

void SymbolChoice::mousePressEvent(QMouseEvent* event)
{
    m_showFocus = false;
    QAbstractButton::mousePressEvent(event);
}

void SymbolChoice::keyPressEvent(QKeyEvent* event)
{
    if (!m_showFocus) {
        m_showFocus = true;
        update();
    }
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && !event->isAutoRepeat()) {
        click();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

SymbolBox::SymbolBox(QWidget* parent, const QString& name) : QFrame(parent)
{
    setObjectName(name);
}

void SymbolBox::showSymbol(const PictureStore* store, int number, const QString& symbolName)
{
    setPicture(store, number);
    setAccessibleName(symbolName);
    setToolTip(symbolName);
    update();
}

void SymbolBox::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    paintPicture(this);
}

void styleFramedGroup(QGroupBox* group, const QColor& fill)
{
    group->setStyleSheet(
        QStringLiteral(
            "QGroupBox { background-color: %1; border: 1px solid %2; border-radius: 3px; margin-top: 0.7em; }"
            "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top center; padding: 0 4px; }")
            .arg(fill.name(), fill.darker(200).name()));
}

LinkBarLook symbolTopBar(const char* name, double width)
{
    return bannerBar(name, Qt::black, QRectF(0, 0, width, kSymbolTopBarHeight), QColor(255, 255, 0));
}

LinkSpot symbolBrandLink(BrandLink link, const QRectF& place)
{
    const QColor color = link == BrandLink::FullBrand ? QColor(0, 255, 255) : QColor(255, 255, 0);
    return {link, place, color, 6.75, Qt::AlignLeft | Qt::AlignVCenter};
}

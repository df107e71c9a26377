// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The look the windows share: Verdana type (DejaVu Sans where Verdana is
// missing), solid colours, and the pointing-hand pointer of clickable things.

#include <QColor>
#include <QCursor>
#include <QFont>
#include <QIcon>

class QAbstractButton;
class QLabel;
class QPainter;
class QPixmap;
class QPointF;
class QWidget;

namespace look {

QFont verdana(double points, bool bold = true);

// Solid background colour for a panel or window.
void setBackground(QWidget* widget, const QColor& color);
void setTextColor(QWidget* widget, const QColor& color);
// The same for a captioned group box: its inside is exactly the colour, under
// a caption and an etched frame.
void setGroupBackground(QWidget* group, const QColor& color);

// A captioned button with a solid face of exactly this colour: a raised
// edge, sunken while pressed, and a focus ring that never tints the face.
void setButtonFace(QAbstractButton* button, const QColor& face);
// A caption-less button that is nothing but its colour.
void setSolidButton(QAbstractButton* button, const QColor& face);
// An option button whose focus ring stands out from the panel behind it.
void setOptionLook(QAbstractButton* option);

// WCAG 2.1 contrast ratio of two colours, from 1 to 21.
double contrastRatio(const QColor& a, const QColor& b);
// Black or white, whichever stands out more against the colour.
QColor ringColor(const QColor& against);

// The focus ring of a picture one picks, drawn inside `rect`: an outer band
// that stands out from the ground around the picture and an inner band that
// stands out from the patch of the picture (at `pictureAt`) it covers, so
// that the focus shows at 3:1 or more on light and dark pictures alike.
void drawPictureFocus(QPainter* painter, const QRect& rect, const QColor& ground, const QPixmap& picture,
                      const QPointF& pictureAt);

const QCursor& handCursor();
QIcon appIcon();
QPixmap launcherIcon(const QString& resource); // an SVG picture, drawn 32 x 32

const QColor kLightGrey(192, 192, 192);
const QColor kGrey(128, 128, 128);
const QColor kPaleGrey(224, 224, 224);
const QColor kRightAnswer(0, 128, 0);
const QColor kWrongAnswer(128, 0, 0);

} // namespace look

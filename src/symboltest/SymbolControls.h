// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The controls the symbol test's windows share: a clickable symbol picture
// (a choice) and the "Result" box that reveals the drawn symbol.

#include "shell/LinkBars.h"

#include <QAbstractButton>
#include <QColor>
#include <QFrame>

#include <utility>

class QGroupBox;

// What both symbol test windows share: their pink and navy, and the height
// of the black banner bar across their top (twips).
const QColor kSymbolPink(255, 128, 255);
const QColor kSymbolNavy(0, 0, 128);
constexpr double kSymbolTopBarHeight = 615;

class PictureStore;

// Shows one picture of a store, drawn for the screen it is on.
class SymbolPictureView {
public:
    void setPicture(const PictureStore* store, int number);
    // The picture as shown at the given device pixel ratio (null if none).
    QPixmap pixmap(qreal devicePixelRatio) const;

protected:
    void paintPicture(QWidget* widget) const;

private:
    const PictureStore* m_store = nullptr;
    int m_number = 0;
};

// A symbol the user can choose: clicked with the mouse, or with Enter or
// Space once it has the focus (Tab). Shows the pointing hand.
class SymbolChoice : public QAbstractButton, public SymbolPictureView {
    Q_OBJECT
public:
    SymbolChoice(QWidget* parent, const QString& name);

    // The picture and the name screen readers announce for it.
    void showSymbol(const PictureStore* store, int number, const QString& symbolName);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    // The focus frame shows once the keyboard is in use, not after a click,
    // where it would look like a choice that stays selected.
    bool m_showFocus = false;
};

// A "Result" box: the mystery box or a revealed symbol.
class SymbolBox : public QFrame, public SymbolPictureView {
    Q_OBJECT
public:
    SymbolBox(QWidget* parent, const QString& name);

    void showSymbol(const PictureStore* store, int number, const QString& symbolName);

protected:
    void paintEvent(QPaintEvent* event) override;
};

// A framed group with its caption on the frame line, filled with `fill`.
void styleFramedGroup(QGroupBox* group, const QColor& fill);

// The black banner bar across the top of a window `width` twips wide, with
// the forum banner link in yellow, centred.
LinkBarLook symbolTopBar(const char* name, double width);

// A brand link of both windows' black bottom bars in its small type: the
// fully-branded one cyan, the co-brand one yellow.
LinkSpot symbolBrandLink(BrandLink link, const QRectF& place);

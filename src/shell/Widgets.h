// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The parts every window is assembled from, each built in one place: plain
// labels, buttons and panels (always parent, name, text, type, colour), the
// "Please Wait" panel of a guess, panels that share one place, and the
// default and cancel keys of a window.

#include "shell/Look.h"

#include <QAnyStringView>
#include <QColor>
#include <QFont>
#include <QFrame>
#include <QRectF>
#include <QString>

#include <initializer_list>

class QAccessibleInterface;
class QLabel;
class QPushButton;
class QWidget;

// A label in the given type and text colour; its background shows through.
QLabel* makeLabel(QWidget* parent, QAnyStringView name, const QString& text, const QFont& font, const QColor& color);
// A captioned button with a plain face colour and black caption.
QPushButton* makeButton(QWidget* parent, QAnyStringView name, const QString& caption, const QFont& font,
                        const QColor& face);
// A borderless panel filled with one colour.
QFrame* makePanel(QWidget* parent, QAnyStringView name, const QColor& color);

// Screen readers' view of group boxes and plain panels (install with
// QAccessible::installFactory): one whose name is already said by what it
// holds (a control of the same name) or by the window around it is passed
// over as layout instead of being named again as the context.
QAccessibleInterface* framingPanelFactory(const QString& className, QObject* object);

// The panel shown while a guess is being judged. Screen readers meet it as
// a notification, which Orca reads out when it appears (an alert it would
// only list).
class PleaseWaitPanel : public QFrame {
    Q_OBJECT
public:
    explicit PleaseWaitPanel(QWidget* parent);

    // Shows the panel in front of everything in its window and tells
    // screen readers.
    void appear();
};

// How a test dresses its "Please Wait" panel: the panel and its two lines,
// "Please Wait ..." above the test's own "generating" line. Places in twips,
// the lines' relative to the panel; an invalid background lets the panel
// show through. A test gives its generating text and the panel's place, and
// whatever else of its look differs from the usual red on white.
inline const QColor kWaitRed(255, 0, 0);
struct WaitLine {
    const char* name;
    QFont font;
    QColor text;
    QColor background;
    // Empty: the usual place, below the line above and 90 twips in from
    // the panel's edges.
    QRectF place = {};
};
struct PleaseWaitLook {
    const char* generatingText;
    QRectF place;
    QColor color = kWaitRed;
    bool framed = false;
    WaitLine wait = {"Label7", look::verdana(14.25), kWaitRed, Qt::white};
    WaitLine generating = {"Label6", look::verdana(9.75, false), kWaitRed, Qt::white};
};

struct PleaseWait {
    PleaseWaitPanel* panel;
    QLabel* wait;
    QLabel* generating;
};

// Builds the hidden "Please Wait" panel, named picMessage, in a play window.
PleaseWait buildPleaseWait(QWidget* window, const PleaseWaitLook& look);

// What a panel without a caption of its own (a level's) is called: the name
// its window is known by while the panel is in front.
void setPanelTitle(QWidget* panel, const QString& title);

// Brings `front` to the front of the panels that share its place and hides
// the others, so that Tab and screen readers cannot reach what nobody sees.
// The window takes the name of the panel in front (its caption or title),
// or none if that panel has neither.
// A focus left in any of these panels, or on a hidden control, moves to
// `focusTo`: a panel opens with nothing in it singled out.
void bringToFront(QWidget* front, std::initializer_list<QWidget*> samePlace, QWidget* focusTo);

// The keys of a window: Enter on a focused button presses that button;
// Enter elsewhere presses `defaultButton` and Esc presses `cancelButton`
// (either may be null). Call once the window's buttons exist.
void bindWindowKeys(QWidget* window, QPushButton* defaultButton, QPushButton* cancelButton);

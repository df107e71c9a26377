// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// A label that can be clicked, like the program's link and banner labels.
// It reports pointer movement over it too, for hover effects. It takes the
// keyboard focus with Tab and is activated with Enter or Space, so the links
// can be used without a mouse. Screen readers meet it as a link (or, for a
// picture one picks, a button) that can be pressed.

#include <QAccessible>
#include <QLabel>

class ClickLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickLabel(const QString& text = QString(), QWidget* parent = nullptr);

    // A link shows the hand pointer and takes the focus with Tab; a plain
    // label is clickable too, but looks and behaves like text.
    void setLink(bool link);
    // What a screen reader calls it: a link by default, a button for a
    // picture that is picked, plain text when it is not a link.
    void setAccessibleRole(QAccessible::Role role) { m_role = role; }
    QAccessible::Role accessibleRole() const { return m_link ? m_role : QAccessible::StaticText; }

    // Acts as a click, as the press of a screen reader does.
    void press();

signals:
    void clicked();
    void mouseMoved();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool moveFocusByArrow(int key);

    bool m_pressed = false;
    bool m_link = true;
    QAccessible::Role m_role = QAccessible::Link;
};

// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// A label that can be clicked, like the program's link and banner labels.
// It reports pointer movement over it too, for hover effects. It takes the
// keyboard focus with Tab and is activated with Enter or Space, so the links
// can be used without a mouse.

#include <QLabel>

class ClickLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickLabel(const QString& text = QString(), QWidget* parent = nullptr);

    // A link shows the hand pointer and takes the focus with Tab; a plain
    // label is clickable too, but looks and behaves like text.
    void setLink(bool link);

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
    bool m_pressed = false;
    bool m_link = true;
};

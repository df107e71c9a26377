// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// A panel (picture box or frame) that reports pointer movement over its bare
// surface, for the hover effects of the windows. Movement over a child
// reaches the panel only if the child lets it through: call
// keepPointerMovesFrom() on children whose movement must not count.

#include <QFrame>

class Panel : public QFrame {
    Q_OBJECT
public:
    explicit Panel(QWidget* parent = nullptr, const char* name = nullptr);

signals:
    void mouseMoved();
    void clicked();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool m_pressed = false;
};

void keepPointerMovesFrom(QWidget* child);

// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#pragma once

#include <QHash>
#include <QPixmap>
#include <QRectF>
#include <QSize>

#include <functional>

class QPainter;

// A numbered list of same-sized pictures (1..count) drawn by code on demand.
// Each picture is rendered the first time it is asked for at a given device
// pixel ratio and kept, so repeated use is free and high-DPI screens get a
// pixmap drawn at their own resolution instead of an upscaled one.
// Like any pixmap work, use it from the GUI thread only.
class PictureStore {
public:
    using RenderFunction = std::function<void(QPainter& painter, int number, const QRectF& target)>;

    PictureStore(int count, QSize size, RenderFunction render);

    int count() const;
    QSize size() const; // logical size, in device-independent pixels

    // A number outside 1..count gives a visible placeholder rather than
    // failing, so a wrong number shows up on screen instead of crashing.
    QPixmap picture(int number, qreal devicePixelRatio = 1.0) const;

private:
    struct Key {
        int number;
        QSize pixels;
        qreal devicePixelRatio;
        bool operator==(const Key& other) const;
    };
    friend size_t qHash(const Key& key, size_t seed);

    QPixmap render(int number, qreal devicePixelRatio) const;

    int m_count;
    QSize m_size;
    RenderFunction m_render;
    mutable QHash<Key, QPixmap> m_cache;
};

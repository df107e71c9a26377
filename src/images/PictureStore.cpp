// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#include "images/PictureStore.h"

#include <QPainter>
#include <QPen>

#include <algorithm>
#include <utility>

namespace {

constexpr int FallbackNumber = 0;

void paintFallback(QPainter& painter, const QRectF& target)
{
    painter.fillRect(target, QColor(200, 200, 200));
    const qreal w = std::max<qreal>(1.0, std::min(target.width(), target.height()) / 16.0);
    painter.setPen(QPen(QColor(220, 0, 0), w, Qt::SolidLine, Qt::RoundCap));
    const QRectF r = target.adjusted(w, w, -w, -w);
    painter.drawLine(r.topLeft(), r.bottomRight());
    painter.drawLine(r.topRight(), r.bottomLeft());
}

} // namespace

bool PictureStore::Key::operator==(const Key& other) const
{
    return number == other.number && pixels == other.pixels && devicePixelRatio == other.devicePixelRatio;
}

size_t qHash(const PictureStore::Key& key, size_t seed)
{
    return qHashMulti(seed, key.number, key.pixels.width(), key.pixels.height(), key.devicePixelRatio);
}

PictureStore::PictureStore(int count, QSize size, RenderFunction render)
    : m_count(std::max(0, count)), m_size(size), m_render(std::move(render))
{}

int PictureStore::count() const
{
    return m_count;
}

QSize PictureStore::size() const
{
    return m_size;
}

QPixmap PictureStore::picture(int number, qreal devicePixelRatio) const
{
    // A nonsensical ratio (zero, negative, NaN) would give an empty or huge pixmap.
    if (!(devicePixelRatio > 0.0 && devicePixelRatio <= 16.0))
        devicePixelRatio = 1.0;
    if (number < 1 || number > m_count)
        number = FallbackNumber;

    const Key key{number, m_size * devicePixelRatio, devicePixelRatio};
    auto it = m_cache.constFind(key);
    if (it != m_cache.constEnd())
        return *it;
    const QPixmap pixmap = render(number, devicePixelRatio);
    m_cache.insert(key, pixmap);
    return pixmap;
}

QPixmap PictureStore::render(int number, qreal devicePixelRatio) const
{
    QPixmap pixmap(m_size * devicePixelRatio);
    if (pixmap.isNull())
        return pixmap;
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);

    QPainter painter(&pixmap);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    // Work in logical pixels; the painter maps them onto the physical ones.
    const QRectF target(0, 0, pixmap.width() / devicePixelRatio, pixmap.height() / devicePixelRatio);
    if (number == FallbackNumber || !m_render)
        paintFallback(painter, target);
    else
        m_render(painter, number, target);
    return pixmap;
}

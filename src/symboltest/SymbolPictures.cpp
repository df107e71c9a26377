// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#include "symboltest/SymbolPictures.h"

#include "images/PictureStore.h"

#include <QPainter>
#include <QSvgRenderer>

#include <array>
#include <memory>

namespace {

constexpr int kSymbolCount = static_cast<int>(Symbol::MysteryBox) + 1;
const QSize kPictureSize(100, 100);

struct SymbolInfo {
    const char* name;
    const char* file;
};

const std::array<SymbolInfo, kSymbolCount> kSymbols{{
    {"Circle", "circle"},
    {"Cross", "cross"},
    {"Square", "square"},
    {"Star", "star"},
    {"Waves", "waves"},
    {"Triple swirl", "swirl"},
    {"Celtic knot", "knot"},
    {"Hexagram", "hexagram"},
    {"Pyramid", "pyramid"},
    {"Mandala", "mandala"},
    {"Triquetra", "triquetra"},
    {"Ring", "ring"},
    {"Mystery box", "mystery"},
}};

using S = Symbol;
const std::array<Symbol, 6> kBeginnerList{S::Circle, S::Cross, S::Square, S::Star, S::Waves, S::MysteryBox};
const std::array<Symbol, 8> kIntermediateList{S::Circle,      S::Cross,      S::Square,   S::Star,
                                              S::TripleSwirl, S::CelticKnot, S::Hexagram, S::Pyramid};
const std::array<Symbol, 10> kExpertList{S::Circle,     S::Cross,     S::Square, S::Star,     S::Mandala,
                                         S::CelticKnot, S::Triquetra, S::Ring,   S::Hexagram, S::Pyramid};

const SymbolInfo& infoOf(Symbol symbol)
{
    return kSymbols[static_cast<std::size_t>(symbol)];
}

// One renderer per drawing, parsed the first time the drawing is needed.
QSvgRenderer& rendererOf(Symbol symbol)
{
    static std::array<std::unique_ptr<QSvgRenderer>, kSymbolCount> renderers;
    std::unique_ptr<QSvgRenderer>& renderer = renderers[static_cast<std::size_t>(symbol)];
    if (!renderer)
        renderer = std::make_unique<QSvgRenderer>(symbolResource(symbol));
    return *renderer;
}

void drawSymbol(QPainter& painter, Symbol symbol, const QRectF& target)
{
    QSvgRenderer& renderer = rendererOf(symbol);
    if (renderer.isValid()) {
        renderer.render(&painter, target);
        return;
    }
    // A broken drawing still says what it should have shown.
    painter.fillRect(target, QColor(220, 220, 220));
    painter.setPen(Qt::black);
    painter.drawText(target, Qt::AlignCenter | Qt::TextWordWrap, symbolName(symbol));
}

template <std::size_t N>
PictureStore::RenderFunction renderList(const std::array<Symbol, N>& list)
{
    return [&list](QPainter& painter, int number, const QRectF& target) {
        // The store only asks for numbers 1..N.
        drawSymbol(painter, list[static_cast<std::size_t>(number - 1)], target);
    };
}

template <std::size_t N>
std::optional<Symbol> pictureOf(const std::array<Symbol, N>& list, int number)
{
    if (number < 1 || number > static_cast<int>(N))
        return std::nullopt;
    return list[static_cast<std::size_t>(number - 1)];
}

} // namespace

QString symbolName(Symbol symbol)
{
    return QString::fromLatin1(infoOf(symbol).name);
}

QString symbolResource(Symbol symbol)
{
    return QStringLiteral(":/images/symbols/%1.svg").arg(QLatin1String(infoOf(symbol).file));
}

std::optional<Symbol> pictureOfList(int level, int number)
{
    switch (level) {
    case 0:
        return pictureOf(kBeginnerList, number);
    case 1:
        return pictureOf(kIntermediateList, number);
    case 2:
        return pictureOf(kExpertList, number);
    default:
        return std::nullopt;
    }
}

int listSize(int level)
{
    switch (level) {
    case 0:
        return static_cast<int>(kBeginnerList.size());
    case 1:
        return static_cast<int>(kIntermediateList.size());
    case 2:
        return static_cast<int>(kExpertList.size());
    default:
        return 0;
    }
}

const PictureStore& IMGBiggener()
{
    static const PictureStore store(static_cast<int>(kBeginnerList.size()), kPictureSize, renderList(kBeginnerList));
    return store;
}

const PictureStore& IMGIntermediate()
{
    static const PictureStore store(static_cast<int>(kIntermediateList.size()), kPictureSize,
                                    renderList(kIntermediateList));
    return store;
}

const PictureStore& IMGExpert()
{
    static const PictureStore store(static_cast<int>(kExpertList.size()), kPictureSize, renderList(kExpertList));
    return store;
}

const PictureStore& levelPictures(int level)
{
    switch (level) {
    case 1:
        return IMGIntermediate();
    case 2:
        return IMGExpert();
    default:
        return IMGBiggener();
    }
}

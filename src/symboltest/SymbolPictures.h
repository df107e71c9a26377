// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The symbol test's pictures: which symbol each picture of the three image
// lists shows, the symbols' names, and the shared picture stores.
//
// IMGBiggener holds the five Zener symbols and, as its sixth picture, the
// mystery box that stands in every "Result" box until a symbol is revealed.
// IMGIntermediate (8) and IMGExpert (10) hold their level's symbols.
// Picture k of a level's list is that level's symbol k, so a choice and the
// revealed symbol of the same number always look alike.

#include <QString>

#include <optional>

class PictureStore;

enum class Symbol {
    Circle,
    Cross,
    Square,
    Star,
    Waves,
    TripleSwirl,
    CelticKnot,
    Hexagram,
    Pyramid,
    Mandala,
    Triquetra,
    Ring,
    MysteryBox,
};

// The symbol's name as the user hears it ("Triple swirl", "Mystery box").
QString symbolName(Symbol symbol);

// Where the symbol's drawing is compiled in (":/images/symbols/<name>.svg").
QString symbolResource(Symbol symbol);

// The picture numbered `number` (from 1) of a level's image list; none for a
// number outside the list. The Beginner list's sixth picture is the mystery box.
std::optional<Symbol> pictureOfList(int level, int number);

// The number of pictures in a level's image list (6, 8, 10; 0 for no level).
int listSize(int level);

// Picture number of the mystery box in IMGBiggener.
constexpr int kMysteryBoxPicture = 6;

// The image lists, made once and shared; pictures are about 100 x 100.
const PictureStore& IMGBiggener();
const PictureStore& IMGIntermediate();
const PictureStore& IMGExpert();

// The image list of a level (0 Beginner, 1 Intermediate, 2 Expert).
const PictureStore& levelPictures(int level);

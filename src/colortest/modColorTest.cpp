// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#include "colortest/modColorTest.h"

#include "platform/Draw.h"
#include "shell/Chance.h"
#include "shell/Feedback.h"

#include <QStringList>

namespace modColorTest {

Counters colorCorrect{};
Counters colorAttempts{};

namespace {

const std::vector<PaletteColor> kBeginnerPalette{
    {255, 255, 128, "Light yellow"}, {255, 128, 128, "Salmon pink"}, {255, 128, 255, "Light magenta"},
    {128, 255, 255, "Light cyan"},   {0, 64, 0, "Dark green"},
};

const std::vector<PaletteColor> kIntermediatePalette{
    {192, 255, 192, "Pale green"},   {255, 192, 192, "Pale pink"}, {255, 255, 192, "Pale yellow"},
    {192, 255, 255, "Pale cyan"},    {192, 192, 255, "Lavender"},  {255, 128, 128, "Salmon pink"},
    {255, 192, 128, "Light orange"}, {0, 128, 0, "Green"},         {192, 0, 192, "Purple"},
    {53, 138, 189, "Steel blue"},
};

const std::vector<PaletteColor> kExpertPalette{
    {255, 192, 128, "Light orange"},
    {255, 192, 192, "Pale pink"},
    {255, 0, 0, "Red"},
    {192, 64, 0, "Rust"},
    {0, 255, 0, "Bright green"},
    {192, 255, 255, "Pale cyan"},
    {255, 128, 255, "Light magenta"},
    {139, 193, 119, "Sage green"},
    {64, 64, 0, "Olive"},
    {96, 85, 83, "Grey-brown"},
    {193, 70, 70, "Brick red"},
    {53, 138, 189, "Steel blue"},
    {0, 64, 64, "Dark teal"},
    {192, 255, 192, "Pale green"},
    {0, 0, 255, "Blue"},
    {0, 0, 0, "Black"},
    {255, 255, 128, "Light yellow"},
    {0, 192, 192, "Teal"},
    {192, 192, 255, "Lavender"},
    {0, 64, 0, "Dark green"},
};

int validLevel(int level)
{
    Q_ASSERT(level >= Beginner && level <= Expert);
    return qBound(int(Beginner), level, int(Expert));
}

} // namespace

const std::vector<PaletteColor>& palette(int level)
{
    switch (validLevel(level)) {
    case Beginner:
        return kBeginnerPalette;
    case Intermediate:
        return kIntermediatePalette;
    default:
        return kExpertPalette;
    }
}

int colorCount(int level)
{
    return static_cast<int>(palette(level).size());
}

QString levelCaption(int level)
{
    static const std::array<const char*, kLevelCount> captions{"Beginner", "Intermediate", "Expert"};
    return QString::fromLatin1(captions[validLevel(level)]);
}

QString scoreText(const Counters& correct, const Counters& attempts)
{
    QStringList lines;
    for (int level = Beginner; level <= Expert; ++level) {
        if (level != Beginner)
            lines << QString();
        lines << levelCaption(level) + QStringLiteral(" Level") << countPair(correct[level], attempts[level]);
    }
    return lines.join(QStringLiteral("\r\n"));
}

QString scoreText()
{
    return scoreText(colorCorrect, colorAttempts);
}

QString chanceReport(const Counters& correct, const Counters& attempts)
{
    return chance::levelsReport(correct, attempts,
                                {colorCount(Beginner), colorCount(Intermediate), colorCount(Expert)});
}

QString chanceReport()
{
    return chanceReport(colorCorrect, colorAttempts);
}

int drawColor(int level)
{
    return platform::drawOneOf(colorCount(level));
}

bool isRightGuess(int index, int drawn)
{
    return drawn == index + 1;
}

void countGuess(int level, bool right)
{
    const int l = validLevel(level);
    if (right)
        countOne(colorCorrect[l]);
    countOne(colorAttempts[l]);
}

} // namespace modColorTest

// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#include "symboltest/modSymbolTest.h"

#include "platform/Draw.h"
#include "shell/Chance.h"
#include "shell/Feedback.h"

#include <QLatin1String>

namespace modSymbolTest {

bool SymbolLevelChosen = false;

LevelCounters symbolCorrect{};
LevelCounters symbolAttempts{};

qint16 beginnerSymbol = 0;
qint16 intermediateSymbol = 0;
qint16 expertSymbol = 0;

bool isSymbolLevel(int level)
{
    return level >= 0 && level < kLevelCount;
}

int symbolsAtLevel(int level)
{
    static constexpr std::array<int, kLevelCount> kSymbols{5, 8, 10};
    return isSymbolLevel(level) ? kSymbols[static_cast<std::size_t>(level)] : 0;
}

qint16& lastDrawnSymbol(int level)
{
    Q_ASSERT(isSymbolLevel(level));
    switch (level) {
    case Intermediate:
        return intermediateSymbol;
    case Expert:
        return expertSymbol;
    default:
        return beginnerSymbol;
    }
}

int drawSymbol(double r, int level)
{
    return platform::drawOneOf(r, symbolsAtLevel(level));
}

bool isRightSymbol(int drawnSymbol, int choiceIndex)
{
    return drawnSymbol == choiceIndex + 1;
}

void countGuess(int level, bool right)
{
    if (!isSymbolLevel(level))
        return;
    const auto i = static_cast<std::size_t>(level);
    if (right)
        countOne(symbolCorrect[i]);
    countOne(symbolAttempts[i]);
}

QString scoreText(const LevelCounters& correct, const LevelCounters& attempts)
{
    static constexpr std::array<const char*, kLevelCount> kHeadings{"Beginner level :-  ", "Intermediate Level :-  ",
                                                                    "Expert level :-  "};
    const QLatin1String crlf("\r\n");
    QString text;
    for (std::size_t i = 0; i < kHeadings.size(); ++i) {
        text +=
            crlf + crlf + QLatin1String(kHeadings[i]) + countPair(correct[i], attempts[i]) + QLatin1String(" Attempts");
    }
    return text;
}

QString scoreText()
{
    return scoreText(symbolCorrect, symbolAttempts);
}

QString chanceReport(const LevelCounters& correct, const LevelCounters& attempts)
{
    return chance::levelsReport(correct, attempts,
                                {symbolsAtLevel(Beginner), symbolsAtLevel(Intermediate), symbolsAtLevel(Expert)});
}

QString chanceReport()
{
    return chanceReport(symbolCorrect, symbolAttempts);
}

static QString withPlainLineBreaks(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    return text;
}

void ScoreBoxTexts::remember(const QString& selectedText)
{
    // A drag changes the selection at every step; the last steps matter.
    constexpr int kKept = 32;
    const QString text = withPlainLineBreaks(selectedText);
    if (text.trimmed().isEmpty())
        return;
    m_texts.removeAll(text);
    m_texts.append(text);
    while (m_texts.size() > kKept)
        m_texts.removeFirst();
}

bool ScoreBoxTexts::cameFromBox(const QString& text) const
{
    if (text.trimmed().isEmpty())
        return false;
    return m_texts.contains(withPlainLineBreaks(text));
}

} // namespace modSymbolTest

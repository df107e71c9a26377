// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The color test's play window: three level panels in one place, each with a
// palette of colour buttons (5, 10 or 20). The home window brings one panel
// to the front; each click on a colour is a guess: "Please Wait ...", the
// draw, the count, and the verdict in the feedback window.

#include "shell/GuessRunner.h"
#include "shell/Levels.h"
#include "shell/TestWindow.h"

#include <QtGlobal>
#include <array>
#include <memory>
#include <vector>

class ClickLabel;
class QLabel;

class frmPsychicColorTestDisplay : public TestWindow<frmPsychicColorTestDisplay> {
public:
    frmPsychicColorTestDisplay();

    // Puts a level's panel in front of the other two.
    void bringLevelToFront(int level);

    // One level of play (0 Beginner, 1 Intermediate, 2 Expert): its panel and
    // its palette.
    struct LevelControls {
        QFrame* panel = nullptr;
        QLabel* calm = nullptr;           // above the buttons
        QLabel* select = nullptr;         // below the buttons
        std::vector<QPushButton*> colors; // button k guesses colour k + 1
    };
    std::array<LevelControls, kLevelCount> levels;

    QFrame*& fraBeginner = levels[Beginner].panel;
    QFrame*& fraIntermediate = levels[Intermediate].panel;
    QFrame*& fraExpert = levels[Expert].panel;
    std::vector<QPushButton*>& cmdBeginner = levels[Beginner].colors;
    std::vector<QPushButton*>& cmdIntermediate = levels[Intermediate].colors;
    std::vector<QPushButton*>& cmdExpert = levels[Expert].colors;
    QFrame* picMessage;
    QLabel* lblWait;
    QLabel* lblGenerating;
    QLabel* lblScore;
    QPushButton* cmdOK;
    QWidget* picBanner;
    ClickLabel* Label61;
    QWidget* picLinks;
    ClickLabel* lblFullBrand;
    ClickLabel* lblCobrand;

private:
    void cmdOk_Click();
    void mnuFileBack_Click();

    // A guess at a level with the clicked button's index: the click of any colour.
    void guess(int level, int index);

    // The last number drawn at each level; never shown.
    std::array<qint16, 3> m_drawn{};
    std::unique_ptr<GuessRunner> m_guess;
};

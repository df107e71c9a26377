// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The window the symbol test is played in: one panel per level with its
// symbols to choose from and a "Result" box that reveals the symbol drawn
// after each guess. It asks for the level through the option window.

#include "shell/GuessRunner.h"
#include "shell/Levels.h"
#include "shell/TestWindow.h"

#include <array>
#include <memory>
#include <vector>

class ClickLabel;
class QGroupBox;
class QLabel;
class SymbolBox;
class SymbolChoice;
class frmPsychicSymbolTestSelectOption;

class frmPsychicSymbolTestMain : public TestWindow<frmPsychicSymbolTestMain> {
public:
    frmPsychicSymbolTestMain();

    // The symbol launcher of the main window: asks for a level afresh.
    static void launch();

    QFrame* Frame2;
    ClickLabel* Label61;

    QFrame* picMessage;
    QLabel* Label7;
    QLabel* Label6;

    QFrame* raCover;

    // One level of play: its panel and what stands in it.
    struct LevelControls {
        QFrame* panel = nullptr;
        QGroupBox* frame = nullptr;  // the "Result" frame
        SymbolBox* result = nullptr; // reveals the symbol drawn
        QLabel* prompt = nullptr;
        QPushButton* score = nullptr;
        std::vector<SymbolChoice*> choices; // choice i stands for symbol i + 1
    };
    std::array<LevelControls, kLevelCount> levels;

    QFrame*& fraBeginner = levels[Beginner].panel;
    QGroupBox*& Frame6 = levels[Beginner].frame;
    SymbolBox*& picZenerSymbol = levels[Beginner].result;
    std::vector<SymbolChoice*>& cmdZener = levels[Beginner].choices;
    QLabel*& Label1 = levels[Beginner].prompt;
    QPushButton*& cmdScore = levels[Beginner].score;

    QFrame*& fraIntermediate = levels[Intermediate].panel;
    QGroupBox*& Frame7 = levels[Intermediate].frame;
    SymbolBox*& PicIntermediateResult = levels[Intermediate].result;
    std::vector<SymbolChoice*>& PicIntermediate = levels[Intermediate].choices;
    QLabel*& Label2 = levels[Intermediate].prompt;
    QPushButton*& cmdIntermediateScore = levels[Intermediate].score;

    QFrame*& fraExpert = levels[Expert].panel;
    QGroupBox*& Frame8 = levels[Expert].frame;
    SymbolBox*& picExpertResult = levels[Expert].result;
    std::vector<SymbolChoice*>& picExpert = levels[Expert].choices;
    QLabel*& Label3 = levels[Expert].prompt;
    QPushButton*& cmdExpertScore = levels[Expert].score;

    QFrame* Frame5;
    ClickLabel* lblCobrand;
    ClickLabel* lblFullBrand;
    QPushButton* cmdBack;

    QLabel* lblScore;

    // The option window brings the chosen level's panel to the front.
    void bringLevelToFront(int level);
    // The panel seen in the play area: raCover or a level's panel.
    QFrame* frontPanel() const;

    void Form_Activate() override;

    void mnuDifficulty_Click();
    void cmdBack_Click();
    // Also the click of each level's Score button.
    void mnuScore_Click();

private:
    void buildBars();
    void buildMessage();
    void buildLevelPanels();
    // Where the focus rests when no choice may hold it.
    QWidget* restingFocus() const override;
    // The level dialog, shown modally; the focus then rests again.
    void askForTheLevel(frmPsychicSymbolTestSelectOption& options);
    // A guess at a level with the chosen choice's index: the click of any choice.
    void Guess(int level, int choiceIndex);

    std::unique_ptr<GuessRunner> m_guess;
};

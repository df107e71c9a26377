// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The window the symbol test is played in: one panel per level with its
// symbols to choose from and a "Result" box that reveals the symbol drawn
// after each guess. It asks for the level through the option window.

#include "shell/Form.h"
#include "shell/GuessRunner.h"

#include <array>
#include <memory>

class ClickLabel;
class QAction;
class QFrame;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
class SymbolBox;
class SymbolChoice;
class frmPsychicSymbolTestSelectOption;

class frmPsychicSymbolTestMain : public Form<frmPsychicSymbolTestMain, QWidget> {
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

    QFrame* fraBeginner;
    QGroupBox* Frame6;
    SymbolBox* picZenerSymbol;
    std::array<SymbolChoice*, 5> cmdZener{};
    QLabel* Label1;
    QPushButton* cmdScore;

    QFrame* fraIntermediate;
    QGroupBox* Frame7;
    SymbolBox* PicIntermediateResult;
    std::array<SymbolChoice*, 8> PicIntermediate{};
    QLabel* Label2;
    QPushButton* cmdIntermediateScore;

    QFrame* fraExpert;
    QGroupBox* Frame8;
    SymbolBox* picExpertResult;
    std::array<SymbolChoice*, 10> picExpert{};
    QLabel* Label3;
    QPushButton* cmdExpertScore;

    QFrame* Frame5;
    ClickLabel* lblCobrand;
    ClickLabel* lblFullBrand;
    QPushButton* cmdBack;
    QPushButton* cmdExit;

    QLabel* lblScore;

    QMenu* mnuFile;
    QAction* mnuScore;
    QAction* mnuDifficulty;
    QAction* mnuExit;
    QMenu* mnuHelp;
    QAction* mnuOnline;
    QAction* mnuVisit;
    QAction* mnuUpdate;
    QAction* mnuAbout;
    QAction* mkmoney;

    // The option window brings the chosen level's panel to the front.
    void bringLevelToFront(int level);
    // The panel seen in the play area: raCover or a level's panel.
    QFrame* frontPanel() const;
    QFrame* levelPanel(int level) const;
    SymbolBox* resultBox(int level) const;

    void Form_Activate() override;

    void cmdZener_Click(int index);
    void PicIntermediate_Click(int index);
    void picExpert_Click(int index);
    void mnuDifficulty_Click();
    void cmdBack_Click();
    void mnuScore_Click();
    void cmdScore_Click();
    void cmdIntermediateScore_Click();
    void cmdExpertScore_Click();
    void cmdExit_Click();
    void mnuExit_Click();

protected:
    void Form_Load() override;

private:
    void buildBars();
    void buildMessage();
    void buildLevelPanels();
    void buildMenus();
    QFrame* buildLevelPanel(int level, const char* name, QGroupBox*& frame, const char* frameName, SymbolBox*& result,
                            const char* resultName, QLabel*& label, const char* labelName, QPushButton*& score,
                            const char* scoreName);

    SymbolChoice* choiceAt(int level, int index) const;
    QPushButton* scoreButton(int level) const;
    // Where the focus rests when no choice may hold it.
    QWidget* restingFocus() const;
    // The level dialog, shown modally; the focus then rests again.
    void askForTheLevel(frmPsychicSymbolTestSelectOption& options);
    // A guess at a level with the chosen choice's index.
    void Guess(int level, int choiceIndex);

    std::unique_ptr<GuessRunner> m_guess;
};

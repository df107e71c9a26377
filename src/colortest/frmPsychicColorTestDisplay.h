// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The color test's play window: three level panels in one place, each with a
// palette of colour buttons (5, 10 or 20). The home window brings one panel
// to the front; each click on a colour is a guess: "Please Wait ...", the
// draw, the count, and the verdict in the feedback window.

#include "shell/Form.h"
#include "shell/GuessRunner.h"
#include "shell/StandardMenus.h"

#include <QtGlobal>
#include <array>
#include <memory>

class ClickLabel;
class QAction;
class QFrame;
class QLabel;
class QMenu;
class QPushButton;

class frmPsychicColorTestDisplay : public Form<frmPsychicColorTestDisplay, QWidget> {
public:
    frmPsychicColorTestDisplay();

    // The panel of a level (0 Beginner, 1 Intermediate, 2 Expert).
    QFrame* levelPanel(int level) const;
    // Puts a level's panel in front of the other two.
    void bringLevelToFront(int level);

    QFrame* fraBeginner;
    QFrame* fraIntermediate;
    QFrame* fraExpert;
    std::array<QLabel*, 3> lblCalm{};   // above the buttons, one per level panel
    std::array<QLabel*, 3> lblSelect{}; // below the buttons, one per level panel
    std::array<QPushButton*, 5> cmdBeginner{};
    std::array<QPushButton*, 10> cmdIntermediate{};
    std::array<QPushButton*, 20> cmdExpert{};
    QFrame* picMessage;
    QLabel* lblWait;
    QLabel* lblGenerating;
    QLabel* lblScore;
    QPushButton* cmdOK;
    QPushButton* cmdExit;
    QWidget* picBanner;
    ClickLabel* Label61;
    QWidget* picLinks;
    ClickLabel* lblFullBrand;
    ClickLabel* lblCobrand;

    QMenu* mnuFile;
    QAction* mnuFileBack;
    QAction* mnuExit;
    HelpMenu help;
    QAction* mkmoney;

protected:
    void Form_Load() override;

private:
    void cmdBeginner_Click(int index);
    void cmdIntermediate_Click(int index);
    void cmdExpert_Click(int index);
    void cmdOk_Click();
    void mnuFileBack_Click();
    void cmdExit_Click();
    void mnuExit_Click();

    void guess(int level, int index);

    // The last number drawn at each level; never shown.
    std::array<qint16, 3> m_drawn{};
    std::unique_ptr<GuessRunner> m_guess;
};

// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The color test's home window: a welcome text, the choice of level, and on
// request the running score per level in the same place as the choice.
// Proceed hands over to the play window and hides this one, which keeps its
// view and selection until Back shows it again.

#include "shell/TestWindow.h"

#include <array>

class ChanceBox;
class ClickLabel;
class QGroupBox;
class QLabel;
class QRadioButton;
class TextBox;

class frmPsychicColorTestMain : public TestWindow<frmPsychicColorTestMain> {
public:
    frmPsychicColorTestMain();

    QWidget* picBanner;
    ClickLabel* Label61;
    QFrame* fraWelcome;
    QLabel* Label2;
    QFrame* fraLevel;
    QLabel* Label4;
    std::array<QRadioButton*, 3> optLevel{};
    QGroupBox* fraScore;
    TextBox* txtScore;
    ChanceBox* txtChance; // the score against luck alone, under the score text
    QPushButton* cmdProceed;
    QPushButton* cmdScore;
    QWidget* picLinks;
    ClickLabel* lblFullBrand;
    ClickLabel* lblCobrand;

protected:
    void Form_Load() override;
    QWidget* restingFocus() const override;

private:
    void cmdProceed_Click();
    void cmdScore_Click();
    void mnuProceed_Click();

    // The option selected first in index order, or -1 for none.
    int chosenLevel() const;
};

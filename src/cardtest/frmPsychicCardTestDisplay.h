// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The card test's play window. Its two games share one place: the colour-card
// game (black or red?) and the right-card game (which of eight dealt cards is
// the chosen one?); the home window brings the wanted one to the front.

#include "shell/GuessRunner.h"
#include "shell/TestWindow.h"

#include <array>
#include <memory>

class ClickLabel;
class Panel;
class QGroupBox;
class QLabel;
namespace modCardTest {
enum class CardColor;
}

class frmPsychicCardTestDisplay : public TestWindow<frmPsychicCardTestDisplay> {
public:
    frmPsychicCardTestDisplay();

    Panel* Frame2;
    ClickLabel* Label61;

    QGroupBox* fraPicKCards;
    QLabel* Label1;
    QPushButton* cmdBlackCard;
    QPushButton* cmdRedCard;
    QLabel* picDeckOfCards;

    QGroupBox* fraTenRightCard;
    QLabel* Label2;
    QLabel* Label3;
    std::array<ClickLabel*, 8> picCard{};
    QLabel* picTenCardResult;
    QPushButton* cmdRefresh;

    QWidget* picMessage;
    QLabel* Label7;
    QLabel* Label6;
    QLabel* lblScore; // the outcome word of the last guess; never shown

    Panel* Frame5;
    QPushButton* cmdBack;
    ClickLabel* lblFullBrand;
    ClickLabel* lblCobrand;

    void bringColorCardGameToFront();
    void bringRightCardGameToFront();
    // Shows the current deal (dealtCards) in the eight card pictures.
    void showDeal();

    void cmdBlackCard_Click();
    void cmdRedCard_Click();
    void picCard_Click(int index);
    void cmdRefresh_Click();
    void cmdBack_Click();
    void mnuFileBack_Click();

private:
    void buildTopAndBottom();
    void buildColorCardGame();
    void buildRightCardGame();
    void buildPleaseWait();

    void colorGuess(QWidget* button, modCardTest::CardColor guess);

    std::unique_ptr<GuessRunner> m_guess;
};

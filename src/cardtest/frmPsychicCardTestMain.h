// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The card test's home window: the scrolling welcome line, the two game
// buttons with their hover caption, and the Score panel.

#include "shell/TestWindow.h"

class ChanceBox;
class ClickLabel;
class Panel;
class QGroupBox;
class QLabel;
class TextBox;
class QTimer;

class frmPsychicCardTestMain : public TestWindow<frmPsychicCardTestMain> {
public:
    frmPsychicCardTestMain();

    Panel* Frame2;
    ClickLabel* Label61;
    Panel* fraMain;
    QWidget* Label1; // the black band behind the welcome line: no text of its own
    QLabel* lblWelCome;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* lblCaption;
    QGroupBox* fraScore;
    TextBox* txtScore;
    ChanceBox* txtChance; // the score against luck alone, under the score text
    QPushButton* cmdPickCards;
    QPushButton* cmdRightCard;
    QPushButton* cmdScore;
    Panel* Frame5;
    ClickLabel* lblFullBrand;
    ClickLabel* lblCobrand;
    QTimer* Timer1;

    // The welcome line's left edge in twips, relative to fraMain.
    double welcomeLeft() const { return m_welcomeLeft; }

    void Timer1_Timer();
    void cmdPickCards_Click();
    void cmdRightCard_Click();
    void cmdScore_Click();

protected:
    void Form_Load() override;
    void Form_Unload() override;
    QWidget* restingFocus() const override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildTopAndBottom();
    void buildMainPanel();
    void setCaption(const QString& text);
    void placeWelcomeLine();

    void Form_MouseMove();
    void fraMain_MouseMove();
    void cmdPickCards_MouseMove();
    void cmdRightCard_MouseMove();

    double m_welcomeLeft = 0; // twips; moved from here every tick
};

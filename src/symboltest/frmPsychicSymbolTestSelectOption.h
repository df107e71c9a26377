// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The symbol test's small modal dialog with two faces in one place: the
// level panel, where the user picks Beginner, Intermediate or Expert, and
// the score panel, which shows the running score of all three levels.

#include "shell/Form.h"
#include "symboltest/modSymbolTest.h"

class ChanceBox;
class ClickLabel;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class TextBox;

class frmPsychicSymbolTestSelectOption : public Form<frmPsychicSymbolTestSelectOption, QDialog> {
public:
    frmPsychicSymbolTestSelectOption();

    QFrame* Frame3;
    ClickLabel* Label61;

    QFrame* fraSelectoption;
    QLabel* Label1;
    QGroupBox* Frame2;
    QRadioButton* optBeginner;
    QRadioButton* optIntermediate;
    QRadioButton* optExpert;
    QPushButton* cmdOk;

    QFrame* fraScore;
    TextBox* txtTotalScore;
    ChanceBox* txtChance; // the score against luck alone, under the score text
    QPushButton* cmdOkScore;

    QFrame* fraFullBrand;
    ClickLabel* lblFullBrand;
    ClickLabel* lblCobrand;

    // Which face is seen: the panel brought to the front last.
    void showLevelPanel();
    void showScorePanel();
    bool isScorePanelInFront() const;

    // The score box's text (line breaks may be CRLF; the box shows lines).
    void setScoreText(const QString& text);

    void cmdOk_Click();
    void cmdOkScore_Click();
    void txtTotalScore_Change();
    void txtTotalScore_Click();
    void txtTotalScore_MouseDown();
    void txtTotalScore_MouseMove();
    void txtTotalScore_MouseUp();

    // Esc: on the score panel it is OK; on the level panel it closes the
    // window without choosing.
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void guardClipboard();
    // Runs the guard once the event at hand has had its own effect (a mouse
    // release or a copy key puts the box's text out only after we see it).
    void guardClipboardAfterwards();

    modSymbolTest::ScoreBoxTexts m_handedOut;
};

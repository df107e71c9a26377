// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The About window: name, version, a description, the business opportunity
// and two links; closed with OK.

#include "shell/Form.h"

class ClickLabel;
class QLabel;
class QPushButton;

class frmAbout : public Form<frmAbout, QDialog> {
public:
    frmAbout();

    QLabel* Picture1;
    QLabel* Label2;
    QLabel* Label1;
    ClickLabel* lblHomePage;
    QWidget* Line1;
    QLabel* Label3;
    ClickLabel* lblCoBrand;
    QPushButton* cmdOK;

protected:
    void reject() override; // Esc closes it like OK
    void showEvent(QShowEvent* event) override;

private:
    void cmdOK_Click();
    void lblHomePage_Click();
    void lblCoBrand_Click();
};

#pragma once
// The color test's feedback window: a borderless lavender dialog with the
// verdict of the last guess and "TRY AGAIN". The play window fills in the
// verdict and shows it modally, once per guess.

#include "shell/Form.h"

class QLabel;
class QPushButton;

class frmPsychicColorTestResult : public Form<frmPsychicColorTestResult, QDialog> {
public:
    frmPsychicColorTestResult();

    QWidget* picResult;
    QLabel* lblResult;
    QPushButton* cmdTry;

protected:
    // Esc does what TRY AGAIN does, so the window always ends unloaded.
    void reject() override;

private:
    void cmdTry_Click();
};

#pragma once
// The card test's feedback window: one sentence after every guess and
// "TRY AGAIN". The caller writes the sentence, then shows it modally; every
// guess gets a freshly loaded window, since closing it unloads it.

#include "shell/Form.h"

class QLabel;
class QPushButton;

class frmPsychicCardTestResult : public Form<frmPsychicCardTestResult, QDialog> {
public:
    frmPsychicCardTestResult();

    QWidget* picResult;
    QLabel* lblResult;
    QPushButton* cmdTry;

    void cmdTry_Click();

protected:
    void reject() override; // Esc answers like "TRY AGAIN"
    void showEvent(QShowEvent* event) override;
};

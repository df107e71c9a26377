#pragma once
// The symbol test's feedback after a guess: a small borderless window with
// the verdict's sentence in its colour and "TRY AGAIN", shown modally.

#include "shell/Form.h"

class QLabel;
class QPushButton;

class frmPsychicSymbolTestResult : public Form<frmPsychicSymbolTestResult, QDialog> {
public:
    frmPsychicSymbolTestResult();

    QWidget* picResult;
    QLabel* lblResult;
    QPushButton* cmdTry;

    // The sentence and colour for an outcome word ("Correct" or "Incorrect").
    void setVerdict(const QString& outcome);

    void cmdTry_Click();

    // Esc does what "TRY AGAIN" does; there is no close box to do it.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
};

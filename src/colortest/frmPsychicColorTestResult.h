#pragma once
// Placeholder until the window is built.

#include "shell/Form.h"

class frmPsychicColorTestResult : public Form<frmPsychicColorTestResult, QDialog> {
public:
    frmPsychicColorTestResult();
};

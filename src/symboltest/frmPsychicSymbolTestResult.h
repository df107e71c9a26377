#pragma once
// Placeholder until the window is built.

#include "shell/Form.h"

class frmPsychicSymbolTestResult : public Form<frmPsychicSymbolTestResult, QDialog> {
public:
    frmPsychicSymbolTestResult();
};

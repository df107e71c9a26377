#pragma once
// Placeholder until the window is built.

#include "shell/Form.h"

class frmPsychicSymbolTestSelectOption : public Form<frmPsychicSymbolTestSelectOption, QDialog> {
public:
    frmPsychicSymbolTestSelectOption();
};

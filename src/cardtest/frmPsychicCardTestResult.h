#pragma once
// Placeholder until the window is built.

#include "shell/Form.h"

class frmPsychicCardTestResult : public Form<frmPsychicCardTestResult, QDialog> {
public:
    frmPsychicCardTestResult();
};

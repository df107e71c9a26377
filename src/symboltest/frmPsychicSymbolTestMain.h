#pragma once
// Placeholder until the window is built: an empty child window with the
// test's title and size.

#include "shell/Form.h"

class frmPsychicSymbolTestMain : public Form<frmPsychicSymbolTestMain, QWidget> {
public:
    frmPsychicSymbolTestMain();

protected:
    void Form_Load() override;
    void Form_Unload() override;
};

// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The symbol test's feedback after a guess: a small borderless light pink
// window with the verdict's sentence in its colour and "TRY AGAIN".

#include "shell/FeedbackWindow.h"

class frmPsychicSymbolTestResult : public FeedbackWindow<frmPsychicSymbolTestResult> {
public:
    frmPsychicSymbolTestResult();
};

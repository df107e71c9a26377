// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The color test's feedback window: a borderless lavender dialog with the
// verdict of the last guess and "TRY AGAIN". The play window fills in the
// verdict and shows it modally, once per guess.

#include "shell/FeedbackWindow.h"

class frmPsychicColorTestResult : public FeedbackWindow<frmPsychicColorTestResult> {
public:
    frmPsychicColorTestResult();
};

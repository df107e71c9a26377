// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The card test's feedback window: one sentence after every guess and
// "TRY AGAIN". The caller writes the sentence, then shows it modally; every
// guess gets a freshly loaded window, since closing it unloads it.

#include "shell/FeedbackWindow.h"

class frmPsychicCardTestResult : public FeedbackWindow<frmPsychicCardTestResult> {
public:
    frmPsychicCardTestResult();
};

// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#include "colortest/frmPsychicColorTestResult.h"

#include "shell/Look.h"

frmPsychicColorTestResult::frmPsychicColorTestResult()
    : FeedbackWindow("frmPsychicColorTestResult", QColor(192, 192, 255), look::kPaleGrey)
{}

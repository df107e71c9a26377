// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#include "symboltest/frmPsychicSymbolTestResult.h"

#include "shell/Look.h"

frmPsychicSymbolTestResult::frmPsychicSymbolTestResult()
    : FeedbackWindow("frmPsychicSymbolTestResult", QColor(255, 192, 255), look::kGrey)
{}

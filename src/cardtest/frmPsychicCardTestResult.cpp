// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#include "cardtest/frmPsychicCardTestResult.h"

#include "shell/Look.h"

frmPsychicCardTestResult::frmPsychicCardTestResult()
    : FeedbackWindow("frmPsychicCardTestResult", QColor(255, 224, 192), look::kGrey)
{}

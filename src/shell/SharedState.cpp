// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#include "shell/SharedState.h"

bool SymbolLevelChosen = false;

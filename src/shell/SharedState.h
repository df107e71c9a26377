// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// State shared between the main window and the symbol test: whether a level
// has been chosen since the symbol test was last launched.
extern bool SymbolLevelChosen;

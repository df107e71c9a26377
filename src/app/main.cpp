// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#include "app/Application.h"

int main(int argc, char* argv[])
{
    return runVeltrane(argc, argv);
}

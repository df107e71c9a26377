// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#include "shell/MdiHost.h"

namespace {
MdiHost* g_host = nullptr;
}

MdiHost::~MdiHost()
{
    if (g_host == this)
        g_host = nullptr;
}

MdiHost* MdiHost::current()
{
    return g_host;
}
void MdiHost::setCurrent(MdiHost* host)
{
    g_host = host;
}

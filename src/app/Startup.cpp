// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#include "app/Startup.h"

#include "app/frmMDI.h"
#include "platform/Platform.h"
#include "shell/modHelp.h"

#include <QPushButton>

frmMDI* startUp()
{
    if (platform::instanceLock().anotherInstanceRunning()) {
        platform::messageBoxes().information(QStringLiteral("Application is already running"));
        CloseAllAndEnd();
        return nullptr;
    }
    platform::random().seed(static_cast<quint64>(platform::clock().now().toMSecsSinceEpoch()));
    RemindOfUpdate();
    auto* window = new frmMDI;
    window->showMaximized();
    window->firstLauncher()->setFocus();

    return window;
}

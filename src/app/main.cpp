// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#include "app/Startup.h"
#include "app/StartupProbe.h"
#include "app/frmMDI.h"
#include "platform/Platform.h"
#include "shell/Look.h"

#include <QApplication>
#include <memory>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Veltrane"));
    QApplication::setApplicationName(QStringLiteral("Veltrane"));
    QApplication::setDesktopFileName(QStringLiteral("veltrane"));
    QApplication::setWindowIcon(look::appIcon());
    QApplication::setFont(look::verdana(8.25, false));
    platform::install(platform::realServices());

    std::unique_ptr<frmMDI> window(startUp());
    if (!window)
        return 0;
    installStartupProbe(window.get());
    return QApplication::exec();
}

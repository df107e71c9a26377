// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

// The yardstick of the start-up benchmark: a bare Qt program showing a
// maximised main window with an empty MDI area.
#include "StartupProbe.h"

#include <QApplication>
#include <QMainWindow>
#include <QMdiArea>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setCentralWidget(new QMdiArea);
    installStartupProbe(&window);
    window.showMaximized();
    return QApplication::exec();
}

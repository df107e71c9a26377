// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

// The text floor of the start-up benchmark: a bare Qt program that draws what
// any real program draws at start-up, a menu bar and a few word-wrapped bold
// labels, in a maximised main window.
#include "StartupProbe.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QVBoxLayout>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("&File"))->addAction(QStringLiteral("E&xit"));
    window.menuBar()->addMenu(QStringLiteral("&Help"))->addAction(QStringLiteral("&About"));
    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    QFont bold = QApplication::font();
    bold.setBold(true);
    const QString texts[] = {
        QStringLiteral("Welcome"),
        QStringLiteral("A paragraph long enough to be wrapped over more than one line, the way a welcome "
                       "text or an explanation in a real program is wrapped to the width of its window."),
        QStringLiteral("A second heading"),
        QStringLiteral("Another wrapped paragraph of ordinary words, drawn in bold like the rest, so that the "
                       "font is loaded, shaped and laid out as a real first paint needs."),
    };
    for (const QString& text : texts) {
        auto* label = new QLabel(text);
        label->setFont(bold);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignCenter);
        layout->addWidget(label);
    }
    layout->addStretch();
    window.setCentralWidget(central);
    installStartupProbe(&window);
    window.showMaximized();
    return QApplication::exec();
}

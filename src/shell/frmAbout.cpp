// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#include "shell/frmAbout.h"

#include "BuildInfo.h"
#include "shell/ClickLabel.h"
#include "shell/DialogWindows.h"
#include "shell/Look.h"
#include "shell/Widgets.h"
#include "shell/modHelp.h"

#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

namespace {
const QColor kCyan(0, 255, 255);

QLabel* whiteLabel(QWidget* parent, const QString& text, const QFont& font, const char* name)
{
    QLabel* label = makeLabel(parent, name, text, font, Qt::white);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

ClickLabel* cyanLink(QWidget* parent, const QString& text, const char* name)
{
    auto* link = new ClickLabel(text, parent);
    link->setObjectName(QString::fromLatin1(name));
    QFont font = look::verdana(8.25, false);
    font.setUnderline(true);
    link->setFont(font);
    look::setTextColor(link, kCyan);
    return link;
}
} // namespace

frmAbout::frmAbout()
{
    frameTitledDialog(this, {"frmAbout", buildinfo::kTitleWithVersion, Qt::black, 6810, 3870});

    Picture1 = new QLabel(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setPixmap(look::appIcon().pixmap(32, 32));
    Picture1->setAlignment(Qt::AlignCenter);
    Picture1->setAccessibleName(QStringLiteral("Veltrane icon"));
    twips::place(Picture1, 120, 120, 480, 480);

    Label2 = whiteLabel(this, QString::fromLatin1(buildinfo::kTitleWithVersion), look::verdana(9.75), "Label2");
    twips::place(Label2, 840, 240, 4020, 240);

    Label1 = whiteLabel(
        this,
        QStringLiteral("Veltrane is a collection of psychic color, symbol and card tests that aims to help people "
                       "improve their psychic abilities. This program will not only make your intuitive powers "
                       "stronger, but also make you more sensitive to the spiritual world."),
        look::verdana(8.25, false), "Label1");
    twips::place(Label1, 240, 720, 6465, 975);

    lblHomePage = cyanLink(this, QStringLiteral("Visit our web site for more tests."), "lblHomePage");
    twips::place(lblHomePage, 2640, 1800, 4050, 195);
    connect(lblHomePage, &ClickLabel::clicked, this, &frmAbout::lblHomePage_Click);

    Line1 = new QWidget(this);
    Line1->setObjectName(QStringLiteral("Line1"));
    look::setBackground(Line1, QColor(224, 224, 224));
    twips::place(Line1, 120, 2130, 6570, 15);

    Label3 = whiteLabel(
        this,
        QStringLiteral("Home Business Opportunity. Start your own Internet business and make money online. Get "
                       "this software fully branded for your website. "),
        look::verdana(8.25), "Label3");
    twips::place(Label3, 240, 2280, 6105, 675);

    lblCoBrand = cyanLink(this, QStringLiteral("Click here for more details."), "lblCoBrand");
    twips::place(lblCoBrand, 4320, 2880, 2355, 195);
    connect(lblCoBrand, &ClickLabel::clicked, this, &frmAbout::lblCoBrand_Click);

    cmdOK = new QPushButton(QStringLiteral("&OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setFont(look::verdana(8.25));
    look::setButtonFace(cmdOK, look::kLightGrey);
    cmdOK->setDefault(true);
    twips::place(cmdOK, 5400, 3360, 1260, 345);
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    cmdOK->setFocus(); // Enter closes it; Tab reaches the links
}

void frmAbout::showEvent(QShowEvent* event)
{
    // Centred on the screen, as the other small windows; not over the
    // main window, whose centre lies elsewhere.
    if (!event->spontaneous())
        twips::centreOnScreen(this);
    QDialog::showEvent(event);
}

void frmAbout::reject()
{
    unload();
}

void frmAbout::cmdOK_Click()
{
    unload();
}

void frmAbout::lblHomePage_Click()
{
    OpenHomePage();
}

void frmAbout::lblCoBrand_Click()
{
    OpenFullyBrandedPage();
}

// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#include "shell/StandardMenus.h"

#include "shell/ClickLabel.h"
#include "shell/DialogWindows.h"
#include "shell/Form.h"
#include "shell/frmAbout.h"
#include "shell/modHelp.h"

#include <QAction>
#include <QApplication>
#include <QMenu>

const char* const kForumBannerText = "Share your experiences in the Veltrane discussion forum. Click here to join!";
const char* const kCobrandText = "Co-brand this software for your site.  Increase loyalty and traffic to your site. "
                                 "Put your site's name &  link here. "
                                 "See \"Help\" for details.Click Here for more info on co-branding.";
const char* const kFullBrandText = "Home Business Opportunity. Start your own Internet business and make money online. "
                                   "Get this software fully branded "
                                   "for your website. Click here for more details.";

QAction* addMenuCommand(QMenu* menu, const QString& caption, const QString& name)
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    return action;
}

QMenu* buildFileMenu(QWidget* owner)
{
    auto* menu = new QMenu(QStringLiteral("&File"), owner);
    menu->setObjectName(QStringLiteral("mnuFile"));
    return menu;
}

FileCommand backCommand(std::function<void()> run)
{
    return {"&Back", "mnuFileBack", std::move(run)};
}

FileCommand exitCommand(std::function<void()> run)
{
    return {"E&xit", "mnuExit", std::move(run)};
}

QList<QAction*> MenuBar::actions() const
{
    return {mnuFile->menuAction(), help.mnuHelp->menuAction(), mkmoney};
}

QAction* MenuBar::command(const char* name) const
{
    for (QAction* action : file) {
        if (action->objectName() == QLatin1String(name))
            return action;
    }
    return nullptr;
}

MenuBar buildMenuBar(QWidget* window, const std::vector<FileCommand>& file, const HelpMenuLook& help)
{
    MenuBar bar;
    bar.mnuFile = buildFileMenu(window);
    for (const FileCommand& command : file) {
        QAction* action =
            addMenuCommand(bar.mnuFile, QString::fromUtf8(command.caption), QString::fromLatin1(command.name));
        action->setShortcut(command.shortcut);
        QObject::connect(action, &QAction::triggered, window, command.run);
        bar.file.append(action);
    }
    bar.help =
        buildHelpMenu(window, help.caption, QString::fromLatin1(help.separator1), QString::fromLatin1(help.separator2));
    bar.mkmoney = buildMakeMoneyAction(window);
    if (auto* form = dynamic_cast<FormBase*>(window))
        form->setMenuBarActions(bar.actions());
    return bar;
}

void showAbout()
{
    runModal(frmAbout::get(), QApplication::activeWindow());
}

HelpMenu buildHelpMenu(QWidget* owner, UpdateCaption caption, const QString& separator1, const QString& separator2)
{
    HelpMenu m;
    m.mnuHelp = new QMenu(QStringLiteral("&Help"), owner);
    m.mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    m.mnuOnline = addMenuCommand(m.mnuHelp, QStringLiteral("&Online Help"), QStringLiteral("mnuOnline"));
    m.mnuVisit = addMenuCommand(m.mnuHelp, QStringLiteral("&Visit Us Online"), QStringLiteral("mnuVisit"));
    m.mnuHelp->addSeparator()->setObjectName(separator1);
    m.mnuUpdate =
        addMenuCommand(m.mnuHelp,
                       caption == UpdateCaption::CheckForSoftwareUpdate ? QStringLiteral("Check for Software &Update")
                                                                        : QStringLiteral("&Check for Software Update"),
                       QStringLiteral("mnuUpdate"));
    m.mnuHelp->addSeparator()->setObjectName(separator2);
    m.mnuAbout = addMenuCommand(m.mnuHelp, QStringLiteral("&About Software"), QStringLiteral("mnuAbout"));

    QObject::connect(m.mnuOnline, &QAction::triggered, [] { OpenHelpPage(); });
    QObject::connect(m.mnuVisit, &QAction::triggered, [] { OpenHomePage(); });
    QObject::connect(m.mnuUpdate, &QAction::triggered, [] { OpenDownloadPage(); });
    QObject::connect(m.mnuAbout, &QAction::triggered, [] { showAbout(); });
    return m;
}

QAction* buildMakeMoneyAction(QWidget* owner)
{
    auto* action = new QAction(QStringLiteral("Make Money &Online"), owner);
    action->setObjectName(QStringLiteral("mkmoney"));
    action->setEnabled(false); // shown greyed; nothing ever enables it
    QObject::connect(action, &QAction::triggered, [] { OpenFullyBrandedPage(); });
    return action;
}

static ClickLabel* makeLink(QWidget* parent, const char* text, QAnyStringView name, void (*open)())
{
    auto* label = new ClickLabel(QString::fromUtf8(text), parent);
    label->setObjectName(name.toString());
    label->setWordWrap(true);
    QObject::connect(label, &ClickLabel::clicked, label, [open] { open(); });
    return label;
}

ClickLabel* makeForumLink(QWidget* parent, QAnyStringView name)
{
    return makeLink(parent, kForumBannerText, name, OpenHomePage);
}
ClickLabel* makeCobrandLink(QWidget* parent, QAnyStringView name)
{
    return makeLink(parent, kCobrandText, name, OpenCoBrandPage);
}
ClickLabel* makeFullBrandLink(QWidget* parent, QAnyStringView name)
{
    return makeLink(parent, kFullBrandText, name, OpenFullyBrandedPage);
}

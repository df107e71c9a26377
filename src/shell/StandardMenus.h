// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The pieces every window carries: the "&Help" menu, the greyed
// "Make Money &Online" item, and the three advertising link labels.

#include <QAnyStringView>
#include <QKeySequence>
#include <QList>
#include <QString>

#include <functional>
#include <vector>

class ClickLabel;
class QAction;
class QMenu;
class QWidget;

enum class UpdateCaption {
    CheckForSoftwareUpdate,    // "Check for Software &Update"
    CheckForSoftwareUpdatePlay // "&Check for Software Update" (card and color play windows)
};

struct HelpMenu {
    QMenu* mnuHelp = nullptr;
    QAction* mnuOnline = nullptr;
    QAction* mnuVisit = nullptr;
    QAction* mnuUpdate = nullptr;
    QAction* mnuAbout = nullptr;
};

// The "&Help" menu with its commands bound; the separators get the names
// the window uses for them.
HelpMenu buildHelpMenu(QWidget* owner, UpdateCaption caption, const QString& separator1, const QString& separator2);

// The top-level item that can never be chosen.
QAction* buildMakeMoneyAction(QWidget* owner);

// A "&File" menu owned by the window.
QMenu* buildFileMenu(QWidget* owner);
// A menu command with its mnemonic caption and object name.
QAction* addMenuCommand(QMenu* menu, const QString& caption, const QString& name);

// One command of a window's File menu.
struct FileCommand {
    const char* caption;
    const char* name;
    std::function<void()> run;
    QKeySequence shortcut = {};
};
// The File commands several windows share.
FileCommand backCommand(std::function<void()> run); // "&Back" (mnuFileBack)
FileCommand exitCommand(std::function<void()> run); // "E&xit" (mnuExit)

struct MenuBar {
    QMenu* mnuFile = nullptr;
    QList<QAction*> file; // the File commands, in order
    HelpMenu help;
    QAction* mkmoney = nullptr;

    // What the main window's menu bar shows for the window.
    QList<QAction*> actions() const;
    // The File command of that object name (mnuExit, mnuFileBack, ...), or null.
    QAction* command(const char* name) const;
};

// How a window's Help menu differs: the update command's caption and the
// names of its two separators. Most windows have the default.
struct HelpMenuLook {
    UpdateCaption caption = UpdateCaption::CheckForSoftwareUpdate;
    const char* separator1 = "mnuHelp1";
    const char* separator2 = "mnuHelp2";
};
// The Help menu of the card and color play windows.
inline constexpr HelpMenuLook kPlayWindowHelp{UpdateCaption::CheckForSoftwareUpdatePlay, "mnuFileSep1", "mnuFileSep2"};

// The menu bar of a window: "&File" with its commands, then "&Help", then
// "Make Money &Online". A test window shows it while it is the active one.
MenuBar buildMenuBar(QWidget* window, const std::vector<FileCommand>& file, const HelpMenuLook& help = {});

// Shows the About window modally.
void showAbout();

// The standard link labels, word-wrapped and bound to their pages; a test
// window names them Label61, lblCobrand and lblFullBrand.
ClickLabel* makeForumLink(QWidget* parent, QAnyStringView name);     // forum banner: home page
ClickLabel* makeCobrandLink(QWidget* parent, QAnyStringView name);   // co-brand page
ClickLabel* makeFullBrandLink(QWidget* parent, QAnyStringView name); // fully-branded page

extern const char* const kForumBannerText;
extern const char* const kCobrandText;
extern const char* const kFullBrandText;

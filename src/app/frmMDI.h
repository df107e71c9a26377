// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The main window: the bars with the launchers, the welcome panel, and the
// client area that hosts the tests' windows.

#include "shell/MdiHost.h"
#include "shell/StandardMenus.h"

#include <QMainWindow>
#include <QPointer>
#include <vector>

class ClickLabel;
class QFrame;
class Panel;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QPushButton;

class frmMDI : public QMainWindow, public MdiHost {
    Q_OBJECT
public:
    frmMDI();
    ~frmMDI() override;

    // MdiHost
    QMdiSubWindow* adopt(QWidget* window) override;

    // The welcome panel shows whenever no test window is open: the main
    // window follows its test windows' showing and hiding.
    bool isWelcomePanelVisible() const;

    Panel* Picture6;
    ClickLabel* lblQuorvaneBanner;
    QWidget* Picture1;
    QWidget* picButtonContainer;
    // By launcher index, as the test catalogue numbers them; the screen
    // shows them in catalogue order, each with its icon.
    std::vector<QPushButton*> cmdSelectOption;
    Panel* picMain;
    // 0 to 2 plain welcome text, then one link per test.
    std::vector<ClickLabel*> lblCaption;
    QFrame* PicCoBrand;
    QPushButton* cmdMdiExit;
    ClickLabel* Label7;
    QMdiArea* mdiArea;

    // The window's menus; its File commands go by their object names.
    MenuBar menus;

    // The leftmost launcher: where the keyboard starts.
    QPushButton* firstLauncher() const;

    void cmdSelectOption_Click(int index);
    void lblCaption_Click(int index);

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void MDIForm_Load();
    void MDIForm_Unload();
    void lblCaption_MouseMove(int index);
    void picMain_MouseMove();
    void cmdMdiExit_Click();
    void mnuExit_Click();

    void buildBars();
    void buildWelcomePanel();
    void fitWelcomePanel();
    void buildMenus();
    void onSubWindowActivated(QMdiSubWindow* window);
    void updateMenuBar();
    void setOwnShortcutsEnabled(bool enabled);
    void buildWindowSwitching();
    void scheduleMenuUpdate();
    void followTestWindows();
    void setWelcomePanelVisible(bool visible);
    void focusLaunchersIfFocusIsLost();

    QPointer<QMdiSubWindow> m_lastActivated;
    bool m_menuUpdatePending = false;
};

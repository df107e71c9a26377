// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// Window lifetime as the program sees it: a window is created on first
// reference (`get()`), destroyed when it is unloaded, and hiding keeps it and
// its state. Test windows live inside the main window as MDI children; the
// small result, option and About windows are top-level modal dialogs.

#include "shell/MdiHost.h"

#include <QApplication>
#include <QCloseEvent>
#include <QColor>
#include <QDialog>
#include <QList>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QStringList>
#include <QWidget>

#include <type_traits>

class QAction;
class QMenu;

// A window's frame: its object name, its title, the colour behind its
// controls and its fixed size in twips.
struct WindowFrame {
    const char* name;
    const char* title;
    QColor background;
    double width;
    double height;
};
void setWindowFrame(QWidget* window, const WindowFrame& frame);

// What every window shares, whatever its class.
class FormBase {
public:
    virtual ~FormBase();

    // Runs the window's Form_Unload, then destroys it. Safe to call from one
    // of the window's own handlers: the object goes away once control is
    // back in the event loop, and a new reference creates a fresh window.
    virtual void unload() = 0;

    // Runs each time the window becomes the active child of the main window.
    virtual void Form_Activate() {}

    // The menus this window shows in the main window's menu bar while it is
    // the active child (empty for windows without a menu bar).
    const QList<QAction*>& menuBarActions() const { return m_menuBar; }
    void setMenuBarActions(const QList<QAction*>& actions) { m_menuBar = actions; }

    // Every loaded window, in the order it was loaded.
    static QList<FormBase*> loadedForms();

    // The window `widget` is part of, if it is one of the program's windows.
    static FormBase* of(QWidget* widget);

    // While one lives, its window stays loaded: a guess or a modal window
    // runs on it, and its handler carries on once that is over. An unload
    // asked for meanwhile (a close, a signal, another handler) is carried
    // out when the last one goes.
    class KeepLoaded {
    public:
        explicit KeepLoaded(QWidget* widget);
        ~KeepLoaded();
        KeepLoaded(const KeepLoaded&) = delete;
        KeepLoaded& operator=(const KeepLoaded&) = delete;

    private:
        QPointer<QWidget> m_window;
        FormBase* m_form;
    };

    // Gives the focus to the front one of the visible child windows, once
    // the one that had it is hidden, so it never stays with a hidden control.
    static void activateFrontSubWindow(QMdiArea* area);

protected:
    // What a kind of window does once the window is built: before its
    // Form_Load (with all its controls in place) and after it (in its place).
    virtual void afterBuild() {}
    virtual void afterLoad() {}

    void addMenuBarMenu(QMenu* menu);
    void registerLoaded();
    // Whether an unload must wait because the window is kept loaded; the
    // unload is then remembered.
    bool unloadLater();
    void unregisterLoaded();

private:
    QList<QAction*> m_menuBar;
    int m_kept = 0;
    bool m_unloadAsked = false;
};

// Moves the focus to the next (or previous) control of an MDI child that
// takes the focus with Tab, wrapping round inside it. Left to Qt, the wrap
// passes through the child's frame, which screen readers then announce as
// focused while a control has the focus.
bool tabWithin(QWidget* form, bool next);

// The controls of a window that Tab reaches, in the order a reader scans
// the screen: panel by panel, and inside each in rows from top to bottom,
// each row from left to right.
QList<QWidget*> screenOrder(QWidget* form);
// Chains the Tab order of the window's controls in screen order.
void orderTabByScreen(QWidget* form);

// The Alt keys of a window that more than one thing answers: two of its
// shown controls, or a control and a title of the menu bar it shows (Alt+H
// of a "&Heads" button and of "&Help"). Of a clash only one wins, or none,
// silently; each line names the key and the two.
QStringList mnemonicClashes(QWidget* form);

template <typename T, typename Widget>
class Form : public Widget, public FormBase {
    static_assert(std::is_base_of_v<QWidget, Widget>);
    static constexpr bool kDialog = std::is_base_of_v<QDialog, Widget>;

public:
    // The window, created and loaded if it is not loaded yet.
    static T& get()
    {
        if (!s_instance) {
            T* form = new T();
            s_instance = form;
            form->registerLoaded();
            static_cast<Form*>(form)->attach();
            static_cast<Form*>(form)->afterBuild();
            static_cast<Form*>(form)->Form_Load();
            if (s_instance == form)
                static_cast<Form*>(form)->afterLoad();
        }
        return *s_instance;
    }
    static T* ifLoaded() { return s_instance; }
    static bool isLoaded() { return s_instance != nullptr; }
    static void unloadIfLoaded()
    {
        if (s_instance)
            s_instance->unload();
    }
    // How a test's first window opens from the main window: shown first,
    // then placed centred across the screen at the top of the client area.
    static void openPlaced()
    {
        T& window = get();
        window.showWindow();
        window.placeCentredAtTop();
    }

    void unload() override
    {
        if (s_instance != this)
            return; // already unloaded
        if (unloadLater())
            return;
        Form_Unload();
        s_instance = nullptr;
        unregisterLoaded();
        detach();
    }

    // MDI children: make the window visible and the active child.
    void showWindow()
    {
        if constexpr (kDialog) {
            this->show();
        } else if (m_sub) {
            m_sub->show();
            m_sub->raise();
            if (QMdiArea* area = m_sub->mdiArea())
                area->setActiveSubWindow(m_sub);
        }
    }
    void hideWindow()
    {
        if constexpr (kDialog) {
            this->hide();
        } else if (m_sub) {
            const bool hadFocus = m_sub->isAncestorOf(QApplication::focusWidget());
            m_sub->hide();
            if (hadFocus)
                activateFrontSubWindow(m_sub->mdiArea());
        }
    }
    bool isWindowVisible() const
    {
        if constexpr (kDialog)
            return this->isVisible();
        else
            return m_sub && m_sub->isVisible();
    }

    // Outer size of the window, frame included, in twips.
    double windowWidthTwips() const { return twips::fromPixels(frameWidget()->frameGeometry().width()); }
    // Moves the window's outer frame; MDI children within the client area.
    void moveTwips(double left, double top) { twips::move(frameWidget(), left, top); }
    // The usual placement: centred across the screen, at the top.
    void placeCentredAtTop() { moveTwips(twips::centredLeft(twips::screenWidth(), windowWidthTwips()), 0); }

    QMdiSubWindow* subWindow() const { return m_sub; }

    // An MDI child is seen through its sub-window: showing the window shows
    // that too, however it is asked for, never the window alone inside a
    // hidden frame.
    void setVisible(bool visible) override
    {
        Widget::setVisible(visible);
        if constexpr (!kDialog) {
            if (visible && m_sub && !m_sub->isVisible())
                showWindow();
        }
    }

protected:
    Form() = default;
    ~Form() override
    {
        if (s_instance == this) { // destroyed without an unload (owner gone)
            s_instance = nullptr;
            unregisterLoaded();
        }
    }

    virtual void Form_Load() {}
    virtual void Form_Unload() {}

    // Tab and Shift+Tab go round this window's own controls.
    bool focusNextPrevChild(bool next) override
    {
        if constexpr (kDialog)
            return Widget::focusNextPrevChild(next);
        else
            return tabWithin(this, next);
    }

    // Closing by the window's own close box (or Alt+F4) unloads it.
    void closeEvent(QCloseEvent* event) override
    {
        event->ignore();
        unload();
    }

private:
    QWidget* frameWidget() const
    {
        if constexpr (kDialog)
            return const_cast<Form*>(this);
        else
            return m_sub ? static_cast<QWidget*>(m_sub) : const_cast<Form*>(this);
    }

    void attach()
    {
        if constexpr (!kDialog) {
            if (MdiHost* host = MdiHost::current())
                m_sub = host->adopt(this);
        }
    }

    void detach()
    {
        if constexpr (kDialog) {
            if (this->isVisible())
                this->done(QDialog::Rejected); // ends a running exec()
            this->hide();
            this->deleteLater();
        } else {
            if (m_sub) {
                m_sub->hide();
                m_sub->deleteLater(); // takes the window with it
            } else {
                this->hide();
                this->deleteLater();
            }
        }
    }

    QPointer<QMdiSubWindow> m_sub;
    static inline T* s_instance = nullptr;
};

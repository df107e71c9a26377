// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// What the program's small modal windows (About, the symbol option dialog,
// the feedback windows, the message boxes) share: how they are run, and
// what they ask of the window manager.

#include <QList>
#include <QPointer>
#include <Qt>

class QDialog;
class QObject;
class QWidget;
struct WindowFrame;

// A dialog with a title bar and a close box, and no minimise or maximise
// buttons.
constexpr Qt::WindowFlags kTitledDialogFlags =
    Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;

// Some window managers offer to minimise any window, whatever it asks for
// (openbox ignores the hint). A modal window minimised would leave the
// program blocked with nothing to answer on screen, so it comes straight back.
void keepFromMinimising(QWidget* window);

// A small titled window of the program: its frame, the program's icon, a
// title bar with the close box only, and never minimised.
void frameTitledDialog(QDialog* dialog, const WindowFrame& frame);

// While one lives, only `window` reacts to the user, and with none given no
// window does. Every kind of input meant for anything else is dropped: keys,
// the shortcuts and mnemonics they make, clicks, the wheel, touch, context
// menus, also on menus and the menu bar. And the controls of every other
// window (buttons, clickable labels, menu commands, shortcuts) do not act
// when something presses them without input, as a screen reader's press
// does. Scopes nest; the innermost decides. A guess runs inside one from its
// click until its feedback window closes, and every modal window inside one.
class OnlyWindowActs {
public:
    explicit OnlyWindowActs(QWidget* window);
    ~OnlyWindowActs();
    OnlyWindowActs(const OnlyWindowActs&) = delete;
    OnlyWindowActs& operator=(const OnlyWindowActs&) = delete;

private:
    QPointer<QWidget> m_window;
    QList<QPointer<QObject>> m_silenced;
};

// Runs `dialog` modally over the window of `owner` (none at start-up):
// centred on the screen with its frame, never left minimised, the only
// window that reacts while it is open, and the owner's window not unloaded
// under it (an unload asked for meanwhile is carried out once it is closed).
// The dialog's result goes to `result`. Returns whether the owner's window
// is still loaded, so the handler that opened the dialog knows whether it
// may go on with it.
bool runModal(QDialog& dialog, QWidget* owner, int* result = nullptr);

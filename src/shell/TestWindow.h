// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// A test's window inside the main window (a home or a play window). It
// states what is its own: its frame, its controls, its Exit button's look
// and place, its File commands, the buttons Enter and Esc press, and the
// control the focus rests on. The rest every test window does alike: it is
// placed centred at the top when it loads, its controls take Tab in the
// order they stand on the screen, Exit and "E&xit" unload it, and it opens
// with the focus on its resting control.

#include "shell/Form.h"
#include "shell/GuessRunner.h"
#include "shell/StandardMenus.h"
#include "shell/Widgets.h"

#include <QFont>
#include <QPushButton>
#include <QString>

#include <initializer_list>
#include <vector>

template <typename T>
class TestWindow : public Form<T, QWidget> {
public:
    QPushButton* cmdExit = nullptr;

    // The window's menus; its File commands go by their object names.
    MenuBar menus;

    void cmdExit_Click() { this->unload(); }
    void mnuExit_Click() { cmdExit_Click(); }

protected:
    explicit TestWindow(const WindowFrame& frame) { setWindowFrame(this, frame); }

    // The Exit button in the window's type and face; the caller places it.
    QPushButton* makeExit(QWidget* parent, const QFont& font, const QColor& face)
    {
        cmdExit = makeButton(parent, "cmdExit", QStringLiteral("&Exit"), font, face);
        QObject::connect(cmdExit, &QPushButton::clicked, this, [this] { cmdExit_Click(); });
        return cmdExit;
    }

    // The menu bar: the window's own File commands, then "E&xit"; `help`
    // where its Help menu is not the usual one.
    void buildMenus(std::initializer_list<FileCommand> own, const HelpMenuLook& help = {})
    {
        std::vector<FileCommand> file(own);
        file.push_back(exitCommand([this] { mnuExit_Click(); }));
        menus = buildMenuBar(this, file, help);
    }

    // The buttons Enter and Esc press where no control takes the key (see
    // bindWindowKeys); none by default.
    void setWindowKeys(QPushButton* enter, QPushButton* esc)
    {
        m_enter = enter;
        m_esc = esc;
    }

    // Controls that take Tab one after the other wherever they stand: the
    // screen order decides the rest.
    void chainTab(std::initializer_list<QWidget*> chain) { m_chains.emplace_back(chain); }

    // Where the focus rests as the window opens: never one of its choices,
    // which Enter would guess with. Exit unless the window says otherwise.
    virtual QWidget* restingFocus() const { return cmdExit; }

private:
    void afterBuild() override
    {
        orderTabByScreen(this);
        for (const std::vector<QWidget*>& chain : m_chains) {
            for (std::size_t i = 1; i < chain.size(); ++i)
                QWidget::setTabOrder(chain[i - 1], chain[i]);
        }
        bindWindowKeys(this, m_enter, m_esc);
    }

    void afterLoad() override
    {
        this->placeCentredAtTop();
        // Now that the window has its place in the main window.
        QWidget* rest = restingFocus();
        Q_ASSERT_X(!GuessRunner::isChoice(rest), "TestWindow", "a window opens with no choice focused");
        if (rest)
            rest->setFocus();
        for (const QString& clash : mnemonicClashes(this))
            qWarning("Alt key clash in %s, %s", qPrintable(this->objectName()), qPrintable(clash));
    }

    QPushButton* m_enter = nullptr;
    QPushButton* m_esc = nullptr;
    std::vector<std::vector<QWidget*>> m_chains;
};

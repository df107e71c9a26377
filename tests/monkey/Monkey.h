// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// A seeded monkey: step after step it picks something a user could do in
// the window in front (a visible, enabled, uncovered control, a menu command,
// a key, a pointer movement, a close box) and does it, answering modal
// windows as a user would. After every step it checks the program's
// invariants. Failures carry the seed and the last steps, to replay them.

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <functional>
#include <memory>
#include <random>

class FakePlatform;
class QEventLoop;
class QWidget;
class frmMDI;

class Monkey : public QObject {
public:
    Monkey(quint64 seed, int steps);
    ~Monkey() override;

    // Runs all the steps; returns false with failure() set on the first
    // broken invariant.
    bool run();

    QString failure() const { return m_failure; }
    QString coverageReport() const;
    QStringList windowsReached() const { return m_windows.keys(); }
    int restarts() const { return m_restarts; }

private:
    struct Action {
        QString name;
        std::function<void()> act;
        bool endsProgram = false;
    };

    void tick();
    void step();
    void unwind();
    QList<Action> actionsIn(QWidget* window);
    void addControlActions(QWidget* root, QList<Action>& actions);
    void addMenuActions(QList<Action>& actions);
    void duringThePause();
    void checkInvariants(const QString& after);
    void noteWindows();
    void fail(const QString& why);
    void restartProgram();

    quint64 m_seed;
    int m_steps;
    int m_done = 0;
    bool m_unwinding = false;
    bool m_finished = false;
    int m_restarts = 0;
    int m_lastEnds = 0;
    bool m_endAsked = false; // an end was asked for and has not come yet
    std::mt19937_64 m_pick;
    std::unique_ptr<FakePlatform> m_fake;
    std::unique_ptr<frmMDI> m_main;
    QEventLoop* m_loop = nullptr;
    QStringList m_recent;
    QString m_failure;
    QHash<QString, int> m_windows;
    QHash<QString, int> m_handlers;
};

// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#include "support/MainWindowFixture.h"

#include "app/Startup.h"
#include "shell/modHelp.h"
#include "support/Modal.h"

#include <QTest>

void MainWindowFixture::useFakeDesktop()
{
    fake = std::make_unique<FakePlatform>();
}

void MainWindowFixture::startMainWindow()
{
    mdi.reset(startUp());
    QVERIFY(mdi);
    QVERIFY(QTest::qWaitForWindowExposed(mdi.get()));
}

void MainWindowFixture::showMainWindow()
{
    mdi = std::make_unique<frmMDI>();
    mdi->show();
    QVERIFY(QTest::qWaitForWindowExposed(mdi.get()));
}

void MainWindowFixture::endMainWindow()
{
    CloseAllAndEnd();
    mdi.reset();
    const QList<QWidget*> left = modal::leftoverTopLevels();
    fake.reset();
    QVERIFY2(left.isEmpty(), "a window outlived its test");
}

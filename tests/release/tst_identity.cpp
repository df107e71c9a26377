// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

// The build's identity reaches the program: the pages open on the site the
// build was configured for (a branded build opens its own), and the desktop
// file, metainfo, settings and version all carry the one application id.
#include "app/Application.h"
#include "shell/modHelp.h"

#include <QFile>
#include <QGuiApplication>
#include <QTest>
#include <QUrlQuery>

class tst_identity : public QObject {
    Q_OBJECT
private slots:
    void pagesOpenOnTheConfiguredSite()
    {
        const QUrl url = pageAddress(QStringLiteral("help-web-page"));
        QCOMPARE(url.scheme(), QStringLiteral("https"));
        QCOMPARE(url.host(), QStringLiteral(EXPECTED_SITE_HOST));
        QCOMPARE(url.path(), QStringLiteral("/sorvek-suite/ssd.php"));
        QCOMPARE(QUrlQuery(url).queryItemValue(QStringLiteral("page")), QStringLiteral("help-web-page"));
    }

    void oneApplicationIdEverywhere()
    {
        setApplicationIdentity();
        const QString id = QStringLiteral(EXPECTED_APP_ID);
        QCOMPARE(QGuiApplication::desktopFileName(), id);
        QCOMPARE(QCoreApplication::organizationName(), id);
        QCOMPARE(QCoreApplication::applicationVersion(), QStringLiteral(EXPECTED_VERSION));

        QFile desktop(QStringLiteral(DATA_DIR "/") + id + QStringLiteral(".desktop"));
        QVERIFY2(desktop.open(QIODevice::ReadOnly), qPrintable(desktop.fileName()));
        QVERIFY(desktop.readAll().contains("\nIcon=" + id.toUtf8() + '\n'));
        QFile metainfo(QStringLiteral(DATA_DIR "/") + id + QStringLiteral(".metainfo.xml"));
        QVERIFY2(metainfo.open(QIODevice::ReadOnly), qPrintable(metainfo.fileName()));
        const QByteArray xml = metainfo.readAll();
        QVERIFY(xml.contains("<id>" + id.toUtf8() + "</id>"));
        QVERIFY(xml.contains(">" + id.toUtf8() + ".desktop</launchable>"));
        QVERIFY(xml.contains("<url type=\"homepage\">https://" EXPECTED_SITE_HOST "/"));
    }
};

QTEST_GUILESS_MAIN(tst_identity)
#include "tst_identity.moc"

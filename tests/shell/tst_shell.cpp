// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

// The shared commands: page addresses, the update reminder, the Help menu,
// the About window, twips arithmetic and the window lifetime mechanism.
#include "BuildInfo.h"
#include "shell/ClickLabel.h"
#include "shell/DialogWindows.h"
#include "shell/Feedback.h"
#include "shell/Form.h"
#include "shell/GuessRunner.h"
#include "shell/LinkBars.h"
#include "shell/StandardMenus.h"
#include "shell/Twips.h"
#include "shell/Widgets.h"
#include "shell/frmAbout.h"
#include "shell/modHelp.h"
#include "support/FakePlatform.h"
#include "support/Modal.h"

#include <QAccessible>
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QUrlQuery>

#include <memory>

namespace {

// A window for exercising the lifetime mechanism on its own.
class frmProbe : public Form<frmProbe, QDialog> {
public:
    frmProbe()
    {
        cmdClose = new QPushButton(QStringLiteral("Close"), this);
        cmdClose->setObjectName(QStringLiteral("cmdClose"));
        connect(cmdClose, &QPushButton::clicked, this, [this] {
            unload();
            // Handlers go on after unloading their own window.
            ++afterUnload;
        });
    }
    QPushButton* cmdClose;
    static inline int loads = 0;
    static inline int unloads = 0;
    static inline int afterUnload = 0;

protected:
    void Form_Load() override { ++loads; }
    void Form_Unload() override { ++unloads; }
};

class frmOther : public Form<frmOther, QDialog> {};

// A play window with one choice, for the guess runner on its own.
class frmGuessProbe : public Form<frmGuessProbe, QDialog> {
public:
    frmGuessProbe()
    {
        cmdChoice = new QPushButton(QStringLiteral("Choice"), this);
        cmdOther = new QPushButton(QStringLiteral("Other"), this);
        cmdOther->move(0, 40);
        wait = new PleaseWaitPanel(this);
        wait->hide();
        GuessRunner::addChoice(cmdChoice);
        runner = std::make_unique<GuessRunner>(this, wait, nullptr, [this](QWidget* owner, bool right, const QString&) {
            steps << (right ? "feedback right" : "feedback wrong");
            QMessageBox box(this);
            box.setObjectName(QStringLiteral("feedback"));
            box.addButton(QMessageBox::Ok);
            runModal(box, owner);
        });
        connect(cmdChoice, &QPushButton::clicked, this, [this] { guess(); });
        connect(cmdOther, &QPushButton::clicked, this, [this] { steps << "other"; });
    }
    void guess()
    {
        runner->run(cmdChoice, {[this] { return steps << "draw", 1; }, nullptr,
                                [this](int) { return steps << "judge", true; }, [this](bool) { steps << "count"; }});
    }
    QPushButton* cmdChoice;
    QPushButton* cmdOther;
    PleaseWaitPanel* wait;
    std::unique_ptr<GuessRunner> runner;
    QStringList steps;

protected:
    void Form_Unload() override { steps << "unload"; }
};

} // namespace

class TestShell : public QObject {
    Q_OBJECT

    std::unique_ptr<FakePlatform> fake;

private slots:
    void init() { fake = std::make_unique<FakePlatform>(); }
    void cleanup()
    {
        frmAbout::unloadIfLoaded();
        frmProbe::unloadIfLoaded();
        frmOther::unloadIfLoaded();
        frmGuessProbe::unloadIfLoaded();
        QVERIFY(modal::leftoverTopLevels().isEmpty());
        fake.reset();
    }

    void pageOpenersUseOneAddressForm()
    {
        OpenHomePage();
        OpenHelpPage();
        OpenDownloadPage();
        OpenCoBrandPage();
        OpenFullyBrandedPage();
        QCOMPARE(fake->browser->pageKeys(),
                 QStringList({"home-page", "help-web-page", "download-web-page", "co-brand", "fully-branded"}));
        const QUrl url = fake->browser->opened.first();
        QCOMPARE(url.path(), QStringLiteral("/sorvek-suite/ssd.php"));
        QCOMPARE(url.query(), QStringLiteral("page=home-page"));
        QCOMPARE(url.toString(), QString::fromLatin1(kWebSiteHost) + "/sorvek-suite/ssd.php?page=home-page");
    }

    void reminderDecision_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("expected");
        const QDate today(2026, 12, 7);
        auto at = [&](int days) { return durationText(QDateTime(today.addDays(days), QTime(23, 59))); };
        const int store = int(ReminderAction::StoreSilently), silent = int(ReminderAction::StaySilent),
                  ask = int(ReminderAction::Ask);
        QTest::newRow("never set") << QString() << store;
        QTest::newRow("not a date") << QStringLiteral("next tuesday") << store;
        QTest::newRow("blank") << QStringLiteral("   ") << store;
        QTest::newRow("today") << at(0) << silent;
        QTest::newRow("14 days ago") << at(-14) << silent;
        QTest::newRow("15 days ago") << at(-15) << ask;
        QTest::newRow("14 days ahead") << at(14) << silent;
        QTest::newRow("15 days ahead, clock set back") << at(15) << ask;
        QTest::newRow("date only") << today.addDays(-20).toString(Qt::ISODate) << ask;
        QTest::newRow("year 1") << QStringLiteral("0001-01-01T00:00:00") << ask;
        QTest::newRow("year 9999") << QStringLiteral("9999-12-31T23:59:59") << ask;
    }
    void reminderDecision()
    {
        QFETCH(QString, stored);
        QFETCH(int, expected);
        QCOMPARE(int(reminderAction(stored, QDate(2026, 12, 7))), expected);
    }

    void firstRunStoresTheDateWithoutAsking()
    {
        RemindOfUpdate();
        QVERIFY(fake->messageBoxes->shown.isEmpty());
        QCOMPARE(fake->settings->values.value("Settings/Duration"), fake->clock->when.toString(Qt::ISODate));
        QCOMPARE(QDateTime::fromString(fake->settings->values.value("Settings/Duration"), Qt::ISODate),
                 fake->clock->when);
    }

    void unreadableDateIsTreatedAsNeverSet()
    {
        fake->settings->values.insert("Settings/Duration", "@ByteArray(garbage)");
        RemindOfUpdate();
        QVERIFY(fake->messageBoxes->shown.isEmpty());
        QCOMPARE(fake->settings->values.value("Settings/Duration"), fake->clock->when.toString(Qt::ISODate));
    }

    void dueReminderAsksOnceAndYesOpensTheDownloadPage()
    {
        fake->settings->values.insert("Settings/Duration", durationText(fake->clock->when.addDays(-15)));
        fake->messageBoxes->answers = {true};
        RemindOfUpdate();
        QCOMPARE(fake->messageBoxes->shown.size(), 1);
        QCOMPARE(fake->messageBoxes->shown[0].kind, QStringLiteral("question"));
        QCOMPARE(
            fake->messageBoxes->shown[0].text,
            QStringLiteral("There maybe an update to this software available\nDo you want to check for an update?"));
        QCOMPARE(fake->browser->pageKeys(), QStringList{"download-web-page"});
        QCOMPARE(fake->settings->values.value("Settings/Duration"), fake->clock->when.toString(Qt::ISODate));

        // The home windows run the reminder again in the same run: silent.
        RemindOfUpdate();
        QCOMPARE(fake->messageBoxes->shown.size(), 1);
    }

    // A prompt left open over midnight: the date stored is that of the
    // answer, so the reminder does not come back the next day.
    void theAnswersTimeIsStored()
    {
        fake->settings->values.insert("Settings/Duration", durationText(fake->clock->when.addDays(-20)));
        const QDateTime answered = fake->clock->when.addSecs(15 * 3600);
        fake->messageBoxes->whileAsking = [&] { fake->clock->when = answered; };
        RemindOfUpdate();
        QCOMPARE(fake->messageBoxes->shown.size(), 1);
        QVERIFY2(fake->settings->values.value("Settings/Duration") == answered.toString(Qt::ISODate),
                 "the time of the prompt was stored, not that of the answer");
    }

    void noStillStoresTheDateAndOpensNothing()
    {
        fake->settings->values.insert("Settings/Duration", durationText(fake->clock->when.addDays(15)));
        fake->messageBoxes->answers = {false};
        RemindOfUpdate();
        QCOMPARE(fake->messageBoxes->shown.size(), 1);
        QVERIFY(fake->browser->opened.isEmpty());
        QCOMPARE(fake->settings->values.value("Settings/Duration"), fake->clock->when.toString(Qt::ISODate));
    }

    void twipsArithmetic()
    {
        QCOMPARE(twips::centredLeft(19200, 11880), 3660.0);
        QCOMPARE(twips::rightAlignedLeft(19200, 1335, 120), 17745.0);
        QCOMPARE(twips::centredLeft(19200, 20000), -400.0);
        QCOMPARE(twips::centredLeft(19215, 11880), 3667.5); // halves are kept
        QCOMPARE(twips::toPixels(1335), 89);
        // Neighbours converted edge by edge stay flush.
        const QRect a = twips::toPixelRect(1920, 2160, 1065, 1440);
        const QRect b = twips::toPixelRect(1920 + 1065, 2160, 1065, 1440);
        QCOMPARE(a.right() + 1, b.left());
    }

    // An Alt key answered by two things of a window is found: a control and
    // a menu title, or two controls; one on a hidden panel answers nothing.
    void mnemonicClashesAreFound_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("hidden");
        QTest::addColumn<QString>("clash");
        QTest::newRow("a menu title") << "&Heads" << false << "Alt+H: the menu &Help and cmdProbe";
        QTest::newRow("another control") << "&Exit" << false << "Alt+E: cmdExit and cmdProbe";
        QTest::newRow("on a hidden panel") << "&Heads" << true << QString();
        QTest::newRow("a letter of its own") << "He&ads" << false << QString();
    }
    void mnemonicClashesAreFound()
    {
        QFETCH(QString, caption);
        QFETCH(bool, hidden);
        QFETCH(QString, clash);
        frmOther& window = frmOther::get();
        buildMenuBar(&window, {exitCommand([] {})});
        makeButton(&window, "cmdExit", QStringLiteral("&Exit"), QFont(), Qt::gray);
        auto* panel = new QWidget(&window);
        makeButton(panel, "cmdProbe", caption, QFont(), Qt::gray);
        panel->setHidden(hidden);
        QCOMPARE(mnemonicClashes(&window), clash.isEmpty() ? QStringList() : QStringList{clash});
    }

    void helpMenuIsLaidOutAndBound()
    {
        QWidget owner;
        HelpMenu help = buildHelpMenu(&owner, UpdateCaption::CheckForSoftwareUpdatePlay, "mnuFileSep1", "mnuFileSep2");
        QStringList items;
        for (QAction* a : help.mnuHelp->actions())
            items << (a->isSeparator() ? "-" + a->objectName() : a->text());
        QCOMPARE(help.mnuHelp->title(), QStringLiteral("&Help"));
        QCOMPARE(items, QStringList({"&Online Help", "&Visit Us Online", "-mnuFileSep1", "&Check for Software Update",
                                     "-mnuFileSep2", "&About Software"}));
        help.mnuOnline->trigger();
        help.mnuVisit->trigger();
        help.mnuUpdate->trigger();
        QCOMPARE(fake->browser->pageKeys(), QStringList({"help-web-page", "home-page", "download-web-page"}));
        QVERIFY(fake->messageBoxes->shown.isEmpty()); // the update command never asks
        QVERIFY(fake->settings->values.isEmpty());    // nor touches the stored date

        const modal::Answer answer(QStringLiteral("cmdOK"));
        help.mnuAbout->trigger();
        QVERIFY(!frmAbout::isLoaded());

        QAction* money = buildMakeMoneyAction(&owner);
        QCOMPARE(money->text(), QStringLiteral("Make Money &Online"));
        QVERIFY(!money->isEnabled());
    }

    void linkBarsOpenTheirPages()
    {
        QWidget owner;
        const LinkBar top = buildLinkBar(&owner, bannerBar("Frame2", Qt::white, QRectF(0, 0, 3000, 600)));
        const LinkBar bottom = buildLinkBar(&owner, {"Frame5",
                                                     Qt::white,
                                                     QRectF(0, 600, 3000, 1200),
                                                     {{BrandLink::Cobrand, QRectF(0, 0, 3000, 600)},
                                                      {BrandLink::FullBrand, QRectF(0, 600, 3000, 600)}}});
        ClickLabel* links[] = {top.Label61, bottom.lblCobrand, bottom.lblFullBrand};
        owner.show();
        for (ClickLabel* link : links)
            QTest::mouseClick(link, Qt::LeftButton);
        QCOMPARE(fake->browser->pageKeys(), QStringList({"home-page", "co-brand", "fully-branded"}));
        QCOMPARE(QStringList({links[0]->objectName(), links[1]->objectName(), links[2]->objectName()}),
                 QStringList({"Label61", "lblCobrand", "lblFullBrand"}));
        QCOMPARE(top.Label61->geometry(), QRect(8, 4, 184, 32)); // the banner's margin
        QVERIFY(
            links[1]->text().contains(QStringLiteral("site's name &  link here. See \"Help\" for details.Click Here")));
        // Keyboard users reach the links with Tab and open them with Enter.
        links[2]->setFocus();
        QTest::keyClick(links[2], Qt::Key_Return);
        QCOMPARE(fake->browser->pageKeys().last(), QStringLiteral("fully-branded"));
    }

    void aboutWindowShowsItsTextsAndLinks()
    {
        frmAbout& about = frmAbout::get();
        QCOMPARE(about.windowTitle(), QStringLiteral("Veltrane v") + QLatin1String(buildinfo::kVersion));
        QCOMPARE(about.Label2->text(), QStringLiteral("Veltrane v") + QLatin1String(buildinfo::kVersion));
        QVERIFY(about.Label1->text().startsWith(
            QStringLiteral("Veltrane is a collection of psychic color, symbol and card tests")));
        QCOMPARE(about.lblCoBrand->text(), QStringLiteral("Click here for more details."));
        QCOMPARE(about.size(), QSize(454, 258));

        const modal::Answer answer(QStringLiteral("cmdOK"), [](QWidget* w) {
            auto* about = static_cast<frmAbout*>(w);
            QTest::mouseClick(about->lblCoBrand, Qt::LeftButton);
            QTest::mouseClick(about->lblHomePage, Qt::LeftButton);
        });
        about.exec();
        QCOMPARE(fake->browser->pageKeys(), QStringList({"fully-branded", "home-page"}));
        QVERIFY(!frmAbout::isLoaded());

        // Esc closes it as OK does.
        const modal::Answer answer2(QStringLiteral("cmdOK"), [](QWidget* w) { QTest::keyClick(w, Qt::Key_Escape); });
        frmAbout::get().exec();
        QVERIFY(!frmAbout::isLoaded());
        modal::flushDeletes();
    }

    void windowsLoadOnFirstReferenceAndUnloadSafely()
    {
        frmProbe::loads = frmProbe::unloads = frmProbe::afterUnload = 0;
        QVERIFY(!frmProbe::isLoaded());
        frmProbe& first = frmProbe::get();
        QCOMPARE(&frmProbe::get(), &first);
        QCOMPARE(frmProbe::loads, 1);
        QVERIFY(FormBase::loadedForms().contains(&first));

        QPointer<frmProbe> watch(&first);
        const modal::Answer answer(QStringLiteral("cmdClose")); // the handler unloads its own window
        first.exec();
        QCOMPARE(frmProbe::unloads, 1);
        QCOMPARE(frmProbe::afterUnload, 1);
        QVERIFY(!frmProbe::isLoaded());
        modal::flushDeletes();
        QVERIFY(watch.isNull());

        // The next reference is a fresh window.
        frmProbe::get();
        QCOMPARE(frmProbe::loads, 2);
        frmProbe::get().unload();
        frmProbe::get().unload();
        QCOMPARE(frmProbe::unloads, 3);
    }

    void closeAllAndEndUnloadsEveryWindow()
    {
        frmProbe::get();
        frmOther::get();
        frmAbout::get();
        CloseAllAndEnd();
        QVERIFY(FormBase::loadedForms().isEmpty());
        QVERIFY(!frmAbout::isLoaded() && !frmProbe::isLoaded() && !frmOther::isLoaded());
        QCOMPARE(fake->process->ends, 1);
    }

    // The runner's steps in order; a second guess, a press of another control
    // and an unload during the pause do nothing until the guess is over; the
    // focus is then back on the choice.
    void guessRunnerOwnsTheTransaction()
    {
        frmGuessProbe& probe = frmGuessProbe::get();
        probe.show();
        QVERIFY(QTest::qWaitForWindowActive(&probe));
        fake->pause->during = [&](QWidget*) {
            probe.steps << "pause";
            QVERIFY(probe.wait->isVisible());
            probe.cmdChoice->click();
            probe.cmdOther->click();
            probe.guess();
            probe.unload();
        };
        const modal::Answer feedback(QStringLiteral("OK"), [&](QWidget*) {
            probe.cmdOther->click(); // under the feedback window
        });
        QTest::mouseClick(probe.cmdChoice, Qt::LeftButton);
        QVERIFY(feedback.answered());
        QCOMPARE(probe.steps, QStringList({"pause", "draw", "judge", "count", "feedback right", "unload"}));
        QVERIFY(!frmGuessProbe::isLoaded());
        fake->pause->during = nullptr;

        // Left loaded, the window has its choice focused for the next guess.
        frmGuessProbe& again = frmGuessProbe::get();
        again.show();
        QVERIFY(QTest::qWaitForWindowActive(&again));
        again.cmdOther->setFocus();
        const modal::Answer feedback2(QStringLiteral("OK"));
        QTest::mouseClick(again.cmdChoice, Qt::LeftButton);
        QVERIFY(feedback2.answered());
        QVERIFY(activate(&again));
        QCOMPARE(QApplication::focusWidget(), again.cmdChoice);
    }

    // A screen reader's press during the pause clicks while the pause lasts:
    // that click stays silent, and the control answers the next press at
    // once after the guess, not seconds later.
    void aControlPressedDuringThePauseAnswersRightAfter()
    {
        frmGuessProbe& probe = frmGuessProbe::get();
        probe.show();
        QVERIFY(QTest::qWaitForWindowActive(&probe));
        fake->pause->during = [&](QWidget*) {
            QAccessible::queryAccessibleInterface(probe.cmdOther)
                ->actionInterface()
                ->doAction(QAccessibleActionInterface::pressAction());
            QTest::qWait(300); // as a real pause: the press clicks meanwhile
        };
        {
            const modal::Answer feedback(QStringLiteral("OK"));
            QTest::mouseClick(probe.cmdChoice, Qt::LeftButton);
            QVERIFY(feedback.answered());
        }
        fake->pause->during = nullptr;
        QVERIFY(!probe.steps.contains("other"));
        QTest::mouseClick(probe.cmdOther, Qt::LeftButton);
        QCOMPARE(probe.steps.count("other"), 1);
    }

    // Every modal window keeps the window it runs on loaded: an unload asked
    // for meanwhile is carried out once it closes, and the caller learns it.
    void aModalWindowOutlivesNoOwner_data()
    {
        QTest::addColumn<QString>("modal");
        QTest::newRow("About") << "about";
        QTest::newRow("message box") << "box";
        QTest::newRow("dialog window") << "dialog";
    }
    void aModalWindowOutlivesNoOwner()
    {
        QFETCH(QString, modal);
        frmProbe& owner = frmProbe::get();
        owner.show();
        QVERIFY(QTest::qWaitForWindowActive(&owner));
        frmProbe::unloads = 0;
        QMessageBox box(QMessageBox::Information, "Veltrane", "text", QMessageBox::Ok, &owner);
        QDialog& dialog = modal == "about" ? static_cast<QDialog&>(frmAbout::get())
                          : modal == "box" ? static_cast<QDialog&>(box)
                                           : static_cast<QDialog&>(frmOther::get());
        bool keptMeanwhile = false;
        const modal::Answer answer(QString(), [&](QWidget* w) {
            owner.unload();          // a signal, a handler elsewhere
            owner.cmdClose->click(); // a screen reader's press under the modal
            keptMeanwhile = frmProbe::isLoaded() && frmProbe::unloads == 0 && frmProbe::afterUnload == 0;
            QTest::keyClick(w, Qt::Key_Escape);
        });
        frmProbe::afterUnload = 0;
        QVERIFY(!runModal(dialog, owner.cmdClose));
        QVERIFY(answer.answered());
        QVERIFY(keptMeanwhile);
        QCOMPARE(frmProbe::unloads, 1);
        QVERIFY(!frmProbe::isLoaded());
        frmOther::unloadIfLoaded();
    }

    // A context menu opened in a modal window reacts like the window itself.
    void contextMenuInAModalWindowReacts()
    {
        QDialog dialog;
        auto* box = new QPlainTextEdit(QStringLiteral("text"), &dialog);
        bool closed = false;
        const modal::Answer answer(QString(), [&](QWidget*) {
            QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint(5, 5),
                                    box->viewport()->mapToGlobal(QPoint(5, 5)));
            QApplication::sendEvent(box->viewport(), &event);
            QWidget* popup = QApplication::activePopupWidget();
            if (popup) {
                QTest::keyClick(popup, Qt::Key_Escape);
                closed = !QApplication::activePopupWidget();
            }
            dialog.accept();
        });
        runModal(dialog, nullptr);
        QVERIFY(closed);
    }

    // The second click of a double-click on the button that closed a modal
    // window does not reach what lies under it; a later click does.
    void secondClickOfADoubleClickIsDropped()
    {
        frmProbe& owner = frmProbe::get();
        owner.show();
        QVERIFY(QTest::qWaitForWindowActive(&owner));
        const auto click = [](QWidget* target, ulong time) {
            const QPointF at = target->rect().center();
            for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
                QMouseEvent event(type, at, target->mapToGlobal(at), Qt::LeftButton,
                                  type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
                event.setTimestamp(time);
                QApplication::sendEvent(target, &event);
            }
        };
        QMessageBox box(QMessageBox::Information, "Veltrane", "text", QMessageBox::Ok, &owner);
        const modal::Answer answer(QString(), [&](QWidget*) { click(box.button(QMessageBox::Ok), 100000); });
        QVERIFY(runModal(box, &owner));
        click(owner.cmdClose, 100000 + 150);
        QVERIFY(frmProbe::isLoaded());
        click(owner.cmdClose, 100000 + 5000);
        QVERIFY(!frmProbe::isLoaded());
    }

    void countersStopAt32767()
    {
        qint16 counter = 32766;
        countOne(counter);
        QCOMPARE(counter, qint16(32767));
        countOne(counter);
        QCOMPARE(counter, qint16(32767));

        QLabel label;
        showVerdict(&label, true);
        QCOMPARE(label.text(), QString::fromLatin1(kRightAnswerText));
        QCOMPARE(label.palette().color(QPalette::WindowText), QColor(0, 128, 0));
        showVerdict(&label, false);
        QCOMPARE(label.text(), QString::fromLatin1(kWrongAnswerText));
        QCOMPARE(label.palette().color(QPalette::WindowText), QColor(128, 0, 0));
    }
};

QTEST_MAIN(TestShell)
#include "tst_shell.moc"

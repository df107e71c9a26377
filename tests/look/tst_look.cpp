// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

// What every window looks like, pixel by pixel: button faces of exactly
// their colour in every state, focus rings that stand out, and labels whose
// text fits their rectangle with the fonts the program really gets.
#include "app/Startup.h"
#include "app/frmMDI.h"
#include "cardtest/frmPsychicCardTestDisplay.h"
#include "cardtest/frmPsychicCardTestMain.h"
#include "cardtest/frmPsychicCardTestResult.h"
#include "colortest/frmPsychicColorTestDisplay.h"
#include "colortest/frmPsychicColorTestMain.h"
#include "colortest/frmPsychicColorTestResult.h"
#include "shell/ClickLabel.h"
#include "shell/Feedback.h"
#include "shell/Look.h"
#include "shell/TextBox.h"
#include "shell/frmAbout.h"
#include "shell/modHelp.h"
#include "support/FakePlatform.h"
#include "support/Modal.h"
#include "symboltest/SymbolControls.h"
#include "symboltest/frmPsychicSymbolTestMain.h"
#include "symboltest/frmPsychicSymbolTestResult.h"
#include "symboltest/frmPsychicSymbolTestSelectOption.h"
#include "symboltest/modSymbolTest.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>

#include <memory>

namespace {

// Every window of the program, created and loaded.
QList<QWidget*> everyWindow(frmMDI* mdi)
{
    return {mdi,
            &frmAbout::get(),
            &frmPsychicCardTestMain::get(),
            &frmPsychicCardTestDisplay::get(),
            &frmPsychicCardTestResult::get(),
            &frmPsychicColorTestMain::get(),
            &frmPsychicColorTestDisplay::get(),
            &frmPsychicColorTestResult::get(),
            &frmPsychicSymbolTestMain::get(),
            &frmPsychicSymbolTestSelectOption::get(),
            &frmPsychicSymbolTestResult::get()};
}

QPushButton* button(QWidget* window, const char* name)
{
    auto* b = window->findChild<QPushButton*>(QString::fromLatin1(name));
    if (!b)
        qWarning("no button %s in %s", name, qPrintable(window->objectName()));
    return b;
}

// "window.control", the window being the nearest frm* ancestor.
QString where(QWidget* w)
{
    QWidget* window = w->parentWidget();
    while (window->parentWidget() && !window->objectName().startsWith(QLatin1String("frm")))
        window = window->parentWidget();
    return window->objectName() + QLatin1Char('.') + w->objectName();
}

// A window shown and active, so that its controls can take the focus.
template <typename T>
QWidget* shown()
{
    T& form = T::get();
    form.showWindow();
    QApplication::setActiveWindow(form.window());
    return &form;
}

// The pixels that differ between two grabs of one widget.
QList<QColor> changedPixels(const QImage& before, const QImage& after, const QRect& within)
{
    QList<QColor> changed;
    for (int y = within.top(); y <= within.bottom(); ++y)
        for (int x = within.left(); x <= within.right(); ++x)
            if (before.pixel(x, y) != after.pixel(x, y))
                changed << QColor(after.pixel(x, y));
    return changed;
}

QImage grabOf(QWidget* w)
{
    return w->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// Checks one button: the face is exactly `face` when idle, focused, pressed
// and disabled; the focus ring stands out from the face; pressing and
// disabling change the edge.
void checkButton(QPushButton* b, const QColor& face)
{
    QVERIFY(b);
    const QString name = where(b);
    b->clearFocus();
    const QImage idle = grabOf(b);
    // Just inside the edge, above any caption: the face, with no gradient.
    const int h = idle.height();
    for (int y : {4, h - 5})
        for (int x : {4, idle.width() / 2, idle.width() - 5})
            QVERIFY2(
                QColor(idle.pixel(x, y)) == face,
                qPrintable(name +
                           QStringLiteral(": face at %1,%2 is %3").arg(x).arg(y).arg(QColor(idle.pixel(x, y)).name())));

    b->setFocus(Qt::TabFocusReason);
    QVERIFY(b->hasFocus());
    const QImage focused = grabOf(b);
    const QList<QColor> ring = changedPixels(idle, focused, idle.rect());
    QVERIFY2(ring.size() >= 2 * (idle.width() + h) - 16, qPrintable(name + ": no focus ring"));
    for (const QColor& c : ring)
        QVERIFY2(look::contrastRatio(c, face) >= 3.0, qPrintable(name + ": focus tints the face with " + c.name()));
    b->clearFocus();

    b->setDown(true);
    const QImage pressed = grabOf(b);
    b->setDown(false);
    QVERIFY2(pressed != idle, qPrintable(name + ": pressing shows nothing"));
    QCOMPARE(QColor(pressed.pixel(4, h / 2)), face);

    b->setEnabled(false);
    const QImage disabled = grabOf(b);
    b->setEnabled(true);
    QVERIFY2(disabled != idle, qPrintable(name + ": disabled looks enabled"));
    QCOMPARE(QColor(disabled.pixel(4, h / 2)), face);
}

// The text a label needs at its font, wrapped as the label wraps it.
QSize neededSize(const QLabel* label)
{
    const QString text = label->text();
    const QRect room =
        label->contentsRect().adjusted(label->margin(), label->margin(), -label->margin(), -label->margin());
    int flags = int(label->alignment());
    if (label->wordWrap())
        flags |= Qt::TextWordWrap;
    const QFontMetrics metrics(label->font());
    return metrics.boundingRect(room, flags, text).size();
}

QStringList clippedLabels(QWidget* window)
{
    QStringList clipped;
    const auto labels = window->findChildren<QLabel*>();
    for (QLabel* label : labels) {
        if (label->text().isEmpty() || !label->pixmap().isNull() || Qt::mightBeRichText(label->text()))
            continue;
        const QSize need = neededSize(label);
        const QSize room = label->contentsRect().size();
        if (need.width() > room.width() || need.height() > room.height())
            clipped << QStringLiteral("%1 needs %2x%3 in %4x%5")
                           .arg(where(label))
                           .arg(need.width())
                           .arg(need.height())
                           .arg(room.width())
                           .arg(room.height());
    }
    return clipped;
}

} // namespace

class TestLook : public QObject {
    Q_OBJECT

    std::unique_ptr<FakePlatform> fake;
    std::unique_ptr<frmMDI> mdi;

private slots:
    void initTestCase()
    {
        QApplication::setFont(look::verdana(8.25, false)); // as the program starts
    }
    void init()
    {
        fake = std::make_unique<FakePlatform>();
        mdi.reset(startUp());
        QVERIFY(QTest::qWaitForWindowExposed(mdi.get()));
    }
    void cleanup()
    {
        frmAbout::unloadIfLoaded();
        frmPsychicCardTestResult::unloadIfLoaded();
        frmPsychicColorTestResult::unloadIfLoaded();
        frmPsychicSymbolTestResult::unloadIfLoaded();
        frmPsychicSymbolTestSelectOption::unloadIfLoaded();
        CloseAllAndEnd();
        mdi.reset();
        fake.reset();
    }

    void contrast()
    {
        QCOMPARE(look::contrastRatio(Qt::black, Qt::white), 21.0);
        QCOMPARE(look::contrastRatio(Qt::red, Qt::red), 1.0);
        // Whatever the face, the ring colour stands out from it.
        for (int v = 0; v < 256; v += 5)
            for (const QColor& c : {QColor(v, v, v), QColor(v, 0, 255 - v), QColor(0, 0, 64), QColor(255, v, 0)})
                QVERIFY2(look::contrastRatio(look::ringColor(c), c) >= 4.5, qPrintable(c.name()));
    }

    void buttonFaces()
    {
        const QColor light(192, 192, 192), grey(128, 128, 128), pale(224, 224, 224);
        struct Face {
            QWidget* window;
            const char* button;
            QColor face;
        };
        modSymbolTest::SymbolLevelChosen = true; // no level dialog over the symbol window
        QWidget* main = mdi.get();
        const QList<Face> faces = {
            {main, "cmdSelectOption_0", light},
            {main, "cmdSelectOption_1", light},
            {main, "cmdSelectOption_2", light},
            {main, "cmdMdiExit", light},
            {shown<frmAbout>(), "cmdOK", light},
            {shown<frmPsychicCardTestMain>(), "cmdPickCards", QColor(255, 128, 128)},
            {shown<frmPsychicCardTestMain>(), "cmdRightCard", QColor(128, 128, 255)},
            {shown<frmPsychicCardTestMain>(), "cmdScore", grey},
            {shown<frmPsychicCardTestMain>(), "cmdExit", grey},
            {shown<frmPsychicCardTestDisplay>(), "cmdBack", grey},
            {shown<frmPsychicCardTestDisplay>(), "cmdExit", grey},
            {shown<frmPsychicCardTestDisplay>(), "cmdRefresh", grey},
            {shown<frmPsychicCardTestDisplay>(), "cmdBlackCard", Qt::black},
            {shown<frmPsychicCardTestDisplay>(), "cmdRedCard", Qt::red},
            {shown<frmPsychicCardTestResult>(), "cmdTry", grey},
            {shown<frmPsychicColorTestMain>(), "cmdProceed", pale},
            {shown<frmPsychicColorTestMain>(), "cmdScore", pale},
            {shown<frmPsychicColorTestMain>(), "cmdExit", pale},
            {shown<frmPsychicColorTestDisplay>(), "cmdOK", pale},
            {shown<frmPsychicColorTestDisplay>(), "cmdExit", pale},
            {shown<frmPsychicColorTestDisplay>(), "cmdExpert_15", Qt::black},
            {shown<frmPsychicColorTestDisplay>(), "cmdBeginner_0", QColor(255, 255, 128)},
            {shown<frmPsychicColorTestResult>(), "cmdTry", pale},
            {shown<frmPsychicSymbolTestMain>(), "cmdScore", grey},
            {shown<frmPsychicSymbolTestMain>(), "cmdIntermediateScore", grey},
            {shown<frmPsychicSymbolTestMain>(), "cmdExpertScore", grey},
            {shown<frmPsychicSymbolTestMain>(), "cmdBack", grey},
            {shown<frmPsychicSymbolTestMain>(), "cmdExit", grey},
            {shown<frmPsychicSymbolTestSelectOption>(), "cmdOk", grey},
            {shown<frmPsychicSymbolTestSelectOption>(), "cmdOkScore", grey},
            {shown<frmPsychicSymbolTestResult>(), "cmdTry", grey},
        };
        for (const Face& f : faces) {
            QApplication::setActiveWindow(f.window->window());
            checkButton(button(f.window, f.button), f.face);
            if (QTest::currentTestFailed())
                return;
        }
    }

    // Framed panels are exactly the colour their window gives them inside,
    // with their caption and frame still drawn.
    void groupInsides()
    {
        auto& card = frmPsychicCardTestDisplay::get();
        auto& cardHome = frmPsychicCardTestMain::get();
        auto& colorHome = frmPsychicColorTestMain::get();
        const QColor orange(255, 192, 128);
        const QList<QPair<QWidget*, QColor>> groups = {{card.fraPicKCards, orange},
                                                       {card.fraTenRightCard, orange},
                                                       {cardHome.fraScore, orange},
                                                       {colorHome.fraScore, QColor(0, 0, 64)}};
        for (const auto& [group, colour] : groups) {
            QImage image(group->size(), QImage::Format_RGB32);
            group->render(&image, QPoint(), QRegion(), QWidget::DrawWindowBackground); // without its controls
            const int top = group->fontMetrics().height() + 8;                         // below the caption and frame
            int differ = 0;
            for (int y = top; y < image.height() - 4; ++y)
                for (int x = 4; x < image.width() - 4; ++x)
                    differ += QColor(image.pixel(x, y)) != colour;
            QVERIFY2(differ == 0, qPrintable(where(group) + QStringLiteral(": %1 pixels inside are not ").arg(differ) +
                                             colour.name() + ", e.g. " +
                                             QColor(image.pixel(image.width() / 2, image.height() / 2)).name()));
            QVERIFY2(QColor(image.pixel(0, image.height() / 2)) != colour, qPrintable(where(group) + ": no frame"));
            bool caption = false;
            for (int x = 0; x < image.width() && !caption; ++x)
                caption = QColor(image.pixel(x, top / 2)) != colour;
            QVERIFY2(caption, qPrintable(where(group) + ": no caption"));
        }
    }

    // A focused score text shows a ring in its frame that stands out from
    // the panel behind it, and inside it from the text's ground.
    void scoreTextsShowFocus()
    {
        auto* cardHome = static_cast<frmPsychicCardTestMain*>(shown<frmPsychicCardTestMain>());
        cardHome->cmdScore->click();
        auto* colorHome = static_cast<frmPsychicColorTestMain*>(shown<frmPsychicColorTestMain>());
        colorHome->cmdScore->click();
        auto* dialog = static_cast<frmPsychicSymbolTestSelectOption*>(shown<frmPsychicSymbolTestSelectOption>());
        dialog->showScorePanel();
        for (TextBox* box : {cardHome->txtScore, colorHome->txtScore, dialog->txtTotalScore}) {
            QApplication::setActiveWindow(box->window());
            box->clearFocus();
            const QImage idle = grabOf(box);
            box->setFocus(Qt::TabFocusReason);
            QVERIFY2(box->hasFocus(), qPrintable(where(box)));
            const QImage focused = grabOf(box);
            const QRect text = box->viewport()->geometry();
            const QColor behind = box->parentWidget()->palette().color(QPalette::Window);
            const QColor ground = box->palette().color(QPalette::Base);
            // Round the box, just inside its frame (a scroll bar may hide the
            // bottom).
            const int inside = box->frameWidth();
            for (const QPoint& p : {QPoint(inside, text.center().y()), QPoint(text.center().x(), inside),
                                    QPoint(box->width() - 1 - inside, text.center().y())}) {
                QVERIFY2(idle.pixel(p) != focused.pixel(p), qPrintable(where(box) + ": no focus ring"));
                QVERIFY2(look::contrastRatio(QColor(focused.pixel(p)), ground) >= 3.0,
                         qPrintable(where(box) + ": ring faint against the text's ground"));
            }
            const QPoint edge(0, text.center().y());
            QVERIFY2(look::contrastRatio(QColor(focused.pixel(edge)), behind) >= 3.0,
                     qPrintable(where(box) + ": ring faint against the panel"));
            box->clearFocus();
            QVERIFY2(grabOf(box) == idle, qPrintable(where(box) + ": the ring stays after the focus leaves"));
        }
    }

    // A focused option button is ringed in a colour that stands out from
    // the panel behind it, the navy of the colour test included.
    void optionFocusRings()
    {
        QList<QRadioButton*> options = shown<frmPsychicColorTestMain>()->findChildren<QRadioButton*>();
        options += shown<frmPsychicSymbolTestSelectOption>()->findChildren<QRadioButton*>();
        QCOMPARE(options.size(), 6);
        for (QRadioButton* option : options) {
            QApplication::setActiveWindow(option->window());
            option->clearFocus();
            const QImage idle = grabOf(option);
            option->setFocus(Qt::TabFocusReason);
            QVERIFY2(option->hasFocus(), qPrintable(where(option)));
            const QImage focused = grabOf(option);
            option->clearFocus();
            QStyleOptionButton so;
            so.initFrom(option);
            const QRect indicator = option->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &so, option);
            const QRect caption(indicator.right() + 1, 0, idle.width() - indicator.right() - 1, idle.height());
            const QList<QColor> ring = changedPixels(idle, focused, caption);
            QVERIFY2(ring.size() > 20, qPrintable(where(option) + ": no focus ring"));
            const QColor behind = option->palette().color(QPalette::Window);
            for (const QColor& c : ring)
                QVERIFY2(look::contrastRatio(c, behind) >= 3.0, qPrintable(where(option) + ": faint ring " + c.name()));
        }
    }

    // The outermost device pixels of a button are its edge at every scale:
    // white along the top and left, black along the bottom and right, with
    // no band of the face outside them.
    void buttonEdgesAtEveryScale_data()
    {
        QTest::addColumn<qreal>("scale");
        for (qreal scale : {1.0, 1.25, 1.5, 2.0})
            QTest::addRow("%g", scale) << scale;
    }
    void buttonEdgesAtEveryScale()
    {
        QFETCH(qreal, scale);
        for (QPushButton* b : {mdi->firstLauncher(), button(shown<frmPsychicCardTestDisplay>(), "cmdRedCard")}) {
            b->clearFocus();
            QImage image((QSizeF(b->size()) * scale).toSize(), QImage::Format_RGB32);
            image.setDevicePixelRatio(scale);
            image.fill(Qt::green);
            b->render(&image);
            const int w = image.width(), h = image.height(), line = std::max(1, qRound(scale));
            auto at = [&](int x, int y) { return QColor(image.pixel(x, y)); };
            for (int y = line; y < h - line; ++y) {
                QVERIFY2(at(0, y) == Qt::white, qPrintable(where(b) + QStringLiteral(": left edge at y %1").arg(y)));
                QVERIFY2(
                    at(w - 1, y) == Qt::black,
                    qPrintable(where(b) + QStringLiteral(": right edge at y %1 is ").arg(y) + at(w - 1, y).name()));
            }
            for (int x = line; x < w - line; ++x) {
                QVERIFY2(at(x, 0) == Qt::white, qPrintable(where(b) + QStringLiteral(": top edge at x %1").arg(x)));
                QVERIFY2(
                    at(x, h - 1) == Qt::black,
                    qPrintable(where(b) + QStringLiteral(": bottom edge at x %1 is ").arg(x) + at(x, h - 1).name()));
            }
            // The dark edge is whole pixels thick and the grey one lies inside it.
            QCOMPARE(at(w - line, h / 2), QColor(Qt::black));
            QCOMPARE(at(w - line - 1, h / 2), QColor(128, 128, 128));
        }
    }

    // The pictures one picks (the eight cards, the symbols) show the focus
    // as a ring that changes at least 3:1 from the unfocused picture and
    // stands out 3:1 from the ground around it, on light and dark pictures.
    void pictureFocusRings()
    {
        modSymbolTest::SymbolLevelChosen = true;
        QList<QWidget*> pictures;
        auto& cards = static_cast<frmPsychicCardTestDisplay&>(*shown<frmPsychicCardTestDisplay>());
        cards.bringRightCardGameToFront();
        cards.cmdRefresh_Click(); // faces on the cards
        for (ClickLabel* card : cards.picCard)
            pictures << card;
        auto& symbols = static_cast<frmPsychicSymbolTestMain&>(*shown<frmPsychicSymbolTestMain>());
        for (int level = 0; level < 3; ++level) {
            symbols.bringLevelToFront(level);
            for (SymbolChoice* choice : symbols.findChildren<SymbolChoice*>())
                if (choice->isVisible())
                    pictures << choice;
        }
        QVERIFY(pictures.size() > 8 + 5);
        for (QWidget* picture : pictures) {
            QApplication::setActiveWindow(picture->window());
            picture->clearFocus();
            const QImage idle = grabOf(picture);
            picture->setFocus(Qt::TabFocusReason);
            QVERIFY2(picture->hasFocus(), qPrintable(where(picture)));
            const QImage focused = grabOf(picture);
            picture->clearFocus();
            const int w = idle.width(), h = idle.height();
            int strong = 0;
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x)
                    strong += look::contrastRatio(QColor(idle.pixel(x, y)), QColor(focused.pixel(x, y))) >= 3.0;
            // At least as many as a ring two pixels wide inside the outer band.
            QVERIFY2(strong >= 4 * (w + h) - 80,
                     qPrintable(where(picture) + QStringLiteral(": only %1 pixels change 3:1").arg(strong)));
            const QColor ground = picture->parentWidget()->palette().color(QPalette::Window);
            for (const QPoint& p : {QPoint(0, h / 2), QPoint(w / 2, 0), QPoint(w - 1, h / 2), QPoint(w / 2, h - 1)})
                QVERIFY2(look::contrastRatio(QColor(focused.pixel(p)), ground) >= 3.0,
                         qPrintable(where(picture) + ": ring faint against the ground"));
        }
    }

    // A picture near the top of a framed panel stays inside the frame: the
    // frame line above it is drawn whole.
    void picturesLeaveFrameLinesWhole()
    {
        auto& card = static_cast<frmPsychicCardTestDisplay&>(*shown<frmPsychicCardTestDisplay>());
        for (QGroupBox* group : {card.fraPicKCards, card.fraTenRightCard}) {
            card.bringColorCardGameToFront();
            if (group == card.fraTenRightCard)
                card.bringRightCardGameToFront();
            const QImage image = grabOf(group);
            for (QLabel* picture : group->findChildren<QLabel*>()) {
                if (picture->pixmap().isNull())
                    continue;
                const int x = picture->geometry().center().x();
                bool line = false;
                for (int y = 0; y < picture->y() && !line; ++y)
                    line = QColor(image.pixel(x, y)) == QColor(128, 128, 128);
                QVERIFY2(line, qPrintable(where(picture) + ": covers the frame line above it"));
            }
        }
    }

    // No label of any window needs more room than its rectangle; the
    // feedback windows are checked with both verdicts.
    void labelsFit()
    {
        QStringList clipped;
        for (QWidget* window : everyWindow(mdi.get()))
            clipped += clippedLabels(window);
        for (QLabel* result : {frmPsychicCardTestResult::get().lblResult, frmPsychicColorTestResult::get().lblResult,
                               frmPsychicSymbolTestResult::get().lblResult}) {
            for (bool right : {true, false}) {
                showVerdict(result, right);
                clipped += clippedLabels(result->window());
            }
        }
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QStringLiteral("\n"))));
    }
};

QTEST_MAIN(TestLook)
#include "tst_look.moc"

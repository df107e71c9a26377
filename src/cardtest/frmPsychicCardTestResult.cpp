#include "cardtest/frmPsychicCardTestResult.h"

#include "shell/Feedback.h"
#include "shell/Look.h"

#include <QApplication>
#include <QPushButton>
#include <QWindow>

namespace {
const QColor kPeach(255, 224, 192);
}

frmPsychicCardTestResult::frmPsychicCardTestResult()
{
    setObjectName(QStringLiteral("frmPsychicCardTestResult"));
    const FeedbackControls c = buildFeedbackWindow(this, kPeach, look::kGrey);
    picResult = c.picResult;
    lblResult = c.lblResult;
    cmdTry = c.cmdTry;
    connect(cmdTry, &QPushButton::clicked, this, &frmPsychicCardTestResult::cmdTry_Click);

    // Centred on the screen, not on the window that asked for it.
    moveTwips(twips::centredLeft(twips::screenWidth(), twips::fromPixels(width())),
              twips::centredLeft(twips::screenHeight(), twips::fromPixels(height())));
}

void frmPsychicCardTestResult::cmdTry_Click()
{
    unload();
}

void frmPsychicCardTestResult::reject()
{
    cmdTry_Click();
}

void frmPsychicCardTestResult::showEvent(QShowEvent* event)
{
    // Belongs to the program's active window, so window managers keep it
    // above that window and out of the task bar.
    if (QWindow* own = windowHandle(); own && !own->transientParent()) {
        if (QWidget* active = QApplication::activeWindow(); active && active != this)
            own->setTransientParent(active->windowHandle());
    }
    QDialog::showEvent(event);
}

#include "symboltest/frmPsychicSymbolTestResult.h"

#include "shell/Feedback.h"
#include "shell/Look.h"
#include "symboltest/SymbolControls.h"

#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

frmPsychicSymbolTestResult::frmPsychicSymbolTestResult()
{
    setObjectName(QStringLiteral("frmPsychicSymbolTestResult"));
    const FeedbackControls controls = buildFeedbackWindow(this, QColor(255, 192, 255), look::kGrey);
    picResult = controls.picResult;
    lblResult = controls.lblResult;
    cmdTry = controls.cmdTry;
    connect(cmdTry, &QPushButton::clicked, this, [this] { cmdTry_Click(); });
}

void frmPsychicSymbolTestResult::setVerdict(const QString& outcome)
{
    showVerdict(lblResult, outcome);
}

void frmPsychicSymbolTestResult::cmdTry_Click()
{
    unload();
}

void frmPsychicSymbolTestResult::reject()
{
    cmdTry_Click();
}

void frmPsychicSymbolTestResult::showEvent(QShowEvent* event)
{
    if (!event->spontaneous())
        centreOnScreen(this);
    QDialog::showEvent(event);
}

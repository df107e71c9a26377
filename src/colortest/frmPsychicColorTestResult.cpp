#include "colortest/frmPsychicColorTestResult.h"

#include "shell/Feedback.h"
#include "shell/Look.h"

#include <QLabel>
#include <QPushButton>

namespace {
const QColor kLavender(192, 192, 255);
}

frmPsychicColorTestResult::frmPsychicColorTestResult()
{
    setObjectName(QStringLiteral("frmPsychicColorTestResult"));
    setFont(look::verdana(9.75));
    const FeedbackControls c = buildFeedbackWindow(this, kLavender, look::kPaleGrey);
    picResult = c.picResult;
    lblResult = c.lblResult;
    cmdTry = c.cmdTry;
    connect(cmdTry, &QPushButton::clicked, this, &frmPsychicColorTestResult::cmdTry_Click);
}

void frmPsychicColorTestResult::reject()
{
    cmdTry_Click();
}

void frmPsychicColorTestResult::cmdTry_Click()
{
    unload();
}

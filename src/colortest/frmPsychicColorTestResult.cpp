#include "colortest/frmPsychicColorTestResult.h"

frmPsychicColorTestResult::frmPsychicColorTestResult()
{
    setObjectName(QStringLiteral("frmPsychicColorTestResult"));
}

#include "cardtest/frmPsychicCardTestResult.h"

frmPsychicCardTestResult::frmPsychicCardTestResult()
{
    setObjectName(QStringLiteral("frmPsychicCardTestResult"));
}

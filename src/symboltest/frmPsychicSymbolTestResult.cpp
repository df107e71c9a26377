#include "symboltest/frmPsychicSymbolTestResult.h"

frmPsychicSymbolTestResult::frmPsychicSymbolTestResult()
{
    setObjectName(QStringLiteral("frmPsychicSymbolTestResult"));
}

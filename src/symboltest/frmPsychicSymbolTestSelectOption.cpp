#include "symboltest/frmPsychicSymbolTestSelectOption.h"

frmPsychicSymbolTestSelectOption::frmPsychicSymbolTestSelectOption()
{
    setObjectName(QStringLiteral("frmPsychicSymbolTestSelectOption"));
}

#include "symboltest/frmPsychicSymbolTestMain.h"

#include "shell/Look.h"

frmPsychicSymbolTestMain::frmPsychicSymbolTestMain()
{
    setObjectName(QStringLiteral("frmPsychicSymbolTestMain"));
    setWindowTitle(QStringLiteral("Sorvek Psychic Symbol Test"));
    look::setBackground(this, Qt::black);
    setFixedSize(twips::toPixels(9495), twips::toPixels(7215));
}

void frmPsychicSymbolTestMain::Form_Load()
{
    placeCentredAtTop();
}

void frmPsychicSymbolTestMain::Form_Unload()
{
    showWelcomePanel();
}

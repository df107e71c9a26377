#include "cardtest/frmPsychicCardTestMain.h"

#include "shell/Look.h"

frmPsychicCardTestMain::frmPsychicCardTestMain()
{
    setObjectName(QStringLiteral("frmPsychicCardTestMain"));
    setWindowTitle(QStringLiteral("Sorvek Psychic Card Test"));
    look::setBackground(this, Qt::black);
    setFixedSize(twips::toPixels(9120), twips::toPixels(6555));
}

void frmPsychicCardTestMain::Form_Load()
{
    placeCentredAtTop();
}

void frmPsychicCardTestMain::Form_Unload()
{
    showWelcomePanel();
}

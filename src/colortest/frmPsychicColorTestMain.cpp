#include "colortest/frmPsychicColorTestMain.h"

#include "shell/Look.h"

frmPsychicColorTestMain::frmPsychicColorTestMain()
{
    setObjectName(QStringLiteral("frmPsychicColorTestMain"));
    setWindowTitle(QStringLiteral("Sorvek Psychic Color Test"));
    look::setBackground(this, Qt::black);
    setFixedSize(twips::toPixels(9600), twips::toPixels(6600));
}

void frmPsychicColorTestMain::Form_Load()
{
    placeCentredAtTop();
}

void frmPsychicColorTestMain::Form_Unload()
{
    showWelcomePanel();
}

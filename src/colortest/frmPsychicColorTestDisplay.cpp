#include "colortest/frmPsychicColorTestDisplay.h"

#include "shell/Look.h"

frmPsychicColorTestDisplay::frmPsychicColorTestDisplay()
{
    setObjectName(QStringLiteral("frmPsychicColorTestDisplay"));
    setWindowTitle(QStringLiteral("Sorvek Psychic Color Test"));
    look::setBackground(this, Qt::black);
    setFixedSize(twips::toPixels(9600), twips::toPixels(7200));
}

void frmPsychicColorTestDisplay::Form_Load()
{
    placeCentredAtTop();
}

void frmPsychicColorTestDisplay::Form_Unload()
{
    showWelcomePanel();
}

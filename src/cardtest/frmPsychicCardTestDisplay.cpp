#include "cardtest/frmPsychicCardTestDisplay.h"

#include "shell/Look.h"

frmPsychicCardTestDisplay::frmPsychicCardTestDisplay()
{
    setObjectName(QStringLiteral("frmPsychicCardTestDisplay"));
    setWindowTitle(QStringLiteral("Sorvek Psychic Card Test"));
    look::setBackground(this, Qt::black);
    setFixedSize(twips::toPixels(9255), twips::toPixels(7455));
}

void frmPsychicCardTestDisplay::Form_Load()
{
    placeCentredAtTop();
}

void frmPsychicCardTestDisplay::Form_Unload()
{
    showWelcomePanel();
}

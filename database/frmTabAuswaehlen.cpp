#include "database/frmTabAuswaehlen.h"

#include "database/frmDbAuswaehlen.h"
#include "database/optionenfenster.h"
#include "label/nachbarn.h"
#include "platform/dialogs.h"

#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace sorvo {

frmTabAuswaehlen::frmTabAuswaehlen(DatenbankAuswahl& ziel, QWidget* parent)
    : QDialog(parent), m_ziel(ziel) {
    setObjectName(QStringLiteral("frmTabAuswaehlen"));
    setWindowTitle(QStringLiteral("Tabelle auswählen"));
    festerDialog(*this);
    const Optionenfenster o =
        optionenfensterAnlegen(*this, QStringLiteral("Bitte Tabelle auswählen"));
    Frame1 = o.Frame1;
    cmdOK = o.cmdOK;
    cmdAbbrechen = o.cmdAbbrechen;
    const char* const namen[] = {"Topfpflanzen", "Stauden",    "Gehölze",
                                 "Apfelsorten",  "Obstsorten", "Friedhofspflanzen"};
    for (int i = 0; i < 6; ++i) {
        auto* r = new QRadioButton(QString::fromUtf8(namen[i]));
        r->setObjectName(QStringLiteral("optTabelle%1").arg(i));
        r->setAccessibleName(r->text());
        o.optionen->addWidget(r);
        optTabelle[static_cast<size_t>(i)] = r;
    }
    optTabelle[0]->setChecked(true);
    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    connect(cmdAbbrechen, &QPushButton::clicked, this, [this] { cmdAbbrechen_Click(); });
}

void frmTabAuswaehlen::cmdOK_Click() {
    for (size_t i = 0; i < optTabelle.size(); ++i) {
        if (optTabelle[i]->isChecked()) {
            m_ziel.BotrelDateiArt = kategorieArten().at(static_cast<qsizetype>(i));
            accept();
            return;
        }
    }
    accept();
}

void frmTabAuswaehlen::cmdAbbrechen_Click() {
    reject();
}

} // namespace sorvo

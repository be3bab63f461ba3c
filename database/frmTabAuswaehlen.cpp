#include "database/frmTabAuswaehlen.h"

#include "database/frmDbAuswaehlen.h"
#include "label/nachbarn.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace sorvo {

frmTabAuswaehlen::frmTabAuswaehlen(DatenbankAuswahl& ziel, QWidget* parent)
    : QDialog(parent), m_ziel(ziel) {
    setObjectName(QStringLiteral("frmTabAuswaehlen"));
    setWindowTitle(QStringLiteral("Tabelle auswählen"));
    Frame1 = new QGroupBox(QStringLiteral("Bitte Tabelle auswählen"));
    Frame1->setObjectName(QStringLiteral("Frame1"));
    auto* optionen = new QVBoxLayout(Frame1);
    const char* const namen[] = {"Topfpflanzen", "Stauden",    "Gehölze",
                                 "Apfelsorten",  "Obstsorten", "Friedhofspflanzen"};
    for (int i = 0; i < 6; ++i) {
        auto* o = new QRadioButton(QString::fromUtf8(namen[i]));
        o->setObjectName(QStringLiteral("optTabelle%1").arg(i));
        o->setAccessibleName(o->text());
        optionen->addWidget(o);
        optTabelle[static_cast<size_t>(i)] = o;
    }
    optTabelle[0]->setChecked(true);

    cmdOK = new QPushButton(QStringLiteral("OK"));
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setAccessibleName(cmdOK->text());
    cmdOK->setDefault(true);
    cmdAbbrechen = new QPushButton(QStringLiteral("Abbrechen"));
    cmdAbbrechen->setObjectName(QStringLiteral("cmdAbbrechen"));
    cmdAbbrechen->setAccessibleName(cmdAbbrechen->text());
    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    connect(cmdAbbrechen, &QPushButton::clicked, this, [this] { cmdAbbrechen_Click(); });

    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(cmdOK);
    knoepfe->addWidget(cmdAbbrechen);
    auto* l = new QVBoxLayout(this);
    l->addWidget(Frame1);
    l->addLayout(knoepfe);
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

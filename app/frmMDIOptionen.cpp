#include "app/frmMDIOptionen.h"

#include "label/programm.h"
#include "platform/dialogs.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace sorvo {

frmMDIOptionen::frmMDIOptionen(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Optionen"));
    festerDialog(*this);
    setModal(true);
    auto* rahmen = new QGroupBox;
    chkFokusVorlage = new QCheckBox(
        QStringLiteral("Nach Datenübertragung die Vorlage in den Vordergrund setzen"));
    chkAenderung =
        new QCheckBox(QStringLiteral("Abfragen ob geänderte Schilder gespeichert werden sollen"));
    chkWZFolgt = new QCheckBox(QStringLiteral("Werkzeugfenster folgt aktivem Schild"));
    auto* r = new QVBoxLayout(rahmen);
    r->addWidget(chkFokusVorlage);
    r->addWidget(chkAenderung);
    r->addWidget(chkWZFolgt);
    cmdOK = new QPushButton(QStringLiteral("&OK"));
    cmdOK->setDefault(true);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(cmdOK);
    auto* l = new QVBoxLayout(this);
    l->addWidget(rahmen);
    l->addLayout(knoepfe);

    const auto& p = P();
    chkFokusVorlage->setChecked(p.blnVorlageVordergrund);
    chkAenderung->setChecked(p.blnAenderungSpeichern);
    chkWZFolgt->setChecked(p.blnWerkzeugFensterFolgt);
    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
}

void frmMDIOptionen::cmdOK_Click() {
    auto& p = P();
    p.blnVorlageVordergrund = chkFokusVorlage->isChecked();
    p.blnAenderungSpeichern = chkAenderung->isChecked();
    p.blnWerkzeugFensterFolgt = chkWZFolgt->isChecked();
    accept();
}

} // namespace sorvo

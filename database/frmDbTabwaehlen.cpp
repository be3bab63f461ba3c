#include "database/frmDbTabwaehlen.h"

#include "label/nachbarn.h"
#include "platform/dialogs.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace sorvo {

frmDbTabwaehlen::frmDbTabwaehlen(DatenbankAuswahl& ziel, QWidget* parent)
    : QDialog(parent), m_ziel(ziel) {
    setObjectName(QStringLiteral("frmDbTabwaehlen"));
    setWindowTitle(QStringLiteral("Tabelle wählen"));
    festerDialog(*this);
    lstTabellen = new QListWidget;
    lstTabellen->setObjectName(QStringLiteral("lstTabellen"));
    lstTabellen->setAccessibleName(QStringLiteral("Tabellen"));
    lstTabellen->setSortingEnabled(false);
    cmdAbbrechen = new QPushButton(QStringLiteral("Abbrechen"));
    cmdAbbrechen->setObjectName(QStringLiteral("cmdAbbrechen"));
    cmdAbbrechen->setAccessibleName(cmdAbbrechen->text());
    connect(lstTabellen, &QListWidget::itemDoubleClicked, this, [this] { lstTabellen_DblClick(); });
    connect(cmdAbbrechen, &QPushButton::clicked, this, [this] { cmdAbbrechen_Click(); });

    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(cmdAbbrechen);
    auto* l = new QVBoxLayout(this);
    l->addWidget(lstTabellen);
    l->addLayout(knoepfe);
    resize(320, 300);
}

void frmDbTabwaehlen::lstTabellen_DblClick() {
    QListWidgetItem* e = lstTabellen->currentItem();
    if (!e)
        return;
    m_ziel.EigeneDbTabName = e->text();
    accept();
}

void frmDbTabwaehlen::cmdAbbrechen_Click() {
    m_ziel.EigeneDbTabName.clear();
    reject();
}

} // namespace sorvo

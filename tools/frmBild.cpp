#include "tools/frmBild.h"

#include "label/nachbarn.h"
#include "platform/dialogs.h"
#include "platform/knopf.h"
#include "platform/ordner.h"
#include "platform/system.h"
#include "tools/frmTools.h"
#include "tools/listen.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>

namespace sorvo {

QStringList bildDateien(const QString& ordner) {
    if (ordner.isEmpty())
        return {};
    QDir d(ordner);
    QStringList l = d.entryList({QStringLiteral("*.bmp"), QStringLiteral("*.jpg"),
                                 QStringLiteral("*.gif"), QStringLiteral("*.png")},
                                QDir::Files | QDir::Readable);
    alphabetischSortieren(l);
    return l;
}

frmBild::frmBild(frmTools& werkzeuge) : QDialog(&werkzeuge), m_w(werkzeuge) {
    setObjectName(QStringLiteral("frmBild"));
    setWindowTitle(QStringLiteral("Bilder-Ordner auswählen"));
    festerDialog(*this);
    setModal(false);
    Drive1 = new QComboBox;
    Drive1->setObjectName(QStringLiteral("Drive1"));
    lblLaufwerk = beschriftung("lblLaufwerk", QStringLiteral("Laufwerk:"), Drive1);
    Dir1 = new QTreeWidget;
    Dir1->setObjectName(QStringLiteral("Dir1"));
    ordnerBaumEinrichten(*Dir1);
    lblVerzeichnis = beschriftung("lblVerzeichnis", QStringLiteral("Verzeichnis:"), Dir1);
    File1 = new QListWidget;
    File1->setObjectName(QStringLiteral("File1"));
    lblDatei = beschriftung("lblDatei", QStringLiteral("Dateien:"), File1);
    Label1 = beschriftung("Label1", QStringLiteral("Ordner:"));
    lblPfadAnzeiger = new QLabel;
    lblPfadAnzeiger->setObjectName(QStringLiteral("lblPfadAnzeiger"));
    lblPfadAnzeiger->setAccessibleName(Label1->text());
    lblPfadAnzeiger->setAutoFillBackground(true);
    QPalette weiss = lblPfadAnzeiger->palette();
    weiss.setColor(QPalette::Window, Qt::white);
    lblPfadAnzeiger->setPalette(weiss);
    lblPfadAnzeiger->setFrameShape(QFrame::Panel);
    lblPfadAnzeiger->setFrameShadow(QFrame::Sunken);
    cmdOK = befehlsknopf("cmdOK", QStringLiteral("OK"));
    cmdCancel = befehlsknopf("cmdCancel", QStringLiteral("Abbrechen"));
    cmdOK->setDefault(true);

    auto* l = new QGridLayout(this);
    l->addWidget(lblLaufwerk, 0, 0);
    l->addWidget(Drive1, 1, 0);
    l->addWidget(lblVerzeichnis, 2, 0);
    l->addWidget(Dir1, 3, 0);
    l->addWidget(lblDatei, 0, 1);
    l->addWidget(File1, 1, 1, 3, 1);
    l->addWidget(Label1, 4, 0, 1, 2);
    l->addWidget(lblPfadAnzeiger, 5, 0, 1, 2);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(cmdOK);
    knoepfe->addWidget(cmdCancel);
    l->addLayout(knoepfe, 6, 0, 1, 2);
    l->setRowStretch(3, 1);
    resize(520, 360);

    Drive1->addItems(laufwerke());
    connect(Drive1, &QComboBox::currentIndexChanged, this, [this] { Drive1_Change(); });
    connect(Dir1, &QTreeWidget::currentItemChanged, this, [this] { Dir1_Change(); });
    connect(File1, &QListWidget::itemDoubleClicked, this, [this] { File1_DblClick(); });
    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    connect(cmdCancel, &QPushButton::clicked, this, [this] { cmdCancel_Click(); });
}

void frmBild::Form_Load() {
    Dir1PfadSetzen(aktuellerOrdner());
    lblPfadAnzeiger->setText(Dir1Pfad());
}

QString frmBild::Dir1Pfad() const {
    return ordnerBaumPfad(*Dir1);
}

void frmBild::Dir1PfadSetzen(const QString& ordner) {
    ordnerBaumSetzen(*Drive1, *Dir1, ordner);
}

void frmBild::Drive1_Change() {
    Dir1PfadSetzen(Drive1->currentText());
}

void frmBild::Dir1_Change() {
    m_dateiOrdner = Dir1Pfad();
    File1->clear();
    File1->addItems(bildDateien(m_dateiOrdner));
    lblPfadAnzeiger->setText(m_dateiOrdner);
}

void frmBild::uebernehmen(bool mitDatei) {
    const auto auswahl = File1->selectedItems();
    if (mitDatei && !auswahl.isEmpty()) {
        m_w.txtBild->setText(pfadVerbinden(m_dateiOrdner, auswahl.first()->text()));
        m_w.BildAnzeigen();
    } else {
        m_w.txtBild->setText(m_dateiOrdner);
        m_w.cmdBild_E->setEnabled(false);
        m_w.vorschauLeeren();
    }
    m_w.filBildPfadSetzen(Dir1Pfad());
    hauptfensterFreigeben();
    hide();
    m_w.fraBild_E->setVisible(true);
    m_w.eigenerDialogGeschlossen();
}

void frmBild::cmdOK_Click() {
    uebernehmen(true);
}

void frmBild::File1_DblClick() {
    if (!File1->selectedItems().isEmpty())
        uebernehmen(true);
}

void frmBild::hauptfensterFreigeben() {
    if (auto* m = nachbarn().mdi)
        m->widget()->setEnabled(true);
}

void frmBild::cmdCancel_Click() {
    hauptfensterFreigeben();
    hide();
    m_w.eigenerDialogGeschlossen();
}

void frmBild::reject() {
    cmdCancel_Click();
}

void frmBild::closeEvent(QCloseEvent* e) {
    // The close box is Abbrechen: the main window comes back.
    e->ignore();
    cmdCancel_Click();
}

} // namespace sorvo

#include "tools/frmTextListe.h"

#include "label/programm.h"
#include "platform/dialogs.h"
#include "platform/knopf.h"
#include "platform/texte.h"
#include "tools/feldliste.h"
#include "tools/frmTools.h"
#include "tools/listen.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace sorvo {

void stockTexteNeuLaden(frmTools& w, bool markieren) {
    w.eigenerDialogGeschlossen();
    w.Liste_Neu();
    w.lstText->setFocus();
    if (!markieren)
        return;
    const int zeile = ersteZeile(w.lstText, w.strFeldListeEintrag);
    if (zeile >= 0)
        w.lstText->setCurrentRow(zeile);
}

// --- Adding an entry ------------------------------------------------------------

frmText_Neu::frmText_Neu(frmTools& werkzeuge) : QDialog(&werkzeuge), m_w(werkzeuge) {
    setObjectName(QStringLiteral("frmText_Neu"));
    setWindowTitle(QStringLiteral("Benutzerdefiniertes Feld einfügen"));
    festerDialog(*this);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowModality(Qt::ApplicationModal);
    txtText = new QLineEdit;
    txtText->setObjectName(QStringLiteral("txtText"));
    lblInfo = beschriftung(
        "lblInfo", QStringLiteral("Bitte geben Sie den Text des gewünschten Feldes ein."), txtText);
    lblInfo->setWordWrap(true);
    cmdOK = befehlsknopf("cmdOK", QStringLiteral("OK"), false);
    cmdCancel = befehlsknopf("cmdCancel", QStringLiteral("Abbrechen"), false);
    cmdOK->setDefault(true);
    auto* l = new QVBoxLayout(this);
    l->addWidget(lblInfo);
    l->addWidget(txtText);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(cmdOK);
    knoepfe->addWidget(cmdCancel);
    l->addLayout(knoepfe);
    resize(360, sizeHint().height());
    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    connect(cmdCancel, &QPushButton::clicked, this, [this] { cmdCancel_Click(); });
}

void frmText_Neu::cmdOK_Click() {
    if (m_fertig)
        return;
    m_fertig = true;
    const QString text = txtText->text();
    const QString& pfad = P().strFeldListePfad;
    const bool geschrieben = feldListeAnhaengen(pfad, text);
    if (geschrieben)
        m_w.strFeldListeEintrag = text;
    close();
    if (!geschrieben) {
        feldListeNichtSchreibbar(pfad);
        m_w.eigenerDialogGeschlossen();
        m_w.lstText->setFocus();
        return;
    }
    stockTexteNeuLaden(m_w, true);
}

void frmText_Neu::cmdCancel_Click() {
    if (m_fertig)
        return;
    m_fertig = true;
    txtText->clear();
    close();
    m_w.eigenerDialogGeschlossen();
    m_w.lstText->setFocus();
}

void frmText_Neu::reject() {
    cmdCancel_Click();
}

void frmText_Neu::closeEvent(QCloseEvent* e) {
    // The close box is Abbrechen.
    if (!m_fertig)
        cmdCancel_Click();
    e->accept();
}

// --- Changing or deleting an entry ---------------------------------------

frmEdit::frmEdit(frmTools& werkzeuge) : QDialog(&werkzeuge), m_w(werkzeuge) {
    setObjectName(QStringLiteral("frmEdit"));
    setWindowTitle(QStringLiteral("Feld ändern"));
    festerDialog(*this);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowModality(Qt::ApplicationModal);
    lstFeld = new QListWidget;
    lstFeld->setObjectName(QStringLiteral("lstFeld"));
    lblInfo = beschriftung("lblInfo",
                           QStringLiteral("Wählen Sie aus der Liste aus welches Feld Sie ändern "
                                          "möchten und ändern Sie dieses dann im Textfeld."),
                           lstFeld);
    lblInfo->setWordWrap(true);
    txtFeld = new QLineEdit;
    txtFeld->setObjectName(QStringLiteral("txtFeld"));
    txtFeld->setAccessibleName(QStringLiteral("Feld"));
    cmdOK = befehlsknopf("cmdOK", QStringLiteral("OK"), false);
    cmdClear = befehlsknopf("cmdClear", QStringLiteral("Feld löschen"), false);
    cmdCancel = befehlsknopf("cmdCancel", QStringLiteral("Abbrechen"), false);
    // Nothing to change or delete before an entry is chosen.
    cmdOK->setEnabled(false);
    cmdClear->setEnabled(false);
    auto* l = new QVBoxLayout(this);
    l->addWidget(lblInfo);
    l->addWidget(lstFeld, 1);
    l->addWidget(txtFeld);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(cmdOK);
    knoepfe->addWidget(cmdClear);
    knoepfe->addWidget(cmdCancel);
    l->addLayout(knoepfe);
    resize(360, 320);
    connect(lstFeld, &QListWidget::itemSelectionChanged, this, [this] {
        if (!lstFeld->selectedItems().isEmpty())
            lstFeld_Click();
    });
    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    connect(cmdClear, &QPushButton::clicked, this, [this] { cmdClear_Click(); });
    connect(cmdCancel, &QPushButton::clicked, this, [this] { cmdCancel_Click(); });
}

void frmEdit::Form_Load() {
    const QString& pfad = P().strFeldListePfad;
    const auto eintraege = feldListeLesen(pfad);
    if (!eintraege) {
        feldListeNichtLesbar(pfad);
        return;
    }
    for (const QString& e : *eintraege)
        sortiertEinfuegen(lstFeld, e);
    const int zeile = ersteZeile(lstFeld, m_w.strFeldListeEintrag);
    if (zeile >= 0)
        lstFeld->setCurrentRow(zeile);
}

void frmEdit::lstFeld_Click() {
    m_index = lstFeld->currentRow();
    txtFeld->setText(lstFeld->currentItem() ? lstFeld->currentItem()->text() : QString());
    cmdOK->setEnabled(true);
    cmdClear->setEnabled(true);
}

bool frmEdit::schreiben() {
    if (feldListeSchreiben(P().strFeldListePfad, eintraege(lstFeld)))
        return true;
    feldListeNichtSchreibbar(P().strFeldListePfad);
    return false;
}

void frmEdit::loeschenUndSchreiben() {
    delete lstFeld->takeItem(m_index);
    txtFeld->clear();
    if (!schreiben()) {
        beenden(false);
        return;
    }
    // The chosen entry is gone, so nothing is chosen now.
    m_w.strFeldListeEintrag.clear();
    beenden(true);
}

void frmEdit::cmdOK_Click() {
    if (m_fertig || m_index < 0 || m_index >= lstFeld->count())
        return;
    const QString text = ohneLeerzeichen(txtFeld->text());
    if (text.isEmpty()) {
        loeschenUndSchreiben();
        return;
    }
    // The entry keeps its place in the list, and so its line in the file.
    lstFeld->item(m_index)->setText(text);
    if (!schreiben()) {
        beenden(false);
        return;
    }
    const auto auswahl = lstFeld->selectedItems();
    m_w.strFeldListeEintrag = auswahl.isEmpty() ? QString() : auswahl.first()->text();
    beenden(true);
}

void frmEdit::cmdClear_Click() {
    if (m_fertig || m_index < 0 || m_index >= lstFeld->count())
        return;
    loeschenUndSchreiben();
}

void frmEdit::cmdCancel_Click() {
    if (!m_fertig)
        beenden(false);
}

void frmEdit::reject() {
    cmdCancel_Click();
}

void frmEdit::beenden(bool markieren) {
    m_fertig = true;
    close();
    stockTexteNeuLaden(m_w, markieren);
}

void frmEdit::closeEvent(QCloseEvent* e) {
    // The close box is Abbrechen.
    if (!m_fertig)
        beenden(false);
    e->accept();
}

} // namespace sorvo

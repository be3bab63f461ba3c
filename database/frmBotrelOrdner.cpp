#include "database/frmBotrelOrdner.h"

#include "database/bildersuche.h"
#include "label/nachbarn.h"
#include "label/programm.h"
#include "platform/dialogs.h"
#include "platform/knopf.h"
#include "platform/ordner.h"
#include "platform/system.h"

#include <QAccessible>
#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>

namespace sorvo {

namespace {

const QColor kNichtGefunden(0x40, 0x40, 0x40);

QFont schrift(bool fett) {
    QFont f(QStringLiteral("MS Sans Serif"));
    f.setPointSizeF(9.75);
    f.setBold(fett);
    return f;
}

bool endetMitTrenner(const QString& s) {
    return s.endsWith(QLatin1Char('/')) || s.endsWith(QLatin1Char('\\'));
}

QWidget* hauptfensterWidget() {
    return nachbarn().mdi ? nachbarn().mdi->widget() : nullptr;
}

} // namespace

frmBotrelOrdner::frmBotrelOrdner(QWidget* parent, const char* name, const QString& caption,
                                 const QString& ueberschrift, const char* textName)
    : QDialog(parent) {
    setObjectName(QString::fromLatin1(name));
    setWindowTitle(caption);
    festerDialog(*this);
    setModal(true);
    Frame1 = new QGroupBox;
    Frame1->setObjectName(QStringLiteral("Frame1"));
    drvLaufwerk = new QComboBox;
    drvLaufwerk->setObjectName(QStringLiteral("drvLaufwerk"));
    drvLaufwerk->setAccessibleName(QStringLiteral("Laufwerk"));
    drvLaufwerk->setFont(schrift(false));
    dirVerzeichnisse = new QTreeWidget;
    dirVerzeichnisse->setObjectName(QStringLiteral("dirVerzeichnisse"));
    dirVerzeichnisse->setAccessibleName(QStringLiteral("Verzeichnisse"));
    dirVerzeichnisse->setFont(schrift(false));
    ordnerBaumEinrichten(*dirVerzeichnisse);
    txtVerzeichnis = new QLineEdit;
    txtVerzeichnis->setObjectName(QString::fromLatin1(textName));
    txtVerzeichnis->setFont(schrift(false));
    // Enter belongs to the text box's check, never to a button.
    cmdAbbrechen = befehlsknopf("cmdAbbrechen", QStringLiteral("Abbrechen"), false);
    cmdOK = befehlsknopf("cmdOK", QStringLiteral("OK"), false);
    cmdOK->setEnabled(false);
    lblUeberschrift = beschriftung("lblUeberschrift", ueberschrift);
    lblUeberschrift->setFont(schrift(true));
    lblGefunden = beschriftung("lblGefunden", QStringLiteral("nicht gefunden"));
    lblGefunden->setFont(schrift(true));
    QPalette grau = lblGefunden->palette();
    grau.setColor(QPalette::WindowText, kNichtGefunden);
    lblGefunden->setPalette(grau);
    lblStatus = beschriftung("lblStatus", QStringLiteral("Status :"));
    lblStatus->setFont(schrift(false));
    lblOrdner = beschriftung("lblOrdner", QStringLiteral("Ordner :"), txtVerzeichnis);
    lblOrdner->setFont(schrift(false));
    // The status text is announced as itself ("gefunden"), and anew when it
    // changes: it keeps no accessible name of its own.

    auto* g = new QGridLayout(Frame1);
    g->addWidget(lblUeberschrift, 0, 0, 1, 3);
    g->addWidget(lblOrdner, 1, 0);
    g->addWidget(txtVerzeichnis, 1, 1, 1, 2);
    g->addWidget(drvLaufwerk, 2, 0, 1, 2);
    g->addWidget(dirVerzeichnisse, 3, 0, 1, 2);
    auto* status = new QHBoxLayout;
    status->addWidget(lblStatus);
    status->addWidget(lblGefunden);
    status->addStretch();
    g->addLayout(status, 2, 2, Qt::AlignTop);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(cmdAbbrechen);
    knoepfe->addWidget(cmdOK);
    g->addLayout(knoepfe, 4, 0, 1, 3);
    g->setRowStretch(3, 1);
    auto* l = new QVBoxLayout(this);
    l->addWidget(Frame1);

    drvLaufwerk->addItems(laufwerke());
    connect(drvLaufwerk, &QComboBox::currentIndexChanged, this, [this] { drvLaufwerk_Change(); });
    connect(dirVerzeichnisse, &QTreeWidget::currentItemChanged, this,
            [this] { dirVerzeichnisse_Change(); });
    connect(txtVerzeichnis, &QLineEdit::returnPressed, this, [this] { txtVerzeichnis_Enter(); });
    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    connect(cmdAbbrechen, &QPushButton::clicked, this, [this] { cmdAbbrechen_Click(); });
}

QString frmBotrelOrdner::aktuellerOrdnerVon(const QString& laufwerk) const {
    for (const QString& o : {gespeichert(), aktuellerOrdner()})
        if (!o.isEmpty() && QDir(o).exists() && laufwerkVon(*drvLaufwerk, o) == laufwerk)
            return o;
    return laufwerk;
}

void frmBotrelOrdner::laufwerkWechseln() {
    ordnerBaumSetzen(*drvLaufwerk, *dirVerzeichnisse,
                     aktuellerOrdnerVon(drvLaufwerk->currentText()));
    txtVerzeichnis->setText(ordnerBaumPfad(*dirVerzeichnisse));
    VerzeichnisPruefen();
}

void frmBotrelOrdner::drvLaufwerk_Change() {
    laufwerkWechseln();
}

void frmBotrelOrdner::dirVerzeichnisse_Change() {
    txtVerzeichnis->setText(ordnerBaumPfad(*dirVerzeichnisse));
    VerzeichnisPruefen();
}

void frmBotrelOrdner::txtVerzeichnis_Enter() {
    VerzeichnisPruefen();
}

bool frmBotrelOrdner::VerzeichnisPruefen() {
    if (!endetMitTrenner(txtVerzeichnis->text()))
        txtVerzeichnis->setText(txtVerzeichnis->text() + QLatin1Char('/'));
    const bool gefunden = markeVorhanden(txtVerzeichnis->text());
    const QString vorher = lblGefunden->text();
    QPalette farbe = lblGefunden->palette();
    if (gefunden) {
        piepen();
        lblGefunden->setText(QStringLiteral("gefunden"));
        farbe.setColor(QPalette::WindowText, Qt::black);
    } else {
        lblGefunden->setText(QStringLiteral("nicht gefunden"));
        farbe.setColor(QPalette::WindowText, kNichtGefunden);
    }
    lblGefunden->setPalette(farbe);
    if (lblGefunden->text() != vorher) {
        // The status is its own name: assistive technology hears the new one.
        QAccessibleEvent neu(lblGefunden, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&neu);
    }
    cmdOK->setEnabled(gefunden);
    return gefunden;
}

void frmBotrelOrdner::cmdOK_Click() {
    // The text may have been edited since its check: only a folder that
    // passes the check now is stored.
    if (!VerzeichnisPruefen())
        return;
    speichern(txtVerzeichnis->text());
    accept();
}

void frmBotrelOrdner::cmdAbbrechen_Click() {
    reject();
}

void frmBotrelOrdner::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    // After the window is up, as an activation would run it.
    QTimer::singleShot(0, this, [this] { Form_Activate(); });
}

void frmBotrelOrdner::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        e->accept(); // handled by the text box, never by a default button
        return;
    }
    if (e->key() == Qt::Key_Escape) {
        cmdAbbrechen_Click();
        return;
    }
    QDialog::keyPressEvent(e);
}

// --- The program folder ----------------------------------------------------

frmBotrelSuche::frmBotrelSuche(QWidget* parent)
    : frmBotrelOrdner(
          parent, "frmBotrelSuche", QStringLiteral("Botrel suchen"),
          QStringLiteral("Bitte den Ordner mit dem Botrel-Programm angeben oder suchen"),
          "txtBotrelVerzeichnis") {
    txtBotrelVerzeichnis = txtVerzeichnis;
    QFont f(QStringLiteral("Arial"));
    f.setPointSize(9);
    f.setBold(true);
    Frame1->setFont(f);
    QPalette pal = Frame1->palette();
    pal.setColor(QPalette::WindowText, kNichtGefunden);
    Frame1->setPalette(pal);
    resize(470, 231); // 7050 x 3465 twips
}

void frmBotrelSuche::Form_Activate() {
    const auto& p = P();
    const QString start = p.strBotrelVerz.isEmpty() ? aktuellerOrdner() : p.strBotrelVerz;
    // Set as a user would: a change runs the drive change step at once.
    const QString laufwerk = laufwerkVon(*drvLaufwerk, start);
    if (!laufwerk.isEmpty())
        drvLaufwerk->setCurrentText(laufwerk);
    if (!p.strBotrelVerz.isEmpty())
        ordnerBaumSetzen(*drvLaufwerk, *dirVerzeichnisse, p.strBotrelVerz);
    laufwerkWechseln();
}

bool frmBotrelSuche::markeVorhanden(const QString& ordner) const {
    return !dateiFinden(ordner, QStringLiteral("botrel3.exe")).isEmpty();
}

QString frmBotrelSuche::gespeichert() const {
    return P().strBotrelVerz;
}

void frmBotrelSuche::speichern(const QString& ordner) {
    P().strBotrelVerz = ordner;
    if (auto* m = nachbarn().mdi)
        m->menuAktivSetzen(QStringLiteral("mnuBotrelStarten"), true);
}

// --- The picture folder ----------------------------------------------------

frmBotrelBilder::frmBotrelBilder(QWidget* parent)
    : frmBotrelOrdner(parent, "frmBotrelBilder", QStringLiteral("Botrel- Bilder suchen"),
                      QStringLiteral("Bitte den Ordner mit den Botrel-Bilder angeben oder suchen"),
                      "txtBotrelBildVerzeichnis") {
    txtBotrelBildVerzeichnis = txtVerzeichnis;
    resize(447, 230); // 6705 x 3450 twips
    const QString gespeichert = P().strBotrelBilderVerz;
    const QString laufwerk =
        laufwerkVon(*drvLaufwerk, gespeichert.isEmpty() ? aktuellerOrdner() : gespeichert);
    if (!laufwerk.isEmpty()) {
        const QSignalBlocker sperre(drvLaufwerk);
        drvLaufwerk->setCurrentText(laufwerk);
    }
    txtBotrelBildVerzeichnis->setText(gespeichert);
}

void frmBotrelBilder::Form_Activate() {
    laufwerkWechseln();
}

bool frmBotrelBilder::markeVorhanden(const QString& ordner) const {
    return bilderOrdnerMarke(ordner);
}

QString frmBotrelBilder::gespeichert() const {
    return P().strBotrelBilderVerz;
}

void frmBotrelBilder::speichern(const QString& ordner) {
    P().strBotrelBilderVerz = ordner;
}

void BotrelBilderZeigen() {
    frmBotrelBilder d(hauptfensterWidget());
    dialoge().fensterModal(d);
}

void BotrelSucheZeigen() {
    frmBotrelSuche d(hauptfensterWidget());
    dialoge().fensterModal(d);
}

} // namespace sorvo

#include "print/frmDrucker.h"

#include "label/frmNeu.h"
#include "label/nachbarn.h"
#include "label/programm.h"
#include "label/unterprogramme.h"
#include "platform/dialogs.h"
#include "platform/knopf.h"
#include "platform/units.h"
#include "print/clsPrintDialog.h"
#include "print/drucker.h"
#include "print/frmVorschau.h"
#include "print/papier.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <cmath>
#include <limits>

namespace sorvo {

namespace {

const char* const kFarbNamen[] = {"Blau", "Gelb", "Grün", "Rot", "Schwarz"};

QLineEdit* box(QWidget* eltern, const QString& name) {
    auto* t = new QLineEdit(eltern);
    t->setObjectName(name);
    return t;
}

// A single as text, with the locale's decimal separator.
QString zahlText(float wert) {
    QString s = QString::number(static_cast<double>(wert), 'g', 7);
    s.replace(QLatin1Char('.'), Dezimaltrennzeichen());
    return s;
}

// A whole count as the boxes may hold it; none for a text that is no number.
std::optional<int32_t> anzahlLesen(const QString& text) {
    const auto d = masszahlLesen(text);
    if (!d || std::abs(*d) > std::numeric_limits<int32_t>::max())
        return std::nullopt;
    return RundenGerade(*d);
}

void falscheEingabe(QWidget* dialog, QLineEdit* feld, const QString& text) {
    dialoge().meldung(text, Msg::OK + Msg::Exclamation, dialog->windowTitle());
    feld->setFocus();
    feld->selectAll();
}

} // namespace

frmDrucker::frmDrucker(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmDrucker"));
    setWindowTitle(QStringLiteral("Einstellungen - Druck"));
    festerDialog(*this);

    fraBenutzer = new QGroupBox(QStringLiteral("Papiergröße"), this);
    platz(fraBenutzer, 120, 120, 3795, 1140);
    for (int i = 0; i < 2; ++i) {
        txtPGroesse[i] = box(fraBenutzer, QStringLiteral("txtPGroesse%1").arg(i));
        lblPGroesse[i] =
            beschriftung(nullptr, i == 0 ? QStringLiteral("Breite") : QStringLiteral("Höhe"),
                         txtPGroesse[i], fraBenutzer);
        lblPGroesse[i]->setObjectName(QStringLiteral("lblPGroesse%1").arg(i));
        platz(lblPGroesse[i], 120 + i * 1860, 360, 600, 285);
        platz(txtPGroesse[i], 780 + i * 1860, 300, 900, 315);
    }
    txtPGroesse[0]->setText(QStringLiteral("100"));
    txtPGroesse[1]->setText(QStringLiteral("75"));
    lblmm1 = beschriftung("lblmm1", QStringLiteral("in mm"), nullptr, fraBenutzer);
    platz(lblmm1, 120, 720, 1200, 285);

    fraGrenzen = new QGroupBox(QStringLiteral("Grenzen"), this);
    fraGrenzen->setObjectName(QStringLiteral("fraGrenzen"));
    platz(fraGrenzen, 120, 1380, 3795, 1740);
    const char* const grenzNamen[] = {"Links", "Rechts", "Oben", "Unten"};
    for (int i = 0; i < 4; ++i) {
        txtGrenze[i] = box(fraGrenzen, QStringLiteral("txtGrenze%1").arg(i));
        lblGrenze[i] =
            beschriftung(nullptr, QString::fromLatin1(grenzNamen[i]), txtGrenze[i], fraGrenzen);
        lblGrenze[i]->setObjectName(QStringLiteral("lblGrenze%1").arg(i));
        const int spalte = i % 2, reihe = i / 2;
        platz(lblGrenze[i], 120 + spalte * 1860, 420 + reihe * 480, 660, 285);
        platz(txtGrenze[i], 780 + spalte * 1860, 360 + reihe * 480, 900, 315);
    }
    lblmm2 = beschriftung("lblmm2", QStringLiteral("in mm"), nullptr, fraGrenzen);
    platz(lblmm2, 120, 1320, 1200, 285);

    fraZentrieren = new QGroupBox(QStringLiteral("Zentrieren"), this);
    fraZentrieren->setObjectName(QStringLiteral("fraZentrieren"));
    platz(fraZentrieren, 120, 3240, 3795, 1200);
    chkHZentrieren = new QCheckBox(QStringLiteral("Horizontal zentrieren"), fraZentrieren);
    chkHZentrieren->setObjectName(QStringLiteral("chkHZentrieren"));
    platz(chkHZentrieren, 120, 300, 3500, 315);
    chkVZentrieren = new QCheckBox(QStringLiteral("Vertikal zentrieren"), fraZentrieren);
    chkVZentrieren->setObjectName(QStringLiteral("chkVZentrieren"));
    platz(chkVZentrieren, 120, 720, 3500, 315);

    // At the place of the centring frame; a loop label shows this one instead.
    fraSchlaufen = new QGroupBox(QStringLiteral("Schlaufenetiketten"), this);
    fraSchlaufen->setObjectName(QStringLiteral("fraSchlaufen"));
    platz(fraSchlaufen, 120, 3240, 3795, 1200);
    txtAnzahlSpalten = box(fraSchlaufen, QStringLiteral("txtAnzahlSpalten"));
    txtAnzahlSpalten->setText(QStringLiteral("Text1"));
    Label2 = beschriftung("Label2", QStringLiteral("Anz. Schilder pro Reihe"), txtAnzahlSpalten,
                          fraSchlaufen);
    platz(Label2, 120, 360, 2400, 285);
    platz(txtAnzahlSpalten, 2640, 300, 900, 315);
    txtAnzahlWiederholungen = box(fraSchlaufen, QStringLiteral("txtAnzahlWiederholungen"));
    txtAnzahlWiederholungen->setText(QStringLiteral("Text1"));
    Label3 = beschriftung("Label3", QStringLiteral("Anz. Drucke pro Schild"),
                          txtAnzahlWiederholungen, fraSchlaufen);
    platz(Label3, 120, 780, 2400, 285);
    platz(txtAnzahlWiederholungen, 2640, 720, 900, 315);

    cmdDruckerEinrichten = new QPushButton(QStringLiteral("Drucker einrichten"), this);
    cmdDruckerEinrichten->setObjectName(QStringLiteral("cmdDruckerEinrichten"));
    platz(cmdDruckerEinrichten, 4080, 240, 2235, 375);

    fraGrenze = new QGroupBox(QStringLiteral("Schildbegrenzung"), this);
    fraGrenze->setObjectName(QStringLiteral("fraGrenze"));
    platz(fraGrenze, 4080, 780, 2235, 1455);
    chkRahmenDrucken = new QCheckBox(QStringLiteral("Schildbegrenzung drucken"), fraGrenze);
    chkRahmenDrucken->setObjectName(QStringLiteral("chkRahmenDrucken"));
    platz(chkRahmenDrucken, 120, 300, 2040, 315);
    lstGrenzFarbe = new QComboBox(fraGrenze);
    lstGrenzFarbe->setObjectName(QStringLiteral("lstGrenzFarbe"));
    for (const char* n : kFarbNamen)
        lstGrenzFarbe->addItem(QString::fromUtf8(n));
    lstGrenzFarbe->setPlaceholderText(QStringLiteral("Combo1"));
    lstGrenzFarbe->setCurrentIndex(-1);
    Label1 = beschriftung("Label1", QStringLiteral("Farbe:"), lstGrenzFarbe, fraGrenze);
    platz(Label1, 120, 840, 600, 285);
    platz(lstGrenzFarbe, 780, 780, 1380, 315);

    cmdAbbrechen = new QPushButton(QStringLiteral("Abbrechen"), this);
    cmdAbbrechen->setObjectName(QStringLiteral("cmdAbbrechen"));
    platz(cmdAbbrechen, 4080, 3540, 2235, 375);
    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    platz(cmdOK, 4080, 4020, 2235, 375);

    lblPapierformat = new QLabel(QStringLiteral("Papiergröße:"), this);
    lblPapierformat->setObjectName(QStringLiteral("lblPapierformat"));
    platz(lblPapierformat, 120, 7260, 1500, 285);
    Command1 = new QPushButton(QStringLiteral("Command1"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    platz(Command1, 120, 7620, 1500, 375);
    fraFormat = new QGroupBox(QStringLiteral("Format"), this);
    fraFormat->setObjectName(QStringLiteral("fraFormat"));
    platz(fraFormat, 120, 8220, 3795, 1200);
    cboPapierformat = new QComboBox(fraFormat);
    cboPapierformat->setObjectName(QStringLiteral("cboPapierformat"));
    cboPapierformat->setEditable(true);
    cboPapierformat->setEditText(QStringLiteral("cboPapierformat"));
    cboPapierformat->setAccessibleName(lblPapierformat->text());
    lblPapierformat->setBuddy(cboPapierformat);
    platz(cboPapierformat, 120, 300, 3500, 315);
    optHoch = new QRadioButton(QStringLiteral("Hochformat"), fraFormat);
    optHoch->setObjectName(QStringLiteral("optHoch"));
    platz(optHoch, 120, 720, 1500, 315);
    optQuer = new QRadioButton(QStringLiteral("Querformat"), fraFormat);
    optQuer->setObjectName(QStringLiteral("optQuer"));
    platz(optQuer, 1800, 720, 1500, 315);

    for (QPushButton* k : {cmdDruckerEinrichten, cmdAbbrechen, cmdOK, Command1}) {
        k->setAutoDefault(false);
        k->setAccessibleName(k->text());
    }
    for (QAbstractButton* k : std::initializer_list<QAbstractButton*>{
             chkHZentrieren, chkVZentrieren, chkRahmenDrucken, optHoch, optQuer})
        k->setAccessibleName(k->text());

    connect(cboPapierformat, &QComboBox::activated, this, [this] { cboPapierformat_Click(); });
    connect(chkHZentrieren, &QCheckBox::clicked, this, [this] { chkHZentrieren_Click(); });
    connect(chkVZentrieren, &QCheckBox::clicked, this, [this] { chkVZentrieren_Click(); });
    connect(cmdDruckerEinrichten, &QPushButton::clicked, this,
            [this] { cmdDruckerEinrichten_Click(); });
    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    connect(cmdAbbrechen, &QPushButton::clicked, this, [this] { cmdAbbrechen_Click(); });
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    anordnen();
    Form_Load();
}

void frmDrucker::platz(QWidget* w, int links, int oben, int breite, int hoehe) {
    m_plaetze.emplace_back(w, QRect(links, oben, breite, hoehe));
}

void frmDrucker::anordnen() {
    // The layout is designed in twips for a small system font. With a wider
    // one the whole dialog grows alike until every caption fits its place.
    double skala = 1.0;
    for (const auto& [w, r] : m_plaetze)
        if (qobject_cast<QLabel*>(w) || qobject_cast<QAbstractButton*>(w))
            skala = std::max(skala, w->sizeHint().width() / twipsZuPixel(r.width()));
    const auto px = [skala](int twips) { return RundenGerade(twipsZuPixel(twips) * skala); };
    for (const auto& [w, r] : m_plaetze)
        w->setGeometry(px(r.left()), px(r.top()), px(r.width()), px(r.height()));
    // The client area as designed; the paper-format controls lie below it.
    setFixedSize(px(6435), px(4545));
    // A control outside the visible area is no control for the user: it
    // must not take the focus by Tab nor act on a key there.
    for (const auto& [w, r] : m_plaetze)
        if (w->parentWidget() == this && !rect().intersects(w->geometry()))
            w->hide();
}

frmDrucker::~frmDrucker() = default;

QString frmDrucker::FormatUebers(long intUebergabe) const {
    return sorvo::FormatUebers(intUebergabe);
}

void frmDrucker::Form_Load() {
    prtDlg = std::make_unique<clsPrintDialog>();
    cboPapierformat->clear();
    for (long i = 1; i <= 41; ++i)
        cboPapierformat->addItem(FormatUebers(i));
    cboPapierformat->addItem(FormatUebers(PapierBenutzerdefiniert));
    cboPapierformat->setEditText(FormatUebers(druckerPapierFormat(programmDrucker())));
    txtPGroesse[0]->setText(QString::number(PapierBreite()));
    txtPGroesse[1]->setText(QString::number(PapierHoehe()));

    const auto& p = P();
    const DruckOptionen& o = DO();
    const auto& e = S(p.lngAktivesSchild);
    chkRahmenDrucken->setChecked(p.blnRahmenDrucken);
    lstGrenzFarbe->setCurrentIndex(-1);
    for (int i = 0; i < static_cast<int>(kRahmenFarben.size()); ++i)
        if (p.strRahmenDruckFarbe == QLatin1String(kRahmenFarben[static_cast<size_t>(i)])) {
            lstGrenzFarbe->setCurrentIndex(i);
            break;
        }

    // Checking a box runs its click rule, with the margin boxes still empty.
    chkHZentrieren->setChecked(o.blnHZentrieren);
    if (o.blnHZentrieren)
        chkHZentrieren_Click();
    chkVZentrieren->setChecked(o.blnVZentrieren);
    if (o.blnVZentrieren)
        chkVZentrieren_Click();

    const float grenzen[] = {e.sngGrenzeLinks, e.sngGrenzeRechts, e.sngGrenzeOben,
                             e.sngGrenzeUnten};
    for (int erste : {0, 2}) {
        const bool zentriert = erste == 0 ? o.blnHZentrieren : o.blnVZentrieren;
        fraGrenzen->setEnabled(!zentriert);
        for (int i = erste; i < erste + 2; ++i) {
            txtGrenze[i]->setEnabled(!zentriert);
            lblGrenze[i]->setEnabled(!zentriert);
            txtGrenze[i]->setText(zentriert ? QString() : zahlText(grenzen[i]));
        }
    }
    grenzenRahmenSetzen();

    txtAnzahlSpalten->setText(QString::number(o.lngSchilderProReihe));
    txtAnzahlWiederholungen->setText(QString::number(o.lngDruckeProSchild));

    // A loop label has its counts instead of centring, and no right or
    // bottom margin.
    const bool schlaufe = e.blnSchlaufenetikett;
    fraSchlaufen->setVisible(schlaufe);
    fraZentrieren->setVisible(!schlaufe);
    txtGrenze[1]->setEnabled(!schlaufe);
    txtGrenze[3]->setEnabled(!schlaufe);
}

void frmDrucker::papierGruppeFreigeben(bool an) {
    for (QWidget* w : std::initializer_list<QWidget*>{
             fraBenutzer, lblmm1, lblPGroesse[0], lblPGroesse[1], txtPGroesse[0], txtPGroesse[1]})
        w->setEnabled(an);
}

void frmDrucker::cboPapierformat_Click() {
    papierGruppeFreigeben(cboPapierformat->currentText() == QStringLiteral("Benutzerdefiniert"));
}

void frmDrucker::zentrierenKlick(QCheckBox* box, int erste) {
    auto& gemerkt = DO().sngGrenzeGemerkt;
    if (box->isChecked()) {
        // Keep what the boxes hold; a text that is no number keeps the old value.
        for (int i = erste; i < erste + 2; ++i)
            if (const auto wert = masszahlLesen(txtGrenze[i]->text()))
                gemerkt[static_cast<size_t>(i)] = static_cast<float>(*wert);
        for (int i = erste; i < erste + 2; ++i) {
            txtGrenze[i]->setEnabled(false);
            lblGrenze[i]->setEnabled(false);
        }
    } else {
        for (int i = erste; i < erste + 2; ++i) {
            txtGrenze[i]->setEnabled(true);
            lblGrenze[i]->setEnabled(true);
            txtGrenze[i]->setText(QString::number(RundenGerade(gemerkt[static_cast<size_t>(i)])));
        }
    }
    grenzenRahmenSetzen();
}

void frmDrucker::grenzenRahmenSetzen() {
    const bool beide = chkHZentrieren->isChecked() && chkVZentrieren->isChecked();
    fraGrenzen->setEnabled(!beide);
    lblmm2->setEnabled(!beide);
}

void frmDrucker::chkHZentrieren_Click() {
    zentrierenKlick(chkHZentrieren, 0);
}

void frmDrucker::chkVZentrieren_Click() {
    zentrierenKlick(chkVZentrieren, 2);
}

void frmDrucker::cmdDruckerEinrichten_Click() {
    prtDlg->PD_PrintSetup(true);
    prtDlg->ShowPrinter(0);
    txtPGroesse[0]->setText(QString::number(PapierBreite()));
    txtPGroesse[1]->setText(QString::number(PapierHoehe()));
}

void frmDrucker::cmdOK_Click() {
    auto& p = P();
    DruckOptionen& o = DO();
    auto& e = S(p.lngAktivesSchild);

    // Every entry is read before anything is stored. A box the user cannot
    // edit (centring on, or a loop label's right and bottom margin) and an
    // empty box keep the stored margin.
    float* const grenzen[] = {&e.sngGrenzeLinks, &e.sngGrenzeRechts, &e.sngGrenzeOben,
                              &e.sngGrenzeUnten};
    std::array<float, 4> neu{};
    for (size_t i = 0; i < 4; ++i) {
        QLineEdit* t = txtGrenze[i];
        neu[i] = *grenzen[i];
        if (!t->isEnabled() || t->text().trimmed().isEmpty())
            continue;
        const auto wert = masszahlLesen(t->text());
        if (!wert) {
            falscheEingabe(this, t,
                           QStringLiteral("Bitte geben Sie die Grenzen als Zahlen in mm ein."));
            return;
        }
        neu[i] = static_cast<float>(*wert);
    }
    int32_t anzahl[] = {o.lngSchilderProReihe, o.lngDruckeProSchild};
    QLineEdit* const anzahlBoxen[] = {txtAnzahlSpalten, txtAnzahlWiederholungen};
    for (size_t i = 0; i < 2; ++i) {
        if (anzahlBoxen[i]->text().trimmed().isEmpty())
            continue;
        const auto wert = anzahlLesen(anzahlBoxen[i]->text());
        if (!wert) {
            falscheEingabe(this, anzahlBoxen[i],
                           QStringLiteral("Bitte geben Sie die Anzahl der Schilder pro Reihe und "
                                          "der Drucke pro Schild als ganze Zahlen ein."));
            return;
        }
        anzahl[i] = std::max(1, *wert);
    }

    e.lngAusrichtung = druckerAusrichtung(programmDrucker());
    for (size_t i = 0; i < 4; ++i)
        *grenzen[i] = neu[i];
    o.blnHZentrieren = chkHZentrieren->isChecked();
    o.blnVZentrieren = chkVZentrieren->isChecked();
    p.blnRahmenDrucken = chkRahmenDrucken->isChecked();
    const int farbe = lstGrenzFarbe->currentIndex();
    if (farbe >= 0 && farbe < static_cast<int>(kRahmenFarben.size()))
        p.strRahmenDruckFarbe = QLatin1String(kRahmenFarben[static_cast<size_t>(farbe)]);
    o.lngSchilderProReihe = anzahl[0];
    o.lngDruckeProSchild = anzahl[1];
    SchildGeaendert();
    accept();

    // An open preview shows the new settings at its zoom.
    vorschauErneuern();
}

void frmDrucker::cmdAbbrechen_Click() {
    QDialog::reject();
}

void frmDrucker::reject() {
    cmdAbbrechen_Click();
}

void frmDrucker::Command1_Click() {
    SeitenMasseText();
}

frmDrucker* druckerEinstellungenZeigen() {
    QWidget* eltern = QApplication::activeWindow();
    if (!eltern && nachbarn().mdi)
        eltern = nachbarn().mdi->widget();
    auto* d = new frmDrucker(eltern);
    d->setAttribute(Qt::WA_DeleteOnClose);
    d->setWindowModality(Qt::ApplicationModal);
    d->show();
    return d;
}

void druckerEinrichten() {
    DO().druckerEinstellungen = [] { druckerEinstellungenZeigen(); };
}

} // namespace sorvo

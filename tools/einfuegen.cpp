// Inserting texts, pictures and data fields into the current label, the
// picture preview, and re-binding the data field being edited.
#include "catalogue/mdlDruck.h"
#include "label/frmLabel.h"
#include "label/programm.h"
#include "label/unterprogramme.h"
#include "platform/bilddatei.h"
#include "platform/canvas.h"
#include "platform/dialogs.h"
#include "platform/jet/jet.h"
#include "platform/units.h"
#include "tools/bildmass.h"
#include "tools/frmTools.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace sorvo {

namespace {

const QString kBenutzer = QStringLiteral("Benutzerdef. Eigenschaften");
const QString kBildFeld = QStringLiteral("Bild");
const QString kPreisFeld = QStringLiteral("Sorvo-Preis");

// A picture's natural height and width in whole millimetres.
std::pair<int32_t, int32_t> ganzeMm(const QImage& bild) {
    const QSizeF mm = natuerlicheGroesseMm(bild);
    return {RundenGerade(mm.height()), RundenGerade(mm.width())};
}

} // namespace

void frmTools::BildAnzeigen() {
    const QString pfad = txtBild->text();
    const QImage bild = sorvo::bildLaden(pfad);
    if (bild.isNull()) {
        // The preview keeps the picture it showed; the button inserts
        // nothing until a picture is shown again.
        cmdBild_E->setEnabled(false);
        dialoge().meldung(QStringLiteral("Die Datei kann nicht als Bild geladen werden:\r") + pfad,
                          Msg::OK + Msg::Exclamation, QStringLiteral("Kein Bild!"));
        return;
    }
    const auto [h, w] = ganzeMm(bild);
    const auto groesse = vorschauGroesse(h, w, 1455, 2535);
    if (!groesse) {
        cmdBild_E->setEnabled(false);
        dialoge().meldung(QStringLiteral("Das Bild ist zu niedrig, um es einzufügen:\r") + pfad,
                          Msg::OK + Msg::Exclamation, QStringLiteral("Kein Bild!"));
        return;
    }
    // The preview shows the picture at its own small size: a photograph
    // converted whole would cost more than the insertion itself.
    const QSize vorschau(px(groesse->width()), px(groesse->height()));
    imgBild->setGeometry(QRect(QPoint(0, 0), vorschau));
    imgBild->setPixmap(QPixmap::fromImage(bild.scaled(
        vorschau.expandedTo(QSize(1, 1)), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
    m_vorschau = bild;
    m_vorschauPfad = pfad;
    cmdBild_E->setEnabled(true);
}

void frmTools::vorschauLeeren() {
    imgBild->clear();
    imgBild->setGeometry(0, 0, 0, 0);
    m_vorschau = QImage();
    m_vorschauPfad.clear();
}

void frmTools::BildEinfuegen() {
    frmLabel* f = aktuellesSchild();
    if (!f || m_vorschau.isNull() || !cmdBild_E->isEnabled())
        return;
    const auto [h, w] = ganzeMm(m_vorschau);
    if (!f->BildNeu())
        return;
    const int32_t i = S(P().lngAktivesSchild).lngAktuellesBild;
    // The path of the picture shown, which is the one inserted.
    f->BildPfadSchreiben(i, m_vorschauPfad);
    Bild& b = f->imgBild(i);
    b.setHeight(h / 2.0);
    b.setWidth(w / 2.0);
    b.setPicture(m_vorschau);
    b.setVisible(true);
    f->flaeche()->nachVorne(&b);
    panelSchliessen(fraBild_E, cmdEinfuegenBild);
}

namespace {

// A new text of the current window with caption s, opaque and self-sizing,
// in front of the others; nullptr at the label's limit.
Beschriftung* neuerText(frmLabel& f, const QString& s) {
    if (!f.TextNeu())
        return nullptr;
    Beschriftung& t = f.lblText(S(P().lngAktivesSchild).lngAktuellerText);
    t.setCaption(s);
    t.setVisible(true);
    f.flaeche()->nachVorne(&t);
    t.setAutoSize(true);
    t.setBackStyle(1);
    return &t;
}

} // namespace

void frmTools::TextEinfuegen() {
    frmLabel* f = aktuellesSchild();
    if (!f)
        return;
    const auto auswahl = lstText->selectedItems();
    if (!neuerText(*f, auswahl.isEmpty() ? QString() : auswahl.first()->text()))
        return;
    panelSchliessen(fraText_E, cmdEinfuegenText);
}

void frmTools::TextEinfuegen_BD() {
    frmLabel* f = aktuellesSchild();
    if (!f || txtTextEinfuegen->text().isEmpty())
        return;
    // Set first: closing the panel takes the focus from the box.
    m_getipptEingefuegt = true;
    if (!neuerText(*f, txtTextEinfuegen->text()))
        return;
    panelSchliessen(fraText_E, cmdEinfuegenText);
}

std::optional<QString> frmTools::datenfeldCaption(const QString& name) const {
    const auto kategorie = kategorieAusArt(SchildDb(P().lngAktivesSchild).BotrelDateiArt);
    if (!kategorie)
        return QLatin1Char('<') + name + QLatin1Char('>');
    const QStringList& anzeige = varDfAnzeigeNamen(*kategorie);
    const QStringList& kurz = varDfKurzNamen(*kategorie);
    const qsizetype k = anzeige.indexOf(name);
    if (k < 0 || k >= kurz.size())
        return std::nullopt;
    return QLatin1Char('<') + kurz[k] + QLatin1Char('>');
}

QString frmTools::benutzerEigenschaft() {
    // Closing the chooser by its close box leaves the name as it was, so an
    // earlier choice must not count.
    BenuUebergabe.clear();
    const QString& pfad = S(P().lngAktivesSchild).strDbPfad;
    try {
        BenutzerNamenLaden(pfad);
    } catch (const jet::JetError& e) {
        // Without the names there is nothing sound to choose from.
        dialoge().meldung(QStringLiteral("Die Namen der benutzerdefinierten Eigenschaften "
                                         "konnten nicht gelesen werden:\r") +
                              pfad + QStringLiteral("\r") + e.description(),
                          Msg::OK + Msg::Exclamation, QStringLiteral("Datenbankfehler"));
        return QString();
    }
    if (const auto& waehlen = nachbarn().benutzerEigenschaftWaehlen)
        waehlen();
    return BenuUebergabe;
}

void frmTools::DatenfeldEinfuegen(const QString& strFeldname) {
    frmLabel* f = aktuellesSchild();
    if (!f)
        return;
    QString c;
    if (strFeldname == kBenutzer) {
        const QString name = benutzerEigenschaft();
        if (name.isEmpty())
            return;
        c = QLatin1Char('<') + name + QLatin1Char('>');
    } else {
        const auto caption = datenfeldCaption(strFeldname);
        if (!caption)
            return;
        c = *caption;
    }
    if (!f->DatenfeldNeu())
        return;
    Beschriftung& d = f->lblDatenfeld(S(P().lngAktivesSchild).lngAktuellesDatenfeld);
    d.setCaption(c);
    d.setVisible(true);
    f->flaeche()->nachVorne(&d);
    d.setAutoSize(true);
    d.setBackStyle(1);
    d.setBorderStyle(0);
    if (strFeldname == kBildFeld) {
        // A white framed box that the record transfer fills with a picture;
        // it keeps the size its caption gave it.
        d.setBorderStyle(1);
        d.setBackColor(RGB(255, 255, 255));
        d.setAutoSize(false);
    }
    // The label shows a placeholder now, so its records can be chosen at
    // once rather than only after the window is activated again.
    if (S(P().lngAktivesSchild).blnDbGeladen)
        if (auto* m = nachbarn().mdi)
            m->menuAktivSetzen(QStringLiteral("mnuDbDatensaetzeWaehlen"), true);
    panelSchliessen(fraDatenfeld_E, cmdEinfuegenDatenFeld);
}

void frmTools::PreisfeldEinfuegen() {
    if (!aktuellesSchild())
        return;
    const int32_t n = P().lngAktivesSchild;
    if (!S(n).blnPreisDbGeladen || S(n).strPreisSpalte.isEmpty()) {
        const Antwort a = dialoge().meldung(
            QStringLiteral("Es wurde noch keine Preise-Datenbank geladen!\rSoll dies jetzt "
                           "nachgeholt werden?"),
            Msg::YesNo + Msg::Question, QStringLiteral("Keine Preise-Datenbank geladen!"));
        if (a == Antwort::Yes) {
            if (const auto& zeigen = nachbarn().preisDialogZeigen)
                zeigen();
            if (!S(n).blnPreisDbGeladen)
                return;
        }
    }
    DatenfeldEinfuegen(kPreisFeld);
    S(n).blnGeaendert = true;
}

void frmTools::lstDfListe_DblClick() {
    frmLabel* f = aktuellesSchild();
    QListWidgetItem* eintrag = lstDfListe->currentItem();
    if (!f || !eintrag || m_bearbeitung != Bearbeitung::Datenfeld)
        return;
    const int32_t i = S(P().lngAktivesSchild).lngAktuellesDatenfeld;
    if (i < 1 || i > f->hoechstesDatenfeld())
        return;
    // The field stays marked and unannounced: OK or Cancel of the frame
    // decides.
    const QString s = eintrag->text();
    if (s == kBenutzer) {
        const QString name = benutzerEigenschaft();
        if (!name.isEmpty())
            f->lblDatenfeld(i).setCaption(QLatin1Char('<') + name + QLatin1Char('>'));
        return;
    }
    if (const auto c = datenfeldCaption(s))
        f->lblDatenfeld(i).setCaption(*c);
}

} // namespace sorvo

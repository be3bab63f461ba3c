// Loading an element of the current label into its edit frame, and the
// frames' OK and Cancel. Loading locks every label window and records the
// element as it is; OK keeps what the element is then, Cancel gives back
// the recorded values exactly.
#include "label/frmLabel.h"
#include "label/programm.h"
#include "label/unterprogramme.h"
#include "platform/dialogs.h"
#include "platform/elements.h"
#include "platform/fonts.h"
#include "platform/units.h"
#include "tools/bildmass.h"
#include "tools/farbwahl.h"
#include "tools/frmTools.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace sorvo {

namespace {

QString zahl(int32_t n) {
    return QString::number(n);
}

// A whole number as a box shows it, empty for 0.
QString zahlOderLeer(int32_t n) {
    return n == 0 ? QString() : zahl(n);
}

// Sets a check box without running its reaction.
void stillSetzen(QCheckBox* k, bool an) {
    const QSignalBlocker sperre(k);
    k->setChecked(an);
}

} // namespace

void AlteWerte::geometrieMerken(const Steuerelement& e) {
    hoehe = e.Height();
    breite = e.Width();
    links = e.Left();
    oben = e.Top();
    lngAltHoehe = RundenGerade(hoehe);
    lngAltBreite = RundenGerade(breite);
    lngAltLinks = RundenGerade(links);
    lngAltOben = RundenGerade(oben);
}

void AlteWerte::geometrieZurueck(Steuerelement& e) const {
    e.setHeight(hoehe);
    e.setWidth(breite);
    e.setLeft(links);
    e.setTop(oben);
}

void frmTools::titelSetzen(const QString& art, int32_t index) {
    const int32_t n = P().lngAktivesSchild;
    const QString& datei = S(n).strVorlageDatei;
    setCaption((datei.isEmpty() ? QStringLiteral("WZ - Schild: ") + zahl(n)
                                : QStringLiteral("WZ - ") + DateinameAusPfad(datei)) +
               art + zahl(index));
}

void frmTools::rahmenZeigen(QGroupBox* rahmen, int hoehe) {
    for (QGroupBox* g : {fraBild_B, fraText_B, fraDatenfeld_B, fraDfBild_B})
        if (g != rahmen)
            g->hide();
    setHeight(hoehe);
    rahmen->setGeometry(px(100), px(120), width() - 2 * px(100),
                        std::max(1, height() - px(120) - px(60)));
    rahmen->show();
}

void frmTools::beschriftungMerken(const Beschriftung& b, int32_t maxBreite) {
    alt.links = b.Left();
    alt.oben = b.Top();
    alt.lngAltLinks = RundenGerade(alt.links);
    alt.lngAltOben = RundenGerade(alt.oben);
    alt.strAltText = b.Caption();
    P().lngAltHintergrundFarbe = b.BackColor();
    alt.lngAltSchriftFarbe = b.ForeColor();
    alt.blnAltFett = b.FontBold();
    alt.blnAltKursiv = b.FontItalic();
    alt.blnAltUnterstrichen = b.FontUnderline();
    alt.strAltSchriftart = b.FontName();
    alt.schriftGroesse = b.FontSize();
    alt.lngAltSchriftGroesse = RundenGerade(alt.schriftGroesse);
    alt.lngAltRahmen = b.BorderStyle();
    alt.lngAltAusrichtung = b.Alignment();
    alt.lngAltHintergrundArt = b.BackStyle();
    alt.lngAltTextMaxBreite = maxBreite;
    alt.autoSize = b.AutoSize();
    alt.wortUmbruch = b.WordWrap();
    alt.breite = b.Width();
    alt.hoehe = b.Height();
}

void frmTools::beschriftungZurueck(Beschriftung& b) {
    b.setCaption(alt.strAltText);
    b.setFontName(alt.strAltSchriftart);
    b.setFontSize(alt.schriftGroesse);
    b.setFontBold(alt.blnAltFett);
    b.setFontItalic(alt.blnAltKursiv);
    b.setFontUnderline(alt.blnAltUnterstrichen);
    b.setBackColor(P().lngAltHintergrundFarbe);
    b.setForeColor(alt.lngAltSchriftFarbe);
    b.setLeft(alt.links);
    b.setTop(alt.oben);
    b.setBorderStyle(alt.lngAltRahmen);
    b.setAlignment(alt.lngAltAusrichtung);
    b.setBackStyle(alt.lngAltHintergrundArt);
    b.setWordWrap(alt.wortUmbruch);
    b.setAutoSize(alt.autoSize);
    if (!alt.autoSize || alt.wortUmbruch)
        b.setWidth(alt.breite);
    if (!alt.autoSize)
        b.setHeight(alt.hoehe);
}

// The text and data-field frames' boxes from the recorded values. The check
// boxes are set quietly: their reactions would write into the element, and
// a right-aligned element must stay right-aligned.
void frmTools::beschriftungAnzeigen(bool datenfeld) {
    const int k = datenfeld ? 3 : 1;
    stillSetzen(datenfeld ? chkDfRahmen : chkRahmen, alt.lngAltRahmen == 1);
    stillSetzen(datenfeld ? chkDfTransparent : chkTransparent, alt.lngAltHintergrundArt == 1);
    txtX[k]->setText(zahl(Runden(alt.lngAltLinks)));
    txtY[k]->setText(zahl(Runden(alt.lngAltOben)));
    // The chooser at rest, its samples showing the element's own colours.
    Farbwahl* farben = datenfeld ? farbwahlDf : farbwahlText;
    farben->cmdAbbrechenFarbe_Click();
    farben->musterSetzen(alt.lngAltSchriftFarbe, P().lngAltHintergrundFarbe);
    (datenfeld ? cboDfArt : cboArt)->setEditText(alt.strAltSchriftart);
    (datenfeld ? cboDfGroesse : cboGroesse)->setEditText(zahl(alt.lngAltSchriftGroesse));
}

void frmTools::ElementLaden(int32_t art, int32_t index) {
    auto& p = P();
    const int32_t n = p.lngAktivesSchild;
    if (n < 1 || n > p.hoechstesSchild())
        return;
    frmLabel& f = Schild(n);
    const int32_t hoechster = art == ArtText        ? f.hoechsterText()
                              : art == ArtDatenfeld ? f.hoechstesDatenfeld()
                                                    : f.hoechstesBild();
    if (index < 1 || index > hoechster)
        return;
    auto& s = S(n);

    fraDatenfeld_E->hide();
    AllesSperren();
    lngElementIndex = index;
    // The frame must be seen even when the window had been closed.
    setVisible(true);

    if (art == ArtBild) {
        s.lngAktuellesBild = index;
        titelSetzen(QStringLiteral(" Bild: "), index);
        SetFocus();
        Bild& b = f.imgBild(index);
        b.setBorderStyle(1);
        alt.geometrieMerken(b);
        rahmenZeigen(fraBild_B, 6400);
        m_bearbeitung = Bearbeitung::Bild;
        txtHB[0]->setText(zahl(Runden(alt.lngAltHoehe)));
        txtHB[1]->setText(zahl(Runden(alt.lngAltBreite)));
        txtX[0]->setText(zahl(Runden(alt.lngAltLinks)));
        txtY[0]->setText(zahl(Runden(alt.lngAltOben)));
        // A picture without height has no proportions to preview.
        if (const auto v = vorschauGroesse(alt.lngAltHoehe, alt.lngAltBreite, 1215, 2532)) {
            imgBbTestbild->setGeometry(0, 0, px(v->width()), px(v->height()));
            imgBbTestbild->setPixmap(QPixmap::fromImage(b.Picture()));
        } else {
            imgBbTestbild->clear();
            imgBbTestbild->setGeometry(0, 0, 0, 0);
        }
        fraEinfuegen->hide();
        return;
    }

    if (art == ArtText) {
        blnHFarbeAenderung = false;
        s.lngAktuellerText = index;
        Beschriftung& t = f.lblText(index);
        txtFont->setText(t.Caption());
        titelSetzen(QStringLiteral(" Text: "), index);
        SetFocus();
        const QString maxBreite = f.TextMaxBreiteLesen(index);
        beschriftungMerken(t, maxBreite.toInt());
        txtMaxBText->setText(alt.lngAltTextMaxBreite == 0 ? QString() : maxBreite);
        chkTfZentriert->setEnabled(alt.lngAltTextMaxBreite != 0);
        rahmenZeigen(fraText_B, 7500);
        m_bearbeitung = Bearbeitung::Text;
        beschriftungAnzeigen(false);
        stillSetzen(chkTfZentriert, alt.lngAltAusrichtung != 0);
        if (f.lngTextMarkiert != 1)
            f.Markierung_Ein();
        fraEinfuegen->hide();
        return;
    }

    Beschriftung& d = f.lblDatenfeld(index);
    if (d.Caption() == QStringLiteral("<Bild>")) {
        s.lngAktuellesDatenfeld = index;
        titelSetzen(QStringLiteral(" Datenfeld: "), index);
        SetFocus();
        d.setBorderStyle(1);
        alt.geometrieMerken(d);
        alt.lngAltMaxHoehe = f.DatenfeldMaxHoeheLesen(index).toInt();
        alt.lngAltMaxBreite = f.DatenfeldMaxBreiteLesen(index).toInt();
        rahmenZeigen(fraDfBild_B, 4900);
        m_bearbeitung = Bearbeitung::DatenfeldBild;
        txtHB[2]->setText(zahlOderLeer(Runden(alt.lngAltMaxHoehe)));
        txtHB[3]->setText(zahlOderLeer(Runden(alt.lngAltMaxBreite)));
        txtX[2]->setText(zahl(Runden(alt.lngAltLinks)));
        txtY[2]->setText(zahl(Runden(alt.lngAltOben)));
        chkDfBildZentriert->setEnabled(alt.lngAltMaxBreite != 0);
        fraEinfuegen->hide();
        return;
    }

    blnHFarbeAenderung = false;
    // The lists offered while editing belong to this window's database.
    if (s.blnPflanzenDb)
        SchildDb(n).DbTabellenAnzeigen();
    else
        SchildDb(n).DbTabellenAnzeigenEigeneDb();
    lstDfListe->setCurrentRow(-1);
    lstDfListe->clearSelection();
    s.lngAktuellesDatenfeld = index;
    titelSetzen(QStringLiteral(" D.feld: "), index);
    SetFocus();
    beschriftungMerken(d, f.DatenfeldMaxBreiteLesen(index).toInt());
    txtMaxBDatenfeld->setText(zahlOderLeer(alt.lngAltTextMaxBreite));
    chkDfZentriert->setEnabled(alt.lngAltTextMaxBreite != 0);
    rahmenZeigen(fraDatenfeld_B, 7500);
    m_bearbeitung = Bearbeitung::Datenfeld;
    beschriftungAnzeigen(true);
    txtFont->setFont(schriftBauen(alt.strAltSchriftart, alt.lngAltSchriftGroesse, alt.blnAltFett,
                                  alt.blnAltKursiv, alt.blnAltUnterstrichen));
    QPalette pal = txtFont->palette();
    pal.setColor(QPalette::Base, zuQColor(P().lngAltHintergrundFarbe, pal));
    pal.setColor(QPalette::Text, zuQColor(alt.lngAltSchriftFarbe, pal));
    txtFont->setPalette(pal);
    stillSetzen(chkDfZentriert, alt.lngAltAusrichtung != 0);
    f.DfMarkierung_Ein();
    fraEinfuegen->hide();
}

// --- Ending the edit ------------------------------------------------------------

void frmTools::bearbeitungBeenden(QGroupBox* rahmen) {
    m_bearbeitung = Bearbeitung::Keine;
    AllesFreigeben();
    WerkzeugTitelSetzen();
    rahmen->hide();
    fraEinfuegen->show();
    setHeight(1850);
}

namespace {

bool loeschenBestaetigt(const QString& frage) {
    return dialoge().meldung(frage, Msg::YesNo + Msg::Question,
                             QStringLiteral("Löschen bestätigen?")) == Antwort::Yes;
}

void schildFokus() {
    const int32_t n = P().lngAktivesSchild;
    if (n >= 1 && n <= P().hoechstesSchild())
        Schild(n).SetFocus();
}

} // namespace

void frmTools::cmdOK_B_Click() {
    if (m_bearbeitung != Bearbeitung::Bild)
        return;
    imgBbTestbild->clear();
    Schild(P().lngAktivesSchild).imgBild(lngElementIndex).setBorderStyle(0);
    bearbeitungBeenden(fraBild_B);
    SchildGeaendert();
    schildFokus();
}

void frmTools::cmdCancel_B_Click() {
    if (m_bearbeitung != Bearbeitung::Bild)
        return;
    Bild& b = Schild(P().lngAktivesSchild).imgBild(lngElementIndex);
    alt.geometrieZurueck(b);
    imgBbTestbild->clear();
    b.setBorderStyle(0);
    bearbeitungBeenden(fraBild_B);
    schildFokus();
}

bool frmTools::boxenPruefen(std::initializer_list<QLineEdit*> boxen) {
    for (QLineEdit* box : boxen) {
        if (masse::boxWert(box->text()))
            continue;
        dialoge().meldung(QStringLiteral("Bitte geben Sie nur ganze Zahlen ein!"),
                          Msg::OK + Msg::Exclamation, QStringLiteral("Keine Zahl!"));
        box->setFocus();
        box->selectAll();
        return false;
    }
    return true;
}

void frmTools::beschriftungOk(bool datenfeld) {
    if (m_bearbeitung != (datenfeld ? Bearbeitung::Datenfeld : Bearbeitung::Text))
        return;
    const int k = datenfeld ? 3 : 1;
    QLineEdit* maxBreite = datenfeld ? txtMaxBDatenfeld : txtMaxBText;
    if (!boxenPruefen({txtY[k], txtX[k], maxBreite}))
        return;
    const int32_t n = P().lngAktivesSchild;
    frmLabel& f = Schild(n);
    Beschriftung& b = datenfeld ? f.lblDatenfeld(lngElementIndex) : f.lblText(lngElementIndex);
    if (!datenfeld)
        b.setCaption(txtFont->text());
    // An empty box is 0; every box shows the number it stands for.
    const int32_t oben = *masse::boxWert(txtY[k]->text());
    const int32_t links = *masse::boxWert(txtX[k]->text());
    const int32_t max = *masse::boxGroesse(maxBreite->text());
    txtY[k]->setText(masse::boxText(oben));
    txtX[k]->setText(masse::boxText(links));
    maxBreite->setText(masse::boxText(max));
    b.setTop(oben);
    b.setLeft(links);
    if (datenfeld) {
        f.DatenfeldMaxBreiteSchreiben(lngElementIndex, max);
        DatenfeldAnpassen(lngElementIndex, n);
    } else {
        f.TextMaxBreiteSchreiben(lngElementIndex, max);
        TextAnpassen(lngElementIndex, n);
    }
    bearbeitungBeenden(datenfeld ? fraDatenfeld_B : fraText_B);
    datenfeld ? f.DfMarkierung_Aus() : f.Markierung_Aus();
    SchildGeaendert();
    schildFokus();
}

void frmTools::beschriftungAbbrechen(bool datenfeld) {
    if (m_bearbeitung != (datenfeld ? Bearbeitung::Datenfeld : Bearbeitung::Text))
        return;
    frmLabel& f = Schild(P().lngAktivesSchild);
    if (datenfeld) {
        f.DatenfeldMaxBreiteSchreiben(lngElementIndex, alt.lngAltTextMaxBreite);
        beschriftungZurueck(f.lblDatenfeld(lngElementIndex));
    } else {
        f.TextMaxBreiteSchreiben(lngElementIndex, alt.lngAltTextMaxBreite);
        Beschriftung& t = f.lblText(lngElementIndex);
        beschriftungZurueck(t);
        // A text that reaches the label's edge is cut there and wraps.
        const double rest = f.ScaleWidth() - t.Left();
        if (t.Width() >= rest) {
            t.setWidth(std::max(0.0, rest));
            t.setWordWrap(true);
        }
    }
    bearbeitungBeenden(datenfeld ? fraDatenfeld_B : fraText_B);
    datenfeld ? f.DfMarkierung_Aus() : f.Markierung_Aus();
    schildFokus();
}

void frmTools::cmdOK_T_Click() {
    beschriftungOk(false);
}

void frmTools::cmdCancel_T_Click() {
    beschriftungAbbrechen(false);
}

void frmTools::cmdDfOK_Click() {
    beschriftungOk(true);
}

void frmTools::cmdCancel_d_Click() {
    beschriftungAbbrechen(true);
}

void frmTools::cmdDfBild_Ok_Click() {
    if (m_bearbeitung != Bearbeitung::DatenfeldBild)
        return;
    bearbeitungBeenden(fraDfBild_B);
    SchildGeaendert();
    schildFokus();
}

void frmTools::cmdDel_T_Click() {
    if (m_bearbeitung != Bearbeitung::Text ||
        !loeschenBestaetigt(QStringLiteral("Möchten Sie den Text wirklich löschen?")))
        return;
    const int32_t n = P().lngAktivesSchild;
    // The element goes; its mark goes with it.
    Schild(n).lngTextMarkiert = 0;
    TextEntfernen(n, S(n).lngAktuellerText);
    bearbeitungBeenden(fraText_B);
    SchildGeaendert();
    schildFokus();
}

void frmTools::cmdBildLoeschen_Click() {
    if (m_bearbeitung != Bearbeitung::Bild ||
        !loeschenBestaetigt(QStringLiteral("Möchten Sie das Bild wirklich löschen?")))
        return;
    const int32_t n = P().lngAktivesSchild;
    Bild& b = Schild(n).imgBild(S(n).lngAktuellesBild);
    b.setBorderStyle(0);
    BildEntfernen(n, S(n).lngAktuellesBild);
    imgBbTestbild->clear();
    bearbeitungBeenden(fraBild_B);
    SchildGeaendert();
    schildFokus();
}

void frmTools::cmdDfloeschen_Click() {
    if (m_bearbeitung == Bearbeitung::Datenfeld)
        datenfeldLoeschen(fraDatenfeld_B);
}

void frmTools::cmdDfBild_Loeschen_Click() {
    if (m_bearbeitung == Bearbeitung::DatenfeldBild)
        datenfeldLoeschen(fraDfBild_B);
}

void frmTools::datenfeldLoeschen(QGroupBox* rahmen) {
    if (!loeschenBestaetigt(QStringLiteral("Möchten Sie das Datenfeld wirklich löschen?")))
        return;
    const int32_t n = P().lngAktivesSchild;
    DatenfeldEntfernen(n, S(n).lngAktuellesDatenfeld);
    bearbeitungBeenden(rahmen);
    SchildGeaendert();
    schildFokus();
}

void frmTools::cmdCancelDf_Bild_Click() {
    if (m_bearbeitung != Bearbeitung::DatenfeldBild)
        return;
    frmLabel& f = Schild(P().lngAktivesSchild);
    Beschriftung& d = f.lblDatenfeld(lngElementIndex);
    alt.geometrieZurueck(d);
    f.DatenfeldMaxHoeheSchreiben(lngElementIndex, alt.lngAltMaxHoehe);
    f.DatenfeldMaxBreiteSchreiben(lngElementIndex, alt.lngAltMaxBreite);
    bearbeitungBeenden(fraDfBild_B);
    schildFokus();
}

} // namespace sorvo

// What the text frame and the data-field frame share: their building from
// a table of names, the recording of the element and its boxes, and their
// OK and Cancel.
#include "label/frmLabel.h"
#include "label/programm.h"
#include "label/unterprogramme.h"
#include "platform/dialogs.h"
#include "platform/elements.h"
#include "platform/knopf.h"
#include "platform/units.h"
#include "tools/rahmenteile.h"
#include "tools/zahlenfeld.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace sorvo {

using namespace rahmenteile;

// Sample box (text only), font, colours and frame, position and maximum
// width, then liste (data field only), the delete button and OK and Cancel.
QGroupBox* frmTools::beschriftungsrahmenAufbauen(const Beschriftungsnamen& n,
                                                 const Beschriftungsrahmen& c, QLineEdit* probe,
                                                 QListWidget* liste) {
    QGroupBox* g = rahmen(n.rahmen, QString::fromUtf8(n.titel), this);
    c.art = auswahl(n.schriftart, QStringLiteral("Schriftart"));
    c.groesse = auswahl(n.schriftgroesse, QStringLiteral("Schriftgröße"));
    c.fett = stilKnopf(n.fett, QStringLiteral("F"), QStringLiteral("fett"));
    c.kursiv = stilKnopf(n.kursiv, QStringLiteral("K"), QStringLiteral("kursiv"));
    c.unterstrichen =
        stilKnopf(n.unterstrichen, QStringLiteral("U"), QStringLiteral("unterstrichen"));
    c.zentriert = kasten(n.zentriert, QStringLiteral("zentrieren"));
    c.transparent = kasten(n.transparent, QStringLiteral("Hintergrund an"));
    c.rahmen = kasten(n.rahmenKasten, QStringLiteral("Rahmen"));
    c.farben = new Farbwahl(n.farben, g, *this);
    const masse::Feldart art = n.art;
    c.farben->elementSetzen([this, art] { return beschriftungBearbeitet(art); });
    c.schriftfarbe = c.farben->picFarbe_S;
    c.hintergrundfarbe = c.farben->picFarbe_H;
    c.x = zahlenfeld("txtX", n.laenge);
    c.y = zahlenfeld("txtY", n.laenge);
    c.maxBreite = zahlenfeld(n.maxBreite, n.laenge);
    c.xPlus =
        arrayKnopf(n.xKnopf, n.xPlus, QStringLiteral("+"), QStringLiteral("1 mm nach rechts"));
    c.xMinus =
        arrayKnopf(n.xKnopf, n.xMinus, QStringLiteral("-"), QStringLiteral("1 mm nach links"));
    c.yPlus = arrayKnopf(n.yKnopf, n.yPlus, QStringLiteral("+"), QStringLiteral("1 mm nach unten"));
    c.yMinus =
        arrayKnopf(n.yKnopf, n.yMinus, QStringLiteral("-"), QStringLiteral("1 mm nach oben"));
    c.maxPlus = arrayKnopf(n.maxPlus, 0, QStringLiteral("+"), QStringLiteral("1 mm breiter"));
    c.maxMinus = arrayKnopf(n.maxMinus, 0, QStringLiteral("-"), QStringLiteral("1 mm schmaler"));
    c.ok = knopf(n.ok, QStringLiteral("&OK"));
    c.abbrechen = knopf(n.abbrechen, QStringLiteral("&Abbrechen"));
    c.loeschen = knopf(n.loeschen, QString::fromUtf8(n.loeschenText));

    auto* l = new QGridLayout(g);
    l->setContentsMargins(4, 4, 4, 4);
    l->setVerticalSpacing(3);
    int z = 0;
    l->addWidget(ueberschrift(QStringLiteral("Schriftformatierungen:")), z++, 0, 1, 2);
    if (probe)
        l->addWidget(probe, z++, 0, 1, 2);
    l->addWidget(c.art, z++, 0, 1, 2);
    auto* stil = new QHBoxLayout;
    stil->setSpacing(1);
    stil->addWidget(c.groesse, 1);
    stil->addWidget(c.fett);
    stil->addWidget(c.kursiv);
    stil->addWidget(c.unterstrichen);
    l->addLayout(stil, z++, 0, 1, 2);
    l->addWidget(c.zentriert, z++, 0, 1, 2);
    l->addWidget(ueberschrift(QStringLiteral("Farben und Rahmen:")), z++, 0, 1, 2);
    l->addWidget(c.farben, z++, 0, 1, 2);
    l->addWidget(c.transparent, z++, 0, 1, 2);
    l->addWidget(c.rahmen, z++, 0, 1, 2);
    l->addWidget(ueberschrift(QStringLiteral("Position und Größe:")), z++, 0, 1, 2);
    l->addWidget(beschriftung("lblX", QStringLiteral("von Links:"), c.x), z, 0);
    l->addLayout(mitKnoepfen(c.x, c.xPlus, c.xMinus), z++, 1);
    l->addWidget(beschriftung("lblY", QStringLiteral("von Oben:"), c.y), z, 0);
    l->addLayout(mitKnoepfen(c.y, c.yPlus, c.yMinus), z++, 1);
    l->addWidget(beschriftung("lblMaxB", QStringLiteral("feste Breite:"), c.maxBreite), z, 0);
    l->addLayout(mitKnoepfen(c.maxBreite, c.maxPlus, c.maxMinus), z++, 1);
    l->addWidget(beschriftung(nullptr, QStringLiteral("alle Angaben in mm")), z++, 0, 1, 2);
    if (liste)
        l->addWidget(liste, z, 0, 1, 2);
    l->setRowStretch(z++, 1);
    l->addWidget(c.loeschen, z++, 0, 1, 2);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(c.ok);
    knoepfe->addWidget(c.abbrechen);
    l->addLayout(knoepfe, z, 0, 1, 2);

    connect(c.ok, &QPushButton::clicked, this, [this, k = n.okKlick] { (this->*k)(); });
    connect(c.abbrechen, &QPushButton::clicked, this,
            [this, k = n.abbrechenKlick] { (this->*k)(); });
    connect(c.loeschen, &QPushButton::clicked, this, [this, k = n.loeschenKlick] { (this->*k)(); });
    const bool df = art == masse::Feldart::Datenfeld;
    connect(c.maxPlus, &QPushButton::clicked, this, [this, df] { maxBreitePlus(df); });
    connect(c.maxMinus, &QPushButton::clicked, this, [this, df] { maxBreiteMinus(df); });
    return g;
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

void frmTools::beschriftungLaden(bool datenfeld, const QString& titel, int32_t index,
                                 const Beschriftung& b, int32_t maxBreite, const QString& maxText) {
    titelSetzen(titel, index);
    SetFocus();
    beschriftungMerken(b, maxBreite);
    QCheckBox* zentriert = datenfeld ? chkDfZentriert : chkTfZentriert;
    (datenfeld ? txtMaxBDatenfeld : txtMaxBText)->setText(maxText);
    zentriert->setEnabled(alt.lngAltTextMaxBreite != 0);
    rahmenZeigen(datenfeld ? fraDatenfeld_B : fraText_B, 7500);
    m_bearbeitung = datenfeld ? Bearbeitung::Datenfeld : Bearbeitung::Text;
    beschriftungAnzeigen(datenfeld);
    stillSetzen(zentriert, alt.lngAltAusrichtung != 0);
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

} // namespace sorvo

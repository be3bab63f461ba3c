// The edit frames' controls: each acts on the element being edited at once
// and sends no change notice; the frame's OK keeps what they did, its Cancel
// puts the recorded values back. The arithmetic of the boxes is in masse.
#include "label/frmLabel.h"
#include "label/programm.h"
#include "platform/elements.h"
#include "tools/frmTools.h"
#include "tools/zahlenfeld.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

namespace sorvo {

using masse::Achse;
using masse::Feldart;

namespace {

frmLabel& schild() {
    return Schild(P().lngAktivesSchild);
}

frmTools::Bearbeitung rahmenVon(Feldart art) {
    switch (art) {
    case Feldart::Bild:
        return frmTools::Bearbeitung::Bild;
    case Feldart::Text:
        return frmTools::Bearbeitung::Text;
    case Feldart::BildDatenfeld:
        return frmTools::Bearbeitung::DatenfeldBild;
    case Feldart::Datenfeld:
        break;
    }
    return frmTools::Bearbeitung::Datenfeld;
}

Feldart beschriftungsArt(bool datenfeld) {
    return datenfeld ? Feldart::Datenfeld : Feldart::Text;
}

// The element's own re-layout: a text or data field within its maximum
// width or the label's right edge.
void anpassen(Feldart art, int32_t i) {
    if (art == Feldart::Text)
        TextAnpassen(i, P().lngAktivesSchild);
    else if (art != Feldart::Bild)
        DatenfeldAnpassen(i, P().lngAktivesSchild);
}

} // namespace

// --- What goes with each kind ------------------------------------------------

Steuerelement* frmTools::bearbeitet(Feldart art) const {
    frmLabel* f = aktuellesSchild();
    if (m_bearbeitung != rahmenVon(art) || !f)
        return nullptr;
    if (art == Feldart::Bild)
        return &f->imgBild(lngElementIndex);
    if (art == Feldart::Text)
        return &f->lblText(lngElementIndex);
    return &f->lblDatenfeld(lngElementIndex);
}

Beschriftung* frmTools::beschriftungBearbeitet(Feldart art) const {
    if (art == Feldart::Bild)
        return nullptr;
    return static_cast<Beschriftung*>(bearbeitet(art));
}

Bild* frmTools::bildBearbeitet() const {
    return static_cast<Bild*>(bearbeitet(Feldart::Bild));
}

QLineEdit* frmTools::maxBox(Feldart art) const {
    switch (art) {
    case Feldart::Text:
        return txtMaxBText;
    case Feldart::Datenfeld:
        return txtMaxBDatenfeld;
    default:
        return txtHB[3];
    }
}

QCheckBox* frmTools::zentrierenKasten(Feldart art) const {
    switch (art) {
    case Feldart::Text:
        return chkTfZentriert;
    case Feldart::Datenfeld:
        return chkDfZentriert;
    default:
        return chkDfBildZentriert;
    }
}

void frmTools::maxBreiteSchreiben(Feldart art, int32_t wert) {
    if (art == Feldart::Text)
        schild().TextMaxBreiteSchreiben(lngElementIndex, wert);
    else
        schild().DatenfeldMaxBreiteSchreiben(lngElementIndex, wert);
}

int32_t frmTools::maxBreiteLesen(Feldart art) const {
    const frmLabel& f = schild();
    return (art == Feldart::Text ? f.TextMaxBreiteLesen(lngElementIndex)
                                 : f.DatenfeldMaxBreiteLesen(lngElementIndex))
        .toInt();
}

void frmTools::ohneMaxBreite(Feldart art, bool zentrierenAus) {
    maxBox(art)->clear();
    if (Beschriftung* b = beschriftungBearbeitet(art)) {
        b->setAutoSize(true);
        // A picture field keeps the natural size of its caption.
        if (art == Feldart::BildDatenfeld)
            b->setAutoSize(false);
    }
    if (zentrierenAus)
        zentrierenKasten(art)->setEnabled(false);
}

// --- Font, style, frame, background, centring -----------------------------

void frmTools::schriftartGewaehlt(bool datenfeld) {
    if (Beschriftung* b = beschriftungBearbeitet(beschriftungsArt(datenfeld)))
        b->setFontName((datenfeld ? cboDfArt : cboArt)->currentText());
}

void frmTools::schriftgroesseGewaehlt(bool datenfeld) {
    Beschriftung* b = beschriftungBearbeitet(beschriftungsArt(datenfeld));
    const auto groesse = masse::boxWert((datenfeld ? cboDfGroesse : cboGroesse)->currentText());
    if (b && groesse && *groesse > 0)
        b->setFontSize(*groesse);
}

// The toggles read the element's own state, so that repeated clicks
// alternate.
void frmTools::fettUmschalten(bool datenfeld) {
    if (Beschriftung* b = beschriftungBearbeitet(beschriftungsArt(datenfeld)))
        b->setFontBold(!b->FontBold());
}

void frmTools::kursivUmschalten(bool datenfeld) {
    if (Beschriftung* b = beschriftungBearbeitet(beschriftungsArt(datenfeld)))
        b->setFontItalic(!b->FontItalic());
}

void frmTools::unterstrichenUmschalten(bool datenfeld) {
    if (Beschriftung* b = beschriftungBearbeitet(beschriftungsArt(datenfeld)))
        b->setFontUnderline(!b->FontUnderline());
}

void frmTools::rahmenUmschalten(bool datenfeld) {
    if (Beschriftung* b = beschriftungBearbeitet(beschriftungsArt(datenfeld)))
        b->setBorderStyle((datenfeld ? chkDfRahmen : chkRahmen)->isChecked() ? 1 : 0);
}

void frmTools::hintergrundUmschalten(bool datenfeld) {
    Beschriftung* b = beschriftungBearbeitet(beschriftungsArt(datenfeld));
    if (!b)
        return;
    // The element's own colour instead of the edit mark, unless the user
    // chose a new one.
    if (!blnHFarbeAenderung)
        b->setBackColor(P().lngAltHintergrundFarbe);
    b->setBackStyle((datenfeld ? chkDfTransparent : chkTransparent)->isChecked() ? 1 : 0);
}

void frmTools::zentrierenUmschalten(Feldart art) {
    if (Beschriftung* b = beschriftungBearbeitet(art))
        b->setAlignment(zentrierenKasten(art)->isChecked() ? 2 : 0);
}

// --- Position -------------------------------------------------------------------

std::optional<int32_t> frmTools::maxBreiteAmRand(Feldart art, bool knopf) {
    Beschriftung* b = beschriftungBearbeitet(art);
    if (!b)
        return std::nullopt;
    QLineEdit* box = maxBox(art);
    const auto neu = masse::maxBreiteKorrektur(box->text(), b->Left(), schild().ScaleWidth());
    if (!neu)
        return std::nullopt;
    maxBreiteSchreiben(art, *neu);
    if (*neu == 0) {
        // No room is left to the right: no maximum rather than a negative one.
        ohneMaxBreite(art, true);
        return neu;
    }
    box->setText(masse::boxText(*neu));
    if (knopf) {
        b->setWidth(maxBreiteLesen(art));
        b->setWordWrap(true);
        box->setText(masse::boxText(masse::groesseMm(b->Width())));
    } else {
        b->setAutoSize(false);
        b->setWidth(maxBreiteLesen(art));
    }
    return neu;
}

void frmTools::positionSchritt(const masse::Positionsknopf& k) {
    Steuerelement* e = bearbeitet(k.art);
    if (!e)
        return;
    frmLabel& f = schild();
    const size_t index = static_cast<size_t>(k.art);
    QLineEdit* box = k.achse == Achse::X ? txtX[index] : txtY[index];
    const masse::Lage lage{e->Left(), e->Height(), f.ScaleWidth(), f.ScaleHeight()};
    const auto neu = masse::positionSchritt(k.art, k.achse, k.richtung, box->text(), lage);
    if (!neu)
        return;
    box->setText(masse::boxText(*neu));
    if (k.achse == Achse::X)
        e->setLeft(*neu);
    else
        e->setTop(*neu);

    const bool rechts = k.achse == Achse::X && k.richtung > 0;
    switch (k.art) {
    case Feldart::Bild:
        // Going right or down can leave the label: pulled back in, and the
        // boxes show the size that leaves.
        if (k.richtung > 0) {
            f.ObjekteAusrichten();
            txtHB[0]->setText(masse::boxText(masse::groesseMm(e->Height())));
            txtHB[1]->setText(masse::boxText(masse::groesseMm(e->Width())));
        }
        break;
    case Feldart::Text:
        if (rechts)
            maxBreiteAmRand(k.art, true);
        anpassen(k.art, lngElementIndex);
        if (rechts)
            f.ObjekteAusrichten();
        break;
    case Feldart::BildDatenfeld:
        if (rechts)
            maxBreiteAmRand(k.art, true);
        break;
    case Feldart::Datenfeld:
        if (rechts)
            maxBreiteAmRand(k.art, true);
        if (k.achse == Achse::X)
            anpassen(k.art, lngElementIndex);
        break;
    }
}

void frmTools::cmdX_Click(int index) {
    if (index >= 0 && index < static_cast<int>(masse::kCmdX.size()))
        positionSchritt(masse::kCmdX[static_cast<size_t>(index)]);
}

void frmTools::cmdPosX_Click(int index) {
    if (index == 0 || index == 1)
        positionSchritt(masse::kCmdPosX[static_cast<size_t>(index)]);
}

void frmTools::cmdPosY_Click(int index) {
    if (index == 0 || index == 1)
        positionSchritt(masse::kCmdPosY[static_cast<size_t>(index)]);
}

void frmTools::PositionXUebernehmen(int index) {
    if (index < 0 || index > 3)
        return;
    const Feldart art = static_cast<Feldart>(index);
    Steuerelement* e = bearbeitet(art);
    if (!e)
        return;
    frmLabel& f = schild();
    QLineEdit* box = txtX[static_cast<size_t>(index)];
    const auto neu = masse::positionXGetippt(box->text(), f.ScaleWidth());
    if (!neu)
        return;
    box->setText(masse::boxText(*neu));
    e->setLeft(*neu);
    if (art == Feldart::Bild)
        return;
    if (art == Feldart::Text) {
        anpassen(art, lngElementIndex);
        f.ObjekteAusrichten();
        // A maximum that no longer fits gives way; none left: fitted anew.
        if (maxBreiteLesen(art) != 0 && maxBreiteAmRand(art, false) == 0)
            anpassen(art, lngElementIndex);
        return;
    }
    if (maxBreiteLesen(art) != 0)
        maxBreiteAmRand(art, false);
    anpassen(art, lngElementIndex);
}

void frmTools::PositionYUebernehmen(int index) {
    if (index < 0 || index > 3)
        return;
    const Feldart art = static_cast<Feldart>(index);
    Steuerelement* e = bearbeitet(art);
    if (!e)
        return;
    QLineEdit* box = txtY[static_cast<size_t>(index)];
    const auto neu = masse::positionYGetippt(box->text(), art, schild().ScaleHeight(), e->Height());
    if (!neu)
        return;
    box->setText(masse::boxText(*neu));
    e->setTop(*neu);
}

// --- Picture size and the picture data field's maxima ----------------------

void frmTools::bildGroesseSetzen(const masse::Bildgroesse& g) {
    Bild* b = bildBearbeitet();
    if (!b)
        return;
    if (g.hoehe)
        b->setHeight(*g.hoehe);
    if (g.breite)
        b->setWidth(*g.breite);
    schild().ObjekteAusrichten();
    txtHB[0]->setText(masse::boxText(masse::groesseMm(b->Height())));
    txtHB[1]->setText(masse::boxText(masse::groesseMm(b->Width())));
}

void frmTools::bildDfMaxSetzen(bool hoehe, int32_t wert, bool linksAusBox) {
    Beschriftung* d = beschriftungBearbeitet(Feldart::BildDatenfeld);
    if (!d)
        return;
    frmLabel& f = schild();
    QLineEdit* box = txtHB[hoehe ? 2 : 3];
    box->setText(masse::boxText(wert));
    if (hoehe)
        f.DatenfeldMaxHoeheSchreiben(lngElementIndex, wert);
    else
        f.DatenfeldMaxBreiteSchreiben(lngElementIndex, wert);
    if (wert != 0) {
        if (hoehe) {
            d->setHeight(wert);
        } else {
            d->setWidth(wert);
            chkDfBildZentriert->setEnabled(true);
        }
        return;
    }
    // No maximum: the caption's natural size, keeping the other maximum.
    d->setAutoSize(true);
    d->setAutoSize(false);
    if (hoehe && f.DatenfeldMaxBreiteLesen(lngElementIndex) != QLatin1String("0")) {
        d->setWidth(masse::boxGroesse(txtHB[3]->text()).value_or(0));
        if (linksAusBox)
            if (const auto links = masse::boxWert(txtX[2]->text()))
                d->setLeft(*links);
    }
    if (!hoehe && f.DatenfeldMaxHoeheLesen(lngElementIndex) != QLatin1String("0"))
        d->setHeight(masse::boxGroesse(txtHB[2]->text()).value_or(0));
    box->clear();
    if (!hoehe)
        chkDfBildZentriert->setEnabled(false);
}

void frmTools::GroesseUebernehmen(int index) {
    if (index == 0 || index == 1) {
        if (!bildBearbeitet())
            return;
        const auto g = masse::bildGroesseGetippt(
            txtHB[static_cast<size_t>(index)]->text(),
            index == 0 ? masse::Seite::Hoehe : masse::Seite::Breite, chkProportional->isChecked(),
            alt.lngAltBreite, alt.lngAltHoehe);
        if (g)
            bildGroesseSetzen(*g);
        return;
    }
    if (index != 2 && index != 3)
        return;
    const Beschriftung* d = beschriftungBearbeitet(Feldart::BildDatenfeld);
    if (!d)
        return;
    const bool hoehe = index == 2;
    const frmLabel& f = schild();
    const auto wert =
        masse::maxGetippt(txtHB[static_cast<size_t>(index)]->text(), hoehe ? d->Top() : d->Left(),
                          hoehe ? f.ScaleHeight() : f.ScaleWidth());
    if (wert)
        bildDfMaxSetzen(hoehe, *wert, true);
}

// cmdH / cmdB: 0 and 1 are the picture's "-" and "+", 2 and 3 the picture
// data field's.
void frmTools::cmdH_Click(int index) {
    groesseSchritt(true, index);
}

void frmTools::cmdB_Click(int index) {
    groesseSchritt(false, index);
}

void frmTools::groesseSchritt(bool hoehe, int index) {
    if (index == 0 || index == 1) {
        if (!bildBearbeitet())
            return;
        if (const auto g = masse::bildGroesseSchritt(
                txtHB[hoehe ? 0 : 1]->text(), hoehe ? masse::Seite::Hoehe : masse::Seite::Breite,
                index == 1 ? 1 : -1, chkProportional->isChecked(), alt.lngAltBreite,
                alt.lngAltHoehe))
            bildGroesseSetzen(*g);
        return;
    }
    const Beschriftung* d = beschriftungBearbeitet(Feldart::BildDatenfeld);
    if (!d)
        return;
    QLineEdit* box = txtHB[hoehe ? 2 : 3];
    std::optional<int32_t> wert;
    if (index == 2) {
        wert = masse::bildDfMaxMinus(box->text());
    } else if (index == 3 && hoehe) {
        // A step refused at the bottom still shows the empty box as 0.
        if (box->text().isEmpty())
            box->setText(QStringLiteral("0"));
        wert = masse::bildDfMaxHoehePlus(box->text(), d->Top(), schild().ScaleHeight());
    } else if (index == 3) {
        wert = masse::maxPlus(box->text(), d->Left(), schild().ScaleWidth());
    }
    if (wert)
        bildDfMaxSetzen(hoehe, *wert, false);
}

// --- Maximum width of a text or data field --------------------------------

void frmTools::maxBreiteMinus(bool datenfeld) {
    maxBreiteSchritt(datenfeld, false);
}

void frmTools::maxBreitePlus(bool datenfeld) {
    maxBreiteSchritt(datenfeld, true);
}

void frmTools::maxBreiteSchritt(bool datenfeld, bool plus) {
    const Feldart art = beschriftungsArt(datenfeld);
    Beschriftung* b = beschriftungBearbeitet(art);
    if (!b)
        return;
    QLineEdit* box = maxBox(art);
    // An empty box has no maximum to take from.
    if (!plus && box->text().isEmpty()) {
        piepen();
        return;
    }
    const auto neu = plus ? masse::maxPlus(box->text(), b->Left(), schild().ScaleWidth())
                          : masse::maxBreiteMinus(box->text());
    if (!neu)
        return;
    maxBreiteSchreiben(art, *neu);
    if (*neu == 0) {
        ohneMaxBreite(art, true);
        return;
    }
    box->setText(masse::boxText(*neu));
    if (!plus) {
        b->setAutoSize(false);
        b->setWidth(*neu);
        return;
    }
    zentrierenKasten(art)->setEnabled(true);
    if (datenfeld) {
        b->setAutoSize(false);
        b->setWidth(maxBreiteLesen(art));
    } else {
        b->setWidth(maxBreiteLesen(art));
        b->setWordWrap(true);
        box->setText(masse::boxText(masse::groesseMm(b->Width())));
    }
}

// Enter holds the maximum to the label and switches "zentrieren"; leaving
// the box stores what was typed and leaves "zentrieren" alone.
void frmTools::maxBreiteEnter(bool datenfeld) {
    maxBreiteGetippt(datenfeld, true);
}

void frmTools::maxBreiteVerlassen(bool datenfeld) {
    maxBreiteGetippt(datenfeld, false);
}

void frmTools::maxBreiteGetippt(bool datenfeld, bool enter) {
    const Feldart art = beschriftungsArt(datenfeld);
    Beschriftung* b = beschriftungBearbeitet(art);
    if (!b)
        return;
    QLineEdit* box = maxBox(art);
    const auto wert = enter ? masse::maxGetippt(box->text(), b->Left(), schild().ScaleWidth())
                            : masse::maxGetipptOhneKlemme(box->text());
    if (!wert)
        return;
    maxBreiteSchreiben(art, *wert);
    const int32_t gespeichert = maxBreiteLesen(art);
    if (gespeichert == 0) {
        ohneMaxBreite(art, enter);
        return;
    }
    b->setWidth(gespeichert);
    // Enter keeps a data field's height; leaving the box lets it wrap.
    if (enter && datenfeld) {
        b->setAutoSize(false);
        b->setWidth(gespeichert);
    } else {
        b->setWordWrap(true);
    }
    box->setText(masse::boxText(masse::groesseMm(b->Width())));
    if (enter)
        zentrierenKasten(art)->setEnabled(true);
}

} // namespace sorvo

// Loading an element of the current label into its edit frame, and what
// ending an edit does in every frame. Loading locks every label window and
// records the element as it is; OK keeps what the element is then, Cancel
// gives back the recorded values exactly. Each frame's own loading and
// buttons are in its file (rahmen_*.cpp).
#include "label/frmLabel.h"
#include "label/programm.h"
#include "label/unterprogramme.h"
#include "platform/elements.h"
#include "platform/units.h"
#include "tools/rahmenteile.h"

#include <QGroupBox>

namespace sorvo {

using namespace rahmenteile;

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

    fraDatenfeld_E->hide();
    AllesSperren();
    lngElementIndex = index;
    // The frame must be seen even when the window had been closed.
    setVisible(true);

    if (art == ArtBild)
        bildLaden(n, index);
    else if (art == ArtText)
        textLaden(n, index);
    else if (f.lblDatenfeld(index).Caption() == QStringLiteral("<Bild>"))
        dfBildLaden(n, index);
    else
        datenfeldLaden(n, index);
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

void frmTools::bearbeitungFertig(QGroupBox* rahmen) {
    bearbeitungBeenden(rahmen);
    SchildGeaendert();
    schildFokus();
}

std::optional<int32_t> frmTools::loeschenGefragt(Bearbeitung art, const QString& frage) {
    if (m_bearbeitung != art || !loeschenBestaetigt(frage))
        return std::nullopt;
    return P().lngAktivesSchild;
}

// The data field, shown as text or as a picture, goes from the label.
void frmTools::datenfeldLoeschen(Bearbeitung art, QGroupBox* rahmen) {
    const auto n =
        loeschenGefragt(art, QStringLiteral("Möchten Sie das Datenfeld wirklich löschen?"));
    if (!n)
        return;
    DatenfeldEntfernen(*n, S(*n).lngAktuellesDatenfeld);
    bearbeitungFertig(rahmen);
}

} // namespace sorvo

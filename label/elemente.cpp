// The element store of the label window and the stacking order.
//
// Each kind keeps its controls by index from 1; a deleted element keeps its
// control, and the lowest free index is handed out first. Element operations
// that touch the stacking order or the current-element numbers act on the
// current label window, whichever window object is called.
#include "label/frmLabel.h"
#include "label/programm.h"
#include "label/unterprogramme.h"
#include "platform/canvas.h"
#include "platform/dialogs.h"

namespace sorvo {

namespace {

template <class V> void wachsen(V& v, int32_t bis) {
    if (static_cast<int32_t>(v.size()) <= bis)
        v.resize(static_cast<size_t>(bis) + 1);
}

template <class V> auto& an(V& v, int32_t i) {
    return v.at(static_cast<size_t>(i));
}

int32_t aktiv() {
    return P().lngAktivesSchild;
}

bool zuViele(int32_t anzahl, int32_t grenze, const char* text) {
    if (anzahl < grenze)
        return false;
    dialoge().meldung(QString::fromUtf8(text), Msg::OK, programmTitel());
    return true;
}

} // namespace

int32_t Elementcode(int32_t art, int32_t index) {
    return index < 10 ? art * 10 + index : art * 100 + index;
}

int32_t elementArtAusCode(int32_t code) {
    return code >= 100 ? code / 100 : code / 10;
}

int32_t elementIndexAusCode(int32_t code) {
    return code >= 100 ? code % 100 : code % 10;
}

void frmLabel::elementeAnlegen() {
    // The design controls, index 1 of each kind: invisible until handed out.
    const auto entwurf = [this](double linksTw, double obenTw) {
        Beschriftung* b = m_flaeche->neueBeschriftung();
        b->setVisible(false);
        b->setBackColor(kFensterHintergrund);
        b->setForeColor(kFensterText);
        b->setFontName(QStringLiteral("MS Sans Serif"));
        b->setFontSize(8);
        b->setLeft(twipsZuMm(linksTw));
        b->setTop(twipsZuMm(obenTw));
        b->setWidth(twipsZuMm(375));
        b->setHeight(twipsZuMm(255));
        return b;
    };
    m_texte = {nullptr, entwurf(0, 0)};
    m_datenfelder = {nullptr, entwurf(60, 480)};
    Bild* bild = m_flaeche->neuesBild();
    bild->setVisible(false);
    bild->setWidth(twipsZuMm(1695));
    bild->setHeight(twipsZuMm(1335));
    m_bilder = {nullptr, bild};
    m_texte[1]->setKennung(Elementcode(ArtText, 1));
    m_datenfelder[1]->setKennung(Elementcode(ArtDatenfeld, 1));
    m_bilder[1]->setKennung(Elementcode(ArtBild, 1));

    blnBildStatus.assign(2, false);
    strBildPfad.assign(2, QString());
    blnTextStatus.assign(2, false);
    lngTextMaxBreite.assign(2, 0);
    lngTextMaxHoehe.assign(2, 0);
    blnDatenfeldStatus.assign(2, false);
    lngDatenfeldMaxBreite.assign(2, 0);
    lngDatenfeldMaxHoehe.assign(2, 0);
}

std::pair<int32_t, int32_t> frmLabel::elementVon(const Steuerelement* s) const {
    if (!s)
        return {0, 0};
    const int32_t art = elementArtAusCode(s->Kennung());
    const int32_t i = elementIndexAusCode(s->Kennung());
    const bool gehoert =
        (art == ArtText && i <= hoechsterText() && m_texte[i] == s) ||
        (art == ArtDatenfeld && i <= hoechstesDatenfeld() && m_datenfelder[i] == s) ||
        (art == ArtBild && i <= hoechstesBild() && m_bilder[i] == s);
    return gehoert ? std::pair{art, i} : std::pair{0, 0};
}

Beschriftung* frmLabel::beschriftungKopie(std::vector<Beschriftung*>& art, int32_t kind) {
    Beschriftung* b = m_flaeche->neueBeschriftung(*art[1]);
    art.push_back(b);
    b->setKennung(Elementcode(kind, static_cast<int32_t>(art.size()) - 1));
    return b;
}

bool frmLabel::jeVergeben(int32_t art) const {
    return art == ArtText        ? m_textVergeben
           : art == ArtDatenfeld ? m_datenfeldVergeben
                                 : m_bildVergeben;
}

int32_t frmLabel::TextIndexNeu() {
    m_textVergeben = true;
    const int32_t n = hoechsterText();
    for (int32_t i = 1; i <= n; ++i)
        if (!blnTextStatus[i]) {
            blnTextStatus[i] = true;
            return i;
        }
    beschriftungKopie(m_texte, ArtText);
    TeStandard(n + 1);
    wachsen(blnTextStatus, n + 1);
    wachsen(lngTextMaxBreite, n + 1);
    wachsen(lngTextMaxHoehe, n + 1);
    blnTextStatus[n + 1] = true;
    return n + 1;
}

int32_t frmLabel::DatenfeldIndexNeu() {
    m_datenfeldVergeben = true;
    const int32_t n = hoechstesDatenfeld();
    for (int32_t i = 1; i <= n; ++i)
        if (!blnDatenfeldStatus[i]) {
            blnDatenfeldStatus[i] = true;
            return i;
        }
    beschriftungKopie(m_datenfelder, ArtDatenfeld);
    DfStandard(n + 1);
    wachsen(blnDatenfeldStatus, n + 1);
    wachsen(lngDatenfeldMaxBreite, n + 1);
    wachsen(lngDatenfeldMaxHoehe, n + 1);
    blnDatenfeldStatus[n + 1] = true;
    return n + 1;
}

int32_t frmLabel::BildIndexNeu() {
    m_bildVergeben = true;
    const int32_t n = hoechstesBild();
    for (int32_t i = 1; i <= n; ++i)
        if (!blnBildStatus[i]) {
            blnBildStatus[i] = true;
            return i;
        }
    // A copy of the lowest control: its picture, size and position too.
    Bild* b = m_flaeche->neuesBild(*m_bilder[1]);
    m_bilder.push_back(b);
    b->setKennung(Elementcode(ArtBild, n + 1));
    wachsen(blnBildStatus, n + 1);
    wachsen(strBildPfad, n + 1);
    blnBildStatus[n + 1] = true;
    return n + 1;
}

bool frmLabel::TextNeu() {
    if (zuViele(TextZaehlen(), P().lngMaxTexte, "Zu viele Texte!"))
        return false;
    const int32_t i = TextIndexNeu();
    S(aktiv()).lngAktuellerText = i;
    lblText(i).setLeft(0);
    lblText(i).setTop(0);
    ReihenfolgeEintragen(Elementcode(ArtText, i));
    return true;
}

bool frmLabel::DatenfeldNeu() {
    if (zuViele(DatenfeldZaehlen(), P().lngMaxDatenfelder, "Zu viele Datenfelder!"))
        return false;
    const int32_t i = DatenfeldIndexNeu();
    S(aktiv()).lngAktuellesDatenfeld = i;
    lblDatenfeld(i).setLeft(0);
    lblDatenfeld(i).setTop(0);
    ReihenfolgeEintragen(Elementcode(ArtDatenfeld, i));
    return true;
}

bool frmLabel::BildNeu() {
    if (zuViele(BilderZaehlen(), P().lngMaxBilder, "Zu viele Bilder!"))
        return false;
    const int32_t i = BildIndexNeu();
    S(aktiv()).lngAktuellesBild = i;
    imgBild(i).setLeft(0);
    imgBild(i).setTop(0);
    ReihenfolgeEintragen(Elementcode(ArtBild, i));
    return true;
}

int32_t frmLabel::TextZaehlen() const {
    return static_cast<int32_t>(std::count(blnTextStatus.begin() + 1, blnTextStatus.end(), true));
}
int32_t frmLabel::DatenfeldZaehlen() const {
    return static_cast<int32_t>(
        std::count(blnDatenfeldStatus.begin() + 1, blnDatenfeldStatus.end(), true));
}
int32_t frmLabel::BilderZaehlen() const {
    return static_cast<int32_t>(std::count(blnBildStatus.begin() + 1, blnBildStatus.end(), true));
}

namespace {
// A new or deleted text or data field: 8 point MS Sans Serif, black on an
// opaque white background, no frame, left-aligned.
void standardAussehen(Beschriftung& b) {
    static const Aussehen standard{
        QStringLiteral("MS Sans Serif"), 8, false, false, false, 0, 0xFFFFFF, 1, 0, 0};
    b.setCaption(QString());
    b.setVisible(false);
    b.setWordWrap(false);
    b.setAussehen(standard);
    b.setLeft(0);
    b.setTop(0);
    b.canvas()->nachVorne(&b);
}
} // namespace

void frmLabel::TeStandard(int32_t j) {
    standardAussehen(lblText(j));
}
void frmLabel::DfStandard(int32_t j) {
    standardAussehen(lblDatenfeld(j));
}

void frmLabel::TextLoeschen(int32_t j) {
    TeStandard(j);
    an(lngTextMaxBreite, j) = 0;
    an(blnTextStatus, j) = false;
    ReihenfolgeAustragen(Elementcode(ArtText, j));
}

void frmLabel::DatenfeldLoeschen(int32_t j) {
    DfStandard(j);
    an(lngDatenfeldMaxBreite, j) = 0;
    an(blnDatenfeldStatus, j) = false;
    ReihenfolgeAustragen(Elementcode(ArtDatenfeld, j));
}

void frmLabel::BildLoeschen(int32_t j) {
    Bild& b = imgBild(j);
    b.setPicture(QImage());
    b.setVisible(false);
    b.setTop(0);
    b.setLeft(0);
    m_flaeche->nachVorne(&b);
    an(strBildPfad, j).clear();
    an(blnBildStatus, j) = false;
    ReihenfolgeAustragen(Elementcode(ArtBild, j));
}

void frmLabel::elementeLeeren() {
    for (int32_t k = 1; k <= hoechsterText(); ++k)
        TextLoeschen(k);
    for (int32_t k = 1; k <= hoechstesDatenfeld(); ++k)
        DatenfeldLoeschen(k);
    for (int32_t k = 1; k <= hoechstesBild(); ++k)
        BildLoeschen(k);
}

void frmLabel::BildPfadSchreiben(int32_t i, const QString& Pfad) {
    an(strBildPfad, i) = Pfad;
}
QString frmLabel::BildPfadLesen(int32_t i) const {
    return an(strBildPfad, i);
}
void frmLabel::BildStatusSchreiben(int32_t i, bool Status) {
    an(blnBildStatus, i) = Status;
    m_bildVergeben = m_bildVergeben || Status;
}
bool frmLabel::BildStatusLesen(int32_t i) const {
    return an(blnBildStatus, i);
}
void frmLabel::TextMaxBreiteSchreiben(int32_t i, int32_t maxBreite) {
    an(lngTextMaxBreite, i) = maxBreite;
}
QString frmLabel::TextMaxBreiteLesen(int32_t i) const {
    return QString::number(an(lngTextMaxBreite, i));
}
void frmLabel::TextMaxHoeheSchreiben(int32_t i, int32_t maxHoehe) {
    an(lngTextMaxHoehe, i) = maxHoehe;
}
QString frmLabel::TextMaxHoeheLesen(int32_t i) const {
    return QString::number(an(lngTextMaxHoehe, i));
}
void frmLabel::TextStatusSchreiben(int32_t i, bool Status) {
    an(blnTextStatus, i) = Status;
    m_textVergeben = m_textVergeben || Status;
}
bool frmLabel::TextStatusLesen(int32_t i) const {
    return an(blnTextStatus, i);
}
void frmLabel::DatenfeldMaxBreiteSchreiben(int32_t i, int32_t maxBreite) {
    an(lngDatenfeldMaxBreite, i) = maxBreite;
}
QString frmLabel::DatenfeldMaxBreiteLesen(int32_t i) const {
    return QString::number(an(lngDatenfeldMaxBreite, i));
}
void frmLabel::DatenfeldMaxHoeheSchreiben(int32_t i, int32_t maxHoehe) {
    an(lngDatenfeldMaxHoehe, i) = maxHoehe;
}
QString frmLabel::DatenfeldMaxHoeheLesen(int32_t i) const {
    return QString::number(an(lngDatenfeldMaxHoehe, i));
}
void frmLabel::DatenfeldStatusSchreiben(int32_t i, bool Status) {
    an(blnDatenfeldStatus, i) = Status;
    m_datenfeldVergeben = m_datenfeldVergeben || Status;
}
bool frmLabel::DatenfeldStatusLesen(int32_t i) const {
    return an(blnDatenfeldStatus, i);
}

void DatenfeldEntfernen(int32_t win, int32_t j) {
    Schild(win).DatenfeldLoeschen(j);
}
void BildEntfernen(int32_t win, int32_t j) {
    Schild(win).BildLoeschen(j);
}
void TextEntfernen(int32_t win, int32_t j) {
    Schild(win).TextLoeschen(j);
}

void ReihenfolgeEintragen(int32_t id) {
    auto& e = S(aktiv());
    auto& r = e.lngReihenfolge;
    const int32_t n = e.lngReihenfolgeAnzahl;
    for (int32_t p = 1; p <= n; ++p) {
        if (r[p] == id) {
            for (int32_t q = p; q < n; ++q)
                r[q] = r[q + 1];
            r[n] = id;
            return;
        }
    }
    wachsen(r, n + 1);
    e.lngReihenfolgeAnzahl = n + 1;
    r[n + 1] = id;
}

void ReihenfolgeAustragen(int32_t id) {
    auto& e = S(aktiv());
    auto& r = e.lngReihenfolge;
    const int32_t n = e.lngReihenfolgeAnzahl;
    for (int32_t p = 1; p <= n; ++p) {
        if (r[p] == id) {
            for (int32_t q = p; q < n; ++q)
                r[q] = r[q + 1];
            r[n] = 0;
            e.lngReihenfolgeAnzahl = n - 1;
            return;
        }
    }
}

void ReihenfolgeHerstellen() {
    const int32_t w = aktiv();
    const auto& e = S(w);
    frmLabel& f = Schild(w);
    const int32_t n = e.lngReihenfolgeAnzahl;
    for (int32_t p = 1; p <= n && p < static_cast<int32_t>(e.lngReihenfolge.size()); ++p) {
        const int32_t code = e.lngReihenfolge[p];
        const int32_t i = elementIndexAusCode(code);
        Steuerelement* s = nullptr;
        switch (elementArtAusCode(code)) {
        case ArtText:
            if (i >= 1 && i <= f.hoechsterText())
                s = &f.lblText(i);
            break;
        case ArtBild:
            if (i >= 1 && i <= f.hoechstesBild())
                s = &f.imgBild(i);
            break;
        case ArtDatenfeld:
            if (i >= 1 && i <= f.hoechstesDatenfeld())
                s = &f.lblDatenfeld(i);
            break;
        default:
            break;
        }
        if (s)
            f.flaeche()->nachVorne(s);
    }
}

QString PlatzhalterPruefen() {
    const frmLabel& f = Schild(aktiv());
    for (int32_t i = 1; i <= f.hoechstesDatenfeld(); ++i)
        if (f.DatenfeldStatusLesen(i) && f.lblDatenfeld(i).Caption().startsWith(QLatin1Char('<')))
            return QStringLiteral("OK");
    return QString();
}

} // namespace sorvo

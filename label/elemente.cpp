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
    const auto entwurf = [this](double linksTw, double obenTw, int32_t kind) {
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
        b->setKennung(Elementcode(kind, 1));
        return b;
    };
    m_texte.anlegen(entwurf(0, 0, ArtText));
    m_datenfelder.anlegen(entwurf(60, 480, ArtDatenfeld));
    Bild* bild = m_flaeche->neuesBild();
    bild->setVisible(false);
    bild->setWidth(twipsZuMm(1695));
    bild->setHeight(twipsZuMm(1335));
    bild->setKennung(Elementcode(ArtBild, 1));
    m_bilder.anlegen(bild);
}

std::pair<int32_t, int32_t> frmLabel::elementVon(const Steuerelement* s) const {
    if (!s)
        return {0, 0};
    const int32_t art = elementArtAusCode(s->Kennung());
    const int32_t i = elementIndexAusCode(s->Kennung());
    const bool gehoert = (art == ArtText && m_texte.ist(i, s)) ||
                         (art == ArtDatenfeld && m_datenfelder.ist(i, s)) ||
                         (art == ArtBild && m_bilder.ist(i, s));
    return gehoert ? std::pair{art, i} : std::pair{0, 0};
}

bool frmLabel::jeVergeben(int32_t art) const {
    return art == ArtText        ? m_texte.vergeben()
           : art == ArtDatenfeld ? m_datenfelder.vergeben()
                                 : m_bilder.vergeben();
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

int32_t frmLabel::beschriftungIndexNeu(Beschriftungen& art, int32_t kind) {
    if (const int32_t frei = art.freienBelegen())
        return frei;
    Beschriftung* b = m_flaeche->neueBeschriftung(art[1]);
    const int32_t i = art.anhaengen(b);
    b->setKennung(Elementcode(kind, i));
    standardAussehen(*b);
    return i;
}

int32_t frmLabel::TextIndexNeu() {
    return beschriftungIndexNeu(m_texte, ArtText);
}

int32_t frmLabel::DatenfeldIndexNeu() {
    return beschriftungIndexNeu(m_datenfelder, ArtDatenfeld);
}

int32_t frmLabel::BildIndexNeu() {
    if (const int32_t frei = m_bilder.freienBelegen())
        return frei;
    // A copy of the lowest control: its picture, size and position too.
    Bild* b = m_flaeche->neuesBild(m_bilder[1]);
    const int32_t i = m_bilder.anhaengen(b);
    b->setKennung(Elementcode(ArtBild, i));
    return i;
}

bool frmLabel::elementNeu(int32_t kind) {
    auto& p = P();
    auto& e = S(aktiv());
    const bool text = kind == ArtText, bild = kind == ArtBild;
    if (zuViele(text   ? TextZaehlen()
                : bild ? BilderZaehlen()
                       : DatenfeldZaehlen(),
                text   ? p.lngMaxTexte
                : bild ? p.lngMaxBilder
                       : p.lngMaxDatenfelder,
                text   ? "Zu viele Texte!"
                : bild ? "Zu viele Bilder!"
                       : "Zu viele Datenfelder!"))
        return false;
    const int32_t i = text ? TextIndexNeu() : bild ? BildIndexNeu() : DatenfeldIndexNeu();
    (text ? e.lngAktuellerText : bild ? e.lngAktuellesBild : e.lngAktuellesDatenfeld) = i;
    Steuerelement& s = text   ? static_cast<Steuerelement&>(lblText(i))
                       : bild ? static_cast<Steuerelement&>(imgBild(i))
                              : static_cast<Steuerelement&>(lblDatenfeld(i));
    s.setLeft(0);
    s.setTop(0);
    ReihenfolgeEintragen(Elementcode(kind, i));
    return true;
}

bool frmLabel::TextNeu() {
    return elementNeu(ArtText);
}

bool frmLabel::DatenfeldNeu() {
    return elementNeu(ArtDatenfeld);
}

bool frmLabel::BildNeu() {
    return elementNeu(ArtBild);
}

int32_t frmLabel::TextZaehlen() const {
    return m_texte.zaehlen();
}
int32_t frmLabel::DatenfeldZaehlen() const {
    return m_datenfelder.zaehlen();
}
int32_t frmLabel::BilderZaehlen() const {
    return m_bilder.zaehlen();
}

void frmLabel::TeStandard(int32_t j) {
    standardAussehen(lblText(j));
}
void frmLabel::DfStandard(int32_t j) {
    standardAussehen(lblDatenfeld(j));
}

void frmLabel::beschriftungLoeschen(Beschriftungen& art, int32_t kind, int32_t j) {
    standardAussehen(art[j]);
    // The maximum height stays for the slot's next element.
    art.werte(j).maxBreite = 0;
    art.setStatus(j, false);
    ReihenfolgeAustragen(Elementcode(kind, j));
}

void frmLabel::TextLoeschen(int32_t j) {
    beschriftungLoeschen(m_texte, ArtText, j);
}

void frmLabel::DatenfeldLoeschen(int32_t j) {
    beschriftungLoeschen(m_datenfelder, ArtDatenfeld, j);
}

void frmLabel::BildLoeschen(int32_t j) {
    Bild& b = imgBild(j);
    b.setPicture(QImage());
    b.setVisible(false);
    b.setTop(0);
    b.setLeft(0);
    m_flaeche->nachVorne(&b);
    m_bilder.werte(j).pfad.clear();
    m_bilder.setStatus(j, false);
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
    m_bilder.werte(i).pfad = Pfad;
}
QString frmLabel::BildPfadLesen(int32_t i) const {
    return m_bilder.werte(i).pfad;
}
void frmLabel::BildStatusSchreiben(int32_t i, bool Status) {
    m_bilder.setStatus(i, Status);
}
bool frmLabel::BildStatusLesen(int32_t i) const {
    return m_bilder.status(i);
}
void frmLabel::TextMaxBreiteSchreiben(int32_t i, int32_t maxBreite) {
    m_texte.werte(i).maxBreite = maxBreite;
}
QString frmLabel::TextMaxBreiteLesen(int32_t i) const {
    return QString::number(m_texte.werte(i).maxBreite);
}
void frmLabel::TextMaxHoeheSchreiben(int32_t i, int32_t maxHoehe) {
    m_texte.werte(i).maxHoehe = maxHoehe;
}
QString frmLabel::TextMaxHoeheLesen(int32_t i) const {
    return QString::number(m_texte.werte(i).maxHoehe);
}
void frmLabel::TextStatusSchreiben(int32_t i, bool Status) {
    m_texte.setStatus(i, Status);
}
bool frmLabel::TextStatusLesen(int32_t i) const {
    return m_texte.status(i);
}
void frmLabel::DatenfeldMaxBreiteSchreiben(int32_t i, int32_t maxBreite) {
    m_datenfelder.werte(i).maxBreite = maxBreite;
}
QString frmLabel::DatenfeldMaxBreiteLesen(int32_t i) const {
    return QString::number(m_datenfelder.werte(i).maxBreite);
}
void frmLabel::DatenfeldMaxHoeheSchreiben(int32_t i, int32_t maxHoehe) {
    m_datenfelder.werte(i).maxHoehe = maxHoehe;
}
QString frmLabel::DatenfeldMaxHoeheLesen(int32_t i) const {
    return QString::number(m_datenfelder.werte(i).maxHoehe);
}
void frmLabel::DatenfeldStatusSchreiben(int32_t i, bool Status) {
    m_datenfelder.setStatus(i, Status);
}
bool frmLabel::DatenfeldStatusLesen(int32_t i) const {
    return m_datenfelder.status(i);
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

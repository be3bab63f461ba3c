// Reading a template file into a new label window.
#include "label/frmLabel.h"
#include "label/nachbarn.h"
#include "label/programm.h"
#include "label/unterprogramme.h"
#include "platform/bilddatei.h"
#include "platform/cp1252.h"
#include "platform/dialogs.h"
#include "platform/elements.h"
#include "platform/system.h"
#include "template/einleser.h"

#include <QFile>
#include <QImage>
#include <algorithm>
#include <utility>

namespace sorvo {
namespace satz {

namespace {

// The largest label the new-label dialog makes; a file naming a larger one
// is damaged, and a window that size would not fit any screen.
constexpr float kGroessteSeite = 2000.0f;

int32_t index(int16_t i, int32_t hoechster) {
    if (i < 1 || i > hoechster)
        throw ausserhalb();
    return i;
}

// A whole-number property with a fixed set of values; anything else is
// refused as the control would refuse it.
int16_t auswahl(int16_t wert, int16_t hoechster) {
    if (wert < 0 || wert > hoechster)
        throw ungueltigerWert();
    return wert;
}

QString ohneEndung(const QString& name) {
    const qsizetype punkt = name.lastIndexOf(QLatin1Char('.'));
    return punkt < 0 ? name : name.left(punkt);
}

const QString kBildPlatzhalter = QStringLiteral("<Bild>");

QStringList& unlesbareKopieBilder() {
    static QStringList pfade;
    return pfade;
}

} // namespace

// The fields 2 to 15 of an L or D record: place, maxima and look.
struct Einleser::Beschriftungsfelder {
    int16_t links, oben, maxBreite, maxHoehe;
    Aussehen aussehen;
};

Antwort dateiFehlt(const QString& art, const QString& pfad, int stil, const QString& zusatz) {
    return dialoge().meldung(QStringLiteral("Die Datei (") + art + QStringLiteral(")\r") + pfad +
                                 QStringLiteral("\rkonnte nicht gefunden werden!") + zusatz,
                             stil, QStringLiteral("Datei nicht vorhanden!"));
}

void fensterVerwerfen(int32_t w) {
    // Nothing of it is worth a save question.
    S(w).blnGeaendert = false;
    Schild(w).QueryUnload(frmLabel::DurchProgramm);
}

std::vector<QString> zeilenTeilen(const QString& text) {
    std::vector<QString> zeilen;
    qsizetype anfang = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n'))
            continue;
        zeilen.push_back(text.mid(anfang, i - anfang));
        if (c == QLatin1Char('\r') && i + 1 < n && text[i + 1] == QLatin1Char('\n'))
            ++i;
        anfang = i + 1;
    }
    if (anfang < n)
        zeilen.push_back(text.mid(anfang));
    return zeilen;
}

void Einleser::aktuell() const {
    P().lngAktivesSchild = m_w;
}

bool Einleser::zeile(const QString& z) {
    // A line that starts with a blank, an empty line or an unknown key is
    // passed over.
    if (z.isEmpty())
        return true;
    aktuell();
    Felder f(z);
    switch (z[0].unicode()) {
    case 'L':
        text(f);
        break;
    case 'D':
        datenfeld(f);
        break;
    case 'B':
        bild(f);
        break;
    case 'G':
        geometrie(f);
        break;
    case 'F':
        return datenbank(f);
    case 'P':
        preise(f);
        break;
    case 'E':
        reihenfolge(f);
        break;
    default:
        break;
    }
    return true;
}

Einleser::Beschriftungsfelder Einleser::beschriftungLesen(Felder& f) {
    Beschriftungsfelder b{};
    b.links = f.ganzzahl();
    b.oben = f.ganzzahl();
    b.maxBreite = f.ganzzahl();
    b.maxHoehe = f.ganzzahl();
    Aussehen& a = b.aussehen;
    a.hintergrundArt = auswahl(f.ganzzahl(), 1);
    a.hintergrund = f.farbe();
    a.vordergrund = f.farbe();
    a.fett = f.wahr();
    a.kursiv = f.wahr();
    a.unterstrichen = f.wahr();
    a.schrift = f.feld();
    a.groesse = f.groesse();
    a.rahmen = auswahl(f.ganzzahl(), 1);
    a.ausrichtung = auswahl(f.ganzzahl(), 2);
    return b;
}

void Einleser::beschriftungSetzen(Beschriftung& c, const Beschriftungsfelder& b) {
    c.setLeft(b.links);
    c.setTop(b.oben);
    c.setAussehen(b.aussehen);
}

void Einleser::text(Felder& f) {
    frmLabel& s = Schild(m_w);
    s.TextNeu();
    const int32_t i = index(f.ganzzahl(), s.hoechsterText());
    const Beschriftungsfelder a = beschriftungLesen(f);
    // The caption keeps its blanks: they are part of the user's text.
    QString text = f.restUngetrimmt();
    ZeichenErsetzen(text, 197, 10);
    ZeichenErsetzen(text, 198, 13);

    Beschriftung& c = s.lblText(i);
    s.TextMaxBreiteSchreiben(i, a.maxBreite);
    s.TextMaxHoeheSchreiben(i, a.maxHoehe);
    beschriftungSetzen(c, a);
    c.setAutoSize(false);
    if (m_quelle == Quelle::Datei) {
        TextLayoutLaden(text, i);
    } else {
        // A copy keeps the template's word wrap and a negative left edge.
        c.setCaption(text);
        c.setVisible(true);
        TextAnpassen(i, m_w);
    }
}

void Einleser::datenfeld(Felder& f) {
    if (m_quelle == Quelle::Datei && !m_datenfelder)
        return;
    frmLabel& s = Schild(m_w);
    s.DatenfeldNeu();
    const int32_t i = index(f.ganzzahl(), s.hoechstesDatenfeld());
    const Beschriftungsfelder a = beschriftungLesen(f);
    const QString text = f.restUngetrimmt();

    Beschriftung& c = s.lblDatenfeld(i);
    s.DatenfeldMaxBreiteSchreiben(i, a.maxBreite);
    s.DatenfeldMaxHoeheSchreiben(i, a.maxHoehe);
    beschriftungSetzen(c, a);
    const bool bild = text == kBildPlatzhalter;
    if (m_quelle == Quelle::Kopie) {
        c.setCaption(text);
        c.setVisible(true);
        if (bild && a.maxBreite != 0 && a.maxHoehe != 0)
            c.setAutoSize(false);
        DatenfeldAnpassen(i, m_w);
        return;
    }
    c.setAutoSize(false);
    DatenfeldLayoutLaden(text, i);
    if (!bild)
        return;
    // A picture data field takes the size of its maxima.
    if (a.maxBreite != 0 || a.maxHoehe != 0) {
        c.setAutoSize(false);
        if (a.maxBreite != 0)
            c.setWidth(a.maxBreite);
        if (a.maxHoehe != 0)
            c.setHeight(a.maxHoehe);
    } else {
        c.setAutoSize(true);
    }
}

void Einleser::bild(Felder& f) {
    frmLabel& s = Schild(m_w);
    s.BildNeu();
    const int32_t j = index(f.ganzzahl(), s.hoechstesBild());
    const int16_t links = f.ganzzahl();
    const int16_t oben = f.ganzzahl();
    const int16_t hoehe = f.ganzzahl();
    const int16_t breite = f.ganzzahl();
    if (hoehe < 0 || breite < 0)
        throw ungueltigerWert();
    const QString pfad = f.rest();

    Bild& b = s.imgBild(j);
    b.setLeft(links);
    b.setTop(oben);
    b.setHeight(hoehe);
    b.setWidth(breite);
    // An empty path is a free slot, removed at the end.
    if (pfad.isEmpty())
        return;
    if (!dateiExistiert(pfad)) {
        dateiFehlt(QStringLiteral("Bild"), pfad, Msg::OK + Msg::Exclamation);
        aktuell();
        return;
    }
    const QImage bild = bildLaden(pfad);
    if (bild.isNull()) {
        const Laufzeitfehler fehler(481, QStringLiteral("Ungültiges Bild"));
        if (m_quelle == Quelle::Datei)
            throw fehler;
        // A copy goes on without the picture; record transfer must not stop
        // half-way for one bad file, and tells of it once for all records.
        if (!unlesbareKopieBilder().contains(pfad))
            unlesbareKopieBilder() << pfad;
        return;
    }
    b.setPicture(bild);
    s.BildPfadSchreiben(j, pfad);
    b.setVisible(true);
}

void Einleser::geometrie(Felder& f) {
    const float breite = f.einzel();
    const float hoehe = f.einzel();
    const float rechts = f.einzel();
    const float links = f.einzel();
    const float oben = f.einzel();
    const float unten = f.einzel();
    const int16_t papier = f.ganzzahl();
    const int16_t ausrichtung = f.ganzzahl();
    // Reserve and loop-label width are fractions like the other sizes.
    const float reserve = f.einzel();
    const float etikett = f.einzel();
    const bool schlaufe = alsWahr(f.rest());
    if (breite < 0 || breite > kGroessteSeite || hoehe < 0 || hoehe > kGroessteSeite)
        throw ungueltigerWert();

    auto& e = S(m_w);
    e.sngSchildBreite = breite;
    e.sngSchildHoehe = hoehe;
    e.sngGrenzeRechts = rechts;
    e.sngGrenzeLinks = links;
    e.sngGrenzeOben = oben;
    e.sngGrenzeUnten = unten;
    e.lngPapierFormat = papier;
    e.lngAusrichtung = ausrichtung;
    e.sngSchildReserve = reserve;
    e.sngEtikettBreite = etikett;
    e.blnSchlaufenetikett = schlaufe;
    FenstergroesseSetzen(e.sngSchildBreite, e.sngSchildHoehe, Schild(m_w));
}

bool Einleser::datenbank(Felder& f) {
    auto& p = P();
    auto& e = S(m_w);
    if (m_quelle == Quelle::Datei && p.blnVorlageGeoeffnet) {
        dialoge().meldung(QStringLiteral("Es kann nur eine einzige Vorlage geöffnet werden!\rDas "
                                         "Laden wird abgebrochen."),
                          Msg::OK + Msg::Exclamation,
                          QStringLiteral("Es ist schon eine Vorlage geöffnet!"));
        fensterVerwerfen(m_w);
        return false;
    }
    e.strDbPfad = f.feld();
    if (e.strDbPfad.isEmpty())
        return true;
    const bool pflanzen = f.wahr();
    const QString art = f.feld();
    const QString tabelle = f.rest();
    e.blnPflanzenDb = pflanzen;
    DatenbankAuswahl& db = SchildDb(m_w);
    db.BotrelDateiArt = art;
    db.EigeneDbTabName = tabelle;

    const QString pfad = e.strDbPfad;
    if (m_quelle == Quelle::Kopie) {
        // A copy binds nothing and asks nothing: record transfer runs on.
        if (dateiExistiert(pfad)) {
            e.blnDbGeladen = true;
        } else {
            dateiFehlt(QStringLiteral("Datenbank"), pfad, Msg::OK + Msg::Exclamation);
            e.strDbPfad.clear();
        }
        return true;
    }

    if (dateiExistiert(pfad)) {
        e.blnDbGeladen = true;
        aktuell();
        if (pflanzen)
            db.DbTabellenAnzeigen();
        else
            db.DbTabellenAnzeigenEigeneDb();
        return true;
    }
    if (pflanzen) {
        const Antwort a =
            dateiFehlt(QStringLiteral("Datenbank"), pfad, Msg::YesNo + Msg::Exclamation,
                       QStringLiteral("\r\rWollen Sie eine andere Botrel-Datenbank auswählen?"));
        aktuell();
        if (a == Antwort::Yes) {
            db.DBBotrelWechseln();
            aktuell();
            if (dateiExistiert(S(m_w).strDbPfad)) {
                SchildGeaendert();
                return true;
            }
        }
    } else {
        dateiFehlt(QStringLiteral("Datenbank"), pfad, Msg::OK + Msg::Exclamation);
        aktuell();
    }
    e.strDbPfad.clear();
    m_datenfelder = false;
    SchildGeaendert();
    return true;
}

void Einleser::preise(Felder& f) {
    auto& e = S(m_w);
    const QString pfad = f.feld();
    if (pfad.isEmpty() || e.blnPreisDbGeladen)
        return;
    e.strPreisSpalte = f.rest();
    e.strPreisDbPfad = pfad;
    if (!dateiExistiert(pfad)) {
        dateiFehlt(QStringLiteral("Datenbank"), pfad, Msg::OK + Msg::Exclamation);
        aktuell();
        e.strPreisDbPfad.clear();
        e.strPreisSpalte.clear();
        return;
    }
    // The state the prices binding sets first, whether or not it can bind:
    // the window has a prices file, and writes it back when saved.
    e.blnPreisDbGeladen = true;
    e.strPreisDateiName = ohneEndung(DateinameAusPfad(pfad));
    SchildDb(m_w).DBPreiseLaden();
}

void Einleser::reihenfolge(Felder& f) {
    frmLabel& s = Schild(m_w);
    auto& e = S(m_w);
    const int32_t kapazitaet = static_cast<int32_t>(e.lngReihenfolge.size()) - 1;
    const int16_t n = f.ganzzahl();
    if (n < 0 || n > kapazitaet)
        throw ausserhalb();
    std::vector<int32_t> codes;
    codes.reserve(static_cast<size_t>(n));
    for (int32_t p = 1; p <= n; ++p) {
        const int32_t code = alsGanzzahl(p < n ? f.feld() : f.rest());
        // An element has one place in the order; a repeated code would
        // outlive the element's deletion.
        if (std::find(codes.begin(), codes.end(), code) != codes.end())
            continue;
        const int32_t i = elementIndexAusCode(code);
        int32_t hoechster = 0;
        switch (elementArtAusCode(code)) {
        case ArtText:
            hoechster = s.hoechsterText();
            break;
        case ArtBild:
            hoechster = s.hoechstesBild();
            break;
        case ArtDatenfeld:
            // The data fields of a database that was not found were passed
            // over; their places in the order go with them.
            if (!m_datenfelder &&
                (i > s.hoechstesDatenfeld() || (i >= 1 && s.lblDatenfeld(i).Caption().isEmpty())))
                continue;
            hoechster = s.hoechstesDatenfeld();
            break;
        default:
            // Not an element; the stacking passes over it.
            codes.push_back(code);
            continue;
        }
        index(static_cast<int16_t>(i), hoechster);
        codes.push_back(code);
    }
    const int32_t m = static_cast<int32_t>(codes.size());
    for (int32_t p = 1; p <= kapazitaet; ++p)
        e.lngReihenfolge[static_cast<size_t>(p)] = p <= m ? codes[static_cast<size_t>(p - 1)] : 0;
    e.lngReihenfolgeAnzahl = m;
    aktuell();
    ReihenfolgeHerstellen();
}

void Einleser::abschliessen() {
    aktuell();
    if (m_quelle == Quelle::Datei && !S(m_w).blnDbGeladen)
        if (auto* m = nachbarn().mdi) {
            m->menuAktivSetzen(QStringLiteral("mnuDbLaden"), true);
            m->menuAktivSetzen(QStringLiteral("mnuDbEigeneLaden"), true);
        }
    frmLabel& s = Schild(m_w);
    for (int32_t i = 1; i <= s.hoechstesDatenfeld(); ++i) {
        if (s.lblDatenfeld(i).Caption().isEmpty())
            DatenfeldEntfernen(m_w, i);
        else
            s.DatenfeldStatusSchreiben(i, true);
    }
    for (int32_t i = 1; i <= s.hoechsterText(); ++i) {
        if (s.lblText(i).Caption().isEmpty())
            TextEntfernen(m_w, i);
        else
            s.TextStatusSchreiben(i, true);
    }
    for (int32_t j = 1; j <= s.hoechstesBild(); ++j) {
        if (s.BildPfadLesen(j).isEmpty())
            BildEntfernen(m_w, j);
        else
            s.BildStatusSchreiben(j, true);
    }
}

} // namespace satz

QStringList unlesbareBilderNehmen() {
    return std::exchange(satz::unlesbareKopieBilder(), {});
}

void VorlageLesen() {
    const int32_t w = P().lngAktivesSchild;
    try {
        QFile datei(P().strOeffnenDatei);
        // A pipe or a folder would block or fail the open: it is no template.
        if (!lesbareDatei(P().strOeffnenDatei) || !datei.open(QIODevice::ReadOnly))
            throw Laufzeitfehler(53, QStringLiteral("Datei nicht gefunden"));
        const QByteArray inhalt = datei.readAll();
        datei.close();
        satz::Einleser leser(satz::Quelle::Datei, w);
        for (const QString& z : satz::zeilenTeilen(ausCp1252(inhalt)))
            if (!leser.zeile(z))
                return;
        leser.abschliessen();
    } catch (const std::exception&) {
        // Laufzeitfehler, or a slot the window does not have.
        dialoge().meldung(QStringLiteral("Datei kann leider nicht geladen werden!"),
                          Msg::OK + Msg::Exclamation, QStringLiteral("Problem!"));
        satz::fensterVerwerfen(w);
    }
}

} // namespace sorvo

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

namespace {

// The fields 2 to 15 of an L or D record: place, maxima and look.
void beschriftungLesen(Felder& f, Eintrag& e) {
    e.links = f.ganzzahl();
    e.oben = f.ganzzahl();
    e.maxBreite = f.ganzzahl();
    e.maxHoehe = f.ganzzahl();
    Aussehen& a = e.aussehen;
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
}

void felderLesen(Felder& f, Eintrag& e) {
    switch (e.art) {
    case 'L':
    case 'D':
        e.index = f.ganzzahl();
        e.indexGelesen = true;
        beschriftungLesen(f, e);
        e.text = f.restUngetrimmt();
        if (e.art == 'L') {
            ZeichenErsetzen(e.text, 197, 10);
            ZeichenErsetzen(e.text, 198, 13);
        }
        break;
    case 'B':
        e.index = f.ganzzahl();
        e.indexGelesen = true;
        e.links = f.ganzzahl();
        e.oben = f.ganzzahl();
        e.hoehe = f.ganzzahl();
        e.breite = f.ganzzahl();
        e.text = f.rest();
        break;
    case 'G': {
        auto& g = e.geometrie;
        g.breite = f.einzel();
        g.hoehe = f.einzel();
        g.rechts = f.einzel();
        g.links = f.einzel();
        g.oben = f.einzel();
        g.unten = f.einzel();
        g.papier = f.ganzzahl();
        g.ausrichtung = f.ganzzahl();
        // Reserve and loop-label width are fractions like the other sizes.
        g.reserve = f.einzel();
        g.etikett = f.einzel();
        g.schlaufe = alsWahr(f.rest());
        break;
    }
    case 'F':
        e.text = f.feld();
        // Without a database the rest of the line is not read.
        if (e.text.isEmpty())
            break;
        e.pflanzen = f.wahr();
        e.dbArt = f.feld();
        e.tabelle = f.rest();
        break;
    case 'P':
        e.text = f.feld();
        e.spalte = f.rest();
        break;
    case 'E':
        e.index = f.ganzzahl();
        e.indexGelesen = true;
        for (int32_t p = 1; p <= e.index; ++p)
            e.codes.push_back(alsGanzzahl(p < e.index ? f.feld() : f.rest()));
        break;
    default:
        break;
    }
}

} // namespace

Eintrag eintragLesen(const QString& z) {
    Eintrag e;
    if (z.isEmpty())
        return e;
    const char16_t c = z[0].unicode();
    if (c == u'L' || c == u'D' || c == u'B' || c == u'G' || c == u'F' || c == u'P' || c == u'E')
        e.art = static_cast<char>(c);
    else
        e.art = ' ';
    Felder f(z);
    try {
        felderLesen(f, e);
    } catch (const Laufzeitfehler& x) {
        e.fehler = x;
    }
    return e;
}

bool Einleser::zeile(const QString& z) {
    // A line that starts with a blank, an empty line or an unknown key is
    // passed over.
    if (z.isEmpty())
        return true;
    return anwenden(eintragLesen(z));
}

bool Einleser::anwenden(const Eintrag& e) {
    if (e.art == 0)
        return true;
    aktuell();
    switch (e.art) {
    case 'L':
        text(e);
        break;
    case 'D':
        datenfeld(e);
        break;
    case 'B':
        bild(e);
        break;
    case 'G':
        geometrie(e);
        break;
    case 'F':
        return datenbank(e);
    case 'P':
        preise(e);
        break;
    case 'E':
        reihenfolge(e);
        break;
    default:
        break;
    }
    return true;
}

namespace {

// The slot index of a line, checked against the loaded slots once it was
// read; a field that did not convert is raised where the line's reading
// would have met it.
int32_t slot(const Eintrag& e, int32_t hoechster) {
    if (e.fehler && !e.indexGelesen)
        throw *e.fehler;
    const int32_t i = index(e.index, hoechster);
    if (e.fehler)
        throw *e.fehler;
    return i;
}

// Whether the file a line names is there: as looked up once for all copies,
// or now.
bool vorhanden(const Eintrag& e, const QString& pfad) {
    return e.vorhanden ? *e.vorhanden : dateiExistiert(pfad);
}

} // namespace

void Einleser::beschriftungSetzen(Beschriftung& c, const Eintrag& e) {
    c.setLeft(e.links);
    c.setTop(e.oben);
    c.setAussehen(e.aussehen);
}

void Einleser::text(const Eintrag& e) {
    frmLabel& s = Schild(m_w);
    s.TextNeu();
    const int32_t i = slot(e, s.hoechsterText());
    // The caption keeps its blanks: they are part of the user's text.
    const QString& text = e.text;

    Beschriftung& c = s.lblText(i);
    s.TextMaxBreiteSchreiben(i, e.maxBreite);
    s.TextMaxHoeheSchreiben(i, e.maxHoehe);
    beschriftungSetzen(c, e);
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

void Einleser::datenfeld(const Eintrag& e) {
    if (m_quelle == Quelle::Datei && !m_datenfelder)
        return;
    frmLabel& s = Schild(m_w);
    s.DatenfeldNeu();
    const int32_t i = slot(e, s.hoechstesDatenfeld());
    const QString& text = e.text;

    Beschriftung& c = s.lblDatenfeld(i);
    s.DatenfeldMaxBreiteSchreiben(i, e.maxBreite);
    s.DatenfeldMaxHoeheSchreiben(i, e.maxHoehe);
    beschriftungSetzen(c, e);
    const bool bild = text == kBildPlatzhalter;
    if (m_quelle == Quelle::Kopie) {
        c.setCaption(text);
        c.setVisible(true);
        if (bild && e.maxBreite != 0 && e.maxHoehe != 0)
            c.setAutoSize(false);
        DatenfeldAnpassen(i, m_w);
        return;
    }
    c.setAutoSize(false);
    DatenfeldLayoutLaden(text, i);
    if (!bild)
        return;
    // A picture data field takes the size of its maxima.
    if (e.maxBreite != 0 || e.maxHoehe != 0) {
        c.setAutoSize(false);
        if (e.maxBreite != 0)
            c.setWidth(e.maxBreite);
        if (e.maxHoehe != 0)
            c.setHeight(e.maxHoehe);
    } else {
        c.setAutoSize(true);
    }
}

void Einleser::bild(const Eintrag& e) {
    frmLabel& s = Schild(m_w);
    s.BildNeu();
    const int32_t j = slot(e, s.hoechstesBild());
    if (e.hoehe < 0 || e.breite < 0)
        throw ungueltigerWert();
    const QString& pfad = e.text;

    Bild& b = s.imgBild(j);
    b.setLeft(e.links);
    b.setTop(e.oben);
    b.setHeight(e.hoehe);
    b.setWidth(e.breite);
    // An empty path is a free slot, removed at the end.
    if (pfad.isEmpty())
        return;
    if (!vorhanden(e, pfad)) {
        dateiFehlt(QStringLiteral("Bild"), pfad, Msg::OK + Msg::Exclamation);
        aktuell();
        return;
    }
    const QImage bild = e.vorhanden ? e.bild : bildLaden(pfad);
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

void Einleser::geometrie(const Eintrag& z) {
    if (z.fehler)
        throw *z.fehler;
    const auto& g = z.geometrie;
    if (g.breite < 0 || g.breite > kGroessteSeite || g.hoehe < 0 || g.hoehe > kGroessteSeite)
        throw ungueltigerWert();
    // No label is made without a size; a file that gives none is no
    // template (a picture renamed to .vxp would open as an empty window).
    if (m_quelle == Quelle::Datei && (g.breite <= 0 || g.hoehe <= 0))
        throw ungueltigerWert();
    m_groesse = true;

    auto& e = S(m_w);
    e.sngSchildBreite = g.breite;
    e.sngSchildHoehe = g.hoehe;
    e.sngGrenzeRechts = g.rechts;
    e.sngGrenzeLinks = g.links;
    e.sngGrenzeOben = g.oben;
    e.sngGrenzeUnten = g.unten;
    e.lngPapierFormat = g.papier;
    e.lngAusrichtung = g.ausrichtung;
    e.sngSchildReserve = g.reserve;
    e.sngEtikettBreite = g.etikett;
    e.blnSchlaufenetikett = g.schlaufe;
    FenstergroesseSetzen(e.sngSchildBreite, e.sngSchildHoehe, Schild(m_w));
}

bool Einleser::datenbank(const Eintrag& z) {
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
    if (z.fehler)
        throw *z.fehler;
    e.strDbPfad = z.text;
    if (e.strDbPfad.isEmpty())
        return true;
    e.blnPflanzenDb = z.pflanzen;
    DatenbankAuswahl& db = SchildDb(m_w);
    db.BotrelDateiArt = z.dbArt;
    db.EigeneDbTabName = z.tabelle;

    const QString pfad = e.strDbPfad;
    const bool da = vorhanden(z, pfad);
    if (m_quelle == Quelle::Kopie) {
        // A copy binds nothing and asks nothing: record transfer runs on.
        if (da) {
            e.blnDbGeladen = true;
        } else {
            dateiFehlt(QStringLiteral("Datenbank"), pfad, Msg::OK + Msg::Exclamation);
            e.strDbPfad.clear();
        }
        return true;
    }

    if (da) {
        e.blnDbGeladen = true;
        aktuell();
        if (z.pflanzen)
            db.DbTabellenAnzeigen();
        else
            db.DbTabellenAnzeigenEigeneDb();
        if (!S(m_w).blnDbGeladen) {
            // The binding failed and said why; the window goes on without
            // the database, and saving it would drop it.
            aktuell();
            SchildGeaendert();
        }
        return true;
    }
    if (z.pflanzen) {
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

void Einleser::preise(const Eintrag& z) {
    if (z.fehler)
        throw *z.fehler;
    auto& e = S(m_w);
    const QString& pfad = z.text;
    if (pfad.isEmpty() || e.blnPreisDbGeladen)
        return;
    e.strPreisSpalte = z.spalte;
    e.strPreisDbPfad = pfad;
    if (!vorhanden(z, pfad)) {
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

void Einleser::reihenfolge(const Eintrag& z) {
    frmLabel& s = Schild(m_w);
    auto& e = S(m_w);
    const int32_t kapazitaet = static_cast<int32_t>(e.lngReihenfolge.size()) - 1;
    if (z.fehler && !z.indexGelesen)
        throw *z.fehler;
    const int16_t n = z.index;
    if (n < 0 || n > kapazitaet)
        throw ausserhalb();
    if (z.fehler)
        throw *z.fehler;
    std::vector<int32_t> codes;
    codes.reserve(static_cast<size_t>(n));
    for (const int32_t code : z.codes) {
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
    if (m_quelle == Quelle::Datei && !m_groesse)
        throw ungueltigerWert();
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
        // A template that begins with the UTF-8 byte-order mark, as several
        // editors save text, is UTF-8; any other is Windows-1252, the code
        // page the writer uses.
        static const QByteArray kMarke("\xEF\xBB\xBF");
        const QString text = inhalt.startsWith(kMarke)
                                 ? QString::fromUtf8(inhalt.sliced(kMarke.size()))
                                 : ausCp1252(inhalt);
        satz::Einleser leser(satz::Quelle::Datei, w);
        for (const QString& z : satz::zeilenTeilen(text))
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

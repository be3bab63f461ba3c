#include "template/satz.h"

#include "label/frmLabel.h"
#include "label/nachbarn.h"
#include "label/programm.h"
#include "label/unterprogramme.h"
#include "platform/cp1252.h"
#include "platform/elements.h"
#include "platform/texte.h"
#include "platform/units.h"

#include <QLocale>
#include <cfloat>
#include <cmath>
#include <limits>
#include <optional>

namespace sorvo {

Laufzeitfehler::Laufzeitfehler(int nummer, const QString& beschreibung)
    : std::runtime_error(beschreibung.toStdString()), m_nummer(nummer),
      m_beschreibung(beschreibung) {}

QString Laufzeitfehler::meldungsText() const {
    return m_beschreibung + QStringLiteral(" (") + QString::number(m_nummer) + QLatin1Char(')');
}

QString mitVorlagenEndung(const QString& name) {
    return name.endsWith(QLatin1String(".vxp"), Qt::CaseSensitive) ? name
                                                                   : name + QStringLiteral(".vxp");
}

namespace satz {

namespace {

const QString kTrenner = QStringLiteral("|");

QString zahlText(int32_t n) {
    return QString::number(n);
}

// The fields 2 to 16 of an L or D record.
QString beschriftungsFelder(const Beschriftung& c, const QString& maxBreite,
                            const QString& maxHoehe, const QString& text) {
    const Aussehen a = c.aussehen();
    return ganzeMm(c.Left()) + kTrenner + ganzeMm(c.Top()) + kTrenner + maxBreite + kTrenner +
           maxHoehe + kTrenner + zahlText(a.hintergrundArt) + kTrenner + zahlText(a.hintergrund) +
           kTrenner + zahlText(a.vordergrund) + kTrenner + wahrheit(a.fett) + kTrenner +
           wahrheit(a.kursiv) + kTrenner + wahrheit(a.unterstrichen) + kTrenner + a.schrift +
           kTrenner + schriftGroesse(a.groesse) + kTrenner + zahlText(a.rahmen) + kTrenner +
           zahlText(a.ausrichtung) + kTrenner + text;
}

// Rounds half to even; nullopt when the result lies outside lo .. hi.
std::optional<double> gerundetIn(double x, double lo, double hi) {
    if (!std::isfinite(x))
        return std::nullopt;
    // The program never leaves the default rounding mode, to nearest even.
    const double r = std::nearbyint(x);
    if (r < lo || r > hi)
        return std::nullopt;
    return r;
}

std::optional<double> zahl(const QString& s) {
    QString t = s.trimmed();
    if (t.isEmpty())
        return std::nullopt;
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double d = QLocale::c().toDouble(t, &ok);
    if (!ok || !std::isfinite(d))
        return std::nullopt;
    return d;
}

} // namespace

// --- Writing ------------------------------------------------------------------

QString ganzeMm(double mm) {
    const auto r = gerundetIn(mm, -32768, 32767);
    if (!r)
        throw ueberlauf();
    return zahlText(static_cast<int32_t>(*r));
}

QString gebietsZahl(float wert) {
    if (!std::isfinite(wert))
        throw ueberlauf();
    if (wert == 0.0f)
        return QStringLiteral("0"); // also for -0
    QString s = QString::number(static_cast<double>(wert), 'G', 7);
    s.replace(QLatin1Char('.'), Dezimaltrennzeichen());
    return s;
}

QString schriftGroesse(double punkte) {
    QString s = QString::number(punkte, 'f', 4);
    while (s.endsWith(QLatin1Char('0')))
        s.chop(1);
    if (s.endsWith(QLatin1Char('.')))
        s.chop(1);
    s.replace(QLatin1Char('.'), Dezimaltrennzeichen());
    return s;
}

QString wahrheit(bool wert) {
    return wert ? QStringLiteral("True") : QStringLiteral("False");
}

// A window that never had an element of a kind writes no record of it.
int32_t texteBis(const frmLabel& f) {
    return f.jeVergeben(ArtText) ? f.hoechsterText() : 0;
}

int32_t datenfelderBis(const frmLabel& f) {
    return f.jeVergeben(ArtDatenfeld) ? f.hoechstesDatenfeld() : 0;
}

int32_t bilderBis(const frmLabel& f) {
    return f.jeVergeben(ArtBild) ? f.hoechstesBild() : 0;
}

bool hatF(int32_t w) {
    return S(w).blnDbGeladen;
}

bool hatP(int32_t w) {
    return S(w).blnPreisDbGeladen && !S(w).strPreisSpalte.isEmpty();
}

bool hatE(int32_t w) {
    return S(w).lngReihenfolgeAnzahl != 0;
}

QString fSatz(int32_t w) {
    const auto& e = S(w);
    const DatenbankAuswahl& db = SchildDb(w);
    return QStringLiteral("F ") + e.strDbPfad + kTrenner + wahrheit(e.blnPflanzenDb) + kTrenner +
           db.BotrelDateiArt + kTrenner + db.EigeneDbTabName;
}

QString gSatz(int32_t w) {
    const auto& e = S(w);
    return QStringLiteral("G") + gebietsZahl(e.sngSchildBreite) + kTrenner +
           gebietsZahl(e.sngSchildHoehe) + kTrenner + gebietsZahl(e.sngGrenzeRechts) + kTrenner +
           gebietsZahl(e.sngGrenzeLinks) + kTrenner + gebietsZahl(e.sngGrenzeOben) + kTrenner +
           gebietsZahl(e.sngGrenzeUnten) + kTrenner + zahlText(e.lngPapierFormat) + kTrenner +
           zahlText(e.lngAusrichtung) + kTrenner + gebietsZahl(e.sngSchildReserve) + kTrenner +
           gebietsZahl(e.sngEtikettBreite) + kTrenner + wahrheit(e.blnSchlaufenetikett);
}

QString lSatz(const frmLabel& f, int32_t i) {
    const Beschriftung& c = f.lblText(i);
    QString text = c.Caption();
    ZeichenErsetzen(text, 10, 197);
    ZeichenErsetzen(text, 13, 198);
    return QStringLiteral("L") + zahlText(i) + kTrenner +
           beschriftungsFelder(c, f.TextMaxBreiteLesen(i), f.TextMaxHoeheLesen(i), text);
}

QString bSatz(const frmLabel& f, int32_t j) {
    const Bild& b = f.imgBild(j);
    return QStringLiteral("B") + zahlText(j) + kTrenner + ganzeMm(b.Left()) + kTrenner +
           ganzeMm(b.Top()) + kTrenner + ganzeMm(b.Height()) + kTrenner + ganzeMm(b.Width()) +
           kTrenner + f.BildPfadLesen(j);
}

QString dSatz(const frmLabel& f, int32_t i) {
    const Beschriftung& c = f.lblDatenfeld(i);
    return QStringLiteral("D") + zahlText(i) + kTrenner +
           beschriftungsFelder(c, f.DatenfeldMaxBreiteLesen(i), f.DatenfeldMaxHoeheLesen(i),
                               c.Caption());
}

QString pSatz(int32_t w) {
    const auto& e = S(w);
    return QStringLiteral("P ") + e.strPreisDbPfad + QStringLiteral("| ") + e.strPreisSpalte;
}

QString eSatz(int32_t w) {
    const auto& e = S(w);
    QString s = QStringLiteral("E") + zahlText(e.lngReihenfolgeAnzahl);
    for (int32_t p = 1; p <= e.lngReihenfolgeAnzahl; ++p)
        s += kTrenner + zahlText(e.lngReihenfolge.at(static_cast<size_t>(p)));
    return s;
}

namespace {

// How the reader takes a field back.
enum Feld : unsigned {
    ImSatz = 1,   // a bar ends it
    Getrimmt = 2, // blanks at its ends go, and it names something
    Text = 4,     // a text caption: line breaks are coded, bytes 197 and 198 decoded
};

// Why wert would not come back from a field of this kind; empty if it would.
QString feldProblem(const QString& wert, unsigned art) {
    if (durchCp1252(wert) != wert)
        return QStringLiteral("enthält Zeichen, die eine Vorlagendatei nicht aufnehmen kann");
    if (!(art & Text) && (wert.contains(QLatin1Char('\r')) || wert.contains(QLatin1Char('\n'))))
        return QStringLiteral("enthält einen Zeilenumbruch");
    if ((art & ImSatz) && wert.contains(QLatin1Char('|')))
        return QStringLiteral("enthält das Zeichen \u201E|\u201C");
    if ((art & Getrimmt) && ohneLeerzeichen(wert) != wert)
        return QStringLiteral("beginnt oder endet mit einem Leerzeichen");
    if ((art & Text) && (wert.contains(QChar(197)) || wert.contains(QChar(198))))
        return QStringLiteral("enthält \u201E\u00C5\u201C oder \u201E\u00C6\u201C, die eine "
                              "Vorlagendatei als Zeilenumbruch zurückliest");
    return {};
}

} // namespace

std::optional<QString> unspeicherbar(int32_t w) {
    std::optional<QString> meldung;
    const auto pruefen = [&](const QString& was, const QString& wert, unsigned art) {
        if (meldung)
            return;
        const QString grund = feldProblem(wert, art);
        if (!grund.isEmpty())
            meldung = QStringLiteral("Die Vorlage kann so nicht gespeichert werden: ") + was +
                      QLatin1Char(' ') + grund + QStringLiteral(":\r") + wert +
                      QStringLiteral("\rDie Datei wurde nicht geschrieben.");
    };
    const auto& e = S(w);
    if (hatF(w)) {
        pruefen(QStringLiteral("Der Datenbankpfad"), e.strDbPfad, ImSatz | Getrimmt);
        pruefen(QStringLiteral("Der Tabellenname"), SchildDb(w).EigeneDbTabName, Getrimmt);
    }
    const frmLabel& f = Schild(w);
    for (int32_t i = 1, bis = texteBis(f); i <= bis; ++i) {
        const Beschriftung& c = f.lblText(i);
        pruefen(QStringLiteral("Die Schriftart eines Textes"), c.aussehen().schrift,
                ImSatz | Getrimmt);
        pruefen(QStringLiteral("Der Text"), c.Caption(), Text);
    }
    for (int32_t j = 1, bis = bilderBis(f); j <= bis; ++j)
        pruefen(QStringLiteral("Der Bildpfad"), f.BildPfadLesen(j), Getrimmt);
    for (int32_t i = 1, bis = datenfelderBis(f); i <= bis; ++i) {
        const Beschriftung& c = f.lblDatenfeld(i);
        pruefen(QStringLiteral("Die Schriftart eines Datenfeldes"), c.aussehen().schrift,
                ImSatz | Getrimmt);
        pruefen(QStringLiteral("Das Datenfeld"), c.Caption(), 0);
    }
    if (hatP(w)) {
        pruefen(QStringLiteral("Der Pfad der Preisdatei"), e.strPreisDbPfad, ImSatz | Getrimmt);
        pruefen(QStringLiteral("Das Preisfeld"), e.strPreisSpalte, Getrimmt);
    }
    return meldung;
}

// --- Reading ------------------------------------------------------------------

Laufzeitfehler feldFehlt() {
    return {5, QStringLiteral("Ungültiger Prozeduraufruf oder ungültiges Argument")};
}
Laufzeitfehler keineZahl(const QString&) {
    return {13, QStringLiteral("Typen unverträglich")};
}
Laufzeitfehler ueberlauf() {
    return {6, QStringLiteral("Überlauf")};
}
Laufzeitfehler ausserhalb() {
    return {9, QStringLiteral("Index außerhalb des gültigen Bereichs")};
}
Laufzeitfehler ungueltigerWert() {
    return {380, QStringLiteral("Ungültiger Eigenschaftswert")};
}

namespace {
template <class T> T ganzeZahl(const QString& s) {
    const auto d = zahl(s);
    if (!d)
        throw keineZahl(s);
    const auto r = gerundetIn(*d, std::numeric_limits<T>::min(), std::numeric_limits<T>::max());
    if (!r)
        throw ueberlauf();
    return static_cast<T>(*r);
}
} // namespace

int16_t alsGanzzahl(const QString& s) {
    return ganzeZahl<int16_t>(s);
}

int32_t alsFarbe(const QString& s) {
    return ganzeZahl<int32_t>(s);
}

float alsEinzel(const QString& s) {
    const auto d = zahl(s);
    if (!d)
        throw keineZahl(s);
    if (std::abs(*d) > FLT_MAX)
        throw ueberlauf();
    return static_cast<float>(*d);
}

bool alsWahr(const QString& s) {
    const QString t = s.trimmed();
    for (const char* w : {"True", "Wahr"})
        if (t.compare(QLatin1String(w), Qt::CaseInsensitive) == 0)
            return true;
    for (const char* w : {"False", "Falsch"})
        if (t.compare(QLatin1String(w), Qt::CaseInsensitive) == 0)
            return false;
    const auto d = zahl(t);
    if (!d)
        throw keineZahl(s);
    return *d != 0.0;
}

QString Felder::feld() {
    const qsizetype bar = m_zeile.indexOf(QLatin1Char('|'), m_pos);
    if (bar < 0)
        throw feldFehlt();
    QString f = ohneLeerzeichen(m_zeile.mid(m_pos, bar - m_pos));
    m_pos = bar + 1;
    return f;
}

QString Felder::rest() const {
    return ohneLeerzeichen(restUngetrimmt());
}

QString Felder::restUngetrimmt() const {
    return m_zeile.mid(m_pos);
}

int16_t Felder::ganzzahl() {
    return alsGanzzahl(feld());
}

int32_t Felder::farbe() {
    return alsFarbe(feld());
}

float Felder::einzel() {
    return alsEinzel(feld());
}

bool Felder::wahr() {
    return alsWahr(feld());
}

double Felder::groesse() {
    // The largest size a font may be given.
    constexpr double kGroessteSchrift = 2160.0;
    const QString f = feld();
    const auto d = zahl(f);
    if (!d)
        throw keineZahl(f);
    // A font holds its size to four decimals; one that comes to 0 is none.
    if (!(*d >= 0.00005) || *d > kGroessteSchrift)
        throw ungueltigerWert();
    return *d;
}

} // namespace satz
} // namespace sorvo

#include "platform/registry.h"

#include "platform/cp1252.h"
#include "platform/ersetzen.h"
#include "platform/system.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLockFile>
#include <QStandardPaths>
#include <algorithm>
#include <cstring>
#include <sys/stat.h>
#include <vector>

namespace sorvo {
namespace {

QString wurzelName(RegWurzel w) {
    switch (w) {
    case HKEY_CURRENT_USER:
        return QStringLiteral("HKEY_CURRENT_USER");
    case HKEY_LOCAL_MACHINE:
        return QStringLiteral("HKEY_LOCAL_MACHINE");
    default:
        return QStringLiteral("HKEY_%1").arg(w, 8, 16, QLatin1Char('0'));
    }
}

QString vollerPfad(RegWurzel w, const QString& schluessel) {
    QString s = schluessel;
    while (s.startsWith(QLatin1Char('\\')))
        s.remove(0, 1);
    while (s.endsWith(QLatin1Char('\\')))
        s.chop(1);
    return s.isEmpty() ? wurzelName(w) : wurzelName(w) + QLatin1Char('\\') + s;
}

QString maskieren(const QString& s) {
    QString out;
    out.reserve(s.size() + 8);
    for (QChar c : s) {
        switch (c.unicode()) {
        case '\\':
            out += QStringLiteral("\\\\");
            break;
        case '\n':
            out += QStringLiteral("\\n");
            break;
        case '\r':
            out += QStringLiteral("\\r");
            break;
        case '=':
            out += QStringLiteral("\\=");
            break;
        case '[':
            out += QStringLiteral("\\[");
            break;
        case ']':
            out += QStringLiteral("\\]");
            break;
        default:
            out += c;
        }
    }
    return out;
}

// The escaped bytes [von, bis) as text. Escapes are plain ASCII, which no
// byte of a UTF-8 sequence (valid or not) can be, so they are undone on the
// bytes before decoding.
QString demaskieren(const char* von, const char* bis) {
    QByteArray roh;
    roh.reserve(bis - von);
    for (const char* p = von; p < bis; ++p) {
        if (*p == '\\' && p + 1 < bis) {
            ++p;
            roh += *p == 'n' ? '\n' : *p == 'r' ? '\r' : *p;
        } else {
            roh += *p;
        }
    }
    return QString::fromUtf8(roh);
}

// Where the first unescaped stop byte lies in [von, bis), or bis.
const char* bisZu(const char* von, const char* bis, char stop) {
    for (const char* p = von; p < bis; ++p) {
        if (*p == '\\')
            ++p;
        else if (*p == stop)
            return p;
    }
    return bis;
}

// What identifies one state of the file on disk: a rewrite through a
// temporary file gives a new inode, an edit in place a new size or time.
struct Stand {
    bool vorhanden = false;
    bool fremd = false; // something that is no file, a folder say

    dev_t geraet = 0;
    ino_t knoten = 0;
    off_t groesse = 0;
    timespec geaendert{};
    timespec status{};

    static Stand von(const QString& datei) {
        Stand s;
        struct stat st {};
        if (::stat(QFile::encodeName(datei).constData(), &st) != 0)
            return s;
        s.fremd = !S_ISREG(st.st_mode);
        if (!s.fremd) {
            s.vorhanden = true;
            s.geraet = st.st_dev;
            s.knoten = st.st_ino;
            s.groesse = st.st_size;
            s.geaendert = st.st_mtim;
            s.status = st.st_ctim;
        }
        return s;
    }
    bool operator==(const Stand& o) const {
        return vorhanden == o.vorhanden && fremd == o.fremd && geraet == o.geraet &&
               knoten == o.knoten && groesse == o.groesse &&
               geaendert.tv_sec == o.geaendert.tv_sec && geaendert.tv_nsec == o.geaendert.tv_nsec &&
               status.tv_sec == o.status.tv_sec && status.tv_nsec == o.status.tv_nsec;
    }
};

// A value name as the index knows it: a hash of its case-folded UTF-16
// units. Plain ASCII names, which are all the program's own, are folded
// byte by byte without building a text.
class NamensHash {
public:
    static quint64 von(const QString& gefaltet) {
        quint64 h = kAnfang;
        for (QChar c : gefaltet)
            h = (h ^ c.unicode()) * kFaktor;
        return h;
    }
    // The escaped name bytes [von, bis) as they stand in a line.
    static quint64 von(const char* von, const char* bis) {
        quint64 h = kAnfang;
        for (const char* p = von; p < bis; ++p) {
            const auto c = static_cast<unsigned char>(*p);
            if (c >= 0x80 || c == '\\')
                return NamensHash::von(demaskieren(von, bis).toCaseFolded());
            h = (h ^ static_cast<unsigned char>(c >= 'A' && c <= 'Z' ? c + 32 : c)) * kFaktor;
        }
        return h;
    }

private:
    static constexpr quint64 kAnfang = 0xcbf29ce484222325ull;
    static constexpr quint64 kFaktor = 0x100000001b3ull;
};

// One value line of the file: where its bytes lie.
struct Wertzeile {
    qsizetype anfang;   // first byte of the line, where its name begins
    qsizetype gleich;   // the '=' after the name
    qsizetype textEnde; // before the line end (LF or CR LF)
};

// A key: the bytes below its key line up to the next key line. Its value
// lines are looked at only once a value of the key is asked for, so a huge
// key no one asks about costs no more than finding its end.
struct Abschnitt {
    Abschnitt(qsizetype anfang, qsizetype grenze) : anfang(anfang), grenze(grenze) {}
    qsizetype anfang; // after its key line
    qsizetype grenze; // where the next line that starts with '[' begins, or the end
    bool gelesen = false;
    qsizetype ende = 0;            // after its last value line, or its key line
    std::vector<Wertzeile> zeilen; // in file order
    std::vector<quint64> hashes;   // of each line's name
    // Open addressing over the name hashes: line index + 1, or 0 for free.
    std::vector<uint32_t> tabelle;

    void eintragen(size_t zeile) {
        const size_t maske = tabelle.size() - 1;
        size_t pos = static_cast<size_t>(hashes[zeile]) & maske;
        while (tabelle[pos] != 0)
            pos = (pos + 1) & maske;
        tabelle[pos] = static_cast<uint32_t>(zeile + 1);
    }
    // Room for n lines at most half full; every line entered anew.
    void tabelleFuer(size_t n) {
        size_t groesse = 16;
        while (groesse < 2 * n)
            groesse *= 2;
        if (groesse <= tabelle.size())
            return;
        tabelle.assign(groesse, 0);
        for (size_t i = 0; i < zeilen.size(); ++i)
            eintragen(i);
    }
};

// The file as it was read: its bytes, kept whole, and an index of its keys
// and values. Only the line of a value that is written is ever built anew;
// every other byte goes back to disk as it came, and the index is moved
// along rather than built again.
struct Datei {
    QString pfad;
    Stand stand;
    QByteArray bytes;
    std::vector<Abschnitt> abschnitte;
    QHash<QString, size_t> abschnittIndex; // case-folded path; the first counts
    QByteArray zeilenende = "\n";
    // False when something stands at the path that could not be read as a
    // file: it must not be replaced by the few values written now.
    bool beschreibbar = true;

    void lesen() {
        bytes.clear();
        abschnitte.clear();
        abschnittIndex.clear();
        zeilenende = "\n";
        stand = Stand::von(pfad);
        beschreibbar = !stand.fremd;
        if (!stand.vorhanden)
            return;
        // A file we may not read is not replaced by the few values written
        // now either.
        QFile f(pfad);
        if (!lesbareDatei(pfad) || !f.open(QIODevice::ReadOnly)) {
            beschreibbar = false;
            return;
        }
        bytes = f.readAll();
        beschreibbar = f.error() == QFileDevice::NoError;
        // Another program could have written between the look and the read.
        stand = Stand::von(pfad);
        zerlegen();
    }

    // The end of the line that begins at anfang, after its LF.
    qsizetype zeilenEnde(qsizetype anfang) const {
        const char* d = bytes.constData();
        const auto* lf =
            static_cast<const char*>(memchr(d + anfang, '\n', size_t(bytes.size() - anfang)));
        return lf ? lf - d + 1 : bytes.size();
    }
    // Where the text of a line ends, before LF or CR LF (both end a line).
    qsizetype textEnde(qsizetype anfang, qsizetype ende) const {
        qsizetype t = ende;
        if (t > anfang && bytes.at(t - 1) == '\n')
            --t;
        if (t > anfang && bytes.at(t - 1) == '\r')
            --t;
        return t;
    }

    // Finds the key lines only.
    void zerlegen() {
        const char* d = bytes.constData();
        const qsizetype n = bytes.size();
        Abschnitt* offen = nullptr;
        for (qsizetype anfang = 0; anfang < n;) {
            const qsizetype ende = zeilenEnde(anfang);
            if (anfang == 0 && d[ende - 1] == '\n')
                zeilenende = bytes.mid(textEnde(0, ende), ende - textEnde(0, ende));
            if (d[anfang] != '[') {
                anfang = ende;
                continue;
            }
            if (offen)
                offen->grenze = anfang;
            offen = nullptr;
            const qsizetype t = textEnde(anfang, ende);
            const char* zu = bisZu(d + anfang + 1, d + t, ']');
            // After a broken key line nothing belongs to the key before; a
            // key that occurs twice is read from its first place.
            if (zu < d + t) {
                const QString schluessel = demaskieren(d + anfang + 1, zu).toCaseFolded();
                if (!abschnittIndex.contains(schluessel)) {
                    abschnittIndex.insert(schluessel, abschnitte.size());
                    abschnitte.emplace_back(ende, n);
                    offen = &abschnitte.back();
                }
            }
            anfang = ende;
        }
    }

    void wertAufnehmen(Abschnitt& a, const Wertzeile& z) {
        const char* d = bytes.constData();
        a.hashes.push_back(NamensHash::von(d + z.anfang, d + z.gleich));
        a.zeilen.push_back(z);
        if (!a.tabelle.empty()) {
            a.tabelleFuer(a.zeilen.size());
            a.eintragen(a.zeilen.size() - 1);
        }
    }

    // Indexes the value lines of a key on first use.
    Abschnitt& gelesen(size_t i) {
        Abschnitt& a = abschnitte[i];
        if (a.gelesen)
            return a;
        a.gelesen = true;
        a.ende = a.anfang;
        const char* d = bytes.constData();
        const auto zeilen = static_cast<size_t>(std::count(d + a.anfang, d + a.grenze, '\n')) + 1;
        a.zeilen.reserve(zeilen);
        a.hashes.reserve(zeilen);
        for (qsizetype anfang = a.anfang; anfang < a.grenze;) {
            const qsizetype ende = zeilenEnde(anfang);
            const qsizetype t = textEnde(anfang, ende);
            if (t > anfang && d[anfang] != ';') {
                const char* gleich = bisZu(d + anfang, d + t, '=');
                if (gleich < d + t) {
                    wertAufnehmen(a, {anfang, gleich - d, t});
                    a.ende = ende;
                }
            }
            anfang = ende;
        }
        a.tabelleFuer(a.zeilen.size());
        return a;
    }

    // Brings the copy up to the file on disk.
    void auffrischen(const QString& datei) {
        if (datei != pfad) {
            pfad = datei;
            lesen();
        } else if (!(Stand::von(pfad) == stand)) {
            lesen();
        }
    }

    // The key's place, or -1.
    qsizetype abschnitt(const QString& schluessel) const {
        const auto it = abschnittIndex.constFind(schluessel.toCaseFolded());
        return it == abschnittIndex.constEnd() ? -1 : static_cast<qsizetype>(*it);
    }

    // The first line of the key that holds the value, or nullptr.
    Wertzeile* finden(qsizetype i, const QString& name) {
        if (i < 0)
            return nullptr;
        Abschnitt& a = gelesen(static_cast<size_t>(i));
        const QString gefaltet = name.toCaseFolded();
        const quint64 h = NamensHash::von(gefaltet);
        const char* d = bytes.constData();
        // Of two lines of one name the first in the file counts.
        Wertzeile* erste = nullptr;
        const size_t maske = a.tabelle.size() - 1;
        for (size_t pos = static_cast<size_t>(h) & maske; a.tabelle[pos] != 0;
             pos = (pos + 1) & maske) {
            const size_t i = a.tabelle[pos] - 1;
            Wertzeile& z = a.zeilen[i];
            if (a.hashes[i] == h && (!erste || z.anfang < erste->anfang) &&
                demaskieren(d + z.anfang, d + z.gleich).toCaseFolded() == gefaltet)
                erste = &z;
        }
        return erste;
    }

    QString text(const Wertzeile& z) const {
        const char* d = bytes.constData();
        return demaskieren(d + z.gleich + 1, d + z.textEnde);
    }

    // Moves every position behind ab by the bytes put in or taken out there.
    // A value that changed moves what stands at ab too (the end of a key
    // whose last line has no line end); bytes put in at ab belong to the key
    // that grows there, and to no other.
    void verschieben(qsizetype ab, qsizetype um, bool geaendert, const Abschnitt* waechst) {
        const auto hinter = [&](qsizetype p) { return p > ab || (geaendert && p == ab); };
        for (auto& a : abschnitte) {
            if (hinter(a.anfang))
                a.anfang += um;
            if (hinter(a.grenze) || (&a == waechst && a.grenze == ab))
                a.grenze += um;
            if (hinter(a.ende))
                a.ende += um;
            for (auto& z : a.zeilen)
                if (z.anfang >= ab) {
                    z.anfang += um;
                    z.gleich += um;
                    z.textEnde += um;
                }
        }
    }
};

Datei& datei() {
    static Datei d;
    return d;
}

// Writes the new bytes in place of the old ones; false when the file could
// not be replaced, which leaves it and its copy as they were.
bool ersetzen(Datei& d, const QByteArray& neu) {
    if (dateiErsetzen(d.pfad, neu) != 0)
        return false;
    d.bytes = neu;
    d.stand = Stand::von(d.pfad);
    return true;
}

} // namespace

QString registryDatei() {
    const QString env = qEnvironmentVariable("SORVO_REGISTRY");
    if (!env.isEmpty())
        return env;
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Kelmarhof/registry.txt");
}

void RegStringSchreiben(RegWurzel hKey, const QString& Schluessel, const QString& Wertname,
                        const QString& Wert) {
    const QString pfad = registryDatei();
    QDir().mkpath(QFileInfo(pfad).absolutePath());
    QLockFile sperre(pfad + QStringLiteral(".lock"));
    sperre.setStaleLockTime(10000);
    if (!sperre.tryLock(5000))
        return;
    Datei& d = datei();
    d.auffrischen(pfad);
    if (!d.beschreibbar)
        return;

    const QString schluessel = vollerPfad(hKey, Schluessel);
    const QByteArray text = maskieren(durchCp1252(Wert)).toUtf8();
    const qsizetype ai = d.abschnitt(schluessel);
    if (Wertzeile* z = d.finden(ai, Wertname)) {
        // The line keeps its name as spelled there and its own line end.
        const qsizetype wert = z->gleich + 1;
        const qsizetype altesEnde = z->textEnde;
        if (QByteArrayView(d.bytes).sliced(wert, altesEnde - wert) == text)
            return;
        QByteArray neu;
        neu.reserve(d.bytes.size() + text.size());
        neu.append(d.bytes.constData(), wert);
        neu.append(text);
        neu.append(d.bytes.constData() + altesEnde, d.bytes.size() - altesEnde);
        if (!ersetzen(d, neu))
            return;
        const qsizetype um = text.size() - (altesEnde - wert);
        d.verschieben(altesEnde, um, true, nullptr);
        z->textEnde = altesEnde + um;
        return;
    }

    // A new line below the key's last value, or a new key at the end.
    Abschnitt* a = ai >= 0 ? &d.abschnitte[static_cast<size_t>(ai)] : nullptr;
    const qsizetype an = a ? a->ende : d.bytes.size();
    QByteArray einfuegen;
    if (d.bytes.isEmpty())
        einfuegen = "; Sorvo settings. Values are text; '\\' escapes." + d.zeilenende;
    else if (an > 0 && d.bytes.at(an - 1) != '\n')
        einfuegen = d.zeilenende; // the line before had no line end
    const qsizetype kopf = einfuegen.size();
    if (!a)
        einfuegen += '[' + maskieren(schluessel).toUtf8() + ']' + d.zeilenende;
    const qsizetype zeile = an + einfuegen.size();
    const QByteArray name = maskieren(Wertname).toUtf8();
    einfuegen += name + '=' + text + d.zeilenende;
    QByteArray neu = d.bytes;
    neu.insert(an, einfuegen);
    if (!ersetzen(d, neu))
        return;
    if (a) {
        d.verschieben(an, einfuegen.size(), false, a);
    } else {
        // The key before ends after the line end it was given.
        d.verschieben(an, kopf, false, nullptr);
        for (auto& x : d.abschnitte) {
            if (x.grenze == an)
                x.grenze += kopf;
            if (x.ende == an)
                x.ende += kopf;
        }
        d.abschnittIndex.insert(schluessel.toCaseFolded(), d.abschnitte.size());
        d.abschnitte.emplace_back(zeile, an + einfuegen.size());
        a = &d.abschnitte.back();
        a->gelesen = true;
        a->tabelleFuer(1);
    }
    a->ende = an + einfuegen.size();
    d.wertAufnehmen(*a, {zeile, zeile + name.size(), a->ende - d.zeilenende.size()});
}

std::optional<QString> RegStringLesen(RegWurzel hKey, const QString& Schluessel,
                                      const QString& Wertname) {
    Datei& d = datei();
    d.auffrischen(registryDatei());
    const Wertzeile* gefunden = d.finden(d.abschnitt(vollerPfad(hKey, Schluessel)), Wertname);
    if (!gefunden)
        return std::nullopt;
    const Wertzeile& z = *gefunden;
    // At least one character per four bytes: a value this long cannot fit
    // the reader's buffer, whatever it holds, and is not decoded at all.
    if (z.textEnde - z.gleich > 4 * 255)
        return std::nullopt;
    const QString text = d.text(z);
    // The reader's buffer holds 255 bytes including the terminating NUL.
    if (zuCp1252(text).size() >= 255)
        return std::nullopt;
    // A text is read up to its first NUL.
    const qsizetype nul = text.indexOf(QChar(0));
    return nul < 0 ? text : text.left(nul);
}

QString RegStringLesenStandard(RegWurzel hKey, const QString& Schluessel, const QString& Wertname,
                               const QString& Standard) {
    const QString s = RegStringLesen(hKey, Schluessel, Wertname).value_or(QString());
    return (s.isEmpty() || s == QStringLiteral(" ")) ? Standard : s;
}

} // namespace sorvo

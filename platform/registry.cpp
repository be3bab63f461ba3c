#include "platform/registry.h"

#include "platform/cp1252.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QStandardPaths>
#include <vector>

namespace sorvo {
namespace {

struct Wert {
    QString name;
    QString text;
};
struct Schluessel {
    QString pfad; // "HKEY_LOCAL_MACHINE\Software\..."
    std::vector<Wert> werte;
};

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

// Reads an escaped text up to an unescaped stop character; pos ends on it.
QString demaskieren(const QString& s, qsizetype& pos, QChar stop) {
    QString out;
    while (pos < s.size()) {
        const QChar c = s[pos];
        if (c == stop)
            return out;
        if (c == QLatin1Char('\\') && pos + 1 < s.size()) {
            const QChar n = s[++pos];
            out += n == QLatin1Char('n') ? QChar('\n') : n == QLatin1Char('r') ? QChar('\r') : n;
        } else {
            out += c;
        }
        ++pos;
    }
    return out;
}

std::vector<Schluessel> laden(const QString& datei) {
    std::vector<Schluessel> keys;
    QFile f(datei);
    if (!f.open(QIODevice::ReadOnly))
        return keys;
    const QString inhalt = QString::fromUtf8(f.readAll());
    for (const QString& zeile : inhalt.split(QLatin1Char('\n'))) {
        if (zeile.startsWith(QLatin1Char('['))) {
            qsizetype pos = 1;
            const QString pfad = demaskieren(zeile, pos, QLatin1Char(']'));
            if (pos < zeile.size())
                keys.push_back({pfad, {}});
        } else if (!keys.empty() && !zeile.isEmpty() && !zeile.startsWith(QLatin1Char(';'))) {
            qsizetype pos = 0;
            const QString name = demaskieren(zeile, pos, QLatin1Char('='));
            if (pos >= zeile.size())
                continue; // not a value line; left out rather than guessed
            ++pos;
            const QString text = demaskieren(zeile, pos, QChar(0));
            keys.back().werte.push_back({name, text});
        }
    }
    return keys;
}

bool speichern(const QString& datei, const std::vector<Schluessel>& keys) {
    QString out = QStringLiteral("; Sorvo settings. Values are text; '\\' escapes.\n");
    for (const auto& k : keys) {
        out += QLatin1Char('[') + maskieren(k.pfad) + QStringLiteral("]\n");
        for (const auto& w : k.werte)
            out += maskieren(w.name) + QLatin1Char('=') + maskieren(w.text) + QLatin1Char('\n');
    }
    QSaveFile f(datei);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    f.write(out.toUtf8());
    return f.commit();
}

Schluessel* finden(std::vector<Schluessel>& keys, const QString& pfad) {
    for (auto& k : keys)
        if (k.pfad.compare(pfad, Qt::CaseInsensitive) == 0)
            return &k;
    return nullptr;
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
    const QString datei = registryDatei();
    QDir().mkpath(QFileInfo(datei).absolutePath());
    QLockFile sperre(datei + QStringLiteral(".lock"));
    sperre.setStaleLockTime(10000);
    if (!sperre.tryLock(5000))
        return;
    auto keys = laden(datei);
    const QString pfad = vollerPfad(hKey, Schluessel);
    auto* k = finden(keys, pfad);
    if (!k) {
        keys.push_back({pfad, {}});
        k = &keys.back();
    }
    const QString text = durchCp1252(Wert);
    bool gefunden = false;
    for (auto& w : k->werte) {
        if (w.name.compare(Wertname, Qt::CaseInsensitive) == 0) {
            w.text = text;
            gefunden = true;
            break;
        }
    }
    if (!gefunden)
        k->werte.push_back({Wertname, text});
    speichern(datei, keys);
}

std::optional<QString> RegStringLesen(RegWurzel hKey, const QString& Schluessel,
                                      const QString& Wertname) {
    auto keys = laden(registryDatei());
    const auto* k = finden(keys, vollerPfad(hKey, Schluessel));
    if (!k)
        return std::nullopt;
    for (const auto& w : k->werte) {
        if (w.name.compare(Wertname, Qt::CaseInsensitive) != 0)
            continue;
        // The reader's buffer holds 255 bytes including the terminating NUL.
        if (zuCp1252(w.text).size() >= 255)
            return std::nullopt;
        // A text is read up to its first NUL.
        const qsizetype nul = w.text.indexOf(QChar(0));
        return nul < 0 ? w.text : w.text.left(nul);
    }
    return std::nullopt;
}

QString RegStringLesenStandard(RegWurzel hKey, const QString& Schluessel, const QString& Wertname,
                               const QString& Standard) {
    const QString s = RegStringLesen(hKey, Schluessel, Wertname).value_or(QString());
    return (s.isEmpty() || s == QStringLiteral(" ")) ? Standard : s;
}

} // namespace sorvo

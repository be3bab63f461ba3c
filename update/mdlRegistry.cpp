#include "update/mdlRegistry.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QFile>
#include <QStandardPaths>

namespace sorvo::update {
namespace {

// The key as the file names it: root, '\', the path without the
// backslashes at its ends.
QString voll(RegWurzel hKey, const QString& schluessel) {
    QString pfad = schluessel;
    while (pfad.startsWith(QLatin1Char('\\')))
        pfad.remove(0, 1);
    while (pfad.endsWith(QLatin1Char('\\')))
        pfad.chop(1);
    const QString wurzel = hKey == HKEY_LOCAL_MACHINE  ? QStringLiteral("HKEY_LOCAL_MACHINE")
                           : hKey == HKEY_CURRENT_USER ? QStringLiteral("HKEY_CURRENT_USER")
                                                       : QString();
    return pfad.isEmpty() ? wurzel : wurzel + QLatin1Char('\\') + pfad;
}

// Where the first c that no '\' escapes stands in zeile, or -1.
qsizetype unmaskiert(QByteArrayView zeile, char c) {
    for (qsizetype i = 0; i < zeile.size(); ++i) {
        if (zeile[i] == '\\')
            ++i;
        else if (zeile[i] == c)
            return i;
    }
    return -1;
}

// The escapes are undone on the bytes, then the bytes are read as UTF-8.
QString klartext(QByteArrayView roh) {
    QByteArray bytes;
    bytes.reserve(roh.size());
    for (qsizetype i = 0; i < roh.size(); ++i) {
        char c = roh[i];
        if (c == '\\' && i + 1 < roh.size()) {
            c = roh[++i];
            c = c == 'n' ? '\n' : c == 'r' ? '\r' : c;
        }
        bytes += c;
    }
    return QString::fromUtf8(bytes);
}

} // namespace

QString registryDatei() {
    const QString gesetzt = qEnvironmentVariable("SORVO_REGISTRY");
    return !gesetzt.isEmpty()
               ? gesetzt
               : QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                     QStringLiteral("/Kelmarhof/registry.txt");
}

QString RegWertLesen(RegWurzel hKey, const QString& Schluessel, const QString& Wertname) {
    QFile datei(registryDatei());
    if (!datei.open(QIODevice::ReadOnly))
        return QString();
    const QByteArray inhalt = datei.readAll();
    const QString gesucht = voll(hKey, Schluessel).toCaseFolded();
    const QString name = Wertname.toCaseFolded();
    bool drin = false;
    for (const QByteArray& z : inhalt.split('\n')) {
        QByteArrayView zeile(z);
        if (zeile.endsWith('\r'))
            zeile.chop(1);
        if (zeile.startsWith('[')) {
            // The key's first place ends here; a later one does not count.
            if (drin)
                return QString();
            const qsizetype zu = unmaskiert(zeile.sliced(1), ']');
            drin = zu >= 0 && klartext(zeile.sliced(1, zu)).toCaseFolded() == gesucht;
            continue;
        }
        if (!drin || zeile.startsWith(';'))
            continue;
        const qsizetype gleich = unmaskiert(zeile, '=');
        if (gleich >= 0 && klartext(zeile.first(gleich)).toCaseFolded() == name) {
            const QString text = klartext(zeile.sliced(gleich + 1));
            return text.left(text.indexOf(QChar(0)));
        }
    }
    return QString();
}

} // namespace sorvo::update

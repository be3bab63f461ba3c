#include "tools/feldliste.h"

#include "platform/cp1252.h"
#include "platform/dialogs.h"
#include "platform/ersetzen.h"
#include "platform/system.h"

#include <QFile>

namespace sorvo {

namespace {

QByteArray zeile(const QString& eintrag) {
    return zuCp1252(eintrag) + "\r\n";
}

// Something other than a file stands at the path: it is neither read nor
// replaced.
bool keineDatei(const QString& pfad) {
    const DateiZustand z = dateiZustand(pfad);
    return z != DateiZustand::Lesbar && z != DateiZustand::Fehlt;
}

} // namespace

std::optional<QStringList> feldListeLesen(const QString& pfad) {
    const DateiZustand z = dateiZustand(pfad);
    if (z == DateiZustand::Fehlt)
        return QStringList();
    QFile f(pfad);
    if (z != DateiZustand::Lesbar || !f.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray alles = f.readAll();
    if (f.error() != QFileDevice::NoError)
        return std::nullopt;
    // CR LF ends a line; a lone CR or LF, as an editor may leave it, too.
    QStringList eintraege;
    qsizetype anfang = 0;
    for (qsizetype i = 0; i < alles.size(); ++i) {
        const char c = alles[i];
        if (c != '\r' && c != '\n')
            continue;
        eintraege << ausCp1252(alles.mid(anfang, i - anfang));
        if (c == '\r' && i + 1 < alles.size() && alles[i + 1] == '\n')
            ++i;
        anfang = i + 1;
    }
    if (anfang < alles.size())
        eintraege << ausCp1252(alles.mid(anfang));
    return eintraege;
}

bool feldListeAnhaengen(const QString& pfad, const QString& eintrag) {
    if (keineDatei(pfad))
        return false;
    QFile f(pfad);
    // Unbuffered: a write that does not fit fails at once and leaves no
    // bytes behind for a later flush to add after the file is cut back.
    if (!f.open(QIODevice::ReadWrite | QIODevice::Unbuffered))
        return false;
    QByteArray neu;
    // A last line without its line end would otherwise run into the new one.
    if (const qint64 groesse = f.size(); groesse > 0) {
        if (!f.seek(groesse - 1))
            return false;
        const QByteArray letztes = f.read(1);
        if (letztes != "\n" && letztes != "\r")
            neu = "\r\n";
    }
    neu += zeile(eintrag);
    const qint64 vorher = f.size();
    if (!f.seek(vorher) || f.write(neu) != neu.size() || !f.flush()) {
        f.resize(vorher);
        return false;
    }
    return true;
}

bool feldListeSchreiben(const QString& pfad, const QStringList& eintraege) {
    if (keineDatei(pfad))
        return false;
    QByteArray inhalt;
    for (const QString& e : eintraege)
        inhalt += zeile(e);
    // A failure leaves the old list whole, also in a program folder that
    // takes no new file, where the list is written in place.
    return dateiErsetzen(pfad, inhalt, Ersetzen::AuchAnOrt) == 0;
}

void feldListeNichtLesbar(const QString& pfad) {
    dialoge().meldung(QStringLiteral("Die Standard-Texte konnten nicht gelesen werden:\r") + pfad,
                      Msg::OK + Msg::Exclamation, QStringLiteral("Datei nicht lesbar!"));
}

void feldListeNichtSchreibbar(const QString& pfad) {
    dialoge().meldung(QStringLiteral("Die Standard-Texte konnten nicht gespeichert werden:\r") +
                          pfad + QStringLiteral("\rDie Datei bleibt unverändert."),
                      Msg::OK + Msg::Exclamation, QStringLiteral("Datei nicht beschreibbar!"));
}

} // namespace sorvo

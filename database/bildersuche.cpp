#include "database/bildersuche.h"

#include "database/frmDbAuswaehlen.h"
#include "database/frmDbSaetzeWaehlen.h"
#include "label/nachbarn.h"
#include "label/programm.h"
#include "platform/jet/datacontrol.h"
#include "platform/ordner.h"

namespace sorvo {

namespace {

// The picture table and sub-folder of each category, in kind order.
constexpr const char* kTabellen[] = {"Topfpfl_Bilder", "Stauden_Bilder", "Gehoelze_Bilder",
                                     "Apfel_Bilder",   "Obst_Bilder",    "Friedhof_Bilder"};
constexpr const char* kOrdner[] = {"topfpflanzen", "stauden", "gehoelze", "apfel", "obst", ""};

const QString kMarkeOrdner = QStringLiteral("topfpflanzen");

// The cemetery records come from the perennials ("DB" = "100") or from the
// woody plants, whose pictures lie in their own sub-folders.
QString unterordner(frmDbSaetzeWaehlen& saetze, int kat) {
    if (kat != 5)
        return QString::fromLatin1(kOrdner[kat]);
    QString db;
    try {
        db = saetze.FeldWertLesen(QStringLiteral("DB")).toString();
    } catch (const jet::JetError&) {
        // No such column or no current record: taken as a woody plant.
    }
    return db == QStringLiteral("100") ? QStringLiteral("stauden") : QStringLiteral("gehoelze");
}

// A name from the database may only name a file inside the sub-folder.
bool sichererName(const QString& name) {
    return !name.isEmpty() && !name.contains(QLatin1Char('/')) &&
           !name.contains(QLatin1Char('\\')) && !name.contains(QStringLiteral(".."));
}

jet::Value spalte(const jet::Recordset& rs, const QString& name) {
    const int i = rs.fieldIndex(name);
    return i < 0 ? jet::Value() : rs.value(i);
}

} // namespace

bool bilderOrdnerMarke(const QString& ordner) {
    // Both lookups are made, as the folder dialogs show either as found.
    const bool datei =
        !dateiFinden(ordner, kMarkeOrdner + QStringLiteral("/0054005.jpg")).isEmpty();
    const bool muster =
        !dateiFinden(ordner, kMarkeOrdner + QStringLiteral("/abu*"), true).isEmpty();
    return datei || muster;
}

bool BilderOrdnerPruefen() {
    return bilderOrdnerMarke(P().strBotrelBilderVerz);
}

std::vector<GefundenesBild> pflanzenBilder(frmDbSaetzeWaehlen& saetze, const QString& art,
                                           bool fehlerMelden) {
    std::vector<GefundenesBild> gefunden;
    const int kat = static_cast<int>(kategorieArten().indexOf(art));
    if (kat < 0 || saetze.strBilderUebergabe.isEmpty())
        return gefunden;
    const std::optional<qint64> nummer = jet::textAlsGanzzahl(saetze.strBilderUebergabe);
    const std::shared_ptr<jet::Database> db = saetze.Data1->database();
    if (!nummer || !db)
        return gefunden;
    const qint64 artnr = *nummer;
    const QString tabelle = QString::fromLatin1(kTabellen[kat]);
    try {
        const auto rs =
            db->openRecordset(QStringLiteral("SELECT * FROM %1 WHERE ARTNR = [Artikelnummer]")
                                  .arg(jet::sqlName(tabelle)),
                              {{QStringLiteral("Artikelnummer"), jet::Value::integer(artnr)}});
        while (!rs->eof() && spalte(*rs, QStringLiteral("ARTNR")).toInt64() != artnr)
            rs->moveNext();
        if (rs->eof())
            return gefunden;
        const QString ordner = unterordner(saetze, kat);
        for (const char* reihe : {"-G", "-D"}) {
            const bool g = reihe[1] == 'G';
            for (int k = 1; k <= 5; ++k) {
                const QString nr = QString::number(k) + QLatin1String(reihe);
                const jet::Value name = spalte(*rs, QStringLiteral("BILD") + nr);
                if (name.isNull()) {
                    if (g)
                        break; // the first gap ends this series
                    continue;
                }
                if (!sichererName(name.toString()))
                    continue;
                const QString pfad = dateiFinden(P().strBotrelBilderVerz,
                                                 ordner + QLatin1Char('/') + name.toString() +
                                                     QStringLiteral(".jpg"));
                if (pfad.isEmpty())
                    continue;
                const jet::Value text = spalte(*rs, QStringLiteral("BEMERKUNG") + nr);
                gefunden.push_back({pfad, text.isNull() ? QString() : text.toString()});
            }
        }
    } catch (const jet::JetError& e) {
        if (!fehlerMelden)
            throw;
        LaufzeitfehlerMelden(e);
        gefunden.clear();
    }
    return gefunden;
}

int32_t ArtikelBilderZaehlen(frmDbSaetzeWaehlen& saetze) {
    const QString art = SchildDb(P().lngAktivesSchild).BotrelDateiArt;
    const auto bilder = pflanzenBilder(saetze, art, false);
    if (bilder.size() == 1)
        saetze.strBotrelBild = bilder.front().pfad;
    return static_cast<int32_t>(bilder.size());
}

} // namespace sorvo

#include "catalogue/katalog_intern.h"
#include "catalogue/mdlDruck.h"
#include "label/programm.h"
#include "platform/jet/datacontrol.h"

namespace sorvo {

void BenutzerNamenLaden(const QString& dbPfad) {
    // Emptied first: a database with fewer names must not show the names of
    // the database read before it.
    auto& namen = P().strBenuNamen;
    for (auto& reihe : namen)
        reihe.fill(QString());

    const auto db = jet::DataControl::sharedDatabase(dbPfad, false);
    std::shared_ptr<jet::Recordset> rs;
    try {
        rs = db->openRecordset(QStringLiteral("Namen_Benutzer_Optionen"));
    } catch (const jet::JetError& e) {
        if (e.number() == jet::fehler::ObjektNichtGefunden)
            return; // a database without own property names
        throw;
    }
    // One column per category, in the order of Kategorie.
    static const char* const spalten[] = {"Topfpflanzen", "Stauden", "Gehoelze",
                                          "Apfel",        "Obst",    "Friedhof"};
    int felder[6];
    for (int k = 0; k < 6; ++k)
        felder[k] = rs->field(QString::fromLatin1(spalten[k])).index();
    for (size_t zeile = 0; zeile < 5 && !rs->eof(); ++zeile, rs->moveNext())
        for (size_t k = 0; k < 6; ++k)
            namen[k][zeile] = Textform(rs->value(felder[k]));
}

} // namespace sorvo

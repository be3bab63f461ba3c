#pragma once
// The databases the database tests and benchmarks bind, written with the
// engine's Jet 4 test writer: plant databases laid out as the program reads
// them (one per category, and the sibling product's file with all of them),
// and an own database with tables whose names need quoting.
#include <QString>
#include <QStringList>
#include <vector>

namespace sorvo::test {

// One plant record of the main table.
struct Pflanze {
    long artnr = 0; // 0: Null
    const char* botName = nullptr;
    const char* dtName = nullptr;
};

// The plants of every category table: upper and lower case, umlauts, a Null
// botanical name, and a record without article number.
const std::vector<Pflanze>& pflanzen();

// The main table's or query's name of a kind ("vxt" .. "vxf").
QString haupttabelle(const QString& art);
// The field names of a kind's main record set in their order: as many as
// the category's column list has entries; ARTNR first, the botanical name
// second and the German name third ("vxg": "BKS", then the two names),
// field 21 "DB" for "vxf".
QStringList feldnamen(const QString& art);

// Writes a plant database holding the tables of the given kinds (with the
// shared ones: Familien, Namen_Benutzer_Optionen) as dir/name and returns
// its path. extraZeilen more generated plants are appended to every main
// table (for the benchmarks).
QString pflanzenDatenbankSchreiben(const QString& dir, const QString& name,
                                   const QStringList& arten, int extraZeilen = 0);

// An own database as dir/eigene.mdb: "Meine Pflanzen" (Nr, Name, Ort),
// "Einzeln" (one field "Nummer") and "Preis-Liste" ("Art-Nr", "Preis").
QString eigeneDatenbankSchreiben(const QString& dir);

} // namespace sorvo::test

#pragma once
// The databases the database tests and benchmarks bind, written with the
// engine's Jet 4 test writer: plant databases laid out as the program reads
// them (one per category, and the sibling product's file with all of them),
// and an own database with tables whose names need quoting.
#include "tests/platform/jet/support/jet4_writer.h"

#include <QString>
#include <QStringList>
#include <array>
#include <utility>
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
// field 21 "DB" for "vxf", and the columns of the pseudo data fields where
// the category's column list has them: heights (numbers), lighting,
// temperature, diameter, BENU_EIGEN. The cemetery query delivers the plant
// heights of both of its tables, as "Friedhof.MINHOEHE" and so on and,
// after its own fields, "Stauden.MINHOEHE" and "Stauden.MAXHOEHE".
QStringList feldnamen(const QString& art);

// One row of a category's picture table: the file names (without ".jpg")
// of the "-G" and "-D" series and their captions; nullptr is Null.
struct BilderZeile {
    long artnr = 0;
    std::array<const char*, 5> g{};
    std::array<const char*, 5> bemerkungG{};
    std::array<const char*, 5> d{};
    std::array<const char*, 5> bemerkungD{};
};

// Writes a plant database holding the tables of the given kinds (with the
// shared ones: Familien, Namen_Benutzer_Optionen) as dir/name and returns
// its path. extraZeilen more generated plants are appended to every main
// table (for the benchmarks), with article numbers from 100000 up. With
// bilder, every picture table of the kinds has all twenty picture and
// caption columns and these rows; without, it has ARTNR and "BILD1-G" and
// one row: 1001, "0054005".
QString pflanzenDatenbankSchreiben(const QString& dir, const QString& name,
                                   const QStringList& arten, int extraZeilen = 0,
                                   const std::vector<BilderZeile>* bilder = nullptr);

// A record of a test database of one kind: its article number and the
// values of named fields ("Stauden.MINHOEHE" for the cemetery's perennial
// heights). Every other text field holds "<field>-<row>", every other
// number field Null.
struct Satz {
    jet::testing::Cell artnr;
    std::vector<std::pair<QString, jet::testing::Cell>> werte;
};
// The side tables of such a database: synonym tables by name, each with
// rows (ARTNR, SYN) (the kind's own synonym tables are written empty when
// not given), and the rows of Namen_Benutzer_Optionen (one text
// column per category).
struct Nebentabellen {
    std::vector<std::pair<QString, std::vector<jet::testing::Row>>> synonyme;
    std::vector<jet::testing::Row> benutzerNamen;
};
// Writes dir/name holding the main table of kind art with these records and
// the side tables; returns its path.
QString satzDatenbankSchreiben(const QString& dir, const QString& name, const QString& art,
                               const std::vector<Satz>& saetze, const Nebentabellen& neben);

// An own database as dir/eigene.mdb: "Meine Pflanzen" (Nr, Name, Ort),
// "Einzeln" (one field "Nummer") and "Preis-Liste" ("Art-Nr", "Preis").
QString eigeneDatenbankSchreiben(const QString& dir);

} // namespace sorvo::test

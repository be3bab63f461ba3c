#pragma once
// The field catalogue: the data-field vocabulary of the six plant
// categories, the long descriptions of fields and the names of the
// user-defined properties.
//
// Every category has three lists, positions counted from 0: the display
// names shown in lists, the short names a data field shows between angle
// brackets (same positions), and the column list whose entry k is the short
// name of the data field fed by column k of the category's record query
// ("" where no field shows the column).
#include <QString>
#include <QStringList>
#include <optional>

namespace sorvo {

namespace jet {
class Database;
class Recordset;
class Value;
} // namespace jet

enum class Kategorie { Topfpflanzen, Stauden, Gehoelze, Apfel, Obst, Friedhof };

// "vxt","vxs","vxg","vxa","vxo","vxf" -> category; anything else -> nullopt
std::optional<Kategorie> kategorieAusArt(const QString& art);

// Builds the lists and code tables once; later calls do nothing.
void TabellenInitialisieren();

// The three lists of a category (positions from 0), built by
// TabellenInitialisieren (they build themselves on first use too).
const QStringList& varDfAnzeigeNamen(Kategorie k);
const QStringList& varDfKurzNamen(Kategorie k);
const QStringList& varDfSpaltenNamen(Kategorie k);

// The description of the data field with this short name (without angle
// brackets) for a window of database kind art: the name itself where the
// kind has no longer text or does not know the name; "" for a kind that is
// no plant category ("mdb", "eig", "", "VXT").
QString FeldBeschreibung(const QString& feldname, const QString& art);

// Loads P().strBenuNamen (label/programm.h) from table
// Namen_Benutzer_Optionen of the given database file.
//
// The six name rows are emptied first; row k of the table gives the names of
// property k + 1 (Null as ""), rows after the fifth are ignored, and a
// database without that table, or with the table empty, leaves every name
// empty. Throws jet::JetError when the file cannot be read or the table lacks
// one of the six category columns.
void BenutzerNamenLaden(const QString& dbPfad);

// --- Value translation ------------------------------------------------------
//
// A routine per category turns one column value of a plant record into the
// German text a label prints: flag rows into lists, months into spans, Yes/No
// into sentences, codes into texts, families and synonyms by lookup. The
// value's text form (text unchanged, numbers with a decimal comma, Yes/No as
// "Wahr"/"Falsch") is what every code is compared with, exactly and with
// case. A column without a rule gives that text form. The routines never
// throw: a code outside its table gives "", a non-number where a number is
// needed gives the text form ("" for GENUSS and WURZELEMPF), a failed
// lookup finds nothing.

// What a translation may look up besides the value.
struct UebersetzungsKontext {
    // The label window's plant database: table Familien and the synonym
    // tables. nullptr: lookups find nothing.
    jet::Database* datenbank = nullptr;
    // The record being transferred, on its current row: its field "ARTNR"
    // and, for cemetery plants, field 21 (column DB: "100" perennial, "010"
    // woody plant). nullptr: no record.
    const jet::Recordset* datensatz = nullptr;
};

QString UebersetzungTopfpflanzen(const jet::Value& wert, const QString& feldname,
                                 const UebersetzungsKontext& kontext = {});
QString UebersetzungStauden(const jet::Value& wert, const QString& feldname,
                            const UebersetzungsKontext& kontext = {});
QString UebersetzungGehoelze(const jet::Value& wert, const QString& feldname,
                             const UebersetzungsKontext& kontext = {});
QString UebersetzungApfel(const jet::Value& wert, const QString& feldname,
                          const UebersetzungsKontext& kontext = {});
QString UebersetzungObst(const jet::Value& wert, const QString& feldname,
                         const UebersetzungsKontext& kontext = {});
QString UebersetzungFriedhof(const jet::Value& wert, const QString& feldname,
                             const UebersetzungsKontext& kontext = {});

// The text form of a column value: text unchanged, numbers in decimal with
// the German decimal comma, Yes/No as "Wahr"/"Falsch", dates as 31.01.2004
// (with the time when it is not midnight); Null and binary data give "".
QString Textform(const jet::Value& v);

// The routine of database kind art ("vxt" ... "vxf") for the value of column
// spalte; any other kind gives the value's text form.
QString Uebersetzung(const QString& art, const jet::Value& wert, const QString& spalte,
                     const UebersetzungsKontext& kontext = {});

} // namespace sorvo

// Family, synonym and user-property lookups against real Jet 4 files: Nulls,
// an empty synonym, a missing family, article numbers above 32767, text
// family codes and values that would change a query built as text.
#include "catalogue/mdlDruck.h"
#include "label/programm.h"
#include "platform/jet/jet.h"
#include "tests/platform/jet/support/fixture.h"
#include "tests/platform/jet/support/jet4_writer.h"
#include "tests/platform/jet/support/printing.h"

#include <gtest/gtest.h>

namespace sorvo {
namespace {

using jet::DataType;
using jet::Value;
using jet::testing::Cell;
using jet::testing::ColumnSpec;
using jet::testing::Jet4Writer;
using jet::testing::Row;

const Cell N = std::monostate{};
Cell t(const char* s) {
    return QString::fromUtf8(s);
}
Cell i(qint64 v) {
    return v;
}
ColumnSpec text(const char* name) {
    return {QString::fromLatin1(name), DataType::Text, 100};
}
ColumnSpec lang(const char* name) {
    return {QString::fromLatin1(name), DataType::Long};
}

void synonyme(Jet4Writer& w, const char* tabelle, std::vector<Row> zeilen) {
    w.addTable(QString::fromLatin1(tabelle), {lang("ARTNR"), text("SYN")}, std::move(zeilen));
}

// The plant database of these tests.
QString pflanzenDb() {
    static const QString pfad = [] {
        Jet4Writer w;
        w.addTable(QStringLiteral("Familien"),
                   {{QStringLiteral("FAMILIE"), DataType::Integer}, text("FAMNAME")},
                   {{i(1), t("Malvaceae")},
                    {i(2), t("Rosaceae")},
                    {i(3), N},
                    {i(12), t("Euphorbiaceae")}});
        const std::vector<ColumnSpec> haupt = {lang("ARTNR"), text("DTNAM"), text("BOTSYN")};
        const std::vector<Row> artikel = {{i(40000), t("Hundsrose"), N},
                                          {i(1001), t("Malve"), N},
                                          {N, t("Ohne Nummer"), N},
                                          {i(-5), t("Negativ"), N}};
        for (const char* tab : {"Topfpfl", "Stauden", "Gehoelze"})
            w.addTable(QString::fromLatin1(tab), haupt, artikel);
        synonyme(w, "Topfpfl_Synonyme_Deutsch",
                 {{i(40000), t("Heckenrose")},
                  {i(1001), t("Käsepappel")}, // another article
                  {i(40000), N},
                  {i(4000), t("Vierstellig")},
                  {i(40000), t("")},
                  {i(-5), t("Minus")},
                  {i(40000), t("Wildrose")}});
        synonyme(w, "Topfpfl_Synonyme_Botanisch", {{i(40000), t("Rosa canina var. glauca")}});
        synonyme(w, "Stauden_Synonyme_Deutsch",
                 {{i(40000), t("Staudenrose")}, {i(40001), t("Gemeine Schafgarbe")}});
        synonyme(w, "Stauden_Synonyme_Botanisch",
                 {{i(40000), t("Rosa perennis")}, {i(40001), t("Achillea lanulosa")}});
        synonyme(w, "Gehoelze_Synonyme_Deutsch",
                 {{i(40000), t("Gehoelzrose")}, {i(3001), t("Buchs")}, {i(3001), t("Palmbaum")}});
        synonyme(w, "Gehoelze_Synonyme_Botanisch", {{i(3001), t("Buxus arborescens")}});
        // The cemetery query's record: DB is field 21.
        std::vector<ColumnSpec> friedhof = {lang("ARTNR"), text("DTNAM")};
        for (int f = 2; f < 21; ++f)
            friedhof.push_back({QStringLiteral("F%1").arg(f), DataType::Text, 10});
        friedhof.push_back(text("DB"));
        const auto zeile = [](Cell artnr, const char* name, Cell db) {
            Row r{artnr, t(name)};
            r.resize(21, N);
            r.push_back(db);
            return r;
        };
        w.addTable(QStringLiteral("Abfrage_Friedhof"), friedhof,
                   {zeile(i(3001), "Buchsbaum", t("010")), zeile(i(40001), "Schafgarbe", t("100")),
                    zeile(i(6001), "Rose", N), zeile(i(5001), "Efeu", t("001")),
                    zeile(N, "Ohne Nummer", t("010"))});
        w.addTable(QStringLiteral("Namen_Benutzer_Optionen"),
                   {text("Topfpflanzen"), text("Stauden"), text("Gehoelze"), text("Apfel"),
                    text("Obst"), text("Friedhof")},
                   {{t("Duftend"), t("Bienenweide"), N, N, N, t("Pflegeleicht")},
                    {t("Winterhart"), N, t("Vogelschutz"), N, N, N},
                    {N, N, N, N, N, N},
                    {t("Kübelpflanze"), N, N, N, N, N},
                    {N, t("Heimisch"), N, N, N, t("Grabbepflanzung")}});
        const QString p = jet::testing::scratchFolder() + QStringLiteral("/pflanzen.mdb");
        w.write(p);
        return p;
    }();
    return pfad;
}

// A database whose families carry text codes, and no synonym tables.
QString textcodeDb() {
    static const QString pfad = [] {
        Jet4Writer w;
        w.addTable(QStringLiteral("Familien"), {text("FAMILIE"), text("FAMNAME")},
                   {{t("kein wert"), t("Ohne Familie")}, {t("A12"), t("Rosaceae")}});
        w.addTable(QStringLiteral("Topfpfl"), {lang("ARTNR"), text("DTNAM")},
                   {{i(40000), t("Hundsrose")}});
        const QString p = jet::testing::scratchFolder() + QStringLiteral("/textcodes.mdb");
        w.write(p);
        return p;
    }();
    return pfad;
}

Value T(const char* s) {
    return Value::text(QString::fromUtf8(s));
}

class Nachschlagen : public ::testing::Test {
protected:
    void TearDown() override { ProgrammZuruecksetzen(); }

    // The record set of a table, on the given row (from 0).
    std::shared_ptr<jet::Recordset> satz(jet::Database& db, const char* tabelle, int zeile) {
        auto rs = db.openRecordset(QString::fromLatin1(tabelle));
        rs->setBookmark(rs->bookmarkAt(zeile));
        return rs;
    }
};

TEST_F(Nachschlagen, FamilyByBoundCode) {
    auto db = jet::Database::open(pflanzenDb());
    auto texte = jet::Database::open(textcodeDb());
    const struct {
        const char* art;
        const char* spalte;
        Value wert;
        jet::Database* datenbank;
        const char* erwartet;
    } faelle[] = {
        {"vxt", "FAMILIE", Value::integer(2, DataType::Integer), db.get(), "Rosaceae"},
        {"vxs", "FAMILIE", T("12"), db.get(), "Euphorbiaceae"},
        {"vxg", "FAMILIE", Value::integer(1), db.get(), "Malvaceae"},
        {"vxg", "FAMILIE", Value::integer(3), db.get(), ""},  // Null name
        {"vxt", "FAMILIE", Value::integer(99), db.get(), ""}, // no such family
        {"vxt", "FAMILIE", T("2' OR '1'='1"), db.get(), ""},
        {"vxt", "FAMILIE", T("2 OR 1=1"), db.get(), ""},
        {"vxt", "FAMILIE", T("*"), db.get(), ""},
        {"vxt", "FAMILIE", T(""), db.get(), ""},
        {"vxf", "Gehoelze.FAMILIE", Value::integer(1), db.get(), "Malvaceae"},
        {"vxf", "Gehoelze_FAMILIE", T("12"), db.get(), "Euphorbiaceae"},
        {"vxf", "Stauden.FAMILIE", Value::integer(2), db.get(), "Rosaceae"},
        {"vxf", "Stauden_FAMILIE", Value::integer(3), db.get(), ""},
        {"vxt", "FAMILIE", Value::integer(2), nullptr, ""},
        // Text codes; "kein wert" is no family for the cemetery plants only.
        {"vxt", "FAMILIE", T("A12"), texte.get(), "Rosaceae"},
        {"vxt", "FAMILIE", T("kein wert"), texte.get(), "Ohne Familie"},
        {"vxf", "Gehoelze.FAMILIE", T("kein wert"), texte.get(), ""},
        {"vxf", "Stauden.FAMILIE", T("A12"), texte.get(), "Rosaceae"},
    };
    for (const auto& c : faelle) {
        UebersetzungsKontext k;
        k.datenbank = c.datenbank;
        EXPECT_EQ(Uebersetzung(QString::fromLatin1(c.art), c.wert, QString::fromUtf8(c.spalte), k),
                  QString::fromUtf8(c.erwartet))
            << c.art << " " << c.spalte << " " << c.wert.toString().toStdString();
    }
}

TEST_F(Nachschlagen, SynonymsOfTheRecordsArticle) {
    auto db = jet::Database::open(pflanzenDb());
    const struct {
        const char* art;
        const char* tabelle;
        int zeile;
        const char* spalte;
        const char* wert;
        const char* erwartet;
    } faelle[] = {
        // Article 40000: rows in the order the table holds them; a Null
        // synonym is left out, an empty one is listed.
        {"vxt", "Topfpfl", 0, "DTNAM", "Hundsrose", "Hundsrose, Heckenrose, , Wildrose"},
        {"vxt", "Topfpfl", 0, "BOTSYN", "-", "Rosa canina var. glauca"},
        {"vxs", "Stauden", 0, "DTNAM", "Hundsrose", "Hundsrose, Staudenrose"},
        {"vxs", "Stauden", 0, "BOTSYN", "-", "Rosa perennis"},
        {"vxg", "Gehoelze", 0, "DTNAM", "Hundsrose", "Hundsrose, Gehoelzrose"},
        {"vxg", "Gehoelze", 0, "BOTSYN", "-", ""},
        // Without synonyms, without an article number, a negative one.
        {"vxt", "Topfpfl", 1, "DTNAM", "Malve", "Malve, Käsepappel"},
        {"vxs", "Stauden", 1, "DTNAM", "Malve", "Malve"},
        {"vxs", "Stauden", 1, "BOTSYN", "-", ""},
        {"vxt", "Topfpfl", 2, "DTNAM", "Ohne Nummer", "Ohne Nummer"},
        {"vxt", "Topfpfl", 2, "BOTSYN", "-", ""},
        {"vxt", "Topfpfl", 3, "DTNAM", "Negativ", "Negativ, Minus"},
        // Cemetery plants: the tables by field DB.
        {"vxf", "Abfrage_Friedhof", 0, "DTNAM", "Buchsbaum", "Buchsbaum, Buchs, Palmbaum"},
        {"vxf", "Abfrage_Friedhof", 0, "BOTSYN", "-", "Buxus arborescens"},
        {"vxf", "Abfrage_Friedhof", 1, "DTNAM", "Schafgarbe", "Schafgarbe, Gemeine Schafgarbe"},
        {"vxf", "Abfrage_Friedhof", 1, "BOTSYN", "-", "Achillea lanulosa"},
        {"vxf", "Abfrage_Friedhof", 2, "DTNAM", "Rose", ""}, // DB Null
        {"vxf", "Abfrage_Friedhof", 3, "DTNAM", "Efeu", ""}, // DB "001"
        {"vxf", "Abfrage_Friedhof", 3, "BOTSYN", "-", ""},
        {"vxf", "Abfrage_Friedhof", 4, "DTNAM", "Ohne Nummer", "Ohne Nummer"},
    };
    for (const auto& c : faelle) {
        const auto rs = satz(*db, c.tabelle, c.zeile);
        const UebersetzungsKontext k{db.get(), rs.get()};
        EXPECT_EQ(
            Uebersetzung(QString::fromLatin1(c.art), T(c.wert), QString::fromLatin1(c.spalte), k),
            QString::fromUtf8(c.erwartet))
            << c.art << " " << c.tabelle << " " << c.zeile << " " << c.spalte;
    }
}

TEST_F(Nachschlagen, SynonymsWithoutRecordOrTablesGiveTheStart) {
    auto db = jet::Database::open(pflanzenDb());
    auto ohneTabellen = jet::Database::open(textcodeDb());
    const auto rs = satz(*ohneTabellen, "Topfpfl", 0);
    const auto gehoelz = satz(*db, "Abfrage_Friedhof", 0);
    const auto familie = satz(*db, "Familien", 0);
    const struct {
        const char* fall;
        UebersetzungsKontext k;
        const char* art;
        const char* spalte;
        const char* erwartet;
    } faelle[] = {
        {"nothing", {}, "vxt", "DTNAM", "Hundsrose"},
        {"nothing", {}, "vxt", "BOTSYN", ""},
        {"nothing", {}, "vxf", "DTNAM", ""},
        {"no record", {db.get(), nullptr}, "vxs", "DTNAM", "Hundsrose"},
        {"no database", {nullptr, gehoelz.get()}, "vxf", "DTNAM", "Hundsrose"},
        {"no synonym table", {ohneTabellen.get(), rs.get()}, "vxt", "DTNAM", "Hundsrose"},
        {"no synonym table", {ohneTabellen.get(), rs.get()}, "vxt", "BOTSYN", ""},
        {"record without ARTNR", {db.get(), familie.get()}, "vxg", "DTNAM", "Hundsrose"},
    };
    for (const auto& c : faelle)
        EXPECT_EQ(Uebersetzung(QString::fromLatin1(c.art), T("Hundsrose"),
                               QString::fromLatin1(c.spalte), c.k),
                  QString::fromUtf8(c.erwartet))
            << c.fall << " " << c.art << " " << c.spalte;
}

TEST_F(Nachschlagen, UserPropertiesFromTheDatabasesNames) {
    BenutzerNamenLaden(pflanzenDb());
    const struct {
        const char* art;
        const char* wert;
        const char* erwartet;
    } faelle[] = {
        {"vxt", "11", "Duftend\nWinterhart"},
        {"vxt", "1001", "Duftend\nKübelpflanze"},
        {"vxs", "10001", "Bienenweide\nHeimisch"},
        {"vxg", "01", "Vogelschutz"},
        {"vxf", "10001", "Pflegeleicht\nGrabbepflanzung"},
        // A property without a name still takes its line.
        {"vxt", "101", "Duftend\n"},
        {"vxt", "0011", "Kübelpflanze"},
        {"vxa", "11111", ""},
    };
    for (const auto& c : faelle)
        EXPECT_EQ(Uebersetzung(QString::fromLatin1(c.art), T(c.wert), QStringLiteral("BENU_EIGEN")),
                  QString::fromUtf8(c.erwartet))
            << c.art << " " << c.wert;
}

} // namespace
} // namespace sorvo

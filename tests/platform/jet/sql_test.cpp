// The SQL the program runs, and the Jet dialect around it, against the
// plant database.
#include "platform/jet/jet.h"
#include "tests/platform/jet/support/fixture.h"
#include "tests/platform/jet/support/printing.h"

#include <gtest/gtest.h>

using namespace sorvo::jet;
using namespace sorvo::jet::testing;

namespace {

std::shared_ptr<Database> plants() {
    static std::shared_ptr<Database> db = Database::open(plantDatabase());
    return db;
}

// The texts of one field of every row, in the record set's order; Null as
// "<Null>".
QStringList column(Recordset& rs, const QString& field) {
    QStringList out;
    for (int r = 0; r < rs.recordCount(); ++r) {
        const Value v = rs.valueAt(r, rs.fieldIndex(field));
        out << (v.isNull() ? QStringLiteral("<Null>") : v.toString());
    }
    return out;
}

QStringList run(const QString& sql, const QString& field) {
    auto rs = plants()->openRecordset(sql);
    return column(*rs, field);
}

struct Case {
    const char* sql;
    const char* field;
    QStringList expected;
};

} // namespace

// Every record source and SQL text the program sends, as its callers write
// them, with the rows they must give in order.
TEST(ProgramSql, EveryTextReturnsItsRows) {
    const Case cases[] = {
        // the main record sources, sorted in the General order: Null first,
        // case and accents not counting, Ä with A, Ö with O
        {"SELECT * From Topfpfl WHERE ARTNR LIKE '*' ORDER BY Bot_Name",
         "ARTNR",
         {"1008", "1001", "1002", "1003", "1007", "1006", "1005", "12345", "1234", "1004"}},
        {"SELECT * From Stauden WHERE ARTNR LIKE '*' ORDER BY Bot_Name",
         "ARTNR",
         {"2001", "2003", "2002", "2004"}},
        {"SELECT * From Gehoelze WHERE ARTNR LIKE '*' ORDER BY Bot_Name",
         "ARTNR",
         {"3001", "3003", "3002"}},
        {"SELECT * From Apfel WHERE ARTNR LIKE '*' ORDER BY Bot_Name", "ARTNR", {"4001", "4002"}},
        {"SELECT * From Obst WHERE ARTNR LIKE '*' ORDER BY Bot_Name", "ARTNR", {"5001"}},
        {"SELECT * From Abfrage_Friedhof WHERE ARTNR LIKE '*' ORDER BY Bot_Name",
         "ARTNR",
         {"2001", "3001", "6001", "3002"}},
        // the record-choice window: all, letters, header clicks (field s + c)
        {"SELECT * FROM Topfpfl WHERE ARTNR LIKE '*' ORDER BY Bot_Name",
         "Bot_Name",
         {"<Null>", "Abutilon megapotamicum", "acalypha hispida", "Ächmea fasciata",
          "Nerium oleander", "Ölbaum", "Olea europaea", "Yucca elephantipes",
          "Zamioculcas zamiifolia", "Zantedeschia aethiopica"}},
        {"SELECT * FROM Topfpfl WHERE BOT_NAME LIKE 'A*' ORDER BY Bot_Name",
         "ARTNR",
         {"1001", "1002"}},
        {"SELECT * FROM Topfpfl WHERE BOT_NAME LIKE 'Z*' ORDER BY Bot_Name",
         "ARTNR",
         {"1234", "1004"}},
        {"SELECT * FROM Topfpfl WHERE BOT_NAME LIKE 'O*' ORDER BY Bot_Name", "ARTNR", {"1005"}},
        {"SELECT * FROM Topfpfl WHERE BOT_NAME LIKE 'Q*' ORDER BY Bot_Name", "ARTNR", {}},
        {"SELECT * FROM Gehoelze WHERE BOT_NAME LIKE 'T*' ORDER BY Bot_Name", "ARTNR", {"3002"}},
        {"SELECT * FROM Topfpfl WHERE ARTNR LIKE '*' ORDER BY DTNAM",
         "ARTNR",
         {"1004", "1005", "1234", "1002", "1003", "1006", "1007", "12345", "1001", "1008"}},
        {"SELECT * FROM Gehoelze WHERE ARTNR LIKE '*' ORDER BY DTNAM",
         "DTNAM",
         {"Buchsbaum", "Eibe", "Zierapfel"}},
        // an own table: filtered and sorted by its first and second fields
        {"SELECT * FROM Familien WHERE FAMNAME LIKE '*' ORDER BY FAMNAME",
         "FAMILIE",
         {"6", "4", "7", "8", "3", "2", "1", "5", "9"}},
        {"SELECT * FROM Familien WHERE FAMILIE LIKE 'B*' ORDER BY FAMILIE", "FAMILIE", {}},
        {"SELECT * FROM Familien WHERE FAMNAME LIKE '*' ORDER BY FAMILIE",
         "FAMNAME",
         {"Malvaceae", "Euphorbiaceae", "Bromeliaceae", "Araceae", "Oleaceae", "Apocynaceae",
          "Asparagaceae", "Asteraceae", "Saxifragaceae"}},
        // families, synonyms and pictures, looked up by unquoted numbers
        {"SELECT FAMNAME FROM Familien WHERE FAMILIE LIKE 3", "FAMNAME", {"Bromeliaceae"}},
        {"SELECT * FROM Familien WHERE FAMILIE LIKE '*'",
         "FAMILIE",
         {"1", "2", "3", "4", "5", "6", "7", "8", "9"}},
        {"SELECT * From Topfpfl_Synonyme_Botanisch WHERE SYN LIKE '*'",
         "SYN",
         {"Abutilon vexillarium", "", "Abutilon megapotamicum var.", "Caladium zamiifolium"}},
        {"SELECT * From Topfpfl_Synonyme_Botanisch WHERE ARTNR LIKE 1001",
         "SYN",
         {"Abutilon vexillarium", "Abutilon megapotamicum var."}},
        {"SELECT * From Topfpfl_Synonyme_Deutsch WHERE SYN LIKE '*'",
         "SYN",
         {"Samtpappel", "Zamie"}},
        {"SELECT * From Topfpfl_Synonyme_Deutsch WHERE ARTNR LIKE 1234", "SYN", {"Zamie"}},
        {"SELECT * From Stauden_Synonyme_Botanisch WHERE SYN LIKE '*'", "ARTNR", {"2001"}},
        {"SELECT * From Stauden_Synonyme_Botanisch WHERE ARTNR LIKE 2001",
         "SYN",
         {"Achillea lanulosa"}},
        {"SELECT * From Stauden_Synonyme_Deutsch WHERE SYN LIKE '*'",
         "SYN",
         {"Gemeine Schafgarbe", "Garbe"}},
        {"SELECT * From Stauden_Synonyme_Deutsch WHERE ARTNR LIKE 2001",
         "SYN",
         {"Gemeine Schafgarbe", "Garbe"}},
        {"SELECT * From Gehoelze_Synonyme_Botanisch WHERE SYN LIKE '*'", "SYN", {"Taxus communis"}},
        {"SELECT * From Gehoelze_Synonyme_Botanisch WHERE ARTNR LIKE 3002",
         "SYN",
         {"Taxus communis"}},
        {"SELECT * From Gehoelze_Synonyme_Deutsch WHERE SYN LIKE '*'", "SYN", {"Buchs"}},
        {"SELECT * From Gehoelze_Synonyme_Deutsch WHERE ARTNR LIKE 3001", "SYN", {"Buchs"}},
        {"SELECT * From Topfpfl_Bilder WHERE ARTNR LIKE 1234", "BILD1-G", {"zam01"}},
        {"SELECT * From Topfpfl_Bilder WHERE ARTNR LIKE 1001", "BILD2-G", {"<Null>"}},
        {"SELECT * From Stauden_Bilder WHERE ARTNR LIKE 2001", "BILD1-G", {"ach01"}},
        {"SELECT * From Gehoelze_Bilder WHERE ARTNR LIKE 3001", "BILD1-G", {"bux01"}},
        {"SELECT * From Apfel_Bilder WHERE ARTNR LIKE 4001", "BILD1-G", {"bos01"}},
        {"SELECT * From Obst_Bilder WHERE ARTNR LIKE 5001", "BILD1-G", {"kor01"}},
        {"SELECT * From Friedhof_Bilder WHERE ARTNR LIKE 6001", "BILD1-G", {"ros01"}},
        {"SELECT * From Friedhof_Bilder WHERE ARTNR LIKE 1", "BILD1-G", {}},
        // tables bound by name
        {"Namen_Benutzer_Optionen",
         "Topfpflanzen",
         {"Duftend", "Winterhart", "<Null>", "Kübelpflanze", "<Null>"}},
        {"Familien",
         "FAMNAME",
         {"Malvaceae", "Euphorbiaceae", "Bromeliaceae", "Araceae", "Oleaceae", "Apocynaceae",
          "Asparagaceae", "Asteraceae", "Saxifragaceae"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.sql);
        EXPECT_EQ(run(QString::fromUtf8(c.sql), QString::fromUtf8(c.field)), c.expected);
    }
}

// The dialect: each text against the rows it must give, sorted by ARTNR
// unless the text sorts itself.
TEST(JetDialect, TranslatesToTheSameRows) {
    const Case cases[] = {
        {"SELECT ARTNR FROM Topfpfl WHERE Bot_Name = \"Olea europaea\"", "ARTNR", {"1005"}},
        {"SELECT ARTNR FROM Topfpfl WHERE Bot_Name = 'OLEA EUROPAEA'", "ARTNR", {"1005"}},
        {"SELECT [BILD1-G] FROM [Topfpfl_Bilder] WHERE [ARTNR] = 1001", "BILD1-G", {"0054005"}},
        {"SELECT ARTNR FROM Topfpfl WHERE AENDERUNG Between #1/1/2003# And #12/31/2005# ORDER BY "
         "ARTNR",
         "ARTNR",
         {"1001", "1002"}},
        {"SELECT ARTNR FROM Topfpfl WHERE AENDERUNG = #2010-06-15#", "ARTNR", {"1005"}},
        {"SELECT ARTNR FROM Topfpfl WHERE AENDERUNG > #1/31/2004 1:00 PM# ORDER BY ARTNR",
         "ARTNR",
         {"1002", "1005"}},
        {"SELECT DTNAM & ' (' & Bot_Name & ')' AS Name FROM Topfpfl WHERE ARTNR = 1004",
         "Name",
         {" (Zantedeschia aethiopica)"}},
        {"SELECT DTNAM + ' (' + Bot_Name + ')' AS Name FROM Topfpfl WHERE ARTNR = 1004",
         "Name",
         {"<Null>"}},
        {"SELECT ARTNR FROM Topfpfl WHERE GIFTIG = True ORDER BY ARTNR",
         "ARTNR",
         {"1002", "1004", "1007"}},
        {"SELECT ARTNR FROM Topfpfl WHERE GIFTIG ORDER BY ARTNR",
         "ARTNR",
         {"1002", "1004", "1007"}},
        {"SELECT ARTNR FROM Topfpfl WHERE NOT GIFTIG AND PREIS > 5 ORDER BY ARTNR",
         "ARTNR",
         {"<Null>", "1003"}},
        {"SELECT ARTNR FROM Topfpfl WHERE ARTNR LIKE '12##'", "ARTNR", {"1234"}},
        {"SELECT ARTNR FROM Topfpfl WHERE ARTNR LIKE '12*' ORDER BY ARTNR",
         "ARTNR",
         {"1234", "12345"}},
        {"SELECT ARTNR FROM Topfpfl WHERE Bot_Name LIKE '?lea*'", "ARTNR", {"1005"}},
        {"SELECT ARTNR FROM Topfpfl WHERE Bot_Name LIKE '[n-p]*' ORDER BY Bot_Name",
         "ARTNR",
         {"1007", "1005", "<Null>"}},
        {"SELECT ARTNR FROM Topfpfl WHERE Bot_Name LIKE '[!a-y]*' ORDER BY Bot_Name",
         "ARTNR",
         {"1003", "1006", "1234", "1004"}},
        {"SELECT ARTNR FROM Topfpfl WHERE Bot_Name NOT LIKE '*a*' ORDER BY ARTNR", "ARTNR", {}},
        {"SELECT ARTNR FROM Topfpfl WHERE ARTNR IN (1001, 1234) ORDER BY ARTNR",
         "ARTNR",
         {"1001", "1234"}},
        {"SELECT ARTNR FROM Topfpfl WHERE DTNAM IN ('oleander', 'EIBE')", "ARTNR", {"1007"}},
        {"SELECT Bot_Name FROM Topfpfl WHERE ARTNR Is Null", "Bot_Name", {"Pachira aquatica"}},
        {"SELECT FAMILIE, Count(*) AS Anzahl FROM Topfpfl GROUP BY FAMILIE HAVING Count(*) > 1 "
         "ORDER BY FAMILIE",
         "Anzahl",
         {"2", "2", "2"}},
        {"SELECT Sum(PREIS) AS Summe FROM Topfpfl WHERE FAMILIE = 5", "Summe", {"5.7"}},
        {"SELECT IIf(GIFTIG, 'giftig', 'harmlos') FROM Topfpfl WHERE ARTNR = 1004",
         "Expr1000",
         {"giftig"}},
        {"SELECT Bot_Name, Nz(DTNAM, '?') FROM Topfpfl WHERE ARTNR = 1004", "Expr1000", {"?"}},
        {"SELECT Left(Bot_Name, 4) & '.' AS Kurz, Len(Bot_Name) AS Laenge FROM Topfpfl WHERE ARTNR "
         "= 1007",
         "Kurz",
         {"Neri."}},
        {"SELECT UCase(Mid(Bot_Name, 3, 4)) AS Teil FROM Topfpfl WHERE ARTNR = 1003",
         "Teil",
         {"HMEA"}},
        {"SELECT Year(AENDERUNG) * 100 + Month(AENDERUNG) AS Monat FROM Topfpfl WHERE ARTNR = 1002",
         "Monat",
         {"200401"}},
        {"SELECT Bot_Name FROM Topfpfl WHERE PREIS > (SELECT Avg(PREIS) FROM Topfpfl) ORDER BY "
         "PREIS DESC, Bot_Name",
         "Bot_Name",
         {"Ächmea fasciata", "Pachira aquatica", "acalypha hispida", "Zantedeschia aethiopica",
          "Nerium oleander"}},
        {"SELECT DISTINCT HERKUNFT FROM Topfpfl WHERE HERKUNFT LIKE 'M*' ORDER BY HERKUNFT",
         "HERKUNFT",
         {"Mexiko", "Mittelmeer"}},
        {"SELECT DISTINCTROW Familien.FAMNAME FROM Familien INNER JOIN Topfpfl ON Familien.FAMILIE "
         "= "
         "Topfpfl.FAMILIE ORDER BY Familien.FAMNAME",
         "FAMNAME",
         {"Apocynaceae", "Araceae", "Asparagaceae", "Bromeliaceae", "Euphorbiaceae", "Malvaceae",
          "Oleaceae"}},
        {"SELECT TOP 2 ARTNR FROM Topfpfl ORDER BY PREIS DESC, ARTNR", "ARTNR", {"1003", "<Null>"}},
        {"SELECT TOP 20 PERCENT ARTNR FROM Topfpfl ORDER BY ARTNR DESC",
         "ARTNR",
         {"12345", "1234", "1008"}},
        {"SELECT Bot_Name FROM Stauden WHERE EXISTS (SELECT * FROM Friedhof WHERE Friedhof.ARTNR = "
         "Stauden.ARTNR)",
         "Bot_Name",
         {"Achillea millefolium"}},
        {"SELECT T.ARTNR FROM Topfpfl AS T LEFT JOIN Topfpfl_Bilder AS B ON T.ARTNR = B.ARTNR "
         "WHERE "
         "B.ARTNR Is Null AND T.ARTNR < 1003 ORDER BY T.ARTNR",
         "ARTNR",
         {"1002"}},
        {"SELECT Bot_Name FROM Stauden UNION SELECT Bot_Name FROM Friedhof ORDER BY Bot_Name",
         "Bot_Name",
         {"Achillea millefolium", "Anthericum ramosum", "Bergenia cordifolia", "Buxus sempervirens",
          "Hosta sieboldiana", "Rosa 'Schneewittchen'", "Taxus baccata"}},
        {"SELECT Bot_Name FROM Stauden WHERE ARTNR = 2001 UNION ALL SELECT Bot_Name FROM Friedhof "
         "WHERE "
         "ARTNR = 2001",
         "Bot_Name",
         {"Achillea millefolium", "Achillea millefolium"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.sql);
        EXPECT_EQ(run(QString::fromUtf8(c.sql), QString::fromUtf8(c.field)), c.expected);
    }
}

TEST(JetDialect, TopKeepsTheRowsThatTieWithTheLast) {
    // 7.50 twice in second place: TOP 2 gives three rows, as the engine does
    QStringList top =
        run("SELECT TOP 2 ARTNR FROM Topfpfl WHERE ARTNR Is Not Null ORDER BY PREIS DESC", "ARTNR");
    ASSERT_EQ(top.size(), 3);
    EXPECT_EQ(top.front(), "1003");
    top.sort();
    EXPECT_EQ(top, (QStringList{"1002", "1003", "1004"}));
    EXPECT_EQ(
        run("SELECT TOP 1 ARTNR FROM Topfpfl WHERE ARTNR Is Not Null ORDER BY PREIS DESC", "ARTNR"),
        QStringList{"1003"});
}

TEST(JetDialect, JoinedFieldsAreNamedAsJetNamesThem) {
    auto rs = plants()->openRecordset(
        "SELECT * FROM Stauden INNER JOIN Friedhof ON Stauden.ARTNR = Friedhof.ARTNR");
    QStringList names;
    for (const auto& f : rs->fieldInfos())
        names << f.name;
    EXPECT_EQ(names,
              (QStringList{"Stauden.ARTNR", "Stauden.Bot_Name", "Stauden.DTNAM", "FAMILIE", "LICHT",
                           "Stauden.BLUEHZEIT", "BEMERKUNG", "Friedhof.ARTNR", "Friedhof.Bot_Name",
                           "Friedhof.DTNAM", "DB", "VERWENDUNG", "Friedhof.BLUEHZEIT", "DUFT"}));
    ASSERT_EQ(rs->recordCount(), 1);
    EXPECT_EQ(rs->value("stauden.bluehzeit").toString(), "6:");
    EXPECT_EQ(rs->value("Friedhof.BLUEHZEIT").toString(), "000001100000");
    // an alias and an explicit list are named the same way
    auto aliased = plants()->openRecordset(
        "SELECT S.ARTNR, F.ARTNR, F.DB, S.LICHT AS Licht FROM Stauden AS S, Friedhof AS F WHERE "
        "S.ARTNR = F.ARTNR");
    QStringList aliasedNames;
    for (const auto& f : aliased->fieldInfos())
        aliasedNames << f.name;
    EXPECT_EQ(aliasedNames, (QStringList{"S.ARTNR", "F.ARTNR", "DB", "Licht"}));
}

TEST(JetDialect, FailuresInsideSqliteAreToldInGerman) {
    // SQLite's own reasons are English and about its workings; the user
    // learns what failed, and the engine's own reason where it has one.
    QString tief = "ARTNR";
    for (int i = 0; i < 1200; ++i)
        tief += " + 1";
    const struct {
        QString sql;
        const char* meldung;
    } faelle[] = {
        {"SELECT " + tief + " FROM Topfpfl", "Fehler in der Abfrage."},
        {"SELECT CInt(Bot_Name) FROM Topfpfl",
         "Fehler beim Ausführen der Abfrage: Datentypen unverträglich."},
        {"SELECT ARTNR FROM Topfpfl WHERE CInt(Bot_Name) = 1",
         "Fehler beim Ausführen der Abfrage: Datentypen unverträglich."},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.meldung);
        try {
            const int n = plants()->openRecordset(f.sql)->recordCount();
            ADD_FAILURE() << n << " rows and no error";
        } catch (const JetError& e) {
            EXPECT_EQ(e.number(), fehler::SyntaxFehler);
            EXPECT_EQ(e.description(), QString::fromUtf8(f.meldung));
        }
    }
}

TEST(JetDialect, RefusalsAndErrorsAreCleanErrors) {
    struct Failing {
        const char* sql;
        int number;
    };
    const Failing cases[] = {
        {"SELECT * FROM Kakteen", fehler::ObjektNichtGefunden},
        {"SELECT * FROM Topfpfl WHERE Preisklasse = 3", fehler::ParameterFehlen},
        {"SELECT * FROM Topfpfl WHERE ARTNR = [Forms]![Auswahl]![Nummer]", fehler::ParameterFehlen},
        {"SELECT Format(PREIS, '0.00') FROM Topfpfl", fehler::FunktionUnbekannt},
        {"SELECT ARTNR FROM Stauden, Friedhof", fehler::FeldMehrdeutig},
        {"TRANSFORM Count(*) SELECT FAMILIE FROM Topfpfl GROUP BY FAMILIE PIVOT GIFTIG",
         fehler::NichtUnterstuetzt},
        {"UPDATE Topfpfl SET PREIS = 0", fehler::NichtUnterstuetzt},
        {"SELECT * INTO Kopie FROM Topfpfl", fehler::NichtUnterstuetzt},
        {"SELECT * FROM Topfpfl WHERE", fehler::SyntaxFehler},
        {"SELECT * FROM Topfpfl WHERE Bot_Name = 'offen", fehler::SyntaxFehler},
        {"SELECT * FROM Topfpfl WHERE AENDERUNG = #31.12.2003#", fehler::SyntaxFehler},
        {"Kreuztabelle", fehler::NichtUnterstuetzt},
        {"Nach_Familie", fehler::NichtUnterstuetzt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.sql);
        try {
            plants()->openRecordset(QString::fromUtf8(c.sql));
            ADD_FAILURE() << "no error";
        } catch (const JetError& e) {
            EXPECT_EQ(e.number(), c.number) << e.description().toStdString();
            EXPECT_FALSE(e.description().isEmpty());
        }
    }
}

TEST(JetDialect, ParametersAreBoundNotWrittenIntoTheSql) {
    struct Case {
        const char* sql;
        std::vector<Parameter> parameters;
        QStringList rows; // field 0 of every row
    };
    const auto text = [](const char* s) { return Value::text(QString::fromUtf8(s)); };
    const std::vector<Case> cases = {
        {"SELECT FAMNAME FROM Familien WHERE FAMILIE = [Nr]",
         {{"Nr", Value::integer(2)}},
         {"Euphorbiaceae"}},
        {"SELECT FAMNAME FROM Familien WHERE FAMILIE = [nr]",
         {{"NR", Value::integer(3)}},
         {"Bromeliaceae"}},
        // A quote in the value cannot end the text and add a condition.
        {"SELECT FAMNAME FROM Familien WHERE CStr(FAMILIE) = [Nr]",
         {{"Nr", text("2' OR 'a' = 'a")}},
         {}},
        {"SELECT FAMNAME FROM Familien WHERE CStr(FAMILIE) = [Nr]",
         {{"Nr", text("2")}},
         {"Euphorbiaceae"}},
        {"SELECT FAMNAME FROM Familien WHERE FAMILIE = [Nr]", {{"Nr", Value()}}, {}},
        {"SELECT Bot_Name FROM Topfpfl WHERE DTNAM = [Name]",
         {{"Name", text("Schönmalve")}},
         {"Abutilon megapotamicum"}},
        // A bound text is compared whole, also past a NUL in it.
        {"SELECT Bot_Name FROM Topfpfl WHERE DTNAM = [Name]",
         {{"Name", Value::text(QString::fromUtf16(u"Schönmalve\0x", 12))}},
         {}},
        {"SELECT FAMNAME FROM Familien WHERE CStr(FAMILIE) = [Nr]",
         {{"Nr", Value::text(QString::fromUtf16(u"2\0 9", 4))}},
         {}},
        // Also inside a subquery, and twice with one value.
        {"SELECT FAMNAME FROM Familien WHERE FAMILIE IN (SELECT FAMILIE FROM Topfpfl WHERE "
         "ARTNR = [A] OR ARTNR = [A] + 1)",
         {{"A", Value::integer(1001)}},
         {"Malvaceae", "Euphorbiaceae"}},
        // A parameter as an output field comes back unchanged.
        {"SELECT [Wert], [Zweiter] FROM Familien WHERE FAMILIE = 1",
         {{"Zweiter", Value::integer(7)}, {"Wert", text("Jäger; 'x'")}},
         {"Jäger; 'x'"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.sql);
        auto rs = plants()->openRecordset(QString::fromUtf8(c.sql), c.parameters);
        QStringList rows;
        for (; !rs->eof(); rs->moveNext())
            rows << rs->value(0).toString();
        EXPECT_EQ(rows, c.rows);
    }
    // A name given no value is still a missing parameter.
    try {
        plants()->openRecordset("SELECT * FROM Familien WHERE FAMILIE = [Nr] OR FAMILIE = [Andere]",
                                {{"Nr", Value::integer(1)}});
        ADD_FAILURE() << "no error";
    } catch (const JetError& e) {
        EXPECT_EQ(e.number(), fehler::ParameterFehlen);
        EXPECT_TRUE(e.description().contains("Andere"));
        EXPECT_FALSE(e.description().contains("Nr"));
    }
}

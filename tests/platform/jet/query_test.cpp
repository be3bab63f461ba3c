// Stored queries: their SQL rebuilt from the catalogue rows, and the views
// made of them queried like tables.
#include "platform/jet/jet.h"
#include "platform/jet/stored_query.h"
#include "tests/platform/jet/support/fixture.h"
#include "tests/platform/jet/support/plant_db.h"
#include "tests/platform/jet/support/printing.h"

#include <gtest/gtest.h>

using namespace sorvo::jet;
using namespace sorvo::jet::detail;
using namespace sorvo::jet::testing;

namespace {

QueryDefRow row(int attribute, const char* expression = "", const char* name1 = "",
                const char* name2 = "", std::optional<int> flag = std::nullopt) {
    return {attribute, QString::fromUtf8(name1), QString::fromUtf8(name2),
            QString::fromUtf8(expression), flag};
}

QStringList names(const Recordset& rs) {
    QStringList out;
    for (const auto& f : rs.fieldInfos())
        out << f.name;
    return out;
}

QStringList texts(Recordset& rs, const QString& field) {
    QStringList out;
    for (int r = 0; r < rs.recordCount(); ++r)
        out << rs.valueAt(r, rs.fieldIndex(field)).toString();
    return out;
}

} // namespace

TEST(StoredQueries, RebuildsTheirSql) {
    struct Case {
        const char* what;
        std::vector<QueryDefRow> rows;
        const char* sql;
    };
    const std::vector<Case> cases = {
        {"alias, condition, descending sort",
         {row(0), row(1, "", "", "", 1), row(5, "", "Stauden", "S"), row(6, "S.ARTNR"),
          row(6, "S.Bot_Name", "Name"), row(8, "S.LICHT Like '1*'"), row(11, "S.Bot_Name", "D"),
          row(255)},
         "SELECT S.ARTNR, S.Bot_Name AS [Name] FROM [Stauden] AS [S] WHERE S.LICHT Like '1*' ORDER "
         "BY "
         "S.Bot_Name DESC"},
        {"rows of one attribute apart from each other keep their order",
         {row(6, "b"), row(5, "", "T"), row(1, "", "", "", 1), row(11, "b"), row(6, "c"), row(0),
          row(11, "c", "D"), row(6, "a")},
         "SELECT b, c, a FROM [T] ORDER BY b, c DESC"},
        {"all fields, top, distinct",
         {row(1, "", "", "", 1), row(3, "", "5", "", 0x01 | 0x02 | 0x10 | 0x20), row(5, "", "T"),
          row(6, "x*2", "Doppelt")},
         "SELECT DISTINCT TOP 5 PERCENT *, x*2 AS [Doppelt] FROM [T]"},
        {"distinctrow, grouping",
         {row(1, "", "", "", 1), row(3, "", "", "", 0x08), row(5, "", "T"), row(6, "F"),
          row(6, "Count(*)", "N"), row(9, "F"), row(10, "Count(*) > 1")},
         "SELECT DISTINCTROW F, Count(*) AS [N] FROM [T] GROUP BY F HAVING Count(*) > 1"},
        {"two left joins from one table, and a third table without join",
         {row(1, "", "", "", 1), row(5, "", "Friedhof"), row(5, "", "Gehoelze"),
          row(5, "", "Stauden"), row(5, "", "Familien", "F"), row(6, "Friedhof.ARTNR"),
          row(7, "Friedhof.ARTNR = Gehoelze.ARTNR", "Friedhof", "Gehoelze", 2),
          row(7, "Friedhof.ARTNR = Stauden.ARTNR", "Friedhof", "Stauden", 2)},
         "SELECT Friedhof.ARTNR FROM (([Friedhof] LEFT JOIN [Gehoelze] ON Friedhof.ARTNR = "
         "Gehoelze.ARTNR) "
         "LEFT JOIN [Stauden] ON Friedhof.ARTNR = Stauden.ARTNR), [Familien] AS [F]"},
        {"a right join by alias, and a second condition between tables already joined",
         {row(1, "", "", "", 1), row(5, "", "Kunden", "K"), row(5, "", "Orte"), row(6, "K.Name"),
          row(7, "K.Ort = Orte.Ort", "K", "Orte", 3), row(7, "K.Land = Orte.Land", "Orte", "K", 1)},
         "SELECT K.Name FROM ([Kunden] AS [K] RIGHT JOIN [Orte] ON K.Ort = Orte.Ort AND (K.Land = "
         "Orte.Land))"},
        {"union without ALL, sorted",
         {row(1, "", "", "", 9), row(3, "", "", "", 0x03),
          row(5, "SELECT a FROM T", "", "X7YZ_____1"), row(5, "SELECT b FROM U", "", "X7YZ_____2"),
          row(11, "a")},
         "SELECT a FROM T UNION SELECT b FROM U ORDER BY a"},
        {"union all",
         {row(1, "", "", "", 9), row(3, "", "", "", 0), row(5, "SELECT a FROM T", "", "X1"),
          row(5, "SELECT b FROM U", "", "X2"), row(5, "SELECT c FROM V", "", "X3")},
         "SELECT a FROM T UNION ALL SELECT b FROM U UNION ALL SELECT c FROM V"},
        {"a derived table",
         {row(1, "", "", "", 1), row(5, "SELECT a FROM T", "", "D"), row(6, "D.a")},
         "SELECT D.a FROM (SELECT a FROM T) AS [D]"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(rebuildQuerySql(QStringLiteral("Q"), c.rows), QString::fromUtf8(c.sql)) << c.what;

    struct Refused {
        std::vector<QueryDefRow> rows;
        const char* kind;
    };
    const std::vector<Refused> refused = {
        {{row(1, "", "", "", 6), row(5, "", "T")}, "Kreuztabellenabfrage"},
        {{row(1, "", "", "", 4), row(5, "", "T")}, "Aktionsabfrage"},
        {{row(1, "", "", "", 7)}, "Datendefinitionsabfrage"},
        {{row(1, "", "", "", 8)}, "Pass-Through"},
        {{row(1, "", "", "", 1), row(2, "", "Bis", "", 8), row(5, "", "T")}, "Parameterabfrage"},
        {{row(1, "", "", "", 1), row(4, "", "C:\\andere.mdb"), row(5, "", "T")},
         "andere Datenbank"},
    };
    for (const auto& r : refused) {
        try {
            rebuildQuerySql(QStringLiteral("Q"), r.rows);
            ADD_FAILURE() << "not refused: " << r.kind;
        } catch (const JetError& e) {
            EXPECT_EQ(e.number(), fehler::NichtUnterstuetzt);
            EXPECT_TRUE(e.description().contains(QLatin1String(r.kind)))
                << e.description().toStdString();
        }
    }
    // a join naming a table the query does not have
    EXPECT_THROW(rebuildQuerySql(QStringLiteral("Q"), {row(1, "", "", "", 1), row(5, "", "T"),
                                                       row(7, "T.a = U.a", "T", "U", 1)}),
                 JetError);
}

TEST(StoredQueries, TheCemeteryJoinFromTheFile) {
    auto db = Database::open(plantDatabase());
    EXPECT_EQ(
        db->querySql("Abfrage_Friedhof"),
        "SELECT DISTINCTROW Friedhof.ARTNR, Friedhof.Bot_Name, Friedhof.DTNAM, Gehoelze.FAMILIE, "
        "Stauden.FAMILIE, Gehoelze.LICHT, Stauden.LICHT, Friedhof.DB, Friedhof.BLUEHZEIT, "
        "Stauden.BLUEHZEIT, Gehoelze.BLUEHZEIT, Friedhof.DUFT FROM (([Friedhof] LEFT JOIN "
        "[Gehoelze] "
        "ON Friedhof.ARTNR = Gehoelze.ARTNR) LEFT JOIN [Stauden] ON Friedhof.ARTNR = "
        "Stauden.ARTNR)");
    auto rs = db->openRecordset("Abfrage_Friedhof");
    EXPECT_EQ(names(*rs),
              (QStringList{"ARTNR", "Bot_Name", "DTNAM", "Gehoelze.FAMILIE", "Stauden.FAMILIE",
                           "Gehoelze.LICHT", "Stauden.LICHT", "DB", "Friedhof.BLUEHZEIT",
                           "Stauden.BLUEHZEIT", "Gehoelze.BLUEHZEIT", "DUFT"}));
    ASSERT_EQ(rs->recordCount(), 4);
    auto perennial = db->openRecordset("SELECT * FROM Abfrage_Friedhof WHERE ARTNR = 2001");
    EXPECT_EQ(perennial->value("Stauden.FAMILIE"), Value::integer(8, DataType::Integer));
    EXPECT_TRUE(perennial->value("Gehoelze.FAMILIE").isNull());
    EXPECT_EQ(perennial->value("DB"), Value::text("100"));
    EXPECT_EQ(perennial->value(7), perennial->value("DB"));
    auto rose = db->openRecordset("SELECT * FROM Abfrage_Friedhof WHERE ARTNR = 6001");
    EXPECT_TRUE(rose->value("Stauden.FAMILIE").isNull());
    EXPECT_TRUE(rose->value("DB").isNull());
    EXPECT_EQ(rose->value("DUFT"), Value::boolean(true));
    auto yew =
        db->openRecordset("SELECT [Gehoelze.LICHT], [Friedhof.BLUEHZEIT] FROM Abfrage_Friedhof "
                          "WHERE ARTNR = 3002");
    EXPECT_EQ(yew->value(0), Value::text("011"));
    EXPECT_TRUE(yew->value(1).isNull());
    // the record choice sorts by field names as it reads them, unbracketed
    auto sorted = db->openRecordset(
        "SELECT * FROM Abfrage_Friedhof WHERE ARTNR LIKE '*' ORDER BY Stauden.FAMILIE, ARTNR");
    EXPECT_EQ(texts(*sorted, "ARTNR"), (QStringList{"3001", "3002", "6001", "2001"}));
}

TEST(StoredQueries, UnionsAliasesAndQueriesOnQueries) {
    auto db = Database::open(plantDatabase());
    auto all = db->openRecordset("Alle_Namen");
    EXPECT_EQ(names(*all), (QStringList{"Bot_Name", "DTNAM", "Art"}));
    EXPECT_EQ(texts(*all, "Bot_Name"),
              (QStringList{"Achillea millefolium", "Anthericum ramosum", "Bergenia cordifolia",
                           "Buxus sempervirens", "Hosta sieboldiana", "Malus 'Evereste'",
                           "Taxus baccata"}));
    auto woody = db->openRecordset(
        QStringLiteral("SELECT * FROM Alle_Namen WHERE Art = 'gehölz' ORDER BY DTNAM"));
    EXPECT_EQ(texts(*woody, "DTNAM"), (QStringList{"Buchsbaum", "Eibe", "Zierapfel"}));

    auto sunny = db->openRecordset("Stauden_Sonnig");
    EXPECT_EQ(names(*sunny), (QStringList{"ARTNR", "Name"}));
    EXPECT_EQ(texts(*sunny, "Name"),
              (QStringList{"Bergenia cordifolia", "Anthericum ramosum", "Achillea millefolium"}));
    // A query of one table read through another query keeps its fields.
    auto sunnyAgain = db->openRecordset("SELECT * FROM Stauden_Sonnig WHERE ARTNR LIKE '*'");
    EXPECT_EQ(names(*sunnyAgain), (QStringList{"ARTNR", "Name"}));
    EXPECT_EQ(texts(*sunnyAgain, "Name"), texts(*sunny, "Name"));

    auto scented = db->openRecordset("SELECT ARTNR FROM Friedhof_Duft ORDER BY ARTNR");
    EXPECT_EQ(texts(*scented, "ARTNR"), (QStringList{"3002", "6001"}));

    auto dearest = db->openRecordset("Topfpfl_Teuerste");
    EXPECT_EQ(names(*dearest), (QStringList{"Bot_Name", "PREIS"}));
    EXPECT_EQ(dearest->recordCount(), 4); // 7.50 twice in third place
    EXPECT_EQ(dearest->value("PREIS"), Value::currency(120000));
}

TEST(StoredQueries, TheJet3SampleQueries) {
    const QString path = nwindPath();
    if (path.isEmpty())
        GTEST_SKIP() << "nwind.mdb is not there";
    auto db = Database::open(path);
    const auto products = mdbExport(path, "Products");
    const int priceCol = static_cast<int>(products[0].indexOf("UnitPrice"));
    double sum = 0;
    for (size_t r = 1; r < products.size(); ++r)
        sum += products[r][priceCol].toDouble();
    int above = 0;
    for (size_t r = 1; r < products.size(); ++r)
        above += products[r][priceCol].toDouble() > sum / static_cast<double>(products.size() - 1);

    auto aboveAverage = db->openRecordset("Products Above Average Price");
    EXPECT_EQ(aboveAverage->recordCount(), above);
    auto ten = db->openRecordset("Ten Most Expensive Products");
    EXPECT_EQ(ten->recordCount(), 10);
    EXPECT_EQ(ten->value("TenMostExpensiveProducts").toString(), QStringLiteral("Côte de Blaye"));
    EXPECT_EQ(db->openRecordset("Order Subtotals")->recordCount(),
              static_cast<int>(mdbExport(path, "Orders").size()) - 1);
    auto cities = db->openRecordset("Customers and Suppliers by City");
    EXPECT_EQ(names(*cities), (QStringList{"City", "CompanyName", "ContactName", "Relationship"}));
    EXPECT_EQ(cities->recordCount(), static_cast<int>(mdbExport(path, "Customers").size() +
                                                      mdbExport(path, "Suppliers").size()) -
                                         2);
    auto invoices = db->openRecordset("Invoices");
    EXPECT_TRUE(names(*invoices).contains("Customers.CompanyName"));
    EXPECT_TRUE(names(*invoices).contains("Shippers.CompanyName"));

    const struct {
        const char* query;
        int number;
    } refused[] = {{"Quarterly Orders by Product", fehler::NichtUnterstuetzt},
                   {"Employee Sales by Country", fehler::NichtUnterstuetzt},
                   {"Invoices Filter", fehler::ParameterFehlen}};
    for (const auto& r : refused) {
        try {
            db->openRecordset(r.query);
            ADD_FAILURE() << r.query;
        } catch (const JetError& e) {
            EXPECT_EQ(e.number(), r.number) << r.query;
        }
    }
}

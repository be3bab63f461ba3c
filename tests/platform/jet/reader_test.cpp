// Values as the reader decodes them from real files: our Jet 4 plant
// database and, where present, the Jet 3 sample database.
#include "platform/jet/gridmodel.h"
#include "platform/jet/jet.h"
#include "tests/platform/jet/support/fixture.h"
#include "tests/platform/jet/support/jet4_writer.h"
#include "tests/platform/jet/support/plant_db.h"
#include "tests/platform/jet/support/printing.h"

#include <gtest/gtest.h>

using namespace sorvo::jet;
using namespace sorvo::jet::testing;

namespace {

// The record whose ARTNR is artnr, as a record set standing on it.
std::shared_ptr<Recordset> plant(const std::shared_ptr<Database>& db, int artnr) {
    auto rs =
        db->openRecordset(QStringLiteral("SELECT * FROM Topfpfl WHERE ARTNR = %1").arg(artnr));
    EXPECT_EQ(rs->recordCount(), 1);
    return rs;
}

} // namespace

TEST(Reader, EveryColumnTypeKeepsItsType) {
    auto db = Database::open(plantDatabase());
    auto rs = plant(db, 1002);
    EXPECT_EQ(rs->value("ARTNR"), Value::integer(1002, DataType::Long));
    EXPECT_EQ(rs->value("Bot_Name"), Value::text("acalypha hispida"));
    EXPECT_EQ(rs->value("FAMILIE"), Value::integer(2, DataType::Integer));
    EXPECT_EQ(rs->value("MINHOEHE"), Value::real(0.3));
    EXPECT_EQ(rs->value("GIFTIG"), Value::boolean(true));
    EXPECT_EQ(rs->value("BEMERKUNG"), Value::text("Giftig in allen Teilen.", DataType::Memo));
    EXPECT_EQ(rs->value("PREIS"), Value::currency(75000));
    EXPECT_EQ(rs->value("STUECK"), Value::integer(1, DataType::Byte));
    EXPECT_EQ(rs->value("GEWICHT"), Value::real(1.5, DataType::Single));
    EXPECT_EQ(rs->value("AENDERUNG").type(), DataType::Date);
    EXPECT_EQ(rs->value("AENDERUNG").toDateTime(),
              QDateTime(QDate(2004, 1, 31), QTime(13, 45, 10)));
    EXPECT_EQ(rs->field("PREIS").type(), DataType::Currency);
    EXPECT_EQ(rs->field("GIFTIG").type(), DataType::Boolean);
    EXPECT_FALSE(plant(db, 1001)->value("GIFTIG").toBool());
}

TEST(Reader, NullStaysApartFromTheEmptyText) {
    auto db = Database::open(plantDatabase());
    EXPECT_TRUE(plant(db, 1004)->value("DTNAM").isNull());
    const Value empty = plant(db, 1005)->value("DTNAM");
    EXPECT_FALSE(empty.isNull());
    EXPECT_EQ(empty, Value::text(""));
    EXPECT_TRUE(plant(db, 1004)->value("BEMERKUNG").isNull());
    EXPECT_EQ(plant(db, 1005)->value("BEMERKUNG"), Value::text("", DataType::Memo));
    EXPECT_EQ(plant(db, 1004)->value("PREIS"), Value::currency(75000));
    EXPECT_TRUE(plant(db, 1004)->value("AENDERUNG").isNull());
    EXPECT_TRUE(plant(db, 1004)->value("STUECK").isNull());

    // and SQL keeps them apart too
    auto nulls = db->openRecordset("SELECT ARTNR FROM Topfpfl WHERE DTNAM Is Null");
    auto empties = db->openRecordset("SELECT ARTNR FROM Topfpfl WHERE DTNAM = ''");
    EXPECT_EQ(nulls->recordCount(), 1);
    EXPECT_EQ(nulls->value(0), Value::integer(1004));
    EXPECT_EQ(empties->recordCount(), 1);
    EXPECT_EQ(empties->value(0), Value::integer(1005));
}

TEST(Reader, MemosOfEveryLengthAndCompressedTexts) {
    auto db = Database::open(plantDatabase());
    EXPECT_EQ(plant(db, 1001)->value("BEMERKUNG").toString(), longMemo());
    EXPECT_EQ(plant(db, 1003)->value("BEMERKUNG").toString(), QString(300, 'x') + "ende");
    // the whole memo reaches SQL, not just its first page
    auto rs = db->openRecordset("SELECT ARTNR FROM Topfpfl WHERE BEMERKUNG LIKE '*Zeile 300:*'");
    ASSERT_EQ(rs->recordCount(), 1);
    EXPECT_EQ(rs->value(0), Value::integer(1001));
    // umlauts in compressed and uncompressed columns, characters beyond
    // Latin-1 in a compressed one
    EXPECT_EQ(plant(db, 1004)->value("HERKUNFT").toString(), QStringLiteral("Südafrika"));
    EXPECT_EQ(plant(db, 1003)->value("Bot_Name").toString(), QStringLiteral("Ächmea fasciata"));
    auto s = db->openRecordset("SELECT BEMERKUNG FROM Stauden WHERE ARTNR = 2001");
    EXPECT_EQ(s->value(0).toString(), QStringLiteral("Heilpflanze – 3 € je Topf"));
}

TEST(Reader, SingleAndDoubleNumbersShowTheirShortestDigits) {
    // Each value in a Single and a Double column; the texts are those of a
    // label (neutral), of the grid (German) and of SQL's text conversion.
    const struct {
        double wert;
        const char *text, *gitter, *sql;
    } faelle[] = {
        {0.05, "0.05", "0,05", "0,05"},    {1.2, "1.2", "1,2", "1,2"},
        {12.5, "12.5", "12,5", "12,5"},    {-0.3, "-0.3", "-0,3", "-0,3"},
        {1e-7, "1e-07", "1E-07", "1e-07"}, {3.4e38, "3.4e+38", "3,4E+38", "3,4e+38"},
    };
    std::vector<Row> zeilen;
    for (const auto& f : faelle)
        zeilen.push_back({qint64(zeilen.size() + 1), f.wert, f.wert});
    Jet4Writer w;
    w.addTable("Masse",
               {{"Nr", DataType::Long}, {"Hoehe", DataType::Single}, {"Preis", DataType::Double}},
               zeilen);
    const QString pfad = scratchFolder() + "/masse.mdb";
    w.write(pfad);
    auto db = Database::open(pfad);
    auto rs =
        db->openRecordset("SELECT Hoehe, Preis, CStr(Hoehe), CStr(Preis) FROM Masse ORDER BY Nr");
    ASSERT_EQ(rs->recordCount(), static_cast<int>(std::size(faelle)));
    RecordsetModel gitter;
    gitter.setRecordset(db->openRecordset("SELECT Hoehe, Preis FROM Masse ORDER BY Nr"));
    int r = 0;
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.text);
        EXPECT_EQ(rs->field(0).type(), DataType::Single);
        for (int c : {0, 1}) {
            EXPECT_EQ(rs->valueAt(r, c).toString(), f.text) << c;
            EXPECT_EQ(gitter.data(gitter.index(r, c)).toString(), f.gitter) << c;
            EXPECT_EQ(rs->valueAt(r, c + 2).toString(), f.sql) << c;
        }
        // The Single's digits give back the very Single that was stored.
        EXPECT_EQ(static_cast<float>(rs->valueAt(r, 0).toDouble()), static_cast<float>(f.wert));
        ++r;
    }
    // A Double keeps all the digits it needs; a Single made in SQL prints
    // as a Single.
    auto mehr = db->openRecordset("SELECT 0.1 + 0.2, CSng(1 / 3) FROM Masse WHERE Nr = 1");
    EXPECT_EQ(mehr->value(0).toString(), "0.30000000000000004");
    EXPECT_EQ(mehr->value(1).toString(), "0.33333334");
}

TEST(Reader, CatalogueTablesAndFields) {
    auto db = Database::open(plantDatabase());
    const auto defs = db->tableDefs();
    QStringList names;
    QStringList system;
    for (const auto& d : defs) {
        names << d.name;
        if (d.system)
            system << d.name;
    }
    EXPECT_EQ(system, (QStringList{"MSysObjects", "MSysQueries"}));
    EXPECT_TRUE(names.contains("Namen_Benutzer_Optionen"));
    EXPECT_FALSE(names.contains("Abfrage_Friedhof")); // stored queries are no table definitions
    EXPECT_EQ(names.indexOf("Apfel"), 0);             // sorted by name
    EXPECT_LT(names.indexOf("Gehoelze"), names.indexOf("MSysObjects"));

    QStringList fields;
    for (const auto& f : db->tableFields("gehoelze")) // names compare without case
        fields << f.name;
    EXPECT_EQ(fields, (QStringList{"ARTNR", "DTNAM", "Bot_Name", "FAMILIE", "LICHT", "BLUEHZEIT"}));
    EXPECT_EQ(db->queryNames().size(), 7);
}

TEST(Reader, Jet3SampleAgreesWithMdbExport) {
    const QString path = nwindPath();
    if (path.isEmpty())
        GTEST_SKIP() << "nwind.mdb is not there";
    auto db = Database::open(path);
    for (const QString& table : mdbTables(path)) {
        const auto exported = mdbExport(path, table);
        auto rs = db->openRecordset(QLatin1Char('[') + table + QLatin1Char(']'));
        EXPECT_EQ(rs->recordCount(), static_cast<int>(exported.size()) - 1) << table.toStdString();
    }
    // texts, currency, dates and yes/no of one product, compared with mdbtools
    const auto products = mdbExport(path, "Products");
    const int name = static_cast<int>(products[0].indexOf("ProductName"));
    const int price = static_cast<int>(products[0].indexOf("UnitPrice"));
    const int gone = static_cast<int>(products[0].indexOf("Discontinued"));
    auto rs = db->openRecordset("SELECT * FROM Products ORDER BY ProductID");
    for (size_t r = 1; r < products.size(); ++r, rs->moveNext()) {
        EXPECT_EQ(rs->value("ProductName").toString(), products[r][name]);
        EXPECT_DOUBLE_EQ(rs->value("UnitPrice").toDouble(), products[r][price].toDouble());
        EXPECT_EQ(rs->value("Discontinued").toBool(), products[r][gone] == "1");
    }
    auto orders = db->openRecordset("SELECT OrderDate FROM Orders WHERE OrderID = 10248");
    EXPECT_EQ(orders->value(0).toDate(), QDate(1994, 8, 4));
    auto umsatz = db->openRecordset(QStringLiteral("SELECT Count(*) FROM [Umsätze]"));
    EXPECT_EQ(umsatz->value(0), Value::integer(830));
    auto pictures = db->openRecordset("SELECT Picture FROM Categories WHERE CategoryID = 1");
    EXPECT_GT(pictures->value(0).toBytes().size(), 1000);
}

// The test writer is checked by mdbtools, so that it cannot drift into a
// format only our own reader accepts.
#include "platform/jet/jet.h"
#include "tests/platform/jet/support/fixture.h"
#include "tests/platform/jet/support/plant_db.h"
#include "tests/platform/jet/support/printing.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace sorvo::jet;
using namespace sorvo::jet::testing;

TEST(Writer, MdbToolsListTheTablesAndQueries) {
    QStringList tables = mdbTables(plantDatabase());
    tables.sort();
    QStringList expected{"Apfel",
                         "Apfel_Bilder",
                         "Familien",
                         "Friedhof",
                         "Friedhof_Bilder",
                         "Gehoelze",
                         "Gehoelze_Bilder",
                         "Gehoelze_Synonyme_Botanisch",
                         "Gehoelze_Synonyme_Deutsch",
                         "Namen_Benutzer_Optionen",
                         "Obst",
                         "Obst_Bilder",
                         "Stauden",
                         "Stauden_Bilder",
                         "Stauden_Synonyme_Botanisch",
                         "Stauden_Synonyme_Deutsch",
                         "Topfpfl",
                         "Topfpfl_Bilder",
                         "Topfpfl_Synonyme_Botanisch",
                         "Topfpfl_Synonyme_Deutsch"};
    EXPECT_EQ(tables, expected); // the system tables stay hidden

    const auto rows = mdbExport(plantDatabase(), QStringLiteral("MSysObjects"));
    QStringList queries;
    const int nameCol = static_cast<int>(rows.front().indexOf(QStringLiteral("Name")));
    const int typeCol = static_cast<int>(rows.front().indexOf(QStringLiteral("Type")));
    for (size_t r = 1; r < rows.size(); ++r)
        if (rows[r].value(typeCol) == QLatin1String("5"))
            queries << rows[r].value(nameCol);
    queries.sort();
    EXPECT_EQ(queries,
              (QStringList{"Abfrage_Friedhof", "Alle_Namen", "Friedhof_Duft", "Kreuztabelle",
                           "Nach_Familie", "Stauden_Sonnig", "Topfpfl_Teuerste"}));
}

TEST(Writer, MdbExportReadsEveryValueOfThePlantTable) {
    const auto rows = mdbExport(plantDatabase(), QStringLiteral("Topfpfl"));
    ASSERT_EQ(rows.size(), 12u); // header and eleven plants
    EXPECT_EQ(rows[0], (QStringList{"ARTNR", "Bot_Name", "DTNAM", "FAMILIE", "HERKUNFT", "MINHOEHE",
                                    "MAXHOEHE", "BLUEHZEIT", "GIFTIG", "BEMERKUNG", "BENU_EIGEN",
                                    "PREIS", "AENDERUNG", "STUECK", "GEWICHT"}));
    // Row by row as the writer was given them; mdbtools shows Null and ""
    // alike, so only the values themselves are compared here.
    const QStringList first = rows[1];
    EXPECT_EQ(first[0], "1001");
    EXPECT_EQ(first[1], QStringLiteral("Abutilon megapotamicum"));
    EXPECT_EQ(first[2], QStringLiteral("Schönmalve"));
    EXPECT_EQ(first[4], QStringLiteral("Brasilien")); // the uncompressed column
    EXPECT_EQ(first[5], "0.5");
    EXPECT_EQ(first[8], "0");
    EXPECT_EQ(first[9], longMemo()); // chained over several long-value pages, not cut
    EXPECT_EQ(first[11].toDouble(), 4.95);
    EXPECT_EQ(first[12], "2003-04-05 00:00:00");
    EXPECT_EQ(first[14], "0.25");
    const QStringList second = rows[2];
    EXPECT_EQ(second[1], QStringLiteral("acalypha hispida"));
    EXPECT_EQ(second[8], "1");
    EXPECT_EQ(second[9], QStringLiteral("Giftig in allen Teilen.")); // inline memo
    EXPECT_EQ(second[12], "2004-01-31 13:45:10");
    EXPECT_EQ(rows[3][1], QStringLiteral("Ächmea fasciata"));
    EXPECT_EQ(rows[3][9],
              QString(300, QLatin1Char('x')) + QStringLiteral("ende")); // one long-value page
    EXPECT_EQ(rows[4][2], QString());                                   // Null
    EXPECT_EQ(rows[9][0], QString());                                   // Null article number
    EXPECT_EQ(rows[9][1], QStringLiteral("Pachira aquatica"));
}

TEST(Writer, ThousandsOfPlantsAndLongDefinitionsStayReadable) {
    // 2,000 plants with 500-character remarks stored uncompressed need more
    // pages than an inline page map covers; 120 long column names need a
    // table definition over several pages.
    std::vector<ColumnSpec> wide;
    Row wideRow;
    for (int c = 0; c < 120; ++c) {
        wide.push_back({QStringLiteral("Spalte_mit_einem_recht_langen_Namen_%1")
                            .arg(c, 3, 10, QLatin1Char('0')),
                        c % 2 ? DataType::Long : DataType::Text, 20});
        wideRow.push_back(c % 2 ? Cell(qint64(c)) : Cell(QStringLiteral("W%1").arg(c)));
    }
    const QStringList genera{"Abies", "Ächmea", "Begonia", "Ölbaum", "Zelkova"};
    std::vector<Row> plants;
    for (int r = 0; r < 2000; ++r)
        plants.push_back({Cell(qint64(10000 + r)),
                          Cell(QStringLiteral("%1 Nr. %2").arg(genera[r % 5]).arg(r)),
                          r % 3 ? Cell(QStringLiteral("Pflanze %1").arg(r)) : Cell(),
                          Cell(QString(500, QChar(u'a' + r % 26)))});
    ColumnSpec remark{"BEMERKUNG", DataType::Text, 255};
    remark.length = 500;
    remark.compressed = false;
    Jet4Writer w;
    w.addTable(QStringLiteral("Breit"), wide, {wideRow});
    w.addTable(QStringLiteral("Topfpfl"),
               {{"ARTNR", DataType::Long},
                {"Bot_Name", DataType::Text, 100},
                {"DTNAM", DataType::Text, 100},
                remark},
               plants);
    const QString path = QDir(scratchFolder()).filePath(QStringLiteral("gross.mdb"));
    w.write(path);
    ASSERT_GT(QFileInfo(path).size(), 2000 * 1000);

    const auto exported = mdbExport(path, QStringLiteral("Topfpfl"));
    ASSERT_EQ(exported.size(), 2001u);
    EXPECT_EQ(exported[2000], (QStringList{"11999", QStringLiteral("Zelkova Nr. 1999"),
                                           "Pflanze 1999", QString(500, QChar(u'a' + 1999 % 26))}));
    const auto breit = mdbExport(path, QStringLiteral("Breit"));
    ASSERT_EQ(breit.size(), 2u);
    ASSERT_EQ(breit[0].size(), 120);
    EXPECT_EQ(breit[0][119], "Spalte_mit_einem_recht_langen_Namen_119");
    EXPECT_EQ(breit[1][118], "W118");
    EXPECT_EQ(breit[1][119], "119");

    // and our reader agrees, sorting them as the record choice does
    auto db = Database::open(path);
    auto rs = db->openRecordset("SELECT * From Topfpfl WHERE ARTNR LIKE '*' ORDER BY Bot_Name");
    ASSERT_EQ(rs->recordCount(), 2000);
    EXPECT_EQ(rs->value("Bot_Name").toString(), "Abies Nr. 0");
    rs->setBookmark(rs->bookmarkAt(400)); // the Ächmeas follow the 400 firs
    EXPECT_EQ(rs->value("Bot_Name").toString(), QStringLiteral("Ächmea Nr. 1"));
    rs->moveLast();
    EXPECT_EQ(rs->value("Bot_Name").toString(), "Zelkova Nr. 999");
    EXPECT_EQ(db->openRecordset("SELECT Count(*) FROM Topfpfl WHERE DTNAM Is Null")->value(0),
              Value::integer(667));
    auto b = db->openRecordset(QStringLiteral("Breit"));
    EXPECT_EQ(b->fieldCount(), 120);
    EXPECT_EQ(b->value(119), Value::integer(119));
}

TEST(Writer, AnEncodedDatabaseIsReadLikeAPlainOne) {
    Jet4Writer w;
    w.setEncodingKey(0x5A17C0DE);
    w.addTable(
        "Familien",
        {{"FAMILIE", DataType::Integer}, {"FAMNAME", DataType::Text}, {"NOTIZ", DataType::Memo}},
        {{Cell(qint64(1)), Cell(QStringLiteral("Malvaceae")),
          Cell(QString(3000, QLatin1Char('m')))},
         {Cell(qint64(2)), Cell(QStringLiteral("Rosaceae")), Cell()}});
    const QString path = QDir(scratchFolder()).filePath(QStringLiteral("kodiert.mdb"));
    w.write(path);
    QFile raw(path);
    ASSERT_TRUE(raw.open(QIODevice::ReadOnly));
    EXPECT_FALSE(raw.readAll().contains(QByteArray("Malvaceae"))); // nothing readable in the file

    const auto exported = mdbExport(path, "Familien");
    ASSERT_EQ(exported.size(), 3u);
    EXPECT_EQ(exported[1][1], "Malvaceae");
    auto rs = Database::open(path)->openRecordset("SELECT * FROM Familien ORDER BY FAMNAME DESC");
    EXPECT_EQ(rs->value("FAMNAME"), Value::text("Rosaceae"));
    rs->moveNext();
    EXPECT_EQ(rs->value("NOTIZ").toString(), QString(3000, QLatin1Char('m')));
}

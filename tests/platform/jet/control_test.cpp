// The data control, the record set's cursor and the grid model over it.
#include "platform/jet/datacontrol.h"
#include "platform/jet/gridmodel.h"
#include "platform/jet/jet.h"
#include "tests/platform/jet/support/fixture.h"
#include "tests/platform/jet/support/jet4_writer.h"
#include "tests/platform/jet/support/printing.h"

#include <QDir>
#include <QFile>
#include <QItemSelectionModel>
#include <gtest/gtest.h>

using namespace sorvo::jet;
using namespace sorvo::jet::testing;

namespace {

const char* mainQuery = "SELECT * From Topfpfl WHERE ARTNR LIKE '*' ORDER BY Bot_Name";

int errorOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const JetError& e) {
        return e.number();
    }
    return 0;
}

} // namespace

TEST(DataControl, BindsAndSharesTheDatabase) {
    DataControl data1;
    int refreshed = 0;
    QObject::connect(&data1, &DataControl::refreshed, [&] { ++refreshed; });
    data1.setDatabaseName(plantDatabase());
    data1.setRecordSource(mainQuery);
    data1.setCaption("Topfpfl");
    EXPECT_FALSE(data1.isBound()); // nothing happens before Refresh
    data1.refresh();
    ASSERT_TRUE(data1.isBound());
    EXPECT_EQ(refreshed, 1);
    EXPECT_EQ(data1.caption(), "Topfpfl");
    EXPECT_EQ(data1.recordset()->recordCount(), 10);
    EXPECT_EQ(data1.recordset()->value("ARTNR"), Value::integer(1008));

    DataControl data2;
    data2.setDatabaseName(plantDatabase());
    data2.setRecordSource("Familien");
    data2.refresh();
    EXPECT_EQ(data1.database(), data2.database()); // one engine for the file
    data2.setRecordSource("SELECT FAMNAME FROM Familien WHERE FAMILIE LIKE 3");
    data2.refresh();
    EXPECT_EQ(data2.recordset()->value(0), Value::text("Bromeliaceae"));
}

TEST(DataControl, UnboundStatesAndErrors) {
    DataControl data;
    int refreshed = 0;
    QObject::connect(&data, &DataControl::refreshed, [&] { ++refreshed; });
    // the unload: everything empty
    data.refresh();
    EXPECT_FALSE(data.isBound());
    // the placeholder of a closed label window, which need not exist
    data.setDatabaseName(QDir(scratchFolder()).filePath("dummy.vxd"));
    data.setRecordSource("dummy1");
    data.refresh();
    EXPECT_FALSE(data.isBound());
    data.setConnectString("Text;");
    data.setDatabaseName(scratchFolder());
    data.setRecordSource("dummy.txt");
    data.refresh();
    EXPECT_FALSE(data.isBound());
    EXPECT_EQ(refreshed, 3);

    data.setConnectString("Access");
    data.setDatabaseName(plantDatabase());
    data.setRecordSource("Topfpfl");
    data.refresh();
    ASSERT_TRUE(data.isBound());
    // a failing Refresh leaves the control unbound and says why
    data.setRecordSource("SELECT * FROM Kakteen");
    EXPECT_EQ(errorOf([&] { data.refresh(); }), fehler::ObjektNichtGefunden);
    EXPECT_FALSE(data.isBound());
    EXPECT_EQ(refreshed, 5);
    data.setDatabaseName(QDir(scratchFolder()).filePath("fehlt.mdb"));
    data.setRecordSource("Topfpfl");
    EXPECT_EQ(errorOf([&] { data.refresh(); }), fehler::DateiNichtGefunden);
    data.setConnectString("dBASE IV;");
    data.setDatabaseName(plantDatabase());
    EXPECT_EQ(errorOf([&] { data.refresh(); }), fehler::NichtUnterstuetzt);
}

TEST(DataControl, AChangedFileIsReadAgain) {
    const QString path = QDir(scratchFolder()).filePath("eigen.mdb");
    auto writeRows = [&](int n) {
        std::vector<Row> rows;
        for (int i = 0; i < n; ++i)
            rows.push_back({Cell(qint64(i)), Cell(QStringLiteral("Nr. %1").arg(i))});
        Jet4Writer w;
        w.addTable("Liste", {{"Nr", DataType::Long}, {"Name", DataType::Text}}, rows);
        w.write(path);
    };
    writeRows(3);
    DataControl data;
    data.setDatabaseName(path);
    data.setRecordSource("Liste");
    data.refresh();
    EXPECT_EQ(data.recordset()->recordCount(), 3);
    writeRows(400);
    data.refresh();
    EXPECT_EQ(data.recordset()->recordCount(), 400);
}

TEST(Recordset, CursorFieldsAndBookmarks) {
    auto db = Database::open(plantDatabase());
    auto rs = db->openRecordset(mainQuery);
    EXPECT_FALSE(rs->bof());
    int n = 0;
    for (rs->moveFirst(); !rs->eof(); rs->moveNext())
        ++n;
    EXPECT_EQ(n, rs->recordCount());
    EXPECT_EQ(errorOf([&] { rs->moveNext(); }), fehler::KeinAktuellerDatensatz);
    EXPECT_EQ(errorOf([&] { rs->value(0); }), fehler::KeinAktuellerDatensatz);
    rs->moveLast();
    EXPECT_EQ(rs->value("bot_name"), Value::text("Zantedeschia aethiopica")); // names without case
    EXPECT_EQ(rs->field(1).name(), "Bot_Name");
    EXPECT_EQ(errorOf([&] { rs->value("Preisklasse"); }), fehler::ElementNichtGefunden);
    EXPECT_EQ(errorOf([&] { rs->field(99); }), fehler::ElementNichtGefunden);

    rs->moveFirst();
    rs->moveNext();
    rs->moveNext();
    const Bookmark third = rs->bookmark();
    rs->moveLast();
    rs->setBookmark(third);
    EXPECT_EQ(rs->value("ARTNR"), Value::integer(1002));
    EXPECT_EQ(rs->absolutePosition(), 2);
    auto other = db->openRecordset(mainQuery);
    EXPECT_EQ(errorOf([&] { other->setBookmark(third); }), fehler::UngueltigesLesezeichen);

    auto none =
        db->openRecordset("SELECT * FROM Topfpfl WHERE BOT_NAME LIKE 'Q*' ORDER BY Bot_Name");
    EXPECT_TRUE(none->bof());
    EXPECT_TRUE(none->eof());
    EXPECT_EQ(none->recordCount(), 0);
    EXPECT_EQ(none->fieldCount(), 15); // the fields are there all the same
    EXPECT_EQ(errorOf([&] { none->moveFirst(); }), fehler::KeinAktuellerDatensatz);
}

TEST(GridModel, ShowsTheRecordsAndReportsSelectedBookmarks) {
    DataControl data;
    data.setDatabaseName(plantDatabase());
    data.setRecordSource(mainQuery);
    data.refresh();
    RecordsetModel grid;
    grid.setDataControl(&data);
    grid.setColumns({{"BOT_NAME", "Botanischer Name"}, {"DTNAM", "Deutscher Name"}});
    ASSERT_EQ(grid.rowCount(), 10);
    EXPECT_EQ(grid.columnCount(), 2);
    EXPECT_EQ(grid.headerData(0, Qt::Horizontal).toString(), "Botanischer Name");
    EXPECT_EQ(grid.headerData(1, Qt::Horizontal).toString(), "Deutscher Name");
    EXPECT_EQ(grid.data(grid.index(0, 0)).toString(), ""); // the Null name sorts first
    EXPECT_EQ(grid.data(grid.index(1, 0)).toString(), "Abutilon megapotamicum");
    EXPECT_EQ(grid.data(grid.index(1, 1)).toString(), QStringLiteral("Schönmalve"));

    // Rows 3 and 6 are selected (one of them twice, through two cells).
    QItemSelectionModel selection(&grid);
    selection.select(grid.index(6, 1), QItemSelectionModel::Select);
    selection.select(grid.index(3, 0), QItemSelectionModel::Select);
    selection.select(grid.index(3, 1), QItemSelectionModel::Select);
    const QList<Bookmark> marks = grid.selectedBookmarks(selection);
    ASSERT_EQ(marks.size(), 2);
    Recordset& rs = *data.recordset();
    rs.setBookmark(marks[0]);
    EXPECT_EQ(rs.value("ARTNR"), Value::integer(1003));
    rs.setBookmark(marks[1]);
    EXPECT_EQ(rs.value("ARTNR"), Value::integer(1005));

    // A letter button re-queries; the grid follows its data control.
    data.setRecordSource("SELECT * FROM Topfpfl WHERE BOT_NAME LIKE 'Z*' ORDER BY Bot_Name");
    data.refresh();
    EXPECT_EQ(grid.rowCount(), 2);
    EXPECT_EQ(grid.data(grid.index(1, 0)).toString(), "Zantedeschia aethiopica");
    // an own table with a single field binds the second column to nothing
    grid.setColumns({{"ARTNR", "Nr"}, {"", ""}});
    EXPECT_EQ(grid.data(grid.index(0, 1)).toString(), "");
    data.setDatabaseName("");
    data.refresh();
    EXPECT_EQ(grid.rowCount(), 0);
}

TEST(GridModel, AllFieldsAndTheirDisplay) {
    auto db = Database::open(plantDatabase());
    RecordsetModel grid;
    grid.setRecordset(
        db->openRecordset("SELECT ARTNR, MINHOEHE, GIFTIG, AENDERUNG, PREIS, DTNAM FROM "
                          "Topfpfl WHERE ARTNR = 1002"));
    ASSERT_EQ(grid.columnCount(), 6);
    EXPECT_EQ(grid.headerData(3, Qt::Horizontal).toString(), "AENDERUNG");
    QStringList shown;
    for (int c = 0; c < grid.columnCount(); ++c)
        shown << grid.data(grid.index(0, c)).toString();
    EXPECT_EQ(shown,
              (QStringList{"1002", "0,3", "Wahr", "31.01.2004 13:45:10", "7,5", "Katzenschwanz"}));
    grid.setDisplayFunction(
        [](const Value& v) { return v.isNull() ? QStringLiteral("-") : v.toString(); });
    EXPECT_EQ(grid.data(grid.index(0, 1)).toString(), "0.3");
}

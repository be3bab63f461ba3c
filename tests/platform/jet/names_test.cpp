// Names of tables, fields and text files that need quoting: written with
// sqlName, they stand for themselves wherever they are used.
#include "platform/jet/datacontrol.h"
#include "platform/jet/jet.h"
#include "tests/platform/jet/support/fixture.h"
#include "tests/platform/jet/support/jet4_writer.h"
#include "tests/platform/jet/support/printing.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace sorvo::jet;
using namespace sorvo::jet::testing;

namespace {

// Names Access and the file system allow, each used for a table (or text
// file) and the names of its two fields.
const QStringList& names() {
    static const QStringList n{
        QStringLiteral("Kunden's Liste"),
        QStringLiteral("Kunden \"Liste\""),
        QStringLiteral(" Kunden Liste "),
        QStringLiteral("Kunden#Liste"),
        QStringLiteral("Kunden & Liste"),
        QStringLiteral("Größe Übersicht"),
        QStringLiteral("Select"),
        QStringLiteral("sqlite_Liste"),
        QStringLiteral("Sehr lange Liste ") + QString(47, QChar(u'ä')),
    };
    return n;
}

QStringList column(Recordset& rs, int field) {
    QStringList out;
    for (int r = 0; r < rs.recordCount(); ++r)
        out << rs.valueAt(r, field).toString();
    return out;
}

} // namespace

TEST(Names, SqlNameQuotesWhatIsNoPlainWord) {
    const struct {
        const char* name;
        const char* always;
        const char* whenNeeded;
    } cases[] = {
        {"Bot_Name", "[Bot_Name]", "Bot_Name"},
        {"Höhe", "[Höhe]", "Höhe"},
        {"Topfpfl", "[Topfpfl]", "Topfpfl"},
        {"Order", "[Order]", "[Order]"},
        {"null", "[null]", "[null]"},
        {"Yes", "[Yes]", "[Yes]"},
        {"1a", "[1a]", "[1a]"},
        {"Art-Nr", "[Art-Nr]", "[Art-Nr]"},
        {"Friedhof.Bot_Name", "[Friedhof.Bot_Name]", "[Friedhof.Bot_Name]"},
        {" a", "[ a]", "[ a]"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString name = QString::fromUtf8(c.name);
        EXPECT_EQ(sqlName(name), QString::fromUtf8(c.always));
        EXPECT_EQ(sqlName(name, Brackets::WhenNeeded), QString::fromUtf8(c.whenNeeded));
        EXPECT_TRUE(sqlNameWritable(name));
    }
    EXPECT_FALSE(sqlNameWritable(QStringLiteral("Kunden]Liste")));
}

TEST(Names, TablesAndFieldsOfAnyNameAreReadFilteredAndSorted) {
    Jet4Writer w;
    for (const QString& name : names())
        w.addTable(name,
                   {{name + QStringLiteral(" Nr"), DataType::Text, 20},
                    {QStringLiteral("Name ") + name, DataType::Text, 20}},
                   {{QStringLiteral("B2"), QStringLiteral("Ahorn")},
                    {QStringLiteral("A1"), QStringLiteral("Zeder")},
                    {QStringLiteral("a3"), QStringLiteral("Buchs")}});
    const QString path = QDir(scratchFolder()).filePath(QStringLiteral("namen.mdb"));
    w.write(path);
    const auto db = Database::open(path);
    for (const QString& name : names()) {
        SCOPED_TRACE(name.toStdString());
        const QString nr = sqlName(name + QStringLiteral(" Nr"));
        const QString n = sqlName(QStringLiteral("Name ") + name);
        auto all = db->openRecordset(sqlName(name));
        EXPECT_EQ(column(*all, 0), (QStringList{"B2", "A1", "a3"}));
        auto letter = db->openRecordset(QStringLiteral("SELECT * FROM %1 WHERE %2 LIKE 'A*' "
                                                       "ORDER BY %2")
                                            .arg(sqlName(name), nr));
        EXPECT_EQ(column(*letter, 0), (QStringList{"A1", "a3"}));
        auto sorted = db->openRecordset(
            QStringLiteral("SELECT * FROM %1 WHERE %2 LIKE '*' ORDER BY %2").arg(sqlName(name), n));
        EXPECT_EQ(column(*sorted, 1), (QStringList{"Ahorn", "Buchs", "Zeder"}));
        // A field of that name read by name from the record set.
        EXPECT_EQ(sorted->value(name + QStringLiteral(" Nr")).toString(), "B2");
    }
}

TEST(Names, TextFilesOfAnyNameAreTables) {
    const QString dir = scratchFolder();
    for (const QString& name : names()) {
        SCOPED_TRACE(name.toStdString());
        QFile f(QDir(dir).filePath(name + QStringLiteral(".txt")));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("Nr;Preis\r\nA1;3,95\r\n");
        f.close();
        DataControl data;
        data.setConnectString(QStringLiteral("Text;"));
        data.setDatabaseName(dir);
        data.setRecordSource(sqlName(name + QStringLiteral(".txt")));
        data.refresh();
        ASSERT_TRUE(data.isBound());
        EXPECT_EQ(data.recordset()->value(1).toString(), "3,95");
    }
    // A blank at the end of the name belongs to it: the file without the
    // blank is another table.
    QFile ohne(QDir(dir).filePath(QStringLiteral(" Kunden Liste.txt")));
    ASSERT_TRUE(ohne.open(QIODevice::WriteOnly));
    ohne.write("Nr;Preis\r\nA1;7,00\r\n");
    ohne.close();
    const auto db = Database::openTextFolder(dir);
    EXPECT_EQ(db->openRecordset(sqlName(QStringLiteral(" Kunden Liste .txt")))->value(1).toString(),
              "3,95");
    EXPECT_EQ(db->openRecordset(sqlName(QStringLiteral(" Kunden Liste.txt")))->value(1).toString(),
              "7,00");
}

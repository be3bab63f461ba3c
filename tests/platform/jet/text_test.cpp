// Text tables: a folder as the database, a file as a table.
#include "platform/jet/datacontrol.h"
#include "platform/jet/jet.h"
#include "tests/platform/jet/support/fixture.h"
#include "tests/platform/jet/support/printing.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace sorvo::jet;
using namespace sorvo::jet::testing;

namespace {

QString writeFile(const QString& dir, const QString& name, const QByteArray& bytes) {
    const QString path = QDir(dir).filePath(name);
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        ADD_FAILURE() << "cannot write " << path.toStdString();
    return path;
}

// Every row as texts joined by "|", Null as "<Null>".
QStringList rows(Recordset& rs) {
    QStringList out;
    for (int r = 0; r < rs.recordCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < rs.fieldCount(); ++c) {
            const Value v = rs.valueAt(r, c);
            cells << (v.isNull() ? QStringLiteral("<Null>") : v.toString());
        }
        out << cells.join(QLatin1Char('|'));
    }
    return out;
}

} // namespace

TEST(TextTables, DelimitersQuotesAndEncodings) {
    struct Case {
        const char* what;
        QByteArray bytes;
        QStringList fields;
        QStringList rows;
    };
    const Case cases[] = {
        {"commas, quoted decimal comma, CRLF",
         "Nr,Preis\r\n4711,\"2,50\"\r\n4712,3\r\n",
         {"Nr", "Preis"},
         {"4711|2,50", "4712|3"}},
        {"semicolons as German spreadsheets write them",
         "Nr;Preis;Bemerkung\n4711;2,50;\"mit ; darin\"\n4711;9,99;zweite\n",
         {"Nr", "Preis", "Bemerkung"},
         {"4711|2,50|mit ; darin", "4711|9,99|zweite"}},
        {"tabs, Windows-1252",
         "Nr\tName\n1\t\xC4pfel \x80\n",
         {"Nr", "Name"},
         {QStringLiteral("1|Äpfel €")}},
        {"doubled quotes and a line break inside quotes",
         "Nr,Text\n1,\"Er sagte \"\"Hallo\"\"\nund ging\"\n",
         {"Nr", "Text"},
         {"1|Er sagte \"Hallo\"\nund ging"}},
        {"a quote never closed is plain text and swallows no row",
         "Nr;Preis\r\n\"Zantedeschia;1,00\r\nRose;2,00\r\n\"\"Tulpe;3,00\r\n",
         {"Nr", "Preis"},
         {"\"Zantedeschia|1,00", "Rose|2,00", "\"\"Tulpe|3,00"}},
        {"a quote closed lines later still spans them",
         "Nr;Text\n\"1;a\n2\";b\n3;c\n",
         {"Nr", "Text"},
         {"1;a\n2|b", "3|c"}},
        {"empty fields are Null, blank lines are skipped",
         "a;b\n1;\n\n;x\n",
         {"a", "b"},
         {"1|<Null>", "<Null>|x"}},
        {"UTF-8 with its mark",
         "\xEF\xBB\xBFNr;Name\n1;Gr\xC3\xB6\xC3\x9F"
         "e\n",
         {"Nr", "Name"},
         {QStringLiteral("1|Größe")}},
        {"a key with a trailing blank keeps it",
         "Nr;Preis\n4711 ;5\n4712;6\n",
         {"Nr", "Preis"},
         {"4711 |5", "4712|6"}},
        {"a missing header is named by its place, a short row filled with Null",
         "Nr;;Preis\n1;x\n",
         {"Nr", "F2", "Preis"},
         {"1|x|<Null>"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const QString dir = scratchFolder();
        writeFile(dir, "preise.txt", c.bytes);
        auto db = Database::openTextFolder(dir);
        auto rs = db->openRecordset("preise");
        QStringList fields;
        for (const auto& f : rs->fieldInfos())
            fields << f.name;
        EXPECT_EQ(fields, c.fields);
        EXPECT_EQ(rows(*rs), c.rows);
    }
}

TEST(TextTables, WholeNumbersAreNumbersTheRestStaysText) {
    const QString dir = scratchFolder();
    writeFile(dir, "preise.txt", "Nr;Preis;Code\n4711;2,50;0815\n12;3;A1\n");
    auto rs = Database::openTextFolder(dir)->openRecordset("preise");
    EXPECT_EQ(rs->value("Nr"), Value::integer(4711));
    EXPECT_EQ(rs->value("Preis"), Value::text("2,50")); // printed as written
    EXPECT_EQ(rs->value("Code"), Value::text("0815"));
}

TEST(TextTables, TheTextConnectionOfTheDataControl) {
    const QString dir = scratchFolder();
    writeFile(dir, "Preise.txt", "Nr;Preis\n4711;2,50\n4712;3,10\n4711;9,99\n");
    writeFile(dir, "leer.txt", "");
    writeFile(dir, "kopf.txt", "Nr;Preis\n");
    writeFile(dir, "notiz.doc", "keine Tabelle");

    DataControl data;
    data.setConnectString("Text;");
    data.setDatabaseName(dir);
    data.setRecordSource("Preise");
    data.setCaption("Preise");
    data.refresh();
    ASSERT_TRUE(data.isBound());
    Recordset& rs = *data.recordset();
    rs.moveFirst();
    // the first row whose key matches wins
    QString price;
    for (; !rs.eof(); rs.moveNext())
        if (rs.field(0).value().toString() == "4711") {
            price = rs.field(1).value().toString();
            break;
        }
    EXPECT_EQ(price, "2,50");

    for (const char* source : {"preise", "PREISE.TXT", "Preise#txt"}) {
        data.setRecordSource(source);
        data.refresh();
        EXPECT_EQ(data.recordset()->recordCount(), 3) << source;
    }
    data.setRecordSource("SELECT Preis FROM [Preise#txt] WHERE Nr = 4712");
    data.refresh();
    EXPECT_EQ(data.recordset()->value(0), Value::text("3,10"));

    QStringList tables;
    for (const auto& t : data.database()->tableDefs())
        tables << t.name;
    EXPECT_EQ(tables, (QStringList{"kopf#txt", "leer#txt", "Preise#txt"}));

    // an empty file has no header; a file with only a header has no first row
    data.setRecordSource("leer");
    EXPECT_THROW(data.refresh(), JetError);
    EXPECT_FALSE(data.isBound());
    data.setRecordSource("kopf");
    data.refresh();
    try {
        data.recordset()->moveFirst();
        ADD_FAILURE() << "a table without rows has no first row";
    } catch (const JetError& e) {
        EXPECT_EQ(e.number(), fehler::KeinAktuellerDatensatz);
    }
    data.setRecordSource("fehlt");
    EXPECT_THROW(data.refresh(), JetError);
    // a file of another kind under a text name is no table
    writeFile(dir, "bild.txt", QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16));
    data.setRecordSource("bild");
    try {
        data.refresh();
        ADD_FAILURE() << "a binary file is no text table";
    } catch (const JetError& e) {
        EXPECT_EQ(e.number(), fehler::TabellenFormat);
    }
    data.setDatabaseName(QDir(dir).filePath("kein_ordner"));
    data.setRecordSource("Preise");
    try {
        data.refresh();
        ADD_FAILURE() << "no folder, no database";
    } catch (const JetError& e) {
        EXPECT_EQ(e.number(), fehler::PfadUngueltig);
    }
}

TEST(TextTables, FilesThatAreNoTextAreRefusedInGerman) {
    const QString dir = scratchFolder();
    QFile plant(plantDatabase());
    ASSERT_TRUE(plant.open(QIODevice::ReadOnly));
    const struct {
        const char* name;
        QByteArray bytes;
    } cases[] = {
        {"preise.txt", plant.readAll()},
        {"bild.csv", QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0\0\x10", 20)},
    };
    for (const auto& c : cases) {
        const QString path = writeFile(dir, c.name, c.bytes);
        try {
            Database::openTextFolder(dir)->openRecordset(QFileInfo(path).completeBaseName());
            ADD_FAILURE() << c.name << " read as a table";
        } catch (const JetError& e) {
            EXPECT_EQ(e.number(), fehler::TabellenFormat) << c.name;
            EXPECT_EQ(e.description(),
                      QStringLiteral("Die Datei '%1' ist keine Textdatei; die externe Tabelle hat "
                                     "nicht das erwartete Format.")
                          .arg(path));
        }
        QFile::remove(path);
    }
}

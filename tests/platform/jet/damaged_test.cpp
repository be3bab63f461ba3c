// Damaged and foreign files are refused with an error, never a crash. The
// damage is done to a copy of the good plant database.
#include "platform/jet/jet.h"
#include "platform/jet/mdb_reader.h"
#include "tests/platform/jet/support/fixture.h"
#include "tests/platform/jet/support/jet4_writer.h"
#include "tests/platform/jet/support/printing.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QtEndian>
#include <functional>
#include <gtest/gtest.h>

using namespace sorvo::jet;
using namespace sorvo::jet::testing;

namespace {

constexpr int Page = 4096;

QByteArray goodBytes() {
    QFile f(plantDatabase());
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    return f.readAll();
}

QString store(const QByteArray& bytes) {
    const QString path = QDir(scratchFolder()).filePath("kaputt.mdb");
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    return path;
}

// Opens the file and reads every table and stored query, as a user's
// browsing would; returns the error number, or 0 when all went through.
int readEverything(const QString& path) {
    try {
        auto db = Database::open(path);
        for (const auto& t : db->tableDefs())
            db->openRecordset(t.name);
        for (const QString& q : db->queryNames()) {
            try {
                db->openRecordset(q);
            } catch (const JetError& e) {
                if (e.number() != fehler::NichtUnterstuetzt)
                    throw;
            }
        }
        return 0;
    } catch (const JetError& e) {
        EXPECT_FALSE(e.description().isEmpty());
        return e.number();
    }
}

int tableDefPage(const QString& table) {
    auto file = detail::MdbFile::open(plantDatabase());
    return file->find(table)->tableDefPage();
}

} // namespace

TEST(DamagedFiles, AreRefusedCleanly) {
    const QByteArray good = goodBytes();
    ASSERT_EQ(readEverything(store(good)), 0);

    struct Case {
        const char* what;
        std::function<QByteArray()> damage;
        int number;
    };
    const Case cases[] = {
        {"not a database", [] { return QByteArray("Nr;Preis\n4711;2,50\n"); },
         fehler::DatenbankFormat},
        {"an empty file", [] { return QByteArray(); }, fehler::DatenbankFormat},
        {"a later format",
         [&] {
             QByteArray b = good;
             b[0x14] = 3;
             return b;
         },
         fehler::DatenbankFormat},
        {"cut inside a page", [&] { return good.left(good.size() - 1000); }, fehler::Beschaedigt},
        {"cut after the catalogue", [&] { return good.left(3 * Page); }, fehler::Beschaedigt},
        {"cut at a page end, its last pages gone",
         [&] { return good.left(good.size() - 2 * Page); }, fehler::Beschaedigt},
        {"the catalogue's page of another type",
         [&] {
             QByteArray b = good;
             b[2 * Page] = 0x01;
             return b;
         },
         fehler::Beschaedigt},
        {"a table definition page of another type",
         [&] {
             QByteArray b = good;
             b[tableDefPage("Topfpfl") * Page] = 0x04;
             return b;
         },
         fehler::Beschaedigt},
        {"a table definition with an absurd column count",
         [&] {
             QByteArray b = good;
             const int at = tableDefPage("Familien") * Page + 45;
             b[at] = static_cast<char>(0xFF);
             b[at + 1] = 0x7F;
             return b;
         },
         fehler::Beschaedigt},
        {"long-value pages of another type",
         [&] {
             QByteArray b = good;
             for (int p = 0; p < b.size() / Page; ++p)
                 if (b.mid(p * Page + 4, 4) == "LVAL")
                     b[p * Page] = 0x03;
             return b;
         },
         fehler::Beschaedigt},
        {"a page map pointing past the end",
         [&] {
             QByteArray b = good;
             const int at = tableDefPage("Stauden") * Page + 55;
             b[at + 1] = static_cast<char>(0xF0);
             b[at + 2] = 0x7F;
             return b;
         },
         fehler::Beschaedigt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(readEverything(store(c.damage())), c.number) << c.what;

    // A Jet 4 file that claims to be Jet 3 is read with the wrong page size.
    QByteArray claimsJet3 = good;
    claimsJet3[0x14] = 0;
    EXPECT_NE(readEverything(store(claimsJet3)), 0);
}

TEST(DamagedFiles, DataPagesThatAreNotTheTablesAreRefused) {
    // 34 plants of long names fill several data pages; a second table has its own.
    std::vector<Row> pflanzen, andere;
    for (qint64 i = 1; i <= 34; ++i)
        pflanzen.push_back({i, QStringLiteral("Pflanze %1 ").arg(i) + QString(200, 'x')});
    for (qint64 i = 1; i <= 5; ++i)
        andere.push_back({i, QStringLiteral("anders")});
    Jet4Writer w;
    w.addTable("Pflanzen", {{"Nr", DataType::Long}, {"Name", DataType::Text, 255, false}},
               pflanzen);
    w.addTable("Andere", {{"Nr", DataType::Long}, {"Name", DataType::Text}}, andere);
    const QString pfad = QDir(scratchFolder()).filePath("zwei.mdb");
    w.write(pfad);
    QFile f(pfad);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray good = f.readAll();
    ASSERT_EQ(Database::open(pfad)->openRecordset("Pflanzen")->recordCount(), 34);

    // The data pages of a table, in file order.
    auto file = detail::MdbFile::open(pfad);
    const auto datenseiten = [&](const char* tabelle) {
        const int owner = file->find(tabelle)->tableDefPage();
        std::vector<int> seiten;
        for (int p = 1; p < good.size() / Page; ++p)
            if (good[p * Page] == 0x01 && good.mid(p * Page + 4, 4) != "LVAL" &&
                qFromLittleEndian<qint32>(good.constData() + p * Page + 4) == owner)
                seiten.push_back(p);
        return seiten;
    };
    const std::vector<int> eigene = datenseiten("Pflanzen");
    const std::vector<int> fremde = datenseiten("Andere");
    ASSERT_GE(eigene.size(), 2u);
    ASSERT_FALSE(fremde.empty());

    const struct {
        const char* was;
        std::function<void(QByteArray&)> schaden;
    } faelle[] = {
        {"a data page zeroed",
         [&](QByteArray& b) { b.replace(eigene[1] * Page, Page, QByteArray(Page, '\0')); }},
        {"a page of another table's rows in its place",
         [&](QByteArray& b) {
             b.replace(eigene[1] * Page, Page, good.mid(fremde[0] * Page, Page));
         }},
        {"a data page of another type", [&](QByteArray& b) { b[eigene[0] * Page] = 0x04; }},
    };
    for (const auto& c : faelle) {
        QByteArray b = good;
        c.schaden(b);
        try {
            const int rows = Database::open(store(b))->openRecordset("Pflanzen")->recordCount();
            ADD_FAILURE() << c.was << ": " << rows << " rows and no error";
        } catch (const JetError& e) {
            EXPECT_EQ(e.number(), fehler::Beschaedigt) << c.was;
            EXPECT_TRUE(e.description().contains(QStringLiteral("beschädigt"))) << c.was;
            EXPECT_TRUE(e.description().contains(QStringLiteral("Pflanzen"))) << c.was;
        }
    }
}

TEST(DamagedFiles, RandomDamageNeverCrashes) {
    // Bytes changed at random in pages after the header: whatever the
    // reader makes of them, it ends with rows or with a JetError.
    const QByteArray good = goodBytes();
    QRandomGenerator random(20240611);
    const int pages = static_cast<int>(good.size() / Page);
    int refused = 0;
    for (int round = 0; round < 100; ++round) {
        QByteArray b = good;
        const int page = 1 + static_cast<int>(random.bounded(pages - 1));
        for (int k = 0; k < 6; ++k)
            b[page * Page + static_cast<int>(random.bounded(Page))] =
                static_cast<char>(random.bounded(256));
        refused += readEverything(store(b)) != 0;
    }
    EXPECT_GT(refused, 0);
}

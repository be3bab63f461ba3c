// A pot-plant table of 20,000 records with the table's 47 columns: opening
// the file and running the main query of the record choice (budget 300 ms),
// then a letter filter on the open database (budget 50 ms).
#include "platform/jet/jet.h"
#include "tests/platform/jet/support/jet4_writer.h"

#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace sorvo::jet;
using namespace sorvo::jet::testing;

namespace {

constexpr int Records = 20000;

const QString& database() {
    static QTemporaryDir dir;
    static const QString path = [] {
        std::vector<ColumnSpec> cols{
            {"ARTNR", DataType::Long},      {"Bot_Name", DataType::Text, 100},
            {"DTNAM", DataType::Text, 100}, {"FAMILIE", DataType::Integer},
            {"MINHOEHE", DataType::Double}, {"MAXHOEHE", DataType::Double},
            {"GIFTIG", DataType::Boolean},  {"BEMERKUNG", DataType::Memo},
            {"PREIS", DataType::Currency},  {"AENDERUNG", DataType::Date}};
        for (int c = static_cast<int>(cols.size()); c < 47; ++c)
            cols.push_back({QStringLiteral("MERKMAL%1").arg(c), DataType::Text, 20});
        static const char* genera[] = {
            "Abutilon",  "Ächmea",   "Begonia", "Calathea", "Dracaena",    "Ficus", "Hedera",
            "Kalanchoe", "Monstera", "Ölbaum",  "Pilea",    "Sansevieria", "Yucca", "Zamioculcas"};
        std::vector<Row> rows;
        rows.reserve(Records);
        for (int i = 0; i < Records; ++i) {
            Row r{Cell(qint64(100000 + i)),
                  Cell(QStringLiteral("%1 art%2 'Sorte %3'")
                           .arg(QString::fromUtf8(genera[(i * 7) % 14]))
                           .arg(i % 97)
                           .arg(i)),
                  Cell(QStringLiteral("Pflanze Nr. %1").arg(i)),
                  Cell(qint64(i % 60)),
                  Cell(0.25 * (i % 8)),
                  Cell(0.5 + 0.25 * (i % 12)),
                  Cell(i % 5 == 0),
                  i % 10 == 0 ? Cell(QStringLiteral("Bemerkung zu %1: hell, nicht zu nass.").arg(i))
                              : Cell(),
                  Cell(1.5 + (i % 40)),
                  Cell(36000.0 + i % 5000)};
            for (int c = 10; c < 47; ++c)
                r.push_back(
                    Cell(QStringLiteral("%1").arg((i * c) % 4096, 12, 2, QLatin1Char('0'))));
            rows.push_back(std::move(r));
        }
        Jet4Writer w;
        w.addTable("Topfpfl", cols, rows);
        const QString p = QDir(dir.path()).filePath("botrel.mdb");
        w.write(p);
        return p;
    }();
    return path;
}

void openAndMainQuery(benchmark::State& state) {
    const QString path = database();
    for (auto _ : state) {
        auto db = Database::open(path);
        auto rs = db->openRecordset("SELECT * From Topfpfl WHERE ARTNR LIKE '*' ORDER BY Bot_Name");
        if (rs->recordCount() != Records)
            state.SkipWithError("wrong number of records");
        benchmark::DoNotOptimize(rs->value(1));
    }
}

void letterFilter(benchmark::State& state) {
    auto db = Database::open(database());
    db->openRecordset("SELECT * From Topfpfl WHERE ARTNR LIKE '*' ORDER BY Bot_Name");
    for (auto _ : state) {
        auto rs =
            db->openRecordset("SELECT * FROM Topfpfl WHERE BOT_NAME LIKE 'M*' ORDER BY Bot_Name");
        benchmark::DoNotOptimize(rs->recordCount());
    }
}

// A join on the article number, as the cemetery query joins its tables: it
// must not compare every record with every other.
void joinOnArticleNumber(benchmark::State& state) {
    auto db = Database::open(database());
    db->openRecordset("Topfpfl");
    for (auto _ : state) {
        auto rs =
            db->openRecordset("SELECT A.ARTNR, B.DTNAM FROM Topfpfl AS A INNER JOIN Topfpfl AS B "
                              "ON A.ARTNR = B.ARTNR WHERE A.GIFTIG");
        if (rs->recordCount() != Records / 5)
            state.SkipWithError("wrong number of records");
    }
}

} // namespace

BENCHMARK(openAndMainQuery)->Unit(benchmark::kMillisecond);
BENCHMARK(letterFilter)->Unit(benchmark::kMillisecond);
BENCHMARK(joinOnArticleNumber)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();

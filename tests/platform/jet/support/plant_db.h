#pragma once
// The plant database the tests share: the tables and column names the
// program reads (pot plants, perennials, woody plants, cemetery plants,
// families, pictures, synonyms, user property names), umlauts and names
// whose order the sort rules decide, Nulls next to empty texts, memos of
// every length, and stored queries (the cemetery join, a union, a query on
// a query, TOP with a tie, and two kinds the engine refuses).
#include "tests/platform/jet/support/jet4_writer.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace sorvo::jet::testing {

// The long memo of pot plant 1001, spread over several long-value pages.
QString longMemo();

// Writes the database as dir/botrel.mdb and returns its path.
QString writePlantDatabase(const QString& dir);

// The mdbtools commands, run on a file: the user tables mdb-tables lists,
// and the rows mdb-export writes (the header first; Null and "" both as "").
QStringList mdbTables(const QString& path);
std::vector<QStringList> mdbExport(const QString& path, const QString& table);

// nwind.mdb of the shared test data, or "" when it is not there.
QString nwindPath();

} // namespace sorvo::jet::testing

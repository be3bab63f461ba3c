#pragma once
// Stored queries (internal): their definition is kept as rows of the system
// table MSysQueries, one row per item, and is turned back into SQL here.
#include <QString>
#include <optional>
#include <vector>

namespace sorvo::jet::detail {

struct QueryDefRow {
    int attribute = 0; // 1 kind, 2 parameter, 3 options, 4 other database, 5 source,
                       // 6 output field, 7 join, 8 WHERE, 9 GROUP BY, 10 HAVING, 11 ORDER BY
    QString name1;
    QString name2;
    QString expression;
    std::optional<int> flag;
};

// The rows of one query in the order the table holds them. Throws JetError
// for crosstab, action, parameter and pass-through queries.
QString rebuildQuerySql(const QString& name, std::vector<QueryDefRow> rows);

} // namespace sorvo::jet::detail

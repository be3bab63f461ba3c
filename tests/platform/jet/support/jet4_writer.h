#pragma once
// A small writer of Jet 4 databases, for tests only: mdbtools cannot create
// databases, so the tests build theirs at run time. It writes what a reader
// needs and nothing more: the header page, the catalogue (MSysObjects at
// page 2), table definitions spread over several pages when long, data pages
// with their row offsets, page maps, memos inline, on one long-value page or
// chained over several, and the rows of MSysQueries that define stored
// queries. No indexes, no deleted rows.
#include "platform/jet/jet.h"

#include <QByteArray>
#include <QString>
#include <optional>
#include <variant>
#include <vector>

namespace sorvo::jet::testing {

// Columns of the types Boolean, Byte, Integer, Long, Currency, Single,
// Double, Date, Text, Memo and LongBinary (an OLE object).
struct ColumnSpec {
    QString name;
    DataType type = DataType::Text;
    int length = 255;       // text columns: characters
    bool compressed = true; // the format's compression of texts and short memos
};

// Null, or the value in the form its column takes: bool, whole numbers,
// double (also dates as day numbers and currency amounts), text, bytes.
using Cell = std::variant<std::monostate, bool, qint64, double, QString, QByteArray>;
using Row = std::vector<Cell>;

struct QueryRow {
    int attribute = 0;
    std::optional<QString> name1;
    std::optional<QString> name2;
    std::optional<QString> expression;
    std::optional<int> flag;
};

class Jet4Writer {
public:
    void addTable(const QString& name, std::vector<ColumnSpec> columns, std::vector<Row> rows);
    // A stored query: its catalogue entry; the definition is the rows given
    // to addQueryRows, which may be interleaved with other queries' rows as
    // real files have them.
    qint32 addQuery(const QString& name);
    void addQueryRows(qint32 objectId, const std::vector<QueryRow>& rows);
    // A whole select query the simple way: its rows in attribute order.
    void addSelectQuery(const QString& name, const std::vector<QueryRow>& rows);

    // Encodes every page after the header with this key, as owners could
    // have their databases encoded; 0 leaves them plain.
    void setEncodingKey(quint32 key) { m_key = key; }

    QByteArray build() const;
    // Throws std::runtime_error when the file cannot be written.
    void write(const QString& path) const;

private:
    struct Table {
        QString name;
        std::vector<ColumnSpec> columns;
        std::vector<Row> rows;
        bool system = false;
    };
    std::vector<Table> m_tables;
    std::vector<std::pair<QString, qint32>> m_queries;
    std::vector<Row> m_queryRows;
    quint32 m_key = 0;
};

} // namespace sorvo::jet::testing

#pragma once
// The rows of a record set (internal). A query that only picks fields of one
// table keeps the numbers of its rows and reads the values from the table's
// store; any other keeps its own cells, read once from SQLite, texts and
// bytes in one buffer. A Value is made only when a field is read.
#include "platform/jet/jet.h"
#include "platform/jet/table_store.h"

#include <memory>
#include <string>
#include <vector>

namespace sorvo::jet {

struct Recordset::Daten {
    struct Cell {
        detail::CellKind kind = detail::CellKind::Null;
        uint32_t length = 0;
        union {
            qint64 integer;
            double real;
            uint64_t offset;
        };
        Cell() : integer(0) {}
    };

    quint64 id = 0;
    QString source;
    std::vector<FieldInfo> fields;
    int rows = 0;
    // own cells, row by row
    std::vector<Cell> cells;
    std::string arena;
    // or rows of a table
    std::shared_ptr<const detail::TableStore> base;
    std::vector<int> baseRows;
    std::vector<int> baseColumns;

    Value value(int row, int column) const;
};

} // namespace sorvo::jet

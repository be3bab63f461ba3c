#pragma once
// The rows of a record set as read from SQLite (internal): one small cell
// per value, texts and bytes in one buffer, so that reading twenty thousand
// rows costs little; a Value is made only when a field is read.
#include "platform/jet/jet.h"

#include <string>
#include <vector>

namespace sorvo::jet {

struct Recordset::Daten {
    struct Cell {
        enum Kind : uint8_t { Null, Integer, Real, Text, Blob };
        Kind kind = Null;
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
    std::vector<Cell> cells; // row by row
    std::string arena;

    Value value(int row, int column) const;
};

} // namespace sorvo::jet

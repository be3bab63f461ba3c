#pragma once
// Tables as the engine keeps them (internal): read once from the file into
// columns of 8-byte values with their texts in one buffer, and shown to
// SQLite as virtual tables, so that no second copy of the data is made.
// Queries that only pick fields of one table give row numbers, and their
// record sets read the values from here.
#include "platform/jet/jet.h"
#include "platform/jet/sql.h"

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

struct sqlite3;

namespace sorvo::jet::detail {

enum class CellKind : uint8_t { Null, Integer, Real, Text, Blob };

// A stored value as the caller sees it: the kind of the cell decides
// together with the field's type (a Yes/No field holds -1 and 0, currency
// its amount).
Value makeValue(DataType type, CellKind kind, qint64 integer, double real, const char* data,
                size_t length);

class TableStore {
public:
    struct Column {
        OutputColumn info;
        CellKind kind = CellKind::Text; // of every value that is not Null
        std::vector<uint64_t> data; // the bits of an integer or double, or offset << 32 | length
        std::vector<uint8_t> null;
    };

    std::vector<Column> columns;
    int rows = 0;
    std::string arena;

    explicit TableStore(const std::vector<OutputColumn>& columns, size_t expectedRows);

    void appendNull(size_t column);
    void appendInteger(size_t column, qint64 v);
    void appendReal(size_t column, double v);
    void appendText(size_t column, const char16_t* text, size_t length); // stored as UTF-8
    void appendText(size_t column, const QString& text);
    void appendBytes(size_t column, const char* data, size_t length);

    bool isNull(int row, int column) const;
    Value value(int row, int column) const;
    std::vector<OutputColumn> outputColumns() const;

    // The rows whose value in the column equals v as SQL compares it there,
    // or a few more; built on first use. Used for joins.
    const std::vector<int>* candidates(int column, const std::string& key) const;
    static std::string keyOfInteger(qint64 v);
    static std::string keyOfReal(double v);
    static std::string keyOfText(const char* utf8, size_t length);
    static std::string keyOfBytes(const char* data, size_t length);

private:
    mutable std::vector<std::unique_ptr<std::unordered_map<std::string, std::vector<int>>>> m_index;
    std::string keyAt(int row, int column) const;
};

// Makes the module "jet" known to the connection; a table is then created by
// "CREATE VIRTUAL TABLE x USING jet(key)" with the key under which it is
// registered here. The registry must outlive the connection.
using StoreRegistry = std::unordered_map<std::string, std::shared_ptr<const TableStore>>;
void registerTableModule(sqlite3* db, StoreRegistry* registry);

} // namespace sorvo::jet::detail

#pragma once
// Reading .mdb files (internal to the engine).
//
// Every file is untrusted. Before libmdb walks a structure we check it
// ourselves: the header, the chain of table definition pages, the columns,
// the page maps. libmdb then finds the rows; their values are decoded here
// from the raw row (null mask, fixed and variable parts, long values), so
// that Null stays apart from "", memos are never cut and numbers and dates
// do not pass through any locale.
#include "platform/jet/jet.h"

#include <QString>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace sorvo::jet::detail {

struct CatalogEntry {
    QString name;
    qint32 id = 0;
    int type = 0; // 1 table, 4 and 6 linked tables, 5 query; forms and reports have others
    qint32 flags = 0;
    bool isTable() const { return type == 1; }
    bool isLinkedTable() const { return type == 4 || type == 6; }
    bool isQuery() const { return type == 5; }
    bool isSystem() const { return (static_cast<quint32>(flags) & 0x80000002u) != 0; }
    int tableDefPage() const { return id & 0x00FFFFFF; }
};

struct ColumnDef {
    QString name;
    int jetType = 0; // format::ColumnType
    DataType type = DataType::Empty;
    int length = 0;
    int scale = 0;
};

// One value as it comes from the file. Text is kept as UTF-16, ready for
// SQLite; the buffers are reused from row to row.
struct Cell {
    enum Kind : uint8_t { Null, Integer, Real, Text, Bytes };
    Kind kind = Null;
    qint64 integer = 0; // booleans as -1 and 0, currency in ten-thousandths
    double real = 0;
    std::u16string text;
    std::string bytes;
};

Value cellToValue(const ColumnDef& column, const Cell& cell);

class MdbFile {
public:
    // Throws JetError for a missing file, a foreign or damaged one.
    static std::unique_ptr<MdbFile> open(const QString& path);
    ~MdbFile();
    MdbFile(const MdbFile&) = delete;
    MdbFile& operator=(const MdbFile&) = delete;

    const QString& path() const;
    bool jet4() const;
    const std::vector<CatalogEntry>& catalog() const;
    // Case-insensitive, like the engine's own names.
    const CatalogEntry* find(const QString& name) const;

    // The columns in field order; throws for a damaged definition.
    std::vector<ColumnDef> columns(const CatalogEntry& table);
    // How many rows the definition says the table has.
    int rowCountHint(const CatalogEntry& table);
    // Calls row() for every row with one cell per column.
    void readRows(const CatalogEntry& table,
                  const std::function<void(const std::vector<Cell>&)>& row);

private:
    struct Impl;
    explicit MdbFile(std::unique_ptr<Impl> impl);
    std::unique_ptr<Impl> d;
};

} // namespace sorvo::jet::detail

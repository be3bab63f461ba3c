#include "platform/jet/table_store.h"

#include "platform/jet/sqlite_ext.h"

#include <sqlite3.h>

#include <QString>
#include <cmath>
#include <cstring>

namespace sorvo::jet::detail {

namespace {

uint64_t bitsOf(double d) {
    uint64_t u;
    std::memcpy(&u, &d, sizeof u);
    return u;
}

double doubleOf(uint64_t u) {
    double d;
    std::memcpy(&d, &u, sizeof d);
    return d;
}

CellKind kindOf(DataType t) {
    switch (t) {
    case DataType::Boolean:
    case DataType::Byte:
    case DataType::Integer:
    case DataType::Long:
        return CellKind::Integer;
    case DataType::Currency:
    case DataType::Single:
    case DataType::Double:
    case DataType::Decimal:
    case DataType::Date:
        return CellKind::Real;
    case DataType::Binary:
    case DataType::LongBinary:
        return CellKind::Blob;
    default:
        return CellKind::Text;
    }
}

// UTF-16 as UTF-8, appended.
void appendUtf8(std::string& out, const char16_t* s, size_t n) {
    for (size_t i = 0; i < n; ++i) {
        uint32_t c = s[i];
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < n && s[i + 1] >= 0xDC00 && s[i + 1] < 0xE000)
            c = 0x10000 + ((c - 0xD800) << 10) + (s[++i] - 0xDC00);
        if (c < 0x80) {
            out.push_back(static_cast<char>(c));
        } else if (c < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (c >> 6)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else if (c < 0x10000) {
            out.push_back(static_cast<char>(0xE0 | (c >> 12)));
            out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xF0 | (c >> 18)));
            out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        }
    }
}

} // namespace

Value makeValue(DataType type, CellKind kind, qint64 integer, double real, const char* data,
                size_t length) {
    switch (kind) {
    case CellKind::Null:
        return Value();
    case CellKind::Integer:
        switch (type) {
        case DataType::Boolean:
            return Value::boolean(integer != 0);
        case DataType::Currency:
            return Value::currency(integer * 10000);
        case DataType::Date:
            return Value::date(static_cast<double>(integer));
        case DataType::Single:
        case DataType::Double:
        case DataType::Decimal:
            return Value::real(static_cast<double>(integer), type);
        case DataType::Byte:
        case DataType::Integer:
            return Value::integer(integer, type);
        default:
            return Value::integer(integer, DataType::Long);
        }
    case CellKind::Real:
        switch (type) {
        case DataType::Currency:
            return Value::currency(std::llround(real * 10000.0));
        case DataType::Date:
            return Value::date(real);
        case DataType::Boolean:
            return Value::boolean(real != 0);
        case DataType::Single:
        case DataType::Decimal:
            return Value::real(real, type);
        case DataType::Byte:
        case DataType::Integer:
        case DataType::Long:
            if (real == std::trunc(real) && std::fabs(real) < 9e15)
                return Value::integer(static_cast<qint64>(real), type);
            return Value::real(real, DataType::Double);
        default:
            return Value::real(real, DataType::Double);
        }
    case CellKind::Text: {
        const QString s = QString::fromUtf8(data, static_cast<qsizetype>(length));
        if (type == DataType::Memo || type == DataType::Guid)
            return Value::text(s, type);
        return Value::text(s, DataType::Text);
    }
    case CellKind::Blob:
        return Value::binary(QByteArray(data, static_cast<qsizetype>(length)),
                             type == DataType::Binary ? DataType::Binary : DataType::LongBinary);
    }
    return Value();
}

TableStore::TableStore(const std::vector<OutputColumn>& infos, size_t expectedRows) {
    for (const auto& info : infos) {
        Column c;
        c.info = info;
        c.kind = kindOf(info.type);
        c.data.reserve(expectedRows);
        c.null.reserve(expectedRows);
        columns.push_back(std::move(c));
    }
    m_index.resize(columns.size());
}

void TableStore::appendNull(size_t column) {
    columns[column].data.push_back(0);
    columns[column].null.push_back(1);
}

void TableStore::appendInteger(size_t column, qint64 v) {
    Column& c = columns[column];
    if (c.kind == CellKind::Real)
        c.data.push_back(bitsOf(static_cast<double>(v)));
    else
        c.data.push_back(static_cast<uint64_t>(v));
    c.null.push_back(0);
}

void TableStore::appendReal(size_t column, double v) {
    columns[column].data.push_back(bitsOf(v));
    columns[column].null.push_back(0);
}

void TableStore::appendText(size_t column, const char16_t* text, size_t length) {
    const size_t offset = arena.size();
    appendUtf8(arena, text, length);
    columns[column].data.push_back((static_cast<uint64_t>(offset) << 32) | (arena.size() - offset));
    columns[column].null.push_back(0);
}

void TableStore::appendText(size_t column, const QString& text) {
    appendText(column, reinterpret_cast<const char16_t*>(text.utf16()),
               static_cast<size_t>(text.size()));
}

void TableStore::appendBytes(size_t column, const char* data, size_t length) {
    const size_t offset = arena.size();
    arena.append(data, length);
    columns[column].data.push_back((static_cast<uint64_t>(offset) << 32) | length);
    columns[column].null.push_back(0);
}

bool TableStore::isNull(int row, int column) const {
    return columns[static_cast<size_t>(column)].null[static_cast<size_t>(row)] != 0;
}

Value TableStore::value(int row, int column) const {
    const Column& c = columns[static_cast<size_t>(column)];
    const size_t r = static_cast<size_t>(row);
    if (c.null[r])
        return Value();
    const uint64_t d = c.data[r];
    const bool bytes = c.kind == CellKind::Text || c.kind == CellKind::Blob;
    return makeValue(c.info.type, c.kind, static_cast<qint64>(d), doubleOf(d),
                     bytes ? arena.data() + (d >> 32) : nullptr,
                     static_cast<size_t>(d & 0xFFFFFFFFu));
}

std::vector<OutputColumn> TableStore::outputColumns() const {
    std::vector<OutputColumn> out;
    for (const auto& c : columns)
        out.push_back(c.info);
    return out;
}

// Keys start with their kind; built by appending (GCC 12 warns wrongly about
// a literal + std::string).
std::string TableStore::keyOfInteger(qint64 v) {
    std::string key(1, 'i');
    key += std::to_string(v);
    return key;
}

std::string TableStore::keyOfReal(double v) {
    if (v == std::trunc(v) && std::fabs(v) < 9e15)
        return keyOfInteger(static_cast<qint64>(v));
    char buf[40];
    std::snprintf(buf, sizeof buf, "r%.17g", v);
    return buf;
}

std::string TableStore::keyOfText(const char* utf8, size_t length) {
    std::string key(1, 't');
    key += collationKey(utf8, static_cast<int>(length));
    return key;
}

std::string TableStore::keyOfBytes(const char* data, size_t length) {
    std::string key(1, 'b');
    key.append(data, length);
    return key;
}

std::string TableStore::keyAt(int row, int column) const {
    const Column& c = columns[static_cast<size_t>(column)];
    const uint64_t d = c.data[static_cast<size_t>(row)];
    switch (c.kind) {
    case CellKind::Integer:
        return keyOfInteger(static_cast<qint64>(d));
    case CellKind::Real:
        return keyOfReal(doubleOf(d));
    case CellKind::Text:
        return keyOfText(arena.data() + (d >> 32), static_cast<size_t>(d & 0xFFFFFFFFu));
    default:
        return keyOfBytes(arena.data() + (d >> 32), static_cast<size_t>(d & 0xFFFFFFFFu));
    }
}

const std::vector<int>* TableStore::candidates(int column, const std::string& key) const {
    auto& index = m_index[static_cast<size_t>(column)];
    if (!index) {
        index = std::make_unique<std::unordered_map<std::string, std::vector<int>>>();
        for (int r = 0; r < rows; ++r)
            if (!isNull(r, column))
                (*index)[keyAt(r, column)].push_back(r);
    }
    const auto it = index->find(key);
    return it == index->end() ? nullptr : &it->second;
}

// ---- the virtual table --------------------------------------------------

namespace {

struct Vtab : sqlite3_vtab {
    std::shared_ptr<const TableStore> store;
};

struct Cursor : sqlite3_vtab_cursor {
    const TableStore* store = nullptr;
    const std::vector<int>* list = nullptr; // the candidate rows, or all rows
    int single = -1;                        // one row by its number
    size_t pos = 0;
    size_t count = 0;
    int row() const { return list ? (*list)[pos] : (single >= 0 ? single : static_cast<int>(pos)); }
};

const char* sqlTypeOf(const TableStore::Column& c) {
    switch (c.kind) {
    case CellKind::Integer:
        return "INTEGER";
    case CellKind::Real:
        return "REAL";
    case CellKind::Blob:
        return "BLOB";
    default:
        return "TEXT COLLATE JET";
    }
}

int connect(sqlite3* db, void* aux, int argc, const char* const* argv, sqlite3_vtab** out,
            char** err) {
    auto* registry = static_cast<StoreRegistry*>(aux);
    if (argc < 4) {
        *err = sqlite3_mprintf("%s", eigeneMeldung("Die Tabelle fehlt."));
        return SQLITE_ERROR;
    }
    // The table's name as the database wrote it with quoteString: an
    // apostrophe in it stands doubled.
    const std::string key = unquoteString(QString::fromUtf8(argv[3])).toStdString();
    const auto it = registry->find(key);
    if (it == registry->end()) {
        *err = sqlite3_mprintf("%s", eigeneMeldung("Die Tabelle fehlt."));
        return SQLITE_ERROR;
    }
    QStringList cols;
    for (const auto& c : it->second->columns)
        cols << quoteIdentifier(c.info.name) + QLatin1Char(' ') + QLatin1String(sqlTypeOf(c));
    const QByteArray schema =
        QStringLiteral("CREATE TABLE x(%1)").arg(cols.join(QStringLiteral(", "))).toUtf8();
    const int rc = sqlite3_declare_vtab(db, schema.constData());
    if (rc != SQLITE_OK) {
        *err = sqlite3_mprintf(
            "%s", eigeneMeldung("Die Feldnamen der Tabelle können nicht verwendet werden."));
        return rc;
    }
    auto* v = new Vtab();
    v->store = it->second;
    *out = v;
    return SQLITE_OK;
}

int disconnect(sqlite3_vtab* v) {
    delete static_cast<Vtab*>(v);
    return SQLITE_OK;
}

// An equality on a field is answered by its index; anything else reads
// every row. SQLite checks the rows it gets either way.
int bestIndex(sqlite3_vtab* tab, sqlite3_index_info* info) {
    const auto* store = static_cast<Vtab*>(tab)->store.get();
    int chosen = -1;
    for (int i = 0; i < info->nConstraint; ++i) {
        const auto& c = info->aConstraint[i];
        if (!c.usable || c.op != SQLITE_INDEX_CONSTRAINT_EQ)
            continue;
        if (c.iColumn < 0) {
            chosen = i;
            break;
        }
        if (chosen < 0)
            chosen = i;
    }
    if (chosen < 0) {
        info->idxNum = 0;
        info->estimatedCost = static_cast<double>(store->rows) + 1;
        info->estimatedRows = store->rows + 1;
        return SQLITE_OK;
    }
    const int column = info->aConstraint[chosen].iColumn;
    info->idxNum = column < 0 ? -1 : column + 1;
    info->aConstraintUsage[chosen].argvIndex = 1;
    info->aConstraintUsage[chosen].omit = 0;
    info->estimatedCost = column < 0 ? 1 : 5;
    info->estimatedRows = column < 0 ? 1 : 5;
    return SQLITE_OK;
}

int open(sqlite3_vtab* tab, sqlite3_vtab_cursor** out) {
    auto* c = new Cursor();
    c->store = static_cast<Vtab*>(tab)->store.get();
    *out = c;
    return SQLITE_OK;
}

int close(sqlite3_vtab_cursor* c) {
    delete static_cast<Cursor*>(c);
    return SQLITE_OK;
}

std::string probeKey(const TableStore::Column& column, sqlite3_value* v) {
    const int type = sqlite3_value_type(v);
    if (column.kind == CellKind::Text) {
        // the number as SQLite turns it into text for a text field
        const auto* t = reinterpret_cast<const char*>(sqlite3_value_text(v));
        return TableStore::keyOfText(t ? t : "", static_cast<size_t>(sqlite3_value_bytes(v)));
    }
    if (column.kind == CellKind::Integer || column.kind == CellKind::Real) {
        if (type == SQLITE_INTEGER)
            return TableStore::keyOfInteger(sqlite3_value_int64(v));
        if (type == SQLITE_FLOAT)
            return TableStore::keyOfReal(sqlite3_value_double(v));
        // a text that looks like a number compares as one with a number field
        sqlite3_value* copy = sqlite3_value_dup(v);
        const int numeric = sqlite3_value_numeric_type(copy);
        std::string key =
            numeric == SQLITE_INTEGER ? TableStore::keyOfInteger(sqlite3_value_int64(copy))
            : numeric == SQLITE_FLOAT ? TableStore::keyOfReal(sqlite3_value_double(copy))
                                      : std::string(1, '-');
        sqlite3_value_free(copy);
        return key;
    }
    return TableStore::keyOfBytes(static_cast<const char*>(sqlite3_value_blob(v)),
                                  static_cast<size_t>(sqlite3_value_bytes(v)));
}

int filter(sqlite3_vtab_cursor* cur, int idxNum, const char*, int argc, sqlite3_value** argv) {
    auto* c = static_cast<Cursor*>(cur);
    c->pos = 0;
    c->list = nullptr;
    c->single = -1;
    c->count = static_cast<size_t>(c->store->rows);
    if (idxNum == 0 || argc < 1)
        return SQLITE_OK;
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        c->count = 0;
        return SQLITE_OK;
    }
    if (idxNum < 0) {
        const qint64 rowid = sqlite3_value_int64(argv[0]);
        c->single = static_cast<int>(rowid - 1);
        c->count = rowid >= 1 && rowid <= c->store->rows ? 1 : 0;
        return SQLITE_OK;
    }
    const int column = idxNum - 1;
    c->list = c->store->candidates(
        column, probeKey(c->store->columns[static_cast<size_t>(column)], argv[0]));
    c->count = c->list ? c->list->size() : 0;
    return SQLITE_OK;
}

int next(sqlite3_vtab_cursor* c) {
    ++static_cast<Cursor*>(c)->pos;
    return SQLITE_OK;
}

int eof(sqlite3_vtab_cursor* c) {
    auto* cur = static_cast<Cursor*>(c);
    return cur->pos >= cur->count;
}

int column(sqlite3_vtab_cursor* cur, sqlite3_context* ctx, int i) {
    const auto* c = static_cast<Cursor*>(cur);
    const TableStore& s = *c->store;
    const int row = c->row();
    const auto& col = s.columns[static_cast<size_t>(i)];
    if (col.null[static_cast<size_t>(row)]) {
        sqlite3_result_null(ctx);
        return SQLITE_OK;
    }
    const uint64_t d = col.data[static_cast<size_t>(row)];
    switch (col.kind) {
    case CellKind::Integer:
        sqlite3_result_int64(ctx, static_cast<sqlite3_int64>(d));
        break;
    case CellKind::Real:
        sqlite3_result_double(ctx, doubleOf(d));
        break;
    case CellKind::Text:
        sqlite3_result_text(ctx, s.arena.data() + (d >> 32), static_cast<int>(d & 0xFFFFFFFFu),
                            SQLITE_STATIC);
        break;
    default:
        sqlite3_result_blob(ctx, s.arena.data() + (d >> 32), static_cast<int>(d & 0xFFFFFFFFu),
                            SQLITE_STATIC);
        break;
    }
    return SQLITE_OK;
}

int rowid(sqlite3_vtab_cursor* c, sqlite3_int64* out) {
    *out = static_cast<Cursor*>(c)->row() + 1;
    return SQLITE_OK;
}

} // namespace

void registerTableModule(sqlite3* db, StoreRegistry* registry) {
    static const sqlite3_module module = [] {
        sqlite3_module m{};
        m.iVersion = 1;
        m.xCreate = connect;
        m.xConnect = connect;
        m.xBestIndex = bestIndex;
        m.xDisconnect = disconnect;
        m.xDestroy = disconnect;
        m.xOpen = open;
        m.xClose = close;
        m.xFilter = filter;
        m.xNext = next;
        m.xEof = eof;
        m.xColumn = column;
        m.xRowid = rowid;
        return m;
    }();
    if (sqlite3_create_module_v2(db, "jet", &module, registry, nullptr) != SQLITE_OK)
        throw JetError(fehler::NichtUnterstuetzt,
                       QStringLiteral("Die Datenbank-Maschine kann nicht gestartet werden."));
}

} // namespace sorvo::jet::detail

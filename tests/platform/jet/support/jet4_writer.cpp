#include "tests/platform/jet/support/jet4_writer.h"

#include "platform/jet/mdb_format.h"
#include "platform/jet/rc4.h"

#include <QFile>
#include <cmath>
#include <cstring>
#include <map>
#include <stdexcept>

namespace sorvo::jet::testing {
namespace {

using namespace sorvo::jet::detail::format;
constexpr int PS = Jet4.pageSize;
constexpr int DataHeader = 14; // Jet 4 data page: type, 1, free, owner, 4 unused, row count
constexpr int MaxRowsPerPage = 255;
constexpr qint32 SystemFlags = static_cast<qint32>(0x80000000u);

void put16(QByteArray& b, int at, uint32_t v) {
    b[at] = static_cast<char>(v & 0xFF);
    b[at + 1] = static_cast<char>((v >> 8) & 0xFF);
}
void put32(QByteArray& b, int at, uint32_t v) {
    put16(b, at, v & 0xFFFF);
    put16(b, at + 2, v >> 16);
}
void append16(QByteArray& b, uint32_t v) {
    b.append(static_cast<char>(v & 0xFF));
    b.append(static_cast<char>((v >> 8) & 0xFF));
}
void append32(QByteArray& b, uint32_t v) {
    append16(b, v & 0xFFFF);
    append16(b, v >> 16);
}

QByteArray ucs2(const QString& s) {
    QByteArray b;
    for (QChar c : s)
        append16(b, c.unicode());
    return b;
}

// The format's text compression: FF FE, then one byte per character whose
// high byte is zero; a zero byte switches to two-byte units and back. Used
// only when every character can be told from a switch and it saves room.
QByteArray encodeText(const QString& s, bool compress) {
    const QByteArray plain = ucs2(s);
    if (!compress)
        return plain;
    QByteArray out("\xFF\xFE", 2);
    bool single = true;
    for (QChar c : s) {
        const uint16_t u = c.unicode();
        if ((u & 0xFF) == 0)
            return plain;
        const bool wantSingle = u < 0x100;
        if (wantSingle != single) {
            out.append('\0');
            single = wantSingle;
        }
        if (single)
            out.append(static_cast<char>(u));
        else
            append16(out, u);
    }
    return out.size() < plain.size() ? out : plain;
}

uint8_t jetType(DataType t) {
    switch (t) {
    case DataType::Boolean:
        return ColBool;
    case DataType::Byte:
        return ColByte;
    case DataType::Integer:
        return ColInt;
    case DataType::Long:
        return ColLong;
    case DataType::Currency:
        return ColMoney;
    case DataType::Single:
        return ColFloat;
    case DataType::Double:
        return ColDouble;
    case DataType::Date:
        return ColDateTime;
    case DataType::Text:
        return ColText;
    case DataType::Memo:
        return ColMemo;
    case DataType::LongBinary:
        return ColOle;
    default:
        throw std::invalid_argument("the writer has no columns of this type");
    }
}

int fixedBytes(DataType t) {
    switch (t) {
    case DataType::Boolean:
        return 0;
    case DataType::Byte:
        return 1;
    case DataType::Integer:
        return 2;
    case DataType::Long:
    case DataType::Single:
        return 4;
    case DataType::Currency:
    case DataType::Double:
    case DataType::Date:
        return 8;
    default:
        return -1; // variable
    }
}

bool isFixed(DataType t) {
    return fixedBytes(t) >= 0;
}

qint64 asInt(const Cell& c) {
    if (auto* i = std::get_if<qint64>(&c))
        return *i;
    if (auto* d = std::get_if<double>(&c))
        return std::llround(*d);
    if (auto* b = std::get_if<bool>(&c))
        return *b ? -1 : 0;
    throw std::invalid_argument("a number is needed");
}
double asReal(const Cell& c) {
    if (auto* d = std::get_if<double>(&c))
        return *d;
    return static_cast<double>(asInt(c));
}

QByteArray fixedValue(DataType t, const Cell& c) {
    QByteArray b;
    switch (t) {
    case DataType::Byte:
        b.append(static_cast<char>(asInt(c) & 0xFF));
        break;
    case DataType::Integer:
        append16(b, static_cast<uint32_t>(asInt(c)) & 0xFFFF);
        break;
    case DataType::Long:
        append32(b, static_cast<uint32_t>(asInt(c)));
        break;
    case DataType::Currency: {
        const qint64 raw = std::llround(asReal(c) * 10000.0);
        append32(b, static_cast<uint32_t>(raw & 0xFFFFFFFF));
        append32(b, static_cast<uint32_t>(static_cast<quint64>(raw) >> 32));
        break;
    }
    case DataType::Single: {
        const float f = static_cast<float>(asReal(c));
        uint32_t v;
        std::memcpy(&v, &f, 4);
        append32(b, v);
        break;
    }
    case DataType::Double:
    case DataType::Date: {
        const double d = asReal(c);
        uint64_t v;
        std::memcpy(&v, &d, 8);
        append32(b, static_cast<uint32_t>(v & 0xFFFFFFFF));
        append32(b, static_cast<uint32_t>(v >> 32));
        break;
    }
    default:
        break;
    }
    return b;
}

class Builder {
public:
    std::vector<QByteArray> pages;

    int newPage(uint8_t type) {
        QByteArray p(PS, '\0');
        p[0] = static_cast<char>(type);
        p[1] = 0x01;
        pages.push_back(p);
        return static_cast<int>(pages.size()) - 1;
    }

    int newDataPage(uint32_t owner) {
        const int p = newPage(PageData);
        put16(pages[p], 2, PS - DataHeader);
        put32(pages[p], 4, owner);
        return p;
    }

    int newLongValuePage() {
        const int p = newPage(PageData);
        put16(pages[p], 2, PS - DataHeader);
        std::memcpy(pages[p].data() + 4, "LVAL", 4);
        return p;
    }

    static int u16at(const QByteArray& p, int at) {
        return static_cast<uint8_t>(p[at]) | (static_cast<uint8_t>(p[at + 1]) << 8);
    }
    static int rowCount(const QByteArray& p) { return u16at(p, 12); }
    // Where the lowest row begins: rows fill the page from its end.
    static int lowestRow(const QByteArray& p) {
        const int n = rowCount(p);
        return n == 0 ? PS : (u16at(p, DataHeader + 2 * (n - 1)) & OffsetMask);
    }
    static int freeSpace(const QByteArray& p) {
        return lowestRow(p) - (DataHeader + 2 * rowCount(p));
    }
    bool fits(int page, int length) const {
        const QByteArray& p = pages[page];
        return rowCount(p) < MaxRowsPerPage && freeSpace(p) >= length + 2;
    }

    // Rows grow from the page end downwards; returns page << 8 | row.
    uint32_t addRow(int page, const QByteArray& row) {
        QByteArray& p = pages[page];
        const int n = rowCount(p);
        const int start = lowestRow(p) - static_cast<int>(row.size());
        std::memcpy(p.data() + start, row.constData(), static_cast<size_t>(row.size()));
        put16(p, DataHeader + 2 * n, static_cast<uint32_t>(start));
        put16(p, 12, static_cast<uint32_t>(n + 1));
        put16(p, 2, static_cast<uint32_t>(start - (DataHeader + 2 * (n + 1))));
        return (static_cast<uint32_t>(page) << 8) | static_cast<uint32_t>(n);
    }

    // A long value: one row on a long-value page when it fits, else a chain
    // of rows that each begin with the pointer to the next.
    QByteArray longValue(const QByteArray& data, bool inlineAllowed) {
        QByteArray head;
        const uint32_t length = static_cast<uint32_t>(data.size());
        if (inlineAllowed && data.size() <= 64) {
            append32(head, length | MemoInline);
            append32(head, 0);
            append32(head, 0);
            head.append(data);
            return head;
        }
        const int maxRow = PS - DataHeader - 2;
        if (data.size() <= maxRow) {
            if (m_longPage < 0 || !fits(m_longPage, static_cast<int>(data.size())))
                m_longPage = newLongValuePage();
            const uint32_t ptr = addRow(m_longPage, data);
            append32(head, length | MemoSinglePage);
            append32(head, ptr);
            append32(head, 0);
            return head;
        }
        const int chunk = maxRow - 4;
        const int parts = static_cast<int>((data.size() + chunk - 1) / chunk);
        std::vector<int> chainPages;
        for (int i = 0; i < parts; ++i)
            chainPages.push_back(newLongValuePage());
        for (int i = 0; i < parts; ++i) {
            QByteArray row;
            append32(row, i + 1 < parts ? static_cast<uint32_t>(chainPages[i + 1]) << 8 : 0);
            row.append(data.mid(static_cast<qsizetype>(i) * chunk, chunk));
            addRow(chainPages[i], row);
        }
        append32(head, length);
        append32(head, static_cast<uint32_t>(chainPages[0]) << 8);
        append32(head, 0);
        return head;
    }

private:
    int m_longPage = -1;
};

struct Layout {
    std::vector<int> fixedOffset;
    std::vector<int> varIndex;
    int fixedSize = 0;
    int varCount = 0;
};

Layout layoutOf(const std::vector<ColumnSpec>& cols) {
    Layout l;
    for (const auto& c : cols) {
        if (isFixed(c.type)) {
            l.fixedOffset.push_back(l.fixedSize);
            l.varIndex.push_back(0);
            l.fixedSize += fixedBytes(c.type);
        } else {
            l.fixedOffset.push_back(0);
            l.varIndex.push_back(l.varCount++);
        }
    }
    return l;
}

QByteArray packRow(Builder& b, const std::vector<ColumnSpec>& cols, const Layout& l,
                   const Row& row) {
    const int n = static_cast<int>(cols.size());
    if (static_cast<int>(row.size()) != n)
        throw std::invalid_argument("row has the wrong number of cells");
    QByteArray out;
    append16(out, static_cast<uint32_t>(n));
    QByteArray fixed(l.fixedSize, '\0');
    QByteArray nullMask((n + 7) / 8, '\0');
    std::vector<QByteArray> var(static_cast<size_t>(l.varCount));
    for (int i = 0; i < n; ++i) {
        const Cell& c = row[i];
        const bool null = std::holds_alternative<std::monostate>(c);
        if (cols[i].type == DataType::Boolean) {
            // the value is the null-mask bit itself
            if (!null && std::get<bool>(c))
                nullMask[i / 8] = static_cast<char>(nullMask[i / 8] | (1 << (i % 8)));
            continue;
        }
        if (null)
            continue;
        nullMask[i / 8] = static_cast<char>(nullMask[i / 8] | (1 << (i % 8)));
        if (isFixed(cols[i].type)) {
            const QByteArray v = fixedValue(cols[i].type, c);
            std::memcpy(fixed.data() + l.fixedOffset[i], v.constData(),
                        static_cast<size_t>(v.size()));
            continue;
        }
        QByteArray& slot = var[static_cast<size_t>(l.varIndex[i])];
        switch (cols[i].type) {
        case DataType::Text:
            slot = encodeText(std::get<QString>(c), cols[i].compressed);
            break;
        case DataType::Memo: {
            const QString& s = std::get<QString>(c);
            slot = b.longValue(encodeText(s, cols[i].compressed && s.size() <= 1024), true);
            break;
        }
        case DataType::LongBinary:
            slot = b.longValue(std::get<QByteArray>(c), true);
            break;
        default:
            break;
        }
    }
    out.append(fixed);
    if (l.varCount > 0) {
        std::vector<int> offsets;
        for (const auto& v : var) {
            offsets.push_back(static_cast<int>(out.size()));
            out.append(v);
        }
        append16(out, static_cast<uint32_t>(out.size())); // end of the variable data
        for (int k = l.varCount - 1; k >= 0; --k)
            append16(out, static_cast<uint32_t>(offsets[static_cast<size_t>(k)]));
        append16(out, static_cast<uint32_t>(l.varCount));
    }
    out.append(nullMask);
    if (out.size() > PS - DataHeader - 2)
        throw std::invalid_argument("row too long for a page");
    return out;
}

QByteArray tableDefinition(const std::vector<ColumnSpec>& cols, const Layout& l, bool system) {
    QByteArray d(Jet4.tdefFirstEntry, '\0');
    d[0] = static_cast<char>(PageTableDef);
    d[1] = 0x01;
    d[40] = static_cast<char>(system ? 0x53 : 0x4E);
    put16(d, 41, static_cast<uint32_t>(cols.size()));
    put16(d, Jet4.tdefVarColumns, static_cast<uint32_t>(l.varCount));
    put16(d, Jet4.tdefColumns, static_cast<uint32_t>(cols.size()));
    for (size_t i = 0; i < cols.size(); ++i) {
        const ColumnSpec& c = cols[i];
        QByteArray e(Jet4.columnSize, '\0');
        e[0] = static_cast<char>(jetType(c.type));
        put16(e, Jet4.colNumber, static_cast<uint32_t>(i));
        put16(e, Jet4.colVarIndex, static_cast<uint32_t>(l.varIndex[i]));
        put16(e, Jet4.colRowNumber, static_cast<uint32_t>(i));
        if (c.type == DataType::Text || c.type == DataType::Memo)
            put16(e, 11, 0x0409); // the general sort order
        e[Jet4.colFlags] = static_cast<char>((isFixed(c.type) ? 0x01 : 0x00) | 0x02);
        if ((c.type == DataType::Text || c.type == DataType::Memo) && c.compressed)
            e[Jet4.colMiscFlags] = 0x01;
        put16(e, Jet4.colFixedOffset, static_cast<uint32_t>(l.fixedOffset[i]));
        int length = 0;
        if (c.type == DataType::Text)
            length = 2 * c.length;
        else if (c.type == DataType::Boolean)
            length = 1;
        else if (isFixed(c.type))
            length = fixedBytes(c.type);
        put16(e, Jet4.colLength, static_cast<uint32_t>(length));
        d.append(e);
    }
    for (const auto& c : cols) {
        const QByteArray name = ucs2(c.name);
        append16(d, static_cast<uint32_t>(name.size()));
        d.append(name);
    }
    append16(d, 0xFFFF); // no per-column page maps follow
    put32(d, 8, static_cast<uint32_t>(d.size()));
    return d;
}

// A page map row: type 0 holds the bitmap itself; beyond its reach, type 1
// points to map pages.
QByteArray pageMap(Builder& b, const std::vector<int>& dataPages) {
    QByteArray m;
    const int first = dataPages.empty() ? 0 : dataPages.front();
    const int last = dataPages.empty() ? 0 : dataPages.back();
    if (last - first < (64 - 5) * 8) {
        m.append('\0');
        append32(m, static_cast<uint32_t>(first));
        QByteArray bits(64 - 5, '\0');
        for (int p : dataPages)
            bits[(p - first) / 8] =
                static_cast<char>(bits[(p - first) / 8] | (1 << ((p - first) % 8)));
        m.append(bits);
        return m;
    }
    const int perPage = (PS - 4) * 8;
    std::map<int, int> mapPages;
    for (int p : dataPages) {
        const int k = p / perPage;
        if (!mapPages.count(k))
            mapPages[k] = b.newPage(PageUsageMap);
        QByteArray& mp = b.pages[mapPages[k]];
        const int bit = p % perPage;
        mp[4 + bit / 8] = static_cast<char>(mp[4 + bit / 8] | (1 << (bit % 8)));
    }
    m.append('\x01');
    for (int k = 0; k < 16; ++k)
        append32(m, mapPages.count(k) ? static_cast<uint32_t>(mapPages[k]) : 0);
    return m;
}

} // namespace

void Jet4Writer::addTable(const QString& name, std::vector<ColumnSpec> columns,
                          std::vector<Row> rows) {
    m_tables.push_back({name, std::move(columns), std::move(rows), false});
}

qint32 Jet4Writer::addQuery(const QString& name) {
    const qint32 id =
        static_cast<qint32>(0x80000000u | (0x100u + static_cast<quint32>(m_queries.size())));
    m_queries.emplace_back(name, id);
    return id;
}

void Jet4Writer::addQueryRows(qint32 objectId, const std::vector<QueryRow>& rows) {
    auto text = [](const std::optional<QString>& s) -> Cell {
        return s ? Cell(*s) : Cell(std::monostate{});
    };
    for (const auto& r : rows)
        m_queryRows.push_back(
            {Cell(static_cast<qint64>(objectId)), Cell(static_cast<qint64>(r.attribute)),
             Cell(std::monostate{}), text(r.name1), text(r.name2), text(r.expression),
             r.flag ? Cell(static_cast<qint64>(*r.flag)) : Cell(std::monostate{})});
}

void Jet4Writer::addSelectQuery(const QString& name, const std::vector<QueryRow>& rows) {
    std::vector<QueryRow> all{{0, {}, {}, {}, {}}};
    all.insert(all.end(), rows.begin(), rows.end());
    all.push_back({255, {}, {}, {}, {}});
    addQueryRows(addQuery(name), all);
}

QByteArray Jet4Writer::build() const {
    const std::vector<ColumnSpec> objectColumns{{QStringLiteral("Id"), DataType::Long},
                                                {QStringLiteral("ParentId"), DataType::Long},
                                                {QStringLiteral("Name"), DataType::Text, 255},
                                                {QStringLiteral("Type"), DataType::Integer},
                                                {QStringLiteral("DateCreate"), DataType::Date},
                                                {QStringLiteral("Flags"), DataType::Long},
                                                {QStringLiteral("LvProp"), DataType::LongBinary}};
    const std::vector<ColumnSpec> queryColumns{{QStringLiteral("ObjectId"), DataType::Long},
                                               {QStringLiteral("Attribute"), DataType::Byte},
                                               {QStringLiteral("Order"), DataType::LongBinary},
                                               {QStringLiteral("Name1"), DataType::Text, 255},
                                               {QStringLiteral("Name2"), DataType::Text, 255},
                                               {QStringLiteral("Expression"), DataType::Memo},
                                               {QStringLiteral("Flag"), DataType::Integer}};

    std::vector<Table> tables;
    tables.push_back({QStringLiteral("MSysObjects"), objectColumns, {}, true});
    tables.push_back({QStringLiteral("MSysQueries"), queryColumns, m_queryRows, true});
    tables.insert(tables.end(), m_tables.begin(), m_tables.end());

    Builder b;
    b.newPage(PageHeader); // 0
    b.newDataPage(0);      // 1: page maps
    std::vector<Layout> layouts;
    std::vector<QByteArray> defs;
    std::vector<std::vector<int>> defPages;
    for (const auto& t : tables) {
        layouts.push_back(layoutOf(t.columns));
        defs.push_back(tableDefinition(t.columns, layouts.back(), t.system));
        const qsizetype size = defs.back().size();
        const int count =
            size <= PS ? 1 : 1 + static_cast<int>((size - PS + (PS - 8) - 1) / (PS - 8));
        std::vector<int> pages;
        for (int i = 0; i < count; ++i)
            pages.push_back(b.newPage(PageTableDef));
        defPages.push_back(pages);
    }

    // The catalogue: every table by its definition page, then the queries.
    const double created = 45000.5;
    for (size_t i = 0; i < tables.size(); ++i)
        tables[0].rows.push_back({Cell(static_cast<qint64>(defPages[i][0])),
                                  Cell(qint64(0x0F000001)), Cell(tables[i].name), Cell(qint64(1)),
                                  Cell(created),
                                  Cell(static_cast<qint64>(tables[i].system ? SystemFlags : 0)),
                                  Cell(std::monostate{})});
    for (const auto& [name, id] : m_queries)
        tables[0].rows.push_back({Cell(static_cast<qint64>(id)), Cell(qint64(0x0F000001)),
                                  Cell(name), Cell(qint64(5)), Cell(created), Cell(qint64(0)),
                                  Cell(std::monostate{})});

    std::vector<uint32_t> usageMaps;
    std::vector<uint32_t> freeMaps;
    int mapPage = 1;
    auto addMapRow = [&](const QByteArray& row) {
        if (!b.fits(mapPage, static_cast<int>(row.size())))
            mapPage = b.newDataPage(0);
        return b.addRow(mapPage, row);
    };
    for (size_t i = 0; i < tables.size(); ++i) {
        const uint32_t owner = static_cast<uint32_t>(defPages[i][0]);
        std::vector<int> dataPages;
        int current = -1;
        for (const Row& r : tables[i].rows) {
            const QByteArray row = packRow(b, tables[i].columns, layouts[i], r);
            if (current < 0 || !b.fits(current, static_cast<int>(row.size()))) {
                current = b.newDataPage(owner);
                dataPages.push_back(current);
            }
            b.addRow(current, row);
        }
        usageMaps.push_back(addMapRow(pageMap(b, dataPages)));
        QByteArray freeMap(1, '\0');
        append32(freeMap, dataPages.empty() ? 0 : static_cast<uint32_t>(dataPages.front()));
        freeMap.append(QByteArray(64 - 5, '\0'));
        freeMaps.push_back(addMapRow(freeMap));
        put32(defs[i], Jet4.tdefRows, static_cast<uint32_t>(tables[i].rows.size()));
        put32(defs[i], Jet4.tdefUsageMap, usageMaps.back());
        put32(defs[i], Jet4.tdefFreeMap, freeMaps.back());
    }

    // Definitions longer than a page continue on pages with an 8-byte header.
    for (size_t i = 0; i < tables.size(); ++i) {
        const QByteArray& d = defs[i];
        const auto& pages = defPages[i];
        QByteArray& first = b.pages[pages[0]];
        std::memcpy(first.data(), d.constData(),
                    static_cast<size_t>(std::min<qsizetype>(d.size(), PS)));
        qsizetype pos = PS;
        for (size_t k = 1; k < pages.size(); ++k) {
            QByteArray& p = b.pages[pages[k]];
            const qsizetype n = std::min<qsizetype>(d.size() - pos, PS - 8);
            std::memcpy(p.data() + 8, d.constData() + pos, static_cast<size_t>(n));
            pos += n;
        }
        for (size_t k = 0; k < pages.size(); ++k) {
            QByteArray& p = b.pages[pages[k]];
            put32(p, 4, k + 1 < pages.size() ? static_cast<uint32_t>(pages[k + 1]) : 0);
            put16(p, 2, 0);
        }
    }

    QByteArray& head = b.pages[0];
    head[1] = 0x01;
    std::memcpy(head.data() + SignatureOffset, Signature, sizeof Signature);
    head[VersionOffset] = 0x01;
    put16(head, CodePageOffset, 1252);
    put32(head, KeyOffset, m_key);
    put16(head, SortOrderOffsetJet4, 0x0409);
    detail::rc4(MaskKey, sizeof MaskKey, reinterpret_cast<uint8_t*>(head.data()) + MaskStart,
                MaskLengthJet4);

    for (size_t p = 1; m_key != 0 && p < b.pages.size(); ++p)
        detail::rc4Page(m_key, static_cast<uint32_t>(p),
                        reinterpret_cast<uint8_t*>(b.pages[p].data()), PS);
    QByteArray file;
    file.reserve(static_cast<qsizetype>(b.pages.size()) * PS);
    for (const auto& p : b.pages)
        file.append(p);
    return file;
}

void Jet4Writer::write(const QString& path) const {
    QFile f(path);
    const QByteArray data = build();
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(data) != data.size())
        throw std::runtime_error("cannot write " + path.toStdString());
}

} // namespace sorvo::jet::testing

#include "platform/jet/mdb_reader.h"

#include "platform/cp1252.h"
#include "platform/jet/mdb_format.h"
#include "platform/jet/rc4.h"
#include "platform/jet/zahlen.h"
#include "platform/system.h"

// glib first: mdbtools.h uses its types without including it in C++.
#include <glib.h>
#include <mdbtools.h>

#include <QFile>
#include <array>
#include <cmath>
#include <cstring>
#include <fcntl.h>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

namespace sorvo::jet::detail {
namespace {

using namespace format;

uint16_t u16(const uint8_t* p) {
    return static_cast<uint16_t>(p[0] | (p[1] << 8));
}
uint32_t u32(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
           (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}
uint64_t u64(const uint8_t* p) {
    return static_cast<uint64_t>(u32(p)) | (static_cast<uint64_t>(u32(p + 4)) << 32);
}
double f64(const uint8_t* p) {
    const uint64_t v = u64(p);
    double d;
    std::memcpy(&d, &v, sizeof d);
    return d;
}
float f32(const uint8_t* p) {
    const uint32_t v = u32(p);
    float f;
    std::memcpy(&f, &v, sizeof f);
    return f;
}

[[noreturn]] void damaged(const QString& path, const QString& what) {
    throw JetError(fehler::Beschaedigt,
                   QStringLiteral("Die Datenbank '%1' ist beschädigt (%2).").arg(path, what));
}

const std::array<char16_t, 256>& cp1252Table() {
    static const std::array<char16_t, 256> table = [] {
        std::array<char16_t, 256> t{};
        QByteArray alle(256, 0);
        for (int i = 0; i < 256; ++i)
            alle[i] = static_cast<char>(i);
        const QString s = ausCp1252(alle);
        for (int i = 0; i < 256; ++i)
            t[i] = s.at(i).unicode();
        return t;
    }();
    return table;
}

void decodeJet3Text(const uint8_t* p, size_t n, std::u16string& out) {
    const auto& table = cp1252Table();
    out.resize(n);
    for (size_t i = 0; i < n; ++i)
        out[i] = table[p[i]];
}

// Jet 4 stores UCS-2, optionally "compressed": after FF FE every byte is a
// character until a zero byte switches to two-byte units (and back).
void decodeJet4Text(const uint8_t* p, size_t n, std::u16string& out) {
    out.clear();
    if (n >= 2 && p[0] == 0xFF && p[1] == 0xFE) {
        bool compressed = true;
        size_t i = 2;
        while (i < n) {
            if (p[i] == 0) {
                compressed = !compressed;
                ++i;
            } else if (compressed) {
                out.push_back(p[i]);
                ++i;
            } else if (i + 1 < n) {
                out.push_back(static_cast<char16_t>(p[i] | (p[i + 1] << 8)));
                i += 2;
            } else {
                break;
            }
        }
        return;
    }
    out.resize(n / 2);
    for (size_t k = 0; k < n / 2; ++k)
        out[k] = static_cast<char16_t>(p[2 * k] | (p[2 * k + 1] << 8));
}

DataType dataTypeOf(int jetType) {
    switch (jetType) {
    case ColBool:
        return DataType::Boolean;
    case ColByte:
        return DataType::Byte;
    case ColInt:
        return DataType::Integer;
    case ColLong:
        return DataType::Long;
    case ColMoney:
        return DataType::Currency;
    case ColFloat:
        return DataType::Single;
    case ColDouble:
        return DataType::Double;
    case ColDateTime:
        return DataType::Date;
    case ColText:
        return DataType::Text;
    case ColMemo:
        return DataType::Memo;
    case ColOle:
        return DataType::LongBinary;
    case ColGuid:
        return DataType::Guid;
    case ColNumeric:
        return DataType::Decimal;
    default:
        return DataType::Binary;
    }
}

// Bytes a fixed column of this type needs; 0 for variable ones.
int fixedSize(int jetType) {
    switch (jetType) {
    case ColByte:
        return 1;
    case ColInt:
        return 2;
    case ColLong:
    case ColFloat:
        return 4;
    case ColMoney:
    case ColDouble:
    case ColDateTime:
        return 8;
    case ColGuid:
        return 16;
    case ColNumeric:
        return 17;
    default:
        return 0;
    }
}

bool knownType(int jetType) {
    return (jetType >= ColBool && jetType <= ColMemo) || jetType == ColGuid ||
           jetType == ColNumeric;
}

// The longest memo we read; the format allows more, our labels never need it.
constexpr size_t MaxLongValue = 64u * 1024 * 1024;

struct TableDeleter {
    void operator()(MdbTableDef* t) const { mdb_free_tabledef(t); }
};

} // namespace

struct MdbFile::Impl {
    QString path;
    int fd = -1;
    uint32_t key = 0; // the owner's encoding key; 0 when the pages are plain
    const Layout* L = nullptr;
    bool jet4 = false;
    uint32_t pageCount = 0;
    MdbHandle* mdb = nullptr;
    std::vector<CatalogEntry> catalog;

    ~Impl() {
        if (mdb)
            mdb_close(mdb);
        if (fd >= 0)
            ::close(fd);
    }

    // Pages are read when needed; the file is not held in memory, libmdb
    // reads its own pages.
    bool readPage(uint32_t p, uint8_t* buf) const {
        const size_t ps = static_cast<size_t>(L->pageSize);
        if (p >= pageCount ||
            ::pread(fd, buf, ps, static_cast<off_t>(p) * static_cast<off_t>(ps)) !=
                static_cast<ssize_t>(ps))
            return false;
        if (key != 0 && p != 0)
            rc4Page(key, p, buf, ps);
        return true;
    }

    void decodeText(const uint8_t* p, size_t n, std::u16string& out) const {
        if (jet4)
            decodeJet4Text(p, n, out);
        else
            decodeJet3Text(p, n, out);
    }

    // A row addressed by page << 8 | row, checked against its page and
    // copied out.
    bool row(uint32_t pgRow, std::string& out) const {
        const uint32_t p = pgRow >> 8;
        const uint32_t r = pgRow & 0xFF;
        uint8_t pg[MDB_PGSIZE];
        if (p == 0 || !readPage(p, pg) || pg[0] != PageData)
            return false;
        const int ps = L->pageSize;
        const int rco = L->rowCountOffset;
        const uint32_t n = u16(pg + rco);
        if (r >= n || rco + 2 + 2 * static_cast<int>(n) > ps)
            return false;
        const int start = u16(pg + rco + 2 + 2 * r) & OffsetMask;
        const int end = r == 0 ? ps : (u16(pg + rco + 2 * r) & OffsetMask);
        if (start < rco + 2 + 2 * static_cast<int>(n) || start > end || end > ps)
            return false;
        out.assign(reinterpret_cast<const char*>(pg + start), static_cast<size_t>(end - start));
        return true;
    }

    // The pages a page map names; throws when it points outside the file.
    std::vector<uint32_t> mapPages(uint32_t pgRow, const QString& table) const {
        std::string row;
        const QString what = QStringLiteral("Seitenkarte der Tabelle '%1'").arg(table);
        if (!this->row(pgRow, row) || row.empty())
            damaged(path, what);
        const auto* map = reinterpret_cast<const uint8_t*>(row.data());
        const int len = static_cast<int>(row.size());
        const QString beyond = QStringLiteral("Tabelle '%1' reicht über das Dateiende").arg(table);
        std::vector<uint32_t> pages;
        const auto add = [&](uint64_t p) {
            if (p >= pageCount)
                damaged(path, beyond);
            pages.push_back(static_cast<uint32_t>(p));
        };
        if (map[0] == 0) {
            if (len < 5)
                damaged(path, what);
            const uint32_t base = u32(map + 1);
            for (int i = 0; i < (len - 5) * 8; ++i)
                if (map[5 + i / 8] & (1 << (i % 8)))
                    add(static_cast<uint64_t>(base) + static_cast<uint32_t>(i));
        } else if (map[0] == 1) {
            const uint32_t bits = static_cast<uint32_t>(L->pageSize - 4) * 8;
            uint8_t pg[MDB_PGSIZE];
            for (int k = 0; k < (len - 1) / 4; ++k) {
                const uint32_t mp = u32(map + 1 + 4 * k);
                if (mp == 0)
                    continue;
                if (!readPage(mp, pg) || pg[0] != PageUsageMap)
                    damaged(path, what);
                for (uint32_t i = 0; i < bits; ++i)
                    if (pg[4 + i / 8] & (1 << (i % 8)))
                        add(static_cast<uint64_t>(k) * bits + i);
            }
        } else {
            damaged(path, what);
        }
        return pages;
    }

    // Checks the table definition (the pages libmdb will read for it) and
    // returns its columns in field order.
    std::vector<ColumnDef> checkTable(const CatalogEntry& e, uint32_t* rowsHint = nullptr,
                                      std::vector<uint32_t>* pages = nullptr) const {
        const QString what = QStringLiteral("Tabellendefinition '%1'").arg(e.name);
        const uint32_t first = static_cast<uint32_t>(e.tableDefPage());
        const int ps = L->pageSize;
        QByteArray def(ps, '\0');
        auto* firstPage = reinterpret_cast<uint8_t*>(def.data());
        if (first == 0 || !readPage(first, firstPage) || firstPage[0] != PageTableDef)
            damaged(path, what);
        std::set<uint32_t> seen{first};
        uint32_t next = u32(firstPage + 4);
        uint8_t pg[MDB_PGSIZE];
        // Continuation pages are read only as far as the definition reaches,
        // as libmdb does; their first 8 bytes are a header.
        auto ensure = [&](qint64 bytes) {
            while (def.size() < bytes) {
                if (next == 0 || seen.count(next) || seen.size() > 64 || !readPage(next, pg) ||
                    pg[0] != PageTableDef)
                    damaged(path, what);
                seen.insert(next);
                def.append(reinterpret_cast<const char*>(pg) + 8, ps - 8);
                next = u32(pg + 4);
            }
        };
        const auto b = [&] { return reinterpret_cast<const uint8_t*>(def.constData()); };
        ensure(L->tdefFirstEntry);
        const int numVar = u16(b() + L->tdefVarColumns);
        const int numCols = u16(b() + L->tdefColumns);
        const uint32_t numIdx = u32(b() + L->tdefIndexes);
        const uint32_t numReal = u32(b() + L->tdefRealIndexes);
        if (numCols < 1 || numCols > 255 || numVar > numCols || numIdx > 1000 || numReal > 1000)
            damaged(path, what);
        const qint64 colStart = L->tdefFirstEntry + static_cast<qint64>(numReal) * L->realIndexSize;
        ensure(colStart + static_cast<qint64>(numCols) * L->columnSize);

        struct Raw {
            ColumnDef def;
            int number;
        };
        std::vector<Raw> raw;
        for (int i = 0; i < numCols; ++i) {
            const uint8_t* c = b() + colStart + static_cast<qint64>(i) * L->columnSize;
            Raw r;
            r.def.jetType = c[0];
            r.number = c[L->colNumber];
            const bool fixed = (c[L->colFlags] & 0x01) != 0;
            const int fixedOffset = u16(c + L->colFixedOffset);
            const int varIndex = u16(c + L->colVarIndex);
            r.def.length = u16(c + L->colLength);
            r.def.type = dataTypeOf(r.def.jetType);
            if (!knownType(r.def.jetType))
                damaged(path, what);
            if (fixed && fixedOffset + fixedSize(r.def.jetType) > ps)
                damaged(path, what);
            if (!fixed && varIndex >= 256)
                damaged(path, what);
            raw.push_back(r);
        }
        qint64 pos = colStart + static_cast<qint64>(numCols) * L->columnSize;
        for (int i = 0; i < numCols; ++i) {
            ensure(pos + L->nameLengthSize);
            const int len = jet4 ? u16(b() + pos) : b()[pos];
            pos += L->nameLengthSize;
            if (len > 512)
                damaged(path, what);
            ensure(pos + len);
            std::u16string name;
            decodeText(b() + pos, static_cast<size_t>(len), name);
            raw[i].def.name = QString::fromStdU16String(name);
            pos += len;
        }
        const std::vector<uint32_t> owned = mapPages(u32(b() + L->tdefUsageMap), e.name);
        if (pages)
            *pages = owned;
        std::string freeMap;
        if (!row(u32(b() + L->tdefFreeMap), freeMap))
            damaged(path, what);
        if (rowsHint)
            *rowsHint = u32(b() + L->tdefRows);

        std::stable_sort(raw.begin(), raw.end(),
                         [](const Raw& a, const Raw& c) { return a.number < c.number; });
        std::vector<ColumnDef> cols;
        cols.reserve(raw.size());
        for (auto& r : raw)
            cols.push_back(std::move(r.def));
        return cols;
    }

    // The table as libmdb reads it, its columns matched against ours.
    std::unique_ptr<MdbTableDef, TableDeleter> openTable(const CatalogEntry& e, MdbCatalogEntry& ce,
                                                         std::vector<ColumnDef>& cols) const {
        std::memset(&ce, 0, sizeof ce);
        ce.mdb = mdb;
        std::snprintf(ce.object_name, sizeof ce.object_name, "%s", e.name.toUtf8().constData());
        ce.object_type = MDB_TABLE;
        ce.table_pg = static_cast<unsigned long>(e.tableDefPage());
        std::unique_ptr<MdbTableDef, TableDeleter> t(mdb_read_table(&ce));
        if (!t || !mdb_read_columns(t.get()) || t->num_cols != cols.size())
            damaged(path, QStringLiteral("Tabellendefinition '%1'").arg(e.name));
        for (unsigned i = 0; i < t->num_cols; ++i) {
            const auto* col = static_cast<MdbColumn*>(g_ptr_array_index(t->columns, i));
            if (col->col_type != cols[i].jetType)
                damaged(path, QStringLiteral("Tabellendefinition '%1'").arg(e.name));
            cols[i].scale = col->col_scale;
        }
        return t;
    }

    // A long value (memo or OLE object) behind a 12-byte header in the row.
    void longValue(const uint8_t* field, int size, std::string& out, const QString& table) const {
        out.clear();
        const QString what = QStringLiteral("Memofeld in '%1'").arg(table);
        if (size < MemoHeader)
            damaged(path, what);
        const uint32_t head = u32(field);
        const size_t length = head & 0x3FFFFFFFu;
        const uint32_t pointer = u32(field + 4);
        if (head & MemoInline) {
            out.assign(reinterpret_cast<const char*>(field + MemoHeader),
                       static_cast<size_t>(size - MemoHeader));
        } else if (head & MemoSinglePage) {
            if (!row(pointer, out))
                damaged(path, what);
        } else {
            if (length > MaxLongValue)
                damaged(path, what);
            std::set<uint32_t> seen;
            std::string part;
            uint32_t next = pointer;
            while (next != 0 && out.size() < length) {
                if (!seen.insert(next).second || !row(next, part) || part.size() < 4)
                    damaged(path, what);
                next = u32(reinterpret_cast<const uint8_t*>(part.data()));
                out.append(part, 4, std::string::npos);
            }
            if (out.size() > length)
                out.resize(length);
        }
    }

    void decode(const CatalogEntry& e, const ColumnDef& c, const MdbField& f, int rowStart,
                int rowSize, Cell& out) const {
        if (c.jetType == ColBool) {
            // A yes/no value lives in the null mask: a set bit is Yes.
            out.kind = Cell::Integer;
            out.integer = f.is_null ? 0 : -1;
            return;
        }
        if (f.is_null) {
            out.kind = Cell::Null;
            return;
        }
        if (f.siz < 0 || f.start < rowStart || f.start + f.siz > rowStart + rowSize)
            damaged(path, QStringLiteral("Datensatz in '%1'").arg(e.name));
        const uint8_t* p = mdb->pg_buf + f.start;
        const int n = f.siz;
        const int need = fixedSize(c.jetType);
        if (need && n < need)
            damaged(path, QStringLiteral("Datensatz in '%1'").arg(e.name));
        switch (c.jetType) {
        case ColByte:
            out.kind = Cell::Integer;
            out.integer = p[0];
            break;
        case ColInt:
            out.kind = Cell::Integer;
            out.integer = static_cast<int16_t>(u16(p));
            break;
        case ColLong:
            out.kind = Cell::Integer;
            out.integer = static_cast<int32_t>(u32(p));
            break;
        case ColMoney:
            out.kind = Cell::Integer;
            out.integer = static_cast<int64_t>(u64(p));
            break;
        case ColFloat:
            // Every text made of it later, in SQL too, shows the Single's
            // own digits.
            out.kind = Cell::Real;
            out.real = singleAlsDezimal(f32(p));
            break;
        case ColDouble:
        case ColDateTime:
            out.kind = Cell::Real;
            out.real = f64(p);
            break;
        case ColNumeric: {
            // sign byte, then four 32-bit words, the most significant first
            long double v = 0;
            for (int k = 0; k < 4; ++k)
                v = v * 4294967296.0L + u32(p + 1 + 4 * k);
            v /= std::pow(10.0L, c.scale);
            out.kind = Cell::Real;
            out.real = static_cast<double>((p[0] & 0x80) ? -v : v);
            break;
        }
        case ColGuid: {
            out.kind = Cell::Text;
            const QString g = QStringLiteral("{%1-%2-%3-%4%5-%6}")
                                  .arg(u32(p), 8, 16, QLatin1Char('0'))
                                  .arg(u16(p + 4), 4, 16, QLatin1Char('0'))
                                  .arg(u16(p + 6), 4, 16, QLatin1Char('0'))
                                  .arg(p[8], 2, 16, QLatin1Char('0'))
                                  .arg(p[9], 2, 16, QLatin1Char('0'))
                                  .arg(QString::fromLatin1(
                                      QByteArray(reinterpret_cast<const char*>(p + 10), 6).toHex()))
                                  .toUpper();
            out.text = g.toStdU16String();
            break;
        }
        case ColText:
            out.kind = Cell::Text;
            decodeText(p, static_cast<size_t>(n), out.text);
            break;
        case ColBinary:
            out.kind = Cell::Bytes;
            out.bytes.assign(reinterpret_cast<const char*>(p), static_cast<size_t>(n));
            break;
        case ColMemo:
            longValue(p, n, out.bytes, e.name);
            out.kind = Cell::Text;
            decodeText(reinterpret_cast<const uint8_t*>(out.bytes.data()), out.bytes.size(),
                       out.text);
            break;
        case ColOle:
            longValue(p, n, out.bytes, e.name);
            out.kind = Cell::Bytes;
            break;
        default:
            out.kind = Cell::Null;
            break;
        }
    }
};

MdbFile::MdbFile(std::unique_ptr<Impl> impl) : d(std::move(impl)) {}
MdbFile::~MdbFile() = default;

std::unique_ptr<MdbFile> MdbFile::open(const QString& path) {
    // A pipe, socket or device is no database: opening one could wait for good.
    if (const DateiZustand z = dateiZustand(path); z != DateiZustand::Lesbar)
        throw JetError(fehler::DateiNichtGefunden,
                       z == DateiZustand::Fehlt
                           ? QStringLiteral("Die Datei '%1' wurde nicht gefunden.").arg(path)
                           : QStringLiteral("Die Datei '%1' kann nicht gelesen werden. %2")
                                 .arg(path, dateiZustandText(z)));
    auto impl = std::make_unique<Impl>();
    impl->path = path;
    const QByteArray local = QFile::encodeName(path);
    impl->fd = ::open(local.constData(), O_RDONLY | O_CLOEXEC);
    struct stat st {};
    if (impl->fd < 0 || ::fstat(impl->fd, &st) != 0)
        throw JetError(fehler::DateiNichtGefunden,
                       QStringLiteral("Die Datei '%1' kann nicht gelesen werden.").arg(path));
    const auto foreign = [&] {
        return JetError(fehler::DatenbankFormat,
                        QStringLiteral("Nicht erkanntes Datenbankformat '%1'.").arg(path));
    };
    uint8_t head[Jet4.pageSize] = {};
    const ssize_t got = ::pread(impl->fd, head, sizeof head, 0);
    if (got < Jet3.pageSize || head[0] != 0 ||
        std::memcmp(head + SignatureOffset, Signature, sizeof Signature) != 0)
        throw foreign();
    const int version = head[VersionOffset];
    if (version > 1)
        throw JetError(fehler::DatenbankFormat,
                       QStringLiteral("Das Datenbankformat von '%1' ist neuer als Jet 4 und wird "
                                      "nicht unterstützt.")
                           .arg(path));
    impl->jet4 = version == 1;
    impl->L = impl->jet4 ? &Jet4 : &Jet3;
    const qint64 ps = impl->L->pageSize;
    if (st.st_size % ps != 0 || st.st_size / ps < 3)
        damaged(path, QStringLiteral("die Datei ist abgeschnitten"));
    impl->pageCount = static_cast<uint32_t>(st.st_size / ps);

    // The header keeps the owner's key in a masked region; with a key every
    // other page is encoded.
    rc4(MaskKey, sizeof MaskKey, head + MaskStart,
        static_cast<size_t>(impl->jet4 ? MaskLengthJet4 : MaskLengthJet3));
    impl->key = u32(head + KeyOffset);

    CatalogEntry objects;
    objects.name = QStringLiteral("MSysObjects");
    objects.id = 2;
    objects.type = 1;
    const std::vector<ColumnDef> cols = impl->checkTable(objects);

    impl->mdb = mdb_open(local.constData(), MDB_NOFLAGS);
    if (!impl->mdb)
        throw foreign();

    std::unique_ptr<MdbFile> file2(new MdbFile(std::move(impl)));
    auto column = [&](const char* name) {
        for (size_t i = 0; i < cols.size(); ++i)
            if (cols[i].name.compare(QLatin1String(name), Qt::CaseInsensitive) == 0)
                return static_cast<int>(i);
        damaged(path, QStringLiteral("Katalog ohne Spalte %1").arg(QLatin1String(name)));
    };
    const int cId = column("Id");
    const int cName = column("Name");
    const int cType = column("Type");
    const int cFlags = column("Flags");
    file2->readRows(objects, [&](const std::vector<Cell>& row) {
        if (row[cName].kind != Cell::Text || row[cId].kind != Cell::Integer)
            return;
        CatalogEntry e;
        e.name = QString::fromStdU16String(row[cName].text);
        e.id = static_cast<qint32>(row[cId].integer);
        e.type = row[cType].kind == Cell::Integer ? static_cast<int>(row[cType].integer) : 0;
        e.flags = row[cFlags].kind == Cell::Integer ? static_cast<qint32>(row[cFlags].integer) : 0;
        file2->d->catalog.push_back(std::move(e));
    });
    return file2;
}

const QString& MdbFile::path() const {
    return d->path;
}
bool MdbFile::jet4() const {
    return d->jet4;
}
const std::vector<CatalogEntry>& MdbFile::catalog() const {
    return d->catalog;
}

const CatalogEntry* MdbFile::find(const QString& name) const {
    for (const auto& e : d->catalog)
        if (e.name.compare(name, Qt::CaseInsensitive) == 0 && (e.isTable() || e.isQuery()))
            return &e;
    for (const auto& e : d->catalog)
        if (e.name.compare(name, Qt::CaseInsensitive) == 0 && e.isLinkedTable())
            return &e;
    return nullptr;
}

std::vector<ColumnDef> MdbFile::columns(const CatalogEntry& table) {
    return d->checkTable(table);
}

int MdbFile::rowCountHint(const CatalogEntry& table) {
    uint32_t rows = 0;
    d->checkTable(table, &rows);
    // the definition's count is a hint only; a damaged one must not make us
    // reserve absurd amounts
    return static_cast<int>(std::min<uint64_t>(rows, static_cast<uint64_t>(d->pageCount) * 255));
}

void MdbFile::readRows(const CatalogEntry& table,
                       const std::function<void(const std::vector<Cell>&)>& row) {
    std::vector<uint32_t> pages;
    std::vector<ColumnDef> cols = d->checkTable(table, nullptr, &pages);
    // libmdb passes over a page of the map that is not one of the table's
    // data pages; its rows would be lost without a word.
    {
        std::vector<uint8_t> pg(static_cast<size_t>(d->L->pageSize));
        const auto owner = static_cast<uint32_t>(table.tableDefPage());
        for (uint32_t p : pages)
            if (!d->readPage(p, pg.data()) || pg[0] != PageData || u32(pg.data() + 4) != owner)
                damaged(d->path, QStringLiteral("Seite %1 ist keine Datenseite der Tabelle '%2'")
                                     .arg(p)
                                     .arg(table.name));
    }
    MdbCatalogEntry ce;
    auto t = d->openTable(table, ce, cols);
    std::vector<MdbField> fields(t->num_cols);
    std::vector<Cell> cells(t->num_cols);
    MdbHandle* mdb = d->mdb;
    mdb_rewind_table(t.get());
    while (mdb_fetch_row(t.get())) {
        int start = 0;
        size_t size = 0;
        if (t->cur_row == 0 ||
            mdb_find_row(mdb, static_cast<int>(t->cur_row) - 1, &start, &size) != 0)
            continue;
        start &= OffsetMask;
        if (mdb_crack_row(t.get(), start, size, fields.data()) < 0)
            continue;
        for (unsigned i = 0; i < t->num_cols; ++i)
            d->decode(table, cols[static_cast<size_t>(fields[i].colnum)], fields[i], start,
                      static_cast<int>(size), cells[i]);
        row(cells);
    }
}

Value cellToValue(const ColumnDef& column, const Cell& cell) {
    switch (cell.kind) {
    case Cell::Null:
        return Value();
    case Cell::Integer:
        if (column.type == DataType::Boolean)
            return Value::boolean(cell.integer != 0);
        if (column.type == DataType::Currency)
            return Value::currency(cell.integer);
        return Value::integer(cell.integer, column.type);
    case Cell::Real:
        if (column.type == DataType::Date)
            return Value::date(cell.real);
        return Value::real(cell.real, column.type);
    case Cell::Text:
        return Value::text(QString::fromStdU16String(cell.text), column.type);
    case Cell::Bytes:
        return Value::binary(
            QByteArray(cell.bytes.data(), static_cast<qsizetype>(cell.bytes.size())), column.type);
    }
    return Value();
}

} // namespace sorvo::jet::detail

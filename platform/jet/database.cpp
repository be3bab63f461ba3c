#include "platform/jet/mdb_reader.h"
#include "platform/jet/recordset_data.h"
#include "platform/jet/sql.h"
#include "platform/jet/sqlite_ext.h"
#include "platform/jet/stored_query.h"
#include "platform/jet/table_store.h"
#include "platform/jet/text_table.h"

#include <sqlite3.h>

#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <atomic>
#include <map>

namespace sorvo::jet {

using namespace detail;

namespace {

std::atomic<quint64> nextRecordsetId{1};

struct Statement {
    sqlite3_stmt* stmt = nullptr;
    ~Statement() { sqlite3_finalize(stmt); }
};

// The name SQLite knows a table or stored query by. SQLite keeps names
// beginning with "sqlite_" for itself; Access allows them.
QString inSqlite(const QString& name) {
    return QStringLiteral("jet_") + name;
}

[[noreturn]] void closed() {
    throw JetError(fehler::ObjektNichtGefunden, QStringLiteral("Die Datenbank ist geschlossen."));
}

} // namespace

// A source compiled and handed to SQLite, ready to run.
struct Vorbereitet {
    QString source;
    Compiled compiled;
    Statement st;
};

struct Database::Impl : SourceResolver {
    QString name;
    bool text = false;
    std::unique_ptr<MdbFile> mdb;
    sqlite3* db = nullptr;
    QHash<QString, SourceInfo> loaded; // by lower-case name
    StoreRegistry stores;              // by the name SQLite knows the table by
    QSet<QString> building;
    bool queryRowsRead = false;
    std::map<qint32, std::vector<QueryDefRow>> queryRows;

    // Sources compiled before, by their text and their parameters' names
    // and types: a record transfer runs the same lookups for every record.
    // The tables never change while the database is open, so a compiled
    // statement stays right until it is closed.
    QHash<QString, std::shared_ptr<Vorbereitet>> vorbereitet;

    ~Impl() override { close(); }

    void close() {
        // SQLite cannot close a connection that still has statements.
        vorbereitet.clear();
        if (db)
            sqlite3_close(db);
        db = nullptr;
        mdb.reset();
        loaded.clear();
        stores.clear();
    }

    void open() {
        // one thread uses a connection, so SQLite need not lock on every call
        if (sqlite3_open_v2(":memory:", &db,
                            SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX,
                            nullptr) != SQLITE_OK) {
            sqlite3_close(db);
            db = nullptr;
            throw JetError(fehler::NichtUnterstuetzt,
                           QStringLiteral("SQLite kann nicht geöffnet werden."));
        }
        registerJetExtensions(db);
        registerTableModule(db, &stores);
    }

    // SQLite's own texts speak of its inner workings, in English; the user
    // is told what failed, and the engine's own reason where it gave one.
    [[noreturn]] void fehlgeschlagen(const QString& was) const {
        const QString grund = fehlerMeldung(db, QString());
        throw JetError(fehler::SyntaxFehler, grund.isEmpty() ? was + QLatin1Char('.')
                                                             : was + QStringLiteral(": ") + grund);
    }

    void exec(const QString& sql) {
        if (sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, nullptr) != SQLITE_OK)
            fehlgeschlagen(QStringLiteral("Fehler in der Abfrage"));
    }

    void prepare(Statement& s, const QString& sql) {
        const QByteArray u = sql.toUtf8();
        if (sqlite3_prepare_v2(db, u.constData(), static_cast<int>(u.size()), &s.stmt, nullptr) !=
            SQLITE_OK)
            fehlgeschlagen(QStringLiteral("Fehler in der Abfrage"));
    }

    // Keeps the rows and shows them to SQLite as a virtual table.
    SourceInfo addTable(const QString& table, std::shared_ptr<const TableStore> store) {
        const QString name = inSqlite(table);
        stores[name.toStdString()] = store;
        exec(QStringLiteral("CREATE VIRTUAL TABLE %1 USING jet(%2)")
                 .arg(quoteIdentifier(name), quoteString(name)));
        return SourceInfo{name, store->outputColumns(), true};
    }

    SourceInfo loadMdbTable(const CatalogEntry& e) {
        const std::vector<ColumnDef> cols = mdb->columns(e);
        std::vector<OutputColumn> out;
        for (const auto& c : cols)
            out.push_back({c.name, c.type});
        auto store = std::make_shared<TableStore>(out, static_cast<size_t>(mdb->rowCountHint(e)));
        mdb->readRows(e, [&](const std::vector<Cell>& row) {
            for (size_t i = 0; i < row.size(); ++i) {
                const Cell& c = row[i];
                switch (c.kind) {
                case Cell::Null:
                    store->appendNull(i);
                    break;
                case Cell::Integer:
                    if (cols[i].type == DataType::Currency)
                        store->appendReal(i, static_cast<double>(c.integer) / 10000.0);
                    else
                        store->appendInteger(i, c.integer);
                    break;
                case Cell::Real:
                    store->appendReal(i, c.real);
                    break;
                case Cell::Text:
                    store->appendText(i, c.text.data(), c.text.size());
                    break;
                case Cell::Bytes:
                    store->appendBytes(i, c.bytes.data(), c.bytes.size());
                    break;
                }
            }
            ++store->rows;
        });
        return addTable(e.name, store);
    }

    SourceInfo loadTextTable(const TextTableFile& file) {
        const TextTableData data = readTextTable(file.path);
        auto store = std::make_shared<TableStore>(data.columns, data.rows.size());
        for (const auto& row : data.rows) {
            for (size_t i = 0; i < row.size(); ++i) {
                if (!row[i])
                    store->appendNull(i);
                else if (data.columns[i].type == DataType::Long)
                    store->appendInteger(i, row[i]->toLongLong());
                else
                    store->appendText(i, *row[i]);
            }
            ++store->rows;
        }
        return addTable(file.name, store);
    }

    void readQueryRows() {
        if (queryRowsRead)
            return;
        queryRowsRead = true;
        const CatalogEntry* e = mdb->find(QStringLiteral("MSysQueries"));
        if (!e || !e->isTable())
            return;
        const std::vector<ColumnDef> cols = mdb->columns(*e);
        auto index = [&](const char* n) {
            for (size_t i = 0; i < cols.size(); ++i)
                if (cols[i].name.compare(QLatin1String(n), Qt::CaseInsensitive) == 0)
                    return static_cast<int>(i);
            return -1;
        };
        const int cObject = index("ObjectId");
        const int cAttribute = index("Attribute");
        const int cName1 = index("Name1");
        const int cName2 = index("Name2");
        const int cExpression = index("Expression");
        const int cFlag = index("Flag");
        if (cObject < 0 || cAttribute < 0 || cName1 < 0 || cName2 < 0 || cExpression < 0 ||
            cFlag < 0)
            return;
        auto textOf = [](const Cell& c) {
            return c.kind == Cell::Text ? QString::fromStdU16String(c.text) : QString();
        };
        mdb->readRows(*e, [&](const std::vector<Cell>& row) {
            if (row[cObject].kind != Cell::Integer || row[cAttribute].kind != Cell::Integer)
                return;
            QueryDefRow r;
            r.attribute = static_cast<int>(row[cAttribute].integer);
            r.name1 = textOf(row[cName1]);
            r.name2 = textOf(row[cName2]);
            r.expression = textOf(row[cExpression]);
            if (row[cFlag].kind == Cell::Integer)
                r.flag = static_cast<int>(row[cFlag].integer);
            queryRows[static_cast<qint32>(row[cObject].integer)].push_back(r);
        });
    }

    const CatalogEntry* catalogEntry(const QString& source) const {
        return mdb ? mdb->find(source) : nullptr;
    }

    QString querySql(const CatalogEntry& e) {
        readQueryRows();
        const auto it = queryRows.find(e.id);
        if (it == queryRows.end())
            throw JetError(
                fehler::SyntaxFehler,
                QStringLiteral("Die gespeicherte Abfrage '%1' hat keine Definition.").arg(e.name));
        return rebuildQuerySql(e.name, it->second);
    }

    SourceInfo resolve(const QString& source) override {
        if (!db)
            closed();
        const QString key = source.toLower();
        if (const auto it = loaded.constFind(key); it != loaded.constEnd())
            return *it;
        SourceInfo info;
        if (text) {
            const auto file = findTextTable(name, source);
            if (!file)
                notFound(source);
            const QString fileKey = file->name.toLower();
            if (const auto it = loaded.constFind(fileKey); it != loaded.constEnd())
                return *it;
            info = loadTextTable(*file);
            loaded.insert(fileKey, info);
        } else {
            const CatalogEntry* e = catalogEntry(source);
            if (!e)
                notFound(source);
            if (e->isLinkedTable())
                throw JetError(
                    fehler::NichtUnterstuetzt,
                    QStringLiteral("Die Tabelle '%1' ist mit einer anderen Datenbank "
                                   "verknüpft; verknüpfte Tabellen werden nicht unterstützt.")
                        .arg(e->name));
            if (e->isTable()) {
                info = loadMdbTable(*e);
            } else {
                if (building.contains(key))
                    throw JetError(fehler::SyntaxFehler,
                                   QStringLiteral("Die Abfrage '%1' bezieht sich auf sich selbst.")
                                       .arg(e->name));
                building.insert(key);
                try {
                    const Compiled c = compileQuery(*parseSql(querySql(*e)), *this, nullptr, true);
                    exec(QStringLiteral("CREATE VIEW %1 AS %2")
                             .arg(quoteIdentifier(inSqlite(e->name)), c.sql));
                    info = SourceInfo{inSqlite(e->name), c.columns, false};
                } catch (...) {
                    building.remove(key);
                    throw;
                }
                building.remove(key);
            }
        }
        loaded.insert(key, info);
        return info;
    }

    [[noreturn]] void notFound(const QString& source) const {
        throw JetError(
            fehler::ObjektNichtGefunden,
            QStringLiteral("Die Tabelle oder Abfrage '%1' wurde nicht gefunden.").arg(source));
    }

    // A parameter's value in the form the tables show their values to SQLite.
    static void bind(sqlite3_stmt* stmt, int index, const Value& v) {
        switch (v.type()) {
        case DataType::Empty:
            sqlite3_bind_null(stmt, index);
            break;
        case DataType::Boolean:
        case DataType::Byte:
        case DataType::Integer:
        case DataType::Long:
            sqlite3_bind_int64(stmt, index, v.toInt64());
            break;
        case DataType::Currency:
        case DataType::Single:
        case DataType::Double:
        case DataType::Date:
        case DataType::Decimal:
            sqlite3_bind_double(stmt, index, v.toDouble());
            break;
        case DataType::Binary:
        case DataType::LongBinary: {
            const QByteArray b = v.toBytes();
            sqlite3_bind_blob64(stmt, index, b.constData(), static_cast<sqlite3_uint64>(b.size()),
                                SQLITE_TRANSIENT);
            break;
        }
        default: {
            const QByteArray u = v.toString().toUtf8();
            sqlite3_bind_text64(stmt, index, u.constData(), static_cast<sqlite3_uint64>(u.size()),
                                SQLITE_TRANSIENT, SQLITE_UTF8);
            break;
        }
        }
    }

    std::shared_ptr<Vorbereitet> vorbereiten(const QString& source,
                                             const std::vector<Parameter>* parameters) {
        if (!db)
            closed();
        QString schluessel = source;
        if (parameters)
            for (const auto& p : *parameters)
                schluessel += QChar(0) + p.name.toLower() + QChar(0) +
                              QString::number(static_cast<int>(p.value.type()));
        if (const auto it = vorbereitet.constFind(schluessel); it != vorbereitet.cend())
            return *it;
        std::shared_ptr<Query> query;
        if (looksLikeSql(source)) {
            query = parseSql(source);
        } else {
            QString name = source.trimmed();
            if (name.size() > 2 && name.startsWith(QLatin1Char('[')) &&
                name.endsWith(QLatin1Char(']')))
                name = name.mid(1, name.size() - 2);
            const CatalogEntry* e = catalogEntry(name);
            if (e && e->isQuery()) {
                resolve(e->name); // makes sure everything it needs exists
                query = parseSql(querySql(*e));
            } else {
                query = std::make_shared<Query>();
                auto s = std::make_unique<Select>();
                SelectItem all;
                all.star = true;
                s->items.push_back(std::move(all));
                auto f = std::make_unique<FromItem>();
                f->name = name;
                s->from.push_back(std::move(f));
                query->parts.push_back(std::move(s));
            }
        }
        auto v = std::make_shared<Vorbereitet>();
        v->source = source;
        v->compiled = compileQuery(*query, *this, parameters);
        prepare(v->st, v->compiled.sql);
        // A program runs a few dozen different sources; one that builds
        // its SQL anew each time must not make the list grow without end.
        if (vorbereitet.size() >= 256)
            vorbereitet.clear();
        vorbereitet.insert(schluessel, v);
        return v;
    }

    std::shared_ptr<Recordset> run(const QString& source,
                                   const std::vector<Parameter>* parameters = nullptr) {
        return ausfuehren(*vorbereiten(source, parameters), parameters);
    }

    std::shared_ptr<Recordset> ausfuehren(Vorbereitet& v,
                                          const std::vector<Parameter>* parameters) {
        if (!db)
            closed();
        const Compiled& compiled = v.compiled;
        Statement& st = v.st;
        sqlite3_reset(st.stmt);
        sqlite3_clear_bindings(st.stmt);
        if (parameters) {
            const int used = sqlite3_bind_parameter_count(st.stmt);
            for (int i = 0; i < used && i < static_cast<int>(parameters->size()); ++i)
                bind(st.stmt, i + 1, (*parameters)[static_cast<size_t>(i)].value);
        }

        auto d = std::make_unique<Recordset::Daten>();
        d->id = nextRecordsetId++;
        d->source = v.source;
        for (const auto& c : compiled.columns)
            d->fields.push_back({c.name, c.type});
        const int n = static_cast<int>(d->fields.size());
        int rc;
        if (!compiled.baseTable.isEmpty()) {
            d->base = stores.at(compiled.baseTable.toStdString());
            d->baseColumns = compiled.baseColumns;
            while ((rc = sqlite3_step(st.stmt)) == SQLITE_ROW)
                d->baseRows.push_back(static_cast<int>(sqlite3_column_int64(st.stmt, 0) - 1));
            if (rc != SQLITE_DONE)
                fehlgeschlagen(QStringLiteral("Fehler beim Ausführen der Abfrage"));
            d->rows = static_cast<int>(d->baseRows.size());
            return std::make_shared<Recordset>(std::move(d));
        }
        if (sqlite3_column_count(st.stmt) != n)
            throw JetError(fehler::SyntaxFehler, QStringLiteral("Fehler in der Abfrage."));
        while ((rc = sqlite3_step(st.stmt)) == SQLITE_ROW) {
            for (int i = 0; i < n; ++i) {
                Recordset::Daten::Cell cell;
                switch (sqlite3_column_type(st.stmt, i)) {
                case SQLITE_INTEGER:
                    cell.kind = CellKind::Integer;
                    cell.integer = sqlite3_column_int64(st.stmt, i);
                    break;
                case SQLITE_FLOAT:
                    cell.kind = CellKind::Real;
                    cell.real = sqlite3_column_double(st.stmt, i);
                    break;
                case SQLITE_TEXT:
                case SQLITE_BLOB: {
                    const bool isText = sqlite3_column_type(st.stmt, i) == SQLITE_TEXT;
                    const void* p = isText
                                        ? static_cast<const void*>(sqlite3_column_text(st.stmt, i))
                                        : sqlite3_column_blob(st.stmt, i);
                    const int len = sqlite3_column_bytes(st.stmt, i);
                    cell.kind = isText ? CellKind::Text : CellKind::Blob;
                    cell.offset = d->arena.size();
                    cell.length = static_cast<uint32_t>(len);
                    if (len > 0)
                        d->arena.append(static_cast<const char*>(p), static_cast<size_t>(len));
                    break;
                }
                default:
                    break;
                }
                d->cells.push_back(cell);
            }
            ++d->rows;
        }
        if (rc != SQLITE_DONE)
            fehlgeschlagen(QStringLiteral("Fehler beim Ausführen der Abfrage"));
        // Fields of unknown type take the kind of their first value.
        for (int i = 0; i < n; ++i) {
            if (d->fields[i].type != DataType::Empty)
                continue;
            for (int r = 0; r < d->rows; ++r) {
                const auto& c = d->cells[static_cast<size_t>(r) * n + i];
                if (c.kind == CellKind::Null)
                    continue;
                d->fields[i].type = c.kind == CellKind::Integer ? DataType::Long
                                    : c.kind == CellKind::Real  ? DataType::Double
                                    : c.kind == CellKind::Text  ? DataType::Text
                                                                : DataType::LongBinary;
                break;
            }
        }
        return std::make_shared<Recordset>(std::move(d));
    }
};

Database::Database(std::unique_ptr<Impl> impl) : d(std::move(impl)) {}
Database::~Database() = default;

std::shared_ptr<Database> Database::open(const QString& path) {
    auto impl = std::make_unique<Impl>();
    impl->name = path;
    impl->mdb = MdbFile::open(path);
    impl->open();
    return std::shared_ptr<Database>(new Database(std::move(impl)));
}

std::shared_ptr<Database> Database::openTextFolder(const QString& folder) {
    if (!QFileInfo(folder).isDir())
        throw JetError(fehler::PfadUngueltig,
                       QStringLiteral("'%1' ist kein gültiger Pfad.").arg(folder));
    auto impl = std::make_unique<Impl>();
    impl->name = folder;
    impl->text = true;
    impl->open();
    return std::shared_ptr<Database>(new Database(std::move(impl)));
}

QString Database::name() const {
    return d->name;
}
bool Database::isText() const {
    return d->text;
}

std::vector<TableDef> Database::tableDefs() const {
    std::vector<TableDef> out;
    if (d->text) {
        for (const auto& t : textTables(d->name)) {
            TableDef def;
            def.name = t.name + QLatin1Char('#') + QFileInfo(t.path).suffix();
            out.push_back(def);
        }
        return out;
    }
    if (!d->mdb)
        closed();
    for (const auto& e : d->mdb->catalog()) {
        if (!e.isTable() && !e.isLinkedTable())
            continue;
        TableDef def;
        def.name = e.name;
        def.attributes = e.flags;
        def.system = e.isSystem();
        def.linked = e.isLinkedTable();
        out.push_back(def);
    }
    std::stable_sort(out.begin(), out.end(), [](const TableDef& a, const TableDef& b) {
        return compareGeneral(a.name, b.name) < 0;
    });
    return out;
}

std::vector<FieldInfo> Database::tableFields(const QString& table) const {
    std::vector<FieldInfo> out;
    if (d->text) {
        const auto file = findTextTable(d->name, table);
        if (!file)
            d->notFound(table);
        for (const auto& c : readTextTable(file->path).columns)
            out.push_back({c.name, c.type});
        return out;
    }
    if (!d->mdb)
        closed();
    const CatalogEntry* e = d->mdb->find(table);
    if (!e || !e->isTable())
        d->notFound(table);
    for (const auto& c : d->mdb->columns(*e))
        out.push_back({c.name, c.type});
    return out;
}

QStringList Database::queryNames() const {
    QStringList out;
    if (d->mdb)
        for (const auto& e : d->mdb->catalog())
            if (e.isQuery())
                out << e.name;
    return out;
}

QString Database::querySql(const QString& query) const {
    const CatalogEntry* e = d->catalogEntry(query);
    if (!e || !e->isQuery())
        d->notFound(query);
    return d->querySql(*e);
}

std::shared_ptr<Recordset> Database::openRecordset(const QString& source) {
    return d->run(source);
}

std::shared_ptr<Recordset> Database::openRecordset(const QString& sql,
                                                   const std::vector<Parameter>& parameters) {
    return d->run(sql, &parameters);
}

void Database::close() {
    d->close();
}

} // namespace sorvo::jet

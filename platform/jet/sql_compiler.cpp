#include "platform/jet/sql.h"

#include <QHash>
#include <algorithm>

namespace sorvo::jet::detail {

QString quoteIdentifier(const QString& name) {
    QString s = name;
    s.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + s + QLatin1Char('"');
}

QString quoteString(const QString& text) {
    QString s = text;
    s.replace(QLatin1Char('\''), QStringLiteral("''"));
    return QLatin1Char('\'') + s + QLatin1Char('\'');
}

QString unquoteString(const QString& literal) {
    if (literal.size() < 2 || !literal.startsWith(QLatin1Char('\'')) ||
        !literal.endsWith(QLatin1Char('\'')))
        return literal;
    QString s = literal.mid(1, literal.size() - 2);
    s.replace(QStringLiteral("''"), QStringLiteral("'"));
    return s;
}

namespace {

struct Gen {
    QString sql;
    DataType type = DataType::Empty;
};

struct ScopeSource {
    QString exposed; // the name the query uses: the alias, else the name as written
    QString sqlRef;  // how SQLite knows it here
    std::vector<OutputColumn> columns;
    bool table = false;
    QString sqlName; // the table or view itself
};

struct Scope {
    std::vector<ScopeSource> sources;
    const Scope* parent = nullptr;
    const std::vector<OutputColumn>* outputs = nullptr; // names ORDER BY may use
};

bool isTextType(DataType t) {
    return t == DataType::Text || t == DataType::Memo || t == DataType::Empty ||
           t == DataType::Guid;
}

bool isFloating(DataType t) {
    return t == DataType::Single || t == DataType::Double || t == DataType::Decimal;
}

DataType numericResult(DataType a, DataType b, const QString& op) {
    if (a == DataType::Empty)
        return b;
    if (b == DataType::Empty)
        return a;
    if (a == DataType::Date || b == DataType::Date) {
        if (op == QLatin1String("-") && a == DataType::Date && b == DataType::Date)
            return DataType::Double;
        return DataType::Date;
    }
    if (isFloating(a) || isFloating(b))
        return DataType::Double;
    if (a == DataType::Currency || b == DataType::Currency)
        return DataType::Currency;
    return DataType::Long;
}

enum class ResultType { Fixed, FirstArg, SumOf };

struct Function {
    const char* name;
    const char* sql;
    int minArgs;
    int maxArgs;
    ResultType result;
    DataType type;
    bool aggregate;
};

const Function* findFunction(const QString& name) {
    static const Function table[] = {
        {"Count", "count", 1, 1, ResultType::Fixed, DataType::Long, true},
        {"Sum", "sum", 1, 1, ResultType::SumOf, DataType::Empty, true},
        {"Avg", "avg", 1, 1, ResultType::Fixed, DataType::Double, true},
        {"Min", "min", 1, 1, ResultType::FirstArg, DataType::Empty, true},
        {"Max", "max", 1, 1, ResultType::FirstArg, DataType::Empty, true},
        {"First", "jet_first", 1, 1, ResultType::FirstArg, DataType::Empty, true},
        {"Last", "jet_last", 1, 1, ResultType::FirstArg, DataType::Empty, true},
        {"StDev", "jet_stdev", 1, 1, ResultType::Fixed, DataType::Double, true},
        {"StDevP", "jet_stdevp", 1, 1, ResultType::Fixed, DataType::Double, true},
        {"Var", "jet_var", 1, 1, ResultType::Fixed, DataType::Double, true},
        {"VarP", "jet_varp", 1, 1, ResultType::Fixed, DataType::Double, true},
        {"Left", "jet_left", 2, 2, ResultType::Fixed, DataType::Text, false},
        {"Right", "jet_right", 2, 2, ResultType::Fixed, DataType::Text, false},
        {"Mid", "jet_mid", 2, 3, ResultType::Fixed, DataType::Text, false},
        {"Len", "jet_len", 1, 1, ResultType::Fixed, DataType::Long, false},
        {"UCase", "jet_ucase", 1, 1, ResultType::Fixed, DataType::Text, false},
        {"LCase", "jet_lcase", 1, 1, ResultType::Fixed, DataType::Text, false},
        {"Trim", "jet_trim", 1, 1, ResultType::Fixed, DataType::Text, false},
        {"LTrim", "jet_ltrim", 1, 1, ResultType::Fixed, DataType::Text, false},
        {"RTrim", "jet_rtrim", 1, 1, ResultType::Fixed, DataType::Text, false},
        {"Space", "jet_space", 1, 1, ResultType::Fixed, DataType::Text, false},
        {"InStr", "jet_instr", 2, 3, ResultType::Fixed, DataType::Long, false},
        {"Replace", "jet_replace", 3, 3, ResultType::Fixed, DataType::Text, false},
        {"Asc", "jet_asc", 1, 1, ResultType::Fixed, DataType::Integer, false},
        {"Chr", "jet_chr", 1, 1, ResultType::Fixed, DataType::Text, false},
        {"Str", "jet_str", 1, 1, ResultType::Fixed, DataType::Text, false},
        {"CStr", "jet_cstr", 1, 1, ResultType::Fixed, DataType::Text, false},
        {"Val", "jet_val", 1, 1, ResultType::Fixed, DataType::Double, false},
        {"CInt", "jet_cint", 1, 1, ResultType::Fixed, DataType::Integer, false},
        {"CLng", "jet_clng", 1, 1, ResultType::Fixed, DataType::Long, false},
        {"CByte", "jet_cbyte", 1, 1, ResultType::Fixed, DataType::Byte, false},
        {"CSng", "jet_cdbl", 1, 1, ResultType::Fixed, DataType::Single, false},
        {"CDbl", "jet_cdbl", 1, 1, ResultType::Fixed, DataType::Double, false},
        {"CCur", "jet_ccur", 1, 1, ResultType::Fixed, DataType::Currency, false},
        {"CBool", "jet_cbool", 1, 1, ResultType::Fixed, DataType::Boolean, false},
        {"CDate", "jet_cdate", 1, 1, ResultType::Fixed, DataType::Date, false},
        {"Abs", "jet_abs", 1, 1, ResultType::FirstArg, DataType::Empty, false},
        {"Sgn", "jet_sgn", 1, 1, ResultType::Fixed, DataType::Integer, false},
        {"Int", "jet_int", 1, 1, ResultType::FirstArg, DataType::Empty, false},
        {"Fix", "jet_fix", 1, 1, ResultType::FirstArg, DataType::Empty, false},
        {"Round", "jet_round", 1, 2, ResultType::FirstArg, DataType::Empty, false},
        {"Sqr", "jet_sqr", 1, 1, ResultType::Fixed, DataType::Double, false},
        {"Year", "jet_year", 1, 1, ResultType::Fixed, DataType::Integer, false},
        {"Month", "jet_month", 1, 1, ResultType::Fixed, DataType::Integer, false},
        {"Day", "jet_day", 1, 1, ResultType::Fixed, DataType::Integer, false},
        {"Hour", "jet_hour", 1, 1, ResultType::Fixed, DataType::Integer, false},
        {"Minute", "jet_minute", 1, 1, ResultType::Fixed, DataType::Integer, false},
        {"Second", "jet_second", 1, 1, ResultType::Fixed, DataType::Integer, false},
        {"Weekday", "jet_weekday", 1, 2, ResultType::Fixed, DataType::Integer, false},
        {"DatePart", "jet_datepart", 2, 4, ResultType::Fixed, DataType::Integer, false},
        {"DateSerial", "jet_dateserial", 3, 3, ResultType::Fixed, DataType::Date, false},
        {"TimeSerial", "jet_timeserial", 3, 3, ResultType::Fixed, DataType::Date, false},
        {"Date", "jet_date", 0, 0, ResultType::Fixed, DataType::Date, false},
        {"Time", "jet_time", 0, 0, ResultType::Fixed, DataType::Date, false},
        {"Now", "jet_now", 0, 0, ResultType::Fixed, DataType::Date, false},
        {"IsNumeric", "jet_isnumeric", 1, 1, ResultType::Fixed, DataType::Boolean, false},
    };
    for (const auto& f : table)
        if (name.compare(QLatin1String(f.name), Qt::CaseInsensitive) == 0)
            return &f;
    return nullptr;
}

class Compiler {
public:
    explicit Compiler(SourceResolver& resolver, const std::vector<Parameter>* parameters = nullptr)
        : m_resolver(resolver), m_parameters(parameters) {}

    QStringList unresolved;

    Compiled query(const Query& q, const Scope* parent, bool topLevel = false) {
        if (q.parts.size() == 1) {
            Compiled c = select(*q.parts.front(), parent, topLevel);
            return c;
        }
        Compiled result;
        QStringList parts;
        for (size_t i = 0; i < q.parts.size(); ++i) {
            Compiled part = select(*q.parts[i], parent, false);
            if (part.sql.contains(QLatin1String(" ORDER BY ")))
                part.sql = QStringLiteral("SELECT * FROM (%1)").arg(part.sql);
            if (i == 0) {
                result.columns = part.columns;
            } else {
                if (part.columns.size() != result.columns.size())
                    throw JetError(fehler::SyntaxFehler,
                                   QStringLiteral("Die Anzahl der Felder in den Teilen der "
                                                  "Vereinigungsabfrage stimmt nicht überein."));
                for (size_t k = 0; k < part.columns.size(); ++k)
                    if (result.columns[k].type == DataType::Empty)
                        result.columns[k].type = part.columns[k].type;
            }
            if (i > 0)
                parts << (q.unionAll[i - 1] ? QStringLiteral(" UNION ALL ")
                                            : QStringLiteral(" UNION "));
            parts << part.sql;
        }
        const QString compound = parts.join(QString());
        if (q.orderBy.empty()) {
            result.sql = compound;
            return result;
        }
        // Sorting a union: by its output fields, from outside.
        Scope scope;
        scope.parent = parent;
        scope.sources.push_back({QStringLiteral("__union"), QStringLiteral("__union"),
                                 result.columns, false, QString()});
        QStringList keys;
        for (const auto& o : q.orderBy)
            keys << orderKey(o, scope, result.columns);
        result.sql = QStringLiteral("SELECT * FROM (%1) AS \"__union\" ORDER BY %2")
                         .arg(compound, keys.join(QStringLiteral(", ")));
        return result;
    }

private:
    SourceResolver& m_resolver;
    const std::vector<Parameter>* m_parameters = nullptr;
    int m_derived = 0;

    // A given parameter of this name, as the numbered placeholder SQLite binds.
    std::optional<Gen> parameter(const QString& name) const {
        if (!m_parameters)
            return std::nullopt;
        for (size_t i = 0; i < m_parameters->size(); ++i)
            if ((*m_parameters)[i].name.compare(name, Qt::CaseInsensitive) == 0)
                return Gen{QStringLiteral("?%1").arg(i + 1), (*m_parameters)[i].value.type()};
        return std::nullopt;
    }
    bool m_usedOutputName = false;

    QString orderKey(const OrderItem& o, const Scope& scope,
                     const std::vector<OutputColumn>& outputs) {
        QString sql;
        if (o.expr->kind == Expr::Kind::Integer && o.expr->text.isEmpty()) {
            if (o.expr->integer < 1 || o.expr->integer > static_cast<qint64>(outputs.size()))
                throw JetError(
                    fehler::SyntaxFehler,
                    QStringLiteral("Ungültige Feldnummer %1 in ORDER BY.").arg(o.expr->integer));
            sql = QString::number(o.expr->integer);
        } else {
            Scope withOutputs = scope;
            withOutputs.outputs = &outputs;
            const Gen g = expr(*o.expr, withOutputs);
            sql = g.sql;
            if (isTextType(g.type))
                sql += QStringLiteral(" COLLATE JET");
        }
        return o.descending ? sql + QStringLiteral(" DESC") : sql;
    }

    QString from(const FromItem& f, Scope& scope) {
        switch (f.kind) {
        case FromItem::Kind::Table: {
            const SourceInfo info = m_resolver.resolve(f.name);
            ScopeSource src;
            src.exposed = f.alias.isEmpty() ? f.name : f.alias;
            src.sqlRef = f.alias.isEmpty() ? info.sqlName : f.alias;
            src.columns = info.columns;
            src.table = info.table;
            src.sqlName = info.sqlName;
            scope.sources.push_back(src);
            QString sql = quoteIdentifier(info.sqlName);
            if (!f.alias.isEmpty())
                sql += QStringLiteral(" AS ") + quoteIdentifier(f.alias);
            return sql;
        }
        case FromItem::Kind::Derived: {
            Compiler inner(m_resolver, m_parameters);
            const Compiled c = inner.query(*f.query, nullptr);
            unresolved += inner.unresolved;
            const QString alias =
                f.alias.isEmpty() ? QStringLiteral("__abfrage%1").arg(++m_derived) : f.alias;
            scope.sources.push_back({alias, alias, c.columns, false, QString()});
            return QStringLiteral("(%1) AS %2").arg(c.sql, quoteIdentifier(alias));
        }
        case FromItem::Kind::Join: {
            QString l = from(*f.left, scope);
            QString r = from(*f.right, scope);
            if (f.left->kind == FromItem::Kind::Join)
                l = QLatin1Char('(') + l + QLatin1Char(')');
            if (f.right->kind == FromItem::Kind::Join)
                r = QLatin1Char('(') + r + QLatin1Char(')');
            const Gen on = expr(*f.on, scope);
            return QStringLiteral("%1 %2 JOIN %3 ON %4").arg(l, f.joinType, r, on.sql);
        }
        }
        return {};
    }

    struct Item {
        QString sql;
        QString name;
        QString qualified; // for fields taken straight from a source
        DataType type = DataType::Empty;
        bool explicitAlias = false;
        int source = -1; // the FROM source of a plain field
        int column = -1; // and its column there
    };

    Compiled select(const Select& s, const Scope* parent, bool topLevel) {
        Scope scope;
        scope.parent = parent;
        QStringList fromParts;
        for (const auto& f : s.from)
            fromParts << from(*f, scope);

        std::vector<Item> items;
        int exprNumber = 1000;
        for (const auto& it : s.items) {
            if (it.star) {
                bool found = it.starQualifier.isEmpty();
                for (const auto& src : scope.sources) {
                    if (!it.starQualifier.isEmpty() &&
                        src.exposed.compare(it.starQualifier, Qt::CaseInsensitive) != 0)
                        continue;
                    found = true;
                    const int index = static_cast<int>(&src - scope.sources.data());
                    for (size_t k = 0; k < src.columns.size(); ++k) {
                        const auto& col = src.columns[k];
                        items.push_back({quoteIdentifier(src.sqlRef) + QLatin1Char('.') +
                                             quoteIdentifier(col.name),
                                         col.name, src.exposed + QLatin1Char('.') + col.name,
                                         col.type, false, index, static_cast<int>(k)});
                    }
                }
                if (!found)
                    unresolved << it.starQualifier + QStringLiteral(".*");
                continue;
            }
            const Gen g = expr(*it.expr, scope);
            Item item;
            item.sql = g.sql;
            item.type = g.type;
            if (!it.alias.isEmpty()) {
                item.name = it.alias;
                item.explicitAlias = true;
            } else if (it.expr->kind == Expr::Kind::Column) {
                item.name = it.expr->text;
                item.source = sourceIndex(*it.expr, scope);
                item.qualified = (it.expr->qualifier.isEmpty() ? sourceOf(*it.expr, scope)
                                                               : it.expr->qualifier) +
                                 QLatin1Char('.') + it.expr->text;
            } else {
                item.name = QStringLiteral("Expr%1").arg(exprNumber++);
            }
            if (!it.alias.isEmpty() && it.expr->kind == Expr::Kind::Column)
                item.source = sourceIndex(*it.expr, scope);
            if (item.source >= 0)
                item.column =
                    columnIndex(*it.expr, scope.sources[static_cast<size_t>(item.source)]);
            items.push_back(item);
        }
        // A name that occurs twice is told apart by its table: "Stauden.FAMILIE".
        QHash<QString, int> counts;
        for (const auto& i : items)
            ++counts[i.name.toLower()];
        for (auto& i : items)
            if (!i.explicitAlias && !i.qualified.isEmpty() && counts.value(i.name.toLower()) > 1)
                i.name = i.qualified;

        Compiled out;
        for (const auto& i : items)
            out.columns.push_back({i.name, i.type});

        QStringList list;
        for (const auto& i : items)
            list << i.sql + QStringLiteral(" AS ") + quoteIdentifier(i.name);

        QString tail;
        if (!fromParts.isEmpty())
            tail += QStringLiteral(" FROM ") + fromParts.join(QStringLiteral(", "));
        if (s.where)
            tail += QStringLiteral(" WHERE ") + expr(*s.where, scope).sql;
        if (!s.groupBy.empty()) {
            QStringList g;
            for (const auto& e : s.groupBy) {
                const Gen ge = expr(*e, scope);
                g << (isTextType(ge.type) ? ge.sql + QStringLiteral(" COLLATE JET") : ge.sql);
            }
            tail += QStringLiteral(" GROUP BY ") + g.join(QStringLiteral(", "));
        }
        if (s.having)
            tail += QStringLiteral(" HAVING ") + expr(*s.having, scope).sql;
        if (s.distinctRow && s.groupBy.empty() && !s.having)
            tail += distinctRowGrouping(items, scope);
        m_usedOutputName = false;
        QStringList keys;
        for (const auto& o : s.orderBy)
            keys << orderKey(o, scope, out.columns);

        if (topLevel && rowsOfOneTable(s, items, scope)) {
            const ScopeSource& src = scope.sources.front();
            out.sql = QStringLiteral("SELECT %1.rowid").arg(quoteIdentifier(src.sqlRef)) + tail;
            if (!keys.isEmpty())
                out.sql += QStringLiteral(" ORDER BY ") + keys.join(QStringLiteral(", "));
            out.baseTable = src.sqlName;
            for (const auto& i : items)
                out.baseColumns.push_back(i.column);
            return out;
        }

        const QString head =
            s.distinct ? QStringLiteral("SELECT DISTINCT ") : QStringLiteral("SELECT ");
        if (!s.top) {
            out.sql = head + list.join(QStringLiteral(", ")) + tail;
            if (!keys.isEmpty())
                out.sql += QStringLiteral(" ORDER BY ") + keys.join(QStringLiteral(", "));
            return out;
        }

        // TOP keeps the rows that tie with the last one, so it is a rank
        // rather than a LIMIT.
        const QString order = keys.isEmpty()
                                  ? QString()
                                  : QStringLiteral("ORDER BY ") + keys.join(QStringLiteral(", "));
        const QString windows =
            QStringLiteral("%1 OVER (%2) AS \"__rang\", ROW_NUMBER() OVER (%2) AS "
                           "\"__nr\", COUNT(*) OVER () AS \"__anzahl\"")
                .arg(keys.isEmpty() ? QStringLiteral("ROW_NUMBER()") : QStringLiteral("RANK()"),
                     order);
        QString inner;
        if (s.distinct) {
            QStringList outerKeys;
            for (const auto& o : s.orderBy) {
                if (o.expr->kind != Expr::Kind::Column)
                    throw JetError(
                        fehler::NichtUnterstuetzt,
                        QStringLiteral("TOP mit DISTINCT und berechneter Sortierung wird "
                                       "nicht unterstützt."));
                int found = -1;
                for (size_t k = 0; k < out.columns.size(); ++k)
                    if (out.columns[k].name.compare(o.expr->text, Qt::CaseInsensitive) == 0 ||
                        items[k].qualified.compare(o.expr->qualifier + QLatin1Char('.') +
                                                       o.expr->text,
                                                   Qt::CaseInsensitive) == 0)
                        found = static_cast<int>(k);
                if (found < 0)
                    throw JetError(
                        fehler::SyntaxFehler,
                        QStringLiteral("Die ORDER BY-Klausel steht in Konflikt mit DISTINCT."));
                outerKeys << quoteIdentifier(out.columns[found].name) +
                                 (isTextType(out.columns[found].type)
                                      ? QStringLiteral(" COLLATE JET")
                                      : QString()) +
                                 (o.descending ? QStringLiteral(" DESC") : QString());
            }
            const QString outerOrder =
                outerKeys.isEmpty()
                    ? QString()
                    : QStringLiteral("ORDER BY ") + outerKeys.join(QStringLiteral(", "));
            inner = QStringLiteral("SELECT *, %1 FROM (%2)")
                        .arg(QStringLiteral("%1 OVER (%2) AS \"__rang\", ROW_NUMBER() OVER (%2) AS "
                                            "\"__nr\", COUNT(*) OVER () AS \"__anzahl\"")
                                 .arg(outerKeys.isEmpty() ? QStringLiteral("ROW_NUMBER()")
                                                          : QStringLiteral("RANK()"),
                                      outerOrder),
                             head + list.join(QStringLiteral(", ")) + tail);
        } else {
            inner = head + list.join(QStringLiteral(", ")) + QStringLiteral(", ") + windows + tail;
        }
        const QString limit =
            s.topPercent ? QStringLiteral("CAST(\"__anzahl\" * %1 / 100.0 + 0.9999999 AS INTEGER)")
                               .arg(*s.top, 0, 'g', 17)
                         : QString::number(static_cast<qint64>(*s.top));
        QStringList names;
        for (const auto& c : out.columns)
            names << quoteIdentifier(c.name);
        out.sql = QStringLiteral("SELECT %1 FROM (%2) WHERE \"__rang\" <= %3 ORDER BY \"__nr\"")
                      .arg(names.join(QStringLiteral(", ")), inner, limit);
        return out;
    }

    // Whether the output is nothing but fields of one table, which the caller
    // then reads from the table itself.
    bool rowsOfOneTable(const Select& s, const std::vector<Item>& items, const Scope& scope) const {
        if (s.distinct || s.top || !s.groupBy.empty() || s.having || m_usedOutputName ||
            scope.sources.size() != 1 || !scope.sources.front().table || items.empty())
            return false;
        for (const auto& i : items)
            if (i.source != 0 || i.column < 0)
                return false;
        return true;
    }

    static int columnIndex(const Expr& e, const ScopeSource& src) {
        for (size_t k = 0; k < src.columns.size(); ++k)
            if (src.columns[k].name.compare(e.text, Qt::CaseInsensitive) == 0)
                return static_cast<int>(k);
        return -1;
    }

    // DISTINCTROW shows each record of the tables whose fields are output
    // once, however many records of the other tables join it. It matters
    // only when those tables are fewer than all, and we can tell records
    // apart only in tables, not in queries.
    QString distinctRowGrouping(const std::vector<Item>& items, const Scope& scope) const {
        std::vector<int> used;
        for (const auto& i : items) {
            if (i.source < 0)
                return {};
            if (std::find(used.begin(), used.end(), i.source) == used.end())
                used.push_back(i.source);
        }
        if (used.empty() || used.size() >= scope.sources.size())
            return {};
        QStringList keys;
        for (int u : used) {
            if (!scope.sources[static_cast<size_t>(u)].table)
                return {};
            keys << quoteIdentifier(scope.sources[static_cast<size_t>(u)].sqlRef) +
                        QStringLiteral(".rowid");
        }
        return QStringLiteral(" GROUP BY ") + keys.join(QStringLiteral(", "));
    }

    // Which source of this SELECT a field belongs to; -1 for outer ones.
    int sourceIndex(const Expr& e, const Scope& scope) const {
        for (size_t i = 0; i < scope.sources.size(); ++i) {
            const auto& src = scope.sources[i];
            if (!e.qualifier.isEmpty() &&
                src.exposed.compare(e.qualifier, Qt::CaseInsensitive) != 0)
                continue;
            for (const auto& c : src.columns)
                if (c.name.compare(e.text, Qt::CaseInsensitive) == 0)
                    return static_cast<int>(i);
        }
        return -1;
    }

    // The exposed name of the source an unqualified field comes from.
    QString sourceOf(const Expr& e, const Scope& scope) const {
        for (const Scope* s = &scope; s; s = s->parent)
            for (const auto& src : s->sources)
                for (const auto& c : src.columns)
                    if (c.name.compare(e.text, Qt::CaseInsensitive) == 0)
                        return src.exposed;
        return {};
    }

    Gen column(const Expr& e, const Scope& scope) {
        for (const Scope* s = &scope; s; s = s->parent) {
            if (!e.qualifier.isEmpty()) {
                for (const auto& src : s->sources) {
                    if (src.exposed.compare(e.qualifier, Qt::CaseInsensitive) != 0)
                        continue;
                    for (const auto& c : src.columns)
                        if (c.name.compare(e.text, Qt::CaseInsensitive) == 0)
                            return {quoteIdentifier(src.sqlRef) + QLatin1Char('.') +
                                        quoteIdentifier(c.name),
                                    c.type};
                }
                continue;
            }
            const ScopeSource* hit = nullptr;
            const OutputColumn* col = nullptr;
            for (const auto& src : s->sources)
                for (const auto& c : src.columns)
                    if (c.name.compare(e.text, Qt::CaseInsensitive) == 0) {
                        if (hit && hit != &src)
                            throw JetError(
                                fehler::FeldMehrdeutig,
                                QStringLiteral("Das Feld '%1' kann sich auf mehr als eine "
                                               "Tabelle der FROM-Klausel beziehen.")
                                    .arg(e.text));
                        hit = &src;
                        col = &c;
                    }
            if (hit)
                return {quoteIdentifier(hit->sqlRef) + QLatin1Char('.') +
                            quoteIdentifier(col->name),
                        col->type};
            if (s->outputs)
                for (const auto& o : *s->outputs)
                    if (o.name.compare(e.text, Qt::CaseInsensitive) == 0) {
                        m_usedOutputName = true;
                        return {quoteIdentifier(o.name), o.type};
                    }
        }
        if (!e.qualifier.isEmpty()) {
            // A query's field may be named "Gehoelze.FAMILIE" itself; callers
            // that build SQL from field names write it without brackets.
            Expr whole;
            whole.kind = Expr::Kind::Column;
            whole.text = e.qualifier + QLatin1Char('.') + e.text;
            if (!sourceOf(whole, scope).isEmpty())
                return column(whole, scope);
        }
        const QString name =
            e.qualifier.isEmpty() ? e.text : e.qualifier + QLatin1Char('.') + e.text;
        if (auto p = parameter(name))
            return *p;
        unresolved << name;
        return {QStringLiteral("NULL"), DataType::Empty};
    }

    Compiled subquery(const Query& q, const Scope& scope) {
        Compiler inner(m_resolver, m_parameters);
        const Compiled c = inner.query(q, &scope);
        unresolved += inner.unresolved;
        return c;
    }

    Gen call(const Expr& e, const Scope& scope) {
        std::vector<Gen> args;
        for (const auto& a : e.args)
            args.push_back(expr(*a, scope));
        const QString name = e.text;
        auto argSql = [&] {
            QStringList l;
            for (const auto& a : args)
                l << a.sql;
            return l.join(QStringLiteral(", "));
        };
        auto count = [&](int lo, int hi) {
            if (static_cast<int>(args.size()) < lo || static_cast<int>(args.size()) > hi)
                throw JetError(
                    fehler::SyntaxFehler,
                    QStringLiteral("Falsche Anzahl von Argumenten für die Funktion '%1'.")
                        .arg(name));
        };
        if (name.compare(QLatin1String("IIf"), Qt::CaseInsensitive) == 0) {
            count(3, 3);
            return {QStringLiteral("(CASE WHEN %1 THEN %2 ELSE %3 END)")
                        .arg(args[0].sql, args[1].sql, args[2].sql),
                    args[1].type != DataType::Empty ? args[1].type : args[2].type};
        }
        if (name.compare(QLatin1String("Nz"), Qt::CaseInsensitive) == 0) {
            count(1, 2);
            const QString other = args.size() == 2           ? args[1].sql
                                  : isTextType(args[0].type) ? QStringLiteral("''")
                                                             : QStringLiteral("0");
            return {QStringLiteral("COALESCE(%1, %2)").arg(args[0].sql, other), args[0].type};
        }
        if (name.compare(QLatin1String("IsNull"), Qt::CaseInsensitive) == 0) {
            count(1, 1);
            return {QStringLiteral("(%1 IS NULL)").arg(args[0].sql), DataType::Boolean};
        }
        const Function* f = findFunction(name);
        if (!f)
            throw JetError(fehler::FunktionUnbekannt,
                           QStringLiteral("Undefinierte Funktion '%1' in Ausdruck.").arg(name));
        if (e.star) {
            if (QLatin1String(f->name) != QLatin1String("Count"))
                throw JetError(fehler::SyntaxFehler,
                               QStringLiteral("'*' ist nur in Count(*) erlaubt."));
            return {QStringLiteral("count(*)"), DataType::Long};
        }
        count(f->minArgs, f->maxArgs);
        DataType type = f->type;
        if (f->result == ResultType::FirstArg)
            type = args[0].type;
        else if (f->result == ResultType::SumOf)
            type = isFloating(args[0].type) || args[0].type == DataType::Empty ? DataType::Double
                   : args[0].type == DataType::Currency                        ? DataType::Currency
                   : args[0].type == DataType::Date                            ? DataType::Date
                                                                               : DataType::Long;
        return {QStringLiteral("%1(%2)").arg(QLatin1String(f->sql), argSql()), type};
    }

    Gen expr(const Expr& e, const Scope& scope) {
        switch (e.kind) {
        case Expr::Kind::Null:
            return {QStringLiteral("NULL"), DataType::Empty};
        case Expr::Kind::Integer:
            return {QString::number(e.integer),
                    e.text == QLatin1String("Boolean") ? DataType::Boolean : DataType::Long};
        case Expr::Kind::Real:
            return {QString::number(e.real, 'g', 17), DataType::Double};
        case Expr::Kind::String:
            return {quoteString(e.text), DataType::Text};
        case Expr::Kind::Date:
            return {QString::number(e.real, 'g', 17), DataType::Date};
        case Expr::Kind::Column:
            return column(e, scope);
        case Expr::Kind::Param:
            if (auto p = parameter(e.text))
                return *p;
            unresolved << e.text;
            return {QStringLiteral("NULL"), DataType::Empty};
        case Expr::Kind::Unary: {
            const Gen a = expr(*e.args[0], scope);
            if (e.text == QLatin1String("NOT"))
                return {QStringLiteral("(NOT %1)").arg(a.sql), DataType::Boolean};
            return {QStringLiteral("(-%1)").arg(a.sql), a.type};
        }
        case Expr::Kind::Binary:
            return binary(e, scope);
        case Expr::Kind::Like: {
            const Gen a = expr(*e.args[0], scope);
            const Gen p = expr(*e.args[1], scope);
            const QString like = QStringLiteral("jet_like(%1, %2)").arg(a.sql, p.sql);
            return {e.negated ? QStringLiteral("(NOT %1)").arg(like) : like, DataType::Boolean};
        }
        case Expr::Kind::Between: {
            const Gen a = expr(*e.args[0], scope);
            const Gen lo = expr(*e.args[1], scope);
            const Gen hi = expr(*e.args[2], scope);
            return {QStringLiteral("((%1 COLLATE JET) %2BETWEEN %3 AND %4)")
                        .arg(a.sql, e.negated ? QStringLiteral("NOT ") : QString(), lo.sql, hi.sql),
                    DataType::Boolean};
        }
        case Expr::Kind::InList: {
            const Gen a = expr(*e.args[0], scope);
            QStringList items;
            for (size_t i = 1; i < e.args.size(); ++i)
                items << expr(*e.args[i], scope).sql;
            return {QStringLiteral("((%1 COLLATE JET) %2IN (%3))")
                        .arg(a.sql, e.negated ? QStringLiteral("NOT ") : QString(),
                             items.join(QStringLiteral(", "))),
                    DataType::Boolean};
        }
        case Expr::Kind::InQuery: {
            const Gen a = expr(*e.args[0], scope);
            const Compiled c = subquery(*e.query, scope);
            return {QStringLiteral("(%1 %2IN (%3))")
                        .arg(a.sql, e.negated ? QStringLiteral("NOT ") : QString(), c.sql),
                    DataType::Boolean};
        }
        case Expr::Kind::IsNull: {
            const Gen a = expr(*e.args[0], scope);
            return {QStringLiteral("(%1 IS %2NULL)")
                        .arg(a.sql, e.negated ? QStringLiteral("NOT ") : QString()),
                    DataType::Boolean};
        }
        case Expr::Kind::Call:
            return call(e, scope);
        case Expr::Kind::Subquery: {
            const Compiled c = subquery(*e.query, scope);
            return {QStringLiteral("(%1)").arg(c.sql),
                    c.columns.empty() ? DataType::Empty : c.columns.front().type};
        }
        case Expr::Kind::Exists: {
            const Compiled c = subquery(*e.query, scope);
            return {QStringLiteral("(EXISTS (%1))").arg(c.sql), DataType::Boolean};
        }
        }
        return {QStringLiteral("NULL"), DataType::Empty};
    }

    Gen binary(const Expr& e, const Scope& scope) {
        const Gen a = expr(*e.args[0], scope);
        const Gen b = expr(*e.args[1], scope);
        const QString& op = e.text;
        if (op == QLatin1String("AND") || op == QLatin1String("OR"))
            return {QStringLiteral("(%1 %2 %3)").arg(a.sql, op, b.sql), DataType::Boolean};
        if (op == QLatin1String("XOR") || op == QLatin1String("EQV") || op == QLatin1String("IMP"))
            return {QStringLiteral("jet_%1(%2, %3)").arg(op.toLower(), a.sql, b.sql),
                    DataType::Boolean};
        if (op == QLatin1String("=") || op == QLatin1String("<>") || op == QLatin1String("<") ||
            op == QLatin1String(">") || op == QLatin1String("<=") || op == QLatin1String(">="))
            // Jet compares texts without regard to case, in its sort order.
            return {QStringLiteral("(%1 %2 (%3 COLLATE JET))").arg(a.sql, op, b.sql),
                    DataType::Boolean};
        if (op == QLatin1String("&"))
            return {QStringLiteral("jet_cat(%1, %2)").arg(a.sql, b.sql), DataType::Text};
        if (op == QLatin1String("+")) {
            if (isTextType(a.type) || isTextType(b.type))
                return {QStringLiteral("jet_plus(%1, %2)").arg(a.sql, b.sql),
                        (isTextType(a.type) && isTextType(b.type))
                            ? DataType::Text
                            : numericResult(a.type, b.type, op)};
            return {QStringLiteral("(%1 + %2)").arg(a.sql, b.sql),
                    numericResult(a.type, b.type, op)};
        }
        if (op == QLatin1String("-") || op == QLatin1String("*"))
            return {QStringLiteral("(%1 %2 %3)").arg(a.sql, op, b.sql),
                    numericResult(a.type, b.type, op)};
        if (op == QLatin1String("/"))
            return {QStringLiteral("(CAST(%1 AS REAL) / %2)").arg(a.sql, b.sql), DataType::Double};
        if (op == QLatin1String("\\"))
            return {QStringLiteral("jet_idiv(%1, %2)").arg(a.sql, b.sql), DataType::Long};
        if (op == QLatin1String("MOD"))
            return {QStringLiteral("jet_mod(%1, %2)").arg(a.sql, b.sql), DataType::Long};
        if (op == QLatin1String("^"))
            return {QStringLiteral("jet_pow(%1, %2)").arg(a.sql, b.sql), DataType::Double};
        throw JetError(fehler::SyntaxFehler, QStringLiteral("Unbekannter Operator '%1'.").arg(op));
    }
};

} // namespace

Compiled compileQuery(const Query& query, SourceResolver& resolver,
                      const std::vector<Parameter>* parameters, bool forView) {
    Compiler c(resolver, parameters);
    Compiled out = c.query(query, nullptr, !forView);
    if (!c.unresolved.isEmpty()) {
        c.unresolved.removeDuplicates();
        throw JetError(fehler::ParameterFehlen,
                       QStringLiteral("Zu wenige Parameter. Erwartet: %1 (%2).")
                           .arg(c.unresolved.size())
                           .arg(c.unresolved.join(QStringLiteral(", "))));
    }
    return out;
}

} // namespace sorvo::jet::detail

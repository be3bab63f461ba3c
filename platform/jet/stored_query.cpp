#include "platform/jet/stored_query.h"

#include "platform/jet/jet.h"

#include <QStringList>
#include <algorithm>

namespace sorvo::jet::detail {
namespace {

// Options of attribute 3.
constexpr int AllFields = 0x01;
constexpr int Distinct = 0x02; // in a union: UNION rather than UNION ALL
constexpr int DistinctRow = 0x08;
constexpr int Top = 0x10;
constexpr int Percent = 0x20;

[[noreturn]] void refuse(const QString& query, const QString& kind) {
    throw JetError(fehler::NichtUnterstuetzt,
                   QStringLiteral("Die Abfrage '%1' ist eine %2; solche Abfragen werden nicht "
                                  "unterstützt.")
                       .arg(query, kind));
}

[[noreturn]] void broken(const QString& query) {
    throw JetError(fehler::SyntaxFehler,
                   QStringLiteral("Die gespeicherte Abfrage '%1' ist unvollständig.").arg(query));
}

QString orderBy(const std::vector<const QueryDefRow*>& rows) {
    QStringList keys;
    for (const auto* r : rows)
        keys << r->expression + (r->name1.compare(QLatin1String("D"), Qt::CaseInsensitive) == 0
                                     ? QStringLiteral(" DESC")
                                     : QString());
    return keys.isEmpty() ? QString()
                          : QStringLiteral(" ORDER BY ") + keys.join(QStringLiteral(", "));
}

} // namespace

QString rebuildQuerySql(const QString& name, std::vector<QueryDefRow> rows) {
    // The rows come in no particular order; within one attribute their order
    // is the order of the fields, sources and sort keys.
    std::stable_sort(rows.begin(), rows.end(), [](const QueryDefRow& a, const QueryDefRow& b) {
        return a.attribute < b.attribute;
    });
    auto of = [&](int attribute) {
        std::vector<const QueryDefRow*> out;
        for (const auto& r : rows)
            if (r.attribute == attribute)
                out.push_back(&r);
        return out;
    };
    const auto kindRows = of(1);
    const int kind = kindRows.empty() || !kindRows.front()->flag ? 1 : *kindRows.front()->flag;
    switch (kind) {
    case 1:
    case 9:
        break;
    case 6:
        refuse(name, QStringLiteral("Kreuztabellenabfrage"));
    case 2:
    case 3:
    case 4:
    case 5:
        refuse(name, QStringLiteral("Aktionsabfrage"));
    case 7:
        refuse(name, QStringLiteral("Datendefinitionsabfrage"));
    case 8:
        refuse(name, QStringLiteral("SQL-Pass-Through-Abfrage"));
    default:
        refuse(name, QStringLiteral("Abfrage unbekannter Art"));
    }
    if (!of(2).empty())
        refuse(name, QStringLiteral("Parameterabfrage"));
    if (!of(4).empty())
        refuse(name, QStringLiteral("Abfrage auf eine andere Datenbank"));
    const auto optionRows = of(3);
    const int options =
        optionRows.empty() || !optionRows.front()->flag ? 0 : *optionRows.front()->flag;

    if (kind == 9) {
        QStringList parts;
        for (const auto* r : of(5))
            parts << r->expression.trimmed();
        if (parts.size() < 2)
            broken(name);
        const QString glue =
            (options & Distinct) ? QStringLiteral(" UNION ") : QStringLiteral(" UNION ALL ");
        return parts.join(glue) + orderBy(of(11));
    }

    QString sql = QStringLiteral("SELECT ");
    if (options & Distinct)
        sql += QStringLiteral("DISTINCT ");
    else if (options & DistinctRow)
        sql += QStringLiteral("DISTINCTROW ");
    if (options & Top) {
        if (optionRows.front()->name1.trimmed().isEmpty())
            broken(name);
        sql += QStringLiteral("TOP %1 ").arg(optionRows.front()->name1.trimmed());
        if (options & Percent)
            sql += QStringLiteral("PERCENT ");
    }
    QStringList fields;
    if (options & AllFields)
        fields << QStringLiteral("*");
    for (const auto* r : of(6))
        fields << (r->name1.isEmpty() ? r->expression
                                      : r->expression + QStringLiteral(" AS ") + sqlName(r->name1));
    if (fields.isEmpty())
        fields << QStringLiteral("*");
    sql += fields.join(QStringLiteral(", "));

    // Sources, then the joins between them, each join taking the places of
    // the two parts it connects.
    struct Part {
        QString sql;
        QStringList keys;
    };
    std::vector<Part> parts;
    for (const auto* r : of(5)) {
        Part p;
        const QString key = r->name2.isEmpty() ? r->name1 : r->name2;
        if (!r->expression.trimmed().isEmpty())
            p.sql = QStringLiteral("(%1) AS %2").arg(r->expression.trimmed(), sqlName(key));
        else
            p.sql = sqlName(r->name1) +
                    (r->name2.isEmpty() ? QString() : QStringLiteral(" AS ") + sqlName(r->name2));
        p.keys << key.toLower();
        parts.push_back(p);
    }
    auto find = [&](const QString& key) {
        for (size_t i = 0; i < parts.size(); ++i)
            if (parts[i].keys.contains(key.toLower()))
                return static_cast<int>(i);
        return -1;
    };
    for (const auto* j : of(7)) {
        const int l = find(j->name1);
        const int r = find(j->name2);
        if (l < 0 || r < 0)
            broken(name);
        if (l == r) {
            parts[l].sql.insert(parts[l].sql.size() - 1,
                                QStringLiteral(" AND (%1)").arg(j->expression));
            continue;
        }
        const int type = j->flag.value_or(1);
        const QString op = type == 2   ? QStringLiteral("LEFT JOIN")
                           : type == 3 ? QStringLiteral("RIGHT JOIN")
                                       : QStringLiteral("INNER JOIN");
        Part joined;
        joined.sql =
            QStringLiteral("(%1 %2 %3 ON %4)").arg(parts[l].sql, op, parts[r].sql, j->expression);
        joined.keys = parts[l].keys + parts[r].keys;
        parts[std::min(l, r)] = joined;
        parts.erase(parts.begin() + std::max(l, r));
    }
    QStringList from;
    for (const auto& p : parts)
        from << p.sql;
    if (!from.isEmpty())
        sql += QStringLiteral(" FROM ") + from.join(QStringLiteral(", "));
    if (const auto w = of(8); !w.empty())
        sql += QStringLiteral(" WHERE ") + w.front()->expression;
    if (const auto g = of(9); !g.empty()) {
        QStringList keys;
        for (const auto* r : g)
            keys << r->expression;
        sql += QStringLiteral(" GROUP BY ") + keys.join(QStringLiteral(", "));
    }
    if (const auto h = of(10); !h.empty())
        sql += QStringLiteral(" HAVING ") + h.front()->expression;
    return sql + orderBy(of(11));
}

} // namespace sorvo::jet::detail

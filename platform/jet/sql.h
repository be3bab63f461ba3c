#pragma once
// The Jet dialect of SQL (internal to the engine): a parser into a small
// syntax tree, and a compiler from that tree to SQLite's SQL that resolves
// every name against the database's tables and stored queries, expands "*",
// names the output fields as Jet does ("Stauden.MINHOEHE" where a name
// occurs twice, "Expr1000" for unnamed expressions) and keeps their types.
#include "platform/jet/jet.h"

#include <QString>
#include <memory>
#include <optional>
#include <vector>

namespace sorvo::jet::detail {

struct Query;

struct Expr {
    enum class Kind {
        Null,
        Integer,
        Real,
        String,
        Date,
        Column,  // qualifier.name
        Unary,   // op: "-", "NOT"
        Binary,  // op: + - * / \ MOD ^ & = <> < > <= >= AND OR XOR EQV IMP
        Like,    // args: value, pattern
        Between, // args: value, low, high
        InList,  // args: value, items...
        InQuery, // args: value; query
        IsNull,
        Call,     // name(args); star for Count(*)
        Subquery, // a scalar subquery
        Exists,
        Param, // a name the engine cannot resolve, like Forms!F!X
    };
    Kind kind = Kind::Null;
    QString text; // string literal, column or function name, operator
    QString qualifier;
    qint64 integer = 0;
    double real = 0;
    bool negated = false; // NOT LIKE, NOT BETWEEN, NOT IN, IS NOT NULL
    bool star = false;
    std::vector<std::unique_ptr<Expr>> args;
    std::shared_ptr<Query> query;
};
using ExprPtr = std::unique_ptr<Expr>;

struct SelectItem {
    ExprPtr expr; // null for "*" and "T.*"
    QString alias;
    bool star = false;
    QString starQualifier;
};

struct FromItem {
    enum class Kind { Table, Derived, Join };
    Kind kind = Kind::Table;
    QString name; // table or query
    QString alias;
    std::shared_ptr<Query> query; // derived table
    QString joinType;             // INNER, LEFT, RIGHT
    std::unique_ptr<FromItem> left;
    std::unique_ptr<FromItem> right;
    ExprPtr on;
};

struct OrderItem {
    ExprPtr expr;
    bool descending = false;
};

struct Select {
    bool distinct = false;
    bool distinctRow = false; // unique records of the tables whose fields are shown
    std::optional<double> top;
    bool topPercent = false;
    std::vector<SelectItem> items;
    std::vector<std::unique_ptr<FromItem>> from;
    ExprPtr where;
    std::vector<ExprPtr> groupBy;
    ExprPtr having;
    std::vector<OrderItem> orderBy;
};

struct Query {
    std::vector<std::unique_ptr<Select>> parts; // more than one: a union
    std::vector<bool> unionAll;                 // between part i and i + 1
    std::vector<OrderItem> orderBy;             // of a union as a whole
};

// Throws JetError (syntax, or a kind of query the engine refuses).
std::shared_ptr<Query> parseSql(const QString& sql);
// True for text that is SQL rather than the name of a table or query.
bool looksLikeSql(const QString& source);

struct OutputColumn {
    QString name;
    DataType type = DataType::Empty;
};

// What a name in FROM stands for, once the catalogue made it available.
struct SourceInfo {
    QString sqlName; // the name of the SQLite table or view
    std::vector<OutputColumn> columns;
    bool table = false; // a table (its rows have an identity), not a query
};

class SourceResolver {
public:
    virtual ~SourceResolver() = default;
    // Throws ObjektNichtGefunden for names the database does not have.
    virtual SourceInfo resolve(const QString& name) = 0;
};

struct Compiled {
    QString sql;
    std::vector<OutputColumn> columns;
    // A query that only picks fields of one table selects that table's row
    // numbers (rowid, from 1); baseColumns names the table column of each
    // output field.
    QString baseTable;
    std::vector<int> baseColumns;
};

// parameters: values for names the query does not resolve; parameter i is
// written as "?<i + 1>" for the caller to bind. forView: the query becomes a
// view, which must carry the fields themselves rather than the row numbers of
// a single table.
Compiled compileQuery(const Query& query, SourceResolver& resolver,
                      const std::vector<Parameter>* parameters = nullptr, bool forView = false);

// SQL quoting for SQLite.
QString quoteIdentifier(const QString& name);
QString quoteString(const QString& text);
// The text a quoteString literal stands for; other text as it is.
QString unquoteString(const QString& literal);

} // namespace sorvo::jet::detail

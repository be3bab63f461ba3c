#include "platform/jet/sql.h"

#include "platform/jet/sql_dates.h"

#include <QSet>

namespace sorvo::jet::detail {
namespace {

struct Token {
    enum Type { End, Ident, Bracket, String, Number, Date, Symbol };
    Type type = End;
    QString text;
    int pos = 0;
};

[[noreturn]] void syntax(const QString& detail) {
    throw JetError(fehler::SyntaxFehler,
                   QStringLiteral("Syntaxfehler in der Abfrage: %1").arg(detail));
}

[[noreturn]] void refused(const QString& what) {
    throw JetError(fehler::NichtUnterstuetzt,
                   QStringLiteral("%1 werden nicht unterstützt.").arg(what));
}

bool identStart(QChar c) {
    return c.isLetter() || c == QLatin1Char('_');
}
bool identPart(QChar c) {
    return c.isLetterOrNumber() || c == QLatin1Char('_');
}

std::vector<Token> tokenize(const QString& s) {
    std::vector<Token> out;
    int i = 0;
    const int n = static_cast<int>(s.size());
    while (i < n) {
        const QChar c = s.at(i);
        if (c.isSpace()) {
            ++i;
            continue;
        }
        Token t;
        t.pos = i;
        if (identStart(c)) {
            int j = i + 1;
            while (j < n && identPart(s.at(j)))
                ++j;
            t.type = Token::Ident;
            t.text = s.mid(i, j - i);
            i = j;
        } else if (c == QLatin1Char('[')) {
            const int j = static_cast<int>(s.indexOf(QLatin1Char(']'), i + 1));
            if (j < 0)
                syntax(QStringLiteral("fehlende ']'"));
            t.type = Token::Bracket;
            t.text = s.mid(i + 1, j - i - 1);
            i = j + 1;
        } else if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            // Jet takes both quotes for texts; a doubled quote stands for one.
            QString text;
            int j = i + 1;
            for (;;) {
                if (j >= n)
                    syntax(QStringLiteral("Text ohne Ende"));
                if (s.at(j) == c) {
                    if (j + 1 < n && s.at(j + 1) == c) {
                        text += c;
                        j += 2;
                        continue;
                    }
                    break;
                }
                text += s.at(j++);
            }
            t.type = Token::String;
            t.text = text;
            i = j + 1;
        } else if (c.isDigit() || (c == QLatin1Char('.') && i + 1 < n && s.at(i + 1).isDigit())) {
            int j = i;
            while (j < n && s.at(j).isDigit())
                ++j;
            if (j < n && s.at(j) == QLatin1Char('.')) {
                ++j;
                while (j < n && s.at(j).isDigit())
                    ++j;
            }
            if (j < n && (s.at(j) == QLatin1Char('e') || s.at(j) == QLatin1Char('E'))) {
                int k = j + 1;
                if (k < n && (s.at(k) == QLatin1Char('+') || s.at(k) == QLatin1Char('-')))
                    ++k;
                if (k < n && s.at(k).isDigit()) {
                    while (k < n && s.at(k).isDigit())
                        ++k;
                    j = k;
                }
            }
            t.type = Token::Number;
            t.text = s.mid(i, j - i);
            i = j;
        } else if (c == QLatin1Char('#')) {
            const int j = static_cast<int>(s.indexOf(QLatin1Char('#'), i + 1));
            if (j < 0)
                syntax(QStringLiteral("Datum ohne abschließendes '#'"));
            t.type = Token::Date;
            t.text = s.mid(i + 1, j - i - 1);
            i = j + 1;
        } else {
            static const QStringList two{QStringLiteral("<="), QStringLiteral(">="),
                                         QStringLiteral("<>")};
            t.type = Token::Symbol;
            if (i + 1 < n && two.contains(s.mid(i, 2))) {
                t.text = s.mid(i, 2);
                i += 2;
            } else {
                static const QString one = QStringLiteral("(),.;*+-/\\^&=<>!");
                if (!one.contains(c))
                    syntax(QStringLiteral("unerwartetes Zeichen '%1'").arg(c));
                t.text = c;
                ++i;
            }
        }
        out.push_back(t);
    }
    Token end;
    end.pos = n;
    out.push_back(end);
    return out;
}

// Words that end an expression or a name and can never be one.
const QSet<QString>& reserved() {
    static const QSet<QString> words{
        QStringLiteral("SELECT"),     QStringLiteral("FROM"),        QStringLiteral("WHERE"),
        QStringLiteral("GROUP"),      QStringLiteral("HAVING"),      QStringLiteral("ORDER"),
        QStringLiteral("BY"),         QStringLiteral("UNION"),       QStringLiteral("INNER"),
        QStringLiteral("LEFT"),       QStringLiteral("RIGHT"),       QStringLiteral("JOIN"),
        QStringLiteral("ON"),         QStringLiteral("AS"),          QStringLiteral("AND"),
        QStringLiteral("OR"),         QStringLiteral("NOT"),         QStringLiteral("LIKE"),
        QStringLiteral("IN"),         QStringLiteral("IS"),          QStringLiteral("BETWEEN"),
        QStringLiteral("ASC"),        QStringLiteral("DESC"),        QStringLiteral("XOR"),
        QStringLiteral("EQV"),        QStringLiteral("IMP"),         QStringLiteral("MOD"),
        QStringLiteral("WITH"),       QStringLiteral("OUTER"),       QStringLiteral("INTO"),
        QStringLiteral("DISTINCT"),   QStringLiteral("DISTINCTROW"), QStringLiteral("TOP"),
        QStringLiteral("DESCENDING"), QStringLiteral("ASCENDING")};
    return words;
}

class Parser {
public:
    explicit Parser(const QString& sql) : m_tokens(tokenize(sql)) {}

    std::shared_ptr<Query> statement() {
        if (isWord("TRANSFORM"))
            refused(QStringLiteral("Kreuztabellenabfragen"));
        if (isWord("PARAMETERS"))
            refused(QStringLiteral("Parameterabfragen"));
        for (const char* w : {"INSERT", "UPDATE", "DELETE", "CREATE", "DROP", "ALTER"})
            if (isWord(w))
                refused(QStringLiteral("Aktions- und Definitionsabfragen"));
        auto q = query();
        if (isSymbol(";"))
            next();
        if (peek().type != Token::End)
            syntax(QStringLiteral("unerwartet '%1'").arg(peek().text));
        return q;
    }

private:
    std::vector<Token> m_tokens;
    size_t m_at = 0;

    const Token& peek(size_t ahead = 0) const {
        return m_tokens[std::min(m_at + ahead, m_tokens.size() - 1)];
    }
    const Token& next() {
        const Token& t = peek();
        if (m_at < m_tokens.size() - 1)
            ++m_at;
        return t;
    }
    bool isWord(const char* w, size_t ahead = 0) const {
        const Token& t = peek(ahead);
        return t.type == Token::Ident && t.text.compare(QLatin1String(w), Qt::CaseInsensitive) == 0;
    }
    bool isSymbol(const char* s, size_t ahead = 0) const {
        const Token& t = peek(ahead);
        return t.type == Token::Symbol && t.text == QLatin1String(s);
    }
    bool acceptWord(const char* w) {
        if (!isWord(w))
            return false;
        next();
        return true;
    }
    bool acceptSymbol(const char* s) {
        if (!isSymbol(s))
            return false;
        next();
        return true;
    }
    void expectWord(const char* w) {
        if (!acceptWord(w))
            syntax(QStringLiteral("'%1' erwartet bei '%2'").arg(QLatin1String(w), peek().text));
    }
    void expectSymbol(const char* s) {
        if (!acceptSymbol(s))
            syntax(QStringLiteral("'%1' erwartet bei '%2'").arg(QLatin1String(s), peek().text));
    }
    bool isReserved(const Token& t) const {
        return t.type == Token::Ident && reserved().contains(t.text.toUpper());
    }
    bool startsQuery(size_t ahead = 0) const {
        return isWord("SELECT", ahead) || isWord("TABLE", ahead);
    }

    QString name() {
        const Token& t = peek();
        if (t.type == Token::Bracket || (t.type == Token::Ident && !isReserved(t)))
            return next().text;
        syntax(QStringLiteral("Name erwartet bei '%1'").arg(t.text));
    }

    std::shared_ptr<Query> query() {
        auto q = std::make_shared<Query>();
        q->parts.push_back(queryTerm());
        while (acceptWord("UNION")) {
            q->unionAll.push_back(acceptWord("ALL"));
            q->parts.push_back(queryTerm());
        }
        // In a union the last part's ORDER BY sorts the whole.
        if (q->parts.size() > 1) {
            q->orderBy = std::move(q->parts.back()->orderBy);
            q->parts.back()->orderBy.clear();
        }
        return q;
    }

    std::unique_ptr<Select> queryTerm() {
        if (isSymbol("(") && (startsQuery(1) || isSymbol("(", 1))) {
            next();
            auto inner = query();
            expectSymbol(")");
            if (inner->parts.size() != 1)
                refused(QStringLiteral("Geklammerte Vereinigungen in Vereinigungen"));
            auto s = std::move(inner->parts.front());
            return s;
        }
        if (acceptWord("TABLE")) {
            auto s = std::make_unique<Select>();
            SelectItem all;
            all.star = true;
            s->items.push_back(std::move(all));
            auto f = std::make_unique<FromItem>();
            f->name = name();
            s->from.push_back(std::move(f));
            return s;
        }
        return select();
    }

    std::unique_ptr<Select> select() {
        expectWord("SELECT");
        auto s = std::make_unique<Select>();
        if (acceptWord("DISTINCT"))
            s->distinct = true;
        else if (acceptWord("DISTINCTROW"))
            s->distinctRow = true;
        else
            acceptWord("ALL");
        if (acceptWord("TOP")) {
            if (peek().type != Token::Number)
                syntax(QStringLiteral("Zahl nach TOP erwartet"));
            s->top = next().text.toDouble();
            s->topPercent = acceptWord("PERCENT");
        }
        do
            s->items.push_back(selectItem());
        while (acceptSymbol(","));
        if (isWord("INTO"))
            refused(QStringLiteral("Tabellenerstellungsabfragen"));
        if (acceptWord("FROM")) {
            do
                s->from.push_back(joinChain());
            while (acceptSymbol(","));
        }
        if (acceptWord("WHERE"))
            s->where = expression();
        if (acceptWord("GROUP")) {
            expectWord("BY");
            do
                s->groupBy.push_back(expression());
            while (acceptSymbol(","));
        }
        if (acceptWord("HAVING"))
            s->having = expression();
        if (acceptWord("ORDER")) {
            expectWord("BY");
            do {
                OrderItem o;
                o.expr = expression();
                if (acceptWord("DESC") || acceptWord("DESCENDING"))
                    o.descending = true;
                else if (!acceptWord("ASC"))
                    acceptWord("ASCENDING");
                s->orderBy.push_back(std::move(o));
            } while (acceptSymbol(","));
        }
        if (acceptWord("WITH")) {
            expectWord("OWNERACCESS");
            expectWord("OPTION");
        }
        return s;
    }

    SelectItem selectItem() {
        SelectItem item;
        if (acceptSymbol("*")) {
            item.star = true;
            return item;
        }
        if ((peek().type == Token::Ident || peek().type == Token::Bracket) && isSymbol(".", 1) &&
            isSymbol("*", 2)) {
            item.star = true;
            item.starQualifier = next().text;
            next();
            next();
            return item;
        }
        item.expr = expression();
        if (acceptWord("AS")) {
            if (peek().type == Token::String)
                item.alias = next().text;
            else
                item.alias = name();
        }
        return item;
    }

    std::unique_ptr<FromItem> joinChain() {
        auto left = tablePrimary();
        for (;;) {
            QString type;
            if (acceptWord("INNER"))
                type = QStringLiteral("INNER");
            else if (acceptWord("LEFT"))
                type = QStringLiteral("LEFT");
            else if (acceptWord("RIGHT"))
                type = QStringLiteral("RIGHT");
            else if (isWord("JOIN"))
                type = QStringLiteral("INNER");
            else
                return left;
            acceptWord("OUTER");
            expectWord("JOIN");
            auto j = std::make_unique<FromItem>();
            j->kind = FromItem::Kind::Join;
            j->joinType = type;
            j->left = std::move(left);
            j->right = tablePrimary();
            expectWord("ON");
            j->on = expression();
            left = std::move(j);
        }
    }

    std::unique_ptr<FromItem> tablePrimary() {
        if (acceptSymbol("(")) {
            if (startsQuery()) {
                auto d = std::make_unique<FromItem>();
                d->kind = FromItem::Kind::Derived;
                d->query = query();
                expectSymbol(")");
                acceptWord("AS");
                if (peek().type == Token::Bracket ||
                    (peek().type == Token::Ident && !isReserved(peek())))
                    d->alias = name();
                return d;
            }
            auto inner = joinChain();
            expectSymbol(")");
            return inner;
        }
        auto t = std::make_unique<FromItem>();
        t->name = name();
        if (isWord("IN"))
            refused(QStringLiteral("Tabellen aus anderen Datenbanken (IN)"));
        if (acceptWord("AS"))
            t->alias = name();
        else if (peek().type == Token::Bracket ||
                 (peek().type == Token::Ident && !isReserved(peek())))
            t->alias = name();
        return t;
    }

    // Precedence from loose to tight: Imp, Eqv, Xor, Or, And, Not,
    // comparison, &, + -, Mod, \, * /, unary minus, ^.
    ExprPtr expression() { return binaryLevel(0); }

    ExprPtr binaryLevel(int level) {
        static const char* words[] = {"IMP", "EQV", "XOR", "OR", "AND"};
        if (level == 5)
            return notLevel();
        auto left = binaryLevel(level + 1);
        while (acceptWord(words[level])) {
            auto e = std::make_unique<Expr>();
            e->kind = Expr::Kind::Binary;
            e->text = QLatin1String(words[level]);
            e->args.push_back(std::move(left));
            e->args.push_back(binaryLevel(level + 1));
            left = std::move(e);
        }
        return left;
    }

    ExprPtr notLevel() {
        if (acceptWord("NOT")) {
            auto e = std::make_unique<Expr>();
            e->kind = Expr::Kind::Unary;
            e->text = QStringLiteral("NOT");
            e->args.push_back(notLevel());
            return e;
        }
        return comparison();
    }

    ExprPtr comparison() {
        auto left = concat();
        for (;;) {
            static const char* ops[] = {"=", "<>", "<=", ">=", "<", ">"};
            bool matched = false;
            for (const char* op : ops) {
                if (isSymbol(op)) {
                    next();
                    auto e = std::make_unique<Expr>();
                    e->kind = Expr::Kind::Binary;
                    e->text = QLatin1String(op);
                    e->args.push_back(std::move(left));
                    e->args.push_back(concat());
                    left = std::move(e);
                    matched = true;
                    break;
                }
            }
            if (matched)
                continue;
            const bool negated =
                isWord("NOT") && (isWord("LIKE", 1) || isWord("BETWEEN", 1) || isWord("IN", 1));
            if (negated)
                next();
            if (acceptWord("LIKE")) {
                auto e = std::make_unique<Expr>();
                e->kind = Expr::Kind::Like;
                e->negated = negated;
                e->args.push_back(std::move(left));
                e->args.push_back(concat());
                left = std::move(e);
            } else if (acceptWord("BETWEEN")) {
                auto e = std::make_unique<Expr>();
                e->kind = Expr::Kind::Between;
                e->negated = negated;
                e->args.push_back(std::move(left));
                e->args.push_back(concat());
                expectWord("AND");
                e->args.push_back(concat());
                left = std::move(e);
            } else if (acceptWord("IN")) {
                auto e = std::make_unique<Expr>();
                e->negated = negated;
                e->args.push_back(std::move(left));
                expectSymbol("(");
                if (startsQuery()) {
                    e->kind = Expr::Kind::InQuery;
                    e->query = query();
                } else {
                    e->kind = Expr::Kind::InList;
                    do
                        e->args.push_back(expression());
                    while (acceptSymbol(","));
                }
                expectSymbol(")");
                left = std::move(e);
            } else if (acceptWord("IS")) {
                auto e = std::make_unique<Expr>();
                e->kind = Expr::Kind::IsNull;
                e->negated = acceptWord("NOT");
                expectWord("NULL");
                e->args.push_back(std::move(left));
                left = std::move(e);
            } else {
                return left;
            }
        }
    }

    ExprPtr binaryOp(ExprPtr left, const QString& op, ExprPtr right) {
        auto e = std::make_unique<Expr>();
        e->kind = Expr::Kind::Binary;
        e->text = op;
        e->args.push_back(std::move(left));
        e->args.push_back(std::move(right));
        return e;
    }

    ExprPtr concat() {
        auto left = additive();
        while (acceptSymbol("&"))
            left = binaryOp(std::move(left), QStringLiteral("&"), additive());
        return left;
    }
    ExprPtr additive() {
        auto left = modulo();
        for (;;) {
            if (acceptSymbol("+"))
                left = binaryOp(std::move(left), QStringLiteral("+"), modulo());
            else if (acceptSymbol("-"))
                left = binaryOp(std::move(left), QStringLiteral("-"), modulo());
            else
                return left;
        }
    }
    ExprPtr modulo() {
        auto left = intDivision();
        while (acceptWord("MOD"))
            left = binaryOp(std::move(left), QStringLiteral("MOD"), intDivision());
        return left;
    }
    ExprPtr intDivision() {
        auto left = multiplicative();
        while (acceptSymbol("\\"))
            left = binaryOp(std::move(left), QStringLiteral("\\"), multiplicative());
        return left;
    }
    ExprPtr multiplicative() {
        auto left = unary();
        for (;;) {
            if (acceptSymbol("*"))
                left = binaryOp(std::move(left), QStringLiteral("*"), unary());
            else if (acceptSymbol("/"))
                left = binaryOp(std::move(left), QStringLiteral("/"), unary());
            else
                return left;
        }
    }
    ExprPtr unary() {
        if (acceptSymbol("-")) {
            auto e = std::make_unique<Expr>();
            e->kind = Expr::Kind::Unary;
            e->text = QStringLiteral("-");
            e->args.push_back(unary());
            return e;
        }
        if (acceptSymbol("+"))
            return unary();
        return power();
    }
    ExprPtr power() {
        auto left = primary();
        while (acceptSymbol("^")) {
            ExprPtr right;
            if (acceptSymbol("-")) {
                right = std::make_unique<Expr>();
                right->kind = Expr::Kind::Unary;
                right->text = QStringLiteral("-");
                right->args.push_back(primary());
            } else {
                right = primary();
            }
            left = binaryOp(std::move(left), QStringLiteral("^"), std::move(right));
        }
        return left;
    }

    ExprPtr primary() {
        const Token t = peek();
        auto e = std::make_unique<Expr>();
        switch (t.type) {
        case Token::Number:
            next();
            if (t.text.contains(QLatin1Char('.')) || t.text.contains(QLatin1Char('e')) ||
                t.text.contains(QLatin1Char('E'))) {
                e->kind = Expr::Kind::Real;
                e->real = t.text.toDouble();
            } else {
                bool ok = false;
                e->integer = t.text.toLongLong(&ok);
                e->kind = ok ? Expr::Kind::Integer : Expr::Kind::Real;
                if (!ok)
                    e->real = t.text.toDouble();
            }
            return e;
        case Token::String:
            next();
            e->kind = Expr::Kind::String;
            e->text = t.text;
            return e;
        case Token::Date: {
            next();
            const auto d = parseJetDateLiteral(t.text);
            if (!d)
                syntax(QStringLiteral("ungültiges Datum #%1#").arg(t.text));
            e->kind = Expr::Kind::Date;
            e->real = *d;
            return e;
        }
        case Token::Symbol:
            if (t.text == QLatin1String("(")) {
                next();
                if (startsQuery()) {
                    e->kind = Expr::Kind::Subquery;
                    e->query = query();
                } else {
                    e = expression();
                }
                expectSymbol(")");
                return e;
            }
            syntax(QStringLiteral("unerwartet '%1'").arg(t.text));
        case Token::End:
            syntax(QStringLiteral("unerwartetes Ende"));
        case Token::Ident:
        case Token::Bracket:
            break;
        }
        if (t.type == Token::Ident) {
            const QString w = t.text.toUpper();
            if (w == QLatin1String("NULL")) {
                next();
                return e;
            }
            if (w == QLatin1String("TRUE") || w == QLatin1String("YES") ||
                w == QLatin1String("ON") || w == QLatin1String("FALSE") ||
                w == QLatin1String("NO") || w == QLatin1String("OFF")) {
                if (!isSymbol(".", 1) && !isSymbol("(", 1)) {
                    next();
                    e->kind = Expr::Kind::Integer;
                    e->integer = (w == QLatin1String("TRUE") || w == QLatin1String("YES") ||
                                  w == QLatin1String("ON"))
                                     ? -1
                                     : 0;
                    e->text = QStringLiteral("Boolean");
                    return e;
                }
            }
            if (w == QLatin1String("EXISTS") && isSymbol("(", 1)) {
                next();
                next();
                e->kind = Expr::Kind::Exists;
                e->query = query();
                expectSymbol(")");
                return e;
            }
            if (isSymbol("(", 1)) {
                next();
                next();
                e->kind = Expr::Kind::Call;
                e->text = t.text;
                if (acceptSymbol("*")) {
                    e->star = true;
                } else if (!isSymbol(")")) {
                    do
                        e->args.push_back(expression());
                    while (acceptSymbol(","));
                }
                expectSymbol(")");
                return e;
            }
        }
        const QString first = name();
        if (isSymbol("!")) {
            // Forms!Form!Control and the like: nothing the engine can resolve.
            QString full = first;
            while (acceptSymbol("!") || acceptSymbol("."))
                full += QLatin1Char('!') + name();
            e->kind = Expr::Kind::Param;
            e->text = full;
            return e;
        }
        e->kind = Expr::Kind::Column;
        if (acceptSymbol(".")) {
            e->qualifier = first;
            e->text = name();
        } else {
            e->text = first;
        }
        return e;
    }
};

// A word that the parser takes for something else than a name wherever a
// name may stand.
bool meansMore(const QString& word) {
    static const QSet<QString> more{
        QStringLiteral("NULL"),       QStringLiteral("TRUE"),   QStringLiteral("YES"),
        QStringLiteral("ON"),         QStringLiteral("FALSE"),  QStringLiteral("NO"),
        QStringLiteral("OFF"),        QStringLiteral("EXISTS"), QStringLiteral("TRANSFORM"),
        QStringLiteral("PARAMETERS"), QStringLiteral("TABLE")};
    const QString w = word.toUpper();
    return reserved().contains(w) || more.contains(w);
}

bool plainWord(const QString& name) {
    if (name.isEmpty() || !identStart(name.front()))
        return false;
    for (const QChar c : name)
        if (!identPart(c))
            return false;
    return !meansMore(name);
}

} // namespace

std::shared_ptr<Query> parseSql(const QString& sql) {
    return Parser(sql).statement();
}

bool looksLikeSql(const QString& source) {
    const QString s = source.trimmed();
    static const char* starts[] = {"SELECT", "TRANSFORM", "PARAMETERS", "INSERT", "UPDATE",
                                   "DELETE", "CREATE",    "DROP",       "ALTER",  "TABLE"};
    for (const char* w : starts) {
        const QLatin1String word(w);
        if (s.startsWith(word, Qt::CaseInsensitive) &&
            (s.size() == word.size() || !identPart(s.at(word.size()))))
            return std::string_view(w) != "TABLE" || s.size() > word.size();
    }
    if (s.startsWith(QLatin1Char('(')))
        return true;
    return false;
}

} // namespace sorvo::jet::detail

namespace sorvo::jet {

QString sqlName(const QString& name, Brackets brackets) {
    if (brackets == Brackets::WhenNeeded && detail::plainWord(name))
        return name;
    return QLatin1Char('[') + name + QLatin1Char(']');
}

bool sqlNameWritable(const QString& name) {
    return !name.contains(QLatin1Char(']'));
}

} // namespace sorvo::jet

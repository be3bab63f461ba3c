#include "platform/jet/sqlite_ext.h"

#include "platform/jet/jet.h"
#include "platform/jet/sql_dates.h"

#include <sqlite3.h>

#include <QLocale>
#include <array>
#include <cfenv>
#include <cmath>
#include <mutex>
#include <set>
#include <string_view>
#include <vector>

namespace sorvo::jet::detail {
namespace {

// ---- The General sort order -------------------------------------------

struct Weight {
    uint32_t primary;
    uint16_t secondary;
};

// Primary weights: control characters, then punctuation and symbols, then
// digits, then the Latin letters A to Z (accents and case folded away), then
// everything else by its upper-case code.
constexpr uint32_t Symbols = 0x1000;
constexpr uint32_t Digits = 0x2000;
constexpr uint32_t Letters = 0x3000;
constexpr uint32_t Others = 0x10000;

struct Mapping {
    uint32_t primary[2] = {0, 0}; // a second weight for ß, Æ, Œ
    uint16_t secondary = 0;
};

uint32_t letter(char16_t upper) {
    return Letters + static_cast<uint32_t>(upper - u'A');
}

Mapping mapOne(char16_t c) {
    Mapping m;
    if (c < 0x20) {
        m.primary[0] = c;
        return m;
    }
    if (c >= u'0' && c <= u'9') {
        m.primary[0] = Digits + (c - u'0');
        return m;
    }
    switch (c) {
    case 0xDF: // ß
        m.primary[0] = letter(u'S');
        m.primary[1] = letter(u'S');
        m.secondary = 1;
        return m;
    case 0xC6:
    case 0xE6: // Æ æ
        m.primary[0] = letter(u'A');
        m.primary[1] = letter(u'E');
        m.secondary = 1;
        return m;
    case 0x152:
    case 0x153: // Œ œ
        m.primary[0] = letter(u'O');
        m.primary[1] = letter(u'E');
        m.secondary = 1;
        return m;
    case 0xD8:
    case 0xF8: // Ø ø
        m.primary[0] = letter(u'O');
        m.secondary = 0x200;
        return m;
    default:
        break;
    }
    const QChar q(c);
    if (!q.isLetter()) {
        m.primary[0] = c < 0x250 ? Symbols + c : Others + c;
        return m;
    }
    QChar base = q;
    const QString d = q.decomposition();
    if (q.decompositionTag() == QChar::Canonical && !d.isEmpty()) {
        base = d.at(0);
        m.secondary = static_cast<uint16_t>(d.size() > 1 ? 1 + (d.at(1).unicode() & 0xFF) : 1);
    }
    const char16_t upper = base.toUpper().unicode();
    if (upper >= u'A' && upper <= u'Z')
        m.primary[0] = letter(upper);
    else
        m.primary[0] = Others + q.toUpper().unicode();
    return m;
}

const std::array<Mapping, 0x250>& mappingTable() {
    static const std::array<Mapping, 0x250> table = [] {
        std::array<Mapping, 0x250> t{};
        for (char16_t c = 0; c < 0x250; ++c)
            t[c] = mapOne(c);
        return t;
    }();
    return table;
}

// Decodes UTF-8 and appends the weights.
void weights(const unsigned char* s, int n, std::vector<Weight>& out) {
    out.clear();
    const auto& table = mappingTable();
    int i = 0;
    while (i < n) {
        uint32_t c = s[i];
        int len = 1;
        if (c >= 0xF0 && i + 3 < n) {
            c = ((c & 0x07) << 18) | ((s[i + 1] & 0x3F) << 12) | ((s[i + 2] & 0x3F) << 6) |
                (s[i + 3] & 0x3F);
            len = 4;
        } else if (c >= 0xE0 && i + 2 < n) {
            c = ((c & 0x0F) << 12) | ((s[i + 1] & 0x3F) << 6) | (s[i + 2] & 0x3F);
            len = 3;
        } else if (c >= 0xC0 && i + 1 < n) {
            c = ((c & 0x1F) << 6) | (s[i + 1] & 0x3F);
            len = 2;
        }
        i += len;
        if (c < 0x250) {
            const Mapping& m = table[c];
            out.push_back({m.primary[0], m.secondary});
            if (m.primary[1])
                out.push_back({m.primary[1], m.secondary});
        } else if (c < 0x10000) {
            out.push_back({Others + QChar(static_cast<char16_t>(c)).toUpper().unicode(), 0});
        } else {
            out.push_back({Others + c, 0});
        }
    }
}

int compareWeights(const std::vector<Weight>& a, const std::vector<Weight>& b) {
    const size_t n = std::min(a.size(), b.size());
    int secondary = 0;
    for (size_t i = 0; i < n; ++i) {
        if (a[i].primary != b[i].primary)
            return a[i].primary < b[i].primary ? -1 : 1;
        if (!secondary && a[i].secondary != b[i].secondary)
            secondary = a[i].secondary < b[i].secondary ? -1 : 1;
    }
    if (a.size() != b.size())
        return a.size() < b.size() ? -1 : 1;
    return secondary;
}

int collateGeneral(void*, int na, const void* a, int nb, const void* b) {
    thread_local std::vector<Weight> wa;
    thread_local std::vector<Weight> wb;
    weights(static_cast<const unsigned char*>(a), na, wa);
    weights(static_cast<const unsigned char*>(b), nb, wb);
    return compareWeights(wa, wb);
}

// ---- Values as texts and numbers -------------------------------------

QString text(sqlite3_value* v) {
    switch (sqlite3_value_type(v)) {
    case SQLITE_INTEGER:
        return QString::number(sqlite3_value_int64(v));
    case SQLITE_FLOAT: {
        // as a German installation writes numbers into texts
        QString s = QString::number(sqlite3_value_double(v), 'g', QLocale::FloatingPointShortest);
        s.replace(QLatin1Char('.'), QLatin1Char(','));
        return s;
    }
    case SQLITE_NULL:
        return {};
    default:
        return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_value_text(v)),
                                 sqlite3_value_bytes(v));
    }
}

bool isNull(sqlite3_value* v) {
    return sqlite3_value_type(v) == SQLITE_NULL;
}

std::optional<double> number(sqlite3_value* v) {
    switch (sqlite3_value_type(v)) {
    case SQLITE_INTEGER:
        return static_cast<double>(sqlite3_value_int64(v));
    case SQLITE_FLOAT:
        return sqlite3_value_double(v);
    case SQLITE_TEXT: {
        QString s = text(v).trimmed();
        bool ok = false;
        double d = s.toDouble(&ok);
        if (!ok) {
            s.replace(QLatin1Char(','), QLatin1Char('.'));
            d = s.toDouble(&ok);
        }
        if (ok)
            return d;
        return std::nullopt;
    }
    default:
        return std::nullopt;
    }
}

std::optional<double> dateOf(sqlite3_value* v) {
    if (sqlite3_value_type(v) == SQLITE_TEXT)
        return parseDateText(text(v));
    return number(v);
}

void resultText(sqlite3_context* ctx, const QString& s) {
    const QByteArray u = s.toUtf8();
    sqlite3_result_text(ctx, u.constData(), static_cast<int>(u.size()), SQLITE_TRANSIENT);
}

double bankers(double d) {
    // round half to even, as the engine's conversions do
    const int old = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const double r = std::nearbyint(d);
    std::fesetround(old);
    return r;
}

// ---- LIKE ---------------------------------------------------------------

QChar fold(QChar c) {
    return c.toCaseFolded();
}

// A class "[a-z]", "[!0-9]" at pattern[p] (just after '['); returns the
// position after ']' or -1 when there is none.
int classEnd(const QString& pattern, int p) {
    const int end = static_cast<int>(pattern.indexOf(
        QLatin1Char(']'), p + (p < pattern.size() && pattern.at(p) == QLatin1Char('!') ? 1 : 0)));
    return end < 0 ? -1 : end + 1;
}

bool classMatches(const QString& pattern, int from, int to, QChar c) {
    int p = from;
    bool negate = false;
    if (p < to - 1 && pattern.at(p) == QLatin1Char('!')) {
        negate = true;
        ++p;
    }
    const QChar fc = fold(c);
    bool hit = false;
    for (; p < to - 1; ++p) {
        const QChar lo = fold(pattern.at(p));
        if (p + 2 < to - 1 && pattern.at(p + 1) == QLatin1Char('-')) {
            const QChar hi = fold(pattern.at(p + 2));
            if (fc >= lo && fc <= hi)
                hit = true;
            p += 2;
        } else if (fc == lo) {
            hit = true;
        }
    }
    return hit != negate;
}

// One element of the pattern against one character.
bool elementMatches(const QString& pattern, int p, int next, QChar c) {
    const QChar pc = pattern.at(p);
    if (pc == QLatin1Char('?'))
        return true;
    if (pc == QLatin1Char('#'))
        return c.isDigit();
    if (pc == QLatin1Char('[') && next - p > 1)
        return classMatches(pattern, p + 1, next, c);
    return fold(pc) == fold(c);
}

int elementEnd(const QString& pattern, int p) {
    if (pattern.at(p) == QLatin1Char('[')) {
        const int e = classEnd(pattern, p + 1);
        if (e > 0)
            return e;
    }
    return p + 1;
}

void likeFunction(sqlite3_context* ctx, int, sqlite3_value** argv) {
    if (isNull(argv[0]) || isNull(argv[1])) {
        sqlite3_result_null(ctx);
        return;
    }
    if (sqlite3_value_type(argv[1]) == SQLITE_TEXT && sqlite3_value_bytes(argv[1]) == 1 &&
        sqlite3_value_text(argv[1])[0] == '*') {
        sqlite3_result_int(ctx, 1);
        return;
    }
    sqlite3_result_int(ctx, likeMatches(text(argv[0]), text(argv[1])) ? 1 : 0);
}

// ---- The functions --------------------------------------------------------

using Fn = void (*)(sqlite3_context*, int, sqlite3_value**);

bool anyNull(int argc, sqlite3_value** argv) {
    for (int i = 0; i < argc; ++i)
        if (isNull(argv[i]))
            return true;
    return false;
}

void fnCat(sqlite3_context* ctx, int, sqlite3_value** argv) {
    // & takes Null for the empty text; only Null & Null stays Null
    if (isNull(argv[0]) && isNull(argv[1])) {
        sqlite3_result_null(ctx);
        return;
    }
    resultText(ctx, text(argv[0]) + text(argv[1]));
}

void fnPlus(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    if (anyNull(argc, argv)) {
        sqlite3_result_null(ctx);
        return;
    }
    if (sqlite3_value_type(argv[0]) == SQLITE_TEXT && sqlite3_value_type(argv[1]) == SQLITE_TEXT) {
        resultText(ctx, text(argv[0]) + text(argv[1]));
        return;
    }
    const auto a = number(argv[0]);
    const auto b = number(argv[1]);
    if (!a || !b) {
        sqlite3_result_error(ctx, eigeneMeldung("Datentypen in Kriterienausdruck unverträglich."),
                             -1);
        return;
    }
    sqlite3_result_double(ctx, *a + *b);
}

template <typename F> void numeric2(sqlite3_context* ctx, sqlite3_value** argv, F f) {
    if (isNull(argv[0]) || isNull(argv[1])) {
        sqlite3_result_null(ctx);
        return;
    }
    const auto a = number(argv[0]);
    const auto b = number(argv[1]);
    if (!a || !b) {
        sqlite3_result_null(ctx);
        return;
    }
    f(*a, *b);
}

void fnIdiv(sqlite3_context* ctx, int, sqlite3_value** argv) {
    numeric2(ctx, argv, [&](double a, double b) {
        const auto ib = static_cast<qint64>(bankers(b));
        if (ib == 0)
            sqlite3_result_null(ctx);
        else
            sqlite3_result_int64(ctx, static_cast<qint64>(bankers(a)) / ib);
    });
}

void fnMod(sqlite3_context* ctx, int, sqlite3_value** argv) {
    numeric2(ctx, argv, [&](double a, double b) {
        const auto ib = static_cast<qint64>(bankers(b));
        if (ib == 0)
            sqlite3_result_null(ctx);
        else
            sqlite3_result_int64(ctx, static_cast<qint64>(bankers(a)) % ib);
    });
}

void fnPow(sqlite3_context* ctx, int, sqlite3_value** argv) {
    numeric2(ctx, argv, [&](double a, double b) { sqlite3_result_double(ctx, std::pow(a, b)); });
}

template <int Op> void fnLogic(sqlite3_context* ctx, int, sqlite3_value** argv) {
    numeric2(ctx, argv, [&](double a, double b) {
        const bool x = a != 0;
        const bool y = b != 0;
        const bool r = Op == 0 ? x != y : Op == 1 ? x == y : (!x || y);
        sqlite3_result_int(ctx, r ? -1 : 0);
    });
}

// Text functions take Null to Null.
template <typename F> void textFunction(sqlite3_context* ctx, int argc, sqlite3_value** argv, F f) {
    if (anyNull(argc, argv)) {
        sqlite3_result_null(ctx);
        return;
    }
    f(text(argv[0]));
}

int intArg(sqlite3_value* v) {
    const auto n = number(v);
    return n ? static_cast<int>(bankers(*n)) : 0;
}

void fnLeft(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    textFunction(ctx, argc, argv,
                 [&](const QString& s) { resultText(ctx, s.left(std::max(0, intArg(argv[1])))); });
}
void fnRight(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    textFunction(ctx, argc, argv,
                 [&](const QString& s) { resultText(ctx, s.right(std::max(0, intArg(argv[1])))); });
}
void fnMid(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    textFunction(ctx, argc, argv, [&](const QString& s) {
        const int start = std::max(1, intArg(argv[1]));
        const int len = argc > 2 ? std::max(0, intArg(argv[2])) : -1;
        resultText(ctx, s.mid(start - 1, len));
    });
}
void fnLen(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    textFunction(ctx, argc, argv, [&](const QString& s) { sqlite3_result_int64(ctx, s.size()); });
}
void fnUcase(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    textFunction(ctx, argc, argv, [&](const QString& s) { resultText(ctx, s.toUpper()); });
}
void fnLcase(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    textFunction(ctx, argc, argv, [&](const QString& s) { resultText(ctx, s.toLower()); });
}
QString trimLeft(const QString& s) {
    int i = 0;
    while (i < s.size() && s.at(i) == QLatin1Char(' '))
        ++i;
    return s.mid(i);
}
QString trimRight(const QString& s) {
    auto n = s.size();
    while (n > 0 && s.at(n - 1) == QLatin1Char(' '))
        --n;
    return s.left(n);
}
void fnTrim(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    textFunction(ctx, argc, argv,
                 [&](const QString& s) { resultText(ctx, trimRight(trimLeft(s))); });
}
void fnLtrim(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    textFunction(ctx, argc, argv, [&](const QString& s) { resultText(ctx, trimLeft(s)); });
}
void fnRtrim(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    textFunction(ctx, argc, argv, [&](const QString& s) { resultText(ctx, trimRight(s)); });
}
void fnSpace(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    if (anyNull(argc, argv)) {
        sqlite3_result_null(ctx);
        return;
    }
    resultText(ctx, QString(std::clamp(intArg(argv[0]), 0, 65535), QLatin1Char(' ')));
}
void fnInstr(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    if (anyNull(argc, argv)) {
        sqlite3_result_null(ctx);
        return;
    }
    int start = 1;
    int i = 0;
    if (argc == 3) {
        start = std::max(1, intArg(argv[0]));
        i = 1;
    }
    const QString s = text(argv[i]);
    const QString f = text(argv[i + 1]);
    sqlite3_result_int64(ctx, s.indexOf(f, start - 1, Qt::CaseInsensitive) + 1);
}
void fnReplace(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    textFunction(ctx, argc, argv, [&](QString s) {
        const QString f = text(argv[1]);
        if (!f.isEmpty())
            s.replace(f, text(argv[2]), Qt::CaseInsensitive);
        resultText(ctx, s);
    });
}
void fnAsc(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    textFunction(ctx, argc, argv, [&](const QString& s) {
        if (s.isEmpty())
            sqlite3_result_error(ctx, eigeneMeldung("Ungültiger Prozeduraufruf."), -1);
        else
            sqlite3_result_int(ctx, s.at(0).unicode());
    });
}
void fnChr(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    if (anyNull(argc, argv)) {
        sqlite3_result_null(ctx);
        return;
    }
    resultText(ctx, QString(QChar(static_cast<char16_t>(intArg(argv[0]) & 0xFFFF))));
}
void fnStr(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    if (anyNull(argc, argv)) {
        sqlite3_result_null(ctx);
        return;
    }
    const auto n = number(argv[0]);
    if (!n) {
        sqlite3_result_error(ctx, eigeneMeldung("Datentypen unverträglich."), -1);
        return;
    }
    // Str writes a point and keeps a place for the sign.
    const QString s = QString::number(*n, 'g', QLocale::FloatingPointShortest);
    resultText(ctx, *n >= 0 ? QLatin1Char(' ') + s : s);
}
void fnCstr(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    textFunction(ctx, argc, argv, [&](const QString& s) { resultText(ctx, s); });
}
void fnVal(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    if (anyNull(argc, argv)) {
        sqlite3_result_null(ctx);
        return;
    }
    // the longest leading number, blanks ignored, a point as separator
    QString s = text(argv[0]);
    s.remove(QLatin1Char(' '));
    int i = 0;
    if (i < s.size() && (s.at(i) == QLatin1Char('-') || s.at(i) == QLatin1Char('+')))
        ++i;
    while (i < s.size() && s.at(i).isDigit())
        ++i;
    if (i < s.size() && s.at(i) == QLatin1Char('.')) {
        ++i;
        while (i < s.size() && s.at(i).isDigit())
            ++i;
    }
    sqlite3_result_double(ctx, s.left(i).toDouble());
}
void roundTo(sqlite3_context* ctx, sqlite3_value* v, double lo, double hi, bool integer) {
    const auto n = number(v);
    if (!n) {
        sqlite3_result_error(ctx, eigeneMeldung("Datentypen unverträglich."), -1);
        return;
    }
    const double r = integer ? bankers(*n) : *n;
    if (r < lo || r > hi) {
        sqlite3_result_error(ctx, eigeneMeldung("Überlauf."), -1);
        return;
    }
    if (integer)
        sqlite3_result_int64(ctx, static_cast<qint64>(r));
    else
        sqlite3_result_double(ctx, r);
}
void fnCint(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    if (anyNull(argc, argv))
        return sqlite3_result_null(ctx);
    roundTo(ctx, argv[0], -32768, 32767, true);
}
void fnClng(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    if (anyNull(argc, argv))
        return sqlite3_result_null(ctx);
    roundTo(ctx, argv[0], -2147483648.0, 2147483647.0, true);
}
void fnCbyte(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    if (anyNull(argc, argv))
        return sqlite3_result_null(ctx);
    roundTo(ctx, argv[0], 0, 255, true);
}
void fnCdbl(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    if (anyNull(argc, argv))
        return sqlite3_result_null(ctx);
    roundTo(ctx, argv[0], -1e308, 1e308, false);
}
void fnCcur(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    if (anyNull(argc, argv))
        return sqlite3_result_null(ctx);
    const auto n = number(argv[0]);
    if (!n)
        return sqlite3_result_error(ctx, eigeneMeldung("Datentypen unverträglich."), -1);
    sqlite3_result_double(ctx, bankers(*n * 10000.0) / 10000.0);
}
void fnCbool(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    if (anyNull(argc, argv))
        return sqlite3_result_null(ctx);
    const auto n = number(argv[0]);
    if (n) {
        sqlite3_result_int(ctx, *n != 0 ? -1 : 0);
        return;
    }
    const QString s = text(argv[0]).trimmed().toLower();
    if (s == QLatin1String("true") || s == QLatin1String("wahr"))
        sqlite3_result_int(ctx, -1);
    else if (s == QLatin1String("false") || s == QLatin1String("falsch"))
        sqlite3_result_int(ctx, 0);
    else
        sqlite3_result_error(ctx, eigeneMeldung("Datentypen unverträglich."), -1);
}
void fnCdate(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    if (anyNull(argc, argv))
        return sqlite3_result_null(ctx);
    const auto d = dateOf(argv[0]);
    if (!d)
        return sqlite3_result_error(ctx, eigeneMeldung("Datentypen unverträglich."), -1);
    sqlite3_result_double(ctx, *d);
}

template <typename F> void math1(sqlite3_context* ctx, int argc, sqlite3_value** argv, F f) {
    if (anyNull(argc, argv))
        return sqlite3_result_null(ctx);
    const auto n = number(argv[0]);
    if (!n)
        return sqlite3_result_error(ctx, eigeneMeldung("Datentypen unverträglich."), -1);
    const double r = f(*n);
    if (sqlite3_value_type(argv[0]) == SQLITE_INTEGER && r == std::trunc(r))
        sqlite3_result_int64(ctx, static_cast<qint64>(r));
    else
        sqlite3_result_double(ctx, r);
}
void fnAbs(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    math1(ctx, argc, argv, [](double d) { return std::fabs(d); });
}
void fnSgn(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    if (anyNull(argc, argv))
        return sqlite3_result_null(ctx);
    const auto n = number(argv[0]);
    sqlite3_result_int(ctx, !n || *n == 0 ? 0 : (*n > 0 ? 1 : -1));
}
void fnInt(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    math1(ctx, argc, argv, [](double d) { return std::floor(d); });
}
void fnFix(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    math1(ctx, argc, argv, [](double d) { return std::trunc(d); });
}
void fnSqr(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    if (anyNull(argc, argv))
        return sqlite3_result_null(ctx);
    const auto n = number(argv[0]);
    if (!n || *n < 0)
        return sqlite3_result_error(ctx, eigeneMeldung("Ungültiger Prozeduraufruf."), -1);
    sqlite3_result_double(ctx, std::sqrt(*n));
}
void fnRound(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    if (anyNull(argc, argv))
        return sqlite3_result_null(ctx);
    const int places = argc > 1 ? intArg(argv[1]) : 0;
    const double f = std::pow(10.0, places);
    math1(ctx, 1, argv, [&](double d) { return bankers(d * f) / f; });
}

template <typename F> void datePart(sqlite3_context* ctx, int argc, sqlite3_value** argv, F f) {
    if (anyNull(argc, argv))
        return sqlite3_result_null(ctx);
    const auto d = dateOf(argv[0]);
    const QDateTime dt = d ? fromOleDate(*d) : QDateTime();
    if (!dt.isValid())
        return sqlite3_result_error(ctx, eigeneMeldung("Datentypen unverträglich."), -1);
    sqlite3_result_int(ctx, f(dt));
}
void fnYear(sqlite3_context* c, int n, sqlite3_value** v) {
    datePart(c, n, v, [](const QDateTime& d) { return d.date().year(); });
}
void fnMonth(sqlite3_context* c, int n, sqlite3_value** v) {
    datePart(c, n, v, [](const QDateTime& d) { return d.date().month(); });
}
void fnDay(sqlite3_context* c, int n, sqlite3_value** v) {
    datePart(c, n, v, [](const QDateTime& d) { return d.date().day(); });
}
void fnHour(sqlite3_context* c, int n, sqlite3_value** v) {
    datePart(c, n, v, [](const QDateTime& d) { return d.time().hour(); });
}
void fnMinute(sqlite3_context* c, int n, sqlite3_value** v) {
    datePart(c, n, v, [](const QDateTime& d) { return d.time().minute(); });
}
void fnSecond(sqlite3_context* c, int n, sqlite3_value** v) {
    datePart(c, n, v, [](const QDateTime& d) { return d.time().second(); });
}

int weekday(const QDate& d, int first) {
    // 1 = Sunday as first day unless another is given
    return ((d.dayOfWeek() % 7) - (first - 1) + 14) % 7 + 1;
}

void fnWeekday(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    const int first = argc > 1 && !isNull(argv[1]) ? std::clamp(intArg(argv[1]), 1, 7) : 1;
    datePart(ctx, 1, argv, [&](const QDateTime& d) { return weekday(d.date(), first); });
}

void fnDatePart(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    if (isNull(argv[0]) || isNull(argv[1]))
        return sqlite3_result_null(ctx);
    const QString interval = text(argv[0]).toLower();
    const int first = argc > 2 && !isNull(argv[2]) ? std::clamp(intArg(argv[2]), 1, 7) : 1;
    datePart(ctx, 1, argv + 1, [&](const QDateTime& d) {
        const QDate date = d.date();
        if (interval == QLatin1String("yyyy"))
            return date.year();
        if (interval == QLatin1String("q"))
            return (date.month() - 1) / 3 + 1;
        if (interval == QLatin1String("m"))
            return date.month();
        if (interval == QLatin1String("y"))
            return date.dayOfYear();
        if (interval == QLatin1String("d"))
            return date.day();
        if (interval == QLatin1String("w"))
            return weekday(date, first);
        if (interval == QLatin1String("ww")) {
            const QDate jan1(date.year(), 1, 1);
            return (date.dayOfYear() - 1 + weekday(jan1, first) - 1) / 7 + 1;
        }
        if (interval == QLatin1String("h"))
            return d.time().hour();
        if (interval == QLatin1String("n"))
            return d.time().minute();
        if (interval == QLatin1String("s"))
            return d.time().second();
        return 0;
    });
}

void fnDateSerial(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    if (anyNull(argc, argv))
        return sqlite3_result_null(ctx);
    int y = intArg(argv[0]);
    if (y >= 0 && y < 30)
        y += 2000;
    else if (y >= 30 && y < 100)
        y += 1900;
    // months and days beyond their range roll over, as the engine does
    const QDate d = QDate(y, 1, 1).addMonths(intArg(argv[1]) - 1).addDays(intArg(argv[2]) - 1);
    if (!d.isValid())
        return sqlite3_result_error(ctx, eigeneMeldung("Ungültiger Prozeduraufruf."), -1);
    sqlite3_result_double(ctx, toOleDate(QDateTime(d, QTime(0, 0))));
}

void fnTimeSerial(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    if (anyNull(argc, argv))
        return sqlite3_result_null(ctx);
    const double seconds = intArg(argv[0]) * 3600.0 + intArg(argv[1]) * 60.0 + intArg(argv[2]);
    sqlite3_result_double(ctx, seconds / 86400.0);
}

void fnDate(sqlite3_context* ctx, int, sqlite3_value**) {
    sqlite3_result_double(ctx, toOleDate(QDateTime(QDate::currentDate(), QTime(0, 0))));
}
void fnTime(sqlite3_context* ctx, int, sqlite3_value**) {
    sqlite3_result_double(ctx, QTime::currentTime().msecsSinceStartOfDay() / 86400000.0);
}
void fnNow(sqlite3_context* ctx, int, sqlite3_value**) {
    sqlite3_result_double(ctx, toOleDate(QDateTime::currentDateTime()));
}
void fnIsNumeric(sqlite3_context* ctx, int, sqlite3_value** argv) {
    sqlite3_result_int(ctx, !isNull(argv[0]) && number(argv[0]) ? -1 : 0);
}

// ---- Aggregates -----------------------------------------------------------

struct Pick {
    sqlite3_value* value;
    bool seen;
};

template <bool Last> void pickStep(sqlite3_context* ctx, int, sqlite3_value** argv) {
    auto* p = static_cast<Pick*>(sqlite3_aggregate_context(ctx, sizeof(Pick)));
    if (!p)
        return;
    if (p->seen && !Last)
        return;
    sqlite3_value_free(p->value);
    p->value = sqlite3_value_dup(argv[0]);
    p->seen = true;
}

void pickFinal(sqlite3_context* ctx) {
    auto* p = static_cast<Pick*>(sqlite3_aggregate_context(ctx, 0));
    if (!p || !p->value) {
        sqlite3_result_null(ctx);
        return;
    }
    sqlite3_result_value(ctx, p->value);
    sqlite3_value_free(p->value);
    p->value = nullptr;
}

struct Spread {
    qint64 n;
    double mean;
    double m2;
};

void spreadStep(sqlite3_context* ctx, int, sqlite3_value** argv) {
    if (isNull(argv[0]))
        return;
    auto* s = static_cast<Spread*>(sqlite3_aggregate_context(ctx, sizeof(Spread)));
    const auto x = number(argv[0]);
    if (!s || !x)
        return;
    ++s->n;
    const double delta = *x - s->mean;
    s->mean += delta / static_cast<double>(s->n);
    s->m2 += delta * (*x - s->mean);
}

template <bool Population, bool Root> void spreadFinal(sqlite3_context* ctx) {
    auto* s = static_cast<Spread*>(sqlite3_aggregate_context(ctx, 0));
    const qint64 minimum = Population ? 1 : 2;
    if (!s || s->n < minimum) {
        sqlite3_result_null(ctx);
        return;
    }
    const double var = s->m2 / static_cast<double>(Population ? s->n : s->n - 1);
    sqlite3_result_double(ctx, Root ? std::sqrt(var) : var);
}

} // namespace

int compareGeneral(const QString& a, const QString& b) {
    const QByteArray ua = a.toUtf8();
    const QByteArray ub = b.toUtf8();
    return collateGeneral(nullptr, static_cast<int>(ua.size()), ua.constData(),
                          static_cast<int>(ub.size()), ub.constData());
}

std::string collationKey(const char* utf8, int length) {
    thread_local std::vector<Weight> w;
    weights(reinterpret_cast<const unsigned char*>(utf8), length, w);
    std::string key;
    key.reserve(w.size() * 6);
    for (const auto& x : w) {
        key.append(reinterpret_cast<const char*>(&x.primary), sizeof x.primary);
        key.append(reinterpret_cast<const char*>(&x.secondary), sizeof x.secondary);
    }
    return key;
}

bool likeMatches(const QString& value, const QString& pattern) {
    // Greedy matching with one remembered '*' to fall back to.
    int v = 0;
    int p = 0;
    int starP = -1;
    int starV = 0;
    const int nv = static_cast<int>(value.size());
    const int np = static_cast<int>(pattern.size());
    while (v < nv) {
        if (p < np && pattern.at(p) == QLatin1Char('*')) {
            starP = ++p;
            starV = v;
            continue;
        }
        if (p < np) {
            const int next = elementEnd(pattern, p);
            if (elementMatches(pattern, p, next, value.at(v))) {
                p = next;
                ++v;
                continue;
            }
        }
        if (starP < 0)
            return false;
        p = starP;
        v = ++starV;
    }
    while (p < np && pattern.at(p) == QLatin1Char('*'))
        ++p;
    return p == np;
}

void registerJetExtensions(sqlite3* db) {
    auto check = [&](int rc) {
        if (rc != SQLITE_OK)
            throw JetError(fehler::NichtUnterstuetzt,
                           QStringLiteral("Die Datenbank-Maschine kann nicht gestartet werden."));
    };
    check(sqlite3_create_collation_v2(db, "JET", SQLITE_UTF8, nullptr, collateGeneral, nullptr));
    struct Entry {
        const char* name;
        int args;
        Fn fn;
        bool deterministic;
    };
    const Entry scalars[] = {
        {"jet_like", 2, likeFunction, true},
        {"jet_cat", 2, fnCat, true},
        {"jet_plus", 2, fnPlus, true},
        {"jet_idiv", 2, fnIdiv, true},
        {"jet_mod", 2, fnMod, true},
        {"jet_pow", 2, fnPow, true},
        {"jet_xor", 2, fnLogic<0>, true},
        {"jet_eqv", 2, fnLogic<1>, true},
        {"jet_imp", 2, fnLogic<2>, true},
        {"jet_left", 2, fnLeft, true},
        {"jet_right", 2, fnRight, true},
        {"jet_mid", -1, fnMid, true},
        {"jet_len", 1, fnLen, true},
        {"jet_ucase", 1, fnUcase, true},
        {"jet_lcase", 1, fnLcase, true},
        {"jet_trim", 1, fnTrim, true},
        {"jet_ltrim", 1, fnLtrim, true},
        {"jet_rtrim", 1, fnRtrim, true},
        {"jet_space", 1, fnSpace, true},
        {"jet_instr", -1, fnInstr, true},
        {"jet_replace", 3, fnReplace, true},
        {"jet_asc", 1, fnAsc, true},
        {"jet_chr", 1, fnChr, true},
        {"jet_str", 1, fnStr, true},
        {"jet_cstr", 1, fnCstr, true},
        {"jet_val", 1, fnVal, true},
        {"jet_cint", 1, fnCint, true},
        {"jet_clng", 1, fnClng, true},
        {"jet_cbyte", 1, fnCbyte, true},
        {"jet_cdbl", 1, fnCdbl, true},
        {"jet_ccur", 1, fnCcur, true},
        {"jet_cbool", 1, fnCbool, true},
        {"jet_cdate", 1, fnCdate, true},
        {"jet_abs", 1, fnAbs, true},
        {"jet_sgn", 1, fnSgn, true},
        {"jet_int", 1, fnInt, true},
        {"jet_fix", 1, fnFix, true},
        {"jet_round", -1, fnRound, true},
        {"jet_sqr", 1, fnSqr, true},
        {"jet_year", 1, fnYear, true},
        {"jet_month", 1, fnMonth, true},
        {"jet_day", 1, fnDay, true},
        {"jet_hour", 1, fnHour, true},
        {"jet_minute", 1, fnMinute, true},
        {"jet_second", 1, fnSecond, true},
        {"jet_weekday", -1, fnWeekday, true},
        {"jet_datepart", -1, fnDatePart, true},
        {"jet_dateserial", 3, fnDateSerial, true},
        {"jet_timeserial", 3, fnTimeSerial, true},
        {"jet_date", 0, fnDate, false},
        {"jet_time", 0, fnTime, false},
        {"jet_now", 0, fnNow, false},
        {"jet_isnumeric", 1, fnIsNumeric, true},
    };
    for (const auto& e : scalars)
        check(sqlite3_create_function_v2(db, e.name, e.args,
                                         SQLITE_UTF8 | (e.deterministic ? SQLITE_DETERMINISTIC : 0),
                                         nullptr, e.fn, nullptr, nullptr, nullptr));
    struct Aggregate {
        const char* name;
        void (*step)(sqlite3_context*, int, sqlite3_value**);
        void (*final)(sqlite3_context*);
    };
    const Aggregate aggregates[] = {
        {"jet_first", pickStep<false>, pickFinal},
        {"jet_last", pickStep<true>, pickFinal},
        {"jet_stdev", spreadStep, spreadFinal<false, true>},
        {"jet_stdevp", spreadStep, spreadFinal<true, true>},
        {"jet_var", spreadStep, spreadFinal<false, false>},
        {"jet_varp", spreadStep, spreadFinal<true, false>},
    };
    for (const auto& a : aggregates)
        check(sqlite3_create_function_v2(db, a.name, 1, SQLITE_UTF8, nullptr, nullptr, a.step,
                                         a.final, nullptr));
}

namespace {
// The engine's own messages for failures inside SQLite, by their text.
struct Meldungen {
    std::mutex sperre;
    std::set<std::string, std::less<>> texte;
};
Meldungen& meldungen() {
    static Meldungen m;
    return m;
}
} // namespace

const char* eigeneMeldung(const char* text) {
    Meldungen& m = meldungen();
    const std::lock_guard<std::mutex> halten(m.sperre);
    return m.texte.insert(text).first->c_str();
}

QString fehlerMeldung(sqlite3* db, const QString& sonst) {
    const char* text = sqlite3_errmsg(db);
    Meldungen& m = meldungen();
    const std::lock_guard<std::mutex> halten(m.sperre);
    if (text && m.texte.find(std::string_view(text)) != m.texte.end())
        return QString::fromUtf8(text);
    return sonst;
}

} // namespace sorvo::jet::detail

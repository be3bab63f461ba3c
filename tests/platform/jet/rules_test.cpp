// The engine's rules for comparing texts: LIKE, the General sort order, and
// the whole number a text spells.
#include "platform/jet/jet.h"
#include "platform/jet/sqlite_ext.h"

#include <gtest/gtest.h>
#include <optional>

using namespace sorvo::jet::detail;

TEST(JetRules, LikePatterns) {
    struct Case {
        const char* value;
        const char* pattern;
        bool matches;
    };
    const Case cases[] = {
        {"Abies", "a*", true}, // case does not count
        {"abies", "A*", true},
        {"Äpfel", "A*", false}, // an accent does
        {"äpfel", "Ä*", true},
        {"Straße", "STRASSE", false},
        {"Straße", "STRAßE", true},
        {"Abc", "?bc", true},
        {"bc", "?bc", false},
        {"A1c", "A#c", true},
        {"Abc", "A#c", false},
        {"Bcd", "[a-c]*", true},
        {"dcb", "[a-c]*", false},
        {"dcb", "[!a-c]*", true},
        {"Bcd", "[!a-c]*", false},
        {"a*b", "a[*]b", true}, // brackets make wildcards literal
        {"axb", "a[*]b", false},
        {"a?b", "a[?]b", true},
        {"a#b", "a[#]b", true},
        {"abc", "*c", true},
        {"abc", "*b", false},
        {"", "*", true},
        {"", "", true},
        {"x", "", false},
        {"aXbXc", "*x*x*", true},
        {"aXbc", "*x*x*", false},
        {"1234", "12*", true},
        {"Zamioculcas", "*cul*", true},
        {"Malus 'Evereste'", "*'E*", true},
        {"100%", "100%", true}, // % and _ are no wildcards here
        {"1000", "100%", false},
        {"a_c", "a_c", true},
        {"abc", "a_c", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(likeMatches(QString::fromUtf8(c.value), QString::fromUtf8(c.pattern)), c.matches)
            << c.value << " LIKE " << c.pattern;
}

TEST(JetRules, GeneralSortOrder) {
    struct Case {
        const char* a;
        const char* b;
        int sign; // of compare(a, b)
    };
    const Case cases[] = {
        {"a", "B", -1},              // case does not decide the order
        {"Zebra", "äffchen", 1},     // Ä sorts with A, not after Z
        {"Ärger", "Arztpraxis", -1}, // the letters decide before the accent
        {"A", "Ä", -1},              // and the accent only when all letters agree
        {"Ärger", "Arger", 1},
        {"Ölbaum", "Olea", -1},
        {"Müller", "Mueller", 1},
        {"abc", "ABC", 0},        // equal, as = in SQL finds it
        {"Straße", "Strasse", 1}, // ß as ss, a little after it
        {"Straße", "Strasst", -1},
        {"", "a", -1},
        {"1", "A", -1},  // digits before letters
        {" Z", "0", -1}, // blanks and signs before digits
        {"Taxus", "Taxus baccata", -1},
        {"Étoile", "Etoile", 1},
        {"Æble", "Aeble", 1},
        {"Ørsted", "Orsted", 1},
        {"Øresund", "Oslo", -1},
    };
    for (const auto& c : cases) {
        const int r = compareGeneral(QString::fromUtf8(c.a), QString::fromUtf8(c.b));
        EXPECT_EQ((r > 0) - (r < 0), c.sign) << c.a << " <> " << c.b;
        const int back = compareGeneral(QString::fromUtf8(c.b), QString::fromUtf8(c.a));
        EXPECT_EQ((back > 0) - (back < 0), -c.sign) << c.b << " <> " << c.a;
    }
}

// A text is a whole number only when all of it is one: a NUL does not end it
// early, as it would end a C string.
TEST(JetRules, AWholeNumberIsTheWholeText) {
    using sorvo::jet::Value;
    struct Case {
        QString text;
        std::optional<qint64> zahl;
    };
    const Case cases[] = {
        {QStringLiteral("1001"), 1001},
        {QStringLiteral(" 1002 "), 1002}, // blanks around it, as the tables hold them
        {QStringLiteral("-7"), -7},
        {QStringLiteral("+7"), 7},
        {QString::fromUtf16(u"1001\0 9", 7), std::nullopt},
        {QString::fromUtf16(u"1001\0", 5), std::nullopt},
        {QString::fromUtf16(u"\0001001", 5), std::nullopt},
        {QStringLiteral("1001 9"), std::nullopt},
        {QStringLiteral("1001x"), std::nullopt},
        {QStringLiteral("10.5"), std::nullopt},
        {QString(), std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.toUtf8().replace('\0', "\\0").toStdString());
        EXPECT_EQ(sorvo::jet::textAlsGanzzahl(c.text), c.zahl);
        // A text field's value reads the same, 0 for no number.
        EXPECT_EQ(Value::text(c.text).toInt64(), c.zahl.value_or(0));
    }
}

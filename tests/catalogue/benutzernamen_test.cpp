// The names of the user-defined properties, read from real Jet 4 files.
#include "catalogue/mdlDruck.h"
#include "label/programm.h"
#include "tests/platform/jet/support/fixture.h"
#include "tests/platform/jet/support/jet4_writer.h"
#include "tests/platform/jet/support/printing.h"

#include <QDate>
#include <gtest/gtest.h>

namespace sorvo {
namespace {

using jet::DataType;
using jet::testing::Cell;
using jet::testing::ColumnSpec;
using jet::testing::Jet4Writer;
using jet::testing::Row;

const Cell N = std::monostate{};
Cell t(const char* s) {
    return QString::fromUtf8(s);
}

using Namen = std::array<std::array<QString, 5>, 6>;

// The six category columns; Obst holds numbers and Friedhof dates, as an
// owner may have set them up.
std::vector<ColumnSpec> sechsSpalten() {
    return {{QStringLiteral("Topfpflanzen")},
            {QStringLiteral("Stauden")},
            {QStringLiteral("Gehoelze")},
            {QStringLiteral("Apfel")},
            {QStringLiteral("Obst"), DataType::Double},
            {QStringLiteral("Friedhof"), DataType::Date}};
}

Cell tag(int y, int m, int d) {
    return static_cast<double>(QDate(1899, 12, 30).daysTo(QDate(y, m, d)));
}

QString datenbank(const std::vector<ColumnSpec>& spalten, std::vector<Row> zeilen,
                  const char* tabelle = "Namen_Benutzer_Optionen") {
    Jet4Writer w;
    w.addTable(QString::fromLatin1(tabelle), spalten, std::move(zeilen));
    // Another table, so that a file without the names table is still a
    // plant database.
    w.addTable(QStringLiteral("Familien"), {{QStringLiteral("FAMILIE"), DataType::Integer}}, {});
    static int nummer = 0;
    const QString pfad =
        jet::testing::scratchFolder() + QStringLiteral("/namen%1.mdb").arg(++nummer);
    w.write(pfad);
    return pfad;
}

Row zeile(const char* tp, const char* st, const char* ge, const char* ap) {
    return {tp ? t(tp) : N, st ? t(st) : N, ge ? t(ge) : N, ap ? t(ap) : N, N, N};
}

class BenutzerNamen : public ::testing::Test {
protected:
    void SetUp() override { vorbelegen(); }
    void TearDown() override { ProgrammZuruecksetzen(); }
    // Names of a database read before, which no later load may leave behind.
    static void vorbelegen() {
        for (auto& reihe : P().strBenuNamen)
            for (auto& n : reihe)
                n = QStringLiteral("alt");
    }
    static Namen leer() { return Namen{}; }
};

TEST_F(BenutzerNamen, FiveRowsFillAllCategoriesInTheirOrder) {
    const QString pfad = datenbank(
        sechsSpalten(),
        {
            {t("Duftend"), t("Bienenweide"), t("Schnitthecke"), N, Cell{2.5}, tag(2004, 1, 31)},
            zeile("Winterhart", nullptr, "", "Lager"),
            zeile(nullptr, nullptr, nullptr, nullptr),
            zeile("Kübelpflanze", "Bodendecker", nullptr, nullptr),
            {N, t("Heimisch"), N, N, Cell{7.0}, N},
        });
    BenutzerNamenLaden(pfad);
    Namen erwartet = leer();
    // Order: Topfpflanzen, Stauden, Gehoelze, Apfel, Obst, Friedhof.
    erwartet[0] = {"Duftend", "Winterhart", "", QString::fromUtf8("Kübelpflanze"), ""};
    erwartet[1] = {"Bienenweide", "", "", "Bodendecker", "Heimisch"};
    erwartet[2] = {"Schnitthecke", "", "", "", ""};
    erwartet[3] = {"", "Lager", "", "", ""};
    erwartet[4] = {"2,5", "", "", "", "7"};
    erwartet[5] = {"31.01.2004", "", "", "", ""};
    EXPECT_EQ(P().strBenuNamen, erwartet);
    // Loading the same database again gives the same names.
    vorbelegen();
    BenutzerNamenLaden(pfad);
    EXPECT_EQ(P().strBenuNamen, erwartet);
}

TEST_F(BenutzerNamen, FewerRowsLeaveTheRestEmptyAndMoreAreIgnored) {
    const struct {
        const char* fall;
        int zeilen;
    } faelle[] = {{"none", 0}, {"one", 1}, {"three", 3}, {"five", 5}, {"seven", 7}};
    for (const auto& c : faelle) {
        std::vector<Row> zeilen;
        for (int i = 1; i <= c.zeilen; ++i) {
            const QString n = QStringLiteral("E%1").arg(i);
            zeilen.push_back({n, n, n, n, Cell{double(i)}, tag(2000, 1, i)});
        }
        const QString pfad = datenbank(sechsSpalten(), zeilen);
        vorbelegen();
        BenutzerNamenLaden(pfad);
        for (size_t k = 0; k < 6; ++k)
            for (int i = 0; i < 5; ++i) {
                QString erwartet;
                if (i < c.zeilen)
                    erwartet =
                        k == 4   ? QString::number(i + 1)
                        : k == 5 ? QStringLiteral("%1.01.2000").arg(i + 1, 2, 10, QLatin1Char('0'))
                                 : QStringLiteral("E%1").arg(i + 1);
                EXPECT_EQ(P().strBenuNamen[k][i], erwartet) << c.fall << " " << k << " " << i;
            }
    }
}

TEST_F(BenutzerNamen, DatabaseWithoutTheTableHasNoNames) {
    const QString pfad = datenbank(sechsSpalten(), {zeile("a", "b", "c", "d")}, "Andere");
    EXPECT_NO_THROW(BenutzerNamenLaden(pfad));
    EXPECT_EQ(P().strBenuNamen, leer());
}

TEST_F(BenutzerNamen, MissingColumnOrFileIsAnErrorAndLeavesNoOldNames) {
    auto spalten = sechsSpalten();
    spalten.pop_back(); // no "Friedhof"
    const QString ohneSpalte = datenbank(spalten, {{t("a"), t("b"), t("c"), t("d"), Cell{1.0}}});
    const struct {
        const char* fall;
        QString pfad;
        int fehler;
    } faelle[] = {
        {"column", ohneSpalte, jet::fehler::ElementNichtGefunden},
        {"file", jet::testing::scratchFolder() + QStringLiteral("/fehlt.mdb"),
         jet::fehler::DateiNichtGefunden},
    };
    for (const auto& c : faelle) {
        vorbelegen();
        try {
            BenutzerNamenLaden(c.pfad);
            ADD_FAILURE() << c.fall << ": no error";
        } catch (const jet::JetError& e) {
            EXPECT_EQ(e.number(), c.fehler) << c.fall;
        }
        EXPECT_EQ(P().strBenuNamen, leer()) << c.fall;
    }
}

} // namespace
} // namespace sorvo

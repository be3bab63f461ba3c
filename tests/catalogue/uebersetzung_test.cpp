// Value translation without lookups: tables of (kind, column, raw value,
// expected text), category by category, run through the dispatcher the
// record transfer calls.
#include "catalogue/mdlDruck.h"
#include "label/programm.h"
#include "platform/jet/jet.h"
#include "tests/platform/jet/support/printing.h"

#include <QDateTime>
#include <gtest/gtest.h>
#include <limits>

namespace sorvo {
namespace {

using jet::DataType;
using jet::Value;

Value T(const char* s) {
    return Value::text(QString::fromUtf8(s));
}
Value T(const QString& s) {
    return Value::text(s);
}
Value T(const std::string& s) {
    return Value::text(QString::fromStdString(s));
}
Value Z(qint64 n) {
    return Value::integer(n);
}
Value R(double d) {
    return Value::real(d);
}
Value B(bool b) {
    return Value::boolean(b);
}
// A flag row with "1" at the given positions (from 1), "0" elsewhere.
Value F(int laenge, std::initializer_list<int> positionen) {
    QString s(laenge, QLatin1Char('0'));
    for (int p : positionen)
        s[p - 1] = QLatin1Char('1');
    return Value::text(s);
}

struct Fall {
    const char* art;
    const char* spalte;
    Value wert;
    QString erwartet;
};

QString E(const char* s) {
    return QString::fromUtf8(s);
}

const QString kBewertung = E("    (Stufe 1: Rarität / Stufe 5:  Standardsortiment)");
const QString kGehilfe = E("Diese Pflanze ist Bestandteil der Gehilfenprüfung ");

void pruefen(const std::vector<Fall>& faelle) {
    for (const auto& c : faelle)
        EXPECT_EQ(Uebersetzung(QString::fromLatin1(c.art), c.wert, QString::fromUtf8(c.spalte)),
                  c.erwartet)
            << c.art << " " << c.spalte << " " << c.wert.toString().toStdString();
}

class Uebersetzen : public ::testing::Test {
protected:
    void SetUp() override {
        TabellenInitialisieren();
        // Names of the user properties: category k, property p is "Kk-p".
        for (size_t k = 0; k < 6; ++k)
            for (size_t p = 0; p < 5; ++p)
                P().strBenuNamen[k][p] = QStringLiteral("K%1-%2").arg(k).arg(p + 1);
    }
    void TearDown() override { ProgrammZuruecksetzen(); }
};

TEST_F(Uebersetzen, TextFormOfTheValueForKindsAndColumnsWithoutRule) {
    QDateTime zeit(QDate(2004, 1, 31), QTime(13, 45, 10));
    pruefen({
        {"eig", "Preis", R(2.5), "2,5"},
        {"eig", "Preis", Value::currency(49500), "4,95"},
        {"eig", "Preis", Value::real(0.3, DataType::Single), "0,3"},
        {"eig", "GIFTIG", B(true), "Wahr"},
        {"mdb", "GIFTIG", B(false), "Falsch"},
        {"", "Datum", Value::date(QDateTime(QDate(2004, 1, 31), QTime(0, 0))), "31.01.2004"},
        {"eig", "Datum", Value::date(zeit), "31.01.2004 13:45:10"},
        {"VXT", "GIFTIG", T("Wahr"), "Wahr"}, // kinds compare with case
        {"vxt", "MINHOEHE", Z(12), "12"},
        {"vxt", "MINHOEHE", R(-0.75), "-0,75"},
        {"vxt", "bemerkung", T("a        b"), "a        b"},
        {"vxs", "MINHOEHE", Z(12), "12"},
        {"vxg", "URTEIL", T("W!"), "W!"},
        {"vxa", "Bewertung", Z(3), "3"},
        {"vxa", "Quelle", T("n"), "n"},
        {"vxo", "FAMILIE", Z(3), "3"},
        {"vxo", "Bewertung", Z(5), "5"},
        {"vxo", "Quelle", T("z"), "z"},
        {"vxf", "FAMILIE", Z(3), "3"},
        {"vxf", "Bewertung", Z(3), "3"},
        {"vxf", "Quelle", T("n"), "n"},
        {"vxf", "Ausbildung", T("1"), "1"},
        {"vxf", "Friedhof_BLUEHZEIT", T("000011110000"), "000011110000"},
    });
}

// NaN and the infinities, in double or single precision or as a date,
// print nothing in any kind and column, whatever the column's rule (an
// inverted yes/no column included).
TEST_F(Uebersetzen, NumbersThatAreNoneGiveNoText) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const Value werte[] = {R(nan),
                           R(inf),
                           R(-inf),
                           Value::real(nan, DataType::Single),
                           Value::real(-inf, DataType::Single),
                           Value::date(nan),
                           Value::date(inf)};
    const std::pair<const char*, const char*> spalten[] = {
        {"eig", "Preis"},     {"mdb", "Preis"},     {"", "Datum"},         {"vxt", "MINHOEHE"},
        {"vxt", "Bewertung"}, {"vxt", "GIFTIG"},    {"vxt", "BLUEHZEIT"},  {"vxt", "UNSCHEINBA"},
        {"vxs", "MINHOEHE"},  {"vxs", "Bewertung"}, {"vxg", "FAMILIE"},    {"vxa", "Bewertung"},
        {"vxo", "FAMILIE"},   {"vxf", "FAMILIE"},   {"vxf", "Ausbildung"},
    };
    std::vector<Fall> faelle;
    for (const auto& [art, spalte] : spalten)
        for (const Value& w : werte)
            faelle.push_back({art, spalte, w, QString()});
    pruefen(faelle);
    // A finite value of the same kinds still prints.
    pruefen({{"eig", "Preis", R(-0.0), "0"}, {"vxt", "MINHOEHE", R(1e300), "1E+300"}});
}

TEST_F(Uebersetzen, PotPlants) {
    pruefen({
        // Flag lists, built in and from tables.
        {"vxt", "BLATTFARB", F(9, {9}), "panaschiert"},
        {"vxt", "BLATTFARB", T("11"), E("hellgrün, dunkelgrün")},
        {"vxt", "BLATTFARB", T("0000000011"), "panaschiert"},
        {"vxt", "FRUCHTFARB", F(12, {12}), "schwarz"},
        {"vxt", "FARBEN", F(12, {12}), "grau"},
        {"vxt", "FARBEN", F(13, {6}), "dunkelrot"},
        {"vxt", "PFLANZTYP", T("0101"), E("Blütenpflanze, Sukkulente")},
        {"vxt", "PFLANZTYP", T("1"), E("Grünpflanze")},
        {"vxt", "PFLANZTYP", T("0000"), ""},
        {"vxt", "PFLANZTYP", T(""), ""},
        {"vxt", "PFLANZTYP", T("x121"), E("Blütenpflanze, Sukkulente")},
        {"vxt", "H_PH", T("11"), "niedrig (4-5), hoch (6-7)"},
        {"vxt", "H_PH", T("111"), "niedrig (4-5), hoch (6-7)"},
        {"vxt", "H_VERW", T("10001"), E("Solitär, Hängepflanze")},
        {"vxt", "H_WASSERST", T("010"), "Optimum (mittel 1-3 cm)"},
        {"vxt", "WUCHSFORM", F(14, {1, 14}), "baumartig, kletternd"},
        {"vxt", "HALTBAR", T("001"), "lang"},
        {"vxt", "KRANKH", T("100"), "schwach"},
        {"vxt", "NACHDUENG", T("010"), "mittel"},
        {"vxt", "SONNE", T("011"), "Halbschatten, Schatten"},
        {"vxt", "VERWENDUNG", F(8, {3, 8}), E("Kübel, Vitrine")},
        {"vxt", "TAGESL", T("001"), "Langtagpflanze"},
        // Month spans, one flag per month.
        {"vxt", "BLUEHZEIT", F(12, {5, 6, 7, 8}), "Mai bis August"},
        {"vxt", "ANGEBOTSZ", F(12, {1, 2, 12}), "Januar, Februar, Dezember"},
        {"vxt", "FRUCHTZEIT", F(12, {4, 5, 6, 7}), "April bis Juli"},
        {"vxt", "BLUEHZEIT", F(12, {2, 3}), E("Februar, März")},
        {"vxt", "BLUEHZEIT", F(12, {1, 2, 3, 5, 6, 7}), E("Januar bis März, Mai bis Juli")},
        {"vxt", "BLUEHZEIT", F(12, {1, 11, 12}), "Januar, November, Dezember"},
        {"vxt", "BLUEHZEIT", T("11111111111111"), "Januar bis Dezember"},
        {"vxt", "BLUEHZEIT", T(""), ""},
        // Yes/no: only the German word.
        {"vxt", "GIFTIG", B(true), "Pflanze ist giftig!"},
        {"vxt", "GIFTIG", B(false), ""},
        {"vxt", "GIFTIG", T("Wahr"), "Pflanze ist giftig!"},
        {"vxt", "GIFTIG", T("True"), ""},
        {"vxt", "UNSCHEINBA", B(true), E("Blüten sind unscheinbar!")},
        {"vxt", "UNSCHEINBA", Z(-1), ""},
        // Sources.
        {"vxt", "Quelle", T("n"), "Namenliste Stauden"},
        {"vxt", "Quelle", T("g"), E("Namenliste Gehölze")},
        {"vxt", "Quelle", T("s"), E("spezielle Erklärung")},
        {"vxt", "Quelle", T("c"), "Classified List and International Register of Tulip Names"},
        {"vxt", "Quelle", T("z"), E("Handwörterbuch der Pflanzennamen")},
        {"vxt", "Quelle", T("N"), ""},
        {"vxt", "Quelle", T("x"), ""},
        // User properties, training, rating, cleaning.
        {"vxt", "BENU_EIGEN", T("10001"), "K0-1\nK0-5"},
        {"vxt", "BENU_EIGEN", T("01"), "K0-2"},
        {"vxt", "BENU_EIGEN", T(""), ""},
        {"vxt", "Ausbildung", T("10100"),
         kGehilfe + E("bei Zierpflanzengärtnern und bei Staudengärtnern")},
        {"vxt", "Ausbildung", T("01"), kGehilfe + "bei Baumschulgärtnern"},
        {"vxt", "Ausbildung", T("000001"), ""},
        {"vxt", "Bewertung", Z(2), "1,5" + kBewertung},
        {"vxt", "Bewertung", Z(1), "1" + kBewertung},
        {"vxt", "Bewertung", Z(4), "2,5" + kBewertung},
        {"vxt", "Bewertung", Z(9), "5" + kBewertung},
        {"vxt", "Bewertung", T("3"), "2" + kBewertung},
        {"vxt", "Bewertung", R(2.5), "1,5" + kBewertung}, // 2.5 rounds to 2
        {"vxt", "Bewertung", R(3.5), "2,5" + kBewertung}, // 3.5 rounds to 4
        {"vxt", "Bewertung", Z(40000), "20000,5" + kBewertung},
        {"vxt", "Bewertung", T("gut"), "gut"},
        {"vxt", "Bewertung", T(""), ""},
        {"vxt", "BEMERKUNG", T(QStringLiteral("a\u00ec\nb")), "ab"},
        {"vxt", "SCHADEN", T("a" + std::string(16, ' ') + "b"), "ab"},
        {"vxt", "SORTEN", T(QStringLiteral("x\n")), "x\n"},
    });
}

// Blank runs of remark columns: each pass resumes one character after a
// removal, so blanks that close up behind it stay.
TEST_F(Uebersetzen, RemarkCleaningRemovesBlankRunsPassByPass) {
    const struct {
        int blanks;
        int bleiben;
    } faelle[] = {{7, 7}, {8, 0}, {10, 2}, {16, 0}, {24, 0}, {31, 7}, {32, 8}, {40, 0}};
    for (const char* art : {"vxt", "vxs", "vxg", "vxf"})
        for (const auto& c : faelle) {
            const QString wert = QLatin1Char('a') + QString(c.blanks, QLatin1Char(' ')) +
                                 QString(QChar(0xEC)) + QStringLiteral("\nb");
            const QString erwartet =
                QLatin1Char('a') + QString(c.bleiben, QLatin1Char(' ')) + QLatin1Char('b');
            EXPECT_EQ(Uebersetzung(QString::fromLatin1(art), T(wert), QStringLiteral("BEMERKUNG")),
                      erwartet)
                << art << " " << c.blanks;
        }
    EXPECT_EQ(Uebersetzung(QStringLiteral("vxt"), T(""), QStringLiteral("BEMERKUNG")), "");
}

TEST_F(Uebersetzen, Perennials) {
    pruefen({
        // Month codes: first and last character only.
        {"vxs", "BLUEHZEIT", T("3"), E("März")},
        {"vxs", "BLUEHZEIT", T("35"), E("März bis Mai")},
        {"vxs", "BLUEHZEIT", T("3x5"), E("März bis Mai")},
        {"vxs", "BLUEHZEIT", T(":<"), "Oktober bis Dezember"},
        {"vxs", "BLUEHZEIT", T("55"), "Mai bis Mai"},
        {"vxs", "FRUCHTZEIT", T("1<"), "Januar bis Dezember"},
        {"vxs", "FRUCHTZEIT", T("9"), "September"},
        {"vxs", "BLUEHZEIT", T(""), ""},
        {"vxs", "BLUEHZEIT", T("x5"), ""},
        {"vxs", "BLUEHZEIT", T("3x"), ""},
        {"vxs", "BLUEHZEIT", T("="), ""},
        {"vxs", "BLUEHZEIT", Z(35), E("März bis Mai")},
        // Flag lists.
        {"vxs", "FARBEN", F(13, {1, 13}), E("weiß, bunt")},
        {"vxs", "FARBEN", T("21"), "gelb"},
        {"vxs", "BLATTFARBE", F(14, {14}), ""},
        {"vxs", "BLATTFARBE", F(13, {1, 13}), E("hellgrün, gefleckt")},
        {"vxs", "VERWENDUNG", T("00001"), "Beetpflanze"},
        {"vxs", "LICHT", T("101"), "sonnig, schattig"},
        {"vxs", "SALZ", T("001"), E("nährstoffreich")},
        {"vxs", "BFEUCHTE", T("0001"), E("dauernaß")},
        {"vxs", "KALK", T("01"), "leicht sauer"},
        {"vxs", "BODENART", T("000001"), E("durchlässig")},
        {"vxs", "LEBENSRAUM", F(31, {31}), "GR3"},
        {"vxs", "LEBENSRAUM", T("11"), "I G, II GR"},
        // One colour code each.
        {"vxs", "HERBSTFARB", T("0"), ""},
        {"vxs", "HERBSTFARB", T("1"), E("weiß")},
        {"vxs", "HERBSTFARB", Z(6), "dunkelrot"},
        {"vxs", "HERBSTFARB", Z(13), E("buntblättrig")},
        {"vxs", "HERBSTFARB", Z(14), ""},
        {"vxs", "HERBSTFARB", T("rot"), "rot"},
        {"vxs", "FRUCHTFARB", Z(14), "bunt"},
        {"vxs", "FRUCHTFARB", Z(6), "purpur"},
        {"vxs", "FRUCHTFARB", R(5.5), "purpur"},
        {"vxs", "FRUCHTFARB", Z(15), ""},
        {"vxs", "FRUCHTFARB", Z(-1), ""},
        {"vxs", "FRUCHTFARB", T(""), ""},
        // Yes/no sentences, German and English words.
        {"vxs", "GIFTIG", T("True"), "Diese Pflanze ist giftig"},
        {"vxs", "GIFTIG", B(true), "Diese Pflanze ist giftig"},
        {"vxs", "GIFTIG", T("False"), ""},
        {"vxs", "GIFTIG", T("Falsch"), ""},
        {"vxs", "BLASCHMUCK", T("Wahr"), "Blattschmuck-Staude"},
        {"vxs", "HEIMISCH", T("True"), "Diese Pflanze ist heimisch"},
        {"vxs", "BUNTBLATT", T("Wahr"), E("Diese Pflanze ist buntblättrig")},
        {"vxs", "IMMERGRUEN", T("Wahr"), E("Diese Pflanze ist immer-/wintergrün")},
        {"vxs", "SCHNITT", B(false), ""},
        {"vxs", "SCHNITT", T("Wahr"), "Diese Pflanze ist schnittgeeignet"},
        {"vxs", "UNSCHEINBA", T("True"), ""},
        {"vxs", "UNSCHEINBA", B(true), ""},
        {"vxs", "UNSCHEINBA", T("False"), E("Diese Pflanze ist auffällig")},
        {"vxs", "UNSCHEINBA", T("Falsch"), E("Diese Pflanze ist auffällig")},
        {"vxs", "UNSCHEINBA", T(""), E("Diese Pflanze ist auffällig")},
        // Codes.
        {"vxs", "GESELLIGKT", T("1"), E("möglichst einzeln oder in kleinen Tuffs pflanzen")},
        {"vxs", "GESELLIGKT", Z(3), E("größere Gruppen von über 10-20 Pflanzen")},
        {"vxs", "GESELLIGKT", T("6"), ""},
        {"vxs", "PFLANZART", T("Std"), "Staude"},
        {"vxs", "PFLANZART", T("HSt"), "Halbstrauch"},
        {"vxs", "PFLANZART", T("1j"), E("einjährig")},
        {"vxs", "PFLANZART", T("std"), ""},
        {"vxs", "Quelle", T("Z"), ""},
        {"vxs", "Quelle", T("n"), "Namenliste Stauden"},
        // Judgements.
        {"vxs", "URTEIL", T("W"), "wertvolle Wildstaude"},
        {"vxs", "URTEIL", T("W!"), "sehr wertvolle Wildstaude"},
        {"vxs", "URTEIL", T("W!S"), "sehr wertvolle Wildstaude, wertvolle Schnittstaude"},
        {"vxs", "URTEIL", T("*"), "wertvolle Staude"},
        {"vxs", "URTEIL", T("**"), "sehr wertvolle Staude"},
        {"vxs", "URTEIL", T("***"), E("vorzügliche Sorte")},
        {"vxs", "URTEIL", T("****"), E("vorzügliche Sorte, wertvolle Staude")},
        {"vxs", "URTEIL", T("w s"), "wertvolle Wildstaude, wertvolle Schnittstaude"},
        {"vxs", "URTEIL", T("l"), E("Staude für den Pflanzenliebhaber")},
        {"vxs", "URTEIL", T("!"), ""},
        // Unit, the shared kinds.
        {"vxs", "ABSTAND", T("7"), E("7/m²")},
        {"vxs", "ABSTAND", Z(9), E("9/m²")},
        {"vxs", "ABSTAND", T("7 St."), "7 St."},
        {"vxs", "ABSTAND", T(""), ""},
        {"vxs", "SORTEN", T("a" + std::string(8, ' ') + "b"), "ab"},
        {"vxs", "BENU_EIGEN", F(5, {1, 5}), "K1-1\nK1-5"},
        {"vxs", "Ausbildung", T("001"), kGehilfe + E("bei Staudengärtnern")},
        {"vxs", "Bewertung", Z(5), "3" + kBewertung},
        {"vxs", "Bewertung", T("x"), "x"},
    });
}

TEST_F(Uebersetzen, WoodyPlants) {
    const QString habitus12 = E("bizarre Wuchsform, kegelförmig, kugelförmig, säulenförmig, "
                                "schirmartig, schleppenartig, überhängend, breit ausladend, "
                                "vasenförmig, gedrungen, kriechend, kletternd");
    pruefen({
        {"vxg", "BLUEHZEIT", F(12, {5, 6, 7, 8}), "Mai bis August"},
        {"vxg", "FRUCHTZEIT", F(12, {5, 6, 7, 8}), "Mai bis August"},
        {"vxg", "LAUBAUSTR", F(12, {5, 6, 7, 8}), "Mai bis August"},
        {"vxg", "BLUEHZEIT", F(12, {5, 6}), "Mai, Juni"},
        {"vxg", "BLUEHZEIT", F(12, {1, 2, 3, 11, 12}), E("Januar bis März, November, Dezember")},
        {"vxg", "BLUEHZEIT", F(12, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}), "Januar bis Dezember"},
        {"vxg", "UNSCHEINBA", T("True"), "unscheinbar"},
        {"vxg", "UNSCHEINBA", T("False"), E("auffällig")},
        {"vxg", "UNSCHEINBA", T("Wahr"), ""},
        {"vxg", "UNSCHEINBA", B(true), ""},
        {"vxg", "GENUSS", T("2"), "ungeniessbar"},
        {"vxg", "GENUSS", Z(1), E("eßbar")},
        {"vxg", "GENUSS", Z(4), "Stark giftig!!!"},
        {"vxg", "GENUSS", T("0"), ""},
        {"vxg", "GENUSS", T("9"), ""},
        {"vxg", "GENUSS", T("x"), ""},
        {"vxg", "WURZELEMPF", Z(3), "sehr empfindlich"},
        {"vxg", "WURZELEMPF", Z(4), ""},
        {"vxg", "WURZELEMPF", T("a"), ""},
        {"vxg", "GROBEINT", T("1"), E("Laubgehölz")},
        {"vxg", "GROBEINT", T("L"), E("Laubgehölz")},
        {"vxg", "GROBEINT", T("n"), E("Nadelgehölz")},
        {"vxg", "GROBEINT", Z(2), E("Nadelgehölz")},
        {"vxg", "GROBEINT", T("3"), ""},
        {"vxg", "LICHT", T("1"), "sonnig"},
        {"vxg", "WURZELFORM", T("1"), E("ausläuferbildend")},
        {"vxg", "HABITUS", T("1111111111111111"), habitus12},
        {"vxg", "FRUCHTFARB", F(14, {1, 14}), E("weiß, bunt")},
        {"vxg", "BLUEHFARB", F(13, {6}), "dunkelrot"},
        {"vxg", "BFEUCHTE", T("1010"), "trocken, feucht"},
        {"vxg", "BODENART", F(7, {7}), E("tiefgründig")},
        {"vxg", "VERWENDUNG", F(23, {23}), "zur Treiberei"},
        {"vxg", "WUCHS", T("001"), "langsam"},
        {"vxg", "LAUBFARB", F(13, {8, 11}), E("graugrün, graugrün")},
        {"vxg", "LAUBZEIT", T("0001"), E("Herbstfärbung!")},
        {"vxg", "BES_EIG", T("00001"), "stadtklimafest"},
        {"vxg", "BES_MERKM", T("1111"), E("dornig, stachelig, auffällige Borke")},
        {"vxg", "PHBODEN", T("111"), "sauer, neutral, basisch"},
        {"vxg", "GROESSE", F(8, {8}), E("Klettergehölz")},
        {"vxg", "SCHADEN", T("a" + std::string(16, ' ') + "b"), "ab"},
        {"vxg", "Quelle", T("g"), E("Namenliste Gehölze")},
        {"vxg", "BENU_EIGEN", T("00100"), "K2-3"},
        {"vxg", "Ausbildung", T("11"),
         kGehilfe + E("bei Zierpflanzengärtnern und bei "
                      "Baumschulgärtnern")},
        {"vxg", "Bewertung", Z(7), "4" + kBewertung},
    });
}

TEST_F(Uebersetzen, CemeteryPlants) {
    pruefen({
        // Woody-plant columns, qualified by point or underscore.
        {"vxf", "Gehoelze.BFEUCHTE", T("1010"), "trocken, feucht"},
        {"vxf", "Gehoelze_BFEUCHTE", T("0000"), ""},
        {"vxf", "Gehoelze.BLUEHZEIT", F(12, {1, 2, 3, 5, 6, 12}),
         E("Januar bis März, Mai, Juni, Dezember")},
        {"vxf", "Gehoelze_FRUCHTZEIT", F(12, {4}), "April"},
        {"vxf", "LAUBAUSTR", T("111111111111"), "Januar bis Dezember"},
        {"vxf", "Gehoelze.FRUCHTFARB", F(14, {1, 14}), E("weiß, bunt")},
        {"vxf", "BLUEHFARB", F(13, {6}), "dunkelrot"},
        {"vxf", "Gehoelze.UNSCHEINBA", T("Wahr"), ""},
        {"vxf", "Gehoelze_UNSCHEINBA", T("True"), "unscheinbar"},
        {"vxf", "Gehoelze.BODENART", T("01"), "steinig"},
        {"vxf", "Gehoelze_VERWENDUNG", F(23, {22}), "als Grabbepflanzung"},
        {"vxf", "WUCHS", T("1"), "schnell"},
        {"vxf", "WUCHSGESCH", T("1"), "schnell"},
        {"vxf", "WUCHSGESCH", T("001"), "langsam"},
        {"vxf", "WURZELFORM", F(7, {7}), "dicht"},
        {"vxf", "LAUBFARB", F(13, {1, 13}), E("hellgrün, gefleckt")},
        {"vxf", "LAUBZEIT", T("1"), E("sommergrün")},
        {"vxf", "GENUSS", Z(3), "giftig"},
        {"vxf", "GENUSS", T("x"), ""},
        {"vxf", "GENUSS", Z(5), ""},
        {"vxf", "BES_EIG", T("1"), "windfest"},
        {"vxf", "BES_MERKM", T("0001"), ""},
        {"vxf", "PHBODEN", T("010"), "neutral"},
        {"vxf", "GROESSE", T("1"), E("Großbaum (20-40 m)")},
        {"vxf", "HABITUS", F(16, {13}), ""},
        {"vxf", "WURZELEMPF", Z(1), "tolerant"},
        {"vxf", "WURZELEMPF", T(""), ""},
        {"vxf", "GROBEINT", T("l"), E("Laubgehölz")},
        {"vxf", "GROBEINT", T("N"), E("Nadelgehölz")},
        {"vxf", "Gehoelze_LICHT", T("01"), "halbschattig"},
        {"vxf", "Gehoelze.BEMERKUNG", T("a" + std::string(16, ' ') + "b"), "ab"},
        {"vxf", "SORTEN", T("a" + std::string(8, ' ') + "b"), "ab"},
        {"vxf", "Gehoelze.Quelle", T("s"), E("spezielle Erklärung")},
        {"vxf", "Gehoelze_Quelle", T("S"), ""},
        // Perennial columns.
        {"vxf", "Stauden.BLUEHZEIT", T("3:"), E("März bis Oktober")},
        {"vxf", "Stauden.FRUCHTZEIT", T("3"), E("März")},
        {"vxf", "Stauden_BLUEHZEIT", T("33"), E("März bis März")},
        {"vxf", "Stauden_FRUCHTZEIT", T("x"), ""},
        {"vxf", "BLATTFARBE", F(13, {13}), "gefleckt"},
        {"vxf", "FARBEN", F(13, {1, 13}), E("weiß, bunt")},
        {"vxf", "Stauden.FRUCHTFARB", Z(13), "bunt"},
        {"vxf", "Stauden.HERBSTFARB", Z(6), "dunkelrot"},
        {"vxf", "Stauden_FRUCHTFARB", T("1"), E("weiß")},
        {"vxf", "Stauden_HERBSTFARB", Z(0), ""},
        {"vxf", "Stauden.FRUCHTFARB", Z(14), ""},
        {"vxf", "Stauden.FRUCHTFARB", Z(60), ""},
        {"vxf", "Stauden.FRUCHTFARB", Z(61), ""},
        {"vxf", "Stauden.FRUCHTFARB", Z(-3), ""},
        {"vxf", "Stauden.FRUCHTFARB", T("rot"), "rot"},
        {"vxf", "GIFTIG", T("Wahr"), "Diese Pflanze ist giftig"},
        {"vxf", "GIFTIG", T("True"), "Diese Pflanze ist giftig"},
        {"vxf", "GIFTIG", T("Falsch"), ""},
        {"vxf", "GIFTIG", T(""), ""},
        {"vxf", "Stauden.BLASCHMUCK", B(true), "Blattschmuck-Staude"},
        {"vxf", "Stauden.UNSCHEINBA", T("Falsch"), E("Blüten sind auffällig")},
        {"vxf", "Stauden_UNSCHEINBA", T("Wahr"), ""},
        {"vxf", "HEIMISCH", T("True"), "Diese Pflanze ist heimisch"},
        {"vxf", "BUNTBLATT", T("Wahr"), E("Diese Pflanze ist buntblättrig")},
        {"vxf", "IMMERGRUEN", T("Wahr"), E("Diese Pflanze ist immer-/wintergrün")},
        {"vxf", "SCHNITT", T("True"), "Diese Pflanze ist schnittgeeignet"},
        {"vxf", "Stauden.VERWENDUNG", T("00001"), "Beetpflanze"},
        {"vxf", "Stauden_LICHT", T("001"), "schattig"},
        {"vxf", "SALZ", T("1"), E("nährstoffarm")},
        {"vxf", "Stauden.BFEUCHTE", T("0001"), E("dauernaß")},
        {"vxf", "KALK", T("001"), "kalkreich"},
        {"vxf", "Stauden_BODENART", T("01"), "steinig"},
        {"vxf", "ABSTAND", T("9"), E("9/m²")},
        {"vxf", "ABSTAND", T("9a"), "9a"},
        {"vxf", "ABSTAND", T(""), ""},
        {"vxf", "LEBENSRAUM", T("0001"), "FR-b"},
        {"vxf", "GESELLIGKT", T("5"), E("vorwiegend großflächig pflanzen")},
        {"vxf", "PFLANZART", T("Zwi"), "Zwiebel"},
        {"vxf", "URTEIL", T("W!"), "sehr wertvolle Wildstaude"},
        {"vxf", "URTEIL", T("**"), "sehr wertvolle Staude"},
        {"vxf", "URTEIL", T("***s"), E("vorzügliche Sorte, wertvolle Schnittstaude")},
        {"vxf", "URTEIL", T("****"), E("vorzügliche Sorte, wertvolle Staude")},
        {"vxf", "BEMERKUNG", T("a" + std::string(8, ' ') + "b"), "ab"},
        {"vxf", "Stauden.Quelle", T("c"),
         "Classified List and International Register of Tulip Names"},
        // Cemetery columns.
        {"vxf", "DUFT", B(true), "Diese Pflanze ist eine Duftpflanze"},
        {"vxf", "DUFT", B(false), ""},
        {"vxf", "Friedhof.VERWENDUNG", F(16, {16}), E("GF-Kübelpflanze")},
        {"vxf", "Friedhof.VERWENDUNG", T("1"), "Grabbeet, eigtl. Grab (GB)"},
        {"vxf", "PFLEGE", T("001"), "hoch"},
        {"vxf", "PFLANZZEIT", T("1"), E("Frühjahr")},
        {"vxf", "Friedhof.BLUEHZEIT", F(12, {5, 6, 7, 8}), "Mai bis August"},
        {"vxf", "Friedhof.FRUCHTZEIT", F(12, {9, 10}), "September, Oktober"},
        {"vxf", "Friedhof.BLASCHMUCK", T("True"), E("Blätter/Nadeln sind schmückend")},
        {"vxf", "Friedhof_HERBSTFARB", T("Wahr"),
         E("Diese Pflanze hat eine auffällige Herbstfärbung")},
        {"vxf", "BLUEHSCHMU", T("Wahr"), E("auffällige Blüte")},
        {"vxf", "FRUCHTSCHM", T("Wahr"), E("auffällige Früchte")},
        {"vxf", "NAEHRSTOFF", T("010"), "mittel"},
        {"vxf", "BENU_EIGEN", F(5, {2, 5}), "K5-2\nK5-5"},
        {"vxf", "BENU_EIGEN", T("     "), ""},
        {"vxf", "Gehoelze.Ausbildung", F(5, {1, 4}),
         kGehilfe + E("bei Zierpflanzengärtnern und bei Friedhofsgärtnern")},
        {"vxf", "Stauden_Ausbildung", T("111"),
         kGehilfe + E("bei Zierpflanzengärtnern, bei Baumschulgärtnern und bei "
                      "Staudengärtnern")},
        {"vxf", "Stauden.Ausbildung", T("000010"), kGehilfe + "bei Obstbauern"},
        {"vxf", "Gehoelze_Ausbildung", T(""), ""},
        {"vxf", "Gehoelze.FAMILIE", T("kein wert"), ""},
    });
}

TEST_F(Uebersetzen, Apples) {
    QString sch27(27, QLatin1Char('0'));
    sch27[26] = QLatin1Char('1');
    pruefen({
        {"vxa", "FORM_Q", F(5, {1, 5}), "rund, kantig"},
        {"vxa", "FORM_Q", T("00000"), ""},
        {"vxa", "FORM_Q", T(""), ""},
        {"vxa", "SCH_PUNKT", T(sch27), ""},
        {"vxa", "SCH_PUNKT", F(26, {26}), "in Grund-/Deckfarbe meist verschieden"},
        {"vxa", "SCH_PUNKT", F(26, {11}), E("veränderlich, je nach Lage")},
        {"vxa", "K_FARBE", F(19, {19}), ""},
        {"vxa", "K_FARBE", F(18, {18}), "seitlich stumpfnasig"},
        {"vxa", "K_KAMMERN", T("11"), "eng, weit"},
        {"vxa", "HALTBARK", T("0001"), "Lager (> 3)"},
        {"vxa", "FORM_L", F(10, {5}), E("walzenförmig/faßförmig")},
        {"vxa", "K_RELIEF", T("00001"), "gefalten"},
        {"vxa", "AUSSEHEN", T("01"), "rauh"},
        {"vxa", "GESCHMACK", F(16, {1, 16}), E("schwach süß, würzig")},
        {"vxa", "DECKFARBE", T("00001"), "nicht vorhanden"},
        {"vxa", "K_ANZAHL", T("101"), "< 4, > 7"},
        {"vxa", "LITERATUR1", F(10, {10}), "- Deutschlands Obstsorten (DOS)"},
        {"vxa", "LITERATUR1", F(11, {11}), ""},
        {"vxa", "BENU_EIGEN", T("1"), "K3-1"},
        {"vxa", "Ausbildung", F(5, {1, 5}),
         kGehilfe + E("bei Zierpflanzengärtnern und bei Obstbauern")},
    });
}

TEST_F(Uebersetzen, Fruit) {
    QString wuchs60 = QString(52, QLatin1Char('0')) + QString(8, QLatin1Char('1'));
    pruefen({
        {"vxo", "GRUNDFARB", F(9, {9}), ""},
        {"vxo", "GRUNDFARB", F(9, {2, 9}), E("grün, siehe Fruchtfarbe")},
        {"vxo", "GRUNDFARB", F(9, {5}), "gelb"},
        {"vxo", "DECKFARB", F(15, {15}), "siehe Fruchtfarbe"},
        {"vxo", "WUCHS", T(wuchs60), E("starke Ausläuferbildung")},
        {"vxo", "KRANKH", T("1"), "Schorf"},
        {"vxo", "TRIRUT", T("01"), "kurz "},
        {"vxo", "SCHALE", F(6, {6}), E(" zäh")},
        {"vxo", "FRUFOR", F(7, {7}), " hochgebaut"},
        {"vxo", "BEFRU", F(11, {11}), E("Fremdbefruchtung verbessert Fruchtgröße / Fruchtansatz ")},
        {"vxo", "NAEHRSTOFF", T("001"), "hoch"},
        {"vxo", "LAGKRANK", F(13, {1, 13}), "keine, Nachlagerung notwendig"},
        {"vxo", "BENU_EIGEN", T("00000"), ""},
        {"vxo", "BENU_EIGEN", T(""), ""},
        {"vxo", "BENU_EIGEN", T("00011"), "K4-4\nK4-5"},
        {"vxo", "Ausbildung", F(5, {5}), kGehilfe + "bei Obstbauern"},
    });
}

// How many positions each flag column reads: a longer row adds nothing, one
// position less loses the last entry.
TEST_F(Uebersetzen, FlagColumnsReadTheirNumberOfPositions) {
    const struct {
        const char* art;
        const char* spalte;
        int n;
    } faelle[] = {
        {"vxt", "BLATTFARB", 9},
        {"vxt", "FARBEN", 13},
        {"vxt", "FRUCHTFARB", 13},
        {"vxt", "H_VERW", 5},
        {"vxt", "H_PH", 2},
        {"vxt", "H_WASSERST", 3},
        {"vxt", "HALTBAR", 3},
        {"vxt", "KRANKH", 3},
        {"vxt", "NACHDUENG", 3},
        {"vxt", "PFLANZTYP", 4},
        {"vxt", "SONNE", 3},
        {"vxt", "VERWENDUNG", 8},
        {"vxt", "WUCHSFORM", 14},
        {"vxt", "TAGESL", 3},
        {"vxs", "BLATTFARBE", 13},
        {"vxs", "FARBEN", 13},
        {"vxs", "VERWENDUNG", 5},
        {"vxs", "LICHT", 3},
        {"vxs", "SALZ", 3},
        {"vxs", "BFEUCHTE", 4},
        {"vxs", "KALK", 3},
        {"vxs", "BODENART", 6},
        {"vxs", "LEBENSRAUM", 31},
        {"vxg", "FRUCHTFARB", 14},
        {"vxg", "BLUEHFARB", 13},
        {"vxg", "BFEUCHTE", 4},
        {"vxg", "BODENART", 7},
        {"vxg", "VERWENDUNG", 23},
        {"vxg", "WUCHS", 3},
        {"vxg", "WURZELFORM", 7},
        {"vxg", "LAUBFARB", 13},
        {"vxg", "LAUBZEIT", 4},
        {"vxg", "BES_EIG", 5},
        {"vxg", "BES_MERKM", 3},
        {"vxg", "PHBODEN", 3},
        {"vxg", "GROESSE", 8},
        {"vxg", "HABITUS", 12},
        {"vxg", "LICHT", 3},
        {"vxf", "Gehoelze.FRUCHTFARB", 14},
        {"vxf", "BLUEHFARB", 13},
        {"vxf", "Gehoelze_BFEUCHTE", 4},
        {"vxf", "Gehoelze.BODENART", 7},
        {"vxf", "Gehoelze.VERWENDUNG", 23},
        {"vxf", "WUCHS", 3},
        {"vxf", "WURZELFORM", 7},
        {"vxf", "LAUBFARB", 13},
        {"vxf", "LAUBZEIT", 4},
        {"vxf", "BES_EIG", 5},
        {"vxf", "BES_MERKM", 3},
        {"vxf", "PHBODEN", 3},
        {"vxf", "GROESSE", 8},
        {"vxf", "HABITUS", 12},
        {"vxf", "Gehoelze_LICHT", 3},
        {"vxf", "BLATTFARBE", 13},
        {"vxf", "FARBEN", 13},
        {"vxf", "Stauden.VERWENDUNG", 5},
        {"vxf", "Stauden_LICHT", 3},
        {"vxf", "SALZ", 3},
        {"vxf", "Stauden.BFEUCHTE", 4},
        {"vxf", "KALK", 3},
        {"vxf", "Stauden_BODENART", 6},
        {"vxf", "LEBENSRAUM", 31},
        {"vxf", "Friedhof.VERWENDUNG", 16},
        {"vxf", "PFLEGE", 3},
        {"vxf", "PFLANZZEIT", 3},
        {"vxf", "WUCHSGESCH", 3},
        {"vxf", "NAEHRSTOFF", 3},
        {"vxa", "HALTBARK", 4},
        {"vxa", "FRUCHTGR", 4},
        {"vxa", "FORM_L", 10},
        {"vxa", "FORM_Q", 5},
        {"vxa", "FRUCHTREL", 6},
        {"vxa", "AUSSEHEN", 11},
        {"vxa", "DRUCK", 3},
        {"vxa", "GRUNDFARBE", 7},
        {"vxa", "DECKFARBE", 5},
        {"vxa", "DF_ART", 9},
        {"vxa", "DF_AUSDEHN", 4},
        {"vxa", "ROST", 8},
        {"vxa", "REIF", 8},
        {"vxa", "SCH_PUNKT", 26},
        {"vxa", "K_GRUBE", 7},
        {"vxa", "K_RELIEF", 7},
        {"vxa", "K_UMGEBUNG", 4},
        {"vxa", "K_BEROST", 5},
        {"vxa", "K_GROESSE", 3},
        {"vxa", "K_OEFFNUNG", 3},
        {"vxa", "K_BLAETTER", 20},
        {"vxa", "ST_LAENGE", 6},
        {"vxa", "ST_BESOND", 10},
        {"vxa", "ST_GRUBE", 6},
        {"vxa", "ST_BEROST", 14},
        {"vxa", "K_HOEHLE", 9},
        {"vxa", "K_ROEHRE", 7},
        {"vxa", "KH_GROESSE", 3},
        {"vxa", "G_BUENDEL", 8},
        {"vxa", "A_HOEHLE", 3},
        {"vxa", "K_KAMMERN", 2},
        {"vxa", "KW_FORM", 5},
        {"vxa", "KW_GROESSE", 6},
        {"vxa", "KW_RISSE", 7},
        {"vxa", "K_ANZAHL", 3},
        {"vxa", "K_QUALIT", 3},
        {"vxa", "K_FARBE", 18},
        {"vxa", "K_LAENGE", 3},
        {"vxa", "SCHALE", 3},
        {"vxa", "FL_FARBE", 6},
        {"vxa", "FL_STRUKT", 11},
        {"vxa", "FL_DUFT", 6},
        {"vxa", "GESCHMACK", 16},
        {"vxa", "LITERATUR1", 10},
        {"vxo", "WUCHS", 53},
        {"vxo", "BLATT", 31},
        {"vxo", "FRUHOL", 21},
        {"vxo", "TRIRUT", 32},
        {"vxo", "UNTERLAGE", 13},
        {"vxo", "RESISTENZ", 11},
        {"vxo", "KRANKH", 46},
        {"vxo", "BODEN", 13},
        {"vxo", "KLIMA", 14},
        {"vxo", "NAEHRSTOFF", 3},
        {"vxo", "EIGNUNG", 3},
        {"vxo", "ERZIFORM", 8},
        {"vxo", "SHNITT", 13},
        {"vxo", "PFLSHTZ", 3},
        {"vxo", "FROEMF", 3},
        {"vxo", "BLUETE", 9},
        {"vxo", "FRUSTAN", 10},
        {"vxo", "BEFRU", 12},
        {"vxo", "BEFRSOR", 3},
        {"vxo", "ALTRNAZ", 4},
        {"vxo", "FRUFAR", 23},
        {"vxo", "GRUNDFARB", 9},
        {"vxo", "DECKFARB", 15},
        {"vxo", "SCHALE", 34},
        {"vxo", "FRUFLEI", 33},
        {"vxo", "FRUFOR", 25},
        {"vxo", "GESMAK", 20},
        {"vxo", "ERTRAG", 6},
        {"vxo", "ERNTE", 6},
        {"vxo", "TRANSPEMP", 3},
        {"vxo", "VERWEND", 16},
        {"vxo", "LAGEIG", 5},
        {"vxo", "LAGKRANK", 13},
    };
    for (const auto& c : faelle) {
        const auto x = [&](int n) {
            return Uebersetzung(QString::fromLatin1(c.art), T(QString(n, QLatin1Char('1'))),
                                QString::fromLatin1(c.spalte));
        };
        const QString alle = x(c.n);
        EXPECT_FALSE(alle.isEmpty()) << c.art << " " << c.spalte;
        EXPECT_EQ(x(60), alle) << c.art << " " << c.spalte;
        EXPECT_NE(x(c.n - 1), alle) << c.art << " " << c.spalte;
        // Only the last position: one entry, and not the one before it.
        QString letzte(c.n, QLatin1Char('0'));
        letzte[c.n - 1] = QLatin1Char('1');
        EXPECT_TRUE(alle.endsWith(
            Uebersetzung(QString::fromLatin1(c.art), T(letzte), QString::fromLatin1(c.spalte))))
            << c.art << " " << c.spalte;
    }
}

} // namespace
} // namespace sorvo

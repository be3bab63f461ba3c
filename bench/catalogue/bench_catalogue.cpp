// Value translation without lookups: one value on average over every
// conversion kind (budget 2 µs), and a record of 100 columns (budget 100 µs).
#include "catalogue/mdlDruck.h"
#include "label/programm.h"
#include "platform/jet/jet.h"

#include <benchmark/benchmark.h>
#include <vector>

using sorvo::jet::Value;

namespace {

struct Fall {
    QString art;
    QString spalte;
    Value wert;
};

Value T(const char* s) {
    return Value::text(QString::fromUtf8(s));
}

// One value of every kind that needs no database, as records hold them.
const std::vector<Fall>& faelle() {
    static const std::vector<Fall> f = [] {
        const QString lang = QStringLiteral("Sehr robuste Pflanze") +
                             QString(20, QLatin1Char(' ')) +
                             QStringLiteral("für helle Standorte,\nverträgt kurze Trockenheit.");
        std::vector<std::tuple<const char*, const char*, Value>> roh = {
            {"vxt", "BLATTFARB", T("110000001")},
            {"vxt", "BLUEHZEIT", T("000011110000")},
            {"vxt", "ANGEBOTSZ", T("110000000001")},
            {"vxt", "GIFTIG", Value::boolean(true)},
            {"vxt", "WUCHSFORM", T("10010000000001")},
            {"vxt", "Quelle", T("n")},
            {"vxt", "Bewertung", Value::integer(4)},
            {"vxt", "BEMERKUNG", Value::text(lang, sorvo::jet::DataType::Memo)},
            {"vxt", "MINHOEHE", Value::real(0.75)},
            {"vxs", "BLUEHZEIT", T("35")},
            {"vxs", "HERBSTFARB", Value::integer(6)},
            {"vxs", "UNSCHEINBA", Value::boolean(false)},
            {"vxs", "GESELLIGKT", T("3")},
            {"vxs", "PFLANZART", T("Std")},
            {"vxs", "URTEIL", T("W!S**")},
            {"vxs", "ABSTAND", T("7")},
            {"vxs", "LEBENSRAUM", T("0001000000000000000000000000001")},
            {"vxg", "UNSCHEINBA", T("True")},
            {"vxg", "GENUSS", T("2")},
            {"vxg", "VERWENDUNG", T("10000000100000000000001")},
            {"vxg", "BENU_EIGEN", T("10001")},
            {"vxg", "Ausbildung", T("10110")},
            {"vxf", "Stauden.FRUCHTFARB", Value::integer(13)},
            {"vxf", "Gehoelze.BFEUCHTE", T("1010")},
            {"vxf", "Friedhof.VERWENDUNG", T("0100000001000001")},
            {"vxa", "SCH_PUNKT", T("10000100000100000000000001")},
            {"vxa", "LITERATUR1", T("0000000001")},
            {"vxo", "WUCHS", T("00010000000100000000000000000000000000000000000000001")},
            {"vxo", "GRUNDFARB", T("010000001")},
            {"eig", "Preis", Value::currency(49500)},
        };
        std::vector<Fall> out;
        for (auto& [art, spalte, wert] : roh)
            out.push_back({QString::fromLatin1(art), QString::fromLatin1(spalte), wert});
        return out;
    }();
    return f;
}

void vorbereiten() {
    sorvo::TabellenInitialisieren();
    for (size_t k = 0; k < 6; ++k)
        for (size_t p = 0; p < 5; ++p)
            sorvo::P().strBenuNamen[k][p] = QStringLiteral("Eigenschaft %1").arg(p + 1);
}

// Time per translated value, averaged over the kinds above.
void einWert(benchmark::State& state) {
    vorbereiten();
    const auto& f = faelle();
    for (auto _ : state)
        for (const Fall& c : f)
            benchmark::DoNotOptimize(sorvo::Uebersetzung(c.art, c.wert, c.spalte));
    state.counters["je_Wert"] = benchmark::Counter(static_cast<double>(f.size()),
                                                   benchmark::Counter::kIsIterationInvariantRate |
                                                       benchmark::Counter::kInvert);
}

// A cemetery record of 100 columns, the widest query: every lookup-free
// cemetery case with a value as records hold them, the rest plain columns.
std::vector<Fall> friedhofSatz() {
    const QString memo = QStringLiteral("Sehr robuste Pflanze") + QString(20, QLatin1Char(' ')) +
                         QStringLiteral("für helle Standorte.");
    const Value ja = Value::boolean(true);
    const Value nein = Value::boolean(false);
    std::vector<std::pair<const char*, Value>> roh = {
        {"Gehoelze.BLUEHZEIT", T("000011110000")},
        {"Gehoelze.FRUCHTZEIT", T("000000011100")},
        {"LAUBAUSTR", T("001100000000")},
        {"Gehoelze.FRUCHTFARB", T("00001000000000")},
        {"BLUEHFARB", T("1000100000000")},
        {"Gehoelze.UNSCHEINBA", T("False")},
        {"Gehoelze.BFEUCHTE", T("0110")},
        {"Gehoelze.BODENART", T("1001000")},
        {"Gehoelze.VERWENDUNG", T("10000000100000000000010")},
        {"WUCHS", T("010")},
        {"WURZELFORM", T("0010000")},
        {"LAUBFARB", T("0100000000000")},
        {"LAUBZEIT", T("1000")},
        {"GENUSS", Value::integer(3)},
        {"BES_EIG", T("10001")},
        {"BES_MERKM", T("100")},
        {"PHBODEN", T("011")},
        {"GROESSE", T("00010000")},
        {"HABITUS", T("010000000000")},
        {"WURZELEMPF", Value::integer(2)},
        {"GROBEINT", T("L")},
        {"Gehoelze.LICHT", T("110")},
        {"SORTEN", Value::text(memo)},
        {"Gehoelze.Quelle", T("g")},
        {"Stauden.BLUEHZEIT", T("57")},
        {"Stauden.FRUCHTZEIT", T("8:")},
        {"BLATTFARBE", T("0100000000000")},
        {"FARBEN", T("0000100000001")},
        {"Stauden.FRUCHTFARB", Value::integer(5)},
        {"Stauden.HERBSTFARB", Value::integer(6)},
        {"GIFTIG", ja},
        {"Stauden.BLASCHMUCK", nein},
        {"Stauden.UNSCHEINBA", nein},
        {"HEIMISCH", ja},
        {"BUNTBLATT", nein},
        {"IMMERGRUEN", ja},
        {"SCHNITT", nein},
        {"Stauden.VERWENDUNG", T("01001")},
        {"Stauden.LICHT", T("110")},
        {"SALZ", T("010")},
        {"Stauden.BFEUCHTE", T("0110")},
        {"KALK", T("010")},
        {"Stauden.BODENART", T("100100")},
        {"ABSTAND", T("5")},
        {"LEBENSRAUM", T("0000000000001")},
        {"GESELLIGKT", T("2")},
        {"PFLANZART", T("Std")},
        {"URTEIL", T("W!")},
        {"BEMERKUNG", Value::text(memo)},
        {"Stauden.Quelle", T("n")},
        {"DUFT", ja},
        {"Friedhof.VERWENDUNG", T("0100000001000001")},
        {"PFLEGE", T("010")},
        {"PFLANZZEIT", T("110")},
        {"Friedhof.BLUEHZEIT", T("000111000000")},
        {"Friedhof.FRUCHTZEIT", T("000000001110")},
        {"Friedhof.BLASCHMUCK", ja},
        {"Friedhof.HERBSTFARB", nein},
        {"BLUEHSCHMU", ja},
        {"FRUCHTSCHM", nein},
        {"WUCHSGESCH", T("010")},
        {"NAEHRSTOFF", T("010")},
        {"BENU_EIGEN", T("10100")},
        {"Gehoelze.Ausbildung", T("10010")},
        {"Stauden.Ausbildung", T("00100")},
    };
    std::vector<Fall> satz;
    for (auto& [spalte, wert] : roh)
        satz.push_back({QStringLiteral("vxf"), QString::fromLatin1(spalte), wert});
    for (int i = 0; satz.size() < 100; ++i)
        satz.push_back({QStringLiteral("vxf"), QStringLiteral("SPALTE%1").arg(i),
                        i % 3 == 0   ? Value::integer(1000 + i)
                        : i % 3 == 1 ? Value::real(0.25 * i)
                                     : Value::text(QStringLiteral("Text %1").arg(i))});
    return satz;
}

// Time per record of 100 columns.
void datensatz100(benchmark::State& state) {
    vorbereiten();
    const std::vector<Fall> satz = friedhofSatz();
    if (satz.size() != 100)
        state.SkipWithError("record not of 100 columns");
    for (auto _ : state)
        for (const Fall& c : satz)
            benchmark::DoNotOptimize(sorvo::Uebersetzung(c.art, c.wert, c.spalte));
}

} // namespace

BENCHMARK(einWert)->Unit(benchmark::kNanosecond);
BENCHMARK(datensatz100)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();

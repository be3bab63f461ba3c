#include "tests/database/support/pflanzen_dbs.h"

#include "tests/platform/jet/support/jet4_writer.h"

#include <QDir>

namespace sorvo::test {

using jet::DataType;
using jet::testing::Cell;
using jet::testing::ColumnSpec;
using jet::testing::Jet4Writer;
using jet::testing::QueryRow;
using jet::testing::Row;

namespace {

const QStringList& arten() {
    static const QStringList a{"vxt", "vxs", "vxg", "vxa", "vxo", "vxf"};
    return a;
}

// Main tables, picture tables and the number of fields of the main record
// set, per kind in category order.
const char* const kHaupt[] = {"Topfpfl", "Stauden", "Gehoelze", "Apfel", "Obst", "Friedhof"};
const char* const kBilder[] = {"Topfpfl_Bilder", "Stauden_Bilder", "Gehoelze_Bilder",
                               "Apfel_Bilder",   "Obst_Bilder",    "Friedhof_Bilder"};
constexpr int kFelder[] = {47, 53, 42, 56, 59, 105};

Cell text(const char* s) {
    return s ? Cell(QString::fromUtf8(s)) : Cell();
}

int index(const QString& art) {
    return static_cast<int>(arten().indexOf(art));
}

void synonyme(Jet4Writer& w, const QString& name) {
    w.addTable(name, {{"ARTNR", DataType::Long}, {"SYN", DataType::Text, 100}},
               {{Cell(qint64(1001)), Cell(QStringLiteral("Abutilon vexillarium"))}});
}

void bilderTabelle(Jet4Writer& w, const QString& name, const std::vector<BilderZeile>& zeilen) {
    std::vector<ColumnSpec> spalten{{"ARTNR", DataType::Long}};
    for (const char* reihe : {"-G", "-D"})
        for (const char* art : {"BILD", "BEMERKUNG"})
            for (int k = 1; k <= 5; ++k)
                spalten.push_back(
                    {QString::fromLatin1(art) + QString::number(k) + QString::fromLatin1(reihe),
                     DataType::Text, 100});
    std::vector<Row> rows;
    for (const BilderZeile& z : zeilen) {
        Row r{Cell(qint64(z.artnr))};
        for (const auto* reihe : {&z.g, &z.bemerkungG, &z.d, &z.bemerkungD})
            for (const char* wert : *reihe)
                r.push_back(text(wert));
        rows.push_back(std::move(r));
    }
    w.addTable(name, spalten, rows);
}

} // namespace

const std::vector<Pflanze>& pflanzen() {
    static const std::vector<Pflanze> p{
        {1001, "Abutilon megapotamicum", "Schönmalve"},
        {1002, "acalypha hispida", "Katzenschwanz"},
        {1003, "Ächmea fasciata", "Lanzenrosette"},
        {1004, "Zantedeschia aethiopica", "Zimmerkalla"},
        {1005, "Olea europaea", "Ölbaum"},
        {1006, "Ölbaum-Hybride", "Echter Ölbaum"},
        {1007, "Nerium oleander", "Oleander"},
        {1008, "zamioculcas zamiifolia", "Glücksfeder"},
        {1009, "Zamia furfuracea", "Palmfarn"},
        {1010, nullptr, "Unbenannt"},
        {0, "Pachira aquatica", "Glückskastanie"},
        {1011, "Yucca elephantipes", "Palmlilie"},
        {1012, "Aloe vera", "Echte Aloe"},
    };
    return p;
}

QString haupttabelle(const QString& art) {
    return art == QStringLiteral("vxf") ? QStringLiteral("Abfrage_Friedhof")
                                        : QString::fromLatin1(kHaupt[index(art)]);
}

namespace {

// The columns of the pseudo data fields at their places in the category's
// column list (numbers unless marked as text).
struct Benannt {
    int position;
    const char* name;
    bool zahl = true;
};
const std::vector<Benannt>& benannte(int k) {
    static const std::vector<Benannt> b[] = {
        {{6, "MINHOEHE"},
         {7, "MAXHOEHE"},
         {8, "BLMINH"},
         {9, "BLMAXH"},
         {21, "LICHTMIN"},
         {22, "LICHTMAX"},
         {23, "TEMPMIN"},
         {24, "TEMPMAX"},
         {40, "BENU_EIGEN", false}},
        {{8, "MINHOEHE"},
         {9, "MAXHOEHE"},
         {10, "BLMINH"},
         {11, "BLMAXH"},
         {46, "BENU_EIGEN", false}},
        {{8, "MAXDURCHM"}, {35, "BENU_EIGEN", false}},
        {{50, "BENU_EIGEN", false}},
        {{53, "BENU_EIGEN", false}},
        {{8, "MINHOEHE"},
         {9, "MAXHOEHE"},
         {10, "BLMINH"},
         {11, "BLMAXH"},
         {23, "BENU_EIGEN", false},
         {29, "MAXDURCHM"}},
    };
    return b[k];
}

// The main table's own field names.
QStringList tabellenSpalten(const QString& art) {
    const int k = index(art);
    QStringList f;
    for (int i = 0; i < kFelder[k]; ++i)
        f << QStringLiteral("F%1").arg(i, 2, 10, QLatin1Char('0'));
    f[0] = QStringLiteral("ARTNR");
    // The woody plants keep a group code before the two names.
    const int bot = art == QStringLiteral("vxg") ? 2 : 1;
    if (bot == 2)
        f[1] = QStringLiteral("BKS");
    f[bot] = QStringLiteral("Bot_Name");
    f[bot + 1] = QStringLiteral("DTNAM");
    if (art == QStringLiteral("vxf"))
        f[21] = QStringLiteral("DB");
    for (const Benannt& b : benannte(k))
        f[b.position] = QString::fromLatin1(b.name);
    return f;
}

bool zahl(int k, const QString& name) {
    for (const Benannt& b : benannte(k))
        if (b.zahl && name == QLatin1String(b.name))
            return true;
    return false;
}

bool istFriedhof(const QString& art) {
    return art == QStringLiteral("vxf");
}

// A record laid out as the main table of art holds it: the given values,
// "<field>-<nr>" in every other text field, Null in every other number.
Row zeileAnlegen(const QString& art, const Satz& s, int nr) {
    const int k = index(art);
    const QStringList namen = tabellenSpalten(art);
    Row r(static_cast<size_t>(namen.size()));
    r[0] = s.artnr;
    for (int i = 1; i < namen.size(); ++i)
        if (!zahl(k, namen[i]))
            r[static_cast<size_t>(i)] = Cell(QStringLiteral("%1-%2").arg(namen[i]).arg(nr));
    if (istFriedhof(art))
        r[21] = Cell(QString::fromLatin1(nr % 2 ? "100" : "010"));
    for (const auto& [name, wert] : s.werte) {
        const qsizetype i = namen.indexOf(name);
        if (i >= 0)
            r[static_cast<size_t>(i)] = wert;
    }
    return r;
}

std::vector<ColumnSpec> spaltenTypen(const QString& art) {
    const int k = index(art);
    std::vector<ColumnSpec> spalten;
    for (const QString& n : tabellenSpalten(art))
        spalten.push_back(n == QStringLiteral("ARTNR") ? ColumnSpec{n, DataType::Long}
                          : zahl(k, n)                 ? ColumnSpec{n, DataType::Double}
                                                       : ColumnSpec{n, DataType::Text, 100});
    return spalten;
}

// The cemetery records: a stored query over the cemetery table and the
// perennials' heights.
void friedhofAbfrage(Jet4Writer& w) {
    std::vector<QueryRow> abfrage(3);
    abfrage[0].attribute = 1;
    abfrage[0].flag = 1;
    abfrage[1].attribute = 5;
    abfrage[1].name1 = QStringLiteral("Friedhof");
    abfrage[2].attribute = 5;
    abfrage[2].name1 = QStringLiteral("Stauden");
    for (const QString& n : tabellenSpalten(QStringLiteral("vxf"))) {
        QueryRow feld;
        feld.attribute = 6;
        feld.expression = QStringLiteral("Friedhof.") + n;
        abfrage.push_back(feld);
    }
    for (const char* n : {"Stauden.MINHOEHE", "Stauden.MAXHOEHE"}) {
        QueryRow feld;
        feld.attribute = 6;
        feld.expression = QString::fromLatin1(n);
        abfrage.push_back(feld);
    }
    QueryRow verbindung;
    verbindung.attribute = 7;
    verbindung.name1 = QStringLiteral("Friedhof");
    verbindung.name2 = QStringLiteral("Stauden");
    verbindung.expression = QStringLiteral("Friedhof.ARTNR = Stauden.ARTNR");
    verbindung.flag = 2;
    abfrage.push_back(verbindung);
    w.addSelectQuery(QStringLiteral("Abfrage_Friedhof"), abfrage);
}

void benutzerNamen(Jet4Writer& w, std::vector<Row> zeilen) {
    std::vector<ColumnSpec> spalten;
    for (const char* k : {"Topfpflanzen", "Stauden", "Gehoelze", "Apfel", "Obst", "Friedhof"})
        spalten.push_back({QString::fromLatin1(k), DataType::Text, 50});
    w.addTable(QStringLiteral("Namen_Benutzer_Optionen"), spalten, std::move(zeilen));
}

} // namespace

QStringList feldnamen(const QString& art) {
    QStringList f = tabellenSpalten(art);
    if (istFriedhof(art)) {
        // Both tables have the plant heights: the query names them by table.
        for (QString& n : f)
            if (n == QStringLiteral("MINHOEHE") || n == QStringLiteral("MAXHOEHE"))
                n = QStringLiteral("Friedhof.") + n;
        f << QStringLiteral("Stauden.MINHOEHE") << QStringLiteral("Stauden.MAXHOEHE");
    }
    return f;
}

QString pflanzenDatenbankSchreiben(const QString& dir, const QString& name,
                                   const QStringList& gewaehlt, int extraZeilen,
                                   const std::vector<BilderZeile>* bilder) {
    Jet4Writer w;
    bool stauden = false;
    bool gehoelze = false;
    for (const QString& art : gewaehlt) {
        const int k = index(art);
        const QStringList namen = tabellenSpalten(art);
        const int bot = static_cast<int>(namen.indexOf(QStringLiteral("Bot_Name")));
        const int deu = static_cast<int>(namen.indexOf(QStringLiteral("DTNAM")));
        std::vector<Row> zeilen;
        const auto zeile = [&](Cell artnr, Cell b, Cell d, int nr) {
            Row r = zeileAnlegen(art, Satz{std::move(artnr), {}}, nr);
            r[static_cast<size_t>(bot)] = std::move(b);
            r[static_cast<size_t>(deu)] = std::move(d);
            zeilen.push_back(std::move(r));
        };
        int nr = 0;
        for (const Pflanze& p : pflanzen())
            zeile(p.artnr ? Cell(qint64(p.artnr)) : Cell(), text(p.botName), text(p.dtName), nr++);
        for (int i = 0; i < extraZeilen; ++i)
            zeile(Cell(qint64(100000 + i)),
                  Cell(QStringLiteral("%1 art%2 'Sorte %3'")
                           .arg(QChar(u'A' + (i * 7) % 26))
                           .arg(i % 97)
                           .arg(i)),
                  Cell(QStringLiteral("Pflanze Nr. %1").arg(i)), nr++);
        w.addTable(QString::fromLatin1(kHaupt[k]), spaltenTypen(art), zeilen);
        if (istFriedhof(art)) {
            friedhofAbfrage(w);
            if (!gewaehlt.contains(QStringLiteral("vxs"))) {
                // The perennials the query joins: their heights only.
                std::vector<Row> hoehen;
                for (const Row& r : zeilen)
                    hoehen.push_back({r[0], Cell(), Cell()});
                w.addTable(QStringLiteral("Stauden"),
                           {{"ARTNR", DataType::Long},
                            {"MINHOEHE", DataType::Double},
                            {"MAXHOEHE", DataType::Double}},
                           hoehen);
            }
        }
        if (bilder)
            bilderTabelle(w, QString::fromLatin1(kBilder[k]), *bilder);
        else
            w.addTable(QString::fromLatin1(kBilder[k]),
                       {{"ARTNR", DataType::Long}, {"BILD1-G", DataType::Text, 50}},
                       {{Cell(qint64(1001)), Cell(QStringLiteral("0054005"))}});
        stauden = stauden || k == 1 || k == 5;
        gehoelze = gehoelze || k == 2 || k == 5;
        if (k == 0) {
            synonyme(w, QStringLiteral("Topfpfl_Synonyme_Botanisch"));
            synonyme(w, QStringLiteral("Topfpfl_Synonyme_Deutsch"));
        }
    }
    if (stauden) {
        synonyme(w, QStringLiteral("Stauden_Synonyme_Botanisch"));
        synonyme(w, QStringLiteral("Stauden_Synonyme_Deutsch"));
    }
    if (gehoelze) {
        synonyme(w, QStringLiteral("Gehoelze_Synonyme_Botanisch"));
        synonyme(w, QStringLiteral("Gehoelze_Synonyme_Deutsch"));
    }
    w.addTable(QStringLiteral("Familien"),
               {{"FAMILIE", DataType::Integer}, {"FAMNAME", DataType::Text, 50}},
               {{Cell(qint64(1)), Cell(QStringLiteral("Malvaceae"))}});
    benutzerNamen(w, {Row(6, Cell(QStringLiteral("Duftend")))});
    const QString pfad = QDir(dir).filePath(name);
    w.write(pfad);
    return pfad;
}

QString satzDatenbankSchreiben(const QString& dir, const QString& name, const QString& art,
                               const std::vector<Satz>& saetze, const Nebentabellen& neben) {
    Jet4Writer w;
    const int k = index(art);
    std::vector<Row> zeilen, staudenHoehen;
    int nr = 0;
    for (const Satz& s : saetze) {
        zeilen.push_back(zeileAnlegen(art, s, nr++));
        Row hoehen{s.artnr, Cell(), Cell()};
        for (const auto& [feld, wert] : s.werte) {
            if (feld == QStringLiteral("Stauden.MINHOEHE"))
                hoehen[1] = wert;
            if (feld == QStringLiteral("Stauden.MAXHOEHE"))
                hoehen[2] = wert;
        }
        staudenHoehen.push_back(std::move(hoehen));
    }
    w.addTable(QString::fromLatin1(kHaupt[k]), spaltenTypen(art), zeilen);
    if (istFriedhof(art)) {
        friedhofAbfrage(w);
        w.addTable(QStringLiteral("Stauden"),
                   {{"ARTNR", DataType::Long},
                    {"MINHOEHE", DataType::Double},
                    {"MAXHOEHE", DataType::Double}},
                   staudenHoehen);
    }
    w.addTable(QString::fromLatin1(kBilder[k]),
               {{"ARTNR", DataType::Long}, {"BILD1-G", DataType::Text, 50}}, {});
    // The kind's synonym tables exist, empty unless given.
    QStringList tabellen;
    for (const QString& familie :
         k == 5   ? QStringList{QStringLiteral("Stauden"), QStringLiteral("Gehoelze")}
         : k <= 2 ? QStringList{QString::fromLatin1(kHaupt[k])}
                  : QStringList{})
        tabellen << familie + QStringLiteral("_Synonyme_Botanisch")
                 << familie + QStringLiteral("_Synonyme_Deutsch");
    for (const auto& gegeben : neben.synonyme)
        if (!tabellen.contains(gegeben.first))
            tabellen << gegeben.first;
    for (const QString& tabelle : tabellen) {
        std::vector<Row> zeilen;
        for (const auto& [name, z] : neben.synonyme)
            if (name == tabelle)
                zeilen = z;
        w.addTable(tabelle, {{"ARTNR", DataType::Long}, {"SYN", DataType::Text, 100}}, zeilen);
    }
    w.addTable(QStringLiteral("Familien"),
               {{"FAMILIE", DataType::Integer}, {"FAMNAME", DataType::Text, 50}},
               {{Cell(qint64(1)), Cell(QStringLiteral("Malvaceae"))}});
    benutzerNamen(w, neben.benutzerNamen);
    const QString pfad = QDir(dir).filePath(name);
    w.write(pfad);
    return pfad;
}

QString eigeneDatenbankSchreiben(const QString& dir) {
    Jet4Writer w;
    const auto t = [](const char* s) { return text(s); };
    w.addTable(
        QStringLiteral("Meine Pflanzen"),
        {{"Nr", DataType::Text, 10}, {"Name", DataType::Text, 50}, {"Ort", DataType::Text, 50}},
        {{t("B12"), t("Buchs"), t("Beet 3")},
         {t("A7"), t("Ahorn"), t("Hof")},
         {t("B3"), Cell(), t("Hang")},
         {t("C1"), t("Christrose"), Cell()},
         {t("b9"), t("Bergenie"), t("Beet 1")},
         {t("Ö1"), t("Ölweide"), t("Teich")}});
    w.addTable(QStringLiteral("Einzeln"), {{"Nummer", DataType::Long}},
               {{Cell(qint64(7))}, {Cell(qint64(3))}});
    w.addTable(QStringLiteral("Preis-Liste"),
               {{"Art-Nr", DataType::Text, 10}, {"Preis", DataType::Text, 10}},
               {{t("A7"), t("3,95")}, {t("B12"), t("12,50")}});
    const QString pfad = QDir(dir).filePath(QStringLiteral("eigene.mdb"));
    w.write(pfad);
    return pfad;
}

} // namespace sorvo::test

// The field vocabulary of the six categories and the field descriptions.
#include "catalogue/mdlDruck.h"
#include "tests/platform/jet/support/printing.h"

#include <QSet>
#include <gtest/gtest.h>

namespace sorvo {
namespace {

QString u(const char* s) {
    return QString::fromUtf8(s);
}

TEST(Kategorie, KindCodesSelectTheSixCategoriesExactly) {
    const struct {
        const char* art;
        std::optional<Kategorie> k;
    } faelle[] = {
        {"vxt", Kategorie::Topfpflanzen},
        {"vxs", Kategorie::Stauden},
        {"vxg", Kategorie::Gehoelze},
        {"vxa", Kategorie::Apfel},
        {"vxo", Kategorie::Obst},
        {"vxf", Kategorie::Friedhof},
        {"VXT", std::nullopt},
        {"mdb", std::nullopt},
        {"eig", std::nullopt},
        {"", std::nullopt},
        {"vxt ", std::nullopt},
    };
    for (const auto& c : faelle)
        EXPECT_EQ(kategorieAusArt(u(c.art)), c.k) << c.art;
}

// The number of positions of the field lists and the column lists.
TEST(Feldkatalog, EveryListHasItsLength) {
    const struct {
        Kategorie k;
        qsizetype felder;
        qsizetype spalten;
    } faelle[] = {
        {Kategorie::Topfpflanzen, 40, 47}, {Kategorie::Stauden, 49, 53},
        {Kategorie::Gehoelze, 40, 42},     {Kategorie::Apfel, 53, 56},
        {Kategorie::Obst, 55, 59},         {Kategorie::Friedhof, 48, 105},
    };
    TabellenInitialisieren();
    for (const auto& c : faelle) {
        const int n = static_cast<int>(c.k);
        EXPECT_EQ(varDfAnzeigeNamen(c.k).size(), c.felder) << n;
        EXPECT_EQ(varDfKurzNamen(c.k).size(), c.felder) << n;
        EXPECT_EQ(varDfSpaltenNamen(c.k).size(), c.spalten) << n;
        for (const QString& s : varDfAnzeigeNamen(c.k) + varDfKurzNamen(c.k))
            EXPECT_FALSE(s.isEmpty()) << n;
        // No display name and no short name twice within a category.
        EXPECT_EQ(
            QSet<QString>(varDfAnzeigeNamen(c.k).begin(), varDfAnzeigeNamen(c.k).end()).size(),
            c.felder)
            << n;
        EXPECT_EQ(QSet<QString>(varDfKurzNamen(c.k).begin(), varDfKurzNamen(c.k).end()).size(),
                  c.felder)
            << n;
        EXPECT_EQ(varDfSpaltenNamen(c.k).front(), "") << n;
    }
}

// Which short names only one of the two lists of a category holds.
TEST(Feldkatalog, ColumnListsAndFieldListsDifferOnlyWhereIntended) {
    const struct {
        Kategorie k;
        QStringList nurSpalten; // column entries the field list lacks
        QStringList nurFelder;  // short names no column feeds
    } faelle[] = {
        {Kategorie::Topfpflanzen, {}, {}},
        {Kategorie::Stauden, {}, {}},
        {Kategorie::Gehoelze, {}, {}},
        {Kategorie::Apfel, {u("Bewert.")}, {}},
        {Kategorie::Obst, {u("Familie"), u("Bewertung")}, {}},
        {Kategorie::Friedhof,
         {u("Wuchsform"), u("max. Durchmesser"), u("Blütezeit"), u("Wurzelform"),
          u("Wurzelempfindlichkeit"), u("Farbtextur")},
         {u("Durchmesser max"), u("Höhe Blüten"), u("Höhe")}},
    };
    for (const auto& c : faelle) {
        const QStringList& kurz = varDfKurzNamen(c.k);
        const QStringList& spalten = varDfSpaltenNamen(c.k);
        QStringList nurSpalten;
        for (const QString& s : spalten)
            if (!s.isEmpty() && !kurz.contains(s) && !nurSpalten.contains(s))
                nurSpalten << s;
        QStringList nurFelder;
        for (const QString& s : kurz)
            if (!spalten.contains(s))
                nurFelder << s;
        EXPECT_EQ(nurSpalten, c.nurSpalten) << static_cast<int>(c.k);
        EXPECT_EQ(nurFelder, c.nurFelder) << static_cast<int>(c.k);
    }
}

// Entries whose spelling, place or emptiness the labels depend on.
TEST(Feldkatalog, EntriesAreKeptAsWritten) {
    enum Liste { Anzeige, Kurz, Spalte };
    const struct {
        Kategorie k;
        Liste liste;
        qsizetype pos;
        const char* text;
    } faelle[] = {
        {Kategorie::Topfpflanzen, Anzeige, 21, "Hydrokultur Wassserstand"},
        {Kategorie::Topfpflanzen, Kurz, 21, "Hydro Wassser"},
        {Kategorie::Topfpflanzen, Kurz, 34, "Benu. Eigenschaften"},
        {Kategorie::Topfpflanzen, Kurz, 39, "Syn."},
        {Kategorie::Topfpflanzen, Spalte, 7, ""},
        {Kategorie::Topfpflanzen, Spalte, 9, ""},
        {Kategorie::Topfpflanzen, Spalte, 22, ""},
        {Kategorie::Topfpflanzen, Spalte, 26, "Hydro Wassser"},
        {Kategorie::Topfpflanzen, Spalte, 46, "Syn."},
        {Kategorie::Stauden, Anzeige, 4, "Pflanzentyp"},
        {Kategorie::Stauden, Kurz, 4, "Typ"},
        {Kategorie::Stauden, Spalte, 9, ""},
        {Kategorie::Stauden, Spalte, 11, ""},
        {Kategorie::Stauden, Spalte, 52, "Syn."},
        {Kategorie::Gehoelze, Anzeige, 5, "Laub-/Nadelgehölz"},
        {Kategorie::Gehoelze, Kurz, 20, "Wurzelempfindl."},
        {Kategorie::Gehoelze, Spalte, 38, ""},
        {Kategorie::Apfel, Anzeige, 16, "Druckfestigeit"},
        {Kategorie::Apfel, Kurz, 39, "Kerne Farbe,Form"},
        {Kategorie::Apfel, Spalte, 51, "Bewert."},
        {Kategorie::Obst, Anzeige, 15, "Als Befruchtersorte"},
        {Kategorie::Obst, Kurz, 15, "Als Befruchtersorte geeignet"},
        {Kategorie::Obst, Kurz, 51, "Benutzerdef. Eigenschaften"},
        {Kategorie::Obst, Kurz, 13, "Blütezeit/ -ort"},
        {Kategorie::Obst, Spalte, 50, "Familie"},
        {Kategorie::Friedhof, Kurz, 6, "Bluetezeit"},
        {Kategorie::Friedhof, Spalte, 12, "Bluetezeit"},
        {Kategorie::Friedhof, Spalte, 33, "Blütezeit"},
        {Kategorie::Friedhof, Spalte, 64, "Blütezeit"},
        {Kategorie::Friedhof, Spalte, 99, "Ausbildung"},
        {Kategorie::Friedhof, Spalte, 100, "Ausbildung"},
        {Kategorie::Friedhof, Spalte, 104, "Sorvo-Preis"},
        {Kategorie::Friedhof, Anzeige, 17, "Durchmesser max."},
        {Kategorie::Friedhof, Kurz, 17, "Durchmesser max"},
    };
    for (const auto& c : faelle) {
        const QStringList& l = c.liste == Anzeige ? varDfAnzeigeNamen(c.k)
                               : c.liste == Kurz  ? varDfKurzNamen(c.k)
                                                  : varDfSpaltenNamen(c.k);
        ASSERT_LT(c.pos, l.size());
        EXPECT_EQ(l[c.pos], u(c.text)) << static_cast<int>(c.k) << " " << c.liste << " " << c.pos;
    }
}

TEST(Feldkatalog, PictureAndPriceFieldsInEveryCategory) {
    for (int n = 0; n < 6; ++n) {
        const auto k = static_cast<Kategorie>(n);
        for (const char* name : {"Bild", "Sorvo-Preis"}) {
            const qsizetype i = varDfAnzeigeNamen(k).indexOf(u(name));
            ASSERT_GE(i, 0) << n << name;
            EXPECT_EQ(varDfKurzNamen(k)[i], u(name));
        }
    }
}

TEST(FeldBeschreibung, DescribesByKindAndShortName) {
    const struct {
        const char* name;
        const char* art;
        const char* erwartet;
    } faelle[] = {
        {"Syn.", "vxt", "Synonyme"},
        {"Syn.", "vxs", "Syn."},
        {"Syn.", "vxg", "Synonyme"},
        {"Blütezeit", "vxt", "Blütezeit  (von - bis)"},
        {"Fruchtzeit", "vxt", "Fruchtzeit  (von - bis)"},
        {"Angebotszeit", "vxt", "Angebotszeit (von - bis)"},
        {"Hydro Wassser", "vxt", "Wassserstand in Hydrokultur"},
        {"Typ", "vxt", "Typ (z.B. Blütenpflanze, Grünpflanze, usw.)"},
        {"Ausb.", "vxt", "wichtig für folgende Ausbildungsrichtungen"},
        {"Krankheiten", "vxt", "anfällig für diese Krankheiten und Schädlinge"},
        {"Bot Name", "vxt", "Botanischer Name"},
        {"Bot Name", "vxg", "Botanischer Name"},
        {"Deu Name", "vxg", "Deutscher Name Name"},
        {"Laub-/Nadel", "vxg", "Laub- oder Nadelgehölz"},
        {"Durchmesser max", "vxg", "maximaler Durchmesser"},
        {"Wurzelempfindl.", "vxg", "Wurzelempfindl."},
        {"BKS", "vxg", "BKS"},
        {"Bot Name", "vxs", "Bot Name"},
        {"Deu Name", "vxf", "Deu Name"},
        {"Kelchgr.berost.", "vxa", "Kelchgr.berost."},
        {"Als Befruchtersorte geeignet", "vxo", "Als Befruchtersorte geeignet"},
        // Not in the kind's list: the name itself.
        {"syn.", "vxt", "syn."},
        {"<Syn.>", "vxt", "<Syn.>"},
        {"BKS", "vxt", "BKS"},
        {"", "vxt", ""},
        // Not a plant kind: nothing.
        {"Syn.", "mdb", ""},
        {"Syn.", "eig", ""},
        {"Syn.", "", ""},
        {"Syn.", "VXT", ""},
    };
    for (const auto& c : faelle)
        EXPECT_EQ(FeldBeschreibung(u(c.name), u(c.art)), u(c.erwartet)) << c.name << " / " << c.art;
}

// Every pot-plant and woody-plant field has a description; only the listed
// ones say more than the short name.
TEST(FeldBeschreibung, DescriptionsRunParallelToTheShortLists) {
    for (const auto& [art, k] :
         {std::pair{"vxt", Kategorie::Topfpflanzen}, std::pair{"vxg", Kategorie::Gehoelze}}) {
        int laenger = 0;
        for (const QString& kurz : varDfKurzNamen(k)) {
            const QString b = FeldBeschreibung(kurz, QString::fromLatin1(art));
            EXPECT_FALSE(b.isEmpty()) << art << " " << kurz.toStdString();
            laenger += b != kurz;
        }
        EXPECT_EQ(laenger, k == Kategorie::Gehoelze ? 5 : 22) << art;
    }
}

} // namespace
} // namespace sorvo

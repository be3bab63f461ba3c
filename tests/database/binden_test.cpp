// Binding the record sources: the seven data controls per kind, the field
// lists, the template mark, the menu states, the reset and the closing.
#include "catalogue/mdlDruck.h"
#include "label/frmLabel.h"
#include "label/unterprogramme.h"
#include "platform/elements.h"
#include "tests/database/db_fixture.h"
#include "tools/frmTools.h"

#include <QGroupBox>
#include <QListWidget>
#include <QTableView>

namespace sorvo::test {
namespace {

using BindenTest = DbTest;

const QStringList kArten{"vxt", "vxs", "vxg", "vxa", "vxo", "vxf"};

TEST_F(BindenTest, SevenDataSourcesPerKind) {
    struct Fall {
        const char* art;
        const char* data1;
        const char* caption;
        const char* daten[6]; // Data2 .. Data7; nullptr: kept from before
        const char* werkzeug;
    };
    const Fall faelle[] = {
        {"vxt",
         "SELECT * From Topfpfl WHERE ARTNR LIKE '*' ORDER BY Bot_Name",
         "Topfpfl",
         {"Familien", "Topfpfl_Bilder", "Topfpfl_Synonyme_Botanisch", "Topfpfl_Synonyme_Deutsch",
          nullptr, nullptr},
         "Topfpflanzen"},
        {"vxs",
         "SELECT * From Stauden WHERE ARTNR LIKE '*' ORDER BY Bot_Name",
         "Stauden",
         {"Familien", "Stauden_Bilder", "Stauden_Synonyme_Botanisch", "Stauden_Synonyme_Deutsch",
          nullptr, nullptr},
         "Stauden"},
        {"vxg",
         "SELECT * From Gehoelze WHERE ARTNR LIKE '*' ORDER BY Bot_Name",
         "Gehoelze",
         {"Familien", "Gehoelze_Bilder", "Gehoelze_Synonyme_Botanisch", "Gehoelze_Synonyme_Deutsch",
          nullptr, nullptr},
         "Gehölze"},
        {"vxa",
         "SELECT * From Apfel WHERE ARTNR LIKE '*' ORDER BY Bot_Name",
         "Apfel",
         {"Familien", "Apfel_Bilder", nullptr, nullptr, nullptr, nullptr},
         "Apfelsorten"},
        {"vxo",
         "SELECT * From Obst WHERE ARTNR LIKE '*' ORDER BY Bot_Name",
         "Obst",
         {"Familien", "Obst_Bilder", nullptr, nullptr, nullptr, nullptr},
         "Obst"},
        {"vxf",
         "SELECT * From Abfrage_Friedhof WHERE ARTNR LIKE '*' ORDER BY Bot_Name",
         "Abfrage_Friedhof",
         {"Familien", "Friedhof_Bilder", "Stauden_Synonyme_Botanisch", "Stauden_Synonyme_Deutsch",
          "Gehoelze_Synonyme_Botanisch", "Gehoelze_Synonyme_Deutsch"},
         "Friedhofspflanzen"},
    };
    for (const Fall& f : faelle) {
        const QString art = QString::fromLatin1(f.art);
        SCOPED_TRACE(f.art);
        // Whatever the closing of the previous window left: the placeholder.
        const int32_t n = schildMitFeldern();
        for (int i = 1; i <= 7; ++i)
            w().Data(i).setRecordSource(QStringLiteral("vorher"));
        // The main record source as the binding set it, before its show-all
        // runs: watched through Data1's refreshes.
        QStringList quellen;
        const auto verbindung = QObject::connect(w().Data1, &jet::DataControl::refreshed,
                                                 [&] { quellen << w().Data1->recordSource(); });
        direktBinden(n, botrel(), art);
        QObject::disconnect(verbindung);
        ASSERT_EQ(quellen.size(), 2);
        EXPECT_EQ(quellen[0], f.data1);
        EXPECT_EQ(w().Data1->caption(), f.caption);
        EXPECT_EQ(w().Data1->databaseName(), botrel());
        for (int i = 0; i < 6; ++i) {
            const jet::DataControl& d = w().Data(i + 2);
            if (f.daten[i]) {
                EXPECT_EQ(d.recordSource(), f.daten[i]) << "Data" << i + 2;
                EXPECT_EQ(d.databaseName(), botrel()) << "Data" << i + 2;
                EXPECT_TRUE(d.isBound()) << "Data" << i + 2;
            } else {
                EXPECT_EQ(d.recordSource(), "vorher") << "Data" << i + 2;
            }
        }
        EXPECT_EQ(nachbarn().werkzeuge->DBName(), QString::fromUtf8(f.werkzeug));
        EXPECT_EQ(S(n).strDbArt, art);
        EXPECT_TRUE(w().grdDataGrid->isVisibleTo(&w()));
        EXPECT_FALSE(w().grdEigeneDB->isVisibleTo(&w()));
        EXPECT_TRUE(w().Frame1->isEnabled());
        EXPECT_EQ(w().grdDataGridSpalten->headerData(0, Qt::Horizontal), "Botanischer Name");
        EXPECT_EQ(w().grdDataGridSpalten->headerData(1, Qt::Horizontal), "Deutscher Name");
        Schild(n).schliessen();
    }
}

TEST_F(BindenTest, FieldListsOfEveryKind) {
    for (const QString& art : kArten) {
        SCOPED_TRACE(art.toStdString());
        const int32_t n = schildMitFeldern();
        direktBinden(n, botrel(), art);
        const Kategorie k = *kategorieAusArt(art);
        QStringList preisListe;
        for (int i = 0; i < DbPreis().lstDbPreis->count(); ++i)
            preisListe << DbPreis().lstDbPreis->item(i)->text();
        QStringList alle = varDfAnzeigeNamen(k);
        alle.sort();
        QStringList gelistet = preisListe;
        gelistet.sort();
        EXPECT_EQ(gelistet, alle);
        EXPECT_EQ(nachbarn().werkzeuge->feldnamenAnzahl(), varDfAnzeigeNamen(k).size());
        EXPECT_EQ(nachbarn().werkzeuge->feldnamen2Anzahl(), varDfSpaltenNamen(k).size());
        // The record set's own field names, not the vocabulary.
        EXPECT_EQ(db(n).lstFeldnamenUnsortiert, feldnamen(art));
        // Binding again doubles nothing.
        db(n).DbTabellenAnzeigen();
        EXPECT_EQ(DbPreis().lstDbPreis->count(), preisListe.size());
        EXPECT_EQ(nachbarn().werkzeuge->feldnamen2Anzahl(), varDfSpaltenNamen(k).size());
        Schild(n).schliessen();
    }
}

TEST_F(BindenTest, PricesWindowListsFieldsAlphabetically) {
    // Case does not count, and an umlaut sorts with its base letter.
    const struct {
        const char* art;
        const char* vorher;
        const char* nachher;
    } paare[] = {{"vxs", "Botanischer Name", "buntblättrig"},
                 {"vxs", "buntblättrig", "Deutscher Name"},
                 {"vxs", "Giftig", "heimisch"},
                 {"vxt", "Höhe der Nachdüngung", "Hydrokultur pH"},
                 {"vxt", "Hydrokultur pH", "Hydrokultur Verwendung"},
                 {"vxg", "Bild", "BKS"}};
    for (const auto& p : paare) {
        SCOPED_TRACE(std::string(p.art) + ": " + p.vorher + " < " + p.nachher);
        const int32_t n = schildMitFeldern();
        direktBinden(n, botrel(), QString::fromLatin1(p.art));
        QStringList liste;
        for (int i = 0; i < DbPreis().lstDbPreis->count(); ++i)
            liste << DbPreis().lstDbPreis->item(i)->text();
        const qsizetype a = liste.indexOf(QString::fromUtf8(p.vorher));
        const qsizetype b = liste.indexOf(QString::fromUtf8(p.nachher));
        ASSERT_GE(a, 0);
        EXPECT_EQ(b, a + 1);
        Schild(n).schliessen();
    }
}

TEST_F(BindenTest, TemplateMarkAndMenusAfterBindingAndReset) {
    const int32_t n = schildMitFeldern();
    const QIcon vorlage = m_mdi->fensterIcon(QStringLiteral("vorlage"));
    direktBinden(n, kategorieDatei(QStringLiteral("vxs")), QStringLiteral("vxs"));
    db(n).DbTabellenAnzeigen();
    EXPECT_EQ(Schild(n).Caption(), "Schild 1* (Vorlage)");
    EXPECT_EQ(Schild(n).windowIcon().pixmap(16).toImage(), vorlage.pixmap(16).toImage());
    const struct {
        const char* menue;
        bool an;
    } gebunden[] = {{"mnuDbLaden", false},   {"mnuDbEigeneLaden", false},
                    {"mnuDbEntladen", true}, {"mnuPreisedatenbank", true},
                    {"mnuDBWechseln", true}, {"mnuDbDatensaetzeWaehlen", true}};
    for (const auto& m : gebunden)
        EXPECT_EQ(m_mdi->menuAktiv(QString::fromLatin1(m.menue)), m.an) << m.menue;
    EXPECT_TRUE(P().blnVorlageGeoeffnet);

    // A bound label without placeholders offers no records until the tool
    // window inserts a data field into it.
    Schild(n).lblDatenfeld(1).setCaption(QStringLiteral("Anemone"));
    Schild(n).Form_Activate();
    ASSERT_FALSE(m_mdi->menuAktiv("mnuDbDatensaetzeWaehlen"));
    auto* tools = dynamic_cast<frmTools*>(nachbarn().werkzeuge);
    ASSERT_NE(tools, nullptr);
    tools->DatenfeldEinfuegen(QStringLiteral("Blattfarbe"));
    EXPECT_EQ(PlatzhalterPruefen(), "OK");
    EXPECT_TRUE(m_mdi->menuAktiv("mnuDbDatensaetzeWaehlen"));

    // An own table switches the change menu off; binding twice marks once.
    const int32_t e = [&] {
        Schild(n).schliessen();
        return schildMitFeldern();
    }();
    db(e).EigeneDbTabName = QStringLiteral("Meine Pflanzen");
    direktBinden(e, eigene(), QStringLiteral("eig"));
    db(e).DbTabellenAnzeigenEigeneDb();
    EXPECT_EQ(Schild(e).Caption().count(QStringLiteral("(Vorlage)")), 1);
    EXPECT_TRUE(S(e).blnDbGeladen);
    EXPECT_TRUE(S(e).strDbArt.isEmpty());

    // A plant binding with an empty path resets the window's database side,
    // not its caption and not "Datenbank wechseln".
    m_mdi->menuAktivSetzen(QStringLiteral("mnuDBWechseln"), true);
    const QString caption = Schild(e).Caption();
    S(e).strDbPfad.clear();
    db(e).DbTabellenAnzeigen();
    EXPECT_FALSE(S(e).blnDbGeladen);
    EXPECT_EQ(w().Data1->caption(), "Keine Datenbank geladen!");
    EXPECT_TRUE(w().Data1->databaseName().isEmpty());
    EXPECT_FALSE(w().Data1->isBound());
    EXPECT_TRUE(w().Data2->recordSource().isEmpty());
    EXPECT_EQ(nachbarn().werkzeuge->DBName(), "Keine Datenbank geladen!");
    EXPECT_EQ(nachbarn().werkzeuge->feldnamenAnzahl(), 0);
    EXPECT_EQ(DbPreis().lstDbPreis->count(), 0);
    EXPECT_TRUE(m_mdi->menuAktiv("mnuDbLaden"));
    EXPECT_TRUE(m_mdi->menuAktiv("mnuDbEigeneLaden"));
    EXPECT_FALSE(m_mdi->menuAktiv("mnuDbEntladen"));
    EXPECT_FALSE(m_mdi->menuAktiv("mnuPreisedatenbank"));
    EXPECT_TRUE(m_mdi->menuAktiv("mnuDBWechseln"));
    EXPECT_EQ(Schild(e).Caption(), caption);
}

TEST_F(BindenTest, MissingTableIsReportedByTheBinding) {
    // An own category file without the category's table.
    const int32_t n = schildMitFeldern();
    SkriptDialoge d;
    d.meldung(Antwort::OK);
    direktBinden(n, kategorieDatei(QStringLiteral("vxa")), QStringLiteral("vxs"));
    ASSERT_EQ(d.gezeigt().size(), 1u);
    EXPECT_EQ(d.gezeigt()[0].titel, "Laufzeitfehler");
    EXPECT_EQ(d.gezeigt()[0].stil, Msg::Critical);
    EXPECT_TRUE(d.gezeigt()[0].text.contains("Stauden")) << d.gezeigt()[0].text.toStdString();
    EXPECT_FALSE(P().blnVorlageGeoeffnet);
    EXPECT_FALSE(Schild(n).Caption().contains("(Vorlage)"));
}

TEST_F(BindenTest, ClosingTheTemplateBindsThePlaceholder) {
    const int32_t n = schildMitFeldern();
    direktBinden(n, botrel(), QStringLiteral("vxf"));
    w().ESZaehler = 4;
    Schild(n).schliessen();
    EXPECT_EQ(w().ESZaehler, 0);
    EXPECT_FALSE(P().blnVorlageGeoeffnet);
    for (int i = 1; i <= 7; ++i) {
        EXPECT_EQ(w().Data(i).databaseName(), P().strSorvoVerz + QStringLiteral("/dummy.vxd"));
        EXPECT_EQ(w().Data(i).recordSource(), "dummy1");
        EXPECT_FALSE(w().Data(i).isBound()) << i;
    }
    // The window's object keeps its kind for the next label in the slot.
    EXPECT_EQ(db(n).BotrelDateiArt, "vxf");
}

} // namespace
} // namespace sorvo::test

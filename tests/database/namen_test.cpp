// Databases a user may have that the usual ones do not show: tables, fields
// and prices files whose names need quoting, a name with ']', a plant table
// without its sort column, and database files that cannot be bound.
#include "database/frmDbTabwaehlen.h"
#include "label/frmLabel.h"
#include "label/unterprogramme.h"
#include "platform/elements.h"
#include "tests/database/db_fixture.h"

#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableView>

namespace sorvo::test {
namespace {

using jet::DataType;
using jet::testing::Jet4Writer;

class NamenTest : public DbTest {
protected:
    // The texts of window w.
    static QStringList texte(int32_t w) {
        QStringList l;
        frmLabel& f = Schild(w);
        for (int32_t i = 1; i <= f.hoechsterText(); ++i)
            if (!f.lblText(i).Caption().isEmpty())
                l << f.lblText(i).Caption();
        return l;
    }

    // Window n as a label without a database is: not the template, the
    // menus of an unbound label (also once it is activated again), and no
    // record window on a right click.
    void ungebunden(int32_t n) {
        EXPECT_FALSE(S(n).blnDbGeladen);
        EXPECT_FALSE(P().blnVorlageGeoeffnet);
        EXPECT_FALSE(Schild(n).Caption().contains(QStringLiteral("Vorlage")))
            << Schild(n).Caption().toStdString();
        EXPECT_FALSE(w().Data1->isBound());
        for (int mal = 0; mal < 2; ++mal) {
            SCOPED_TRACE(mal == 0 ? "as left" : "activated again");
            const struct {
                const char* menue;
                bool an;
            } menues[] = {{"mnuDbLaden", true},     {"mnuDbEigeneLaden", true},
                          {"mnuDbEntladen", false}, {"mnuPreisedatenbank", false},
                          {"mnuDBWechseln", false}, {"mnuDbDatensaetzeWaehlen", false}};
            for (const auto& m : menues)
                EXPECT_EQ(m_mdi->menuAktiv(QString::fromLatin1(m.menue)), m.an) << m.menue;
            Schild(n).Form_Activate();
        }
        Schild(n).Form_MouseDown(Qt::RightButton, 1, 1);
        EXPECT_FALSE(w().isVisible());
    }
};

// Names that Access or the file system allow; each names a table, its key
// field and a prices file, and a second field is named after it.
struct Name {
    const char* was;
    QString name;
};
std::vector<Name> namen() {
    return {{"apostrophe", QStringLiteral("Kunden's Liste")},
            {"double quote", QStringLiteral("Kunden \"Liste\"")},
            {"blanks at the ends", QStringLiteral(" Kunden Liste ")},
            {"hash", QStringLiteral("Kunden#Liste")},
            {"ampersand", QStringLiteral("Kunden & Liste")},
            {"umlauts", QStringLiteral("Größe Übersicht")},
            {"reserved word", QStringLiteral("Select")},
            {"a name SQLite keeps for itself", QStringLiteral("sqlite_Liste")},
            {"64 characters", QStringLiteral("Sehr lange Liste ") + QString(47, QChar(u'ä'))}};
}

QString zweitesFeld(const QString& name) {
    return (QStringLiteral("Name ") + name).left(64);
}

TEST_F(NamenTest, TablesFieldsAndPricesFilesOfAnyName) {
    Jet4Writer schreiber;
    for (const Name& n : namen())
        schreiber.addTable(
            n.name, {{n.name, DataType::Text, 20}, {zweitesFeld(n.name), DataType::Text, 20}},
            {{QStringLiteral("B2"), QStringLiteral("Ahorn")},
             {QStringLiteral("A1"), QStringLiteral("Zeder")},
             {QStringLiteral("a3"), QStringLiteral("Buchs")}});
    const QString pfad = m_eigenerOrdner.filePath(QStringLiteral("namen.mdb"));
    schreiber.write(pfad);

    for (const Name& n : namen()) {
        SCOPED_TRACE(n.was);
        const QString feld = zweitesFeld(n.name);
        const int32_t s = schildMitFeldern({QLatin1Char('<') + feld + QLatin1Char('>')});
        eigeneLaden(s, pfad, n.name);
        ASSERT_TRUE(S(s).blnDbGeladen);
        ASSERT_TRUE(w().Data1->isBound());
        EXPECT_EQ(Schild(s).Caption(), QStringLiteral("Schild %1* (Vorlage)").arg(s));

        const struct {
            const char* was;
            std::function<void()> tun;
            QStringList nr;
        } abfragen[] = {
            {"Alle", [&] { w().cmdAlle->click(); }, {"B2", "a3", "A1"}},
            {"A", [&] { w().cmdAuswahl[0]->click(); }, {"A1", "a3"}},
            {"header 0", [&] { w().grdEigeneDB_HeadClick(0); }, {"A1", "a3", "B2"}},
            {"header 1", [&] { w().grdEigeneDB_HeadClick(1); }, {"B2", "a3", "A1"}},
        };
        for (const auto& a : abfragen) {
            SCOPED_TRACE(a.was);
            a.tun();
            EXPECT_EQ(spalte(n.name), a.nr);
            EXPECT_EQ(w().grdEigeneDBSpalten->rowCount(), a.nr.size());
        }

        // The prices file of that name, joined on the field of that name.
        S(s).strPreisDbPfad = datei(n.name + QStringLiteral(".txt"), "Nr;Preis\r\nA1;3,95\r\n");
        S(s).strPreisSpalte = n.name;
        db(s).DBPreiseLaden();
        ASSERT_TRUE(S(s).blnPreisDbGeladen);
        EXPECT_EQ(DbPreis().DBGrid1Spalten->rowCount(), 1);
        jet::Recordset& rs = *w().Data1->recordset();
        rs.setBookmark(rs.bookmarkAt(2)); // A1
        EXPECT_EQ(PreisSuchen(rs), "3,95");

        // The record of A1 onto a label.
        QTableView& g = w().sichtbaresGrid();
        g.selectRow(2);
        const size_t vorher = erzeugte().size();
        w().cmdUebertragen->click();
        const std::vector<int32_t> neu = erzeugte();
        ASSERT_EQ(neu.size(), vorher + 1);
        EXPECT_EQ(texte(neu.back()), QStringList{"Zeder"});
        Schild(s).schliessen();
    }
}

TEST_F(NamenTest, PricesFileWithAnApostropheOnAPlantLabel) {
    const int32_t n = schildMitFeldern({QStringLiteral("<Sorvo-Preis>")});
    botrelLaden(n, kategorieDatei(QStringLiteral("vxt")));
    ASSERT_TRUE(S(n).blnDbGeladen);
    S(n).strPreisDbPfad = datei(QStringLiteral("Kunden's Preise.txt"),
                                "Name;Preis\r\nKatzenschwanz;4,20\r\nOleander;7,00\r\n");
    S(n).strPreisSpalte = QStringLiteral("Deutscher Name");
    db(n).DBPreiseLaden();
    ASSERT_TRUE(S(n).blnPreisDbGeladen);
    EXPECT_EQ(DbPreis().lblDbPreise->text(), S(n).strPreisDbPfad);
    EXPECT_EQ(DbPreis().Data1->caption(), "Kunden's Preise");
    uebertragen({1002, 1007});
    const std::vector<int32_t> neu = erzeugte();
    ASSERT_EQ(neu.size(), 2u);
    EXPECT_EQ(texte(neu[0]), QStringList{"4,20"});
    EXPECT_EQ(texte(neu[1]), QStringList{"7,00"});
}

TEST_F(NamenTest, ClosingBracketInANameIsRefusedWhenTheTableIsChosen) {
    Jet4Writer schreiber;
    schreiber.addTable(
        QStringLiteral("Kunden]Liste"),
        {{QStringLiteral("Nr"), DataType::Text, 10}, {QStringLiteral("Name"), DataType::Text, 10}},
        {{QStringLiteral("A1"), QStringLiteral("Zeder")}});
    schreiber.addTable(
        QStringLiteral("Liste"),
        {{QStringLiteral("Nr"), DataType::Text, 10}, {QStringLiteral("Na]me"), DataType::Text, 10}},
        {{QStringLiteral("A1"), QStringLiteral("Zeder")}});
    const QString pfad = m_eigenerOrdner.filePath(QStringLiteral("klammer.mdb"));
    schreiber.write(pfad);
    const struct {
        const char* tabelle;
        const char* meldung;
    } faelle[] = {
        {"Kunden]Liste", "Die Tabelle 'Kunden]Liste' kann nicht geladen werden: Ihr Name enthält "
                         "das Zeichen ']', das in keiner Abfrage stehen kann. (3125)"},
        {"Liste", "Die Tabelle 'Liste' kann nicht geladen werden: Der Name ihres Feldes 'Na]me' "
                  "enthält das Zeichen ']', das in keiner Abfrage stehen kann. (3125)"},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.tabelle);
        const int32_t n = schildMitFeldern();
        {
            SkriptDialoge d;
            tabelleWaehlen(d, pfad, QString::fromUtf8(f.tabelle));
            d.meldung(Antwort::OK);
            m_mdi->mnuDbEigeneLaden_Click();
            ASSERT_EQ(d.gezeigt().size(), 3u);
            EXPECT_EQ(d.gezeigt()[2].text, QString::fromUtf8(f.meldung));
            EXPECT_EQ(d.gezeigt()[2].titel, "Laufzeitfehler");
        }
        // Once: nothing is bound, so the letters and headers ask nothing.
        ungebunden(n);
        EXPECT_TRUE(S(n).strDbPfad.isEmpty());
        Schild(n).schliessen();
    }
    // A prices file is a table by itself, where its name needs no brackets
    // of its own.
    const int32_t n = schildMitFeldern();
    S(n).strPreisDbPfad = datei(QStringLiteral("Preise]1.txt"), "Nr;Preis\r\nA1;3,95\r\n");
    db(n).DBPreiseLaden();
    EXPECT_TRUE(S(n).blnPreisDbGeladen);
    EXPECT_EQ(DbPreis().DBGrid1Spalten->rowCount(), 1);
}

TEST_F(NamenTest, PlantTableWithoutItsFilterOrSortColumn) {
    const struct {
        const char* fehlt;
        std::vector<jet::testing::ColumnSpec> spalten;
    } faelle[] = {
        {"Bot_Name", {{"ARTNR", DataType::Long}, {"DTNAM", DataType::Text, 50}}},
        {"ARTNR", {{"Bot_Name", DataType::Text, 50}, {"DTNAM", DataType::Text, 50}}},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.fehlt);
        Jet4Writer schreiber;
        schreiber.addTable(QStringLiteral("Topfpfl"), f.spalten, {});
        const QString pfad = m_eigenerOrdner.filePath(QStringLiteral("ohne-%1.vxt").arg(f.fehlt));
        schreiber.write(pfad);
        const int32_t n = schildMitFeldern();
        SkriptDialoge d;
        d.oeffnen(pfad).meldung(Antwort::OK);
        m_mdi->mnuDbLaden_Click();
        ASSERT_EQ(d.gezeigt().size(), 2u);
        EXPECT_EQ(d.gezeigt()[1].titel, "Laufzeitfehler");
        EXPECT_EQ(
            d.gezeigt()[1].text,
            QStringLiteral("Der Tabelle 'Topfpfl' fehlt die Spalte '%1'. (3265)").arg(f.fehlt));
        ungebunden(n);
        Schild(n).schliessen();
    }
}

TEST_F(NamenTest, ADatabaseThatFailsToBindLeavesTheLabelUnbound) {
    QFile echt(kategorieDatei(QStringLiteral("vxs")));
    ASSERT_TRUE(echt.open(QIODevice::ReadOnly));
    const QByteArray gut = echt.readAll();
    const struct {
        const char* was;
        QByteArray inhalt; // empty: the good file, under an unknown kind code
        bool unbekannt;
    } dateien[] = {
        {"empty file", QByteArray(), false},
        {"text file", "Nr;Name\r\n1;Aster\r\n", false},
        {"damaged file", gut.left(3 * 4096), false},
        {"unknown kind code", gut, true},
    };
    // The template: a label bound to a copy of the perennials' file, saved.
    const QString db = m_eigenerOrdner.filePath(QStringLiteral("garten.vxs"));
    const QString vorlage = m_eigenerOrdner.filePath(QStringLiteral("stauden.vxp"));
    {
        ASSERT_TRUE(QFile::copy(kategorieDatei(QStringLiteral("vxs")), db));
        const int32_t n = schildMitFeldern();
        botrelLaden(n, db);
        ASSERT_TRUE(S(n).blnDbGeladen);
        SkriptDialoge d;
        d.speichern(vorlage);
        m_mdi->mnuDateiSpeichernunter_Click();
        Schild(n).schliessen();
    }
    QFile vxp(vorlage);
    ASSERT_TRUE(vxp.open(QIODevice::ReadOnly));
    const QByteArray vorlageText = vxp.readAll();
    vxp.close();
    ASSERT_TRUE(vorlageText.contains("|vxs|"));

    // A new label whose menu entry chooses the file.
    const auto ausDemMenue = [this](void (MDI::*klick)()) {
        return [this, klick](const QString& pfad, SkriptDialoge& d) {
            const int32_t n = schildMitFeldern();
            d.oeffnen(pfad).meldung(Antwort::OK);
            (m_mdi.get()->*klick)();
            return n;
        };
    };
    const struct {
        const char* was;
        bool unbekannteArt; // can meet a kind no category knows
        std::function<int32_t(const QString& pfad, SkriptDialoge& d)> tun;
    } wege[] = {
        {"Botrel-/Sorvo-Datenbank laden", true, ausDemMenue(&MDI::mnuDbLaden_Click)},
        {"Datenbank wechseln", false,
         [&](const QString& pfad, SkriptDialoge& d) {
             const int32_t n = schildMitFeldern();
             botrelLaden(n, kategorieDatei(QStringLiteral("vxs")));
             EXPECT_TRUE(S(n).blnDbGeladen);
             d.oeffnen(pfad).meldung(Antwort::OK);
             m_mdi->mnuDBWechseln_Click();
             return n;
         }},
        {"Eigene Datenbank laden", false, ausDemMenue(&MDI::mnuDbEigeneLaden_Click)},
        {"Vorlage öffnen", true,
         [&](const QString& pfad, SkriptDialoge& d) {
             QByteArray text = vorlageText;
             text.replace(db.toUtf8(), pfad.toUtf8());
             if (pfad.endsWith(QStringLiteral(".xyz")))
                 text.replace("|vxs|", "|xyz|");
             QFile f(vorlage);
             EXPECT_TRUE(f.open(QIODevice::WriteOnly));
             f.write(text);
             f.close();
             int32_t n = 1;
             while (n <= P().hoechstesSchild() && !P().Schilder[n].blnSchildFrei)
                 ++n;
             d.oeffnen(vorlage).meldung(Antwort::OK);
             m_mdi->mnuDateiOeffnen_Click();
             // The template's data field came with it.
             EXPECT_EQ(Schild(n).lblDatenfeld(1).Caption(), "<Bot Name>");
             EXPECT_EQ(Schild(n).Caption(), "stauden.vxp*");
             return n;
         }},
    };
    int k = 0;
    for (const auto& weg : wege)
        for (const auto& datei : dateien) {
            if (datei.unbekannt && !weg.unbekannteArt)
                continue;
            SCOPED_TRACE(std::string(weg.was) + ", " + datei.was);
            const QString pfad = m_eigenerOrdner.filePath(
                QStringLiteral("kaputt%1.%2").arg(++k).arg(datei.unbekannt ? "xyz" : "vxs"));
            {
                QFile f(pfad);
                ASSERT_TRUE(f.open(QIODevice::WriteOnly));
                f.write(datei.inhalt);
            }
            SkriptDialoge d;
            const int32_t n = weg.tun(pfad, d);
            const Gezeigt& meldung = d.gezeigt().back();
            if (datei.unbekannt) {
                EXPECT_EQ(meldung.text, "Hoppla" + QStringLiteral("xyz"));
            } else {
                EXPECT_EQ(meldung.titel, "Laufzeitfehler");
            }
            ungebunden(n);
            // Loading a database works as on any label without one.
            botrelLaden(n, kategorieDatei(QStringLiteral("vxs")));
            EXPECT_TRUE(S(n).blnDbGeladen);
            EXPECT_TRUE(Schild(n).Caption().endsWith(QStringLiteral("* (Vorlage)")));
            S(n).blnGeaendert = false;
            Schild(n).schliessen();
        }
}

} // namespace
} // namespace sorvo::test

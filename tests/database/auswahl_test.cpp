// Choosing a database for a label window: the file dialogs, the category
// and table windows, and what a cancelled or refused choice leaves behind.
#include "database/frmDbTabwaehlen.h"
#include "database/frmTabAuswaehlen.h"
#include "label/frmLabel.h"
#include "label/unterprogramme.h"
#include "platform/system.h"
#include "tests/database/db_fixture.h"
#include "tests/platform/jet/support/plant_db.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>

namespace sorvo::test {
namespace {

using AuswahlTest = DbTest;

// Everything a choice may change about window n.
struct Zustand {
    QString pfad;
    bool pflanzen;
    bool geladen;
    QString art;
    QString tabelle;
    bool vorlage;
    QString caption;
    QString data1;
    bool operator==(const Zustand&) const = default;
};
void PrintTo(const Zustand& z, std::ostream* os) {
    *os << z.pfad.toStdString() << '|' << z.pflanzen << '|' << z.geladen << '|'
        << z.art.toStdString() << '|' << z.tabelle.toStdString() << '|' << z.vorlage << '|'
        << z.caption.toStdString() << '|' << z.data1.toStdString();
}

// The caption without the change mark, which the menu's change notice sets
// whatever the choice did.
Zustand zustand(int32_t n) {
    return {S(n).strDbPfad,
            S(n).blnPflanzenDb,
            S(n).blnDbGeladen,
            SchildDb(n).BotrelDateiArt,
            SchildDb(n).EigeneDbTabName,
            P().blnVorlageGeoeffnet,
            Schild(n).Caption().remove(QLatin1Char('*')),
            DbSaetze().Data1->databaseName()};
}

// The three ways to leave the category or table window without a choice.
struct Abbruch {
    const char* name;
    std::function<void(QDialog&)> bedienen;
};
template <class Fenster> std::vector<Abbruch> abbrueche() {
    return {{"Abbrechen", [](QDialog& f) { dynamic_cast<Fenster&>(f).cmdAbbrechen->click(); }},
            {"close box", [](QDialog& f) { f.close(); }},
            {"Escape", [](QDialog& f) {
                 QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
                 QApplication::sendEvent(&f, &esc);
             }}};
}

TEST_F(AuswahlTest, FileDialogsOfTheThreeChoices) {
    const int32_t n = schildMitFeldern();
    P().strBotrelVerz = ordner() + QLatin1Char('/');
    {
        SkriptDialoge d;
        d.oeffnen(std::nullopt);
        m_mdi->mnuDbLaden_Click();
        const DateiAuswahl& a = d.gezeigt().at(0).datei;
        EXPECT_EQ(a.dateiname, ordner() + QStringLiteral("/botrel.mdb"));
        EXPECT_TRUE(a.mussExistieren);
        EXPECT_EQ(a.filter,
                  (QStringList{
                      "Botrel-Datenbank (botrel.mdb)", "Sorvo-Datenbank für Topfpflanzen (*.vxt)",
                      "Sorvo-Datenbank für Stauden (*.vxs)", "Sorvo-Datenbank für Gehölze (*.vxg)",
                      "Sorvo-Datenbank für Apfelsorten (*.vxa)", "Sorvo-Datenbank für Obst (*.vxo)",
                      "Sorvo-Datenbank für Friedhofspflanzen (*.vxf)"}));
    }
    P().strBotrelVerz.clear();
    {
        SkriptDialoge d;
        d.oeffnen(std::nullopt).oeffnen(std::nullopt);
        m_mdi->mnuDbLaden_Click();
        m_mdi->mnuDbEigeneLaden_Click();
        EXPECT_EQ(d.gezeigt().at(0).datei.dateiname, aktuellerOrdner() + "/botrel.mdb");
        EXPECT_EQ(d.gezeigt().at(1).datei.dateiname, aktuellerOrdner() + "/*.mdb");
        EXPECT_EQ(d.gezeigt().at(1).datei.filter, QStringList{"Eigene Access-Datenbank (*.mdb)"});
        EXPECT_TRUE(d.gezeigt().at(1).datei.mussExistieren);
    }
    // "Datenbank wechseln" offers the sibling database and the window's own
    // category.
    const struct {
        const char* art;
        const char* eintrag;
    } faelle[] = {{"vxt", "Sorvo-Datenbank für Topfpflanzen (*.vxt)"},
                  {"vxf", "Sorvo-Datenbank für Friedhofspflanzen (*.vxf)"}};
    for (const auto& f : faelle) {
        db(n).BotrelDateiArt = QString::fromLatin1(f.art);
        SkriptDialoge d;
        d.oeffnen(std::nullopt);
        m_mdi->mnuDBWechseln_Click();
        EXPECT_EQ(d.gezeigt().at(0).datei.filter,
                  (QStringList{"Botrel-Datenbank (botrel.mdb)", QString::fromUtf8(f.eintrag)}));
    }
    // A cancelled dialog changes nothing.
    EXPECT_TRUE(S(n).strDbPfad.isEmpty());
    EXPECT_FALSE(S(n).blnDbGeladen);
}

TEST_F(AuswahlTest, SiblingDatabaseAsksForTheCategory) {
    const int32_t n = schildMitFeldern();
    SkriptDialoge d;
    d.oeffnen(botrel()).fenster([](QDialog& f) {
        auto& t = dynamic_cast<frmTabAuswaehlen&>(f);
        EXPECT_EQ(t.windowTitle(), "Tabelle auswählen");
        EXPECT_TRUE(t.optTabelle[0]->isChecked());
        EXPECT_EQ(t.optTabelle[2]->text(), "Gehölze");
        t.optTabelle[1]->setChecked(true);
        t.cmdOK->click();
    });
    m_mdi->mnuDbLaden_Click();
    EXPECT_EQ(db(n).BotrelDateiArt, "vxs");
    EXPECT_EQ(S(n).strDbArt, "vxs");
    EXPECT_EQ(S(n).strDbPfad, botrel());
    EXPECT_TRUE(S(n).blnPflanzenDb);
    EXPECT_TRUE(S(n).blnDbGeladen);
    EXPECT_TRUE(P().blnVorlageGeoeffnet);
    EXPECT_EQ(w().Data1->caption(), "Stauden");
    EXPECT_EQ(nachbarn().werkzeuge->DBName(), "Stauden");
    EXPECT_TRUE(Schild(n).Caption().endsWith("* (Vorlage)")) << Schild(n).Caption().toStdString();
    EXPECT_EQ(spalte("ARTNR").size(), 12);
}

TEST_F(AuswahlTest, CancelledCategoryLeavesTheWindowAsItWas) {
    for (const Abbruch& fall : abbrueche<frmTabAuswaehlen>()) {
        SCOPED_TRACE(fall.name);
        const int32_t n = schildMitFeldern();
        db(n).BotrelDateiArt = QStringLiteral("vxo"); // left by an earlier window in the slot
        const Zustand vorher = zustand(n);
        SkriptDialoge d;
        d.oeffnen(botrel()).fenster(fall.bedienen);
        m_mdi->mnuDbLaden_Click();
        EXPECT_EQ(zustand(n), vorher);
        EXPECT_TRUE(m_mdi->menuAktiv("mnuDbLaden"));
        Schild(n).schliessen();
    }
}

TEST_F(AuswahlTest, KindComesFromTheExtensionInAnyCase) {
    // A copy of the sibling database whose name is written in capitals still
    // asks for the category; own category files bind at once.
    const QString gross = m_eigenerOrdner.filePath(QStringLiteral("BOTREL.MDB"));
    ASSERT_TRUE(QFile::copy(botrel(), gross));
    const QString vxs = m_eigenerOrdner.filePath(QStringLiteral("Garten.VXS"));
    ASSERT_TRUE(QFile::copy(kategorieDatei(QStringLiteral("vxs")), vxs));
    const struct {
        QString pfad;
        int kategorie;
        const char* art;
        const char* tabelle;
    } faelle[] = {{gross, 4, "vxo", "Obst"},
                  {vxs, -1, "vxs", "Stauden"},
                  {kategorieDatei(QStringLiteral("vxf")), -1, "vxf", "Abfrage_Friedhof"}};
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.art);
        const int32_t n = schildMitFeldern();
        botrelLaden(n, f.pfad, f.kategorie);
        EXPECT_EQ(db(n).BotrelDateiArt, f.art);
        EXPECT_EQ(w().Data1->caption(), f.tabelle);
        EXPECT_TRUE(S(n).blnDbGeladen);
        EXPECT_TRUE(w().Data1->isBound());
        Schild(n).schliessen(); // one template at a time
    }
}

TEST_F(AuswahlTest, UnknownKindIsReportedAndBindsNothing) {
    const int32_t alt = schildMitFeldern();
    direktBinden(alt, kategorieDatei(QStringLiteral("vxt")), QStringLiteral("vxt"));
    Schild(alt).schliessen();
    const QString fremd = m_eigenerOrdner.filePath(QStringLiteral("pflanzen.xyz"));
    ASSERT_TRUE(QFile::copy(kategorieDatei(QStringLiteral("vxs")), fremd));
    const int32_t n = schildMitFeldern();
    const Zustand vorher = zustand(n);
    SkriptDialoge d;
    d.oeffnen(fremd).meldung(Antwort::OK);
    m_mdi->mnuDbLaden_Click();
    ASSERT_EQ(d.gezeigt().size(), 2u);
    EXPECT_EQ(d.gezeigt()[1].text, "Hopplaxyz");
    EXPECT_EQ(d.gezeigt()[1].stil, Msg::OK);
    EXPECT_EQ(zustand(n), vorher);
    EXPECT_FALSE(w().Data1->isBound());
    EXPECT_TRUE(m_mdi->menuAktiv("mnuDbLaden"));
}

TEST_F(AuswahlTest, FileThatIsNoDatabaseGivesRunTimeError) {
    const int32_t n = schildMitFeldern();
    const QString kaputt = datei(QStringLiteral("kaputt.vxs"), QByteArray("keine Datenbank", 15));
    SkriptDialoge d;
    d.oeffnen(kaputt).meldung(Antwort::OK);
    m_mdi->mnuDbLaden_Click();
    ASSERT_EQ(d.gezeigt().size(), 2u);
    EXPECT_EQ(d.gezeigt()[1].titel, "Laufzeitfehler");
    EXPECT_EQ(d.gezeigt()[1].stil, Msg::Critical);
    EXPECT_TRUE(d.gezeigt()[1].text.endsWith(")"));
    EXPECT_FALSE(S(n).blnDbGeladen);
    EXPECT_FALSE(P().blnVorlageGeoeffnet);
}

TEST_F(AuswahlTest, OwnDatabaseListsEveryTableAndBindsTheChosenOne) {
    const int32_t n = schildMitFeldern({QStringLiteral("<Name>")});
    QStringList angeboten;
    SkriptDialoge d;
    d.oeffnen(eigene()).fenster([&](QDialog& f) {
        auto& t = dynamic_cast<frmDbTabwaehlen&>(f);
        EXPECT_EQ(t.windowTitle(), "Tabelle wählen");
        for (int i = 0; i < t.lstTabellen->count(); ++i)
            angeboten << t.lstTabellen->item(i)->text();
        QListWidgetItem* e = t.lstTabellen->findItems("Meine Pflanzen", Qt::MatchExactly).at(0);
        t.lstTabellen->setCurrentItem(e);
        emit t.lstTabellen->itemDoubleClicked(e);
    });
    m_mdi->mnuDbEigeneLaden_Click();
    // Every table definition in the engine's order, system tables included.
    QStringList erwartet;
    for (const auto& t : jet::Database::open(eigene())->tableDefs())
        erwartet << t.name;
    EXPECT_EQ(angeboten, erwartet);
    EXPECT_TRUE(angeboten.contains("MSysObjects"));
    EXPECT_TRUE(angeboten.contains("Preis-Liste"));

    EXPECT_EQ(db(n).BotrelDateiArt, "eig");
    EXPECT_EQ(db(n).EigeneDbTabName, "Meine Pflanzen");
    EXPECT_FALSE(S(n).blnPflanzenDb);
    EXPECT_TRUE(S(n).blnDbGeladen);
    EXPECT_TRUE(w().grdEigeneDB->isVisibleTo(&w()));
    EXPECT_FALSE(w().grdDataGrid->isVisibleTo(&w()));
    EXPECT_EQ(w().Data1->caption(), "Meine Pflanzen");
    EXPECT_EQ(spalte("Nr"), (QStringList{"B12", "A7", "B3", "C1", "b9", "Ö1"}));
    EXPECT_EQ(nachbarn().werkzeuge->DBName(), "Meine Pflanzen");
    EXPECT_EQ(db(n).lstFeldnamenUnsortiert, (QStringList{"Nr", "Name", "Ort"}));
    EXPECT_EQ(nachbarn().werkzeuge->feldnamenAnzahl(), 3);
    EXPECT_EQ(nachbarn().werkzeuge->feldnamen2Anzahl(), 0);
    // The hidden plant grid refers to the table's first two fields.
    EXPECT_EQ(w().grdDataGridSpalten->headerData(0, Qt::Horizontal), "Botanischer Name");
    EXPECT_EQ(w().grdDataGridSpalten->fieldOfColumn(0), 0);
    EXPECT_EQ(w().grdDataGridSpalten->fieldOfColumn(1), 1);
    EXPECT_TRUE(Schild(n).Caption().endsWith(" (Vorlage)"));
    EXPECT_FALSE(m_mdi->menuAktiv("mnuDbLaden"));
    EXPECT_FALSE(m_mdi->menuAktiv("mnuDbEigeneLaden"));
}

TEST_F(AuswahlTest, CancelledTableChoiceBindsNothing) {
    for (const Abbruch& fall : abbrueche<frmDbTabwaehlen>()) {
        SCOPED_TRACE(fall.name);
        const int32_t n = schildMitFeldern();
        // A name left from an earlier choice must not be bound.
        db(n).EigeneDbTabName = QStringLiteral("Einzeln");
        const Zustand vorher = zustand(n);
        SkriptDialoge d;
        d.oeffnen(eigene()).fenster(fall.bedienen);
        m_mdi->mnuDbEigeneLaden_Click();
        EXPECT_EQ(zustand(n), vorher);
        Schild(n).schliessen();
    }
}

TEST_F(AuswahlTest, TableNamesWithBlanksAndSingleFieldTablesStayUsable) {
    const int32_t n = schildMitFeldern();
    eigeneLaden(n, eigene(), QStringLiteral("Einzeln"));
    ASSERT_TRUE(S(n).blnDbGeladen);
    EXPECT_EQ(db(n).lstFeldnamenUnsortiert, QStringList{"Nummer"});
    // Column 1 of the hidden plant grid has no field to show.
    EXPECT_EQ(w().grdDataGridSpalten->fieldOfColumn(1), -1);
    {
        // "Alle" and the header click filter on the second field, which this
        // table lacks: one message each, and the window goes on working.
        SkriptDialoge d;
        d.meldung(Antwort::OK).meldung(Antwort::OK);
        w().cmdAlle->click();
        w().grdEigeneDB_HeadClick(0);
        ASSERT_EQ(d.gezeigt().size(), 2u);
        EXPECT_EQ(d.gezeigt()[0].titel, "Laufzeitfehler");
        EXPECT_EQ(d.gezeigt()[1].titel, "Laufzeitfehler");
        EXPECT_FALSE(w().Data1->isBound());
    }
    w().cmdAuswahl[2]->click();
    EXPECT_TRUE(w().Data1->isBound());
    EXPECT_EQ(w().Data1->recordSource(),
              "SELECT * FROM [Einzeln] WHERE [Nummer] LIKE 'C*' ORDER BY "
              "[Nummer]");

    const QString nwind = jet::testing::nwindPath();
    if (nwind.isEmpty())
        GTEST_SKIP() << "nwind.mdb is not there";
    Schild(n).schliessen();
    const int32_t m = schildMitFeldern();
    eigeneLaden(m, nwind, QStringLiteral("Order Details"));
    ASSERT_TRUE(S(m).blnDbGeladen);
    EXPECT_EQ(w().Data1->caption(), "Order Details");
    const int alle = w().Data1->recordset()->recordCount();
    w().cmdAlle->click();
    EXPECT_EQ(w().Data1->recordSource(),
              "SELECT * FROM [Order Details] WHERE [ProductID] LIKE '*' ORDER BY [ProductID]");
    ASSERT_TRUE(w().Data1->isBound());
    EXPECT_EQ(w().Data1->recordset()->recordCount(), alle);
}

TEST_F(AuswahlTest, ChangingTheDatabaseKeepsTheCategory) {
    const int32_t n = schildMitFeldern();
    botrelLaden(n, botrel(), 5);
    ASSERT_EQ(w().Data1->databaseName(), botrel());
    ASSERT_TRUE(m_mdi->menuAktiv("mnuDBWechseln"));
    const QString andere = kategorieDatei(QStringLiteral("vxf"));
    SkriptDialoge d;
    d.oeffnen(andere);
    m_mdi->mnuDBWechseln_Click();
    EXPECT_EQ(db(n).BotrelDateiArt, "vxf");
    EXPECT_EQ(S(n).strDbPfad, andere);
    for (int i = 1; i <= 7; ++i)
        EXPECT_EQ(w().Data(i).databaseName(), andere) << "Data" << i;
    EXPECT_EQ(w().Data6->recordSource(), "Gehoelze_Synonyme_Botanisch");
    EXPECT_EQ(Schild(n).Caption().count("(Vorlage)"), 1);
}

TEST_F(AuswahlTest, OnlyOneTemplateMayBeBound) {
    const int32_t n = schildMitFeldern();
    botrelLaden(n, kategorieDatei(QStringLiteral("vxs")));
    ASSERT_TRUE(P().blnVorlageGeoeffnet);
    EXPECT_FALSE(m_mdi->menuAktiv("mnuDbLaden"));
    EXPECT_FALSE(m_mdi->menuAktiv("mnuDbEigeneLaden"));
    const int32_t m = [&] {
        SkriptDialoge d;
        d.meldung(Antwort::Yes); // "Es ist schon eine Vorlage geöffnet!"
        return neuesSchild();
    }();
    Schild(m).Form_Activate();
    EXPECT_FALSE(m_mdi->menuAktiv("mnuDbLaden"));
    EXPECT_FALSE(m_mdi->menuAktiv("mnuDbEigeneLaden"));
    EXPECT_FALSE(m_mdi->menuAktiv("mnuDbEntladen"));
    EXPECT_FALSE(S(m).blnDbGeladen);
}

} // namespace
} // namespace sorvo::test

// The record-choice window: its queries for every kind and for an own
// table, the selection warning, opening, locking, closing, resizing, help.
#include "label/frmLabel.h"
#include "label/unterprogramme.h"
#include "platform/system.h"
#include "tests/database/db_fixture.h"
#include "tools/frmTools.h"

#include <QApplication>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QTableView>

namespace sorvo::test {
namespace {

using SaetzeTest = DbTest;

// Article numbers in the General sort order of the botanical names (a Null
// name first; "Ölbaum-Hybride" with the O's, before "Olea") and of the German
// names.
const QStringList kNachBotName{"1010", "1001", "1002", "1003", "1012", "1007",
                               "1006", "1005", "1011", "1009", "1008", "1004"};
const QStringList kNachDtName{"1012", "1006", "1008", "1002", "1003", "1005",
                              "1007", "1009", "1011", "1001", "1010", "1004"};

TEST_F(SaetzeTest, QueriesOfEveryPlantKind) {
    // The same texts for every kind: the woody plants, whose names stand one
    // field further on (after "BKS"), sort by the same names.
    const struct {
        const char* name;
        std::function<void(frmDbSaetzeWaehlen&)> ausfuehren;
        const char* sql; // %1 the table or query
        QStringList artnr;
    } aktionen[] = {
        {"Alle", [](frmDbSaetzeWaehlen& f) { f.cmdAlle->click(); },
         "SELECT * FROM %1 WHERE ARTNR LIKE '*' ORDER BY Bot_Name", kNachBotName},
        {"Z",
         [](frmDbSaetzeWaehlen& f) { f.cmdAuswahl[25]->click(); },
         "SELECT * FROM %1 WHERE BOT_NAME LIKE 'Z*' ORDER BY Bot_Name",
         {"1009", "1008", "1004"}},
        {"Q",
         [](frmDbSaetzeWaehlen& f) { f.cmdAuswahl[16]->click(); },
         "SELECT * FROM %1 WHERE BOT_NAME LIKE 'Q*' ORDER BY Bot_Name",
         {}},
        {"header 0", [](frmDbSaetzeWaehlen& f) { f.grdDataGrid_HeadClick(0); },
         "SELECT * FROM %1 WHERE ARTNR LIKE '*' ORDER BY Bot_Name", kNachBotName},
        {"header 1", [](frmDbSaetzeWaehlen& f) { f.grdDataGrid_HeadClick(1); },
         "SELECT * FROM %1 WHERE ARTNR LIKE '*' ORDER BY DTNAM", kNachDtName},
    };
    for (const QString art : {"vxt", "vxs", "vxg", "vxa", "vxo", "vxf"}) {
        const int32_t n = schildMitFeldern();
        direktBinden(n, botrel(), art);
        for (const auto& a : aktionen) {
            SCOPED_TRACE(art.toStdString() + " " + a.name);
            // A letter filter before a header click is dropped by it.
            w().cmdAuswahl[0]->click();
            a.ausfuehren(w());
            EXPECT_EQ(w().Data1->recordSource(), QString::fromLatin1(a.sql).arg(haupttabelle(art)));
            EXPECT_EQ(spalte(QStringLiteral("ARTNR")), a.artnr);
        }
        Schild(n).schliessen();
    }
}

TEST_F(SaetzeTest, QueriesOfAnOwnTable) {
    const int32_t n = schildMitFeldern();
    eigeneLaden(n, eigene(), QStringLiteral("Meine Pflanzen"));
    const struct {
        const char* name;
        std::function<void(frmDbSaetzeWaehlen&)> ausfuehren;
        const char* sql;
        QStringList nr;
    } faelle[] = {
        // "Alle" filters and sorts on the second field: no Null names.
        {"Alle",
         [](frmDbSaetzeWaehlen& f) { f.cmdAlle->click(); },
         "SELECT * FROM [Meine Pflanzen] WHERE [Name] LIKE '*' ORDER BY [Name]",
         {"A7", "b9", "B12", "C1", "Ö1"}},
        // A letter works on the first field, whatever its case.
        {"B",
         [](frmDbSaetzeWaehlen& f) { f.cmdAuswahl[1]->click(); },
         "SELECT * FROM [Meine Pflanzen] WHERE [Nr] LIKE 'B*' ORDER BY [Nr]",
         {"B12", "B3", "b9"}},
        {"header 2",
         [](frmDbSaetzeWaehlen& f) { f.grdEigeneDB_HeadClick(2); },
         "SELECT * FROM [Meine Pflanzen] WHERE [Name] LIKE '*' ORDER BY [Ort]",
         {"C1", "b9", "B12", "A7", "Ö1"}},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        f.ausfuehren(w());
        EXPECT_EQ(w().Data1->recordSource(), f.sql);
        EXPECT_EQ(spalte(QStringLiteral("Nr")), f.nr);
        EXPECT_EQ(w().grdEigeneDBSpalten->rowCount(), f.nr.size());
    }
    // The table's name needs its brackets: a table name with "-".
    Schild(n).schliessen();
    const int32_t m = schildMitFeldern();
    eigeneLaden(m, eigene(), QStringLiteral("Preis-Liste"));
    w().cmdAlle->click();
    EXPECT_EQ(w().Data1->recordSource(),
              "SELECT * FROM [Preis-Liste] WHERE [Preis] LIKE '*' ORDER BY [Preis]");
    EXPECT_EQ(spalte(QStringLiteral("Art-Nr")), (QStringList{"B12", "A7"}));
}

// Selects the first two rows of the visible grid.
void zweiZeilenWaehlen(QTableView& g) {
    g.selectRow(0);
    g.selectionModel()->select(g.model()->index(1, 0),
                               QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

TEST_F(SaetzeTest, LetterWithSelectedRowsAsksFirst) {
    const int32_t n = schildMitFeldern();
    botrelLaden(n, kategorieDatei(QStringLiteral("vxt")));
    m_mdi->mnuDbDatensaetzeWaehlen_Click();
    std::vector<QList<jet::Bookmark>> uebertragen;
    const struct {
        const char* name;
        bool auswahl;
        Antwort antwort;
        size_t uebertragungen;
    } faelle[] = {{"nothing selected", false, Antwort::OK, 0},
                  {"No", true, Antwort::No, 0},
                  {"Yes", true, Antwort::Yes, 1}};
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        uebertragen.clear();
        w().cmdAlle->click();
        if (f.auswahl)
            zweiZeilenWaehlen(*w().grdDataGrid);
        SkriptDialoge d;
        if (f.auswahl)
            d.meldung(f.antwort).waehrend([&] {
                // The transfer, if any, comes after the answer.
                EXPECT_TRUE(uebertragen.empty());
            });
        // The transfer hides the window and unlocks, as it does when done.
        w().Uebertragung = [&] {
            uebertragen.push_back(w().SelBookmarks());
            w().hide();
            AllesFreigeben();
        };
        w().cmdAuswahl[25]->click();
        ASSERT_EQ(uebertragen.size(), f.uebertragungen);
        if (f.uebertragungen) {
            EXPECT_EQ(uebertragen[0].size(), 2);
            EXPECT_EQ(d.gezeigt()[0].titel, "Auswahl geht verloren!");
            EXPECT_EQ(d.gezeigt()[0].text, "Vorsicht! Die getroffene Auswahl geht verloren!\r"
                                           "Sollen die Daten jetzt auf die Schilder übertragen "
                                           "werden?");
            EXPECT_EQ(d.gezeigt()[0].stil, Msg::YesNo + Msg::Question);
        }
        // Whatever the answer: filtered, the selection gone, the window up and
        // the label windows locked.
        EXPECT_EQ(spalte(QStringLiteral("ARTNR")), (QStringList{"1009", "1008", "1004"}));
        EXPECT_FALSE(w().grdDataGrid->selectionModel()->hasSelection());
        EXPECT_TRUE(w().isVisible());
        EXPECT_FALSE(Schild(n).isEnabled());
        EXPECT_FALSE(m_mdi->menuAktiv("mnuDatei"));
    }
}

TEST_F(SaetzeTest, OpeningLocksClosingUnlocks) {
    const int32_t n = schildMitFeldern();
    const int32_t andere = [&] {
        const int32_t a = neuesSchild();
        return a;
    }();
    eigeneLaden(n, eigene(), QStringLiteral("Meine Pflanzen"));
    Schild(n).SetFocus();
    P().lngAktivesSchild = n;
    ASSERT_TRUE(m_mdi->menuAktiv("mnuDbDatensaetzeWaehlen"));
    m_mdi->resize(1000, 800);
    m_mdi->mnuDbDatensaetzeWaehlen_Click();
    EXPECT_TRUE(w().isVisible());
    EXPECT_TRUE(w().blnAnfangsPosition);
    EXPECT_EQ(w().windowTitle(), "Datensätze wählen");
    // Centred over the main window.
    const QPoint mitte = m_mdi->frameGeometry().center();
    EXPECT_LE(std::abs(w().frameGeometry().center().x() - mitte.x()), 2);
    EXPECT_LE(std::abs(w().frameGeometry().center().y() - mitte.y()), 2);
    // Opened from the menu it locks as the right click does, so that no
    // other window can become the template of the transfer.
    EXPECT_FALSE(Schild(n).isEnabled());
    EXPECT_FALSE(Schild(andere).isEnabled());
    EXPECT_FALSE(m_mdi->menuAktiv("mnuDatenbanken"));
    // The tool window losing the focus to a label window restores itself,
    // but must not hand back the insert buttons the lock took.
    auto* tools = dynamic_cast<frmTools*>(nachbarn().werkzeuge);
    ASSERT_NE(tools, nullptr);
    tools->Form_Deactivate();
    WerkzeugeWiederherstellen();
    EXPECT_FALSE(tools->einfuegenKnoepfeAktiv());

    const struct {
        const char* name;
        std::function<void()> schliessen;
    } wege[] = {{"Schliessen", [&] { w().cmdSchliessen->click(); }},
                {"close box", [&] { w().close(); }}};
    for (const auto& weg : wege) {
        SCOPED_TRACE(weg.name);
        w().move(10, 20);
        const QString quelle = w().Data1->recordSource();
        weg.schliessen();
        EXPECT_FALSE(w().isVisible());
        EXPECT_TRUE(Schild(n).isEnabled());
        EXPECT_TRUE(Schild(andere).isEnabled());
        EXPECT_TRUE(m_mdi->menuAktiv("mnuDatenbanken"));
        EXPECT_TRUE(tools->einfuegenKnoepfeAktiv());
        // Shown again: where the user left it, with its records.
        m_mdi->mnuDbDatensaetzeWaehlen_Click();
        EXPECT_EQ(w().pos(), QPoint(10, 20));
        EXPECT_EQ(w().Data1->recordSource(), quelle);
        EXPECT_TRUE(w().Data1->isBound());
    }
}

TEST_F(SaetzeTest, RightClickOnTheBackgroundOffersTheRecords) {
    const struct {
        const char* name;
        QStringList felder;
        bool binden;
        Qt::MouseButton knopf;
        bool offen;
    } faelle[] = {
        {"placeholder and database", {"<Bot Name>", "frei"}, true, Qt::RightButton, true},
        {"left button", {"<Bot Name>"}, true, Qt::LeftButton, false},
        {"no placeholder left", {"Abutilon"}, true, Qt::RightButton, false},
        {"no database", {"<Bot Name>"}, false, Qt::RightButton, false},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        const int32_t n = schildMitFeldern(f.felder);
        if (f.binden)
            direktBinden(n, kategorieDatei(QStringLiteral("vxt")), QStringLiteral("vxt"));
        w().Data1->setRecordSource(QString());
        Schild(n).Form_MouseDown(f.knopf, 10, 10);
        EXPECT_EQ(w().isVisible(), f.offen);
        EXPECT_EQ(!Schild(n).isEnabled(), f.offen);
        EXPECT_EQ(!w().Data1->recordSource().isEmpty(), f.offen);
        w().cmdSchliessen->click();
        Schild(n).schliessen();
    }
}

TEST_F(SaetzeTest, GridFollowsTheWindowHeight) {
    const int32_t n = schildMitFeldern();
    direktBinden(n, kategorieDatei(QStringLiteral("vxt")), QStringLiteral("vxt"));
    w().show();
    const int knoepfe = static_cast<int>(pixelZuTwips(w().picButtons->height()));
    EXPECT_EQ(knoepfe, 1710);
    for (const int hoehe : {500, 300, 120}) {
        w().resize(w().width(), hoehe);
        QApplication::processEvents();
        const int erwartet = std::max(0, w().Height() - (425 + knoepfe));
        EXPECT_NEAR(pixelZuTwips(w().grdDataGrid->height()), erwartet, 15) << hoehe;
        EXPECT_EQ(w().grdDataGrid->y(), w().picButtons->height());
    }
    // Minimised, the grid keeps its height.
    w().resize(w().width(), 400);
    QApplication::processEvents();
    const int vorher = w().grdDataGrid->height();
    w().setWindowState(Qt::WindowMinimized);
    w().resize(w().width(), 200);
    EXPECT_EQ(w().grdDataGrid->height(), vorher);
}

TEST_F(SaetzeTest, HelpKeyAndFieldValues) {
    QString thema;
    hilfeAufrufSetzen([&](const QString&, const QString& t) { thema = t; });
    QKeyEvent f1(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
    QApplication::sendEvent(w().grdDataGrid, &f1);
    hilfeAufrufSetzen({});
    EXPECT_EQ(thema, "5.htm");
    EXPECT_TRUE(f1.isAccepted());

    const int32_t n = schildMitFeldern();
    direktBinden(n, kategorieDatei(QStringLiteral("vxt")), QStringLiteral("vxt"));
    jet::Recordset& rs = *w().Data1->recordset();
    rs.moveFirst(); // 1010, whose botanical name is Null
    ASSERT_EQ(w().FeldWertLesen(QStringLiteral("ARTNR")).toInt64(), 1010);
    EXPECT_EQ(w().FeldWertLesen(QStringLiteral("Bot_Name")), jet::Value::text(QString()));
    EXPECT_EQ(w().FeldWertLesen(QStringLiteral("DTNAM")), jet::Value::text("Unbenannt"));
}

TEST_F(SaetzeTest, KindOutsideTheSixQueriesNothing) {
    const int32_t n = schildMitFeldern();
    direktBinden(n, kategorieDatei(QStringLiteral("vxt")), QStringLiteral("vxt"));
    db(n).BotrelDateiArt = QStringLiteral("mdb");
    w().cmdAlle->click();
    EXPECT_TRUE(w().Data1->recordSource().isEmpty());
    EXPECT_FALSE(w().Data1->isBound());
    EXPECT_EQ(w().grdDataGridSpalten->rowCount(), 0);
}

} // namespace
} // namespace sorvo::test

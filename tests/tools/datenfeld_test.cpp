// Data fields: the insert panel and its lists, the caption a display name
// gives for each kind of database, the user-defined properties, the
// picture field, the price field, and re-binding the field being edited.
#include "catalogue/mdlDruck.h"
#include "label/frmLabel.h"
#include "platform/canvas.h"
#include "platform/elements.h"
#include "tests/platform/jet/support/jet4_writer.h"
#include "tests/tools/werkzeug_fixture.h"
#include "tools/listen.h"

#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace sorvo::test {
namespace {

const QString kBenutzer = QStringLiteral("Benutzerdef. Eigenschaften");

// A plant database whose user-property names are "Duft" (property 1) and
// "Schnitt" (property 2) in every category.
QString namenDatenbank(const QString& ordner) {
    using jet::testing::Cell;
    std::vector<jet::testing::ColumnSpec> spalten;
    jet::testing::Row duft, schnitt;
    for (const char* k : {"Topfpflanzen", "Stauden", "Gehoelze", "Apfel", "Obst", "Friedhof"}) {
        spalten.push_back({QString::fromLatin1(k)});
        duft.push_back(Cell(QStringLiteral("Duft")));
        schnitt.push_back(Cell(QStringLiteral("Schnitt")));
    }
    jet::testing::Jet4Writer w;
    w.addTable(QStringLiteral("Namen_Benutzer_Optionen"), spalten, {duft, schnitt});
    const QString pfad = ordner + QStringLiteral("/pflanzen.mdb");
    w.write(pfad);
    return pfad;
}

// The database binding of a label window as far as the tool window sees it:
// it names the database and fills the field lists, as the real binding does
// from the catalogue or from an own table.
struct Bindung : DatenbankAuswahl {
    QString name;
    QStringList anzeige;
    QStringList spalten;
    int pflanzen = 0;
    int eigene = 0;
    void fuellen() const {
        nachbarn().werkzeuge->setDBName(name);
        nachbarn().werkzeuge->feldListenSetzen(anzeige, spalten);
    }
    void DbTabellenAnzeigen() override {
        ++pflanzen;
        fuellen();
    }
    void DbTabellenAnzeigenEigeneDb() override {
        ++eigene;
        fuellen();
    }
};

class DatenfeldTest : public WerkzeugTest {
protected:
    void TearDown() override {
        nachbarn().benutzerEigenschaftWaehlen = {};
        nachbarn().preisDialogZeigen = {};
        WerkzeugTest::TearDown();
    }
    // Binds the label to a category database of the given kind.
    Bindung& kategorie(const QString& art) {
        auto b = std::make_shared<Bindung>();
        b->BotrelDateiArt = art;
        const auto k = kategorieAusArt(art);
        EXPECT_TRUE(k.has_value());
        b->name = QStringLiteral("Kategorie ") + art;
        b->anzeige = varDfAnzeigeNamen(*k);
        b->spalten = varDfSpaltenNamen(*k);
        return binden(b, true);
    }
    // Binds the label to an own table with these columns.
    Bindung& eigeneTabelle(const QStringList& spalten) {
        auto b = std::make_shared<Bindung>();
        b->BotrelDateiArt = QStringLiteral("eig");
        b->EigeneDbTabName = QStringLiteral("Sorten");
        b->name = QStringLiteral("Sorten");
        b->anzeige = spalten;
        return binden(b, false);
    }
    Bindung& binden(std::shared_ptr<Bindung> b, bool pflanzen) {
        S(m_n).frmSchildDb = b;
        S(m_n).blnDbGeladen = true;
        S(m_n).blnPflanzenDb = pflanzen;
        S(m_n).strDbPfad = namenDatenbank(m_dir.path());
        return *b;
    }
    Beschriftung& feld() const { return m_f->lblDatenfeld(S(m_n).lngAktuellesDatenfeld); }
    // The user-property chooser answers with name ("" as its Cancel).
    void chooserAntwortet(const QString& name) {
        nachbarn().benutzerEigenschaftWaehlen = [this, name] {
            ++m_gewaehlt;
            // The names were read from the label's database before.
            m_geladen = P().strBenuNamen[0][1];
            m_t->BenuUebergabe = name;
        };
    }
    // A data field on the label, loaded for editing.
    void bearbeiten(const QString& caption) {
        ASSERT_TRUE(m_f->DatenfeldNeu());
        const int32_t i = S(m_n).lngAktuellesDatenfeld;
        m_f->lblDatenfeld(i).setCaption(caption);
        m_f->lblDatenfeld(i).setVisible(true);
        m_f->lblDatenfeld_DblClick(i);
        ASSERT_EQ(m_t->bearbeitung(), frmTools::Bearbeitung::Datenfeld);
    }
    void doppelklick(QListWidget* liste, const QString& text) {
        const int zeile = ersteZeile(liste, text);
        ASSERT_GE(zeile, 0) << text.toStdString();
        liste->setCurrentRow(zeile);
        emit liste->itemDoubleClicked(liste->item(zeile));
    }
    int m_gewaehlt = 0;
    QString m_geladen;
};

TEST_F(DatenfeldTest, WithoutDatabaseThePanelOpensEmpty) {
    m_t->feldListenSetzen({QStringLiteral("Sorte")}, {QStringLiteral("Sorte")});
    m_t->cmdEinfuegenDatenFeld->click();
    EXPECT_EQ(m_t->DBName(), "Keine Datenbank geladen!");
    EXPECT_EQ(m_t->lstFeldnamen->count(), 0);
    EXPECT_EQ(m_t->lstDfListe->count(), 0);
    EXPECT_TRUE(m_t->fraDatenfeld_E->isVisible());
    EXPECT_EQ(m_t->Height(), 5600);
    EXPECT_FALSE(m_t->cmdEinfuegenDatenFeld->isEnabled());
}

TEST_F(DatenfeldTest, OpeningRebindsTheLabelsDatabase) {
    struct Fall {
        bool pflanzen;
        int erwartetPflanzen, erwartetEigene;
    };
    for (const Fall f : {Fall{true, 1, 0}, Fall{false, 0, 1}}) {
        Bindung& b = f.pflanzen ? kategorie(QStringLiteral("vxs"))
                                : eigeneTabelle({QStringLiteral("Sorte"), QStringLiteral("Farbe")});
        m_t->cmdEinfuegenText->click();
        m_t->cmdEinfuegenDatenFeld->click();
        EXPECT_EQ(b.pflanzen, f.erwartetPflanzen);
        EXPECT_EQ(b.eigene, f.erwartetEigene);
        EXPECT_EQ(m_t->DBName(), b.name);
        EXPECT_EQ(m_t->feldnamenAnzahl(), b.anzeige.size());
        EXPECT_EQ(m_t->feldnamen2Anzahl(), b.spalten.size());
    }
}

TEST_F(DatenfeldTest, FieldListsSortThemselvesButTheColumnListKeepsItsOrder) {
    const QStringList anzeige = {"Sorte", "blüte", "Äpfel", "Name", "apfel", "Name"};
    const QStringList spalten = {"Sorte", "", "Blüte", "Name"};
    m_t->feldListenSetzen(anzeige, spalten);
    const QStringList sortiert = {"apfel", "Äpfel", "blüte", "Name", "Name", "Sorte"};
    EXPECT_EQ(eintraege(m_t->lstFeldnamen), sortiert);
    EXPECT_EQ(eintraege(m_t->lstDfListe), sortiert);
    EXPECT_EQ(eintraege(m_t->lstFeldnamen2), spalten);
    EXPECT_FALSE(m_t->lstFeldnamen2->isVisible());
}

TEST_F(DatenfeldTest, OwnTableFieldsGiveTheirNameAsCaption) {
    eigeneTabelle({QStringLiteral("Sorte"), QStringLiteral("Preis €"), QStringLiteral("Bild")});
    struct Fall {
        QString name, caption;
        int rahmen, hintergrundArt;
        bool autoSize;
    };
    const Fall faelle[] = {
        {"Sorte", "<Sorte>", 0, 1, true},
        {"Preis €", "<Preis €>", 0, 1, true},
        // "Bild" is the picture field in any database: a white framed box.
        {"Bild", "<Bild>", 1, 1, false},
    };
    for (const Fall& f : faelle) {
        m_t->cmdEinfuegenDatenFeld->click();
        doppelklick(m_t->lstFeldnamen, f.name);
        const Beschriftung& d = feld();
        EXPECT_EQ(d.Caption(), f.caption);
        EXPECT_EQ(d.BorderStyle(), f.rahmen) << f.name.toStdString();
        EXPECT_EQ(d.BackStyle(), f.hintergrundArt);
        EXPECT_EQ(d.AutoSize(), f.autoSize) << f.name.toStdString();
        EXPECT_TRUE(d.Visible());
        EXPECT_EQ(d.Left(), 0);
        EXPECT_EQ(d.Top(), 0);
        EXPECT_EQ(m_f->flaeche()->stapel().back(), &d);
        EXPECT_FALSE(m_t->fraDatenfeld_E->isVisible());
        EXPECT_EQ(m_t->Height(), 1850);
        EXPECT_TRUE(m_t->cmdEinfuegenDatenFeld->isEnabled());
        EXPECT_EQ(m_f->Caption(), "Schild 1*");
    }
    const Beschriftung& bildFeld = feld();
    EXPECT_EQ(bildFeld.BackColor(), RGB(255, 255, 255));
    // It keeps the size its caption gave it.
    EXPECT_GT(bildFeld.Width(), 0);
    EXPECT_GT(bildFeld.Height(), 0);
    EXPECT_EQ(m_f->DatenfeldZaehlen(), 3);
}

TEST_F(DatenfeldTest, UserPropertyChooserGivesTheCaption) {
    eigeneTabelle({kBenutzer});
    m_t->BenuUebergabe = QStringLiteral("früher gewählt");
    // Cancelled: nothing inserted, the panel stays open, the label unchanged.
    chooserAntwortet(QString());
    m_t->cmdEinfuegenDatenFeld->click();
    doppelklick(m_t->lstFeldnamen, kBenutzer);
    EXPECT_EQ(m_gewaehlt, 1);
    EXPECT_EQ(m_f->DatenfeldZaehlen(), 0);
    EXPECT_TRUE(m_t->fraDatenfeld_E->isVisible());
    EXPECT_TRUE(unveraendert());
    // Closed by its close box, the chooser leaves the name as it was: an
    // earlier choice must not be inserted.
    nachbarn().benutzerEigenschaftWaehlen = [this] { ++m_gewaehlt; };
    doppelklick(m_t->lstFeldnamen, kBenutzer);
    EXPECT_EQ(m_f->DatenfeldZaehlen(), 0);
    // Chosen.
    chooserAntwortet(QStringLiteral("Duft"));
    doppelklick(m_t->lstFeldnamen, kBenutzer);
    EXPECT_EQ(m_geladen, "Schnitt");
    EXPECT_EQ(m_f->DatenfeldZaehlen(), 1);
    EXPECT_EQ(feld().Caption(), "<Duft>");
    EXPECT_FALSE(m_t->fraDatenfeld_E->isVisible());
}

TEST_F(DatenfeldTest, UnreadableDatabaseOffersNoUserProperty) {
    eigeneTabelle({kBenutzer});
    S(m_n).strDbPfad = m_dir.filePath(QStringLiteral("fehlt.mdb"));
    chooserAntwortet(QStringLiteral("Duft"));
    m_t->cmdEinfuegenDatenFeld->click();
    SkriptDialoge d;
    d.meldung(Antwort::OK);
    doppelklick(m_t->lstFeldnamen, kBenutzer);
    ASSERT_EQ(d.gezeigt().size(), 1u);
    EXPECT_EQ(d.gezeigt()[0].titel, "Datenbankfehler");
    EXPECT_TRUE(d.gezeigt()[0].text.contains(QStringLiteral("fehlt.mdb")));
    EXPECT_EQ(m_gewaehlt, 0);
    EXPECT_EQ(m_f->DatenfeldZaehlen(), 0);
    EXPECT_TRUE(m_t->fraDatenfeld_E->isVisible());
    EXPECT_TRUE(unveraendert());
}

// Each category's display names give the short name at the same position.
TEST_F(DatenfeldTest, CategoryDisplayNamesGiveTheirShortNames) {
    struct Fall {
        const char* art;
        QString name, caption;
    };
    const Fall faelle[] = {
        {"vxt", "unscheinbare Blüte", "<Bl. unscheinbar>"},
        {"vxt", "Synonyme", "<Syn.>"},
        {"vxs", "Pflanzentyp", "<Typ>"},
        {"vxs", "Bemerkung (Botrel)", "<Bemerkung>"},
        {"vxg", "Laub-/Nadelgehölz", "<Laub-/Nadel>"},
        {"vxg", "Durchmesser maximal", "<Durchmesser max>"},
        {"vxa", "Deckfarbe (Ausdehnung)", "<Deckf.(Ausdehnung)>"},
        {"vxo", "Als Befruchtersorte", "<Als Befruchtersorte geeignet>"},
        {"vxf", "Durchmesser max.", "<Durchmesser max>"},
        {"vxf", "Sorvo-Preis", "<Sorvo-Preis>"},
    };
    for (const Fall& f : faelle) {
        kategorie(QString::fromLatin1(f.art));
        m_t->cmdEinfuegenText->click();
        m_t->cmdEinfuegenDatenFeld->click();
        // The lists hold the category's vocabulary, sorted.
        EXPECT_EQ(m_t->DBName(), QStringLiteral("Kategorie ") + QString::fromLatin1(f.art));
        doppelklick(m_t->lstFeldnamen, f.name);
        EXPECT_EQ(feld().Caption(), f.caption) << f.art;
        EXPECT_EQ(feld().BorderStyle(), 0);
        EXPECT_TRUE(feld().AutoSize());
    }
    EXPECT_EQ(m_f->DatenfeldZaehlen(), static_cast<int32_t>(std::size(faelle)));
}

TEST_F(DatenfeldTest, PictureAndUserPropertiesInEveryCategory) {
    for (const char* art : {"vxt", "vxs", "vxg", "vxa", "vxo", "vxf"}) {
        kategorie(QString::fromLatin1(art));
        m_t->cmdEinfuegenText->click();
        m_t->cmdEinfuegenDatenFeld->click();
        doppelklick(m_t->lstFeldnamen, QStringLiteral("Bild"));
        EXPECT_EQ(feld().Caption(), "<Bild>") << art;
        EXPECT_EQ(feld().BorderStyle(), 1) << art;
        EXPECT_EQ(feld().BackColor(), RGB(255, 255, 255)) << art;
        EXPECT_FALSE(feld().AutoSize()) << art;
        // Not every category has the user-defined properties.
        if (ersteZeile(m_t->lstFeldnamen, kBenutzer) < 0)
            continue;
        chooserAntwortet(QStringLiteral("Schnitt"));
        m_t->cmdEinfuegenDatenFeld->click();
        doppelklick(m_t->lstFeldnamen, kBenutzer);
        EXPECT_EQ(feld().Caption(), "<Schnitt>") << art;
    }
    // All but the cemetery plants have them.
    EXPECT_EQ(m_gewaehlt, 5);
}

TEST_F(DatenfeldTest, ANameTheVocabularyLacksChangesNothing) {
    kategorie(QStringLiteral("vxs"));
    m_t->DatenfeldEinfuegen(QStringLiteral("Gibt es nicht"));
    EXPECT_EQ(m_f->DatenfeldZaehlen(), 0);
    EXPECT_TRUE(unveraendert());
    bearbeiten(QStringLiteral("<Typ>"));
    m_t->lstDfListe->addItem(QStringLiteral("Gibt es nicht"));
    doppelklick(m_t->lstDfListe, QStringLiteral("Gibt es nicht"));
    EXPECT_EQ(feld().Caption(), "<Typ>");
    doppelklick(m_t->lstDfListe, QStringLiteral("Bodenart"));
    EXPECT_EQ(feld().Caption(), "<B.art>");
    m_t->cmdCancel_d->click();
    EXPECT_EQ(feld().Caption(), "<Typ>");
}

TEST_F(DatenfeldTest, RebindingChangesOnlyTheCaption) {
    eigeneTabelle({QStringLiteral("Sorte"), QStringLiteral("Farbe"), kBenutzer});
    bearbeiten(QStringLiteral("<Sorte>"));
    Beschriftung& d = feld();
    const Farbe markiert = d.BackColor();
    const double links = d.Left();
    ASSERT_EQ(m_t->lstDfListe->count(), 3);
    EXPECT_TRUE(m_t->lstDfListe->selectedItems().isEmpty());

    doppelklick(m_t->lstDfListe, QStringLiteral("Farbe"));
    EXPECT_EQ(d.Caption(), "<Farbe>");
    EXPECT_EQ(d.BackColor(), markiert); // still marked as being edited
    EXPECT_EQ(d.Left(), links);
    chooserAntwortet(QString());
    doppelklick(m_t->lstDfListe, kBenutzer);
    EXPECT_EQ(d.Caption(), "<Farbe>");
    chooserAntwortet(QStringLiteral("Duft"));
    doppelklick(m_t->lstDfListe, kBenutzer);
    EXPECT_EQ(d.Caption(), "<Duft>");
    // Not announced; Cancel gives the old caption back.
    EXPECT_TRUE(unveraendert());
    m_t->cmdCancel_d->click();
    EXPECT_EQ(d.Caption(), "<Sorte>");
    EXPECT_TRUE(unveraendert());
}

TEST_F(DatenfeldTest, PriceFieldAsksForThePricesFirst) {
    eigeneTabelle({QStringLiteral("Sorte")});
    struct Fall {
        bool geladen;
        std::optional<Antwort> antwort; // none: no question
        bool dialogLaedt;
        bool eingefuegt;
    };
    const Fall faelle[] = {
        {true, std::nullopt, false, true},
        {false, Antwort::No, false, true},
        {false, Antwort::Yes, false, false},
        {false, Antwort::Yes, true, true},
    };
    for (const Fall& f : faelle) {
        S(m_n).blnPreisDbGeladen = f.geladen;
        S(m_n).strPreisSpalte = f.geladen ? QStringLiteral("Sorte") : QString();
        S(m_n).blnGeaendert = false;
        int gezeigt = 0;
        nachbarn().preisDialogZeigen = [&] {
            ++gezeigt;
            S(m_n).blnPreisDbGeladen = f.dialogLaedt;
        };
        const int32_t vorher = m_f->DatenfeldZaehlen();
        SkriptDialoge d;
        if (f.antwort)
            d.meldung(*f.antwort);
        m_t->PreisfeldEinfuegen();
        if (f.antwort) {
            ASSERT_EQ(d.gezeigt().size(), 1u);
            EXPECT_EQ(d.gezeigt()[0].text, "Es wurde noch keine Preise-Datenbank geladen!\rSoll "
                                           "dies jetzt nachgeholt werden?");
            EXPECT_EQ(d.gezeigt()[0].titel, "Keine Preise-Datenbank geladen!");
            EXPECT_EQ(d.gezeigt()[0].stil, Msg::YesNo + Msg::Question);
        }
        EXPECT_EQ(gezeigt, f.antwort == Antwort::Yes ? 1 : 0);
        EXPECT_EQ(m_f->DatenfeldZaehlen(), vorher + (f.eingefuegt ? 1 : 0));
        EXPECT_EQ(S(m_n).blnGeaendert, f.eingefuegt);
        if (f.eingefuegt) {
            EXPECT_EQ(feld().Caption(), "<Sorvo-Preis>");
        }
    }
}

} // namespace
} // namespace sorvo::test

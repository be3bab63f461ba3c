// Unloading a label window's database.
#include "label/frmLabel.h"
#include "label/unterprogramme.h"
#include "platform/elements.h"
#include "tests/database/db_fixture.h"

namespace sorvo::test {
namespace {

using EntladenTest = DbTest;

std::vector<int32_t> reihenfolge(int32_t n) {
    const auto& e = S(n);
    return {e.lngReihenfolge.begin() + 1, e.lngReihenfolge.begin() + 1 + e.lngReihenfolgeAnzahl};
}

TEST_F(EntladenTest, PlaceholdersGoTheRestStays) {
    const int32_t n = schildMitFeldern({"<Bot Name>", "Abutilon", "<Deu Name>"});
    frmLabel& f = Schild(n);
    ASSERT_TRUE(f.TextNeu());
    const int32_t text = S(n).lngAktuellerText;
    f.lblText(text).setCaption(QStringLiteral("Preis:"));
    botrelLaden(n, kategorieDatei(QStringLiteral("vxs")));
    S(n).strPreisDbPfad = QStringLiteral("/preise/liste.txt");
    S(n).strPreisDateiName = QStringLiteral("liste");
    S(n).strPreisSpalte = QStringLiteral("Deutscher Name");
    S(n).blnPreisDbGeladen = true;
    ASSERT_EQ(reihenfolge(n), (std::vector<int32_t>{31, 32, 33, 10 + text}));
    m_mdi->menuAktivSetzen(QStringLiteral("mnuDBWechseln"), true);

    SkriptDialoge d;
    d.meldung(Antwort::Yes);
    m_mdi->mnuDbEntladen_Click();
    EXPECT_EQ(d.gezeigt()[0].titel, "Sorvo");
    EXPECT_EQ(d.gezeigt()[0].stil, Msg::YesNo + Msg::Exclamation);
    EXPECT_EQ(d.gezeigt()[0].text, "Vorsicht! Beim Entladen einer Datenbank werden automatisch "
                                   "alle Datenfelder gelöscht!\rWollen Sie die Datenbank "
                                   "wirklich entladen?");

    // The placeholders are free slots and out of the stacking order, as the
    // element store leaves a deleted data field.
    for (const int32_t i : {1, 3}) {
        EXPECT_FALSE(f.DatenfeldStatusLesen(i)) << i;
        EXPECT_TRUE(f.lblDatenfeld(i).Caption().isEmpty()) << i;
        EXPECT_FALSE(f.lblDatenfeld(i).Visible()) << i;
    }
    EXPECT_TRUE(f.DatenfeldStatusLesen(2));
    EXPECT_EQ(f.lblDatenfeld(2).Caption(), "Abutilon");
    EXPECT_EQ(f.lblText(text).Caption(), "Preis:");
    EXPECT_EQ(reihenfolge(n), (std::vector<int32_t>{32, 10 + text}));

    const auto& e = S(n);
    EXPECT_TRUE(e.strDbPfad.isEmpty());
    EXPECT_TRUE(e.strDbArt.isEmpty());
    EXPECT_TRUE(e.strPreisDbPfad.isEmpty());
    EXPECT_TRUE(e.strPreisDateiName.isEmpty());
    EXPECT_TRUE(e.strPreisSpalte.isEmpty());
    EXPECT_FALSE(e.blnPflanzenDb);
    EXPECT_FALSE(e.blnDbGeladen);
    EXPECT_FALSE(e.blnPreisDbGeladen);
    EXPECT_FALSE(P().blnVorlageGeoeffnet);
    EXPECT_EQ(w().Data1->caption(), "Keine Datenbank geladen!");
    EXPECT_FALSE(w().Data1->isBound());
    EXPECT_TRUE(w().Data2->databaseName().isEmpty());
    // The object keeps its kind for the next choice.
    EXPECT_EQ(db(n).BotrelDateiArt, "vxs");

    const struct {
        const char* menue;
        bool an;
    } menues[] = {{"mnuDbLaden", true},          {"mnuDbEigeneLaden", true},
                  {"mnuDbEntladen", false},      {"mnuDbDatensaetzeWaehlen", false},
                  {"mnuPreisedatenbank", false}, {"mnuDBWechseln", true}};
    for (const auto& m : menues)
        EXPECT_EQ(m_mdi->menuAktiv(QString::fromLatin1(m.menue)), m.an) << m.menue;
    EXPECT_EQ(f.Caption(), "Schild 1*");
    EXPECT_TRUE(e.blnGeaendert);
}

TEST_F(EntladenTest, NoKeepsTheDatabase) {
    const int32_t n = schildMitFeldern();
    botrelLaden(n, kategorieDatei(QStringLiteral("vxt")));
    const QString caption = Schild(n).Caption();
    SkriptDialoge d;
    d.meldung(Antwort::No);
    m_mdi->mnuDbEntladen_Click();
    EXPECT_EQ(Schild(n).Caption(), caption);
    EXPECT_TRUE(S(n).blnDbGeladen);
    EXPECT_TRUE(P().blnVorlageGeoeffnet);
    EXPECT_TRUE(Schild(n).DatenfeldStatusLesen(1));
    EXPECT_TRUE(w().Data1->isBound());
}

TEST_F(EntladenTest, LabelWithoutDataFields) {
    const int32_t n = schildMitFeldern({});
    eigeneLaden(n, eigene(), QStringLiteral("Meine Pflanzen"));
    ASSERT_TRUE(S(n).blnDbGeladen);
    SkriptDialoge d;
    d.meldung(Antwort::Yes);
    m_mdi->mnuDbEntladen_Click();
    EXPECT_FALSE(S(n).blnDbGeladen);
    EXPECT_EQ(S(n).lngReihenfolgeAnzahl, 0);
    EXPECT_FALSE(Schild(n).Caption().contains("Vorlage"));
    EXPECT_TRUE(m_mdi->menuAktiv("mnuDbLaden"));
}

} // namespace
} // namespace sorvo::test

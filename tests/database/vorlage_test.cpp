// Templates with a database and a prices file: saved, opened again and
// bound, and opened while their database is missing.
#include "label/frmLabel.h"
#include "label/unterprogramme.h"
#include "platform/bilder.h"
#include "platform/elements.h"
#include "tests/database/db_fixture.h"

#include <QFile>
#include <QLabel>

namespace sorvo::test {
namespace {

class VorlageDbTest : public DbTest {
protected:
    // A label bound to a copy of the perennials' file, with a data field
    // and a prices file joined on "Deutscher Name", saved as a template and
    // closed. Returns the template's path.
    QString vorlageSpeichern() {
        m_db = m_eigenerOrdner.filePath(QStringLiteral("garten.vxs"));
        QFile::copy(kategorieDatei(QStringLiteral("vxs")), m_db);
        const int32_t n = schildMitFeldern({QStringLiteral("<Bot Name>")});
        botrelLaden(n, m_db);
        S(n).strPreisDbPfad = datei(QStringLiteral("preise.txt"), "Nr;Preis\r\n1001;2,50\r\n");
        S(n).strPreisSpalte = QStringLiteral("Deutscher Name");
        db(n).DBPreiseLaden();
        const QString pfad = m_eigenerOrdner.filePath(QStringLiteral("stauden.vxp"));
        {
            SkriptDialoge d;
            d.speichern(pfad);
            m_mdi->mnuDateiSpeichernunter_Click();
        }
        Schild(n).schliessen();
        EXPECT_FALSE(P().blnVorlageGeoeffnet);
        return pfad;
    }
    // Runs "Öffnen" (the caller scripts the file choice and what follows)
    // and returns the template's window.
    int32_t oeffnen() {
        int32_t n = 1;
        while (n <= P().hoechstesSchild() && !P().Schilder[n].blnSchildFrei)
            ++n;
        m_mdi->mnuDateiOeffnen_Click();
        return n;
    }
    QString m_db;
};

TEST_F(VorlageDbTest, OpenedTemplateIsBoundAgain) {
    const QString pfad = vorlageSpeichern();
    SkriptDialoge d;
    d.oeffnen(pfad);
    const int32_t n = oeffnen();
    EXPECT_EQ(Schild(n).Caption(), "stauden.vxp (Vorlage)");
    EXPECT_TRUE(titelleisteZeigt(Schild(n), fensterBild(QStringLiteral("vorlage"))));
    EXPECT_TRUE(P().blnVorlageGeoeffnet);
    EXPECT_TRUE(S(n).blnDbGeladen);
    EXPECT_EQ(db(n).BotrelDateiArt, "vxs");
    EXPECT_EQ(w().Data1->databaseName(), m_db);
    EXPECT_EQ(w().Data1->caption(), "Stauden");
    EXPECT_EQ(nachbarn().werkzeuge->DBName(), "Stauden");
    EXPECT_EQ(Schild(n).lblDatenfeld(1).Caption(), "<Bot Name>");
    EXPECT_TRUE(m_mdi->menuAktiv(QStringLiteral("mnuDbDatensaetzeWaehlen")));
    EXPECT_TRUE(S(n).blnPreisDbGeladen);
    EXPECT_EQ(S(n).strPreisSpalte, "Deutscher Name");
    EXPECT_EQ(DbPreis().lblDatenfeld->text(), "Deutscher Name");
    EXPECT_EQ(DbPreis().DBGrid1Spalten->rowCount(), 1);

    // A second template with a database is refused while this one is open.
    SkriptDialoge zweite;
    zweite.oeffnen(pfad).meldung(Antwort::OK);
    const int32_t m = oeffnen();
    EXPECT_EQ(zweite.gezeigt().at(1).text,
              "Es kann nur eine einzige Vorlage geöffnet werden!\rDas Laden wird abgebrochen.");
    EXPECT_TRUE(S(m).blnSchildFrei);
    EXPECT_TRUE(S(n).blnDbGeladen);
    EXPECT_TRUE(P().blnVorlageGeoeffnet);
}

TEST_F(VorlageDbTest, MissingDatabaseAnsweredNoAndYes) {
    const QString pfad = vorlageSpeichern();
    ASSERT_TRUE(QFile::remove(m_db));
    const QString frage = QStringLiteral("Die Datei (Datenbank)\r") + m_db +
                          QStringLiteral("\rkonnte nicht gefunden werden!\r\rWollen Sie eine "
                                         "andere Botrel-Datenbank auswählen?");
    {
        // No: texts and pictures only, the window changed and unbound.
        SkriptDialoge d;
        d.oeffnen(pfad).meldung(Antwort::No);
        const int32_t n = oeffnen();
        EXPECT_EQ(d.gezeigt().at(1).text, frage);
        EXPECT_EQ(d.gezeigt().at(1).titel, "Datei nicht vorhanden!");
        EXPECT_FALSE(S(n).blnDbGeladen);
        EXPECT_TRUE(S(n).strDbPfad.isEmpty());
        EXPECT_FALSE(P().blnVorlageGeoeffnet);
        EXPECT_EQ(Schild(n).DatenfeldZaehlen(), 0);
        EXPECT_EQ(Schild(n).Caption(), "stauden.vxp*");
        EXPECT_TRUE(m_mdi->menuAktiv("mnuDbLaden"));
        S(n).blnGeaendert = false;
        Schild(n).schliessen();
    }
    {
        // Yes: another file of the same category, which binds; the data
        // fields are read.
        const QString ersatz = kategorieDatei(QStringLiteral("vxs"));
        SkriptDialoge d;
        d.oeffnen(pfad).meldung(Antwort::Yes).oeffnen(ersatz);
        const int32_t n = oeffnen();
        EXPECT_EQ(
            d.gezeigt().at(2).datei.filter,
            (QStringList{"Botrel-Datenbank (botrel.mdb)", "Sorvo-Datenbank für Stauden (*.vxs)"}));
        EXPECT_TRUE(S(n).blnDbGeladen);
        EXPECT_EQ(S(n).strDbPfad, ersatz);
        EXPECT_EQ(w().Data1->databaseName(), ersatz);
        EXPECT_EQ(Schild(n).DatenfeldZaehlen(), 1);
        EXPECT_EQ(Schild(n).Caption(), "stauden.vxp* (Vorlage)");
        S(n).blnGeaendert = false;
        Schild(n).schliessen();
    }
    {
        // Yes, then the file choice cancelled: as No.
        SkriptDialoge d;
        d.oeffnen(pfad).meldung(Antwort::Yes).oeffnen(std::nullopt);
        const int32_t n = oeffnen();
        EXPECT_FALSE(S(n).blnDbGeladen);
        EXPECT_TRUE(S(n).strDbPfad.isEmpty());
        EXPECT_EQ(Schild(n).DatenfeldZaehlen(), 0);
        EXPECT_FALSE(P().blnVorlageGeoeffnet);
    }
}

} // namespace
} // namespace sorvo::test

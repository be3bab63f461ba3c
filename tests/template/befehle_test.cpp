// Save, Save As and Open, and the save question of a closing label window.
#include "app/werkzeugleiste.h"
#include "label/frmLabel.h"
#include "label/programm.h"
#include "label/unterprogramme.h"
#include "template/vorlage.h"
#include "tests/template/vorlage_fixture.h"
#include "tools/frmTools.h"

#include <QApplication>
#include <QFile>
#include <QMdiArea>
#include <functional>

namespace sorvo::test {
namespace {

class BefehleTest : public VorlagenTest {
protected:
    bool zeigtIcon(int32_t w, const char* key) const {
        const QIcon soll = m_mdi->fensterIcon(QString::fromLatin1(key));
        return Schild(w).windowIcon().pixmap(16).toImage() == soll.pixmap(16).toImage();
    }
    QString knopfBild(const char* name) const {
        return m_mdi->picMenue()->knopf(QString::fromLatin1(name))->bild();
    }
};

TEST_F(BefehleTest, SaveAsAppendsTheExtensionBeforeAskingToOverwrite) {
    const int32_t w = schild();
    text(QStringLiteral("neu"));
    const QString rosen = dateiSchreiben(QStringLiteral("rosen.vxp"), "alt");
    const QString frage =
        QStringLiteral("rosen.vxp ist bereits vorhanden.\rMöchten Sie die Datei ersetzen?");
    {
        // "rosen" names the existing "rosen.vxp": asked; No shows the dialog
        // again, whose Cancel leaves everything as it was.
        SkriptDialoge d;
        d.speichern(pfad(QStringLiteral("rosen"))).meldung(Antwort::No).speichern(std::nullopt);
        EXPECT_FALSE(nachbarn().vorlagen->VorlageSpeichernUnter());
        ASSERT_EQ(d.gezeigt().size(), 3u);
        const DateiAuswahl& a = d.gezeigt()[0].datei;
        EXPECT_EQ(a.titel, "Speichern unter");
        EXPECT_TRUE(a.dateiname.endsWith(QStringLiteral("*.vxp")));
        EXPECT_EQ(a.filter, (QStringList{"Sorvo-Datei (*.vxp)", "Alle Dateien (*)"}));
        EXPECT_FALSE(a.ueberschreibenFragen);
        EXPECT_EQ(d.gezeigt()[1].text, frage);
        EXPECT_EQ(d.gezeigt()[1].stil, Msg::YesNo + Msg::Exclamation);
    }
    EXPECT_EQ(dateiLesen(rosen), "alt");
    EXPECT_TRUE(S(w).strVorlageDatei.isEmpty());
    EXPECT_TRUE(S(w).blnGeaendert);
    EXPECT_EQ(Schild(w).Caption(), "Schild 1*");

    SkriptDialoge d;
    d.speichern(pfad(QStringLiteral("rosen"))).meldung(Antwort::Yes);
    EXPECT_TRUE(nachbarn().vorlagen->VorlageSpeichernUnter());
    EXPECT_EQ(dateiLesen(rosen), vorlageBytes(w));
    EXPECT_EQ(S(w).strVorlageDatei, rosen);
    EXPECT_EQ(Schild(w).Caption(), "rosen.vxp");
    EXPECT_FALSE(S(w).blnGeaendert);
    EXPECT_TRUE(zeigtIcon(w, "pen04"));
}

TEST_F(BefehleTest, SaveFallsBackToSaveAsAndWritesBackLater) {
    const int32_t w = schild();
    {
        SkriptDialoge d;
        d.speichern(std::nullopt);
        m_mdi->mnuDateiSpeichern_Click();
    }
    EXPECT_EQ(knopfBild("cmdSpeichern"), "save_n");
    EXPECT_TRUE(S(w).blnGeaendert);
    EXPECT_EQ(Schild(w).Caption(), "Schild 1*");
    {
        SkriptDialoge d;
        d.speichern(pfad(QStringLiteral("tulpen")));
        m_mdi->mnuDateiSpeichern_Click();
    }
    const QString datei = pfad(QStringLiteral("tulpen.vxp"));
    EXPECT_EQ(S(w).strVorlageDatei, datei);
    // Later saves write to the same file without asking.
    text(QStringLiteral("dazu"));
    SchildGeaendert();
    EXPECT_EQ(Schild(w).Caption(), "tulpen.vxp*");
    m_mdi->mnuDateiSpeichern_Click();
    EXPECT_EQ(dateiLesen(datei), vorlageBytes(w));
    EXPECT_EQ(Schild(w).Caption(), "tulpen.vxp");
    EXPECT_FALSE(S(w).blnGeaendert);
}

TEST_F(BefehleTest, TheDatabaseTemplateKeepsItsSuffixAndIcon) {
    const int32_t w = schild();
    S(w).blnDbGeladen = true;
    S(w).strDbPfad = QStringLiteral("C:\\Daten\\botrel.mdb");
    P().blnVorlageGeoeffnet = true;
    Schild(w).setIcon(m_mdi->fensterIcon(QStringLiteral("vorlage")));
    SkriptDialoge d;
    d.speichern(pfad(QStringLiteral("rosen.vxp")));
    EXPECT_TRUE(VorlageSpeichernUnter());
    EXPECT_EQ(Schild(w).Caption(), "rosen.vxp (Vorlage)");
    EXPECT_TRUE(zeigtIcon(w, "vorlage"));
    SchildGeaendert();
    EXPECT_TRUE(VorlageSpeichern());
    EXPECT_EQ(Schild(w).Caption(), "rosen.vxp (Vorlage)");
}

TEST_F(BefehleTest, AFailedSaveIsReportedAndChangesNothing) {
    const int32_t w = schild();
    const QString alt = dateiSchreiben(QStringLiteral("alt.vxp"), "alt");
    S(w).strVorlageDatei = pfad(QStringLiteral("fehlt/rosen.vxp"));
    SchildGeaendert();
    {
        SkriptDialoge d;
        d.meldung(Antwort::OK);
        EXPECT_FALSE(VorlageSpeichern());
        EXPECT_EQ(d.gezeigt().at(0).text, "Pfad nicht gefunden (76)");
        EXPECT_EQ(d.gezeigt().at(0).titel, "Laufzeitfehler");
        EXPECT_EQ(d.gezeigt().at(0).stil, Msg::OK + Msg::Critical);
    }
    EXPECT_EQ(S(w).strVorlageDatei, pfad(QStringLiteral("fehlt/rosen.vxp")));
    EXPECT_EQ(Schild(w).Caption(), "rosen.vxp*");
    EXPECT_TRUE(S(w).blnGeaendert);

    // Save As over an existing file, with a position the file cannot hold.
    text(QStringLiteral("weit weg"), 50000);
    SkriptDialoge d;
    d.speichern(alt).meldung(Antwort::Yes).meldung(Antwort::OK);
    EXPECT_FALSE(VorlageSpeichernUnter());
    EXPECT_EQ(d.gezeigt().at(2).text, "Überlauf (6)");
    EXPECT_EQ(dateiLesen(alt), "alt");
    EXPECT_EQ(S(w).strVorlageDatei, pfad(QStringLiteral("fehlt/rosen.vxp")));
    EXPECT_TRUE(S(w).blnGeaendert);
}

TEST_F(BefehleTest, OpenMakesANewWindowWithTheFileTitle) {
    // After the last window closed the file commands are disabled.
    const int32_t a = schild();
    text(QStringLiteral("Rose"), 10, 10);
    const QString vorher = zustand(a);
    const QString datei = dateiSchreiben(QStringLiteral("rose.vxp"), vorlageBytes(a));
    S(a).blnGeaendert = false;
    Schild(a).schliessen();
    ASSERT_FALSE(m_mdi->menuAktiv(QStringLiteral("mnuDateiSpeichern")));
    {
        SkriptDialoge d;
        d.oeffnen(std::nullopt);
        m_mdi->mnuDateiOeffnen_Click();
        EXPECT_EQ(d.gezeigt().at(0).datei.titel, "Öffnen");
        EXPECT_TRUE(d.gezeigt().at(0).datei.mussExistieren);
    }
    EXPECT_EQ(SchilderZaehlen(), 0);

    SkriptDialoge d;
    d.oeffnen(datei);
    m_mdi->mnuDateiOeffnen_Click();
    ASSERT_EQ(SchilderZaehlen(), 1);
    const int32_t n = P().lngAktivesSchild;
    EXPECT_EQ(Schild(n).Caption(), "rose.vxp");
    EXPECT_EQ(S(n).strVorlageDatei, datei);
    EXPECT_FALSE(S(n).blnGeaendert);
    EXPECT_TRUE(Schild(n).isVisible());
    EXPECT_TRUE(zeigtIcon(n, "pen04"));
    EXPECT_EQ(zustand(n), vorher);
    for (const char* m :
         {"mnuDateiSpeichern", "mnuDateiSpeichernunter", "mnuDateiSchliessen", "mnuDrucken"})
        EXPECT_TRUE(m_mdi->menuAktiv(QString::fromLatin1(m))) << m;
    for (const char* k : {"cmdSpeichern", "cmdDrucken", "cmdVorschau"})
        EXPECT_TRUE(m_mdi->knopfAktiv(QString::fromLatin1(k))) << k;
    EXPECT_EQ(knopfBild("cmdDrucken"), "print_n");
    EXPECT_TRUE(P().blnWerkzeugeAktiv);
}

// A window that takes the number of a closed one is the window the user
// works in next, as one with a fresh number is: in front, active, current,
// ticked in the window menu and named by the tool window. Its elements and
// its saving go to it, not to the window that was in front before.
TEST_F(BefehleTest, AWindowInAClosedWindowsPlaceIsTheCurrentOne) {
    const QString datei = dateiSchreiben(QStringLiteral("rose.vxp"), vorlageBytes(schild()));
    Schild(1).schliessen();
    QMdiArea* bereich = m_mdi->mdiBereich();
    const struct {
        const char* wie;
        std::function<int32_t()> machen;
        QString werkzeug;
    } faelle[] = {
        {"Neues Schild", [this] { return neuesSchild(); }, QStringLiteral("Werkzeuge - Schild: 1")},
        {"Öffnen",
         [&] {
             SkriptDialoge d;
             d.oeffnen(datei);
             m_mdi->mnuDateiOeffnen_Click();
             return 1;
         },
         QStringLiteral("Werkzeuge - rose.vxp")},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.wie);
        for (int i = 0; i < 3; ++i)
            schild();
        Schild(1).SetFocus();
        Schild(1).schliessen();
        ASSERT_EQ(P().lngAktivesSchild, 2);
        Schild(3).SetFocus();
        const int32_t n = f.machen();
        QApplication::processEvents();
        ASSERT_EQ(n, 1);
        ASSERT_FALSE(S(n).blnSchildFrei);
        EXPECT_EQ(P().lngAktivesSchild, n);
        EXPECT_EQ(bereich->activeSubWindow(), &Schild(n));
        EXPECT_EQ(bereich->subWindowList(QMdiArea::StackingOrder).last(), &Schild(n));
        EXPECT_TRUE(fensterHaken(*m_mdi).endsWith(Schild(n).Caption()))
            << fensterHaken(*m_mdi).toStdString();
        EXPECT_EQ(m_mdi->werkzeuge()->Caption(), f.werkzeug);
        // The next text goes into it.
        text(QStringLiteral("hierher"));
        EXPECT_TRUE(zustand(n).contains(QStringLiteral("hierher")));
        EXPECT_FALSE(zustand(3).contains(QStringLiteral("hierher")));
        for (int32_t i = 1; i <= P().hoechstesSchild(); ++i)
            if (!S(i).blnSchildFrei)
                Schild(i).schliessen();
    }
}

TEST_F(BefehleTest, ATemplateNamedInCapitalsIsSavedUnderASecondExtension) {
    const int32_t a = schild();
    const QString gross = dateiSchreiben(QStringLiteral("ALT.VXP"), vorlageBytes(a));
    SkriptDialoge d;
    d.oeffnen(gross);
    const int32_t n = oeffnen();
    EXPECT_EQ(Schild(n).Caption(), "ALT.VXP");
    EXPECT_TRUE(VorlageSpeichern());
    EXPECT_EQ(S(n).strVorlageDatei, pfad(QStringLiteral("ALT.VXP.vxp")));
    EXPECT_TRUE(QFile::exists(pfad(QStringLiteral("ALT.VXP.vxp"))));
    EXPECT_EQ(Schild(n).Caption(), "ALT.VXP.vxp");
}

TEST_F(BefehleTest, TheCloseQuestionSavesForReal) {
    P().blnAenderungSpeichern = true;
    const int32_t a = schild();
    text(QStringLiteral("ungespeichert"));
    const int32_t b = schild();
    S(b).strVorlageDatei = pfad(QStringLiteral("b.vxp"));
    text(QStringLiteral("auch"));
    const QByteArray bInhalt = vorlageBytes(b);
    const QByteArray aInhalt = vorlageBytes(a);
    SkriptDialoge d;
    d.meldung(Antwort::Yes).meldung(Antwort::Yes).speichern(pfad(QStringLiteral("a")));
    Schild(b).schliessen();
    Schild(a).schliessen();
    EXPECT_EQ(dateiLesen(pfad(QStringLiteral("b.vxp"))), bInhalt);
    EXPECT_EQ(dateiLesen(pfad(QStringLiteral("a.vxp"))), aInhalt);
    EXPECT_EQ(SchilderZaehlen(), 0);
}

} // namespace
} // namespace sorvo::test

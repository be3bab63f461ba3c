#include "app/werkzeugleiste.h"
#include "label/unterprogramme.h"
#include "platform/bilder.h"
#include "platform/elements.h"
#include "platform/registry.h"
#include "tests/app/mdi_fixture.h"

#include <QApplication>
#include <QMdiArea>
#include <QPaintEvent>
#include <QTest>

namespace sorvo::test {
namespace {

// Save and Save As that answer as a user would: written, or cancelled.
struct Speichern : Vorlagen {
    bool gelingt = true;
    int speichern = 0, speichernUnter = 0;
    bool VorlageSpeichern() override {
        ++speichern;
        return gelingt;
    }
    bool VorlageSpeichernUnter() override {
        ++speichernUnter;
        if (gelingt)
            S(P().lngAktivesSchild).blnGeaendert = false;
        return gelingt;
    }
    void VorlageOeffnen() override {}
};

class SchliessenTest : public MdiTest {
protected:
    void SetUp() override {
        MdiTest::SetUp();
        starten();
        nachbarn().vorlagen = &m_speichern;
        P().blnAenderungSpeichern = true;
    }
    Speichern m_speichern;
};

TEST_F(SchliessenTest, UnchangedOrOptionOffAsksNothing) {
    const int32_t a = neuesSchild();
    S(a).blnGeaendert = false;
    Schild(a).schliessen(frmLabel::DurchBenutzer);
    EXPECT_TRUE(S(a).blnSchildFrei);
    const int32_t b = neuesSchild();
    P().blnAenderungSpeichern = false;
    Schild(b).schliessen();
    EXPECT_TRUE(S(b).blnSchildFrei);
    EXPECT_TRUE(S(b).blnGeaendert); // changes discarded, flag kept in the free slot
}

TEST_F(SchliessenTest, CloseKeyClosesTheActiveLabel) {
    const int32_t a = neuesSchild();
    const int32_t b = neuesSchild();
    S(b).blnGeaendert = false;
    m_mdi->activateWindow();
    Schild(b).SetFocus();
    QApplication::processEvents();
    QTest::keySequence(&Schild(b), QKeySequence(QKeySequence::Close));
    EXPECT_TRUE(S(b).blnSchildFrei);
    EXPECT_FALSE(S(a).blnSchildFrei);
}

// Collects what a widget repaints.
struct Neuzeichnen : QObject {
    QRegion gezeichnet;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint)
            gezeichnet += static_cast<QPaintEvent*>(e)->region();
        return false;
    }
};

TEST_F(SchliessenTest, ClosingRepaintsWhatTheWindowCovered) {
    // Alone in the area, so that all it covered is the area's own to draw.
    // A maximised window is made normal before it hides, and the area used
    // to redraw only the smaller rectangle.
    QWidget* flaeche = m_mdi->mdiBereich()->viewport();
    for (const bool maximiert : {false, true}) {
        SCOPED_TRACE(maximiert);
        const int32_t b = neuesSchild();
        frmLabel& f = Schild(b);
        S(b).blnGeaendert = false;
        if (maximiert)
            f.showMaximized();
        QApplication::processEvents();
        const QRect bedeckt = f.geometry();
        Neuzeichnen n;
        flaeche->installEventFilter(&n);
        f.schliessen(frmLabel::DurchBenutzer);
        QApplication::processEvents();
        flaeche->removeEventFilter(&n);
        ASSERT_FALSE(f.isVisible());
        EXPECT_TRUE((QRegion(bedeckt) - n.gezeichnet).isEmpty());
    }
}

TEST_F(SchliessenTest, QuestionTextAndCancelKeepsEverything) {
    neuesSchild();
    neuesSchild();
    const int32_t n = neuesSchild();
    S(n).blnDbGeladen = true;
    S(n).strDbPfad = QStringLiteral("/daten/botrel.mdb");
    AllesSperren();
    SkriptDialoge d;
    d.meldung(Antwort::Cancel);
    Schild(n).schliessen(frmLabel::DurchBenutzer);
    ASSERT_EQ(d.gezeigt().size(), 1u);
    EXPECT_EQ(d.gezeigt()[0].text, "Schild 3 wurde geänder!\rWollen Sie die Änderungen Speichern?");
    EXPECT_EQ(d.gezeigt()[0].titel, "Änderungen Speichern?");
    EXPECT_EQ(d.gezeigt()[0].stil, 35);
    EXPECT_FALSE(S(n).blnSchildFrei);
    EXPECT_TRUE(Schild(n).isVisible());
    EXPECT_EQ(S(n).strDbPfad, "/daten/botrel.mdb");
    EXPECT_TRUE(S(n).blnGeaendert);
    EXPECT_TRUE(Schild(1).isEnabled()); // unlocked before the question
}

TEST_F(SchliessenTest, NoDiscardsAndFocusesLowestOpenWindow) {
    neuesSchild();
    neuesSchild();
    const int32_t n = neuesSchild();
    S(n).strVorlageDatei = QStringLiteral("C:\\Etiketten\\rosen.vxp");
    SkriptDialoge d;
    d.meldung(Antwort::No);
    Schild(n).schliessen(frmLabel::DurchBenutzer);
    EXPECT_EQ(d.gezeigt()[0].text,
              "rosen.vxp wurde geänder!\rWollen Sie die Änderungen Speichern?");
    EXPECT_TRUE(S(n).blnSchildFrei);
    EXPECT_FALSE(S(n).blnGeaendert);
    EXPECT_TRUE(S(n).strVorlageDatei.isEmpty());
    EXPECT_FALSE(Schild(n).isVisible());
    EXPECT_EQ(P().lngAktivesSchild, 1);
    EXPECT_EQ(m_speichern.speichern + m_speichern.speichernUnter, 0);
}

TEST_F(SchliessenTest, YesSavesThroughSaveOrSaveAs) {
    const int32_t a = neuesSchild();
    const int32_t b = neuesSchild();
    S(b).strVorlageDatei = QStringLiteral("/etiketten/rosen.vxp");
    SkriptDialoge d;
    d.meldung(Antwort::Yes).meldung(Antwort::Yes);
    Schild(a).schliessen();
    EXPECT_EQ(m_speichern.speichernUnter, 1);
    EXPECT_TRUE(S(a).blnSchildFrei);
    Schild(b).schliessen();
    EXPECT_EQ(m_speichern.speichern, 1);
    EXPECT_TRUE(S(b).blnSchildFrei);
}

TEST_F(SchliessenTest, YesWithCancelledSaveAsKeepsTheWindowAndItsChanges) {
    const int32_t n = neuesSchild();
    m_speichern.gelingt = false;
    SkriptDialoge d;
    d.meldung(Antwort::Yes);
    Schild(n).schliessen();
    EXPECT_EQ(m_speichern.speichernUnter, 1);
    EXPECT_FALSE(S(n).blnSchildFrei);
    EXPECT_TRUE(S(n).blnGeaendert);
    EXPECT_TRUE(Schild(n).isVisible());
}

TEST_F(SchliessenTest, ClosingTheTemplateReleasesItsGeneratedWindows) {
    const int32_t v = neuesSchild();
    const int32_t g1 = neuesSchild();
    const int32_t g2 = neuesSchild();
    S(v).blnGeaendert = false;
    S(v).blnDbGeladen = true;
    P().blnVorlageGeoeffnet = true;
    P().lngVorlagenSchild = v;
    Schild(g1).setCaption(QStringLiteral("Schild 2 (erzeugt von: Schild 1)*"));
    Schild(g2).setCaption(QStringLiteral("Schild 3 (erzeugt von: Schild 1)"));
    Schild(g1).setIcon(fensterBild(QStringLiteral("druck")));
    NavigationEin();
    Schild(v).schliessen();
    EXPECT_EQ(Schild(g1).Caption(), "Schild 2*");
    EXPECT_EQ(Schild(g2).Caption(), "Schild 3*");
    EXPECT_EQ(Schild(g1).windowIcon().pixmap(16).toImage(),
              fensterBild(QStringLiteral("pen04")).pixmap(16).toImage());
    EXPECT_FALSE(P().blnVorlageGeoeffnet);
    EXPECT_EQ(P().lngVorlagenSchild, 0);
    EXPECT_FALSE(m_mdi->knopfAktiv(QStringLiteral("cmdNext")));
    EXPECT_FALSE(S(v).blnDbGeladen);
    EXPECT_EQ(P().lngAktivesSchild, g1);
}

TEST_F(SchliessenTest, ReusedWindowShowsNoElementsAndNoDatabase) {
    const int32_t n = neuesSchild();
    frmLabel& f = Schild(n);
    ASSERT_TRUE(f.TextNeu());
    f.lblText(1).setCaption(QStringLiteral("Rosa canina"));
    f.lblText(1).setVisible(true);
    ASSERT_TRUE(f.BildNeu());
    ASSERT_TRUE(f.DatenfeldNeu());
    S(n).strDbPfad = QStringLiteral("/daten/stauden.vxs");
    S(n).blnDbGeladen = true;
    S(n).blnGeaendert = false;
    f.schliessen();
    EXPECT_EQ(S(n).lngReihenfolgeAnzahl, 0);
    EXPECT_EQ(neuesSchild(), n);
    EXPECT_EQ(f.TextZaehlen() + f.BilderZaehlen() + f.DatenfeldZaehlen(), 0);
    EXPECT_FALSE(f.lblText(1).Visible());
    EXPECT_TRUE(f.lblText(1).Caption().isEmpty());
    EXPECT_TRUE(S(n).strDbPfad.isEmpty());
    EXPECT_FALSE(S(n).blnDbGeladen);
    // The controls stay: the next text gets index 1 again.
    ASSERT_TRUE(f.TextNeu());
    EXPECT_EQ(S(n).lngAktuellerText, 1);
}

TEST_F(SchliessenTest, MainWindowCloseAsksAndCancelKeepsProgram) {
    const int32_t a = neuesSchild();
    const int32_t b = neuesSchild();
    S(a).blnGeaendert = false;
    {
        SkriptDialoge d;
        d.meldung(Antwort::Cancel);
        m_mdi->close();
    }
    EXPECT_FALSE(m_mdi->beendet());
    EXPECT_TRUE(m_mdi->isVisible());
    EXPECT_FALSE(S(b).blnSchildFrei);
    // "&Beenden" with Cancel: the program stays open too, nothing written.
    {
        SkriptDialoge d;
        d.meldung(Antwort::Cancel);
        m_mdi->mnuBeenden_Click();
    }
    EXPECT_FALSE(m_mdi->beendet());
    EXPECT_FALSE(S(b).blnSchildFrei);
    EXPECT_FALSE(RegStringLesen(HKEY_LOCAL_MACHINE,
                                QStringLiteral("Software\\Kelmarhof\\Sorvo1.0\\MDI"),
                                QStringLiteral("Status"))
                     .has_value());
    // Answered No: the program ends and writes its settings.
    SkriptDialoge d;
    d.meldung(Antwort::No);
    m_mdi->close();
    EXPECT_TRUE(m_mdi->beendet());
    EXPECT_TRUE(S(b).blnSchildFrei);
}

TEST_F(SchliessenTest, EndingTheProgramBringsForwardOnlyTheWindowThatAsks) {
    // Ending the program closes the windows in turn. One that asks nothing
    // never becomes the active window: each activation makes the area visit
    // every open window, and after a transfer of thousands of labels ending
    // the program took minutes. The window that asks is in front, unlocked,
    // while it asks, and stays so when its Cancel keeps the program open.
    const int32_t a = neuesSchild();
    const int32_t b = neuesSchild();
    const int32_t c = neuesSchild();
    const int32_t d = neuesSchild();
    for (const int32_t n : {a, b, d})
        S(n).blnGeaendert = false;
    Schild(d).SetFocus();
    AllesSperren();
    QMdiArea* bereich = Schild(a).mdiArea();
    ASSERT_NE(bereich, nullptr);
    std::vector<QMdiSubWindow*> aktiviert;
    QObject::connect(bereich, &QMdiArea::subWindowActivated, bereich, [&](QMdiSubWindow* w) {
        if (w)
            aktiviert.push_back(w);
    });
    {
        SkriptDialoge dlg;
        dlg.meldung(Antwort::Cancel).waehrend([&] {
            EXPECT_EQ(bereich->activeSubWindow(), &Schild(c));
            EXPECT_FALSE(Schild(a).isVisible());
            EXPECT_FALSE(Schild(b).isVisible());
            EXPECT_TRUE(Schild(c).isEnabled());
            EXPECT_TRUE(Schild(d).isEnabled());
        });
        m_mdi->close();
        EXPECT_EQ(dlg.gezeigt().size(), 1u);
    }
    EXPECT_EQ(aktiviert, std::vector<QMdiSubWindow*>{&Schild(c)});
    EXPECT_FALSE(m_mdi->beendet());
    EXPECT_TRUE(S(a).blnSchildFrei);
    EXPECT_TRUE(S(b).blnSchildFrei);
    EXPECT_FALSE(S(c).blnSchildFrei);
    EXPECT_FALSE(S(d).blnSchildFrei);
    EXPECT_EQ(P().lngAktivesSchild, c);
    EXPECT_FALSE(P().blnAllesGesperrt);
    EXPECT_TRUE(Schild(d).isEnabled());

    // Answered No, the program ends: the window in front asks again, the
    // last one asks nothing and is not activated.
    aktiviert.clear();
    SkriptDialoge dlg;
    dlg.meldung(Antwort::No);
    m_mdi->close();
    EXPECT_TRUE(m_mdi->beendet());
    EXPECT_TRUE(S(c).blnSchildFrei);
    EXPECT_TRUE(S(d).blnSchildFrei);
    EXPECT_TRUE(aktiviert.empty());
}

} // namespace
} // namespace sorvo::test

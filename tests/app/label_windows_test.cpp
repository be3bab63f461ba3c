#include "label/unterprogramme.h"
#include "tests/app/mdi_fixture.h"
#include "tools/frmTools.h"

#include <QApplication>
#include <QMdiArea>

namespace sorvo::test {
namespace {

class SchildTabelleTest : public MdiTest {};

TEST_F(SchildTabelleTest, NumberingAndSlotReuse) {
    starten();
    EXPECT_EQ(SchilderZaehlen(), 0);
    EXPECT_EQ(neuesSchild(), 1);
    EXPECT_EQ(P().Schilder.size(), 2u);
    EXPECT_EQ(Schild(1).Tag(), "1");
    EXPECT_EQ(neuesSchild(), 2);
    EXPECT_EQ(neuesSchild(), 3);
    frmLabel* zwei = &Schild(2);
    S(2).sngGrenzeLinks = 33;
    S(2).lngPapierFormat = 11;
    S(2).lngAusrichtung = 2;
    zwei->schliessen();
    EXPECT_TRUE(S(2).blnSchildFrei);
    EXPECT_FALSE(zwei->isVisible());
    EXPECT_EQ(SchilderZaehlen(), 2);
    // The next label takes number 2 again, in the same window object.
    EXPECT_EQ(neuesSchild(), 2);
    EXPECT_EQ(&Schild(2), zwei);
    EXPECT_TRUE(zwei->isVisible());
    EXPECT_EQ(zwei->Caption(), "Schild 2*");
    EXPECT_EQ(S(2).sngGrenzeLinks, 10);
    EXPECT_EQ(S(2).sngGrenzeRechts, 10);
    EXPECT_EQ(S(2).sngGrenzeOben, 15);
    EXPECT_EQ(S(2).sngGrenzeUnten, 15);
    EXPECT_EQ(S(2).lngPapierFormat, 9);
    EXPECT_EQ(S(2).lngAusrichtung, 1);
    // All closed: the table keeps its size, the next label is number 1.
    for (int32_t i = 1; i <= 3; ++i)
        Schild(i).schliessen();
    EXPECT_EQ(SchilderZaehlen(), 0);
    EXPECT_EQ(P().Schilder.size(), 4u);
    EXPECT_EQ(neuesSchild(), 1);
    // Always the lowest free slot, whatever order the windows closed in.
    EXPECT_EQ(neuesSchild(), 2);
    EXPECT_EQ(neuesSchild(), 3);
    EXPECT_EQ(neuesSchild(), 4);
    Schild(3).schliessen();
    Schild(4).schliessen();
    Schild(1).schliessen();
    EXPECT_EQ(neuesSchild(), 1);
    EXPECT_EQ(neuesSchild(), 3);
    EXPECT_EQ(neuesSchild(), 4);
    EXPECT_EQ(neuesSchild(), 5);
    EXPECT_EQ(P().Schilder.size(), 6u);
}

TEST_F(SchildTabelleTest, NewLabelInReusedSlotStartsUnchanged) {
    starten();
    const int32_t n = neuesSchild();
    P().blnAenderungSpeichern = false; // closes without asking, flag stays set
    Schild(n).schliessen();
    ASSERT_TRUE(S(n).blnGeaendert);
    NeuesSchild();
    EXPECT_EQ(P().lngAktivesSchild, n);
    EXPECT_FALSE(S(n).blnGeaendert);
    EXPECT_EQ(Schild(n).Caption(), "Schild 1");
    EXPECT_FALSE(Schild(n).isVisible()); // shown by SchilderAnzeigen
    SchilderAnzeigen();
    EXPECT_TRUE(Schild(n).isVisible());
}

TEST_F(SchildTabelleTest, ShowAllFocusesHighestEnabledUnlessLocked) {
    starten();
    neuesSchild();
    neuesSchild();
    neuesSchild();
    Schild(2).schliessen();
    Schild(1).SetFocus();
    ASSERT_EQ(P().lngAktivesSchild, 1);
    SchilderAnzeigen();
    EXPECT_EQ(P().lngAktivesSchild, 3);
    Schild(1).SetFocus();
    AllesSperren();
    SchilderAnzeigen();
    EXPECT_EQ(P().lngAktivesSchild, 1);
    EXPECT_TRUE(Schild(3).isVisible());
    AllesFreigeben();
}

// Windows made while everything is locked (a record transfer) are added to
// the area without a search for their place: they cascade, the area stays
// shown, and showing the area again does not move them.
TEST_F(SchildTabelleTest, WindowsMadeWhileLockedCascadeAndStayWhereTheyAre) {
    starten();
    auto* bereich = qobject_cast<QMdiArea*>(m_mdi->mdiBereich());
    ASSERT_NE(bereich, nullptr);
    AllesSperren();
    std::vector<int32_t> neu;
    for (int i = 0; i < 3; ++i) {
        NeuesSchild();
        neu.push_back(P().lngAktivesSchild);
    }
    EXPECT_TRUE(bereich->isVisible());
    for (int32_t n : neu) {
        EXPECT_TRUE(bereich->subWindowList().contains(&Schild(n)));
        EXPECT_TRUE(Schild(n).isVisible());
        EXPECT_EQ(Schild(n).pos(), QPoint((n % 16) * 24, (n % 16) * 24));
    }
    AllesFreigeben();
    m_mdi->hide();
    m_mdi->show();
    QApplication::processEvents();
    for (int32_t n : neu)
        EXPECT_EQ(Schild(n).pos(), QPoint((n % 16) * 24, (n % 16) * 24)) << n;
}

TEST_F(SchildTabelleTest, FocusMakesWindowCurrentAndPlacesToolWindow) {
    starten();
    const int32_t a = neuesSchild();
    const int32_t b = neuesSchild();
    frmTools* t = m_mdi->werkzeuge();
    t->setHeight(7500);
    P().blnWerkzeugFensterFolgt = true;
    Schild(a).move(10, 10);
    Schild(a).SetFocus();
    EXPECT_EQ(P().lngAktivesSchild, a);
    EXPECT_EQ(t->Caption(), "Werkzeuge - Schild: 1");
    EXPECT_EQ(t->Height(), 1850);
    EXPECT_TRUE(t->isVisible());
    EXPECT_EQ(t->Left(), Schild(a).Left() + Schild(a).Width());
    EXPECT_EQ(t->Top(), Schild(a).Top());
    // A hidden window's focus does nothing.
    Schild(b).hide();
    Schild(b).Form_Activate();
    EXPECT_EQ(P().lngAktivesSchild, a);
}

TEST_F(SchildTabelleTest, CaptionsAfterChangeNotice) {
    starten();
    for (int i = 0; i < 7; ++i)
        neuesSchild();
    auto& p = P();
    // Window 4, never saved, no database.
    p.lngAktivesSchild = 4;
    SchildGeaendert();
    SchildGeaendert();
    EXPECT_EQ(Schild(4).Caption(), "Schild 4*");
    // Window 2 with a template and a database while a template is open.
    S(2).strVorlageDatei = QStringLiteral("C:\\Etiketten\\rosen.vxp");
    S(2).blnDbGeladen = true;
    p.blnVorlageGeoeffnet = true;
    p.lngAktivesSchild = 2;
    SchildGeaendert();
    EXPECT_EQ(Schild(2).Caption(), "rosen.vxp* (Vorlage)");
    EXPECT_TRUE(S(2).blnGeaendert);
    // A window generated from it.
    p.lngVorlagenSchild = 2;
    Schild(7).setCaption(QStringLiteral("Schild 7 (erzeugt von: x)"));
    p.lngAktivesSchild = 7;
    SchildGeaendert();
    EXPECT_EQ(Schild(7).Caption(), "Schild 7 (erzeugt von: rosen.vxp*)*");
    Schild(2).setCaption(QStringLiteral("rosen.vxp (Vorlage)"));
    SchildGeaendert();
    EXPECT_EQ(Schild(7).Caption(), "Schild 7 (erzeugt von: rosen.vxp)*");
    // Capital E does not count as generated.
    Schild(6).setCaption(QStringLiteral("Schild 6 (Erzeugt von: x)"));
    p.lngAktivesSchild = 6;
    SchildGeaendert();
    EXPECT_EQ(Schild(6).Caption(), "Schild 6*");
    // Database bound but no template flag: no suffix.
    p.blnVorlageGeoeffnet = false;
    p.lngAktivesSchild = 2;
    SchildGeaendert();
    EXPECT_EQ(Schild(2).Caption(), "rosen.vxp*");
    // A template caption shorter than the suffix still gives a caption.
    Schild(2).setCaption(QStringLiteral("kurz"));
    p.lngAktivesSchild = 7;
    SchildGeaendert();
    EXPECT_EQ(Schild(7).Caption(), "Schild 7 (erzeugt von: )*");
    // The shorter rules of SchildNrGeaendert.
    p.blnVorlageGeoeffnet = true;
    SchildNrGeaendert(2);
    EXPECT_EQ(Schild(2).Caption(), "rosen.vxp*");
    SchildNrGeaendert(7);
    EXPECT_EQ(Schild(7).Caption(), "Schild 7*");
}

TEST_F(SchildTabelleTest, ToolWindowCaption) {
    starten();
    neuesSchild();
    neuesSchild();
    neuesSchild();
    P().lngAktivesSchild = 3;
    WerkzeugTitelSetzen();
    EXPECT_EQ(m_mdi->werkzeuge()->Caption(), "Werkzeuge - Schild: 3");
    S(3).strVorlageDatei = QStringLiteral("C:\\Etiketten\\rosen.vxp");
    WerkzeugTitelSetzen();
    EXPECT_EQ(m_mdi->werkzeuge()->Caption(), "Werkzeuge - rosen.vxp");
}

} // namespace
} // namespace sorvo::test

// The colour choosers of the text and data-field frames: their palettes,
// their state and what a click gives the element being edited.
#include "tools/farbwahl.h"

#include "label/nachbarn.h"
#include "platform/canvas.h"
#include "platform/elements.h"
#include "platform/units.h"

#include <QPushButton>
#include <gtest/gtest.h>

namespace sorvo {
namespace {

// The tool window as far as the chooser uses it: its background flag.
class Werkzeuge : public Werkzeugfenster {
public:
    void setCaption(const QString&) override {}
    QString Caption() const override { return {}; }
    void setHeight(int) override {}
    int Height() const override { return 0; }
    void setVisible(bool) override {}
    bool Visible() const override { return true; }
    void SetFocus() override {}
    void NeuePosition() override {}
    void einfuegenKnoepfeAktivieren(bool) override {}
    bool einfuegenKnoepfeAktiv() const override { return true; }
    void maxBreiteLeeren(bool) override {}
};

int px(int twips) {
    return RundenGerade(twipsZuPixel(twips));
}

constexpr Farbe kSchwarz = RGB(0, 0, 0);
constexpr Farbe kWeiss = RGB(255, 255, 255);

class ColourChoiceTest : public ::testing::Test {
protected:
    ColourChoiceTest() {
        m_text.setGeometry(0, 0, 400, 600);
        m_datenfeld.setGeometry(0, 0, 400, 600);
        // Where the frames' design puts the colour buttons.
        m_wahlText.move(px(120), px(2400));
        m_wahlDf.move(px(120), px(2520));
        m_element = m_flaeche.neueBeschriftung();
        m_element->setForeColor(kSchwarz);
        m_element->setBackColor(kWeiss);
        m_wahlText.elementSetzen([this] { return m_element; });
        m_wahlText.musterSetzen(kSchwarz, kWeiss);
    }

    // What can be seen of a chooser's palette.
    static int sichtbar(const auto& felder) {
        int n = 0;
        for (const auto* f : felder)
            n += f->isHidden() ? 0 : 1;
        return n;
    }
    static void pruefeGeschlossen(const Farbwahl& w) {
        EXPECT_EQ(sichtbar(w.picFarbe2), 0);
        EXPECT_EQ(sichtbar(w.picW), 0);
        EXPECT_TRUE(w.cmdWeitere->isHidden());
        EXPECT_TRUE(w.cmdAbbrechenFarbe->isHidden());
        EXPECT_FALSE(w.offen());
        EXPECT_EQ(w.ziel(), Farbziel::Keins);
    }

    Werkzeuge m_werkzeuge;
    QWidget m_text;
    QWidget m_datenfeld;
    Farbwahl m_wahlText{Farbwahl::Art::Text, &m_text, m_werkzeuge};
    Farbwahl m_wahlDf{Farbwahl::Art::Datenfeld, &m_datenfeld, m_werkzeuge};
    ElementCanvas m_flaeche;
    Beschriftung* m_element = nullptr;
};

// The standard palette as the frame shows it, row by row: index and colour.
struct Zelle {
    int index;
    int r, g, b;
};
constexpr Zelle kStandard[4][4] = {
    {{15, 255, 255, 255}, {10, 0, 255, 0}, {14, 255, 255, 0}, {11, 0, 255, 255}},
    {{7, 192, 192, 192}, {2, 0, 128, 0}, {6, 128, 128, 0}, {9, 0, 0, 255}},
    {{8, 128, 128, 128}, {12, 255, 0, 0}, {13, 255, 0, 255}, {3, 0, 128, 128}},
    {{0, 0, 0, 0}, {4, 128, 0, 0}, {5, 128, 0, 128}, {1, 0, 0, 128}},
};
constexpr Zelle kWeitere[6][8] = {
    {{0, 255, 255, 255},
     {1, 255, 192, 192},
     {2, 255, 224, 192},
     {3, 255, 255, 192},
     {4, 192, 255, 192},
     {5, 192, 255, 255},
     {6, 192, 192, 255},
     {42, 255, 192, 255}},
    {{7, 224, 224, 224},
     {8, 255, 128, 128},
     {9, 255, 192, 128},
     {10, 255, 255, 128},
     {11, 128, 255, 128},
     {12, 128, 255, 255},
     {13, 128, 128, 255},
     {43, 255, 128, 255}},
    {{14, 192, 192, 192},
     {15, 255, 0, 0},
     {16, 255, 128, 0},
     {17, 255, 255, 0},
     {18, 0, 255, 0},
     {19, 0, 255, 255},
     {20, 0, 0, 255},
     {44, 255, 0, 255}},
    {{21, 128, 128, 128},
     {22, 192, 0, 0},
     {23, 192, 64, 0},
     {24, 192, 192, 0},
     {25, 0, 192, 0},
     {26, 0, 192, 192},
     {27, 0, 0, 192},
     {45, 192, 0, 192}},
    {{28, 64, 64, 64},
     {29, 128, 0, 0},
     {30, 128, 64, 0},
     {31, 128, 128, 0},
     {32, 0, 128, 0},
     {33, 0, 128, 128},
     {34, 0, 0, 128},
     {46, 128, 0, 128}},
    {{35, 0, 0, 0},
     {36, 64, 0, 0},
     {37, 128, 64, 64},
     {38, 64, 64, 0},
     {39, 0, 64, 0},
     {40, 0, 64, 64},
     {41, 0, 0, 64},
     {47, 64, 0, 64}},
};

TEST_F(ColourChoiceTest, PalettesStandWithTheirColoursWhereTheFrameShowsThem) {
    // The data-field chooser is the same 120 twips lower in its frame.
    const std::pair<Farbwahl*, int> wahlen[] = {{&m_wahlText, 0}, {&m_wahlDf, 120}};
    for (const auto& [wahl, tiefer] : wahlen) {
        SCOPED_TRACE(tiefer);
        wahl->cmdFarbe->click();
        wahl->cmdWeitere->click();
        for (int z = 0; z < 4; ++z) {
            for (int s = 0; s < 4; ++s) {
                const Zelle& c = kStandard[z][s];
                const Farbfeld* f = wahl->picFarbe2[static_cast<size_t>(c.index)];
                SCOPED_TRACE(c.index);
                EXPECT_EQ(f->BackColor(), RGB(c.r, c.g, c.b));
                EXPECT_EQ(f->geometry().topLeft(),
                          QPoint(px(360 + 360 * s), px(2400 + tiefer + 360 * z)));
                EXPECT_EQ(f->height(), px(375));
                EXPECT_EQ(f->property("Index").toInt(), c.index);
            }
        }
        for (int z = 0; z < 6; ++z) {
            for (int s = 0; s < 8; ++s) {
                const Zelle& c = kWeitere[z][s];
                const Farbfeld* f = wahl->picW[static_cast<size_t>(c.index)];
                SCOPED_TRACE(c.index);
                EXPECT_EQ(f->BackColor(), RGB(c.r, c.g, c.b));
                EXPECT_EQ(f->geometry(),
                          QRect(px(120 + 240 * s), px(4080 + tiefer + 240 * z), px(255), px(255)));
            }
        }
        EXPECT_EQ(wahl->cmdWeitere->geometry().topLeft(), QPoint(px(120), px(3840 + tiefer)));
        EXPECT_EQ(wahl->cmdAbbrechenFarbe->geometry().topLeft(),
                  QPoint(px(1080), px(3840 + tiefer)));
    }
    // The samples stand right of the palette, free of it.
    EXPECT_EQ(m_wahlText.picFarbe_S->mapTo(&m_text, QPoint(0, 0)), QPoint(px(2220), px(2400)));
    EXPECT_EQ(m_wahlText.picFarbe_H->mapTo(&m_text, QPoint(0, 0)), QPoint(px(2220), px(2880)));
    EXPECT_EQ(m_wahlDf.picFarbe_H->mapTo(&m_datenfeld, QPoint(0, 0)), QPoint(px(2220), px(3000)));
}

TEST_F(ColourChoiceTest, PaletteFollowsThePlaceOfItsChooserInTheFrame) {
    m_wahlText.move(40, 90);
    m_wahlText.cmdFarbe->click();
    EXPECT_EQ(m_wahlText.picFarbe2[15]->geometry().topLeft(), QPoint(40 + px(240), 90));
    m_wahlText.cmdWeitere->click();
    EXPECT_EQ(m_wahlText.picW[0]->geometry().topLeft(), QPoint(40, 90 + px(1680)));
}

TEST_F(ColourChoiceTest, NamesOfTheControls) {
    struct Name {
        const Farbwahl* wahl;
        const QWidget* rahmen;
        const char* schrift;
        const char* hintergrund;
        const char* muster;
        const char* standard;
        const char* weitere;
        const char* weitereKnopf;
        const char* abbrechen;
    };
    const Name namen[] = {
        {&m_wahlText, &m_text, "cmdFarbe", "cmdHFarbe", "picFarbe_S", "picFarbe2", "picW",
         "cmdWeitere", "cmdTextAbbrechenFarbe"},
        {&m_wahlDf, &m_datenfeld, "cmdDfFarbe", "cmdDfHFarbe", "picDfFarbe_S", "picDfFarbe2",
         "picDfW", "cmdDfWeitere", "cmdDfAbbrechenFarbe"},
    };
    for (const auto& n : namen) {
        SCOPED_TRACE(n.schrift);
        EXPECT_EQ(n.wahl->cmdFarbe->objectName(), QLatin1String(n.schrift));
        EXPECT_EQ(n.wahl->cmdFarbe->accessibleName(), QStringLiteral("Schriftfarbe"));
        EXPECT_EQ(n.wahl->cmdHFarbe->objectName(), QLatin1String(n.hintergrund));
        EXPECT_EQ(n.wahl->cmdHFarbe->accessibleName(), QStringLiteral("Hintergrundfarbe"));
        EXPECT_EQ(n.wahl->picFarbe_S->objectName(), QLatin1String(n.muster));
        EXPECT_FALSE(n.wahl->picFarbe_S->accessibleName().isEmpty());
        EXPECT_FALSE(n.wahl->picFarbe_H->accessibleName().isEmpty());
        EXPECT_EQ(n.rahmen->findChildren<Farbfeld*>(QLatin1String(n.standard)).size(), 16);
        EXPECT_EQ(n.rahmen->findChildren<Farbfeld*>(QLatin1String(n.weitere)).size(), 48);
        const auto* weitere = n.rahmen->findChild<QPushButton*>(QLatin1String(n.weitereKnopf));
        ASSERT_NE(weitere, nullptr);
        EXPECT_EQ(weitere->text(), QStringLiteral("weitere..."));
        EXPECT_EQ(weitere->accessibleName(), weitere->text());
        const auto* abbrechen = n.rahmen->findChild<QPushButton*>(QLatin1String(n.abbrechen));
        ASSERT_NE(abbrechen, nullptr);
        EXPECT_EQ(abbrechen->text(), QStringLiteral("Abbrechen"));
        EXPECT_EQ(abbrechen->accessibleName(), abbrechen->text());
        // A swatch is named by its colour.
        EXPECT_EQ(n.wahl->picW[43]->accessibleName(), QStringLiteral("Farbe 255, 128, 255"));
    }
}

TEST_F(ColourChoiceTest, AtRestEverythingIsHidden) {
    pruefeGeschlossen(m_wahlText);
    pruefeGeschlossen(m_wahlDf);
    EXPECT_FALSE(m_wahlText.picFarbe_S->isHidden());
    EXPECT_FALSE(m_wahlText.picFarbe_H->isHidden());
}

TEST_F(ColourChoiceTest, FontColourFromTheStandardPalette) {
    m_wahlText.cmdFarbe->click();
    EXPECT_EQ(sichtbar(m_wahlText.picFarbe2), 16);
    EXPECT_EQ(sichtbar(m_wahlText.picW), 0);
    EXPECT_TRUE(m_wahlText.offen());
    EXPECT_EQ(m_wahlText.ziel(), Farbziel::Schrift);
    m_wahlText.picFarbe2[12]->click();
    EXPECT_EQ(m_element->ForeColor(), 255);
    EXPECT_EQ(m_wahlText.picFarbe_S->BackColor(), 255);
    EXPECT_EQ(m_element->BackColor(), kWeiss);
    EXPECT_EQ(m_wahlText.picFarbe_H->BackColor(), kWeiss);
    EXPECT_FALSE(m_werkzeuge.blnHFarbeAenderung);
    pruefeGeschlossen(m_wahlText);
}

TEST_F(ColourChoiceTest, BackgroundColourFromTheFurtherColours) {
    m_wahlText.cmdHFarbe->click();
    m_wahlText.cmdWeitere->click();
    EXPECT_EQ(sichtbar(m_wahlText.picW), 48);
    m_wahlText.picW[43]->click();
    EXPECT_EQ(m_element->BackColor(), RGB(255, 128, 255));
    EXPECT_EQ(m_element->BackColor(), 16744703);
    EXPECT_EQ(m_wahlText.picFarbe_H->BackColor(), RGB(255, 128, 255));
    EXPECT_EQ(m_element->ForeColor(), kSchwarz);
    EXPECT_EQ(m_wahlText.picFarbe_S->BackColor(), kSchwarz);
    EXPECT_TRUE(m_werkzeuge.blnHFarbeAenderung);
    // Only the colour changes: the background stays as opaque as it was.
    EXPECT_EQ(m_element->BackStyle(), 1);
    pruefeGeschlossen(m_wahlText);
}

TEST_F(ColourChoiceTest, SecondColourButtonOnlySwitchesTheTarget) {
    m_wahlText.cmdFarbe->click();
    m_wahlText.cmdHFarbe->click();
    EXPECT_TRUE(m_wahlText.offen());
    EXPECT_EQ(m_wahlText.ziel(), Farbziel::Hintergrund);
    // Pressing the same button again shows the palette again, it does not close it.
    m_wahlText.cmdHFarbe->click();
    EXPECT_TRUE(m_wahlText.offen());
    m_wahlText.picFarbe2[9]->click();
    EXPECT_EQ(m_element->BackColor(), RGB(0, 0, 255));
    EXPECT_EQ(m_element->ForeColor(), kSchwarz);
}

TEST_F(ColourChoiceTest, SamplesOpenAndClose) {
    struct Fall {
        const char* name;
        std::vector<void (Farbwahl::*)()> klicks;
        bool offen;
        Farbziel ziel;
    };
    const Fall faelle[] = {
        {"font sample opens", {&Farbwahl::picFarbe_S_Click}, true, Farbziel::Schrift},
        {"background sample opens", {&Farbwahl::picFarbe_H_Click}, true, Farbziel::Hintergrund},
        {"font sample twice closes",
         {&Farbwahl::picFarbe_S_Click, &Farbwahl::picFarbe_S_Click},
         false,
         Farbziel::Keins},
        {"font sample closes a background palette",
         {&Farbwahl::picFarbe_H_Click, &Farbwahl::picFarbe_S_Click},
         false,
         Farbziel::Keins},
        {"sample closes what the button opened",
         {&Farbwahl::cmdFarbe_Click, &Farbwahl::picFarbe_H_Click},
         false,
         Farbziel::Keins},
        {"Abbrechen closes",
         {&Farbwahl::cmdFarbe_Click, &Farbwahl::cmdAbbrechenFarbe_Click},
         false,
         Farbziel::Keins},
        {"button after a sample switches",
         {&Farbwahl::picFarbe_S_Click, &Farbwahl::cmdHFarbe_Click},
         true,
         Farbziel::Hintergrund},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        Farbwahl wahl(Farbwahl::Art::Text, &m_text, m_werkzeuge);
        wahl.elementSetzen([this] { return m_element; });
        for (auto klick : f.klicks)
            (wahl.*klick)();
        EXPECT_EQ(wahl.offen(), f.offen);
        EXPECT_EQ(sichtbar(wahl.picFarbe2), f.offen ? 16 : 0);
        EXPECT_EQ(wahl.cmdAbbrechenFarbe->isHidden(), !f.offen);
        EXPECT_EQ(wahl.ziel(), f.ziel);
    }
    // Nothing of this gave a colour.
    EXPECT_EQ(m_element->ForeColor(), kSchwarz);
    EXPECT_EQ(m_element->BackColor(), kWeiss);
    EXPECT_FALSE(m_werkzeuge.blnHFarbeAenderung);
    // The choosers that went took their palettes out of the frame.
    EXPECT_EQ(m_text.findChildren<Farbfeld*>(QStringLiteral("picFarbe2")).size(), 16);
    EXPECT_EQ(m_text.findChildren<QPushButton*>(QStringLiteral("cmdWeitere")).size(), 1);
}

TEST_F(ColourChoiceTest, SampleClickOnTheOpenedExtension) {
    m_wahlText.picFarbe_H->click();
    m_wahlText.cmdWeitere->click();
    m_wahlText.picFarbe_S->click();
    pruefeGeschlossen(m_wahlText);
    // Closed, a sample opens only the standard palette for its colour.
    m_wahlText.picFarbe_S->click();
    EXPECT_EQ(m_wahlText.ziel(), Farbziel::Schrift);
    EXPECT_EQ(sichtbar(m_wahlText.picW), 0);
}

TEST_F(ColourChoiceTest, MoreShowsAndHidesThe48) {
    m_wahlText.cmdFarbe->click();
    m_wahlText.cmdWeitere->click();
    EXPECT_EQ(sichtbar(m_wahlText.picW), 48);
    EXPECT_EQ(m_wahlText.ziel(), Farbziel::Schrift);
    m_wahlText.cmdWeitere->click();
    EXPECT_EQ(sichtbar(m_wahlText.picW), 0);
    EXPECT_EQ(sichtbar(m_wahlText.picFarbe2), 16);
    EXPECT_EQ(m_wahlText.ziel(), Farbziel::Schrift);

    // Abbrechen hides the further swatches along with the rest.
    m_wahlText.cmdWeitere->click();
    m_wahlText.cmdAbbrechenFarbe->click();
    pruefeGeschlossen(m_wahlText);
    EXPECT_EQ(m_element->ForeColor(), kSchwarz);
}

TEST_F(ColourChoiceTest, AfterAChoiceTheExtensionDoesNotOpenWithIt) {
    m_wahlText.cmdFarbe->click();
    m_wahlText.cmdWeitere->click();
    m_wahlText.picW[15]->click();
    EXPECT_EQ(m_element->ForeColor(), RGB(255, 0, 0));
    m_wahlText.cmdFarbe->click();
    EXPECT_EQ(sichtbar(m_wahlText.picFarbe2), 16);
    EXPECT_EQ(sichtbar(m_wahlText.picW), 0);
}

TEST_F(ColourChoiceTest, OpenPaletteLiesInFrontOfTheFrame) {
    // A control of the frame where the palette opens.
    QWidget darunter(&m_text);
    darunter.setGeometry(px(360), px(2400), px(1500), px(1500));
    darunter.show();
    m_text.show();
    m_wahlText.cmdFarbe->click();
    m_wahlText.cmdWeitere->click();
    const QPoint mitteStandard = m_wahlText.picFarbe2[7]->geometry().center();
    EXPECT_EQ(m_text.childAt(mitteStandard), m_wahlText.picFarbe2[7]);
    const QPoint mitteWeitere = m_wahlText.picW[3]->geometry().center();
    EXPECT_EQ(m_text.childAt(mitteWeitere), m_wahlText.picW[3]);
}

TEST_F(ColourChoiceTest, TheTwoChoosersAreIndependent) {
    Beschriftung* datenfeld = m_flaeche.neueBeschriftung();
    datenfeld->setForeColor(kSchwarz);
    m_wahlDf.elementSetzen([datenfeld] { return datenfeld; });
    m_wahlText.cmdFarbe->click();
    pruefeGeschlossen(m_wahlDf);
    m_wahlDf.cmdHFarbe->click();
    m_wahlDf.picFarbe2[12]->click();
    EXPECT_EQ(datenfeld->BackColor(), RGB(255, 0, 0));
    EXPECT_EQ(m_wahlDf.picFarbe_H->BackColor(), RGB(255, 0, 0));
    // The text and its chooser are untouched: still open for the font.
    EXPECT_EQ(m_element->BackColor(), kWeiss);
    EXPECT_EQ(m_wahlText.picFarbe_H->BackColor(), kWeiss);
    EXPECT_TRUE(m_wahlText.offen());
    EXPECT_EQ(m_wahlText.ziel(), Farbziel::Schrift);
    // The tool window's flag is one for both choosers.
    EXPECT_TRUE(m_werkzeuge.blnHFarbeAenderung);
}

TEST_F(ColourChoiceTest, WithoutAnElementOnlyTheSamples) {
    m_wahlText.elementSetzen([]() -> Beschriftung* { return nullptr; });
    m_wahlText.cmdHFarbe->click();
    m_wahlText.picFarbe2[14]->click();
    EXPECT_EQ(m_wahlText.picFarbe_H->BackColor(), RGB(255, 255, 0));
    EXPECT_EQ(m_element->BackColor(), kWeiss);
    EXPECT_TRUE(m_werkzeuge.blnHFarbeAenderung);
}

} // namespace
} // namespace sorvo

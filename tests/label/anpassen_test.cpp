// Fitting texts and data fields, aligning all elements of a label and
// handing a data field's look over to a text. The label is 100 x 60 mm.
#include "tests/label/schild_fixture.h"

#include <QImage>

namespace sorvo::test {
namespace {

const QString kKurz = QStringLiteral("Rosa canina Wildrose");
const QString kLang = QStringLiteral("Rosa canina, die Hundsrose, blüht im Juni weiß bis rosa");

// The unwrapped size of a caption in the standard look.
QSizeF einzeilig(frmLabel& f, const QString& text) {
    EXPECT_TRUE(f.TextNeu());
    Beschriftung& b = f.lblText(S(1).lngAktuellerText);
    b.setCaption(text);
    b.setAutoSize(true);
    const QSizeF s(b.Width(), b.Height());
    f.TextLoeschen(S(1).lngAktuellerText);
    return s;
}

using Anpassen = SchildTest;

TEST_F(Anpassen, WithoutMaximumATextKeepsOneLineUntilItPassesTheEdge) {
    const QSizeF eine = einzeilig(*m_f, kKurz);
    ASSERT_GT(eine.width(), 25);
    ASSERT_LT(eine.width(), 60);
    const struct {
        bool datenfeld;
        double links;
        double breite; // < 0: the unwrapped width
        bool umbruch;
    } faelle[] = {
        {false, 99 - eine.width() - 4, -1, false},
        {false, 80, 100 - 80 - 3, true}, // 80 + width > 99
        {true, 80, 100 - 80 - 1, true},
        {true, 30, -1, false},
        // No room left: beyond the edge it keeps its one line, where it was.
        {false, 99.5, -1, false},
        {true, 120, -1, false},
    };
    for (const auto& c : faelle) {
        Beschriftung* b;
        if (c.datenfeld) {
            ASSERT_TRUE(m_f->DatenfeldNeu());
            b = &m_f->lblDatenfeld(S(1).lngAktuellesDatenfeld);
        } else {
            ASSERT_TRUE(m_f->TextNeu());
            b = &m_f->lblText(S(1).lngAktuellerText);
        }
        b->setCaption(kKurz);
        b->setLeft(c.links);
        const int vorherText = m_werkzeuge.textBreiteGeleert;
        const int vorherDf = m_werkzeuge.datenfeldBreiteGeleert;
        if (c.datenfeld)
            DatenfeldAnpassen(S(1).lngAktuellesDatenfeld, 1);
        else
            TextAnpassen(S(1).lngAktuellerText, 1);
        EXPECT_NEAR(b->Width(), c.breite < 0 ? eine.width() : c.breite, 1e-4) << c.links;
        EXPECT_EQ(b->WordWrap(), c.umbruch) << c.links;
        EXPECT_TRUE(b->AutoSize());
        EXPECT_EQ(b->Left(), c.links);
        if (c.umbruch && c.breite > 0) {
            EXPECT_GT(b->Height(), eine.height()) << "wrapped onto further lines";
        } else if (c.breite != 0) {
            EXPECT_NEAR(b->Height(), eine.height(), 1e-9);
        }
        // The tool window's maximum-width box of the kind is emptied.
        EXPECT_EQ(m_werkzeuge.textBreiteGeleert, vorherText + (c.datenfeld ? 0 : 1));
        EXPECT_EQ(m_werkzeuge.datenfeldBreiteGeleert, vorherDf + (c.datenfeld ? 1 : 0));
    }
}

TEST_F(Anpassen, TextEndingExactlyOneMillimetreBeforeTheEdgeStays) {
    const QSizeF eine = einzeilig(*m_f, kKurz);
    const float links = 10.0f;
    const float ende = links + static_cast<float>(eine.width());
    m_f->innenGroesseSetzen(ende + 1.0f, 60);
    ASSERT_EQ(static_cast<float>(m_f->ScaleWidth()) - 1.0f, ende);
    ASSERT_TRUE(m_f->TextNeu());
    Beschriftung& b = m_f->lblText(S(1).lngAktuellerText);
    b.setCaption(kKurz);
    b.setLeft(links);
    TextAnpassen(S(1).lngAktuellerText, 1);
    EXPECT_FALSE(b.WordWrap());
    EXPECT_DOUBLE_EQ(b.Width(), eine.width());
}

TEST_F(Anpassen, MaximumWidthWrapsWhereverTheElementStands) {
    // The reference: the caption wrapped at 40 mm.
    ASSERT_TRUE(m_f->TextNeu());
    Beschriftung& bezug = m_f->lblText(S(1).lngAktuellerText);
    bezug.setCaption(kLang);
    bezug.setAutoSize(true);
    bezug.setWordWrap(true);
    bezug.setWidth(40);
    const double hoehe40 = bezug.Height();
    ASSERT_GT(hoehe40, einzeilig(*m_f, kLang).height() * 1.5);

    for (const double links : {0.0, 80.0}) {
        ASSERT_TRUE(m_f->TextNeu());
        const int32_t i = S(1).lngAktuellerText;
        Beschriftung& b = m_f->lblText(i);
        b.setCaption(kLang);
        b.setLeft(links);
        m_f->TextMaxBreiteSchreiben(i, 40);
        const int geleert = m_werkzeuge.textBreiteGeleert;
        TextAnpassen(i, 1);
        EXPECT_DOUBLE_EQ(b.Width(), 40);
        EXPECT_DOUBLE_EQ(b.Height(), hoehe40);
        EXPECT_TRUE(b.WordWrap());
        EXPECT_EQ(m_werkzeuge.textBreiteGeleert, geleert);
    }
}

TEST_F(Anpassen, PictureDataFieldTakesItsMaximumWidth) {
    const struct {
        int32_t maxBreite, maxHoehe;
        double breite;
    } faelle[] = {{30, 40, 30}, {0, 0, 12}, {0, 40, 0}};
    for (const auto& c : faelle) {
        ASSERT_TRUE(m_f->DatenfeldNeu());
        const int32_t i = S(1).lngAktuellesDatenfeld;
        Beschriftung& b = m_f->lblDatenfeld(i);
        b.setCaption(QStringLiteral("<Bild>"));
        b.setAutoSize(false);
        b.setWidth(12);
        b.setHeight(7);
        m_f->DatenfeldMaxBreiteSchreiben(i, c.maxBreite);
        m_f->DatenfeldMaxHoeheSchreiben(i, c.maxHoehe);
        DatenfeldAnpassen(i, 1);
        EXPECT_DOUBLE_EQ(b.Width(), c.breite);
        EXPECT_DOUBLE_EQ(b.Height(), 7);
        EXPECT_FALSE(b.AutoSize());
        EXPECT_EQ(m_werkzeuge.datenfeldBreiteGeleert, 0);
    }
}

TEST_F(Anpassen, LayoutLoadSetsCaptionMovesIntoTheLabelAndShows) {
    ASSERT_TRUE(m_f->TextNeu());
    ASSERT_TRUE(m_f->DatenfeldNeu());
    Beschriftung& t = m_f->lblText(1);
    Beschriftung& d = m_f->lblDatenfeld(1);
    t.setLeft(-7.5);
    d.setLeft(80);
    TextLayoutLaden(kKurz, 1);
    DatenfeldLayoutLaden(kKurz, 1);
    EXPECT_EQ(t.Caption(), kKurz);
    EXPECT_EQ(t.Left(), 0);
    EXPECT_TRUE(t.Visible());
    EXPECT_FALSE(t.WordWrap());
    EXPECT_TRUE(t.AutoSize());
    EXPECT_EQ(d.Left(), 80);
    EXPECT_DOUBLE_EQ(d.Width(), 19);
    EXPECT_TRUE(d.WordWrap());
    EXPECT_TRUE(d.Visible());
}

using Ausrichten = SchildTest;

TEST_F(Ausrichten, TextsAndDataFieldsAreNarrowedAtTheRightEdge) {
    const struct {
        bool datenfeld;
        double links, breite;
        int32_t max;
        double nachBreite;
        bool umbruch;
        const char* nachMax;
    } faelle[] = {
        {false, 80, 30, 0, 19, true, "0"},   // 100 - 80 - 1
        {false, 60, 30, 0, 30, false, "0"},  // inside: only WordWrap goes off
        {false, 69, 30, 0, 30, false, "0"},  // ends exactly at W - 1
        {false, 70, 40, 40, 29, true, "29"}, // the new width is the new maximum
        {false, 59, 40, 40, 40, true, "40"},
        {false, 70.5, 40, 40, 28.5, true, "28"}, // half to the even neighbour
        {false, 69.5, 40, 40, 29.5, true, "30"},
        {true, 80, 30, 0, 19, true, "0"},
        {true, 70, 40, 40, 29, true, "29"},
        // Beyond the edge: kept as it is, in place, to be seen and grabbed.
        {false, 120, 30, 0, 30, false, "0"},
        {true, 99.5, 30, 40, 30, true, "40"},
    };
    for (const auto& c : faelle) {
        Beschriftung* b;
        int32_t i;
        if (c.datenfeld) {
            ASSERT_TRUE(m_f->DatenfeldNeu());
            i = S(1).lngAktuellesDatenfeld;
            b = &m_f->lblDatenfeld(i);
            m_f->DatenfeldMaxBreiteSchreiben(i, c.max);
        } else {
            b = &text(c.links, c.breite);
            i = S(1).lngAktuellerText;
            m_f->TextMaxBreiteSchreiben(i, c.max);
        }
        b->setAutoSize(false);
        b->setLeft(c.links);
        b->setWidth(c.breite);
        b->setWordWrap(c.max != 0 || c.links == 60);
        m_f->ObjekteAusrichten();
        EXPECT_FLOAT_EQ(b->Width(), c.nachBreite) << c.links;
        EXPECT_EQ(b->WordWrap(), c.umbruch) << c.links;
        EXPECT_EQ(b->Left(), c.links);
        EXPECT_EQ(c.datenfeld ? m_f->DatenfeldMaxBreiteLesen(i) : m_f->TextMaxBreiteLesen(i),
                  c.nachMax)
            << c.links;
        if (c.datenfeld)
            m_f->DatenfeldLoeschen(i);
        else
            m_f->TextLoeschen(i);
    }
}

TEST_F(Ausrichten, WrappedSelfSizingTextReturnsToOneLineWhenMovedLeft) {
    const QSizeF eine = einzeilig(*m_f, kKurz);
    ASSERT_TRUE(m_f->TextNeu());
    Beschriftung& b = m_f->lblText(S(1).lngAktuellerText);
    b.setCaption(kKurz);
    b.setAutoSize(true);
    b.setLeft(99 - eine.width() + 10);
    m_f->ObjekteAusrichten();
    ASSERT_TRUE(b.WordWrap());
    ASSERT_GT(b.Height(), eine.height());
    b.setLeft(5);
    m_f->ObjekteAusrichten();
    EXPECT_FALSE(b.WordWrap());
    EXPECT_DOUBLE_EQ(b.Width(), eine.width());
    EXPECT_DOUBLE_EQ(b.Height(), eine.height());
}

TEST_F(Ausrichten, FreeSlotsAreAlignedToo) {
    Beschriftung& frei = text(10, 10);
    m_f->TextLoeschen(S(1).lngAktuellerText);
    frei.setLeft(90);
    frei.setWidth(30);
    m_f->ObjekteAusrichten();
    EXPECT_DOUBLE_EQ(frei.Width(), 9);
}

TEST_F(Ausrichten, PicturesShrinkKeepingTheirAspectRatio) {
    const struct {
        double links, oben, breite, hoehe;
        double nLinks, nOben, nBreite, nHoehe;
    } faelle[] = {
        {70.4, 5, 40, 20, 70, 5, 30, 15},       // across: Runden(30 / 2)
        {10, 50, 20, 20, 10, 50, 10, 10},       // down
        {60, 5, 40, 20, 60, 5, 40, 20},         // ends exactly at the right edge
        {10.4, 45.6, 20, 20, 10.4, 46, 14, 14}, // only the adjusted side snaps
        {90, 50, 20, 20, 90, 50, 10, 10},       // across, then inside vertically
        {85, 50.2, 30, 30, 85, 50, 10, 10},     // across to 15 x 15, then down
        {110.4, 5, 20, 10, 110.4, 5, 20, 10},   // beyond the right edge: kept
        {10, 70, 20, 10, 10, 70, 20, 10},       // beyond the bottom: kept
        {99.6, 5, 20, 10, 99.6, 5, 20, 10},     // snaps onto the edge: no room
        {90, 5, 20, 0, 90, 5, 10, 0},           // no height, no aspect ratio
    };
    for (const auto& c : faelle) {
        ASSERT_TRUE(m_f->BildNeu());
        Bild& b = m_f->imgBild(S(1).lngAktuellesBild);
        b.setLeft(c.links);
        b.setTop(c.oben);
        b.setWidth(c.breite);
        b.setHeight(c.hoehe);
        m_f->ObjekteAusrichten();
        EXPECT_FLOAT_EQ(b.Left(), c.nLinks) << c.links << "/" << c.oben;
        EXPECT_FLOAT_EQ(b.Top(), c.nOben) << c.links << "/" << c.oben;
        EXPECT_FLOAT_EQ(b.Width(), c.nBreite) << c.links << "/" << c.oben;
        EXPECT_FLOAT_EQ(b.Height(), c.nHoehe) << c.links << "/" << c.oben;
        m_f->BildLoeschen(S(1).lngAktuellesBild);
    }
}

using WerteUebertragen = SchildTest;

TEST_F(WerteUebertragen, TextTakesTheDataFieldsPlaceInTheStack) {
    ASSERT_TRUE(m_f->TextNeu());
    ASSERT_TRUE(m_f->DatenfeldNeu());
    ASSERT_TRUE(m_f->BildNeu());
    ASSERT_EQ(liste(), (std::vector<int32_t>{11, 31, 21}));
    ASSERT_TRUE(m_f->TextNeu());
    ASSERT_EQ(liste(), (std::vector<int32_t>{11, 31, 21, 12}));
    m_f->WerteUebertragen(1);
    EXPECT_EQ(liste(), (std::vector<int32_t>{11, 12, 21, 31}));
    DatenfeldEntfernen(1, 1);
    EXPECT_EQ(liste(), (std::vector<int32_t>{11, 12, 21}));

    // A data field that is not listed, or already last, changes nothing.
    ASSERT_TRUE(m_f->DatenfeldNeu());
    ASSERT_EQ(liste(), (std::vector<int32_t>{11, 12, 21, 31}));
    m_f->WerteUebertragen(1);
    EXPECT_EQ(liste(), (std::vector<int32_t>{11, 12, 21, 31}));
    listeSetzen({11, 12, 21});
    m_f->WerteUebertragen(1);
    EXPECT_EQ(liste(), (std::vector<int32_t>{11, 12, 21}));
}

TEST_F(WerteUebertragen, TextTakesTheDataFieldsLookButNotItsContentOrSize) {
    ASSERT_TRUE(m_f->DatenfeldNeu());
    Beschriftung& d = m_f->lblDatenfeld(1);
    d.setCaption(QStringLiteral("<Höhe>"));
    d.setFontName(QStringLiteral("Arial"));
    d.setFontSize(10.5);
    d.setFontBold(true);
    d.setFontItalic(true);
    d.setFontUnderline(true);
    d.setAlignment(1);
    d.setForeColor(RGB(255, 0, 0));
    d.setBackStyle(0);
    d.setBackColor(RGB(1, 2, 3));
    d.setBorderStyle(1);
    d.setLeft(12);
    d.setTop(30);
    d.setAutoSize(false);
    d.setWidth(50);
    d.setHeight(8);
    d.setFontStrikethrough(true);
    m_f->DatenfeldMaxBreiteSchreiben(1, 40);
    m_f->DatenfeldMaxHoeheSchreiben(1, 9);

    for (const int32_t maxBreite : {40, 0}) {
        m_f->DatenfeldMaxBreiteSchreiben(1, maxBreite);
        ASSERT_TRUE(m_f->TextNeu());
        const int32_t t = S(1).lngAktuellerText;
        Beschriftung& b = m_f->lblText(t);
        b.setCaption(QStringLiteral("35 cm"));
        b.setAutoSize(false);
        b.setWidth(17);
        b.setHeight(4);
        b.setWordWrap(true);
        m_f->TextMaxBreiteSchreiben(t, 45);
        m_f->TextMaxHoeheSchreiben(t, 3);
        m_f->WerteUebertragen(1);
        EXPECT_EQ(b.FontName(), "Arial");
        EXPECT_DOUBLE_EQ(b.FontSize(), 10.5);
        EXPECT_TRUE(b.FontBold());
        EXPECT_TRUE(b.FontItalic());
        EXPECT_TRUE(b.FontUnderline());
        EXPECT_EQ(b.Alignment(), 1);
        EXPECT_EQ(b.ForeColor(), RGB(255, 0, 0));
        EXPECT_EQ(b.BackStyle(), 0);
        EXPECT_EQ(b.BackColor(), RGB(1, 2, 3));
        EXPECT_EQ(b.BorderStyle(), 1);
        EXPECT_EQ(b.Left(), 12);
        EXPECT_EQ(b.Top(), 30);
        EXPECT_EQ(m_f->TextMaxBreiteLesen(t), QString::number(maxBreite));
        // Not taken over.
        EXPECT_EQ(b.Caption(), "35 cm");
        EXPECT_DOUBLE_EQ(b.Width(), 17);
        EXPECT_DOUBLE_EQ(b.Height(), 4);
        EXPECT_FALSE(b.AutoSize());
        EXPECT_TRUE(b.WordWrap());
        EXPECT_FALSE(b.Visible());
        EXPECT_FALSE(b.FontStrikethrough());
        EXPECT_EQ(m_f->TextMaxHoeheLesen(t), "3");
    }
}

} // namespace
} // namespace sorvo::test

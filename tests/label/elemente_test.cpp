// The element store of a label window, its stacking order and the mark of
// the element being edited.
#include "label/unterprogramme.h"
#include "platform/canvas.h"
#include "platform/fonts.h"
#include "tests/label/schild_fixture.h"
#include "tests/support/fake_dialogs.h"

#include <QImage>

namespace sorvo::test {
namespace {

using ElementSpeicher = SchildTest;

TEST_F(ElementSpeicher, FirstElementOfEachKindIsTheDesignControl) {
    ASSERT_TRUE(m_f->TextNeu());
    ASSERT_TRUE(m_f->DatenfeldNeu());
    ASSERT_TRUE(m_f->BildNeu());
    EXPECT_EQ(S(1).lngAktuellerText, 1);
    EXPECT_EQ(S(1).lngAktuellesDatenfeld, 1);
    EXPECT_EQ(S(1).lngAktuellesBild, 1);
    EXPECT_EQ(liste(), (std::vector<int32_t>{11, 31, 21}));
    // No control was copied: the design controls keep their look.
    EXPECT_EQ(m_f->hoechsterText(), 1);
    const Beschriftung& t = m_f->lblText(1);
    EXPECT_EQ(t.BackColor(), kFensterHintergrund);
    EXPECT_EQ(t.ForeColor(), kFensterText);
    EXPECT_DOUBLE_EQ(t.Width(), twipsZuMm(375));
    EXPECT_DOUBLE_EQ(t.Height(), twipsZuMm(255));
    EXPECT_FALSE(t.Visible());
    // Creation puts every kind at 0, 0, the data field's design place too.
    EXPECT_EQ(m_f->lblDatenfeld(1).Left(), 0);
    EXPECT_EQ(m_f->lblDatenfeld(1).Top(), 0);
    EXPECT_DOUBLE_EQ(m_f->imgBild(1).Width(), twipsZuMm(1695));
    EXPECT_DOUBLE_EQ(m_f->imgBild(1).Height(), twipsZuMm(1335));
}

TEST_F(ElementSpeicher, LowestFreeSlotIsReusedAndLiesOnTop) {
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(m_f->TextNeu());
    m_f->TextMaxBreiteSchreiben(2, 45);
    m_f->TextMaxHoeheSchreiben(2, 7);
    m_f->TextLoeschen(2);
    EXPECT_EQ(m_f->TextZaehlen(), 2);
    EXPECT_EQ(m_f->hoechsterText(), 3); // the control stays
    EXPECT_FALSE(m_f->TextStatusLesen(2));
    EXPECT_EQ(liste(), (std::vector<int32_t>{11, 13}));
    EXPECT_EQ(m_f->TextMaxBreiteLesen(2), "0");
    EXPECT_EQ(m_f->TextMaxHoeheLesen(2), "7"); // not reset by a delete

    ASSERT_TRUE(m_f->TextNeu());
    EXPECT_EQ(S(1).lngAktuellerText, 2);
    EXPECT_EQ(m_f->hoechsterText(), 3);
    EXPECT_EQ(liste(), (std::vector<int32_t>{11, 13, 12}));
    ASSERT_TRUE(m_f->TextNeu());
    EXPECT_EQ(S(1).lngAktuellerText, 4);
    EXPECT_EQ(liste(), (std::vector<int32_t>{11, 13, 12, 14}));
}

TEST_F(ElementSpeicher, MaximumSizeReadersReturnDecimalText) {
    ASSERT_TRUE(m_f->TextNeu());
    ASSERT_TRUE(m_f->DatenfeldNeu());
    EXPECT_EQ(m_f->TextMaxBreiteLesen(1), "0");
    m_f->TextMaxBreiteSchreiben(1, 45);
    EXPECT_EQ(m_f->TextMaxBreiteLesen(1), "45");
    m_f->TextMaxHoeheSchreiben(1, -3);
    EXPECT_EQ(m_f->TextMaxHoeheLesen(1), "-3"); // no blank before the sign
    EXPECT_EQ(m_f->TextMaxBreiteLesen(1), "45");
    m_f->TextLoeschen(1);
    EXPECT_EQ(m_f->TextMaxBreiteLesen(1), "0");

    // A reused data-field slot still reads the old maximum height.
    m_f->DatenfeldMaxBreiteSchreiben(1, 30);
    m_f->DatenfeldMaxHoeheSchreiben(1, 40);
    m_f->DatenfeldLoeschen(1);
    ASSERT_TRUE(m_f->DatenfeldNeu());
    EXPECT_EQ(S(1).lngAktuellesDatenfeld, 1);
    EXPECT_EQ(m_f->DatenfeldMaxHoeheLesen(1), "40");
    EXPECT_EQ(m_f->DatenfeldMaxBreiteLesen(1), "0");
}

TEST_F(ElementSpeicher, LimitRefusesCreationUntilAnElementIsDeleted) {
    const struct {
        const char* text;
        int32_t art, grenze;
    } faelle[] = {
        {"Zu viele Texte!", ArtText, 70},
        {"Zu viele Datenfelder!", ArtDatenfeld, 30},
        {"Zu viele Bilder!", ArtBild, 30},
    };
    frmLabel& f = *m_f;
    const auto neu = [&f](int32_t art) {
        return art == ArtText ? f.TextNeu() : art == ArtDatenfeld ? f.DatenfeldNeu() : f.BildNeu();
    };
    const auto zaehlen = [&f](int32_t art) {
        return art == ArtText        ? f.TextZaehlen()
               : art == ArtDatenfeld ? f.DatenfeldZaehlen()
                                     : f.BilderZaehlen();
    };
    const auto aktuell = [](int32_t art) -> int32_t& {
        auto& e = S(1);
        return art == ArtText        ? e.lngAktuellerText
               : art == ArtDatenfeld ? e.lngAktuellesDatenfeld
                                     : e.lngAktuellesBild;
    };
    for (const auto& c : faelle) {
        for (int32_t i = 0; i < c.grenze; ++i)
            ASSERT_TRUE(neu(c.art));
        ASSERT_EQ(zaehlen(c.art), c.grenze);
        const std::vector<int32_t> vorher = liste();
        aktuell(c.art) = 5;

        SkriptDialoge d;
        d.meldung(Antwort::OK);
        EXPECT_FALSE(neu(c.art)) << c.text;
        ASSERT_EQ(d.gezeigt().size(), 1u);
        EXPECT_EQ(d.gezeigt()[0].text, QString::fromUtf8(c.text));
        EXPECT_EQ(d.gezeigt()[0].stil, Msg::OK);
        EXPECT_EQ(d.gezeigt()[0].titel, programmTitel());
        // Nothing was created and the current element stays.
        EXPECT_EQ(zaehlen(c.art), c.grenze);
        EXPECT_EQ(aktuell(c.art), 5);
        EXPECT_EQ(liste(), vorher);

        if (c.art == ArtText)
            f.TextLoeschen(17);
        else if (c.art == ArtDatenfeld)
            f.DatenfeldLoeschen(17);
        else
            f.BildLoeschen(17);
        EXPECT_TRUE(neu(c.art)) << c.text;
        EXPECT_EQ(aktuell(c.art), 17);
        EXPECT_EQ(zaehlen(c.art), c.grenze);
    }
    // Each kind counts against its own limit: 130 codes in the list.
    EXPECT_EQ(S(1).lngReihenfolgeAnzahl, 130);
}

TEST_F(ElementSpeicher, StandardLookOfTextsAndDataFields) {
    for (const bool datenfeld : {false, true}) {
        ASSERT_TRUE(datenfeld ? m_f->DatenfeldNeu() : m_f->TextNeu());
        ASSERT_TRUE(datenfeld ? m_f->DatenfeldNeu() : m_f->TextNeu());
        Beschriftung& b = datenfeld ? m_f->lblDatenfeld(2) : m_f->lblText(2);
        b.setCaption(QStringLiteral("x"));
        b.setVisible(true);
        b.setWordWrap(true);
        b.setBackStyle(0);
        b.setBackColor(RGB(1, 2, 3));
        b.setLeft(12.5);
        b.setTop(3);
        b.setForeColor(RGB(255, 0, 0));
        b.setFontBold(true);
        b.setFontItalic(true);
        b.setFontUnderline(true);
        b.setFontName(QStringLiteral("Arial"));
        b.setFontSize(14);
        b.setBorderStyle(1);
        b.setAlignment(2);
        b.setAutoSize(false);
        b.setWidth(33);
        b.setHeight(9);
        m_f->flaeche()->nachVorne(&m_f->lblText(1));
        if (datenfeld)
            m_f->DfStandard(2);
        else
            m_f->TeStandard(2);
        EXPECT_EQ(b.Caption(), "");
        EXPECT_FALSE(b.Visible());
        EXPECT_FALSE(b.WordWrap());
        EXPECT_EQ(b.BackStyle(), 1);
        EXPECT_EQ(b.BackColor(), RGB(255, 255, 255));
        EXPECT_EQ(b.Left(), 0);
        EXPECT_EQ(b.Top(), 0);
        EXPECT_EQ(b.ForeColor(), 0);
        EXPECT_FALSE(b.FontBold() || b.FontItalic() || b.FontUnderline());
        EXPECT_EQ(b.FontName(), "MS Sans Serif");
        EXPECT_DOUBLE_EQ(b.FontSize(), schriftGroesseNormieren(QStringLiteral("MS Sans Serif"), 8));
        EXPECT_EQ(b.BorderStyle(), 0);
        EXPECT_EQ(b.Alignment(), 0);
        EXPECT_EQ(m_f->flaeche()->stapel().back(), &b);
        // Size and self-sizing stay.
        EXPECT_DOUBLE_EQ(b.Width(), 33);
        EXPECT_DOUBLE_EQ(b.Height(), 9);
        EXPECT_FALSE(b.AutoSize());
    }
}

TEST_F(ElementSpeicher, NewControlsAreCopiesOfTheLowestOne) {
    ASSERT_TRUE(m_f->BildNeu());
    Bild& eins = m_f->imgBild(1);
    QImage bild(8, 4, QImage::Format_RGB32);
    bild.fill(Qt::red);
    eins.setPicture(bild);
    eins.setLeft(5);
    eins.setTop(6);
    eins.setWidth(40);
    eins.setHeight(20);
    eins.setVisible(true);
    ASSERT_TRUE(m_f->BildNeu());
    const Bild& zwei = m_f->imgBild(2);
    EXPECT_EQ(zwei.Picture(), bild);
    EXPECT_DOUBLE_EQ(zwei.Width(), 40);
    EXPECT_DOUBLE_EQ(zwei.Height(), 20);
    EXPECT_EQ(zwei.Left(), 0);
    EXPECT_FALSE(zwei.Visible());
    EXPECT_EQ(m_f->BildPfadLesen(2), "");

    // Deleting a picture clears it but keeps its size.
    m_f->BildPfadSchreiben(1, QStringLiteral("/bilder/rose.jpg"));
    m_f->BildLoeschen(1);
    EXPECT_TRUE(eins.Picture().isNull());
    EXPECT_FALSE(eins.Visible());
    EXPECT_EQ(eins.Left(), 0);
    EXPECT_EQ(eins.Top(), 0);
    EXPECT_DOUBLE_EQ(eins.Width(), 40);
    EXPECT_EQ(m_f->BildPfadLesen(1), "");
    EXPECT_FALSE(m_f->BildStatusLesen(1));
    EXPECT_EQ(m_f->BilderZaehlen(), 1);
    EXPECT_EQ(liste(), (std::vector<int32_t>{22}));
    EXPECT_EQ(m_f->flaeche()->stapel().back(), &eins);
}

TEST_F(ElementSpeicher, CreationActsOnTheCurrentWindowsListAndNumbers) {
    NeuesSchild();
    ASSERT_EQ(P().lngAktivesSchild, 2);
    ASSERT_TRUE(m_f->TextNeu());
    ASSERT_TRUE(m_f->TextNeu());
    EXPECT_EQ(liste(2), (std::vector<int32_t>{11, 12}));
    EXPECT_EQ(S(2).lngAktuellerText, 2);
    EXPECT_EQ(liste(1), std::vector<int32_t>{});
    EXPECT_EQ(S(1).lngAktuellerText, 0);
    EXPECT_EQ(m_f->TextZaehlen(), 2);
    // Deleting through the window number removes from the current list.
    TextEntfernen(1, 1);
    EXPECT_EQ(liste(2), (std::vector<int32_t>{12}));
    EXPECT_EQ(m_f->TextZaehlen(), 1);
}

using Reihenfolge = SchildTest;

TEST_F(Reihenfolge, ElementCodesAndTheirDecoding) {
    const struct {
        int32_t art, index, code;
    } faelle[] = {
        {ArtText, 1, 11},        {ArtText, 3, 13},        {ArtText, 4, 14},
        {ArtText, 9, 19},        {ArtText, 10, 110},      {ArtText, 12, 112},
        {ArtText, 70, 170},      {ArtBild, 3, 23},        {ArtBild, 4, 24},
        {ArtBild, 12, 212},      {ArtDatenfeld, 10, 310}, {ArtDatenfeld, 15, 315},
        {ArtDatenfeld, 30, 330},
    };
    for (const auto& c : faelle) {
        EXPECT_EQ(Elementcode(c.art, c.index), c.code);
        EXPECT_EQ(elementArtAusCode(c.code), c.art) << c.code;
        EXPECT_EQ(elementIndexAusCode(c.code), c.index) << c.code;
    }
}

TEST_F(Reihenfolge, EnterAndRemoveCodes) {
    const struct {
        std::vector<int32_t> vorher;
        bool eintragen;
        int32_t code;
        std::vector<int32_t> nachher;
    } faelle[] = {
        {{11, 21, 31}, true, 11, {21, 31, 11}}, // moved to the top, count kept
        {{11, 21, 31}, true, 31, {11, 21, 31}},
        {{11, 21, 31}, true, 12, {11, 21, 31, 12}},
        {{}, true, 12, {12}},
        {{11, 21, 31}, false, 21, {11, 31}},
        {{11, 21, 31}, false, 22, {11, 21, 31}}, // not listed
        {{}, false, 11, {}},
    };
    for (const auto& c : faelle) {
        listeSetzen(c.vorher);
        if (c.eintragen)
            ReihenfolgeEintragen(c.code);
        else
            ReihenfolgeAustragen(c.code);
        EXPECT_EQ(liste(), c.nachher) << c.code;
        // Positions above the count hold 0.
        EXPECT_EQ(S(1).lngReihenfolge[c.nachher.size() + 1], 0) << c.code;
    }
}

TEST_F(Reihenfolge, FullListAndRestacking) {
    std::vector<int32_t> voll;
    for (int32_t i = 1; i <= 70; ++i)
        voll.push_back(Elementcode(ArtText, i));
    for (int32_t i = 1; i <= 30; ++i)
        voll.push_back(Elementcode(ArtBild, i));
    for (int32_t i = 1; i <= 30; ++i)
        voll.push_back(Elementcode(ArtDatenfeld, i));
    ASSERT_EQ(S(1).lngReihenfolge.size(), 131u);
    listeSetzen(voll);
    ReihenfolgeAustragen(212);
    voll.erase(std::find(voll.begin(), voll.end(), 212));
    EXPECT_EQ(liste(), voll);
    EXPECT_EQ(S(1).lngReihenfolge[130], 0);

    // Created text 1, picture 1, data field 1: the data field lies on top,
    // hidden elements are stacked too.
    listeSetzen({});
    ASSERT_TRUE(m_f->TextNeu());
    ASSERT_TRUE(m_f->BildNeu());
    ASSERT_TRUE(m_f->DatenfeldNeu());
    EXPECT_EQ(liste(), (std::vector<int32_t>{11, 21, 31}));
    listeSetzen({31, 11, 21});
    ReihenfolgeHerstellen();
    const auto& s = m_f->flaeche()->stapel();
    ASSERT_GE(s.size(), 3u);
    EXPECT_EQ(s[s.size() - 3], &m_f->lblDatenfeld(1));
    EXPECT_EQ(s[s.size() - 2], &m_f->lblText(1));
    EXPECT_EQ(s[s.size() - 1], &m_f->imgBild(1));
}

using Markierung = SchildTest;

TEST_F(Markierung, MarkDiffersFromOwnColourAndUnmarkRestores) {
    ASSERT_TRUE(m_f->TextNeu());
    ASSERT_TRUE(m_f->DatenfeldNeu());
    const struct {
        Farbe eigen, marke;
        bool farbeGeaendert;
        Farbe danach;
    } faelle[] = {
        {RGB(255, 255, 255), RGB(192, 192, 192), false, RGB(255, 255, 255)},
        {RGB(192, 192, 192), RGB(255, 128, 128), false, RGB(192, 192, 192)},
        {RGB(10, 20, 30), RGB(192, 192, 192), true, RGB(0, 0, 255)}, // the user's new colour
    };
    // Marking acts on the current window's current element, whichever
    // window object is called; the flag belongs to the object called.
    NeuesSchild();
    P().lngAktivesSchild = 1;
    S(1).lngAktuellerText = 1;
    S(1).lngAktuellesDatenfeld = 1;
    frmLabel& anderes = Schild(2);
    for (const bool datenfeld : {false, true}) {
        Beschriftung& b = datenfeld ? m_f->lblDatenfeld(1) : m_f->lblText(1);
        for (const auto& c : faelle) {
            b.setBackColor(c.eigen);
            P().lngAltHintergrundFarbe = c.eigen;
            m_werkzeuge.blnHFarbeAenderung = false;
            if (datenfeld)
                anderes.DfMarkierung_Ein();
            else
                anderes.Markierung_Ein();
            EXPECT_EQ(b.BackColor(), c.marke);
            EXPECT_EQ(anderes.lngTextMarkiert, datenfeld ? 0 : 1);
            if (c.farbeGeaendert) {
                b.setBackColor(RGB(0, 0, 255));
                m_werkzeuge.blnHFarbeAenderung = true;
            }
            if (datenfeld)
                anderes.DfMarkierung_Aus();
            else
                anderes.Markierung_Aus();
            EXPECT_EQ(b.BackColor(), c.danach);
            EXPECT_EQ(anderes.lngTextMarkiert, 0);
            EXPECT_EQ(m_f->lngTextMarkiert, 0);
        }
    }
}

} // namespace
} // namespace sorvo::test

// The edit frames at work: every control changes the element at once,
// typed and stepped positions and sizes keep their own bounds, Cancel puts
// back what was recorded, OK keeps it and marks the label changed, Delete
// asks first.
#include "label/frmLabel.h"
#include "label/unterprogramme.h"
#include "platform/elements.h"
#include "platform/fonts.h"
#include "tests/tools/werkzeug_fixture.h"
#include "tools/farbwahl.h"
#include "tools/zahlenfeld.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

namespace sorvo::test {
namespace {

// Everything Cancel is to put back on a text or data field.
struct Zustand {
    QString caption;
    Aussehen aussehen;
    double links, oben, breite, hoehe;
    bool autoSize, wortUmbruch;
    QString maxBreite;
    bool operator==(const Zustand&) const = default;
};

class BearbeitenTest : public WerkzeugTest {
protected:
    void SetUp() override {
        WerkzeugTest::SetUp();
        piepenSetzen([this] { ++m_pieptoene; });
    }
    void TearDown() override {
        piepenSetzen({});
        WerkzeugTest::TearDown();
    }

    // Types into a box and presses Enter, or leaves it with the mouse.
    static void enter(QLineEdit* box, const QString& text) {
        box->setText(text);
        QKeyEvent druck(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
        QApplication::sendEvent(box, &druck);
    }
    static void verlassen(QLineEdit* box, const QString& text) {
        box->setText(text);
        QFocusEvent aus(QEvent::FocusOut, Qt::MouseFocusReason);
        QApplication::sendEvent(box, &aus);
    }
    static void waehlen(QComboBox* liste, const QString& text) {
        const int i = liste->findText(text);
        ASSERT_GE(i, 0) << text.toStdString();
        liste->setCurrentIndex(i);
        emit liste->activated(i);
    }

    // Opens a text (or a data field) for editing.
    Beschriftung& textOeffnen(bool datenfeld, const QString& caption = QStringLiteral("Rose")) {
        Beschriftung& e = datenfeld ? neuesDatenfeld(caption) : neuerText(caption);
        oeffnen(datenfeld ? ArtDatenfeld : ArtText);
        return e;
    }
    Bild& bildOeffnen(double breite, double hoehe, double links = 0, double oben = 0) {
        Bild& b = neuesBild(breite, hoehe);
        b.setLeft(links);
        b.setTop(oben);
        oeffnen(ArtBild);
        return b;
    }
    Beschriftung& bildfeldOeffnen(double links, double oben) {
        Beschriftung& d = neuesDatenfeld(QStringLiteral("<Bild>"));
        d.setLeft(links);
        d.setTop(oben);
        oeffnen(ArtDatenfeld);
        return d;
    }
    void oeffnen(int32_t art) {
        const auto& s = S(m_n);
        if (art == ArtText)
            m_f->lblText_DblClick(s.lngAktuellerText);
        else if (art == ArtDatenfeld)
            m_f->lblDatenfeld_DblClick(s.lngAktuellesDatenfeld);
        else
            m_f->imgBild_DblClick(s.lngAktuellesBild);
    }
    Zustand zustand(const Beschriftung& e, bool datenfeld) const {
        const int32_t i = m_t->lngElementIndex;
        return {e.Caption(),
                e.aussehen(),
                e.Left(),
                e.Top(),
                e.Width(),
                e.Height(),
                e.AutoSize(),
                e.WordWrap(),
                datenfeld ? m_f->DatenfeldMaxBreiteLesen(i) : m_f->TextMaxBreiteLesen(i)};
    }
    QPushButton* abbrechen(bool datenfeld) const {
        return datenfeld ? m_t->cmdCancel_d : m_t->cmdCancel_T;
    }
    QPushButton* ok(bool datenfeld) const { return datenfeld ? m_t->cmdDfOK : m_t->cmdOK_T; }
    int m_pieptoene = 0;
};

// A family that several foundries offer is listed once, without the
// foundry's tag the font database adds, and that name gives the family.
TEST_F(BearbeitenTest, AFamilyOfSeveralFoundriesIsListedOnceByItsNameAndApplies) {
    QString mitMarke;
    for (const QString& f : QFontDatabase::families())
        if (f.endsWith(QLatin1Char(']'))) {
            mitMarke = f;
            break;
        }
    if (mitMarke.isEmpty())
        GTEST_SKIP() << "no font family of several foundries on this machine";
    const QString name = mitMarke.left(mitMarke.lastIndexOf(QStringLiteral(" [")));
    for (const bool df : {false, true}) {
        SCOPED_TRACE(df ? "data field" : "text");
        Beschriftung& e = df ? neuesDatenfeld(QStringLiteral("<Höhe>")) : neuerText();
        oeffnen(df ? ArtDatenfeld : ArtText);
        QComboBox* art = df ? m_t->cboDfArt : m_t->cboArt;
        int anzahl = 0;
        for (int i = 0; i < art->count(); ++i) {
            EXPECT_FALSE(art->itemText(i).contains(QStringLiteral(" ["))) << i;
            anzahl += art->itemText(i) == name;
        }
        EXPECT_EQ(anzahl, 1);
        waehlen(art, name);
        EXPECT_EQ(e.FontName(), name);
        const QString gefunden = QFontInfo(schriftBauen(e.FontName(), 12)).family();
        EXPECT_TRUE(gefunden == name || gefunden.startsWith(name + QStringLiteral(" [")))
            << gefunden.toStdString();
        (df ? m_t->cmdCancel_d : m_t->cmdCancel_T)->click();
    }
}

// Every control of the text and data-field frames acts at once; Cancel
// gives back every recorded property and leaves the label unchanged.
TEST_F(BearbeitenTest, ControlsActAtOnceAndCancelPutsEverythingBack) {
    for (const bool df : {false, true}) {
        SCOPED_TRACE(df ? "data field" : "text");
        Beschriftung& e = df ? neuesDatenfeld(QStringLiteral("<Höhe>")) : neuerText();
        e.setLeft(12.5);
        e.setTop(7.25);
        e.setForeColor(RGB(10, 20, 30));
        e.setBackColor(RGB(250, 240, 230));
        const Zustand vorher = zustand(e, df);
        oeffnen(df ? ArtDatenfeld : ArtText);

        QComboBox* art = df ? m_t->cboDfArt : m_t->cboArt;
        ASSERT_GT(art->count(), 0);
        const QString schrift = art->itemText(art->count() - 1);
        waehlen(art, schrift);
        EXPECT_EQ(e.FontName(), schrift);
        waehlen(df ? m_t->cboDfGroesse : m_t->cboGroesse, QStringLiteral("14"));
        EXPECT_EQ(e.FontSize(), 14);
        (df ? m_t->cmdDfBold : m_t->cmdBold)->click();
        EXPECT_TRUE(e.FontBold());
        (df ? m_t->cmdDfItalic : m_t->cmdItalic)->click();
        EXPECT_TRUE(e.FontItalic());
        (df ? m_t->cmdDfUnderline : m_t->cmdULine)->click();
        EXPECT_TRUE(e.FontUnderline());
        (df ? m_t->chkDfRahmen : m_t->chkRahmen)->click();
        EXPECT_EQ(e.BorderStyle(), 1);
        (df ? m_t->chkDfTransparent : m_t->chkTransparent)->click();
        EXPECT_EQ(e.BackStyle(), 0);
        EXPECT_EQ(e.BackColor(), RGB(250, 240, 230));
        Farbwahl* farben = df ? m_t->farbwahlDf : m_t->farbwahlText;
        farben->cmdFarbe->click();
        farben->picFarbe2[12]->click();
        EXPECT_EQ(e.ForeColor(), 255);
        enter(m_t->txtX[df ? 3 : 1], QStringLiteral("30"));
        EXPECT_EQ(e.Left(), 30);
        enter(m_t->txtY[df ? 3 : 1], QStringLiteral("20"));
        EXPECT_EQ(e.Top(), 20);
        enter(df ? m_t->txtMaxBDatenfeld : m_t->txtMaxBText, QStringLiteral("40"));
        EXPECT_EQ(e.Width(), 40);
        QCheckBox* zentrieren = df ? m_t->chkDfZentriert : m_t->chkTfZentriert;
        ASSERT_TRUE(zentrieren->isEnabled());
        zentrieren->click();
        EXPECT_EQ(e.Alignment(), 2);
        (df ? m_t->cmdPosX[0] : m_t->cmdX[4])->click();
        EXPECT_EQ(e.Left(), 31);
        if (!df)
            m_t->txtFont->setText(QStringLiteral("Tulpe"));
        EXPECT_TRUE(unveraendert());

        abbrechen(df)->click();
        EXPECT_EQ(zustand(e, df), vorher);
        EXPECT_TRUE(unveraendert());
    }
}

TEST_F(BearbeitenTest, OkKeepsTheChangesAndTheWording) {
    for (const bool df : {false, true}) {
        SCOPED_TRACE(df ? "data field" : "text");
        Beschriftung& e = textOeffnen(df, df ? QStringLiteral("<Höhe>") : QStringLiteral("Rose"));
        (df ? m_t->cmdDfBold : m_t->cmdBold)->click();
        Farbwahl* farben = df ? m_t->farbwahlDf : m_t->farbwahlText;
        farben->cmdHFarbe->click();
        farben->cmdWeitere->click();
        farben->picW[43]->click();
        EXPECT_TRUE(m_t->blnHFarbeAenderung);
        enter(m_t->txtX[df ? 3 : 1], QStringLiteral("25"));
        m_t->txtY[df ? 3 : 1]->clear();
        if (!df)
            m_t->txtFont->setText(QStringLiteral("Tulpe"));
        ok(df)->click();
        EXPECT_TRUE(e.FontBold());
        // The chosen background stays once the edit mark is gone.
        EXPECT_EQ(e.BackColor(), RGB(255, 128, 255));
        EXPECT_EQ(e.Left(), 25);
        EXPECT_EQ(e.Top(), 0);
        EXPECT_EQ(m_t->txtY[df ? 3 : 1]->text(), "0");
        EXPECT_EQ(e.Caption(), df ? "<Höhe>" : "Tulpe");
        EXPECT_EQ(m_t->bearbeitung(), frmTools::Bearbeitung::Keine);
        EXPECT_EQ(m_f->Caption(), "Schild 1*");
        S(m_n).blnGeaendert = false;
        m_f->setCaption(QStringLiteral("Schild 1"));
    }
}

TEST_F(BearbeitenTest, StyleButtonsAlternateAndBackgroundBoxPutsTheOwnColourBack) {
    Beschriftung& t = textOeffnen(false);
    t.setBackColor(RGB(1, 2, 3));
    P().lngAltHintergrundFarbe = RGB(1, 2, 3);
    const Aussehen vorher = t.aussehen();
    for (QPushButton* k : {m_t->cmdBold, m_t->cmdItalic, m_t->cmdULine}) {
        k->click();
        k->click();
    }
    EXPECT_EQ(t.aussehen(), vorher);

    // Without a colour chosen the element's own colour replaces the mark;
    // with one chosen that colour stays.
    t.setBackColor(RGB(192, 192, 192));
    m_t->chkTransparent->click();
    EXPECT_EQ(t.BackColor(), RGB(1, 2, 3));
    m_t->farbwahlText->cmdHFarbe->click();
    m_t->farbwahlText->picFarbe2[10]->click();
    m_t->chkTransparent->click();
    EXPECT_EQ(t.BackColor(), RGB(0, 255, 0));
    EXPECT_EQ(t.BackStyle(), m_t->chkTransparent->isChecked() ? 1 : 0);
    m_t->cmdCancel_T->click();
    EXPECT_EQ(t.BackColor(), RGB(1, 2, 3));
}

TEST_F(BearbeitenTest, ColourCellsGoToTheElementAndTheSamples) {
    Beschriftung& t = neuerText();
    t.setBackColor(RGB(9, 9, 9));
    t.setForeColor(RGB(0, 0, 0));
    oeffnen(ArtText);
    // The edit mark the text shows while it is edited.
    const Farbe markiert = t.BackColor();
    Farbwahl* w = m_t->farbwahlText;
    w->cmdFarbe->click();
    w->picFarbe2[12]->click();
    EXPECT_EQ(t.ForeColor(), 255);
    EXPECT_EQ(frmTools::farbeVon(m_t->picFarbe_S), 255);
    EXPECT_EQ(t.BackColor(), markiert);
    EXPECT_FALSE(m_t->blnHFarbeAenderung);
    EXPECT_FALSE(w->offen());
    w->picFarbe_H->click();
    w->cmdWeitere->click();
    w->picW[43]->click();
    EXPECT_EQ(t.BackColor(), RGB(255, 128, 255));
    EXPECT_EQ(frmTools::farbeVon(m_t->picFarbe_H), RGB(255, 128, 255));
    EXPECT_TRUE(m_t->blnHFarbeAenderung);
    // A palette left open is closed when the next element is loaded.
    w->cmdFarbe->click();
    m_t->cmdCancel_T->click();
    EXPECT_EQ(t.BackColor(), RGB(9, 9, 9));
    EXPECT_EQ(t.ForeColor(), RGB(0, 0, 0));
    textOeffnen(false);
    EXPECT_FALSE(w->offen());
    EXPECT_FALSE(m_t->blnHFarbeAenderung);
    m_t->cmdCancel_T->click();
}

struct GetipptFall {
    const char* name;
    int32_t art; // ArtText, ArtDatenfeld or ArtBild
    bool x;
    double innen; // inner width (x) or height (y)
    const char* box;
    const char* ergebnis;
};

// The label's inner size, the element's height (5 mm texts, 20 mm pictures).
TEST_F(BearbeitenTest, TypedPositionsAreHeldToTheLabel) {
    const GetipptFall faelle[] = {
        {"text X fits", ArtText, true, 105, "104", "104"},
        {"text X past S-1", ArtText, true, 105, "105", "101"},
        {"text X 102 at 102.5", ArtText, true, 102.5, "102", "98"},
        {"data field X at 103.5", ArtDatenfeld, true, 103.5, "103", "100"},
        {"picture X 100 of 100", ArtBild, true, 100, "100", "96"},
        {"leading zeros", ArtText, true, 100, "007", "7"},
        {"empty is 0", ArtBild, true, 100, "", "0"},
        {"picture Y fits", ArtBild, false, 70, "50", "50"},
        {"picture Y to the bottom", ArtBild, false, 70, "900", "50"},
        {"text Y 1 mm above", ArtText, false, 70, "65", "64"},
        {"data field Y 1 mm above", ArtDatenfeld, false, 70, "65", "64"},
    };
    for (const auto& f : faelle) {
        for (const bool perEnter : {true, false}) {
            SCOPED_TRACE(testing::Message() << f.name << (perEnter ? " by Enter" : " by leaving"));
            m_f->innenGroesseSetzen(f.x ? f.innen : 200, f.x ? 200 : f.innen);
            Steuerelement* e = nullptr;
            int k = 0;
            if (f.art == ArtBild) {
                e = &bildOeffnen(50, 20);
            } else {
                Beschriftung& b = textOeffnen(f.art == ArtDatenfeld);
                b.setAutoSize(false);
                b.setHeight(5.3);
                e = &b;
                k = f.art == ArtDatenfeld ? 3 : 1;
            }
            QLineEdit* box = (f.x ? m_t->txtX : m_t->txtY)[static_cast<size_t>(k)];
            perEnter ? enter(box, QString::fromLatin1(f.box))
                     : verlassen(box, QString::fromLatin1(f.box));
            EXPECT_EQ(box->text(), f.ergebnis);
            EXPECT_EQ(f.x ? e->Left() : e->Top(), QString::fromLatin1(f.ergebnis).toDouble());
            (f.art == ArtBild ? m_t->cmdCancel_B : abbrechen(f.art == ArtDatenfeld))->click();
            EXPECT_EQ(f.x ? e->Left() : e->Top(), 0);
            EXPECT_TRUE(unveraendert());
        }
    }
}

TEST_F(BearbeitenTest, TypedXMovesAMaximumWidthThatNoLongerFits) {
    for (const bool df : {false, true}) {
        SCOPED_TRACE(df ? "data field" : "text");
        Beschriftung& e = df ? neuesDatenfeld(QStringLiteral("<Höhe>")) : neuerText();
        const int32_t i = df ? S(m_n).lngAktuellesDatenfeld : S(m_n).lngAktuellerText;
        df ? m_f->DatenfeldMaxBreiteSchreiben(i, 50) : m_f->TextMaxBreiteSchreiben(i, 50);
        oeffnen(df ? ArtDatenfeld : ArtText);
        enter(m_t->txtX[df ? 3 : 1], QStringLiteral("60"));
        QLineEdit* max = df ? m_t->txtMaxBDatenfeld : m_t->txtMaxBText;
        EXPECT_EQ(max->text(), "39");
        EXPECT_EQ(df ? m_f->DatenfeldMaxBreiteLesen(i) : m_f->TextMaxBreiteLesen(i), "39");
        EXPECT_EQ(e.Width(), 39);
        // Cancel gives back the position and the maximum it had.
        abbrechen(df)->click();
        EXPECT_EQ(e.Left(), 0);
        EXPECT_EQ(df ? m_f->DatenfeldMaxBreiteLesen(i) : m_f->TextMaxBreiteLesen(i), "50");
    }
}

struct MaxFall {
    bool datenfeld;
    bool perEnter;
    const char* links;
    const char* box;
    const char* danach;
    const char* gespeichert;
    bool zentrierenAn;
};

// Enter holds the maximum width 1 mm inside the label and switches
// "zentrieren"; leaving the box keeps what was typed.
TEST_F(BearbeitenTest, MaximumWidthByEnterOrByLeavingTheBox) {
    const MaxFall faelle[] = {
        {false, true, "10", "200", "89", "89", true},
        {false, false, "10", "200", "200", "200", false},
        {true, true, "10", "200", "89", "89", true},
        {true, false, "10", "200", "200", "200", false},
        {false, true, "10", "89", "89", "89", true},
        {false, true, "10", "007", "7", "7", true},
        {false, true, "10", "0", "", "0", false},
        {true, false, "10", "", "", "0", false},
        // At Left 99 of 100 no room is left: no maximum, not a negative one.
        {false, true, "99", "5", "", "0", false},
        {true, true, "99", "5", "", "0", false},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(testing::Message() << (f.datenfeld ? "data field " : "text ") << f.box
                                        << (f.perEnter ? " Enter" : " leaving"));
        Beschriftung& e = textOeffnen(f.datenfeld);
        enter(m_t->txtX[f.datenfeld ? 3 : 1], QString::fromLatin1(f.links));
        QLineEdit* box = f.datenfeld ? m_t->txtMaxBDatenfeld : m_t->txtMaxBText;
        f.perEnter ? enter(box, QString::fromLatin1(f.box))
                   : verlassen(box, QString::fromLatin1(f.box));
        const int32_t i = m_t->lngElementIndex;
        EXPECT_EQ(box->text(), f.danach);
        EXPECT_EQ(f.datenfeld ? m_f->DatenfeldMaxBreiteLesen(i) : m_f->TextMaxBreiteLesen(i),
                  f.gespeichert);
        if (QString::fromLatin1(f.gespeichert) != QStringLiteral("0")) {
            EXPECT_EQ(e.Width(), QString::fromLatin1(f.gespeichert).toDouble());
        } else {
            EXPECT_TRUE(e.AutoSize());
        }
        EXPECT_EQ((f.datenfeld ? m_t->chkDfZentriert : m_t->chkTfZentriert)->isEnabled(),
                  f.zentrierenAn);
        abbrechen(f.datenfeld)->click();
        EXPECT_EQ(f.datenfeld ? m_f->DatenfeldMaxBreiteLesen(i) : m_f->TextMaxBreiteLesen(i), "0");
    }
}

struct BildFall {
    const char* name;
    double altBreite, altHoehe;
    bool proportional;
    int box; // 0 height, 1 width; -1: the width's "-" button
    const char* getippt;
    int32_t hoehe, breite;
};

TEST_F(BearbeitenTest, PictureSizeKeepsTheRatioItWasOpenedWith) {
    const BildFall faelle[] = {
        {"height 45 of 40x30", 40, 30, true, 0, "45", 45, 60},
        {"width 50 of 40x30", 40, 30, true, 1, "50", 38, 50},
        {"width step down of 40x30", 40, 30, true, -1, nullptr, 29, 39},
        // The ratio is that of the whole millimetres recorded, halves to
        // even: 40.5 x 30.5 was recorded as 40 x 30, 41.5 x 31.5 as 42 x 32.
        {"width step down of 40.5x30.5", 40.5, 30.5, true, -1, nullptr, 29, 39},
        {"width step down of 41.5x31.5", 41.5, 31.5, true, -1, nullptr, 31, 41},
        {"height 25 of 45x30", 45, 30, true, 0, "25", 25, 38},
        {"width 25 of 45x30", 45, 30, true, 1, "25", 17, 25},
        {"not proportional", 40, 30, false, 0, "45", 45, 40},
        // Nothing recorded to keep a ratio of: the partner stays.
        {"recorded height 0", 40, 0, true, 1, "50", 0, 50},
        {"recorded width 0", 0, 30, true, 0, "45", 45, 0},
    };
    m_f->innenGroesseSetzen(200, 200);
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        Bild& b = bildOeffnen(f.altBreite, f.altHoehe, 5, 5);
        if (m_t->chkProportional->isChecked() != f.proportional)
            m_t->chkProportional->click();
        if (f.box < 0)
            m_t->cmdB[0]->click();
        else
            enter(m_t->txtHB[static_cast<size_t>(f.box)], QString::fromLatin1(f.getippt));
        EXPECT_EQ(b.Height(), f.hoehe);
        EXPECT_EQ(b.Width(), f.breite);
        EXPECT_EQ(m_t->txtHB[0]->text(), QString::number(f.hoehe));
        EXPECT_EQ(m_t->txtHB[1]->text(), QString::number(f.breite));
        m_t->cmdCancel_B->click();
        EXPECT_EQ(b.Width(), f.altBreite);
        EXPECT_EQ(b.Height(), f.altHoehe);
        EXPECT_TRUE(unveraendert());
    }
}

TEST_F(BearbeitenTest, PictureGrowingPastTheEdgeComesBackInside) {
    // 40 x 30 at Left 60 on a 100 x 60 label: one more millimetre is pulled
    // back to the right edge with its proportions.
    Bild& b = bildOeffnen(40, 30, 60, 0);
    // 41 x 30 (not proportional), pulled back to 40 wide and
    // Runden(40 / (41 / 30)) = 29 high.
    m_t->cmdB[1]->click();
    EXPECT_EQ(b.Left() + b.Width(), 100);
    EXPECT_EQ(b.Height(), 29);
    EXPECT_EQ(m_t->txtHB[1]->text(), "40");
    EXPECT_EQ(m_t->txtHB[0]->text(), "29");
    // Moves are not bounded.
    for (int i = 0; i < 3; ++i)
        m_t->cmdX[1]->click();
    EXPECT_EQ(m_t->txtX[0]->text(), "57");
    m_t->cmdCancel_B->click();
    EXPECT_EQ(b.Left(), 60);
    EXPECT_EQ(b.Width(), 40);
}

// After a step the boxes show what the picture got, a half rounded to the
// even neighbour; the picture keeps its fractional height.
TEST_F(BearbeitenTest, PictureBoxesShowAHalfRoundedToEven) {
    const struct {
        double hoehe;
        const char* box;
    } faelle[] = {{12.5, "12"}, {13.5, "14"}, {12.4, "12"}, {12.6, "13"}};
    m_f->innenGroesseSetzen(200, 200);
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.hoehe);
        Bild& b = bildOeffnen(40, f.hoehe, 5, 5);
        if (m_t->chkProportional->isChecked())
            m_t->chkProportional->click();
        m_t->cmdB[1]->click();
        EXPECT_EQ(b.Width(), 41);
        EXPECT_EQ(b.Height(), f.hoehe);
        EXPECT_EQ(m_t->txtHB[1]->text(), "41");
        EXPECT_EQ(m_t->txtHB[0]->text(), f.box);
        m_t->cmdCancel_B->click();
    }
}

struct KnopfFall {
    const char* name;
    bool datenfeld;
    bool plus;
    const char* box;
    const char* danach;
    const char* gespeichert;
    bool zentrierenAn;
    int pieptoene;
};

TEST_F(BearbeitenTest, MaximumWidthButtons) {
    const KnopfFall faelle[] = {
        {"two less", false, false, "2", "1", "1", true, 0},
        {"one less is none", false, false, "1", "", "0", false, 0},
        {"nothing to take from", false, false, "", "", "0", false, 1},
        {"data field none", true, false, "1", "", "0", false, 0},
        {"empty plus starts at 1", false, true, "", "1", "1", true, 0},
        {"data field plus", true, true, "", "1", "1", true, 0},
        // Left 30 on 100: no more than 69.
        {"held to the edge", true, true, "80", "69", "69", true, 0},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        Beschriftung& e = textOeffnen(f.datenfeld);
        enter(m_t->txtX[f.datenfeld ? 3 : 1], QStringLiteral("30"));
        QLineEdit* box = f.datenfeld ? m_t->txtMaxBDatenfeld : m_t->txtMaxBText;
        // "-" starts from a stored maximum, "+" from what the box shows.
        if (f.plus || !*f.box)
            box->setText(QString::fromLatin1(f.box));
        else
            enter(box, QString::fromLatin1(f.box));
        m_pieptoene = 0;
        if (f.datenfeld)
            (f.plus ? m_t->cmdMBDPlus : m_t->cmdMBDMinus)->click();
        else
            (f.plus ? m_t->cmdMBTPlus : m_t->cmdMBTMinus)->click();
        const int32_t i = m_t->lngElementIndex;
        EXPECT_EQ(box->text(), f.danach);
        EXPECT_EQ(f.datenfeld ? m_f->DatenfeldMaxBreiteLesen(i) : m_f->TextMaxBreiteLesen(i),
                  f.gespeichert);
        EXPECT_EQ((f.datenfeld ? m_t->chkDfZentriert : m_t->chkTfZentriert)->isEnabled(),
                  f.zentrierenAn);
        EXPECT_EQ(m_pieptoene, f.pieptoene);
        if (QString::fromLatin1(f.gespeichert) == QStringLiteral("0")) {
            EXPECT_TRUE(e.AutoSize());
        } else {
            EXPECT_EQ(e.Width(), QString::fromLatin1(f.gespeichert).toDouble());
        }
        abbrechen(f.datenfeld)->click();
    }
}

struct SchrittFall {
    const char* name;
    int32_t art;
    int knopf; // cmdX index; for a data field cmdPosX (0, 1) or cmdPosY (2, 3)
    double links, oben;
    const char* danach; // the box, "" when the step is refused
};

TEST_F(BearbeitenTest, PositionButtonsStepOneMillimetreWithinTheirBounds) {
    const SchrittFall faelle[] = {
        {"text left of 0", ArtText, 5, 0, 10, "-1"},
        {"text right at W-4", ArtText, 4, 96, 10, ""},
        {"text up at 0", ArtText, 7, 10, 0, ""},
        {"text down", ArtText, 6, 10, 10, "11"},
        {"data field left at 0", ArtDatenfeld, 1, 0, 10, ""},
        {"data field right", ArtDatenfeld, 0, 10, 10, "11"},
        {"data field up at 0", ArtDatenfeld, 3, 10, 0, ""},
        {"data field down", ArtDatenfeld, 2, 10, 10, "11"},
        {"picture left of 0", ArtBild, 1, 0, 0, "-1"},
        {"picture up", ArtBild, 3, 0, 0, "-1"},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        Steuerelement* e = nullptr;
        if (f.art == ArtBild) {
            e = &bildOeffnen(10, 10, f.links, f.oben);
        } else {
            Beschriftung& b =
                f.art == ArtText ? neuerText() : neuesDatenfeld(QStringLiteral("<Höhe>"));
            b.setLeft(f.links);
            b.setTop(f.oben);
            oeffnen(f.art);
            e = &b;
        }
        const bool df = f.art == ArtDatenfeld;
        const bool x =
            df ? f.knopf < 2 : (f.knopf == 0 || f.knopf == 1 || f.knopf == 4 || f.knopf == 5);
        const size_t k = f.art == ArtBild ? 0 : df ? 3 : 1;
        QLineEdit* box = (x ? m_t->txtX : m_t->txtY)[k];
        const QString vorher = box->text();
        if (df)
            (f.knopf < 2 ? m_t->cmdPosX[static_cast<size_t>(f.knopf)]
                         : m_t->cmdPosY[static_cast<size_t>(f.knopf - 2)])
                ->click();
        else
            m_t->cmdX[static_cast<size_t>(f.knopf)]->click();
        const QString erwartet = *f.danach ? QString::fromLatin1(f.danach) : vorher;
        EXPECT_EQ(box->text(), erwartet);
        EXPECT_EQ(x ? e->Left() : e->Top(),
                  *f.danach ? erwartet.toDouble() : (x ? f.links : f.oben));
        (f.art == ArtBild ? m_t->cmdCancel_B : abbrechen(df))->click();
    }
}

TEST_F(BearbeitenTest, StepsOnAnEmptyBoxDoNothing) {
    Beschriftung& t = textOeffnen(false);
    t.setLeft(10);
    for (size_t k : {4u, 5u}) {
        m_t->txtX[1]->clear();
        m_t->cmdX[k]->click();
        EXPECT_EQ(t.Left(), 10);
        EXPECT_TRUE(m_t->txtX[1]->text().isEmpty());
    }
    m_t->cmdCancel_T->click();
}

TEST_F(BearbeitenTest, DataFieldSteppedRightNarrowsItsMaximumWidth) {
    Beschriftung& d = neuesDatenfeld(QStringLiteral("<Höhe>"));
    d.setLeft(49);
    m_f->DatenfeldMaxBreiteSchreiben(S(m_n).lngAktuellesDatenfeld, 50);
    oeffnen(ArtDatenfeld);
    m_t->cmdPosX[0]->click();
    EXPECT_EQ(d.Left(), 50);
    EXPECT_EQ(m_f->DatenfeldMaxBreiteLesen(m_t->lngElementIndex), "49");
    EXPECT_EQ(m_t->txtMaxBDatenfeld->text(), "49");
    EXPECT_EQ(d.Width(), 49);
    m_t->cmdCancel_d->click();
}

struct BildfeldFall {
    const char* name;
    int box; // 2 maximum height, 3 maximum width
    const char* getippt;
    const char* danach;
    const char* gespeichert;
};

TEST_F(BearbeitenTest, PictureFieldMaximaAreHeldInsideTheLabel) {
    // Left 10, Top 40 on a 100 x 60 label.
    const BildfeldFall faelle[] = {
        {"height fits", 2, "19", "19", "19"},
        {"height past the bottom", 2, "300", "19", "19"},
        {"width past the edge", 3, "200", "89", "89"},
        {"no height", 2, "0", "", "0"},
        {"no width", 3, "", "", "0"},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        Beschriftung& d = bildfeldOeffnen(10, 40);
        enter(m_t->txtHB[static_cast<size_t>(f.box)], QString::fromLatin1(f.getippt));
        const int32_t i = m_t->lngElementIndex;
        EXPECT_EQ(m_t->txtHB[static_cast<size_t>(f.box)]->text(), f.danach);
        EXPECT_EQ(f.box == 2 ? m_f->DatenfeldMaxHoeheLesen(i) : m_f->DatenfeldMaxBreiteLesen(i),
                  f.gespeichert);
        if (f.box == 3) {
            EXPECT_EQ(m_t->chkDfBildZentriert->isEnabled(), *f.danach != 0);
        }
        if (*f.danach) {
            EXPECT_EQ(f.box == 2 ? d.Height() : d.Width(),
                      QString::fromLatin1(f.danach).toDouble());
        }
        m_t->cmdCancelDf_Bild->click();
        EXPECT_EQ(m_f->DatenfeldMaxHoeheLesen(i), "0");
        EXPECT_EQ(m_f->DatenfeldMaxBreiteLesen(i), "0");
    }
}

TEST_F(BearbeitenTest, PictureFieldMaximumButtons) {
    Beschriftung& d = bildfeldOeffnen(10, 80);
    m_f->innenGroesseSetzen(100, 100);
    // Top 80 of 100: the maximum height stops at 19.
    m_t->txtHB[2]->setText(QStringLiteral("18"));
    m_t->cmdH[3]->click();
    EXPECT_EQ(m_t->txtHB[2]->text(), "19");
    m_t->cmdH[3]->click();
    EXPECT_EQ(m_t->txtHB[2]->text(), "19");
    EXPECT_EQ(d.Height(), 19);
    m_t->txtHB[3]->setText(QStringLiteral("1"));
    m_t->chkDfBildZentriert->setEnabled(true);
    m_t->cmdB[2]->click();
    EXPECT_EQ(m_t->txtHB[3]->text(), "");
    EXPECT_EQ(m_f->DatenfeldMaxBreiteLesen(m_t->lngElementIndex), "0");
    EXPECT_FALSE(m_t->chkDfBildZentriert->isEnabled());
    // The stored maximum height stays the field's height.
    EXPECT_EQ(d.Height(), 19);
    m_t->cmdCancelDf_Bild->click();
}

TEST_F(BearbeitenTest, OkWithABoxThatHoldsNoNumberKeepsTheFrameOpen) {
    for (const bool df : {false, true}) {
        SCOPED_TRACE(df ? "data field" : "text");
        Beschriftung& e = textOeffnen(df);
        e.setLeft(5);
        QLineEdit* x = m_t->txtX[df ? 3 : 1];
        // A minus the program wrote, its digits taken away.
        x->setText(QStringLiteral("-"));
        SkriptDialoge d;
        d.meldung(Antwort::OK);
        ok(df)->click();
        ASSERT_EQ(d.gezeigt().size(), 1u);
        EXPECT_EQ(d.gezeigt()[0].text, "Bitte geben Sie nur ganze Zahlen ein!");
        EXPECT_TRUE((df ? m_t->fraDatenfeld_B : m_t->fraText_B)->isVisible());
        EXPECT_EQ(e.Left(), 5);
        EXPECT_TRUE(unveraendert());
        x->setText(QStringLiteral("7"));
        ok(df)->click();
        EXPECT_EQ(e.Left(), 7);
        EXPECT_EQ(m_t->bearbeitung(), frmTools::Bearbeitung::Keine);
        S(m_n).blnGeaendert = false;
        m_f->setCaption(QStringLiteral("Schild 1"));
    }
}

struct LoeschFall {
    const char* name;
    int32_t art;
    bool bildfeld;
    const char* frage;
};

TEST_F(BearbeitenTest, DeleteAsksFirst) {
    const LoeschFall faelle[] = {
        {"text", ArtText, false, "Möchten Sie den Text wirklich löschen?"},
        {"picture", ArtBild, false, "Möchten Sie das Bild wirklich löschen?"},
        {"data field", ArtDatenfeld, false, "Möchten Sie das Datenfeld wirklich löschen?"},
        {"picture field", ArtDatenfeld, true, "Möchten Sie das Datenfeld wirklich löschen?"},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        if (f.art == ArtBild)
            bildOeffnen(10, 10);
        else if (f.bildfeld)
            bildfeldOeffnen(0, 0);
        else
            textOeffnen(f.art == ArtDatenfeld);
        const int32_t i = m_t->lngElementIndex;
        const int32_t code = Elementcode(f.art, i);
        const auto status = [&] {
            return f.art == ArtText   ? m_f->TextStatusLesen(i)
                   : f.art == ArtBild ? m_f->BildStatusLesen(i)
                                      : m_f->DatenfeldStatusLesen(i);
        };
        QPushButton* loeschen = f.art == ArtText   ? m_t->cmdDel_T
                                : f.art == ArtBild ? m_t->cmdBildLoeschen
                                : f.bildfeld       ? m_t->cmdDfBild_Loeschen
                                                   : m_t->cmdDfloeschen;
        QGroupBox* rahmen = f.art == ArtText   ? m_t->fraText_B
                            : f.art == ArtBild ? m_t->fraBild_B
                            : f.bildfeld       ? m_t->fraDfBild_B
                                               : m_t->fraDatenfeld_B;
        {
            SkriptDialoge d;
            d.meldung(Antwort::No);
            loeschen->click();
            ASSERT_EQ(d.gezeigt().size(), 1u);
            EXPECT_EQ(d.gezeigt()[0].text, f.frage);
            EXPECT_EQ(d.gezeigt()[0].titel, "Löschen bestätigen?");
            EXPECT_EQ(d.gezeigt()[0].stil, 36);
        }
        EXPECT_TRUE(status());
        EXPECT_TRUE(rahmen->isVisible());
        EXPECT_FALSE(m_f->isEnabled());
        EXPECT_TRUE(unveraendert());
        {
            SkriptDialoge d;
            d.meldung(Antwort::Yes);
            loeschen->click();
        }
        EXPECT_FALSE(status());
        const auto& s = S(m_n);
        EXPECT_EQ(std::count(s.lngReihenfolge.begin() + 1,
                             s.lngReihenfolge.begin() + 1 + s.lngReihenfolgeAnzahl, code),
                  0);
        EXPECT_FALSE(rahmen->isVisible());
        EXPECT_TRUE(m_f->isEnabled());
        EXPECT_TRUE(m_t->fraEinfuegen->isVisible());
        EXPECT_EQ(m_t->Height(), 1850);
        EXPECT_EQ(m_f->Caption(), "Schild 1*");
        S(m_n).blnGeaendert = false;
        m_f->setCaption(QStringLiteral("Schild 1"));
    }
}

} // namespace
} // namespace sorvo::test

// Loading an element into the tool window: the frame of its kind opens with
// the element's values, every window is locked, the old values are
// recorded, and Cancel gives them back exactly.
#include "label/frmLabel.h"
#include "label/unterprogramme.h"
#include "platform/elements.h"
#include "tests/tools/werkzeug_fixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace sorvo::test {
namespace {

constexpr Farbe kGrau = RGB(192, 192, 192);

class LadenTest : public WerkzeugTest {
protected:
    Beschriftung& text(const QString& caption = QStringLiteral("Rose")) {
        return neuerText(caption);
    }
    Beschriftung& datenfeld(const QString& caption) { return neuesDatenfeld(caption); }
    Bild& bild(double breite, double hoehe) { return neuesBild(breite, hoehe); }
    // Everything locked as an edit needs it.
    void gesperrt() const {
        EXPECT_FALSE(m_f->isEnabled());
        EXPECT_FALSE(m_t->cmdEinfuegenBild->isEnabled());
        EXPECT_FALSE(m_t->cmdEinfuegenText->isEnabled());
        EXPECT_FALSE(m_t->cmdEinfuegenDatenFeld->isEnabled());
        EXPECT_FALSE(m_mdi->menuAktiv(QStringLiteral("mnuDatei")));
        EXPECT_FALSE(m_t->fraEinfuegen->isVisible());
        EXPECT_FALSE(m_t->fraDatenfeld_E->isVisible());
    }
    // The edit is over: unlocked, collapsed, the caption of the label.
    void freigegeben() const {
        EXPECT_TRUE(m_f->isEnabled());
        EXPECT_TRUE(m_t->einfuegenKnoepfeAktiv());
        EXPECT_TRUE(m_mdi->menuAktiv(QStringLiteral("mnuDatei")));
        EXPECT_TRUE(m_t->fraEinfuegen->isVisible());
        EXPECT_EQ(m_t->Height(), 1850);
        EXPECT_EQ(m_t->Caption(), "Werkzeuge - Schild: 1");
        EXPECT_EQ(m_t->bearbeitung(), frmTools::Bearbeitung::Keine);
    }
    void rahmenOffen(QGroupBox* rahmen, int hoehe) const {
        EXPECT_TRUE(rahmen->isVisible()) << rahmen->title().toStdString();
        // 100 and 120 twips.
        EXPECT_EQ(rahmen->pos(), QPoint(7, 8));
        EXPECT_EQ(m_t->Height(), hoehe);
        EXPECT_LE(rahmen->geometry().bottom(), m_t->height());
        for (QGroupBox* g : {m_t->fraBild_B, m_t->fraText_B, m_t->fraDatenfeld_B, m_t->fraDfBild_B})
            if (g != rahmen) {
                EXPECT_FALSE(g->isVisible()) << g->title().toStdString();
            }
    }
};

TEST_F(LadenTest, TextOpensWithItsValues) {
    Beschriftung& t = text(QStringLiteral("Rosa Rugosa"));
    t.setLeft(12.5);
    t.setTop(13.5);
    t.setFontName(QStringLiteral("Arial"));
    t.setFontSize(8.25);
    t.setFontBold(true);
    t.setForeColor(RGB(0, 0, 255));
    t.setBackColor(RGB(255, 255, 0));
    t.setBorderStyle(1);
    t.setBackStyle(0);
    const int32_t i = S(m_n).lngAktuellerText;
    m_f->lblText_DblClick(i);

    rahmenOffen(m_t->fraText_B, 7500);
    gesperrt();
    EXPECT_EQ(m_t->Caption(), QStringLiteral("WZ - Schild: 1 Text: %1").arg(i));
    EXPECT_EQ(m_t->lngElementIndex, i);
    EXPECT_EQ(m_t->txtFont->text(), "Rosa Rugosa");
    EXPECT_EQ(m_t->txtX[1]->text(), "12");
    EXPECT_EQ(m_t->txtY[1]->text(), "14");
    EXPECT_EQ(m_t->alt.lngAltLinks, 12);
    EXPECT_EQ(m_t->alt.lngAltOben, 14);
    EXPECT_EQ(m_t->cboArt->currentText(), "Arial");
    EXPECT_EQ(m_t->cboGroesse->currentText(), "8");
    EXPECT_EQ(m_t->alt.lngAltSchriftGroesse, 8);
    EXPECT_TRUE(m_t->alt.blnAltFett);
    EXPECT_TRUE(m_t->chkRahmen->isChecked());
    EXPECT_FALSE(m_t->chkTransparent->isChecked());
    EXPECT_EQ(frmTools::farbeVon(m_t->picFarbe_S), RGB(0, 0, 255));
    EXPECT_EQ(frmTools::farbeVon(m_t->picFarbe_H), RGB(255, 255, 0));
    EXPECT_EQ(P().lngAltHintergrundFarbe, RGB(255, 255, 0));
    EXPECT_FALSE(m_t->blnHFarbeAenderung);
    // Marked on the label; the recorded colour is its own.
    EXPECT_EQ(t.BackColor(), kGrau);
    EXPECT_EQ(m_f->lngTextMarkiert, 1);
    // Loading is no change of the label.
    EXPECT_TRUE(unveraendert());
    m_t->cmdCancel_T->click();
}

TEST_F(LadenTest, MaximumWidthAndCentring) {
    struct Fall {
        int32_t maxBreite;
        int ausrichtung;
        QString box;
        bool zentrierenAn, zentriert;
    };
    const Fall faelle[] = {
        {0, 0, "", false, false},
        {40, 0, "40", true, false},
        {40, 2, "40", true, true},
        // A right-aligned text shows as centred but stays right-aligned.
        {40, 1, "40", true, true},
    };
    for (const Fall& f : faelle) {
        for (const bool istDatenfeld : {false, true}) {
            Beschriftung& e = istDatenfeld ? datenfeld(QStringLiteral("<Höhe>")) : text();
            e.setAlignment(f.ausrichtung);
            const int32_t i = istDatenfeld ? S(m_n).lngAktuellesDatenfeld : S(m_n).lngAktuellerText;
            if (istDatenfeld) {
                m_f->DatenfeldMaxBreiteSchreiben(i, f.maxBreite);
                m_f->lblDatenfeld_DblClick(i);
            } else {
                m_f->TextMaxBreiteSchreiben(i, f.maxBreite);
                m_f->lblText_DblClick(i);
            }
            QLineEdit* box = istDatenfeld ? m_t->txtMaxBDatenfeld : m_t->txtMaxBText;
            QCheckBox* zentrieren = istDatenfeld ? m_t->chkDfZentriert : m_t->chkTfZentriert;
            EXPECT_EQ(box->text(), f.box) << f.maxBreite << " " << istDatenfeld;
            EXPECT_EQ(zentrieren->isEnabled(), f.zentrierenAn);
            EXPECT_EQ(zentrieren->isChecked(), f.zentriert);
            EXPECT_EQ(e.Alignment(), f.ausrichtung);
            EXPECT_EQ(m_t->alt.lngAltTextMaxBreite, f.maxBreite);
            (istDatenfeld ? m_t->cmdCancel_d : m_t->cmdCancel_T)->click();
            EXPECT_EQ(e.Alignment(), f.ausrichtung);
        }
    }
}

TEST_F(LadenTest, CancelGivesTextsAndFieldsBackExactly) {
    for (const bool istDatenfeld : {false, true}) {
        Beschriftung& e = istDatenfeld ? datenfeld(QStringLiteral("<Höhe>")) : text();
        e.setLeft(12.5);
        e.setTop(7.25);
        e.setFontName(QStringLiteral("Times New Roman"));
        e.setFontSize(9.75);
        e.setFontItalic(true);
        e.setForeColor(RGB(10, 20, 30));
        e.setBackColor(RGB(250, 240, 230));
        e.setAlignment(1);
        e.setAutoSize(false);
        e.setWordWrap(true);
        e.setWidth(33.3);
        e.setHeight(11.1);
        const int32_t i = istDatenfeld ? S(m_n).lngAktuellesDatenfeld : S(m_n).lngAktuellerText;
        const auto maxBreite = [&] {
            return istDatenfeld ? m_f->DatenfeldMaxBreiteLesen(i) : m_f->TextMaxBreiteLesen(i);
        };
        istDatenfeld ? m_f->lblDatenfeld_DblClick(i) : m_f->lblText_DblClick(i);
        // What the frame's controls and the field list will do to it.
        e.setCaption(QStringLiteral("<Tulpe>"));
        e.setLeft(40);
        e.setTop(3);
        e.setFontName(QStringLiteral("Arial"));
        e.setFontSize(20);
        e.setFontBold(true);
        e.setFontItalic(false);
        e.setFontUnderline(true);
        e.setForeColor(RGB(255, 0, 0));
        e.setBorderStyle(1);
        e.setAlignment(2);
        e.setBackStyle(0);
        e.setAutoSize(true);
        if (istDatenfeld)
            m_f->DatenfeldMaxBreiteSchreiben(i, 25);
        else
            m_f->TextMaxBreiteSchreiben(i, 25);

        (istDatenfeld ? m_t->cmdCancel_d : m_t->cmdCancel_T)->click();
        EXPECT_EQ(e.Caption(), istDatenfeld ? "<Höhe>" : "Rose");
        EXPECT_EQ(e.Left(), 12.5);
        EXPECT_EQ(e.Top(), 7.25);
        EXPECT_EQ(e.FontName(), "Times New Roman");
        EXPECT_DOUBLE_EQ(e.FontSize(), 9.75);
        EXPECT_FALSE(e.FontBold());
        EXPECT_TRUE(e.FontItalic());
        EXPECT_FALSE(e.FontUnderline());
        EXPECT_EQ(e.ForeColor(), RGB(10, 20, 30));
        EXPECT_EQ(e.BackColor(), RGB(250, 240, 230)); // unmarked
        EXPECT_EQ(e.BorderStyle(), 0);
        EXPECT_EQ(e.Alignment(), 1);
        EXPECT_EQ(e.BackStyle(), 1);
        EXPECT_FALSE(e.AutoSize());
        EXPECT_TRUE(e.WordWrap());
        EXPECT_DOUBLE_EQ(e.Width(), 33.3);
        EXPECT_DOUBLE_EQ(e.Height(), 11.1);
        EXPECT_EQ(maxBreite(), "0");
        EXPECT_EQ(m_f->lngTextMarkiert, 0);
        freigegeben();
        EXPECT_TRUE(unveraendert());
    }
}

TEST_F(LadenTest, OkKeepsTheElementAndMarksTheLabelChanged) {
    Beschriftung& t = text();
    t.setBackColor(RGB(1, 2, 3));
    const int32_t i = S(m_n).lngAktuellerText;
    m_f->lblText_DblClick(i);
    m_t->txtX[1]->setText(QStringLiteral("22"));
    m_t->cmdOK_T->click();
    EXPECT_EQ(t.Left(), 22);
    EXPECT_EQ(t.BackColor(), RGB(1, 2, 3));
    freigegeben();
    EXPECT_EQ(m_f->Caption(), "Schild 1*");
}

TEST_F(LadenTest, AMarkedTextIsNotMarkedAgain) {
    Beschriftung& t = text();
    t.setBackColor(RGB(7, 7, 7));
    m_f->lngTextMarkiert = 1;
    m_f->lblText_DblClick(S(m_n).lngAktuellerText);
    EXPECT_EQ(t.BackColor(), RGB(7, 7, 7));
    m_t->cmdCancel_T->click();
}

TEST_F(LadenTest, DataFieldOpensWithItsLookAndItsDatabase) {
    struct Zaehler : DatenbankAuswahl {
        int pflanzen = 0, eigene = 0;
        void DbTabellenAnzeigen() override { ++pflanzen; }
        void DbTabellenAnzeigenEigeneDb() override { ++eigene; }
    };
    auto db = std::make_shared<Zaehler>();
    S(m_n).frmSchildDb = db;
    Beschriftung& d = datenfeld(QStringLiteral("<Höhe>"));
    d.setFontName(QStringLiteral("Arial"));
    d.setFontSize(12);
    d.setFontUnderline(true);
    d.setForeColor(RGB(0, 128, 0));
    d.setBackColor(RGB(255, 255, 255));
    d.setLeft(3);
    d.setTop(4.5);
    const int32_t i = S(m_n).lngAktuellesDatenfeld;
    m_t->lstDfListe->addItem(QStringLiteral("Höhe"));
    m_t->lstDfListe->setCurrentRow(0);
    for (const bool pflanzen : {true, false}) {
        S(m_n).blnPflanzenDb = pflanzen;
        m_f->lblDatenfeld_DblClick(i);
        rahmenOffen(m_t->fraDatenfeld_B, 7500);
        gesperrt();
        EXPECT_EQ(m_t->Caption(), QStringLiteral("WZ - Schild: 1 D.feld: %1").arg(i));
        EXPECT_EQ(m_t->txtX[3]->text(), "3");
        EXPECT_EQ(m_t->txtY[3]->text(), "4");
        EXPECT_EQ(m_t->cboDfArt->currentText(), "Arial");
        EXPECT_EQ(m_t->cboDfGroesse->currentText(), "12");
        EXPECT_EQ(frmTools::farbeVon(m_t->picDfFarbe_S), RGB(0, 128, 0));
        // The sample box takes the field's look and keeps its text.
        EXPECT_EQ(m_t->txtFont->font().family(), QFont(QStringLiteral("Arial")).family());
        EXPECT_TRUE(m_t->txtFont->font().underline());
        EXPECT_EQ(m_t->txtFont->palette().color(QPalette::Text), QColor(0, 128, 0));
        EXPECT_TRUE(m_t->lstDfListe->selectedItems().isEmpty());
        EXPECT_EQ(d.BackColor(), kGrau);
        EXPECT_TRUE(unveraendert());
        m_t->cmdCancel_d->click();
        EXPECT_EQ(d.BackColor(), RGB(255, 255, 255));
        freigegeben();
    }
    EXPECT_EQ(db->pflanzen, 1);
    EXPECT_EQ(db->eigene, 1);
}

TEST_F(LadenTest, PictureFieldHasAFrameOfItsOwn) {
    struct Fall {
        QString caption;
        int32_t maxHoehe, maxBreite;
        QString hoeheBox, breiteBox;
        bool zentrierenAn;
    };
    const Fall faelle[] = {
        {"<Bild>", 0, 25, "", "25", true},
        {"<Bild>", 30, 0, "30", "", false},
        {"<Bild>", 0, 0, "", "", false},
    };
    for (const Fall& f : faelle) {
        Beschriftung& d = datenfeld(f.caption);
        d.setAutoSize(false);
        d.setLeft(5.5);
        d.setTop(6.5);
        d.setWidth(20.25);
        d.setHeight(15.75);
        const int32_t i = S(m_n).lngAktuellesDatenfeld;
        m_f->DatenfeldMaxHoeheSchreiben(i, f.maxHoehe);
        m_f->DatenfeldMaxBreiteSchreiben(i, f.maxBreite);
        m_f->lblDatenfeld_DblClick(i);
        rahmenOffen(m_t->fraDfBild_B, 4900);
        gesperrt();
        EXPECT_EQ(m_t->Caption(), QStringLiteral("WZ - Schild: 1 Datenfeld: %1").arg(i));
        EXPECT_EQ(m_t->txtHB[2]->text(), f.hoeheBox);
        EXPECT_EQ(m_t->txtHB[3]->text(), f.breiteBox);
        EXPECT_EQ(m_t->chkDfBildZentriert->isEnabled(), f.zentrierenAn);
        EXPECT_EQ(m_t->txtX[2]->text(), "6");
        EXPECT_EQ(m_t->txtY[2]->text(), "6");
        EXPECT_EQ(m_t->alt.lngAltBreite, 20);
        EXPECT_EQ(m_t->alt.lngAltHoehe, 16);
        EXPECT_EQ(d.BorderStyle(), 1);
        // The edit's changes, then Cancel.
        d.setLeft(1);
        d.setWidth(40);
        m_f->DatenfeldMaxBreiteSchreiben(i, 33);
        m_f->DatenfeldMaxHoeheSchreiben(i, 44);
        m_t->cmdCancelDf_Bild->click();
        EXPECT_EQ(d.Left(), 5.5);
        EXPECT_EQ(d.Top(), 6.5);
        EXPECT_EQ(d.Width(), 20.25);
        EXPECT_EQ(d.Height(), 15.75);
        EXPECT_EQ(m_f->DatenfeldMaxBreiteLesen(i), QString::number(f.maxBreite));
        EXPECT_EQ(m_f->DatenfeldMaxHoeheLesen(i), QString::number(f.maxHoehe));
        freigegeben();
        EXPECT_TRUE(unveraendert());
    }
}

TEST_F(LadenTest, OnlyTheExactPictureCaptionIsAPictureField) {
    for (const QString& caption : {QStringLiteral("<bild>"), QStringLiteral("<Bild >")}) {
        datenfeld(caption);
        const int32_t i = S(m_n).lngAktuellesDatenfeld;
        m_f->lblDatenfeld_DblClick(i);
        EXPECT_EQ(m_t->bearbeitung(), frmTools::Bearbeitung::Datenfeld);
        EXPECT_TRUE(m_t->Caption().contains(QStringLiteral(" D.feld: ")));
        m_t->cmdCancel_d->click();
    }
}

// The size is recorded in whole millimetres, a half going to the even
// neighbour; the boxes and the preview (at most 2532 x 1215 twips, 15 twips a
// pixel) follow from the recorded size.
TEST_F(LadenTest, PictureOpensWithItsSizeAndPreview) {
    struct Fall {
        double breite, hoehe;
        const char* hoeheBox;
        const char* breiteBox;
        QSize vorschau; // pixels; 0 x 0: none
    };
    const Fall faelle[] = {
        {40, 20, "20", "40", {162, 81}},     // 2430 x 1215 twips
        {60, 20, "20", "60", {169, 56}},     // 2532 x 844
        {40.4, 19.6, "20", "40", {162, 81}}, // 2430 x 1215
        {40.5, 12.5, "12", "40", {169, 51}}, // 2532 x 760
        {41.5, 13.5, "14", "42", {169, 56}}, // 2532 x 844
        {20.5, 30.5, "30", "20", {54, 81}},  // 810 x 1215
        // Half a millimetre high: 0 whole millimetres, no preview.
        {30, 0.4, "0", "30", {0, 0}},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(testing::Message() << f.breite << " x " << f.hoehe);
        Bild& b = bild(f.breite, f.hoehe);
        b.setLeft(2.5);
        b.setTop(3.5);
        const int32_t i = S(m_n).lngAktuellesBild;
        m_f->imgBild_DblClick(i);
        rahmenOffen(m_t->fraBild_B, 6400);
        gesperrt();
        EXPECT_EQ(m_t->Caption(), QStringLiteral("WZ - Schild: 1 Bild: %1").arg(i));
        EXPECT_EQ(b.BorderStyle(), 1);
        EXPECT_EQ(m_t->txtHB[0]->text(), f.hoeheBox);
        EXPECT_EQ(m_t->txtHB[1]->text(), f.breiteBox);
        EXPECT_EQ(m_t->txtX[0]->text(), "2");
        EXPECT_EQ(m_t->txtY[0]->text(), "4");
        EXPECT_EQ(m_t->imgBbTestbild->size(), f.vorschau);
        EXPECT_EQ(m_t->imgBbTestbild->pixmap().isNull(), f.vorschau.isEmpty());
        b.setWidth(99);
        b.setLeft(70);
        m_t->cmdCancel_B->click();
        EXPECT_EQ(b.Width(), f.breite);
        EXPECT_EQ(b.Height(), f.hoehe);
        EXPECT_EQ(b.Left(), 2.5);
        EXPECT_EQ(b.Top(), 3.5);
        EXPECT_EQ(b.BorderStyle(), 0);
        freigegeben();
        EXPECT_TRUE(unveraendert());
    }
}

TEST_F(LadenTest, CaptionNamesTheTemplateFile) {
    S(m_n).strVorlageDatei = QStringLiteral("/schilder/rosen.vxp");
    text();
    text();
    m_f->lblText_DblClick(2);
    EXPECT_EQ(m_t->Caption(), "WZ - rosen.vxp Text: 2");
    m_t->cmdCancel_T->click();
    EXPECT_EQ(m_t->Caption(), "Werkzeuge - rosen.vxp");
}

TEST_F(LadenTest, DoubleClickInAnotherWindowMakesItCurrent) {
    text();
    const int32_t b = neuesSchild();
    P().lngAktivesSchild = b;
    ASSERT_TRUE(Schild(b).TextNeu());
    Schild(b).lblText(1).setVisible(true);
    P().lngAktivesSchild = m_n;
    Schild(b).lblText_DblClick(1);
    EXPECT_EQ(P().lngAktivesSchild, b);
    EXPECT_EQ(m_t->Caption(), QStringLiteral("WZ - Schild: %1 Text: 1").arg(b));
    EXPECT_FALSE(m_f->isEnabled());
    EXPECT_FALSE(Schild(b).isEnabled());
    m_t->cmdCancel_T->click();
}

} // namespace
} // namespace sorvo::test

// The print settings dialog: paper list and size, margins, centring with its
// kept margins, the frame colour list, loop-label counts, OK, Cancel and the
// redraw of an open preview.
#include "print/drucker.h"
#include "print/frmDrucker.h"
#include "tests/print/vorschau_fixture.h"
#include "tests/support/benennung.h"
#include "tests/support/fake_dialogs.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

namespace sorvo::test {

void druckerGrundstellung(); // papier_test.cpp

namespace {

class EinstellungenTest : public VorschauTest {
protected:
    void SetUp() override {
        VorschauTest::SetUp();
        druckerGrundstellung();
        m_n = P().lngAktivesSchild;
    }
    void TearDown() override {
        m_d.reset();
        druckerGrundstellung();
        VorschauTest::TearDown();
    }
    frmDrucker& oeffnen() {
        m_d = std::make_unique<frmDrucker>();
        m_d->show();
        return *m_d;
    }
    // The value a margin box shows, whatever the decimal separator.
    static double zahl(const QLineEdit* t) {
        return QString(t->text()).replace(QLatin1Char(','), QLatin1Char('.')).toDouble();
    }
    std::unique_ptr<frmDrucker> m_d;
    int32_t m_n = 0;
};

TEST_F(EinstellungenTest, PaperListAndThePrintersPaper) {
    struct Fall {
        QPageSize::PageSizeId seite;
        QPageLayout::Orientation lage;
        const char* name;
        const char* breite;
        const char* hoehe;
    };
    const Fall faelle[] = {
        {QPageSize::A4, QPageLayout::Portrait, "DIN A4, 210 x 297 mm", "210", "297"},
        {QPageSize::A5, QPageLayout::Landscape, "DIN A5, 148 x 210 mm", "210", "148"},
        // A sheet whose code has no name.
        {QPageSize::A6, QPageLayout::Portrait, "", "105", "148"},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        programmDrucker().setPageSize(QPageSize(f.seite));
        programmDrucker().setPageOrientation(f.lage);
        frmDrucker& d = oeffnen();
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Einstellungen - Druck"));
        ASSERT_EQ(d.cboPapierformat->count(), 42);
        EXPECT_EQ(d.cboPapierformat->itemText(0), QStringLiteral("US Letter, 8 1/2 x 11 Zoll"));
        EXPECT_EQ(d.cboPapierformat->itemText(8), QStringLiteral("DIN A4, 210 x 297 mm"));
        EXPECT_EQ(d.cboPapierformat->itemText(41), QStringLiteral("Benutzerdefiniert"));
        EXPECT_EQ(d.cboPapierformat->currentText(), QString::fromUtf8(f.name));
        EXPECT_EQ(d.txtPGroesse[0]->text(), QString::fromLatin1(f.breite));
        EXPECT_EQ(d.txtPGroesse[1]->text(), QString::fromLatin1(f.hoehe));
    }
    // Only "Benutzerdefiniert" opens the paper-size group.
    frmDrucker& d = oeffnen();
    for (int i : {41, 8, 41}) {
        d.cboPapierformat->setCurrentIndex(i);
        d.cboPapierformat_Click();
        EXPECT_EQ(d.txtPGroesse[0]->isEnabled(), i == 41);
        EXPECT_EQ(d.fraBenutzer->isEnabled(), i == 41);
    }
}

TEST_F(EinstellungenTest, FrameColourListByItsStoredText) {
    struct Fall {
        const char* gespeichert;
        int gezeigt;        // list position, -1: none
        int gewaehlt;       // chosen before OK, -1: none
        const char* danach; // stored after OK
    };
    const Fall faelle[] = {
        {"255", 3, -1, "255"},    {"16711680", 0, -1, "16711680"}, {"0", 4, 3, "255"},
        {"65280", 2, 1, "65535"}, {"12345", -1, -1, "12345"},      {"0255", -1, 4, "0"},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.gespeichert);
        P().strRahmenDruckFarbe = QString::fromLatin1(f.gespeichert);
        frmDrucker& d = oeffnen();
        ASSERT_EQ(d.lstGrenzFarbe->count(), 5);
        EXPECT_EQ(d.lstGrenzFarbe->itemText(2), QStringLiteral("Grün"));
        EXPECT_EQ(d.lstGrenzFarbe->currentIndex(), f.gezeigt);
        if (f.gezeigt < 0) {
            EXPECT_EQ(d.lstGrenzFarbe->placeholderText(), QStringLiteral("Combo1"));
        }
        if (f.gewaehlt >= 0)
            d.lstGrenzFarbe->setCurrentIndex(f.gewaehlt);
        d.cmdOK_Click();
        EXPECT_EQ(P().strRahmenDruckFarbe, QString::fromLatin1(f.danach));
    }
    // The boundary switch goes both ways.
    for (bool an : {true, false}) {
        P().blnRahmenDrucken = !an;
        frmDrucker& d = oeffnen();
        EXPECT_EQ(d.chkRahmenDrucken->isChecked(), !an);
        d.chkRahmenDrucken->click();
        d.cmdOK_Click();
        EXPECT_EQ(P().blnRahmenDrucken, an);
    }
}

TEST_F(EinstellungenTest, CentringKeepsTheMarginsAndGivesThemBackRounded) {
    struct Fall {
        bool horizontal;
        const char* erste;
        const char* zweite;
        const char* ersteZurueck;
        const char* zweiteZurueck;
    };
    // Halves go to the even number; a text that is no number keeps the
    // margin kept before (0 at first).
    const Fall faelle[] = {
        {true, "12,5", "13.5", "12", "14"},
        {false, "2.5", "3,5", "2", "4"},
        {true, "abc", "7,25", "12", "7"},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(testing::Message() << f.erste << " " << f.zweite);
        frmDrucker& d = oeffnen();
        QCheckBox* box = f.horizontal ? d.chkHZentrieren : d.chkVZentrieren;
        const int a = f.horizontal ? 0 : 2;
        d.txtGrenze[a]->setText(QString::fromLatin1(f.erste));
        d.txtGrenze[a + 1]->setText(QString::fromLatin1(f.zweite));
        box->click();
        EXPECT_FALSE(d.txtGrenze[a]->isEnabled());
        EXPECT_FALSE(d.lblGrenze[a + 1]->isEnabled());
        EXPECT_EQ(d.txtGrenze[a]->text(), QString::fromLatin1(f.erste)); // the text stays
        EXPECT_TRUE(d.fraGrenzen->isEnabled());
        box->click();
        EXPECT_TRUE(d.txtGrenze[a + 1]->isEnabled());
        EXPECT_EQ(d.txtGrenze[a]->text(), QString::fromLatin1(f.ersteZurueck));
        EXPECT_EQ(d.txtGrenze[a + 1]->text(), QString::fromLatin1(f.zweiteZurueck));
        // Nothing is stored before OK.
        EXPECT_FLOAT_EQ(S(m_n).sngGrenzeLinks, 10);
        EXPECT_FLOAT_EQ(S(m_n).sngGrenzeOben, 15);
        d.cmdAbbrechen_Click();
    }

    // Both boxes checked: the margins frame is off.
    frmDrucker& d = oeffnen();
    d.chkHZentrieren->click();
    d.chkVZentrieren->click();
    EXPECT_FALSE(d.fraGrenzen->isEnabled());
    EXPECT_FALSE(d.lblmm2->isEnabled());
    d.chkVZentrieren->click();
    EXPECT_TRUE(d.fraGrenzen->isEnabled());
}

TEST_F(EinstellungenTest, BoxCheckedAtOpeningGivesBackTheMarginsOfAnEarlierOpening) {
    DO().blnHZentrieren = true;
    {
        frmDrucker& d = oeffnen();
        // Opened centred: the two boxes are empty and off.
        EXPECT_TRUE(d.txtGrenze[0]->text().isEmpty());
        EXPECT_TRUE(d.txtGrenze[1]->text().isEmpty());
        EXPECT_FALSE(d.txtGrenze[0]->isEnabled());
        EXPECT_TRUE(d.txtGrenze[2]->isEnabled());
        EXPECT_EQ(zahl(d.txtGrenze[2]), 15);
        d.chkHZentrieren->click();
        // The first opening kept nothing yet, not the window's margins.
        EXPECT_EQ(d.txtGrenze[0]->text(), QStringLiteral("0"));
        EXPECT_EQ(d.txtGrenze[1]->text(), QStringLiteral("0"));
        d.txtGrenze[0]->setText(QStringLiteral("22,5"));
        d.txtGrenze[1]->setText(QStringLiteral("9"));
        d.chkHZentrieren->click();
        d.cmdOK_Click();
    }
    EXPECT_TRUE(DO().blnHZentrieren);
    frmDrucker& d = oeffnen();
    d.chkHZentrieren->click();
    EXPECT_EQ(d.txtGrenze[0]->text(), QStringLiteral("22"));
    EXPECT_EQ(d.txtGrenze[1]->text(), QStringLiteral("9"));
}

TEST_F(EinstellungenTest, OkStoresTheMarginsAndKeepsEmptyOrDisabledBoxes) {
    struct Fall {
        const char* name;
        bool h, v;
        std::array<const char*, 4> texte; // nullptr: left as opened
        std::array<float, 4> danach;      // left, right, top, bottom
    };
    const Fall faelle[] = {
        {"all typed", false, false, {"5", "6,5", "7.25", "8"}, {5, 6.5f, 7.25f, 8}},
        {"one emptied", false, false, {"5", "", "7", "8"}, {5, 10, 7, 8}},
        {"centred across: left and right empty",
         true,
         false,
         {nullptr, nullptr, "1", "2"},
         {10, 10, 1, 2}},
        {"centred across, boxes typed then checked",
         false,
         false,
         {"3", "4", "1", "2"},
         {10, 10, 1, 2}},
        {"centred both ways", true, true, {nullptr, nullptr, nullptr, nullptr}, {10, 10, 15, 15}},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        auto& e = S(m_n);
        e.sngGrenzeLinks = 10;
        e.sngGrenzeRechts = 10;
        e.sngGrenzeOben = 15;
        e.sngGrenzeUnten = 15;
        DO().blnHZentrieren = f.h;
        DO().blnVZentrieren = f.v;
        frmDrucker& d = oeffnen();
        for (size_t i = 0; i < 4; ++i)
            if (f.texte[i])
                d.txtGrenze[i]->setText(QString::fromLatin1(f.texte[i]));
        if (QString::fromLatin1(f.name).contains(QLatin1String("then checked")))
            d.chkHZentrieren->click();
        d.cmdOK_Click();
        EXPECT_FALSE(d.isVisible());
        EXPECT_FLOAT_EQ(e.sngGrenzeLinks, f.danach[0]);
        EXPECT_FLOAT_EQ(e.sngGrenzeRechts, f.danach[1]);
        EXPECT_FLOAT_EQ(e.sngGrenzeOben, f.danach[2]);
        EXPECT_FLOAT_EQ(e.sngGrenzeUnten, f.danach[3]);
        EXPECT_TRUE(Schild(m_n).Caption().endsWith(QLatin1Char('*')));
    }
    EXPECT_TRUE(DO().blnHZentrieren);

    // The window takes the printer's orientation.
    programmDrucker().setPageOrientation(QPageLayout::Landscape);
    oeffnen().cmdOK_Click();
    EXPECT_EQ(S(m_n).lngAusrichtung, 2);
}

TEST_F(EinstellungenTest, ATextThatIsNoNumberIsRefusedAndTheDialogStaysOpen) {
    struct Fall {
        const char* feld;
        const char* text;
    };
    const Fall faelle[] = {
        {"txtGrenze2", "abc"},
        {"txtGrenze0", "1,2,3"},
        {"txtAnzahlSpalten", "drei"},
        {"txtAnzahlWiederholungen", "2x"},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.feld);
        P().blnRahmenDrucken = false;
        S(m_n).blnGeaendert = false;
        frmDrucker& d = oeffnen();
        d.chkRahmenDrucken->click();
        d.txtGrenze[3]->setText(QStringLiteral("33"));
        auto* feld = d.findChild<QLineEdit*>(QString::fromLatin1(f.feld));
        ASSERT_NE(feld, nullptr);
        feld->setText(QString::fromLatin1(f.text));
        SkriptDialoge dlg;
        dlg.meldung(Antwort::OK);
        d.cmdOK_Click();
        ASSERT_EQ(dlg.gezeigt().size(), 1u);
        EXPECT_EQ(dlg.gezeigt()[0].titel, QStringLiteral("Einstellungen - Druck"));
        EXPECT_EQ(dlg.gezeigt()[0].stil, Msg::OK + Msg::Exclamation);
        EXPECT_TRUE(d.isVisible());
        // Nothing at all is stored.
        EXPECT_FLOAT_EQ(S(m_n).sngGrenzeUnten, 15);
        EXPECT_FALSE(P().blnRahmenDrucken);
        EXPECT_EQ(DO().lngSchilderProReihe, 1);
        EXPECT_FALSE(S(m_n).blnGeaendert);
    }
}

TEST_F(EinstellungenTest, LoopLabelShowsItsCountsAndStoresThemAtLeastOne) {
    auto& e = S(m_n);
    e.blnSchlaufenetikett = true;
    e.sngGrenzeRechts = 0;
    e.sngGrenzeUnten = 0;
    DO().blnHZentrieren = true;
    DO().lngSchilderProReihe = 3;
    DO().lngDruckeProSchild = 2;
    struct Fall {
        const char* spalten;
        const char* wiederholungen;
        int32_t reihe, drucke;
    };
    const Fall faelle[] = {
        {"0", "-3", 1, 1},
        {"4", "", 4, 1},
        {"2,5", "7", 2, 7},
        {"", "", 2, 7},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(testing::Message() << f.spalten << " " << f.wiederholungen);
        frmDrucker& d = oeffnen();
        EXPECT_TRUE(d.fraSchlaufen->isVisible());
        EXPECT_FALSE(d.fraZentrieren->isVisible());
        EXPECT_EQ(d.txtAnzahlSpalten->text(), QString::number(DO().lngSchilderProReihe));
        EXPECT_FALSE(d.txtGrenze[1]->isEnabled());
        EXPECT_FALSE(d.txtGrenze[3]->isEnabled());
        // The hidden centring box keeps its value.
        EXPECT_TRUE(d.chkHZentrieren->isChecked());
        d.txtAnzahlSpalten->setText(QString::fromLatin1(f.spalten));
        d.txtAnzahlWiederholungen->setText(QString::fromLatin1(f.wiederholungen));
        d.txtGrenze[3]->setText(QStringLiteral("5"));
        d.cmdOK_Click();
        EXPECT_EQ(DO().lngSchilderProReihe, f.reihe);
        EXPECT_EQ(DO().lngDruckeProSchild, f.drucke);
        EXPECT_FLOAT_EQ(e.sngGrenzeUnten, 0);
        EXPECT_TRUE(DO().blnHZentrieren);
    }
    // A plain label hides the counts but stores them as they stand.
    e.blnSchlaufenetikett = false;
    frmDrucker& d = oeffnen();
    EXPECT_FALSE(d.fraSchlaufen->isVisible());
    EXPECT_TRUE(d.fraZentrieren->isVisible());
    d.txtAnzahlSpalten->setText(QStringLiteral("-1"));
    d.cmdOK_Click();
    EXPECT_EQ(DO().lngSchilderProReihe, 1);
}

TEST_F(EinstellungenTest, CancelStoresNothing) {
    frmDrucker& d = oeffnen();
    d.txtGrenze[0]->setText(QStringLiteral("44"));
    d.chkVZentrieren->click();
    d.chkRahmenDrucken->click();
    d.lstGrenzFarbe->setCurrentIndex(0);
    d.txtAnzahlSpalten->setText(QStringLiteral("5"));
    d.cmdAbbrechen_Click();
    EXPECT_FALSE(d.isVisible());
    EXPECT_FLOAT_EQ(S(m_n).sngGrenzeLinks, 10);
    EXPECT_FALSE(DO().blnVZentrieren);
    EXPECT_FALSE(P().blnRahmenDrucken);
    EXPECT_EQ(P().strRahmenDruckFarbe, QStringLiteral("0"));
    EXPECT_EQ(DO().lngSchilderProReihe, 1);
    EXPECT_FALSE(Schild(m_n).Caption().endsWith(QLatin1Char('*')));
}

TEST_F(EinstellungenTest, OkRedrawsAnOpenPreviewAtItsZoom) {
    P().strRahmenDruckFarbe = QStringLiteral("255"); // the label frame red
    P().blnRahmenDrucken = true;
    const auto rot = [](QColor c) { return rein(c, QColor(255, 0, 0)); };
    for (int32_t zoom : {100, 200}) {
        SCOPED_TRACE(zoom);
        S(m_n).sngGrenzeLinks = 10;
        vorschau(zoom);
        frmVorschau& v = Vorschaufenster();
        v.mnuSV100->setChecked(zoom == 100);
        v.mnuSV200->setChecked(zoom == 200);
        // Printing from the preview leaves the printer as its target.
        v.mnuDrucken_Click();
        ASSERT_TRUE(QFile::remove(pdfPfad()));
        frmDrucker& d = oeffnen();
        d.txtGrenze[0]->setText(QStringLiteral("40"));
        d.cmdOK_Click();
        const QImage& img = v.picVorschau()->bild();
        const QRect rahmen = umriss(img, rot);
        ASSERT_FALSE(rahmen.isNull());
        EXPECT_NEAR(rahmen.left(), mmPx(40, zoom / 100.0), 1);
        EXPECT_NEAR(img.width(), mmPx(210, zoom / 100.0), 1);
        // The preview is redrawn, nothing printed.
        EXPECT_FALSE(QFile::exists(pdfPfad()));
    }
    // With the preview closed nothing is drawn.
    vorschauEntladen();
    oeffnen().cmdOK_Click();
    EXPECT_FALSE(vorschauGeladen());
}

TEST_F(EinstellungenTest, PrinterSetUpAndPageMetricsButtons) {
    frmDrucker& d = oeffnen();
    {
        SkriptDialoge dlg;
        DruckerBedienung b;
        b.datei = m_dir.filePath(QStringLiteral("a5.pdf"));
        b.papier = QPageSize(QPageSize::A5);
        dlg.drucker(b);
        d.cmdDruckerEinrichten->click();
        ASSERT_EQ(dlg.gezeigt().size(), 1u);
        EXPECT_EQ(dlg.gezeigt()[0].text, QStringLiteral("einrichten"));
    }
    EXPECT_EQ(d.txtPGroesse[0]->text(), QStringLiteral("148"));
    EXPECT_EQ(d.txtPGroesse[1]->text(), QStringLiteral("210"));
    // The paper list stays as it was.
    EXPECT_EQ(d.cboPapierformat->currentText(), QStringLiteral("DIN A4, 210 x 297 mm"));

    SkriptDialoge dlg;
    dlg.meldung(Antwort::OK);
    d.Command1->click();
    ASSERT_EQ(dlg.gezeigt().size(), 1u);
    EXPECT_TRUE(dlg.gezeigt()[0].text.startsWith(QStringLiteral("Papiergröße: 148 x 210mm")));
}

TEST_F(EinstellungenTest, TabWalksOnlyTheControlsInTheVisibleArea) {
    for (const bool schlaufe : {false, true}) {
        SCOPED_TRACE(schlaufe ? "loop label" : "label");
        S(m_n).blnSchlaufenetikett = schlaufe;
        frmDrucker& d = oeffnen();
        d.activateWindow();
        QApplication::processEvents();
        d.txtGrenze[0]->setFocus();
        ASSERT_EQ(QApplication::focusWidget(), d.txtGrenze[0]);
        // Tab as the user presses it, once round the whole dialog.
        std::vector<QWidget*> erreicht;
        for (int i = 0; i < 40; ++i) {
            QWidget* w = QApplication::focusWidget();
            ASSERT_NE(w, nullptr);
            if (std::find(erreicht.begin(), erreicht.end(), w) != erreicht.end())
                break;
            erreicht.push_back(w);
            QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
            QApplication::sendEvent(w, &tab);
        }
        for (QWidget* w : erreicht) {
            const QRect r(w->mapTo(&d, QPoint(0, 0)), w->size());
            EXPECT_TRUE(w->isVisible() && d.rect().contains(r)) << w->objectName().toStdString();
        }
        QWidget* const mitte = schlaufe ? static_cast<QWidget*>(d.txtAnzahlSpalten)
                                        : static_cast<QWidget*>(d.chkHZentrieren);
        for (QWidget* w :
             {static_cast<QWidget*>(d.cmdOK), static_cast<QWidget*>(d.lstGrenzFarbe), mitte})
            EXPECT_NE(std::find(erreicht.begin(), erreicht.end(), w), erreicht.end())
                << w->objectName().toStdString();
        // Below the area nothing is shown that a key could act on.
        EXPECT_FALSE(d.Command1->isVisible());
        EXPECT_FALSE(d.cboPapierformat->isVisible());
        EXPECT_FALSE(d.optHoch->isVisible());
        m_d.reset();
    }
}

TEST_F(EinstellungenTest, ControlsCarryTheirNamesAndCaptions) {
    frmDrucker& d = oeffnen();
    for (const char* name : {"txtGrenze0", "txtGrenze3", "chkHZentrieren", "chkVZentrieren",
                             "txtAnzahlSpalten", "txtAnzahlWiederholungen", "cmdDruckerEinrichten",
                             "chkRahmenDrucken", "lstGrenzFarbe", "cmdAbbrechen", "cmdOK"}) {
        auto* w = d.findChild<QWidget*>(QString::fromLatin1(name));
        ASSERT_NE(w, nullptr) << name;
        EXPECT_FALSE(w->accessibleName().isEmpty()) << name;
    }
    EXPECT_EQ(d.txtGrenze[2]->accessibleName(), QStringLiteral("Oben"));
    EXPECT_EQ(d.lstGrenzFarbe->accessibleName(), QStringLiteral("Farbe:"));
    EXPECT_EQ(d.fraGrenze->title(), QStringLiteral("Schildbegrenzung"));
    // The paper-format controls lie below the visible area.
    EXPECT_GE(d.fraFormat->y(), d.height());
    EXPECT_LE(d.cmdOK->geometry().bottom(), d.height());
}

TEST_F(EinstellungenTest, CaptionsStandBesideTheirControls) {
    frmDrucker& d = oeffnen();
    benennungenPruefen(d, {{d.txtPGroesse[0], "lblPGroesse0", "Breite"},
                           {d.txtPGroesse[1], "lblPGroesse1", "Höhe"},
                           {d.txtGrenze[0], "lblGrenze0", "Links"},
                           {d.txtGrenze[3], "lblGrenze3", "Unten"},
                           {d.txtAnzahlSpalten, "Label2", "Anz. Schilder pro Reihe"},
                           {d.txtAnzahlWiederholungen, "Label3", "Anz. Drucke pro Schild"},
                           {d.lstGrenzFarbe, "Label1", "Farbe:"}});
    // The unit notes name no control; each stands in its frame.
    EXPECT_EQ(d.lblmm1->objectName(), "lblmm1");
    EXPECT_EQ(d.lblmm1->parentWidget(), d.fraBenutzer);
    EXPECT_EQ(d.lblmm2->objectName(), "lblmm2");
    EXPECT_EQ(d.lblmm2->parentWidget(), d.fraGrenzen);
}

} // namespace
} // namespace sorvo::test

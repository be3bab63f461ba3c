#include "label/frmNeu.h"
#include "label/unterprogramme.h"
#include "platform/system.h"
#include "tests/app/mdi_fixture.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace sorvo::test {
namespace {

class NeuTest : public MdiTest {
protected:
    frmNeu* oeffnen() {
        m_mdi->mnuDateiNeu_Click();
        return m_mdi->findChild<frmNeu*>(QStringLiteral("frmNeu"));
    }
    void waehlen(frmNeu* d, int i) {
        d->cboFormat->setCurrentIndex(i);
        d->cboFormat_Click();
    }
    static std::pair<QString, QString> boxen(frmNeu* d) {
        return {d->txtBreite->text(), d->txtHoehe->text()};
    }
    using Paar = std::pair<QString, QString>;
};

TEST_F(NeuTest, OpensWithDefaultsAndLocksTheRest) {
    starten();
    neuesSchild();
    frmNeu* d = oeffnen();
    ASSERT_NE(d, nullptr);
    EXPECT_FALSE(d->isModal());
    EXPECT_EQ(d->windowTitle(), "Neues Schild definieren");
    EXPECT_EQ(boxen(d), Paar("100", "75"));
    EXPECT_EQ(d->cboFormat->currentText(), "Benutzerdefiniert");
    EXPECT_EQ(d->cboFormat->count(), 6);
    EXPECT_EQ(d->cboFormat->itemText(5), "Schlaufen- / Stecketiketten");
    EXPECT_TRUE(d->fraHQ->isHidden());
    EXPECT_FALSE(d->optHQ[0]->isChecked());
    EXPECT_FALSE(d->optHQ[1]->isChecked());
    EXPECT_FALSE(Schild(1).isEnabled());
    EXPECT_FALSE(m_mdi->menuAktiv(QStringLiteral("mnuDatei")));
    d->cmdOK_Click();
    delete d;
    EXPECT_EQ(P().lngAktivesSchild, 2);
    EXPECT_TRUE(Schild(1).isEnabled());
    EXPECT_TRUE(m_mdi->menuAktiv(QStringLiteral("mnuDatei")));
    EXPECT_FLOAT_EQ(S(2).sngSchildBreite, 100);
    EXPECT_FLOAT_EQ(S(2).sngSchildHoehe, 75);
    EXPECT_FALSE(S(2).blnSchlaufenetikett);
    EXPECT_EQ(Schild(2).Caption(), "Schild 2*");
    EXPECT_TRUE(S(2).blnGeaendert);
    EXPECT_NEAR(Schild(2).ScaleWidth(), 100, 0.4);
    EXPECT_NEAR(Schild(2).ScaleHeight(), 75, 0.4);
}

TEST_F(NeuTest, StandardFormatsAndOrientation) {
    starten();
    frmNeu* d = oeffnen();
    waehlen(d, 1); // DIN A4: first choice swaps to portrait
    EXPECT_EQ(boxen(d), Paar("211", "297"));
    EXPECT_TRUE(d->optHQ[0]->isChecked());
    EXPECT_FALSE(d->fraHQ->isHidden());
    EXPECT_TRUE(d->txtBreite->isReadOnly());
    d->optHQ[1]->setChecked(true); // Querformat
    EXPECT_EQ(boxen(d), Paar("297", "211"));
    waehlen(d, 3); // DIN A6 while landscape: written, then swapped to portrait
    EXPECT_EQ(boxen(d), Paar("105", "147"));
    EXPECT_TRUE(d->optHQ[0]->isChecked());
    waehlen(d, 2); // DIN A5 while portrait: not swapped
    EXPECT_EQ(boxen(d), Paar("211", "147"));
    waehlen(d, 4);
    EXPECT_EQ(boxen(d), Paar("105", "74"));
    waehlen(d, 0); // custom: boxes editable again, frame hidden
    EXPECT_FALSE(d->txtBreite->isReadOnly());
    EXPECT_TRUE(d->fraHQ->isHidden());
    d->cmdCancel_Click();
    delete d;
}

TEST_F(NeuTest, OrientationSwapRoundsTheWidthHalfToEven) {
    starten();
    frmNeu* d = oeffnen();
    d->txtBreite->setText(QStringLiteral("100,5"));
    d->txtHoehe->setText(QStringLiteral("75"));
    d->optHQ[1]->setChecked(true);
    EXPECT_EQ(boxen(d), Paar("75", "100"));
    d->cmdCancel_Click();
    delete d;
}

TEST_F(NeuTest, FractionalSizesAreKeptAndTheWindowSizedToWholeMillimetres) {
    starten();
    const struct {
        const char* breite;
        float gespeichert;
        double fenster;
    } faelle[] = {{"100,5", 100.5f, 100}, {"101.5", 101.5f, 102}, {"80", 80.0f, 80}};
    for (const auto& f : faelle) {
        const int32_t n = neuesSchild(QString::fromLatin1(f.breite), QStringLiteral("50"));
        EXPECT_FLOAT_EQ(S(n).sngSchildBreite, f.gespeichert) << f.breite;
        EXPECT_NEAR(Schild(n).ScaleWidth(), f.fenster, 0.4) << f.breite;
    }
}

TEST_F(NeuTest, InvalidSizesAreRefusedAndTheDialogStays) {
    starten();
    for (const char* falsch : {"", "abc", "0", "-5", "2000,5", "12x"}) {
        frmNeu* d = oeffnen();
        SkriptDialoge dlg;
        dlg.meldung(Antwort::OK);
        d->txtBreite->setText(QString::fromLatin1(falsch));
        d->cmdOK_Click();
        ASSERT_EQ(dlg.gezeigt().size(), 1u) << falsch;
        EXPECT_EQ(dlg.gezeigt()[0].titel, "Neues Schild definieren");
        EXPECT_EQ(SchilderZaehlen(), 0) << falsch;
        d->cmdCancel_Click();
        delete d;
    }
    EXPECT_EQ(neuesSchild(QStringLiteral("2000"), QStringLiteral("0.5")), 1);
}

TEST_F(NeuTest, CancelAndCloseBoxLeaveNoWindowAndUnlock) {
    starten();
    frmNeu* d = oeffnen();
    d->cmdCancel_Click();
    delete d;
    EXPECT_EQ(SchilderZaehlen(), 0);
    EXPECT_TRUE(m_mdi->menuAktiv(QStringLiteral("mnuDatei")));
    d = oeffnen();
    EXPECT_FALSE(m_mdi->menuAktiv(QStringLiteral("mnuDatei")));
    d->close();
    delete d;
    EXPECT_EQ(SchilderZaehlen(), 0);
    EXPECT_TRUE(m_mdi->menuAktiv(QStringLiteral("mnuDatei")));
}

TEST_F(NeuTest, LoopLabelBranchCancelledDisablesOkUntilAnotherFormat) {
    starten();
    struct Abbruch : Schlaufenetikett {
        bool sichtbarBeimAufruf = true;
        frmNeu* d = nullptr;
        void zeigen(std::function<void(bool)> danach) override {
            sichtbarBeimAufruf = d->isVisible();
            danach(false);
        }
    } schlaufe;
    nachbarn().schlaufenetikett = &schlaufe;
    frmNeu* d = oeffnen();
    schlaufe.d = d;
    waehlen(d, 5);
    EXPECT_FALSE(schlaufe.sichtbarBeimAufruf);
    EXPECT_TRUE(d->isVisible());
    EXPECT_FALSE(d->cmdOK->isEnabled());
    waehlen(d, 2);
    EXPECT_TRUE(d->cmdOK->isEnabled());
    d->cmdCancel_Click();
    delete d;
}

TEST_F(NeuTest, DatabaseTemplateOpenAsksFirst) {
    starten();
    P().blnVorlageGeoeffnet = true;
    {
        SkriptDialoge dlg;
        dlg.meldung(Antwort::No);
        m_mdi->mnuDateiNeu_Click();
        ASSERT_EQ(dlg.gezeigt().size(), 1u);
        EXPECT_EQ(dlg.gezeigt()[0].titel, "Es ist schon eine Vorlage geöffnet!");
        EXPECT_EQ(dlg.gezeigt()[0].text,
                  "Es ist schon eine Vorlage geöffnet!\rNeu geöffnete Schilder können nicht\rmit "
                  "einer Datenbank verbunden werden.\r\rSoll trotzdem ein neues Schild geöffnet "
                  "werden");
        EXPECT_EQ(dlg.gezeigt()[0].stil, Msg::YesNo + Msg::Exclamation);
    }
    EXPECT_EQ(m_mdi->findChild<frmNeu*>(QStringLiteral("frmNeu")), nullptr);
    EXPECT_TRUE(m_mdi->menuAktiv(QStringLiteral("mnuDatei")));
    SkriptDialoge dlg;
    dlg.meldung(Antwort::Yes);
    m_mdi->mnuDateiNeu_Click();
    frmNeu* d = m_mdi->findChild<frmNeu*>(QStringLiteral("frmNeu"));
    ASSERT_NE(d, nullptr);
    d->cmdCancel_Click();
    delete d;
}

TEST_F(NeuTest, F1OpensItsHelpTopic) {
    starten();
    frmNeu* d = oeffnen();
    QString thema = QStringLiteral("-");
    hilfeAufrufSetzen([&](const QString&, const QString& t) { thema = t; });
    QKeyEvent f1(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
    QApplication::sendEvent(d, &f1);
    hilfeAufrufSetzen({});
    EXPECT_EQ(thema, "2.htm");
    EXPECT_TRUE(d->isVisible());
    d->cmdCancel_Click();
    delete d;
}

TEST_F(NeuTest, WindowSizingReachesTheLabelSize) {
    starten();
    const int32_t n = neuesSchild();
    for (float b : {20.0f, 100.0f, 211.0f, 297.0f, 500.0f}) {
        float h = b / 2;
        FenstergroesseSetzen(b, h, Schild(n));
        EXPECT_NEAR(Schild(n).ScaleWidth(), b, 0.4) << b;
        EXPECT_NEAR(Schild(n).ScaleHeight(), h, 0.4) << b;
    }
}

} // namespace
} // namespace sorvo::test

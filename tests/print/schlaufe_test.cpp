// The loop-label dialog: its defaults and the label it makes, what its
// fields take, their minima, the +/- buttons, Cancel, and the edit mode
// opened from the preview.
#include "print/frmSchlaufenetikett.h"
#include "tests/print/vorschau_fixture.h"

#include <QAction>
#include <QClipboard>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace sorvo::test {
namespace {

class SchlaufeTest : public VorschauTest {
protected:
    void TearDown() override {
        m_d.reset();
        VorschauTest::TearDown();
    }
    frmSchlaufenetikett& oeffnen() {
        m_d = std::make_unique<frmSchlaufenetikett>();
        m_d->danach = [this](bool erstellt) { m_danach.push_back(erstellt); };
        m_d->show();
        return *m_d;
    }
    // Types text into the field key by key, as the keyboard does.
    static void tippen(QWidget* w, const QString& text) {
        for (const QChar c : text) {
            QKeyEvent druck(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(w, &druck);
        }
    }
    std::unique_ptr<frmSchlaufenetikett> m_d;
    std::vector<bool> m_danach;
};

TEST_F(SchlaufeTest, DefaultsMakeALoopLabel) {
    const int32_t vorher = SchilderZaehlen();
    frmSchlaufenetikett& d = oeffnen();
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Schlaufen- und Stecketiketten"));
    const char* const vorgaben[] = {"20", "220", "20", "100", "100"};
    for (size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(d.felder[i]->text(), QString::fromLatin1(vorgaben[i])) << i;
        EXPECT_TRUE(d.felder[i]->isEnabled()) << i;
    }
    EXPECT_EQ(d.txtEtikettenHoehe->accessibleName(), QStringLiteral("Etikettenhöhe"));
    EXPECT_EQ(d.minus[frmSchlaufenetikett::maxTB]->objectName(), QStringLiteral("cmdmaxTBMinus"));
    d.cmdOK_Click();

    EXPECT_EQ(SchilderZaehlen(), vorher + 1);
    const int32_t n = P().lngAktivesSchild;
    const auto& e = S(n);
    EXPECT_NEAR(Schild(n).ScaleWidth(), 100, 0.4);
    EXPECT_NEAR(Schild(n).ScaleHeight(), 20, 0.4);
    EXPECT_FLOAT_EQ(e.sngSchildBreite, 100);
    EXPECT_FLOAT_EQ(e.sngSchildHoehe, 20);
    EXPECT_FLOAT_EQ(e.sngEtikettBreite, 220);
    EXPECT_FLOAT_EQ(e.sngGrenzeLinks, 100);
    EXPECT_FLOAT_EQ(e.sngGrenzeOben, 20);
    EXPECT_FLOAT_EQ(e.sngGrenzeRechts, 0);
    EXPECT_FLOAT_EQ(e.sngGrenzeUnten, 0);
    EXPECT_TRUE(e.blnSchlaufenetikett);
    EXPECT_EQ(Schild(n).Caption(), QStringLiteral("Schild %1*").arg(n));
    EXPECT_TRUE(P().blnWerkzeugeAktiv);
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(m_danach, std::vector<bool>{true});
}

TEST_F(SchlaufeTest, FieldsTakeWholeMillimetresUpTo32767Only) {
    struct Fall {
        const char* vorher;
        const char* getippt;
        const char* danach;
        bool abgewiesen;
    };
    const Fall faelle[] = {
        {"20", "5", "205", false},     {"20", "a", "20", true},     {"20", "-", "20", true},
        {"20", ",", "20", true},       {"20", ".", "20", true},     {"20", " ", "20", true},
        {"3276", "7", "32767", false}, {"3276", "8", "3276", true}, {"32767", "0", "32767", true},
    };
    frmSchlaufenetikett& d = oeffnen();
    MmFeld* feld = d.txtEtikettenBreite;
    for (const Fall& f : faelle) {
        SCOPED_TRACE(testing::Message() << f.vorher << " + " << f.getippt);
        feld->setText(QString::fromLatin1(f.vorher));
        feld->end(false);
        int abgewiesen = 0;
        const auto verbindung =
            QObject::connect(feld, &QLineEdit::inputRejected, [&] { ++abgewiesen; });
        tippen(feld, QString::fromLatin1(f.getippt));
        QObject::disconnect(verbindung);
        EXPECT_EQ(feld->text(), QString::fromLatin1(f.danach));
        EXPECT_EQ(abgewiesen > 0, f.abgewiesen);
    }
    // Backspace is a key the field takes.
    feld->setText(QStringLiteral("220"));
    feld->end(false);
    QKeyEvent zurueck(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier);
    QApplication::sendEvent(feld, &zurueck);
    EXPECT_EQ(feld->text(), QStringLiteral("22"));

    // Pasted text goes through the same gate.
    for (const auto& [ablage, danach] : {std::pair{"12a", "22"}, std::pair{"-5", "22"},
                                         std::pair{"99999", "22"}, std::pair{"5", "225"}}) {
        SCOPED_TRACE(ablage);
        feld->setText(QStringLiteral("22"));
        feld->end(false);
        QApplication::clipboard()->setText(QString::fromLatin1(ablage));
        feld->paste();
        EXPECT_EQ(feld->text(), QString::fromLatin1(danach));
    }
}

TEST_F(SchlaufeTest, LeavingAFieldAndTheButtonsKeepItsMinimum) {
    struct Fall {
        frmSchlaufenetikett::Feld feld;
        const char* kleinster;
    };
    const Fall faelle[] = {
        {frmSchlaufenetikett::EH, "1"}, {frmSchlaufenetikett::EB, "1"},
        {frmSchlaufenetikett::AR, "0"}, {frmSchlaufenetikett::maxTB, "1"},
        {frmSchlaufenetikett::LV, "0"},
    };
    frmSchlaufenetikett& d = oeffnen();
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.feld);
        MmFeld* feld = d.felder[f.feld];
        feld->clear();
        feld->verlassen();
        EXPECT_EQ(feld->text(), QString::fromLatin1(f.kleinster));
        feld->setText(QStringLiteral("0"));
        feld->verlassen();
        EXPECT_EQ(feld->text(), QString::fromLatin1(f.kleinster));
        // "-" at the smallest value changes nothing; "+" adds one.
        d.minus[f.feld]->click();
        EXPECT_EQ(feld->text(), QString::fromLatin1(f.kleinster));
        d.plus[f.feld]->click();
        d.plus[f.feld]->click();
        EXPECT_EQ(feld->wert(), QString::fromLatin1(f.kleinster).toInt() + 2);
        d.minus[f.feld]->click();
        EXPECT_EQ(feld->wert(), QString::fromLatin1(f.kleinster).toInt() + 1);
        feld->setText(QStringLiteral("32767"));
        d.plus[f.feld]->click();
        EXPECT_EQ(feld->text(), QStringLiteral("32767"));
    }
    // Losing the focus leaves the field.
    d.txtEtikettenBreite->clear();
    QFocusEvent aus(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(d.txtEtikettenBreite, &aus);
    EXPECT_EQ(d.txtEtikettenBreite->text(), QStringLiteral("1"));
}

TEST_F(SchlaufeTest, CancelMakesNothingAndTellsTheNewLabelDialog) {
    const int32_t vorher = SchilderZaehlen();
    const int32_t aktiv = P().lngAktivesSchild;
    frmSchlaufenetikett& d = oeffnen();
    d.txtEtikettenHoehe->setText(QStringLiteral("30"));
    d.cmdAbbrechen_Click();
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(SchilderZaehlen(), vorher);
    EXPECT_EQ(P().lngAktivesSchild, aktiv);
    EXPECT_EQ(m_danach, std::vector<bool>{false});
    // The close box is Cancel too.
    frmSchlaufenetikett& d2 = oeffnen();
    d2.close();
    EXPECT_EQ(m_danach, (std::vector<bool>{false, false}));
    EXPECT_EQ(SchilderZaehlen(), vorher);
}

TEST_F(SchlaufeTest, FromThePreviewItChangesTheGridOfTheCurrentLoopLabel) {
    // A loop label of 80 x 25 mm.
    ProgrammZuruecksetzen();
    frmLabel* f = neuesFenster(80, 25);
    const int32_t n = P().lngAktivesSchild;
    schlaufeSetzen(n, 90.5f, 12.5f, 13.5f);
    const auto& e = S(n);
    vorschau(100);
    frmVorschau& v = Vorschaufenster();
    v.mnuSV100_Click();
    v.mnuSV200_Click();
    // The preview's settings item opens the dialog in this mode.
    DO().blnSchlaufeAusVorschau = true;
    frmSchlaufenetikett& d = oeffnen();
    EXPECT_TRUE(d.ausVorschau());
    const char* const gezeigt[] = {"25", "90", "14", "80", "12"}; // halves to even
    for (size_t i = 0; i < 5; ++i)
        EXPECT_EQ(d.felder[i]->text(), QString::fromLatin1(gezeigt[i])) << i;
    for (auto fest : {frmSchlaufenetikett::EH, frmSchlaufenetikett::maxTB}) {
        EXPECT_FALSE(d.felder[fest]->isEnabled());
        EXPECT_FALSE(d.beschriftungen[fest]->isEnabled());
        EXPECT_FALSE(d.minus[fest]->isEnabled());
        EXPECT_FALSE(d.plus[fest]->isEnabled());
    }
    d.txtEtikettenBreite->setText(QStringLiteral("95"));
    d.txtlinkerVersatz->setText(QStringLiteral("40"));
    d.txtAbstandRand->setText(QStringLiteral("7"));
    const int32_t fenster = SchilderZaehlen();
    d.cmdOK_Click();

    EXPECT_EQ(SchilderZaehlen(), fenster);
    EXPECT_FLOAT_EQ(e.sngEtikettBreite, 95);
    EXPECT_FLOAT_EQ(e.sngGrenzeLinks, 40);
    EXPECT_FLOAT_EQ(e.sngGrenzeOben, 7);
    EXPECT_FLOAT_EQ(e.sngSchildBreite, 80);
    EXPECT_FLOAT_EQ(e.sngSchildHoehe, 25);
    EXPECT_NEAR(f->ScaleHeight(), 25, 0.01);
    EXPECT_TRUE(f->Caption().endsWith(QLatin1Char('*')));
    EXPECT_FALSE(DO().blnSchlaufeAusVorschau);
    EXPECT_EQ(m_danach, std::vector<bool>{false}); // no new label
    // Redrawn at 200 %, the label frame at its new place.
    EXPECT_NEAR(v.picVorschau()->width(), mmPx(210, 2), 1);
    const QRect rahmen =
        umriss(v.picVorschau()->bild(), dunkel, QRect(0, mmPx(7, 2) - 3, mmPx(210, 2), 7));
    ASSERT_FALSE(rahmen.isNull());
    EXPECT_NEAR(rahmen.left(), mmPx(40, 2), 2);

    // The next opening is a new label again.
    frmSchlaufenetikett& neu = oeffnen();
    EXPECT_FALSE(neu.ausVorschau());
    EXPECT_EQ(neu.txtEtikettenBreite->text(), QStringLiteral("220"));
    EXPECT_TRUE(neu.txtEtikettenHoehe->isEnabled());
}

} // namespace
} // namespace sorvo::test

#include "app/einstellungen.h"
#include "app/frmMDIOptionen.h"
#include "platform/registry.h"
#include "platform/system.h"
#include "tests/app/mdi_fixture.h"

#include <QCheckBox>

namespace sorvo::test {
namespace {

QString lesen(const QString& key, const char* name) {
    return RegStringLesen(HKEY_LOCAL_MACHINE, key, QString::fromLatin1(name))
        .value_or(QStringLiteral("<fehlt>"));
}
void setzen(const QString& key, const char* name, const QString& wert) {
    RegStringSchreiben(HKEY_LOCAL_MACHINE, key, QString::fromLatin1(name), wert);
}

class EinstellungenTest : public MdiTest {
protected:
    // One run of the program: load, let the test change things, shut down.
    template <typename F> void lauf(F&& waehrend) {
        starten();
        waehrend();
        m_mdi->close();
        ASSERT_TRUE(m_mdi->beendet());
        m_mdi.reset();
        ProgrammZuruecksetzen();
    }
};

TEST_F(EinstellungenTest, EveryValueRoundTripsThroughTheStore) {
    lauf([&] {
        auto& p = P();
        p.strBotrelVerz = QStringLiteral("C:\\Botrel\\");
        p.strBotrelBilderVerz = QStringLiteral("\\\\srv\\Bilder\\Größe\\");
        p.strBotrelEditorVerz = QStringLiteral("/opt/editor/");
        p.blnVorlageVordergrund = true;
        p.blnAenderungSpeichern = false;
        p.blnWerkzeugFensterFolgt = true;
        p.blnRahmenDrucken = true;
        p.strRahmenDruckFarbe = QStringLiteral("255");
        m_mdi->geometrieSetzen(300, 450, 15000, 9000, 0);
    });
    EXPECT_EQ(lesen(kSchluesselPfade, "Sorvo-Verz"), programmOrdner());
    EXPECT_EQ(lesen(kSchluesselPfade, "Botrel-Verz"), "C:\\Botrel\\");
    EXPECT_EQ(lesen(kSchluesselPfade, "Botrel-Bilder-Verz"), "\\\\srv\\Bilder\\Größe\\");
    EXPECT_EQ(lesen(kSchluesselMDI, "Links"), "300");
    EXPECT_EQ(lesen(kSchluesselMDI, "Oben"), "450");
    EXPECT_EQ(lesen(kSchluesselMDI, "Breite"), "15000");
    EXPECT_EQ(lesen(kSchluesselMDI, "Hoehe"), "9000");
    EXPECT_EQ(lesen(kSchluesselMDI, "Status"), "0");
    EXPECT_EQ(lesen(kSchluesselOptionen, "blnVorlageVordergrund"), "True");
    EXPECT_EQ(lesen(kSchluesselOptionen, "blnAenderungSpeichern"), "False");
    EXPECT_EQ(lesen(kSchluesselOptionen, "blnRahmenDrucken"), "True");
    EXPECT_EQ(lesen(kSchluesselOptionen, "strRahmenDruckFarbe"), "255");

    // The next run reads back what was written. The start items then find
    // no program files, which clears those folders; the picture folder stays.
    starten(true);
    const auto& p = P();
    EXPECT_EQ(p.strBotrelBilderVerz, "\\\\srv\\Bilder\\Größe\\");
    EXPECT_TRUE(p.blnVorlageVordergrund);
    EXPECT_FALSE(p.blnAenderungSpeichern);
    EXPECT_TRUE(p.blnWerkzeugFensterFolgt);
    EXPECT_TRUE(p.blnRahmenDrucken);
    EXPECT_EQ(p.strRahmenDruckFarbe, "255");
    EXPECT_EQ(m_mdi->fensterStatus(), 0);
    EXPECT_EQ(m_mdi->normaleGeometrie(), QRect(300, 450, 15000, 9000));
}

TEST_F(EinstellungenTest, MaximisedAtExitStoresNormalGeometryAndState) {
    lauf([&] {
        m_mdi->geometrieSetzen(600, 600, 12000, 9000, 0);
        m_mdi->showMaximized();
    });
    EXPECT_EQ(lesen(kSchluesselMDI, "Status"), "2");
    EXPECT_EQ(lesen(kSchluesselMDI, "Breite"), "12000");
    starten(true);
    EXPECT_EQ(m_mdi->fensterStatus(), 2);
}

TEST_F(EinstellungenTest, FirstRunWithSiblingTakesItsFoldersAndRegistersItself) {
    setzen(kSchluesselSibling, "Botrel-Verz", QStringLiteral("C:\\Botrel"));
    setzen(kSchluesselSibling, "Botrel-Bilder-Verz", QStringLiteral("C:\\Botrel\\Bilder\\"));
    setzen(kSchluesselSibling, "Botrel-Editor-Verz", QStringLiteral("C:\\Editor\\"));
    setzen(kSchluesselEditor, "Botrel-Editor-Verz", QStringLiteral("C:\\Editor\\"));
    m_mdi = std::make_unique<MDI>();
    EinstellungenLaden(*m_mdi);
    EXPECT_EQ(P().strBotrelVerz, "C:\\Botrel\\"); // trailing separator added
    EXPECT_EQ(P().strBotrelBilderVerz, "C:\\Botrel\\Bilder\\");
    EXPECT_EQ(P().strBotrelEditorVerz, "C:\\Editor\\");
    const QString selbst = mitTrenner(P().strSorvoVerz);
    EXPECT_EQ(lesen(kSchluesselSibling, "Sorvo-Verz"), selbst);
    EXPECT_EQ(lesen(kSchluesselEditor, "Sorvo-Verz"), selbst);
}

TEST_F(EinstellungenTest, FirstRunWithoutSiblingWritesBlanksAndTouchesNoSiblingKey) {
    lauf([] {});
    EXPECT_EQ(lesen(kSchluesselPfade, "Botrel-Verz"), " ");
    EXPECT_EQ(lesen(kSchluesselPfade, "Botrel-Bilder-Verz"), " ");
    EXPECT_EQ(lesen(kSchluesselPfade, "Botrel-Editor-Verz"), " ");
    EXPECT_EQ(lesen(kSchluesselSibling, "Sorvo-Verz"), "<fehlt>");
    EXPECT_EQ(lesen(kSchluesselEditor, "Sorvo-Verz"), "<fehlt>");
}

TEST_F(EinstellungenTest, StoredBlankIsAnEmptyFolderAndStaysABlank) {
    setzen(kSchluesselPfade, "Sorvo-Verz", QStringLiteral("/opt/sorvo"));
    setzen(kSchluesselPfade, "Botrel-Bilder-Verz", QStringLiteral(" "));
    // The sibling's value must not replace the stored blank of a later run.
    setzen(kSchluesselSibling, "Botrel-Bilder-Verz", QStringLiteral("C:\\Andere\\"));
    lauf([&] { EXPECT_TRUE(P().strBotrelBilderVerz.isEmpty()); });
    EXPECT_EQ(lesen(kSchluesselPfade, "Botrel-Bilder-Verz"), " ");
}

TEST_F(EinstellungenTest, ValuesThatDoNotConvertFallBackToTheirDefaults) {
    setzen(kSchluesselMDI, "Hoehe", QStringLiteral("hoch"));
    setzen(kSchluesselMDI, "Breite", QStringLiteral("12x"));
    setzen(kSchluesselMDI, "Status", QStringLiteral("7"));
    setzen(kSchluesselOptionen, "blnAenderungSpeichern", QStringLiteral("vielleicht"));
    setzen(kSchluesselOptionen, "blnRahmenDrucken", QStringLiteral("true"));
    m_mdi = std::make_unique<MDI>();
    EinstellungenLaden(*m_mdi);
    EXPECT_EQ(m_mdi->fensterStatus(), 2);
    EXPECT_EQ(m_mdi->normaleGeometrie().size(), QSize(19320, 14520));
    EXPECT_FALSE(P().blnAenderungSpeichern);
    EXPECT_TRUE(P().blnRahmenDrucken);
}

TEST_F(EinstellungenTest, OptionsDialogAppliesOnOkOnly) {
    starten();
    P().blnAenderungSpeichern = false;
    {
        frmMDIOptionen d;
        EXPECT_EQ(d.windowTitle(), "Optionen");
        EXPECT_EQ(d.chkAenderung->text(),
                  "Abfragen ob geänderte Schilder gespeichert werden sollen");
        EXPECT_FALSE(d.chkAenderung->isChecked());
        d.chkAenderung->setChecked(true);
        d.chkWZFolgt->setChecked(true);
        d.close(); // close box: nothing taken over
    }
    EXPECT_FALSE(P().blnAenderungSpeichern);
    EXPECT_FALSE(P().blnWerkzeugFensterFolgt);
    frmMDIOptionen d;
    d.chkAenderung->setChecked(true);
    d.chkFokusVorlage->setChecked(true);
    d.cmdOK_Click();
    EXPECT_TRUE(P().blnAenderungSpeichern);
    EXPECT_TRUE(P().blnVorlageVordergrund);
    EXPECT_FALSE(P().blnWerkzeugFensterFolgt);
}

} // namespace
} // namespace sorvo::test

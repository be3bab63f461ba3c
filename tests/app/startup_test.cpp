#include "app/einstellungen.h"
#include "app/frmInfos.h"
#include "app/frmStart.h"
#include "app/werkzeugleiste.h"
#include "label/unterprogramme.h"
#include "platform/registry.h"
#include "platform/system.h"
#include "print/frmVorschau.h"
#include "tests/app/mdi_fixture.h"
#include "tools/frmTools.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace sorvo::test {
namespace {

void regSetzen(const QString& key, const char* name, const QString& wert) {
    RegStringSchreiben(HKEY_LOCAL_MACHINE, key, QString::fromLatin1(name), wert);
}

class StartTest : public MdiTest {};

// A catalogue that notes what the program had set up when it was asked to
// build its tables.
struct KatalogBeobachter : FeldKatalog {
    int aufrufe = 0;
    size_t tabellenBeimAufruf = 99;
    QString botrelBeimAufruf;
    void TabellenInitialisieren() override {
        ++aufrufe;
        tabellenBeimAufruf = P().Schilder.size();
        botrelBeimAufruf = P().strBotrelVerz;
    }
    QString FeldBeschreibung(const QString&, const QString&) const override { return {}; }
};

TEST_F(StartTest, EmptyStoreGivesDefaultsAndOnlyFreeSlotZero) {
    P().Schilder.clear(); // as before any load
    KatalogBeobachter katalog;
    nachbarn().katalog = &katalog;
    m_mdi = std::make_unique<MDI>();
    m_mdi->MDIForm_Load();
    const auto& p = P();
    EXPECT_EQ(p.strSorvoVerz, programmOrdner());
    EXPECT_EQ(QDir::currentPath(), QDir(programmOrdner()).absolutePath());
    EXPECT_EQ(p.strFeldListePfad, programmOrdner() + QStringLiteral("/FeldListe.dat"));
    EXPECT_EQ(p.lngMaxTexte, 70);
    EXPECT_EQ(p.lngMaxBilder, 30);
    EXPECT_EQ(p.lngMaxDatenfelder, 30);
    ASSERT_EQ(p.Schilder.size(), 1u);
    EXPECT_TRUE(p.Schilder[0].blnSchildFrei);
    EXPECT_EQ(p.lngAktivesSchild, 0);
    // The catalogue is built once, after the settings and before the tables.
    EXPECT_EQ(katalog.aufrufe, 1);
    EXPECT_EQ(katalog.tabellenBeimAufruf, 0u);
    // No sibling program anywhere: both start items off, folders empty.
    EXPECT_FALSE(m_mdi->menuAktiv(QStringLiteral("mnuBotrelStarten")));
    EXPECT_FALSE(m_mdi->menuAktiv(QStringLiteral("mnuBotrelEditorRun")));
    EXPECT_TRUE(p.strBotrelVerz.isEmpty());
    EXPECT_FALSE(p.blnAenderungSpeichern);
    EXPECT_EQ(p.strRahmenDruckFarbe, "0");
    // Default geometry: 19320 x 14520 twips at 0,0, maximised.
    EXPECT_EQ(m_mdi->fensterStatus(), 2);
    EXPECT_EQ(m_mdi->normaleGeometrie(), QRect(0, 0, 19320, 14520));
    // The tool window is loaded and hidden.
    ASSERT_NE(m_mdi->werkzeuge(), nullptr);
    EXPECT_FALSE(m_mdi->werkzeuge()->isVisible());
}

// Without a catalogue given beforehand the program registers its own; its
// start-up call puts back the loop-label options and the template flag.
TEST_F(StartTest, LoadRegistersTheFieldCatalogueAndItsDefaults) {
    ASSERT_EQ(nachbarn().katalog, nullptr);
    DO().lngSchilderProReihe = 3;
    DO().lngDruckeProSchild = 4;
    P().blnVorlageGeoeffnet = true;
    starten();
    const FeldKatalog* k = nachbarn().katalog;
    ASSERT_NE(k, nullptr);
    EXPECT_EQ(DO().lngSchilderProReihe, 1);
    EXPECT_EQ(DO().lngDruckeProSchild, 1);
    EXPECT_FALSE(P().blnVorlageGeoeffnet);
    EXPECT_EQ(k->FeldBeschreibung(QStringLiteral("Syn."), QStringLiteral("vxt")), "Synonyme");
    EXPECT_EQ(k->FeldBeschreibung(QStringLiteral("Syn."), QStringLiteral("eig")), "");
}

TEST_F(StartTest, FilledStoreEnablesSiblingProgramsThatExist) {
    const QString botrel = m_dir.path() + QStringLiteral("/botrel/");
    const QString editor = m_dir.path() + QStringLiteral("/editor/");
    QDir().mkpath(botrel);
    QDir().mkpath(editor);
    QFile(botrel + QStringLiteral("botrel3.exe")).open(QIODevice::WriteOnly);
    regSetzen(kSchluesselPfade, "Sorvo-Verz", QStringLiteral("/opt/sorvo"));
    regSetzen(kSchluesselPfade, "Botrel-Verz", botrel);
    regSetzen(kSchluesselPfade, "Botrel-Editor-Verz", editor); // program file missing
    regSetzen(kSchluesselPfade, "Botrel-Bilder-Verz", QStringLiteral("/bilder/"));
    regSetzen(kSchluesselOptionen, "blnAenderungSpeichern", QStringLiteral("True"));
    regSetzen(kSchluesselMDI, "Status", QStringLiteral("0"));
    regSetzen(kSchluesselMDI, "Links", QStringLiteral("150"));
    regSetzen(kSchluesselMDI, "Oben", QStringLiteral("300"));
    regSetzen(kSchluesselMDI, "Breite", QStringLiteral("15000"));
    regSetzen(kSchluesselMDI, "Hoehe", QStringLiteral("12000"));
    KatalogBeobachter katalog;
    nachbarn().katalog = &katalog;
    starten(true);
    EXPECT_EQ(katalog.botrelBeimAufruf, botrel); // settings were read before
    EXPECT_TRUE(m_mdi->menuAktiv(QStringLiteral("mnuBotrelStarten")));
    EXPECT_FALSE(m_mdi->menuAktiv(QStringLiteral("mnuBotrelEditorRun")));
    EXPECT_EQ(P().strBotrelVerz, botrel);
    EXPECT_TRUE(P().strBotrelEditorVerz.isEmpty()); // cleared: program missing
    EXPECT_EQ(P().strBotrelBilderVerz, "/bilder/");
    EXPECT_TRUE(P().blnAenderungSpeichern);
    EXPECT_EQ(m_mdi->fensterStatus(), 0);
    EXPECT_EQ(m_mdi->normaleGeometrie(), QRect(150, 300, 15000, 12000));
    // The cleared folder goes back as a single blank.
    m_mdi->close();
    EXPECT_EQ(
        *RegStringLesen(HKEY_LOCAL_MACHINE, kSchluesselPfade, QStringLiteral("Botrel-Editor-Verz")),
        " ");
}

TEST_F(StartTest, SecondInstanceEndsAtOnceAndVersionIsBuilt) {
    const QString name =
        QStringLiteral("sorvo-starttest-%1").arg(QCoreApplication::applicationPid());
    frmStart erste;
    ASSERT_TRUE(erste.Form_Load(name));
    EXPECT_EQ(P().strVersion, "1.0.44");
    EXPECT_EQ(erste.size(), erste.startbild->size());
    P().strVersion.clear();
    frmStart zweite;
    EXPECT_FALSE(zweite.Form_Load(name));
    EXPECT_TRUE(P().strVersion.isEmpty()); // it stopped before anything else
}

TEST_F(StartTest, SplashClickShowsMainWindowAndStopsTheTimer) {
    frmStart start;
    ASSERT_TRUE(
        start.Form_Load(QStringLiteral("sorvo-splash-%1").arg(QCoreApplication::applicationPid())));
    start.show();
    EXPECT_TRUE(start.Timer1.isActive());
    start.startbild_Click();
    std::unique_ptr<MDI> mdi(start.hauptfenster());
    ASSERT_NE(mdi, nullptr);
    EXPECT_TRUE(mdi->isVisible());
    EXPECT_FALSE(start.isVisible());
    EXPECT_FALSE(start.Timer1.isActive());
    // A late tick while hidden does nothing.
    start.Timer1_Timer();
    EXPECT_EQ(start.hauptfenster(), mdi.get());
    mdi->setAttribute(Qt::WA_DeleteOnClose, false);
    m_mdi = std::move(mdi);
}

TEST_F(StartTest, AboutBoxShowsTheVersionTheBuildDeclares) {
    // The version goes from the build through the start window to the box.
    frmStart start;
    ASSERT_TRUE(
        start.Form_Load(QStringLiteral("sorvo-ueber-%1").arg(QCoreApplication::applicationPid())));
    starten();
    m_mdi->menu(QStringLiteral("mnuUeberSorvo"))->trigger();
    auto* info = m_mdi->findChild<frmInfos*>();
    ASSERT_NE(info, nullptr);
    EXPECT_TRUE(info->isModal());
    EXPECT_EQ(info->windowTitle(), "Über Sorvo");
    EXPECT_EQ(info->lblName->text(), "Programmversion:");
    EXPECT_EQ(info->lblVersion->text(), "1.0.44");
    info->cmdOK->click();
    QApplication::processEvents();
    // And on to the settings, where the updater looks for it.
    m_mdi->close();
    EXPECT_EQ(*RegStringLesen(HKEY_LOCAL_MACHINE, kSchluesselVersion, QStringLiteral("Version")),
              "1.0.44");
}

TEST_F(StartTest, ShutdownWritesSettingsAndVersion) {
    starten();
    P().strVersion = QStringLiteral("2.3.4");
    P().blnWerkzeugFensterFolgt = true;
    m_mdi->close();
    EXPECT_TRUE(m_mdi->beendet());
    EXPECT_FALSE(m_mdi->isVisible());
    EXPECT_EQ(*RegStringLesen(HKEY_LOCAL_MACHINE, kSchluesselVersion, QStringLiteral("Version")),
              "2.3.4");
    EXPECT_EQ(*RegStringLesen(HKEY_LOCAL_MACHINE, kSchluesselOptionen,
                              QStringLiteral("blnWerkzeugFensterFolgt")),
              "True");
}

TEST_F(StartTest, HelpOpensThePagesBesideProgramAtItsTopic) {
    starten();
    std::vector<std::pair<QString, QString>> aufrufe;
    hilfeAufrufSetzen([&](const QString& d, const QString& t) { aufrufe.emplace_back(d, t); });
    m_mdi->mnuInhalt_Click();
    const int32_t n = neuesSchild();
    QKeyEvent f1(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
    QApplication::sendEvent(&Schild(n), &f1);
    hilfeAufrufSetzen({});
    ASSERT_EQ(aufrufe.size(), 2u);
    EXPECT_EQ(aufrufe[0].first, programmOrdner() + QStringLiteral("/hilfe"));
    EXPECT_EQ(aufrufe[0].second, "");
    EXPECT_EQ(aufrufe[1].second, "3.htm");
    EXPECT_TRUE(f1.isAccepted());
}

} // namespace
} // namespace sorvo::test

#include "platform/registry.h"
#include "tests/support/fake_dialogs.h"
#include "update/frmUpdate.h"
#include "update/mdlRegistry.h"
#include "update/meldung.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace sorvo::update {
namespace {

using test::SkriptDialoge;

// The updater's messages reach the tests' dialog service, which scripts the
// answers and fails a test on a message nobody expected.
class MeldungenAnDialoge : public Meldungen {
public:
    void meldung(const QString& text, int symbol, const QString& titel) override {
        dialoge().meldung(text, symbol, titel);
    }
};
MeldungenAnDialoge g_meldungen;
const bool g_gesetzt = (meldungenSetzen(&g_meldungen), true);

const QString kPfade = QStringLiteral("Software\\Kelmarhof\\Sorvo1.0\\Pfade");
const QString kVersion = QStringLiteral("Software\\Kelmarhof\\Sorvo1.0\\Version");
const QString kNeuerOderGleich =
    QStringLiteral("Sie haben eine neuere (oder die gleiche) Sorvo-Version auf Ihrem Computer "
                   "installiert!\r\rEin Update ist nicht notwendig!");
const QString kNeuere = QStringLiteral("Sie haben eine neuere Sorvo-Version auf Ihrem Computer "
                                       "installiert!\r\rEin Update ist nicht notwendig!");

// Root ignores file permissions; a read-only file only bites an ordinary
// user, so the test takes that user's identity for as long as this lives.
// The saved identity stays root, so that the test can return to it.
class AlsGewoehnlicherNutzer {
public:
    AlsGewoehnlicherNutzer() {
        if (geteuid() != 0)
            return;
        m_gewechselt = setresuid(65534, 65534, 0) == 0;
        EXPECT_TRUE(m_gewechselt) << "could not take the identity of an ordinary user";
    }
    ~AlsGewoehnlicherNutzer() {
        if (m_gewechselt) {
            EXPECT_EQ(setresuid(0, 0, 0), 0);
        }
    }

private:
    bool m_gewechselt = false;
};

class UpdateTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_alt = qgetenv("SORVO_REGISTRY");
        qputenv("SORVO_REGISTRY", (m_dir.path() + "/registry.txt").toUtf8());
        QDir().mkpath(installiert());
        QDir().mkpath(neu());
    }
    void TearDown() override { qputenv("SORVO_REGISTRY", m_alt); }

    QString installiert() const { return m_dir.path() + "/installiert"; }
    QString neu() const { return m_dir.path() + "/update"; }
    static void datei(const QString& pfad, const QByteArray& inhalt, int alterSekunden) {
        QDir().mkpath(QFileInfo(pfad).absolutePath());
        QFile f(pfad);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(inhalt);
        f.close();
        zeitSetzen(pfad, QDateTime::currentDateTime().addSecs(-alterSekunden));
    }
    static void zeitSetzen(const QString& pfad, const QDateTime& zeit) {
        QFile f(pfad);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_TRUE(f.setFileTime(zeit, QFileDevice::FileModificationTime));
    }
    static QByteArray lesen(const QString& pfad) {
        QFile f(pfad);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<fehlt>");
    }
    static QDateTime zeit(const QString& pfad) { return QFileInfo(pfad).lastModified(); }
    // An installation recorded with this version (a null one: no value).
    void installieren(const QString& version) {
        RegStringSchreiben(HKEY_LOCAL_MACHINE, kPfade, QStringLiteral("Sorvo-Verz"), installiert());
        RegStringSchreiben(HKEY_LOCAL_MACHINE, kVersion, QStringLiteral("Version"),
                           version.isNull() ? QString() : version);
        datei(installiert() + "/sorvo", "alt", 3600);
    }

    // Runs the update, as an ordinary user when asked, and checks that the
    // new sorvo is installed with its contents and its time.
    void aktualisieren(bool gewoehnlich) {
        frmUpdate u(neu());
        ASSERT_TRUE(u.Form_Load());
        if (gewoehnlich) {
            AlsGewoehnlicherNutzer nutzer;
            u.cmdStart_Click();
        } else {
            u.cmdStart_Click();
        }
        EXPECT_EQ(u.lblAnzeige2->text(), "Update war erfolgreich!");
        EXPECT_EQ(lesen(installiert() + "/sorvo"), "neu");
        EXPECT_EQ(zeit(installiert() + "/sorvo"), zeit(neu() + "/sorvo"));
    }

    QTemporaryDir m_dir;
    QByteArray m_alt;
};

TEST(UpdateHilfen, SplitsPathsAtTheLastSeparator) {
    const struct {
        const char* pfad;
        int teile;
        const char* rest;
    } pfade[] = {
        {"a\\b\\c.exe", 2, "c.exe"}, {"c.exe", 0, "c.exe"}, {"hilfe/datei.txt", 1, "datei.txt"}};
    for (const auto& p : pfade) {
        QString s = QString::fromLatin1(p.pfad);
        EXPECT_EQ(PfadTeileAbtrennen(s), p.teile) << p.pfad;
        EXPECT_EQ(s, QString::fromLatin1(p.rest));
    }
}

TEST_F(UpdateTest, InstallsTheVersionTheBuildDeclares) {
    installieren(QStringLiteral("0.0.1"));
    datei(neu() + "/sorvo", "neu", 10);
    frmUpdate u(neu());
    ASSERT_TRUE(u.Form_Load());
    EXPECT_EQ(u.lblAnzeige2->text(), QStringLiteral("1.0.44"));
    EXPECT_EQ(u.updateVersion, QStringLiteral("1.0.44"));
}

// Installed version against update version, through start and copy run:
// a run replaces the installed file and shows success; a refusal shows its
// message, never shows the window and leaves the installed file as it was.
TEST_F(UpdateTest, VersionTable) {
    enum class Ausgang { Laeuft, NeuereOderGleiche, Neuere };
    const struct {
        QString installiert; // null: no Version value
        const char* update;
        Ausgang ausgang;
    } faelle[] = {
        {QStringLiteral("1.0.43"), "1.0.44", Ausgang::Laeuft},
        {QStringLiteral("1.0.44"), "1.0.44", Ausgang::NeuereOderGleiche},
        {QStringLiteral("1.0.45"), "1.0.44", Ausgang::NeuereOderGleiche},
        {QStringLiteral("1.1.10"), "1.0.44", Ausgang::Neuere},
        {QStringLiteral("10.0.1"), "1.0.44", Ausgang::Neuere},
        {QStringLiteral("1.9.5"), "1.10.0", Ausgang::Laeuft},
        {QStringLiteral("1.10.0"), "1.9.5", Ausgang::Neuere},
        {QStringLiteral("0.9.99"), "1.0.44", Ausgang::Laeuft},
        {QStringLiteral("1.0.9"), "1.0.10", Ausgang::Laeuft},
        {QStringLiteral("kaputt"), "1.0.44", Ausgang::NeuereOderGleiche},
        {QStringLiteral("1.0"), "1.0.44", Ausgang::NeuereOderGleiche},
        {QStringLiteral("1..44"), "1.0.44", Ausgang::NeuereOderGleiche},
        {QStringLiteral("1.0.4x"), "1.0.44", Ausgang::NeuereOderGleiche},
        {QStringLiteral("1.0.43"), "1,0,44", Ausgang::NeuereOderGleiche},
        {QString(), "1.0.44", Ausgang::Laeuft},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.installiert.isNull() ? std::string("(none)") : f.installiert.toStdString());
        SCOPED_TRACE(f.update);
        installieren(f.installiert);
        datei(neu() + "/sorvo", "neu", 10);
        const QDateTime vorher = zeit(installiert() + "/sorvo");
        SkriptDialoge d;
        if (f.ausgang != Ausgang::Laeuft)
            d.meldung(Antwort::OK);
        frmUpdate u(neu(), QString::fromLatin1(f.update));
        const bool laeuft = u.Form_Load();
        EXPECT_EQ(laeuft, f.ausgang == Ausgang::Laeuft);
        if (laeuft != (f.ausgang == Ausgang::Laeuft))
            continue;
        if (laeuft) {
            EXPECT_EQ(u.lblAnzeige2->text(), QString::fromLatin1(f.update));
            u.cmdStart_Click();
            EXPECT_EQ(lesen(installiert() + "/sorvo"), "neu");
            EXPECT_EQ(u.lblAnzeige2->text(), "Update war erfolgreich!");
            EXPECT_TRUE(u.Timer1.isActive());
            continue;
        }
        ASSERT_EQ(d.gezeigt().size(), 1u);
        EXPECT_EQ(d.gezeigt()[0].text, f.ausgang == Ausgang::Neuere ? kNeuere : kNeuerOderGleich);
        EXPECT_EQ(d.gezeigt()[0].titel, "Update nicht notwendig!");
        EXPECT_EQ(d.gezeigt()[0].stil, 64);
        EXPECT_TRUE(u.beendet());
        EXPECT_FALSE(u.isVisible());
        EXPECT_EQ(lesen(installiert() + "/sorvo"), "alt");
        EXPECT_EQ(zeit(installiert() + "/sorvo"), vorher);
    }
}

TEST_F(UpdateTest, SuccessShowsItsTextAndEndsTwoSecondsLater) {
    installieren(QStringLiteral("1.0.43"));
    datei(neu() + "/sorvo", "neu", 10);
    frmUpdate u(neu());
    ASSERT_TRUE(u.Form_Load());
    EXPECT_TRUE(u.isVisible());
    EXPECT_EQ(u.installationsOrdner, installiert() + "/");
    EXPECT_FALSE(u.Image1->pixmap().isNull());
    u.cmdStart_Click();
    EXPECT_EQ(u.lblAnzeige2->text(), "Update war erfolgreich!");
    EXPECT_TRUE(u.lblAnzeige1->isHidden());
    EXPECT_TRUE(u.cmdStart->isHidden());
    EXPECT_TRUE(u.Timer1.isActive());
    EXPECT_EQ(u.Timer1.interval(), 2000);
    EXPECT_FALSE(u.beendet());
    EXPECT_EQ(zeit(installiert() + "/sorvo"), zeit(neu() + "/sorvo"));
    EXPECT_FALSE(QFile::exists(installiert() + "/sorvo.sorvo-update"));
    // The timer's tick ends the program; fired by hand, not waited for.
    ASSERT_TRUE(QMetaObject::invokeMethod(&u.Timer1, "timeout", Qt::DirectConnection));
    EXPECT_TRUE(u.beendet());
}

TEST_F(UpdateTest, MissingInstallationEndsWithItsMessage) {
    SkriptDialoge d;
    d.meldung(Antwort::OK);
    frmUpdate u(neu());
    EXPECT_FALSE(u.Form_Load());
    ASSERT_EQ(d.gezeigt().size(), 1u);
    EXPECT_EQ(d.gezeigt()[0].titel, "Sorvo wurde nicht richtig installiert!");
    EXPECT_EQ(d.gezeigt()[0].text,
              "Sorvo ist auf Ihrem Computer nicht ordnungsgemäß installiert worden!\r\rBitte "
              "installieren Sie Sorvo noch einmal von der Original CD!");
    EXPECT_EQ(d.gezeigt()[0].stil, 48);
}

TEST_F(UpdateTest, FolderFromTheSiblingKeyUnchanged) {
    const QString sib = QStringLiteral("Software\\Kelmarhof\\Botrel3.0\\Pfade");
    RegStringSchreiben(HKEY_LOCAL_MACHINE, sib, QStringLiteral("Botrel-Verz"),
                       QStringLiteral("C:\\Botrel"));
    RegStringSchreiben(HKEY_LOCAL_MACHINE, sib, QStringLiteral("Sorvo-Verz"), installiert() + "/");
    datei(installiert() + "/sorvo", "alt", 3600);
    frmUpdate u(neu());
    EXPECT_TRUE(u.Form_Load());
    EXPECT_EQ(u.installationsOrdner, installiert() + "/");
}

// Every file is checked before the first is replaced: a refusal found at any
// entry leaves all installed files as they were.
TEST_F(UpdateTest, RefusalsFoundLateTouchNoFile) {
    const QString gefunden = QStringLiteral("Dateien wurden nicht gefunden!");
    const QString nichtNoetig = QStringLiteral("Update nicht notwendig!");
    const struct {
        const char* fall;
        int sorvoAlter;  // age of the new sorvo; -1: not in the update folder
        int zweiteAlter; // age of the new second file; -1: missing; 0: no second entry
        QString titel;
        QString text;
    } faelle[] = {
        {"sorvo not older", 7200, 0, nichtNoetig, kNeuerOderGleich},
        {"second not older", 10, 7200, nichtNoetig, kNeuerOderGleich},
        {"second as old as installed", 10, 3600, nichtNoetig, kNeuerOderGleich},
        {"second missing", 10, -1, gefunden,
         "Folgende Dateien konnten nicht gefunden werden!\rdatei.txt\r\r\rKontrollieren Sie, ob "
         "Sie alle Dateien entzippt haben\rund ob diese sich im Sorvo-Update Ordner befinden!"},
        {"sorvo missing", -1, 0, gefunden,
         "Folgende Dateien konnten nicht gefunden werden!\rsorvo\r\r\rKontrollieren Sie, ob "
         "Sie alle Dateien entzippt haben\rund ob diese sich im Sorvo-Update Ordner befinden!"},
        // Not older wins over missing, as it would stop the run where it is met.
        {"sorvo missing, second not older", -1, 7200, nichtNoetig, kNeuerOderGleich},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.fall);
        QTemporaryDir ordner;
        qputenv("SORVO_REGISTRY", (ordner.path() + "/registry.txt").toUtf8());
        const QString inst = ordner.path() + "/installiert";
        const QString upd = ordner.path() + "/update";
        QDir().mkpath(upd);
        RegStringSchreiben(HKEY_LOCAL_MACHINE, kPfade, QStringLiteral("Sorvo-Verz"), inst);
        RegStringSchreiben(HKEY_LOCAL_MACHINE, kVersion, QStringLiteral("Version"),
                           QStringLiteral("1.0.43"));
        datei(inst + "/sorvo", "alt", 3600);
        datei(inst + "/hilfe/datei.txt", "alt2", 3600);
        const QDateTime vorher1 = zeit(inst + "/sorvo");
        const QDateTime vorher2 = zeit(inst + "/hilfe/datei.txt");
        if (f.sorvoAlter >= 0)
            datei(upd + "/sorvo", "neu", f.sorvoAlter);
        if (f.zweiteAlter > 0)
            datei(upd + "/datei.txt", "neu2", f.zweiteAlter);
        if (f.zweiteAlter == 3600) // to the millisecond as old as the installed one
            zeitSetzen(upd + "/datei.txt", vorher2);
        SkriptDialoge d;
        d.meldung(Antwort::OK);
        frmUpdate u(upd);
        ASSERT_TRUE(u.Form_Load());
        if (f.zweiteAlter != 0)
            u.Updatedateien[2] = QStringLiteral("hilfe\\datei.txt");
        u.cmdStart_Click();
        ASSERT_EQ(d.gezeigt().size(), 1u);
        EXPECT_EQ(d.gezeigt()[0].titel, f.titel);
        EXPECT_EQ(d.gezeigt()[0].text, f.text);
        EXPECT_TRUE(u.beendet());
        EXPECT_FALSE(u.Timer1.isActive());
        EXPECT_EQ(lesen(inst + "/sorvo"), "alt");
        EXPECT_EQ(zeit(inst + "/sorvo"), vorher1);
        EXPECT_EQ(lesen(inst + "/hilfe/datei.txt"), "alt2");
        EXPECT_EQ(zeit(inst + "/hilfe/datei.txt"), vorher2);
        EXPECT_TRUE(QDir(inst).entryList(QDir::Files).filter("sorvo-update").isEmpty());
    }
}

TEST_F(UpdateTest, SubFolderEntriesComeFromTheFlatUpdateFolder) {
    installieren(QStringLiteral("0.0.1"));
    datei(neu() + "/sorvo", "neu", 10);
    datei(neu() + "/datei.txt", "hilfe", 10);
    frmUpdate u(neu());
    ASSERT_TRUE(u.Form_Load());
    u.Updatedateien[2] = QStringLiteral("hilfe\\datei.txt");
    u.cmdStart_Click();
    EXPECT_EQ(lesen(installiert() + "/hilfe/datei.txt"), "hilfe");
    EXPECT_EQ(lesen(installiert() + "/sorvo"), "neu");
}

// A read-only new file still gives its time to the copy, which keeps the
// installed file's mode; with the time of the update a later update would
// be refused. Run once as
// an ordinary user, and once as whoever runs the test.
TEST_F(UpdateTest, ReadOnlyNewFileKeepsItsTime) {
    const auto alle = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup |
                      QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther | QFile::WriteOther |
                      QFile::ExeOther;
    for (const QString& o : {m_dir.path(), installiert(), neu()})
        ASSERT_TRUE(QFile::setPermissions(o, alle));
    const auto modus = [](const QString& pfad) {
        return QFileInfo(pfad).permissions() &
               ~(QFile::ReadUser | QFile::WriteUser | QFile::ExeUser);
    };
    for (const bool gewoehnlich : {true, false}) {
        SCOPED_TRACE(gewoehnlich ? "ordinary user" : "this process's user");
        QFile::remove(installiert() + "/sorvo");
        QFile::remove(neu() + "/sorvo");
        installieren(QStringLiteral("1.0.43"));
        const auto vorher = modus(installiert() + "/sorvo");
        datei(neu() + "/sorvo", "neu", 600);
        ASSERT_TRUE(QFile::setPermissions(neu() + "/sorvo",
                                          QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
        aktualisieren(gewoehnlich);
        EXPECT_EQ(modus(installiert() + "/sorvo"), vorher);
    }
}

// The replacement keeps the installed file's mode and, where this process
// may give it, its group: an update never opens the program to users it was
// closed to. An ordinary user cannot hand a file to a group it is not in;
// the update still runs, and the copy's own group gets none of the rights.
// A file that was not installed before takes the new file's mode.
TEST_F(UpdateTest, ReplacementKeepsTheInstalledModeAndGroup) {
    if (geteuid() != 0)
        GTEST_SKIP() << "giving a file a foreign group and an ordinary user's identity need root";
    for (const QString& o : {m_dir.path(), installiert(), neu()})
        ASSERT_EQ(::chmod(QFile::encodeName(o).constData(), 0777), 0);
    const auto status = [](const QString& pfad) {
        struct stat s {};
        EXPECT_EQ(::stat(QFile::encodeName(pfad).constData(), &s), 0) << pfad.toStdString();
        return s;
    };
    const gid_t fremd = 100; // a group neither root nor the ordinary user is in
    const struct {
        const char* fall;
        mode_t installiert;
        mode_t neu;
        bool gewoehnlich;  // run as an ordinary user
        bool gruppeBleibt; // the installed file's group is kept
        mode_t danach;
    } faelle[] = {
        {"750 under 755", 0750, 0755, false, true, 0750},
        {"700 under 777", 0700, 0777, false, true, 0700},
        {"755 under 700", 0755, 0700, false, true, 0755},
        {"set-group-id kept", 02750, 0755, false, true, 02750},
        {"ordinary user, foreign group", 02750, 0755, true, false, 0700},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.fall);
        QFile::remove(installiert() + "/sorvo");
        QFile::remove(neu() + "/sorvo");
        installieren(QStringLiteral("1.0.43"));
        datei(neu() + "/sorvo", "neu", 600);
        const QByteArray inst = QFile::encodeName(installiert() + "/sorvo");
        ASSERT_EQ(::chown(inst.constData(), 0, fremd), 0);
        ASSERT_EQ(::chmod(inst.constData(), f.installiert), 0);
        ASSERT_EQ(::chmod(QFile::encodeName(neu() + "/sorvo").constData(), f.neu), 0);
        aktualisieren(f.gewoehnlich);
        const struct stat s = status(installiert() + "/sorvo");
        EXPECT_EQ(s.st_mode & 07777, f.danach);
        EXPECT_EQ(s.st_gid == fremd, f.gruppeBleibt);
    }

    // Nothing installed there before: the new file's mode, as it comes.
    datei(neu() + "/datei.txt", "hilfe", 10);
    ASSERT_EQ(::chmod(QFile::encodeName(neu() + "/datei.txt").constData(), 0640), 0);
    QFile::remove(installiert() + "/sorvo");
    installieren(QStringLiteral("1.0.43"));
    frmUpdate u(neu());
    ASSERT_TRUE(u.Form_Load());
    u.Updatedateien[2] = QStringLiteral("hilfe\\datei.txt");
    u.cmdStart_Click();
    EXPECT_EQ(lesen(installiert() + "/hilfe/datei.txt"), "hilfe");
    EXPECT_EQ(status(installiert() + "/hilfe/datei.txt").st_mode & 07777, 0640u);
}

TEST_F(UpdateTest, FileThatCannotBeReplacedIsNamedAndKept) {
    installieren(QStringLiteral("0.0.1"));
    datei(neu() + "/sorvo", "neu", 10);
    frmUpdate u(neu());
    ASSERT_TRUE(u.Form_Load());
    // A target that is a folder cannot be replaced by a file.
    u.Updatedateien[2] = QStringLiteral("ordner");
    datei(neu() + "/ordner", "x", 10);
    QDir().mkpath(installiert() + "/ordner/inhalt");
    SkriptDialoge d;
    d.meldung(Antwort::OK);
    u.cmdStart_Click();
    EXPECT_TRUE(QFileInfo(installiert() + "/ordner/inhalt").isDir());
    EXPECT_EQ(lesen(installiert() + "/sorvo"), "neu");
    ASSERT_EQ(d.gezeigt().size(), 1u);
    EXPECT_EQ(d.gezeigt()[0].titel, "Sorvo-Update");
    EXPECT_EQ(d.gezeigt()[0].stil, 48);
    EXPECT_EQ(d.gezeigt()[0].text, "Folgende Dateien konnten nicht ersetzt werden:\r" +
                                       installiert() +
                                       "/ordner\r\rDiese Dateien sind unverändert, alle "
                                       "anderen wurden ersetzt.");
    EXPECT_TRUE(u.beendet());
    EXPECT_FALSE(u.Timer1.isActive());
}

// The updater's own reader gets back every text the main program's writer
// stores, escapes, case and all.
TEST_F(UpdateTest, ReaderReadsWhatTheMainProgramWrites) {
    const QString schluessel = QStringLiteral("Software\\Kelmarhof\\Sorvo1.0\\Pfade\\");
    const struct {
        const char* name;
        const char* text;
    } werte[] = {
        {"Sorvo-Verz", "C:\\Programme\\Sorvo\\"},
        {"Gleich=Zeichen", "a=b=c"},
        {"[Klammer]", "[x] ]y["},
        {"Umlaute", "Größe übrig"},
        {"Zeilen", "eins\rzwei\nDrei\r\n"},
        {"Leer", ""},
    };
    for (const auto& w : werte)
        RegStringSchreiben(HKEY_LOCAL_MACHINE, schluessel, QString::fromUtf8(w.name),
                           QString::fromUtf8(w.text));
    RegStringSchreiben(HKEY_CURRENT_USER, schluessel, QStringLiteral("Sorvo-Verz"),
                       QStringLiteral("anderswo"));
    for (const auto& w : werte) {
        SCOPED_TRACE(w.name);
        EXPECT_EQ(RegWertLesen(HKEY_LOCAL_MACHINE, schluessel, QString::fromUtf8(w.name)),
                  QString::fromUtf8(w.text));
    }
    // Names and keys without regard to case, with or without the outer '\'.
    EXPECT_EQ(
        RegWertLesen(HKEY_LOCAL_MACHINE, "\\software\\KELMARHOF\\sorvo1.0\\pfade", "sorvo-verz"),
        "C:\\Programme\\Sorvo\\");
    EXPECT_EQ(RegWertLesen(HKEY_CURRENT_USER, schluessel, "Sorvo-Verz"), "anderswo");
    EXPECT_EQ(RegWertLesen(HKEY_LOCAL_MACHINE, schluessel, "Fehlt"), "");
    EXPECT_EQ(RegWertLesen(HKEY_LOCAL_MACHINE, "Software\\Fehlt", "Sorvo-Verz"), "");
}

// A file written by hand or damaged (its backslashes escaped, as the
// writer stores them): what the main program passes over, the updater
// passes over too.
TEST_F(UpdateTest, ReaderPassesOverWhatIsNoValueOfTheKey) {
    const QString datei = m_dir.path() + "/registry.txt";
    const QByteArray inhalt = QByteArray("; Kommentar\r\n"
                                         "[HKEY_LOCAL_MACHINE\\\\Software\\\\A]\r\n"
                                         "ohne Gleichheitszeichen\r\n"
                                         ";Kommentar=nicht gelesen\r\n"
                                         "Wert=erster\r\n"
                                         "WERT=zweiter\r\n"
                                         "Nul=vor") +
                              QByteArray(1, '\0') +
                              "nach\r\n"
                              "[HKEY_LOCAL_MACHINE\\\\Software\\\\B\r\n"
                              "Verwaist=unter kaputter Zeile\r\n"
                              "[HKEY_LOCAL_MACHINE\\\\Software\\\\A]\r\n"
                              "Spaeter=an zweiter Stelle\r\n"
                              "[hkey_local_machine\\\\software\\\\c] Rest\n"
                              "Letzte=ohne Zeilenende";
    QFile f(datei);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(inhalt);
    f.close();
    const struct {
        const char* schluessel;
        const char* name;
        const char* erwartet;
    } faelle[] = {
        {"Software\\A", "Wert", "erster"},
        {"Software\\A", ";Kommentar", ""},
        {"Software\\A", "ohne Gleichheitszeichen", ""},
        {"Software\\A", "Nul", "vor"},
        {"Software\\A", "Verwaist", ""},
        {"Software\\B", "Verwaist", ""},
        {"Software\\A", "Spaeter", ""},
        {"Software\\C", "Letzte", "ohne Zeilenende"},
    };
    for (const auto& c : faelle) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(RegWertLesen(HKEY_LOCAL_MACHINE, c.schluessel, c.name),
                  QString::fromUtf8(c.erwartet));
        EXPECT_EQ(RegStringLesen(HKEY_LOCAL_MACHINE, c.schluessel, c.name).value_or(QString()),
                  QString::fromUtf8(c.erwartet));
    }
}

} // namespace
} // namespace sorvo::update

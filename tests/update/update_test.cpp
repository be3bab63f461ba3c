#include "platform/registry.h"
#include "platform/system.h"
#include "tests/support/fake_dialogs.h"
#include "update/frmUpdate.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace sorvo::update {
namespace {

using test::SkriptDialoge;

const QString kPfade = QStringLiteral("Software\\Kelmarhof\\Sorvo1.0\\Pfade");
const QString kVersion = QStringLiteral("Software\\Kelmarhof\\Sorvo1.0\\Version");

class UpdateTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_alt = qgetenv("SORVO_REGISTRY");
        qputenv("SORVO_REGISTRY", (m_dir.path() + "/registry.txt").toUtf8());
        QDir().mkpath(installiert());
        QDir().mkpath(neu());
        const Version v = programmVersion();
        m_version = QStringLiteral("%1.%2.%3").arg(v.major).arg(v.minor).arg(v.revision);
    }
    void TearDown() override { qputenv("SORVO_REGISTRY", m_alt); }

    QString installiert() const { return m_dir.path() + "/installiert"; }
    QString neu() const { return m_dir.path() + "/update"; }
    static void datei(const QString& pfad, const QByteArray& inhalt, int alterSekunden) {
        QDir().mkpath(QFileInfo(pfad).absolutePath());
        QFile f(pfad);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(inhalt);
        f.flush();
        f.setFileTime(QDateTime::currentDateTime().addSecs(-alterSekunden),
                      QFileDevice::FileModificationTime);
    }
    static QByteArray lesen(const QString& pfad) {
        QFile f(pfad);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<fehlt>");
    }
    void installieren(const QString& version) {
        RegStringSchreiben(HKEY_LOCAL_MACHINE, kPfade, QStringLiteral("Sorvo-Verz"), installiert());
        if (!version.isNull())
            RegStringSchreiben(HKEY_LOCAL_MACHINE, kVersion, QStringLiteral("Version"), version);
        datei(installiert() + "/sorvo", "alt", 3600);
    }

    QTemporaryDir m_dir;
    QByteArray m_alt;
    QString m_version;
};

TEST(UpdateHilfen, SplitsPathsAndReadsGermanNumbers) {
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
    const struct {
        const char* text;
        std::optional<int> wert;
    } zahlen[] = {{"1.0", 10}, {".44", 44},        {"1.1", 11},        {"2,5", 2},
                  {"3,5", 4},  {"", std::nullopt}, {"x", std::nullopt}};
    for (const auto& z : zahlen)
        EXPECT_EQ(deutscheGanzzahl(QString::fromLatin1(z.text)), z.wert) << z.text;
}

TEST_F(UpdateTest, OlderInstallationIsReplacedAndSuccessShown) {
    installieren(QStringLiteral("0.9.1"));
    datei(neu() + "/sorvo", "neu", 10);
    frmUpdate f(neu());
    ASSERT_TRUE(f.Form_Load());
    EXPECT_EQ(f.installationsOrdner, installiert() + "/");
    EXPECT_EQ(f.lblAnzeige2->text(), m_version);
    f.cmdStart_Click();
    EXPECT_EQ(lesen(installiert() + "/sorvo"), "neu");
    EXPECT_EQ(f.lblAnzeige2->text(), "Update war erfolgreich!");
    EXPECT_TRUE(f.lblAnzeige1->isHidden());
    EXPECT_TRUE(f.cmdStart->isHidden());
    EXPECT_TRUE(f.Timer1.isActive());
    EXPECT_EQ(f.Timer1.interval(), 2000);
    EXPECT_FALSE(QFile::exists(installiert() + "/sorvo.sorvo-update"));
}

TEST_F(UpdateTest, VersionChecks) {
    // Versions of this update against installed ones, in the update's own terms.
    const QString gleich = m_version;
    struct Fall {
        QString installiert;
        bool laeuft;
        const char* text;
    };
    const Fall faelle[] = {
        {QString(), true, nullptr},
        {QStringLiteral("0.0.1"), true, nullptr},
        {gleich, false, "Sie haben eine neuere (oder die gleiche) Sorvo-Version"},
        {QStringLiteral("9.9.1"), false, "Sie haben eine neuere Sorvo-Version"},
        {QStringLiteral("kaputt"), false, "Sie haben eine neuere (oder die gleiche) Sorvo-Version"},
    };
    for (const auto& f : faelle) {
        installieren(f.installiert);
        if (f.installiert.isNull())
            RegStringSchreiben(HKEY_LOCAL_MACHINE, kVersion, QStringLiteral("Version"), QString());
        SkriptDialoge d;
        if (!f.laeuft)
            d.meldung(Antwort::OK);
        frmUpdate u(neu());
        EXPECT_EQ(u.Form_Load(), f.laeuft) << f.installiert.toStdString();
        if (!f.laeuft) {
            ASSERT_EQ(d.gezeigt().size(), 1u);
            EXPECT_TRUE(d.gezeigt()[0].text.startsWith(QString::fromUtf8(f.text)));
            EXPECT_TRUE(d.gezeigt()[0].text.endsWith(
                QStringLiteral("\r\rEin Update ist nicht notwendig!")));
            EXPECT_EQ(d.gezeigt()[0].titel, "Update nicht notwendig!");
            EXPECT_EQ(d.gezeigt()[0].stil, 64);
            EXPECT_TRUE(u.beendet());
        }
    }
}

TEST_F(UpdateTest, MissingInstallationEndsWithItsMessage) {
    SkriptDialoge d;
    d.meldung(Antwort::OK);
    frmUpdate u(neu());
    EXPECT_FALSE(u.Form_Load());
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

TEST_F(UpdateTest, InstalledFileNotOlderIsKept) {
    installieren(QStringLiteral("0.0.1"));
    datei(neu() + "/sorvo", "neu", 7200); // older than the installed one
    SkriptDialoge d;
    d.meldung(Antwort::OK);
    frmUpdate u(neu());
    ASSERT_TRUE(u.Form_Load());
    u.cmdStart_Click();
    EXPECT_EQ(lesen(installiert() + "/sorvo"), "alt");
    EXPECT_EQ(d.gezeigt()[0].titel, "Update nicht notwendig!");
    EXPECT_TRUE(u.beendet());
}

TEST_F(UpdateTest, MissingUpdateFilesAreListed) {
    installieren(QStringLiteral("0.0.1"));
    SkriptDialoge d;
    d.meldung(Antwort::OK);
    frmUpdate u(neu());
    ASSERT_TRUE(u.Form_Load());
    u.cmdStart_Click();
    EXPECT_EQ(d.gezeigt()[0].titel, "Dateien wurden nicht gefunden!");
    EXPECT_EQ(
        d.gezeigt()[0].text,
        "Folgende Dateien konnten nicht gefunden werden!\rsorvo\r\r\rKontrollieren Sie, ob "
        "Sie alle Dateien entzippt haben\rund ob diese sich im Sorvo-Update Ordner befinden!");
    EXPECT_EQ(lesen(installiert() + "/sorvo"), "alt");
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

TEST_F(UpdateTest, UnwritableInstallationLosesNoFile) {
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
    ASSERT_EQ(d.gezeigt().size(), 1u);
    EXPECT_TRUE(d.gezeigt()[0].text.contains(installiert() + "/ordner"));
    EXPECT_FALSE(u.Timer1.isActive());
}

} // namespace
} // namespace sorvo::update

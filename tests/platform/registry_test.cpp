#include "platform/registry.h"
#include "tests/support/dateigrenze.h"
#include "tests/support/fake_dialogs.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <map>
#include <optional>
#include <tuple>

using namespace sorvo;

namespace {
const QString kPfade = QStringLiteral("Software\\Kelmarhof\\Sorvo1.0\\Pfade");
const QString kMdi = QStringLiteral("Software\\Kelmarhof\\Sorvo1.0\\MDI");

class RegistryTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_alt = qgetenv("SORVO_REGISTRY");
        qputenv("SORVO_REGISTRY", (m_dir.path() + "/reg.txt").toUtf8());
    }
    void TearDown() override { qputenv("SORVO_REGISTRY", m_alt); }
    // Puts these bytes in the file as another program would: a new file.
    void schreibeDatei(const QByteArray& bytes) {
        QSaveFile f(registryDatei());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        ASSERT_TRUE(f.commit());
    }
    static QByteArray dateiBytes() {
        QFile f(registryDatei());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<fehlt>");
    }
    QTemporaryDir m_dir;
    QByteArray m_alt;
};
} // namespace

TEST_F(RegistryTest, ValuesRoundTripByteExact) {
    const QString werte[] = {QStringLiteral("C:\\Programme\\Botrel\\"),
                             QStringLiteral("\\\\Server\\Freigabe\\Bilder\\"),
                             QStringLiteral("Größe=Äpfel [x] ;y"),
                             QStringLiteral(" "),
                             QStringLiteral(""),
                             QStringLiteral("a\r\nb\\n"),
                             QStringLiteral("-2147483633")};
    int i = 0;
    for (const auto& w : werte)
        RegStringSchreiben(HKEY_LOCAL_MACHINE, kPfade, QStringLiteral("W%1").arg(i++), w);
    i = 0;
    for (const auto& w : werte) {
        const auto gelesen =
            RegStringLesen(HKEY_LOCAL_MACHINE, kPfade, QStringLiteral("W%1").arg(i++));
        ASSERT_TRUE(gelesen.has_value());
        EXPECT_EQ(*gelesen, w);
    }
}

TEST_F(RegistryTest, MissingKeysValuesAndOverlongValues) {
    EXPECT_FALSE(RegStringLesen(HKEY_LOCAL_MACHINE, kPfade, QStringLiteral("x")).has_value());
    RegStringSchreiben(HKEY_LOCAL_MACHINE, kPfade, QStringLiteral("lang"), QString(254, 'a'));
    RegStringSchreiben(HKEY_LOCAL_MACHINE, kPfade, QStringLiteral("zulang"), QString(255, 'a'));
    EXPECT_EQ(RegStringLesen(HKEY_LOCAL_MACHINE, kPfade, QStringLiteral("lang"))->size(), 254);
    EXPECT_FALSE(RegStringLesen(HKEY_LOCAL_MACHINE, kPfade, QStringLiteral("zulang")).has_value());
    // Other root, same path: a different key.
    EXPECT_FALSE(RegStringLesen(HKEY_CURRENT_USER, kPfade, QStringLiteral("lang")).has_value());
    // Key and value names compare without regard to case.
    EXPECT_TRUE(
        RegStringLesen(HKEY_LOCAL_MACHINE, kPfade.toUpper(), QStringLiteral("LANG")).has_value());
}

TEST_F(RegistryTest, StandardForEmptyBlankOrMissing) {
    RegStringSchreiben(HKEY_LOCAL_MACHINE, kPfade, QStringLiteral("leer"), QString());
    RegStringSchreiben(HKEY_LOCAL_MACHINE, kPfade, QStringLiteral("blank"), QStringLiteral(" "));
    RegStringSchreiben(HKEY_LOCAL_MACHINE, kPfade, QStringLiteral("wert"), QStringLiteral("  x"));
    const auto std = [&](const char* n) {
        return RegStringLesenStandard(HKEY_LOCAL_MACHINE, kPfade, QString::fromLatin1(n),
                                      QStringLiteral("D"));
    };
    EXPECT_EQ(std("leer"), "D");
    EXPECT_EQ(std("blank"), "D");
    EXPECT_EQ(std("fehlt"), "D");
    EXPECT_EQ(std("wert"), "  x");
}

TEST_F(RegistryTest, OverwriteKeepsOtherValuesAndNonAnsiBecomesQuestionMark) {
    RegStringSchreiben(HKEY_LOCAL_MACHINE, kPfade, QStringLiteral("a"), QStringLiteral("1"));
    RegStringSchreiben(HKEY_LOCAL_MACHINE, kPfade, QStringLiteral("b"), QStringLiteral("2"));
    RegStringSchreiben(HKEY_LOCAL_MACHINE, kPfade, QStringLiteral("a"), QStringLiteral("3\u4e2d"));
    EXPECT_EQ(*RegStringLesen(HKEY_LOCAL_MACHINE, kPfade, QStringLiteral("a")), "3?");
    EXPECT_EQ(*RegStringLesen(HKEY_LOCAL_MACHINE, kPfade, QStringLiteral("b")), "2");
}

TEST_F(RegistryTest, DamagedFileIsReadAsFarAsItGoesAndRewrittenCleanly) {
    // Every byte of the fixture reaches the file, the NUL and what follows
    // it included.
    static const char kRoh[] =
        "garbage\n[HKEY_LOCAL_MACHINE\\\\Software\\\\Kelmarhof\\\\Sorvo1.0\\\\Pfade]\n"
        "ohne-gleich\nok=C:\\\\x\n\xff\xfe\x00\n[unterbrochen\nspaet=1\n"
        "[HKEY_LOCAL_MACHINE\\\\Software\\\\Kelmarhof\\\\Sorvo1.0\\\\MDI]\nHoehe=9";
    const QByteArray roh(kRoh, sizeof kRoh - 1);
    ASSERT_TRUE(roh.endsWith("Hoehe=9"));
    schreibeDatei(roh);
    EXPECT_EQ(*RegStringLesen(HKEY_LOCAL_MACHINE, kPfade, QStringLiteral("ok")), "C:\\x");
    // Below the broken key line nothing belongs to the key above it; the
    // next good key is read again.
    EXPECT_FALSE(RegStringLesen(HKEY_LOCAL_MACHINE, kPfade, QStringLiteral("spaet")).has_value());
    EXPECT_EQ(*RegStringLesen(HKEY_LOCAL_MACHINE, kMdi, QStringLiteral("Hoehe")), "9");
    RegStringSchreiben(HKEY_LOCAL_MACHINE, kPfade, QStringLiteral("neu"), QStringLiteral("n"));
    EXPECT_EQ(*RegStringLesen(HKEY_LOCAL_MACHINE, kPfade, QStringLiteral("ok")), "C:\\x");
    EXPECT_EQ(*RegStringLesen(HKEY_LOCAL_MACHINE, kPfade, QStringLiteral("neu")), "n");
    EXPECT_EQ(*RegStringLesen(HKEY_LOCAL_MACHINE, kMdi, QStringLiteral("Hoehe")), "9");
    // The new line went in below the key's last value; the rest is as it was.
    QByteArray erwartet = roh;
    erwartet.insert(roh.indexOf('\n', roh.indexOf("ok=")) + 1, "neu=n\n");
    EXPECT_EQ(dateiBytes(), erwartet);
}

TEST_F(RegistryTest, ReadingLineEndsDamageAndDuplicates) {
    const struct {
        const char* was;
        QByteArray datei;
        const char* name;
        std::optional<QString> wert;
    } faelle[] = {
        {"CR LF", "[HKEY_LOCAL_MACHINE\\\\Pfade]\r\nSorvo-Verz=/opt/sorvo/\r\n", "Sorvo-Verz",
         QStringLiteral("/opt/sorvo/")},
        {"CR LF, last line without end", "[HKEY_LOCAL_MACHINE\\\\Pfade]\r\na=1\r\nb=2", "b",
         QStringLiteral("2")},
        {"an escaped CR stays", "[HKEY_LOCAL_MACHINE\\\\Pfade]\r\na=x\\r\r\n", "a",
         QStringLiteral("x\r")},
        {"a value before any key", "a=1\n[HKEY_LOCAL_MACHINE\\\\Pfade]\n", "a", std::nullopt},
        {"the first of two values counts", "[HKEY_LOCAL_MACHINE\\\\Pfade]\nA=1\na=2\n", "a",
         QStringLiteral("1")},
        {"the first of two keys counts",
         "[HKEY_LOCAL_MACHINE\\\\Pfade]\na=1\n[hkey_local_machine\\\\pfade]\na=2\nb=3\n", "b",
         std::nullopt},
        {"comment", "[HKEY_LOCAL_MACHINE\\\\Pfade]\n;a=1\n", "a", std::nullopt},
        {"invalid UTF-8 in another value",
         "[HKEY_LOCAL_MACHINE\\\\Pfade]\nx=G\xe4rten\xff\nb=Beet\n", "b", QStringLiteral("Beet")},
        {"read up to a NUL", QByteArray("[HKEY_LOCAL_MACHINE\\\\Pfade]\na=vor") + '\0' + "nach\n",
         "a", QStringLiteral("vor")},
        {"254 characters", "[HKEY_LOCAL_MACHINE\\\\Pfade]\na=" + QByteArray(254, 'x') + "\n", "a",
         QString(254, 'x')},
        {"255 characters", "[HKEY_LOCAL_MACHINE\\\\Pfade]\na=" + QByteArray(255, 'x') + "\n", "a",
         std::nullopt},
        {"one line of 10 MB", "[HKEY_LOCAL_MACHINE\\\\Pfade]\na=" + QByteArray(10 << 20, 'x'), "a",
         std::nullopt},
    };
    for (const auto& f : faelle) {
        schreibeDatei(f.datei);
        EXPECT_EQ(RegStringLesen(HKEY_LOCAL_MACHINE, QStringLiteral("Pfade"),
                                 QString::fromLatin1(f.name)),
                  f.wert)
            << f.was;
    }
}

TEST_F(RegistryTest, AWriteChangesOnlyTheBytesOfItsValue) {
    const QByteArray kopf = "; von Hand\r\n[HKEY_LOCAL_MACHINE\\\\Pfade]\r\n";
    const struct {
        const char* was;
        QByteArray vorher;
        const char* schluessel;
        const char* name;
        const char* wert;
        QByteArray nachher;
    } faelle[] = {
        {"a value replaced in a CR LF file", kopf + "Alt=\xe4\xff\r\nZiel=1\r\nZ=2\r\n", "Pfade",
         "ziel", "neu", kopf + "Alt=\xe4\xff\r\nZiel=neu\r\nZ=2\r\n"},
        {"a value added below the key's last one",
         kopf + "A=1\r\n\r\n[HKEY_LOCAL_MACHINE\\\\MDI]\r\nB=2\r\n", "Pfade", "C", "3",
         kopf + "A=1\r\nC=3\r\n\r\n[HKEY_LOCAL_MACHINE\\\\MDI]\r\nB=2\r\n"},
        {"a key added at the end of a file without a last line end", kopf + "A=1", "MDI", "B", "2",
         kopf + "A=1\r\n[HKEY_LOCAL_MACHINE\\\\MDI]\r\nB=2\r\n"},
        {"a value in an LF file", "[HKEY_LOCAL_MACHINE\\\\Pfade]\nA=1\n", "Pfade", "B", "x=[y]\\",
         "[HKEY_LOCAL_MACHINE\\\\Pfade]\nA=1\nB=x\\=\\[y\\]\\\\\n"},
        {"damaged lines stay where they are", "M\xfcll\n[HKEY_LOCAL_MACHINE\\\\Pfade]\n\xff\nA=1\n",
         "Pfade", "A", "2", "M\xfcll\n[HKEY_LOCAL_MACHINE\\\\Pfade]\n\xff\nA=2\n"},
        {"an empty file", "", "Pfade", "A", "1",
         "; Sorvo settings. Values are text; '\\' escapes.\n[HKEY_LOCAL_MACHINE\\\\Pfade]\nA=1\n"},
    };
    for (const auto& f : faelle) {
        schreibeDatei(f.vorher);
        RegStringSchreiben(HKEY_LOCAL_MACHINE, QString::fromLatin1(f.schluessel),
                           QString::fromLatin1(f.name), QString::fromLatin1(f.wert));
        EXPECT_EQ(dateiBytes(), f.nachher) << f.was;
        EXPECT_EQ(*RegStringLesen(HKEY_LOCAL_MACHINE, QString::fromLatin1(f.schluessel),
                                  QString::fromLatin1(f.name)),
                  QString::fromLatin1(f.wert))
            << f.was;
    }
}

TEST_F(RegistryTest, ManyWritesInOneRunReadBackAsAFreshReadSeesThem) {
    schreibeDatei("[HKEY_LOCAL_MACHINE\\\\A]\r\nx=1\r\n\r\n[HKEY_LOCAL_MACHINE\\\\B]\r\ny=2");
    std::map<std::pair<QString, QString>, QString> soll{{{"A", "x"}, "1"}, {{"B", "y"}, "2"}};
    const struct {
        const char *schluessel, *name, *wert;
    } schritte[] = {{"B", "y", "zwei"},        {"C", "n", "neu"}, {"B", "z", "3"},
                    {"A", "x", "langer Wert"}, {"A", "x", ""},    {"A", "w", "4"},
                    {"C", "n", "n"},           {"A", "X", "5"},   {"D", "d", "d"},
                    {"B", "z", "drei"},        {"C", "m", "mm"}};
    const auto pruefen = [&](const char* wann) {
        for (const auto& [wo, wert] : soll)
            EXPECT_EQ(RegStringLesen(HKEY_LOCAL_MACHINE, wo.first, wo.second), wert)
                << wann << " " << wo.first.toStdString() << "\\" << wo.second.toStdString();
    };
    for (const auto& s : schritte) {
        RegStringSchreiben(HKEY_LOCAL_MACHINE, QString::fromLatin1(s.schluessel),
                           QString::fromLatin1(s.name), QString::fromLatin1(s.wert));
        soll[{QString::fromLatin1(s.schluessel), QString::fromLatin1(s.name).toLower()}] =
            QString::fromLatin1(s.wert);
        pruefen(s.wert);
    }
    // The same file under another spelling of its path is read afresh.
    const QFileInfo f(registryDatei());
    qputenv("SORVO_REGISTRY", (f.absolutePath() + "/./" + f.fileName()).toUtf8());
    pruefen("frisch gelesen");
    // Every line ends in CR LF, the one that had no end included.
    EXPECT_EQ(dateiBytes().count('\n'), dateiBytes().count("\r\n"));
    EXPECT_TRUE(dateiBytes().endsWith("\r\n"));
}

TEST_F(RegistryTest, ChangesOnDiskAreSeenAndKept) {
    RegStringSchreiben(HKEY_LOCAL_MACHINE, kPfade, QStringLiteral("a"), QStringLiteral("1"));
    ASSERT_EQ(*RegStringLesen(HKEY_LOCAL_MACHINE, kPfade, QStringLiteral("a")), "1");
    // Another program rewrites the file in place.
    QByteArray b = dateiBytes();
    b.replace("a=1", "a=22\nb=3");
    {
        QFile f(registryDatei());
        ASSERT_TRUE(f.open(QIODevice::ReadWrite | QIODevice::Truncate));
        f.write(b);
    }
    EXPECT_EQ(*RegStringLesen(HKEY_LOCAL_MACHINE, kPfade, QStringLiteral("a")), "22");
    // A write of ours does not undo the other program's values.
    b += "[HKEY_LOCAL_MACHINE\\\\Software\\\\Kelmarhof\\\\Sorvo1.0\\\\MDI]\nc=4\n";
    schreibeDatei(b);
    RegStringSchreiben(HKEY_LOCAL_MACHINE, kPfade, QStringLiteral("d"), QStringLiteral("5"));
    for (const auto& [schluessel, name, wert] :
         {std::tuple{kPfade, "a", "22"}, {kPfade, "b", "3"}, {kMdi, "c", "4"}, {kPfade, "d", "5"}})
        EXPECT_EQ(RegStringLesen(HKEY_LOCAL_MACHINE, schluessel, QString::fromLatin1(name)),
                  QString::fromLatin1(wert))
            << name;
}

TEST_F(RegistryTest, AFolderInPlaceOfTheFileIsLeftAlone) {
    ASSERT_TRUE(QDir().mkpath(registryDatei() + QStringLiteral("/inhalt")));
    RegStringSchreiben(HKEY_LOCAL_MACHINE, kPfade, QStringLiteral("a"), QStringLiteral("1"));
    EXPECT_FALSE(RegStringLesen(HKEY_LOCAL_MACHINE, kPfade, QStringLiteral("a")).has_value());
    EXPECT_TRUE(QFileInfo(registryDatei() + QStringLiteral("/inhalt")).isDir());
}

TEST_F(RegistryTest, UnwritableStoreIsSilent) {
    qputenv("SORVO_REGISTRY", "/proc/sorvo-nicht-schreibbar/reg.txt");
    RegStringSchreiben(HKEY_LOCAL_MACHINE, kPfade, QStringLiteral("a"), QStringLiteral("1"));
    EXPECT_FALSE(RegStringLesen(HKEY_LOCAL_MACHINE, kPfade, QStringLiteral("a")).has_value());
}

// A disk too full for the new file leaves the settings as they were, byte
// for byte, and says nothing, as every settings failure; the store writes
// again once there is room.
TEST_F(RegistryTest, AFullDiskLeavesTheSettingsFileWhole) {
    QByteArray inhalt;
    for (int i = 0; i < 200; ++i) {
        if (i % 100 == 0)
            inhalt +=
                i == 0 ? "[HKEY_LOCAL_MACHINE\\\\Software\\\\Kelmarhof\\\\Sorvo1.0\\\\Pfade]\r\n"
                       : "\r\n[HKEY_LOCAL_MACHINE\\\\Software\\\\Kelmarhof\\\\Sorvo1.0\\\\MDI]\r\n";
        inhalt += "Wert" + QByteArray::number(i) + "=Bilder der Stauden, Gehoelze und Obstsorten " +
                  QByteArray::number(i) + "\r\n";
    }
    schreibeDatei(inhalt);
    const QByteArray alt = dateiBytes();
    ASSERT_GT(alt.size(), 10000);
    const QString neuerWert = QStringLiteral("D:\\Neu\\") + QString(100, QLatin1Char('x'));
    struct Fall {
        const char* was;
        qint64 grenze;
        QString schluessel, name;
    };
    const Fall faelle[] = {
        // The new file would be a little longer than the room left.
        {"a value grows", alt.size() + 10, kPfade, QStringLiteral("Wert7")},
        {"a new key", alt.size() + 10, QStringLiteral("Software\\Neu"), QStringLiteral("n")},
        // Room for less than half of it.
        {"a value at the end", 4096, kMdi, QStringLiteral("Wert199")},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.was);
        const std::optional<QString> vorher =
            RegStringLesen(HKEY_LOCAL_MACHINE, f.schluessel, f.name);
        test::SkriptDialoge dialoge;
        ASSERT_TRUE(test::mitDateigrenze(f.grenze, [&] {
            RegStringSchreiben(HKEY_LOCAL_MACHINE, f.schluessel, f.name, neuerWert);
        }));
        EXPECT_EQ(dateiBytes(), alt);
        EXPECT_TRUE(dialoge.gezeigt().empty());
        EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden),
                  QStringList{QStringLiteral("reg.txt")});
        // What is read is what the file holds.
        EXPECT_EQ(RegStringLesen(HKEY_LOCAL_MACHINE, f.schluessel, f.name), vorher);
    }
    RegStringSchreiben(HKEY_LOCAL_MACHINE, kMdi, QStringLiteral("Wert199"), neuerWert);
    EXPECT_EQ(RegStringLesen(HKEY_LOCAL_MACHINE, kMdi, QStringLiteral("Wert199")), neuerWert);
    EXPECT_NE(dateiBytes(), alt);
    // Read afresh from the file, under another spelling of its path.
    const QFileInfo datei(registryDatei());
    qputenv("SORVO_REGISTRY", (datei.absolutePath() + "/./" + datei.fileName()).toUtf8());
    EXPECT_EQ(RegStringLesen(HKEY_LOCAL_MACHINE, kMdi, QStringLiteral("Wert199")), neuerWert);
    EXPECT_EQ(RegStringLesen(HKEY_LOCAL_MACHINE, kPfade, QStringLiteral("Wert7")),
              QStringLiteral("Bilder der Stauden, Gehoelze und Obstsorten 7"));
}

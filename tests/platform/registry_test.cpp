#include "platform/registry.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace sorvo;

namespace {
const QString kPfade = QStringLiteral("Software\\Kelmarhof\\Sorvo1.0\\Pfade");

class RegistryTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_alt = qgetenv("SORVO_REGISTRY");
        qputenv("SORVO_REGISTRY", (m_dir.path() + "/reg.txt").toUtf8());
    }
    void TearDown() override { qputenv("SORVO_REGISTRY", m_alt); }
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
    QFile f(registryDatei());
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("garbage\n[HKEY_LOCAL_MACHINE\\\\Software\\\\Kelmarhof\\\\Sorvo1.0\\\\Pfade]\n"
            "ohne-gleich\nok=C:\\\\x\n\xff\xfe\x00\n[unterbrochen");
    f.close();
    EXPECT_EQ(*RegStringLesen(HKEY_LOCAL_MACHINE, kPfade, QStringLiteral("ok")), "C:\\x");
    RegStringSchreiben(HKEY_LOCAL_MACHINE, kPfade, QStringLiteral("neu"), QStringLiteral("n"));
    EXPECT_EQ(*RegStringLesen(HKEY_LOCAL_MACHINE, kPfade, QStringLiteral("ok")), "C:\\x");
    EXPECT_EQ(*RegStringLesen(HKEY_LOCAL_MACHINE, kPfade, QStringLiteral("neu")), "n");
}

TEST_F(RegistryTest, UnwritableStoreIsSilent) {
    qputenv("SORVO_REGISTRY", "/proc/sorvo-nicht-schreibbar/reg.txt");
    RegStringSchreiben(HKEY_LOCAL_MACHINE, kPfade, QStringLiteral("a"), QStringLiteral("1"));
    EXPECT_FALSE(RegStringLesen(HKEY_LOCAL_MACHINE, kPfade, QStringLiteral("a")).has_value());
}

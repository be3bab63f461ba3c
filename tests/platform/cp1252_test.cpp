#include "platform/cp1252.h"

#include <gtest/gtest.h>

using namespace sorvo;

TEST(Cp1252, EveryByteRoundTrips) {
    QByteArray alle;
    for (int b = 0; b < 256; ++b)
        alle.append(static_cast<char>(b));
    const QString text = ausCp1252(alle);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(zuCp1252(text), alle);
}

TEST(Cp1252, KnownCharacters) {
    EXPECT_EQ(ausCp1252("\x80"), QString(QChar(0x20AC))); // euro sign
    EXPECT_EQ(ausCp1252("\x9f"), QString(QChar(0x0178))); // Y with diaeresis
    EXPECT_EQ(ausCp1252("\xc4\xd6\xdc\xdf"), QStringLiteral("ÄÖÜß"));
    EXPECT_EQ(ausCp1252("\xc6\xc5"), QStringLiteral("ÆÅ")); // the line-break codes
    EXPECT_EQ(zuCp1252(QStringLiteral("Größe €")), QByteArray("Gr\xf6\xdf"
                                                              "e \x80"));
}

TEST(Cp1252, UnmappableBecomesQuestionMark) {
    EXPECT_EQ(zuCp1252(QStringLiteral("a\u4e2db")), QByteArray("a?b"));
    EXPECT_EQ(zuCp1252(QString::fromUtf8("x\xf0\x9f\x8c\xb9y")),
              QByteArray("x?y")); // one emoji, one '?'
}

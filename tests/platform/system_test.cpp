#include "platform/system.h"

#include <QCoreApplication>
#include <QDir>
#include <gtest/gtest.h>

using namespace sorvo;

TEST(EinzelInstanz, SecondInstanceOfSameNameIsRefusedUntilFirstEnds) {
    const QString name = QStringLiteral("sorvo-test-%1").arg(QCoreApplication::applicationPid());
    {
        EinzelInstanz erste(name);
        ASSERT_TRUE(erste.erworben());
        EinzelInstanz zweite(name);
        EXPECT_FALSE(zweite.erworben());
        EinzelInstanz andere(name + QStringLiteral("-x"));
        EXPECT_TRUE(andere.erworben());
    }
    EinzelInstanz wieder(name);
    EXPECT_TRUE(wieder.erworben());
}

TEST(Pfade, JoinWithOneSeparator) {
    EXPECT_EQ(pfadVerbinden(QStringLiteral("/opt/sorvo"), QStringLiteral("FeldListe.dat")),
              "/opt/sorvo/FeldListe.dat");
    EXPECT_EQ(pfadVerbinden(QStringLiteral("/"), QStringLiteral("FeldListe.dat")),
              "/FeldListe.dat");
    EXPECT_EQ(pfadVerbinden(QStringLiteral("C:\\"), QStringLiteral("a")), "C:\\a");
}

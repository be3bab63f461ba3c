#include "label/unterprogramme.h"
#include "platform/cp1252.h"

#include <QLocale>
#include <gtest/gtest.h>

using namespace sorvo;

TEST(TextErsetzen, ReplacesAndChangesTheCallersText) {
    const struct {
        const char* text;
        const char* suche;
        const char* ersatz;
        const char* ergebnis;
    } faelle[] = {
        {"1.5", ".", ",", "1,5"},        {"ohne", ".", ",", "ohne"},
        {"ababx", "ab", "", "abx"}, // the search resumes one character on
        {"a.b.c", ".", "..", "a..b..c"}, {"", ".", ",", ""},
    };
    for (const auto& f : faelle) {
        QString t = QString::fromLatin1(f.text);
        const QString r =
            TextErsetzen(t, QString::fromLatin1(f.suche), QString::fromLatin1(f.ersatz));
        EXPECT_EQ(r, QString::fromLatin1(f.ergebnis)) << f.text;
        EXPECT_EQ(t, r);
    }
    QString blanks(32, ' ');
    TextErsetzen(blanks, QString(16, ' '), QString());
    EXPECT_EQ(blanks, QString(16, ' '));
    TextErsetzen(blanks, QString(16, ' '), QString());
    EXPECT_EQ(blanks, QString());
}

TEST(ZeichenErsetzen, CodesLineBreaksOfCaptions) {
    QString t = QStringLiteral("Rosa\r\ncanina\nx");
    ZeichenErsetzen(t, 10, 197);
    ZeichenErsetzen(t, 13, 198);
    EXPECT_EQ(zuCp1252(t), QByteArray("Rosa\xc6\xc5"
                                      "canina\xc5x"));
    ZeichenErsetzen(t, 197, 10);
    ZeichenErsetzen(t, 198, 13);
    EXPECT_EQ(t, QStringLiteral("Rosa\r\ncanina\nx"));
}

TEST(Dezimaltrennzeichen, FollowsTheLocaleAtTheCall) {
    const QLocale alt;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(Dezimaltrennzeichen(), ",");
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(Dezimaltrennzeichen(), ".");
    QLocale::setDefault(alt);
}

TEST(DateinameAusPfad, TextAfterTheLastSeparator) {
    const struct {
        const char* pfad;
        const char* titel;
    } faelle[] = {{"C:\\Etiketten\\rosen.vxp", "rosen.vxp"},
                  {"C:\\Etiketten\\", ""},
                  {"\\\\Server\\Freigabe\\a.vxp", "a.vxp"},
                  {"/home/gärtner/schilder/tulpe.vxp", "tulpe.vxp"},
                  {"ohne", "ohne"}};
    for (const auto& f : faelle)
        EXPECT_EQ(DateinameAusPfad(QString::fromUtf8(f.pfad)), QString::fromUtf8(f.titel))
            << f.pfad;
}

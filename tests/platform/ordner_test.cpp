// Finding files whatever their letter case, and the natural size of a
// picture file from its header.
#include "platform/bilddatei.h"
#include "platform/ordner.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace sorvo;

namespace {

struct FundFall {
    const char* name;
    const char* relativ;
    bool muster;
    const char* erwartet; // below the folder; nullptr: not found
};
void PrintTo(const FundFall& f, std::ostream* os) {
    *os << f.name;
}

class DateiFinden : public ::testing::TestWithParam<FundFall> {
protected:
    void SetUp() override {
        for (const char* f : {"Sub/Bild.JPG", "Sub/abutilon.jpg", "Sub/.abu-versteckt.jpg",
                              "Sub/stern*.jpg", "Sub/sternchen.jpg", "Sub/ordner.jpg/x"}) {
            const QString p = m_dir.filePath(QString::fromLatin1(f));
            QDir().mkpath(QFileInfo(p).path());
            QFile d(p);
            ASSERT_TRUE(d.open(QIODevice::WriteOnly));
        }
    }
    QTemporaryDir m_dir;
};

TEST_P(DateiFinden, MatchesNamesWhateverTheirCase) {
    const FundFall& fall = GetParam();
    const QString gefunden = dateiFinden(m_dir.path() + QLatin1Char('/'),
                                         QString::fromLatin1(fall.relativ), fall.muster);
    if (!fall.erwartet) {
        EXPECT_EQ(gefunden, QString());
    } else {
        EXPECT_EQ(QDir(m_dir.path()).relativeFilePath(gefunden),
                  QString::fromLatin1(fall.erwartet));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, DateiFinden,
    ::testing::Values(FundFall{"Exact", "Sub/Bild.JPG", false, "Sub/Bild.JPG"},
                      FundFall{"OtherCase", "sub/bild.jpg", false, "Sub/Bild.JPG"},
                      FundFall{"BackslashSeparator", "SUB\\BILD.jpg", false, "Sub/Bild.JPG"},
                      FundFall{"Missing", "sub/fehlt.jpg", false, nullptr},
                      FundFall{"FolderIsNoFile", "sub/ordner.jpg", false, nullptr},
                      FundFall{"HiddenIsNoFile", "sub/.abu-versteckt.jpg", false, nullptr},
                      FundFall{"StarIsPlainWithoutPattern", "sub/stern*.jpg", false,
                               "Sub/stern*.jpg"},
                      FundFall{"PatternAnyCase", "SUB/ABU*", true, "Sub/abutilon.jpg"},
                      FundFall{"PatternSkipsHidden", "sub/.abu*", true, nullptr},
                      FundFall{"QuestionMark", "sub/bild.jp?", true, "Sub/Bild.JPG"},
                      FundFall{"PatternNoMatch", "sub/xyz*", true, nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

struct GroessenFall {
    const char* name;
    QSize px;
    int dpi;     // written by the image writer
    int einheit; // JFIF unit byte set afterwards: -1 as written, 0 none, 2 per cm
    int dichte;  // with einheit 2: dots per centimetre
    QSizeF mm;
};
void PrintTo(const GroessenFall& f, std::ostream* os) {
    *os << f.name;
}

class BildGroesse : public ::testing::TestWithParam<GroessenFall> {};

TEST_P(BildGroesse, ComesFromTheFilesResolution) {
    const GroessenFall& fall = GetParam();
    QTemporaryDir dir;
    const QString pfad = dir.filePath(QStringLiteral("b.jpg"));
    QImage bild(fall.px, QImage::Format_RGB32);
    bild.fill(Qt::darkGreen);
    bild.setDotsPerMeterX(qRound(fall.dpi / 0.0254));
    bild.setDotsPerMeterY(qRound(fall.dpi / 0.0254));
    ASSERT_TRUE(bild.save(pfad, "JPG"));
    if (fall.einheit >= 0) {
        QFile f(pfad);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        QByteArray b = f.readAll();
        const qsizetype jfif = b.indexOf(QByteArray("JFIF\0", 5));
        ASSERT_GT(jfif, 0);
        b[jfif + 7] = static_cast<char>(fall.einheit);
        b[jfif + 8] = 0;
        b[jfif + 9] = static_cast<char>(fall.dichte);
        b[jfif + 10] = 0;
        b[jfif + 11] = static_cast<char>(fall.dichte);
        f.seek(0);
        f.write(b);
    }
    const auto mm = bildGroesseMm(pfad);
    ASSERT_TRUE(mm.has_value());
    EXPECT_NEAR(mm->width(), fall.mm.width(), 1e-9);
    EXPECT_NEAR(mm->height(), fall.mm.height(), 1e-9);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, BildGroesse,
    ::testing::Values(GroessenFall{"Dpi254", {810, 610}, 254, -1, 0, {81, 61}},
                      GroessenFall{"Dpi72", {72, 144}, 72, -1, 0, {25.4, 50.8}},
                      GroessenFall{"NoResolutionIs96Dpi", {96, 48}, 300, 0, 1, {25.4, 12.7}},
                      GroessenFall{"PerCentimetre", {100, 50}, 300, 2, 40, {25, 12.5}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BildGroesse, NoPictureHasNone) {
    QTemporaryDir dir;
    const QString pfad = dir.filePath(QStringLiteral("kaputt.jpg"));
    QFile f(pfad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("kein Bild");
    f.close();
    EXPECT_FALSE(bildGroesseMm(pfad).has_value());
    EXPECT_FALSE(bildGroesseMm(dir.filePath(QStringLiteral("fehlt.jpg"))).has_value());
    EXPECT_TRUE(bildLaden(pfad).isNull());
}

TEST(BildLaden, DecodesStraightToTheAskedSize) {
    QTemporaryDir dir;
    const QString pfad = dir.filePath(QStringLiteral("b.jpg"));
    QImage bild(400, 300, QImage::Format_RGB32);
    bild.fill(Qt::red);
    ASSERT_TRUE(bild.save(pfad, "JPG"));
    EXPECT_EQ(bildLaden(pfad).size(), QSize(400, 300));
    EXPECT_EQ(bildLaden(pfad, QSize(100, 87)).size(), QSize(100, 87));
}

} // namespace

#include "tests/database/bilder_fixture.h"

#include "platform/ordner.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>

namespace sorvo::test {

namespace {

// The records' picture rows (every category's picture table has them):
//  1001 one picture (81 x 61 mm), which is also the folder marker
//  1002 G: g1, g2 (on disk "g2.JPG"), Null, g4 (never read); D: Null, d2,
//       Null, d4 (no file), d5 - with captions
//  1003 names that leave the sub-folder; the files they reach exist
//  1004 a name without a file
//  1005 no row
//  1006 ten pictures, G then D
//  1007 a file that is no picture
//  100000 an article number beyond 16 bits
const std::vector<BilderZeile>& zeilen() {
    static const std::vector<BilderZeile> z{
        {1001, {"0054005"}, {"Blüte"}, {}, {}},
        {1002,
         {"g1", "G2", nullptr, "g4"},
         {"Erstes G", nullptr, nullptr, "nie"},
         {nullptr, "d2", nullptr, "d4", "d5"},
         {nullptr, "Zweites D", nullptr, "fehlt", "Fünftes D"}},
        {1003, {"../stauden/g1", "..\\apfel\\x", "unter/g1"}, {}, {"..", "/etc/passwd"}, {}},
        {1004, {"fehlt"}, {}, {}, {}},
        {1006,
         {"p1", "p2", "p3", "p4", "p5"},
         {"G1", "G2", "G3", "G4", "G5"},
         {"p6", "p7", "p8", "p9", "p10"},
         {"D1", "D2", "D3", "D4", "D5"}},
        {1007, {"kaputt"}, {}, {}, {}},
        {100000, {"gross"}, {}, {}, {}},
    };
    return z;
}

} // namespace

void BilderTest::SetUp() {
    DbTest::SetUp();
    piepenSetzen([this] { ++m_pieptoene; });
    // 81 x 61 mm at 254 dpi (10 pixels per millimetre).
    jpeg(QStringLiteral("topfpflanzen/0054005.jpg"), {810, 610}, 254);
    for (const char* n : {"g1.jpg", "g2.JPG", "g4.jpg", "d2.jpg", "d5.jpg", "gross.jpg"})
        jpeg(QStringLiteral("topfpflanzen/") + QString::fromLatin1(n), {40, 30});
    for (int i = 1; i <= 10; ++i)
        jpeg(QStringLiteral("topfpflanzen/p%1.jpg").arg(i), {40, 30});
    QDir(m_baum.path()).mkpath(QStringLiteral("topfpflanzen/unter"));
    jpeg(QStringLiteral("topfpflanzen/unter/g1.jpg"), {40, 30});
    jpeg(QStringLiteral("stauden/g1.jpg"), {40, 30});
    jpeg(QStringLiteral("gehoelze/0054005.jpg"), {40, 30});
    jpeg(QStringLiteral("APFEL/0054005.Jpg"), {40, 30});
    jpeg(QStringLiteral("APFEL/x.jpg"), {40, 30});
    QFile kaputt(m_baum.filePath(QStringLiteral("topfpflanzen/kaputt.jpg")));
    EXPECT_TRUE(kaputt.open(QIODevice::WriteOnly));
    kaputt.write("kein Bild");
    P().strBotrelBilderVerz = baum();
}

void BilderTest::TearDown() {
    piepenSetzen({});
    DbTest::TearDown();
}

const QString& BilderTest::bilderDb() {
    static const QString p = pflanzenDatenbankSchreiben(
        ordner(), QStringLiteral("bilder.mdb"),
        {QStringLiteral("vxt"), QStringLiteral("vxa"), QStringLiteral("vxf")}, 1, &zeilen());
    return p;
}

QString BilderTest::jpeg(const QString& relativ, QSize px, int dpi) const {
    const QString pfad = m_baum.filePath(relativ);
    QDir().mkpath(QFileInfo(pfad).path());
    QImage bild(px, QImage::Format_RGB32);
    bild.fill(QColor(60, 140, 70));
    QPainter(&bild).fillRect(QRect(0, 0, px.width() / 2, px.height() / 2), Qt::yellow);
    if (dpi > 0) {
        bild.setDotsPerMeterX(qRound(dpi / 0.0254));
        bild.setDotsPerMeterY(qRound(dpi / 0.0254));
    }
    EXPECT_TRUE(bild.save(pfad, "JPG")) << pfad.toStdString();
    if (dpi == 0) {
        // The JFIF header's unit byte 0: an aspect ratio, no resolution.
        QFile f(pfad);
        EXPECT_TRUE(f.open(QIODevice::ReadWrite));
        QByteArray b = f.readAll();
        const qsizetype jfif = b.indexOf(QByteArray("JFIF\0", 5));
        EXPECT_GT(jfif, 0);
        b[jfif + 7] = 0;
        f.seek(0);
        f.write(b);
    }
    return pfad;
}

QString BilderTest::relativ(const QString& pfad) const {
    return QDir(m_baum.path()).relativeFilePath(pfad);
}

void BilderTest::binden(int32_t n, const QString& art) {
    direktBinden(n, bilderDb(), art);
}

void BilderTest::datensatz(long artnr) {
    jet::Recordset* rs = w().Data1->recordset();
    ASSERT_NE(rs, nullptr);
    rs->moveFirst();
    while (!rs->eof() && rs->value(QStringLiteral("ARTNR")).toInt64() != artnr)
        rs->moveNext();
    ASSERT_FALSE(rs->eof()) << artnr;
}

} // namespace sorvo::test

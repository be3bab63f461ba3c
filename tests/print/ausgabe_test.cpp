// The output engine: where elements land on the page, stacking order, frames,
// margin box, centring, the loop-label grid, print jobs and failures.
#include "tests/print/vorschau_fixture.h"

#include "tests/support/fake_dialogs.h"

#include <QFile>
#include <QRegularExpression>

namespace sorvo::test {
namespace {

// Page millimetres of the rectangle to preview pixels, with one pixel of slack
// on each side for rounding.
void erwarteRechteck(const QRect& ist, double links, double oben, double breite, double hoehe) {
    ASSERT_FALSE(ist.isNull());
    EXPECT_NEAR(ist.left(), mmPx(links), 1);
    EXPECT_NEAR(ist.top(), mmPx(oben), 1);
    EXPECT_NEAR(ist.right() + 1, mmPx(links + breite), 1);
    EXPECT_NEAR(ist.bottom() + 1, mmPx(oben + hoehe), 1);
}

// A dark pixel within one pixel above or below: lines fall on either side of
// a fractional pixel row.
bool dunkelNahe(const QImage& img, int x, int y) {
    return dunkel(img.pixelColor(x, y - 1)) || dunkel(img.pixelColor(x, y)) ||
           dunkel(img.pixelColor(x, y + 1));
}

const QColor kRot(255, 0, 0), kGruen(0, 255, 0), kBlau(0, 0, 255);

TEST_F(VorschauTest, ElementsLandAtTheirMillimetresInStackingOrder) {
    // Margins 10 left, 15 top. Red below green, blue on top of both.
    bild(20, 10, 30, 20, Qt::red);
    bild(40, 20, 20, 10, Qt::green);
    Beschriftung& t = text(QStringLiteral("Rose"), 55, 25);
    t.setBackStyle(1);
    t.setBackColor(RGB(0, 0, 255));
    t.setForeColor(RGB(0, 0, 255));
    t.setBorderStyle(1);

    const QImage& img = vorschau();
    ASSERT_EQ(img.width(), mmPx(Printer().WidthTwips() / 56.7));
    // Red: the whole picture except the corner the green one covers.
    erwarteRechteck(umriss(img, [](QColor c) { return rein(c, kRot); }), 30, 25, 30, 20);
    EXPECT_TRUE(rein(img.pixelColor(mmPx(10 + 45), mmPx(15 + 22)), kGruen));
    // The text's background box lies over the green one.
    // (The target keeps the last text colour, so only the text's own area counts.)
    const QRect blau = umriss(
        img, [](QColor c) { return rein(c, kBlau); },
        QRect(mmPx(62), mmPx(37), mmPx(30), mmPx(15)));
    ASSERT_FALSE(blau.isNull());
    EXPECT_NEAR(blau.left(), mmPx(65), 1);
    EXPECT_NEAR(blau.top(), mmPx(40), 1);
    EXPECT_TRUE(rein(img.pixelColor(mmPx(66), mmPx(41)), kBlau));
    // Its black frame encloses it; the label frame runs along the label edge.
    EXPECT_TRUE(dunkelNahe(img, mmPx(65 + t.Width() / 2), mmPx(40)));
    EXPECT_TRUE(dunkelNahe(img, mmPx(65 + t.Width() / 2), mmPx(40 + t.Height())));
    EXPECT_TRUE(dunkelNahe(img, mmPx(60), mmPx(15)));
    EXPECT_TRUE(dunkelNahe(img, mmPx(60), mmPx(75)));

    // Put the green picture to the bottom: now red covers the overlap.
    auto& e = S(1);
    std::vector<int32_t> neu{e.lngReihenfolge[2], e.lngReihenfolge[1], e.lngReihenfolge[3]};
    for (size_t k = 0; k < neu.size(); ++k)
        e.lngReihenfolge[k + 1] = neu[k];
    const QImage& img2 = vorschau();
    EXPECT_TRUE(rein(img2.pixelColor(mmPx(10 + 45), mmPx(15 + 22)), kRot));
}

TEST_F(VorschauTest, TwoDigitCodesTakeTwoIndexDigits) {
    // Text 12 (code 112) is drawn, text 1 (code 11) is not in the list.
    for (int k = 0; k < 12; ++k)
        text(QStringLiteral("W"), 5 + k * 7, 5);
    auto& e = S(1);
    ASSERT_EQ(e.lngReihenfolge[12], 112);
    e.lngReihenfolge[1] = 112;
    e.lngReihenfolgeAnzahl = 1;
    const QImage& img = vorschau();
    const QRect innen(mmPx(12), mmPx(17), mmPx(96), mmPx(56));
    const QRect tinte = umriss(img, dunkel, innen);
    ASSERT_FALSE(tinte.isNull());
    EXPECT_NEAR(tinte.left(), mmPx(10 + 5 + 11 * 7), 3);
}

TEST_F(VorschauTest, MarginBoxFrameAndCentring) {
    P().strRahmenDruckFarbe = QStringLiteral("255"); // red label frame
    struct Fall {
        bool h, v;
        double links, oben;
    };
    const double seiteB = Printer().WidthTwips() / 56.7, seiteH = Printer().HeightTwips() / 56.7;
    for (const Fall& fall : {Fall{false, false, 10, 15}, Fall{true, false, seiteB / 2 - 50, 15},
                             Fall{false, true, 10, seiteH / 2 - 30},
                             Fall{true, true, seiteB / 2 - 50, seiteH / 2 - 30}}) {
        SCOPED_TRACE(testing::Message() << fall.h << fall.v);
        S(1).sngGrenzeLinks = 10;
        S(1).sngGrenzeOben = 15;
        DO().blnHZentrieren = fall.h;
        DO().blnVZentrieren = fall.v;
        const QImage& img = vorschau();
        erwarteRechteck(umriss(img, [](QColor c) { return rein(c, kRot); }), fall.links, fall.oben,
                        100, 60);
        // Centring keeps the centred margin.
        EXPECT_NEAR(S(1).sngGrenzeLinks, fall.links, 0.01);
        EXPECT_NEAR(S(1).sngGrenzeOben, fall.oben, 0.01);
        // The dotted margin box (black) only without centring: its right
        // edge 10 mm inside the page.
        const QRect rechterRand(mmPx(seiteB - 10) - 2, mmPx(100), 5, mmPx(100));
        EXPECT_EQ(!umriss(img, dunkel, rechterRand).isNull(), !fall.h && !fall.v);
    }
}

TEST_F(VorschauTest, LoopLabelGridFillsRowsAndRestoresMargins) {
    // Three generated loop labels 30 x 20 mm, one of another height; A is current.
    const Qt::GlobalColor farben[] = {Qt::red, Qt::green, Qt::blue};
    int32_t nummern[3];
    for (int k = 0; k < 3; ++k) {
        neuesFenster(30, k == 2 ? 25 : 20);
        nummern[k] = P().lngAktivesSchild;
        Schild(nummern[k]).setCaption(QStringLiteral("Schild (erzeugt von: Vorlage)"));
        bild(1, 1, 5, 5, farben[k]);
    }
    const int32_t a = nummern[0];
    P().lngAktivesSchild = a;
    S(a).blnSchlaufenetikett = true;
    S(a).sngEtikettBreite = 35;
    DO().lngSchilderProReihe = 3;
    DO().lngDruckeProSchild = 2;

    const QImage& img = vorschau();
    // Cell (row, column) -> colour: A(0,0), A(0,1), B(0,2), B(1,0).
    struct Zelle {
        int reihe, spalte;
        QColor farbe;
    };
    for (const Zelle& z :
         {Zelle{0, 0, kRot}, Zelle{0, 1, kRot}, Zelle{0, 2, kGruen}, Zelle{1, 0, kGruen}}) {
        const double x = 10 + 35 * z.spalte + 3.5, y = 15 + 20 * z.reihe + 3.5;
        EXPECT_TRUE(rein(img.pixelColor(mmPx(x), mmPx(y)), z.farbe)) << z.reihe << "," << z.spalte;
    }
    EXPECT_TRUE(umriss(img, [](QColor c) { return rein(c, kBlau); }).isNull());
    // Only four cells: the fifth (row 1, column 1) stays empty.
    EXPECT_EQ(img.pixelColor(mmPx(10 + 35 + 3.5), mmPx(15 + 20 + 3.5)), QColor(Qt::white));
    // No margin box on a sheet, and the margins are back.
    EXPECT_TRUE(umriss(img, dunkel, QRect(mmPx(200) - 2, mmPx(100), 5, mmPx(100))).isNull());
    EXPECT_FLOAT_EQ(S(a).sngGrenzeLinks, 10);
    EXPECT_FLOAT_EQ(S(a).sngGrenzeOben, 15);
}

} // namespace
} // namespace sorvo::test

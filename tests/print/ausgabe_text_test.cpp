// Texts and data fields on the page: lines break and align where the label
// window shows them; lines at the label's bottom are left out.
#include "tests/print/vorschau_fixture.h"

#include "platform/canvas.h"

#include <QPainter>

namespace sorvo::test {
namespace {

// The rows of an image that hold ink, as bands [first, last] of rows, with
// the leftmost and rightmost ink column of each band.
struct Band {
    int oben, unten, links, rechts;
};
std::vector<Band> baender(const QImage& img) {
    std::vector<Band> b;
    bool offen = false;
    for (int y = 0; y < img.height(); ++y) {
        int l = -1, r = -1;
        for (int x = 0; x < img.width(); ++x)
            if (dunkel(img.pixelColor(x, y))) {
                if (l < 0)
                    l = x;
                r = x;
            }
        if (l >= 0) {
            if (!offen)
                b.push_back({y, y, l, r});
            offen = true;
            b.back().unten = y;
            b.back().links = std::min(b.back().links, l);
            b.back().rechts = std::max(b.back().rechts, r);
        } else {
            offen = false;
        }
    }
    return b;
}

// The label as the label window draws it, at the preview's scale.
QImage fensterBild(frmLabel& f, double zoom) {
    QImage img(mmPx(f.ScaleWidth(), zoom), mmPx(f.ScaleHeight(), zoom), QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    f.flaeche()->zeichnen(p, kPxMm * zoom);
    return img;
}

struct TextFall {
    const char* name;
    const char* caption;
    double links;
    int32_t maxBreite;
    int ausrichtung;
    // The label window cuts a word wider than the element at its edge; the
    // page breaks it between characters, so it takes more lines there.
    bool abgeschnitten = false;
};

TEST_F(VorschauTest, LinesBreakAndAlignWhereTheLabelWindowShowsThem) {
    const TextFall faelle[] = {
        {"maximum width, left", "Rosa canina Hundsrose aus Mitteleuropa", 10, 30, 0},
        {"maximum width, centred", "Rosa canina Hundsrose aus Mitteleuropa", 10, 30, 2},
        {"maximum width, right", "Rosa canina Hundsrose aus Mitteleuropa", 10, 30, 1},
        {"past the right edge", "Malus domestica Boskoop Winterapfel lagerfähig", 40, 0, 0},
        {"line feeds", "Höhe:\r\n80 cm\nBlüte: Juni", 10, 0, 0},
        {"one long word", "Schneeballblättriger Strauch", 10, 15, 0, true},
    };
    const double zoom = 2.0;
    for (const TextFall& fall : faelle) {
        SCOPED_TRACE(fall.name);
        ProgrammZuruecksetzen();
        m_f = neuesFenster(100, 60);
        int32_t i = 0;
        Beschriftung& t = text(QString::fromUtf8(fall.caption), fall.links, 8, fall.maxBreite, &i);
        t.setAlignment(fall.ausrichtung);

        const QImage seite = vorschau(static_cast<int32_t>(zoom * 100));
        // The label's area on the page, inside the frame and margin box lines.
        const QRect schild(mmPx(10, zoom) + 3, mmPx(15, zoom) + 3, mmPx(100, zoom) - 6,
                           mmPx(60, zoom) - 6);
        const auto gedruckt = baender(seite.copy(schild));
        const QImage fenster = fensterBild(*m_f, zoom);
        const auto gezeigt =
            baender(fenster.copy(QRect(3, 3, fenster.width() - 6, fenster.height() - 6)));
        const auto zeilen = Vorschaufenster().letzteZeilen();
        EXPECT_GE(zeilen.size(), 2);
        if (fall.abgeschnitten) {
            ASSERT_GT(gedruckt.size(), gezeigt.size())
                << zeilen.join(QLatin1Char('|')).toStdString();
            EXPECT_NEAR(gedruckt[0].oben, gezeigt[0].oben, 2);
            EXPECT_NEAR(gedruckt[0].links, gezeigt[0].links, 2);
            // No ink past the element's right edge.
            const int kante = mmPx(10 + fall.links + fall.maxBreite, zoom) - schild.left();
            for (size_t k = 0; k < gedruckt.size(); ++k)
                EXPECT_LE(gedruckt[k].rechts, kante + 1) << k;
            continue;
        }
        ASSERT_EQ(gedruckt.size(), gezeigt.size()) << zeilen.join(QLatin1Char('|')).toStdString();
        for (size_t k = 0; k < gedruckt.size(); ++k) {
            EXPECT_NEAR(gedruckt[k].oben, gezeigt[k].oben, 2) << k;
            EXPECT_NEAR(gedruckt[k].links, gezeigt[k].links, 2) << k;
            EXPECT_NEAR(gedruckt[k].rechts, gezeigt[k].rechts, 2) << k;
        }
    }
}

TEST_F(VorschauTest, UnfittedTextPastTheRightEdgeWrapsTwoMillimetresInside) {
    // A caption set without fitting: one self-sizing line far past the edge.
    Beschriftung& t = text(QStringLiteral("Malus"), 40, 8);
    t.setWordWrap(false);
    t.setAutoSize(true);
    t.setCaption(QStringLiteral("Malus domestica Boskoop Winterapfel lagerfähig und robust"));
    ASSERT_GT(t.Left() + t.Width(), 99);
    const QImage& seite = vorschau();
    const auto zeilen = Vorschaufenster().letzteZeilen();
    ASSERT_GE(zeilen.size(), 2);
    EXPECT_EQ(zeilen.join(QLatin1Char(' ')), t.Caption());
    // No ink between 2 mm inside the label's edge and its frame (10 mm margin).
    const QRect rechts(mmPx(10 + 98) + 1, mmPx(15) + 2, mmPx(110) - mmPx(108) - 3, mmPx(50));
    EXPECT_TRUE(umriss(seite, dunkel, rechts).isNull());
    EXPECT_FALSE(umriss(seite, dunkel, QRect(mmPx(90), mmPx(15) + 2, mmPx(18), mmPx(20))).isNull());
}

TEST_F(VorschauTest, LinesReachingTheLabelBottomAreLeftOutOfTextsAndDataFields) {
    // Four lines of about 4.8 mm from 45 mm on a 60 mm label: the fourth line
    // would end below 60 mm.
    const QString vier = QStringLiteral("Rose\nMohn\nNelke\nAster");
    for (bool datenfeld : {false, true}) {
        SCOPED_TRACE(datenfeld ? "data field" : "text");
        ProgrammZuruecksetzen();
        m_f = neuesFenster(100, 60);
        Beschriftung* e = nullptr;
        if (datenfeld) {
            ASSERT_TRUE(m_f->DatenfeldNeu());
            const int32_t i = S(1).lngAktuellesDatenfeld;
            e = &m_f->lblDatenfeld(i);
            e->setFontName(QStringLiteral("Arial"));
            e->setFontSize(12);
            e->setForeColor(RGB(0, 0, 0));
            e->setBackStyle(0);
            e->setLeft(10);
            e->setTop(45);
            e->setCaption(vier);
            DatenfeldAnpassen(i, 1);
            e->setVisible(true);
        } else {
            e = &text(vier, 10, 45);
        }
        const double zeile = e->Height() / 4;
        ASSERT_GT(45 + 3 * zeile + zeile, 60);
        ASSERT_LT(45 + 2 * zeile + zeile, 60);
        const QImage& seite = vorschau();
        const QRect schild(mmPx(10) + 2, mmPx(15) + 2, mmPx(100) - 4, mmPx(60) - 4);
        EXPECT_EQ(baender(seite.copy(schild)).size(), 3u);
    }
}

TEST_F(VorschauTest, OpaqueLineGetsOneLineHighBackground) {
    Beschriftung& t = text(QStringLiteral("Buxus"), 20, 10);
    t.setBackStyle(1);
    t.setBackColor(RGB(0, 0, 255));
    const QImage& seite = vorschau();
    const QRect blau = umriss(seite, [](QColor c) { return rein(c, QColor(0, 0, 255)); });
    ASSERT_FALSE(blau.isNull());
    EXPECT_NEAR(blau.top(), mmPx(25), 1);
    EXPECT_NEAR(blau.height(), mmPx(t.Height()), 1);
    EXPECT_NEAR(blau.width(), mmPx(t.Width()), 1);
}

TEST_F(VorschauTest, PrimitivesAddTheMarginsAndZoomTheFont) {
    frmVorschau& v = Vorschaufenster();
    v.objZiel = v.picVorschau();
    S(1).sngGrenzeLinks = 15;
    v.DruckStart(100);
    v.DruckCurrentX(0);
    EXPECT_FLOAT_EQ(v.objZiel->CurrentX, 15);
    float hoehe = 50;
    v.DruckRahmen(0, 10, 20, hoehe, 40);
    EXPECT_FLOAT_EQ(hoehe, 30);
    struct Fall {
        int32_t prozent;
        float punkte;
        double soll;
    };
    for (const Fall& f : {Fall{200, 9, 18}, Fall{100, 10.5f, 10}, Fall{100, 11.5f, 12}}) {
        v.sngZoom = static_cast<float>(f.prozent) / 100.0f;
        v.DruckSchriftGroesse(f.punkte);
        EXPECT_EQ(v.objZiel->FontSize, f.soll) << f.prozent << " " << f.punkte;
    }
    v.objZiel = &Printer();
    v.DruckSchriftGroesse(10.5f);
    EXPECT_EQ(Printer().FontSize, 10.5);
    v.objZiel = v.picVorschau();
    v.DruckEnde();
}

} // namespace
} // namespace sorvo::test

#include "platform/canvas.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace sorvo;

namespace {

constexpr Farbe kRot = RGB(255, 0, 0);
constexpr Farbe kSchwarz = RGB(0, 0, 0);

class Canvas : public ::testing::Test {
protected:
    Canvas() {
        QPalette p = canvas.palette();
        p.setColor(QPalette::Window, Qt::white);
        canvas.setPalette(p);
        canvas.resize(400, 300);
    }

    Beschriftung* feld(double l, double t, double w, double h) {
        Beschriftung* b = canvas.neueBeschriftung();
        b->setLeft(l);
        b->setTop(t);
        b->setWidth(w);
        b->setHeight(h);
        return b;
    }
    Bild* bild(double l, double t, double w, double h, const QColor& farbe) {
        Bild* b = canvas.neuesBild();
        b->setLeft(l);
        b->setTop(t);
        b->setWidth(w);
        b->setHeight(h);
        QImage img(8, 6, QImage::Format_RGB32);
        img.fill(farbe);
        b->setPicture(img);
        return b;
    }

    // The widget painted as on screen.
    QImage gemalt() {
        QImage img(canvas.size(), QImage::Format_RGB32);
        canvas.render(&img);
        return img;
    }
    int px(double mm) const { return static_cast<int>(std::floor(mm * canvas.pixelProMm() + 0.5)); }
    QColor bei(const QImage& img, double xMm, double yMm) const {
        return img.pixelColor(px(xMm), px(yMm));
    }

    ElementCanvas canvas;
};

// Bounding box of the dark pixels of an image.
QRect tinte(const QImage& img) {
    QRect r;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (qGray(img.pixel(x, y)) < 128)
                r |= QRect(x, y, 1, 1);
    return r;
}

} // namespace

TEST_F(Canvas, OneStackingOrderForBothKinds) {
    Beschriftung* a = canvas.neueBeschriftung();
    Bild* b = canvas.neuesBild();
    Beschriftung* c = canvas.neueBeschriftung();
    using S = std::vector<Steuerelement*>;
    EXPECT_EQ(canvas.stapel(), (S{a, b, c}));
    canvas.nachVorne(a);
    EXPECT_EQ(canvas.stapel(), (S{b, c, a}));
    canvas.nachVorne(a);
    EXPECT_EQ(canvas.stapel(), (S{b, c, a}));
    canvas.nachVorne(b);
    EXPECT_EQ(canvas.stapel(), (S{c, a, b}));
    Bild* d = canvas.neuesBild();
    EXPECT_EQ(canvas.stapel(), (S{c, a, b, d}));

    ElementCanvas andere;
    canvas.nachVorne(andere.neueBeschriftung());
    EXPECT_EQ(canvas.stapel(), (S{c, a, b, d}));
}

TEST_F(Canvas, HitIsTheTopmostMatchingElement) {
    Beschriftung* unten = feld(0, 0, 50, 50);
    Bild* mitte = bild(10, 10, 20, 20, Qt::blue);
    Beschriftung* oben = feld(15, 15, 5, 5);
    const struct {
        QPointF mm;
        Steuerelement* erwartet;
    } faelle[] = {{{17, 17}, oben},    {{15, 15}, oben},    {{20, 17}, mitte}, // right edge outside
                  {{12, 12}, mitte},   {{5, 5}, unten},     {{49.9, 0}, unten},
                  {{50, 10}, nullptr}, {{-0.1, 1}, nullptr}};
    for (const auto& f : faelle)
        EXPECT_EQ(canvas.elementBei(f.mm), f.erwartet) << f.mm.x() << "," << f.mm.y();

    oben->setVisible(false);
    EXPECT_EQ(canvas.elementBei({17, 17}), mitte);
    mitte->setEnabled(false);
    EXPECT_EQ(canvas.elementBei({17, 17}), unten);
    canvas.nachVorne(unten);
    oben->setVisible(true);
    EXPECT_EQ(canvas.elementBei({17, 17}), unten);
    unten->setEnabled(false);
    EXPECT_EQ(canvas.elementBei({17, 17}), oben);
    oben->setEnabled(false);
    EXPECT_EQ(canvas.elementBei({17, 17}), nullptr);
}

TEST_F(Canvas, CopyTakesEverythingButVisibility) {
    Beschriftung* v = canvas.neueBeschriftung();
    v->setAutoSize(true);
    v->setWordWrap(true);
    v->setWidth(15.0);
    v->setCaption("Rosa canina ist eine Wildrose");
    v->setFontName("Arial");
    v->setFontSize(10.0);
    v->setFontItalic(true);
    v->setForeColor(kRot);
    v->setBackColor(kFensterHintergrund);
    v->setBackStyle(0);
    v->setBorderStyle(1);
    v->setAlignment(2);
    v->setLeft(3.5);
    Bild* bv = bild(1, 2, 3, 4, Qt::red);

    Beschriftung* k = canvas.neueBeschriftung(*v);
    Bild* bk = canvas.neuesBild(*bv);
    EXPECT_FALSE(k->Visible());
    EXPECT_FALSE(bk->Visible());
    EXPECT_EQ(canvas.stapel().back(), bk);
    EXPECT_EQ(k->Caption(), v->Caption());
    EXPECT_EQ(k->FontName(), "Arial");
    EXPECT_EQ(k->FontSize(), 10.0);
    EXPECT_TRUE(k->FontItalic() && k->AutoSize() && k->WordWrap());
    EXPECT_EQ(k->ForeColor(), kRot);
    EXPECT_EQ(k->BackColor(), kFensterHintergrund);
    EXPECT_EQ(k->BackStyle(), 0);
    EXPECT_EQ(k->BorderStyle(), 1);
    EXPECT_EQ(k->Alignment(), 2);
    EXPECT_EQ(k->rechteck(), v->rechteck());
    EXPECT_EQ(bk->rechteck(), QRectF(1, 2, 3, 4));
    EXPECT_EQ(bk->Picture(), bv->Picture());

    k->setCaption("Rosa");
    EXPECT_EQ(v->Caption(), "Rosa canina ist eine Wildrose");
}

namespace {

struct Ereignis {
    std::string art;
    Steuerelement* element;
    Qt::MouseButton knopf;
    Qt::KeyboardModifiers umschalt;
    QPointF pos;
};

class Mouse : public Canvas {
protected:
    Mouse() {
        canvas.show();
        QObject::connect(
            &canvas, &ElementCanvas::elementGedrueckt,
            [this](Steuerelement* e, Qt::MouseButton k, Qt::KeyboardModifiers m, QPointF p) {
                log.push_back({"druck", e, k, m, p});
            });
        QObject::connect(&canvas, &ElementCanvas::hintergrundGedrueckt,
                         [this](Qt::MouseButton k, Qt::KeyboardModifiers m, QPointF p) {
                             log.push_back({"hintergrund", nullptr, k, m, p});
                         });
        QObject::connect(
            &canvas, &ElementCanvas::elementDoppelklick,
            [this](Steuerelement* e, Qt::MouseButton k, Qt::KeyboardModifiers m, QPointF p) {
                log.push_back({"doppel", e, k, m, p});
            });
        QObject::connect(&canvas, &ElementCanvas::mausBewegt,
                         [this](QPointF p, QPointF g, Qt::MouseButtons, Qt::KeyboardModifiers m) {
                             log.push_back({"bewegt", nullptr, Qt::NoButton, m, p});
                             global = g;
                         });
        QObject::connect(&canvas, &ElementCanvas::losgelassen,
                         [this](Qt::MouseButton k, Qt::KeyboardModifiers m, QPointF p, QPointF g) {
                             log.push_back({"los", nullptr, k, m, p});
                             global = g;
                         });
    }

    void senden(QEvent::Type typ, QPointF mm, Qt::MouseButton knopf, Qt::MouseButtons knoepfe,
                Qt::KeyboardModifiers umschalt = Qt::NoModifier) {
        const QPointF p = mm * canvas.pixelProMm();
        QMouseEvent e(typ, p, canvas.mapToGlobal(p), knopf, knoepfe, umschalt);
        QApplication::sendEvent(&canvas, &e);
    }

    void erwarte(size_t i, const std::string& art, Steuerelement* e, Qt::MouseButton k, QPointF pos,
                 Qt::KeyboardModifiers m = Qt::NoModifier) {
        ASSERT_LT(i, log.size());
        EXPECT_EQ(log[i].art, art) << i;
        EXPECT_EQ(log[i].element, e) << i;
        EXPECT_EQ(log[i].knopf, k) << i;
        EXPECT_EQ(log[i].umschalt, m) << i;
        EXPECT_NEAR(log[i].pos.x(), pos.x(), 1e-9) << i;
        EXPECT_NEAR(log[i].pos.y(), pos.y(), 1e-9) << i;
    }

    std::vector<Ereignis> log;
    QPointF global;
};

} // namespace

TEST_F(Mouse, PressDragReleaseInMillimetres) {
    Beschriftung* b = feld(10, 5, 20, 10);
    senden(QEvent::MouseButtonPress, {15.5, 8}, Qt::LeftButton, Qt::LeftButton);
    senden(QEvent::MouseMove, {40, 30}, Qt::NoButton, Qt::LeftButton);
    senden(QEvent::MouseMove, {-12, -4}, Qt::NoButton, Qt::LeftButton); // outside the widget
    const auto erwarteGlobal = [this](QPointF mm) {
        const QPointF soll = canvas.mapToGlobal(mm * canvas.pixelProMm());
        EXPECT_NEAR(global.x(), soll.x(), 1.0);
        EXPECT_NEAR(global.y(), soll.y(), 1.0);
    };
    erwarteGlobal({-12, -4});
    senden(QEvent::MouseButtonRelease, {200, 3}, Qt::LeftButton, Qt::NoButton);
    erwarteGlobal({200, 3});
    ASSERT_EQ(log.size(), 4u);
    erwarte(0, "druck", b, Qt::LeftButton, {5.5, 3});
    erwarte(1, "bewegt", nullptr, Qt::NoButton, {40, 30});
    erwarte(2, "bewegt", nullptr, Qt::NoButton, {-12, -4});
    erwarte(3, "los", nullptr, Qt::LeftButton, {200, 3});
}

TEST_F(Mouse, ButtonAndShiftAreReported) {
    Beschriftung* b = feld(10, 5, 20, 10);
    senden(QEvent::MouseButtonPress, {12, 6}, Qt::RightButton, Qt::RightButton,
           Qt::ControlModifier);
    senden(QEvent::MouseButtonPress, {50, 40}, Qt::RightButton, Qt::RightButton,
           Qt::ControlModifier | Qt::AltModifier);
    b->setEnabled(false); // as while a drag runs: the press reaches the background
    senden(QEvent::MouseButtonPress, {12, 6}, Qt::LeftButton, Qt::LeftButton);
    ASSERT_EQ(log.size(), 3u);
    erwarte(0, "druck", b, Qt::RightButton, {2, 1}, Qt::ControlModifier);
    erwarte(1, "hintergrund", nullptr, Qt::RightButton, {50, 40},
            Qt::ControlModifier | Qt::AltModifier);
    erwarte(2, "hintergrund", nullptr, Qt::LeftButton, {12, 6});
}

TEST_F(Mouse, DoubleClickReachesTheElement) {
    Bild* i = bild(30, 20, 10, 10, Qt::green);
    senden(QEvent::MouseButtonPress, {31, 22}, Qt::LeftButton, Qt::LeftButton);
    // A drag would hide the element on the press and show it again on the release.
    i->setVisible(false);
    senden(QEvent::MouseButtonRelease, {31, 22}, Qt::LeftButton, Qt::NoButton);
    i->setVisible(true);
    senden(QEvent::MouseButtonDblClick, {31, 22}, Qt::LeftButton, Qt::LeftButton);
    senden(QEvent::MouseButtonRelease, {31, 22}, Qt::LeftButton, Qt::NoButton);
    senden(QEvent::MouseButtonDblClick, {80, 70}, Qt::LeftButton, Qt::LeftButton);
    ASSERT_EQ(log.size(), 4u) << "a double-click on the background reports nothing";
    erwarte(0, "druck", i, Qt::LeftButton, {1, 2});
    erwarte(1, "los", nullptr, Qt::LeftButton, {31, 22});
    erwarte(2, "doppel", i, Qt::LeftButton, {1, 2});
    erwarte(3, "los", nullptr, Qt::LeftButton, {31, 22});
}

TEST_F(Canvas, DisabledCanvasPaintsSystemColoursAsUsual) {
    Beschriftung* b = feld(10, 5, 20, 8);
    b->setBackColor(kFensterHintergrund);
    QPalette p = canvas.palette();
    p.setColor(QPalette::Active, QPalette::Base, Qt::green);
    p.setColor(QPalette::Inactive, QPalette::Base, Qt::green);
    p.setColor(QPalette::Disabled, QPalette::Base, Qt::red);
    canvas.setPalette(p);
    canvas.setEnabled(false);
    EXPECT_EQ(bei(gemalt(), 20, 9), QColor(Qt::green));
}

TEST_F(Canvas, OpaqueCaptionInTheRightPlace) {
    Beschriftung* b = feld(10, 5, 20, 8);
    b->setBackColor(kRot);
    const QImage img = gemalt();
    const QColor rot(255, 0, 0);
    const QColor weiss(255, 255, 255);
    // One pixel inside and outside each edge.
    const int x0 = px(10), y0 = px(5), x1 = px(30), y1 = px(13);
    for (const QPoint& innen : {QPoint(x0, y0), QPoint(x1 - 1, y1 - 1), QPoint(x0, y1 - 1),
                                QPoint((x0 + x1) / 2, (y0 + y1) / 2)})
        EXPECT_EQ(img.pixelColor(innen), rot) << innen.x() << "," << innen.y();
    for (const QPoint& aussen :
         {QPoint(x0 - 1, y0), QPoint(x1, y0), QPoint(x0, y0 - 1), QPoint(x0, y1)})
        EXPECT_EQ(img.pixelColor(aussen), weiss) << aussen.x() << "," << aussen.y();

    b->setBackStyle(0);
    EXPECT_EQ(bei(gemalt(), 20, 9), weiss) << "transparent";
    b->setBackStyle(1);
    b->setBackColor(kFensterHintergrund);
    QPalette p = canvas.palette();
    p.setColor(QPalette::Base, Qt::green);
    canvas.setPalette(p);
    EXPECT_EQ(bei(gemalt(), 20, 9), QColor(Qt::green)) << "system colour from the palette";
    b->setVisible(false);
    EXPECT_EQ(bei(gemalt(), 20, 9), weiss);
}

TEST_F(Canvas, PaintedInStackingOrder) {
    Beschriftung* b = feld(10, 10, 20, 20);
    b->setBackColor(kRot);
    Bild* i = bild(15, 15, 10, 10, Qt::blue);
    EXPECT_EQ(bei(gemalt(), 20, 20), QColor(Qt::blue));
    EXPECT_EQ(bei(gemalt(), 12, 12), QColor(Qt::red));
    canvas.nachVorne(b);
    EXPECT_EQ(bei(gemalt(), 20, 20), QColor(Qt::red));
    canvas.nachVorne(i);
    i->setWidth(30); // stretched over its new size
    EXPECT_EQ(bei(gemalt(), 40, 20), QColor(Qt::blue));
    i->setPicture(QImage());
    EXPECT_EQ(bei(gemalt(), 40, 20), QColor(Qt::white)) << "no picture";
}

TEST_F(Canvas, HugePictureIsPaintedWithoutAHugeCopy) {
    // A template may ask for a picture metres wide: it is drawn clipped to
    // what is shown, with no scaled copy of its full size kept.
    Bild* i = bild(10, 10, 32767, 32767, Qt::blue);
    EXPECT_EQ(bei(gemalt(), 20, 20), QColor(Qt::blue));
    EXPECT_EQ(bei(gemalt(), 5, 5), QColor(Qt::white));
    i->setWidth(20);
    i->setHeight(20);
    EXPECT_EQ(bei(gemalt(), 20, 20), QColor(Qt::blue));
    EXPECT_EQ(bei(gemalt(), 35, 20), QColor(Qt::white));
}

TEST_F(Canvas, BorderOnTheInnerEdge) {
    Beschriftung* b = feld(10, 10, 20, 10);
    b->setBackStyle(0);
    b->setBorderStyle(1);
    Bild* i = bild(50, 10, 20, 10, Qt::white);
    i->setBorderStyle(1);
    const QImage img = gemalt();
    for (double links : {10.0, 50.0}) {
        EXPECT_EQ(img.pixelColor(px(links), px(15)), QColor(Qt::black));
        EXPECT_EQ(img.pixelColor(px(links + 20) - 1, px(15)), QColor(Qt::black));
        EXPECT_EQ(img.pixelColor(px(links + 10), px(10)), QColor(Qt::black));
        EXPECT_EQ(img.pixelColor(px(links + 10), px(20) - 1), QColor(Qt::black));
        EXPECT_EQ(img.pixelColor(px(links + 10), px(15)), QColor(Qt::white));
        EXPECT_EQ(img.pixelColor(px(links + 20), px(15)), QColor(Qt::white));
    }
}

TEST_F(Canvas, TextIsAlignedAndClipped) {
    const auto beschriften = [](Beschriftung* b) {
        b->setBackStyle(0);
        b->setForeColor(kSchwarz);
        b->setFontName("Arial");
        b->setFontSize(10);
        b->setCaption("MM");
    };
    Beschriftung* mass = canvas.neueBeschriftung();
    mass->setAutoSize(true);
    beschriften(mass);
    const double halb = mass->Width() / 2.0;
    mass->setVisible(false);

    // Ink centre in a 60 mm wide control at 10 mm.
    const struct {
        int ausrichtung;
        double mitteMm;
    } faelle[] = {{0, 10.0 + halb}, {1, 70.0 - halb}, {2, 40.0}};
    for (const auto& f : faelle) {
        Beschriftung* b = feld(10, 5, 60, 6);
        beschriften(b);
        b->setAlignment(f.ausrichtung);
        const QRect t = tinte(gemalt());
        b->setVisible(false);
        ASSERT_FALSE(t.isNull()) << f.ausrichtung;
        EXPECT_NEAR((t.left() + t.right() + 1) / 2.0 / canvas.pixelProMm(), f.mitteMm, 0.4)
            << f.ausrichtung;
    }

    // A long text in a fixed narrow control: nothing outside the control.
    Beschriftung* b = feld(10, 10, 8, 4);
    b->setBackStyle(0);
    b->setForeColor(kSchwarz);
    b->setCaption("WWWWWWWWWWWWWWWWWWWW");
    const QRect t = tinte(gemalt());
    ASSERT_FALSE(t.isNull());
    EXPECT_GE(t.left(), px(10));
    EXPECT_LT(t.right(), px(18));
    EXPECT_GE(t.right(), px(18) - 2) << "the text runs to the edge";
    EXPECT_LT(t.bottom(), px(14));
}

// The text is laid out once, in millimetres: drawn at twice the scale it
// covers twice the pixels, and a size read does not change with the scale.
TEST_F(Canvas, SameLayoutAtEveryScale) {
    Beschriftung* b = canvas.neueBeschriftung();
    b->setAutoSize(true);
    b->setBackStyle(0);
    b->setForeColor(kSchwarz);
    b->setCaption("Rosa canina, Hundsrose\r\nRosaceae");
    const QSizeF mm(b->Width(), b->Height());
    QRect tinten[2];
    for (int i = 0; i < 2; ++i) {
        const double massstab = 4.0 * (i + 1);
        QImage img(1000, 300, QImage::Format_RGB32);
        img.fill(Qt::white);
        QPainter p(&img);
        canvas.zeichnen(p, massstab);
        p.end();
        tinten[i] = tinte(img);
        ASSERT_FALSE(tinten[i].isNull());
        EXPECT_LE(tinten[i].right(), std::ceil(mm.width() * massstab));
        EXPECT_LE(tinten[i].bottom(), std::ceil(mm.height() * massstab));
    }
    EXPECT_NEAR(tinten[1].width(), 2.0 * tinten[0].width(), 3.0);
    EXPECT_NEAR(tinten[1].height(), 2.0 * tinten[0].height(), 3.0);
    EXPECT_EQ(QSizeF(b->Width(), b->Height()), mm);
}

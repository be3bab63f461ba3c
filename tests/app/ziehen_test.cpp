// Moving label elements with the mouse, driven by synthetic mouse events on
// the label window's canvas inside the real main window.
#include "tests/app/maus_fixture.h"
#include "tests/label/schild_fixture.h"
#include "tools/frmTools.h"

#include <QMdiArea>
#include <cmath>

namespace sorvo::test {
namespace {

class ZiehenTest : public SchildMausTest {
protected:
    Beschriftung& text(double links, double oben, double breite = 30, double hoehe = 5) {
        P().lngAktivesSchild = m_n;
        return festerText(*m_f, links, oben, breite, hoehe);
    }

    // A press, move or release on the label's canvas.
    void maus(QEvent::Type typ, QPointF lokal, Qt::MouseButton knopf,
              std::optional<QPointF> global = std::nullopt) {
        test::maus(flaeche(), typ, lokal, knopf, Qt::NoModifier, global);
    }

    bool allesFrei() const {
        for (int32_t i = 1; i <= m_f->hoechsterText(); ++i)
            if (!m_f->lblText(i).Enabled())
                return false;
        return m_mdi->werkzeuge()->isVisible();
    }
};

TEST_F(ZiehenTest, DragMovesElementToWholeMillimetresKeepingTheGrabbedPoint) {
    const int32_t anderes = neuesSchild();
    m_f->SetFocus();
    QApplication::processEvents();
    Beschriftung& t = text(10.3, 5.2);
    Beschriftung& zweiter = text(50, 40);
    const QPointF druck(45, 23); // pixels, inside the text
    ASSERT_TRUE(t.enthaelt(druck / ppm()));
    maus(QEvent::MouseButtonPress, druck, Qt::LeftButton);

    // Frozen while dragging: the element hidden, the others and every other
    // window disabled, the tool window hidden.
    EXPECT_EQ(m_f->gezogenesElement(), &t);
    EXPECT_FALSE(t.Visible());
    EXPECT_FALSE(zweiter.Enabled());
    EXPECT_FALSE(Schild(anderes).isEnabled());
    EXPECT_TRUE(m_f->isEnabled());
    EXPECT_FALSE(m_mdi->werkzeuge()->isVisible());
    EXPECT_EQ(S(m_n).lngAktuellerText, 1);

    const QPointF los(120, 60);
    maus(QEvent::MouseMove, QPointF(80, 40), Qt::LeftButton);
    maus(QEvent::MouseButtonRelease, los, Qt::LeftButton);

    // The grabbed point stays under the pointer: moved by the pointer's way,
    // then rounded to whole millimetres.
    EXPECT_EQ(t.Left(), std::floor(10.3 + (los.x() - druck.x()) / ppm() + 0.5));
    EXPECT_EQ(t.Top(), std::floor(5.2 + (los.y() - druck.y()) / ppm() + 0.5));
    EXPECT_EQ(t.Left(), 30); // 10.3 + 75 px at 96 dpi
    EXPECT_EQ(t.Top(), 15);
    EXPECT_EQ(m_f->gezogenesElement(), nullptr);
    EXPECT_TRUE(t.Visible());
    EXPECT_TRUE(allesFrei());
    EXPECT_TRUE(Schild(anderes).isEnabled());
    EXPECT_TRUE(S(m_n).blnGeaendert);
    EXPECT_EQ(m_f->Caption(), "Schild 1*");
}

TEST_F(ZiehenTest, ClickWithoutMoveSnapsFitsAndMarksChangedOnlyWhenSomethingMoved) {
    const struct {
        double links, oben, breite;
        double nachLinks, nachOben, nachBreite;
        bool geaendert;
    } faelle[] = {
        {12.5, 7.4, 30, 13, 7, 30, true},   // half a millimetre goes up
        {90.4, 3.6, 20, 90, 4, 9, true},    // ends past W - 1 after the snap: 100 - 90 - 1
        {-3.4, 50.5, 30, -2, 51, 30, true}, // rounding truncates towards zero
        {20, 30, 30, 20, 30, 30, false},    // already on whole millimetres and inside
    };
    for (const auto& c : faelle) {
        Beschriftung& t = text(c.links, c.oben, c.breite);
        S(m_n).blnGeaendert = false;
        // Inside the element and the label, 2 mm in from its visible part.
        const QPointF mitte = pixel(std::max(c.links, 0.0) + 2, c.oben + 2.5);
        maus(QEvent::MouseButtonPress, mitte, Qt::LeftButton);
        maus(QEvent::MouseButtonRelease, mitte, Qt::LeftButton);
        EXPECT_EQ(t.Left(), c.nachLinks) << c.links;
        EXPECT_EQ(t.Top(), c.nachOben) << c.oben;
        EXPECT_FLOAT_EQ(t.Width(), c.nachBreite) << c.links;
        EXPECT_TRUE(t.Visible());
        EXPECT_EQ(S(m_n).blnGeaendert, c.geaendert) << c.links;
        m_f->TextLoeschen(S(m_n).lngAktuellerText);
    }
}

TEST_F(ZiehenTest, DropMayLeaveElementPartlyOffTheLabel) {
    Beschriftung& t = text(2, 2);
    // Grabbed 20 mm inside, dropped with the pointer 5 mm from the left edge.
    maus(QEvent::MouseButtonPress, pixel(22, 4), Qt::LeftButton);
    maus(QEvent::MouseButtonRelease, pixel(5, 4), Qt::LeftButton);
    // 2 + 5 - 22 = -15, rounded as -15 + 0.5 truncated towards zero.
    EXPECT_EQ(t.Left(), -14);
    EXPECT_FLOAT_EQ(t.Width(), 30);
}

TEST_F(ZiehenTest, DroppedBeyondTheLabelInATiledWindowItIsDrawnAndCanBeGrabbedAgain) {
    // Tiled alone, the window shows far more than its 100 x 60 mm label.
    m_mdi->mnuFensterNebeneinander_Click();
    QApplication::processEvents();
    ASSERT_GT(flaeche()->width(), pixel(200, 0).x());
    ASSERT_GT(flaeche()->height(), pixel(0, 80).y());
    m_f->SetFocus();
    // A self-sizing text as the tool window makes it: black, no background.
    Beschriftung& t = textAnlegen(m_n, QStringLiteral("Rose"), 10, 10);
    const double breite = t.Width();

    maus(QEvent::MouseButtonPress, pixel(12, 12), Qt::LeftButton);
    maus(QEvent::MouseButtonRelease, pixel(163, 12), Qt::LeftButton);
    ASSERT_EQ(t.Left(), 161);
    EXPECT_TRUE(t.Visible());
    // Not narrowed to nothing by the fitting: it keeps its one line.
    EXPECT_DOUBLE_EQ(t.Width(), breite);
    EXPECT_FALSE(t.WordWrap());
    EXPECT_TRUE(S(m_n).blnGeaendert);

    // Drawn where it lies, over the shaded part beyond the label's edge,
    // which is drawn as a line; the label itself stays white.
    const QImage bild = flaeche()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRect r =
        QRectF(pixel(t.Left(), t.Top()), pixel(t.Left() + t.Width(), t.Top() + t.Height()))
            .toAlignedRect()
            .intersected(bild.rect());
    int tinte = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (qGray(bild.pixel(x, y)) < 80)
                ++tinte;
    EXPECT_GT(tinte, 20);
    const auto farbe = [&bild](QPointF p) { return QColor(bild.pixel(p.toPoint())); };
    EXPECT_EQ(farbe(pixel(50, 30)), QColor(Qt::white));
    EXPECT_NE(farbe(pixel(150, 40)), QColor(Qt::white));
    EXPECT_NE(farbe(pixel(50, 70)), QColor(Qt::white));
    const int kante = static_cast<int>(std::lround(100 * ppm()));
    EXPECT_EQ(QColor(bild.pixel(kante, 30)), QColor(96, 96, 96));
    EXPECT_EQ(QColor(bild.pixel(kante - 1, 30)), QColor(Qt::white));

    // Grabbed where the window shows it, and brought back onto the label.
    maus(QEvent::MouseButtonPress, pixel(163, 12), Qt::LeftButton);
    EXPECT_EQ(m_f->gezogenesElement(), &t);
    maus(QEvent::MouseButtonRelease, pixel(22, 32), Qt::LeftButton);
    EXPECT_EQ(t.Left(), 20);
    EXPECT_EQ(t.Top(), 30);
    EXPECT_TRUE(t.Visible());
    EXPECT_DOUBLE_EQ(t.Width(), breite);
}

TEST_F(ZiehenTest, ReleaseOutsideTheLabelAreaLeavesElementUnmovedAndUnfreezes) {
    const int32_t anderes = neuesSchild();
    Schild(anderes).move(500, 0);
    m_f->SetFocus();
    QApplication::processEvents();
    const QPoint ueberAnderem =
        Schild(anderes).flaeche()->mapToGlobal(QPoint(20, 20)); // another label's canvas
    const QPoint hintergrund = m_mdi->mdiBereich()->viewport()->mapToGlobal(QPoint(300, 600));
    const QPoint titel = m_f->mapToGlobal(QPoint(40, 5)); // the window's own title bar
    const struct {
        const char* wo;
        QPointF global;
        Qt::MouseButton knopf;
    } faelle[] = {
        {"main window background", hintergrund, Qt::LeftButton},
        {"another label window", ueberAnderem, Qt::LeftButton},
        {"title bar of the label window", titel, Qt::LeftButton},
        {"outside the program", QPointF(-4000, -4000), Qt::LeftButton},
        {"right button released", hintergrund, Qt::RightButton},
    };
    for (const auto& c : faelle) {
        Beschriftung& t = text(10.4, 5.6);
        maus(QEvent::MouseButtonPress, pixel(12, 7), Qt::LeftButton);
        ASSERT_FALSE(t.Visible());
        const QPointF lokal = m_f->flaeche()->mapFromGlobal(c.global);
        maus(QEvent::MouseButtonRelease, lokal, c.knopf, c.global);
        EXPECT_EQ(m_f->gezogenesElement(), nullptr) << c.wo;
        EXPECT_DOUBLE_EQ(t.Left(), 10.4) << c.wo;
        EXPECT_DOUBLE_EQ(t.Top(), 5.6) << c.wo;
        EXPECT_TRUE(t.Visible()) << c.wo;
        EXPECT_TRUE(allesFrei()) << c.wo;
        EXPECT_TRUE(Schild(anderes).isEnabled()) << c.wo;
        EXPECT_FALSE(S(m_n).blnGeaendert) << c.wo;
        EXPECT_EQ(m_f->Caption(), "Schild 1") << c.wo;
        m_f->TextLoeschen(S(m_n).lngAktuellerText);
    }
}

TEST_F(ZiehenTest, WindowHiddenDuringADragEndsIt) {
    const int32_t anderes = neuesSchild();
    m_f->SetFocus();
    QApplication::processEvents();
    Beschriftung& t = text(10.4, 5.6);
    maus(QEvent::MouseButtonPress, pixel(12, 7), Qt::LeftButton);
    ASSERT_FALSE(Schild(anderes).isEnabled());
    m_f->hide();
    EXPECT_EQ(m_f->gezogenesElement(), nullptr);
    EXPECT_TRUE(t.Visible());
    EXPECT_DOUBLE_EQ(t.Left(), 10.4);
    EXPECT_TRUE(allesFrei());
    EXPECT_TRUE(Schild(anderes).isEnabled());
    // A late release does nothing more.
    maus(QEvent::MouseButtonRelease, pixel(30, 20), Qt::LeftButton);
    EXPECT_DOUBLE_EQ(t.Left(), 10.4);
    EXPECT_TRUE(unveraendert());
}

TEST_F(ZiehenTest, DoubleClickHandsElementToEditing) {
    AufzeichnendeBearbeitung b;
    nachbarn().bearbeitung = &b;
    text(10, 10);
    Beschriftung& zwei = text(40, 30);
    const int32_t anderes = neuesSchild();
    ASSERT_EQ(P().lngAktivesSchild, anderes);
    P().strElementNummer = QStringLiteral("7");

    // Press, release, double-click, release, as the canvas reports it.
    const QPointF punkt = pixel(45, 32);
    maus(QEvent::MouseButtonPress, punkt, Qt::LeftButton);
    maus(QEvent::MouseButtonRelease, punkt, Qt::LeftButton);
    maus(QEvent::MouseButtonDblClick, punkt, Qt::LeftButton);
    maus(QEvent::MouseButtonRelease, punkt, Qt::LeftButton);

    ASSERT_EQ(b.geladen.size(), 1u);
    EXPECT_EQ(b.geladen[0], std::make_pair(int32_t{ArtText}, int32_t{2}));
    EXPECT_EQ(P().lngAktivesSchild, m_n);
    EXPECT_EQ(P().strElementNummer, "2");
    EXPECT_TRUE(zwei.Visible());
    EXPECT_EQ(m_f->gezogenesElement(), nullptr);

    // Without anyone to edit, a double-click does no harm.
    nachbarn().bearbeitung = nullptr;
    maus(QEvent::MouseButtonDblClick, punkt, Qt::LeftButton);
    maus(QEvent::MouseButtonRelease, punkt, Qt::LeftButton);
    EXPECT_EQ(b.geladen.size(), 1u);
}

} // namespace
} // namespace sorvo::test

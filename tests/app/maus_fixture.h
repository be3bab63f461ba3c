#pragma once
// A label window of 100 x 60 mm in the real main window, current and at the
// top left of the client area, and synthetic mouse events for it.
#include "label/nachbarn.h"
#include "platform/canvas.h"
#include "tests/app/mdi_fixture.h"

#include <QApplication>
#include <QMouseEvent>
#include <optional>
#include <utility>
#include <vector>

namespace sorvo::test {

// Records the elements handed over for editing.
struct AufzeichnendeBearbeitung : ElementBearbeitung {
    std::vector<std::pair<int32_t, int32_t>> geladen;
    void ElementLaden(int32_t art, int32_t index) override { geladen.emplace_back(art, index); }
};

// Sends a mouse event to w; global is where the pointer is on the screen
// (by default the point of w). A move reports knopf as held.
inline void maus(QWidget* w, QEvent::Type typ, QPointF lokal, Qt::MouseButton knopf,
                 Qt::KeyboardModifiers umschalt = Qt::NoModifier,
                 std::optional<QPointF> global = std::nullopt) {
    const Qt::MouseButtons gehalten =
        typ == QEvent::MouseButtonRelease ? Qt::MouseButtons() : Qt::MouseButtons(knopf);
    QMouseEvent e(typ, lokal, global ? *global : w->mapToGlobal(lokal),
                  typ == QEvent::MouseMove ? Qt::NoButton : knopf, gehalten, umschalt);
    QApplication::sendEvent(w, &e);
}

class SchildMausTest : public MdiTest {
protected:
    void SetUp() override {
        MdiTest::SetUp();
        starten();
        m_n = neuesSchild(QStringLiteral("100"), QStringLiteral("60"));
        m_f = &Schild(m_n);
        m_f->move(0, 0);
        m_f->SetFocus();
        QApplication::processEvents();
        P().blnWerkzeugFensterFolgt = false;
        P().lngAktivesSchild = m_n;
        m_f->setCaption(QStringLiteral("Schild 1"));
        S(m_n).blnGeaendert = false;
    }

    ElementCanvas* flaeche() const { return m_f->flaeche(); }
    double ppm() const { return flaeche()->pixelProMm(); }
    QPointF pixel(double xMm, double yMm) const { return {xMm * ppm(), yMm * ppm()}; }
    bool unveraendert() const { return !S(m_n).blnGeaendert && m_f->Caption() == "Schild 1"; }

    int32_t m_n = 0;
    frmLabel* m_f = nullptr;
};

} // namespace sorvo::test

// Marking the element being edited, and moving elements with the mouse.
//
// A drag is our own mouse grab: the press on an element hides it and
// freezes the rest of the user interface, the canvas keeps reporting the
// pointer while the button is held, and the release ends the drag wherever
// it happens. Released over this window's label area it is a drop; anywhere
// else the element comes back unmoved, so no release leaves the interface
// frozen or the element hidden.
#include "label/frmLabel.h"
#include "label/nachbarn.h"
#include "label/programm.h"
#include "label/unterprogramme.h"
#include "platform/canvas.h"

#include <QApplication>
#include <QRubberBand>
#include <cmath>
#include <tuple>
#include <utility>

namespace sorvo {

namespace {

constexpr Farbe kMarkeGrau = RGB(192, 192, 192);
constexpr Farbe kMarkeRosa = RGB(255, 128, 128);

// The mark must differ from the element's own colour.
void markieren(Beschriftung& c) {
    c.setBackColor(c.BackColor() != kMarkeGrau ? kMarkeGrau : kMarkeRosa);
}

void entmarkieren(Beschriftung& c) {
    const auto* w = nachbarn().werkzeuge;
    if (!(w && w->blnHFarbeAenderung))
        c.setBackColor(P().lngAltHintergrundFarbe);
}

// The current text or data field of the current window, if it names one.
Beschriftung* aktuellesElement(bool datenfeld) {
    const int32_t w = P().lngAktivesSchild;
    if (w < 1 || w > P().hoechstesSchild())
        return nullptr;
    frmLabel& f = Schild(w);
    const int32_t i = datenfeld ? S(w).lngAktuellesDatenfeld : S(w).lngAktuellerText;
    const int32_t hoechster = datenfeld ? f.hoechstesDatenfeld() : f.hoechsterText();
    if (i < 1 || i > hoechster)
        return nullptr;
    return datenfeld ? &f.lblDatenfeld(i) : &f.lblText(i);
}

void elementeAktivieren(frmLabel& f, bool aktiv) {
    for (int32_t i = 1; i <= f.hoechsterText(); ++i)
        f.lblText(i).setEnabled(aktiv);
    for (int32_t i = 1; i <= f.hoechstesDatenfeld(); ++i)
        f.lblDatenfeld(i).setEnabled(aktiv);
    for (int32_t i = 1; i <= f.hoechstesBild(); ++i)
        f.imgBild(i).setEnabled(aktiv);
}

void allesZiehen(bool beginnen) {
    const auto& p = P();
    for (int32_t i = 1; i <= p.hoechstesSchild(); ++i) {
        frmLabel* f = p.Schilder[i].frmSchilder;
        if (!f)
            continue;
        if (i != p.lngAktivesSchild)
            f->setEnabled(!beginnen);
        elementeAktivieren(*f, !beginnen);
    }
}

// Swaps the code with its neighbour at offset +1 (up) or -1 (down).
void ebeneVerschieben(int32_t code, int richtung) {
    const int32_t w = P().lngAktivesSchild;
    auto& e = S(w);
    auto& r = e.lngReihenfolge;
    const int32_t m = std::min<int32_t>(e.lngReihenfolgeAnzahl, static_cast<int32_t>(r.size()) - 1);
    for (int32_t p = 1; p <= m; ++p) {
        const int32_t q = p + richtung;
        if (r[p] == code && q >= 1 && q <= m) {
            std::swap(r[p], r[q]);
            break;
        }
    }
    ReihenfolgeHerstellen();
}

} // namespace

void frmLabel::Markierung_Ein() {
    if (Beschriftung* c = aktuellesElement(false))
        markieren(*c);
    lngTextMarkiert = 1;
}

void frmLabel::Markierung_Aus() {
    if (Beschriftung* c = aktuellesElement(false))
        entmarkieren(*c);
    lngTextMarkiert = 0;
}

void frmLabel::DfMarkierung_Ein() {
    if (Beschriftung* c = aktuellesElement(true))
        markieren(*c);
}

void frmLabel::DfMarkierung_Aus() {
    if (Beschriftung* c = aktuellesElement(true))
        entmarkieren(*c);
}

void ZiehenBeginnen() {
    if (auto* w = nachbarn().werkzeuge)
        w->setVisible(false);
    allesZiehen(true);
}

void ZiehenBeenden() {
    if (auto* w = nachbarn().werkzeuge)
        w->setVisible(true);
    allesZiehen(false);
}

void EbeneHoeher(int32_t code) {
    ebeneVerschieben(code, +1);
}

void EbeneTiefer(int32_t code) {
    ebeneVerschieben(code, -1);
}

double frmLabel::verhaeltnisX() const {
    const double innen = ScaleWidth();
    return innen > 0 ? Width() / innen : kTwipsProMm;
}

double frmLabel::verhaeltnisY() const {
    const double innen = ScaleHeight();
    return innen > 0 ? Height() / innen : kTwipsProMm;
}

void frmLabel::ziehenStarten(Steuerelement& e, QPointF pos) {
    e.setVisible(false);
    sngGreifX = pos.x() * verhaeltnisX();
    sngGreifY = pos.y() * verhaeltnisY();
    m_gezogen = &e;
    ZiehenBeginnen();
    // The element's outline follows the pointer in place of the element.
    if (!m_umriss) {
        m_umriss = new QRubberBand(QRubberBand::Rectangle, m_flaeche);
        m_umriss->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    const double s = m_flaeche->pixelProMm();
    m_umriss->setGeometry(
        QRectF(e.Left() * s, e.Top() * s, e.Width() * s, e.Height() * s).toAlignedRect());
    m_umriss->show();
}

void frmLabel::ziehenFolgen(QPointF mm) {
    if (!m_gezogen || !m_umriss)
        return;
    const double s = m_flaeche->pixelProMm();
    const QPointF links(mm.x() - sngGreifX / verhaeltnisX(), mm.y() - sngGreifY / verhaeltnisY());
    m_umriss->move((links * s).toPoint());
}

bool frmLabel::ueberFlaeche(QPointF global) const {
    if (nummer() != P().lngAktivesSchild || !m_flaeche->isVisible())
        return false;
    // The widget really under the pointer: a window lying over this one, or
    // a point outside the program, is no drop on this label.
    const QWidget* unter = QApplication::widgetAt(global.toPoint());
    return unter && (unter == m_flaeche || m_flaeche->isAncestorOf(unter));
}

void frmLabel::ziehenLoslassen(QPointF mm, QPointF global) {
    if (!m_gezogen)
        return;
    if (!ueberFlaeche(global)) {
        ziehenAbbrechen();
        return;
    }
    Steuerelement* e = std::exchange(m_gezogen, nullptr);
    if (m_umriss)
        m_umriss->hide();
    Form_DragDrop(*e, mm.x(), mm.y());
}

void frmLabel::ziehenAbbrechen() {
    Steuerelement* e = std::exchange(m_gezogen, nullptr);
    if (!e)
        return;
    if (m_umriss)
        m_umriss->hide();
    ZiehenBeenden();
    e->setVisible(true);
}

void frmLabel::hideEvent(QHideEvent* e) {
    // A window closed by the keyboard in the middle of a drag never gets the
    // release.
    ziehenAbbrechen();
    aktivierungVergessen();
    QMdiSubWindow::hideEvent(e);
}

void frmLabel::Form_DragDrop(Steuerelement& Source, double X, double Y) {
    frmLabel& f = Schild(P().lngAktivesSchild);
    // Whole millimetres, rounded as single values so that a click without a
    // move does not fall below a half through the offset's round trip. No
    // clamping: an element may be put partly off the label.
    const int32_t links = Runden(static_cast<float>(X - sngGreifX / f.verhaeltnisX()));
    const int32_t oben = Runden(static_cast<float>(Y - sngGreifY / f.verhaeltnisY()));
    const auto vorher =
        std::make_tuple(Source.Left(), Source.Top(), Source.Width(), Source.Height());
    Source.setLeft(links);
    Source.setTop(oben);
    f.ObjekteAusrichten();
    Source.setVisible(true);
    ZiehenBeenden();
    // A click (the first half of a double-click too) drops the element where
    // it lay: that changes nothing and must not mark the label as changed.
    if (std::make_tuple(Source.Left(), Source.Top(), Source.Width(), Source.Height()) != vorher)
        SchildGeaendert();
    f.SetFocus();
}

} // namespace sorvo

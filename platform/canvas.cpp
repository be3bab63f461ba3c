#include "platform/canvas.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace sorvo {

ElementCanvas::ElementCanvas(QWidget* parent) : QWidget(parent) {
    setAutoFillBackground(true);
}

ElementCanvas::~ElementCanvas() = default;

template <class T> T* ElementCanvas::hinzufuegen(std::unique_ptr<T> element) {
    T* roh = element.get();
    elemente_.push_back(std::move(element));
    stapel_.push_back(roh);
    if (roh->Visible())
        update();
    return roh;
}

Beschriftung* ElementCanvas::neueBeschriftung() {
    return hinzufuegen(std::unique_ptr<Beschriftung>(new Beschriftung(this)));
}

Bild* ElementCanvas::neuesBild() {
    return hinzufuegen(std::unique_ptr<Bild>(new Bild(this)));
}

Beschriftung* ElementCanvas::neueBeschriftung(const Beschriftung& vorlage) {
    std::unique_ptr<Beschriftung> neu(new Beschriftung(this));
    neu->uebernehmen(vorlage);
    return hinzufuegen(std::move(neu));
}

Bild* ElementCanvas::neuesBild(const Bild& vorlage) {
    std::unique_ptr<Bild> neu(new Bild(this));
    neu->uebernehmen(vorlage);
    return hinzufuegen(std::move(neu));
}

void ElementCanvas::nachVorne(Steuerelement* element) {
    const auto it = std::find(stapel_.begin(), stapel_.end(), element);
    if (it == stapel_.end() || it + 1 == stapel_.end())
        return;
    std::rotate(it, it + 1, stapel_.end());
    if (element->Visible())
        update();
}

Steuerelement* ElementCanvas::elementBei(const QPointF& mm) const {
    for (auto it = stapel_.rbegin(); it != stapel_.rend(); ++it) {
        Steuerelement* e = *it;
        if (e->Visible() && e->Enabled() && e->enthaelt(mm))
            return e;
    }
    return nullptr;
}

double ElementCanvas::pixelProMm() const {
    return logicalDpiX() / 25.4;
}

double ElementCanvas::ScaleWidth() const {
    return width() / pixelProMm();
}

double ElementCanvas::ScaleHeight() const {
    return height() / pixelProMm();
}

QPointF ElementCanvas::zuMm(const QPointF& pixel) const {
    return pixel / pixelProMm();
}

void ElementCanvas::zeichnen(QPainter& p, double pixelProMm, const QRectF& bereich) const {
    // A locked label window looks as it is: its system colours are not
    // greyed like a disabled control's.
    QPalette pal = palette();
    pal.setCurrentColorGroup(QPalette::Active);
    for (const Steuerelement* e : stapel_) {
        if (!e->Visible())
            continue;
        if (!bereich.isNull()) {
            const QRectF r = e->rechteck();
            // One pixel more for the frame and rounding.
            const QRectF px(r.x() * pixelProMm - 1.0, r.y() * pixelProMm - 1.0,
                            r.width() * pixelProMm + 2.0, r.height() * pixelProMm + 2.0);
            if (!px.intersects(bereich))
                continue;
        }
        e->zeichnen(p, pixelProMm, pal);
    }
}

void ElementCanvas::setEtikett(const QSizeF& mm) {
    if (mm == etikett_)
        return;
    etikett_ = mm;
    update();
}

void ElementCanvas::randZeichnen(QPainter& p) const {
    if (etikett_.isEmpty())
        return;
    const int b = static_cast<int>(std::lround(etikett_.width() * pixelProMm()));
    const int h = static_cast<int>(std::lround(etikett_.height() * pixelProMm()));
    // A window sized for the label may come out a pixel larger; only a
    // real overhang is marked.
    constexpr int kMindestens = 2;
    const bool rechts = width() - b >= kMindestens;
    const bool unten = height() - h >= kMindestens;
    if (!rechts && !unten)
        return;
    const QRegion ausserhalb =
        QRegion(rect()) - QRegion(0, 0, rechts ? b : width(), unten ? h : height());
    p.save();
    p.setClipRegion(ausserhalb);
    p.fillRect(rect(), QColor(224, 224, 224));
    p.fillRect(rect(), QBrush(QColor(192, 192, 192), Qt::BDiagPattern));
    p.setClipping(false);
    p.setPen(QPen(QColor(96, 96, 96), 0));
    if (rechts)
        p.drawLine(b, 0, b, unten ? h : height());
    if (unten)
        p.drawLine(0, h, rechts ? b : width(), h);
    p.restore();
}

void ElementCanvas::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    randZeichnen(p);
    zeichnen(p, pixelProMm(), QRectF(event->rect()));
}

void ElementCanvas::hideEvent(QHideEvent* event) {
    for (const auto& e : elemente_)
        e->cachesFreigeben();
    QWidget::hideEvent(event);
}

void ElementCanvas::mousePressEvent(QMouseEvent* event) {
    const QPointF mm = zuMm(event->position());
    if (Steuerelement* e = elementBei(mm))
        emit elementGedrueckt(e, event->button(), event->modifiers(),
                              mm - QPointF(e->Left(), e->Top()));
    else
        emit hintergrundGedrueckt(event->button(), event->modifiers(), mm);
}

void ElementCanvas::mouseDoubleClickEvent(QMouseEvent* event) {
    const QPointF mm = zuMm(event->position());
    if (Steuerelement* e = elementBei(mm))
        emit elementDoppelklick(e, event->button(), event->modifiers(),
                                mm - QPointF(e->Left(), e->Top()));
}

void ElementCanvas::mouseMoveEvent(QMouseEvent* event) {
    emit mausBewegt(zuMm(event->position()), event->globalPosition(), event->buttons(),
                    event->modifiers());
}

void ElementCanvas::mouseReleaseEvent(QMouseEvent* event) {
    emit losgelassen(event->button(), event->modifiers(), zuMm(event->position()),
                     event->globalPosition());
}

} // namespace sorvo

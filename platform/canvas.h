#pragma once
// The client area of a label window: a millimetre scale, the element
// controls in one stacking order, and the mouse reported per control.
//
// The canvas reports the mouse and does nothing else with it: the label
// window builds its own drag from a press on a control, the moves and the
// release (no blocking drag loop), so every release ends a drag and tests can
// drive it with synthetic mouse events. While a button is held the canvas
// keeps receiving moves and the release, also outside its area; positions
// there lie outside 0 .. ScaleWidth / ScaleHeight or are negative.
//
// A double-click reports, in order: press, release, double-click, release.
// The double-click replaces the second press, as on the platform the program
// was designed for; on the background it reports nothing.
#include "platform/elements.h"

#include <QPointF>
#include <QSizeF>
#include <QWidget>
#include <memory>
#include <vector>

namespace sorvo {

class ElementCanvas : public QWidget {
    Q_OBJECT

public:
    explicit ElementCanvas(QWidget* parent = nullptr);
    ~ElementCanvas() override;

    // New controls lie on top of all others. They are visible, at 0, 0 with
    // size 0; they stay until the canvas is destroyed.
    Beschriftung* neueBeschriftung();
    Bild* neuesBild();
    // Copies: every property of the model, but invisible.
    Beschriftung* neueBeschriftung(const Beschriftung& vorlage);
    Bild* neuesBild(const Bild& vorlage);

    // Stacking order, bottom first; both kinds share it.
    const std::vector<Steuerelement*>& stapel() const { return stapel_; }
    // Puts a control on top of all others. Controls of another canvas are ignored.
    void nachVorne(Steuerelement* element);

    // The topmost visible and enabled control at a point in millimetres, or
    // nullptr for the background.
    Steuerelement* elementBei(const QPointF& mm) const;

    // Pixels per millimetre, from the widget's logical resolution.
    double pixelProMm() const;
    // Inner width and height in millimetres.
    double ScaleWidth() const;
    double ScaleHeight() const;
    QPointF zuMm(const QPointF& pixel) const;

    // The label's size in millimetres. Where the canvas is larger than the
    // label, the part beyond its edge is shaded and the edge drawn as a
    // line, so that elements lying there are seen as off the label. An empty
    // size (the default) draws no edge.
    void setEtikett(const QSizeF& mm);
    QSizeF etikett() const { return etikett_; }

    // Draws the visible controls in stacking order at any scale, e.g. into an
    // image; bereich (pixels) limits drawing to the controls that touch it.
    void zeichnen(QPainter& p, double pixelProMm, const QRectF& bereich = QRectF()) const;

signals:
    // A press on a control; imElement is the pointer's position relative to
    // the control's top left corner, in millimetres.
    void elementGedrueckt(sorvo::Steuerelement* element, Qt::MouseButton knopf,
                          Qt::KeyboardModifiers umschalt, QPointF imElement);
    // A press on the background, at a position in the canvas's millimetres.
    void hintergrundGedrueckt(Qt::MouseButton knopf, Qt::KeyboardModifiers umschalt, QPointF mm);
    void elementDoppelklick(sorvo::Steuerelement* element, Qt::MouseButton knopf,
                            Qt::KeyboardModifiers umschalt, QPointF imElement);
    // Moves while a button is held; global is the pointer in screen pixels.
    void mausBewegt(QPointF mm, QPointF global, Qt::MouseButtons knoepfe,
                    Qt::KeyboardModifiers umschalt);
    void losgelassen(Qt::MouseButton knopf, Qt::KeyboardModifiers umschalt, QPointF mm,
                     QPointF global);

protected:
    void paintEvent(QPaintEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    template <class T> T* hinzufuegen(std::unique_ptr<T> element);
    void randZeichnen(QPainter& p) const;

    std::vector<std::unique_ptr<Steuerelement>> elemente_;
    std::vector<Steuerelement*> stapel_;
    QSizeF etikett_;
};

} // namespace sorvo

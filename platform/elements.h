#pragma once
// The element controls of a label window: a caption control (Beschriftung)
// and an image control (Bild). They are plain objects, not widgets: a label
// window holds up to 130 of them and a run may open a thousand windows. The
// window's ElementCanvas owns them, draws them in stacking order and
// hit-tests the mouse for them.
//
// All geometry is in the canvas's millimetres, held exactly as set (12.5 stays
// 12.5). The property names follow the controls the program was designed
// for, so that code using them reads like its description.
#include "platform/colour.h"

#include <QImage>
#include <QPalette>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <cstdint>
#include <memory>

class QPainter;

namespace sorvo {

class ElementCanvas;
class Satzspeicher;

// Text is measured at this resolution, whatever the screen, so that a size in
// millimetres is the same on every screen and in print.
inline constexpr double kMessDpi = 1200.0;

class Steuerelement {
public:
    enum class Art { Beschriftung, Bild };

    virtual ~Steuerelement();
    Steuerelement(const Steuerelement&) = delete;
    Steuerelement& operator=(const Steuerelement&) = delete;

    virtual Art art() const = 0;

    double Left() const { return links_; }
    double Top() const { return oben_; }
    double Width() const {
        anpassen();
        return breite_;
    }
    double Height() const {
        anpassen();
        return hoehe_;
    }
    void setLeft(double mm);
    void setTop(double mm);
    // A negative size is taken as 0.
    void setWidth(double mm);
    void setHeight(double mm);

    bool Visible() const { return sichtbar_; }
    void setVisible(bool ja);
    // A disabled control is drawn as usual but lets the mouse through.
    bool Enabled() const { return aktiv_; }
    void setEnabled(bool ja);

    // 0 none, 1 a single line inside the control's edge (not part of any
    // size). Other values are ignored.
    int BorderStyle() const { return rahmen_; }
    void setBorderStyle(int stil);

    // A number free for the owner, e.g. the element code the control stands for.
    int32_t Kennung() const { return kennung_; }
    void setKennung(int32_t k) { kennung_ = k; }

    ElementCanvas* canvas() const { return canvas_; }

    // The control's rectangle in millimetres; a point on its left or top edge
    // lies inside, one on its right or bottom edge outside.
    QRectF rechteck() const { return {Left(), Top(), Width(), Height()}; }
    bool enthaelt(const QPointF& mm) const;

    // Draws the control on a painter in pixels, at pixelProMm pixels per
    // millimetre; system colours come from the palette.
    virtual void zeichnen(QPainter& p, double pixelProMm, const QPalette& palette) const = 0;
    // Drops what can be rebuilt (text layouts, scaled pictures); a hidden
    // label window keeps only its numbers.
    virtual void cachesFreigeben() const {}

protected:
    explicit Steuerelement(ElementCanvas* canvas) : canvas_(canvas) {}

    // Asks the canvas for a repaint when the control can be seen.
    void neuZeichnen() const;
    // Brings a self-sizing control's size up to date before it is read or
    // overwritten; sizing is lazy so that a row of property changes measures
    // the text once.
    void anpassen() const {
        if (groesseVeraltet_)
            groesseBerechnen();
    }
    virtual void groesseBerechnen() const { groesseVeraltet_ = false; }
    // Hook for a control whose size depends on its width.
    virtual void breiteGesetzt() {}
    // Integer pixel rectangle of the control at a scale; fill and frame use the
    // same one so that they meet exactly.
    QRect pixelRechteck(double pixelProMm) const;
    void rahmenZeichnen(QPainter& p, const QRect& r) const;
    void geometrieUebernehmen(const Steuerelement& vorlage);

    mutable double breite_ = 0.0;
    mutable double hoehe_ = 0.0;
    mutable bool groesseVeraltet_ = false;

private:
    ElementCanvas* canvas_;
    double links_ = 0.0;
    double oben_ = 0.0;
    bool sichtbar_ = true;
    bool aktiv_ = true;
    int rahmen_ = 0;
    int32_t kennung_ = 0;
};

// The look of a caption control: font, colours, background, frame and
// alignment; not its place, size, caption or wrapping. Copied from one control
// to another, and written to and read from templates, as one value.
struct Aussehen {
    QString schrift;
    double groesse = 0;
    bool fett = false;
    bool kursiv = false;
    bool unterstrichen = false;
    Farbe vordergrund = 0;
    Farbe hintergrund = 0;
    int hintergrundArt = 0; // BackStyle
    int rahmen = 0;         // BorderStyle
    int ausrichtung = 0;    // Alignment
    bool operator==(const Aussehen&) const = default;
};

// A caption control. AutoSize with WordWrap off: the control takes the width
// and height of its unwrapped text. AutoSize with WordWrap on: it keeps its
// width and takes the height of the text wrapped at that width. AutoSize off:
// the size stays as set and the text wraps at the control's width, clipped to
// the control. Setting the caption, a font property, WordWrap or AutoSize on
// fits a self-sizing control again, even to an unchanged value; setting the
// width of a wrapping self-sizing control fits its height. The frame is not
// part of the measure: a framed control has the size of its text.
class Beschriftung final : public Steuerelement {
public:
    Art art() const override { return Art::Beschriftung; }

    // CR LF, a lone CR and a lone LF each break the line.
    const QString& Caption() const { return text_; }
    void setCaption(const QString& text);

    const QString& FontName() const { return schriftName_; }
    // The name stays as given; the size is normalised for the new name.
    void setFontName(const QString& name);
    double FontSize() const { return schriftGroesse_; }
    // Normalised with schriftGroesseNormieren; a size not above 0 is ignored.
    void setFontSize(double punkte);
    bool FontBold() const { return fett_; }
    void setFontBold(bool ja);
    bool FontItalic() const { return kursiv_; }
    void setFontItalic(bool ja);
    bool FontUnderline() const { return unterstrichen_; }
    void setFontUnderline(bool ja);
    bool FontStrikethrough() const { return durchgestrichen_; }
    void setFontStrikethrough(bool ja);

    Farbe ForeColor() const { return vordergrund_; }
    void setForeColor(Farbe f);
    Farbe BackColor() const { return hintergrund_; }
    void setBackColor(Farbe f);
    // 0 transparent, 1 opaque; other values are ignored.
    int BackStyle() const { return deckend_; }
    void setBackStyle(int stil);
    // 0 left, 1 right, 2 centred; other values are ignored.
    int Alignment() const { return ausrichtung_; }
    void setAlignment(int a);

    Aussehen aussehen() const;
    // Font name before size, so that the size is normalised for that font.
    void setAussehen(const Aussehen& a);

    bool WordWrap() const { return umbruch_; }
    void setWordWrap(bool ja);
    bool AutoSize() const { return autoSize_; }
    void setAutoSize(bool ja);

    void zeichnen(QPainter& p, double pixelProMm, const QPalette& palette) const override;
    void cachesFreigeben() const override;

    ~Beschriftung() override;

private:
    friend class ElementCanvas;
    friend class Satzspeicher;
    explicit Beschriftung(ElementCanvas* canvas);
    // Takes every property of the other control (the canvas's copy).
    void uebernehmen(const Beschriftung& vorlage);

    struct Satz;
    // The text laid out at the measuring resolution; rebuilt only when the
    // caption, the font or the wrapping width changed. Controls showing the
    // same text in the same font at the same width share one layout, so
    // a text is shaped once however many labels and printed lines show it.
    const Satz& satz() const;
    // Wrapping width in measuring pixels, or a negative value for no wrapping.
    double umbruchBreite() const;
    // A layout input set: the layout is rebuilt only when its value changed,
    // the control is fitted again in any case.
    template <class T> void layoutWert(T& feld, const T& wert);
    void textGeaendert();
    void neuAnpassen();
    void groesseBerechnen() const override;
    void breiteGesetzt() override;

    QString text_;
    QString schriftName_;
    double schriftGroesse_;
    bool fett_ = false;
    bool kursiv_ = false;
    bool unterstrichen_ = false;
    bool durchgestrichen_ = false;
    Farbe vordergrund_;
    Farbe hintergrund_;
    int deckend_ = 1;
    int ausrichtung_ = 0;
    bool umbruch_ = false;
    bool autoSize_ = false;

    mutable std::shared_ptr<const Satz> satz_;
    mutable bool satzVeraltet_ = true;
};

// An image control: its picture is always stretched to Width x Height. A
// single-line border marks a picture.
class Bild final : public Steuerelement {
public:
    Art art() const override { return Art::Bild; }

    // A null image is no picture.
    const QImage& Picture() const { return bild_; }
    void setPicture(const QImage& bild);

    void zeichnen(QPainter& p, double pixelProMm, const QPalette& palette) const override;
    void cachesFreigeben() const override;

private:
    friend class ElementCanvas;
    explicit Bild(ElementCanvas* canvas) : Steuerelement(canvas) {}
    void uebernehmen(const Bild& vorlage);

    QImage bild_;
    // The picture scaled to the last drawn pixel size; scaling a photograph on
    // every paint would be slow.
    mutable QImage skaliert_;
};

} // namespace sorvo

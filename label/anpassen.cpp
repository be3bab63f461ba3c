// Fitting texts and data fields to the label, aligning all elements, and
// handing a data field's look over to a text.
#include "label/frmLabel.h"
#include "label/nachbarn.h"
#include "label/programm.h"
#include "label/unterprogramme.h"
#include "platform/canvas.h"

namespace sorvo {

namespace {

// Widths are compared and computed in single precision like the label's
// own sizes; a width below zero is never given to a control.
float breiteOderNull(float b) {
    return b < 0 ? 0.0f : b;
}

void anpassen(Beschriftung& c, int32_t maxBreite, float innenBreite, float rest, bool datenfeld) {
    if (maxBreite != 0) {
        c.setWidth(maxBreite);
        c.setWordWrap(true);
        c.setAutoSize(true);
        return;
    }
    if (auto* w = nachbarn().werkzeuge)
        w->maxBreiteLeeren(datenfeld);
    c.setWordWrap(false);
    c.setAutoSize(true);
    const float platz = innenBreite - static_cast<float>(c.Left()) - rest;
    if (innenBreite - 1.0f < static_cast<float>(c.Left()) + static_cast<float>(c.Width()) &&
        platz > 0) {
        c.setWidth(platz);
        c.setWordWrap(true);
        c.setAutoSize(true);
    }
}

void layoutLaden(Beschriftung& c, const QString& text) {
    c.setAutoSize(false);
    c.setWordWrap(false);
    c.setCaption(text);
    if (c.Left() < 0)
        c.setLeft(0);
}

// One text or data field inside the right edge (margin 1 mm). An element
// that starts where no room is left lies beyond the label's edge on purpose
// (a window may show more than the label): it keeps its size, so that it
// stays visible and can be grabbed again, instead of shrinking to nothing.
void ausrichten(Beschriftung& c, float W, int32_t m,
                const std::function<void(int32_t)>& maxSchreiben) {
    const float rechts = static_cast<float>(c.Left()) + static_cast<float>(c.Width());
    const float platz = W - static_cast<float>(c.Left()) - 1;
    if (m != 0) {
        if (rechts > W - 1 && platz > 0) {
            c.setWidth(platz);
            maxSchreiben(RundenGerade(c.Width()));
        }
        return;
    }
    c.setWordWrap(false);
    if (static_cast<float>(c.Left()) + static_cast<float>(c.Width()) > W - 1 && platz > 0) {
        c.setWidth(platz);
        c.setWordWrap(true);
    }
}

// A picture inside the right and bottom edges, keeping its aspect ratio; one
// that starts beyond an edge keeps its size, as a text does.
void bildAusrichten(Bild& b, float W, float H) {
    float links = static_cast<float>(b.Left()), oben = static_cast<float>(b.Top());
    float breite = static_cast<float>(b.Width()), hoehe = static_cast<float>(b.Height());
    if (links + breite > W && W - static_cast<float>(Runden(links)) > 0) {
        // Without a height there is no aspect ratio to keep: only narrowed.
        const float r = hoehe > 0 ? breite / hoehe : 0;
        links = static_cast<float>(Runden(links));
        breite = breiteOderNull(W - links);
        b.setLeft(links);
        b.setWidth(breite);
        if (r > 0) {
            hoehe = static_cast<float>(Runden(breite / r));
            b.setHeight(hoehe);
        }
    }
    if (oben + hoehe > H && H - static_cast<float>(Runden(oben)) > 0) {
        const float r = breite > 0 ? hoehe / breite : 0;
        oben = static_cast<float>(Runden(oben));
        hoehe = breiteOderNull(H - oben);
        b.setTop(oben);
        b.setHeight(hoehe);
        if (r > 0)
            b.setWidth(static_cast<float>(Runden(hoehe / r)));
    }
}

} // namespace

void TextAnpassen(int32_t i, int32_t win) {
    frmLabel& f = Schild(win);
    anpassen(f.lblText(i), f.TextMaxBreiteLesen(i).toInt(), static_cast<float>(f.ScaleWidth()),
             3.0f, false);
}

void DatenfeldAnpassen(int32_t i, int32_t win) {
    frmLabel& f = Schild(win);
    Beschriftung& c = f.lblDatenfeld(i);
    if (c.Caption() == QLatin1String("<Bild>")) {
        const int32_t mb = f.DatenfeldMaxBreiteLesen(i).toInt();
        if (mb != 0 || f.DatenfeldMaxHoeheLesen(i).toInt() != 0)
            c.setWidth(mb);
        return;
    }
    anpassen(c, f.DatenfeldMaxBreiteLesen(i).toInt(), static_cast<float>(f.ScaleWidth()), 1.0f,
             true);
}

void TextLayoutLaden(const QString& Text, int32_t i) {
    const int32_t w = P().lngAktivesSchild;
    Beschriftung& c = Schild(w).lblText(i);
    layoutLaden(c, Text);
    TextAnpassen(i, w);
    c.setVisible(true);
}

void DatenfeldLayoutLaden(const QString& Text, int32_t i) {
    const int32_t w = P().lngAktivesSchild;
    Beschriftung& c = Schild(w).lblDatenfeld(i);
    layoutLaden(c, Text);
    DatenfeldAnpassen(i, w);
    c.setVisible(true);
}

void frmLabel::ObjekteAusrichten() {
    frmLabel& f = Schild(P().lngAktivesSchild);
    const float W = static_cast<float>(f.ScaleWidth());
    const float H = static_cast<float>(f.ScaleHeight());
    for (int32_t i = 1; i <= f.hoechsterText(); ++i)
        ausrichten(f.lblText(i), W, f.TextMaxBreiteLesen(i).toInt(),
                   [&f, i](int32_t m) { f.TextMaxBreiteSchreiben(i, m); });
    for (int32_t i = 1; i <= f.hoechstesDatenfeld(); ++i)
        ausrichten(f.lblDatenfeld(i), W, f.DatenfeldMaxBreiteLesen(i).toInt(),
                   [&f, i](int32_t m) { f.DatenfeldMaxBreiteSchreiben(i, m); });
    for (int32_t i = 1; i <= f.hoechstesBild(); ++i)
        bildAusrichten(f.imgBild(i), W, H);
}

void frmLabel::WerteUebertragen(int32_t i) {
    const int32_t w = P().lngAktivesSchild;
    auto& e = S(w);
    const int32_t t = e.lngAktuellerText;
    const Beschriftung& d = lblDatenfeld(i);
    Beschriftung& c = lblText(t);
    c.setAussehen(d.aussehen());
    c.setLeft(d.Left());
    c.setTop(d.Top());
    TextMaxBreiteSchreiben(t, DatenfeldMaxBreiteLesen(i).toInt());
    const int32_t code = Elementcode(ArtDatenfeld, i);
    const int32_t n = e.lngReihenfolgeAnzahl;
    for (int32_t p = 1; p <= n - 1; ++p) {
        if (e.lngReihenfolge[p] == code) {
            e.lngReihenfolge[p] = e.lngReihenfolge[n];
            e.lngReihenfolge[n] = code;
            break;
        }
    }
}

} // namespace sorvo

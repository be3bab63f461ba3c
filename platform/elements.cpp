#include "platform/elements.h"

#include "platform/canvas.h"
#include "platform/fonts.h"

#include <QHash>
#include <QPainter>
#include <QTextLayout>
#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace sorvo {

namespace {

constexpr double kMessPunkteProMm = kMessDpi / 25.4;
// Line width of an unwrapped layout: wider than any caption.
constexpr double kOhneUmbruch = 1.0e9;

// The paint device all text is measured on. Fonts are set up before the first
// measure so that no caption is ever measured with a fallback font.
const QImage& messGeraet() {
    static const QImage geraet = [] {
        schriftenEinrichten();
        QImage bild(1, 1, QImage::Format_ARGB32_Premultiplied);
        const int punkteProMeter = static_cast<int>(std::lround(kMessDpi / 0.0254));
        bild.setDotsPerMeterX(punkteProMeter);
        bild.setDotsPerMeterY(punkteProMeter);
        return bild;
    }();
    return geraet;
}

// Each of CR LF, CR and LF becomes the layout's forced line break.
QString zeilenTrennen(const QString& text) {
    QString t = text;
    const QChar trenner(QChar::LineSeparator);
    t.replace(QStringLiteral("\r\n"), QString(trenner));
    t.replace(QLatin1Char('\r'), trenner);
    t.replace(QLatin1Char('\n'), trenner);
    return t;
}

} // namespace

// ---------------------------------------------------------------------------
// Steuerelement

Steuerelement::~Steuerelement() = default;

void Steuerelement::neuZeichnen() const {
    if (canvas_ && sichtbar_)
        canvas_->update();
}

void Steuerelement::setLeft(double mm) {
    if (mm == links_)
        return;
    links_ = mm;
    neuZeichnen();
}

void Steuerelement::setTop(double mm) {
    if (mm == oben_)
        return;
    oben_ = mm;
    neuZeichnen();
}

void Steuerelement::setWidth(double mm) {
    anpassen();
    breite_ = std::max(0.0, mm);
    breiteGesetzt();
    neuZeichnen();
}

void Steuerelement::setHeight(double mm) {
    anpassen();
    hoehe_ = std::max(0.0, mm);
    neuZeichnen();
}

void Steuerelement::setVisible(bool ja) {
    if (ja == sichtbar_)
        return;
    sichtbar_ = ja;
    if (canvas_)
        canvas_->update();
}

void Steuerelement::setEnabled(bool ja) {
    aktiv_ = ja;
}

void Steuerelement::setBorderStyle(int stil) {
    if ((stil != 0 && stil != 1) || stil == rahmen_)
        return;
    rahmen_ = stil;
    neuZeichnen();
}

bool Steuerelement::enthaelt(const QPointF& mm) const {
    return mm.x() >= Left() && mm.x() < Left() + Width() && mm.y() >= Top() &&
           mm.y() < Top() + Height();
}

QRect Steuerelement::pixelRechteck(double pixelProMm) const {
    const auto px = [pixelProMm](double mm) {
        return static_cast<int>(std::floor(mm * pixelProMm + 0.5));
    };
    const int x0 = px(Left());
    const int y0 = px(Top());
    return {x0, y0, px(Left() + Width()) - x0, px(Top() + Height()) - y0};
}

void Steuerelement::rahmenZeichnen(QPainter& p, const QRect& r) const {
    if (r.width() <= 0 || r.height() <= 0)
        return;
    p.save();
    p.setPen(QPen(Qt::black, 0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.adjusted(0, 0, -1, -1));
    p.restore();
}

void Steuerelement::geometrieUebernehmen(const Steuerelement& vorlage) {
    vorlage.anpassen();
    links_ = vorlage.links_;
    oben_ = vorlage.oben_;
    breite_ = vorlage.breite_;
    hoehe_ = vorlage.hoehe_;
    aktiv_ = vorlage.aktiv_;
    rahmen_ = vorlage.rahmen_;
    sichtbar_ = false;
}

// ---------------------------------------------------------------------------
// Beschriftung

struct Beschriftung::Satz {
    Satz(const QString& text, const QFont& schrift) : layout(text, schrift, &messGeraet()) {}
    QTextLayout layout;
    double umbruch = -1.0; // wrapping width in measuring pixels, negative: none
    double breite = 0.0;   // widest line, trailing blanks included
    double hoehe = 0.0;
    std::vector<double> zeilenBreite; // what alignment places, per line
};

Beschriftung::Beschriftung(ElementCanvas* canvas)
    : Steuerelement(canvas), schriftName_(QStringLiteral("MS Sans Serif")),
      schriftGroesse_(schriftGroesseNormieren(schriftName_, 8.0)), vordergrund_(systemFarbe(18)),
      hintergrund_(kSchaltflaeche) {}

Beschriftung::~Beschriftung() = default;

void Beschriftung::uebernehmen(const Beschriftung& v) {
    geometrieUebernehmen(v);
    text_ = v.text_;
    schriftName_ = v.schriftName_;
    schriftGroesse_ = v.schriftGroesse_;
    fett_ = v.fett_;
    kursiv_ = v.kursiv_;
    unterstrichen_ = v.unterstrichen_;
    durchgestrichen_ = v.durchgestrichen_;
    vordergrund_ = v.vordergrund_;
    hintergrund_ = v.hintergrund_;
    deckend_ = v.deckend_;
    ausrichtung_ = v.ausrichtung_;
    umbruch_ = v.umbruch_;
    autoSize_ = v.autoSize_;
    satzVeraltet_ = true;
}

double Beschriftung::umbruchBreite() const {
    return (umbruch_ || !autoSize_) ? breite_ * kMessPunkteProMm : -1.0;
}

namespace {

// What a layout depends on: text, font and wrapping width.
struct SatzSchluessel {
    QString text;
    QString schrift;
    double groesse;
    double umbruch;
    unsigned stil; // bold, italic, underline, strikethrough
    bool operator==(const SatzSchluessel&) const = default;
};

size_t qHash(const SatzSchluessel& k, size_t seed = 0) {
    return qHashMulti(seed, k.text, k.schrift, k.groesse, k.umbruch, k.stil);
}

} // namespace

// The layouts in use, found by what they show. An entry lives as long as a
// control holds its layout; the few built last are kept besides, because a
// control fitted or a line printed often comes back to a layout it has just
// left.
class Satzspeicher {
public:
    std::shared_ptr<const Beschriftung::Satz> finden(const SatzSchluessel& k) {
        const auto it = m_inUse.constFind(k);
        if (it == m_inUse.cend())
            return nullptr;
        return it->lock();
    }
    void merken(const SatzSchluessel& k, const std::shared_ptr<const Beschriftung::Satz>& s) {
        if (m_inUse.size() >= m_aufraeumenAb) {
            m_inUse.removeIf([](const auto& e) { return e.value().expired(); });
            m_aufraeumenAb = std::max<qsizetype>(1024, m_inUse.size() * 2);
        }
        m_inUse.insert(k, s);
        m_zuletzt[m_naechster] = s;
        m_naechster = (m_naechster + 1) % m_zuletzt.size();
    }

private:
    QHash<SatzSchluessel, std::weak_ptr<const Beschriftung::Satz>> m_inUse;
    qsizetype m_aufraeumenAb = 1024;
    std::array<std::shared_ptr<const Beschriftung::Satz>, 64> m_zuletzt;
    size_t m_naechster = 0;
};

namespace {
Satzspeicher& satzspeicher() {
    static Satzspeicher speicher;
    return speicher;
}
} // namespace

const Beschriftung::Satz& Beschriftung::satz() const {
    const double umbruch = umbruchBreite();
    if (satz_ && !satzVeraltet_ && satz_->umbruch == umbruch)
        return *satz_;

    const SatzSchluessel schluessel{text_, schriftName_, schriftGroesse_, umbruch,
                                    (fett_ ? 1u : 0u) | (kursiv_ ? 2u : 0u) |
                                        (unterstrichen_ ? 4u : 0u) | (durchgestrichen_ ? 8u : 0u)};
    satzVeraltet_ = false;
    if (auto gefunden = satzspeicher().finden(schluessel)) {
        satz_ = std::move(gefunden);
        return *satz_;
    }

    const QString text = zeilenTrennen(text_);
    auto s = std::make_shared<Satz>(text, schriftBauen(schriftName_, schriftGroesse_, fett_,
                                                       kursiv_, unterstrichen_, durchgestrichen_));
    s->umbruch = umbruch;
    QTextOption option;
    option.setWrapMode(umbruch >= 0.0 ? QTextOption::WordWrap : QTextOption::NoWrap);
    option.setUseDesignMetrics(true);
    s->layout.setTextOption(option);
    // The shaped glyphs stay with the layout: the window and every print
    // draw from them instead of shaping the text again.
    s->layout.setCacheEnabled(true);

    s->layout.beginLayout();
    double y = 0.0;
    for (QTextLine zeile = s->layout.createLine(); zeile.isValid();
         zeile = s->layout.createLine()) {
        zeile.setLineWidth(umbruch >= 0.0 ? umbruch : kOhneUmbruch);
        zeile.setPosition(QPointF(0.0, y));
        y += zeile.height();
        const double vorschub = zeile.horizontalAdvance();
        s->breite = std::max(s->breite, vorschub);
        if (umbruch < 0.0) {
            s->zeilenBreite.push_back(vorschub);
        } else {
            // A wrapped line is aligned without the blanks it broke at.
            int ende = zeile.textStart() + zeile.textLength();
            while (ende > zeile.textStart() && text.at(ende - 1).isSpace())
                --ende;
            s->zeilenBreite.push_back(zeile.cursorToX(ende) - zeile.cursorToX(zeile.textStart()));
        }
    }
    s->layout.endLayout();
    s->hoehe = y;

    satzspeicher().merken(schluessel, s);
    satz_ = std::move(s);
    return *satz_;
}

void Beschriftung::groesseBerechnen() const {
    groesseVeraltet_ = false;
    if (!autoSize_)
        return;
    const Satz& s = satz();
    if (!umbruch_)
        breite_ = s.breite / kMessPunkteProMm;
    hoehe_ = s.hoehe / kMessPunkteProMm;
}

void Beschriftung::neuAnpassen() {
    if (autoSize_)
        groesseVeraltet_ = true;
    neuZeichnen();
}

void Beschriftung::textGeaendert() {
    satzVeraltet_ = true;
    neuAnpassen();
}

void Beschriftung::breiteGesetzt() {
    if (autoSize_ && umbruch_)
        groesseVeraltet_ = true;
}

template <class T> void Beschriftung::layoutWert(T& feld, const T& wert) {
    if (feld == wert) {
        neuAnpassen();
        return;
    }
    feld = wert;
    textGeaendert();
}

void Beschriftung::setCaption(const QString& text) {
    layoutWert(text_, text);
}

void Beschriftung::setFontName(const QString& name) {
    const double groesse = schriftGroesseNormieren(name, schriftGroesse_);
    if (name == schriftName_ && groesse == schriftGroesse_) {
        neuAnpassen();
        return;
    }
    schriftName_ = name;
    schriftGroesse_ = groesse;
    textGeaendert();
}

void Beschriftung::setFontSize(double punkte) {
    if (!(punkte > 0.0))
        return;
    layoutWert(schriftGroesse_, schriftGroesseNormieren(schriftName_, punkte));
}

void Beschriftung::setFontBold(bool ja) {
    layoutWert(fett_, ja);
}

void Beschriftung::setFontItalic(bool ja) {
    layoutWert(kursiv_, ja);
}

void Beschriftung::setFontUnderline(bool ja) {
    layoutWert(unterstrichen_, ja);
}

void Beschriftung::setFontStrikethrough(bool ja) {
    layoutWert(durchgestrichen_, ja);
}

void Beschriftung::setForeColor(Farbe f) {
    vordergrund_ = f;
    neuZeichnen();
}

void Beschriftung::setBackColor(Farbe f) {
    hintergrund_ = f;
    neuZeichnen();
}

void Beschriftung::setBackStyle(int stil) {
    if (stil != 0 && stil != 1)
        return;
    deckend_ = stil;
    neuZeichnen();
}

void Beschriftung::setAlignment(int a) {
    if (a < 0 || a > 2)
        return;
    ausrichtung_ = a;
    neuZeichnen();
}

Aussehen Beschriftung::aussehen() const {
    return {schriftName_, schriftGroesse_, fett_,    kursiv_,       unterstrichen_,
            vordergrund_, hintergrund_,    deckend_, BorderStyle(), ausrichtung_};
}

void Beschriftung::setAussehen(const Aussehen& a) {
    setFontName(a.schrift);
    setFontSize(a.groesse);
    setFontBold(a.fett);
    setFontItalic(a.kursiv);
    setFontUnderline(a.unterstrichen);
    setForeColor(a.vordergrund);
    setBackStyle(a.hintergrundArt);
    setBackColor(a.hintergrund);
    setBorderStyle(a.rahmen);
    setAlignment(a.ausrichtung);
}

void Beschriftung::setWordWrap(bool ja) {
    anpassen(); // a pending fit belongs to the old setting
    umbruch_ = ja;
    neuAnpassen();
}

void Beschriftung::setAutoSize(bool ja) {
    anpassen();
    autoSize_ = ja;
    neuAnpassen();
}

void Beschriftung::cachesFreigeben() const {
    anpassen(); // the size must survive the layout
    satz_.reset();
}

void Beschriftung::zeichnen(QPainter& p, double pixelProMm, const QPalette& palette) const {
    anpassen();
    const QRect r = pixelRechteck(pixelProMm);
    if (deckend_ == 1)
        p.fillRect(r, zuQColor(hintergrund_, palette));
    if (!text_.isEmpty() && r.width() > 0 && r.height() > 0) {
        const Satz& s = satz();
        p.save();
        p.setClipRect(r, Qt::IntersectClip);
        p.translate(r.topLeft());
        const double massstab = pixelProMm / kMessPunkteProMm;
        p.scale(massstab, massstab);
        p.setPen(zuQColor(vordergrund_, palette));
        const double breite = breite_ * kMessPunkteProMm;
        for (int i = 0; i < s.layout.lineCount(); ++i) {
            double x = 0.0;
            if (ausrichtung_ == 1)
                x = breite - s.zeilenBreite[i];
            else if (ausrichtung_ == 2)
                x = (breite - s.zeilenBreite[i]) / 2.0;
            s.layout.lineAt(i).draw(&p, QPointF(x, 0.0));
        }
        p.restore();
    }
    if (BorderStyle() == 1)
        rahmenZeichnen(p, r);
}

// ---------------------------------------------------------------------------
// Bild

void Bild::uebernehmen(const Bild& v) {
    geometrieUebernehmen(v);
    bild_ = v.bild_;
}

void Bild::setPicture(const QImage& bild) {
    bild_ = bild;
    skaliert_ = QImage();
    neuZeichnen();
}

void Bild::cachesFreigeben() const {
    skaliert_ = QImage();
}

void Bild::zeichnen(QPainter& p, double pixelProMm, const QPalette&) const {
    const QRect r = pixelRechteck(pixelProMm);
    // A scaled copy is kept for pictures of a sensible size only; a huge one
    // (a template may ask for metres) is scaled while drawing, clipped to
    // what the device shows.
    constexpr qint64 kGroessteKopie = 4096LL * 4096LL;
    if (!bild_.isNull() && r.width() > 0 && r.height() > 0) {
        if (qint64(r.width()) * r.height() > kGroessteKopie) {
            skaliert_ = QImage();
            p.drawImage(r, bild_);
        } else {
            if (skaliert_.size() != r.size())
                skaliert_ = bild_.scaled(r.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            p.drawImage(r.topLeft(), skaliert_);
        }
    }
    if (BorderStyle() == 1)
        rahmenZeichnen(p, r);
}

} // namespace sorvo

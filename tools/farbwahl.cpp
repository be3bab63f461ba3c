#include "tools/farbwahl.h"

#include "label/nachbarn.h"
#include "platform/elements.h"
#include "platform/knopf.h"
#include "platform/units.h"

#include <QPainter>
#include <QPushButton>
#include <QStyleOptionFocusRect>

namespace sorvo {

namespace {

// The standard palette as it stands, row by row: the swatch indices.
constexpr int kStandardRaster[4][4] = {
    {15, 10, 14, 11},
    {7, 2, 6, 9},
    {8, 12, 13, 3},
    {0, 4, 5, 1},
};

constexpr Farbe kStandardFarben[16] = {
    RGB(0, 0, 0),       RGB(0, 0, 128),   RGB(0, 128, 0),   RGB(0, 128, 128),
    RGB(128, 0, 0),     RGB(128, 0, 128), RGB(128, 128, 0), RGB(192, 192, 192),
    RGB(128, 128, 128), RGB(0, 0, 255),   RGB(0, 255, 0),   RGB(0, 255, 255),
    RGB(255, 0, 0),     RGB(255, 0, 255), RGB(255, 255, 0), RGB(255, 255, 255),
};

// The further palette as it stands, 6 rows of 8.
constexpr Farbe kWeitereRaster[6][8] = {
    {RGB(255, 255, 255), RGB(255, 192, 192), RGB(255, 224, 192), RGB(255, 255, 192),
     RGB(192, 255, 192), RGB(192, 255, 255), RGB(192, 192, 255), RGB(255, 192, 255)},
    {RGB(224, 224, 224), RGB(255, 128, 128), RGB(255, 192, 128), RGB(255, 255, 128),
     RGB(128, 255, 128), RGB(128, 255, 255), RGB(128, 128, 255), RGB(255, 128, 255)},
    {RGB(192, 192, 192), RGB(255, 0, 0), RGB(255, 128, 0), RGB(255, 255, 0), RGB(0, 255, 0),
     RGB(0, 255, 255), RGB(0, 0, 255), RGB(255, 0, 255)},
    {RGB(128, 128, 128), RGB(192, 0, 0), RGB(192, 64, 0), RGB(192, 192, 0), RGB(0, 192, 0),
     RGB(0, 192, 192), RGB(0, 0, 192), RGB(192, 0, 192)},
    {RGB(64, 64, 64), RGB(128, 0, 0), RGB(128, 64, 0), RGB(128, 128, 0), RGB(0, 128, 0),
     RGB(0, 128, 128), RGB(0, 0, 128), RGB(128, 0, 128)},
    {RGB(0, 0, 0), RGB(64, 0, 0), RGB(128, 64, 64), RGB(64, 64, 0), RGB(0, 64, 0), RGB(0, 64, 64),
     RGB(0, 0, 64), RGB(64, 0, 64)},
};

// Row and column of a further swatch: columns 1 to 7 of row r hold 7r to
// 7r + 6, the last column holds 42 + r.
QPoint weitereStelle(int index) {
    if (index >= 42)
        return {7, index - 42};
    return {index % 7, index / 7};
}

// Places within the chooser, in twips from the top left of the colour
// buttons (left 120 in the frame, top 2400 in the text frame and 2520 in the
// data-field frame).
constexpr int kMusterLinks = 2100;
constexpr int kZweiteZeile = 480;
constexpr int kKnopfBreite = 1875;
constexpr int kKnopfHoehe = 375;
constexpr int kStandardLinks = 240;
constexpr int kStandardAbstand = 360;
constexpr int kStandardSeite = 375;
constexpr int kKnoepfeOben = 1440;
constexpr int kAbbrechenLinks = 960;
constexpr int kPaletteKnopfBreite = 975;
constexpr int kPaletteKnopfHoehe = 255;
constexpr int kWeitereOben = 1680;
constexpr int kWeitereAbstand = 240;
constexpr int kWeitereSeite = 255;

QString farbName(Farbe f) {
    return QStringLiteral("Farbe %1, %2, %3")
        .arg(f & 0xFF)
        .arg((f >> 8) & 0xFF)
        .arg((f >> 16) & 0xFF);
}

} // namespace

Farbfeld::Farbfeld(QWidget* parent) : QAbstractButton(parent) {}

void Farbfeld::setBackColor(Farbe f) {
    m_farbe = f;
    update();
}

QSize Farbfeld::sizeHint() const {
    return {px(kStandardSeite), px(kStandardSeite)};
}

void Farbfeld::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), zuQColor(m_farbe, palette()));
    p.setPen(palette().color(QPalette::Shadow));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    if (hasFocus()) {
        QStyleOptionFocusRect o;
        o.initFrom(this);
        o.rect = rect().adjusted(2, 2, -2, -2);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &o, &p, this);
    }
}

Farbe Farbwahl::standardFarbe(int index) {
    return kStandardFarben[std::clamp(index, 0, 15)];
}

Farbe Farbwahl::weitereFarbe(int index) {
    const QPoint s = weitereStelle(std::clamp(index, 0, 47));
    return kWeitereRaster[s.y()][s.x()];
}

Farbwahl::Farbwahl(Art art, QWidget* rahmen, Werkzeugfenster& fenster)
    : QWidget(rahmen), m_art(art), m_rahmen(rahmen), m_fenster(fenster) {
    const bool df = art == Art::Datenfeld;
    const auto name = [df](const char* text, const char* datenfeld) {
        return df ? datenfeld : text;
    };
    cmdFarbe =
        befehlsknopf(name("cmdFarbe", "cmdDfFarbe"), QStringLiteral("Schriftfarbe"), true, this);
    cmdHFarbe = befehlsknopf(name("cmdHFarbe", "cmdDfHFarbe"), QStringLiteral("Hintergrundfarbe"),
                             true, this);
    cmdFarbe->setGeometry(0, 0, px(kKnopfBreite), px(kKnopfHoehe));
    cmdHFarbe->setGeometry(0, px(kZweiteZeile), px(kKnopfBreite), px(kKnopfHoehe));

    // The data-field frame's samples are 3 twips smaller.
    const int musterSeite = df ? 372 : 375;
    picFarbe_S = new Farbfeld(this);
    picFarbe_S->setObjectName(name("picFarbe_S", "picDfFarbe_S"));
    picFarbe_S->setAccessibleName(QStringLiteral("Probe der Schriftfarbe"));
    picFarbe_S->setGeometry(px(kMusterLinks), 0, px(musterSeite), px(musterSeite));
    picFarbe_H = new Farbfeld(this);
    picFarbe_H->setObjectName(name("picFarbe_H", "picDfFarbe_H"));
    picFarbe_H->setAccessibleName(QStringLiteral("Probe der Hintergrundfarbe"));
    picFarbe_H->setGeometry(px(kMusterLinks), px(kZweiteZeile), px(musterSeite), px(musterSeite));
    setFixedSize(px(kMusterLinks + musterSeite), px(kZweiteZeile + musterSeite));

    for (int i = 0; i < 16; ++i) {
        auto* f = new Farbfeld(m_rahmen);
        f->setObjectName(name("picFarbe2", "picDfFarbe2"));
        f->setProperty("Index", i);
        f->setBackColor(kStandardFarben[i]);
        f->setAccessibleName(farbName(kStandardFarben[i]));
        f->hide();
        connect(f, &QAbstractButton::clicked, this, [this, i] { picFarbe2_Click(i); });
        picFarbe2[static_cast<size_t>(i)] = f;
    }
    for (int i = 0; i < 48; ++i) {
        auto* f = new Farbfeld(m_rahmen);
        f->setObjectName(name("picW", "picDfW"));
        f->setProperty("Index", i);
        f->setBackColor(weitereFarbe(i));
        f->setAccessibleName(farbName(weitereFarbe(i)));
        f->hide();
        connect(f, &QAbstractButton::clicked, this, [this, i] { picW_Click(i); });
        picW[static_cast<size_t>(i)] = f;
    }
    cmdWeitere = befehlsknopf(name("cmdWeitere", "cmdDfWeitere"), QStringLiteral("weitere..."),
                              true, m_rahmen);
    cmdAbbrechenFarbe = befehlsknopf(name("cmdTextAbbrechenFarbe", "cmdDfAbbrechenFarbe"),
                                     QStringLiteral("Abbrechen"), true, m_rahmen);
    cmdWeitere->hide();
    cmdAbbrechenFarbe->hide();
    m_palette.assign(picFarbe2.begin(), picFarbe2.end());
    m_palette.insert(m_palette.end(), picW.begin(), picW.end());
    m_palette.emplace_back(cmdWeitere);
    m_palette.emplace_back(cmdAbbrechenFarbe);
    palettePlatzieren();

    connect(cmdFarbe, &QPushButton::clicked, this, &Farbwahl::cmdFarbe_Click);
    connect(cmdHFarbe, &QPushButton::clicked, this, &Farbwahl::cmdHFarbe_Click);
    connect(cmdWeitere, &QPushButton::clicked, this, &Farbwahl::cmdWeitere_Click);
    connect(cmdAbbrechenFarbe, &QPushButton::clicked, this, &Farbwahl::cmdAbbrechenFarbe_Click);
    connect(picFarbe_S, &QAbstractButton::clicked, this, &Farbwahl::picFarbe_S_Click);
    connect(picFarbe_H, &QAbstractButton::clicked, this, &Farbwahl::picFarbe_H_Click);
}

Farbwahl::~Farbwahl() {
    for (const QPointer<QWidget>& w : m_palette)
        delete w.data();
}

void Farbwahl::musterSetzen(Farbe schrift, Farbe hintergrund) {
    picFarbe_S->setBackColor(schrift);
    picFarbe_H->setBackColor(hintergrund);
}

bool Farbwahl::offen() const {
    return !cmdWeitere->isHidden();
}

void Farbwahl::palettePlatzieren() {
    // Where the chooser stands in the frame; before it is put there, where
    // the frame's design has it.
    QPoint o(px(120), px(m_art == Art::Datenfeld ? 2520 : 2400));
    if (m_rahmen->isAncestorOf(this))
        o = mapTo(m_rahmen, QPoint(0, 0));
    for (int z = 0; z < 4; ++z) {
        for (int s = 0; s < 4; ++s) {
            const int i = kStandardRaster[z][s];
            // The first swatch is 3 twips narrower.
            const int breite = i == 0 ? 372 : kStandardSeite;
            picFarbe2[static_cast<size_t>(i)]->setGeometry(
                o.x() + px(kStandardLinks + s * kStandardAbstand), o.y() + px(z * kStandardAbstand),
                px(breite), px(kStandardSeite));
        }
    }
    for (int i = 0; i < 48; ++i) {
        const QPoint s = weitereStelle(i);
        picW[static_cast<size_t>(i)]->setGeometry(
            o.x() + px(s.x() * kWeitereAbstand), o.y() + px(kWeitereOben + s.y() * kWeitereAbstand),
            px(kWeitereSeite), px(kWeitereSeite));
    }
    cmdWeitere->setGeometry(o.x(), o.y() + px(kKnoepfeOben), px(kPaletteKnopfBreite),
                            px(kPaletteKnopfHoehe));
    cmdAbbrechenFarbe->setGeometry(o.x() + px(kAbbrechenLinks), o.y() + px(kKnoepfeOben),
                                   px(kPaletteKnopfBreite), px(kPaletteKnopfHoehe));
}

void Farbwahl::oeffnen(Farbziel ziel) {
    palettePlatzieren();
    // In front, so that the palette covers the frame's controls beneath it.
    for (Farbfeld* f : picFarbe2) {
        f->show();
        f->raise();
    }
    cmdWeitere->show();
    cmdWeitere->raise();
    cmdAbbrechenFarbe->show();
    cmdAbbrechenFarbe->raise();
    m_ziel = ziel;
}

void Farbwahl::schliessen() {
    for (Farbfeld* f : picFarbe2)
        f->hide();
    cmdWeitere->hide();
    cmdAbbrechenFarbe->hide();
    for (Farbfeld* f : picW)
        f->hide();
    m_ziel = Farbziel::Keins;
}

void Farbwahl::cmdFarbe_Click() {
    oeffnen(Farbziel::Schrift);
}

void Farbwahl::cmdHFarbe_Click() {
    oeffnen(Farbziel::Hintergrund);
}

void Farbwahl::cmdWeitere_Click() {
    const bool zeigen = picW[0]->isHidden();
    if (zeigen)
        palettePlatzieren();
    for (Farbfeld* f : picW) {
        f->setVisible(zeigen);
        if (zeigen)
            f->raise();
    }
}

void Farbwahl::cmdAbbrechenFarbe_Click() {
    schliessen();
}

void Farbwahl::picFarbe_S_Click() {
    if (offen())
        schliessen();
    else
        oeffnen(Farbziel::Schrift);
}

void Farbwahl::picFarbe_H_Click() {
    if (offen())
        schliessen();
    else
        oeffnen(Farbziel::Hintergrund);
}

void Farbwahl::picFarbe2_Click(int index) {
    if (index < 0 || index > 15)
        return;
    farbeNehmen(picFarbe2[static_cast<size_t>(index)]->BackColor());
}

void Farbwahl::picW_Click(int index) {
    if (index < 0 || index > 47)
        return;
    farbeNehmen(picW[static_cast<size_t>(index)]->BackColor());
}

void Farbwahl::farbeNehmen(Farbe c) {
    Beschriftung* element = m_element ? m_element() : nullptr;
    if (m_ziel == Farbziel::Schrift) {
        picFarbe_S->setBackColor(c);
        if (element)
            element->setForeColor(c);
    } else if (m_ziel == Farbziel::Hintergrund) {
        picFarbe_H->setBackColor(c);
        if (element)
            element->setBackColor(c);
        m_fenster.blnHFarbeAenderung = true;
    }
    schliessen();
}

} // namespace sorvo

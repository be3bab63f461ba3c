// Texts and data fields drawn line by line. The lines are found with two
// measuring captions of the label window's own kind, so a printed text breaks
// where the label window breaks it, whatever the printer's font metrics.
#include "label/frmLabel.h"
#include "label/programm.h"
#include "platform/canvas.h"
#include "platform/elements.h"
#include "print/frmVorschau.h"

namespace sorvo {

namespace {

// Heights are sums of the same line height; this only absorbs rounding.
constexpr double kHoehenToleranz = 1e-6;

void schriftKopieren(Beschriftung& ziel, const Beschriftung& e) {
    ziel.setFontName(e.FontName());
    ziel.setFontSize(e.FontSize());
    ziel.setFontBold(e.FontBold());
    ziel.setFontItalic(e.FontItalic());
}

// The position in the candidate where it may be cut: the last line break or
// blank, or -1.
qsizetype letzteTrennstelle(const QString& s) {
    for (qsizetype k = s.size() - 1; k >= 0; --k) {
        const QChar c = s.at(k);
        if (c == QLatin1Char(' ') || c == QLatin1Char('\n') || c == QLatin1Char('\r'))
            return k;
    }
    return -1;
}

// How many characters from the front of s fit into breite (mm) on one line
// of the measuring caption's font; at least one, so every line takes some.
qsizetype passendeZeichen(Beschriftung& mess, const QString& s, double breite) {
    const auto breiteVon = [&](qsizetype n) {
        mess.setCaption(s.left(n));
        return mess.Width();
    };
    if (breiteVon(s.size()) <= breite + kHoehenToleranz)
        return s.size();
    qsizetype gut = 1, schlecht = s.size();
    while (schlecht - gut > 1) {
        const qsizetype mitte = (gut + schlecht) / 2;
        if (breiteVon(mitte) <= breite + kHoehenToleranz)
            gut = mitte;
        else
            schlecht = mitte;
    }
    // Never between the halves of a surrogate pair.
    if (gut > 1 && s.at(gut - 1).isHighSurrogate())
        --gut;
    return gut;
}

} // namespace

void frmVorschau::DruckTeOriginal(int32_t i, int32_t l) {
    frmLabel& f = Schild(l);
    elementOriginal(f.lblText(i), f.TextMaxBreiteLesen(i).toInt(), l);
}

void frmVorschau::DruckDfOriginal(int32_t i, int32_t H) {
    frmLabel& f = Schild(H);
    elementOriginal(f.lblDatenfeld(i), f.DatenfeldMaxBreiteLesen(i).toInt(), H);
}

void frmVorschau::elementOriginal(const Beschriftung& e, int32_t maxBreite, int32_t fenster) {
    frmLabel& f = Schild(fenster);
    messfensterLaden();
    Beschriftung& umbruch = *lblTest1_;
    Beschriftung& bezug = *lbltest2_;
    const double innenBreite = f.ScaleWidth();
    const double innenHoehe = f.ScaleHeight();

    for (Beschriftung* b : {&umbruch, &bezug}) {
        b->setAutoSize(true);
        b->setWordWrap(false);
        b->setLeft(e.Left());
        schriftKopieren(*b, e);
    }
    // The reference holds one line of the element's font.
    bezug.setCaption(QStringLiteral("X"));
    umbruch.setCaption(e.Caption());

    // Wrapping width: the maximum width; else the width at which the label
    // window shows the element wrapped; else, for a text that would run past
    // the label's right edge, 2 mm inside that edge.
    if (maxBreite != 0) {
        umbruch.setWordWrap(true);
        umbruch.setWidth(maxBreite);
    } else if (e.WordWrap() || !e.AutoSize()) {
        umbruch.setWordWrap(true);
        umbruch.setWidth(e.Width());
    } else if (umbruch.Left() + umbruch.Width() > innenBreite - 1) {
        umbruch.setWordWrap(true);
        umbruch.setWidth(std::max(0.0, innenBreite - umbruch.Left() - 2));
    }

    // Peel the lines off the front of the caption.
    zeilen_.clear();
    const double zeilenHoehe = bezug.Height();
    QString rest = e.Caption();
    while (!rest.isEmpty()) {
        QString kandidat = rest;
        qsizetype schnitt = -1;
        umbruch.setCaption(kandidat);
        while (umbruch.Height() > zeilenHoehe + kHoehenToleranz) {
            const qsizetype k = letzteTrennstelle(kandidat);
            if (k < 0)
                break;
            kandidat.truncate(k);
            schnitt = k;
            umbruch.setCaption(kandidat);
        }
        // A word wider than the wrapping width breaks between characters, so
        // that no ink passes the element's edge. (A line that still holds a
        // blank fits: the wrapping would have broken it there.)
        if (umbruch.WordWrap() && letzteTrennstelle(kandidat) < 0) {
            const qsizetype passt = passendeZeichen(bezug, kandidat, umbruch.Width());
            if (passt < kandidat.size()) {
                kandidat.truncate(passt);
                schnitt = -1;
            }
        }
        zeilen_.append(kandidat);
        if (schnitt < 0) {
            rest.remove(0, kandidat.size());
        } else {
            // A CR LF pair is one break.
            const bool crlf = rest.at(schnitt) == QLatin1Char('\r') && schnitt + 1 < rest.size() &&
                              rest.at(schnitt + 1) == QLatin1Char('\n');
            rest.remove(0, schnitt + (crlf ? 2 : 1));
        }
    }

    // One line after the other, each one line high, as the label shows them.
    const auto n = zeilen_.size();
    for (qsizetype k = 0; k < n; ++k) {
        druckwerteSetzen(e, innenHoehe);
        sngDruckHoehe = static_cast<float>(zeilenHoehe);
        strDruckText = zeilen_.at(k);
        sngDruckOben = static_cast<float>(e.Top() + static_cast<double>(k) * zeilenHoehe);
        // A line that reaches the label's bottom edge is left out.
        if (sngDruckOben + zeilenHoehe < innenHoehe)
            DruckEinzeltext();
    }

    if (e.BorderStyle() == 1) {
        float hoehe = static_cast<float>(e.Height());
        DruckRahmen(static_cast<float>(e.Left()), static_cast<float>(e.Top()),
                    static_cast<float>(e.Width()), hoehe, static_cast<float>(innenHoehe),
                    QStringLiteral("0"));
    }
}

void frmVorschau::druckwerteSetzen(const Beschriftung& e, double maxHoehe) {
    sngDruckLinks = static_cast<float>(e.Left());
    sngDruckOben = static_cast<float>(e.Top());
    sngDruckBreite = static_cast<float>(e.Width());
    sngDruckHoehe = static_cast<float>(e.Height());
    const Aussehen a = e.aussehen();
    strDruckSchrift = a.schrift;
    sngDruckGroesse = static_cast<float>(a.groesse);
    blnDruckFett = a.fett;
    blnDruckKursiv = a.kursiv;
    blnDruckUnterstrichen = a.unterstrichen;
    lngDruckFarbe = a.vordergrund;
    lngDruckHintergrund = a.hintergrund;
    lngDruckDeckend = a.hintergrundArt;
    sngDruckMaxHoehe = static_cast<float>(maxHoehe);
    lngDruckAusrichtung = a.ausrichtung;
    strDruckText = e.Caption();
}

void frmVorschau::einteilig(const Beschriftung& e) {
    druckwerteSetzen(e, Schild(P().lngAktivesSchild).ScaleHeight());
    DruckEinzeltext();
    if (e.BorderStyle() == 1) {
        float hoehe = sngDruckHoehe;
        DruckRahmen(sngDruckLinks, sngDruckOben, sngDruckBreite, hoehe, sngDruckMaxHoehe,
                    QStringLiteral("0"));
    }
}

void frmVorschau::DruckTextfeld(int32_t i, int32_t j) {
    einteilig(Schild(j).lblText(i));
}

void frmVorschau::DruckDatenfeld(int32_t i, int32_t j) {
    einteilig(Schild(j).lblDatenfeld(i));
}

} // namespace sorvo

#include "label/programm.h"

#include "label/frmLabel.h"
#include "label/nachbarn.h"
#include "label/unterprogramme.h"

#include <QMdiArea>
#include <algorithm>
#include <utility>

namespace sorvo {

Nachbarn& nachbarn() {
    static Nachbarn n;
    return n;
}

Programm& P() {
    static Programm p;
    return p;
}

SchildEintrag& S(int32_t n) {
    return P().Schilder.at(static_cast<size_t>(n));
}

void TabellenAnlegen() {
    auto& p = P();
    p.Schilder.clear();
    p.Schilder.emplace_back();
    p.Schilder[0].blnSchildFrei = true;
    p.lngFreiAb = 1;
}

frmLabel& Schild(int32_t n) {
    auto& e = S(n);
    if (!e.frmSchilder) {
        QWidget* eltern = nachbarn().mdi ? nachbarn().mdi->mdiBereich() : nullptr;
        auto* bereich = qobject_cast<QMdiArea*>(eltern);
        const bool gesperrt = P().blnAllesGesperrt;
        auto* f = new frmLabel(bereich ? bereich->viewport() : eltern);
        // Adding a window moves it into the area's viewport, and a window
        // moved before it was ever set up asks every open window whether it
        // is maximized. Made in the viewport and set up at once, a window of
        // a transfer is added where it already is.
        if (bereich && gesperrt)
            f->einrichten();
        // A window made while everything is locked (record transfer) is
        // locked too until the lock ends; so it is not activated when shown,
        // which would visit every other open window.
        if (gesperrt) {
            f->setEnabled(false);
            // Sized and placed by us, not by the area: it would search every
            // open window for the place of least overlap, and a transfer of
            // thousands of records would slow down with each label. Such
            // windows cascade.
            f->resize(0, 0);
        }
        if (bereich) {
            // Raising a new window compares every open window with every
            // other one, unless the window stays on top: for the time it
            // is added, it does.
            if (gesperrt) {
                f->setWindowFlag(Qt::WindowStaysOnTopHint, true);
                // An area that is not shown leaves the placing of a new
                // window for later, instead of asking every open window
                // where it lies. The window is placed by hand right after,
                // so nothing is left to place when the area is shown again.
                // The flag is put back before anything can paint or ask.
                const bool sichtbar = bereich->testAttribute(Qt::WA_WState_Visible);
                bereich->setAttribute(Qt::WA_WState_Visible, false);
                bereich->addSubWindow(f);
                bereich->setAttribute(Qt::WA_WState_Visible, sichtbar);
                f->setWindowFlag(Qt::WindowStaysOnTopHint, false);
                f->move((n % 16) * 24, (n % 16) * 24);
            } else {
                bereich->addSubWindow(f);
            }
        }
        e.frmSchilder = f;
    }
    return *e.frmSchilder;
}

DatenbankAuswahl& SchildDb(int32_t n) {
    auto& e = S(n);
    if (!e.frmSchildDb) {
        auto& erzeugen = nachbarn().dbAuswahlErzeugen;
        e.frmSchildDb = erzeugen ? std::shared_ptr<DatenbankAuswahl>(erzeugen())
                                 : std::make_shared<DatenbankAuswahl>();
    }
    return *e.frmSchildDb;
}

int32_t FreienIndexSuchen() {
    auto& p = P();
    const int32_t n = p.hoechstesSchild();
    int32_t ergebnis = 0;
    for (int32_t i = std::max(p.lngFreiAb, 1); i <= n; ++i) {
        if (p.Schilder[i].blnSchildFrei) {
            ergebnis = i;
            break;
        }
    }
    if (ergebnis == 0) {
        SchildEintrag neu;
        // Room for every element of a full label.
        neu.lngReihenfolge.assign(
            static_cast<size_t>(p.lngMaxTexte + p.lngMaxBilder + p.lngMaxDatenfelder + 1), 0);
        p.Schilder.push_back(std::move(neu));
        ergebnis = n + 1;
    }
    p.Schilder[ergebnis].blnSchildFrei = false;
    p.lngFreiAb = ergebnis + 1;
    return ergebnis;
}

void SchildFreigeben(int32_t n) {
    auto& p = P();
    S(n).blnSchildFrei = true;
    p.lngFreiAb = std::min(p.lngFreiAb, n);
    if (p.lngNeuesSchild == n)
        p.lngNeuesSchild = 0;
}

void NeuesSchild(bool zeigen) {
    auto& p = P();
    const int32_t n = FreienIndexSuchen();
    p.lngAktivesSchild = n;
    const bool neu = !S(n).frmSchilder;
    frmLabel& f = Schild(n);
    f.setTag(QString::number(n));
    f.setCaption(QStringLiteral("Schild ") + QString::number(n));
    if (nachbarn().mdi)
        f.setIcon(nachbarn().mdi->fensterIcon(QStringLiteral("pen04")));
    auto& e = S(n);
    e.sngGrenzeRechts = 10;
    e.sngGrenzeLinks = 10;
    e.sngGrenzeUnten = 15;
    e.sngGrenzeOben = 15;
    e.lngPapierFormat = 9;
    e.lngAusrichtung = 1;
    // A reused slot may still carry the changed flag of the label closed in
    // it; a fresh label has nothing to save yet.
    e.blnGeaendert = false;
    if (zeigen) {
        p.lngNeuesSchild = n;
        if (neu)
            f.setVisible(true);
    }
}

int32_t SchilderZaehlen() {
    const auto& p = P();
    int32_t anzahl = 0;
    for (int32_t i = 1; i <= p.hoechstesSchild(); ++i)
        if (!p.Schilder[i].blnSchildFrei)
            ++anzahl;
    return anzahl;
}

void SchilderAnzeigen() {
    auto& p = P();
    for (int32_t i = 1; i <= p.hoechstesSchild(); ++i) {
        if (p.Schilder[i].blnSchildFrei)
            continue;
        frmLabel& f = Schild(i);
        f.setVisible(true);
        if (f.Enabled())
            f.SetFocus();
    }
    // The window just made is the one the user works in next, whatever its
    // number.
    const int32_t neu = std::exchange(p.lngNeuesSchild, 0);
    if (neu >= 1 && neu <= p.hoechstesSchild() && !p.Schilder[neu].blnSchildFrei) {
        frmLabel& f = Schild(neu);
        if (f.Enabled())
            f.SetFocus();
    }
}

void ProgrammZuruecksetzen() {
    auto& p = P();
    for (auto& e : p.Schilder)
        delete e.frmSchilder.data();
    p = Programm{};
    TabellenAnlegen();
}

} // namespace sorvo

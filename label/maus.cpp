// Mouse presses and double-clicks on the elements of a label window.
#include "label/frmFeldMenue.h"
#include "label/frmLabel.h"
#include "label/nachbarn.h"
#include "label/programm.h"
#include "label/unterprogramme.h"
#include "platform/canvas.h"
#include "platform/dialogs.h"

#include <QLocale>

namespace sorvo {

namespace {

// A single value as the locale writes it: up to seven significant digits,
// no group separator, no leading blank.
QString zahlText(double wert) {
    QLocale l;
    l.setNumberOptions(QLocale::OmitGroupSeparator);
    return l.toString(static_cast<double>(static_cast<float>(wert)), 'g', 7);
}

} // namespace

void frmLabel::ElementMausDown(int32_t art, int32_t index, Qt::MouseButton knopf,
                               Qt::KeyboardModifiers umschalt, QPointF pos) {
    auto& p = P();
    const int32_t n = nummer();
    if (n < 1 || n > p.hoechstesSchild())
        return;
    if (n != p.lngAktivesSchild) {
        p.lngAktivesSchild = n;
        WerkzeugTitelSetzen();
    }
    Steuerelement* e = art == ArtText        ? static_cast<Steuerelement*>(&lblText(index))
                       : art == ArtDatenfeld ? static_cast<Steuerelement*>(&lblDatenfeld(index))
                                             : static_cast<Steuerelement*>(&imgBild(index));

    // Only these three keys count, and only alone: Ctrl+Alt matches nothing.
    const Qt::KeyboardModifiers tasten =
        umschalt & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    const bool links = knopf == Qt::LeftButton;
    const bool rechts = knopf == Qt::RightButton;

    if (tasten == Qt::NoModifier && links) {
        auto& s = S(n);
        (art == ArtText        ? s.lngAktuellerText
         : art == ArtDatenfeld ? s.lngAktuellesDatenfeld
                               : s.lngAktuellesBild) = index;
        ziehenStarten(*e, pos);
    } else if (tasten == Qt::NoModifier && rechts) {
        FeldMenueOeffnen(*this, art, index, pos);
    } else if (tasten == Qt::ControlModifier && (links || rechts)) {
        // A layer move is no change of the label: no change notice.
        if (links)
            EbeneHoeher(Elementcode(art, index));
        else
            EbeneTiefer(Elementcode(art, index));
    } else if (tasten == Qt::AltModifier && links && art == ArtDatenfeld) {
        if (!S(n).blnPflanzenDb)
            return;
        const QString cap = lblDatenfeld(index).Caption();
        if (!cap.startsWith(QLatin1Char('<')))
            return;
        dialoge().meldung(DatenfeldErklaerung(cap, S(n).strDbArt), Msg::OK,
                          QStringLiteral("Erklärung Datenfeld"));
    } else if (tasten == Qt::AltModifier && rechts && art != ArtBild) {
        dialoge().meldung(QStringLiteral("left:") + zahlText(e->Left()) + QStringLiteral("  top:") +
                              zahlText(e->Top()),
                          Msg::OK, programmTitel());
    }
}

void frmLabel::elementDoppelklick(int32_t art, int32_t Index) {
    auto& p = P();
    const int32_t n = nummer();
    if (n < 1 || n > p.hoechstesSchild())
        return;
    p.lngAktivesSchild = n;
    p.strElementNummer = QString::number(Index);
    if (auto* b = nachbarn().bearbeitung)
        b->ElementLaden(art, Index);
}

void frmLabel::imgBild_DblClick(int32_t Index) {
    elementDoppelklick(ArtBild, Index);
}

void frmLabel::lblText_DblClick(int32_t Index) {
    elementDoppelklick(ArtText, Index);
}

void frmLabel::lblDatenfeld_DblClick(int32_t Index) {
    elementDoppelklick(ArtDatenfeld, Index);
}

} // namespace sorvo

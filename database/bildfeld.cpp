#include "database/bildfeld.h"

#include "database/bildersuche.h"
#include "database/frmBilderAuswahl.h"
#include "database/frmBotrelOrdner.h"
#include "database/frmDbSaetzeWaehlen.h"
#include "label/frmLabel.h"
#include "label/nachbarn.h"
#include "label/programm.h"
#include "platform/bilddatei.h"
#include "platform/canvas.h"
#include "platform/dialogs.h"
#include "platform/elements.h"
#include "platform/units.h"

#include <QImage>

namespace sorvo {

namespace {

// The picture folder is known, or the user found it now.
bool bilderOrdnerBekannt() {
    if (BilderOrdnerPruefen())
        return true;
    const Antwort a = dialoge().meldung(
        QStringLiteral("Der Ordner in der sich die Botrel-Bilder befinden ist nicht bekannt!\r"
                       "Soll der Ordner jetzt gesucht werden?"),
        Msg::YesNo + Msg::Question, QStringLiteral("Sorvo"));
    if (a != Antwort::Yes)
        return false;
    BotrelBilderZeigen();
    return BilderOrdnerPruefen();
}

// The path of the picture to place, "" for none.
QString bildWaehlen(frmDbSaetzeWaehlen& saetze) {
    try {
        const jet::Value artnr = saetze.Data1->recordset()
                                     ? saetze.Data1->recordset()->value(QStringLiteral("ARTNR"))
                                     : jet::Value();
        saetze.strBilderUebergabe = artnr.isNull() ? QString() : artnr.toString();
    } catch (const jet::JetError&) {
        // No current record or no article number: the record has no pictures.
        saetze.strBilderUebergabe.clear();
    }
    saetze.strBotrelBild.clear();
    if (ArtikelBilderZaehlen(saetze) == 0)
        return {};
    // Counted afresh: the folder may have changed since.
    if (ArtikelBilderZaehlen(saetze) > 1) {
        frmBilderAuswahl auswahl(saetze, nachbarn().mdi ? nachbarn().mdi->widget() : nullptr);
        auswahl.Form_Load();
        dialoge().fensterModal(auswahl);
    }
    return saetze.strBotrelBild;
}

// Keeps the picture inside the label, shrinking it in proportion.
void imSchildHalten(Bild& b, const frmLabel& f) {
    const auto innenBreite = static_cast<float>(f.ScaleWidth());
    const auto innenHoehe = static_cast<float>(f.ScaleHeight());
    if (static_cast<float>(b.Left()) + static_cast<float>(b.Width()) > innenBreite) {
        const double verhaeltnis = b.Width() / b.Height();
        b.setLeft(Runden(b.Left()));
        b.setWidth(innenBreite - b.Left());
        b.setHeight(Runden(b.Width() / verhaeltnis));
    }
    if (static_cast<float>(b.Top()) + static_cast<float>(b.Height()) > innenHoehe) {
        const double verhaeltnis = b.Height() / b.Width();
        b.setTop(Runden(b.Top()));
        b.setHeight(innenHoehe - b.Top());
        b.setWidth(Runden(b.Height() / verhaeltnis));
    }
}

// Fits the picture to the maximum box, enlarging it where it is smaller.
void inBoxEinpassen(Bild& b, int32_t maxBreite, int32_t maxHoehe) {
    const double hoehe = b.Height(), breite = b.Width();
    double faktor = maxBreite > 0 ? maxBreite / breite : maxHoehe / hoehe;
    int32_t neuHoehe = RundenGerade(hoehe * faktor);
    int32_t neuBreite = RundenGerade(breite * faktor);
    if (neuHoehe > maxHoehe && maxHoehe != 0) {
        faktor = maxHoehe / hoehe;
        neuHoehe = RundenGerade(hoehe * faktor);
        neuBreite = RundenGerade(breite * faktor);
    }
    b.setHeight(neuHoehe);
    b.setWidth(neuBreite);
}

// The path of a chosen picture that could not be read, "" otherwise.
QString bildPlatzieren(frmDbSaetzeWaehlen& saetze, int32_t w, int32_t j, int32_t maxBreite,
                       int32_t maxHoehe) {
    if (!bilderOrdnerBekannt())
        return {};
    const QString pfad = bildWaehlen(saetze);
    if (pfad.isEmpty())
        return {};
    frmLabel& f = Schild(w);
    const Beschriftung& feld = f.lblDatenfeld(j);
    const bool zentriert = feld.Alignment() == 2;
    // The header's size is checked before anything is decoded.
    const auto mm = bildGroesseMm(pfad);
    const QImage bild = mm ? bildLaden(pfad) : QImage();
    if (bild.isNull())
        return pfad; // no picture: the label goes without, the user is told
    const int32_t H = RundenGerade(mm->height());
    const int32_t W = RundenGerade(mm->width());
    if (H <= 0 || W <= 0)
        return {}; // too small to have proportions
    // At the label's limit nothing is created, and nothing else changed.
    if (!f.BildNeu())
        return {};
    auto& e = S(w);
    const int32_t i = e.lngAktuellesBild;
    // The picture takes the data field's place in the stacking order.
    const int32_t c = Elementcode(ArtDatenfeld, j);
    const int32_t n = e.lngReihenfolgeAnzahl;
    for (int32_t k = 1; k <= n - 1; ++k)
        if (e.lngReihenfolge[static_cast<size_t>(k)] == c) {
            e.lngReihenfolge[static_cast<size_t>(k)] = e.lngReihenfolge[static_cast<size_t>(n)];
            e.lngReihenfolge[static_cast<size_t>(n)] = c;
        }
    f.BildPfadSchreiben(i, pfad);
    Bild& b = f.imgBild(i);
    b.setLeft(feld.Left());
    b.setTop(feld.Top());
    b.setHeight(H / 2.0);
    b.setWidth(W / 2.0);
    if (maxBreite == 0 && maxHoehe == 0)
        imSchildHalten(b, f);
    else
        inBoxEinpassen(b, maxBreite, maxHoehe);
    if (zentriert) {
        f.ObjekteAusrichten();
        b.setLeft(RundenGerade(b.Left()) + (maxBreite - RundenGerade(b.Width())) / 2.0);
    }
    b.setPicture(bild);
    b.setVisible(true);
    f.flaeche()->nachVorne(&b);
    return {};
}

} // namespace

QString BildFeldFuellen(frmDbSaetzeWaehlen& saetze, int32_t w, int32_t j, int32_t maxBreite,
                        int32_t maxHoehe) {
    P().lngAktivesSchild = w;
    const QString unlesbar = bildPlatzieren(saetze, w, j, maxBreite, maxHoehe);
    DatenfeldEntfernen(w, j);
    return unlesbar;
}

} // namespace sorvo

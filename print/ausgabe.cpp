// The output engine: one label, or a sheet of generated loop labels, drawn on
// the printer or the preview page.
#include "label/frmLabel.h"
#include "label/programm.h"
#include "platform/dialogs.h"
#include "platform/elements.h"
#include "print/frmVorschau.h"

namespace sorvo {

namespace {

// Float margins against double heights: a row that ends on the bottom edge fits.
constexpr double kRasterToleranz = 1e-3;

bool erzeugt(frmLabel& f) {
    return f.Caption().contains(QLatin1String("erzeugt von"));
}

// Puts the current window's top and left margins back when the grid ends,
// also when it ends in a failure: the grid must never leave a label with the
// margins of some cell.
struct RandWaechter {
    int32_t schild;
    float oben;
    float links;
    explicit RandWaechter(int32_t n)
        : schild(n), oben(S(n).sngGrenzeOben), links(S(n).sngGrenzeLinks) {}
    ~RandWaechter() {
        S(schild).sngGrenzeOben = oben;
        S(schild).sngGrenzeLinks = links;
    }
    RandWaechter(const RandWaechter&) = delete;
    RandWaechter& operator=(const RandWaechter&) = delete;
};

} // namespace

void frmVorschau::Ausgabe(int32_t Prozent) {
    // Without a label window there is nothing to draw; slot 0 never holds one.
    const int32_t schild = P().lngAktivesSchild;
    if (schild < 1 || schild > P().hoechstesSchild() || S(schild).blnSchildFrei)
        return;
    const bool drucker = objZiel && objZiel->istDrucker();
    const bool raster = erzeugt(Schild(schild)) && S(schild).blnSchlaufenetikett;
    const bool gesammelt = drucker && Printer().sammelt();
    // A dropped job takes no more pages; a loop-label sheet holds every
    // generated loop label of its height, so it goes into a job once.
    if (gesammelt && (Printer().sammelnFehlgeschlagen() ||
                      (raster && Printer().rasterGesammelt(Schild(schild).ScaleHeight()))))
        return;
    try {
        DruckStart(Prozent);
        const int32_t cur = P().lngAktivesSchild;
        if (!raster) {
            SchildElementeDrucken();
        } else {
            SchilderRasterDrucken();
            if (gesammelt)
                Printer().rasterGesammeltMerken(Schild(cur).ScaleHeight());
        }
        DruckEnde();
        ScrollbarsAusrichten();
    } catch (const DruckAbgebrochen&) {
        // The user's own cancel: the job goes, nothing to report, and the
        // run ends as one that printed.
        Printer().abbrechen();
        if (!isVisible() && !gesammelt)
            vorschauEntladen();
        return;
    } catch (const std::exception&) {
        // What was drawn stays on the preview; a half-drawn print document
        // is dropped instead of going out with the next run.
        if (drucker)
            Printer().abbrechen();
        else if (auto* b = dynamic_cast<Bildflaeche*>(objZiel)) {
            b->fertig();
        }
        dialoge().meldung(QStringLiteral("Fehler beim Drucken!\rKontrollieren Sie ob der "
                                         "Standard-Drucker definiert ist!"),
                          Msg::Exclamation, QStringLiteral("Fehler beim Drucken!"));
        return;
    }
    // A collected job keeps the window for its next run.
    if (!isVisible() && !gesammelt)
        vorschauEntladen();
}

void frmVorschau::DruckStart(int32_t Prozent) {
    if (!objZiel)
        throw DruckFehler("no target");
    DruckerZiel& drucker = Printer();
    sngSeitenBreite = static_cast<float>(drucker.WidthTwips()) / 567.0f * 10.0f;
    sngSeitenHoehe = static_cast<float>(drucker.HeightTwips()) / 567.0f * 10.0f;
    lngAlterScaleMode = objZiel->ScaleMode;
    objZiel->ScaleMode = 6;

    auto zentrieren = [this] {
        auto& e = S(P().lngAktivesSchild);
        // A loop label's place on the sheet is its own dialog's business;
        // centring would move the whole grid.
        if (e.blnSchlaufenetikett)
            return;
        if (DO().blnHZentrieren)
            e.sngGrenzeLinks = sngSeitenBreite / 2 - e.sngSchildBreite / 2;
        if (DO().blnVZentrieren)
            e.sngGrenzeOben = sngSeitenHoehe / 2 - e.sngSchildHoehe / 2;
    };
    if (objZiel->istDrucker()) {
        // In a collected job every run is a page of its own.
        if (drucker.sammelt())
            drucker.neueSeite();
        zentrieren();
        return;
    }
    auto* bild = dynamic_cast<Bildflaeche*>(objZiel);
    if (!bild)
        throw DruckFehler("unknown target");
    bild->move(0, 0);
    sngZoom = static_cast<float>(Prozent) / 100.0f;
    bild->seiteAnlegen(sngSeitenBreite, sngSeitenHoehe, sngZoom);
    bild->FontName = drucker.FontName;
    bild->FontSize = drucker.FontSize;
    bild->ForeColor = drucker.ForeColor;
    zentrieren();
    bild->setVisible(true);
}

void frmVorschau::DruckEnde() {
    objZiel->ScaleMode = lngAlterScaleMode;
    if (objZiel->istDrucker()) {
        if (!Printer().sammelt())
            Printer().EndDoc();
    } else if (auto* b = dynamic_cast<Bildflaeche*>(objZiel)) {
        b->fertig();
    }
}

void frmVorschau::elementeZeichnen(int32_t j) {
    const auto& e = S(j);
    for (int32_t pos = 1; pos <= e.lngReihenfolgeAnzahl; ++pos) {
        const int32_t code = e.lngReihenfolge.at(static_cast<size_t>(pos));
        const int32_t index = elementIndexAusCode(code);
        switch (elementArtAusCode(code)) {
        case ArtText:
            DruckTeOriginal(index, j);
            break;
        case ArtBild:
            DruckBildfeld(index, j);
            break;
        case ArtDatenfeld:
            DruckDfOriginal(index, j);
            break;
        default:
            break;
        }
    }
}

void frmVorschau::SchildElementeDrucken() {
    const int32_t cur = P().lngAktivesSchild;
    elementeZeichnen(cur);
    if (!objZiel->istDrucker() && !S(cur).blnSchlaufenetikett)
        DruckBegrenzung();
    DruckSchildrahmen();
}

void frmVorschau::SchilderRasterDrucken() {
    const int32_t cur = P().lngAktivesSchild;
    const int32_t proReihe = DO().lngSchilderProReihe;
    if (proReihe < 1)
        throw DruckFehler("no labels per row");
    RandWaechter gesichert(cur);
    const double hoehe = Schild(cur).ScaleHeight();
    const bool drucker = objZiel->istDrucker();
    // A row that would run past the bottom of the printable area goes on on
    // a new sheet, again at the distance from the sheet's top edge. The
    // preview shows the first sheet.
    const double unten = drucker ? Printer().druckHoeheMm() : sngSeitenHoehe;
    if (drucker)
        Printer().oeffnen();
    int32_t ersteReihe = 0; // first row of the current sheet
    int32_t k = 1;
    for (int32_t j = 1; j <= P().hoechstesSchild(); ++j) {
        for (int32_t kopie = 1; kopie <= DO().lngDruckeProSchild; ++kopie) {
            if (S(j).blnSchildFrei || !erzeugt(Schild(j)) || Schild(j).ScaleHeight() != hoehe)
                continue;
            const int32_t reihe = (k - 1) / proReihe;
            const int32_t spalte = (k - 1) % proReihe;
            double oben = hoehe * (reihe - ersteReihe) + gesichert.oben;
            if (reihe > ersteReihe && oben + hoehe > unten + kRasterToleranz) {
                if (!drucker)
                    return;
                Printer().neueSeite();
                ersteReihe = reihe;
                oben = gesichert.oben;
            }
            S(cur).sngGrenzeOben = static_cast<float>(oben);
            S(cur).sngGrenzeLinks = S(cur).sngEtikettBreite * spalte + gesichert.links;
            elementeZeichnen(j);
            DruckSchildrahmen();
            ++k;
        }
    }
}

void frmVorschau::DruckSchildrahmen() {
    if (objZiel->istDrucker() && !P().blnRahmenDrucken)
        return;
    const auto& e = S(P().lngAktivesSchild);
    float hoehe = e.sngSchildHoehe;
    DruckRahmen(0, 0, e.sngSchildBreite, hoehe, 50000, P().strRahmenDruckFarbe);
}

void frmVorschau::DruckBegrenzung() {
    if (DO().blnHZentrieren || DO().blnVZentrieren)
        return;
    const auto& e = S(P().lngAktivesSchild);
    objZiel->DrawStyle = 2;
    QPainter& pt = p();
    pt.setPen(stift(objZiel->ForeColor));
    pt.setBrush(Qt::NoBrush);
    pt.drawRect(QRectF(
        QPointF(px(e.sngGrenzeLinks), px(e.sngGrenzeOben)),
        QPointF(px(sngSeitenBreite - e.sngGrenzeRechts), px(sngSeitenHoehe - e.sngGrenzeUnten))));
    objZiel->DrawStyle = 0;
}

void frmVorschau::DruckBildfeld(int32_t i, int32_t j) {
    const Bild& b = Schild(j).imgBild(i);
    DruckBild(b, static_cast<float>(b.Left()), static_cast<float>(b.Top()),
              static_cast<float>(b.Width()), static_cast<float>(b.Height()));
}

} // namespace sorvo

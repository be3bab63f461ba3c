// A full label (70 texts, 30 data fields, 30 pictures) in a label window of
// the real main window: created, aligned and re-stacked; and the aligning
// and re-stacking alone on a label that is already full.
#include "app/MDI.h"
#include "label/frmLabel.h"
#include "label/programm.h"
#include "platform/canvas.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

using namespace sorvo;

namespace {

// Fills the current label window; about a third of the texts and fields
// reach past the right edge and a few pictures past the bottom, so that the
// aligning has work to do.
void schildFuellen(frmLabel& f, const QImage& bild) {
    for (int32_t i = 0; i < 70; ++i) {
        f.TextNeu();
        Beschriftung& t = f.lblText(S(P().lngAktivesSchild).lngAktuellerText);
        t.setCaption(QStringLiteral("Rosa canina %1").arg(i));
        t.setLeft((i % 10) * 9.5);
        t.setTop((i / 10) * 8.0);
        t.setAutoSize(true);
        t.setVisible(true);
    }
    for (int32_t i = 0; i < 30; ++i) {
        f.DatenfeldNeu();
        const int32_t d = S(P().lngAktivesSchild).lngAktuellesDatenfeld;
        Beschriftung& b = f.lblDatenfeld(d);
        b.setCaption(QStringLiteral("<Höhe %1>").arg(i));
        b.setLeft((i % 6) * 17.0);
        b.setTop(56 + (i / 6) * 5.0);
        b.setAutoSize(true);
        if (i % 3 == 0)
            f.DatenfeldMaxBreiteSchreiben(d, 25);
        b.setVisible(true);
    }
    for (int32_t i = 0; i < 30; ++i) {
        f.BildNeu();
        Bild& b = f.imgBild(S(P().lngAktivesSchild).lngAktuellesBild);
        b.setPicture(bild);
        b.setLeft((i % 6) * 18.3);
        b.setTop((i / 6) * 15.7);
        b.setWidth(24);
        b.setHeight(18);
        b.setVisible(true);
    }
}

QImage testbild() {
    QImage bild(400, 300, QImage::Format_RGB32);
    bild.fill(Qt::darkGreen);
    return bild;
}

// The main window as at start-up; the label windows go with it.
struct Umgebung {
    MDI mdi;
    Umgebung() {
        mdi.MDIForm_Load();
        mdi.show();
    }
    ~Umgebung() {
        ProgrammZuruecksetzen();
        nachbarn() = Nachbarn{};
    }
};

void neuesVolles(const QImage& bild) {
    NeuesSchild();
    frmLabel& f = Schild(P().lngAktivesSchild);
    float breite = 100, hoehe = 75;
    FenstergroesseSetzen(breite, hoehe, f);
    schildFuellen(f, bild);
}

} // namespace

// Created, aligned and re-stacked, in a window slot never used before.
static void BM_VollesSchildAnlegen(benchmark::State& state) {
    Umgebung u;
    const QImage bild = testbild();
    for (auto _ : state) {
        neuesVolles(bild);
        frmLabel& f = Schild(P().lngAktivesSchild);
        f.ObjekteAusrichten();
        ReihenfolgeHerstellen();
        benchmark::DoNotOptimize(f.lblText(70).Height());
        state.PauseTiming();
        if (f.TextZaehlen() != 70 || f.DatenfeldZaehlen() != 30 || f.BilderZaehlen() != 30 ||
            S(P().lngAktivesSchild).lngReihenfolgeAnzahl != 130) {
            state.SkipWithError("the label is not full");
            break;
        }
        ProgrammZuruecksetzen();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_VollesSchildAnlegen)->Unit(benchmark::kMillisecond);

// Aligning and re-stacking a full label; every round moves the texts so
// that the wrapped ones must be measured again.
static void BM_VollesSchildAusrichten(benchmark::State& state) {
    Umgebung u;
    neuesVolles(testbild());
    frmLabel& f = Schild(P().lngAktivesSchild);
    int runde = 0;
    for (auto _ : state) {
        const double versatz = (++runde % 2) * 5.0;
        for (int32_t i = 1; i <= 70; ++i)
            f.lblText(i).setLeft(((i - 1) % 10) * 9.5 + versatz);
        f.ObjekteAusrichten();
        ReihenfolgeHerstellen();
        benchmark::DoNotOptimize(f.lblText(70).Height());
    }
}
BENCHMARK(BM_VollesSchildAusrichten)->Unit(benchmark::kMillisecond);

// Drawing the full label once at screen resolution.
static void BM_VollesSchildZeichnen(benchmark::State& state) {
    Umgebung u;
    neuesVolles(testbild());
    frmLabel& f = Schild(P().lngAktivesSchild);
    f.ObjekteAusrichten();
    ReihenfolgeHerstellen();
    const double ppm = f.flaeche()->pixelProMm();
    QImage ziel(static_cast<int>(100 * ppm), static_cast<int>(75 * ppm),
                QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        ziel.fill(Qt::white);
        QPainter p(&ziel);
        f.flaeche()->zeichnen(p, ppm);
    }
}
BENCHMARK(BM_VollesSchildZeichnen)->Unit(benchmark::kMillisecond);

// Cost of a label window's element controls: building a full window (70
// self-sizing captions, 30 fixed captions, 30 pictures), painting it with
// cached and with dropped text layouts, hit-testing, and memory per window.
#include "platform/canvas.h"

#include <QApplication>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <memory>
#include <vector>

using namespace sorvo;

namespace {

const QString kTexte[] = {
    QStringLiteral("Rosa canina"),
    QStringLiteral("Hundsrose"),
    QStringLiteral("Höhe: 150 - 300 cm"),
    QStringLiteral("Blüte: Juni - Juli, rosa bis weiß, einfach, duftend"),
    QStringLiteral("Standort: sonnig bis halbschattig\r\nBoden: anspruchslos"),
    QStringLiteral("<Syn.>"),
    QStringLiteral("Preis: 12,50 €"),
};
const QString kSchriften[] = {QStringLiteral("MS Sans Serif"), QStringLiteral("Arial"),
                              QStringLiteral("Times New Roman")};

const QImage& bild() {
    static const QImage b = [] {
        QImage i(640, 480, QImage::Format_RGB32);
        i.fill(QColor(40, 120, 40));
        return i;
    }();
    return b;
}

void beschriften(Beschriftung* b, int i) {
    b->setCaption(kTexte[i % std::size(kTexte)]);
    b->setFontName(kSchriften[i % std::size(kSchriften)]);
    b->setFontSize(8 + (i % 5) * 2);
    b->setFontBold(i % 3 == 0);
    b->setFontItalic(i % 4 == 0);
    b->setBackColor(RGB(255, 255, 255));
    b->setForeColor(RGB(0, 0, 0));
}

// A full label window of 100 x 75 mm.
std::unique_ptr<ElementCanvas> fuellen() {
    auto c = std::make_unique<ElementCanvas>();
    c->resize(378, 283);
    for (int i = 0; i < 70; ++i) {
        Beschriftung* b = c->neueBeschriftung();
        b->setAutoSize(true);
        b->setWordWrap(i % 2 == 1);
        b->setWidth(40);
        b->setLeft(i % 60);
        b->setTop(i % 70);
        beschriften(b, i);
    }
    for (int i = 0; i < 30; ++i) {
        Beschriftung* b = c->neueBeschriftung();
        b->setLeft(i * 2);
        b->setTop(i * 2);
        b->setWidth(30);
        b->setHeight(8);
        beschriften(b, i);
    }
    for (int i = 0; i < 30; ++i) {
        Bild* b = c->neuesBild();
        b->setLeft(i * 3);
        b->setTop(i * 2);
        b->setWidth(20);
        b->setHeight(15);
        b->setPicture(bild());
    }
    double summe = 0;
    for (const Steuerelement* e : c->stapel())
        summe += e->Width() + e->Height(); // measures every self-sizing caption
    benchmark::DoNotOptimize(summe);
    return c;
}

void BM_FensterFuellen(benchmark::State& state) {
    for (auto _ : state) {
        auto c = fuellen();
        benchmark::DoNotOptimize(c.get());
    }
}
BENCHMARK(BM_FensterFuellen)->Unit(benchmark::kMillisecond);

void BM_Zeichnen(benchmark::State& state) {
    const bool ohneCache = state.range(0) != 0;
    auto c = fuellen();
    QImage ziel(c->size(), QImage::Format_RGB32);
    c->render(&ziel); // first paint builds the layouts and scaled pictures
    for (auto _ : state) {
        if (ohneCache) {
            state.PauseTiming();
            for (const Steuerelement* e : c->stapel())
                e->cachesFreigeben();
            state.ResumeTiming();
        }
        c->render(&ziel);
    }
    state.SetLabel(ohneCache ? "layouts rebuilt" : "layouts cached");
}
BENCHMARK(BM_Zeichnen)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_Treffer(benchmark::State& state) {
    auto c = fuellen();
    int n = 0;
    for (auto _ : state) {
        const QPointF mm((n * 7) % 100, (n * 3) % 75);
        benchmark::DoNotOptimize(c->elementBei(mm));
        ++n;
    }
}
BENCHMARK(BM_Treffer);

// Heap in use (not the resident size, which keeps freed memory).
double heapKiB() {
    return static_cast<double>(mallinfo2().uordblks) / 1024.0;
}

// Arg 1: the caches dropped, as a hidden window drops them.
void BM_SpeicherProFenster(benchmark::State& state) {
    const bool versteckt = state.range(0) != 0;
    for (auto _ : state) {
        const double vorher = heapKiB();
        std::vector<std::unique_ptr<ElementCanvas>> fenster;
        for (int i = 0; i < 200; ++i) {
            fenster.push_back(fuellen());
            if (versteckt)
                for (const Steuerelement* e : fenster.back()->stapel())
                    e->cachesFreigeben();
        }
        state.counters["KiB_pro_Fenster"] = (heapKiB() - vorher) / 200.0;
    }
    state.SetLabel(versteckt ? "caches dropped" : "layouts kept");
}
BENCHMARK(BM_SpeicherProFenster)->Arg(0)->Arg(1)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

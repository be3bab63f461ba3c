// Shared main of the benchmarks that need the program's windows: a headless
// application with a settings file of its own, the fonts mapped, and no
// question left waiting for an answer.
#include "bench/keine_dialoge.h"
#include "platform/fonts.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir registry;
    qputenv("SORVO_REGISTRY", (registry.path() + "/registry.txt").toUtf8());
    QApplication app(argc, argv);
    sorvo::schriftenEinrichten();
    sorvo::bench::KeineDialoge dialoge;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return dialoge.berichten();
}

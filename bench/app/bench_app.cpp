// Start-up figures: the main window's load, and opening a new label window
// the way the new-label dialog's OK does it.
#include "app/MDI.h"
#include "label/frmLabel.h"
#include "label/frmNeu.h"
#include "label/programm.h"

#include <QApplication>
#include <QLineEdit>
#include <benchmark/benchmark.h>

using namespace sorvo;

static void BM_MDIForm_Load(benchmark::State& state) {
    for (auto _ : state) {
        ProgrammZuruecksetzen();
        MDI mdi;
        mdi.MDIForm_Load();
        mdi.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(P().Schilder.size());
        state.PauseTiming();
        ProgrammZuruecksetzen();
        nachbarn() = Nachbarn{};
        state.ResumeTiming();
    }
}
BENCHMARK(BM_MDIForm_Load)->Unit(benchmark::kMillisecond);

// A new label each round; every fifth round closes them all so that slots
// are reused as well as created.
static void BM_NeuesSchildAusDialog(benchmark::State& state) {
    ProgrammZuruecksetzen();
    MDI mdi;
    mdi.MDIForm_Load();
    mdi.show();
    int runde = 0;
    for (auto _ : state) {
        mdi.mnuDateiNeu_Click();
        auto* d = mdi.findChild<frmNeu*>(QStringLiteral("frmNeu"));
        d->txtBreite->setText(QStringLiteral("100"));
        d->txtHoehe->setText(QStringLiteral("75"));
        d->cmdOK_Click();
        QApplication::processEvents();
        state.PauseTiming();
        delete d;
        if (++runde % 5 == 0)
            for (int32_t i = 1; i <= P().hoechstesSchild(); ++i)
                if (!P().Schilder[i].blnSchildFrei)
                    Schild(i).schliessen();
        state.ResumeTiming();
    }
    ProgrammZuruecksetzen();
    nachbarn() = Nachbarn{};
}
BENCHMARK(BM_NeuesSchildAusDialog)->Unit(benchmark::kMillisecond);

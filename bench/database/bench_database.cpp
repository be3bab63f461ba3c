// The record choice on a plant database of 20,000 records: binding it and
// showing its grid (budget 300 ms), a letter filter (50 ms) and scrolling
// the grid to its end (50 ms).
#include "app/MDI.h"
#include "database/frmDbAuswaehlen.h"
#include "database/frmDbSaetzeWaehlen.h"
#include "label/frmLabel.h"
#include "label/programm.h"
#include "platform/elements.h"
#include "tests/database/support/pflanzen_dbs.h"

#include <QApplication>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

using namespace sorvo;

namespace {

constexpr int Records = 20000;

const QString& datenbank() {
    static QTemporaryDir dir;
    // The fixture's own plants, less the one without article number, which
    // the record choice does not offer, and generated ones up to Records.
    static const QString pfad = test::pflanzenDatenbankSchreiben(
        dir.path(), QStringLiteral("botrel.mdb"), {QStringLiteral("vxt")},
        Records - static_cast<int>(test::pflanzen().size()) + 1);
    return pfad;
}

// The main window with one label window bound to the database's pot plants
// and the record-choice window shown.
struct Programm {
    std::unique_ptr<MDI> mdi;
    int32_t n = 0;

    Programm() {
        ProgrammZuruecksetzen();
        mdi = std::make_unique<MDI>();
        mdi->MDIForm_Load();
        mdi->show();
        NeuesSchild();
        n = P().lngAktivesSchild;
        Schild(n).DatenfeldNeu();
        Schild(n).lblDatenfeld(1).setCaption(QStringLiteral("<Bot Name>"));
        S(n).strDbPfad = datenbank();
        S(n).blnPflanzenDb = true;
        SchildDb(n).BotrelDateiArt = QStringLiteral("vxt");
        DbSaetze().show();
        QApplication::processEvents();
    }
    ~Programm() {
        ProgrammZuruecksetzen();
        mdi.reset();
        nachbarn() = Nachbarn{};
    }
    // Draws the visible part of the grid now.
    static void zeichnen() {
        QTableView& g = *DbSaetze().grdDataGrid;
        g.viewport()->repaint();
        QApplication::processEvents();
    }
};

void binden(benchmark::State& state) {
    Programm p;
    auto& w = DbSaetze();
    for (auto _ : state) {
        // Nothing holds the file open: every round reads it anew.
        state.PauseTiming();
        w.platzhalterBinden(P().strSorvoVerz);
        QApplication::processEvents();
        state.ResumeTiming();
        SchildDb(p.n).DbTabellenAnzeigen();
        Programm::zeichnen();
        if (w.grdDataGridSpalten->rowCount() != Records)
            state.SkipWithError("wrong number of records");
    }
}
BENCHMARK(binden)->Unit(benchmark::kMillisecond);

void buchstabe(benchmark::State& state) {
    Programm p;
    auto& w = DbSaetze();
    SchildDb(p.n).DbTabellenAnzeigen();
    int i = 0;
    for (auto _ : state) {
        w.cmdAuswahl_Click(i++ % 26);
        Programm::zeichnen();
    }
}
BENCHMARK(buchstabe)->Unit(benchmark::kMillisecond);

void ansEnde(benchmark::State& state) {
    Programm p;
    auto& w = DbSaetze();
    SchildDb(p.n).DbTabellenAnzeigen();
    QTableView& g = *w.grdDataGrid;
    for (auto _ : state) {
        g.scrollToBottom();
        Programm::zeichnen();
        state.PauseTiming();
        if (g.verticalScrollBar()->value() != g.verticalScrollBar()->maximum())
            state.SkipWithError("not at the end");
        g.scrollToTop();
        Programm::zeichnen();
        state.ResumeTiming();
    }
}
BENCHMARK(ansEnde)->Unit(benchmark::kMillisecond);

} // namespace

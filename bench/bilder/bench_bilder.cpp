// Plant pictures from 2,000 x 1,500 pixel photographs: placing one in a
// generated label (budget 30 ms) and opening the choice window with ten of
// them (300 ms).
#include "app/MDI.h"
#include "database/bildfeld.h"
#include "database/frmBilderAuswahl.h"
#include "database/frmDbAuswaehlen.h"
#include "database/frmDbSaetzeWaehlen.h"
#include "label/frmLabel.h"
#include "label/programm.h"
#include "platform/elements.h"
#include "tests/database/support/pflanzen_dbs.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

using namespace sorvo;

namespace {

// 1001 has one picture, 1006 ten.
const std::vector<test::BilderZeile>& zeilen() {
    static const std::vector<test::BilderZeile> z{
        {1001, {"0054005"}, {"Blüte"}, {}, {}},
        {1006,
         {"p1", "p2", "p3", "p4", "p5"},
         {"G1", "G2", "G3", "G4", "G5"},
         {"p6", "p7", "p8", "p9", "p10"},
         {"D1", "D2", "D3", "D4", "D5"}},
    };
    return z;
}

// A photograph-like picture: gradients and detail, so that it does not
// compress to nothing.
void foto(const QString& pfad, int saat) {
    QImage b(2000, 1500, QImage::Format_RGB32);
    for (int y = 0; y < b.height(); ++y) {
        auto* zeile = reinterpret_cast<QRgb*>(b.scanLine(y));
        for (int x = 0; x < b.width(); ++x)
            zeile[x] =
                qRgb((x * 7 + saat * 31) & 255, (y * 5 + x / 3) & 255, ((x ^ y) + saat) & 255);
    }
    b.setDotsPerMeterX(11811); // 300 dpi
    b.setDotsPerMeterY(11811);
    b.save(pfad, "JPG", 85);
}

struct Daten {
    QTemporaryDir dir;
    QString db;
    QString baum;
    Daten() {
        db = test::pflanzenDatenbankSchreiben(dir.path(), QStringLiteral("botrel.mdb"),
                                              {QStringLiteral("vxt")}, 0, &zeilen());
        baum = dir.filePath(QStringLiteral("bilder/"));
        QDir().mkpath(baum + QStringLiteral("topfpflanzen"));
        foto(baum + QStringLiteral("topfpflanzen/0054005.jpg"), 0);
        for (int i = 1; i <= 10; ++i)
            foto(baum + QStringLiteral("topfpflanzen/p%1.jpg").arg(i), i);
    }
};

const Daten& daten() {
    static const Daten d;
    return d;
}

// The main window with one label window bound to the database, Data1 on
// the record artnr.
struct Programm {
    std::unique_ptr<MDI> mdi;
    int32_t n = 0;

    explicit Programm(long artnr) {
        ProgrammZuruecksetzen();
        mdi = std::make_unique<MDI>();
        mdi->MDIForm_Load();
        mdi->show();
        NeuesSchild();
        n = P().lngAktivesSchild;
        P().strBotrelBilderVerz = daten().baum;
        S(n).strDbPfad = daten().db;
        S(n).blnPflanzenDb = true;
        SchildDb(n).BotrelDateiArt = QStringLiteral("vxt");
        SchildDb(n).DbTabellenAnzeigen();
        jet::Recordset* rs = DbSaetze().Data1->recordset();
        for (rs->moveFirst(); rs->value(QStringLiteral("ARTNR")).toInt64() != artnr;)
            rs->moveNext();
        QApplication::processEvents();
    }
    ~Programm() {
        ProgrammZuruecksetzen();
        mdi.reset();
        nachbarn() = Nachbarn{};
    }
};

void bildPlatzieren(benchmark::State& state) {
    Programm p(1001);
    frmLabel& f = Schild(p.n);
    for (auto _ : state) {
        state.PauseTiming();
        f.DatenfeldNeu();
        const int32_t j = S(p.n).lngAktuellesDatenfeld;
        f.lblDatenfeld(j).setCaption(QStringLiteral("<Bild>"));
        f.lblDatenfeld(j).setLeft(10);
        f.lblDatenfeld(j).setTop(5);
        state.ResumeTiming();
        BildFeldFuellen(DbSaetze(), p.n, j, 50, 40);
        state.PauseTiming();
        const int32_t i = S(p.n).lngAktuellesBild;
        if (i < 1 || !f.BildStatusLesen(i) || f.imgBild(i).Width() != 50)
            state.SkipWithError("no picture placed");
        f.BildLoeschen(i);
        state.ResumeTiming();
    }
}
BENCHMARK(bildPlatzieren)->Unit(benchmark::kMillisecond);

void auswahlOeffnen(benchmark::State& state) {
    Programm p(1006);
    auto& saetze = DbSaetze();
    saetze.strBilderUebergabe = QStringLiteral("1006");
    for (auto _ : state) {
        frmBilderAuswahl fenster(saetze, p.mdi.get());
        fenster.Form_Load();
        fenster.show();
        fenster.repaint();
        QApplication::processEvents();
        if (fenster.BilderAnzahl() != 10)
            state.SkipWithError("not ten pictures");
        state.PauseTiming();
        fenster.hide();
        state.ResumeTiming();
    }
}
BENCHMARK(auswahlOeffnen)->Unit(benchmark::kMillisecond);

} // namespace

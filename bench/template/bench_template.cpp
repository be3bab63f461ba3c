// Reading and writing a full template: 70 texts, 30 data fields and 30
// pictures, with a database, a prices file and the whole stacking order.
#include "app/MDI.h"
#include "bench/keine_dialoge.h"
#include "label/frmLabel.h"
#include "label/programm.h"
#include "platform/dialogs.h"
#include "platform/elements.h"
#include "platform/fonts.h"
#include "template/vorlage.h"
#include "tests/database/support/pflanzen_dbs.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace sorvo;

namespace {

QTemporaryDir* g_ordner;

QString datei(const QString& name) {
    return g_ordner->filePath(name);
}

// The template window, built once.
int32_t volleVorlage() {
    static int32_t w = 0;
    if (w != 0)
        return w;
    NeuesSchild();
    w = P().lngAktivesSchild;
    auto& e = S(w);
    e.sngSchildBreite = 210;
    e.sngSchildHoehe = 148;
    float b = 210, h = 148;
    FenstergroesseSetzen(b, h, Schild(w));
    // Opening binds both again, so they are real: a perennials' database
    // and a prices file joined on the German name.
    const QString db = test::pflanzenDatenbankSchreiben(
        g_ordner->path(), QStringLiteral("stauden.vxs"), {QStringLiteral("vxs")});
    QFile preise(datei(QStringLiteral("preise.txt")));
    if (preise.open(QIODevice::WriteOnly))
        preise.write("Nr;Preis\r\n1001;2,50\r\n");
    preise.close();
    e.blnDbGeladen = true;
    e.blnPflanzenDb = true;
    e.strDbPfad = db;
    SchildDb(w).BotrelDateiArt = QStringLiteral("vxs");
    e.blnPreisDbGeladen = true;
    e.strPreisDbPfad = preise.fileName();
    e.strPreisSpalte = QStringLiteral("Deutscher Name");
    frmLabel& f = Schild(w);
    for (int i = 0; i < 70; ++i) {
        f.TextNeu();
        const int32_t t = e.lngAktuellerText;
        Beschriftung& c = f.lblText(t);
        c.setCaption(i % 3 == 0 ? QStringLiteral("Rosa canina %1\r\nHundsrose, Größe 2 m").arg(i)
                                : QStringLiteral("Text %1 mit Umlauten äöü").arg(i));
        c.setFontName(i % 2 ? QStringLiteral("Arial") : QStringLiteral("Times New Roman"));
        c.setFontSize(8 + i % 10 * 0.5);
        c.setLeft(i % 10 * 20);
        c.setTop(i / 10 * 20);
        f.TextMaxBreiteSchreiben(t, i % 4 == 0 ? 40 : 0);
        TextAnpassen(t, w);
        c.setVisible(true);
    }
    for (int i = 0; i < 30; ++i) {
        f.DatenfeldNeu();
        const int32_t d = e.lngAktuellesDatenfeld;
        Beschriftung& c = f.lblDatenfeld(d);
        c.setCaption(QStringLiteral("<Feld %1>").arg(i));
        c.setFontName(QStringLiteral("Arial"));
        c.setFontSize(10.5);
        c.setLeft(i % 10 * 20);
        c.setTop(100 + i / 10 * 10);
        DatenfeldAnpassen(d, w);
        c.setVisible(true);
    }
    QImage bild(64, 48, QImage::Format_RGB32);
    for (int i = 0; i < 30; ++i) {
        bild.fill(QColor::fromHsv(i * 12, 200, 200));
        const QString pfad = datei(QStringLiteral("bild%1.png").arg(i));
        bild.save(pfad, "PNG");
        f.BildNeu();
        const int32_t j = e.lngAktuellesBild;
        Bild& b = f.imgBild(j);
        b.setPicture(bild);
        b.setLeft(i % 10 * 20);
        b.setTop(130);
        b.setWidth(16);
        b.setHeight(12);
        f.BildPfadSchreiben(j, pfad);
        b.setVisible(true);
    }
    return w;
}

void BM_VorlageSchreiben(benchmark::State& state) {
    const int32_t w = volleVorlage();
    const QString pfad = datei(QStringLiteral("voll.vxp"));
    for (auto _ : state) {
        P().lngAktivesSchild = w;
        P().strSpeicherDatei = pfad;
        VorlageSchreiben();
    }
    state.counters["bytes"] = static_cast<double>(vorlageBytes(w).size());
}
BENCHMARK(BM_VorlageSchreiben)->Unit(benchmark::kMillisecond);

// The records alone, without the disk.
void BM_VorlageBytes(benchmark::State& state) {
    const int32_t w = volleVorlage();
    for (auto _ : state)
        benchmark::DoNotOptimize(vorlageBytes(w));
}
BENCHMARK(BM_VorlageBytes)->Unit(benchmark::kMillisecond);

// Opening the file into a new window; the window is closed again outside
// the timing, so every round reads into a reused slot as Open after a close.
void BM_VorlageLesen(benchmark::State& state) {
    const int32_t w = volleVorlage();
    P().lngAktivesSchild = w;
    P().strSpeicherDatei = datei(QStringLiteral("lesen.vxp"));
    VorlageSchreiben();
    P().strOeffnenDatei = P().strSpeicherDatei;
    for (auto _ : state) {
        NeuesSchild();
        const int32_t n = P().lngAktivesSchild;
        VorlageLesen();
        state.PauseTiming();
        if (S(n).blnSchildFrei || Schild(n).TextZaehlen() != 70 || Schild(n).BilderZaehlen() != 30)
            state.SkipWithError("the template did not open whole");
        S(n).blnGeaendert = false;
        Schild(n).QueryUnload(frmLabel::DurchProgramm);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_VorlageLesen)->Unit(benchmark::kMillisecond);

void BM_VorlageKopieren(benchmark::State& state) {
    const int32_t w = volleVorlage();
    for (auto _ : state) {
        P().lngAktivesSchild = w;
        VorlageKopieren();
        state.PauseTiming();
        const int32_t n = P().lngAktivesSchild;
        S(n).blnDbGeladen = false;
        Schild(n).QueryUnload(frmLabel::DurchProgramm);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_VorlageKopieren)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir ordner;
    g_ordner = &ordner;
    qputenv("SORVO_REGISTRY", (ordner.path() + "/registry.txt").toUtf8());
    QApplication app(argc, argv);
    schriftenEinrichten();
    ProgrammZuruecksetzen();
    MDI mdi;
    mdi.MDIForm_Load();
    vorlagenEinrichten();
    mdi.show();
    QApplication::processEvents();
    bench::KeineDialoge dialoge;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    ProgrammZuruecksetzen();
    nachbarn() = Nachbarn{};
    return dialoge.berichten();
}

// "alle erzeugten Schilder drucken" of 1,000 generated labels to one PDF
// file: the time of the whole command, and the process's peak memory.
#include "app/MDI.h"
#include "label/frmLabel.h"
#include "label/programm.h"
#include "platform/elements.h"
#include "print/drucker.h"

#include <QApplication>
#include <QFile>
#include <QPageLayout>
#include <QPrinter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <sys/resource.h>

using namespace sorvo;

namespace {

double spitzeMb() {
    rusage r{};
    getrusage(RUSAGE_SELF, &r);
    return static_cast<double>(r.ru_maxrss) / 1024.0; // kB on Linux
}

// A text of window n as record transfer leaves it.
void text(frmLabel& f, int32_t n, const QString& caption, double links, double oben, double groesse,
          bool fett, int32_t maxBreite) {
    f.TextNeu();
    const int32_t i = S(n).lngAktuellerText;
    Beschriftung& t = f.lblText(i);
    t.setFontName(QStringLiteral("Arial"));
    t.setFontSize(groesse);
    t.setFontBold(fett);
    t.setForeColor(0);
    t.setBackStyle(0);
    t.setLeft(links);
    t.setTop(oben);
    t.setCaption(caption);
    f.TextMaxBreiteSchreiben(i, maxBreite);
    TextAnpassen(i, n);
    t.setVisible(true);
}

// The template (window 1) and its generated labels of 100 x 60 mm, each
// with its own plant: name, kind, a wrapped description and a price.
void schilderAnlegen(int anzahl) {
    for (int k = 0; k <= anzahl; ++k) {
        NeuesSchild();
        const int32_t n = P().lngAktivesSchild;
        auto& e = S(n);
        e.sngSchildBreite = 100;
        e.sngSchildHoehe = 60;
        frmLabel& f = Schild(n);
        float b = 100, h = 60;
        FenstergroesseSetzen(b, h, f);
        if (k == 0) {
            f.setCaption(QStringLiteral("Rosen (Vorlage)"));
            continue;
        }
        f.setCaption(QStringLiteral("Schild %1 (erzeugt von: Rosen)").arg(n));
        text(f, n, QStringLiteral("Rosa 'Sorte %1'").arg(k), 5, 4, 16, true, 0);
        text(f, n, QStringLiteral("Edelrose, Nr. %1").arg(k), 5, 13, 10, false, 0);
        text(f, n,
             QStringLiteral("Höhe 80 cm, Blüte Juni bis September, stark duftend, "
                            "winterhart bis -20 °C, Pflanzabstand %1 cm")
                 .arg(30 + k % 40),
             5, 22, 9, false, 60);
        text(f, n, QStringLiteral("%1,95 €").arg(3 + k % 20), 70, 45, 14, true, 0);
    }
}

int seitenZaehlen(const QString& pfad) {
    QFile f(pfad);
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    return static_cast<int>(f.readAll().count("/Type /Page\n"));
}

void BM_AlleErzeugtenSchilderDrucken(benchmark::State& state) {
    const int anzahl = static_cast<int>(state.range(0));
    QTemporaryDir ordner;
    const QString pdf = ordner.filePath(QStringLiteral("schilder.pdf"));
    ProgrammZuruecksetzen();
    MDI mdi;
    mdi.MDIForm_Load();
    mdi.show();
    schilderAnlegen(anzahl);
    QApplication::processEvents();
    QPrinter& p = programmDrucker();
    p.setOutputFormat(QPrinter::PdfFormat);
    p.setOutputFileName(pdf);
    p.setPageSize(QPageSize(QPageSize::A4));
    p.setPageOrientation(QPageLayout::Portrait);
    druckbereichAufGeraet(p);
    const double vorher = spitzeMb();

    for (auto _ : state) {
        mdi.cmdDruckNeueSchilder_Click();
        state.PauseTiming();
        const int seiten = seitenZaehlen(pdf);
        if (seiten != anzahl)
            state.SkipWithError("wrong number of pages");
        state.counters["Seiten"] = seiten;
        state.counters["Datei_MB"] = static_cast<double>(QFile(pdf).size()) / 1048576.0;
        QFile::remove(pdf);
        state.ResumeTiming();
    }
    state.counters["Spitze_MB"] = spitzeMb();
    state.counters["Zuwachs_MB"] = spitzeMb() - vorher;
    ProgrammZuruecksetzen();
    nachbarn() = Nachbarn{};
}
BENCHMARK(BM_AlleErzeugtenSchilderDrucken)->Arg(1000)->Iterations(3)->Unit(benchmark::kMillisecond);

} // namespace

// Start-up figures: the main window's load, also with a large settings file,
// and opening a new label window the way the new-label dialog's OK does it.
#include "app/MDI.h"
#include "label/frmLabel.h"
#include "label/frmNeu.h"
#include "label/programm.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>

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

namespace {

// A settings file of the program's values and, for 1, about 10 MB of short
// lines in the key of the window geometry, which the start reads, for 2, one
// value line of 10 MB.
QByteArray einstellungsdatei(int64_t art) {
    QByteArray d = "[HKEY_LOCAL_MACHINE\\\\Software\\\\Kelmarhof\\\\Sorvo1.0\\\\Pfade]\n"
                   "Sorvo-Verz=/opt/sorvo\nBotrel-Verz= \nBotrel-Bilder-Verz=/bilder/\n"
                   "[HKEY_LOCAL_MACHINE\\\\Software\\\\Kelmarhof\\\\Sorvo1.0\\\\MDI]\n"
                   "Hoehe=9000\nBreite=12000\nLinks=0\nOben=0\nStatus=0\n";
    if (art == 1) {
        for (int i = 0; d.size() < (10 << 20); ++i)
            d += "w" + QByteArray::number(i) + "=" + QByteArray::number(i % 97) + "\n";
    } else if (art == 2) {
        d += "Fremd=" + QByteArray(10 << 20, 'x') + "\n";
    }
    return d;
}

// Gives the file a new modification time, as a new run finds it: the store
// then reads it again.
void beruehren(const QString& datei, int runde) {
    const timespec zeiten[2] = {{1000000 + runde, 0}, {1000000 + runde, 0}};
    ::utimensat(AT_FDCWD, QFile::encodeName(datei).constData(), zeiten, 0);
}

// A settings file of the benchmark's own, named by SORVO_REGISTRY for as
// long as this lives, with the given bytes (none: no file).
class Einstellungen {
public:
    explicit Einstellungen(const QByteArray& inhalt)
        : m_datei(m_ordner.filePath(QStringLiteral("registry.txt"))),
          m_alt(qgetenv("SORVO_REGISTRY")) {
        qputenv("SORVO_REGISTRY", m_datei.toUtf8());
        schreiben(inhalt);
    }
    ~Einstellungen() { qputenv("SORVO_REGISTRY", m_alt); }
    void schreiben(const QByteArray& inhalt) const {
        QFile::remove(m_datei);
        QFile f(m_datei);
        if (!inhalt.isEmpty() && f.open(QIODevice::WriteOnly))
            f.write(inhalt);
    }
    const QString& datei() const { return m_datei; }

private:
    QTemporaryDir m_ordner;
    QString m_datei;
    QByteArray m_alt;
};

// Loads and shows a main window as at start-up.
std::unique_ptr<MDI> starten() {
    ProgrammZuruecksetzen();
    auto mdi = std::make_unique<MDI>();
    mdi->MDIForm_Load();
    mdi->show();
    QApplication::processEvents();
    return mdi;
}

void aufraeumen() {
    ProgrammZuruecksetzen();
    nachbarn() = Nachbarn{};
}

} // namespace

// Start-up with a settings file of size 0 (none at all), 1 (10 MB of short
// lines) or 2 (one line of 10 MB).
static void BM_StartMitEinstellungsdatei(benchmark::State& state) {
    const Einstellungen e(state.range(0) > 0 ? einstellungsdatei(state.range(0)) : QByteArray());
    int runde = 0;
    for (auto _ : state) {
        state.PauseTiming();
        beruehren(e.datei(), ++runde);
        state.ResumeTiming();
        auto mdi = starten();
        benchmark::DoNotOptimize(P().strBotrelBilderVerz);
        state.PauseTiming();
        mdi.reset();
        aufraeumen();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartMitEinstellungsdatei)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// The end of a run: the main window's unload writes every setting.
static void BM_EndeMitEinstellungsdatei(benchmark::State& state) {
    const QByteArray inhalt = state.range(0) > 0 ? einstellungsdatei(state.range(0)) : QByteArray();
    const Einstellungen e(inhalt);
    for (auto _ : state) {
        state.PauseTiming();
        e.schreiben(inhalt);
        auto mdi = starten();
        // Every value the end writes differs from the stored one.
        mdi->geometrieSetzen(15, 15, 9015, 6015, 0);
        P().strBotrelVerz = QStringLiteral("/botrel/");
        state.ResumeTiming();
        mdi->close();
        state.PauseTiming();
        mdi.reset();
        aufraeumen();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_EndeMitEinstellungsdatei)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

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

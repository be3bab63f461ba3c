// The record transfer of 1,000, 5,000 and 15,000 records of a 20,000-record
// plant database into a 12-element template, then "alle erzeugten Schilder
// drucken" of every generated label to one PDF file. Budgets: 1,000 records
// transferred and printed in 0.5 s together; per record, transfer and print
// each take at most 1.15 times as long at 5,000 records and 1.3 times at
// 15,000 as at 1,000; at 5,000 records the peak memory stays under 250 MB.
// Fenster_kB is what each generated window adds to the resident memory,
// Druck_kB what each printed label adds; Fehler_pro_Satz and
// Fehler_pro_Druck count the page faults per record of the transfer and of
// the print (the first touch of memory the program had not used before).
// Beenden_s is how long ending the program takes with every label open.
// BM_UebertragenMitPreisen is the transfer of 1,000 records with a price
// field, each price looked up in a prices file of 20,000 rows; budget: at
// most 1.2 times the transfer time of BM_UebertragenUndDrucken/1000.
#include "app/MDI.h"
#include "database/frmDbAuswaehlen.h"
#include "database/frmDbPreis.h"
#include "database/frmDbSaetzeWaehlen.h"
#include "label/frmLabel.h"
#include "label/programm.h"
#include "label/unterprogramme.h"
#include "platform/elements.h"
#include "print/drucker.h"
#include "tests/database/support/pflanzen_dbs.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPageLayout>
#include <QPrinter>
#include <QTableView>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>
#include <sys/resource.h>
#include <unistd.h>

using namespace sorvo;

namespace {

constexpr int Records = 20000;

double spitzeMb() {
    rusage r{};
    getrusage(RUSAGE_SELF, &r);
    return static_cast<double>(r.ru_maxrss) / 1024.0; // kB on Linux
}

// Page faults so far that needed no disk (first touches of fresh memory).
double seitenfehler() {
    rusage r{};
    getrusage(RUSAGE_SELF, &r);
    return static_cast<double>(r.ru_minflt);
}

// The resident memory now, in kB.
double jetztKb() {
    QFile f(QStringLiteral("/proc/self/statm"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> teile = f.readAll().split(' ');
    return teile.size() > 1 ? teile[1].toDouble() * static_cast<double>(getpagesize()) / 1024.0 : 0;
}

QTemporaryDir& ordner() {
    static QTemporaryDir d;
    return d;
}

const QString& datenbank() {
    static const QString pfad = test::pflanzenDatenbankSchreiben(
        ordner().path(), QStringLiteral("botrel.vxt"), {QStringLiteral("vxt")},
        Records - static_cast<int>(test::pflanzen().size()));
    return pfad;
}

// A prices file with one row for every record of the database, keyed by
// its German name, in the database's order.
const QString& preisDatei() {
    static const QString pfad = [] {
        const QString p = ordner().filePath(QStringLiteral("preise.txt"));
        QByteArray text = "\xEF\xBB\xBFName;Preis\r\n";
        int i = 0;
        const auto zeile = [&](const QString& name) {
            text += (name +
                     QStringLiteral(";%1,%2\r\n").arg(i % 50).arg(i % 100, 2, 10, QLatin1Char('0')))
                        .toUtf8();
            ++i;
        };
        for (const test::Pflanze& pf : test::pflanzen())
            zeile(QString::fromUtf8(pf.dtName));
        while (i < Records)
            zeile(QStringLiteral("Pflanze Nr. %1")
                      .arg(i - static_cast<int>(test::pflanzen().size())));
        QFile f(p);
        if (f.open(QIODevice::WriteOnly))
            f.write(text);
        return p;
    }();
    return pfad;
}

// The template: two fixed texts and ten data fields of 100 x 60 mm, bound
// to the database's pot plants; with preise, a price field too, joined on
// the German name with the prices file.
int32_t vorlageAnlegen(bool preise) {
    NeuesSchild();
    const int32_t n = P().lngAktivesSchild;
    S(n).sngSchildBreite = 100;
    S(n).sngSchildHoehe = 60;
    frmLabel& f = Schild(n);
    float b = 100, h = 60;
    FenstergroesseSetzen(b, h, f);
    QStringList felder;
    for (const char* c : {"<Bot Name>", "<Deu Name>", "<Herkunft>", "<Familie>", "<Typ>",
                          "<Blütenfarbe>", "<Höhe>", "<Syn.>", "<Duftend>", "<Bemerkung (Botrel)>"})
        felder << QString::fromUtf8(c);
    if (preise)
        felder << QStringLiteral("<Sorvo-Preis>");
    double oben = 2;
    for (const QString& c : felder) {
        f.DatenfeldNeu();
        Beschriftung& d = f.lblDatenfeld(S(n).lngAktuellesDatenfeld);
        d.setCaption(c);
        d.setFontName(QStringLiteral("Arial"));
        d.setFontSize(9);
        d.setTop(oben);
        d.setLeft(4);
        d.setVisible(true);
        oben += 5;
    }
    f.DatenfeldMaxBreiteSchreiben(10, 60);
    for (const char* t : {"Gärtnerei am Hang", "Tel. 0123 456"}) {
        f.TextNeu();
        Beschriftung& c = f.lblText(S(n).lngAktuellerText);
        c.setCaption(QString::fromUtf8(t));
        c.setTop(oben);
        c.setLeft(60);
        c.setVisible(true);
        oben += 5;
    }
    S(n).strDbPfad = datenbank();
    S(n).blnPflanzenDb = true;
    S(n).blnDbGeladen = true;
    SchildDb(n).BotrelDateiArt = QStringLiteral("vxt");
    SchildDb(n).DbTabellenAnzeigen();
    if (preise) {
        S(n).strPreisDbPfad = preisDatei();
        S(n).strPreisSpalte = QStringLiteral("Deutscher Name");
        SchildDb(n).DBPreiseLaden();
    }
    return n;
}

// Every k-th row of the grid, anzahl rows in all.
void waehlen(int anzahl) {
    QTableView& g = *DbSaetze().grdDataGrid;
    const int zeilen = g.model()->rowCount();
    const int schritt = zeilen / anzahl;
    QItemSelection auswahl;
    for (int i = 0; i < anzahl; ++i)
        auswahl.select(g.model()->index(i * schritt, 0), g.model()->index(i * schritt, 1));
    g.selectionModel()->select(auswahl, QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

// A transfer of anzahl records from a fresh program into the template,
// timed, with what it added to the memory.
struct Uebertragung {
    std::unique_ptr<MDI> mdi;
    int32_t vorlage = 0;
    double sekunden = 0;
    double fensterKb = 0;
    double fehlerProSatz = 0;
};

Uebertragung uebertragen(benchmark::State& state, int anzahl, bool preise) {
    Uebertragung u;
    ProgrammZuruecksetzen();
    u.mdi = std::make_unique<MDI>();
    u.mdi->MDIForm_Load();
    u.mdi->show();
    u.vorlage = vorlageAnlegen(preise);
    auto& w = DbSaetze();
    waehlen(anzahl);
    if (w.SelBookmarks().size() != anzahl)
        state.SkipWithError("wrong selection");
    QApplication::processEvents();
    AllesSperren();

    const double vorher = jetztKb();
    const double fehlerVorher = seitenfehler();
    QElapsedTimer uhr;
    uhr.start();
    w.cmdUebertragen_Click();
    u.sekunden = static_cast<double>(uhr.nsecsElapsed()) / 1e9;
    u.fensterKb = (jetztKb() - vorher) / anzahl;
    u.fehlerProSatz = (seitenfehler() - fehlerVorher) / anzahl;
    // The label made last is in front, where the template is by option only.
    if (w.ESZaehler != anzahl || P().lngAktivesSchild == u.vorlage)
        state.SkipWithError("not every record became a label");
    return u;
}

void programmBeenden(Uebertragung& u) {
    ProgrammZuruecksetzen();
    u.mdi.reset();
    nachbarn() = Nachbarn{};
}

void BM_UebertragenUndDrucken(benchmark::State& state) {
    const int anzahl = static_cast<int>(state.range(0));
    const QString pdf = ordner().filePath(QStringLiteral("schilder.pdf"));
    datenbank();
    for (auto _ : state) {
        Uebertragung u = uebertragen(state, anzahl, false);
        auto& mdi = u.mdi;
        auto& w = DbSaetze();
        const double uebertragung = u.sekunden;

        QPrinter& p = programmDrucker();
        p.setOutputFormat(QPrinter::PdfFormat);
        p.setOutputFileName(pdf);
        p.setPageSize(QPageSize(QPageSize::A4));
        p.setPageOrientation(QPageLayout::Portrait);
        druckbereichAufGeraet(p);
        const double druckVorher = jetztKb();
        const double druckFehlerVorher = seitenfehler();
        QElapsedTimer uhr;
        uhr.start();
        mdi->cmdDruckNeueSchilder_Click();
        const double druck = static_cast<double>(uhr.nsecsElapsed()) / 1e9;
        const double druckKb = (jetztKb() - druckVorher) / anzahl;
        const double fehlerDruck = (seitenfehler() - druckFehlerVorher) / anzahl;

        state.SetIterationTime(uebertragung + druck);
        state.counters["Schilder"] = static_cast<double>(w.ESZaehler);
        state.counters["Uebertragung_s"] = uebertragung;
        state.counters["ms_pro_Satz"] = uebertragung * 1000.0 / anzahl;
        state.counters["Druck_s"] = druck;
        state.counters["ms_pro_Druck"] = druck * 1000.0 / anzahl;
        state.counters["Fenster_kB"] = u.fensterKb;
        state.counters["Druck_kB"] = druckKb;
        state.counters["Fehler_pro_Satz"] = u.fehlerProSatz;
        state.counters["Fehler_pro_Druck"] = fehlerDruck;
        state.counters["PDF_MB"] = static_cast<double>(QFile(pdf).size()) / 1048576.0;
        state.counters["Spitze_MB"] = spitzeMb();
        QFile::remove(pdf);
        // Ending the program closes every label window.
        uhr.restart();
        mdi->close();
        state.counters["Beenden_s"] = static_cast<double>(uhr.nsecsElapsed()) / 1e9;
        programmBeenden(u);
    }
}
BENCHMARK(BM_UebertragenUndDrucken)
    ->Arg(200)
    ->Arg(1000)
    ->Arg(5000)
    ->Arg(15000)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// The same transfer with a price field, every record's price looked up in a
// bound prices file of Preise_Zeilen rows.
void BM_UebertragenMitPreisen(benchmark::State& state) {
    const int anzahl = static_cast<int>(state.range(0));
    preisDatei();
    datenbank();
    for (auto _ : state) {
        Uebertragung u = uebertragen(state, anzahl, true);
        const jet::Recordset* preise = DbPreis().Data1->recordset();
        state.SetIterationTime(u.sekunden);
        state.counters["Uebertragung_s"] = u.sekunden;
        state.counters["ms_pro_Satz"] = u.sekunden * 1000.0 / anzahl;
        state.counters["Preise_Zeilen"] = preise ? preise->recordCount() : 0;
        // A label still holding the price field, or "?Preis?", would time a
        // lookup that found nothing.
        int ohnePreis = 0;
        for (int32_t s = 1; s <= P().hoechstesSchild(); ++s) {
            if (s == u.vorlage || S(s).blnSchildFrei)
                continue;
            const frmLabel& f = Schild(s);
            for (int32_t t = 1; t <= f.hoechsterText(); ++t)
                ohnePreis += f.lblText(t).Caption() == QStringLiteral("?Preis?");
            for (int32_t j = 1; j <= f.hoechstesDatenfeld(); ++j)
                ohnePreis += f.lblDatenfeld(j).Caption() == QStringLiteral("<Sorvo-Preis>");
        }
        if (ohnePreis != 0)
            state.SkipWithError("a label without its price");
        programmBeenden(u);
    }
}
BENCHMARK(BM_UebertragenMitPreisen)
    ->Arg(1000)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

} // namespace

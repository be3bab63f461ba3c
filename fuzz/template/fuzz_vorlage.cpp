// Fuzzes the template reader: any bytes as a template file, read into a new
// label window of a fresh program state. A template that opens must also
// write, copy, and open again from what was written.
#include "label/frmLabel.h"
#include "label/nachbarn.h"
#include "label/programm.h"
#include "platform/dialogs.h"
#include "template/vorlage.h"

#include <QApplication>
#include <QFile>
#include <QMdiArea>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

using namespace sorvo;

namespace {

// Answers every question as a user who declines would, and counts the
// reader's refusals of a damaged file.
class Antworten : public DialogService {
public:
    int lesefehler = 0;
    Antwort meldung(const QString& text, int stil, const QString&) override {
        if (text == QLatin1String("Datei kann leider nicht geladen werden!"))
            ++lesefehler;
        return (stil & 7) == Msg::YesNo ? Antwort::No : Antwort::OK;
    }
    std::optional<QString> dateiOeffnen(const DateiAuswahl&) override { return std::nullopt; }
    std::optional<QString> dateiSpeichern(const DateiAuswahl&) override { return std::nullopt; }
    std::optional<QString> ordnerWaehlen(const QString&, const QString&) override {
        return std::nullopt;
    }
    std::optional<Farbe> farbeWaehlen(Farbe) override { return std::nullopt; }
    bool druckerWaehlen(QPrinter&, bool) override { return false; }
    std::optional<QString> eingabe(const QString&, const QString&, const QString&) override {
        return std::nullopt;
    }
};

// A main window that is never shown: label windows become its hidden
// children, so no platform window is made per input.
class Hauptfenster0 : public Hauptfenster {
public:
    QMdiArea bereich;
    QMdiArea* mdiBereich() override { return &bereich; }
    QWidget* widget() override { return &bereich; }
    void menuAktivSetzen(const QString&, bool) override {}
    bool menuAktiv(const QString&) const override { return true; }
    void knopfSetzen(const QString&, bool, const QString&) override {}
    bool knopfAktiv(const QString&) const override { return true; }
    int Width() const override { return 15000; }
    int Height() const override { return 10000; }
    QIcon fensterIcon(const QString&) const override { return {}; }
    void SetFocus() override {}
};

Antworten* g_antworten;
QTemporaryDir* g_ordner;

void fehler(const char* was) {
    std::fprintf(stderr, "%s\n", was);
    std::abort();
}

bool offen(int32_t w) {
    return !S(w).blnSchildFrei;
}

int32_t lesen(const QByteArray& inhalt, const QString& name) {
    const QString pfad = g_ordner->filePath(name);
    QFile f(pfad);
    if (!f.open(QIODevice::WriteOnly) || f.write(inhalt) != inhalt.size())
        fehler("cannot write the input file");
    f.close();
    P().strOeffnenDatei = pfad;
    NeuesSchild();
    const int32_t w = P().lngAktivesSchild;
    VorlageLesen();
    return w;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz_vorlage";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);
    g_antworten = new Antworten;
    dialogeSetzen(g_antworten);
    g_ordner = new QTemporaryDir;
    nachbarn().mdi = new Hauptfenster0;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // Every input starts from the program's start state with fresh windows.
    ProgrammZuruecksetzen();
    g_antworten->lesefehler = 0;
    const QByteArray eingabe(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const int32_t w = lesen(eingabe, QStringLiteral("eingabe.vxp"));
    if (!offen(w))
        return 0;
    if (g_antworten->lesefehler != 0)
        fehler("a read error left its window open");

    // What was read can be written, copied and read again.
    QByteArray geschrieben;
    try {
        geschrieben = vorlageBytes(w);
        P().lngAktivesSchild = w;
        VorlageKopieren();
    } catch (const Laufzeitfehler& f) {
        std::fprintf(stderr, "%s\n", f.what());
        fehler("an opened template could not be written or copied");
    }
    const int32_t zurueck = lesen(geschrieben, QStringLiteral("zurueck.vxp"));
    if (!offen(zurueck) || g_antworten->lesefehler != 0)
        fehler("a written template did not open again");
    return 0;
}

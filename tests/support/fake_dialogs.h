#pragma once
// A dialog service for tests: answers the questions it was told to expect,
// in order, records everything that was shown, and fails the test on a
// question nobody expected.
#include "platform/dialogs.h"

#include <QPageLayout>
#include <QPageSize>
#include <deque>
#include <functional>
#include <utility>
#include <vector>

namespace sorvo::test {

struct Gezeigt {
    // "meldung", "oeffnen", "speichern", "ordner", "farbe", "drucker", "eingabe",
    // "fenster" (text: the window's object name, titel: its caption)
    QString art;
    QString text;
    QString titel;
    int stil = 0;
    DateiAuswahl datei;
    // Printer dialog: the entries of its printer list and its buttons' texts.
    QStringList eintraege;
    QStringList knoepfe;
};

// What a user does in the real printer dialog, which the scripted service
// shows without a modal loop. Only what the dialog offers can be done: a
// printer it does not list, a hidden or disabled control, or a file name the
// dialog would question fails the test.
struct DruckerBedienung {
    // Entry of the printer list: an installed printer's name; empty for the
    // last entry, printing to a PDF file.
    std::optional<QString> drucker;
    // Typed into the output file box.
    std::optional<QString> datei;
    // Under "Einstellungen >>": number of copies, "Seiten von" .. "bis".
    std::optional<int> kopien;
    std::optional<std::pair<int, int>> seiten;
    // Under "Eigenschaften": paper and orientation.
    std::optional<QPageSize> papier;
    std::optional<QPageLayout::Orientation> ausrichtung;
    // OK ("Drucken" in the print form) or "Abbrechen".
    bool ok = true;
};

class SkriptDialoge : public DialogService {
public:
    SkriptDialoge();  // installs itself
    ~SkriptDialoge(); // restores the previous service

    // Expected questions, answered in order.
    SkriptDialoge& meldung(Antwort a);
    SkriptDialoge& oeffnen(std::optional<QString> pfad);
    SkriptDialoge& speichern(std::optional<QString> pfad);
    SkriptDialoge& ordner(std::optional<QString> pfad);
    SkriptDialoge& farbe(std::optional<Farbe> f);
    // Confirms (or cancels) the printer dialog as it opens.
    SkriptDialoge& drucker(bool ok);
    SkriptDialoge& drucker(DruckerBedienung b);
    SkriptDialoge& eingabe(std::optional<QString> text);
    // A modal window of the program: it is shown, bedienen acts on it as the
    // user would (clicks, double-clicks) and the window's result is returned.
    // A window bedienen leaves open is closed by its close box.
    SkriptDialoge& fenster(std::function<void(QDialog&)> bedienen);
    // Runs while the question is open (e.g. to check state), before it is answered.
    SkriptDialoge& waehrend(std::function<void()> f);

    const std::vector<Gezeigt>& gezeigt() const { return m_gezeigt; }
    bool alleBeantwortet() const { return m_antworten.empty(); }

    Antwort meldung(const QString& text, int stil, const QString& titel) override;
    std::optional<QString> dateiOeffnen(const DateiAuswahl& a) override;
    std::optional<QString> dateiSpeichern(const DateiAuswahl& a) override;
    std::optional<QString> ordnerWaehlen(const QString& titel, const QString& start) override;
    std::optional<Farbe> farbeWaehlen(Farbe start) override;
    bool druckerWaehlen(QPrinter& printer, bool einrichten) override;
    std::optional<QString> eingabe(const QString& frage, const QString& titel,
                                   const QString& vorgabe) override;
    int fensterModal(QDialog& fenster) override;

private:
    struct Antwortvorgabe {
        QString art;
        Antwort meldung = Antwort::OK;
        std::optional<QString> text;
        std::optional<Farbe> farbe;
        bool ok = false;
        std::function<void()> waehrend;
        DruckerBedienung bedienung;
        std::function<void(QDialog&)> bedienen = {};
    };
    Antwortvorgabe naechste(const QString& art, const Gezeigt& g);
    DialogService* m_vorher = nullptr;
    std::deque<Antwortvorgabe> m_antworten;
    std::vector<Gezeigt> m_gezeigt;
};

} // namespace sorvo::test

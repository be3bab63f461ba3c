#pragma once
// The benchmarks run unattended: a question of the program is not shown
// (it would wait for an answer forever) but recorded and refused, and the
// benchmark program reports it and fails.
#include "platform/dialogs.h"

#include <QDialog>
#include <QStringList>
#include <cstdio>

namespace sorvo::bench {

class KeineDialoge : public DialogService {
public:
    KeineDialoge() { m_vorher = dialogeSetzen(this); }
    ~KeineDialoge() override { dialogeSetzen(m_vorher); }
    KeineDialoge(const KeineDialoge&) = delete;
    KeineDialoge& operator=(const KeineDialoge&) = delete;

    Antwort meldung(const QString& text, int stil, const QString& titel) override {
        gefragt(titel + QStringLiteral(": ") + text);
        return stil % 16 == Msg::OK ? Antwort::OK : Antwort::Cancel;
    }
    std::optional<QString> dateiOeffnen(const DateiAuswahl& a) override {
        gefragt(QStringLiteral("Datei öffnen: ") + a.titel);
        return std::nullopt;
    }
    std::optional<QString> dateiSpeichern(const DateiAuswahl& a) override {
        gefragt(QStringLiteral("Datei speichern: ") + a.titel);
        return std::nullopt;
    }
    std::optional<QString> ordnerWaehlen(const QString& titel, const QString&) override {
        gefragt(QStringLiteral("Ordner: ") + titel);
        return std::nullopt;
    }
    std::optional<Farbe> farbeWaehlen(Farbe) override {
        gefragt(QStringLiteral("Farbe"));
        return std::nullopt;
    }
    bool druckerWaehlen(QPrinter&, bool) override {
        gefragt(QStringLiteral("Drucker"));
        return false;
    }
    std::optional<QString> eingabe(const QString& frage, const QString& titel,
                                   const QString&) override {
        gefragt(titel + QStringLiteral(": ") + frage);
        return std::nullopt;
    }
    int fensterModal(QDialog& fenster) override {
        gefragt(QStringLiteral("Fenster: ") + fenster.windowTitle());
        return QDialog::Rejected;
    }

    // Prints every question that was asked; the program's exit code.
    int berichten() const {
        for (const QString& f : m_fragen)
            std::fprintf(stderr, "Unbeantwortete Frage: %s\n", qPrintable(f));
        return m_fragen.isEmpty() ? 0 : 1;
    }

private:
    void gefragt(const QString& was) { m_fragen << QString(was).replace(QChar(13), QChar(' ')); }

    DialogService* m_vorher = nullptr;
    QStringList m_fragen;
};

} // namespace sorvo::bench

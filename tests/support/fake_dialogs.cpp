#include "fake_dialogs.h"

#include <QApplication>
#include <QDialog>
#include <gtest/gtest.h>

namespace sorvo::test {

SkriptDialoge::SkriptDialoge() : m_vorher(dialogeSetzen(this)) {}

SkriptDialoge::~SkriptDialoge() {
    dialogeSetzen(m_vorher);
    EXPECT_TRUE(m_antworten.empty()) << m_antworten.size() << " expected question(s) not asked";
}

SkriptDialoge& SkriptDialoge::meldung(Antwort a) {
    m_antworten.push_back({QStringLiteral("meldung"), a, {}, {}, false, {}});
    return *this;
}
SkriptDialoge& SkriptDialoge::oeffnen(std::optional<QString> pfad) {
    m_antworten.push_back({QStringLiteral("oeffnen"), Antwort::OK, std::move(pfad), {}, false, {}});
    return *this;
}
SkriptDialoge& SkriptDialoge::speichern(std::optional<QString> pfad) {
    m_antworten.push_back(
        {QStringLiteral("speichern"), Antwort::OK, std::move(pfad), {}, false, {}});
    return *this;
}
SkriptDialoge& SkriptDialoge::ordner(std::optional<QString> pfad) {
    m_antworten.push_back({QStringLiteral("ordner"), Antwort::OK, std::move(pfad), {}, false, {}});
    return *this;
}
SkriptDialoge& SkriptDialoge::farbe(std::optional<Farbe> f) {
    m_antworten.push_back({QStringLiteral("farbe"), Antwort::OK, {}, f, false, {}});
    return *this;
}
SkriptDialoge& SkriptDialoge::drucker(bool ok) {
    m_antworten.push_back({QStringLiteral("drucker"), Antwort::OK, {}, {}, ok, {}});
    return *this;
}
SkriptDialoge& SkriptDialoge::eingabe(std::optional<QString> text) {
    m_antworten.push_back({QStringLiteral("eingabe"), Antwort::OK, std::move(text), {}, false, {}});
    return *this;
}
SkriptDialoge& SkriptDialoge::fenster(std::function<void(QDialog&)> bedienen) {
    m_antworten.push_back({QStringLiteral("fenster"), Antwort::OK, {}, {}, false, {}});
    m_antworten.back().bedienen = std::move(bedienen);
    return *this;
}
SkriptDialoge& SkriptDialoge::waehrend(std::function<void()> f) {
    if (m_antworten.empty())
        ADD_FAILURE() << "waehrend() needs an expected question before it";
    else
        m_antworten.back().waehrend = std::move(f);
    return *this;
}

SkriptDialoge::Antwortvorgabe SkriptDialoge::naechste(const QString& art, const Gezeigt& g) {
    m_gezeigt.push_back(g);
    if (m_antworten.empty()) {
        ADD_FAILURE() << "unexpected " << art.toStdString() << ": \"" << g.text.toStdString()
                      << "\" (" << g.titel.toStdString() << ")";
        return {art, Antwort::Cancel, std::nullopt, std::nullopt, false, {}};
    }
    auto a = m_antworten.front();
    m_antworten.pop_front();
    if (a.art != art) {
        ADD_FAILURE() << "expected " << a.art.toStdString() << ", got " << art.toStdString()
                      << ": \"" << g.text.toStdString() << "\"";
        return {art, Antwort::Cancel, std::nullopt, std::nullopt, false, {}};
    }
    if (a.waehrend)
        a.waehrend();
    return a;
}

Antwort SkriptDialoge::meldung(const QString& text, int stil, const QString& titel) {
    return naechste(QStringLiteral("meldung"), {QStringLiteral("meldung"), text, titel, stil, {}})
        .meldung;
}
std::optional<QString> SkriptDialoge::dateiOeffnen(const DateiAuswahl& a) {
    return naechste(QStringLiteral("oeffnen"),
                    {QStringLiteral("oeffnen"), a.dateiname, a.titel, 0, a})
        .text;
}
std::optional<QString> SkriptDialoge::dateiSpeichern(const DateiAuswahl& a) {
    return naechste(QStringLiteral("speichern"),
                    {QStringLiteral("speichern"), a.dateiname, a.titel, 0, a})
        .text;
}
std::optional<QString> SkriptDialoge::ordnerWaehlen(const QString& titel, const QString& start) {
    return naechste(QStringLiteral("ordner"), {QStringLiteral("ordner"), start, titel, 0, {}}).text;
}
std::optional<Farbe> SkriptDialoge::farbeWaehlen(Farbe start) {
    return naechste(QStringLiteral("farbe"),
                    {QStringLiteral("farbe"), QString::number(start), {}, 0, {}})
        .farbe;
}
bool SkriptDialoge::druckerWaehlen(QPrinter&, bool einrichten) {
    return naechste(QStringLiteral("drucker"),
                    {QStringLiteral("drucker"),
                     einrichten ? QStringLiteral("einrichten") : QString(),
                     {},
                     0,
                     {}})
        .ok;
}
std::optional<QString> SkriptDialoge::eingabe(const QString& frage, const QString& titel,
                                              const QString& vorgabe) {
    Gezeigt g{QStringLiteral("eingabe"), frage, titel, 0, {}};
    g.datei.dateiname = vorgabe;
    return naechste(QStringLiteral("eingabe"), g).text;
}

int SkriptDialoge::fensterModal(QDialog& d) {
    const auto a = naechste(QStringLiteral("fenster"),
                            {QStringLiteral("fenster"), d.objectName(), d.windowTitle(), 0, {}});
    d.setResult(QDialog::Rejected);
    d.show();
    QApplication::processEvents();
    if (a.bedienen)
        a.bedienen(d);
    if (d.isVisible())
        d.close();
    return d.result();
}

} // namespace sorvo::test

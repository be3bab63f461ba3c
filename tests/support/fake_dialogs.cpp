#include "fake_dialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <gtest/gtest.h>

namespace sorvo::test {

SkriptDialoge::SkriptDialoge() : m_vorher(dialogeSetzen(this)) {}

SkriptDialoge::~SkriptDialoge() {
    dialogeSetzen(m_vorher);
    EXPECT_TRUE(m_antworten.empty()) << m_antworten.size() << " expected question(s) not asked";
}

SkriptDialoge& SkriptDialoge::meldung(Antwort a) {
    m_antworten.push_back({QStringLiteral("meldung"), a, {}, {}, false, {}, {}});
    return *this;
}
SkriptDialoge& SkriptDialoge::oeffnen(std::optional<QString> pfad) {
    m_antworten.push_back(
        {QStringLiteral("oeffnen"), Antwort::OK, std::move(pfad), {}, false, {}, {}});
    return *this;
}
SkriptDialoge& SkriptDialoge::speichern(std::optional<QString> pfad) {
    m_antworten.push_back(
        {QStringLiteral("speichern"), Antwort::OK, std::move(pfad), {}, false, {}, {}});
    return *this;
}
SkriptDialoge& SkriptDialoge::ordner(std::optional<QString> pfad) {
    m_antworten.push_back(
        {QStringLiteral("ordner"), Antwort::OK, std::move(pfad), {}, false, {}, {}});
    return *this;
}
SkriptDialoge& SkriptDialoge::farbe(std::optional<Farbe> f) {
    m_antworten.push_back({QStringLiteral("farbe"), Antwort::OK, {}, f, false, {}, {}});
    return *this;
}
SkriptDialoge& SkriptDialoge::drucker(bool ok) {
    DruckerBedienung b;
    b.ok = ok;
    return drucker(std::move(b));
}
SkriptDialoge& SkriptDialoge::drucker(DruckerBedienung b) {
    Antwortvorgabe a{QStringLiteral("drucker"), Antwort::OK, {}, {}, b.ok, {}, {}};
    a.bedienung = std::move(b);
    m_antworten.push_back(std::move(a));
    return *this;
}
SkriptDialoge& SkriptDialoge::eingabe(std::optional<QString> text) {
    m_antworten.push_back(
        {QStringLiteral("eingabe"), Antwort::OK, std::move(text), {}, false, {}, {}});
    return *this;
}
SkriptDialoge& SkriptDialoge::fenster(std::function<void(QDialog&)> bedienen) {
    m_antworten.push_back({QStringLiteral("fenster"), Antwort::OK, {}, {}, false, {}, {}});
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
        return {art, Antwort::Cancel, std::nullopt, std::nullopt, false, {}, {}};
    }
    auto a = m_antworten.front();
    m_antworten.pop_front();
    if (a.art != art) {
        ADD_FAILURE() << "expected " << a.art.toStdString() << ", got " << art.toStdString()
                      << ": \"" << g.text.toStdString() << "\"";
        return {art, Antwort::Cancel, std::nullopt, std::nullopt, false, {}, {}};
    }
    if (a.waehrend)
        a.waehrend();
    return a;
}

Antwort SkriptDialoge::meldung(const QString& text, int stil, const QString& titel) {
    return naechste(QStringLiteral("meldung"),
                    {QStringLiteral("meldung"), text, titel, stil, {}, {}, {}})
        .meldung;
}
std::optional<QString> SkriptDialoge::dateiOeffnen(const DateiAuswahl& a) {
    return naechste(QStringLiteral("oeffnen"),
                    {QStringLiteral("oeffnen"), a.dateiname, a.titel, 0, a, {}, {}})
        .text;
}
std::optional<QString> SkriptDialoge::dateiSpeichern(const DateiAuswahl& a) {
    return naechste(QStringLiteral("speichern"),
                    {QStringLiteral("speichern"), a.dateiname, a.titel, 0, a, {}, {}})
        .text;
}
std::optional<QString> SkriptDialoge::ordnerWaehlen(const QString& titel, const QString& start) {
    return naechste(QStringLiteral("ordner"),
                    {QStringLiteral("ordner"), start, titel, 0, {}, {}, {}})
        .text;
}
std::optional<Farbe> SkriptDialoge::farbeWaehlen(Farbe start) {
    return naechste(QStringLiteral("farbe"),
                    {QStringLiteral("farbe"), QString::number(start), {}, 0, {}, {}, {}})
        .farbe;
}
namespace {

// A control the user can reach: shown in the dialog and enabled.
template <class T> T* bedienbar(QWidget& dlg, const char* name, const char* was) {
    T* w = dlg.findChild<T*>(QString::fromLatin1(name));
    if (!w || !w->isVisibleTo(&dlg) || !w->isEnabled()) {
        ADD_FAILURE() << "the printer dialog offers no " << was;
        return nullptr;
    }
    return w;
}

void bedienen(QPrintDialog& dlg, QPrinter& printer, const DruckerBedienung& b) {
    auto* liste = bedienbar<QComboBox>(dlg, "printers", "printer list");
    if (!liste)
        return;
    if (b.drucker) {
        const int i = b.drucker->isEmpty() ? liste->count() - 1 : liste->findText(*b.drucker);
        if (i < 0 || (!b.drucker->isEmpty() && i == liste->count() - 1))
            ADD_FAILURE() << "the printer dialog lists no printer " << b.drucker->toStdString();
        else
            liste->setCurrentIndex(i);
    }
    const bool datei = liste->currentIndex() == liste->count() - 1;
    if (b.datei)
        if (auto* f = bedienbar<QLineEdit>(dlg, "filename", "output file box"))
            f->setText(*b.datei);
    if (b.papier || b.ausrichtung) {
        // The properties dialog shows the printer's page and writes back
        // what the user picked there; a printer offers only its own papers.
        if (bedienbar<QAbstractButton>(dlg, "properties", "properties button")) {
            if (b.papier && b.papier->id() == QPageSize::Custom)
                ADD_FAILURE() << "a paper of the user's own is not scripted";
            else if (b.papier && !datei &&
                     !QPrinterInfo(printer).supportedPageSizes().contains(*b.papier))
                ADD_FAILURE() << "the printer offers no such paper";
            else if (b.papier)
                printer.setPageSize(*b.papier);
            if (b.ausrichtung)
                printer.setPageOrientation(*b.ausrichtung);
        }
    }
    if (b.kopien || b.seiten) {
        // The lower half opens with "Einstellungen >>".
        auto* unten = dlg.findChild<QWidget*>(QStringLiteral("QPrintSettingsOutput"));
        if (unten && !unten->isVisibleTo(&dlg))
            if (auto* knoepfe = dlg.findChild<QDialogButtonBox*>())
                for (QAbstractButton* k : knoepfe->buttons())
                    if (knoepfe->buttonRole(k) == QDialogButtonBox::ResetRole)
                        k->click();
    }
    if (b.kopien)
        if (auto* k = bedienbar<QSpinBox>(dlg, "copies", "number of copies"))
            k->setValue(*b.kopien);
    if (b.seiten) {
        if (auto* r = bedienbar<QRadioButton>(dlg, "printRange", "page range")) {
            r->setChecked(true);
            if (auto* von = bedienbar<QSpinBox>(dlg, "from", "first page"))
                von->setValue(b.seiten->first);
            if (auto* bis = bedienbar<QSpinBox>(dlg, "to", "last page"))
                bis->setValue(b.seiten->second);
        }
    }
}

// What the dialog asks before it takes a file name; such questions are not
// scripted here.
void dateiPruefen(QPrintDialog& dlg) {
    auto* liste = dlg.findChild<QComboBox*>(QStringLiteral("printers"));
    auto* f = dlg.findChild<QLineEdit*>(QStringLiteral("filename"));
    if (!liste || !f || liste->currentIndex() != liste->count() - 1)
        return;
    const QFileInfo fi(QDir::isRelativePath(f->text()) ? QDir::home().filePath(f->text())
                                                       : f->text());
    if (fi.exists())
        ADD_FAILURE() << "the printer dialog would ask about the existing "
                      << f->text().toStdString();
    else if (!fi.absoluteDir().exists())
        ADD_FAILURE() << "the printer dialog would refuse " << f->text().toStdString();
}

} // namespace

bool SkriptDialoge::druckerWaehlen(QPrinter& printer, bool einrichten) {
    // The real dialog, shown without a modal loop and worked by hand.
    const auto dlg = druckDialogErzeugen(printer, einrichten, nullptr);
    dlg->show();
    Gezeigt g{QStringLiteral("drucker"),
              einrichten ? QStringLiteral("einrichten") : QString(),
              dlg->windowTitle(),
              0,
              {},
              {},
              {}};
    if (auto* liste = dlg->findChild<QComboBox*>(QStringLiteral("printers")))
        for (int i = 0; i < liste->count(); ++i)
            g.eintraege << liste->itemText(i);
    if (auto* knoepfe = dlg->findChild<QDialogButtonBox*>())
        for (QAbstractButton* k : knoepfe->buttons())
            g.knoepfe << k->text();
    const auto a = naechste(QStringLiteral("drucker"), g);
    if (a.art != QStringLiteral("drucker") || !a.ok) {
        if (a.art == QStringLiteral("drucker"))
            bedienen(*dlg, printer, a.bedienung);
        dlg->reject();
        return false;
    }
    bedienen(*dlg, printer, a.bedienung);
    dateiPruefen(*dlg);
    dlg->accept();
    return dlg->result() == QDialog::Accepted;
}
std::optional<QString> SkriptDialoge::eingabe(const QString& frage, const QString& titel,
                                              const QString& vorgabe) {
    Gezeigt g{QStringLiteral("eingabe"), frage, titel, 0, {}, {}, {}};
    g.datei.dateiname = vorgabe;
    return naechste(QStringLiteral("eingabe"), g).text;
}

int SkriptDialoge::fensterModal(QDialog& d) {
    const auto a =
        naechste(QStringLiteral("fenster"),
                 {QStringLiteral("fenster"), d.objectName(), d.windowTitle(), 0, {}, {}, {}});
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

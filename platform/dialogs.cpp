#include "platform/dialogs.h"

#include <QApplication>
#include <QColorDialog>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLayout>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTranslator>

namespace sorvo {
namespace {

DialogService* g_service = nullptr;

QWidget* besitzer() {
    return QApplication::activeWindow();
}

QString zeilen(const QString& text) {
    // CR alone breaks a line in the message texts; show it as one.
    QString s = text;
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return s;
}

QString filterText(const QStringList& f) {
    return f.join(QStringLiteral(";;"));
}

} // namespace

DialogService& dialoge() {
    static QtDialoge qt;
    return g_service ? *g_service : qt;
}

DialogService* dialogeSetzen(DialogService* service) {
    DialogService* vorher = g_service;
    g_service = service;
    return vorher;
}

QString programmTitel() {
    return QStringLiteral("Sorvo");
}

bool ersetzenBestaetigt(const QString& pfad, const QString& titel) {
    return dialoge().meldung(QFileInfo(pfad).fileName() +
                                 QStringLiteral(" ist bereits vorhanden.\r"
                                                "Möchten Sie die Datei ersetzen?"),
                             Msg::YesNo + Msg::Exclamation, titel) == Antwort::Yes;
}

namespace {

// Keeps a dialog at the size its layout gives it once it is shown: a window
// the user cannot resize has nothing to maximise either.
class FesteGroesse final : public QObject {
public:
    explicit FesteGroesse(QWidget& w) : QObject(&w) { w.installEventFilter(this); }
    bool eventFilter(QObject* o, QEvent* e) override {
        auto* w = static_cast<QWidget*>(o);
        if (e->type() == QEvent::Show && w->layout() && w->minimumSize() != w->maximumSize())
            w->layout()->setSizeConstraint(QLayout::SetFixedSize);
        return false;
    }
};

} // namespace

void festerDialog(QWidget& fenster) {
    if (!fenster.property("sorvoFesteGroesse").toBool()) {
        fenster.setProperty("sorvoFesteGroesse", true);
        new FesteGroesse(fenster);
    }
    Qt::WindowFlags f = fenster.windowFlags();
    f &= ~(Qt::WindowType_Mask | Qt::WindowMinMaxButtonsHint | Qt::WindowSystemMenuHint |
           Qt::WindowContextHelpButtonHint | Qt::WindowFullscreenButtonHint);
    // Customised, so that no platform adds buttons of its own.
    fenster.setWindowFlags(f | Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint);
}

namespace {
const char* const kAntwort = "sorvoAntwort";
} // namespace

std::unique_ptr<QMessageBox> meldungsfensterErzeugen(const QString& text, int stil,
                                                     const QString& titel, QWidget* parent) {
    auto box = std::make_unique<QMessageBox>(parent);
    festerDialog(*box);
    box->setWindowTitle(titel.isEmpty() ? programmTitel() : titel);
    box->setText(zeilen(text));
    switch (stil & 0x70) {
    case Msg::Critical:
        box->setIcon(QMessageBox::Critical);
        break;
    case Msg::Question:
        box->setIcon(QMessageBox::Question);
        break;
    case Msg::Exclamation:
        box->setIcon(QMessageBox::Warning);
        break;
    case Msg::Information:
        box->setIcon(QMessageBox::Information);
        break;
    default:
        box->setIcon(QMessageBox::NoIcon);
    }
    struct Knopf {
        const char* text;
        QMessageBox::ButtonRole rolle;
        Antwort antwort;
    };
    std::vector<Knopf> knoepfe;
    switch (stil & 0x7) {
    case Msg::OKCancel:
        knoepfe = {{"OK", QMessageBox::AcceptRole, Antwort::OK},
                   {"Abbrechen", QMessageBox::RejectRole, Antwort::Cancel}};
        break;
    case Msg::AbortRetryIgnore:
        knoepfe = {{"&Abbrechen", QMessageBox::RejectRole, Antwort::Abort},
                   {"&Wiederholen", QMessageBox::AcceptRole, Antwort::Retry},
                   {"&Ignorieren", QMessageBox::AcceptRole, Antwort::Ignore}};
        break;
    case Msg::YesNoCancel:
        knoepfe = {{"&Ja", QMessageBox::YesRole, Antwort::Yes},
                   {"&Nein", QMessageBox::NoRole, Antwort::No},
                   {"Abbrechen", QMessageBox::RejectRole, Antwort::Cancel}};
        break;
    case Msg::YesNo:
        knoepfe = {{"&Ja", QMessageBox::YesRole, Antwort::Yes},
                   {"&Nein", QMessageBox::NoRole, Antwort::No}};
        break;
    case Msg::RetryCancel:
        knoepfe = {{"&Wiederholen", QMessageBox::AcceptRole, Antwort::Retry},
                   {"Abbrechen", QMessageBox::RejectRole, Antwort::Cancel}};
        break;
    default:
        knoepfe = {{"OK", QMessageBox::AcceptRole, Antwort::OK}};
    }
    QPushButton* erster = nullptr;
    for (const auto& k : knoepfe) {
        QPushButton* b = box->addButton(QString::fromUtf8(k.text), k.rolle);
        b->setProperty(kAntwort, static_cast<int>(k.antwort));
        if (!erster)
            erster = b;
    }
    box->setDefaultButton(erster);
    // Closed without a button: the cancel button if there is one.
    const bool ohneAbbrechen = (stil & 0x7) == Msg::OK || (stil & 0x7) == Msg::YesNo;
    box->setProperty(kAntwort,
                     static_cast<int>(ohneAbbrechen ? knoepfe.back().antwort : Antwort::Cancel));
    return box;
}

std::optional<Antwort> meldungsAntwort(const QObject* knopf) {
    if (!knopf || !knopf->property(kAntwort).isValid())
        return std::nullopt;
    return static_cast<Antwort>(knopf->property(kAntwort).toInt());
}

Antwort QtDialoge::meldung(const QString& text, int stil, const QString& titel) {
    const auto box = meldungsfensterErzeugen(text, stil, titel, besitzer());
    box->exec();
    return meldungsAntwort(box->clickedButton())
        .value_or(meldungsAntwort(box.get()).value_or(Antwort::Cancel));
}

static std::optional<QString> dateiDialog(const DateiAuswahl& a, bool speichern) {
    QFileDialog d(besitzer(), a.titel, a.ordner, filterText(a.filter));
    d.setOption(QFileDialog::DontUseNativeDialog);
    d.setAcceptMode(speichern ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    d.setFileMode(a.mussExistieren ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    if (!a.ueberschreibenFragen)
        d.setOption(QFileDialog::DontConfirmOverwrite);
    if (!a.dateiname.isEmpty())
        d.selectFile(a.dateiname);
    if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty())
        return std::nullopt;
    return QDir::toNativeSeparators(d.selectedFiles().constFirst());
}

std::optional<QString> QtDialoge::dateiOeffnen(const DateiAuswahl& a) {
    return dateiDialog(a, false);
}

std::optional<QString> QtDialoge::dateiSpeichern(const DateiAuswahl& a) {
    return dateiDialog(a, true);
}

std::optional<QString> QtDialoge::ordnerWaehlen(const QString& titel, const QString& start) {
    const QString s = QFileDialog::getExistingDirectory(
        besitzer(), titel, start, QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog);
    if (s.isEmpty())
        return std::nullopt;
    return s;
}

std::optional<Farbe> QtDialoge::farbeWaehlen(Farbe start) {
    const QColor c = QColorDialog::getColor(zuQColor(start), besitzer(), QString(),
                                            QColorDialog::DontUseNativeDialog);
    if (!c.isValid())
        return std::nullopt;
    return ausQColor(c);
}

namespace {

// The set-up form: a page range belongs to one print run, not to the
// printer, so its group stays hidden whenever the dialog shows itself.
class Druckeinrichtung final : public QPrintDialog {
public:
    using QPrintDialog::QPrintDialog;
    void setVisible(bool sichtbar) override {
        QPrintDialog::setVisible(sichtbar);
        if (sichtbar)
            if (auto* bereich = findChild<QWidget*>(QStringLiteral("gbPrintRange")))
                bereich->hide();
    }
};

} // namespace

std::unique_ptr<QPrintDialog> druckDialogErzeugen(QPrinter& printer, bool einrichten,
                                                  QWidget* parent) {
    std::unique_ptr<QPrintDialog> d = einrichten
                                          ? std::make_unique<Druckeinrichtung>(&printer, parent)
                                          : std::make_unique<QPrintDialog>(&printer, parent);
    // The page set-up dialog alone offers neither a printer nor a file, so
    // the set-up is the print dialog without what belongs to one print run.
    QAbstractPrintDialog::PrintDialogOptions o =
        QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize;
    if (!einrichten)
        o |= QAbstractPrintDialog::PrintPageRange | QAbstractPrintDialog::PrintCollateCopies;
    d->setOptions(o);
    if (einrichten) {
        d->setWindowTitle(QStringLiteral("Drucker einrichten"));
        // Confirming the set-up prints nothing.
        if (auto* knoepfe = d->findChild<QDialogButtonBox*>())
            if (QPushButton* ok = knoepfe->button(QDialogButtonBox::Ok))
                ok->setText(QStringLiteral("OK"));
    }
    return d;
}

bool qtUebersetzungLaden() {
    static QTranslator* geladen = nullptr;
    if (geladen)
        return true;
    auto* t = new QTranslator(QCoreApplication::instance());
    if (!t->load(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete t;
        return false;
    }
    QCoreApplication::installTranslator(t);
    geladen = t;
    return true;
}

bool QtDialoge::druckerWaehlen(QPrinter& printer, bool einrichten) {
    const auto d = druckDialogErzeugen(printer, einrichten, besitzer());
    return d->exec() == QDialog::Accepted;
}

std::unique_ptr<QInputDialog> eingabefensterErzeugen(const QString& frage, const QString& titel,
                                                     const QString& vorgabe, QWidget* parent) {
    auto d = std::make_unique<QInputDialog>(parent);
    festerDialog(*d);
    d->setWindowTitle(titel.isEmpty() ? programmTitel() : titel);
    d->setLabelText(zeilen(frage));
    d->setInputMode(QInputDialog::TextInput);
    d->setTextValue(vorgabe);
    return d;
}

std::optional<QString> QtDialoge::eingabe(const QString& frage, const QString& titel,
                                          const QString& vorgabe) {
    const auto d = eingabefensterErzeugen(frage, titel, vorgabe, besitzer());
    if (d->exec() != QDialog::Accepted)
        return std::nullopt;
    return d->textValue();
}

int QtDialoge::fensterModal(QDialog& fenster) {
    return fenster.exec();
}

} // namespace sorvo

#include "print/drucker.h"

#include "platform/dialogs.h"
#include "platform/registry.h"
#include "print/papier.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <cmath>

namespace sorvo {

namespace {

QPrinter*& druckerZeiger() {
    static QPrinter* drucker = nullptr;
    return drucker;
}

// The printer must go before the application object: its print engine
// belongs to the platform's print support, which ends with the application.
void druckerLoeschen() {
    delete druckerZeiger();
    druckerZeiger() = nullptr;
}

struct DruckerWahl {
    bool gewaehlt = false; // the program's printer is the user's choice
    QString pdfOrdner;     // folder of the last PDF file asked for
};

DruckerWahl& wahl() {
    static DruckerWahl w;
    return w;
}

QString lesen(const QString& name) {
    return RegStringLesenStandard(HKEY_LOCAL_MACHINE, kSchluesselDrucker, name, QString());
}

void schreiben(const QString& name, const QString& wert) {
    RegStringSchreiben(HKEY_LOCAL_MACHINE, kSchluesselDrucker, name,
                       wert.isEmpty() ? QStringLiteral(" ") : wert);
}

// The stored choice on the program's printer; false when nothing usable is
// stored (no choice, or its printer or the PDF file's folder is gone).
bool gespeicherteWahlSetzen(QPrinter& p) {
    if (lesen(QStringLiteral("PDF")) == QLatin1String("True")) {
        const QString datei = lesen(QStringLiteral("PDF-Datei"));
        if (!datei.isEmpty() && !QFileInfo(datei).absoluteDir().exists())
            return false;
        pdfAusgabeSetzen(p, datei);
    } else {
        const QString name = lesen(QStringLiteral("Drucker"));
        if (name.isEmpty() || !QPrinterInfo::availablePrinterNames().contains(name))
            return false;
        p.setOutputFileName(QString());
        p.setPrinterName(name);
    }
    bool breiteOk = false, hoeheOk = false;
    const int breite = lesen(QStringLiteral("Papierbreite")).toInt(&breiteOk);
    const int hoehe = lesen(QStringLiteral("Papierhoehe")).toInt(&hoeheOk);
    if (breiteOk && hoeheOk && breite > 0 && hoehe > 0)
        p.setPageSize(QPageSize(QSizeF(breite / 10.0, hoehe / 10.0), QPageSize::Millimeter,
                                QString(), QPageSize::FuzzyMatch));
    if (const QString a = lesen(QStringLiteral("Ausrichtung")); !a.isEmpty())
        p.setPageOrientation(a == QLatin1String("2") ? QPageLayout::Landscape
                                                     : QPageLayout::Portrait);
    return true;
}

} // namespace

void standardDruckerSetzen(QPrinter& drucker) {
    QString name = QPrinterInfo::defaultPrinterName();
    if (name.isEmpty())
        name = QPrinterInfo::availablePrinterNames().value(0);
    if (name.isEmpty()) {
        pdfAusgabeSetzen(drucker, QString());
        drucker.setPageSize(QPageSize(QPageSize::A4));
        drucker.setPageOrientation(QPageLayout::Portrait);
    } else {
        drucker.setOutputFileName(QString());
        drucker.setPrinterName(name);
    }
    druckbereichAufGeraet(drucker);
}

void pdfAusgabeSetzen(QPrinter& drucker, const QString& datei) {
    drucker.setOutputFileName(datei);
    // An empty name would go back to a system printer where one is installed.
    drucker.setOutputFormat(QPrinter::PdfFormat);
}

bool druckerFragtNachDatei(const QPrinter& drucker) {
    return drucker.outputFormat() == QPrinter::PdfFormat && drucker.outputFileName().isEmpty();
}

std::optional<QString> pdfDateiFragen() {
    QString& ordner = wahl().pdfOrdner;
    DateiAuswahl a;
    a.titel = QStringLiteral("In PDF-Datei drucken");
    a.ordner = ordner;
    if (a.ordner.isEmpty() || !QDir(a.ordner).exists())
        a.ordner = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!QDir(a.ordner).exists())
        a.ordner = QDir::homePath();
    a.dateiname = QDir(a.ordner).filePath(QStringLiteral("Schild.pdf"));
    a.filter = {QStringLiteral("PDF-Dateien (*.pdf)")};
    for (;;) {
        const auto gewaehlt = dialoge().dateiSpeichern(a);
        if (!gewaehlt)
            return std::nullopt;
        QString pfad = *gewaehlt;
        if (QFileInfo(pfad).suffix().compare(QLatin1String("pdf"), Qt::CaseInsensitive) != 0)
            pfad += QStringLiteral(".pdf");
        const QFileInfo info(pfad);
        if (info.exists() && !ersetzenBestaetigt(pfad, a.titel)) {
            a.dateiname = pfad;
            continue;
        }
        ordner = info.absolutePath();
        return pfad;
    }
}

void druckerGewaehlt() {
    wahl().gewaehlt = true;
}

void druckerWahlLaden() {
    DruckerWahl& w = wahl();
    w.pdfOrdner = lesen(QStringLiteral("PDF-Ordner"));
    QPrinter& p = programmDrucker();
    standardDruckerSetzen(p);
    w.gewaehlt = gespeicherteWahlSetzen(p);
    druckbereichAufGeraet(p);
}

void druckerWahlSpeichern() {
    const DruckerWahl& w = wahl();
    schreiben(QStringLiteral("PDF-Ordner"), w.pdfOrdner);
    if (!w.gewaehlt) {
        // Nothing chosen, or the choice is gone: the default printer applies.
        schreiben(QStringLiteral("PDF"), QStringLiteral("False"));
        schreiben(QStringLiteral("Drucker"), QString());
        return;
    }
    const QPrinter& p = programmDrucker();
    const bool pdf = p.outputFormat() == QPrinter::PdfFormat;
    schreiben(QStringLiteral("PDF"), pdf ? QStringLiteral("True") : QStringLiteral("False"));
    schreiben(QStringLiteral("PDF-Datei"), pdf ? p.outputFileName() : QString());
    schreiben(QStringLiteral("Drucker"), pdf ? QString() : p.printerName());
    const QSizeF mm = p.pageLayout().pageSize().size(QPageSize::Millimeter);
    schreiben(QStringLiteral("Papierbreite"), QString::number(std::lround(mm.width() * 10)));
    schreiben(QStringLiteral("Papierhoehe"), QString::number(std::lround(mm.height() * 10)));
    schreiben(QStringLiteral("Ausrichtung"), QString::number(druckerAusrichtung(p)));
}

QPrinter& programmDrucker() {
    QPrinter*& p = druckerZeiger();
    if (!p) {
        p = new QPrinter(QPrinter::HighResolution);
        druckbereichAufGeraet(*p);
        qAddPostRoutine(druckerLoeschen);
    }
    return *p;
}

void druckerErneuern() {
    QPrinter*& p = druckerZeiger();
    if (!p)
        return;
    auto* neu = new QPrinter(QPrinter::HighResolution);
    druckerUebernehmen(*p, *neu);
    delete p;
    p = neu;
}

int druckerAusrichtung(const QPrinter& drucker) {
    return drucker.pageLayout().orientation() == QPageLayout::Landscape ? 2 : 1;
}

long druckerPapierFormat(const QPrinter& drucker) {
    return papierCode(drucker.pageLayout().pageSize());
}

QString druckerName(const QPrinter& drucker) {
    if (drucker.outputFormat() == QPrinter::PdfFormat)
        return QStringLiteral("PDF");
    return drucker.printerName();
}

void druckbereichAufGeraet(QPrinter& drucker) {
    QPageLayout l = drucker.pageLayout();
    drucker.setPageMargins(l.minimumMargins(), l.units());
}

void druckerUebernehmen(const QPrinter& von, QPrinter& nach) {
    if (von.outputFormat() == QPrinter::PdfFormat) {
        pdfAusgabeSetzen(nach, von.outputFileName());
    } else if (von.printerName() != nach.printerName() ||
               nach.outputFormat() != QPrinter::NativeFormat) {
        nach.setPrinterName(von.printerName());
    }
    const QPageLayout l = von.pageLayout();
    nach.setPageOrientation(l.orientation());
    nach.setPageSize(l.pageSize());
    nach.setPageMargins(l.margins(), l.units());
    nach.setCopyCount(von.copyCount());
    nach.setCollateCopies(von.collateCopies());
    nach.setColorMode(von.colorMode());
    nach.setDuplex(von.duplex());
    nach.setResolution(von.resolution());
    nach.setPrintRange(von.printRange());
    if (von.fromPage() > 0 && von.fromPage() <= von.toPage())
        nach.setFromTo(von.fromPage(), von.toPage());
}

Geraetewerte geraeteWerte(const QPrinter& drucker) {
    const QRectF blatt = drucker.paperRect(QPrinter::DevicePixel);
    const QRectF seite = drucker.pageRect(QPrinter::DevicePixel);
    Geraetewerte w;
    w.physBreite = blatt.width();
    w.physHoehe = blatt.height();
    w.offsetX = seite.left() - blatt.left();
    w.offsetY = seite.top() - blatt.top();
    w.druckBreite = seite.width();
    w.druckHoehe = seite.height();
    w.dpiX = drucker.resolution();
    w.dpiY = drucker.resolution();
    return w;
}

Geraetemodus geraetemodusLesen(const QPrinter& drucker) {
    Geraetemodus m;
    m.pdf = drucker.outputFormat() == QPrinter::PdfFormat;
    m.pdfDatei = m.pdf ? drucker.outputFileName() : QString();
    m.deviceName = druckerName(drucker);
    const QPageLayout l = drucker.pageLayout();
    m.seite = l.pageSize();
    const QSizeF mm = m.seite.size(QPageSize::Millimeter);
    m.orientation = druckerAusrichtung(drucker);
    m.paperSize = papierCode(m.seite);
    m.paperWidth = static_cast<int>(std::lround(mm.width() * 10));
    m.paperLength = static_cast<int>(std::lround(mm.height() * 10));
    m.copies = drucker.copyCount();
    m.printQuality = drucker.resolution();
    m.yResolution = drucker.resolution();
    m.color = drucker.colorMode() == QPrinter::Color ? 2 : 1;
    switch (drucker.duplex()) {
    case QPrinter::DuplexNone:
        m.duplex = 1;
        break;
    case QPrinter::DuplexShortSide:
        m.duplex = 3;
        break;
    default:
        m.duplex = 2;
        break;
    }
    m.collate = drucker.collateCopies() ? 1 : 0;
    m.formName = m.seite.name();
    m.fields = DM::Orientation | DM::PaperSize | DM::PaperLength | DM::PaperWidth | DM::Copies |
               DM::PrintQuality | DM::Color | DM::Duplex | DM::YResolution | DM::Collate |
               DM::FormName;
    return m;
}

} // namespace sorvo

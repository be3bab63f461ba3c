#include "print/drucker.h"

#include "print/papier.h"

#include <QCoreApplication>
#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>
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

} // namespace

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
        nach.setOutputFormat(QPrinter::PdfFormat);
        nach.setOutputFileName(von.outputFileName());
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

#include "print/clsPrintDialog.h"

#include "platform/dialogs.h"
#include "print/drucker.h"

#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>

namespace sorvo {

void clsPrintDialog::PD_AllPages(bool v) {
    if (v)
        m_flags &= ~(PD::PageNums | PD::Selection);
}

QString clsPrintDialog::ClipNullChar(const QString& Text) {
    const qsizetype nul = Text.indexOf(QChar(0));
    return nul < 0 ? Text : Text.left(nul);
}

void clsPrintDialog::fehler(long nummer, bool meldung, const QString& beschreibung) {
    long n = nummer;
    QString text = beschreibung;
    bool abbrechen = false;
    if (DialogError)
        DialogError(n, text, abbrechen);
    if (meldung)
        dialoge().meldung(abbrechen ? QStringLiteral("Cancel war gesetzt")
                                    : QStringLiteral("Cancel war nicht gesetzt"),
                          Msg::OK, QString());
}

void clsPrintDialog::ShowPrinter(long hWnd) {
    (void)hWnd; // the dialog service finds the owner window itself
    m_cancelled = false;
    m_fields = 0;

    // The dialog works on a copy: the program's printer changes only on OK.
    // It starts from the program's printer rather than from the system's
    // defaults, so that confirming the set-up unchanged keeps the settings.
    QPrinter arbeit(QPrinter::HighResolution);
    if (m_flags & PD::ReturnDefault) {
        const QString standard = QPrinterInfo::defaultPrinterName();
        if (standard.isEmpty()) {
            fehler(PDERR_NODEFAULTPRN, true);
            return;
        }
        arbeit.setPrinterName(standard);
    } else {
        druckerUebernehmen(programmDrucker(), arbeit);
    }
    if ((m_flags & PD::PageNums) && m_fromPage > 0 && m_fromPage <= m_toPage) {
        arbeit.setPrintRange(QPrinter::PageRange);
        arbeit.setFromTo(m_fromPage, m_toPage);
    }
    if (m_flags & PD::Collate)
        arbeit.setCollateCopies(true);
    if (m_copies > 0)
        arbeit.setCopyCount(m_copies);

    if (!(m_flags & PD::ReturnDefault) &&
        !dialoge().druckerWaehlen(arbeit, (m_flags & PD::PrintSetup) != 0)) {
        m_cancelled = true;
        return;
    }
    if (!arbeit.isValid()) {
        fehler(PDERR_PRINTERNOTFOUND, true);
        return;
    }

    const Geraetemodus dm = geraetemodusLesen(arbeit);
    m_fields = dm.fields;
    if (arbeit.printRange() == QPrinter::PageRange) {
        m_fromPage = static_cast<short>(arbeit.fromPage());
        m_toPage = static_cast<short>(arbeit.toPage());
    }

    // The chosen device becomes the program's printer when it is there;
    // otherwise the printer stays and only takes the settings.
    QPrinter& p = programmDrucker();
    if (dm.pdf) {
        pdfAusgabeSetzen(p, dm.pdfDatei);
    } else {
        const QString name = ClipNullChar(dm.deviceName);
        const QStringList namen = QPrinterInfo::availablePrinterNames();
        for (const QString& n : namen) {
            if (n == name) {
                // A printer chosen after a PDF file prints on paper again.
                p.setOutputFileName(QString());
                p.setPrinterName(n);
                break;
            }
        }
    }
    m_deviceName = druckerName(p);

    if (m_fields & DM::Orientation) {
        m_orientation = static_cast<short>(dm.orientation);
        p.setPageOrientation(dm.orientation == 2 ? QPageLayout::Landscape : QPageLayout::Portrait);
    }
    if (m_fields & DM::PaperSize) {
        m_paperSize = static_cast<short>(dm.paperSize);
        p.setPageSize(dm.seite); // the page itself: a size of the user's own has no code
    }
    const bool hoch = druckerAusrichtung(p) == 1;
    if (m_fields & DM::PaperLength)
        m_paperLength = static_cast<short>(hoch ? dm.paperLength : dm.paperWidth);
    if (m_fields & DM::PaperWidth)
        m_paperWidth = static_cast<short>(hoch ? dm.paperWidth : dm.paperLength);
    if (m_fields & DM::Scale)
        m_scale = static_cast<short>(dm.scale);

    if (m_fields & DM::Copies) {
        if (dm.copies >= 1) {
            m_copiesMirror = static_cast<short>(dm.copies);
            p.setCopyCount(dm.copies);
        } else {
            p.setCopyCount(1);
        }
    } else {
        m_copiesMirror = 1;
    }

    if (m_fields & DM::DefaultSource)
        m_defaultSource = static_cast<short>(dm.defaultSource);
    if (m_fields & DM::PrintQuality) {
        m_printQuality = static_cast<short>(dm.printQuality);
        if (dm.printQuality > 0)
            p.setResolution(dm.printQuality);
    }
    if (m_fields & DM::Color) {
        m_color = static_cast<short>(dm.color);
        p.setColorMode(dm.color == 2 ? QPrinter::Color : QPrinter::GrayScale);
    }
    if (m_fields & DM::Duplex) {
        m_duplex = static_cast<short>(dm.duplex);
        p.setDuplex(dm.duplex == 3   ? QPrinter::DuplexShortSide
                    : dm.duplex == 2 ? QPrinter::DuplexLongSide
                                     : QPrinter::DuplexNone);
    }
    if (m_fields & DM::YResolution)
        m_yResolution = static_cast<short>(dm.yResolution);
    if (m_fields & DM::TTOption)
        m_ttOption = static_cast<short>(dm.ttOption);
    if (m_fields & DM::Collate) {
        m_collate = static_cast<short>(dm.collate);
        p.setCollateCopies(dm.collate != 0);
    }
    if (m_fields & DM::FormName)
        m_formName = ClipNullChar(dm.formName);
    if (m_fields & DM::MediaType)
        m_mediaType = dm.mediaType;

    // A new device or sheet brings its own unprintable margins.
    druckbereichAufGeraet(p);
    druckerGewaehlt();
}

QString clsPrintDialog::GetDefaultPrinterName(long hWnd) {
    (void)hWnd;
    const QString name = QPrinterInfo::defaultPrinterName();
    if (name.isEmpty())
        fehler(PDERR_NODEFAULTPRN, true);
    return name;
}

void clsPrintDialog::ChangeDocProperties(const QString& DeviceName, long hWnd) {
    (void)hWnd;
    const QPrinterInfo info = QPrinterInfo::printerInfo(DeviceName);
    if (info.isNull()) {
        fehler(ERROR_INVALID_PRINTER_NAME, false, QStringLiteral("Fehler in ChangeDocProperties"));
        return;
    }
    // The settings are read and dropped: nothing keeps them.
    QPrinter p(info, QPrinter::HighResolution);
    (void)geraetemodusLesen(p);
}

} // namespace sorvo

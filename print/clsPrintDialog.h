#pragma once
// The program's printer choice: shows the print dialog (or its set-up form)
// through the dialog service and, on OK, makes the chosen device with its
// page settings the program's printer (programmDrucker()). Keeps a mirror of
// the chosen settings for callers to read.
//
// The main window and the print settings dialog use it as
//     prtDlg.PD_PrintSetup(true);
//     prtDlg.ShowPrinter();
#include "print/drucker.h"

#include <QString>
#include <cstdint>
#include <functional>

namespace sorvo {

// Dialog flag bits, as the classic print dialog numbers them.
namespace PD {
inline constexpr std::uint32_t Selection = 0x1;
inline constexpr std::uint32_t PageNums = 0x2;
inline constexpr std::uint32_t NoSelection = 0x4;
inline constexpr std::uint32_t NoPageNums = 0x8;
inline constexpr std::uint32_t Collate = 0x10;
inline constexpr std::uint32_t PrintToFile = 0x20;
inline constexpr std::uint32_t PrintSetup = 0x40;
inline constexpr std::uint32_t NoWarning = 0x80;
inline constexpr std::uint32_t ReturnDC = 0x100;
inline constexpr std::uint32_t ReturnIC = 0x200;
inline constexpr std::uint32_t ReturnDefault = 0x400;
inline constexpr std::uint32_t ShowHelp = 0x800;
inline constexpr std::uint32_t UseDevModeCopies = 0x40000;
inline constexpr std::uint32_t DisablePrintToFile = 0x80000;
inline constexpr std::uint32_t HidePrintToFile = 0x100000;
inline constexpr std::uint32_t NoNetworkButton = 0x200000;
} // namespace PD

// Error codes of the printer choice.
inline constexpr long PDERR_NODEFAULTPRN = 0x1008;
inline constexpr long PDERR_PRINTERNOTFOUND = 0x100B;
inline constexpr long ERROR_INVALID_PRINTER_NAME = 1801;

class clsPrintDialog {
public:
    QString Version() const { return QStringLiteral("1.00 (14.01.2000)"); }
    QString CopyRight() const { return QStringLiteral("Copyright (c) Sorvo"); }

    // Page fields of the dialog.
    void PDnFromPage(short v) { m_fromPage = v; }
    short PDnFromPage() const { return m_fromPage; }
    void PDnToPage(short v) { m_toPage = v; }
    short PDnToPage() const { return m_toPage; }
    void PDnMinPage(short v) { m_minPage = v; }
    short PDnMinPage() const { return m_minPage; }
    void PDnMaxPage(short v) { m_maxPage = v; }
    short PDnMaxPage() const { return m_maxPage; }
    void PDnCopies(short v) { m_copies = v; }
    short PDnCopies() const { return m_copies; }

    // True clears page numbers and selection; False changes nothing.
    void PD_AllPages(bool v);
    bool PD_AllPages() const { return (m_flags & (PD::PageNums | PD::Selection)) == 0; }
    void PD_PageNums(bool v) { flag(PD::PageNums, v); }
    bool PD_PageNums() const { return m_flags & PD::PageNums; }
    void PD_Selection(bool v) { flag(PD::Selection, v); }
    bool PD_Selection() const { return m_flags & PD::Selection; }
    void PD_Collate(bool v) { flag(PD::Collate, v); }
    bool PD_Collate() const { return m_flags & PD::Collate; }
    void PD_DisablePrintToFile(bool v) { flag(PD::DisablePrintToFile, v); }
    bool PD_DisablePrintToFile() const { return m_flags & PD::DisablePrintToFile; }
    void PD_HidePrintToFile(bool v) { flag(PD::HidePrintToFile, v); }
    bool PD_HidePrintToFile() const { return m_flags & PD::HidePrintToFile; }
    void PD_NoPageNums(bool v) { flag(PD::NoPageNums, v); }
    bool PD_NoPageNums() const { return m_flags & PD::NoPageNums; }
    void PD_NoSelection(bool v) { flag(PD::NoSelection, v); }
    bool PD_NoSelection() const { return m_flags & PD::NoSelection; }
    void PD_NoWarning(bool v) { flag(PD::NoWarning, v); }
    bool PD_NoWarning() const { return m_flags & PD::NoWarning; }
    void PD_PrintSetup(bool v) { flag(PD::PrintSetup, v); }
    bool PD_PrintSetup() const { return m_flags & PD::PrintSetup; }
    void PD_PrintToFile(bool v) { flag(PD::PrintToFile, v); }
    bool PD_PrintToFile() const { return m_flags & PD::PrintToFile; }
    void PD_ReturnDC(bool v) { flag(PD::ReturnDC, v); }
    bool PD_ReturnDC() const { return m_flags & PD::ReturnDC; }
    void PD_ReturnIC(bool v) { flag(PD::ReturnIC, v); }
    bool PD_ReturnIC() const { return m_flags & PD::ReturnIC; }
    void PD_ReturnDefault(bool v) { flag(PD::ReturnDefault, v); }
    bool PD_ReturnDefault() const { return m_flags & PD::ReturnDefault; }
    void PD_HelpButton(bool v) { flag(PD::ShowHelp, v); }
    bool PD_HelpButton() const { return m_flags & PD::ShowHelp; }
    void PD_UseDevModeCopies(bool v) { flag(PD::UseDevModeCopies, v); }
    bool PD_UseDevModeCopies() const { return m_flags & PD::UseDevModeCopies; }
    void PD_NONETWORKBUTTON(bool v) { flag(PD::NoNetworkButton, v); }
    bool PD_NONETWORKBUTTON() const { return m_flags & PD::NoNetworkButton; }
    // The dialog's flags: all flags set above, nothing else.
    std::uint32_t Flags() const { return m_flags; }

    bool Cancelled() const { return m_cancelled; }
    QString DeviceName() const { return m_deviceName; }

    // Mirror of the settings chosen in the last confirmed dialog. Each
    // ...Valid tells whether the last dialog reported that field; after a
    // cancelled dialog none does.
    short DriverVersion() const { return 0; }
    long DitherType() const { return 0; }
    bool DitherTypeValid() const { return gueltig(DM::DitherType); }
    long MediaType() const { return m_mediaType; }
    bool MediaTypeValid() const { return gueltig(DM::MediaType); }
    long ICMIntent() const { return 0; }
    bool ICMIntentValid() const { return gueltig(DM::ICMIntent); }
    long ICMMethod() const { return 0; }
    bool ICMMethodValid() const { return gueltig(DM::ICMMethod); }
    QString FormName() const { return m_formName; }
    bool FormNameValid() const { return gueltig(DM::FormName); }
    short Collate() const { return m_collate; }
    bool CollateValid() const { return gueltig(DM::Collate); }
    short TTOption() const { return m_ttOption; }
    bool TTOptionValid() const { return gueltig(DM::TTOption); }
    short YResolution() const { return m_yResolution; }
    bool YResolutionValid() const { return gueltig(DM::YResolution); }
    short Duplex() const { return m_duplex; }
    bool DuplexValid() const { return gueltig(DM::Duplex); }
    short Color() const { return m_color; }
    bool ColorValid() const { return gueltig(DM::Color); }
    short PrintQuality() const { return m_printQuality; }
    bool PrintQualityValid() const { return gueltig(DM::PrintQuality); }
    short DefaultSource() const { return m_defaultSource; }
    bool DefaultSourceValid() const { return gueltig(DM::DefaultSource); }
    short Copies() const { return m_copiesMirror; }
    bool CopiesValid() const { return gueltig(DM::Copies); }
    short ScalePercent() const { return m_scale; }
    bool ScalePercentValid() const { return gueltig(DM::Scale); }
    // Tenths of a millimetre of the page as it lies (swapped in landscape).
    short PaperWidth() const { return m_paperWidth; }
    bool PaperWidthValid() const { return gueltig(DM::PaperWidth); }
    short PaperLength() const { return m_paperLength; }
    bool PaperLengthValid() const { return gueltig(DM::PaperLength); }
    short PaperSize() const { return m_paperSize; }
    bool PaperSizeValid() const { return gueltig(DM::PaperSize); }
    short Orientation() const { return m_orientation; }
    bool OrientationValid() const { return gueltig(DM::Orientation); }

    // Shows the dialog; hWnd is the owner window (0: the program's active
    // window). On OK the program's printer takes over the chosen device and
    // settings; on cancel nothing changes and Cancelled() reads true.
    void ShowPrinter(long hWnd = 0);
    // The system's default printer, "" when there is none (reported through
    // DialogError and a message box).
    QString GetDefaultPrinterName(long hWnd = 0);
    // Reads the named printer's settings; an unknown name raises DialogError.
    void ChangeDocProperties(const QString& DeviceName, long hWnd = 0);
    // The text up to its first NUL character.
    static QString ClipNullChar(const QString& Text);

    // Raised when the dialog fails; a handler may set Cancel.
    std::function<void(long& ErrorNumber, QString& ErrorDescription, bool& Cancel)> DialogError;

private:
    void flag(std::uint32_t bit, bool an) { m_flags = an ? (m_flags | bit) : (m_flags & ~bit); }
    bool gueltig(std::uint32_t bit) const { return (m_fields & bit) != 0; }
    void fehler(long nummer, bool meldung, const QString& beschreibung = QString());

    std::uint32_t m_flags = 0;
    std::uint32_t m_fields = 0;
    bool m_cancelled = false;
    short m_fromPage = 0, m_toPage = 0, m_minPage = 0, m_maxPage = 0, m_copies = 0;
    QString m_deviceName;
    QString m_formName;
    short m_orientation = 0, m_paperSize = 0, m_paperLength = 0, m_paperWidth = 0, m_scale = 0;
    short m_copiesMirror = 0, m_defaultSource = 0, m_printQuality = 0, m_color = 0, m_duplex = 0;
    short m_yResolution = 0, m_ttOption = 0, m_collate = 0;
    long m_mediaType = 0;
};

} // namespace sorvo

#pragma once
// The program's one printer and the few device questions the rest of the
// program asks of it: which device, which page, how big the page is in
// device pixels and where the printable area lies on it. Everything that
// prints or measures the page goes through programmDrucker(), so the printer
// set-up chosen once applies to every later run.
#include <QPageSize>
#include <QString>
#include <cstdint>
#include <optional>

class QPrinter;

namespace sorvo {

// The program's printer, created on first use (after the application object)
// and deleted when the application ends. Its page margins are always the
// device's unprintable margins, so its page rectangle is the printable area
// and the painter's origin lies at the printable area's top left corner.
QPrinter& programmDrucker();

// Makes the program's printer anew with the same device and settings. A
// printer whose print document could not be started stays busy for good.
void druckerErneuern();

// The system's default printer, as the program finds it when nothing else
// was chosen: the installed default printer, or, where no printer is
// installed, a PDF printer that asks for its file when a job starts.
void standardDruckerSetzen(QPrinter& drucker);

// Output to a PDF file; an empty file name makes the printer ask for the
// file when a job starts (druckerFragtNachDatei).
void pdfAusgabeSetzen(QPrinter& drucker, const QString& datei);
bool druckerFragtNachDatei(const QPrinter& drucker);

// Asks for the file of a PDF printer that asks, in the folder used last
// ("In PDF-Datei drucken"); nothing when the user cancels. A name without
// ".pdf" gets it; an existing file is replaced only when the user agrees.
std::optional<QString> pdfDateiFragen();

// The printer the user chose in the printer set-up stays the program's
// printer across runs, kept in the registry until another is chosen or it
// is no longer installed. druckerGewaehlt marks the program's printer as
// chosen; druckerWahlLaden (at start) makes the program's printer the
// stored choice, or the default printer; druckerWahlSpeichern (at the end)
// stores the choice and the folder of the last PDF file.
void druckerGewaehlt();
void druckerWahlLaden();
void druckerWahlSpeichern();
inline const QString kSchluesselDrucker = QStringLiteral("Software\\Kelmarhof\\Sorvo1.0\\Drucker");

// Orientation and paper in the classic numbering: 1 portrait, 2 landscape;
// the paper code of papier.h (9 = DIN A4).
int druckerAusrichtung(const QPrinter& drucker);
long druckerPapierFormat(const QPrinter& drucker);

// The name a device is known by: the system printer's name, or "PDF" for a
// printer that writes a file.
QString druckerName(const QPrinter& drucker);

// Sets the page margins to the device's unprintable margins.
void druckbereichAufGeraet(QPrinter& drucker);

// Copies device (system printer or PDF file) and page settings (page size,
// orientation, copies, colour, duplex, collation, resolution) from one
// printer to another that is not printing.
void druckerUebernehmen(const QPrinter& von, QPrinter& nach);

// Page geometry of a printer in device pixels, as a device context reports it.
struct Geraetewerte {
    double physBreite = 0; // whole sheet
    double physHoehe = 0;
    double offsetX = 0; // first printable pixel from the sheet's edge
    double offsetY = 0;
    double druckBreite = 0; // printable area
    double druckHoehe = 0;
    int dpiX = 0;
    int dpiY = 0;
};
Geraetewerte geraeteWerte(const QPrinter& drucker);

// Which fields of a Geraetemodus hold a value; bit values as in a classic
// device mode record, since callers keep them.
namespace DM {
inline constexpr std::uint32_t Orientation = 0x1;
inline constexpr std::uint32_t PaperSize = 0x2;
inline constexpr std::uint32_t PaperLength = 0x4;
inline constexpr std::uint32_t PaperWidth = 0x8;
inline constexpr std::uint32_t Scale = 0x10;
inline constexpr std::uint32_t Copies = 0x100;
inline constexpr std::uint32_t DefaultSource = 0x200;
inline constexpr std::uint32_t PrintQuality = 0x400;
inline constexpr std::uint32_t Color = 0x800;
inline constexpr std::uint32_t Duplex = 0x1000;
inline constexpr std::uint32_t YResolution = 0x2000;
inline constexpr std::uint32_t TTOption = 0x4000;
inline constexpr std::uint32_t Collate = 0x8000;
inline constexpr std::uint32_t FormName = 0x10000;
inline constexpr std::uint32_t ICMMethod = 0x800000;
inline constexpr std::uint32_t ICMIntent = 0x1000000;
inline constexpr std::uint32_t MediaType = 0x2000000;
inline constexpr std::uint32_t DitherType = 0x4000000;
} // namespace DM

// The settings of a printer as one record: device, page and job settings in
// the classic units (paper in tenths of a millimetre of the upright sheet,
// colour 1 mono / 2 colour, duplex 1 simplex / 2 long edge / 3 short edge).
struct Geraetemodus {
    QString deviceName; // "PDF" for a file printer
    bool pdf = false;
    QString pdfDatei;
    QPageSize seite; // the exact page, custom sizes included
    std::uint32_t fields = 0;
    int orientation = 0;
    long paperSize = 0;
    int paperLength = 0;
    int paperWidth = 0;
    int scale = 0;
    int copies = 0;
    int defaultSource = 0;
    int printQuality = 0;
    int color = 0;
    int duplex = 0;
    int yResolution = 0;
    int ttOption = 0;
    int collate = 0;
    QString formName;
    long mediaType = 0;
};
Geraetemodus geraetemodusLesen(const QPrinter& drucker);

} // namespace sorvo

#pragma once
// Paper names and page metrics of the current printer. Paper codes are the
// classic paper-size numbers that templates and printers keep (9 = DIN A4,
// 256 = a size of the user's own).
#include <QPageSize>
#include <QString>
#include <optional>

class QPrinter;

namespace sorvo {

inline constexpr long PapierBenutzerdefiniert = 256;

// German display name of a paper code; "" for a code without a name.
QString FormatUebers(long intUebergabe);

// The page size a paper code stands for; none for unknown codes and for 256.
std::optional<QPageSize::PageSizeId> papierGroesse(long code);
// The paper code of a page size: a named code where one fits, else the
// size's own classic number, else 256.
long papierCode(const QPageSize& seite);

// Units of SeitenMasse, numbered as the classic scale modes.
namespace Skala {
inline constexpr int Twips = 1;
inline constexpr int Punkt = 2;
inline constexpr int Pixel = 3;
inline constexpr int Zoll = 5;
inline constexpr int Millimeter = 6;
inline constexpr int Zentimeter = 7;
} // namespace Skala

// Physical sheet of Drucker and its unprintable margins in the unit
// ScaleMode, each rounded to the nearest whole unit (a half to the even
// number). Throws std::invalid_argument for an unknown unit.
void SeitenMasse(const QPrinter& Drucker, long& OffsetX, long& OffsetY, long& Breite, long& Hoehe,
                 long& RandRechts, long& RandUnten, int ScaleMode);

// Paper width and height of the program's printer in whole millimetres.
long PapierBreite();
long PapierHoehe();

// The page-metrics message of the program's printer, as shown by
// SeitenMasseText().
QString seitenMasseMeldung(const QPrinter& drucker);
// Shows the paper size and the four unprintable margins of the program's
// printer in a message box.
void SeitenMasseText();

} // namespace sorvo

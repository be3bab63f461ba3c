#pragma once
// Colours as the label program stores them: a 32-bit value, red in the low
// byte (RGB Long), or a system colour &H80000000 + index that is resolved
// through the palette when drawn. Files hold the signed 32-bit value.
#include <QColor>
#include <QPalette>
#include <cstdint>

namespace sorvo {

using Farbe = int32_t;

constexpr Farbe RGB(int r, int g, int b) {
    return static_cast<Farbe>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr Farbe systemFarbe(int index) {
    return static_cast<Farbe>(static_cast<uint32_t>(0x80000000u) | static_cast<uint32_t>(index));
}
constexpr bool istSystemFarbe(Farbe f) {
    return (static_cast<uint32_t>(f) & 0x80000000u) != 0;
}

// System colour indexes the program uses.
inline constexpr Farbe kFensterHintergrund = systemFarbe(5); // &H80000005
inline constexpr Farbe kFensterText = systemFarbe(8);        // &H80000008
inline constexpr Farbe kTitelAktiv = systemFarbe(2);         // &H80000002
inline constexpr Farbe kMenue = systemFarbe(4);              // &H80000004
inline constexpr Farbe kMenueText = systemFarbe(7);          // &H80000007
inline constexpr Farbe kTitelText = systemFarbe(9);          // &H80000009
inline constexpr Farbe kSchaltflaeche = systemFarbe(15);     // &H8000000F

QColor zuQColor(Farbe f, const QPalette& palette = QPalette());
Farbe ausQColor(const QColor& c);

} // namespace sorvo

#pragma once
// Units and rounding of the label program.
//
// Label geometry is held in millimetres, window geometry in twips
// (1440 per inch, 567 per centimetre); the screen is taken at 96 logical
// dots per inch, i.e. 15 twips per pixel.
//
// Two roundings are kept apart on purpose:
//  - Runden: x + 0.5 truncated towards zero (-1.2 gives 0, -1.5 gives -1);
//    used for all position arithmetic of the label windows.
//  - RundenGerade: half to even (12.5 gives 12, 13.5 gives 14); used where a
//    measured value is turned into a whole number (file fields, saved values).
#include <cstdint>

namespace sorvo {

constexpr double kTwipsProZoll = 1440.0;
constexpr double kMmProZoll = 25.4;
constexpr double kTwipsProMm = kTwipsProZoll / kMmProZoll;
constexpr double kTwipsProPixel = 15.0;

int32_t Runden(double x);
int32_t RundenGerade(double x);

constexpr double twipsZuMm(double twips) {
    return twips / kTwipsProMm;
}
constexpr double mmZuTwips(double mm) {
    return mm * kTwipsProMm;
}
constexpr double twipsZuPixel(double twips) {
    return twips / kTwipsProPixel;
}
constexpr double pixelZuTwips(double px) {
    return px * kTwipsProPixel;
}

// The forms' design geometry: a length in twips as whole screen pixels, and
// screen pixels as whole twips (truncated).
inline int px(double twips) {
    return RundenGerade(twipsZuPixel(twips));
}
inline int twips(int pixel) {
    return static_cast<int>(pixelZuTwips(pixel));
}

} // namespace sorvo

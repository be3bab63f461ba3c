#pragma once
// Fonts of the label program. Labels name Windows fonts ("MS Sans Serif",
// "Arial", ...); they are drawn with metric-compatible free fonts so that a
// label looks and measures the same on every machine. The names stored in
// labels and templates stay the Windows names.
#include <QFont>
#include <QString>
#include <QStringList>

namespace sorvo {

// Maps the Windows font names to the Liberation fonts. Call once at start-up;
// calling it again does no harm.
void schriftenEinrichten();

// The size a font reads back after it was set: the value set, to four
// decimals. The screen font "MS Sans Serif" only has the sizes 8.25, 9.75, 12,
// 13.5, 18 and 24; a size up to 24 snaps to the nearest of them (a size half
// way between two takes the smaller), a larger one is kept.
double schriftGroesseNormieren(const QString& name, double groesse);

// The font as labels use it: size in points, kerning off (text widths must not
// depend on the pair of letters), no hinting (widths must not depend on the
// resolution or the machine's font settings).
QFont schriftBauen(const QString& name, double groesse, bool fett = false, bool kursiv = false,
                   bool unterstrichen = false, bool durchgestrichen = false);

// The font families a user can choose, each once by its plain name. The
// font database names a family that several foundries offer once per
// foundry ("C059 [UKWN]", "C059 [urw]"); the plain name finds the family.
QStringList schriftFamilien();

} // namespace sorvo

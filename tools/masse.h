#pragma once
// The arithmetic of the tool window's position and size boxes: reading a
// box, and the bounds each way of changing a value has. The boxes hold whole
// millimetres as text; the element's own measures are millimetres as the
// label window keeps them.
//
// The bounds differ on purpose between typing and the 1 mm buttons (a typed
// X above S - 1 becomes S - 4, a typed Y leaves 1 mm, a button leaves 2), so
// every trigger has its own function. Comparisons are made in single
// precision, as the label window's measures are singles. Whole millimetres
// are rounded halves to even (RundenGerade) everywhere except in the
// proportional rule, which rounds halves up (Runden).
//
// The trigger functions take the box text as it is and return the box's new
// value, or nothing when the trigger leaves everything as it is (a box that
// holds no number included). Sizes and
// maxima stay within 0 .. 32767; for a maximum, 0 means "no maximum" (the
// box is then shown empty). Positions stay within the 16-bit range.
#include <QString>
#include <array>
#include <cstdint>
#include <optional>

namespace sorvo::masse {

inline constexpr int32_t kGroesstesMass = 32767;
inline constexpr int32_t kKleinstePosition = -32768;

// The element kind of an edit frame; its value is the index of the frame's
// position boxes txtX and txtY.
enum class Feldart : int { Bild = 0, Text = 1, BildDatenfeld = 2, Datenfeld = 3 };
enum class Achse { X, Y };
// The two sides of a picture, as the size boxes txtHB(0) and txtHB(1).
enum class Seite { Hoehe, Breite };

// ---- Reading a box -------------------------------------------------------

// "" is 0; digits, with one leading minus sign, are the number ("007" is 7),
// held to the 16-bit range. Anything else holds no number.
std::optional<int32_t> boxWert(const QString& text);
// A size or maximum box: as boxWert, held to 0 .. 32767.
std::optional<int32_t> boxGroesse(const QString& text);
// The text a box shows for a value.
QString boxText(int32_t wert);
// The text of a maximum box: empty for 0 (no maximum).
QString maxBoxText(int32_t wert);

// A measure of an element in whole millimetres for a box, halves to even,
// held to the 16-bit range; a size is held to 0 .. 32767.
int32_t ganzeMm(double mm);
int32_t groesseMm(double mm);

// ---- Typed into a position box (Enter and focus loss alike) ---------------

// X: a value above S - 1 becomes S - 4, whatever the element's width.
std::optional<int32_t> positionXGetippt(const QString& box, double innenBreite);
// Y: a value above S - H becomes S - H for a picture and S - H - 1 for the
// other kinds (H the element's height); it may come out at 0 or below for an
// element taller than the label.
std::optional<int32_t> positionYGetippt(const QString& box, Feldart art, double innenHoehe,
                                        double hoehe);

// ---- The right (or bottom) edge of a maximum -------------------------------

// A maximum that, from pos, reaches beyond innen - 1 becomes the room that is
// left, rounded, less 1 mm; a result of 0 or below is 0 (no maximum).
int32_t maxKlemme(int32_t max, double pos, double innen);
// After the element moved: the maximum-width box held against the new Left.
// Nothing when the box is empty or the maximum still fits; otherwise the
// corrected maximum (0: none left). Used by a typed X and by the X "+"
// buttons of texts, data fields and picture data fields.
std::optional<int32_t> maxBreiteKorrektur(const QString& box, double links, double innenBreite);

// ---- Typed into a maximum box ---------------------------------------------

// With the edge clamp: Enter in "feste Breite:", and Enter or focus loss in
// "maximale Höhe:" / "maximale Breite:" of a picture data field (pos is the
// element's Top or Left, innen the inner height or width).
std::optional<int32_t> maxGetippt(const QString& box, double pos, double innen);
// Without it: focus loss of "feste Breite:" stores what was typed.
std::optional<int32_t> maxGetipptOhneKlemme(const QString& box);

// ---- Picture size -----------------------------------------------------------

// The picture's new height and width; a side that does not change is empty.
struct Bildgroesse {
    std::optional<int32_t> hoehe;
    std::optional<int32_t> breite;
};
// One side set to wert; with proportional the other follows the ratio the
// picture had when the edit began (width = Runden(height x r), height =
// Runden(width / r), r = altBreite / altHoehe). A recorded side of 0 leaves
// no ratio: the other side then stays.
Bildgroesse bildGroesse(Seite seite, int32_t wert, bool proportional, int32_t altBreite,
                        int32_t altHoehe);
// Typed into txtHB(0) or txtHB(1).
std::optional<Bildgroesse> bildGroesseGetippt(const QString& box, Seite seite, bool proportional,
                                              int32_t altBreite, int32_t altHoehe);
// The "+" (richtung 1) and "-" (richtung -1) buttons cmdH / cmdB (0, 1): "-"
// acts only above 0, "+" only below 32767; an empty box does nothing.
std::optional<Bildgroesse> bildGroesseSchritt(const QString& box, Seite seite, int richtung,
                                              bool proportional, int32_t altBreite,
                                              int32_t altHoehe);

// ---- Position buttons ----------------------------------------------------------

// What a position button reads of the element and the label window.
struct Lage {
    double links = 0;       // the element's Left
    double hoehe = 0;       // the element's Height
    double innenBreite = 0; // the label window's inner width
    double innenHoehe = 0;  // and inner height
};
// One step of 1 mm (richtung 1 or -1) of the box on one axis. Nothing when
// the box is empty or holds no number, or when the step is refused: a text or
// data field goes right only while its Left < W - 4, a picture data field
// while its box <= W - 5; down only while the box < H - height - 2; left and
// up only while the box (a data field's X: its Left) is above 0, except a
// text's X, which has no lower bound. Pictures are never bounded.
std::optional<int32_t> positionSchritt(Feldart art, Achse achse, int richtung, const QString& box,
                                       const Lage& lage);

struct Positionsknopf {
    Feldart art;
    Achse achse;
    int richtung;
};
// The button arrays of the frames by index: kCmdX for cmdX(0 .. 11), kCmdPosX
// for cmdPosX(0, 1), kCmdPosY for cmdPosY(0, 1).
inline constexpr std::array<Positionsknopf, 12> kCmdX{{
    {Feldart::Bild, Achse::X, 1},
    {Feldart::Bild, Achse::X, -1},
    {Feldart::Bild, Achse::Y, 1},
    {Feldart::Bild, Achse::Y, -1},
    {Feldart::Text, Achse::X, 1},
    {Feldart::Text, Achse::X, -1},
    {Feldart::Text, Achse::Y, 1},
    {Feldart::Text, Achse::Y, -1},
    {Feldart::BildDatenfeld, Achse::Y, -1},
    {Feldart::BildDatenfeld, Achse::Y, 1},
    {Feldart::BildDatenfeld, Achse::X, -1},
    {Feldart::BildDatenfeld, Achse::X, 1},
}};
inline constexpr std::array<Positionsknopf, 2> kCmdPosX{{
    {Feldart::Datenfeld, Achse::X, 1},
    {Feldart::Datenfeld, Achse::X, -1},
}};
inline constexpr std::array<Positionsknopf, 2> kCmdPosY{{
    {Feldart::Datenfeld, Achse::Y, 1},
    {Feldart::Datenfeld, Achse::Y, -1},
}};

// ---- Maximum buttons -----------------------------------------------------------

// "-" beside "feste Breite:" (cmdMBTMinus, cmdMBDMinus): one less, and at 1
// or below 0 (no maximum). Nothing on an empty box (no maximum to take from;
// the caller beeps).
std::optional<int32_t> maxBreiteMinus(const QString& box);
// "-" beside "maximale Höhe:" / "maximale Breite:" (cmdH(2), cmdB(2)): the
// same, but an empty box counts as 0 and gives 0.
std::optional<int32_t> bildDfMaxMinus(const QString& box);
// "+" beside a maximum width (cmdMBTPlus, cmdMBDPlus, cmdB(3)): one more, an
// empty box gives 1; then held to the right edge by maxKlemme.
std::optional<int32_t> maxPlus(const QString& box, double links, double innenBreite);
// "+" beside "maximale Höhe:" (cmdH(3)): one more only while the box is below
// the room under the element, rounded, less 1 mm; otherwise refused (nothing)
// and a value already above it stays. An empty box counts as 0 and is to show
// "0" afterwards even when refused.
std::optional<int32_t> bildDfMaxHoehePlus(const QString& box, double oben, double innenHoehe);

} // namespace sorvo::masse

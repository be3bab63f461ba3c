#pragma once
// Picture measures of the tool window: a picture's natural size and the
// size of its preview in a box.
#include <QImage>
#include <QSize>
#include <QSizeF>
#include <cstdint>
#include <optional>

namespace sorvo {

// The size a picture takes when shown pixel for pixel on the screen
// (15 twips per pixel), in millimetres.
QSizeF natuerlicheGroesseMm(const QImage& bild);

// The preview of a picture of hoehe x breite (whole millimetres) in a box
// of boxHoehe x boxBreite twips: scaled to the box's height, or to its
// width when the picture is relatively wider, rounded half up; in twips.
// A picture without height has no preview.
std::optional<QSize> vorschauGroesse(int32_t hoehe, int32_t breite, int boxHoehe, int boxBreite);

} // namespace sorvo

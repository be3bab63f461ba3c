#include "tools/bildmass.h"

#include "platform/units.h"

namespace sorvo {

QSizeF natuerlicheGroesseMm(const QImage& bild) {
    return {twipsZuMm(pixelZuTwips(bild.width())), twipsZuMm(pixelZuTwips(bild.height()))};
}

std::optional<QSize> vorschauGroesse(int32_t hoehe, int32_t breite, int boxHoehe, int boxBreite) {
    if (hoehe == 0)
        return std::nullopt;
    double f = static_cast<double>(hoehe) / boxHoehe;
    if (breite / f > boxBreite)
        f = static_cast<double>(breite) / boxBreite;
    return QSize(Runden(breite / f), Runden(hoehe / f));
}

} // namespace sorvo

#include "tools/masse.h"

#include "platform/units.h"

#include <algorithm>
#include <cmath>

namespace sorvo::masse {

namespace {

// The label window's measures are singles; the bounds are compared as such.
float einfach(double x) {
    return static_cast<float>(x);
}

int32_t alsGroesse(int64_t v) {
    return static_cast<int32_t>(std::clamp<int64_t>(v, 0, kGroesstesMass));
}

// Halves up, held to a size.
int32_t rundenGroesse(double x) {
    if (std::isnan(x))
        return 0;
    return Runden(std::clamp(x, 0.0, static_cast<double>(kGroesstesMass)));
}

std::optional<int32_t> schritt(int32_t wert, int richtung, int32_t kleinster, int32_t groesster) {
    const int64_t neu = static_cast<int64_t>(wert) + richtung;
    if (neu < kleinster || neu > groesster)
        return std::nullopt;
    return static_cast<int32_t>(neu);
}

} // namespace

std::optional<int32_t> boxWert(const QString& text) {
    if (text.isEmpty())
        return 0;
    qsizetype i = 0;
    const bool negativ = text.at(0) == QLatin1Char('-');
    if (negativ)
        i = 1;
    if (i == text.size())
        return std::nullopt;
    int64_t wert = 0;
    for (; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        if (c < u'0' || c > u'9')
            return std::nullopt;
        // Past the 16-bit range the exact value no longer matters.
        wert = std::min<int64_t>(wert * 10 + (c - u'0'), 100000);
    }
    if (negativ)
        wert = -wert;
    return static_cast<int32_t>(std::clamp<int64_t>(wert, kKleinstePosition, kGroesstesMass));
}

std::optional<int32_t> boxGroesse(const QString& text) {
    const auto wert = boxWert(text);
    if (!wert)
        return std::nullopt;
    return alsGroesse(*wert);
}

QString boxText(int32_t wert) {
    return QString::number(wert);
}

QString maxBoxText(int32_t wert) {
    return wert == 0 ? QString() : QString::number(wert);
}

int32_t ganzeMm(double mm) {
    if (std::isnan(mm))
        return 0;
    return RundenGerade(std::clamp(mm, static_cast<double>(kKleinstePosition),
                                   static_cast<double>(kGroesstesMass)));
}

int32_t groesseMm(double mm) {
    return alsGroesse(ganzeMm(mm));
}

std::optional<int32_t> positionXGetippt(const QString& box, double innenBreite) {
    auto wert = boxWert(box);
    if (!wert)
        return std::nullopt;
    const float s = einfach(innenBreite);
    if (static_cast<float>(*wert) > s - 1.0f)
        wert = ganzeMm(s - 4.0f);
    return wert;
}

std::optional<int32_t> positionYGetippt(const QString& box, Feldart art, double innenHoehe,
                                        double hoehe) {
    auto wert = boxWert(box);
    if (!wert)
        return std::nullopt;
    const float raum = einfach(innenHoehe) - einfach(hoehe);
    if (static_cast<float>(*wert) > raum)
        wert = ganzeMm(art == Feldart::Bild ? raum : raum - 1.0f);
    return wert;
}

int32_t maxKlemme(int32_t max, double pos, double innen) {
    const float p = einfach(pos);
    const float s = einfach(innen);
    if (static_cast<float>(max) + p > s - 1.0f)
        max = ganzeMm(s - p) - 1;
    return alsGroesse(max);
}

std::optional<int32_t> maxBreiteKorrektur(const QString& box, double links, double innenBreite) {
    if (box.isEmpty())
        return std::nullopt;
    const auto wert = boxGroesse(box);
    if (!wert)
        return std::nullopt;
    const int32_t geklemmt = maxKlemme(*wert, links, innenBreite);
    if (geklemmt == *wert)
        return std::nullopt;
    return geklemmt;
}

std::optional<int32_t> maxGetippt(const QString& box, double pos, double innen) {
    const auto wert = boxGroesse(box);
    if (!wert)
        return std::nullopt;
    return maxKlemme(*wert, pos, innen);
}

std::optional<int32_t> maxGetipptOhneKlemme(const QString& box) {
    return boxGroesse(box);
}

Bildgroesse bildGroesse(Seite seite, int32_t wert, bool proportional, int32_t altBreite,
                        int32_t altHoehe) {
    Bildgroesse g;
    wert = alsGroesse(wert);
    if (seite == Seite::Hoehe)
        g.hoehe = wert;
    else
        g.breite = wert;
    // Without a recorded width and height there is no ratio to keep.
    if (!proportional || altBreite <= 0 || altHoehe <= 0)
        return g;
    const double r = static_cast<double>(altBreite) / static_cast<double>(altHoehe);
    if (seite == Seite::Hoehe)
        g.breite = rundenGroesse(wert * r);
    else
        g.hoehe = rundenGroesse(wert / r);
    return g;
}

std::optional<Bildgroesse> bildGroesseGetippt(const QString& box, Seite seite, bool proportional,
                                              int32_t altBreite, int32_t altHoehe) {
    const auto wert = boxGroesse(box);
    if (!wert)
        return std::nullopt;
    return bildGroesse(seite, *wert, proportional, altBreite, altHoehe);
}

std::optional<Bildgroesse> bildGroesseSchritt(const QString& box, Seite seite, int richtung,
                                              bool proportional, int32_t altBreite,
                                              int32_t altHoehe) {
    if (box.isEmpty())
        return std::nullopt;
    const auto wert = boxGroesse(box);
    if (!wert)
        return std::nullopt;
    const auto neu = schritt(*wert, richtung, 0, kGroesstesMass);
    if (!neu)
        return std::nullopt;
    return bildGroesse(seite, *neu, proportional, altBreite, altHoehe);
}

std::optional<int32_t> positionSchritt(Feldart art, Achse achse, int richtung, const QString& box,
                                       const Lage& lage) {
    if (box.isEmpty())
        return std::nullopt;
    const auto wert = boxWert(box);
    if (!wert)
        return std::nullopt;
    const float b = static_cast<float>(*wert);
    const float links = einfach(lage.links);
    const float w = einfach(lage.innenBreite);
    const bool vor = richtung > 0;
    bool erlaubt = true;
    if (art != Feldart::Bild) {
        if (achse == Achse::Y) {
            erlaubt = vor ? b < einfach(lage.innenHoehe) - einfach(lage.hoehe) - 2.0f : b > 0.0f;
        } else if (art == Feldart::BildDatenfeld) {
            erlaubt = vor ? b <= w - 5.0f : b > 0.0f;
        } else if (vor) {
            erlaubt = links < w - 4.0f;
        } else if (art == Feldart::Datenfeld) {
            // A data field's X tests the element, not the box.
            erlaubt = links > 0.0f;
        }
    }
    if (!erlaubt)
        return std::nullopt;
    return schritt(*wert, vor ? 1 : -1, kKleinstePosition, kGroesstesMass);
}

std::optional<int32_t> maxBreiteMinus(const QString& box) {
    if (box.isEmpty())
        return std::nullopt;
    return bildDfMaxMinus(box);
}

std::optional<int32_t> bildDfMaxMinus(const QString& box) {
    const auto wert = boxGroesse(box);
    if (!wert)
        return std::nullopt;
    return *wert > 1 ? *wert - 1 : 0;
}

std::optional<int32_t> maxPlus(const QString& box, double links, double innenBreite) {
    const auto wert = boxGroesse(box);
    if (!wert)
        return std::nullopt;
    return maxKlemme(alsGroesse(int64_t{*wert} + 1), links, innenBreite);
}

std::optional<int32_t> bildDfMaxHoehePlus(const QString& box, double oben, double innenHoehe) {
    const auto wert = boxGroesse(box);
    if (!wert)
        return std::nullopt;
    const int32_t grenze = ganzeMm(einfach(innenHoehe) - einfach(oben)) - 1;
    if (*wert >= grenze)
        return std::nullopt;
    return schritt(*wert, 1, 0, kGroesstesMass);
}

} // namespace sorvo::masse

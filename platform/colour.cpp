#include "platform/colour.h"

namespace sorvo {

QColor zuQColor(Farbe f, const QPalette& p) {
    if (!istSystemFarbe(f)) {
        const auto u = static_cast<uint32_t>(f);
        return QColor(u & 0xFF, (u >> 8) & 0xFF, (u >> 16) & 0xFF);
    }
    switch (static_cast<uint32_t>(f) & 0xFFu) {
    case 0:
        return p.color(QPalette::Dark); // scroll bar
    case 1:
        return p.color(QPalette::Window); // desktop
    case 2:
        return p.color(QPalette::Highlight); // active title bar
    case 3:
        return p.color(QPalette::Mid); // inactive title bar
    case 4:
        return p.color(QPalette::Window); // menu
    case 5:
        return p.color(QPalette::Base); // window background
    case 6:
        return p.color(QPalette::Shadow); // window frame
    case 7:
        return p.color(QPalette::WindowText); // menu text
    case 8:
        return p.color(QPalette::Text); // window text
    case 9:
        return p.color(QPalette::HighlightedText); // title-bar text
    case 13:
        return p.color(QPalette::Highlight); // selected item
    case 14:
        return p.color(QPalette::HighlightedText); // selected item text
    case 15:
        return p.color(QPalette::Button); // button face
    case 16:
        return p.color(QPalette::Dark); // button shadow
    case 17:
        return p.color(QPalette::PlaceholderText); // grey text
    case 18:
        return p.color(QPalette::ButtonText); // button text
    case 20:
        return p.color(QPalette::Light); // button highlight
    default:
        return p.color(QPalette::Window);
    }
}

Farbe ausQColor(const QColor& c) {
    return RGB(c.red(), c.green(), c.blue());
}

} // namespace sorvo

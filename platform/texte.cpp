#include "platform/texte.h"

namespace sorvo {

QString ohneLeerzeichen(const QString& s) {
    qsizetype a = 0, b = s.size();
    while (a < b && s[a] == QLatin1Char(' '))
        ++a;
    while (b > a && s[b - 1] == QLatin1Char(' '))
        --b;
    return s.mid(a, b - a);
}

} // namespace sorvo

#include "platform/sortieren.h"

#include <QCollator>
#include <QLocale>
#include <algorithm>

namespace sorvo {

namespace {
const QCollator& sortierung() {
    static const QCollator c = [] {
        QCollator k(QLocale(QLocale::German, QLocale::Germany));
        k.setCaseSensitivity(Qt::CaseInsensitive);
        return k;
    }();
    return c;
}
} // namespace

int alphabetischVergleichen(const QString& a, const QString& b) {
    return sortierung().compare(a, b);
}

void alphabetischSortieren(QStringList& l) {
    std::stable_sort(l.begin(), l.end(), [](const QString& a, const QString& b) {
        return alphabetischVergleichen(a, b) < 0;
    });
}

} // namespace sorvo

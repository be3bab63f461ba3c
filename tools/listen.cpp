#include "tools/listen.h"

#include <QCollator>
#include <QListWidget>
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

int sortiertEinfuegen(QListWidget* liste, const QString& text) {
    // After the last entry not greater than the text.
    int unten = 0, oben = liste->count();
    while (unten < oben) {
        const int mitte = (unten + oben) / 2;
        if (alphabetischVergleichen(liste->item(mitte)->text(), text) <= 0)
            unten = mitte + 1;
        else
            oben = mitte;
    }
    liste->insertItem(unten, text);
    return unten;
}

QStringList eintraege(const QListWidget* liste) {
    QStringList l;
    l.reserve(liste->count());
    for (int i = 0; i < liste->count(); ++i)
        l << liste->item(i)->text();
    return l;
}

int ersteZeile(const QListWidget* liste, const QString& text) {
    for (int i = 0; i < liste->count(); ++i)
        if (liste->item(i)->text() == text)
            return i;
    return -1;
}

} // namespace sorvo

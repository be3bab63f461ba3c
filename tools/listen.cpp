#include "tools/listen.h"

#include <QListWidget>

namespace sorvo {

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

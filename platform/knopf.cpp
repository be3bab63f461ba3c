#include "platform/knopf.h"

#include <QLabel>
#include <QPushButton>

namespace sorvo {

QPushButton* befehlsknopf(const char* name, const QString& beschriftung, bool mitEnter,
                          QWidget* eltern) {
    auto* k = new QPushButton(beschriftung, eltern);
    k->setObjectName(QString::fromLatin1(name));
    QString gelesen = beschriftung;
    gelesen.remove(QLatin1Char('&')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    k->setAccessibleName(gelesen.trimmed());
    if (!mitEnter)
        k->setAutoDefault(false);
    return k;
}

QLabel* beschriftung(const char* name, const QString& text, QWidget* fuer, QWidget* eltern) {
    auto* l = new QLabel(text, eltern);
    if (name)
        l->setObjectName(QString::fromLatin1(name));
    if (fuer) {
        l->setBuddy(fuer);
        fuer->setAccessibleName(text);
    }
    return l;
}

} // namespace sorvo

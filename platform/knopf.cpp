#include "platform/knopf.h"

#include <QPushButton>

namespace sorvo {

QPushButton* befehlsknopf(const char* name, const QString& beschriftung, bool mitEnter) {
    auto* k = new QPushButton(beschriftung);
    k->setObjectName(QString::fromLatin1(name));
    QString gelesen = beschriftung;
    gelesen.remove(QLatin1Char('&')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    k->setAccessibleName(gelesen.trimmed());
    if (!mitEnter)
        k->setAutoDefault(false);
    return k;
}

} // namespace sorvo

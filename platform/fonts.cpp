#include "platform/fonts.h"

#include <QFontDatabase>
#include <QSet>
#include <array>
#include <cmath>

namespace sorvo {

namespace {
const QString kBildschirmSchrift = QStringLiteral("MS Sans Serif");
constexpr std::array<double, 6> kBildschirmGroessen{8.25, 9.75, 12.0, 13.5, 18.0, 24.0};
} // namespace

void schriftenEinrichten() {
    const QString sans = QStringLiteral("Liberation Sans");
    QFont::insertSubstitution(kBildschirmSchrift, sans);
    QFont::insertSubstitution(QStringLiteral("Arial"), sans);
    QFont::insertSubstitution(QStringLiteral("Times New Roman"),
                              QStringLiteral("Liberation Serif"));
    QFont::insertSubstitution(QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"));
}

double schriftGroesseNormieren(const QString& name, double groesse) {
    const double gerundet = std::round(groesse * 10000.0) / 10000.0;
    if (name.compare(kBildschirmSchrift, Qt::CaseInsensitive) != 0 ||
        gerundet > kBildschirmGroessen.back())
        return gerundet;
    double beste = kBildschirmGroessen.front();
    for (double g : kBildschirmGroessen) {
        if (std::abs(g - gerundet) < std::abs(beste - gerundet))
            beste = g;
    }
    return beste;
}

QFont schriftBauen(const QString& name, double groesse, bool fett, bool kursiv, bool unterstrichen,
                   bool durchgestrichen) {
    QFont f;
    f.setFamily(name);
    if (groesse > 0.0)
        f.setPointSizeF(groesse);
    f.setBold(fett);
    f.setItalic(kursiv);
    f.setUnderline(unterstrichen);
    f.setStrikeOut(durchgestrichen);
    f.setKerning(false);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

QStringList schriftFamilien() {
    QStringList namen;
    QSet<QString> gesehen;
    for (QString name : QFontDatabase::families()) {
        // "Name [foundry]": the tag goes, the name stays.
        if (name.endsWith(QLatin1Char(']'))) {
            const qsizetype auf = name.lastIndexOf(QStringLiteral(" ["));
            if (auf > 0)
                name.truncate(auf);
        }
        if (!gesehen.contains(name)) {
            gesehen.insert(name);
            namen << name;
        }
    }
    return namen;
}

} // namespace sorvo

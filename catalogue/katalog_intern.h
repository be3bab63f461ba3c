#pragma once
// The catalogue's texts as Qt strings, built once on first use. Internal to
// the catalogue (and its tests).
#include "catalogue/mdlDruck.h"
#include "catalogue/tabellen_daten.h"

#include <QString>
#include <QStringList>
#include <array>
#include <vector>

namespace sorvo {

struct Wertetabelle {
    QString name;
    katalog_daten::Regel regel;
    QStringList eintraege;
};

struct KatalogTexte {
    // Indexed by Kategorie.
    std::array<QStringList, 6> anzeige;
    std::array<QStringList, 6> kurz;
    std::array<QStringList, 6> spalten;
    QStringList beschreibungTopfpflanzen;
    QStringList beschreibungGehoelze;
    // Every code-to-text table, in the order of the generated data.
    std::vector<Wertetabelle> tabellen;
};

const KatalogTexte& katalogTexte();

// A number or date that is none (NaN, an infinity): it prints nothing.
bool keineEndlicheZahl(const jet::Value& v);

} // namespace sorvo

#pragma once
// The catalogue's texts as the generator writes them (tabellen_daten.cpp,
// made by catalogue/gen/tabellen_erzeugen.py from catalogue/gen/daten): UTF-8
// literals, turned into Qt strings once at start-up. Internal to the catalogue.
#include <cstddef>

namespace sorvo::katalog_daten {

struct Liste {
    const char* const* texte;
    size_t anzahl;
};

// Display list, short list and column list of one category.
struct KategorieDaten {
    Liste anzeige;
    Liste kurz;
    Liste spalten;
};

// How a flag position p or a code c finds its entry.
enum class Regel {
    PMinus1, // no placeholder: position p reads entry p - 1
    P,       // entry 0 an empty placeholder: position p reads entry p
    Code,    // the code c reads entry c; entry 0 is empty
    Fest,    // fixed table, entry 0 stays empty: position p reads entry p
};

struct TabellenDaten {
    const char* name;
    Regel regel;
    Liste eintraege;
};

// In the order Topfpflanzen, Stauden, Gehoelze, Apfel, Obst, Friedhof.
extern const KategorieDaten kategorien[6];
// The pot plants' descriptions, parallel to their short list.
extern const Liste beschreibungenTopfpflanzen;
extern const TabellenDaten tabellen[];
extern const int tabellenAnzahl;

} // namespace sorvo::katalog_daten

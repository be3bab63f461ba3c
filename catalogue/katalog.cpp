#include "catalogue/katalog_intern.h"
#include "catalogue/mdlDruck.h"
#include "catalogue/tabellen_daten.h"

namespace sorvo {

namespace {

QStringList alsListe(const katalog_daten::Liste& l) {
    QStringList out;
    out.reserve(static_cast<qsizetype>(l.anzahl));
    for (size_t i = 0; i < l.anzahl; ++i)
        out << QString::fromUtf8(l.texte[i]);
    return out;
}

size_t nummer(Kategorie k) {
    return static_cast<size_t>(k);
}

} // namespace

const KatalogTexte& katalogTexte() {
    static const KatalogTexte texte = [] {
        KatalogTexte t;
        for (size_t k = 0; k < 6; ++k) {
            t.anzeige[k] = alsListe(katalog_daten::kategorien[k].anzeige);
            t.kurz[k] = alsListe(katalog_daten::kategorien[k].kurz);
            t.spalten[k] = alsListe(katalog_daten::kategorien[k].spalten);
        }
        t.beschreibungTopfpflanzen = alsListe(katalog_daten::beschreibungenTopfpflanzen);
        // The woody plants describe five fields in more words; every other
        // description is the short name itself.
        t.beschreibungGehoelze = t.kurz[nummer(Kategorie::Gehoelze)];
        const std::pair<int, const char*> laenger[] = {
            {1, "Botanischer Name"},      {2, "Deutscher Name Name"}, {5, "Laub- oder Nadelgehölz"},
            {7, "maximaler Durchmesser"}, {39, "Synonyme"},
        };
        for (const auto& [pos, text] : laenger)
            t.beschreibungGehoelze[pos] = QString::fromUtf8(text);
        for (int i = 0; i < katalog_daten::tabellenAnzahl; ++i) {
            const auto& d = katalog_daten::tabellen[i];
            t.tabellen.push_back(
                Wertetabelle{QString::fromLatin1(d.name), d.regel, alsListe(d.eintraege)});
        }
        return t;
    }();
    return texte;
}

std::optional<Kategorie> kategorieAusArt(const QString& art) {
    static const std::pair<const char*, Kategorie> arten[] = {
        {"vxt", Kategorie::Topfpflanzen}, {"vxs", Kategorie::Stauden}, {"vxg", Kategorie::Gehoelze},
        {"vxa", Kategorie::Apfel},        {"vxo", Kategorie::Obst},    {"vxf", Kategorie::Friedhof},
    };
    for (const auto& [code, k] : arten)
        if (art == QLatin1String(code))
            return k;
    return std::nullopt;
}

void TabellenInitialisieren() {
    katalogTexte();
}

const QStringList& varDfAnzeigeNamen(Kategorie k) {
    return katalogTexte().anzeige[nummer(k)];
}

const QStringList& varDfKurzNamen(Kategorie k) {
    return katalogTexte().kurz[nummer(k)];
}

const QStringList& varDfSpaltenNamen(Kategorie k) {
    return katalogTexte().spalten[nummer(k)];
}

QString FeldBeschreibung(const QString& feldname, const QString& art) {
    const std::optional<Kategorie> k = kategorieAusArt(art);
    if (!k)
        return {};
    const KatalogTexte& t = katalogTexte();
    const QStringList* beschreibungen = *k == Kategorie::Topfpflanzen ? &t.beschreibungTopfpflanzen
                                        : *k == Kategorie::Gehoelze   ? &t.beschreibungGehoelze
                                                                      : nullptr;
    if (!beschreibungen)
        return feldname; // the other kinds describe a field by its short name
    const qsizetype i = t.kurz[nummer(*k)].indexOf(feldname);
    return i < 0 ? feldname : beschreibungen->at(i);
}

} // namespace sorvo

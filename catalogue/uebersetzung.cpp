// The translation routines. Each category is a table of cases keyed by the
// column name; a case names one conversion kind and its texts. The first
// listing of a column name wins, as the cases are tested in order.
#include "catalogue/katalog_intern.h"
#include "catalogue/mdlDruck.h"
#include "label/programm.h"
#include "label/unterprogramme.h"
#include "platform/jet/jet.h"

#include <QHash>
#include <QLocale>
#include <cmath>
#include <initializer_list>
#include <optional>

namespace sorvo {

namespace {

enum class Art {
    Flaggen,          // flag list
    MonatePosition,   // month span, one flag per month
    MonateCode,       // month span, first and last month code
    JaNein,           // the sentence for an accepted word
    JaNeinUmgekehrt,  // the sentence unless an accepted word
    CodeListe,        // code text from a list of codes
    CodeTabelle,      // code text, the whole number reads the table
    CodeTabelleStill, // the same, and a non-number gives ""
    Quelle,           // source code letter
    Familie,
    FamilieFriedhof, // "kein wert" is no family
    SynonymDeutsch,
    SynonymBotanisch,
    SynonymFriedhofDeutsch,
    SynonymFriedhofBotanisch,
    Benutzer,
    Ausbildung,
    Bewertung,
    Bereinigen,
    Einheit,
    Urteil,
    GrundfarbeObst, // flag list, a lone "siehe Fruchtfarbe" gives ""
};

struct Fall {
    Art art = Art::Flaggen;
    // Flag lists and code tables: entry of position p is entry p - 1 + versatz
    // of a value table, or of the case's own list when there is no table.
    const QStringList* liste = nullptr;
    QStringList eigene;
    int versatz = 0;
    int n = 0;
    QString satz;
    QStringList jaWoerter;
    std::vector<std::pair<QString, QString>> codes;
    QString tabelle;  // synonyms (woody table for the cemetery)
    QString tabelle2; // perennial synonym table of the cemetery
    size_t kategorie = 0;
};

using Faelle = QHash<QString, Fall>;

const QStringList& eintraege(const Fall& f) {
    return f.liste ? *f.liste : f.eigene;
}

const QString& monat(int m) {
    static const QString namen[] = {
        QStringLiteral("Januar"),  QStringLiteral("Februar"),  QStringLiteral("März"),
        QStringLiteral("April"),   QStringLiteral("Mai"),      QStringLiteral("Juni"),
        QStringLiteral("Juli"),    QStringLiteral("August"),   QStringLiteral("September"),
        QStringLiteral("Oktober"), QStringLiteral("November"), QStringLiteral("Dezember")};
    return namen[m - 1];
}

QStringList texte(std::initializer_list<const char*> l) {
    QStringList out;
    for (const char* s : l)
        out << QString::fromUtf8(s);
    return out;
}

const Wertetabelle& tabelle(const char* name) {
    for (const Wertetabelle& t : katalogTexte().tabellen)
        if (t.name == QLatin1String(name))
            return t;
    qFatal("value table %s missing", name);
}

// --- Building the case tables ---------------------------------------------

class Aufbau {
public:
    explicit Aufbau(Faelle& f) : m_faelle(f) {}

    void fall(std::initializer_list<const char*> spalten, const Fall& f) {
        for (const char* s : spalten) {
            const QString name = QString::fromUtf8(s);
            if (m_faelle.contains(name))
                continue; // a later listing is never reached
            m_faelle.insert(name, f);
        }
    }
    // Flag list over a value table, addressed by the table's own rule.
    void flaggen(std::initializer_list<const char*> spalten, int n, const char* tab) {
        const Wertetabelle& t = tabelle(tab);
        Fall f;
        f.liste = &t.eintraege;
        f.versatz = t.regel == katalog_daten::Regel::PMinus1 ? 0 : 1;
        f.n = n;
        fall(spalten, f);
    }
    // Flag list over a list of the case's own, item p for position p.
    void flaggen(std::initializer_list<const char*> spalten, std::initializer_list<const char*> l) {
        Fall f;
        f.eigene = texte(l);
        f.n = static_cast<int>(f.eigene.size());
        fall(spalten, f);
    }
    void art(std::initializer_list<const char*> spalten, Art a) {
        Fall f;
        f.art = a;
        fall(spalten, f);
    }
    void jaNein(std::initializer_list<const char*> spalten, const char* satz,
                std::initializer_list<const char*> ja, bool umgekehrt = false) {
        Fall f;
        f.art = umgekehrt ? Art::JaNeinUmgekehrt : Art::JaNein;
        f.satz = QString::fromUtf8(satz);
        f.jaWoerter = texte(ja);
        fall(spalten, f);
    }
    void codes(std::initializer_list<const char*> spalten,
               std::initializer_list<std::pair<const char*, const char*>> l) {
        Fall f;
        f.art = Art::CodeListe;
        for (const auto& [code, text] : l)
            f.codes.emplace_back(QString::fromUtf8(code), QString::fromUtf8(text));
        fall(spalten, f);
    }
    void codeTabelle(std::initializer_list<const char*> spalten, const char* tab, bool still) {
        Fall f;
        f.art = still ? Art::CodeTabelleStill : Art::CodeTabelle;
        f.liste = &tabelle(tab).eintraege;
        fall(spalten, f);
    }
    void synonym(const char* spalte, Art a, const char* tab, const char* tab2 = "") {
        Fall f;
        f.art = a;
        f.tabelle = QString::fromLatin1(tab);
        f.tabelle2 = QString::fromLatin1(tab2);
        fall({spalte}, f);
    }
    void benutzer(Kategorie k) {
        Fall f;
        f.art = Art::Benutzer;
        f.kategorie = static_cast<size_t>(k);
        fall({"BENU_EIGEN"}, f);
    }

private:
    Faelle& m_faelle;
};

const std::initializer_list<const char*> farben = {
    "weiß", "gelb",    "orange", "rosa",  "rot",  "dunkelrot", "purpur",
    "lila", "violett", "blau",   "braun", "grau", "bunt"};

const std::initializer_list<std::pair<const char*, const char*>> geselligkeit = {
    {"1", "möglichst einzeln oder in kleinen Tuffs pflanzen"},
    {"2", "in kleinen Trupps von etwa 3-10 Pflanzen gruppieren"},
    {"3", "größere Gruppen von über 10-20 Pflanzen"},
    {"4", "in großen Kolonien, ausgesprochen flächig pflanzen"},
    {"5", "vorwiegend großflächig pflanzen"}};

const std::initializer_list<std::pair<const char*, const char*>> pflanzart = {
    {"1j", "einjährig"}, {"2j", "zweijährig"}, {"Bm", "Baum"},     {"HSt", "Halbstrauch"},
    {"Std", "Staude"},   {"Str", "Strauch"},   {"Zwi", "Zwiebel"}, {"Gr", "Gras"}};

const std::initializer_list<std::pair<const char*, const char*>> grobeinteilung = {
    {"L", "Laubgehölz"},  {"l", "Laubgehölz"},  {"1", "Laubgehölz"},
    {"N", "Nadelgehölz"}, {"n", "Nadelgehölz"}, {"2", "Nadelgehölz"}};

Faelle topfpflanzen() {
    Faelle f;
    Aufbau a(f);
    a.synonym("DTNAM", Art::SynonymDeutsch, "Topfpfl_Synonyme_Deutsch");
    a.synonym("BOTSYN", Art::SynonymBotanisch, "Topfpfl_Synonyme_Botanisch");
    a.art({"FAMILIE"}, Art::Familie);
    a.flaggen({"BLATTFARB"}, {"hellgrün", "dunkelgrün", "silbrig", "gelbgrün", "weißgrün",
                              "rotgrün", "gefleckt", "gestreift", "panaschiert"});
    a.art({"BLUEHZEIT", "FRUCHTZEIT", "ANGEBOTSZ"}, Art::MonatePosition);
    a.flaggen({"FARBEN"}, farben);
    a.flaggen({"FRUCHTFARB"}, {"weiß", "gelb", "orange", "rosa", "rot", "purpur", "lila", "violett",
                               "blau", "braun", "grau", "schwarz", "bunt"});
    a.jaNein({"GIFTIG"}, "Pflanze ist giftig!", {"Wahr"});
    a.jaNein({"UNSCHEINBA"}, "Blüten sind unscheinbar!", {"Wahr"});
    a.flaggen({"H_VERW"}, 5, "varWerteH_VERW");
    a.flaggen({"H_PH"}, 2, "varWerteH_PH");
    a.flaggen({"H_WASSERST"}, 3, "varWerteH_WASSERST");
    a.flaggen({"HALTBAR"}, {"kurz", "mittel", "lang"});
    a.flaggen({"KRANKH"}, {"schwach", "mittel", "stark"});
    a.flaggen({"NACHDUENG"}, {"schwach", "mittel", "stark"});
    a.flaggen({"PFLANZTYP"}, {"Grünpflanze", "Blütenpflanze", "Fruchtpflanze", "Sukkulente"});
    a.flaggen({"SONNE"}, {"Sonne", "Halbschatten", "Schatten"});
    a.flaggen({"VERWENDUNG"}, {"Innenraum", "Fensterbank", "Kübel", "Ampel", "Wintergarten", "Beet",
                               "Balkon", "Vitrine"});
    a.flaggen({"WUCHSFORM"}, 14, "varWerteWUCHSFORM");
    a.flaggen({"TAGESL"}, {"neutral", "Kurztagpflanze", "Langtagpflanze"});
    a.art({"BEMERKUNG", "SCHADEN", "SORTEN"}, Art::Bereinigen);
    a.art({"Quelle"}, Art::Quelle);
    a.benutzer(Kategorie::Topfpflanzen);
    a.art({"Ausbildung"}, Art::Ausbildung);
    a.art({"Bewertung"}, Art::Bewertung);
    return f;
}

Faelle stauden() {
    Faelle f;
    Aufbau a(f);
    const std::initializer_list<const char*> ja = {"True", "Wahr"};
    a.synonym("DTNAM", Art::SynonymDeutsch, "Stauden_Synonyme_Deutsch");
    a.synonym("BOTSYN", Art::SynonymBotanisch, "Stauden_Synonyme_Botanisch");
    a.art({"FAMILIE"}, Art::Familie);
    a.art({"BLUEHZEIT", "FRUCHTZEIT"}, Art::MonateCode);
    a.flaggen({"BLATTFARBE"}, 13, "varWerteBLATTFARBE");
    a.flaggen({"FARBEN"}, farben);
    a.codeTabelle({"FRUCHTFARB"}, "strWerteFRUCHTFARB", false);
    a.codeTabelle({"HERBSTFARB"}, "strWerteHERBSTFARB", false);
    a.jaNein({"GIFTIG"}, "Diese Pflanze ist giftig", ja);
    a.jaNein({"BLASCHMUCK"}, "Blattschmuck-Staude", ja);
    a.jaNein({"UNSCHEINBA"}, "Diese Pflanze ist auffällig", ja, true);
    a.jaNein({"HEIMISCH"}, "Diese Pflanze ist heimisch", ja);
    a.jaNein({"BUNTBLATT"}, "Diese Pflanze ist buntblättrig", ja);
    a.jaNein({"IMMERGRUEN"}, "Diese Pflanze ist immer-/wintergrün", ja);
    a.jaNein({"SCHNITT"}, "Diese Pflanze ist schnittgeeignet", ja);
    a.flaggen({"VERWENDUNG"},
              {"Solitär", "Bodendecker", "Kletterpflanze", "Hecken", "Beetpflanze"});
    a.flaggen({"LICHT"}, {"sonnig", "halbschattig", "schattig"});
    a.flaggen({"SALZ"}, {"nährstoffarm", "mittel", "nährstoffreich"});
    a.flaggen({"BFEUCHTE"}, {"trocken", "frisch", "feucht", "dauernaß"});
    a.flaggen({"KALK"}, {"kalkarm", "leicht sauer", "kalkreich"});
    a.flaggen({"BODENART"},
              {"humos", "steinig", "sandig", "mittelschwer", "lehmig", "durchlässig"});
    a.art({"ABSTAND"}, Art::Einheit);
    a.flaggen({"LEBENSRAUM"}, 31, "strWerteLEBENSRAUM");
    a.codes({"GESELLIGKT"}, geselligkeit);
    a.codes({"PFLANZART"}, pflanzart);
    a.art({"URTEIL"}, Art::Urteil);
    a.art({"BEMERKUNG"}, Art::Bereinigen);
    a.art({"SORTEN"}, Art::Bereinigen);
    a.art({"Quelle"}, Art::Quelle);
    a.benutzer(Kategorie::Stauden);
    a.art({"Ausbildung"}, Art::Ausbildung);
    a.art({"Bewertung"}, Art::Bewertung);
    return f;
}

// The woody-plant columns the cemetery plants read the same way, under the
// same names.
void gehoelzSpalten(Aufbau& a) {
    a.flaggen({"WUCHS"}, 3, "varWerteWUCHS");
    a.flaggen({"WURZELFORM"}, 7, "varWerteWURZELFORM");
    a.flaggen({"LAUBFARB"}, 13, "varWerteLAUBFARB");
    a.flaggen({"LAUBZEIT"}, 4, "varWerteLAUBZEIT");
    a.codeTabelle({"GENUSS"}, "varWerteGENUSS", true);
    a.flaggen({"BES_EIG"}, 5, "varWerteBES_EIG");
    a.flaggen({"BES_MERKM"}, 3, "varWerteBES_MERKM");
    a.flaggen({"PHBODEN"}, 3, "varWertePHBODEN");
    a.flaggen({"GROESSE"}, 8, "varWerteGROESSE");
    a.flaggen({"HABITUS"}, 12, "varWerteHABITUS");
    a.codeTabelle({"WURZELEMPF"}, "varWerteWURZELEMPF", true);
    a.codes({"GROBEINT"}, grobeinteilung);
}

Faelle gehoelze() {
    Faelle f;
    Aufbau a(f);
    a.art({"FAMILIE"}, Art::Familie);
    a.synonym("DTNAM", Art::SynonymDeutsch, "Gehoelze_Synonyme_Deutsch");
    a.synonym("BOTSYN", Art::SynonymBotanisch, "Gehoelze_Synonyme_Botanisch");
    a.art({"BLUEHZEIT", "FRUCHTZEIT", "LAUBAUSTR"}, Art::MonatePosition);
    a.flaggen({"FRUCHTFARB"}, 14, "strWerteFRUCHTFARB");
    a.flaggen({"BLUEHFARB"}, 13, "strWerteHERBSTFARB");
    a.codes({"UNSCHEINBA"}, {{"True", "unscheinbar"}, {"False", "auffällig"}});
    a.flaggen({"BFEUCHTE"}, 4, "varWerteBFEUCHTE");
    a.flaggen({"BODENART"}, 7, "varWerteBODENART");
    a.flaggen({"VERWENDUNG"}, 23, "varWerteVERWENDUNG");
    gehoelzSpalten(a);
    a.flaggen({"LICHT"}, 3, "varWerteLICHT");
    a.art({"BEMERKUNG"}, Art::Bereinigen);
    a.art({"SORTEN"}, Art::Bereinigen);
    a.art({"SCHADEN"}, Art::Bereinigen);
    a.art({"Quelle"}, Art::Quelle);
    a.benutzer(Kategorie::Gehoelze);
    a.art({"Ausbildung"}, Art::Ausbildung);
    a.art({"Bewertung"}, Art::Bewertung);
    return f;
}

Faelle friedhof() {
    Faelle f;
    Aufbau a(f);
    const std::initializer_list<const char*> ja = {"True", "Wahr"};
    // The woody-plant columns.
    a.art({"Gehoelze.FAMILIE", "Gehoelze_FAMILIE", "Stauden.FAMILIE", "Stauden_FAMILIE"},
          Art::FamilieFriedhof);
    a.synonym("DTNAM", Art::SynonymFriedhofDeutsch, "Gehoelze_Synonyme_Deutsch",
              "Stauden_Synonyme_Deutsch");
    a.synonym("BOTSYN", Art::SynonymFriedhofBotanisch, "Gehoelze_Synonyme_Botanisch",
              "Stauden_Synonyme_Botanisch");
    a.art({"Gehoelze.BLUEHZEIT", "Gehoelze.FRUCHTZEIT", "Gehoelze_BLUEHZEIT", "Gehoelze_FRUCHTZEIT",
           "LAUBAUSTR"},
          Art::MonatePosition);
    a.flaggen({"Gehoelze.FRUCHTFARB", "Gehoelze_FRUCHTFARB"}, 14, "strWerteFRUCHTFARB");
    a.flaggen({"BLUEHFARB"}, 13, "strWerteHERBSTFARB");
    a.codes({"Gehoelze.UNSCHEINBA", "Gehoelze_UNSCHEINBA"},
            {{"True", "unscheinbar"}, {"False", "auffällig"}});
    a.flaggen({"Gehoelze.BFEUCHTE", "Gehoelze_BFEUCHTE"}, 4, "varWerteBFEUCHTE");
    a.flaggen({"Gehoelze.BODENART", "Gehoelze_BODENART"}, 7, "varWerteBODENART");
    a.flaggen({"Gehoelze.VERWENDUNG", "Gehoelze_VERWENDUNG"}, 23, "varWerteVERWENDUNG");
    gehoelzSpalten(a);
    a.flaggen({"Gehoelze.LICHT", "Gehoelze_LICHT"}, 3, "varWerteLICHT");
    a.art({"Gehoelze.BEMERKUNG", "Gehoelze_BEMERKUNG", "SORTEN", "SCHADEN"}, Art::Bereinigen);
    a.art({"Gehoelze.Quelle", "Gehoelze_Quelle"}, Art::Quelle);
    // The perennial columns.
    a.art({"Stauden.BLUEHZEIT", "Stauden.FRUCHTZEIT", "Stauden_BLUEHZEIT", "Stauden_FRUCHTZEIT"},
          Art::MonateCode);
    a.flaggen({"BLATTFARBE"}, 13, "varWerteBLATTFARBE");
    a.flaggen({"FARBEN"}, farben);
    {
        // One colour code over the colour names of FARBEN, which fill
        // places 1 to 13 of 0 to 60.
        Fall farbcode;
        farbcode.art = Art::CodeTabelle;
        farbcode.eigene << QString() << texte(farben);
        for (int i = 14; i <= 60; ++i)
            farbcode.eigene << QString();
        a.fall({"Stauden.FRUCHTFARB", "Stauden.HERBSTFARB", "Stauden_FRUCHTFARB",
                "Stauden_HERBSTFARB"},
               farbcode);
    }
    a.jaNein({"GIFTIG"}, "Diese Pflanze ist giftig", ja);
    a.jaNein({"Stauden.BLASCHMUCK", "Stauden_BLASCHMUCK"}, "Blattschmuck-Staude", ja);
    a.jaNein({"Stauden.UNSCHEINBA", "Stauden_UNSCHEINBA"}, "Blüten sind auffällig", ja, true);
    a.jaNein({"HEIMISCH"}, "Diese Pflanze ist heimisch", ja);
    a.jaNein({"BUNTBLATT"}, "Diese Pflanze ist buntblättrig", ja);
    a.jaNein({"IMMERGRUEN"}, "Diese Pflanze ist immer-/wintergrün", ja);
    a.jaNein({"SCHNITT"}, "Diese Pflanze ist schnittgeeignet", ja);
    a.flaggen({"Stauden.VERWENDUNG", "Stauden_VERWENDUNG"},
              {"Solitär", "Bodendecker", "Kletterpflanze", "Hecken", "Beetpflanze"});
    a.flaggen({"Stauden.LICHT", "Stauden_LICHT"}, {"sonnig", "halbschattig", "schattig"});
    a.flaggen({"SALZ"}, {"nährstoffarm", "mittel", "nährstoffreich"});
    a.flaggen({"Stauden.BFEUCHTE", "Stauden_BFEUCHTE"},
              {"trocken", "frisch", "feucht", "dauernaß"});
    a.flaggen({"KALK"}, {"kalkarm", "leicht sauer", "kalkreich"});
    a.flaggen({"Stauden.BODENART", "Stauden_BODENART"},
              {"humos", "steinig", "sandig", "mittelschwer", "lehmig", "durchlässig"});
    a.art({"ABSTAND"}, Art::Einheit);
    a.flaggen({"LEBENSRAUM"}, 31, "strWerteLEBENSRAUM");
    a.codes({"GESELLIGKT"}, geselligkeit);
    a.codes({"PFLANZART"}, pflanzart);
    a.art({"URTEIL"}, Art::Urteil);
    a.art({"BEMERKUNG", "SORTEN"}, Art::Bereinigen);
    a.art({"Stauden.Quelle", "Stauden_Quelle"}, Art::Quelle);
    // The cemetery columns.
    a.jaNein({"DUFT"}, "Diese Pflanze ist eine Duftpflanze", ja);
    a.flaggen({"Friedhof.VERWENDUNG"}, 16, "varWerteFriedhof_VERWENDUNG");
    a.flaggen({"PFLEGE"}, 3, "varWertePFLEGE");
    a.flaggen({"PFLANZZEIT"}, 3, "varWertePFLANZZEIT");
    a.art({"Friedhof.BLUEHZEIT", "Friedhof.FRUCHTZEIT"}, Art::MonatePosition);
    a.jaNein({"Friedhof.BLASCHMUCK", "Friedhof_BLASCHMUCK"}, "Blätter/Nadeln sind schmückend", ja);
    a.jaNein({"Friedhof.HERBSTFARB", "Friedhof_HERBSTFARB"},
             "Diese Pflanze hat eine auffällige Herbstfärbung", ja);
    a.jaNein({"BLUEHSCHMU"}, "auffällige Blüte", ja);
    a.jaNein({"FRUCHTSCHM"}, "auffällige Früchte", ja);
    a.flaggen({"WUCHSGESCH"}, 3, "varWerteWUCHS");
    a.flaggen({"NAEHRSTOFF"}, 3, "strWerteNAEHRSTOFF");
    a.benutzer(Kategorie::Friedhof);
    a.art(
        {"Gehoelze.Ausbildung", "Gehoelze_Ausbildung", "Stauden.Ausbildung", "Stauden_Ausbildung"},
        Art::Ausbildung);
    return f;
}

Faelle apfel() {
    Faelle f;
    Aufbau a(f);
    // Each flag column reads as many positions as its table has entries.
    for (const char* spalte :
         {"HALTBARK",  "FRUCHTGR",   "FORM_L",     "FORM_Q",     "FRUCHTREL",  "AUSSEHEN",
          "DRUCK",     "GRUNDFARBE", "DECKFARBE",  "DF_ART",     "DF_AUSDEHN", "ROST",
          "REIF",      "SCH_PUNKT",  "K_GRUBE",    "K_RELIEF",   "K_UMGEBUNG", "K_BEROST",
          "K_GROESSE", "K_OEFFNUNG", "K_BLAETTER", "ST_LAENGE",  "ST_BESOND",  "ST_GRUBE",
          "ST_BEROST", "K_HOEHLE",   "K_ROEHRE",   "KH_GROESSE", "G_BUENDEL",  "A_HOEHLE",
          "K_KAMMERN", "KW_FORM",    "KW_GROESSE", "KW_RISSE",   "K_ANZAHL",   "K_QUALIT",
          "K_FARBE",   "K_LAENGE",   "SCHALE",     "FL_FARBE",   "FL_STRUKT",  "FL_DUFT",
          "GESCHMACK"}) {
        const QByteArray name = QByteArray("varWerte") + spalte;
        a.flaggen({spalte}, static_cast<int>(tabelle(name.constData()).eintraege.size()),
                  name.constData());
    }
    a.flaggen({"LITERATUR1"},
              {"Obstbauverband - Apfelsorten für den Hausgarten",
               "Landesanstalt für Obstbau - Sortenbeschreibungen Apfel",
               "Pomologenkreis - Alte Apfelsorten",
               "Arbeitskreis Streuobst - Apfelsorten im Streuobstbau",
               "Gartenbauschule - Obstsortenkunde", "Sortenprüfstelle - Sortenliste Kernobst",
               "Obstbauversuchsring - Neue Apfelsorten",
               "Verlag für Gartenbau - Taschenbuch der Obstsorten",
               "Landesverband der Gartenfreunde - Obstsorten für den Kleingarten",
               "- Deutschlands Obstsorten (DOS)"});
    a.benutzer(Kategorie::Apfel);
    a.art({"Ausbildung"}, Art::Ausbildung);
    return f;
}

Faelle obst() {
    Faelle f;
    Aufbau a(f);
    const std::pair<const char*, const char*> spalten[] = {
        {"WUCHS", "varWerteObst_WUCHS"},    {"BLATT", "varWerteBLATT"},
        {"FRUHOL", "varWerteFRUHOL"},       {"TRIRUT", "varWerteTRIRUT"},
        {"UNTERLAGE", "varWerteUNTERLAGE"}, {"RESISTENZ", "varWerteRESISTENZ"},
        {"KRANKH", "varWerteKRANKH"},       {"BODEN", "varWerteBODEN"},
        {"KLIMA", "varWerteKLIMA"},         {"NAEHRSTOFF", "varWerteObst_NAEHRSTOFF"},
        {"EIGNUNG", "varWerteEIGNUNG"},     {"ERZIFORM", "varWerteERZIFORM"},
        {"SHNITT", "varWerteSHNITT"},       {"PFLSHTZ", "varWertePFLSHTZ"},
        {"FROEMF", "varWerteFROEMF"},       {"BLUETE", "varWerteBLUETE"},
        {"FRUSTAN", "varWerteFRUSTAN"},     {"BEFRU", "varWerteBEFRU"},
        {"BEFRSOR", "varWerteBEFRSOR"},     {"ALTRNAZ", "varWerteALTRNAZ"},
        {"FRUFAR", "varWerteFRUFAR"},       {"GRUNDFARB", "varWerteGRUNDFARB"},
        {"DECKFARB", "varWerteDECKFARB"},   {"SCHALE", "varWerteObst_SCHALE"},
        {"FRUFLEI", "varWerteFRUFLEI"},     {"FRUFOR", "varWerteFRUFOR"},
        {"GESMAK", "varWerteGESMAK"},       {"ERTRAG", "varWerteERTRAG"},
        {"ERNTE", "varWerteERNTE"},         {"TRANSPEMP", "varWerteTRANSPEMP"},
        {"VERWEND", "varWerteVERWEND"},     {"LAGEIG", "varWerteLAGEIG"},
        {"LAGKRANK", "varWerteLAGKRANK"},
    };
    // Each reads as many positions as its table has entries after the
    // placeholder.
    for (const auto& [spalte, tab] : spalten)
        a.flaggen({spalte}, static_cast<int>(tabelle(tab).eintraege.size()) - 1, tab);
    f[QStringLiteral("GRUNDFARB")].art = Art::GrundfarbeObst;
    a.benutzer(Kategorie::Obst);
    a.art({"Ausbildung"}, Art::Ausbildung);
    return f;
}

const Faelle& faelle(Kategorie k) {
    static const std::array<Faelle, 6> alle = {topfpflanzen(), stauden(), gehoelze(),
                                               apfel(),        obst(),    friedhof()};
    return alle[static_cast<size_t>(k)];
}

// --- The conversion kinds ----------------------------------------------------

bool gesetzt(const QString& t, int p) {
    return p <= t.size() && t.at(p - 1) == QLatin1Char('1');
}

// Appends a piece as lists do: the first alone, every further one after ", ".
void anhaengen(QString& ergebnis, const QString& teil) {
    if (ergebnis.isEmpty())
        ergebnis = teil;
    else
        ergebnis += QLatin1String(", ") + teil;
}

QString flaggen(const QString& t, const Fall& f) {
    QString ergebnis;
    const QStringList& l = eintraege(f);
    for (int p = 1; p <= f.n; ++p)
        if (gesetzt(t, p) && p - 1 + f.versatz < l.size())
            anhaengen(ergebnis, l.at(p - 1 + f.versatz));
    return ergebnis;
}

QString monatePosition(const QString& t) {
    bool m[15] = {};
    for (int p = 1; p <= 12; ++p)
        m[p] = gesetzt(t, p);
    QString ergebnis;
    int p = 1;
    while (p <= 12) {
        if (!m[p]) {
            ++p;
        } else if (m[p + 1] && m[p + 2]) {
            int q = p + 1;
            while (m[q])
                ++q;
            anhaengen(ergebnis, monat(p) + QLatin1String(" bis ") + monat(q - 1));
            p = q + 1;
        } else {
            anhaengen(ergebnis, monat(p));
            ++p;
        }
    }
    return ergebnis;
}

int monatAusCode(QChar c) {
    static const QString codes = QStringLiteral("123456789:;<");
    return static_cast<int>(codes.indexOf(c)) + 1; // 0: no month
}

QString monateCode(const QString& t) {
    if (t.isEmpty())
        return {};
    const int anfang = monatAusCode(t.front());
    const int ende = monatAusCode(t.back());
    if (anfang == 0 || (t.size() > 1 && ende == 0))
        return {}; // a character that is no month code
    if (t.size() == 1)
        return monat(anfang);
    return monat(anfang) + QLatin1String(" bis ") + monat(ende);
}

// The value as a whole number: fractions to the nearest, halves to even.
std::optional<qint64> ganzzahl(const jet::Value& v, const QString& t) {
    using jet::DataType;
    switch (v.type()) {
    case DataType::Boolean:
    case DataType::Byte:
    case DataType::Integer:
    case DataType::Long:
        return v.toInt64();
    case DataType::Currency:
    case DataType::Single:
    case DataType::Double:
    case DataType::Decimal:
    case DataType::Date: {
        const double d = std::nearbyint(v.toDouble());
        if (!std::isfinite(d) || std::fabs(d) > 9.0e18)
            return std::nullopt;
        return static_cast<qint64>(d);
    }
    case DataType::Text:
    case DataType::Memo: {
        static const QLocale deutsch(QLocale::German, QLocale::Germany);
        bool ok = false;
        const double d = std::nearbyint(deutsch.toDouble(t.trimmed(), &ok));
        if (!ok || !std::isfinite(d) || std::fabs(d) > 9.0e18)
            return std::nullopt;
        return static_cast<qint64>(d);
    }
    default:
        return std::nullopt;
    }
}

QString quelle(const QString& t) {
    static const std::pair<QString, QString> codes[] = {
        {QStringLiteral("z"), QStringLiteral("Handwörterbuch der Pflanzennamen")},
        {QStringLiteral("n"), QStringLiteral("Namenliste Stauden")},
        {QStringLiteral("g"), QStringLiteral("Namenliste Gehölze")},
        {QStringLiteral("s"), QStringLiteral("spezielle Erklärung")},
        {QStringLiteral("c"),
         QStringLiteral("Classified List and International Register of Tulip Names")},
    };
    for (const auto& [code, text] : codes)
        if (t == code)
            return text;
    return {};
}

QString benutzer(const QString& t, size_t kategorie) {
    QString ergebnis;
    if (t.isEmpty())
        return ergebnis;
    const auto& namen = P().strBenuNamen[kategorie];
    for (int p = 1; p <= 5; ++p) {
        if (!gesetzt(t, p))
            continue;
        if (ergebnis.isEmpty())
            ergebnis = namen[static_cast<size_t>(p - 1)];
        else
            ergebnis += QLatin1Char('\n') + namen[static_cast<size_t>(p - 1)];
    }
    return ergebnis;
}

QString ausbildung(const QString& t) {
    QString ergebnis;
    if (t.isEmpty())
        return ergebnis;
    static const QStringList& namen = tabelle("strAusbildungNamen").eintraege;
    int anzahl = 0;
    for (int p = 1; p <= 5; ++p) {
        if (!gesetzt(t, p))
            continue;
        ++anzahl;
        if (ergebnis.isEmpty())
            ergebnis =
                QStringLiteral("Diese Pflanze ist Bestandteil der Gehilfenprüfung ") + namen.at(p);
        else
            ergebnis += QLatin1String(", ") + namen.at(p);
    }
    if (anzahl > 1) {
        const qsizetype komma = ergebnis.lastIndexOf(QLatin1Char(','));
        ergebnis = ergebnis.left(komma) + QLatin1String(" und ") + ergebnis.mid(komma + 2);
    }
    return ergebnis;
}

QString bewertung(const jet::Value& v, const QString& t) {
    if (t.isEmpty())
        return {};
    const std::optional<qint64> w = ganzzahl(v, t);
    if (!w)
        return t;
    static const QLocale deutsch = [] {
        QLocale l(QLocale::German, QLocale::Germany);
        l.setNumberOptions(QLocale::OmitGroupSeparator);
        return l;
    }();
    const double r = (static_cast<double>(*w) + 1) / 2;
    return deutsch.toString(r, 'g', QLocale::FloatingPointShortest) +
           QStringLiteral("    (Stufe 1: Rarität / Stufe 5:  Standardsortiment)");
}

QString bereinigen(const QString& t) {
    QString s = t;
    if (s.isEmpty())
        return s;
    TextErsetzen(s, QString(QChar(0xEC)) + QLatin1Char('\n'), QString());
    TextErsetzen(s, QString(16, QLatin1Char(' ')), QString());
    TextErsetzen(s, QString(8, QLatin1Char(' ')), QString());
    return s;
}

QString einheit(const QString& t) {
    if (!t.isEmpty() && t.back() >= QLatin1Char('0') && t.back() <= QLatin1Char('9'))
        return t + QStringLiteral("/m²");
    return t;
}

QString urteil(const QString& t) {
    static const QString texte[] = {QString(),
                                    QStringLiteral("wertvolle Wildstaude"),
                                    QStringLiteral("sehr wertvolle Wildstaude"),
                                    QStringLiteral("wertvolle Schnittstaude"),
                                    QStringLiteral("Staude für den Pflanzenliebhaber"),
                                    QStringLiteral("wertvolle Staude"),
                                    QStringLiteral("sehr wertvolle Staude"),
                                    QStringLiteral("vorzügliche Sorte")};
    const auto zeichen = [&t](qsizetype i) { return i < t.size() ? t.at(i) : QChar(); };
    QString ergebnis;
    const qsizetype n = t.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = t.at(i);
        if (c == QLatin1Char('W') || c == QLatin1Char('w')) {
            anhaengen(ergebnis, texte[zeichen(i + 1) == QLatin1Char('!') ? 2 : 1]);
        } else if (c == QLatin1Char('S') || c == QLatin1Char('s')) {
            anhaengen(ergebnis, texte[3]);
        } else if (c == QLatin1Char('L') || c == QLatin1Char('l')) {
            anhaengen(ergebnis, texte[4]);
        } else if (c == QLatin1Char('*')) {
            if (zeichen(i + 1) != QLatin1Char('*')) {
                anhaengen(ergebnis, texte[5]);
            } else if (zeichen(i + 2) != QLatin1Char('*')) {
                anhaengen(ergebnis, texte[6]);
                i += 1;
            } else {
                anhaengen(ergebnis, texte[7]);
                i += 2;
            }
        }
    }
    return ergebnis;
}

// --- Lookups -----------------------------------------------------------------

QString familie(const QString& t, const UebersetzungsKontext& k) {
    if (!k.datenbank)
        return {};
    try {
        // Compared through the text, as codes are: a text code and a number
        // find the same family. The parameter's name is no field's name.
        const auto rs = k.datenbank->openRecordset(
            QStringLiteral("SELECT FAMNAME FROM Familien WHERE CStr(FAMILIE) = [GesuchteFamilie]"),
            {{QStringLiteral("GesuchteFamilie"), jet::Value::text(t)}});
        if (rs->eof())
            return {};
        return Textform(rs->value(0));
    } catch (const jet::JetError&) {
        return {}; // no family table: no family
    }
}

// Field of the record being transferred; Null when there is none.
jet::Value feld(const UebersetzungsKontext& k, const QString& name) {
    if (!k.datensatz)
        return {};
    try {
        return k.datensatz->value(name);
    } catch (const jet::JetError&) {
        return {};
    }
}

jet::Value feld(const UebersetzungsKontext& k, int position) {
    if (!k.datensatz || position >= k.datensatz->fieldCount())
        return {};
    try {
        return k.datensatz->value(position);
    } catch (const jet::JetError&) {
        return {};
    }
}

// The synonyms of the record's article from table tab, appended to ergebnis.
void synonyme(QString& ergebnis, const QString& tab, const UebersetzungsKontext& k) {
    const jet::Value artnr = feld(k, QStringLiteral("ARTNR"));
    const QString artnrText = Textform(artnr);
    if (artnr.isNull() || artnrText.isEmpty() || !k.datenbank)
        return;
    const std::optional<qint64> nummer = ganzzahl(artnr, artnrText);
    if (!nummer)
        return; // an article number that is no number has no synonyms
    const QString a = QString::number(*nummer);
    try {
        const auto rs = k.datenbank->openRecordset(
            QStringLiteral("SELECT * FROM %1 WHERE CStr(ARTNR) = [GesuchterArtikel]")
                .arg(jet::sqlName(tab)),
            {{QStringLiteral("GesuchterArtikel"), jet::Value::text(a)}});
        const int feldArtnr = rs->field(QStringLiteral("artnr")).index();
        const int feldSyn = rs->field(QStringLiteral("syn")).index();
        for (; !rs->eof(); rs->moveNext()) {
            const jet::Value syn = rs->value(feldSyn);
            if (Textform(rs->value(feldArtnr)) == a && !syn.isNull())
                anhaengen(ergebnis, Textform(syn));
        }
    } catch (const jet::JetError&) {
        // A missing synonym table holds no synonyms.
    }
}

QString synonymFriedhof(const QString& t, const Fall& f, bool deutsch,
                        const UebersetzungsKontext& k) {
    // Field 21 of the cemetery query tells a woody plant from a perennial.
    const QString db = Textform(feld(k, 21));
    const QString* tab = db == QLatin1String("010")   ? &f.tabelle
                         : db == QLatin1String("100") ? &f.tabelle2
                                                      : nullptr;
    if (!tab)
        return {};
    QString ergebnis = deutsch ? t : QString();
    synonyme(ergebnis, *tab, k);
    return ergebnis;
}

QString uebersetzen(Kategorie kat, const jet::Value& wert, const QString& feldname,
                    const UebersetzungsKontext& k) {
    // Whatever the column's rule, a number that is none says nothing.
    if (keineEndlicheZahl(wert))
        return {};
    const QString t = Textform(wert);
    const Faelle& alle = faelle(kat);
    const auto it = alle.constFind(feldname);
    if (it == alle.cend())
        return t;
    const Fall& f = *it;
    switch (f.art) {
    case Art::Flaggen:
        return flaggen(t, f);
    case Art::GrundfarbeObst: {
        QString s = flaggen(t, f);
        if (s == QLatin1String("siehe Fruchtfarbe"))
            s.clear(); // the fruit colour says it
        return s;
    }
    case Art::MonatePosition:
        return monatePosition(t);
    case Art::MonateCode:
        return monateCode(t);
    case Art::JaNein:
        return f.jaWoerter.contains(t) ? f.satz : QString();
    case Art::JaNeinUmgekehrt:
        return f.jaWoerter.contains(t) ? QString() : f.satz;
    case Art::CodeListe:
        for (const auto& [code, text] : f.codes)
            if (t == code)
                return text;
        return {};
    case Art::CodeTabelle:
    case Art::CodeTabelleStill: {
        const std::optional<qint64> c = ganzzahl(wert, t);
        if (!c)
            return f.art == Art::CodeTabelleStill ? QString() : t;
        const QStringList& l = eintraege(f);
        if (*c < 0 || *c >= l.size())
            return {}; // a code outside its table
        return l.at(*c);
    }
    case Art::Quelle:
        return quelle(t);
    case Art::FamilieFriedhof:
        if (t == QLatin1String("kein wert"))
            return {};
        return familie(t, k);
    case Art::Familie:
        return familie(t, k);
    case Art::SynonymDeutsch:
    case Art::SynonymBotanisch: {
        QString ergebnis = f.art == Art::SynonymDeutsch ? t : QString();
        synonyme(ergebnis, f.tabelle, k);
        return ergebnis;
    }
    case Art::SynonymFriedhofDeutsch:
        return synonymFriedhof(t, f, true, k);
    case Art::SynonymFriedhofBotanisch:
        return synonymFriedhof(t, f, false, k);
    case Art::Benutzer:
        return benutzer(t, f.kategorie);
    case Art::Ausbildung:
        return ausbildung(t);
    case Art::Bewertung:
        return bewertung(wert, t);
    case Art::Bereinigen:
        return bereinigen(t);
    case Art::Einheit:
        return einheit(t);
    case Art::Urteil:
        return urteil(t);
    }
    return t;
}

} // namespace

QString UebersetzungTopfpflanzen(const jet::Value& wert, const QString& feldname,
                                 const UebersetzungsKontext& kontext) {
    return uebersetzen(Kategorie::Topfpflanzen, wert, feldname, kontext);
}

QString UebersetzungStauden(const jet::Value& wert, const QString& feldname,
                            const UebersetzungsKontext& kontext) {
    return uebersetzen(Kategorie::Stauden, wert, feldname, kontext);
}

QString UebersetzungGehoelze(const jet::Value& wert, const QString& feldname,
                             const UebersetzungsKontext& kontext) {
    return uebersetzen(Kategorie::Gehoelze, wert, feldname, kontext);
}

QString UebersetzungApfel(const jet::Value& wert, const QString& feldname,
                          const UebersetzungsKontext& kontext) {
    return uebersetzen(Kategorie::Apfel, wert, feldname, kontext);
}

QString UebersetzungObst(const jet::Value& wert, const QString& feldname,
                         const UebersetzungsKontext& kontext) {
    return uebersetzen(Kategorie::Obst, wert, feldname, kontext);
}

QString UebersetzungFriedhof(const jet::Value& wert, const QString& feldname,
                             const UebersetzungsKontext& kontext) {
    return uebersetzen(Kategorie::Friedhof, wert, feldname, kontext);
}

QString Uebersetzung(const QString& art, const jet::Value& wert, const QString& spalte,
                     const UebersetzungsKontext& kontext) {
    if (const std::optional<Kategorie> k = kategorieAusArt(art))
        return uebersetzen(*k, wert, spalte, kontext);
    return Textform(wert);
}

} // namespace sorvo

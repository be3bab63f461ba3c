// The code-to-text tables: every table with its number of entries and its
// reading rule, and entries whose exact spelling the labels depend on.
#include "catalogue/katalog_intern.h"
#include "catalogue/mdlDruck.h"
#include "tests/platform/jet/support/printing.h"

#include <QSet>
#include <gtest/gtest.h>

namespace sorvo {
namespace {

using katalog_daten::Regel;

const Wertetabelle* finden(const char* name) {
    for (const auto& t : katalogTexte().tabellen)
        if (t.name == QLatin1String(name))
            return &t;
    return nullptr;
}

TEST(Wertetabellen, EveryTableHasItsEntriesAndRule) {
    const struct {
        const char* name;
        qsizetype eintraege;
        Regel regel;
    } faelle[] = {
        {"varWerteWUCHSFORM", 14, Regel::PMinus1},
        {"varWerteH_WASSERST", 3, Regel::PMinus1},
        {"varWerteH_PH", 2, Regel::PMinus1},
        {"varWerteH_VERW", 5, Regel::PMinus1},
        {"varWerteLICHT", 3, Regel::PMinus1},
        {"varWerteGENUSS", 5, Regel::Code},
        {"varWerteLAUBFARB", 14, Regel::P},
        {"varWerteLAUBZEIT", 5, Regel::P},
        {"varWerteWURZELFORM", 8, Regel::P},
        {"varWerteWURZELEMPF", 4, Regel::Code},
        {"varWertePHBODEN", 3, Regel::PMinus1},
        {"varWerteBFEUCHTE", 4, Regel::PMinus1},
        {"varWerteBODENART", 7, Regel::PMinus1},
        {"varWerteBES_EIG", 5, Regel::PMinus1},
        {"varWerteBES_MERKM", 4, Regel::PMinus1},
        {"varWerteGROESSE", 8, Regel::PMinus1},
        {"varWerteHABITUS", 16, Regel::PMinus1},
        {"varWerteWUCHS", 3, Regel::PMinus1},
        {"varWerteVERWENDUNG", 23, Regel::PMinus1},
        {"varWerteBLATTFARBE", 15, Regel::P},
        {"strWerteLEBENSRAUM", 32, Regel::Fest},
        {"strWerteHERBSTFARB", 14, Regel::Fest},
        {"strWerteFRUCHTFARB", 15, Regel::Fest},
        {"strWerteNAEHRSTOFF", 4, Regel::Fest},
        {"varWertePFLANZZEIT", 4, Regel::P},
        {"varWertePFLEGE", 4, Regel::P},
        {"varWerteFriedhof_VERWENDUNG", 17, Regel::P},
        {"strAusbildungNamen", 7, Regel::Fest},
        {"varWerteHALTBARK", 4, Regel::PMinus1},
        {"varWerteFRUCHTGR", 4, Regel::PMinus1},
        {"varWerteFORM_L", 10, Regel::PMinus1},
        {"varWerteFORM_Q", 5, Regel::PMinus1},
        {"varWerteFRUCHTREL", 6, Regel::PMinus1},
        {"varWerteGRUNDFARBE", 7, Regel::PMinus1},
        {"varWerteDECKFARBE", 5, Regel::PMinus1},
        {"varWerteDF_ART", 9, Regel::PMinus1},
        {"varWerteDF_AUSDEHN", 4, Regel::PMinus1},
        {"varWerteROST", 8, Regel::PMinus1},
        {"varWerteREIF", 8, Regel::PMinus1},
        {"varWerteSCH_PUNKT", 26, Regel::PMinus1},
        {"varWerteAUSSEHEN", 11, Regel::PMinus1},
        {"varWerteDRUCK", 3, Regel::PMinus1},
        {"varWerteK_GRUBE", 7, Regel::PMinus1},
        {"varWerteK_RELIEF", 7, Regel::PMinus1},
        {"varWerteK_UMGEBUNG", 4, Regel::PMinus1},
        {"varWerteK_BEROST", 5, Regel::PMinus1},
        {"varWerteK_GROESSE", 3, Regel::PMinus1},
        {"varWerteK_OEFFNUNG", 3, Regel::PMinus1},
        {"varWerteK_BLAETTER", 20, Regel::PMinus1},
        {"varWerteST_GRUBE", 6, Regel::PMinus1},
        {"varWerteST_BEROST", 14, Regel::PMinus1},
        {"varWerteST_LAENGE", 6, Regel::PMinus1},
        {"varWerteST_BESOND", 10, Regel::PMinus1},
        {"varWerteK_HOEHLE", 9, Regel::PMinus1},
        {"varWerteK_ROEHRE", 7, Regel::PMinus1},
        {"varWerteKH_GROESSE", 3, Regel::PMinus1},
        {"varWerteG_BUENDEL", 8, Regel::PMinus1},
        {"varWerteA_HOEHLE", 3, Regel::PMinus1},
        {"varWerteK_KAMMERN", 2, Regel::PMinus1},
        {"varWerteKW_FORM", 5, Regel::PMinus1},
        {"varWerteKW_GROESSE", 6, Regel::PMinus1},
        {"varWerteKW_RISSE", 7, Regel::PMinus1},
        {"varWerteK_ANZAHL", 3, Regel::PMinus1},
        {"varWerteK_QUALIT", 3, Regel::PMinus1},
        {"varWerteK_FARBE", 18, Regel::PMinus1},
        {"varWerteK_LAENGE", 3, Regel::PMinus1},
        {"varWerteSCHALE", 3, Regel::PMinus1},
        {"varWerteFL_FARBE", 6, Regel::PMinus1},
        {"varWerteFL_STRUKT", 11, Regel::PMinus1},
        {"varWerteFL_DUFT", 6, Regel::PMinus1},
        {"varWerteGESCHMACK", 16, Regel::PMinus1},
        {"varWerteObst_WUCHS", 54, Regel::P},
        {"varWerteBLATT", 32, Regel::P},
        {"varWerteFRUHOL", 22, Regel::P},
        {"varWerteTRIRUT", 33, Regel::P},
        {"varWerteUNTERLAGE", 14, Regel::P},
        {"varWerteKRANKH", 47, Regel::P},
        {"varWerteRESISTENZ", 12, Regel::P},
        {"varWerteFROEMF", 4, Regel::P},
        {"varWerteBLUETE", 10, Regel::P},
        {"varWerteFRUSTAN", 11, Regel::P},
        {"varWerteBEFRU", 13, Regel::P},
        {"varWerteBEFRSOR", 4, Regel::P},
        {"varWerteALTRNAZ", 5, Regel::P},
        {"varWerteERTRAG", 7, Regel::P},
        {"varWerteFRUFAR", 24, Regel::P},
        {"varWerteGRUNDFARB", 10, Regel::P},
        {"varWerteDECKFARB", 16, Regel::P},
        {"varWerteObst_SCHALE", 35, Regel::P},
        {"varWerteFRUFLEI", 34, Regel::P},
        {"varWerteFRUFOR", 26, Regel::P},
        {"varWerteGESMAK", 21, Regel::P},
        {"varWerteTRANSPEMP", 4, Regel::P},
        {"varWerteLAGEIG", 6, Regel::P},
        {"varWerteLAGKRANK", 14, Regel::P},
        {"varWerteERNTE", 7, Regel::P},
        {"varWerteVERWEND", 17, Regel::P},
        {"varWerteBODEN", 14, Regel::P},
        {"varWerteKLIMA", 15, Regel::P},
        {"varWerteObst_NAEHRSTOFF", 4, Regel::P},
        {"varWerteEIGNUNG", 4, Regel::P},
        {"varWerteERZIFORM", 9, Regel::P},
        {"varWerteSHNITT", 14, Regel::P},
        {"varWertePFLSHTZ", 4, Regel::P},
    };
    TabellenInitialisieren();
    EXPECT_EQ(katalogTexte().tabellen.size(), std::size(faelle));
    QSet<QString> namen;
    for (const auto& c : faelle) {
        const Wertetabelle* t = finden(c.name);
        ASSERT_NE(t, nullptr) << c.name;
        namen << t->name;
        EXPECT_EQ(t->eintraege.size(), c.eintraege) << c.name;
        EXPECT_EQ(t->regel, c.regel) << c.name;
        // Entry 0 is the empty placeholder exactly where the rule says so;
        // every entry a position can select has a text.
        for (qsizetype i = 0; i < t->eintraege.size(); ++i)
            EXPECT_EQ(t->eintraege[i].isEmpty(), i == 0 && c.regel != Regel::PMinus1)
                << c.name << " " << i;
    }
    EXPECT_EQ(namen.size(), static_cast<qsizetype>(std::size(faelle)));
}

TEST(Wertetabellen, TextsAreKeptLetterForLetter) {
    const struct {
        const char* name;
        qsizetype pos;
        const char* text;
    } faelle[] = {
        {"varWerteGENUSS", 1, "eßbar"},
        {"varWerteGENUSS", 2, "ungeniessbar"},
        {"varWerteGENUSS", 4, "Stark giftig!!!"},
        {"varWerteLAUBZEIT", 4, "Herbstfärbung!"},
        {"varWerteLAUBFARB", 8, "graugrün"},
        {"varWerteLAUBFARB", 11, "graugrün"},
        {"strWerteHERBSTFARB", 6, "dunkelrot"},
        {"strWerteFRUCHTFARB", 6, "purpur"},
        {"strWerteLEBENSRAUM", 5, "Frl"},
        {"strWerteLEBENSRAUM", 31, "GR3"},
        {"strAusbildungNamen", 6, "bei Landschaftsgärtnern"},
        {"varWerteGROESSE", 4, "Normalstrauch (1,5-3 m)"},
        {"varWerteH_WASSERST", 0, "Minimum (niedrig < 1 cm)"},
        {"varWerteFriedhof_VERWENDUNG", 1, "Grabbeet, eigtl. Grab (GB)"},
        {"varWerteFORM_L", 4, "walzenförmig/faßförmig"},
        {"varWerteK_RELIEF", 4, "gefalten"},
        {"varWerteAUSSEHEN", 1, "rauh"},
        {"varWerteSCH_PUNKT", 25, "in Grund-/Deckfarbe meist verschieden"},
        {"varWerteK_ANZAHL", 0, "< 4"},
        {"varWerteObst_WUCHS", 14, "schmalwüchsig "},
        {"varWerteTRIRUT", 2, "kurz "},
        {"varWerteTRIRUT", 19, "wenig  Lentizellen"},
        {"varWerteObst_SCHALE", 6, " zäh"},
        {"varWerteFRUFOR", 7, " hochgebaut"},
        {"varWerteBEFRU", 11, "Fremdbefruchtung verbessert Fruchtgröße / Fruchtansatz "},
        {"varWerteUNTERLAGE", 13, "Stammbildner  notwendig"},
        {"varWerteKRANKH", 6, "Monilia 6"},
        {"varWerteLAGKRANK", 11, "empfindlich für hohen CO2-Gehalt"},
        {"varWerteGRUNDFARB", 9, "siehe Fruchtfarbe"},
    };
    for (const auto& c : faelle) {
        const Wertetabelle* t = finden(c.name);
        ASSERT_NE(t, nullptr) << c.name;
        ASSERT_LT(c.pos, t->eintraege.size()) << c.name;
        EXPECT_EQ(t->eintraege[c.pos], QString::fromUtf8(c.text)) << c.name << " " << c.pos;
    }
}

} // namespace
} // namespace sorvo

// The prices table: binding a prices file, the prices window, and the
// lookup of a record's price.
#include "label/frmLabel.h"
#include "platform/elements.h"
#include "platform/system.h"
#include "tests/database/db_fixture.h"
#include "tests/support/benennung.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableView>
#include <functional>
#include <utility>

namespace sorvo::test {
namespace {

using PreiseTest = DbTest;

const QByteArray kPreise = "Nr;Preis\r\n"
                           "A7;3,95\r\n"
                           "A7;9,99\r\n"
                           "B12 ;12,50\r\n"
                           "C1;\r\n"
                           "b9;1,00\r\n";

QByteArray binaer() {
    static const char kopf[] = "\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0\0\x10";
    QByteArray b(kopf, sizeof kopf - 1);
    for (int i = 0; i < 64; ++i)
        b.append(static_cast<char>(i * 37));
    return b;
}

TEST_F(PreiseTest, BindingAPricesFile) {
    const struct {
        const char* name;
        const char* datei;
        QByteArray inhalt;
        bool gueltig;
        const char* dateiName;
        int zeilen;
    } faelle[] = {
        {"prices", "preise.txt", kPreise, true, "preise", 5},
        {"header only", "leer.txt", "Nr;Preis\r\n", false, "leer", 0},
        {"empty file", "nichts.txt", "", false, "nichts", 0},
        {"binary file", "bild.txt", binaer(), false, "bild", 0},
        // No extension: the whole name, which no text table has.
        {"no extension", "preisliste", kPreise, false, "preisliste", 0},
        {"two dots", "preise.2024.txt", kPreise, true, "preise.2024", 5},
    };
    const int32_t n = schildMitFeldern();
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        S(n).strPreisDateiName = QStringLiteral("alt");
        S(n).strPreisDbPfad = datei(QString::fromLatin1(f.datei), f.inhalt);
        SkriptDialoge d;
        if (!f.gueltig)
            d.meldung(Antwort::OK);
        db(n).DBPreiseLaden();
        EXPECT_EQ(S(n).strPreisDateiName, f.dateiName);
        EXPECT_EQ(S(n).blnPreisDbGeladen, f.gueltig);
        EXPECT_EQ(DbPreis().DBGrid1Spalten->rowCount(), f.zeilen);
        if (f.gueltig) {
            EXPECT_EQ(DbPreis().lblDbPreise->text(), S(n).strPreisDbPfad);
            EXPECT_EQ(DbPreis().Data1->caption(), f.dateiName);
        } else {
            ASSERT_EQ(d.gezeigt().size(), 1u);
            EXPECT_EQ(d.gezeigt()[0].text, "Keine gültige Preisdatenbank! hoho");
            EXPECT_EQ(d.gezeigt()[0].stil, Msg::OK);
            EXPECT_EQ(DbPreis().lblDbPreise->text(), "Keine Datenbank ausgewählt!");
            EXPECT_FALSE(DbPreis().Data1->isBound());
        }
    }
    // Another file of the same name with another extension does not stand in
    // for the chosen one.
    datei(QStringLiteral("gleich.txt"), "Nr;Preis\r\nX;1\r\n");
    S(n).strPreisDbPfad = datei(QStringLiteral("gleich.csv"), "Nr;Preis\r\nY;2\r\nZ;3\r\n");
    db(n).DBPreiseLaden();
    EXPECT_EQ(DbPreis().DBGrid1Spalten->rowCount(), 2);

    // No path: the placeholder, and nothing to accept.
    S(n).strPreisDbPfad.clear();
    db(n).DBPreiseLaden();
    EXPECT_FALSE(S(n).blnPreisDbGeladen);
    EXPECT_EQ(DbPreis().Data1->caption(), "Keine Datenbank geladen!");
    EXPECT_EQ(DbPreis().Data1->recordSource(), "dummy.txt");
    EXPECT_EQ(DbPreis().lblDbPreise->text(), "Keine Datenbank geladen!");
    EXPECT_FALSE(DbPreis().cmdOK->isEnabled());
    EXPECT_EQ(DbPreis().lblDatenfeld->text(), "Kein Datenfeld ausgewählt!");
}

TEST_F(PreiseTest, LookupOnAnOwnTable) {
    const int32_t n = schildMitFeldern({QStringLiteral("<Sorvo-Preis>")});
    eigeneLaden(n, eigene(), QStringLiteral("Meine Pflanzen"));
    S(n).strPreisDbPfad = datei(QStringLiteral("preise.txt"), kPreise);
    S(n).strPreisSpalte = QStringLiteral("Nr");
    db(n).DBPreiseLaden();
    ASSERT_TRUE(S(n).blnPreisDbGeladen);
    EXPECT_EQ(DbPreis().lblDatenfeld->text(), "Nr");

    const struct {
        const char* nr;
        const char* preis;
        bool meldung;
    } faelle[] = {
        {"A7", "3,95", false},                               // the first of two rows with the key
        {"B12", "?Preis?", false},                           // "B12 " in the file is another key
        {"C1", "?Preis?", true},                             // a row without price cannot be read
        {"b9", "1,00", false},     {"B3", "?Preis?", false}, // no row at all
    };
    jet::Recordset& rs = *w().Data1->recordset();
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.nr);
        int zeile = -1;
        for (int r = 0; r < rs.recordCount(); ++r)
            if (rs.valueAt(r, 0).toString() == QString::fromUtf8(f.nr))
                zeile = r;
        ASSERT_GE(zeile, 0);
        rs.setBookmark(rs.bookmarkAt(zeile));
        SkriptDialoge d;
        if (f.meldung)
            d.meldung(Antwort::OK);
        EXPECT_EQ(PreisSuchen(rs), QString::fromUtf8(f.preis));
        if (f.meldung) {
            EXPECT_EQ(d.gezeigt().at(0).text, "Keine gültige Preisdatenbank!");
        }
    }
}

// A row that opens a quote and never closes it is read as its plain text:
// the rows after it keep their prices.
TEST_F(PreiseTest, AnUnclosedQuoteSwallowsNoLaterRow) {
    const int32_t n = schildMitFeldern({QStringLiteral("<Sorvo-Preis>")});
    eigeneLaden(n, eigene(), QStringLiteral("Meine Pflanzen"));
    S(n).strPreisDbPfad = datei(QStringLiteral("preise.txt"), "Nr;Preis\r\n"
                                                              "\"Zantedeschia;1,00\r\n"
                                                              "A7;3,95\r\n"
                                                              "b9;1,50\r\n");
    S(n).strPreisSpalte = QStringLiteral("Nr");
    SkriptDialoge d;
    db(n).DBPreiseLaden();
    ASSERT_TRUE(S(n).blnPreisDbGeladen);
    EXPECT_EQ(DbPreis().Data1->recordset()->recordCount(), 3);
    jet::Recordset& rs = *w().Data1->recordset();
    for (const auto& [nr, preis] : {std::pair{"A7", "3,95"}, std::pair{"b9", "1,50"}}) {
        int zeile = -1;
        for (int r = 0; r < rs.recordCount(); ++r)
            if (rs.valueAt(r, 0).toString() == QLatin1String(nr))
                zeile = r;
        ASSERT_GE(zeile, 0) << nr;
        rs.setBookmark(rs.bookmarkAt(zeile));
        EXPECT_EQ(PreisSuchen(rs), QLatin1String(preis)) << nr;
    }
    EXPECT_TRUE(d.gezeigt().empty());
}

// The record of the window's data source whose first field reads nr.
void datensatzWaehlen(jet::Recordset& rs, const QString& nr) {
    for (int r = 0; r < rs.recordCount(); ++r)
        if (rs.valueAt(r, 0).toString() == nr) {
            rs.setBookmark(rs.bookmarkAt(r));
            return;
        }
    ADD_FAILURE() << "no record " << nr.toStdString();
}

// The price of record nr, with whether the lookup told a failure.
std::pair<QString, bool> preisVon(jet::Recordset& rs, const QString& nr) {
    datensatzWaehlen(rs, nr);
    QString fehler;
    const QString preis = PreisSuchen(rs, &fehler);
    return {preis, fehler.startsWith(QStringLiteral("Keine gültige Preisdatenbank!"))};
}

// Each key finds the first row whose key is the same text: case and blanks
// count, a whole-number key column reads its numbers as the record's do,
// a row without key matches nothing, and the first match without a price
// is a failure even when a later row has one.
TEST_F(PreiseTest, EachKeyFindsTheFirstRowOfTheSameText) {
    struct Suche {
        const char* nr; // the record, by its first field
        const char* preis;
        bool fehler;
    };
    const struct {
        const char* name;
        const char* tabelle;
        const char* spalte;
        QByteArray preise;
        std::vector<Suche> suchen;
    } faelle[] = {
        {"text keys",
         "Meine Pflanzen",
         "Nr",
         "Nr;Preis\r\n"
         "b12;1,00\r\n"
         "B12 ;1,10\r\n"
         " B12;1,20\r\n"
         "B12;3,00\r\n"
         "B12;4,00\r\n"
         ";5,00\r\n"
         "A7;\r\n"
         "A7;8,00\r\n"
         "B9;6,00\r\n"
         "b9;7,00\r\n"
         "\xF6"
         "1;8,50\r\n"
         "\xD6"
         "1;9,00\r\n",
         {{"B12", "3,00", false},
          {"b9", "7,00", false},
          {"\xC3\x96"
           "1",
           "9,00", false},
          {"A7", "?Preis?", true},
          {"B3", "?Preis?", false},
          {"C1", "?Preis?", false}}},
        {"a record without key",
         "Meine Pflanzen",
         "Name",
         "Name;Preis\r\nBuchs;1,00\r\n;2,00\r\n",
         {{"B3", "?Preis?", true}, {"B12", "1,00", false}}},
        {"whole-number keys",
         "Einzeln",
         "Nummer",
         "Nr;Preis\r\n07;1,00\r\n7;2,00\r\n3;3,00\r\n",
         {{"7", "1,00", false}, {"3", "3,00", false}}},
        {"numbers among text keys",
         "Einzeln",
         "Nummer",
         "Nr;Preis\r\n07;1,00\r\n7;2,00\r\nx;9,00\r\n",
         {{"7", "2,00", false}, {"3", "?Preis?", false}}},
    };
    const int32_t n = schildMitFeldern();
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        eigeneLaden(n, eigene(), QString::fromLatin1(f.tabelle));
        S(n).strPreisDbPfad = datei(QStringLiteral("preise.txt"), f.preise);
        S(n).strPreisSpalte = QString::fromLatin1(f.spalte);
        db(n).DBPreiseLaden();
        ASSERT_TRUE(S(n).blnPreisDbGeladen);
        jet::Recordset& rs = *w().Data1->recordset();
        // Twice over: what the first lookups leave behind changes no answer.
        for (int runde = 0; runde < 2; ++runde)
            for (const Suche& s : f.suchen) {
                SCOPED_TRACE(s.nr);
                const auto [preis, fehler] = preisVon(rs, QString::fromUtf8(s.nr));
                EXPECT_EQ(preis, QString::fromUtf8(s.preis));
                EXPECT_EQ(fehler, s.fehler);
            }
    }
}

// Whatever binds the prices table anew, the lookups after it answer from
// the table bound now, never from what was looked up in the one before.
TEST_F(PreiseTest, EveryNewBindingIsLookedUpAnew) {
    // Another label window first: once one is bound, a new one would ask.
    const int32_t m = schildMitFeldern();
    const int32_t n = schildMitFeldern();
    eigeneLaden(n, eigene(), QStringLiteral("Meine Pflanzen"));
    jet::Recordset& rs = *w().Data1->recordset();
    const QString a = datei(QStringLiteral("a.txt"), "Nr;Preis\r\nA7;1,00\r\nB12;2,00\r\n");
    const QString b = datei(QStringLiteral("b.txt"), "Nr;Preis\r\nA7;3,00\r\nC1;4,00\r\n");
    S(n).strPreisSpalte = QStringLiteral("Nr");
    const auto binden = [&](int32_t fenster, const QString& pfad) {
        P().lngAktivesSchild = fenster;
        S(fenster).strPreisDbPfad = pfad;
        db(fenster).DBPreiseLaden();
        P().lngAktivesSchild = n;
    };
    const struct {
        const char* schritt;
        std::function<void()> tun;
        const char* a7;
        const char* b12;
        const char* c1;
    } schritte[] = {
        {"first file", [&] { binden(n, a); }, "1,00", "2,00", "?Preis?"},
        {"another file", [&] { binden(n, b); }, "3,00", "?Preis?", "4,00"},
        // Read just after it was written, then rewritten in place as long as
        // before: the file's times may not tell the change.
        {"the same file rewritten",
         [&] {
             datei(QStringLiteral("b.txt"), "Nr;Preis\r\nA7;7,00\r\nC1;8,00\r\n");
             binden(n, b);
             datei(QStringLiteral("b.txt"), "Nr;Preis\r\nA7;5,00\r\nC1;6,00\r\n");
             binden(n, b);
         },
         "5,00", "?Preis?", "6,00"},
        // The prices window shows the table of the window bound last.
        {"another window's file", [&] { binden(m, a); }, "1,00", "2,00", "?Preis?"},
        {"its own file again", [&] { binden(n, b); }, "5,00", "?Preis?", "6,00"},
    };
    for (const auto& s : schritte) {
        SCOPED_TRACE(s.schritt);
        s.tun();
        ASSERT_TRUE(S(n).blnPreisDbGeladen);
        EXPECT_EQ(preisVon(rs, QStringLiteral("A7")).first, s.a7);
        EXPECT_EQ(preisVon(rs, QStringLiteral("B12")).first, s.b12);
        EXPECT_EQ(preisVon(rs, QStringLiteral("C1")).first, s.c1);
    }
    // Unbound: the placeholder, and no table to look in.
    binden(n, QString());
    EXPECT_FALSE(S(n).blnPreisDbGeladen);
    EXPECT_EQ(preisVon(rs, QStringLiteral("A7")), std::pair(QStringLiteral("?Preis?"), true));
}

// A record transfer binds the template's prices file for every label it
// makes and reads it once; the next transfer reads it as it is then.
TEST_F(PreiseTest, LabelsShowThePricesOfTheFileAsItIsNow) {
    const int32_t m = schildMitFeldern();
    const int32_t n =
        schildMitFeldern({QStringLiteral("<Bot Name>"), QStringLiteral("<Sorvo-Preis>")});
    direktBinden(n, botrel(), QStringLiteral("vxt"));
    S(n).strPreisSpalte = QStringLiteral("Deutscher Name");
    int gelesen = 0;
    // Reads of a prices file, not of the placeholder bound before each.
    QObject::connect(DbPreis().Data1, &jet::DataControl::refreshed, [&] {
        gelesen += DbPreis().Data1->recordSource() != QStringLiteral("dummy.txt");
    });
    const auto schilder = [&] {
        const size_t vorher = erzeugte().size();
        P().lngAktivesSchild = n;
        gelesen = 0;
        uebertragen({1001, 1002, 1003});
        EXPECT_EQ(gelesen, 1) << "the prices file is read once per transfer";
        QStringList l;
        const std::vector<int32_t> neu = erzeugte();
        for (size_t k = vorher; k < neu.size(); ++k) {
            frmLabel& f = Schild(neu[k]);
            QStringList texte;
            for (int32_t i = 1; i <= f.hoechsterText(); ++i)
                texte << f.lblText(i).Caption();
            l << texte.join(QStringLiteral(" | "));
        }
        l.sort();
        return l;
    };
    const QString a = datei(QStringLiteral("a.txt"), "Name;Preis\r\n"
                                                     "Sch\xF6nmalve;1,00\r\n"
                                                     "Katzenschwanz;2,00\r\n");
    const QString b = datei(QStringLiteral("b.txt"), "Name;Preis\r\n"
                                                     "Katzenschwanz;3,00\r\n"
                                                     "Lanzenrosette;4,00\r\n");
    S(n).strPreisDbPfad = a;
    db(n).DBPreiseLaden();
    EXPECT_EQ(schilder(), (QStringList{"Abutilon megapotamicum | 1,00", "acalypha hispida | 2,00",
                                       "Ächmea fasciata | ?Preis?"}));

    // Another window's file bound last: the copies bind the template's.
    P().lngAktivesSchild = m;
    S(m).strPreisDbPfad = b;
    db(m).DBPreiseLaden();
    EXPECT_EQ(schilder(), (QStringList{"Abutilon megapotamicum | 1,00", "acalypha hispida | 2,00",
                                       "Ächmea fasciata | ?Preis?"}));

    P().lngAktivesSchild = n;
    S(n).strPreisDbPfad = b;
    db(n).DBPreiseLaden();
    EXPECT_EQ(schilder(), (QStringList{"Abutilon megapotamicum | ?Preis?",
                                       "acalypha hispida | 3,00", "Ächmea fasciata | 4,00"}));

    // Rewritten in place, as long as before, right after the transfer.
    datei(QStringLiteral("b.txt"), "Name;Preis\r\n"
                                   "Katzenschwanz;5,00\r\n"
                                   "Lanzenrosette;6,00\r\n");
    EXPECT_EQ(schilder(), (QStringList{"Abutilon megapotamicum | ?Preis?",
                                       "acalypha hispida | 5,00", "Ächmea fasciata | 6,00"}));
}

TEST_F(PreiseTest, PlantFieldIsFoundByItsShortName) {
    // The display name leads to the short name, the short name to the
    // column that feeds data fields of that name; positions in the display
    // list are no column positions.
    const struct {
        const char* art;
        const char* anzeige;
        const char* feld;
    } faelle[] = {{"vxt", "Deutscher Name", "DTNAM"},
                  {"vxt", "Lichtverträglichkeit", "F20"},
                  {"vxt", "Bewertung", "F41"},
                  {"vxg", "Botanischer Name", "Bot_Name"},
                  {"vxg", "Deutscher Name", "DTNAM"},
                  {"vxt", "Synonyme", "F46"},
                  {"vxf", "Deutscher Name", "DTNAM"},
                  // A cemetery field the column list lacks, and no field.
                  {"vxf", "Höhe", ""},
                  {"vxs", "gibt es nicht", ""}};
    for (const auto& f : faelle) {
        SCOPED_TRACE(std::string(f.art) + " " + f.anzeige);
        const int32_t n = schildMitFeldern();
        direktBinden(n, botrel(), QString::fromLatin1(f.art));
        S(n).strPreisSpalte = QString::fromUtf8(f.anzeige);
        EXPECT_EQ(PreisSchluesselFeld(*w().Data1->recordset()), f.feld);
        Schild(n).schliessen();
    }
}

TEST_F(PreiseTest, UnreadableLookupGivesOneMessage) {
    const int32_t n = schildMitFeldern();
    eigeneLaden(n, eigene(), QStringLiteral("Meine Pflanzen"));
    jet::Recordset& rs = *w().Data1->recordset();
    const struct {
        const char* name;
        QByteArray preise;
        const char* spalte;
    } faelle[] = {{"no such field", kPreise, "Gibtsnicht"},
                  {"no prices table", {}, "Nr"},
                  {"prices with one column", "Nr\r\nA7\r\nB12\r\n", "Nr"}};
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        S(n).strPreisDbPfad =
            f.preise.isEmpty() ? QString() : datei(QStringLiteral("p.txt"), f.preise);
        S(n).strPreisSpalte = QString::fromLatin1(f.spalte);
        db(n).DBPreiseLaden();
        rs.moveFirst();
        SkriptDialoge d;
        d.meldung(Antwort::OK);
        EXPECT_EQ(PreisSuchen(rs), "?Preis?");
        EXPECT_EQ(d.gezeigt().size(), 1u);
    }
}

TEST_F(PreiseTest, PricesWindowFromTheMenu) {
    const int32_t n = schildMitFeldern();
    eigeneLaden(n, eigene(), QStringLiteral("Meine Pflanzen"));
    S(n).blnGeaendert = false;
    const QString preise = datei(QStringLiteral("preise.txt"), kPreise);
    SkriptDialoge d;
    d.fenster([&](QDialog& fenster) {
         auto& f = dynamic_cast<frmDbPreis&>(fenster);
         EXPECT_EQ(f.windowTitle(), "PreisTest");
         EXPECT_FALSE(f.cmdOK->isEnabled());
         // The own table's fields, sorted.
         QStringList felder;
         for (int i = 0; i < f.lstDbPreis->count(); ++i)
             felder << f.lstDbPreis->item(i)->text();
         EXPECT_EQ(felder, (QStringList{"Name", "Nr", "Ort"}));
         f.cmdDbPreiseNeu->click();
         EXPECT_EQ(f.lblDbPreise->text(), preise);
         EXPECT_FALSE(f.cmdOK->isEnabled()) << "no field chosen yet";
         QListWidgetItem* nr = f.lstDbPreis->findItems("Nr", Qt::MatchExactly).at(0);
         f.lstDbPreis->setCurrentItem(nr);
         emit f.lstDbPreis->itemDoubleClicked(nr);
         EXPECT_EQ(f.lblDatenfeld->text(), "Nr");
         EXPECT_TRUE(f.cmdOK->isEnabled());
         f.cmdOK->click();
     }).oeffnen(preise);
    m_mdi->mnuPreisedatenbank_Click();
    EXPECT_EQ(d.gezeigt().at(1).datei.dateiname, aktuellerOrdner() + QStringLiteral("/*.txt"));
    EXPECT_EQ(d.gezeigt().at(1).datei.filter, QStringList{"Text (*.txt)"});
    EXPECT_EQ(S(n).strPreisDbPfad, preise);
    EXPECT_EQ(S(n).strPreisSpalte, "Nr");
    EXPECT_TRUE(S(n).blnPreisDbGeladen);
    EXPECT_TRUE(S(n).blnGeaendert);
    EXPECT_FALSE(DbPreis().isVisible());

    // Opened again, it shows the binding and may be accepted at once;
    // a cancelled file choice changes nothing.
    SkriptDialoge wieder;
    wieder
        .fenster([&](QDialog& fenster) {
            auto& f = dynamic_cast<frmDbPreis&>(fenster);
            EXPECT_TRUE(f.cmdOK->isEnabled());
            EXPECT_EQ(f.lblDatenfeld->text(), "Nr");
            f.cmdDbPreiseNeu->click();
            EXPECT_EQ(f.lblDbPreise->text(), preise);
            f.cmdAbbrechen->click();
        })
        .oeffnen(std::nullopt);
    m_mdi->mnuPreisedatenbank_Click();
    EXPECT_EQ(S(n).strPreisDbPfad, preise);
    EXPECT_TRUE(S(n).blnPreisDbGeladen);
}

TEST_F(PreiseTest, CaptionsNameTheirControls) {
    frmDbPreis& f = DbPreis();
    benennungenPruefen(f, {{f.lstDbPreis, "lblMoeglich", "Mögliche Felder:"}});
    // The grid keeps its own name under its caption "Inhalt:".
    EXPECT_EQ(f.lblinhalt->buddy(), f.DBGrid1);
    EXPECT_EQ(f.DBGrid1->accessibleName(), "Preise");
    const std::pair<const QLabel*, const char*> namen[] = {{f.Label1, "Label1"},
                                                           {f.lblDbPreise, "lblDbPreise"},
                                                           {f.lblDatenfeld, "lblDatenfeld"},
                                                           {f.lblinhalt, "lblinhalt"}};
    for (const auto& [l, name] : namen)
        EXPECT_EQ(l->objectName(), name);
}

} // namespace
} // namespace sorvo::test

// The template reader: round trips, damaged files, database and prices
// records, and the reader's edge cases.
#include "label/frmLabel.h"
#include "label/programm.h"
#include "label/unterprogramme.h"
#include "platform/cp1252.h"
#include "template/vorlage.h"
#include "tests/template/vorlage_fixture.h"

#include <QBuffer>
#include <QImage>

namespace sorvo::test {
namespace {

const QByteArray kG = "G100|60|10|10|15|15|9|1|0|0|False";

QByteArray zeilen(std::initializer_list<QByteArray> z) {
    QByteArray b;
    for (const auto& s : z)
        b += s + "\r\n";
    return b;
}

QByteArray lSatz(const QByteArray& index, const QByteArray& caption) {
    return "L" + index + "|5|4|0|0|1|16777215|0|False|False|False|Arial|10|0|0|" + caption;
}

QByteArray dSatz(const QByteArray& index, const QByteArray& caption) {
    return "D" + index + "|5|30|0|0|1|16777215|0|False|False|False|Arial|10|0|0|" + caption;
}

class LesenTest : public VorlagenTest {
protected:
    // Opens the bytes as a template, answering the messages that follow.
    int32_t lesen(const QByteArray& inhalt, std::initializer_list<Antwort> antworten = {}) {
        const QString datei = dateiSchreiben(QStringLiteral("vorlage.vxp"), inhalt);
        m_d.reset(); // the old script hands the service back first
        m_d = std::make_unique<SkriptDialoge>();
        m_d->oeffnen(datei);
        for (Antwort a : antworten)
            m_d->meldung(a);
        return oeffnen();
    }
    // The messages shown after the file choice: text, title and style.
    QStringList meldungen() const {
        QStringList m;
        for (const auto& g : m_d->gezeigt())
            if (g.art == QLatin1String("meldung"))
                m << g.text + QStringLiteral(" / ") + g.titel + QStringLiteral(" / ") +
                         QString::number(g.stil);
        return m;
    }
    std::unique_ptr<SkriptDialoge> m_d;
};

const QString kLesefehler =
    QStringLiteral("Datei kann leider nicht geladen werden! / Problem! / 48");

TEST_F(LesenTest, EveryPropertySurvivesARoundTrip) {
    const int32_t w = schild(QStringLiteral("120"), QStringLiteral("80"));
    auto& e = S(w);
    e.sngGrenzeRechts = 12.5f;
    e.sngGrenzeLinks = 7.25f;
    e.sngGrenzeOben = 0.1f;
    e.sngGrenzeUnten = 33.0f;
    e.lngPapierFormat = 11;
    e.lngAusrichtung = 2;
    e.sngSchildReserve = 3.25f;
    e.sngEtikettBreite = 25.5f;
    e.blnSchlaufenetikett = true;
    e.blnDbGeladen = true;
    e.blnPflanzenDb = false;
    e.strDbPfad = dateiSchreiben(QStringLiteral("eigene.mdb"), "x");
    SchildDb(w).BotrelDateiArt = QStringLiteral("eig");
    SchildDb(w).EigeneDbTabName = QStringLiteral("Stauden | Gräser");
    e.blnPreisDbGeladen = true;
    e.strPreisDbPfad = dateiSchreiben(QStringLiteral("preise.txt"), "x");
    e.strPreisDateiName = QStringLiteral("preise");
    e.strPreisSpalte = QStringLiteral("Sortennr");

    QString hoch;
    for (int b = 0x80; b <= 0x9F; ++b)
        hoch += ausCp1252(QByteArray(1, static_cast<char>(b)));
    const struct {
        QString caption;
        int links, oben, maxBreite, maxHoehe, hintergrundArt;
        Farbe hintergrund, vordergrund;
        bool fett, kursiv, unterstrichen;
        const char* schrift;
        double groesse;
        int rahmen, ausrichtung;
    } texte[] = {
        {QStringLiteral("Rosa\r\ncanina"), 5, 4, 60, 0, 0, 0xFFFFFF, 0, true, false, false, "Arial",
         12, 0, 2},
        {QStringLiteral("nur LF\nund nur CR\rEnde"), 0, 20, 0, 15, 1, RGB(255, 255, 200),
         RGB(0, 128, 0), false, true, false, "Times New Roman", 10.5, 1, 1},
        {QStringLiteral("Größe: äöü ÄÖÜ ß € „Zitat“ – ‰"), 10, 30, 90, 0, 1, kSchaltflaeche,
         kFensterText, false, false, true, "MS Sans Serif", 9.75, 0, 0},
        {hoch, 3, 40, 0, 0, 0, 0, 0xFFFFFF, true, true, true, "Arial", 72, 1, 2},
        {QStringLiteral("  Blanks und | Bar  "), 0, 50, 0, 0, 1, 0xFFFFFF, 0, false, false, false,
         "Courier New", 8.25, 0, 0},
    };
    frmLabel& f = Schild(w);
    for (const auto& t : texte) {
        const int32_t i = text(t.caption, t.links, t.oben, t.maxBreite);
        Beschriftung& c = f.lblText(i);
        f.TextMaxHoeheSchreiben(i, t.maxHoehe);
        c.setBackStyle(t.hintergrundArt);
        c.setBackColor(t.hintergrund);
        c.setForeColor(t.vordergrund);
        c.setFontBold(t.fett);
        c.setFontItalic(t.kursiv);
        c.setFontUnderline(t.unterstrichen);
        c.setFontName(QString::fromLatin1(t.schrift));
        c.setFontSize(t.groesse);
        c.setBorderStyle(t.rahmen);
        c.setAlignment(t.ausrichtung);
        TextAnpassen(i, w);
    }
    f.TextLoeschen(2); // a free slot between used ones
    const int32_t d1 = datenfeld(QStringLiteral("<Syn.>"), 5, 60, 80);
    f.lblDatenfeld(d1).setFontSize(10.5);
    f.lblDatenfeld(d1).setFontName(QStringLiteral("Arial"));
    f.DatenfeldMaxHoeheSchreiben(d1, 12);
    // Picture data fields: sized by their maxima, or by their placeholder.
    const int32_t d2 = datenfeld(QStringLiteral("<Bild>"), 60, 10, 30);
    f.DatenfeldMaxHoeheSchreiben(d2, 40);
    f.lblDatenfeld(d2).setAutoSize(false);
    f.lblDatenfeld(d2).setHeight(40);
    const int32_t d3 = datenfeld(QStringLiteral("<Bild>"), 90, 10);
    f.lblDatenfeld(d3).setAutoSize(true);
    const QString png = bildDatei(QStringLiteral("rose.png"));
    bild(png, 70, 5, 30, 25);
    bild(png, 0, 0, 10, 10);
    bild(bildDatei(QStringLiteral("tulpe.png")), 100, 60, 20, 19);
    f.BildLoeschen(2);
    ReihenfolgeEintragen(11);
    ReihenfolgeEintragen(23);
    ReihenfolgeHerstellen();
    const QByteArray geschrieben = vorlageBytes(w);

    const int32_t r = lesen(geschrieben);
    ASSERT_FALSE(S(r).blnSchildFrei);
    EXPECT_TRUE(meldungen().isEmpty()) << meldungen().join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(zustand(r), zustand(w));
    EXPECT_EQ(vorlageBytes(r), geschrieben);

    // The same file on a system with the other decimal separator.
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    const QString deutsch = zustand(w);
    const int32_t englisch = lesen(geschrieben);
    EXPECT_EQ(zustand(englisch), deutsch);
}

TEST_F(LesenTest, DamagedFilesAreRefusedAndLeaveNoWindow) {
    const int32_t anderes = schild();
    text(QStringLiteral("bleibt"));
    const QString vorher = zustand(anderes);
    const QString keinBild = dateiSchreiben(QStringLiteral("kein-bild.png"), "kein Bild");
    QByteArray binaer = "G";
    for (int b = 0; b < 256; ++b)
        if (b != '\r' && b != '\n')
            binaer += static_cast<char>(b);
    // Bytes where no line starts with a record letter, and a picture.
    QByteArray ohneSatz;
    for (int b = 0; b < 256; ++b)
        ohneSatz += static_cast<char>(b);
    QByteArray bild;
    {
        QImage i(40, 30, QImage::Format_RGB32);
        i.fill(Qt::green);
        QBuffer puffer(&bild);
        ASSERT_TRUE(puffer.open(QIODevice::WriteOnly));
        ASSERT_TRUE(i.save(&puffer, "PNG"));
    }
    const struct {
        const char* fall;
        QByteArray inhalt;
    } faelle[] = {
        {"line cut short", zeilen({kG, "L1|5|4"})},
        {"geometry cut short", zeilen({"G100|60|10"})},
        {"last field of geometry missing", zeilen({"G100|60|10|10|15|15|9|1|0|0"})},
        {"letters in a position", zeilen({kG, "L1|fünf|4|0|0|1|0|0|False|False|False|A|8|0|0|x"})},
        {"letters in the index", zeilen({kG, lSatz("x", "a")})},
        {"letters in a colour",
         zeilen({kG, "L1|5|4|0|0|1|weiß|0|False|False|False|Arial|10|0|0|x"})},
        {"a Boolean that is none", zeilen({kG, "L1|5|4|0|0|1|0|0|Ja|False|False|Arial|10|0|0|x"})},
        {"letters in a font size",
         zeilen({kG, "L1|5|4|0|0|1|0|0|False|False|False|Arial|zehn|0|0|x"})},
        {"font size 0", zeilen({kG, "D1|5|4|0|0|1|0|0|False|False|False|Arial|0|0|0|<x>"})},
        {"back style 7", zeilen({kG, "L1|5|4|0|0|7|0|0|False|False|False|Arial|10|0|0|x"})},
        {"alignment 3", zeilen({kG, "L1|5|4|0|0|1|0|0|False|False|False|Arial|10|0|3|x"})},
        {"colour beyond 32 bits",
         zeilen({kG, "L1|5|4|0|0|1|99999999999|0|False|False|False|Arial|10|0|0|x"})},
        {"index beyond 16 bits", zeilen({kG, lSatz("99999", "a")})},
        {"index beyond the slots", zeilen({kG, lSatz("500", "a")})},
        {"index 0", zeilen({kG, dSatz("0", "<a>")})},
        {"picture index beyond the slots", zeilen({kG, "B7|0|0|10|10|"})},
        {"negative picture size", zeilen({kG, "B1|0|0|-5|10|"})},
        {"order names a text that is not there", zeilen({kG, lSatz("1", "a"), "E2|11|150"})},
        {"order count beyond the list", zeilen({kG, lSatz("1", "a"), "E999|11"})},
        {"order count beyond 16 bits", zeilen({kG, lSatz("1", "a"), "E70000|11"})},
        {"order code missing", zeilen({kG, lSatz("1", "a"), "E3|11|21"})},
        {"label larger than any paper", zeilen({"G5000|60|10|10|15|15|9|1|0|0|False"})},
        {"size not a number", zeilen({"Gnan|60|10|10|15|15|9|1|0|0|False"})},
        {"picture file that is no picture", zeilen({kG, "B1|0|0|10|10|" + zuCp1252(keinBild)})},
        {"binary after a key", binaer},
        // No label size: not a template.
        {"empty file", {}},
        {"no record letter in it", ohneSatz + ohneSatz},
        {"a picture renamed", bild},
        {"elements but no geometry", zeilen({lSatz("1", "a"), "E1|11"})},
        {"label width 0", zeilen({"G0|60|10|10|15|15|9|1|0|0|False", lSatz("1", "a")})},
        {"label height 0", zeilen({"G100|0|10|10|15|15|9|1|0|0|False"})},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.fall);
        const int32_t n = lesen(f.inhalt, {Antwort::OK});
        EXPECT_EQ(meldungen(), QStringList{kLesefehler});
        EXPECT_TRUE(S(n).blnSchildFrei);
        EXPECT_FALSE(S(n).blnGeaendert);
        EXPECT_FALSE(Schild(n).isVisible());
        EXPECT_EQ(
            Schild(n).TextZaehlen() + Schild(n).DatenfeldZaehlen() + Schild(n).BilderZaehlen(), 0);
        EXPECT_EQ(S(n).lngReihenfolgeAnzahl, 0);
        EXPECT_EQ(SchilderZaehlen(), 1);
        EXPECT_EQ(P().lngAktivesSchild, anderes);
        EXPECT_EQ(zustand(anderes), vorher);
        m_d.reset();
    }

    // A file that cannot be opened at all.
    NeuesSchild();
    const int32_t n = P().lngAktivesSchild;
    P().strOeffnenDatei = pfad(QStringLiteral("gibt-es-nicht.vxp"));
    SkriptDialoge d;
    d.meldung(Antwort::OK);
    VorlageLesen();
    EXPECT_EQ(d.gezeigt().at(0).text, "Datei kann leider nicht geladen werden!");
    EXPECT_TRUE(S(n).blnSchildFrei);
}

TEST_F(LesenTest, GeometryAloneAndSkippedLines) {
    // A label size alone: a window without elements or database, no message.
    const int32_t leer = lesen(zeilen({kG}));
    EXPECT_TRUE(meldungen().isEmpty());
    ASSERT_FALSE(S(leer).blnSchildFrei);
    EXPECT_EQ(Schild(leer).TextZaehlen(), 0);
    EXPECT_FALSE(S(leer).blnDbGeladen);
    EXPECT_TRUE(m_mdi->menuAktiv(QStringLiteral("mnuDbLaden")));
    EXPECT_TRUE(m_mdi->menuAktiv(QStringLiteral("mnuDbEigeneLaden")));
    EXPECT_EQ(Schild(leer).Caption(), "vorlage.vxp");

    // Lines with a lower-case letter, a blank or an unknown letter first are
    // passed over; LF alone ends a line as well as CR LF and CR.
    const int32_t n = lesen("l1|kaputt\r\n L1|kaputt\r\nX1|kaputt\r\n" + kG + "\n" +
                            lSatz("1", "eins") + "\r" + lSatz("2", "zwei") + "\r\n");
    EXPECT_TRUE(meldungen().isEmpty());
    EXPECT_EQ(Schild(n).TextZaehlen(), 2);
    EXPECT_EQ(Schild(n).lblText(2).Caption(), "zwei");
}

TEST_F(LesenTest, ElementsAsStored) {
    const QString fehlt = QStringLiteral("C:\\Bilder\\fehlt.jpg");
    const int32_t n = lesen(
        zeilen({"G100|60|10|10|15|15|9|1|2,5|25,5|True",
                "L1|-7|4|0|0|1|16777215|0|False|False|False|Arial|9,75|0|0|links", lSatz("2", ""),
                "L3|5|4|0|0|1|16777215|0|False|False|False|Arial|9.75|0|0|drei",
                "B1|0|0|10|10|" + zuCp1252(fehlt), "B2|0|0|10|10|",
                "D1|5|5|30|40|1|16777215|0|False|False|False|Arial|10|0|0|<Bild>",
                "D2|5|5|0|0|1|16777215|0|False|False|False|Arial|10|0|0|<Bild>"}),
        {Antwort::OK});
    EXPECT_EQ(meldungen(),
              QStringList{"Die Datei (Bild)\r" + fehlt +
                          "\rkonnte nicht gefunden werden! / Datei nicht vorhanden! / 48"});
    frmLabel& f = Schild(n);
    // A text stored left of the label is moved onto it.
    EXPECT_EQ(f.lblText(1).Left(), 0);
    // Either separator in a font size, and fractional reserve and loop width.
    EXPECT_EQ(f.lblText(1).FontSize(), 9.75);
    EXPECT_EQ(f.lblText(3).FontSize(), 9.75);
    EXPECT_EQ(S(n).sngSchildReserve, 2.5f);
    EXPECT_EQ(S(n).sngEtikettBreite, 25.5f);
    // Free slots are removed and handed out again first.
    EXPECT_FALSE(f.TextStatusLesen(2));
    EXPECT_EQ(f.BilderZaehlen(), 0);
    EXPECT_EQ(S(n).lngReihenfolge[1], 11);
    P().lngAktivesSchild = n;
    f.TextNeu();
    EXPECT_EQ(S(n).lngAktuellerText, 2);
    // A picture data field takes the size of its maxima, or its own.
    EXPECT_EQ(f.lblDatenfeld(1).Width(), 30);
    EXPECT_EQ(f.lblDatenfeld(1).Height(), 40);
    EXPECT_FALSE(f.lblDatenfeld(1).AutoSize());
    EXPECT_TRUE(f.lblDatenfeld(2).AutoSize());
}

TEST_F(LesenTest, DatabaseAndPricesRecords) {
    const QString db = dateiSchreiben(QStringLiteral("botrel.mdb"), "x");
    const QString preise = dateiSchreiben(QStringLiteral("preise.txt"), "x");
    const QString fehlt = QStringLiteral("C:\\Daten\\botrel.mdb");
    const QByteArray elemente =
        zeilen({lSatz("1", "Text"), dSatz("1", "<Syn.>"), dSatz("2", "<Höhe>"), "E3|31|11|32"});
    const QString dbFehlt = "Die Datei (Datenbank)\r" + fehlt + "\rkonnte nicht gefunden werden!";
    const QString frage =
        dbFehlt +
        "\r\rWollen Sie eine andere Botrel-Datenbank auswählen? / Datei nicht vorhanden! / 52";
    const struct {
        const char* fall;
        QByteArray f;
        std::initializer_list<Antwort> antworten;
        QString wechsel; // the file the user picks instead
        QStringList meldungen;
        QStringList aufrufe;
        bool datenfelder, geaendert;
        QString dbPfad;
    } faelle[] = {
        {"plant database found",
         "F " + zuCp1252(db) + "|True|vxs|",
         {},
         {},
         {},
         {"DbTabellenAnzeigen"},
         true,
         false,
         db},
        {"own database found",
         "F " + zuCp1252(db) + "|False|eig|Stauden",
         {},
         {},
         {},
         {"DbTabellenAnzeigenEigeneDb"},
         true,
         false,
         db},
        {"plant database missing, no other",
         "F " + zuCp1252(fehlt) + "|True|vxs|",
         {Antwort::No},
         {},
         {frage},
         {},
         false,
         true,
         {}},
        {"plant database missing, another chosen",
         "F " + zuCp1252(fehlt) + "|True|vxs|",
         {Antwort::Yes},
         db,
         {frage},
         {"DBBotrelWechseln", "DbTabellenAnzeigen"},
         true,
         true,
         db},
        {"plant database missing, choice cancelled",
         "F " + zuCp1252(fehlt) + "|True|vxs|",
         {Antwort::Yes},
         {},
         {frage},
         {"DBBotrelWechseln"},
         false,
         true,
         {}},
        {"own database missing",
         "F " + zuCp1252(fehlt) + "|False|eig|Stauden",
         {Antwort::OK},
         {},
         {dbFehlt + " / Datei nicht vorhanden! / 48"},
         {},
         false,
         true,
         {}},
        {"no database path", "F |True|vxs|", {}, {}, {}, {}, true, false, {}},
    };
    for (const auto& c : faelle) {
        SCOPED_TRACE(c.fall);
        DbProtokoll::aufrufe().clear();
        DbProtokoll::wechselPfad() = c.wechsel;
        const int32_t n = lesen(c.f + "\r\n" + kG + "\r\n" + elemente, c.antworten);
        ASSERT_FALSE(S(n).blnSchildFrei);
        EXPECT_EQ(meldungen(), c.meldungen);
        EXPECT_EQ(DbProtokoll::aufrufe(), c.aufrufe);
        EXPECT_EQ(S(n).strDbPfad, c.dbPfad);
        EXPECT_EQ(S(n).blnGeaendert, c.geaendert);
        EXPECT_EQ(Schild(n).Caption(), c.geaendert ? "vorlage.vxp*" : "vorlage.vxp");
        // Texts always; data fields only with their database, and then
        // their places in the order too.
        EXPECT_EQ(Schild(n).TextZaehlen(), 1);
        EXPECT_EQ(Schild(n).DatenfeldZaehlen(), c.datenfelder ? 2 : 0);
        EXPECT_EQ(S(n).lngReihenfolgeAnzahl, c.datenfelder ? 3 : 1);
        const QByteArray zurueck = vorlageBytes(n);
        EXPECT_EQ(zurueck.contains("\r\nD1|5|30|"), c.datenfelder);
        EXPECT_TRUE(zurueck.endsWith(c.datenfelder ? "E3|31|11|32\r\n" : "E1|11\r\n"));
        Schild(n).QueryUnload(frmLabel::DurchProgramm);
        m_d.reset();
    }

    // Found files are kept with their kinds and written back unchanged.
    const QByteArray f = "F " + zuCp1252(db + QStringLiteral("|False|eig|Stauden | Gräser"));
    const QByteArray p = "P " + zuCp1252(preise) + "| Sortennr";
    DbProtokoll::aufrufe().clear();
    const int32_t n = lesen(zeilen({f, kG, p}));
    EXPECT_EQ(DbProtokoll::aufrufe(), (QStringList{"DbTabellenAnzeigenEigeneDb", "DBPreiseLaden"}));
    EXPECT_TRUE(S(n).blnPreisDbGeladen);
    EXPECT_EQ(S(n).strPreisDateiName, "preise");
    EXPECT_EQ(SchildDb(n).BotrelDateiArt, "eig");
    EXPECT_EQ(SchildDb(n).EigeneDbTabName, "Stauden | Gräser");
    // (The reused window also lists the free slots of the labels before.)
    EXPECT_TRUE(vorlageBytes(n).startsWith(zeilen({f, kG})));
    EXPECT_TRUE(vorlageBytes(n).endsWith(zeilen({p})));

    // A prices file that is gone: told, dropped, the label not changed.
    const QString preiseFehlt = QStringLiteral("C:\\Preise\\preise.txt");
    const int32_t m =
        lesen(zeilen({kG, "P " + zuCp1252(preiseFehlt) + "| Sortennr"}), {Antwort::OK});
    EXPECT_EQ(meldungen(), QStringList{"Die Datei (Datenbank)\r" + preiseFehlt +
                                       "\rkonnte nicht gefunden werden! / Datei nicht vorhanden! / "
                                       "48"});
    EXPECT_TRUE(S(m).strPreisDbPfad.isEmpty());
    EXPECT_TRUE(S(m).strPreisSpalte.isEmpty());
    EXPECT_FALSE(S(m).blnGeaendert);
}

// Several editors save a template as UTF-8 and put the byte-order mark
// before it: such a file is read whole, its database binding in the first
// line and its umlauts included, and saved again as every template is. The
// same bytes without the mark are Windows-1252.
TEST_F(LesenTest, AByteOrderMarkMeansUtf8) {
    const QString db = dateiSchreiben(QStringLiteral("Gärtnerei.mdb"), "x");
    const int32_t w = schild();
    auto& e = S(w);
    e.blnDbGeladen = true;
    e.blnPflanzenDb = false;
    e.strDbPfad = db;
    SchildDb(w).BotrelDateiArt = QStringLiteral("eig");
    SchildDb(w).EigeneDbTabName = QStringLiteral("Stauden & Gräser");
    text(QStringLiteral("Größe: äöü ÄÖÜ ß € „Zitat“"), 5, 4);
    text(QStringLiteral("Rosa\r\ncanina"), 5, 20);
    datenfeld(QStringLiteral("<Höhe>"), 5, 40);
    ReihenfolgeHerstellen();
    const QByteArray geschrieben = vorlageBytes(w);
    ASSERT_TRUE(geschrieben.startsWith("F "));
    const QByteArray utf8 = "\xEF\xBB\xBF" + ausCp1252(geschrieben).toUtf8();

    DbProtokoll::aufrufe().clear();
    const int32_t r = lesen(utf8);
    ASSERT_FALSE(S(r).blnSchildFrei);
    EXPECT_TRUE(meldungen().isEmpty()) << meldungen().join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(DbProtokoll::aufrufe(), QStringList{"DbTabellenAnzeigenEigeneDb"});
    EXPECT_EQ(S(r).strDbPfad, db);
    EXPECT_EQ(SchildDb(r).EigeneDbTabName, QStringLiteral("Stauden & Gräser"));
    EXPECT_EQ(zustand(r), zustand(w));
    // Saved without the mark, in the writer's code page.
    EXPECT_EQ(vorlageBytes(r), geschrieben);
    Schild(r).QueryUnload(frmLabel::DurchProgramm);

    // Bytes that would be UTF-8 are Windows-1252 without the mark.
    const int32_t ohne = lesen(zeilen({kG, lSatz("1", "Gr\xC3\xBC\xC3\x9F")}));
    ASSERT_FALSE(S(ohne).blnSchildFrei);
    EXPECT_EQ(Schild(ohne).lblText(1).Caption(), QStringLiteral("GrÃ¼ÃŸ"));
}

TEST_F(LesenTest, SecondDatabaseTemplateIsRefused) {
    const int32_t vorlage = schild();
    S(vorlage).blnDbGeladen = true;
    P().blnVorlageGeoeffnet = true;
    SchildGeaendert();
    const QString titel = Schild(vorlage).Caption();
    const QString db = dateiSchreiben(QStringLiteral("botrel.mdb"), "x");
    const int32_t n =
        lesen(zeilen({"F " + zuCp1252(db) + "|True|vxs|", kG, lSatz("1", "a")}), {Antwort::OK});
    EXPECT_EQ(meldungen(),
              QStringList{"Es kann nur eine einzige Vorlage geöffnet werden!\rDas Laden wird "
                          "abgebrochen. / Es ist schon eine Vorlage geöffnet! / 48"});
    EXPECT_TRUE(S(n).blnSchildFrei);
    EXPECT_EQ(SchilderZaehlen(), 1);
    EXPECT_EQ(Schild(vorlage).Caption(), titel);
    EXPECT_TRUE(P().blnVorlageGeoeffnet);
    EXPECT_TRUE(DbProtokoll::aufrufe().isEmpty());

    // A template without database opens beside it with its plain title.
    const int32_t ohne = lesen(zeilen({kG, lSatz("1", "a")}));
    EXPECT_FALSE(S(ohne).blnSchildFrei);
    EXPECT_EQ(Schild(ohne).Caption(), "vorlage.vxp");
}

} // namespace
} // namespace sorvo::test

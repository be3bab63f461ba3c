// The template writer: records, fields, number formats and the file itself.
#include "label/frmLabel.h"
#include "label/programm.h"
#include "label/unterprogramme.h"
#include "platform/cp1252.h"
#include "template/dateiaufrufe.h"
#include "template/vorlage.h"
#include "tests/support/schreibschutz.h"
#include "tests/template/vorlage_fixture.h"

#include <QDir>
#include <QFile>
#include <cerrno>
#include <csignal>
#include <functional>
#include <sys/resource.h>

namespace sorvo::test {
namespace {

// The bytes of the worked example, with the database and picture paths that
// the window names.
QByteArray beispiel(const QString& db, const QString& bild) {
    return "F " + zuCp1252(db) + "|True|vxs|\r\n" +
           "G100|60|10|10|15|15|9|1|0|0|False\r\n"
           "L1|5|4|60|0|0|16777215|0|True|False|False|Arial|12|0|2|Rosa\xc6\xc5"
           "canina\r\n"
           "L2|0|0|0|0|1|16777215|0|False|False|False|MS Sans Serif|8,25|0|0|\r\n"
           "B1|70|5|30|25|" +
           zuCp1252(bild) +
           "\r\n"
           "D1|5|30|80|0|0|16777215|0|False|False|False|Arial|10|1|0|<Syn.>\r\n"
           "E3|21|11|31\r\n";
}

// Writes the current window; the error's message, or "" when it was written.
QString schreibfehler() {
    try {
        VorlageSchreiben();
    } catch (const Laufzeitfehler& f) {
        return f.meldungsText();
    }
    return {};
}

class SchreibenTest : public VorlagenTest {
protected:
    // A 100 x 60 mm label bound to an own perennials database, with one text
    // over two lines, a second text slot that was deleted, one picture and
    // one data field, the picture lowest and the data field on top.
    int32_t beispielFenster(const QString& db, const QString& bildPfad) {
        const int32_t w = schild(QStringLiteral("100"), QStringLiteral("60"));
        auto& e = S(w);
        e.blnDbGeladen = true;
        e.strDbPfad = db;
        e.blnPflanzenDb = true;
        SchildDb(w).BotrelDateiArt = QStringLiteral("vxs");
        frmLabel& f = Schild(w);
        const int32_t t = text(QStringLiteral("Rosa\r\ncanina"), 5, 4, 60);
        Beschriftung& c = f.lblText(t);
        c.setBackStyle(0);
        c.setBackColor(0xFFFFFF);
        c.setForeColor(0);
        c.setFontBold(true);
        c.setFontName(QStringLiteral("Arial"));
        c.setFontSize(12);
        c.setAlignment(2);
        text(QStringLiteral("gelöscht"), 20, 20);
        bild(bildPfad, 70, 5, 30, 25);
        const int32_t d = datenfeld(QStringLiteral("<Syn.>"), 5, 30, 80);
        Beschriftung& df = f.lblDatenfeld(d);
        df.setBackStyle(0);
        df.setBackColor(0xFFFFFF);
        df.setForeColor(0);
        df.setFontName(QStringLiteral("Arial"));
        df.setFontSize(10);
        df.setBorderStyle(1);
        f.TextLoeschen(2);
        ReihenfolgeEintragen(11);
        ReihenfolgeEintragen(31);
        ReihenfolgeHerstellen();
        return w;
    }
};

TEST_F(SchreibenTest, WorkedExampleComesOutByteForByte) {
    const QString db = QStringLiteral("C:\\Daten\\stauden.vxs");
    const QString bildPfad = QStringLiteral("C:\\Bilder\\rose.jpg");
    const int32_t w = beispielFenster(db, bildPfad);
    EXPECT_EQ(vorlageBytes(w), beispiel(db, bildPfad));

    P().strSpeicherDatei = pfad(QStringLiteral("beispiel"));
    VorlageSchreiben();
    EXPECT_EQ(P().strSpeicherDatei, pfad(QStringLiteral("beispiel.vxp")));
    EXPECT_EQ(dateiLesen(P().strSpeicherDatei), beispiel(db, bildPfad));
}

TEST_F(SchreibenTest, WorkedExampleReadsBackIntoTheSameWindow) {
    // The paths of the example name files that exist here.
    const QString db = dateiSchreiben(QStringLiteral("stauden.vxs"), {});
    const QString bildPfad = bildDatei(QStringLiteral("rose.png"));
    const int32_t w = beispielFenster(db, bildPfad);
    const QString datei = dateiSchreiben(QStringLiteral("beispiel.vxp"), beispiel(db, bildPfad));

    SkriptDialoge d;
    d.oeffnen(datei);
    const int32_t r = oeffnen();
    ASSERT_FALSE(S(r).blnSchildFrei);
    EXPECT_EQ(zustand(r), zustand(w));
    EXPECT_EQ(vorlageBytes(r), beispiel(db, bildPfad));
    EXPECT_EQ(Schild(r).lblText(1).Caption(), "Rosa\r\ncanina");
    EXPECT_EQ(DbProtokoll::aufrufe(), QStringList{"DbTabellenAnzeigen"});
}

TEST_F(SchreibenTest, RecordsPresentOnlyWhenTheWindowHasThem) {
    const int32_t w = schild();
    // Never a text, picture or data field, no database, no order.
    EXPECT_EQ(vorlageBytes(w), QByteArray("G100|60|10|10|15|15|9|1|0|0|False\r\n"));

    // A prices file without its joined column writes no P record.
    S(w).blnPreisDbGeladen = true;
    S(w).strPreisDbPfad = QStringLiteral("C:\\Preise\\preise.txt");
    EXPECT_FALSE(vorlageBytes(w).contains("P "));
    S(w).strPreisSpalte = QStringLiteral("Sortennr");
    EXPECT_TRUE(vorlageBytes(w).endsWith("P C:\\Preise\\preise.txt| Sortennr\r\n"));
    S(w).blnPreisDbGeladen = false;
    EXPECT_FALSE(vorlageBytes(w).contains("P "));

    // Texts that were all deleted still write one record per slot.
    text(QStringLiteral("a"));
    text(QStringLiteral("b"));
    Schild(w).TextLoeschen(1);
    Schild(w).TextLoeschen(2);
    const QByteArray b = vorlageBytes(w);
    EXPECT_TRUE(b.contains("\r\nL1|0|0|0|0|1|16777215|0|False|False|False|MS Sans Serif|8,25|0|0|"
                           "\r\nL2|0|0|0|0|1|16777215|0|False|False|False|MS Sans Serif|8,25|0|0|"
                           "\r\n"));
    EXPECT_FALSE(b.contains("\r\nE"));
    EXPECT_TRUE(b.startsWith("G"));
}

TEST_F(SchreibenTest, FieldFormats) {
    const int32_t w = schild();
    auto& e = S(w);
    e.sngSchildBreite = 105.5f;
    e.sngGrenzeRechts = 0.1f;
    e.sngGrenzeLinks = -2.25f;
    e.sngSchildReserve = 1e20f;
    e.sngEtikettBreite = 25.5f;
    e.lngPapierFormat = 11;
    e.lngAusrichtung = 2;
    e.blnSchlaufenetikett = true;
    const int32_t t = text(QStringLiteral("x"), 12.5, 13.5);
    Beschriftung& c = Schild(w).lblText(t);
    c.setFontName(QStringLiteral("Arial"));
    c.setFontSize(10.5);
    c.setBackColor(kSchaltflaeche);
    const int32_t d = datenfeld(QStringLiteral("<Höhe>"), -0.5, 2.5);
    Schild(w).lblDatenfeld(d).setFontSize(9.75);

    const QString g = ausCp1252(vorlageBytes(w)).split(QStringLiteral("\r\n"))[0];
    EXPECT_EQ(g, "G105,5|60|0,1|-2,25|15|15|11|2|1E+20|25,5|True");
    const QString datei = ausCp1252(vorlageBytes(w));
    EXPECT_TRUE(datei.contains(
        "\r\nL1|12|14|0|0|1|-2147483633|-2147483640|False|False|False|Arial|10,5|0|0|x\r\n"));
    EXPECT_TRUE(datei.contains(
        "\r\nD1|0|2|0|0|1|-2147483643|-2147483640|False|False|False|MS Sans Serif|9,75|0|0|"
        "<Höhe>\r\n"));

    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_TRUE(vorlageBytes(w).startsWith("G105.5|60|0.1|-2.25|15|15|11|2|1E+20|25.5|True\r\n"));
    EXPECT_TRUE(vorlageBytes(w).contains("|Arial|10.5|"));
}

TEST_F(SchreibenTest, CaptionsAndTheCodePage) {
    const int32_t w = schild();
    QString hoch; // the characters of the bytes 0x80 to 0x9F
    for (int b = 0x80; b <= 0x9F; ++b)
        hoch += ausCp1252(QByteArray(1, static_cast<char>(b)));
    text(QStringLiteral("Größe\r\nÄpfel\nÖl\rÜ ß"));
    text(hoch);
    // A data-field caption is written as it stands.
    datenfeld(QStringLiteral("<Blüte\xc5>"));
    const QByteArray b = vorlageBytes(w);
    EXPECT_TRUE(b.contains("|Gr\xf6\xdf"
                           "e\xc6\xc5\xc4pfel\xc5\xd6l\xc6\xdc \xdf\r\n"));
    QByteArray roh;
    for (int c = 0x80; c <= 0x9F; ++c)
        roh += static_cast<char>(c);
    EXPECT_TRUE(b.contains("|" + roh + "\r\n"));
    EXPECT_TRUE(b.contains("|<Bl\xfc"
                           "te\xc5>\r\n"));
    // Every line ends in CR LF, and no other CR or LF is in the file.
    EXPECT_EQ(b.count('\r'), b.count("\r\n"));
    EXPECT_EQ(b.count('\n'), b.count("\r\n"));
    EXPECT_TRUE(b.endsWith("\r\n"));
}

TEST_F(SchreibenTest, ExtensionRule) {
    schild();
    const struct {
        const char* name;
        const char* datei;
    } faelle[] = {{"rosen", "rosen.vxp"},
                  {"rosen.vxp", "rosen.vxp"},
                  {"rosen.VXP", "rosen.VXP.vxp"},
                  {"rosen.vx", "rosen.vx.vxp"}};
    for (const auto& f : faelle) {
        P().strSpeicherDatei = pfad(QString::fromLatin1(f.name));
        VorlageSchreiben();
        EXPECT_EQ(P().strSpeicherDatei, pfad(QString::fromLatin1(f.datei))) << f.name;
        EXPECT_TRUE(QFile::exists(P().strSpeicherDatei)) << f.name;
    }
}

TEST_F(SchreibenTest, FailedWritesKeepTheOldFile) {
    const int32_t w = schild();
    text(QStringLiteral("alt"));
    const QString datei = pfad(QStringLiteral("alt.vxp"));
    P().strSpeicherDatei = datei;
    VorlageSchreiben();
    const QByteArray alt = dateiLesen(datei);
    ASSERT_FALSE(alt.isEmpty());

    // Enough content that the file limit below cuts the write short.
    for (int i = 0; i < 60; ++i)
        text(QStringLiteral("neuer Text, der die Datei über die Grenze wachsen lässt"));
    rlimit vorher{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &vorher), 0);
    auto handler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit grenze = vorher;
    grenze.rlim_cur = static_cast<rlim_t>(alt.size() + 100);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &grenze), 0);
    P().strSpeicherDatei = datei;
    const QString fehler = schreibfehler();
    setrlimit(RLIMIT_FSIZE, &vorher);
    std::signal(SIGXFSZ, handler);
    EXPECT_EQ(fehler, "Datenträger voll (61)");
    EXPECT_EQ(dateiLesen(datei), alt);
    // No temporary file is left beside it.
    EXPECT_EQ(QDir(m_ordner.path()).entryList(QDir::Files), QStringList{QStringLiteral("alt.vxp")});

    // A position beyond the file's number range is an overflow; nothing is
    // written.
    Schild(w).lblText(1).setLeft(40000);
    EXPECT_EQ(schreibfehler(), "Überlauf (6)");
    EXPECT_EQ(dateiLesen(datei), alt);

    P().strSpeicherDatei = pfad(QStringLiteral("fehlt/neu.vxp"));
    Schild(w).lblText(1).setLeft(0);
    EXPECT_EQ(schreibfehler(), "Pfad nicht gefunden (76)");
}

TEST_F(SchreibenTest, AFolderWithoutTheRightToWriteIsAccessDenied) {
    schild();
    text(QStringLiteral("neu"));
    const QString ordner = pfad(QStringLiteral("geschuetzt"));
    ASSERT_TRUE(QDir().mkpath(ordner));
    const QString alt =
        dateiSchreiben(QStringLiteral("geschuetzt/alt.vxp"), "G1|1|0|0|0|0|9|1|0|0|False\r\n");
    struct Fall {
        const char* was;
        QString datei;
    } faelle[] = {{"a file that is there", alt},
                  {"a new file", ordner + QStringLiteral("/neu.vxp")}};
    for (const auto& f : faelle) {
        QString fehler;
        {
            const OhneSchreibrecht schutz(ordner, alt);
            ASSERT_TRUE(schutz.wirkt());
            P().strSpeicherDatei = f.datei;
            fehler = schreibfehler();
        }
        EXPECT_EQ(fehler, "Zugriff verweigert (70)") << f.was;
    }
    EXPECT_EQ(dateiLesen(alt), "G1|1|0|0|0|0|9|1|0|0|False\r\n");
    EXPECT_EQ(QDir(ordner).entryList(QDir::Files | QDir::Hidden), QStringList{"alt.vxp"});

    // A folder of the file's name is no file to replace.
    ASSERT_TRUE(QDir().mkpath(pfad(QStringLiteral("ordner.vxp"))));
    P().strSpeicherDatei = pfad(QStringLiteral("ordner.vxp"));
    EXPECT_EQ(schreibfehler(), "Fehler beim Zugriff auf Pfad/Datei (75)");
    EXPECT_TRUE(QFileInfo(pfad(QStringLiteral("ordner.vxp"))).isDir());
}

// The close and the rename of the temporary file fail as on a share that
// fills up or goes away; the old file stays, no temporary file is left.
TEST_F(SchreibenTest, AFailingCloseOrRenameKeepsTheOldFile) {
    schild();
    text(QStringLiteral("alt"));
    const QString datei = pfad(QStringLiteral("alt.vxp"));
    P().strSpeicherDatei = datei;
    VorlageSchreiben();
    const QByteArray alt = dateiLesen(datei);
    text(QStringLiteral("neu"));

    static int fehlerNummer = 0;
    const auto schliessenScheitert = [](int fd) {
        ::close(fd);
        errno = fehlerNummer;
        return -1;
    };
    const auto umbenennenScheitert = [](const char*, const char*) {
        errno = fehlerNummer;
        return -1;
    };
    const struct {
        const char* was;
        satz::DateiAufrufe aufrufe;
        int nummer;
        const char* meldung;
    } faelle[] = {
        {"close: the share is full",
         {schliessenScheitert, ::rename},
         ENOSPC,
         "Datenträger voll (61)"},
        {"close: the device fails", {schliessenScheitert, ::rename}, EIO, "Geräte-E/A-Fehler (57)"},
        {"rename: no right to replace",
         {::close, umbenennenScheitert},
         EACCES,
         "Zugriff verweigert (70)"},
        {"rename: the folder went away",
         {::close, umbenennenScheitert},
         ENOENT,
         "Pfad nicht gefunden (76)"},
        {"rename: another device",
         {::close, umbenennenScheitert},
         EXDEV,
         "Fehler beim Zugriff auf Pfad/Datei (75)"},
    };
    const satz::DateiAufrufe echt = satz::dateiAufrufe();
    for (const auto& f : faelle) {
        fehlerNummer = f.nummer;
        satz::dateiAufrufe() = f.aufrufe;
        P().strSpeicherDatei = datei;
        const QString fehler = schreibfehler();
        satz::dateiAufrufe() = echt;
        EXPECT_EQ(fehler, f.meldung) << f.was;
        EXPECT_EQ(dateiLesen(datei), alt) << f.was;
        EXPECT_EQ(QDir(m_ordner.path()).entryList(QDir::Files | QDir::Hidden),
                  QStringList{QStringLiteral("alt.vxp")})
            << f.was;
    }
    // With the system's calls again the new content arrives.
    P().strSpeicherDatei = datei;
    EXPECT_EQ(schreibfehler(), "");
    EXPECT_NE(dateiLesen(datei), alt);
}

// A value its records would not give back as it stands is refused before
// anything is written, and the old file stays; every other value of the same
// kind comes back from the file unchanged.
TEST_F(SchreibenTest, ValuesTheReaderWouldNotGiveBackAreRefusedBeforeWriting) {
    const QString db = dateiSchreiben(QStringLiteral("stauden.vxs"), {});
    const QString preise = dateiSchreiben(QStringLiteral("preise.txt"), "Nr;Preis\r\n1;2\r\n");
    const QString bildMitStrich = bildDatei(QStringLiteral("ro|se.png"));
    const auto datenbank = [&](const QString& pfad, const QString& tabelle) {
        const int32_t w = P().lngAktivesSchild;
        S(w).blnDbGeladen = true;
        S(w).strDbPfad = pfad;
        S(w).blnPflanzenDb = tabelle.isEmpty();
        SchildDb(w).BotrelDateiArt = QLatin1String(tabelle.isEmpty() ? "vxs" : "eig");
        SchildDb(w).EigeneDbTabName = tabelle;
    };
    const auto preisDatei = [&](const QString& pfad, const QString& spalte) {
        auto& e = S(P().lngAktivesSchild);
        e.blnPreisDbGeladen = true;
        e.strPreisDbPfad = pfad;
        e.strPreisSpalte = spalte;
        e.strPreisDateiName = QStringLiteral("preise");
    };
    const auto schrift = [&](const QString& name) {
        const int32_t t = text(QStringLiteral("Rose"));
        Schild(P().lngAktivesSchild).lblText(t).setFontName(name);
    };
    const auto bildPfad = [&](const QString& p) { bild(p, 1, 2, 10, 20); };
    const struct {
        const char* name;
        std::function<void()> setzen;
        QString wert; // shown in the refusal; empty when the value is fine
    } faelle[] = {
        {"bar in the database path", [&] { datenbank(db + "|x", {}); }, db + "|x"},
        {"line break in the database path", [&] { datenbank(db + "\r\nx", {}); }, db + "\r\nx"},
        {"blank after the database path", [&] { datenbank(db + " ", {}); }, db + " "},
        {"line break in the own table", [&] { datenbank(db, "Sorten\nAlt"); }, "Sorten\nAlt"},
        {"bar in the own table", [&] { datenbank(db, "Sorten|Alt"); }, {}},
        {"letter that codes a line feed", [&] { text(QStringLiteral("Åkerö")); }, "Åkerö"},
        {"letter that codes a return", [&] { text(QStringLiteral("Æble")); }, "Æble"},
        {"character outside the code page", [&] { text(QStringLiteral("a → b")); }, "a → b"},
        {"bar and line break in a text", [&] { text(QStringLiteral("a|b\r\nc")); }, {}},
        {"bar in a font name", [&] { schrift(QStringLiteral("Ari|al")); }, "Ari|al"},
        {"blank after a font name", [&] { schrift(QStringLiteral("Arial ")); }, "Arial "},
        {"blanks around a data field", [&] { datenfeld(QStringLiteral(" <Syn.> ")); }, {}},
        {"bar in a picture path", [&] { bildPfad(bildMitStrich); }, {}},
        {"line break in a picture path", [&] { bildPfad(db + "\n.png"); }, db + "\n.png"},
        {"line break in a data field", [&] { datenfeld(QStringLiteral("<a\r\nb>")); }, "<a\r\nb>"},
        {"bar in the prices path", [&] { preisDatei(preise + "|x", "Nr"); }, preise + "|x"},
        {"line break in the price column", [&] { preisDatei(preise, "N\nr"); }, "N\nr"},
        {"bar in the price column", [&] { preisDatei(preise, "Nr|alt"); }, {}},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.name);
        const int32_t w = schild();
        text(QStringLiteral("Rosa canina"));
        fall.setzen();
        const QString datei = dateiSchreiben(QStringLiteral("alt.vxp"), "alt");
        S(w).strVorlageDatei = datei;
        SchildGeaendert();
        if (!fall.wert.isEmpty()) {
            SkriptDialoge d;
            d.meldung(Antwort::OK);
            EXPECT_FALSE(VorlageSpeichern());
            ASSERT_EQ(d.gezeigt().size(), 1u);
            EXPECT_EQ(d.gezeigt()[0].titel, "Speichern nicht möglich!");
            EXPECT_TRUE(d.gezeigt()[0].text.contains(fall.wert));
            EXPECT_EQ(dateiLesen(datei), "alt");
            EXPECT_TRUE(S(w).blnGeaendert);
            EXPECT_TRUE(QDir(m_ordner.path())
                            .entryList({QStringLiteral(".*.vxp.*")}, QDir::Files | QDir::Hidden)
                            .isEmpty());
            continue;
        }
        ASSERT_TRUE(VorlageSpeichern());
        ASSERT_EQ(dateiLesen(datei), vorlageBytes(w));
        SkriptDialoge d;
        d.oeffnen(datei);
        const int32_t r = oeffnen();
        ASSERT_FALSE(S(r).blnSchildFrei);
        // What binding the prices file would have set.
        S(r).blnPreisDbGeladen = S(w).blnPreisDbGeladen;
        EXPECT_EQ(zustand(r), zustand(w));
        EXPECT_EQ(vorlageBytes(r), vorlageBytes(w));
        EXPECT_TRUE(d.alleBeantwortet());
    }
}

} // namespace
} // namespace sorvo::test

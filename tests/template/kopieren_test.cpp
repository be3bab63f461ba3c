// Copying a template window in memory, as record transfer does once per
// record.
#include "label/frmLabel.h"
#include "label/programm.h"
#include "label/unterprogramme.h"
#include "template/vorlage.h"
#include "tests/template/vorlage_fixture.h"

#include <QFile>

namespace sorvo::test {
namespace {

class KopierenTest : public VorlagenTest {
protected:
    // A database-bound template with texts (one slot free between them),
    // data fields in fractional sizes, pictures, a prices file and its own
    // stacking order.
    int32_t vorlage() {
        const int32_t w = schild(QStringLiteral("120"), QStringLiteral("80"));
        auto& e = S(w);
        e.blnDbGeladen = true;
        e.blnPflanzenDb = true;
        e.strDbPfad = dateiSchreiben(QStringLiteral("botrel.mdb"), "x");
        SchildDb(w).BotrelDateiArt = QStringLiteral("vxs");
        e.blnPreisDbGeladen = true;
        e.strPreisDbPfad = dateiSchreiben(QStringLiteral("preise.txt"), "x");
        e.strPreisDateiName = QStringLiteral("preise");
        e.strPreisSpalte = QStringLiteral("Sortennr");
        P().blnVorlageGeoeffnet = true;
        P().lngVorlagenSchild = w;
        frmLabel& f = Schild(w);
        const int32_t t = text(QStringLiteral("Rosa\r\ncanina"), 5, 4, 60);
        f.lblText(t).setFontName(QStringLiteral("Arial"));
        f.lblText(t).setFontSize(10.5);
        text(QStringLiteral("frei"));
        text(QStringLiteral("Preis"), 80, 70);
        f.TextLoeschen(2);
        for (const double groesse : {10.5, 11.5}) {
            const int32_t d = datenfeld(QStringLiteral("<Syn.>"), 5, 30, 80);
            f.lblDatenfeld(d).setFontName(QStringLiteral("Arial"));
            f.lblDatenfeld(d).setFontSize(groesse);
        }
        bild(bildDatei(QStringLiteral("rose.png")), 70, 5, 30, 25);
        ReihenfolgeEintragen(11);
        ReihenfolgeHerstellen();
        S(w).blnGeaendert = false;
        Schild(w).setCaption(QStringLiteral("rosen.vxp (Vorlage)"));
        return w;
    }
};

TEST_F(KopierenTest, TheCopyHoldsTheTemplateAndTheTemplateStaysAsItWas) {
    const int32_t w = vorlage();
    const QString vorher = zustand(w);
    const QByteArray bytes = vorlageBytes(w);
    DbProtokoll::aufrufe().clear();

    VorlageKopieren();
    const int32_t k = P().lngAktivesSchild;
    EXPECT_NE(k, w);
    EXPECT_EQ(zustand(k), vorher);
    // Data fields keep their fractional sizes.
    EXPECT_EQ(Schild(k).lblDatenfeld(1).FontSize(), 10.5);
    EXPECT_EQ(Schild(k).lblDatenfeld(2).FontSize(), 11.5);
    // No refusal, no binding, no template caption; the template untouched.
    EXPECT_EQ(DbProtokoll::aufrufe(), QStringList{"DBPreiseLaden"});
    EXPECT_EQ(Schild(k).Caption(), "Schild " + QString::number(k));
    EXPECT_FALSE(S(k).blnGeaendert);
    EXPECT_TRUE(S(k).strVorlageDatei.isEmpty());
    EXPECT_TRUE(P().blnVorlageGeoeffnet);
    EXPECT_EQ(zustand(w), vorher);
    EXPECT_EQ(vorlageBytes(w), bytes);
    EXPECT_EQ(Schild(w).Caption(), "rosen.vxp (Vorlage)");

    // The lines: G, F and P first, then the element slots, the order last.
    const auto& z = strVorlageZeilen();
    EXPECT_EQ(z.size(), 3u + 1 + 2 + 11);
    EXPECT_TRUE(z[0].isEmpty());
    EXPECT_TRUE(z[1].startsWith(QStringLiteral("G120|80|")));
    EXPECT_TRUE(z[2].startsWith(QStringLiteral("F ")));
    EXPECT_TRUE(z[3].startsWith(QStringLiteral("P ")));
    EXPECT_EQ(z[4].left(3), "L1|");
    EXPECT_EQ(z[5], "L2|0|0|0|0|1|16777215|0|False|False|False|MS Sans Serif|8,25|0|0|");
    EXPECT_TRUE(z[9].startsWith(QStringLiteral("D2|")));
    EXPECT_TRUE(z[9].contains(QStringLiteral("|Arial|11,5|")));
    EXPECT_EQ(z[10], "E5|13|31|32|21|11");
    EXPECT_TRUE(z[11].isEmpty());

    // A second copy, with the template current again, is independent.
    P().lngAktivesSchild = w;
    VorlageKopieren();
    const int32_t k2 = P().lngAktivesSchild;
    EXPECT_NE(k2, k);
    EXPECT_EQ(zustand(k2), vorher);
}

TEST_F(KopierenTest, PlainTemplateGivesEmptyLinesAndAnEmptyOrder) {
    const int32_t w = schild();
    text(QStringLiteral("weg"));
    Schild(w).TextLoeschen(1);
    ASSERT_EQ(S(w).lngReihenfolgeAnzahl, 0);
    VorlageKopieren();
    const int32_t k = P().lngAktivesSchild;
    const auto& z = strVorlageZeilen();
    EXPECT_TRUE(z[2].isEmpty());
    EXPECT_TRUE(z[3].isEmpty());
    EXPECT_TRUE(z[4].startsWith(QStringLiteral("L1|0|0|")));
    EXPECT_TRUE(z[5].isEmpty()); // no E line
    EXPECT_FALSE(S(k).blnDbGeladen);
    EXPECT_FALSE(S(k).blnPreisDbGeladen);
    EXPECT_EQ(S(k).lngReihenfolgeAnzahl, 0);
    EXPECT_EQ(Schild(k).TextZaehlen(), 0);

    // A copy keeps a text left of the label where it was.
    P().lngAktivesSchild = w;
    const int32_t t = text(QStringLiteral("links draußen"), 0, 5);
    Schild(w).lblText(t).setLeft(-7);
    VorlageKopieren();
    EXPECT_TRUE(strVorlageZeilen()[4].startsWith(QStringLiteral("L1|-7|5|")));
    EXPECT_EQ(Schild(P().lngAktivesSchild).lblText(1).Left(), -7);
}

// Missing files are reported by every copy; a picture that is there but
// cannot be read is handed to the caller.
TEST_F(KopierenTest, FilesGoneSinceBindingAreReportedForEveryCopy) {
    const int32_t w = vorlage();
    const QString db = S(w).strDbPfad;
    const QString bildPfad = Schild(w).BildPfadLesen(1);
    QFile::remove(db);
    QFile::remove(bildPfad);
    // A second picture whose file is no longer a picture.
    P().lngAktivesSchild = w;
    const QString kaputt = bildDatei(QStringLiteral("kaputt.png"));
    bild(kaputt, 0, 0, 10, 10);
    dateiSchreiben(QStringLiteral("kaputt.png"), "kein Bild");

    // The unreadable picture is left for the record transfer to name once.
    const QStringList erwartet = {
        "Die Datei (Datenbank)\r" + db + "\rkonnte nicht gefunden werden!",
        "Die Datei (Bild)\r" + bildPfad + "\rkonnte nicht gefunden werden!"};
    for (int runde = 0; runde < 2; ++runde) {
        P().lngAktivesSchild = w;
        SkriptDialoge d;
        d.meldung(Antwort::OK).meldung(Antwort::OK);
        VorlageKopieren();
        EXPECT_EQ(unlesbareBilderNehmen(), QStringList{kaputt});
        EXPECT_TRUE(unlesbareBilderNehmen().isEmpty());
        const int32_t k = P().lngAktivesSchild;
        QStringList texte;
        for (const auto& g : d.gezeigt())
            texte << g.text;
        EXPECT_EQ(texte, erwartet);
        EXPECT_TRUE(S(k).strDbPfad.isEmpty());
        EXPECT_FALSE(S(k).blnDbGeladen);
        // The copy goes on: its data fields and texts are there, the
        // pictures that could not be loaded are not.
        EXPECT_EQ(Schild(k).DatenfeldZaehlen(), 2);
        EXPECT_EQ(Schild(k).TextZaehlen(), 2);
        EXPECT_EQ(Schild(k).BilderZaehlen(), 0);
    }
}

// A loop-label template with every kind of element and every pseudo field
// the record transfer knows: the copies made from one reading of it equal
// the copy made on its own, and need the disk no more.
TEST_F(KopierenTest, CopiesFromOneReadingEqualTheSingleCopy) {
    const int32_t w = vorlage();
    auto& e = S(w);
    e.blnSchlaufenetikett = true;
    e.sngEtikettBreite = 17.5f;
    e.sngSchildReserve = 2.25f;
    frmLabel& f = Schild(w);
    int32_t x = 0;
    for (const char* c :
         {"<Sorvo-Preis>", "<Bild>", "<Deu Name>", "<Höhe>", "<Höhe Blüten>", "<Durchmesser max>",
          "<Temperatur>", "<Beleuchtung>", "<Bot Name>", "<Duftend>"}) {
        const int32_t d = datenfeld(QString::fromUtf8(c), x, 50, x % 3 == 0 ? 0 : 30);
        f.DatenfeldMaxHoeheSchreiben(d, x % 2 == 0 ? 12 : 0);
        x += 4;
    }
    // A word-wrapped, right-aligned text that runs past the right edge.
    const int32_t t = text(QStringLiteral("Eine sehr lange Zeile, die umbrechen muss"), 90, 60);
    f.lblText(t).setAlignment(1);
    f.lblText(t).setBorderStyle(1);
    P().lngAktivesSchild = w;
    const QString vorlagenZustand = zustand(w);

    VorlageKopieren();
    const QString einzeln = zustand(P().lngAktivesSchild);
    const std::vector<QString> zeilen = strVorlageZeilen();

    P().lngAktivesSchild = w;
    Vorlagenkopie kopie;
    EXPECT_EQ(strVorlageZeilen(), zeilen);
    // Read once: files removed after the reading change no copy.
    QFile::remove(Schild(w).BildPfadLesen(1));
    QFile::remove(S(w).strDbPfad);
    SkriptDialoge d;
    for (int runde = 0; runde < 2; ++runde) {
        SCOPED_TRACE(runde);
        DbProtokoll::aufrufe().clear();
        kopie.kopieren();
        const int32_t k = P().lngAktivesSchild;
        EXPECT_NE(k, w);
        EXPECT_TRUE(Schild(k).isVisible());
        EXPECT_EQ(zustand(k), einzeln);
        EXPECT_TRUE(S(k).blnDbGeladen);
        EXPECT_EQ(DbProtokoll::aufrufe(), QStringList{"DBPreiseLaden"});
    }
    EXPECT_TRUE(d.gezeigt().empty());
    EXPECT_EQ(zustand(w), vorlagenZustand);
}

// What the template shows when the reading is made is what its copies
// show: an edit before the next reading is in the next copies, and a prices
// file bound to the template while copies are made is in the copies after.
TEST_F(KopierenTest, ANewReadingSeesTheEditedTemplate) {
    const int32_t w = vorlage();
    {
        Vorlagenkopie kopie;
        kopie.kopieren();
    }
    frmLabel& f = Schild(w);
    f.lblText(1).setCaption(QStringLiteral("Rosa\r\nrugosa"));
    f.lblDatenfeld(2).setLeft(9);
    f.DatenfeldMaxBreiteSchreiben(2, 25);
    S(w).blnPreisDbGeladen = false;
    P().lngAktivesSchild = w;

    Vorlagenkopie kopie;
    kopie.kopieren();
    const int32_t k = P().lngAktivesSchild;
    EXPECT_EQ(Schild(k).lblText(1).Caption(), "Rosa\r\nrugosa");
    EXPECT_EQ(Schild(k).lblDatenfeld(2).Left(), 9);
    EXPECT_EQ(Schild(k).DatenfeldMaxBreiteLesen(2), "25");
    EXPECT_FALSE(S(k).blnPreisDbGeladen);

    // A prices file bound during the run.
    S(w).blnPreisDbGeladen = true;
    kopie.kopieren();
    const int32_t k2 = P().lngAktivesSchild;
    EXPECT_TRUE(S(k2).blnPreisDbGeladen);
    EXPECT_EQ(S(k2).strPreisSpalte, "Sortennr");
    EXPECT_EQ(S(k2).strPreisDbPfad, S(w).strPreisDbPfad);
}

TEST_F(KopierenTest, TheCopyIsCurrentEvenBelowAHigherOpenWindow) {
    const int32_t w = vorlage();
    P().blnVorlageGeoeffnet = false; // no question for the new labels
    const int32_t zwei = schild();
    schild();
    P().blnVorlageGeoeffnet = true;
    S(zwei).blnGeaendert = false;
    Schild(zwei).schliessen();
    P().lngAktivesSchild = w;
    VorlageKopieren();
    // The lowest free slot, and current although window 3 was shown after it.
    EXPECT_EQ(P().lngAktivesSchild, zwei);
    EXPECT_FALSE(S(zwei).blnSchildFrei);
    EXPECT_EQ(Schild(zwei).TextZaehlen(), 2);
}

TEST_F(KopierenTest, ACopyThatCannotBeReadIsDiscardedAndTheTemplateStaysCurrent) {
    const int32_t w = vorlage();
    // A maximum width the copy's 16-bit field cannot hold: the line is
    // written, reading it back overflows half way through the copy.
    Schild(w).TextMaxBreiteSchreiben(3, 40000);
    const QString vorher = zustand(w);
    int32_t offen = 0;
    int32_t frei = 0; // the slot a new window takes
    for (int32_t i = P().hoechstesSchild(); i >= 1; --i) {
        offen += !S(i).blnSchildFrei;
        if (S(i).blnSchildFrei)
            frei = i;
    }
    if (frei == 0)
        frei = P().hoechstesSchild() + 1;
    DbProtokoll::aufrufe().clear();

    try {
        VorlageKopieren();
        ADD_FAILURE() << "copied";
    } catch (const Laufzeitfehler& f) {
        EXPECT_EQ(f.meldungsText(), "Überlauf (6)");
    }
    // The half-made window is gone, its slot free for the next label; the
    // template is current and as it was, its database still bound.
    EXPECT_EQ(P().lngAktivesSchild, w);
    int32_t danach = 0;
    for (int32_t i = 1; i <= P().hoechstesSchild(); ++i)
        danach += !S(i).blnSchildFrei;
    EXPECT_EQ(danach, offen);
    EXPECT_EQ(zustand(w), vorher);
    EXPECT_TRUE(S(w).blnDbGeladen);
    EXPECT_TRUE(P().blnVorlageGeoeffnet);
    EXPECT_EQ(Schild(w).Caption(), "rosen.vxp (Vorlage)");

    // With the width mended the next copy goes through, into the freed slot.
    Schild(w).TextMaxBreiteSchreiben(3, 40);
    P().lngAktivesSchild = w;
    VorlageKopieren();
    EXPECT_EQ(P().lngAktivesSchild, frei);
    EXPECT_EQ(Schild(frei).TextMaxBreiteLesen(3), "40");
}

} // namespace
} // namespace sorvo::test

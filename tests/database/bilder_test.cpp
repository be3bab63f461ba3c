// Plant pictures: the search through the picture tables, the folder test,
// the choice window, the folder dialogs and placing a picture in a
// generated label.
#include "app/einstellungen.h"
#include "database/bildersuche.h"
#include "database/bildfeld.h"
#include "database/frmBilderAuswahl.h"
#include "database/frmBotrelOrdner.h"
#include "platform/bilddatei.h"
#include "platform/elements.h"
#include "platform/registry.h"
#include "tests/database/bilder_fixture.h"
#include "tests/support/benennung.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace sorvo::test {

namespace {

const QString kOrdnerFrage =
    QStringLiteral("Der Ordner in der sich die Botrel-Bilder befinden ist nicht bekannt!\r"
                   "Soll der Ordner jetzt gesucht werden?");

} // namespace

// --- The search ------------------------------------------------------------

struct SuchFall {
    const char* name;
    const char* art;
    long artnr;
    QStringList dateien; // below the picture tree, in the order found
};
inline void PrintTo(const SuchFall& f, std::ostream* os) {
    *os << f.name;
}

class Bildersuche : public BilderTest, public ::testing::WithParamInterface<SuchFall> {};

TEST_P(Bildersuche, FindsTheExistingFilesOfTheRecordInTableOrder) {
    const SuchFall& fall = GetParam();
    const int32_t n = schildMitFeldern();
    binden(n, QString::fromLatin1(fall.art));
    datensatz(fall.artnr);
    w().strBilderUebergabe = QString::number(fall.artnr);
    w().strBotrelBild = QStringLiteral("vorher");
    for (int lauf = 0; lauf < 2; ++lauf) {
        const auto bilder = pflanzenBilder(w(), QString::fromLatin1(fall.art));
        QStringList gefunden;
        for (const auto& b : bilder)
            gefunden << relativ(b.pfad);
        EXPECT_EQ(gefunden, fall.dateien) << "run " << lauf;
        EXPECT_EQ(ArtikelBilderZaehlen(w()), fall.dateien.size());
    }
    // Only a single picture is handed over at once.
    EXPECT_EQ(w().strBotrelBild,
              fall.dateien.size() == 1 ? baum() + fall.dateien.front() : QStringLiteral("vorher"));
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, Bildersuche,
    ::testing::Values(
        SuchFall{"OnePicture", "vxt", 1001, {"topfpflanzen/0054005.jpg"}},
        SuchFall{"GStopsAtNullDSkipsNullAndMissingFiles",
                 "vxt",
                 1002,
                 {"topfpflanzen/g1.jpg", "topfpflanzen/g2.JPG", "topfpflanzen/d2.jpg",
                  "topfpflanzen/d5.jpg"}},
        SuchFall{"NamesLeavingTheFolderAreNoPicture", "vxt", 1003, {}},
        SuchFall{"NamedFileMissing", "vxt", 1004, {}}, SuchFall{"NoRow", "vxt", 1005, {}},
        SuchFall{"TenPicturesGBeforeD",
                 "vxt",
                 1006,
                 {"topfpflanzen/p1.jpg", "topfpflanzen/p2.jpg", "topfpflanzen/p3.jpg",
                  "topfpflanzen/p4.jpg", "topfpflanzen/p5.jpg", "topfpflanzen/p6.jpg",
                  "topfpflanzen/p7.jpg", "topfpflanzen/p8.jpg", "topfpflanzen/p9.jpg",
                  "topfpflanzen/p10.jpg"}},
        SuchFall{"ArticleNumberBeyondSixteenBits", "vxt", 100000, {"topfpflanzen/gross.jpg"}},
        SuchFall{"FolderAndFileInOtherLetterCase", "vxa", 1001, {"APFEL/0054005.Jpg"}},
        SuchFall{"CemeteryWoodyPlant", "vxf", 1001, {"gehoelze/0054005.jpg"}},
        SuchFall{"CemeteryPerennial", "vxf", 1002, {"stauden/g1.jpg"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(BilderTest, NoArticleNumberSearchesNothing) {
    const int32_t n = schildMitFeldern();
    binden(n, QStringLiteral("vxt"));
    w().strBilderUebergabe.clear();
    EXPECT_EQ(ArtikelBilderZaehlen(w()), 0);
    w().strBilderUebergabe = QStringLiteral("1001; DROP");
    EXPECT_EQ(ArtikelBilderZaehlen(w()), 0);
    // Article 1001 has one picture; a text that only begins with its number
    // names no article, also when a NUL follows the digits.
    const struct {
        QString artnr;
        int bilder;
    } faelle[] = {
        {QStringLiteral(" 1001 "), 1},
        {QString::fromUtf16(u"1001\0 9", 7), 0},
        {QString::fromUtf16(u"1001\0", 5), 0},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.artnr.size());
        w().strBilderUebergabe = f.artnr;
        EXPECT_EQ(ArtikelBilderZaehlen(w()), f.bilder);
    }
}

// The choice window's search reports it; the transfer's count leaves it to
// the transfer, which tells it once for all records.
TEST_F(BilderTest, MissingPictureTableIsOneMessageAndNoPicture) {
    const int32_t n = schildMitFeldern();
    binden(n, QStringLiteral("vxt"));
    // The own database has no picture tables.
    w().Data1->setDatabaseName(eigene());
    w().Data1->setRecordSource(QStringLiteral("Meine Pflanzen"));
    w().Data1->refresh();
    w().strBilderUebergabe = QStringLiteral("1001");
    SkriptDialoge d;
    d.meldung(Antwort::OK);
    EXPECT_TRUE(pflanzenBilder(w(), QStringLiteral("vxt")).empty());
    EXPECT_THROW(ArtikelBilderZaehlen(w()), jet::JetError);
    ASSERT_EQ(d.gezeigt().size(), 1u);
    EXPECT_EQ(d.gezeigt()[0].titel, "Laufzeitfehler");
    EXPECT_TRUE(d.gezeigt()[0].text.contains(QStringLiteral("Topfpfl_Bilder")))
        << d.gezeigt()[0].text.toStdString();
}

// --- The folder marker -----------------------------------------------------

struct MarkenFall {
    const char* name;
    QStringList dateien; // files below the folder
    QStringList ordner;  // empty folders below it
    bool gueltig;
};
inline void PrintTo(const MarkenFall& f, std::ostream* os) {
    *os << f.name;
}

class Bilderordner : public BilderTest, public ::testing::WithParamInterface<MarkenFall> {};

TEST_P(Bilderordner, IsRecognisedByItsMarker) {
    const MarkenFall& fall = GetParam();
    QTemporaryDir d;
    for (const QString& o : fall.ordner)
        QDir(d.path()).mkpath(o);
    for (const QString& f : fall.dateien) {
        QDir(d.path()).mkpath(QFileInfo(f).path());
        QFile datei(d.filePath(f));
        ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
    }
    EXPECT_EQ(bilderOrdnerMarke(d.path() + QLatin1Char('/')), fall.gueltig);
    P().strBotrelBilderVerz = d.path() + QLatin1Char('/');
    EXPECT_EQ(BilderOrdnerPruefen(), fall.gueltig);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, Bilderordner,
    ::testing::Values(MarkenFall{"MarkerFileOnly", {"topfpflanzen/0054005.jpg"}, {}, true},
                      MarkenFall{"AbuFileOnly", {"topfpflanzen/abutilon.jpg"}, {}, true},
                      MarkenFall{"OtherLetterCase", {"TopfPflanzen/ABU1.JPG"}, {}, true},
                      MarkenFall{"AbuIsAFolder", {}, {"topfpflanzen/abu"}, false},
                      MarkenFall{"OtherFilesOnly", {"topfpflanzen/xabu.jpg"}, {}, false},
                      MarkenFall{"NoSubFolder", {"0054005.jpg", "abu.jpg"}, {}, false}),
    [](const auto& info) { return std::string(info.param.name); });

// --- The choice window -----------------------------------------------------

class Bildauswahl : public BilderTest {
protected:
    std::unique_ptr<frmBilderAuswahl> fenster(long artnr) {
        // Several windows in one test: each is bound as the only template.
        P().blnVorlageGeoeffnet = false;
        const int32_t n = schildMitFeldern();
        binden(n, QStringLiteral("vxt"));
        datensatz(artnr);
        w().strBilderUebergabe = QString::number(artnr);
        auto f = std::make_unique<frmBilderAuswahl>(w());
        f->Form_Load();
        return f;
    }
};

TEST_F(Bildauswahl, ShowsGBeforeDWithTheirCaptions) {
    auto f = fenster(1002);
    EXPECT_EQ(f->windowTitle(), "Bild aussuchen");
    ASSERT_EQ(f->BilderAnzahl(), 4);
    const QStringList dateien{"g1.jpg", "g2.JPG", "d2.jpg", "d5.jpg"};
    const QStringList texte{"Erstes G", "", "Zweites D", "Fünftes D"};
    for (int i = 0; i < 10; ++i) {
        const bool voll = i < 4;
        EXPECT_EQ(f->belegt(i), voll) << i;
        EXPECT_EQ(f->imgBotrelBild[static_cast<size_t>(i)]->isVisibleTo(f.get()), voll) << i;
        EXPECT_EQ(f->lblBilderText[static_cast<size_t>(i)]->text(), voll ? texte[i] : QString())
            << i;
        if (voll) {
            EXPECT_EQ(QFileInfo(f->bildPfad(i)).fileName(), dateien[i]);
        }
    }
    EXPECT_FALSE(f->cmdOK->isEnabled());
}

TEST_F(Bildauswahl, OnlyTheLastClickedSlotIsTakenAndEmptySlotsIgnoreClicks) {
    auto f = fenster(1006);
    ASSERT_EQ(f->BilderAnzahl(), 10);
    f->imgBotrelBild_Click(3);
    f->imgBotrelBild_Click(7);
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(f->imgBotrelBild[static_cast<size_t>(i)]->frameShape() == QFrame::Box, i == 7);
    f->cmdOK->click();
    EXPECT_EQ(QFileInfo(w().strBotrelBild).fileName(), "p8.jpg");
    EXPECT_EQ(f->result(), QDialog::Accepted);

    auto g = fenster(1002);
    g->imgBotrelBild_Click(6);
    EXPECT_FALSE(g->cmdOK->isEnabled());
    g->imgBotrelBild_Click(1);
    w().strBotrelBild = QStringLiteral("vorher");
    g->cmdAbbrechen->click();
    EXPECT_EQ(w().strBotrelBild, "");
}

TEST_F(Bildauswahl, EscapeTakesNoPictureTheCloseBoxLeavesTheChoice) {
    struct Fall {
        const char* name;
        bool escape;
        const char* danach;
    };
    for (const Fall& fall : {Fall{"escape", true, ""}, Fall{"close box", false, "vorher"}}) {
        SCOPED_TRACE(fall.name);
        auto f = fenster(1002);
        f->imgBotrelBild_Click(0);
        w().strBotrelBild = QStringLiteral("vorher");
        SkriptDialoge d;
        d.fenster([&](QDialog& fenster) {
            if (fall.escape) {
                QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
                QApplication::sendEvent(&fenster, &esc);
            }
        });
        EXPECT_EQ(dialoge().fensterModal(*f), QDialog::Rejected);
        EXPECT_EQ(w().strBotrelBild, fall.danach);
    }
}

TEST_F(Bildauswahl, OnePictureIsTakenAtOnceAndNoneBeeps) {
    {
        auto f = fenster(1001);
        SkriptDialoge d;
        d.fenster([](QDialog&) {});
        EXPECT_EQ(dialoge().fensterModal(*f), QDialog::Accepted);
        EXPECT_EQ(w().strBotrelBild, baum() + "topfpflanzen/0054005.jpg");
    }
    auto f = fenster(1005);
    SkriptDialoge d;
    d.fenster([&](QDialog& fenster) {
        EXPECT_TRUE(fenster.isVisible());
        EXPECT_EQ(m_pieptoene, 1);
    });
    dialoge().fensterModal(*f);
    EXPECT_FALSE(f->cmdOK->isEnabled());
}

TEST_F(Bildauswahl, UnknownFolderAskedAndDeclinedSearchesNothing) {
    P().strBotrelBilderVerz.clear();
    SkriptDialoge d;
    d.meldung(Antwort::No);
    auto f = fenster(1002);
    ASSERT_EQ(d.gezeigt().size(), 1u);
    EXPECT_EQ(d.gezeigt()[0].text, kOrdnerFrage);
    EXPECT_EQ(d.gezeigt()[0].stil, 36);
    EXPECT_EQ(d.gezeigt()[0].titel, "Sorvo");
    EXPECT_EQ(f->BilderAnzahl(), 0);
    EXPECT_FALSE(f->belegt(0));
}

struct VorschauFall {
    const char* name;
    QSize px;
    int dpi;
    int nummer;
    QRectF twips; // the slot's place in the frame
};
inline void PrintTo(const VorschauFall& f, std::ostream* os) {
    *os << f.name;
}

class Bildvorschau : public BilderTest, public ::testing::WithParamInterface<VorschauFall> {};

TEST_P(Bildvorschau, ScalesThePictureIntoItsSlot) {
    const VorschauFall& fall = GetParam();
    const QString pfad = jpeg(QStringLiteral("vorschau.jpg"), fall.px, fall.dpi);
    frmBilderAuswahl f(w());
    f.Vorschau(pfad, fall.nummer);
    const QRectF r = f.slotTwips(fall.nummer);
    EXPECT_NEAR(r.left(), fall.twips.left(), 0.05);
    EXPECT_NEAR(r.top(), fall.twips.top(), 0.05);
    EXPECT_NEAR(r.width(), fall.twips.width(), 0.05);
    EXPECT_NEAR(r.height(), fall.twips.height(), 0.05);
}

// At 144 dpi a pixel is 10 twips.
INSTANTIATE_TEST_SUITE_P(
    Faelle, Bildvorschau,
    ::testing::Values(
        VorschauFall{"Square", {300, 300}, 144, 3, {120 + 3 * 1740, 240, 1500, 1500}},
        VorschauFall{"Tall", {100, 300}, 144, 0, {120 + 532.5, 240, 435, 1305}},
        VorschauFall{"AtTheThreshold", {150, 186}, 144, 4, {120 + 4 * 1740, 240, 1500, 1860}},
        VorschauFall{"BottomRowUnderTheTop", {300, 300}, 144, 5, {120, 2280, 1500, 1500}},
        VorschauFall{"NoResolutionIs96Dpi", {200, 200}, 0, 1, {1860, 240, 1500, 1500}}),
    [](const auto& info) { return std::string(info.param.name); });

// --- The folder dialogs ----------------------------------------------------

class Ordnerdialog : public BilderTest {
protected:
    void eingeben(frmBotrelOrdner& d, const QString& text) {
        d.txtVerzeichnis->setText(text);
        emit d.txtVerzeichnis->returnPressed();
    }
};

TEST_F(Ordnerdialog, EnterChecksTheTypedFolderWithASeparatorAppended) {
    P().strBotrelBilderVerz.clear();
    frmBotrelBilder d;
    EXPECT_EQ(d.windowTitle(), "Botrel- Bilder suchen");
    EXPECT_FALSE(d.cmdOK->isEnabled());
    m_pieptoene = 0;
    eingeben(d, m_baum.path());
    EXPECT_EQ(d.txtBotrelBildVerzeichnis->text(), baum());
    EXPECT_EQ(d.lblGefunden->text(), "gefunden");
    EXPECT_EQ(d.lblGefunden->palette().color(QPalette::WindowText), QColor(Qt::black));
    EXPECT_TRUE(d.cmdOK->isEnabled());
    EXPECT_EQ(m_pieptoene, 1);
    eingeben(d, QString());
    EXPECT_EQ(d.txtBotrelBildVerzeichnis->text(), "/");
    EXPECT_EQ(d.lblGefunden->text(), "nicht gefunden");
    EXPECT_EQ(d.lblGefunden->palette().color(QPalette::WindowText), QColor(0x40, 0x40, 0x40));
    EXPECT_FALSE(d.cmdOK->isEnabled());
    EXPECT_EQ(m_pieptoene, 1);
}

TEST_F(Ordnerdialog, OkChecksTextEditedAfterTheCheckAgain) {
    P().strBotrelBilderVerz = QStringLiteral("/vorher/");
    frmBotrelBilder d;
    eingeben(d, m_baum.path());
    ASSERT_TRUE(d.cmdOK->isEnabled());
    // Edited without Enter: no longer the picture folder.
    d.txtBotrelBildVerzeichnis->setText(m_baum.filePath(QStringLiteral("stauden")));
    d.show();
    d.cmdOK->click();
    EXPECT_TRUE(d.isVisible());
    EXPECT_EQ(P().strBotrelBilderVerz, "/vorher/");
    EXPECT_EQ(d.lblGefunden->text(), "nicht gefunden");
    EXPECT_FALSE(d.cmdOK->isEnabled());
    // Edited to another form of the same folder: stored as checked.
    eingeben(d, m_baum.path());
    d.txtBotrelBildVerzeichnis->setText(m_baum.path());
    d.cmdOK->click();
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(P().strBotrelBilderVerz, baum());
    // The settings save the checked folder.
    EinstellungenSpeichern(*m_mdi);
    EXPECT_EQ(
        RegStringLesen(HKEY_LOCAL_MACHINE, kSchluesselPfade, QStringLiteral("Botrel-Bilder-Verz")),
        baum());
}

TEST_F(Ordnerdialog, OpeningShowsAndChecksTheStoredFolder) {
    m_pieptoene = 0;
    frmBotrelBilder d;
    EXPECT_EQ(d.txtBotrelBildVerzeichnis->text(), baum());
    d.Form_Activate();
    EXPECT_EQ(QDir(d.txtBotrelBildVerzeichnis->text()), QDir(baum()));
    EXPECT_EQ(d.lblGefunden->text(), "gefunden");
    EXPECT_GE(m_pieptoene, 1);
}

TEST_F(Ordnerdialog, ProgramFolderOkStoresItAndEnablesTheStartEntry) {
    jpeg(QStringLiteral("programm/botrel3.exe"), {1, 1});
    const QString programm = m_baum.filePath(QStringLiteral("programm"));
    m_mdi->menuAktivSetzen(QStringLiteral("mnuBotrelStarten"), false);
    P().strBotrelVerz.clear();
    {
        frmBotrelSuche d;
        EXPECT_EQ(d.windowTitle(), "Botrel suchen");
        eingeben(d, programm);
        d.cmdAbbrechen->click();
        EXPECT_EQ(P().strBotrelVerz, "");
        EXPECT_FALSE(m_mdi->menuAktiv(QStringLiteral("mnuBotrelStarten")));
    }
    frmBotrelSuche d;
    eingeben(d, programm);
    EXPECT_EQ(d.lblGefunden->text(), "gefunden");
    d.cmdOK->click();
    EXPECT_EQ(P().strBotrelVerz, programm + QLatin1Char('/'));
    EXPECT_TRUE(m_mdi->menuAktiv(QStringLiteral("mnuBotrelStarten")));
    // Opened again, it starts at the stored folder and finds it.
    frmBotrelSuche wieder;
    wieder.Form_Activate();
    EXPECT_EQ(QDir(wieder.txtBotrelVerzeichnis->text()), QDir(programm));
    EXPECT_EQ(wieder.lblGefunden->text(), "gefunden");
}

// Assistive technology hears the status as what it says, not as the
// caption beside it.
TEST_F(Ordnerdialog, TheStatusIsAnnouncedAsItsOwnText) {
    jpeg(QStringLiteral("programm/botrel3.exe"), {1, 1});
    frmBotrelSuche d;
    QAccessibleInterface* status = QAccessible::queryAccessibleInterface(d.lblGefunden);
    ASSERT_NE(status, nullptr);
    eingeben(d, m_baum.filePath(QStringLiteral("leer")));
    EXPECT_EQ(status->text(QAccessible::Name), QStringLiteral("nicht gefunden"));
    eingeben(d, m_baum.filePath(QStringLiteral("programm")));
    EXPECT_EQ(status->text(QAccessible::Name), QStringLiteral("gefunden"));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(d.lblStatus)->text(QAccessible::Name),
              QStringLiteral("Status :"));
}

TEST_F(Ordnerdialog, MenuEntriesOpenTheTwoDialogs) {
    SkriptDialoge d;
    d.fenster([](QDialog&) {}).fenster([](QDialog&) {});
    m_mdi->menu(QStringLiteral("mnuBotrelSuchen"))->trigger();
    m_mdi->menu(QStringLiteral("mnuBotrelBilderSuchen"))->trigger();
    ASSERT_EQ(d.gezeigt().size(), 2u);
    EXPECT_EQ(d.gezeigt()[0].text, "frmBotrelSuche");
    EXPECT_EQ(d.gezeigt()[1].text, "frmBotrelBilder");
    EXPECT_EQ(d.gezeigt()[1].titel, "Botrel- Bilder suchen");
}

TEST_F(Ordnerdialog, CaptionsNameTheirControlsInTheDialogsFont) {
    frmBotrelBilder d;
    benennungenPruefen(d, {{d.txtVerzeichnis, "lblOrdner", "Ordner :"}});
    struct Fall {
        const QLabel* label;
        const char* name;
        bool fett;
    };
    for (const Fall& f :
         {Fall{d.lblUeberschrift, "lblUeberschrift", true},
          Fall{d.lblGefunden, "lblGefunden", true}, Fall{d.lblStatus, "lblStatus", false},
          Fall{d.lblOrdner, "lblOrdner", false}}) {
        SCOPED_TRACE(f.name);
        EXPECT_EQ(f.label->objectName(), f.name);
        EXPECT_EQ(f.label->font().family(), "MS Sans Serif");
        EXPECT_DOUBLE_EQ(f.label->font().pointSizeF(), 9.75);
        EXPECT_EQ(f.label->font().bold(), f.fett);
    }
}

TEST_F(Bildauswahl, ButtonsAreReadWithoutTheirMnemonic) {
    auto f = fenster(1002);
    EXPECT_EQ(f->cmdAbbrechen->objectName(), "cmdAbbrechen");
    EXPECT_EQ(f->cmdAbbrechen->text(), "&Kein Bild nehmen");
    EXPECT_EQ(f->cmdAbbrechen->accessibleName(), "Kein Bild nehmen");
    EXPECT_FALSE(f->cmdAbbrechen->autoDefault());
    EXPECT_EQ(f->cmdOK->objectName(), "cmdOK");
    EXPECT_EQ(f->cmdOK->accessibleName(), "OK");
    EXPECT_TRUE(f->cmdOK->isDefault());
    // Placed by hand in the window itself.
    EXPECT_EQ(f->cmdOK->parentWidget(), f.get());
}

// --- Placing the picture ---------------------------------------------------

class Bildfeld : public BilderTest {
protected:
    // A label window 100 x 75 mm bound to the picture database, with a
    // "<Bild>" data field at links, oben; Data1 on record artnr.
    int32_t schild(long artnr, double links = 10, double oben = 5, int ausrichtung = 0) {
        // Several windows in one test: each is bound as the only template.
        P().blnVorlageGeoeffnet = false;
        const int32_t n = schildMitFeldern({QStringLiteral("<Bild>")});
        binden(n, QStringLiteral("vxt"));
        datensatz(artnr);
        P().lngAktivesSchild = n;
        Beschriftung& f = Schild(n).lblDatenfeld(1);
        f.setLeft(links);
        f.setTop(oben);
        f.setAlignment(ausrichtung);
        return n;
    }
    // The pictures of window n that are in use.
    std::vector<int32_t> bilder(int32_t n) const {
        std::vector<int32_t> b;
        for (int32_t i = 1; i <= Schild(n).hoechstesBild(); ++i)
            if (Schild(n).BildStatusLesen(i))
                b.push_back(i);
        return b;
    }
};

struct MassFall {
    const char* name;
    int32_t maxBreite, maxHoehe;
    double links;
    int ausrichtung;
    QRectF mm; // left, top, width, height of the picture
};
inline void PrintTo(const MassFall& f, std::ostream* os) {
    *os << f.name;
}

class Bildmasse : public Bildfeld, public ::testing::WithParamInterface<MassFall> {};

TEST_P(Bildmasse, StartsAtHalfSizeAndFitsTheBox) {
    const MassFall& fall = GetParam();
    // The record's picture is 81 x 61 mm.
    const int32_t n = schild(1001, fall.links, 5, fall.ausrichtung);
    BildFeldFuellen(w(), n, 1, fall.maxBreite, fall.maxHoehe);
    ASSERT_EQ(bilder(n).size(), 1u);
    const Bild& b = Schild(n).imgBild(bilder(n).front());
    EXPECT_DOUBLE_EQ(b.Left(), fall.mm.left());
    EXPECT_DOUBLE_EQ(b.Top(), fall.mm.top());
    EXPECT_DOUBLE_EQ(b.Width(), fall.mm.width());
    EXPECT_DOUBLE_EQ(b.Height(), fall.mm.height());
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, Bildmasse,
    ::testing::Values(MassFall{"MaxWidth", 50, 0, 10, 0, {10, 5, 50, 38}},
                      MassFall{"MaxWidthAndHeight", 50, 30, 10, 0, {10, 5, 40, 30}},
                      MassFall{"MaxHeightOnly", 0, 25, 10, 0, {10, 5, 33, 25}},
                      MassFall{"EnlargedToTheBox", 70, 0, 10, 0, {10, 5, 70, 53}},
                      MassFall{"NoMaximumFits", 0, 0, 10, 0, {10, 5, 40.5, 30.5}},
                      MassFall{"NoMaximumPastTheEdge", 0, 0, 70.3, 0, {70, 5, 30, 23}},
                      MassFall{"CentredInMaxWidth", 60, 30, 12.4, 2, {22, 5, 40, 30}},
                      MassFall{"CentredWithoutMaximum", 0, 0, 20.3, 2, {0, 5, 40.5, 30.5}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Bildfeld, OnePictureIsPlacedWithoutAQuestion) {
    const int32_t n = schild(1001);
    SkriptDialoge d; // nothing is asked
    BildFeldFuellen(w(), n, 1, 0, 0);
    ASSERT_EQ(bilder(n).size(), 1u);
    const int32_t i = bilder(n).front();
    const Bild& b = Schild(n).imgBild(i);
    EXPECT_EQ(Schild(n).BildPfadLesen(i), baum() + "topfpflanzen/0054005.jpg");
    EXPECT_TRUE(b.Visible());
    EXPECT_EQ(b.Picture().size(), QSize(810, 610));
    EXPECT_FALSE(Schild(n).DatenfeldStatusLesen(1));
    EXPECT_TRUE(d.gezeigt().empty());
}

TEST_F(Bildfeld, TheRecordTransferPlacesEachRecordsPicture) {
    // 1001 has one picture, 1004 names a file that is not there.
    const int32_t n = schild(1001);
    SkriptDialoge d; // nothing is asked
    uebertragen({1001, 1004});
    const std::vector<int32_t> neu = erzeugte();
    ASSERT_EQ(neu.size(), 2u);
    std::vector<QString> pfade;
    for (int32_t g : neu) {
        EXPECT_EQ(Schild(g).DatenfeldZaehlen(), 0) << g;
        for (int32_t i : bilder(g))
            pfade.push_back(Schild(g).BildPfadLesen(i));
    }
    EXPECT_EQ(pfade, std::vector<QString>{baum() + "topfpflanzen/0054005.jpg"});
    // The template keeps its field and gets no picture.
    EXPECT_TRUE(Schild(n).DatenfeldStatusLesen(1));
    EXPECT_TRUE(bilder(n).empty());
    EXPECT_TRUE(d.gezeigt().empty());
}

TEST_F(Bildfeld, SeveralPicturesAskTheChoiceWindow) {
    struct Fall {
        const char* name;
        int slot; // -1: "Kein Bild nehmen"
        const char* datei;
    };
    for (const Fall& fall : {Fall{"second", 1, "g2.JPG"}, Fall{"none", -1, nullptr}}) {
        SCOPED_TRACE(fall.name);
        const int32_t n = schild(1002);
        SkriptDialoge d;
        d.fenster([&](QDialog& f) {
            auto& a = dynamic_cast<frmBilderAuswahl&>(f);
            EXPECT_EQ(a.BilderAnzahl(), 4);
            if (fall.slot < 0) {
                a.cmdAbbrechen->click();
            } else {
                a.imgBotrelBild_Click(fall.slot);
                a.cmdOK->click();
            }
        });
        BildFeldFuellen(w(), n, 1, 0, 0);
        EXPECT_EQ(d.gezeigt().size(), 1u);
        EXPECT_FALSE(Schild(n).DatenfeldStatusLesen(1));
        if (!fall.datei) {
            EXPECT_TRUE(bilder(n).empty());
            continue;
        }
        ASSERT_EQ(bilder(n).size(), 1u);
        EXPECT_EQ(QFileInfo(Schild(n).BildPfadLesen(bilder(n).front())).fileName(), fall.datei);
    }
}

TEST_F(Bildfeld, WithoutAPictureTheFieldIsRemovedSilently) {
    for (long artnr : {1003L, 1004L, 1005L, 1007L}) {
        SCOPED_TRACE(artnr);
        const int32_t n = schild(artnr);
        SkriptDialoge d;
        BildFeldFuellen(w(), n, 1, 50, 0);
        EXPECT_TRUE(bilder(n).empty());
        EXPECT_FALSE(Schild(n).DatenfeldStatusLesen(1));
        EXPECT_TRUE(d.gezeigt().empty());
    }
}

// A picture file that is there but cannot be read leaves its label without
// a picture and is named once at the end of the transfer; one whose header
// states a size beyond reason is not decoded at all.
TEST_F(Bildfeld, UnreadablePicturesAreNamedOncePerTransfer) {
    const QString bild = baum() + "topfpflanzen/0054005.jpg";
    const QString kaputt = baum() + "topfpflanzen/kaputt.jpg";
    QFile echt(bild);
    ASSERT_TRUE(echt.open(QIODevice::ReadOnly));
    const QByteArray jpegBytes = echt.readAll();
    echt.close();
    // The same JPEG with 60000 x 60000 pixels in its frame header.
    QByteArray riesig = jpegBytes;
    const qsizetype sof = riesig.indexOf("\xFF\xC0");
    ASSERT_GT(sof, 0);
    for (const qsizetype o : {sof + 5, sof + 7}) {
        riesig[o] = static_cast<char>(60000 >> 8);
        riesig[o + 1] = static_cast<char>(60000 & 0xFF);
    }
    const struct {
        const char* name;
        QByteArray inhalt;
    } faelle[] = {{"empty", {}}, {"text", "kein Bild"}, {"60000 x 60000", riesig}};
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.name);
        QFile f(bild);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(fall.inhalt);
        f.close();
        // The header states the size, and nothing is decoded.
        if (fall.inhalt == riesig) {
            EXPECT_EQ(QImageReader(bild).size(), QSize(60000, 60000));
        }
        EXPECT_FALSE(bildPixel(bild).has_value());
        EXPECT_TRUE(bildLaden(bild).isNull());

        schild(1001);
        SkriptDialoge d;
        d.meldung(Antwort::OK);
        uebertragen({1001, 1007});
        ASSERT_EQ(d.gezeigt().size(), 1u);
        EXPECT_EQ(d.gezeigt()[0].titel, "Bilder nicht lesbar!");
        const QStringList zeilen = d.gezeigt()[0].text.split(QLatin1Char('\r'));
        EXPECT_EQ(zeilen.mid(1), (QStringList{bild, kaputt}));
        const std::vector<int32_t> neu = erzeugte();
        ASSERT_GE(neu.size(), 2u);
        for (const int32_t g : {neu[neu.size() - 2], neu.back()}) {
            EXPECT_TRUE(bilder(g).empty()) << g;
            EXPECT_EQ(Schild(g).DatenfeldZaehlen(), 0) << g;
        }
    }
    // The file as it was reads again.
    QFile f(bild);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(jpegBytes);
    f.close();
    EXPECT_EQ(bildPixel(bild), QSize(810, 610));
}

TEST_F(Bildfeld, UnknownFolderIsAskedFor) {
    struct Fall {
        const char* name;
        Antwort antwort;
        bool ordnerWaehlen; // in the folder dialog
        bool bild;
    };
    for (const Fall& fall : {Fall{"declined", Antwort::No, false, false},
                             Fall{"dialog cancelled", Antwort::Yes, false, false},
                             Fall{"folder found", Antwort::Yes, true, true}}) {
        SCOPED_TRACE(fall.name);
        P().strBotrelBilderVerz = m_baum.filePath(QStringLiteral("stauden/"));
        const int32_t n = schild(1001);
        SkriptDialoge d;
        d.meldung(fall.antwort);
        if (fall.antwort == Antwort::Yes)
            d.fenster([&](QDialog& f) {
                auto& o = dynamic_cast<frmBotrelBilder&>(f);
                if (!fall.ordnerWaehlen) {
                    o.cmdAbbrechen->click();
                    return;
                }
                o.txtBotrelBildVerzeichnis->setText(m_baum.path());
                emit o.txtBotrelBildVerzeichnis->returnPressed();
                o.cmdOK->click();
            });
        BildFeldFuellen(w(), n, 1, 0, 0);
        ASSERT_GE(d.gezeigt().size(), 1u);
        EXPECT_EQ(d.gezeigt()[0].text, kOrdnerFrage);
        EXPECT_EQ(d.gezeigt()[0].stil, 36);
        EXPECT_EQ(bilder(n).size(), fall.bild ? 1u : 0u);
        EXPECT_FALSE(Schild(n).DatenfeldStatusLesen(1));
        EXPECT_EQ(P().strBotrelBilderVerz,
                  fall.bild ? baum() : m_baum.filePath(QStringLiteral("stauden/")));
    }
}

TEST_F(Bildfeld, TwoPictureFieldsGetAPictureEach) {
    P().blnVorlageGeoeffnet = false;
    const int32_t n = schildMitFeldern({QStringLiteral("<Bild>"), QStringLiteral("<Bild>")});
    binden(n, QStringLiteral("vxt"));
    datensatz(1001);
    Schild(n).lblDatenfeld(2).setTop(40);
    BildFeldFuellen(w(), n, 1, 0, 0);
    BildFeldFuellen(w(), n, 2, 0, 0);
    const auto b = bilder(n);
    ASSERT_EQ(b.size(), 2u);
    EXPECT_EQ(Schild(n).imgBild(b[0]).Top(), 0);
    EXPECT_EQ(Schild(n).imgBild(b[1]).Top(), 40);
    for (int32_t i : b)
        EXPECT_EQ(Schild(n).BildPfadLesen(i), baum() + "topfpflanzen/0054005.jpg");
}

TEST_F(Bildfeld, PictureTakesTheFieldsPlaceInTheStackingOrder) {
    const int32_t n = schildMitFeldern({});
    binden(n, QStringLiteral("vxt"));
    datensatz(1001);
    frmLabel& f = Schild(n);
    ASSERT_TRUE(f.TextNeu());
    ASSERT_TRUE(f.DatenfeldNeu());
    const int32_t j = S(n).lngAktuellesDatenfeld;
    f.lblDatenfeld(j).setCaption(QStringLiteral("<Bild>"));
    ASSERT_TRUE(f.TextNeu());
    const std::vector<int32_t> vorher(S(n).lngReihenfolge.begin() + 1,
                                      S(n).lngReihenfolge.begin() + 1 + S(n).lngReihenfolgeAnzahl);
    ASSERT_EQ(vorher, (std::vector<int32_t>{11, Elementcode(ArtDatenfeld, j), 12}));
    BildFeldFuellen(w(), n, j, 0, 0);
    const std::vector<int32_t> nachher(S(n).lngReihenfolge.begin() + 1,
                                       S(n).lngReihenfolge.begin() + 1 + S(n).lngReihenfolgeAnzahl);
    EXPECT_EQ(nachher, (std::vector<int32_t>{11, Elementcode(ArtBild, bilder(n).front()), 12}));
}

TEST_F(Bildfeld, FullLabelLeavesEveryPictureAsItWas) {
    const int32_t n = schild(1001);
    frmLabel& f = Schild(n);
    for (int k = 0; k < P().lngMaxBilder; ++k) {
        ASSERT_TRUE(f.BildNeu());
        const int32_t i = S(n).lngAktuellesBild;
        f.BildPfadSchreiben(i, QStringLiteral("/alt/%1.jpg").arg(i));
        f.imgBild(i).setLeft(k);
        f.imgBild(i).setTop(1);
        f.imgBild(i).setWidth(7);
        f.imgBild(i).setHeight(3);
    }
    const auto reihenfolge = S(n).lngReihenfolge;
    SkriptDialoge d;
    d.meldung(Antwort::OK);
    BildFeldFuellen(w(), n, 1, 50, 30);
    EXPECT_EQ(d.gezeigt().back().text, "Zu viele Bilder!");
    ASSERT_EQ(bilder(n).size(), 30u);
    int k = 0;
    for (int32_t i : bilder(n)) {
        const Bild& b = f.imgBild(i);
        EXPECT_EQ(f.BildPfadLesen(i), QStringLiteral("/alt/%1.jpg").arg(i));
        EXPECT_EQ(b.rechteck(), QRectF(k++, 1, 7, 3)) << i;
    }
    EXPECT_FALSE(f.DatenfeldStatusLesen(1));
    EXPECT_EQ(S(n).lngReihenfolgeAnzahl, 30);
}

} // namespace sorvo::test

// Printing as a user reaches it from the main window: the printer set-up to
// a PDF file, "Schild drucken", the print settings from the menu and from
// the preview, a loop label made through "Neu", and all generated labels as
// one print job.
#include "app/einstellungen.h"
#include "label/frmNeu.h"
#include "label/unterprogramme.h"
#include "platform/elements.h"
#include "platform/registry.h"
#include "print/drucker.h"
#include "print/frmDrucker.h"
#include "print/frmSchlaufenetikett.h"
#include "print/frmVorschau.h"
#include "template/vorlage.h"
#include "tests/app/mdi_fixture.h"
#include "tests/label/schild_fixture.h"
#include "tests/support/dateigrenze.h"
#include "tests/support/pdf_lesen.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>

namespace sorvo::test {
namespace {

constexpr double kGenau = 0.2; // mm

// The shown window of a kind, wherever it was opened.
template <class T> T* offen() {
    for (QWidget* w : QApplication::allWidgets())
        if (auto* t = qobject_cast<T*>(w); t && t->isVisible())
            return t;
    return nullptr;
}

bool istRot(QColor c) {
    return c.red() > 200 && c.green() < 80 && c.blue() < 80;
}

// The box around the red pixels of a picture.
QRect rotUmriss(const QImage& img) {
    QRect r;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (istRot(img.pixelColor(x, y)))
                r |= QRect(x, y, 1, 1);
    return r;
}

class DruckenTest : public MdiTest {
protected:
    void TearDown() override {
        vorschauEntladen();
        for (QWidget* w : QApplication::topLevelWidgets())
            if (qobject_cast<frmDrucker*>(w) || qobject_cast<frmSchlaufenetikett*>(w) ||
                qobject_cast<frmNeu*>(w))
                w->deleteLater();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        // The program's printer as on a machine without one.
        QPrinter& p = programmDrucker();
        p.setOutputFormat(QPrinter::PdfFormat);
        p.setOutputFileName(QString());
        p.setPageSize(QPageSize(QPageSize::A4));
        p.setPageOrientation(QPageLayout::Portrait);
        DO() = DruckOptionen{};
        MdiTest::TearDown();
    }

    QString pdf() const { return m_dir.filePath(QStringLiteral("schilder.pdf")); }

    void aktion(const char* name) {
        QAction* a = m_mdi->menu(QString::fromLatin1(name));
        ASSERT_NE(a, nullptr) << name;
        a->trigger();
    }

    // "Drucker einrichten" choosing the PDF file, A4 upright unless told.
    void pdfWaehlen(QPageSize::PageSizeId papier = QPageSize::A4,
                    QPageLayout::Orientation ausrichtung = QPageLayout::Portrait) {
        SkriptDialoge d;
        DruckerBedienung b;
        b.drucker = QString();
        b.datei = pdf();
        b.papier = QPageSize(papier);
        b.ausrichtung = ausrichtung;
        d.drucker(b);
        aktion("mnuDruckerEinrichten");
        ASSERT_EQ(d.gezeigt().size(), 1u);
        EXPECT_EQ(d.gezeigt()[0].titel, QStringLiteral("Drucker einrichten"));
    }

    static void erzeugt(int32_t n) {
        Schild(n).setCaption(QStringLiteral("Schild %1 (erzeugt von: Schild 1)").arg(n));
    }
};

TEST_F(DruckenTest, WithoutAPrinterPrintingAsksForAPdfFileInTheFolderUsedLast) {
    if (!QPrinterInfo::availablePrinterNames().isEmpty())
        GTEST_SKIP() << "this machine has a printer";
    starten();
    ASSERT_TRUE(druckerFragtNachDatei(programmDrucker()));
    neuesSchild(QStringLiteral("100"), QStringLiteral("60"));
    textAnlegen(1, QStringLiteral("Rosa"), 20, 10);
    const QString rosen = m_dir.filePath(QStringLiteral("rosen.pdf"));
    {
        // A name without ".pdf" gets it.
        SkriptDialoge d;
        d.speichern(m_dir.filePath(QStringLiteral("rosen")));
        aktion("mnuDateiDrucken");
        ASSERT_EQ(d.gezeigt().size(), 1u);
        EXPECT_EQ(d.gezeigt()[0].titel, QStringLiteral("In PDF-Datei drucken"));
        EXPECT_EQ(d.gezeigt()[0].datei.filter, QStringList{QStringLiteral("PDF-Dateien (*.pdf)")});
    }
    const PdfInhalt inhalt = pdfLesen(rosen);
    ASSERT_EQ(inhalt.seiten.size(), 1u);
    const PdfWort* w = inhalt.wort(QStringLiteral("Rosa"));
    ASSERT_NE(w, nullptr);
    EXPECT_NEAR(w->box.left(), 30, kGenau);
    EXPECT_NEAR(w->box.top(), 25, kGenau);
    // The file served that job: the printer asks again next time.
    EXPECT_TRUE(druckerFragtNachDatei(programmDrucker()));

    // The next run, after a restart, asks in the same folder. An existing
    // file is replaced only on Yes; No asks again, and Abbrechen ends the
    // job without a message and without writing anything.
    m_mdi->close();
    ASSERT_TRUE(m_mdi->beendet());
    m_mdi.reset();
    ProgrammZuruecksetzen();
    starten();
    neuesSchild(QStringLiteral("100"), QStringLiteral("60"));
    textAnlegen(1, QStringLiteral("canina"), 20, 10);
    const QByteArray vorher = [&] {
        QFile f(rosen);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();
    {
        SkriptDialoge d;
        d.speichern(rosen).meldung(Antwort::No).speichern(std::nullopt);
        aktion("mnuDateiDrucken");
        ASSERT_EQ(d.gezeigt().size(), 3u);
        EXPECT_EQ(QDir(d.gezeigt()[0].datei.ordner), QDir(m_dir.path()));
        EXPECT_EQ(
            d.gezeigt()[1].text,
            QStringLiteral("rosen.pdf ist bereits vorhanden.\rMöchten Sie die Datei ersetzen?"));
    }
    QFile f(rosen);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), vorher);
    f.close();
    EXPECT_EQ(QDir(m_dir.path()).entryList({QStringLiteral("*.pdf")}),
              QStringList{QStringLiteral("rosen.pdf")});
    EXPECT_FALSE(vorschauGeladen());

    // Yes replaces it.
    {
        SkriptDialoge d;
        d.speichern(rosen).meldung(Antwort::Yes);
        aktion("mnuDateiDrucken");
    }
    EXPECT_NE(pdfLesen(rosen).wort(QStringLiteral("canina")), nullptr);
}

TEST_F(DruckenTest, CancellingTheFileQuestionDropsAllGeneratedLabelsSilently) {
    starten();
    pdfAusgabeSetzen(programmDrucker(), QString());
    neuesSchild(QStringLiteral("100"), QStringLiteral("60"));
    for (int k = 0; k < 3; ++k) {
        const int32_t n = neuesSchild(QStringLiteral("100"), QStringLiteral("60"));
        erzeugt(n);
        textAnlegen(n, QStringLiteral("Nr%1").arg(n), 5, 5);
    }
    {
        // One question for the whole job.
        SkriptDialoge d;
        d.speichern(std::nullopt);
        m_mdi->cmdDruckNeueSchilder_Click();
        EXPECT_EQ(d.gezeigt().size(), 1u);
    }
    EXPECT_TRUE(QDir(m_dir.path()).entryList({QStringLiteral("*.pdf")}).isEmpty());
    EXPECT_FALSE(vorschauGeladen());
    {
        SkriptDialoge d;
        d.speichern(pdf());
        m_mdi->cmdDruckNeueSchilder_Click();
        EXPECT_EQ(d.gezeigt().size(), 1u);
    }
    EXPECT_EQ(pdfLesen(pdf()).seiten.size(), 3u);
}

TEST_F(DruckenTest, TheOutputChosenInTheSetUpStaysTheDefaultAcrossARestart) {
    starten();
    pdfWaehlen(QPageSize::A5, QPageLayout::Landscape);
    m_mdi->close();
    ASSERT_TRUE(m_mdi->beendet());
    m_mdi.reset();
    ProgrammZuruecksetzen();
    // A new run starts from the system's default.
    standardDruckerSetzen(programmDrucker());

    starten();
    const QPrinter& p = programmDrucker();
    EXPECT_EQ(p.outputFormat(), QPrinter::PdfFormat);
    EXPECT_EQ(p.outputFileName(), pdf());
    EXPECT_EQ(p.pageLayout().pageSize().id(), QPageSize::A5);
    EXPECT_EQ(p.pageLayout().orientation(), QPageLayout::Landscape);
    neuesSchild(QStringLiteral("100"), QStringLiteral("60"));
    textAnlegen(1, QStringLiteral("Rosa"), 20, 10);
    aktion("mnuDateiDrucken"); // no question: the file was chosen
    const PdfInhalt inhalt = pdfLesen(pdf());
    ASSERT_EQ(inhalt.seiten.size(), 1u);
    EXPECT_NEAR(inhalt.seiten[0].groesse.width(), 210, 0.5);
    EXPECT_NEAR(inhalt.seiten[0].groesse.height(), 148, 0.5);
}

TEST_F(DruckenTest, AStoredChoiceThatIsGoneGivesWayToTheDefaultPrinter) {
    if (!QPrinterInfo::availablePrinterNames().isEmpty())
        GTEST_SKIP() << "this machine has a printer";
    struct Fall {
        const char* was;
        QString pdf, drucker, datei;
    };
    const Fall faelle[] = {
        {"a printer no longer installed", QStringLiteral("False"), QStringLiteral("Etiketten"),
         QString()},
        {"a PDF file in a folder no longer there", QStringLiteral("True"), QString(),
         m_dir.filePath(QStringLiteral("weg/schild.pdf"))},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.was);
        RegStringSchreiben(HKEY_LOCAL_MACHINE, kSchluesselDrucker, QStringLiteral("PDF"), f.pdf);
        RegStringSchreiben(HKEY_LOCAL_MACHINE, kSchluesselDrucker, QStringLiteral("Drucker"),
                           f.drucker);
        RegStringSchreiben(HKEY_LOCAL_MACHINE, kSchluesselDrucker, QStringLiteral("PDF-Datei"),
                           f.datei);
        pdfAusgabeSetzen(programmDrucker(), pdf());
        starten();
        EXPECT_TRUE(druckerFragtNachDatei(programmDrucker()));
        // The next start needs no choice that is gone.
        m_mdi->close();
        m_mdi.reset();
        ProgrammZuruecksetzen();
        EXPECT_EQ(RegStringLesen(HKEY_LOCAL_MACHINE, kSchluesselDrucker, QStringLiteral("PDF")),
                  QStringLiteral("False"));
        EXPECT_EQ(RegStringLesen(HKEY_LOCAL_MACHINE, kSchluesselDrucker, QStringLiteral("Drucker")),
                  QStringLiteral(" "));
    }
}

TEST_F(DruckenTest, SetUpChoosesAPdfFileThatPrintingWrites) {
    starten();
    neuesSchild(QStringLiteral("100"), QStringLiteral("60"));
    textAnlegen(1, QStringLiteral("Rosa"), 20, 10);
    textAnlegen(1, QStringLiteral("canina"), 42.5, 31.25);
    pdfWaehlen();
    aktion("mnuDateiDrucken");
    const PdfInhalt inhalt = pdfLesen(pdf());
    ASSERT_EQ(inhalt.seiten.size(), 1u);
    // Margins left 10, top 15 of a new label.
    struct Fall {
        const char* wort;
        double links, oben;
    };
    for (const Fall& f : {Fall{"Rosa", 30, 25}, Fall{"canina", 52.5, 46.25}}) {
        const PdfWort* w = inhalt.wort(QString::fromLatin1(f.wort));
        ASSERT_NE(w, nullptr) << f.wort;
        EXPECT_NEAR(w->box.left(), f.links, kGenau) << f.wort;
        EXPECT_NEAR(w->box.top(), f.oben, kGenau) << f.wort;
    }
}

TEST_F(DruckenTest, SettingsFromTheMenuAndFromThePreviewWhichFollows) {
    starten();
    neuesSchild(QStringLiteral("100"), QStringLiteral("60"));
    P().strRahmenDruckFarbe = QStringLiteral("255"); // the preview's label frame red
    aktion("mnuDruckenEinstellungen");
    frmDrucker* d = offen<frmDrucker>();
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->windowModality(), Qt::ApplicationModal);
    d->cmdAbbrechen->click();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(offen<frmDrucker>(), nullptr);

    aktion("mnuDateiDVorschau");
    frmVorschau& v = Vorschaufenster();
    ASSERT_TRUE(v.isVisible());
    const QRect vorher = rotUmriss(v.picVorschau()->bild());
    const double pxMm = 96.0 / 25.4;
    EXPECT_NEAR(vorher.left(), 10 * pxMm, 1.5);

    ASSERT_TRUE(v.mnuEinstellungen->isEnabled());
    v.mnuEinstellungen->trigger();
    d = offen<frmDrucker>();
    ASSERT_NE(d, nullptr);
    d->chkHZentrieren->click();
    d->chkVZentrieren->click();
    d->cmdOK->click();
    EXPECT_TRUE(DO().blnHZentrieren);
    // The preview shows the label centred on A4: 55 mm from the left, 118.5 from the top.
    const QRect nachher = rotUmriss(v.picVorschau()->bild());
    EXPECT_NEAR(nachher.left(), 55 * pxMm, 1.5);
    EXPECT_NEAR(nachher.top(), 118.5 * pxMm, 1.5);
}

TEST_F(DruckenTest, LoopLabelThroughNewAndItsSheet) {
    starten();
    P().strRahmenDruckFarbe = QStringLiteral("255");
    m_mdi->mnuDateiNeu_Click();
    QPointer<frmNeu> neu = m_mdi->findChild<frmNeu*>(QStringLiteral("frmNeu"));
    ASSERT_TRUE(neu);
    neu->cboFormat->setCurrentIndex(5);
    neu->cboFormat_Click();
    EXPECT_FALSE(neu->isVisible());
    frmSchlaufenetikett* s = offen<frmSchlaufenetikett>();
    ASSERT_NE(s, nullptr);
    EXPECT_FALSE(s->ausVorschau());
    // Cancel goes back to the new-label dialog, whose OK waits for a format.
    s->cmdAbbrechen->click();
    EXPECT_TRUE(neu->isVisible());
    EXPECT_FALSE(neu->cmdOK->isEnabled());
    EXPECT_EQ(SchilderZaehlen(), 0);

    neu->cboFormat_Click();
    s = offen<frmSchlaufenetikett>();
    ASSERT_NE(s, nullptr);
    s->cmdOK->click();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(neu.isNull());
    ASSERT_EQ(SchilderZaehlen(), 1);
    const int32_t vorlage = P().lngAktivesSchild;
    EXPECT_TRUE(S(vorlage).blnSchlaufenetikett);
    EXPECT_NEAR(Schild(vorlage).ScaleWidth(), 100, 0.4);
    EXPECT_TRUE(m_mdi->menuAktiv(QStringLiteral("mnuDrucken")));
    EXPECT_TRUE(m_mdi->menuAktiv(QStringLiteral("mnuDatei")));
    textAnlegen(vorlage, QStringLiteral("Nr"), 2, 2);

    // Three generated copies make a sheet of three rows (one a row: 220 mm
    // labels on A4), at 100 mm from the left and 20 mm from the top.
    for (int k = 0; k < 3; ++k) {
        P().lngAktivesSchild = vorlage;
        VorlageKopieren();
        erzeugt(P().lngAktivesSchild);
    }
    aktion("mnuDateiDVorschau");
    const QImage& img = Vorschaufenster().picVorschau()->bild();
    const double pxMm = 96.0 / 25.4;
    for (int reihe = 0; reihe < 4; ++reihe) {
        // The cell's left frame line, within two pixels.
        const int x = static_cast<int>(std::lround(100 * pxMm));
        const int y = static_cast<int>(std::lround((20 + 20 * reihe + 10) * pxMm));
        bool rot = false;
        for (int dx = -2; dx <= 2; ++dx)
            rot = rot || istRot(img.pixelColor(x + dx, y));
        EXPECT_EQ(rot, reihe < 3) << reihe;
    }

    // Printing all generated labels prints that sheet once.
    pdfWaehlen();
    m_mdi->cmdDruckNeueSchilder_Click();
    const PdfInhalt inhalt = pdfLesen(pdf());
    ASSERT_EQ(inhalt.seiten.size(), 1u);
    ASSERT_EQ(inhalt.woerter.size(), 3u);
    for (int reihe = 0; reihe < 3; ++reihe) {
        EXPECT_NEAR(inhalt.woerter[static_cast<size_t>(reihe)].box.left(), 102, kGenau);
        EXPECT_NEAR(inhalt.woerter[static_cast<size_t>(reihe)].box.top(), 22 + 20 * reihe, kGenau);
    }
}

TEST_F(DruckenTest, AllGeneratedLabelsAreOneJobAPageEachInWindowOrder) {
    struct Fenster {
        bool schlaufe;
        int hoehe;
        int seite; // the page that holds its text
    };
    struct Fall {
        const char* name;
        std::vector<Fenster> fenster; // windows 2, 3, ...; window 1 is the template
        size_t seiten;
    };
    const Fall faelle[] = {
        {"plain labels", {{false, 60, 1}, {false, 60, 2}, {false, 60, 3}}, 3},
        // Loop labels of one height share one sheet, at the place of the first.
        {"loop labels among them",
         {{true, 20, 1}, {false, 60, 2}, {true, 20, 1}, {true, 25, 3}},
         3},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        starten();
        neuesSchild(QStringLiteral("100"), QStringLiteral("60"));
        for (size_t k = 0; k < f.fenster.size(); ++k) {
            const Fenster& w = f.fenster[k];
            const int32_t n = neuesSchild(QStringLiteral("100"), QString::number(w.hoehe));
            erzeugt(n);
            S(n).blnSchlaufenetikett = w.schlaufe;
            if (w.schlaufe) {
                S(n).sngEtikettBreite = 105;
                S(n).sngGrenzeLinks = 0;
                S(n).sngGrenzeOben = 20;
            }
            textAnlegen(n, QStringLiteral("Nr%1").arg(n), 5, 5);
        }
        pdfWaehlen();
        Schild(1).SetFocus();
        P().lngAktivesSchild = 1;
        m_mdi->cmdDruckNeueSchilder_Click();
        EXPECT_EQ(P().lngAktivesSchild, 1);
        EXPECT_FALSE(vorschauGeladen());

        const PdfInhalt inhalt = pdfLesen(pdf());
        EXPECT_EQ(inhalt.seiten.size(), f.seiten);
        for (size_t k = 0; k < f.fenster.size(); ++k) {
            const auto n = static_cast<int32_t>(k + 2);
            const PdfWort* w = inhalt.wort(QStringLiteral("Nr%1").arg(n));
            ASSERT_NE(w, nullptr) << n;
            EXPECT_EQ(w->seite, f.fenster[k].seite) << n;
        }
        // Each text is printed once.
        EXPECT_EQ(inhalt.woerter.size(), f.fenster.size());
        QFile::remove(pdf());
        m_mdi->close();
        m_mdi.reset();
        ProgrammZuruecksetzen();
        DO() = DruckOptionen{};
    }
}

TEST_F(DruckenTest, AFailureDropsTheWholeJobWithOneMessage) {
    starten();
    neuesSchild(QStringLiteral("100"), QStringLiteral("60"));
    for (int k = 0; k < 3; ++k) {
        const int32_t n = neuesSchild(QStringLiteral("100"), QStringLiteral("60"));
        erzeugt(n);
        textAnlegen(n, QStringLiteral("Nr%1").arg(n), 5, 5);
    }
    pdfWaehlen();
    P().blnRahmenDrucken = true;
    P().strRahmenDruckFarbe = QStringLiteral("Rot"); // not a number: the frame fails
    SkriptDialoge d;
    d.meldung(Antwort::OK);
    m_mdi->cmdDruckNeueSchilder_Click();
    ASSERT_EQ(d.gezeigt().size(), 1u);
    EXPECT_EQ(d.gezeigt()[0].titel, QStringLiteral("Fehler beim Drucken!"));
    EXPECT_FALSE(QFile::exists(pdf()));

    // The next job prints again.
    P().strRahmenDruckFarbe = QStringLiteral("0");
    m_mdi->cmdDruckNeueSchilder_Click();
    EXPECT_EQ(pdfLesen(pdf()).seiten.size(), 3u);
}

// A PDF file that the disk has no room for is reported once per job, by its
// name, and leaves nothing that looks like a printed file: no cut file, and
// a file printed before stays as it was. Each way to print ends a job.
TEST_F(DruckenTest, APdfFileTheDiskCannotHoldIsReportedOnceAndLeavesNoCutFile) {
    starten();
    neuesSchild(QStringLiteral("100"), QStringLiteral("60"));
    textAnlegen(1, QStringLiteral("Vorlage"), 5, 5);
    for (int k = 0; k < 2; ++k) {
        const int32_t n = neuesSchild(QStringLiteral("100"), QStringLiteral("60"));
        erzeugt(n);
        textAnlegen(n, QStringLiteral("Nr%1").arg(n), 5, 5);
    }
    const int32_t schlaufe = neuesSchild(QStringLiteral("100"), QStringLiteral("20"));
    erzeugt(schlaufe);
    S(schlaufe).blnSchlaufenetikett = true;
    S(schlaufe).sngEtikettBreite = 105;
    S(schlaufe).sngGrenzeLinks = 0;
    S(schlaufe).sngGrenzeOben = 20;
    textAnlegen(schlaufe, QStringLiteral("Schlaufe"), 2, 2);
    pdfWaehlen();
    const auto aktuell = [](int32_t n) {
        Schild(n).SetFocus();
        P().lngAktivesSchild = n;
    };
    struct Fall {
        const char* was;
        std::function<void()> drucken;
        bool vorhanden; // a file printed before is in the way
    };
    const Fall faelle[] = {
        {"Schild drucken",
         [&] {
             aktuell(1);
             aktion("mnuDateiDrucken");
         },
         false},
        {"Drucken in der Seitenvorschau",
         [&] {
             aktuell(1);
             aktion("mnuDateiDVorschau");
             Vorschaufenster().mnuDrucken_Click();
         },
         false},
        {"alle erzeugten Schilder drucken",
         [&] {
             aktuell(1);
             m_mdi->cmdDruckNeueSchilder_Click();
         },
         false},
        {"Schlaufenetiketten",
         [&] {
             aktuell(schlaufe);
             aktion("mnuDateiDrucken");
         },
         false},
        {"über eine gedruckte Datei",
         [&] {
             aktuell(1);
             aktion("mnuDateiDrucken");
         },
         true},
    };
    const QByteArray frueher = "%PDF-1.4 ein früher gedrucktes Schild";
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.was);
        QFile::remove(pdf());
        if (f.vorhanden) {
            QFile alt(pdf());
            ASSERT_TRUE(alt.open(QIODevice::WriteOnly));
            alt.write(frueher);
        }
        const QStringList ordner = QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden);
        SkriptDialoge d;
        d.meldung(Antwort::OK);
        ASSERT_TRUE(mitDateigrenze(1024, f.drucken));
        vorschauEntladen();
        if (f.vorhanden) {
            QFile alt(pdf());
            ASSERT_TRUE(alt.open(QIODevice::ReadOnly));
            EXPECT_EQ(alt.readAll(), frueher);
        } else {
            EXPECT_FALSE(QFile::exists(pdf()));
        }
        EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden), ordner);
        EXPECT_EQ(d.gezeigt().size(), 1u);
        if (!d.gezeigt().empty()) {
            EXPECT_EQ(d.gezeigt()[0].text,
                      QStringLiteral("Die Datei\r") + pdf() +
                          QStringLiteral("\rkonnte nicht vollständig geschrieben werden!"));
            EXPECT_EQ(d.gezeigt()[0].titel, QStringLiteral("Fehler beim Drucken!"));
            EXPECT_EQ(d.gezeigt()[0].stil, Msg::Exclamation);
        }
        // The printer keeps the file chosen for it.
        EXPECT_EQ(programmDrucker().outputFileName(), pdf());
    }
    // With room again the same jobs print whole.
    aktuell(1);
    aktion("mnuDateiDrucken");
    EXPECT_NE(pdfLesen(pdf()).wort(QStringLiteral("Vorlage")), nullptr);
    m_mdi->cmdDruckNeueSchilder_Click();
    EXPECT_EQ(pdfLesen(pdf()).seiten.size(), 3u);

    // A printer that asks for its file: the file asked for is named, and the
    // next job asks again.
    QFile::remove(pdf());
    pdfAusgabeSetzen(programmDrucker(), QString());
    {
        SkriptDialoge d;
        d.speichern(pdf()).meldung(Antwort::OK);
        ASSERT_TRUE(mitDateigrenze(1024, [&] {
            aktuell(1);
            aktion("mnuDateiDrucken");
        }));
        EXPECT_EQ(d.gezeigt().size(), 2u);
        if (d.gezeigt().size() == 2) {
            EXPECT_EQ(d.gezeigt()[1].titel, QStringLiteral("Fehler beim Drucken!"));
            EXPECT_TRUE(d.gezeigt()[1].text.contains(pdf()));
        }
    }
    EXPECT_FALSE(QFile::exists(pdf()));
    EXPECT_TRUE(druckerFragtNachDatei(programmDrucker()));
}

TEST_F(DruckenTest, RedFrameColourIsStoredAs255AndKeptAcrossARestart) {
    starten();
    neuesSchild();
    aktion("mnuDruckenEinstellungen");
    frmDrucker* d = offen<frmDrucker>();
    ASSERT_NE(d, nullptr);
    d->lstGrenzFarbe->setCurrentIndex(d->lstGrenzFarbe->findText(QStringLiteral("Rot")));
    d->cmdOK->click();
    EXPECT_EQ(P().strRahmenDruckFarbe, QStringLiteral("255"));
    m_mdi->close();
    ASSERT_TRUE(m_mdi->beendet());
    m_mdi.reset();
    ProgrammZuruecksetzen();
    EXPECT_EQ(RegStringLesen(HKEY_LOCAL_MACHINE, kSchluesselOptionen,
                             QStringLiteral("strRahmenDruckFarbe")),
              QStringLiteral("255"));

    P().strRahmenDruckFarbe = QStringLiteral("0");
    starten();
    EXPECT_EQ(P().strRahmenDruckFarbe, QStringLiteral("255"));
    neuesSchild();
    aktion("mnuDruckenEinstellungen");
    d = offen<frmDrucker>();
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->lstGrenzFarbe->currentText(), QStringLiteral("Rot"));
}

} // namespace
} // namespace sorvo::test

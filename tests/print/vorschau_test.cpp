// Print runs and the preview window: one PDF job per run on the printer's
// paper, the failure message, zoom, scroll bars and the preview service.
#include "tests/print/vorschau_fixture.h"

#include "print/drucker.h"
#include "tests/support/fake_dialogs.h"

#include <QFile>
#include <QRegularExpression>
#include <QScrollBar>

namespace sorvo::test {
namespace {

QByteArray lesen(const QString& pfad) {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Page objects of a PDF ("/Type /Page", not "/Pages").
int seiten(const QByteArray& pdf) {
    int n = 0;
    auto it = QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))
                  .globalMatch(QString::fromLatin1(pdf));
    while (it.hasNext()) {
        it.next();
        ++n;
    }
    return n;
}

// The first page's media box in points.
QSizeF medienbox(const QByteArray& pdf) {
    const auto m =
        QRegularExpression(QStringLiteral("/MediaBox\\s*\\[\\s*0\\s+0\\s+([0-9.]+)\\s+([0-9.]+)"))
            .match(QString::fromLatin1(pdf));
    return m.hasMatch() ? QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble()) : QSizeF();
}

const QString kFehlertext = QStringLiteral(
    "Fehler beim Drucken!\rKontrollieren Sie ob der Standard-Drucker definiert ist!");

TEST_F(VorschauTest, EachPrintRunIsOneOnePageJobOnThePrintersPaper) {
    vorschauEinrichten();
    bild(5, 5, 20, 20, Qt::red);
    struct Fall {
        QPageSize::PageSizeId papier;
        QPageLayout::Orientation lage;
        QSizeF punkte;
    };
    for (const Fall& f : {Fall{QPageSize::A4, QPageLayout::Portrait, {595.28, 841.89}},
                          Fall{QPageSize::A5, QPageLayout::Landscape, {595.28, 419.53}},
                          Fall{QPageSize::Letter, QPageLayout::Portrait, {612, 792}}}) {
        SCOPED_TRACE(f.punkte.width());
        QFile::remove(pdfPfad());
        m_drucker->setPageLayout(QPageLayout(QPageSize(f.papier), f.lage, QMarginsF()));
        nachbarn().vorschau->drucken();
        const QByteArray pdf = lesen(pdfPfad());
        ASSERT_FALSE(pdf.isEmpty());
        EXPECT_EQ(seiten(pdf), 1);
        const QSizeF box = medienbox(pdf);
        EXPECT_NEAR(box.width(), f.punkte.width(), 0.5);
        EXPECT_NEAR(box.height(), f.punkte.height(), 0.5);
        // The hidden window of a print run goes again.
        EXPECT_FALSE(nachbarn().vorschau->geladen());
    }
    // Without a printer of its own the engine prints on the program's printer.
    Printer().druckerSetzen(nullptr);
    EXPECT_EQ(&Printer().drucker(), &programmDrucker());
}

TEST_F(VorschauTest, PrintingFromTheShownPreviewKeepsIt) {
    vorschauEinrichten();
    bild(5, 5, 20, 20, Qt::red);
    nachbarn().vorschau->zeigen();
    frmVorschau& v = Vorschaufenster();
    EXPECT_TRUE(v.isVisible());
    EXPECT_EQ(P().lngVorschauSchild, 1);
    v.mnuDrucken_Click();
    EXPECT_EQ(seiten(lesen(pdfPfad())), 1);
    EXPECT_TRUE(nachbarn().vorschau->geladen());
    EXPECT_EQ(v.objZiel, &Printer());
}

TEST_F(VorschauTest, AFailedRunIsReportedAndLeavesNothingBehind) {
    SkriptDialoge dialoge;
    bild(5, 5, 20, 20, Qt::red);
    frmVorschau& v = Vorschaufenster();

    // A printer that cannot open its output.
    m_drucker->setOutputFileName(m_dir.path() + QStringLiteral("/fehlt/schild.pdf"));
    dialoge.meldung(Antwort::OK);
    v.objZiel = &Printer();
    v.Ausgabe(100);
    ASSERT_EQ(dialoge.gezeigt().size(), 1u);
    EXPECT_EQ(dialoge.gezeigt()[0].text, kFehlertext);
    EXPECT_EQ(dialoge.gezeigt()[0].titel, QStringLiteral("Fehler beim Drucken!"));
    EXPECT_EQ(dialoge.gezeigt()[0].stil, Msg::Exclamation);
    // The next run prints as usual.
    m_drucker->setOutputFileName(pdfPfad());
    Vorschaufenster().objZiel = &Printer();
    Vorschaufenster().Ausgabe(100);
    EXPECT_EQ(seiten(lesen(pdfPfad())), 1);
    EXPECT_EQ(dialoge.gezeigt().size(), 1u);

    // A failure half way through a page drops that job: the next run is a
    // job of its own, written to the file it names, with one page.
    P().blnRahmenDrucken = true;
    P().strRahmenDruckFarbe = QStringLiteral("rot");
    dialoge.meldung(Antwort::OK);
    Vorschaufenster().objZiel = &Printer();
    Vorschaufenster().Ausgabe(100);
    ASSERT_EQ(dialoge.gezeigt().size(), 2u);
    P().strRahmenDruckFarbe = QStringLiteral("0");
    const QString zweite = m_dir.path() + QStringLiteral("/zweite.pdf");
    m_drucker->setOutputFileName(zweite);
    Vorschaufenster().objZiel = &Printer();
    Vorschaufenster().Ausgabe(100);
    EXPECT_EQ(seiten(lesen(zweite)), 1);
    P().blnRahmenDrucken = false;

    // A frame colour that is no number fails the preview of a loop-label
    // sheet in its first cell; the margins are still put back.
    neuesFenster(30, 20);
    const int32_t a = P().lngAktivesSchild;
    Schild(a).setCaption(QStringLiteral("Schild (erzeugt von: Vorlage)"));
    bild(1, 1, 5, 5, Qt::red);
    S(a).blnSchlaufenetikett = true;
    S(a).sngEtikettBreite = 35;
    DO().lngSchilderProReihe = 2;
    DO().lngDruckeProSchild = 2;
    P().strRahmenDruckFarbe = QStringLiteral("rot");
    dialoge.meldung(Antwort::OK);
    vorschau();
    ASSERT_EQ(dialoge.gezeigt().size(), 3u);
    EXPECT_EQ(dialoge.gezeigt()[2].text, kFehlertext);
    EXPECT_FLOAT_EQ(S(a).sngGrenzeLinks, 10);
    EXPECT_FLOAT_EQ(S(a).sngGrenzeOben, 15);
    // The preview keeps what was drawn before the failure.
    EXPECT_EQ(Vorschaufenster().picVorschau()->bild().pixelColor(mmPx(10 + 3), mmPx(15 + 3)),
              QColor(Qt::red));
    EXPECT_TRUE(dialoge.alleBeantwortet());
}

TEST_F(VorschauTest, TheProgramsPrinterPrintsAgainAfterAFailedStart) {
    // A PDF file in a folder that is not there cannot be started.
    Printer().druckerSetzen(nullptr);
    programmDrucker().setOutputFormat(QPrinter::PdfFormat);
    programmDrucker().setOutputFileName(m_dir.filePath(QStringLiteral("fehlt/schild.pdf")));
    bild(5, 5, 20, 20, Qt::red);
    {
        SkriptDialoge dialoge;
        dialoge.meldung(Antwort::OK);
        Vorschaufenster().objZiel = &Printer();
        Vorschaufenster().Ausgabe(100);
        ASSERT_EQ(dialoge.gezeigt().size(), 1u);
        EXPECT_EQ(dialoge.gezeigt()[0].text, kFehlertext);
    }
    // A file chosen afterwards is printed to.
    programmDrucker().setOutputFileName(pdfPfad());
    Vorschaufenster().objZiel = &Printer();
    Vorschaufenster().Ausgabe(100);
    EXPECT_EQ(seiten(lesen(pdfPfad())), 1);
    programmDrucker().setOutputFileName(QString());
}

TEST_F(VorschauTest, ZoomRedrawsTwiceAsLargeAndScrollBarsFollow) {
    bild(5, 5, 20, 20, Qt::red);
    frmVorschau& v = Vorschaufenster();
    v.show();
    v.resize(1400, 1400);
    v.mnuSV100_Click();
    const QSize klein = v.picVorschau()->size();
    EXPECT_TRUE(v.mnuSV100->isChecked());
    EXPECT_FALSE(v.hscVorschau->isVisible());
    EXPECT_FALSE(v.vscVorschau->isVisible());

    v.mnuSV200_Click();
    EXPECT_FALSE(v.mnuSV100->isChecked());
    EXPECT_TRUE(v.mnuSV200->isChecked());
    EXPECT_NEAR(v.picVorschau()->width(), 2 * klein.width(), 1);
    EXPECT_NEAR(v.picVorschau()->height(), 2 * klein.height(), 1);
    const QImage& img = v.picVorschau()->bild();
    EXPECT_TRUE(rein(img.pixelColor(mmPx(10 + 5 + 1, 2), mmPx(15 + 5 + 1, 2)), QColor(Qt::red)));
    EXPECT_TRUE(v.hscVorschau->isVisible());
    EXPECT_TRUE(v.vscVorschau->isVisible());

    // At the end of the bar the page's bottom meets the visible bottom.
    v.vscVorschau->setValue(v.vscVorschau->maximum());
    EXPECT_EQ(v.picVorschau()->geometry().bottom() + 1, v.hscVorschau->y());
    v.hscVorschau->setValue(v.hscVorschau->maximum() / 2);
    EXPECT_LT(v.picVorschau()->x(), 0);
    // A resize shows the top left corner again.
    v.resize(1300, 1300);
    QApplication::processEvents();
    EXPECT_EQ(v.picVorschau()->pos(), QPoint(0, 0));
    EXPECT_EQ(v.vscVorschau->value(), 0);
    EXPECT_EQ(v.hscVorschau->value(), 0);
}

TEST_F(VorschauTest, SettingsItemOpensTheDialogOfTheLabelKind) {
    struct Schlaufe : Schlaufenetikett {
        int gezeigt = 0;
        void zeigen(std::function<void(bool)>) override { ++gezeigt; }
    } schlaufe;
    int einstellungen = 0;
    frmVorschau& v = Vorschaufenster();
    v.Form_Load();
    EXPECT_FALSE(v.mnuEinstellungen->isEnabled());

    nachbarn().schlaufenetikett = &schlaufe;
    DO().druckerEinstellungen = [&] { ++einstellungen; };
    v.Form_Load();
    EXPECT_TRUE(v.mnuEinstellungen->isEnabled());
    v.mnuEinstellungen_Click();
    EXPECT_EQ(einstellungen, 1);
    EXPECT_EQ(schlaufe.gezeigt, 0);
    EXPECT_FALSE(DO().blnSchlaufeAusVorschau);

    S(1).blnSchlaufenetikett = true;
    v.mnuEinstellungen_Click();
    EXPECT_EQ(schlaufe.gezeigt, 1);
    EXPECT_TRUE(DO().blnSchlaufeAusVorschau);
    EXPECT_EQ(einstellungen, 1);
}

TEST_F(VorschauTest, WithoutALabelWindowNothingIsDrawn) {
    SkriptDialoge dialoge; // no message expected
    for (int32_t schild : {0, 7}) {
        P().lngAktivesSchild = schild;
        frmVorschau& v = Vorschaufenster();
        v.objZiel = &Printer();
        v.Ausgabe(100);
        EXPECT_FALSE(QFile::exists(pdfPfad()));
    }
    EXPECT_TRUE(S(0).frmSchilder.isNull());
    EXPECT_TRUE(dialoge.gezeigt().empty());
}

TEST_F(VorschauTest, CloseUnloadsThePreview) {
    vorschauEinrichten();
    nachbarn().vorschau->zeigen();
    ASSERT_TRUE(vorschauGeladen());
    QPointer<frmVorschau> fenster = &Vorschaufenster();
    fenster->mnuBeenden_Click();
    EXPECT_FALSE(nachbarn().vorschau->geladen());
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(fenster.isNull());
}

} // namespace
} // namespace sorvo::test

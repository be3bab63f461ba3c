#include "print/drucker.h"
#include "print/papier.h"
#include "tests/support/fake_dialogs.h"

#include <QPageLayout>
#include <QPrinter>
#include <QRegularExpression>
#include <gtest/gtest.h>
#include <set>
#include <stdexcept>

namespace sorvo::test {

// The program's printer as a PDF printer on upright A4 without unprintable
// margins; shared with the print dialog tests.
void druckerGrundstellung() {
    QPrinter& p = programmDrucker();
    p.setOutputFormat(QPrinter::PdfFormat);
    p.setOutputFileName(QString());
    p.setPageSize(QPageSize(QPageSize::A4));
    p.setPageOrientation(QPageLayout::Portrait);
    p.setCopyCount(1);
    p.setColorMode(QPrinter::Color);
    p.setDuplex(QPrinter::DuplexNone);
    druckbereichAufGeraet(p);
}

namespace {

TEST(PapierNamen, CodesGiveTheirNamesAndOthersNone) {
    struct Fall {
        long code;
        const char* name;
    };
    const Fall faelle[] = {
        {1, "US Letter, 8 1/2 x 11 Zoll"},
        {6, "US Statement,  5 1/2 x 8 1/2"},
        {9, "DIN A4, 210 x 297 mm"},
        {11, "DIN A5, 148 x 210 mm"},
        {12, "DIN B4, 250 x 354 mm"},
        {24, "Blatt in C-Größe"},
        {33, "Umschlag B4, 250 x 353 mm"},
        {35, "Umschlag B6, 176 x 125 mm"},
        {41, "Deutsch Legal-Durchschlag, 8 1/2 x 13 Zoll"},
        {256, "Benutzerdefiniert"},
        {0, ""},
        {-9, ""},
        {42, ""},
        {255, ""},
        {257, ""},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(FormatUebers(f.code), QString::fromUtf8(f.name)) << f.code;
}

TEST(PapierNamen, EveryCodeOfTheListHasItsOwnName) {
    std::set<QString> namen;
    for (long code = 1; code <= 41; ++code) {
        const QString n = FormatUebers(code);
        EXPECT_FALSE(n.isEmpty()) << code;
        namen.insert(n);
    }
    EXPECT_EQ(namen.size(), 41u);
}

double masszahl(const QString& s) {
    // "8 1/2" -> 8.5, "11" -> 11
    double wert = 0;
    for (const QString& teil : s.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const qsizetype strich = teil.indexOf(QLatin1Char('/'));
        wert += strich < 0 ? teil.toDouble()
                           : teil.left(strich).toDouble() / teil.mid(strich + 1).toDouble();
    }
    return wert;
}

// The page behind a code must be the sheet its name gives, so that what the
// settings dialog shows is what the printer holds.
TEST(PapierNamen, PageOfACodeHasTheSizeItsNameGives) {
    const QRegularExpression re(QStringLiteral("([0-9 /]+) x ([0-9 /]+) (mm|Zoll)"));
    // The names of these three give sizes their sheets do not have.
    const std::set<long> abweichend{7, 22, 40};
    int geprueft = 0;
    for (long code = 1; code <= 41; ++code) {
        const auto id = papierGroesse(code);
        ASSERT_TRUE(id.has_value()) << code;
        const QRegularExpressionMatch m = re.match(FormatUebers(code));
        if (!m.hasMatch() || abweichend.count(code))
            continue;
        const double faktor = m.captured(3) == QLatin1String("mm") ? 1.0 : 25.4;
        double a = masszahl(m.captured(1)) * faktor, b = masszahl(m.captured(2)) * faktor;
        const QSizeF s = QPageSize(*id).size(QPageSize::Millimeter);
        double w = s.width(), h = s.height();
        if (a > b)
            std::swap(a, b);
        if (w > h)
            std::swap(w, h);
        EXPECT_NEAR(w, a, 1.5) << code;
        EXPECT_NEAR(h, b, 1.5) << code;
        ++geprueft;
    }
    EXPECT_GT(geprueft, 30);
}

TEST(PapierCodes, PageSizesGiveTheirCodes) {
    struct Fall {
        QPageSize seite;
        long code;
    };
    const Fall faelle[] = {
        {QPageSize(QPageSize::A4), 9},
        {QPageSize(QPageSize::A5), 11},
        {QPageSize(QPageSize::A3), 8},
        {QPageSize(QPageSize::Letter), 1},
        {QPageSize(QPageSize::Tabloid), 3},
        {QPageSize(QPageSize::FanFoldGermanLegal), 41},
        {QPageSize(QPageSize::EnvelopeC3), 28},
        {QPageSize(QPageSize::EnvelopeC5), 30},
        {QPageSize(QPageSize::A6), 70}, // no name here, its number elsewhere
        {QPageSize(QSizeF(100, 75), QPageSize::Millimeter), 256},
        {QPageSize(), 256},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(papierCode(f.seite), f.code) << f.seite.key().toStdString();
    EXPECT_FALSE(papierGroesse(256).has_value());
    EXPECT_FALSE(papierGroesse(0).has_value());
    EXPECT_FALSE(papierGroesse(42).has_value());
}

TEST(PapierCodes, CodeOfTheCodesPageLeadsBackToThatPage) {
    for (long code = 1; code <= 41; ++code) {
        const QPageSize::PageSizeId id = *papierGroesse(code);
        const long zurueck = papierCode(QPageSize(id));
        ASSERT_TRUE(papierGroesse(zurueck).has_value()) << code;
        EXPECT_EQ(*papierGroesse(zurueck), id) << code;
    }
}

class Seitenmasse : public ::testing::Test {
protected:
    void SetUp() override { druckerGrundstellung(); }
    void TearDown() override { druckerGrundstellung(); }
};

TEST_F(Seitenmasse, PdfPrinterInMillimetres) {
    struct Fall {
        QPageSize::PageSizeId seite;
        QPageLayout::Orientation lage;
        long breite, hoehe;
    };
    const Fall faelle[] = {
        {QPageSize::A4, QPageLayout::Portrait, 210, 297},
        {QPageSize::A4, QPageLayout::Landscape, 297, 210},
        {QPageSize::A5, QPageLayout::Portrait, 148, 210},
        {QPageSize::A5, QPageLayout::Landscape, 210, 148},
    };
    for (const Fall& f : faelle) {
        QPrinter p(QPrinter::HighResolution);
        p.setOutputFormat(QPrinter::PdfFormat);
        p.setPageSize(QPageSize(f.seite));
        p.setPageOrientation(f.lage);
        druckbereichAufGeraet(p);
        long ox = -1, oy = -1, b = -1, h = -1, rr = -1, ru = -1;
        SeitenMasse(p, ox, oy, b, h, rr, ru, Skala::Millimeter);
        EXPECT_EQ(b, f.breite) << f.seite << " " << f.lage;
        EXPECT_EQ(h, f.hoehe) << f.seite << " " << f.lage;
        // A PDF printer prints the whole sheet.
        EXPECT_EQ(ox, 0);
        EXPECT_EQ(oy, 0);
        EXPECT_EQ(rr, 0);
        EXPECT_EQ(ru, 0);
    }
}

TEST_F(Seitenmasse, UnprintableMarginsEachSideAndOtherUnits) {
    QPrinter p(QPrinter::HighResolution);
    p.setOutputFormat(QPrinter::PdfFormat);
    p.setPageSize(QPageSize(QPageSize::A4));
    p.setPageMargins(QMarginsF(5, 7, 11, 13), QPageLayout::Millimeter);
    long ox = 0, oy = 0, b = 0, h = 0, rr = 0, ru = 0;
    SeitenMasse(p, ox, oy, b, h, rr, ru, Skala::Millimeter);
    EXPECT_EQ(ox, 5);
    EXPECT_EQ(oy, 7);
    EXPECT_EQ(rr, 11);
    EXPECT_EQ(ru, 13);
    SeitenMasse(p, ox, oy, b, h, rr, ru, Skala::Zentimeter);
    EXPECT_EQ(b, 21);
    EXPECT_EQ(h, 30);
    SeitenMasse(p, ox, oy, b, h, rr, ru, Skala::Zoll);
    EXPECT_EQ(b, 8);
    EXPECT_EQ(h, 12);
    SeitenMasse(p, ox, oy, b, h, rr, ru, Skala::Pixel);
    EXPECT_NEAR(b, 210 / 25.4 * p.resolution(), 10); // A4 is kept in whole points
    EXPECT_THROW(SeitenMasse(p, ox, oy, b, h, rr, ru, 4), std::invalid_argument);
}

TEST_F(Seitenmasse, ProgramPrinterSizeAndMessage) {
    programmDrucker().setPageOrientation(QPageLayout::Landscape);
    EXPECT_EQ(PapierBreite(), 297);
    EXPECT_EQ(PapierHoehe(), 210);

    programmDrucker().setPageMargins(QMarginsF(4, 3, 2, 1), QPageLayout::Millimeter);
    SkriptDialoge d;
    d.meldung(Antwort::OK);
    SeitenMasseText();
    ASSERT_EQ(d.gezeigt().size(), 1u);
    EXPECT_EQ(d.gezeigt()[0].text, QStringLiteral("Papiergröße: 297 x 210mm\r\n"
                                                  "Linker Rand: 4mm\r\n"
                                                  "Rechter Rand: 2mm\r\n"
                                                  "Oberer Rand: 3mm\r\n"
                                                  "Unterer Rand: 1mm"));
    EXPECT_EQ(d.gezeigt()[0].stil, Msg::OK);
    EXPECT_TRUE(d.gezeigt()[0].titel.isEmpty()); // the program's own title
}

TEST_F(Seitenmasse, ProgramPrinterPrintsFromThePrintableCorner) {
    // A fresh set-up of the margins puts the page rectangle on the printable area.
    QPrinter& p = programmDrucker();
    p.setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
    druckbereichAufGeraet(p);
    const QMarginsF r = p.pageLayout().margins(QPageLayout::Millimeter);
    EXPECT_EQ(r, p.pageLayout().minimumMargins());
    EXPECT_EQ(druckerAusrichtung(p), 1);
    EXPECT_EQ(druckerPapierFormat(p), 9);
    EXPECT_EQ(druckerName(p), QStringLiteral("PDF"));
}

} // namespace
} // namespace sorvo::test

// Where the printer puts a label, read back from the PDF the program's
// printer path writes: margins, centring, line steps, alignment, an
// over-long word, and the loop-label sheet with its page break.
#include "tests/print/vorschau_fixture.h"
#include "tests/support/pdf_lesen.h"

#include <QFile>
#include <optional>

namespace sorvo::test {
namespace {

// How closely a printed text must stand at its place.
constexpr double kGenau = 0.2; // mm

class PdfGeometrie : public VorschauTest {
protected:
    PdfInhalt drucken() {
        QFile::remove(pdfPfad());
        frmVorschau& v = Vorschaufenster();
        v.objZiel = &Printer();
        v.Ausgabe(100);
        m_zeilen = v.letzteZeilen();
        return pdfLesen(pdfPfad());
    }
    // The lines of the element printed last.
    QStringList m_zeilen;
};

bool istRot(QRgb c) {
    return qRed(c) > 200 && qGreen(c) < 80 && qBlue(c) < 80;
}

// The words of one printed line: those whose top is at oben.
struct Zeile {
    double links = 1e9, rechts = -1e9;
    QStringList woerter;
};
Zeile zeileBei(const std::vector<PdfWort>& woerter, double oben) {
    Zeile z;
    for (const PdfWort& w : woerter)
        if (std::abs(w.box.top() - oben) < kGenau) {
            z.links = std::min(z.links, w.box.left());
            z.rechts = std::max(z.rechts, w.box.right());
            z.woerter << w.text;
        }
    return z;
}

TEST_F(PdfGeometrie, MarginsAndCentringPlaceTheLabel) {
    P().blnRahmenDrucken = true;
    P().strRahmenDruckFarbe = QStringLiteral("255"); // red label frame
    text(QStringLiteral("Rosa"), 20, 10);
    struct Fall {
        float links, oben;
        bool h, v;
        double schildLinks, schildOben; // where the label stands on the page
    };
    // A4 is 210 x 297 mm, the label 100 x 60 mm.
    const Fall faelle[] = {
        {10, 15, false, false, 10, 15},
        {0, 0, false, false, 0, 0},
        {25.5f, 40.25f, false, false, 25.5, 40.25},
        {10, 15, true, false, 55, 15},
        {10, 15, false, true, 10, 118.5},
        {10, 15, true, true, 55, 118.5},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(testing::Message() << f.links << "/" << f.oben << " " << f.h << f.v);
        S(1).sngGrenzeLinks = f.links;
        S(1).sngGrenzeOben = f.oben;
        DO().blnHZentrieren = f.h;
        DO().blnVZentrieren = f.v;
        const PdfInhalt pdf = drucken();
        ASSERT_EQ(pdf.seiten.size(), 1u);
        EXPECT_NEAR(pdf.seiten[0].groesse.width(), 210, 0.1);
        EXPECT_NEAR(pdf.seiten[0].groesse.height(), 297, 0.1);
        const PdfWort* w = pdf.wort(QStringLiteral("Rosa"));
        ASSERT_NE(w, nullptr);
        EXPECT_NEAR(w->box.left(), f.schildLinks + 20, kGenau);
        EXPECT_NEAR(w->box.top(), f.schildOben + 10, kGenau);
        const QRectF rahmen = tintenBox(pdfBild(pdfPfad(), 1, 10), 10, istRot);
        EXPECT_NEAR(rahmen.left(), f.schildLinks, kGenau);
        EXPECT_NEAR(rahmen.top(), f.schildOben, kGenau);
        EXPECT_NEAR(rahmen.right(), f.schildLinks + 100, kGenau);
        EXPECT_NEAR(rahmen.bottom(), f.schildOben + 60, kGenau);
    }
}

TEST_F(PdfGeometrie, LinesStepByTheLineHeightAndAlign) {
    int32_t i = 0;
    Beschriftung& t =
        text(QStringLiteral("Eins zwei drei vier fuenf sechs sieben acht"), 5, 8, 30, &i);
    const double links = 10 + 5, rechts = links + 30;
    for (int32_t ausrichtung : {0, 1, 2}) {
        SCOPED_TRACE(ausrichtung);
        t.setAlignment(ausrichtung);
        const PdfInhalt pdf = drucken();
        const QStringList zeilen = m_zeilen;
        ASSERT_GE(zeilen.size(), 3);
        const double schritt = t.Height() / static_cast<double>(zeilen.size());
        for (qsizetype k = 0; k < zeilen.size(); ++k) {
            SCOPED_TRACE(k);
            const Zeile z = zeileBei(pdf.woerter, 15 + 8 + static_cast<double>(k) * schritt);
            EXPECT_EQ(z.woerter.join(QLatin1Char(' ')), zeilen.at(k));
            EXPECT_LE(z.rechts, rechts + kGenau);
            switch (ausrichtung) {
            case 0:
                EXPECT_NEAR(z.links, links, kGenau);
                break;
            case 1:
                EXPECT_NEAR(z.rechts, rechts, kGenau);
                break;
            default:
                EXPECT_NEAR((z.links + z.rechts) / 2, (links + rechts) / 2, kGenau);
            }
        }
    }
}

TEST_F(PdfGeometrie, AnOverLongWordBreaksInsideTheElement) {
    struct Fall {
        const char* text;
        double links;
        int32_t maxBreite;
        double kante; // the element's right edge on the page
    };
    const Fall faelle[] = {
        // A maximum width of 20 mm.
        {"Pflanzenschildbeschriftungsmaschinenhalterung", 5, 20, 10 + 5 + 20},
        // The word after a short one.
        {"Eibe Pflanzenschildbeschriftungsmaschinenhalterung", 5, 20, 10 + 5 + 20},
        // No maximum: 2 mm inside the label's right edge.
        {"Gartenbaubetriebsschilderdruckmaschinenwartungsvertrag", 60, 0, 10 + 100 - 2},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.text);
        ProgrammZuruecksetzen();
        neuesFenster(100, 60);
        text(QString::fromLatin1(f.text), f.links, 5, f.maxBreite);
        const PdfInhalt pdf = drucken();
        ASSERT_GE(pdf.woerter.size(), 2u);
        QString alles;
        for (const PdfWort& w : pdf.woerter) {
            EXPECT_LE(w.box.right(), f.kante + kGenau) << w.text.toStdString();
            alles += w.text;
        }
        // Nothing is lost on the way.
        EXPECT_EQ(alles, QString::fromLatin1(f.text).remove(QLatin1Char(' ')));
        const QRectF tinte = tintenBox(pdfBild(pdfPfad(), 1, 10), 10, istDunkel);
        EXPECT_LE(tinte.right(), f.kante + kGenau);
    }
}

// Labels showing the same texts share their layouts, and printed lines
// reuse them: a label prints the same words at the same places whether its
// layouts are its own or were made by other labels, and a text whose font
// changes prints in the new font.
TEST_F(PdfGeometrie, SharedLayoutsPrintAsTheLabelsOwn) {
    const int32_t n = P().lngAktivesSchild;
    const auto anlegen = [this] {
        text(QStringLiteral("Eins zwei drei vier fuenf sechs sieben"), 5, 5, 30).setAlignment(1);
        text(QStringLiteral("Rosa canina"), 40, 30).setAlignment(2);
        text(QStringLiteral("Rosa canina"), 5, 45).setFontBold(true);
    };
    anlegen();
    const auto woerter = [](const PdfInhalt& pdf) {
        QStringList l;
        for (const PdfWort& w : pdf.woerter)
            l << QStringLiteral("%1 %2 %3 %4 %5")
                     .arg(w.text)
                     .arg(w.box.left(), 0, 'f', 2)
                     .arg(w.box.top(), 0, 'f', 2)
                     .arg(w.box.right(), 0, 'f', 2)
                     .arg(w.box.bottom(), 0, 'f', 2);
        return l;
    };
    const QStringList eigene = woerter(drucken());
    ASSERT_GE(eigene.size(), 7);

    // More labels with the same texts; the first drops its layouts and
    // takes theirs.
    for (int k = 0; k < 3; ++k) {
        neuesFenster(100, 60);
        anlegen();
    }
    P().lngAktivesSchild = n;
    for (int32_t i = 1; i <= Schild(n).hoechsterText(); ++i)
        Schild(n).lblText(i).cachesFreigeben();
    EXPECT_EQ(woerter(drucken()), eigene);

    // The bold text in twice its size: where its second word starts.
    const auto vorschub = [](const PdfInhalt& pdf) {
        const Zeile z = zeileBei(pdf.woerter, 15 + 45);
        std::vector<double> links;
        for (const PdfWort& w : pdf.woerter)
            if (std::abs(w.box.top() - (15 + 45)) < kGenau)
                links.push_back(w.box.left());
        EXPECT_EQ(z.woerter, (QStringList{"Rosa", "canina"}));
        return links.size() == 2 ? links[1] - links[0] : 0.0;
    };
    const double vorher = vorschub(drucken());
    Beschriftung& fett = Schild(n).lblText(3);
    fett.setFontSize(fett.FontSize() * 2);
    const double nachher = vorschub(drucken());
    EXPECT_GT(vorher, 5);
    EXPECT_NEAR(nachher / vorher, 2.0, 0.15);
}

TEST_F(PdfGeometrie, LoopLabelSheetGoesOnOnANewPage) {
    // 28 generated loop labels 30 x 20 mm, two a row, first row 20 mm below
    // the top edge: 13 rows fit on A4 (the 13th ends at 280 mm), the 14th
    // goes on the second sheet.
    const int anzahl = 28;
    ProgrammZuruecksetzen();
    int32_t erstes = 0;
    for (int k = 1; k <= anzahl; ++k) {
        neuesFenster(30, 20);
        if (k == 1)
            erstes = P().lngAktivesSchild;
        Schild(P().lngAktivesSchild).setCaption(QStringLiteral("Schild (erzeugt von: Vorlage)"));
        text(QStringLiteral("L%1").arg(k), 1, 1);
    }
    P().lngAktivesSchild = erstes;
    schlaufeSetzen(erstes, 35, 100, 20);
    const auto& e = S(erstes);
    DO().lngSchilderProReihe = 2;
    // Centring left on from other labels does not move the sheet.
    for (bool zentriert : {false, true}) {
        SCOPED_TRACE(zentriert);
        DO().blnHZentrieren = zentriert;
        DO().blnVZentrieren = zentriert;
        const PdfInhalt pdf = drucken();
        ASSERT_EQ(pdf.seiten.size(), 2u);
        for (int k = 1; k <= anzahl; ++k) {
            SCOPED_TRACE(k);
            const int reihe = (k - 1) / 2, spalte = (k - 1) % 2;
            const int seite = reihe < 13 ? 1 : 2;
            const PdfWort* w = pdf.wort(QStringLiteral("L%1").arg(k));
            ASSERT_NE(w, nullptr);
            EXPECT_EQ(w->seite, seite);
            EXPECT_NEAR(w->box.left(), 100 + 35 * spalte + 1, kGenau);
            EXPECT_NEAR(w->box.top(), 20 + 20 * (reihe - (seite - 1) * 13) + 1, kGenau);
        }
        EXPECT_FLOAT_EQ(e.sngGrenzeLinks, 100);
        EXPECT_FLOAT_EQ(e.sngGrenzeOben, 20);
    }
}

} // namespace
} // namespace sorvo::test

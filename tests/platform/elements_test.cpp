#include "platform/canvas.h"
#include "platform/elements.h"

#include <cmath>
#include <functional>
#include <gtest/gtest.h>

using namespace sorvo;

namespace {

class Captions : public ::testing::Test {
protected:
    // A self-sizing caption with the standard font.
    Beschriftung* neu(const QString& text, bool umbruch = false) {
        Beschriftung* b = canvas.neueBeschriftung();
        b->setAutoSize(true);
        b->setWordWrap(umbruch);
        b->setCaption(text);
        return b;
    }
    double zeilenHoehe() { return neu("A")->Height(); }

    ElementCanvas canvas;
};

constexpr const char* kLang = "Rosa canina ist eine Wildrose mit langem Namen";

} // namespace

TEST_F(Captions, AutoSizeTakesTheSizeOfTheUnwrappedText) {
    const double h = zeilenHoehe();
    ASSERT_GT(h, 0.0);
    Beschriftung* kurz = neu("Rosa");
    Beschriftung* lang = neu("Rosa canina");
    EXPECT_GT(kurz->Width(), 0.0);
    EXPECT_GT(lang->Width(), kurz->Width());
    EXPECT_DOUBLE_EQ(kurz->Height(), h);
    EXPECT_DOUBLE_EQ(lang->Height(), h);

    // Every form of line break; the widest line gives the width.
    const double breiteEins = neu("Zeile eins")->Width();
    const struct {
        const char* text;
        int zeilen;
    } faelle[] = {{"Zeile eins\r\nZwei", 2},
                  {"Zwei\rZeile eins", 2},
                  {"Zeile eins\nZwei", 2},
                  {"Zwei\r\n\r\nZeile eins", 3},
                  {"Zeile eins\n\rZwei", 3}};
    for (const auto& f : faelle) {
        Beschriftung* b = neu(f.text);
        EXPECT_NEAR(b->Height(), f.zeilen * h, 1e-9) << f.text;
        EXPECT_NEAR(b->Width(), breiteEins, 1e-9) << f.text;
    }

    Beschriftung* leer = neu("");
    EXPECT_EQ(leer->Width(), 0.0);
    EXPECT_DOUBLE_EQ(leer->Height(), h);
}

// The height of a line is the font's own, at the measuring resolution: the
// free sans font's ascent + descent is 1.117 em, so 8.25 pt gives 3.25 mm.
// Measured with screen pixels (96 dpi) it would come out as 3.18 or 3.44 mm.
TEST_F(Captions, LineHeightDoesNotDependOnTheScreen) {
    EXPECT_NEAR(zeilenHoehe(), 8.25 * 1.117 * 25.4 / 72.0, 0.05);
    Beschriftung* gross = neu("A");
    gross->setFontSize(24.0);
    EXPECT_NEAR(gross->Height(), 24.0 * 1.117 * 25.4 / 72.0, 0.1);
}

TEST_F(Captions, WordWrapKeepsTheWidthAndGrowsDownwards) {
    const double h = zeilenHoehe();
    Beschriftung* b = neu(kLang);
    const double einzeilig = b->Width();
    EXPECT_DOUBLE_EQ(b->Height(), h);

    b->setWidth(20.0);
    EXPECT_EQ(b->Width(), 20.0) << "a hand-set width stays until the next fit";
    EXPECT_DOUBLE_EQ(b->Height(), h);

    b->setWordWrap(true);
    EXPECT_EQ(b->Width(), 20.0);
    const double hoehe20 = b->Height();
    EXPECT_GE(hoehe20, 3 * h - 1e-9);
    EXPECT_NEAR(hoehe20 / h, std::round(hoehe20 / h), 1e-9) << "whole lines";

    b->setWidth(12.0); // a wrapping self-sizing control fits its height to a new width
    EXPECT_EQ(b->Width(), 12.0);
    EXPECT_GT(b->Height(), hoehe20);

    b->setAutoSize(true); // again, unchanged: fits again and keeps the width
    EXPECT_EQ(b->Width(), 12.0);

    b->setWordWrap(false);
    EXPECT_NEAR(b->Width(), einzeilig, 1e-9);
    EXPECT_DOUBLE_EQ(b->Height(), h);
}

// Sizing is lazy; the result must be the one of sizing at every change.
TEST_F(Captions, PendingFitBelongsToTheOldSetting) {
    const double einzeilig = neu(kLang)->Width();
    Beschriftung* b = neu("kurz");
    (void)b->Width();
    b->setCaption(kLang);
    b->setWordWrap(true); // keeps the width the new caption gave it
    EXPECT_NEAR(b->Width(), einzeilig, 1e-9);
    EXPECT_DOUBLE_EQ(b->Height(), zeilenHoehe());

    Beschriftung* c = neu("kurz");
    c->setCaption(kLang);
    c->setAutoSize(false); // switched off: keeps the natural size of the new caption
    EXPECT_NEAR(c->Width(), einzeilig, 1e-9);
    c->setCaption("kurz");
    EXPECT_NEAR(c->Width(), einzeilig, 1e-9);

    Beschriftung* d = neu("kurz");
    d->setCaption(kLang);
    d->cachesFreigeben();
    EXPECT_NEAR(d->Width(), einzeilig, 1e-9);
}

TEST_F(Captions, WithoutAutoSizeTheSizeStaysAsSet) {
    Beschriftung* b = canvas.neueBeschriftung();
    b->setWidth(12.5);
    b->setHeight(7.25);
    b->setCaption(kLang);
    b->setFontSize(24.0);
    b->setWordWrap(true);
    b->setFontBold(true);
    EXPECT_EQ(b->Width(), 12.5);
    EXPECT_EQ(b->Height(), 7.25);
}

// A change after the size was read must measure again, and give what a
// control made with that font at once gives.
TEST_F(Captions, EveryFontChangeMeasuresAgain) {
    const std::function<void(Beschriftung*)> aenderungen[] = {
        [](Beschriftung* b) { b->setFontSize(12.0); },
        [](Beschriftung* b) { b->setFontBold(true); },
        [](Beschriftung* b) { b->setFontName("Courier New"); },
        [](Beschriftung* b) { b->setFontName("Times New Roman"); },
        [](Beschriftung* b) { b->setCaption("Rosa"); },
    };
    const auto groesse = [](const Beschriftung* b) { return QSizeF(b->Width(), b->Height()); };
    const QSizeF basis = groesse(neu("Rosa canina"));
    int i = 0;
    for (const auto& aendern : aenderungen) {
        Beschriftung* frisch = neu("Rosa canina");
        aendern(frisch);
        Beschriftung* spaeter = neu("Rosa canina");
        EXPECT_EQ(groesse(spaeter), basis);
        aendern(spaeter);
        EXPECT_EQ(groesse(spaeter), groesse(frisch)) << i;
        EXPECT_NE(groesse(spaeter), basis) << i;
        ++i;
    }
}

TEST_F(Captions, FontNameStaysSizeIsNormalised) {
    Beschriftung* b = canvas.neueBeschriftung();
    EXPECT_EQ(b->FontName(), "MS Sans Serif");
    EXPECT_EQ(b->FontSize(), 8.25);
    b->setFontSize(8.0);
    EXPECT_EQ(b->FontSize(), 8.25);
    b->setFontName("Arial");
    EXPECT_EQ(b->FontName(), "Arial");
    EXPECT_EQ(b->FontSize(), 8.25);
    b->setFontSize(10.0);
    EXPECT_EQ(b->FontSize(), 10.0);
    b->setFontName("MS Sans Serif");
    EXPECT_EQ(b->FontSize(), 9.75);
    b->setFontSize(0.0);
    b->setFontSize(-3.0);
    EXPECT_EQ(b->FontSize(), 9.75) << "a size not above 0 is ignored";
}

TEST_F(Captions, GeometryStaysExact) {
    Beschriftung* b = canvas.neueBeschriftung();
    Bild* i = canvas.neuesBild();
    for (Steuerelement* e : {static_cast<Steuerelement*>(b), static_cast<Steuerelement*>(i)}) {
        e->setLeft(12.5);
        e->setTop(-3.3);
        e->setWidth(0.1 + 0.2);
        e->setHeight(33.33333);
        EXPECT_EQ(e->Left(), 12.5);
        EXPECT_EQ(e->Top(), -3.3);
        EXPECT_EQ(e->Width(), 0.1 + 0.2);
        EXPECT_EQ(e->Height(), 33.33333);
        e->setWidth(-1.0);
        e->setHeight(-0.5);
        EXPECT_EQ(e->Width(), 0.0);
        EXPECT_EQ(e->Height(), 0.0);
    }
}

TEST_F(Captions, InvalidValuesAreIgnored) {
    Beschriftung* b = canvas.neueBeschriftung();
    b->setAlignment(2);
    b->setAlignment(3);
    b->setBackStyle(0);
    b->setBackStyle(2);
    b->setBorderStyle(1);
    b->setBorderStyle(-1);
    EXPECT_EQ(b->Alignment(), 2);
    EXPECT_EQ(b->BackStyle(), 0);
    EXPECT_EQ(b->BorderStyle(), 1);
}

TEST_F(Captions, TheLookPassesWholeFromOneCaptionToAnother) {
    Beschriftung* quelle = neu("Quelle");
    quelle->setFontName(QStringLiteral("Arial"));
    quelle->setFontSize(14);
    quelle->setFontBold(true);
    quelle->setFontUnderline(true);
    quelle->setForeColor(RGB(200, 10, 20));
    quelle->setBackColor(kSchaltflaeche);
    quelle->setBackStyle(0);
    quelle->setBorderStyle(1);
    quelle->setAlignment(2);
    quelle->setLeft(12.5);

    Beschriftung* ziel = neu("Ziel", true);
    ziel->setLeft(3);
    const double hoeheVorher = ziel->Height();
    ziel->setAussehen(quelle->aussehen());
    const Aussehen a = ziel->aussehen();
    EXPECT_EQ(a, quelle->aussehen());
    const Aussehen erwartet{QStringLiteral("Arial"), quelle->FontSize(), true, false, true,
                            RGB(200, 10, 20),        kSchaltflaeche,     0,    1,     2};
    EXPECT_EQ(a, erwartet);
    // Place, caption and wrapping stay the target's; its size follows the font.
    EXPECT_EQ(ziel->Left(), 3);
    EXPECT_EQ(ziel->Caption(), "Ziel");
    EXPECT_TRUE(ziel->WordWrap());
    EXPECT_GT(ziel->Height(), hoeheVorher);

    // The size is taken for the look's font, as when name and then size are set.
    Beschriftung* einzeln = neu("x");
    einzeln->setFontName(QStringLiteral("MS Sans Serif"));
    einzeln->setFontSize(10);
    Aussehen sansSerif = a;
    sansSerif.schrift = QStringLiteral("MS Sans Serif");
    sansSerif.groesse = 10;
    ziel->setAussehen(sansSerif);
    EXPECT_EQ(ziel->FontSize(), einzeln->FontSize());
}

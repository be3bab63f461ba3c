// The arithmetic of the tool window's position and size boxes, with the
// numbers the edit frames are known to give.
#include "tools/masse.h"

#include <gtest/gtest.h>

namespace sorvo::masse {
namespace {

constexpr std::optional<int32_t> kNichts = std::nullopt;

struct BoxFall {
    const char* text;
    std::optional<int32_t> wert;
    std::optional<int32_t> groesse;
};

TEST(Measures, ReadingTheBoxes) {
    const BoxFall faelle[] = {
        {"", 0, 0},
        {"007", 7, 7},
        {"0", 0, 0},
        {"32767", 32767, 32767},
        // Beyond 16 bits the box is held at the edge of the range.
        {"32768", 32767, 32767},
        {"000000000000000000042", 42, 42},
        {"99999999999999999999", 32767, 32767},
        // A minus sign only the program writes (a text moved left of 0).
        {"-1", -1, 0},
        {"-40000", -32768, 0},
        {"-", kNichts, kNichts},
        {"12a", kNichts, kNichts},
        {" 5", kNichts, kNichts},
        {"1,5", kNichts, kNichts},
        {"+5", kNichts, kNichts},
        {"--1", kNichts, kNichts},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.text);
        EXPECT_EQ(boxWert(QString::fromLatin1(f.text)), f.wert);
        EXPECT_EQ(boxGroesse(QString::fromLatin1(f.text)), f.groesse);
    }
    EXPECT_EQ(maxBoxText(0), QString());
    EXPECT_EQ(maxBoxText(12), QStringLiteral("12"));
    EXPECT_EQ(boxText(-1), QStringLiteral("-1"));
}

TEST(Measures, WholeMillimetresHalvesToEven) {
    const std::pair<double, int32_t> faelle[] = {
        {98.5, 98}, {99.5, 100}, {-0.5, 0}, {-1.5, -2}, {12.4, 12}, {1e9, 32767}, {-1e9, -32768},
    };
    for (const auto& [mm, ganz] : faelle)
        EXPECT_EQ(ganzeMm(mm), ganz) << mm;
    EXPECT_EQ(groesseMm(-3.2), 0);
    EXPECT_EQ(groesseMm(37.5), 38);
    EXPECT_EQ(groesseMm(36.5), 36);
}

struct XFall {
    const char* box;
    double innenBreite;
    std::optional<int32_t> links;
};

TEST(Measures, TypedXStaysFourMillimetresBeforeTheEdge) {
    const XFall faelle[] = {
        {"104", 105, 104},
        {"105", 105, 101},
        {"101", 102.5, 101},
        {"102", 102.5, 98},  // 98.5 to the even 98
        {"103", 103.5, 100}, // 99.5 to 100
        // The element's width plays no part: a 50 mm picture at 90 sticks out.
        {"90", 100, 90},
        {"100", 100, 96},
        {"99999", 100, 96},
        {"", 100, 0},
        {"007", 100, 7},
        {"x", 100, kNichts},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(testing::Message() << f.box << " at " << f.innenBreite);
        EXPECT_EQ(positionXGetippt(QString::fromLatin1(f.box), f.innenBreite), f.links);
    }
}

struct YFall {
    const char* box;
    Feldart art;
    double innenHoehe;
    double hoehe;
    std::optional<int32_t> oben;
};

TEST(Measures, TypedYPictureAtTheEdgeOthersOneMillimetreBefore) {
    const YFall faelle[] = {
        {"50", Feldart::Bild, 70, 20, 50},
        {"51", Feldart::Bild, 70, 20, 50},
        {"900", Feldart::Bild, 70, 20, 50},
        {"64", Feldart::Text, 70, 5.3, 64},
        {"65", Feldart::Text, 70, 5.3, 64}, // 63.7
        {"65", Feldart::Datenfeld, 70, 5.3, 64},
        {"65", Feldart::BildDatenfeld, 70, 5.3, 64},
        // An element taller than the label is clamped whatever is typed.
        {"0", Feldart::Bild, 70, 80, -10},
        {"0", Feldart::Text, 70, 80, -11},
        {"", Feldart::Text, 70, 5.3, 0},
        {"007", Feldart::Text, 70, 5.3, 7},
        {"a", Feldart::Text, 70, 5.3, kNichts},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(testing::Message() << f.box << " kind " << static_cast<int>(f.art));
        EXPECT_EQ(positionYGetippt(QString::fromLatin1(f.box), f.art, f.innenHoehe, f.hoehe),
                  f.oben);
    }
}

TEST(Measures, ButtonsStopTwoMillimetresAboveTheBottomTypingOne) {
    // A text 5.3 mm high on a label 70 mm high: typing goes to 64, the
    // button stops once the box reaches 63.
    const Lage lage{0, 5.3, 100, 70};
    EXPECT_EQ(positionSchritt(Feldart::Text, Achse::Y, 1, QStringLiteral("62"), lage), 63);
    EXPECT_EQ(positionSchritt(Feldart::Text, Achse::Y, 1, QStringLiteral("63"), lage), kNichts);
    EXPECT_EQ(positionYGetippt(QStringLiteral("65"), Feldart::Text, 70, 5.3), 64);
}

struct MaxFall {
    const char* box;
    double pos;
    double innen;
    std::optional<int32_t> enter;
    std::optional<int32_t> fokus;
};

TEST(Measures, TypedMaximaEnterClampsFocusLossDoesNot) {
    const MaxFall faelle[] = {
        {"89", 10, 100, 89, 89},
        {"90", 10, 100, 89, 90},
        {"200", 10, 100, 89, 200},
        {"55", 10, 60.5, 49, 55}, // 50.5 to the even 50, less 1
        {"55", 10, 61.5, 51, 55}, // 51.5 to 52, less 1
        // Maximum height of a picture data field at Top 80 of 100.
        {"19", 80, 100, 19, 19},
        {"20", 80, 100, 19, 20},
        {"300", 80, 100, 19, 300},
        {"", 10, 100, 0, 0},
        {"0", 10, 100, 0, 0},
        {"007", 10, 100, 7, 7},
        {"40000", 10, 100, 89, 32767},
        // No room left at the edge: no maximum rather than a negative one.
        {"5", 99.6, 100, 0, 5},
        {"5", 120, 100, 0, 5},
        {"a", 10, 100, kNichts, kNichts},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(testing::Message() << f.box << " at " << f.pos << " of " << f.innen);
        EXPECT_EQ(maxGetippt(QString::fromLatin1(f.box), f.pos, f.innen), f.enter);
        EXPECT_EQ(maxGetipptOhneKlemme(QString::fromLatin1(f.box)), f.fokus);
    }
}

struct KorrekturFall {
    const char* box;
    double links;
    double innenBreite;
    std::optional<int32_t> neu;
};

TEST(Measures, MaximumWidthAfterTheMoveAtTheRightEdge) {
    const KorrekturFall faelle[] = {
        {"50", 60, 100, 39}, // a text typed to X 60 with a maximum of 50
        {"50", 50, 100, 49}, // a data field stepped to 50
        {"39", 60, 100, kNichts},   {"30", 60, 100, kNichts},
        {"69", 30.4, 100, kNichts}, {"70", 30.4, 100, 69}, // 69.6 to 70, less 1
        {"10", 99.5, 100, 0},                              // nothing left: no maximum
        {"", 60, 100, kNichts},     {"x", 60, 100, kNichts},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(testing::Message() << f.box << " at " << f.links);
        EXPECT_EQ(maxBreiteKorrektur(QString::fromLatin1(f.box), f.links, f.innenBreite), f.neu);
    }
}

struct BildFall {
    const char* box;
    Seite seite;
    bool proportional;
    int32_t altBreite;
    int32_t altHoehe;
    std::optional<int32_t> hoehe;
    std::optional<int32_t> breite;
};

TEST(Measures, TypedPictureSizeWithTheAspectRatioOfTheStart) {
    const BildFall faelle[] = {
        {"45", Seite::Hoehe, true, 40, 30, 45, 60},
        {"50", Seite::Breite, true, 40, 30, 38, 50}, // 37.5 rounds up
        {"25", Seite::Hoehe, true, 45, 30, 25, 38},  // 37.5 rounds up
        {"25", Seite::Breite, true, 45, 30, 17, 25},
        // Halves go up even where the even neighbour is below.
        {"27", Seite::Hoehe, true, 45, 30, 27, 41}, // 40.5
        {"5", Seite::Breite, true, 20, 10, 3, 5},   // 2.5
        {"45", Seite::Hoehe, false, 40, 30, 45, kNichts},
        {"50", Seite::Breite, false, 40, 30, kNichts, 50},
        // Nothing recorded on one side: no ratio, the other side stays.
        {"45", Seite::Hoehe, true, 40, 0, 45, kNichts},
        {"45", Seite::Hoehe, true, 0, 30, 45, kNichts},
        {"50", Seite::Breite, true, 0, 30, kNichts, 50},
        {"50", Seite::Breite, true, 40, 0, kNichts, 50},
        {"", Seite::Breite, true, 40, 30, 0, 0},
        {"007", Seite::Hoehe, false, 40, 30, 7, kNichts},
        // The partner stays a 16-bit size.
        {"32767", Seite::Hoehe, true, 40, 30, 32767, 32767},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(testing::Message() << f.box << (f.seite == Seite::Hoehe ? " high" : " wide"));
        const auto g = bildGroesseGetippt(QString::fromLatin1(f.box), f.seite, f.proportional,
                                          f.altBreite, f.altHoehe);
        ASSERT_TRUE(g.has_value());
        EXPECT_EQ(g->hoehe, f.hoehe);
        EXPECT_EQ(g->breite, f.breite);
    }
    EXPECT_FALSE(bildGroesseGetippt(QStringLiteral("4x"), Seite::Hoehe, true, 40, 30));
}

struct BildSchrittFall {
    const char* box;
    Seite seite;
    int richtung;
    std::optional<int32_t> hoehe;
    std::optional<int32_t> breite;
    bool wirkt;
};

TEST(Measures, PictureSizeInStepsProportionalFromTheStart) {
    // Recorded 40 x 30 when the frame opened, proportional on.
    const BildSchrittFall faelle[] = {
        {"40", Seite::Breite, -1, 29, 39, true}, // Runden(29.25)
        {"30", Seite::Hoehe, 1, 31, 41, true},   // Runden(41.33)
        {"30", Seite::Hoehe, -1, 29, 39, true},  // Runden(38.67)
        {"1", Seite::Breite, -1, 0, 0, true},    // down to 0 mm
        {"0", Seite::Breite, -1, {}, {}, false}, {"", Seite::Breite, -1, {}, {}, false},
        {"", Seite::Hoehe, 1, {}, {}, false},    {"32767", Seite::Hoehe, 1, {}, {}, false},
        {"x", Seite::Hoehe, 1, {}, {}, false},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(testing::Message() << f.box << " step " << f.richtung);
        const auto g =
            bildGroesseSchritt(QString::fromLatin1(f.box), f.seite, f.richtung, true, 40, 30);
        ASSERT_EQ(g.has_value(), f.wirkt);
        if (!g)
            continue;
        EXPECT_EQ(g->hoehe, f.hoehe);
        EXPECT_EQ(g->breite, f.breite);
    }
    // Without proportional the other side is left alone.
    const auto g = bildGroesseSchritt(QStringLiteral("40"), Seite::Breite, -1, false, 40, 30);
    ASSERT_TRUE(g.has_value());
    EXPECT_EQ(g->breite, 39);
    EXPECT_EQ(g->hoehe, kNichts);
}

struct PositionsFall {
    const char* name;
    Positionsknopf knopf;
    const char* box;
    Lage lage;
    std::optional<int32_t> neu;
};

TEST(Measures, PositionButtonsWithTheirBounds) {
    // Lage: Left, Height, inner width, inner height.
    const PositionsFall faelle[] = {
        {"text left of 0", kCmdX[5], "0", {0, 5, 100, 70}, -1},
        {"text X- far left", kCmdX[5], "-5", {-5, 5, 100, 70}, -6},
        {"text X+ at W-4", kCmdX[4], "96", {96, 5, 100, 70}, kNichts},
        {"text X+ below W-4", kCmdX[4], "95", {95.9, 5, 100, 70}, 96},
        {"text Y- at 0", kCmdX[7], "0", {10, 5, 100, 70}, kNichts},
        {"text Y- from 1", kCmdX[7], "1", {10, 5, 100, 70}, 0},
        {"text taller than H-2 stays", kCmdX[6], "0", {10, 69, 100, 70}, kNichts},
        {"data field Y- at 0", kCmdPosY[1], "0", {10, 5, 100, 70}, kNichts},
        {"data field Y+", kCmdPosY[0], "10", {10, 5, 100, 70}, 11},
        {"data field X- tests its Left", kCmdPosX[1], "0", {0.5, 5, 100, 70}, -1},
        {"data field X- at Left 0", kCmdPosX[1], "3", {0, 5, 100, 70}, kNichts},
        {"data field X+ at W-4", kCmdPosX[0], "96", {96, 5, 100, 70}, kNichts},
        {"data field X+", kCmdPosX[0], "49", {49, 5, 100, 70}, 50},
        {"picture data field X+ at W-5", kCmdX[11], "95", {95, 5, 100, 70}, 96},
        {"picture data field X+ past W-5", kCmdX[11], "96", {95, 5, 100, 70}, kNichts},
        {"picture data field X- at 0", kCmdX[10], "0", {0, 5, 100, 70}, kNichts},
        {"picture data field Y+ below the edge", kCmdX[9], "62", {0, 5, 100, 70}, 63},
        {"picture data field Y+ at the edge", kCmdX[9], "63", {0, 5, 100, 70}, kNichts},
        {"picture data field Y-", kCmdX[8], "1", {0, 5, 100, 70}, 0},
        {"picture left of 0", kCmdX[1], "0", {0, 50, 100, 70}, -1},
        {"picture past the right edge", kCmdX[0], "300", {300, 50, 100, 70}, 301},
        {"picture below the label", kCmdX[2], "500", {0, 50, 100, 70}, 501},
        {"picture up", kCmdX[3], "-7", {0, 50, 100, 70}, -8},
        {"picture at the 16-bit edge", kCmdX[0], "32767", {0, 50, 100, 70}, kNichts},
        {"empty box", kCmdX[1], "", {0, 50, 100, 70}, kNichts},
        {"no number", kCmdPosY[0], "1x", {10, 5, 100, 70}, kNichts},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        EXPECT_EQ(positionSchritt(f.knopf.art, f.knopf.achse, f.knopf.richtung,
                                  QString::fromLatin1(f.box), f.lage),
                  f.neu);
    }
}

struct MaxSchrittFall {
    const char* name;
    const char* box;
    std::optional<int32_t> neu;
};

TEST(Measures, MaximumWidthSmaller) {
    const MaxSchrittFall faelle[] = {
        {"two to one", "2", 1},
        {"one to none", "1", 0},
        {"zero stays none", "0", 0},
        {"fifty", "50", 49},
        {"empty: nothing, the caller beeps", "", kNichts},
        {"no number", "a", kNichts},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        EXPECT_EQ(maxBreiteMinus(QString::fromLatin1(f.box)), f.neu);
    }
    // The picture data field's boxes count an empty box as 0.
    EXPECT_EQ(bildDfMaxMinus(QString()), 0);
    EXPECT_EQ(bildDfMaxMinus(QStringLiteral("1")), 0);
    EXPECT_EQ(bildDfMaxMinus(QStringLiteral("5")), 4);
}

struct PlusFall {
    const char* name;
    const char* box;
    double links;
    double innenBreite;
    std::optional<int32_t> neu;
};

TEST(Measures, MaximumWidthLargerUpToTheRightEdge) {
    const PlusFall faelle[] = {
        {"empty starts at 1", "", 10, 100, 1},
        {"empty at the edge", "", 99.5, 100, 0},
        {"one more", "10", 10, 100, 11},
        {"70 tested, 69 kept", "69", 30.4, 100, 69},
        {"moved right since", "80", 30, 100, 69},
        {"at the limit again", "69", 30, 100, 69},
        {"16-bit edge", "32767", 0, 100000, 32767},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        EXPECT_EQ(maxPlus(QString::fromLatin1(f.box), f.links, f.innenBreite), f.neu);
    }
}

TEST(Measures, MaximumHeightLargerOnlyBelowTheLimit) {
    // Inner height 100, Top 80: the limit is 19.
    const MaxSchrittFall faelle[] = {
        {"below", "18", 19},
        {"at the limit", "19", kNichts},
        {"above stays", "25", kNichts},
        {"empty counts as 0", "", 1},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        EXPECT_EQ(bildDfMaxHoehePlus(QString::fromLatin1(f.box), 80, 100), f.neu);
    }
    // No room under the element at all.
    EXPECT_EQ(bildDfMaxHoehePlus(QStringLiteral("0"), 99.6, 100), kNichts);
}

} // namespace
} // namespace sorvo::masse

#include "platform/colour.h"
#include "platform/units.h"

#include <gtest/gtest.h>

using namespace sorvo;

TEST(Runden, HalfUpThenTowardsZero) {
    const struct {
        double x;
        int32_t r;
    } faelle[] = {{2.5, 3},  {2.49, 2},  {0.5, 1},   {0.4, 0},   {-0.4, 0},    {-0.5, 0},
                  {-1.2, 0}, {-1.5, -1}, {-1.7, -1}, {-2.5, -2}, {99.99, 100}, {12.5, 13}};
    for (const auto& f : faelle)
        EXPECT_EQ(Runden(f.x), f.r) << f.x;
}

TEST(RundenGerade, HalfToEven) {
    const struct {
        double x;
        int32_t r;
    } faelle[] = {{12.5, 12}, {13.5, 14}, {2.5, 2},     {-0.5, 0},    {-1.5, -2},
                  {8.25, 8},  {0.49, 0},  {100.5, 100}, {101.5, 102}, {-2.6, -3}};
    for (const auto& f : faelle)
        EXPECT_EQ(RundenGerade(f.x), f.r) << f.x;
}

TEST(Einheiten, TwipsMillimetresPixels) {
    EXPECT_NEAR(mmZuTwips(10.0), 567.0, 0.5); // 567 twips per centimetre
    EXPECT_DOUBLE_EQ(twipsZuMm(1440.0), 25.4);
    EXPECT_DOUBLE_EQ(twipsZuPixel(345.0), 23.0);
}

TEST(Farben, RgbLongAndSystemColours) {
    EXPECT_EQ(RGB(255, 0, 0), 0x0000FF);
    EXPECT_EQ(RGB(255, 128, 128), 0x8080FF);
    EXPECT_TRUE(istSystemFarbe(kFensterHintergrund));
    EXPECT_FALSE(istSystemFarbe(RGB(255, 255, 255)));
    EXPECT_EQ(zuQColor(0x8080FF), QColor(255, 128, 128));
    QPalette p;
    p.setColor(QPalette::Base, QColor(1, 2, 3));
    p.setColor(QPalette::Button, QColor(4, 5, 6));
    EXPECT_EQ(zuQColor(kFensterHintergrund, p), QColor(1, 2, 3));
    // System colours as template files hold them, signed: -2147483633 is
    // the button face (&H8000000F), -2147483643 the window background.
    EXPECT_EQ(zuQColor(static_cast<Farbe>(-2147483633), p), QColor(4, 5, 6));
    EXPECT_EQ(zuQColor(static_cast<Farbe>(-2147483643), p), QColor(1, 2, 3));
    EXPECT_EQ(ausQColor(QColor(10, 20, 30)), RGB(10, 20, 30));
}

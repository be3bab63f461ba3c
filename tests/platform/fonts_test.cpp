#include "platform/fonts.h"

#include <QFontInfo>
#include <gtest/gtest.h>

using namespace sorvo;

// Checked first: without the substitutes every measure below would be made
// with some fallback font and differ from machine to machine.
TEST(Fonts, WindowsNamesHaveTheirLiberationFont) {
    schriftenEinrichten();
    const struct {
        const char* name;
        const char* ersatz;
    } faelle[] = {{"MS Sans Serif", "Liberation Sans"},
                  {"Arial", "Liberation Sans"},
                  {"Times New Roman", "Liberation Serif"},
                  {"Courier New", "Liberation Mono"}};
    for (const auto& f : faelle) {
        EXPECT_EQ(QFont::substitute(f.name).toLower().toStdString(),
                  QString(f.ersatz).toLower().toStdString());
        const QFont schrift = schriftBauen(f.name, 10.0);
        EXPECT_EQ(QFontInfo(schrift).family().toStdString(), f.ersatz)
            << f.name << ": font missing (package fonts-liberation2)";
        EXPECT_EQ(schrift.family().toStdString(), f.name) << "the stored name stays";
    }
}

TEST(Fonts, SizeAsSetOrScreenSize) {
    const struct {
        const char* name;
        double gesetzt;
        double gelesen;
    } faelle[] = {
        {"MS Sans Serif", 8.0, 8.25},  {"MS Sans Serif", 10.0, 9.75},
        {"MS Sans Serif", 8.25, 8.25}, {"MS Sans Serif", 11.0, 12.0},
        {"MS Sans Serif", 13.0, 13.5}, {"MS Sans Serif", 9.0, 8.25}, // half way: the smaller
        {"MS Sans Serif", 2.0, 8.25},  {"MS Sans Serif", 23.0, 24.0},
        {"MS Sans Serif", 24.0, 24.0}, {"MS Sans Serif", 24.5, 24.5},
        {"MS Sans Serif", 30.0, 30.0}, {"ms sans serif", 10.0, 9.75},
        {"Arial", 8.0, 8.0},           {"Arial", 10.123456, 10.1235},
        {"Times New Roman", 7.5, 7.5}, {"Arial", 100.00004, 100.0},
    };
    for (const auto& f : faelle)
        EXPECT_DOUBLE_EQ(schriftGroesseNormieren(f.name, f.gesetzt), f.gelesen)
            << f.name << " " << f.gesetzt;
}

TEST(Fonts, FontWithoutKerningWithStyles) {
    const QFont f = schriftBauen("Arial", 8.25, true, true, true, true);
    EXPECT_FALSE(f.kerning());
    EXPECT_DOUBLE_EQ(f.pointSizeF(), 8.25);
    EXPECT_TRUE(f.bold() && f.italic() && f.underline() && f.strikeOut());
    const QFont schlicht = schriftBauen("Arial", 12.0);
    EXPECT_FALSE(schlicht.bold() || schlicht.italic() || schlicht.underline() ||
                 schlicht.strikeOut());
}

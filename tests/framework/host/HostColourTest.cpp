#include "framework/host/HostColour.h"

#include <gtest/gtest.h>

namespace {

TEST(HostColour, BlueIsTheHighByte) {
    const QColor c = toQColor(0xFFFF80); // blue FF, green FF, red 80
    EXPECT_EQ(c.red(), 0x80);
    EXPECT_EQ(c.green(), 0xFF);
    EXPECT_EQ(c.blue(), 0xFF);
    const QColor list = toQColor(12567173); // 0xBFC285
    EXPECT_EQ(list.red(), 0x85);
    EXPECT_EQ(list.green(), 0xC2);
    EXPECT_EQ(list.blue(), 0xBF);
    EXPECT_EQ(fromQColor(QColor(0x85, 0xC2, 0xBF)), 12567173);
    EXPECT_EQ(fromQColor(QColor(Qt::red)), 0x0000FF);
    EXPECT_EQ(fromQColor(QColor(Qt::blue)), 0xFF0000);
}

TEST(HostColour, ConversionsRoundTripAndIgnoreExtraBits) {
    for (Colour v : {0, 0x123456, 0xFFFFFF, 0x010203})
        EXPECT_EQ(fromQColor(toQColor(v)), v);
    // a colour given in another model comes back as its RGB value
    EXPECT_EQ(fromQColor(QColor::fromHsv(0, 255, 255)), 0x0000FF);
    EXPECT_EQ(toQColor(Colour(0x7F00FF00)), QColor(0, 0xFF, 0));
}

TEST(HostColour, FontChoiceKeepsItsColour) {
    FontChoice choice;
    choice.family = "Verdana";
    choice.pointSize = 11;
    choice.bold = true;
    choice.colour = 0x112233;
    const QFont f = toQFont(choice);
    EXPECT_EQ(f.pointSize(), 11);
    EXPECT_TRUE(f.bold());
    EXPECT_FALSE(f.italic());
    QFont other = f;
    other.setItalic(true);
    other.setBold(false);
    other.setPointSize(14);
    fromQFont(other, choice);
    EXPECT_EQ(choice.pointSize, 14);
    EXPECT_TRUE(choice.italic);
    EXPECT_FALSE(choice.bold);
    EXPECT_EQ(choice.colour, 0x112233);
}

} // namespace

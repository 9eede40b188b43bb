#include "framework/Pictures.h"

#include <gtest/gtest.h>
#include <limits>

using namespace Pictures;

namespace {

struct Case {
    qint64 value;
    const char* picture;
    int scale;
    const char* shown;
};

void expectShown(const std::vector<Case>& cases) {
    for (const Case& c : cases)
        EXPECT_EQ(format(c.value, QString::fromLatin1(c.picture), c.scale), c.shown)
            << c.value << " " << c.picture << " scale " << c.scale;
}

const qint32 march7 = dayNumber(2024, 3, 7);
const qint32 nineOFive = timeValue(9, 5, 3);

} // namespace

TEST(PictureFormat, Numbers) {
    expectShown({
        {0, "@N_6B", 0, ""},
        {0, "@N_6", 0, "0"},
        {123, "@N_6", 0, "123"},
        {123456, "@N_6", 0, "123 456"},
        {1234567, "@N_6", 0, "1 234 567"}, // too large for the size: shown in full
        {12345, "@N6_", 0, "12 345"},
        {65535, "@N8_B", 0, "65 535"},
        {255, "@N_3B", 0, "255"},
        {123, "@N06", 0, "000123"},
        {0, "@N06", 0, "000000"},
        {1234567, "@N06", 0, "1234567"},
        {4294967295, "@n13", 0, "4294967295"},
        {7, "@n2", 0, "7"},
        {255, "@n3", 0, "255"},
        {-5, "@n-6", 0, "-5"},
        {-5, "@n6", 0, "-5"},
        {-1234, "@N_6", 0, "-1 234"},
        {std::numeric_limits<qint64>::min(), "@N_6", 0, "-9 223 372 036 854 775 808"},
    });
}

TEST(PictureFormat, ScaledDecimalsRoundHalfAwayFromZero) {
    expectShown({
        {12345, "@N_8_.1B", 2, "123.5"},
        {12344, "@N_8_.1B", 2, "123.4"},
        {5, "@N_8_.1B", 2, "0.1"},
        {4, "@N_8_.1B", 2, "0.0"},
        {0, "@N_8_.1B", 2, ""},
        {0, "@N_8_.1", 2, "0.0"},
        {-15, "@N_8.1", 2, "-0.2"},
        {-4, "@N_8.1", 2, "0.0"},
        {99995, "@N_8.1B", 2, "1 000.0"},
        {1234567, "@N6_.2B", 2, "12 345.67"},
        {1234567, "@N_8.1B", 1, "123 456.7"},
        {12345, "@N6_.2B", 0, "12 345.00"},
        {12345, "@N_6", 2, "123"},
    });
}

TEST(PictureFormat, Dates) {
    expectShown({
        {march7, "@D6", 0, "07/03/2024"},
        {march7, "@d6", 0, "07/03/2024"},
        {march7, "@D6B", 0, "07/03/2024"},
        {march7, "@D5", 0, "07/03/24"},
        {march7, "@D5B", 0, "07/03/24"},
        {march7, "@d6-", 0, "07-03-2024"},
        {march7, "@D6.", 0, "07.03.2024"},
        {march7, "@D6_", 0, "07 03 2024"},
        {march7, "@D1", 0, "03/07/24"},
        {march7, "@D2", 0, "03/07/2024"},
        {FirstDay, "@D6", 0, "01/01/1801"},
        {LastDay, "@D6", 0, "31/12/9999"},
        // no date: blank with or without B
        {0, "@D6", 0, ""},
        {0, "@D6B", 0, ""},
        {0, "@D5B", 0, ""},
        {3, "@D6", 0, ""},
    });
}

TEST(PictureFormat, Times) {
    expectShown({
        {nineOFive, "@T4", 0, "09:05:03"},
        {nineOFive, "@t4", 0, "09:05:03"},
        {nineOFive, "@T4B", 0, "09:05:03"},
        {nineOFive, "@T1", 0, "09:05"},
        {nineOFive, "@T4_", 0, "09 05 03"},
        {1, "@T4", 0, "00:00:00"},
        {LastTime, "@T4", 0, "23:59:59"}, // hundredths are cut, never rounded to 24:00
        {0, "@T4", 0, ""},
        {0, "@T4B", 0, ""},
    });
}

TEST(PictureFormat, TextPictures) {
    EXPECT_EQ(format(QStringLiteral("D:\\TOOLS\\SETUP.EXE"), "@s3"), "D:\\");
    EXPECT_EQ(format(QStringLiteral("short"), "@S20"), "short");
    EXPECT_EQ(format(QStringLiteral("ab\U0001F600"), "@s3"), "ab"); // no half characters
    EXPECT_EQ(format(12345, "@s6", 2), "123.45");
    EXPECT_EQ(format(-7, "@s6"), "-7");
}

TEST(PictureFormat, NumericPicturesOnText) {
    EXPECT_EQ(format(QStringLiteral("123.45"), "@N_8_.1B"), "123.5");
    EXPECT_EQ(format(QStringLiteral(" 1234567 "), "@N_6"), "1 234 567");
    EXPECT_EQ(format(QStringLiteral("0"), "@N_6B"), "");
    EXPECT_EQ(format(QStringLiteral("81519"), "@D6"), "07/03/2024");
    EXPECT_EQ(format(QStringLiteral("None"), "@N_6"), "None");
}

TEST(PictureFormat, UnknownPictures) {
    EXPECT_EQ(format(1234, "@X9"), "1234");
    EXPECT_EQ(format(1234, "@D7"), "1234");
    EXPECT_EQ(format(QStringLiteral("abc"), "@N"), "abc");
    EXPECT_FALSE(parse(QStringLiteral("12"), "@Q5"));
    EXPECT_EQ(pictureWidth("@N"), 0);
}

TEST(PictureWidth, MostCharactersShown) {
    EXPECT_EQ(pictureWidth("@s20"), 20);
    EXPECT_EQ(pictureWidth("@s255"), 255);
    EXPECT_EQ(pictureWidth("@D6"), 10);
    EXPECT_EQ(pictureWidth("@d6-"), 10);
    EXPECT_EQ(pictureWidth("@D5B"), 8);
    EXPECT_EQ(pictureWidth("@T4"), 8);
    EXPECT_EQ(pictureWidth("@T1"), 5);
    EXPECT_EQ(pictureWidth("@N_6"), 7);
    EXPECT_EQ(pictureWidth("@N_3B"), 3);
    EXPECT_EQ(pictureWidth("@N06"), 6);
    EXPECT_EQ(pictureWidth("@n13"), 13);
    EXPECT_EQ(pictureWidth("@n-6"), 7);
    EXPECT_EQ(pictureWidth("@N_8_.1B"), 12);
    EXPECT_EQ(pictureWidth("@N6_.2B"), 10);
}

TEST(PictureParse, NumbersAsTyped) {
    EXPECT_EQ(parse(" 1 234 ", "@N_6"), 1234);
    EXPECT_EQ(parse("1,234,567", "@N8_B"), 1234567);
    EXPECT_EQ(parse("000123", "@N06"), 123);
    EXPECT_EQ(parse("12.5", "@N_8_.1B", 2), 1250);
    EXPECT_EQ(parse("123.456", "@N_8_.1B", 2), 12346);
    EXPECT_EQ(parse(".5", "@N_8_.1B", 2), 50);
    EXPECT_EQ(parse("-5", "@n-6"), -5);
    EXPECT_EQ(parse("+5", "@n6"), 5);
    EXPECT_EQ(parse("", "@N_6B"), 0);
    EXPECT_EQ(parse("   ", "@N_6"), 0);
}

TEST(PictureParse, BadNumbers) {
    for (const char* bad :
         {"abc", "12a", "1.2.3", "-", ".", "1,5", "12 34", "1234 567", "99999999999999999999"})
        EXPECT_FALSE(parse(QString::fromLatin1(bad), "@N_8_.1B", 2)) << bad;
    EXPECT_FALSE(parse("-5", "@N_6"));                    // no sign in the picture
    EXPECT_FALSE(parse("922337203685477580", "@N_6", 2)); // does not fit when scaled
    EXPECT_FALSE(parse("anything", "@s20"));
}

TEST(PictureParse, Dates) {
    EXPECT_EQ(parse("07/03/2024", "@D6"), march7);
    EXPECT_EQ(parse("7/3/2024", "@d6"), march7);
    EXPECT_EQ(parse(" 07-03-2024 ", "@D6"), march7);
    EXPECT_EQ(parse("7.3.2024", "@D6"), march7);
    EXPECT_EQ(parse("07 03 2024", "@D6_"), march7);
    EXPECT_EQ(parse("07032024", "@D6"), march7);
    EXPECT_EQ(parse("070324", "@D5"), march7);
    EXPECT_EQ(parse("7/3/24", "@D5B"), march7);
    EXPECT_EQ(parse("3/7/24", "@D1"), march7);
    EXPECT_EQ(parse("7/3/49", "@D5"), dayNumber(2049, 3, 7));
    EXPECT_EQ(parse("7/3/50", "@D5"), dayNumber(1950, 3, 7));
    EXPECT_EQ(parse("29/2/2000", "@D6"), dayNumber(2000, 2, 29));
    EXPECT_EQ(parse("", "@D6B"), 0);

    for (const char* bad : {"31/4/2024", "29/2/1900", "29/2/2100", "31/12/1800", "7/3", "a/b/c",
                            "7/3/202", "7/13/2024", "0", "007/3/2024", "7/3/2024/1", "7//3/2024"})
        EXPECT_FALSE(parse(QString::fromLatin1(bad), "@D6")) << bad;
}

TEST(PictureParse, Times) {
    EXPECT_EQ(parse("09:05:03", "@T4"), nineOFive);
    EXPECT_EQ(parse("9:05", "@T4"), timeValue(9, 5, 0));
    EXPECT_EQ(parse("9", "@T4"), timeValue(9, 0, 0));
    EXPECT_EQ(parse("0905", "@T1"), timeValue(9, 5, 0));
    EXPECT_EQ(parse("09 05 03", "@T4_"), nineOFive);
    EXPECT_EQ(parse("9:05:03.5", "@T4"), timeValue(9, 5, 3, 50));
    EXPECT_EQ(parse("00:00:00", "@T4B"), 1);
    EXPECT_EQ(parse("  ", "@T4B"), 0);

    for (const char* bad :
         {"24:00", "9:60", "9:05:60", "9:5x", "905", "9::", "9:", ":05", "1:2:3:4:5"})
        EXPECT_FALSE(parse(QString::fromLatin1(bad), "@T4")) << bad;
}

// What a picture shows reads back as the same value.
TEST(PictureParse, ReadsBackWhatFormatShows) {
    for (const char* picture : {"@N_6", "@N_6B", "@N06", "@N8_B", "@n13", "@n-6"})
        for (qint64 v : {0LL, 1LL, 999LL, 1000LL, 123456LL, 1234567LL})
            EXPECT_EQ(parse(format(v, picture), picture), v) << picture << " " << v;
    EXPECT_EQ(parse(format(-42, "@n-6"), "@n-6"), -42);
    for (qint64 v : {0LL, 5LL, 99LL, 1234567LL})
        EXPECT_EQ(parse(format(v, "@N6_.2B", 2), "@N6_.2B", 2), v) << v;

    for (const char* picture : {"@D6", "@D6B", "@d6-", "@D6.", "@D6_", "@D2", "@D1", "@D5"}) {
        const int first = picture[2] == '6' || picture[2] == '2' ? 1801 : 1950;
        const int last = picture[2] == '6' || picture[2] == '2' ? 9999 : 2049;
        for (qint32 day :
             {0, dayNumber(first, 1, 1), dayNumber(2000, 2, 29), march7, dayNumber(last, 12, 31)})
            EXPECT_EQ(parse(format(day, picture), picture), day) << picture << " " << day;
    }
    for (const char* picture : {"@T4", "@T4B", "@T4_"})
        for (qint32 t : {0, 1, nineOFive, timeValue(23, 59, 59)})
            EXPECT_EQ(parse(format(t, picture), picture), t) << picture << " " << t;
}

#include "framework/Text.h"
#include "core/Dictionary.h"

#include <gtest/gtest.h>

TEST(Text, CutsToCapacityAndDropsTrailingBlanks) {
    Text t(5);
    t = QStringLiteral("abcdefgh");
    EXPECT_EQ(t.str(), "abcde");
    t = QStringLiteral("ab   ");
    EXPECT_EQ(t.str(), "ab");
    EXPECT_TRUE(t == QStringLiteral("ab      "));
    t = QStringLiteral("   ");
    EXPECT_TRUE(t.isBlank());
}

TEST(Text, CountsCharactersNotBytes) {
    Text t(3);
    t = QStringLiteral("ÄÖÜß");
    EXPECT_EQ(t.str(), "ÄÖÜ");
    // a cut never splits a surrogate pair
    t = QStringLiteral("ab\U0001F600");
    EXPECT_EQ(t.str(), "ab");
}

TEST(RecordBuffer, ValuesAreCutAndClampedToTheirFields) {
    ArchiefRecord arc;
    arc.setValue(arc.def().fieldIndex("ARC:Version"), QStringLiteral("1.2.3.4.5.6.7"));
    EXPECT_EQ(arc.Version.str(), "1.2.3.4.5.6");
    arc.setValue(arc.def().fieldIndex("arc:cdnr"), qint64(70000));
    EXPECT_EQ(arc.CdNr, 65535);
    arc.setValue(arc.def().fieldIndex("ARC:Size"), qint64(123456789));
    EXPECT_EQ(arc.Size, 9999999); // decimal(4,2) holds seven digits
    EXPECT_EQ(arc.Producer.str(), "");
    auto snapshot = arc.values();
    arc.clear();
    EXPECT_EQ(arc.CdNr, 0);
    EXPECT_TRUE(arc.Version.isBlank());
    arc.setValues(snapshot);
    EXPECT_EQ(arc.CdNr, 65535);
    EXPECT_TRUE(arc.equals(snapshot));
}

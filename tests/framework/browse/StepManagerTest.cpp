#include "framework/browse/StepManager.h"
#include "framework/browse/Locators.h"

#include <gtest/gtest.h>

TEST(StepManager, CharactersAreLettersOrLettersAndDigitsInCodeOrder) {
    StepStringManager letters;
    letters.Init(StepManager::AllowAlpha);
    EXPECT_TRUE(letters.SortChars.startsWith("ABCDEFGHIJKLMNOPQRSTUVWXYZ"));
    EXPECT_FALSE(letters.SortChars.contains('a'));
    EXPECT_FALSE(letters.SortChars.contains('0'));
    StepStringManager both;
    both.Init(StepManager::AllowAlpha | StepManager::AllowNumeric);
    EXPECT_TRUE(both.SortChars.startsWith("0123456789ABC"));
    StepStringManager punctuation;
    punctuation.Init(StepManager::AllowAlt);
    EXPECT_EQ(punctuation.SortChars, QString::fromUtf8(" !\"#$%&'()*+,-./:;=?@[\\]^_`|~£"));
}

TEST(StepManager, TheMiddleOfAToZIsNearMAndTheWayBackAgrees) {
    StepStringManager s;
    s.Init(StepManager::AllowAlpha);
    s.SetLimits(QString("Aardvark"), QString("zulu"));
    EXPECT_EQ(s.Root, "");
    const QString middle = std::get<QString>(s.GetValue(50));
    EXPECT_TRUE(middle.startsWith('M') || middle.startsWith('N')) << middle.toStdString();
    EXPECT_EQ(s.GetPercentile(QString("aardvark")), 0);
    EXPECT_EQ(s.GetPercentile(QString("ZULU")), 99);
    for (int p : {10, 37, 50, 81})
        EXPECT_EQ(s.GetPercentile(s.GetValue(p)), p);
    EXPECT_LT(s.GetPercentile(QString("Fox")), s.GetPercentile(QString("Goat")));

    // A common beginning is the root; the steps run over what follows it.
    s.SetLimits(QString("SETUP\\A.EXE"), QString("SETUP\\Z.EXE"));
    EXPECT_EQ(s.Root, "SETUP\\");
    EXPECT_TRUE(std::get<QString>(s.GetValue(0)).startsWith("SETUP\\A"));
    EXPECT_EQ(s.GetPercentile(QString("TOOLS")), 99);
    EXPECT_EQ(s.GetPercentile(QString("BIN")), 0);

    // A key that sorts from high to low runs the table from the top down.
    StepStringManager down;
    down.Init(StepManager::AllowAlpha | StepManager::Descending);
    down.SetLimits(QString("ZULU"), QString("AARDVARK"));
    EXPECT_TRUE(std::get<QString>(down.GetValue(0)).startsWith('Z'));
    EXPECT_TRUE(std::get<QString>(down.GetValue(99)).startsWith('A'));
    EXPECT_GT(down.GetPercentile(QString("B")), down.GetPercentile(QString("Y")));

    // One value only: nothing to step through, and nothing breaks.
    s.SetLimits(QString("SAME"), QString("SAME"));
    EXPECT_EQ(s.GetPercentile(QString("SAME")), 0);
    EXPECT_EQ(std::get<QString>(s.GetValue(40)).left(4), "SAME");
}

TEST(StepManager, NumbersMapLinearlyBothWays) {
    StepLongManager n;
    n.SetLimits(qint64(1), qint64(2001));
    EXPECT_EQ(std::get<qint64>(n.GetValue(0)), 1);
    EXPECT_EQ(std::get<qint64>(n.GetValue(99)), 2001);
    EXPECT_NEAR(std::get<qint64>(n.GetValue(50)), 1011, 15);
    EXPECT_EQ(n.GetPercentile(qint64(1)), 0);
    EXPECT_EQ(n.GetPercentile(qint64(1001)), 49);
    StepLongManager newestFirst(StepManager::Descending);
    newestFirst.SetLimits(qint64(80000), qint64(70000));
    EXPECT_EQ(std::get<qint64>(newestFirst.GetValue(0)), 80000);
    EXPECT_EQ(newestFirst.GetPercentile(qint64(70000)), 99);
    StepLongManager empty;
    EXPECT_EQ(empty.GetPercentile(qint64(5)), 0);
}

TEST(Locators, TheIncrementalShadowHoldsFortyCharactersAndForgetsOnScrolling) {
    IncrementalLocator l;
    const auto none = [] { return std::optional<QString>(); };
    EXPECT_EQ(l.TakeCharacter('s', none).value(), "S");
    EXPECT_EQ(l.TakeCharacter(' ', none).value(), "S ");
    EXPECT_EQ(l.TakeBackspace().value(), "S");
    EXPECT_EQ(l.TakeBackspace().value(), "");
    EXPECT_FALSE(l.TakeBackspace());
    for (int i = 0; i < 45; ++i)
        l.TakeCharacter('x', none);
    EXPECT_EQ(l.Typed().size(), 40);
    l.Reset();
    EXPECT_EQ(l.Typed(), "");

    StepLocator step;
    int moves = 0;
    EXPECT_FALSE(step.TakeCharacter('m', [&] {
        ++moves;
        return std::optional<QString>("Mouse");
    }));
    EXPECT_EQ(step.TakeCharacter('m', [] { return std::optional<QString>("Nail"); }).value(), "m");
    EXPECT_EQ(step.TakeCharacter('m', none).value(), "m") << "an empty list looks it up";
    EXPECT_EQ(moves, 1);
}

#include "framework/report/PageStore.h"

#include <QTemporaryFile>
#include <gtest/gtest.h>

namespace {

PageItem text(PageUnits x, PageUnits y, const QString& s, quint8 font = 0,
              Align align = Align::Left) {
    PageItem item;
    item.x = x;
    item.y = y;
    item.width = 3000;
    item.height = 420;
    item.font = font;
    item.align = align;
    item.text = s;
    return item;
}

Page pageOf(int n) {
    Page page;
    page.items.push_back(text(1500, 1200, QStringLiteral("Page %1").arg(n)));
    PageItem rule;
    rule.kind = ItemKind::Rule;
    rule.x = 1500;
    rule.y = 1700;
    rule.width = 18000;
    rule.pen = 20;
    page.items.push_back(rule);
    return page;
}

TEST(PageStore, PagesComeBackAsTheyWereKeptWithEveryKindOfItemAndText) {
    Page page;
    page.items.push_back(text(0, 0, QStringLiteral("Ærø Sønderborg — naïve café")));
    page.items.push_back(text(-50, 100, QStringLiteral("软件目录 ソフト"), 3, Align::Right));
    page.items.push_back(text(7000, 100, QStringLiteral("שלום עולם"), 1, Align::Centre));
    page.items.push_back(text(7000, 29000, QStringLiteral("𝄞 emoji 😀"), 255));
    PageItem box;
    box.kind = ItemKind::Box;
    box.x = 1500;
    box.y = 2000;
    box.width = 18000;
    box.height = 900;
    box.pen = 0;
    page.items.push_back(box);
    PageItem up;
    up.kind = ItemKind::Rule;
    up.x = 5000;
    up.y = 2900;
    up.height = -900; // a rule may run up
    page.items.push_back(up);

    PageStore store;
    ASSERT_TRUE(store.Add(page));
    ASSERT_TRUE(store.Add(Page{}));
    ASSERT_TRUE(store.Add(page));
    EXPECT_EQ(store.Count(), 3);
    EXPECT_EQ(store.Read(1), page);
    EXPECT_TRUE(store.Read(2).items.empty());
    EXPECT_EQ(store.Read(3), page);
}

TEST(PageStore, ReadsPagesInAnyOrderWhileMoreAreAdded) {
    PageStore store;
    for (int n = 1; n <= 50; ++n) {
        ASSERT_TRUE(store.Add(pageOf(n)));
        if (n % 7 == 0) {
            EXPECT_EQ(store.Read(n / 2), pageOf(n / 2));
        }
    }
    EXPECT_EQ(store.Read(50), pageOf(50));
    EXPECT_EQ(store.Read(1), pageOf(1));
    EXPECT_TRUE(store.Read(0).items.empty());
    EXPECT_TRUE(store.Read(51).items.empty());
}

TEST(PageStore, KeepsPagesPackedInItsSpoolFileAndTakesPagesAgainAfterAClear) {
    PageStore store;
    Page big;
    for (int line = 0; line < 60; ++line)
        for (int column = 0; column < 8; ++column)
            big.items.push_back(text(column * 2500, line * 450,
                                     QStringLiteral("Entry %1 column %2").arg(line).arg(column)));
    for (int n = 0; n < 20; ++n)
        ASSERT_TRUE(store.Add(big));
    // Packed and compressed, a page of 480 texts takes well under its text's size.
    EXPECT_LT(store.SpoolBytes(), 20 * 480 * 10);
    EXPECT_EQ(store.Read(20), big);
    store.Clear();
    EXPECT_EQ(store.Count(), 0);
    EXPECT_EQ(store.SpoolBytes(), 0);
    ASSERT_TRUE(store.Add(pageOf(1)));
    EXPECT_EQ(store.Read(1), pageOf(1));
}

TEST(PageStore, APageThatCannotBeKeptSaysWhy) {
    // The folder for temporary files is an ordinary file.
    QTemporaryFile notAFolder;
    ASSERT_TRUE(notAFolder.open());
    const QByteArray before = qgetenv("TMPDIR");
    qputenv("TMPDIR", notAFolder.fileName().toLocal8Bit());
    PageStore store;
    EXPECT_FALSE(store.Add(pageOf(1)));
    qputenv("TMPDIR", before);
    EXPECT_EQ(store.Count(), 0);
    EXPECT_TRUE(store.Error().startsWith("The report's pages cannot be kept in "))
        << store.Error().toStdString();
    EXPECT_TRUE(store.Error().contains(notAFolder.fileName()));
}

TEST(PageStore, BytesThatAreNoPageAreRefused) {
    Page page;
    const QByteArray packed = PageStore::Pack(pageOf(3));
    EXPECT_TRUE(PageStore::Unpack(packed, page));
    EXPECT_FALSE(PageStore::Unpack(QByteArray("not a page"), page));
    EXPECT_FALSE(PageStore::Unpack(packed.left(packed.size() - 3), page));
    // A text whose length runs past the end.
    QByteArray raw;
    raw.append(char(1)).append(char(0)).append(char(0));
    raw.append(4, char(0)).append(char(100)).append("short");
    EXPECT_FALSE(PageStore::Unpack(qCompress(raw), page));
}

TEST(PageStore, LinesReadTheTextsTopToBottomAndLeftToRight) {
    Page page;
    page.items.push_back(text(5000, 900, QStringLiteral("right")));
    page.items.push_back(text(1000, 900, QStringLiteral("left")));
    page.items.push_back(text(1000, 300, QStringLiteral("title")));
    page.items.push_back(text(3000, 900, QString()));
    EXPECT_EQ(page.lines(), QStringList({"title", "left right"}));
}

} // namespace

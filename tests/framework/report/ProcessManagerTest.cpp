#include "framework/report/ProcessManager.h"

#include "framework/ErrorManager.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {

// A process over a list of record sizes; `failAt` makes that read (from 1) an error.
class ListProcess : public ProcessManager {
public:
    explicit ListProcess(std::vector<qint64> sizes, qint64 count = -1)
        : sizes_(std::move(sizes)), count_(count < 0 ? qint64(sizes_.size()) : count) {}
    int failAt = 0;
    int current = 0; // the record read last, from 1
    qint64 fileBytes = 0;

protected:
    int ResetView() override {
        at_ = 0;
        return LevelBenign;
    }
    int ReadView() override {
        if (++reads_ == failAt) return LevelFatal;
        if (at_ >= sizes_.size()) return LevelNotify;
        current = int(++at_);
        return LevelBenign;
    }
    qint64 PrimaryRecords() override { return count_; }
    qint64 PrimaryBytes() override { return fileBytes; }
    qint64 RecordBytes() override { return sizes_[at_ - 1]; }

private:
    std::vector<qint64> sizes_;
    qint64 count_;
    size_t at_ = 0;
    int reads_ = 0;
};

struct Shown {
    std::vector<int> bar;
    QStringList texts;
};

void watch(ProcessManager& p, Shown& shown) {
    p.Percentile = [&](int v) { shown.bar.push_back(v); };
    p.PText = [&](const QString& t) { shown.texts << t; };
}

TEST(ProcessManager, ThePercentageFollowsTheRecordCountAndIsShownOnlyWhenItChanges) {
    ListProcess p(std::vector<qint64>(8, 10));
    Shown shown;
    watch(p, shown);
    ASSERT_EQ(p.Reset(), LevelBenign);
    EXPECT_EQ(p.RecordsToProcess, 8);
    int reads = 0;
    while (p.Next() == LevelBenign)
        ++reads;
    EXPECT_EQ(reads, 8);
    EXPECT_EQ(p.RecordsProcessed, 8);
    EXPECT_EQ(shown.bar, std::vector<int>({12, 25, 37, 50, 62, 75, 87, 100}));
    EXPECT_EQ(shown.texts.first(), "12% Complete");
    EXPECT_EQ(shown.texts.last(), "100% Complete");
}

TEST(ProcessManager, ReadingWithoutCountingLeavesThePercentageWhereItWas) {
    ListProcess p(std::vector<qint64>(4, 10));
    Shown shown;
    watch(p, shown);
    p.Reset();
    p.Next(false);
    p.Next(false);
    EXPECT_EQ(p.RecordsProcessed, 0);
    EXPECT_TRUE(shown.texts.isEmpty());
    p.Next();
    EXPECT_EQ(shown.texts, QStringList({"25% Complete"}));
}

TEST(ProcessManager, WithoutARecordCountTheBytesReadOfTheFileSizeGiveThePercentage) {
    ListProcess p({100, 300, 600}, 0);
    p.fileBytes = 1000;
    Shown shown;
    watch(p, shown);
    p.Reset();
    EXPECT_EQ(p.FileSize, 1000);
    while (p.Next() == LevelBenign) {
    }
    EXPECT_EQ(p.BytesRead, 1000);
    EXPECT_EQ(shown.bar, std::vector<int>({10, 40, 100}));
}

TEST(ProcessManager, APercentageNeverPassesAHundredWhenTheFileGrewMeanwhile) {
    ListProcess p(std::vector<qint64>(5, 1), 2); // counted 2, finds 5
    Shown shown;
    watch(p, shown);
    p.Reset();
    while (p.Next() == LevelBenign) {
    }
    EXPECT_EQ(p.Percent, 100);
    EXPECT_EQ(shown.bar, std::vector<int>({50, 100}));
}

TEST(ProcessManager, AResetStartsAgainFromTheFirstRecordWithClearedCounters) {
    ListProcess p(std::vector<qint64>(3, 10));
    p.Reset();
    p.Next();
    p.Next();
    p.Reset();
    EXPECT_EQ(p.RecordsProcessed, 0);
    EXPECT_EQ(p.Next(), LevelBenign);
    EXPECT_EQ(p.current, 1);
}

TEST(ProcessManager, AReadErrorIsPassedOn) {
    ListProcess p(std::vector<qint64>(5, 10));
    p.failAt = 3;
    p.Reset();
    EXPECT_EQ(p.Next(), LevelBenign);
    EXPECT_EQ(p.Next(), LevelBenign);
    EXPECT_EQ(p.Next(), LevelFatal);
    EXPECT_EQ(p.RecordsProcessed, 2);
}

TEST(ProcessManager, ChildrenAreReadThroughAfterEachRecordOfTheirParent) {
    ListProcess parent(std::vector<qint64>(2, 1));
    ListProcess first(std::vector<qint64>(2, 1)), second(std::vector<qint64>(1, 1));
    parent.Children = {&first, &second};
    Shown shown;
    watch(parent, shown);
    parent.Reset();
    QStringList order;
    while (parent.Next() == LevelBenign)
        order << QStringLiteral("p%1 a%2 b%3")
                     .arg(parent.current)
                     .arg(first.current)
                     .arg(second.current);
    // Parent 1, its two children of the first kind, one of the second; then parent 2 ...
    EXPECT_EQ(order, QStringList({"p1 a0 b0", "p1 a1 b0", "p1 a2 b0", "p1 a2 b1", "p2 a2 b1",
                                  "p2 a1 b1", "p2 a2 b1", "p2 a2 b1"}));
    // Only the parent's records move the percentage.
    EXPECT_EQ(shown.bar, std::vector<int>({50, 100}));
}

} // namespace

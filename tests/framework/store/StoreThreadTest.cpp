#include "StoreFixture.h"

#include <atomic>
#include <thread>

using namespace store;

// A worker reads one file while the window thread writes another of the same store.
TEST_F(StoreTest, AWorkerReadsWhileAnotherThreadWrites) {
    StoreFile& arc = created(Dictionary::Archief());
    StoreFile& prd = created(Dictionary::Prd());
    addArchief(arc, 2000);
    std::atomic<int> passes{0}, failures{0};
    std::thread worker([&] {
        ArchiefRecord r;
        for (int pass = 0; pass < 5; ++pass) {
            arc.setOrder(5);
            int n = 0;
            while (arc.next(r) == Ok)
                ++n;
            if (n != 2000 || arc.status().code != NoRecord) ++failures;
            ++passes;
        }
    });
    ASSERT_EQ(store->begin({&prd}, 5), Ok);
    PrdRecord p;
    for (int i = 0; i < 300; ++i) {
        p.Name = QStringLiteral("Producer %1").arg(i);
        EXPECT_EQ(prd.add(p), Ok);
    }
    ASSERT_EQ(store->commit(), Ok);
    worker.join();
    EXPECT_EQ(passes, 5);
    EXPECT_EQ(failures, 0);
    EXPECT_EQ(prd.records(), 300);
}

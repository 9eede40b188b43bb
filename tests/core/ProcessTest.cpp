#include "core/Process.h"
#include "core/DataFiles.h"
#include "core/Globals.h"
#include "framework/FileRegistry.h"
#include "support/DataDirTest.h"

#include <QFile>

namespace {

using ProcessTest = DataDirTest;

TEST_F(ProcessTest, StartClearsEverythingSharedAndOpensNothing) {
    GLO.UserName = "Someone";
    GLO.ArchiveCount = 42;
    GLO.Threads.set(Instance::Toolbar, 7);
    GLO.DriveQueue.buffer.DRIVE = "D:\\";
    GLO.DriveQueue.add();
    ARC.Naam = "LEFT.EXE";
    ARC.Omschrijving = "a description";
    IDE.LEVEL = 3;
    {
        Process process(dataDir());
        EXPECT_TRUE(GLO.UserName.isBlank());
        EXPECT_EQ(GLO.ArchiveCount, 0u);
        EXPECT_FALSE(GLO.Threads.isOpen(Instance::Toolbar));
        EXPECT_EQ(GLO.DriveQueue.records(), 0u);
        EXPECT_TRUE(ARC.Naam.isBlank());
        EXPECT_TRUE(ARC.Omschrijving.isBlank());
        EXPECT_EQ(IDE.LEVEL, 0);
        for (const FileDef* def : Dictionary::files()) {
            ASSERT_NE(FileRegistry::instance().Find(def->label), nullptr)
                << def->label.toStdString();
            EXPECT_FALSE(QFile::exists(dataPath(def->diskName))) << "files open lazily";
        }
        GLO.SearchResultQueue = search::ResultList({std::make_shared<search::TextColumn>(true),
                                                    std::make_shared<search::TextColumn>(true),
                                                    std::make_shared<search::TextColumn>(true),
                                                    std::make_shared<search::TextColumn>(true)},
                                                   std::vector<search::ResultList::Row>(1));
    }
    EXPECT_EQ(GLO.SearchResultQueue.records(), 0u) << "queues are released at the end";
    EXPECT_EQ(FileRegistry::instance().Find("Archief"), nullptr);
    EXPECT_EQ(ini.Fetch("Sectors", "__Dont_Touch_Me__"), "0");
}

TEST_F(ProcessTest, AMissingFileIsCreatedEmptyAtItsFirstUse) {
    Process process(dataDir());
    FileManager& drives = Access::Drv();
    ASSERT_EQ(drives.Open(), LevelBenign);
    ASSERT_EQ(drives.UseFile(), LevelBenign);
    EXPECT_TRUE(QFile::exists(dataPath("Drv.tps")));
    EXPECT_EQ(drives.File->records(), 0);
    EXPECT_TRUE(host.messages().empty());
    drives.Close();
}

} // namespace

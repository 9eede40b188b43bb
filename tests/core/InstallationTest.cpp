#include "core/Installation.h"
#include "core/DataFiles.h"
#include "core/Globals.h"
#include "core/Process.h"
#include "framework/store/Creation.h"
#include "support/DataDirTest.h"

#include <QDir>

namespace {

class InstallationTest : public DataDirTest {
protected:
    void SetUp() override {
        DataDirTest::SetUp();
        process = std::make_unique<Process>(dataDir());
    }
    void TearDown() override {
        process.reset();
        DataDirTest::TearDown();
    }

    qint64 records(FileManager& file) {
        EXPECT_EQ(file.Open(), LevelBenign);
        EXPECT_EQ(file.UseFile(), LevelBenign);
        const qint64 n = file.File->records();
        file.Close();
        return n;
    }
    QStringList files() const {
        return QDir(dataDir()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
    }

    std::unique_ptr<Process> process;
};

TEST_F(InstallationTest, ABlankPasswordIsRefusedAndNothingIsMade) {
    for (const QString& password : {QString(), QStringLiteral("   "), QStringLiteral("\t ")}) {
        EXPECT_FALSE(Installation::passwordProblem(password).isEmpty());
        QString report;
        EXPECT_EQ(Installation::install({password, {}, false}, report), Installation::Failed);
        EXPECT_TRUE(report.contains("may not be empty")) << report.toStdString();
    }
    EXPECT_TRUE(Installation::passwordProblem(QStringLiteral(" a ")).isEmpty());
    QString report;
    EXPECT_EQ(Installation::check(report), Installation::Installed);
    EXPECT_EQ(files(), QStringList());
}

// The demo's producers meet one that is there already: the installation fails after its
// first user was written, and leaves no record of its own behind.
TEST_F(InstallationTest, AnInstallationThatFailsHalfwayLeavesNothingAndCanBeRunAgain) {
    FileManager& prd = Access::Prd();
    ASSERT_EQ(prd.Open(), LevelBenign);
    PRD.clear();
    PRD.Name = "Northwind Software";
    PRD.Phone = "kept";
    ASSERT_EQ(prd.TryInsert(), LevelBenign);
    prd.Close();

    QString report;
    EXPECT_EQ(
        Installation::install({QStringLiteral("Secret"), QStringLiteral("Acme"), true}, report),
        Installation::Failed);
    EXPECT_TRUE(report.contains("Nothing was installed")) << report.toStdString();
    EXPECT_EQ(records(Access::IDE()), 0);
    EXPECT_EQ(records(Access::Sys()), 0);
    EXPECT_EQ(records(Access::SoortTabel()), 0);
    EXPECT_EQ(records(Access::Archief()), 0);
    EXPECT_EQ(records(Access::Prd()), 1);
    EXPECT_EQ(ini.Fetch("Registration", "Organization"), QString());

    EXPECT_EQ(
        Installation::install({QStringLiteral("Secret"), QStringLiteral("Acme"), false}, report),
        Installation::Installed)
        << report.toStdString();
    EXPECT_EQ(records(Access::IDE()), 1);
    EXPECT_EQ(records(Access::Sys()), 1);
    EXPECT_EQ(Installation::install({QStringLiteral("Other"), {}, false}, report),
              Installation::Refused);
    EXPECT_EQ(records(Access::IDE()), 1);
}

TEST_F(InstallationTest, FilesLeftHalfMadeByAnEarlierStartAreMadeAnew) {
    writeFile("IDE.tps");
    writeFile("Archief.tps");
    QString report;
    EXPECT_EQ(Installation::check(report), Installation::Installed) << report.toStdString();
    ASSERT_EQ(Installation::install({QStringLiteral("Secret"), {}, true}, report),
              Installation::Installed)
        << report.toStdString();
    EXPECT_EQ(records(Access::IDE()), 3);
    EXPECT_GT(records(Access::Archief()), 0);
}

TEST_F(InstallationTest, ANewInstallationIsPrivateToItsOwner) {
    QString report;
    ASSERT_EQ(Installation::install({QStringLiteral("Secret"), {}, false}, report),
              Installation::Installed);
    for (const FileDef* def : Dictionary::files())
        EXPECT_EQ(QFileInfo(dataPath(def->diskName)).permissions() &
                      (QFileDevice::ReadOther | QFileDevice::ReadGroup | QFileDevice::WriteOther),
                  QFileDevice::Permissions())
            << def->diskName.toStdString();
}

} // namespace

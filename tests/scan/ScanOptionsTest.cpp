#include "scan/ScanOptions.h"
#include "core/DataFiles.h"
#include "core/Globals.h"
#include "scan/ScanOptionsWindow.h"
#include "scan/ScanSetup.h"
#include "support/CatalogueTest.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

using W = ScanOptionsWindow;

template <class T> T* control(QWidget& w, int number) {
    return w.findChild<T*>(QStringLiteral("control%1").arg(number));
}
void click(QWidget& w, int number) {
    control<QAbstractButton>(w, number)->click();
    settleEvents();
}
void typeInto(QLineEdit* entry, const QString& text) {
    entry->selectAll();
    entry->insert(text);
}
void chooseRow(QWidget& w, int number, int index) {
    auto* box = control<QComboBox>(w, number);
    box->setCurrentIndex(index);
    Q_EMIT box->activated(index);
    settleEvents();
}

class ScanOptionsTest : public CatalogueTest {
protected:
    void SetUp() override {
        CatalogueTest::SetUp();
        GLO.UserName = "System";
        GLO.ScanFileQueue.free();
        writeFile("hd/setup.exe", QByteArray(2500, 'x'));
        writeFile("hd/tools.com");
        writeFile("hd/readme.txt");
        writeFile("hd/manual.hlp");
        writeFile("hd/data.zip");
        writeFile("hd/Sub/inner.exe");
    }
    void TearDown() override {
        GLO.ScanFileQueue.free();
        GLO.DriveQueue.free();
        CatalogueTest::TearDown();
    }
    void addDrive(const QString& root, const QString& kind, const QString& folder = {}) {
        Access::Drv().Open();
        DRV.clear();
        DRV.DRIVE = root;
        DRV.KINDOFDRIVE = kind;
        ASSERT_EQ(Access::Drv().TryInsert(), LevelBenign);
        Access::Drv().Close();
        if (!folder.isEmpty()) mapDrive(root[0], folder);
    }
    static QStringList rows() {
        QStringList out;
        for (const ScanFileEntry& e : GLO.ScanFileQueue.rows)
            out << e.SCANFILENAME.str() + "|" + e.ATTRIB.str();
        return out;
    }
    bool classExists(const QString& name) {
        Access::SoortTabel().Open();
        SRT.clear();
        SRT.Soort = name;
        const bool found = Access::SoortTabel().TryFetch(SrtKey::KeySoort) == LevelBenign;
        Access::SoortTabel().Close();
        return found;
    }
    ScanParameters p;
};

TEST_F(ScanOptionsTest, HardDiskDriveScansAsDiskWithAllFiles) {
    addDrive("D:\\", "CD", "cd");
    addDrive("C:\\", "HD", "hd");
    addDrive("E:\\", "ZIP", "zip");
    ini.Update("Registration", "Organization", "Harbour Software");
    whenShown("ScanOptions", [](QWidget& w) {
        EXPECT_EQ(w.windowTitle(), "Scan/Import Configuration");
        auto* drives = control<QComboBox>(w, W::DriveList);
        ASSERT_EQ(drives->count(), 3);
        EXPECT_EQ(drives->itemText(0), "C:\\") << "in drive order";
        EXPECT_EQ(drives->currentText(), "C:\\") << "no A: configured: the first row";
        EXPECT_EQ(control<QLabel>(w, W::DriveKind)->text(), "HD");
        EXPECT_TRUE(control<QRadioButton>(w, W::DiskRadio)->isChecked());
        auto* name = control<QLineEdit>(w, W::NameEntry);
        EXPECT_EQ(name->text(), "C:\\");
        EXPECT_FALSE(name->isEnabled());
        EXPECT_TRUE(control<QCheckBox>(w, W::TextCheck)->isChecked());
        EXPECT_TRUE(control<QLineEdit>(w, W::ExtensionEntry)->isHidden());

        click(w, W::AllRadio);
        EXPECT_TRUE(control<QCheckBox>(w, W::TextCheck)->isHidden());
        click(w, W::ScanButton);
    });
    ScanOptions(p);
    EXPECT_EQ(p.Cancelled, 0);
    EXPECT_EQ(p.Name, "C:\\");
    EXPECT_EQ(p.MediumKind, 2);
    EXPECT_EQ(p.OptionCode, 4);
    EXPECT_EQ(p.Drive, "C:\\");
    EXPECT_EQ(p.FileCount, 5);
    EXPECT_EQ(p.OtherPattern, "");
    EXPECT_EQ(p.SoftwareClass, "TemporaryClass");
    EXPECT_TRUE(classExists("TemporaryClass"));
    EXPECT_EQ(p.Producer, "Harbour Software -- System");
    EXPECT_EQ(rows(), (QStringList{"Sub|Directory", "tools.com|File", "setup.exe|File",
                                   "readme.txt|File", "manual.hlp|File", "data.zip|File"}));
    EXPECT_EQ(GLO.ScanFileQueue.rows[2].SIZE, 25);
    EXPECT_EQ(ini.Fetch("System", "ScanDriveSel"), "1");
    EXPECT_EQ(ini.Fetch("System", "ScanOptionSel"), "4");
    EXPECT_EQ(ini.Fetch("System", "TextContent"), "0");
    EXPECT_FALSE(ini.Fetch("ScanOptions", "XPos").isEmpty());
}

TEST_F(ScanOptionsTest, OtherExtensionWithTextFilesListsEachPatternOnce) {
    addDrive("C:\\", "HD", "hd");
    ini.Update("System", "TextContent", "0");
    ini.Update("System", "ScanOptionSel", "3");
    whenShown("ScanOptions", [](QWidget& w) {
        EXPECT_TRUE(control<QCheckBox>(w, W::TextCheck)->isChecked()) << "a stored 0 opens ticked";
        EXPECT_TRUE(control<QRadioButton>(w, W::OtherRadio)->isChecked());
        auto* extension = control<QLineEdit>(w, W::ExtensionEntry);
        EXPECT_FALSE(extension->isHidden());
        click(w, W::ScanButton);
        EXPECT_TRUE(w.isVisible()) << "no extension: the dialog stays";
        EXPECT_EQ(w.focusWidget(), extension);
        typeInto(extension, "HLP");
        click(w, W::ScanButton);
    });
    ScanOptions(p);
    EXPECT_EQ(p.OptionCode, 7);
    EXPECT_EQ(p.OtherPattern, "*.HLP");
    EXPECT_EQ(rows(), (QStringList{"Sub|Directory", "manual.hlp|File", "readme.txt|File"}));
    EXPECT_EQ(p.FileCount, 2);
}

TEST_F(ScanOptionsTest, ChosenClassAndProducerGoWithTheScan) {
    addDrive("C:\\", "HD", "hd");
    Access::SoortTabel().Open();
    for (const char* name : {"Everything", "Utilities", "Games"}) {
        SRT.clear();
        SRT.Soort = name;
        Access::SoortTabel().TryInsert(); // the installation may have made "Everything"
    }
    Access::SoortTabel().Close();
    whenShown("ScanOptions", [](QWidget& w) {
        auto* classes = control<QComboBox>(w, W::ClassCombo);
        QStringList offered;
        for (int i = 0; i < classes->count(); ++i)
            offered << classes->itemText(i);
        EXPECT_FALSE(offered.contains("Everything"));
        EXPECT_TRUE(offered.contains("Games"));
        chooseRow(w, W::ClassCombo, int(offered.indexOf("Utilities")));
        typeInto(control<QComboBox>(w, W::ProducerCombo)->lineEdit(), "Acme Tools");
        click(w, W::ZipRadio);
        click(w, W::ScanButton);
    });
    ScanOptions(p);
    EXPECT_EQ(p.SoftwareClass, "Utilities");
    EXPECT_EQ(p.Producer, "Acme Tools");
    EXPECT_EQ(p.OptionCode, 6);
    EXPECT_FALSE(classExists("TemporaryClass"));
}

TEST_F(ScanOptionsTest, TypedClassThatIsNotInTheClassFileIsAdded) {
    addDrive("C:\\", "HD", "hd");
    ini.Update("Registration", "Organization", "");
    whenShown("ScanOptions", [](QWidget& w) {
        typeInto(control<QComboBox>(w, W::ClassCombo)->lineEdit(), "Drivers");
        click(w, W::ScanButton);
    });
    ScanOptions(p);
    EXPECT_EQ(p.SoftwareClass, "Drivers");
    EXPECT_TRUE(classExists("Drivers")) << "so that its entries show under their class";
    EXPECT_EQ(p.Producer.str(), "System") << "no organisation: the user alone";
}

TEST_F(ScanOptionsTest, DriveWhoseFolderIsGoneIsNotReady) {
    addDrive("C:\\", "HD", "hd");
    addDrive("G:\\", "Floppy");
    host.setDriveFolder('G', dataPath("hd/setup.exe")); // a file, not a folder
    ini.Update("System", "ScanDriveSel", "2");
    whenShown("ScanOptions", [this](QWidget& w) {
        EXPECT_EQ(control<QComboBox>(w, W::DriveList)->currentText(), "G:\\");
        EXPECT_EQ(control<QLabel>(w, W::DriveKind)->text(), "Floppy");
        click(w, W::ScanButton);
        ASSERT_NE(host.lastMessage(), nullptr);
        EXPECT_EQ(host.lastMessage()->text, "Invalid drive -- Disk not ready");
        EXPECT_EQ(host.lastMessage()->caption, "Wareloft");
        EXPECT_EQ(w.focusWidget(), control<QComboBox>(w, W::DriveList));
        click(w, W::CancelButton);
    });
    p.Cancelled = 0;
    ScanOptions(p);
    EXPECT_EQ(p.Cancelled, 1);
    EXPECT_EQ(GLO.ScanFileQueue.records(), 0u);
    EXPECT_EQ(ini.Fetch("System", "ScanDriveSel"), "2");
}

TEST_F(ScanOptionsTest, MediumFollowsTheDriveAndCdNeedsACdDrive) {
    addDrive("C:\\", "HD", "hd");
    addDrive("E:\\", "ZIP", "hd");
    whenShown("ScanOptions", [this](QWidget& w) {
        click(w, W::CdRadio);
        ASSERT_NE(host.lastMessage(), nullptr);
        EXPECT_EQ(host.lastMessage()->text, "CD-drive not configurated");
        EXPECT_TRUE(control<QRadioButton>(w, W::DiskRadio)->isChecked())
            << "back to the drive's kind";
        chooseRow(w, W::DriveList, 1);
        EXPECT_EQ(control<QLineEdit>(w, W::NameEntry)->text(), "E:\\");
        EXPECT_EQ(control<QLabel>(w, W::DriveKind)->text(), "ZIP");
        click(w, W::ScanButton);
    });
    ScanOptions(p);
    EXPECT_EQ(p.MediumKind, 2) << "a ZIP drive is a disk";
    EXPECT_EQ(p.Name, "E:\\");
    EXPECT_EQ(p.OptionCode, 5);
}

TEST_F(ScanOptionsTest, NoDrivesConfiguredKeepsTheDialogOpen) {
    whenShown("ScanOptions", [this](QWidget& w) {
        click(w, W::ScanButton);
        EXPECT_TRUE(w.isVisible());
        EXPECT_TRUE(host.messages().empty());
        EXPECT_EQ(w.focusWidget(), control<QComboBox>(w, W::DriveList));
        w.close(); // the close box
    });
    ScanOptions(p);
    EXPECT_EQ(p.Cancelled, 1);
}

} // namespace

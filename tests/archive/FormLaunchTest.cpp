#include "archive/FormLaunch.h"
#include "core/Globals.h"
#include "scan/DriveQuestion.h"
#include "scan/ReadTextFileWindow.h"
#include "support/CatalogueTest.h"

#include <QAbstractButton>
#include <QImage>

namespace {

template <class T> T* control(QWidget& w, int number) {
    return w.findChild<T*>(QStringLiteral("control%1").arg(number));
}

class FormLaunchTest : public CatalogueTest {
protected:
    void SetUp() override {
        CatalogueTest::SetUp();
        GLO.UserName = "System";
        mapDrive('E', "disk");
        writeFile("disk/README.TXT", "read me\n");
    }
};

// The Run button's modes reach the viewers: a text file without "Add to Archive", a
// picture in its window, anything else through the desktop, the drive asked when unknown.
TEST_F(FormLaunchTest, ModesReachTheViewersAndTheDesktop) {
    whenShown("ReadTextFile", [](QWidget& w) {
        EXPECT_TRUE(
            control<QAbstractButton>(w, ReadTextFileWindow::AddToArchiveButton)->isHidden());
        control<QAbstractButton>(w, ReadTextFileWindow::CloseButton)->click();
    });
    FormLaunch::run("E:\\README.TXT", true, 3);

    QImage picture(8, 8, QImage::Format_RGB32);
    picture.fill(Qt::red);
    ASSERT_TRUE(picture.save(dataPath("disk/PAINT.BMP"), "BMP"));
    whenShown("ShowWindow", [](QWidget& w) { control<QAbstractButton>(w, 2)->click(); });
    FormLaunch::run("E:\\PAINT.BMP", true, 2);
    EXPECT_TRUE(host.messages().empty());

    ini.Update("System", "RunProgram", "E:\\");
    whenShown("RunProgram",
              [](QWidget& w) { control<QAbstractButton>(w, DriveQuestion::GoButton)->click(); });
    FormLaunch::run("MANUAL.PDF", false, 4);
    EXPECT_EQ(host.shellOpened(), QStringList{"E:\\MANUAL.PDF"});
}

} // namespace

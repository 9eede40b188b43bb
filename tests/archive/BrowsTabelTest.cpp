#include "archive/BrowsTabel.h"

#include "archive/BrowsTabelWindow.h"
#include "core/DataFiles.h"
#include "core/Globals.h"
#include "framework/window/Keys.h"
#include "framework/window/WindowRegistry.h"
#include "support/CatalogueTest.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QPointer>

namespace {

using W = BrowsTabelWindow;

class BrowsTabelTest : public CatalogueTest {
protected:
    void SetUp() override {
        CatalogueTest::SetUp();
        GLO.UserName = "System";
        Protocol::GlobalRequest = NoRequest;
        Access::SoortTabel().Open();
        for (const char* c : {"Tools", "Games"}) {
            SRT.clear();
            SRT.Soort = c;
            ASSERT_EQ(Access::SoortTabel().TryInsert(), LevelBenign);
        }
        Access::SoortTabel().Close();
        ARC.clear();
        ARC.Naam = "CHESS.EXE";
        ARC.Soort = "Games";
        ASSERT_EQ(Access::Archief().TryInsert(), LevelBenign);
    }
    void TearDown() override {
        if (w) w->Post(windowEvent(EventKind::CloseWindow));
        settleEvents();
        GLO.Threads.set(Instance::ArchiveBrowse, 0);
        CatalogueTest::TearDown();
    }
    W& open() {
        BrowsTabel();
        settleEvents();
        w = static_cast<W*>(WindowRegistry::Top(int(GLO.Threads.thread(Instance::ClassBrowse))));
        EXPECT_TRUE(w);
        return *w;
    }
    void post(EventKind kind, int control, int key = 0) {
        w->Post(controlEvent(kind, control, key));
        settleEvents();
    }
    QStringList shown() const {
        QStringList out;
        for (int r = 0; r < w->ListControl().model().rowCount(); ++r)
            out << w->ListControl().model().text(r, 0);
        return out;
    }

    QPointer<W> w;
};

TEST_F(BrowsTabelTest, EverythingIsHiddenAndNotCounted) {
    W& b = open();
    EXPECT_EQ(shown(), QStringList({"Games", "Tools"}));
    EXPECT_EQ(b.TopLevel().windowTitle(), "Software class - Number of records : 2");
    EXPECT_FALSE(b.C().IsHidden(W::EditButton));
    EXPECT_TRUE(b.C().IsHidden(W::SelectButton));

    host.answerPopup(4); // Insert, Change, Delete, Close
    post(EventKind::AlertKey, W::List, Keys::MouseRight);
    EXPECT_EQ(host.dialogs().back().detail, "&Insert|&Change|&Delete|-|Close");
    settleEvents();
    EXPECT_FALSE(w);
}

TEST_F(BrowsTabelTest, AddingAClassFromTheListCountsIt) {
    open();
    whenShown("UpdateSoortTabel", [](QWidget& form) {
        auto* entry = form.findChild<QLineEdit*>("control4");
        entry->setFocus();
        entry->insert("Utilities");
        settleEvents();
        form.findChild<QAbstractButton*>("control5")->click();
    });
    post(EventKind::Accepted, W::InsertButton);
    settleEvents();
    EXPECT_EQ(shown(), QStringList({"Games", "Tools", "Utilities"}));
    EXPECT_EQ(w->TopLevel().windowTitle(), "Software class - Number of records : 3");
}

TEST_F(BrowsTabelTest, WhileTheArchiveListRunsClassesAreNotRenamedOrDeleted) {
    GLO.Threads.set(Instance::ArchiveBrowse, 99);
    W& b = open();
    EXPECT_TRUE(b.C().IsHidden(W::EditButton));
    EXPECT_TRUE(b.C().IsHidden(W::DeleteButton));
    EXPECT_FALSE(b.C().IsHidden(W::InsertButton));
    post(EventKind::AlertKey, W::List, Keys::Delete);
    post(EventKind::Accepted, W::List); // a double-click
    EXPECT_TRUE(host.messages().empty()) << "no question, no form";
    host.answerPopup(0);
    post(EventKind::AlertKey, W::List, Keys::MouseRight);
    EXPECT_EQ(host.dialogs().back().detail, "&Insert|-|Close");
}

} // namespace

#include "producers/BrowsProducer.h"

#include "archive/ProducerChoice.h"
#include "core/DataFiles.h"
#include "core/FrameRules.h"
#include "core/Globals.h"
#include "framework/window/Keys.h"
#include "framework/window/WindowRegistry.h"
#include "producers/BrowsProducerWindow.h"
#include "support/CatalogueTest.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QPointer>

namespace {

using W = BrowsProducerWindow;

class BrowsProducerTest : public CatalogueTest {
protected:
    void SetUp() override {
        CatalogueTest::SetUp();
        GLO.UserName = "System";
        GLO.UserLevel = 3;
        Protocol::GlobalRequest = NoRequest;
        addProducer("Kestrel Games", "www.kestrel.example", "service@kestrel.example");
        addProducer("Bluebird Graphics", "http://www.bluebird.example", "help@bluebird.example");
        addProducer("Harbour Tools", "", "not an address");
    }
    void TearDown() override {
        if (w) w->Post(windowEvent(EventKind::CloseWindow));
        settleEvents();
        CatalogueTest::TearDown();
    }
    void addProducer(const QString& name, const QString& website, const QString& support) {
        PRD.clear();
        PRD.Name = name;
        PRD.Website = website;
        PRD.Support = support;
        ASSERT_EQ(Access::Prd().TryInsert(), LevelBenign);
    }
    W& open() {
        StartBrowsProducer();
        settleEvents();
        w = static_cast<W*>(WindowRegistry::Top(int(GLO.Threads.thread(Instance::ProducerBrowse))));
        EXPECT_TRUE(w);
        return *w;
    }
    void post(EventKind kind, int control, int key = 0) {
        w->Post(controlEvent(kind, control, key));
        settleEvents();
    }
    void press(int control) { post(EventKind::Accepted, control); }
    // The producer names the list shows.
    QStringList shown() const {
        QStringList out;
        for (int r = 0; r < w->ListControl().model().rowCount(); ++r)
            out << w->ListControl().model().text(r, 0);
        return out;
    }
    void choose(int row) {
        post(EventKind::ScrollTop, W::List);
        for (int i = 1; i < row; ++i)
            post(EventKind::ScrollDown, W::List);
    }

    QPointer<W> w;
};

TEST_F(BrowsProducerTest, ListsProducersByNameWithTheCountInTheCaption) {
    W& b = open();
    EXPECT_EQ(shown(), QStringList({"Bluebird Graphics", "Harbour Tools", "Kestrel Games"}));
    EXPECT_EQ(b.TopLevel().windowTitle(), "Software Producers - Number of records : 3");
    EXPECT_EQ(b.ListControl().model().text(0, 1), "http://www.bluebird.example");
    EXPECT_TRUE(b.C().IsHidden(W::SelectButton)) << "Select serves only a select request";
    EXPECT_FALSE(b.C().IsHidden(W::InsertButton));
    EXPECT_FALSE(b.C().IsHidden(W::DeleteButton));

    StartBrowsProducer(); // a second start opens nothing
    settleEvents();
    EXPECT_EQ(WindowRegistry::Count(), 1);
}

TEST_F(BrowsProducerTest, LevelOneNeitherAddsNorDeletes) {
    GLO.UserLevel = 1;
    W& b = open();
    EXPECT_TRUE(b.C().IsHidden(W::InsertButton));
    EXPECT_TRUE(b.C().IsHidden(W::DeleteButton));
    post(EventKind::AlertKey, W::List, Keys::Delete);
    post(EventKind::AlertKey, W::List, Keys::Insert);
    EXPECT_TRUE(host.messages().empty()) << "no question, no form";
    EXPECT_EQ(shown().size(), 3);
}

TEST_F(BrowsProducerTest, EmailChecksTheSupportAddressFirst) {
    open();
    choose(2); // Harbour Tools
    press(W::EmailButton);
    ASSERT_EQ(host.messages().size(), 1u);
    EXPECT_EQ(host.messages()[0].caption, "Wareloft");
    EXPECT_EQ(host.messages()[0].text, "Email address not valid");

    choose(3); // Kestrel Games
    QString title, to, subject;
    whenShown("SendOutlook", [&](QWidget& mail) {
        title = mail.windowTitle();
        to = mail.findChild<QLineEdit*>("control3")->text();
        subject = mail.findChild<QLineEdit*>("control6")->text();
        mail.findChild<QAbstractButton*>("control14")->click();
    });
    press(W::EmailButton);
    EXPECT_EQ(title, "Send a message to Kestrel Games");
    EXPECT_EQ(to, "service@kestrel.example");
    EXPECT_EQ(subject, "Request for info on : ");
}

TEST_F(BrowsProducerTest, WebsiteOpensTheHighlightedProducersSite) {
    open();
    choose(3);
    press(W::WebsiteButton);
    settleEvents();
    EXPECT_EQ(host.shellOpened(), QStringList{"https://www.kestrel.example"});
    choose(2);
    press(W::WebsiteButton);
    settleEvents();
    ASSERT_EQ(host.messages().size(), 1u);
    EXPECT_EQ(host.messages()[0].text, "No URL defined");
}

TEST_F(BrowsProducerTest, PopupAddsPrintAndCloseAndColumnsAreKept) {
    W& b = open();
    host.answerPopup(5); // Insert, Change, Delete, Print (greyed), Close
    post(EventKind::AlertKey, W::List, Keys::MouseRight);
    ASSERT_FALSE(host.dialogs().empty());
    EXPECT_EQ(host.dialogs().back().detail, "&Insert|&Change|&Delete|-|~Print|-|Close");
    settleEvents();
    EXPECT_FALSE(w) << "Close closed the list";
    const QString kept = ini.Fetch("System", "ProducerBrowse");
    EXPECT_TRUE(kept.startsWith("80L(2)|M~Producer~@s30@")) << kept.toStdString();
    Q_UNUSED(b);

    ini.Update("System", "ProducerBrowse", QString(kept).replace(0, 2, "120"));
    open();
    EXPECT_GT(w->ListControl().table().columnWidth(0), w->ListControl().table().columnWidth(1));
}

// The archive form's producer lookup: the list in select mode returns the producer chosen.
TEST_F(BrowsProducerTest, SelectModeReturnsTheChosenProducer) {
    whenShown("BrowsProducer", [&](QWidget& list) {
        EXPECT_TRUE(list.findChild<QAbstractButton*>("control2")->isVisible());
        auto* window =
            static_cast<W*>(WindowRegistry::Top(int(GLO.Threads.thread(Instance::ProducerBrowse))));
        for (EventKind kind : {EventKind::ScrollDown, EventKind::ScrollDown})
            window->Post(controlEvent(kind, W::List));
        settleEvents();
        list.findChild<QAbstractButton*>("control2")->click();
    });
    PRD.clear();
    PRD.Name = "Typed Name";
    EXPECT_EQ(ProducerChoice::choose(), ProducerChoice::Outcome::Chosen);
    EXPECT_EQ(PRD.Name.str(), "Kestrel Games");
    EXPECT_EQ(PRD.Support.str(), "service@kestrel.example");
    EXPECT_FALSE(GLO.Threads.isOpen(Instance::ProducerBrowse));

    open(); // a list from the menu is open: the lookup cannot open a second one
    EXPECT_EQ(ProducerChoice::choose(), ProducerChoice::Outcome::Cancelled);
    EXPECT_TRUE(w);
}

} // namespace

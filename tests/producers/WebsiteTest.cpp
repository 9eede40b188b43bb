#include "producers/Website.h"

#include "core/DataFiles.h"
#include "core/Globals.h"
#include "support/CatalogueTest.h"

namespace {

class WebsiteTest : public CatalogueTest {
protected:
    void addProducer(const QString& name, const QString& website) {
        PRD.clear();
        PRD.Name = name;
        PRD.Website = website;
        ASSERT_EQ(Access::Prd().TryInsert(), LevelBenign);
    }
    // The one message shown, as "caption: text".
    QString shown() const {
        if (host.messages().size() != 1) return QString::number(host.messages().size());
        return host.messages()[0].caption + ": " + host.messages()[0].text;
    }
};

TEST_F(WebsiteTest, EmptyNameOpensTheProductsHomePage) {
    EXPECT_TRUE(Website::Open(""));
    EXPECT_TRUE(Website::Open("   "));
    EXPECT_EQ(host.shellOpened(), QStringList({Website::HomePage, Website::HomePage}));
    EXPECT_TRUE(host.messages().empty());
}

TEST_F(WebsiteTest, ProducerLookedUpByItsFirstThirtyCharacters) {
    addProducer("A Producer With A Very Long Na", "www.long.example");
    addProducer("Bluebird Graphics", "http://www.bluebird.example/");
    PRD.clear();
    PRD.Name = "Being edited";
    EXPECT_TRUE(Website::Open("A Producer With A Very Long Name Indeed"));
    EXPECT_TRUE(Website::Open("bluebird graphics"));
    EXPECT_EQ(host.shellOpened(),
              QStringList({"https://www.long.example", "http://www.bluebird.example/"}));
    EXPECT_EQ(PRD.Name.str(), "Being edited") << "the caller's record stays";
    EXPECT_TRUE(host.messages().empty());
}

TEST_F(WebsiteTest, UnknownProducerAndMissingWebsite) {
    addProducer("No Site", "");
    EXPECT_FALSE(Website::Open("Nobody"));
    EXPECT_EQ(shown(), "WLP Archive: Producer Name unknown");
    EXPECT_EQ(host.messages()[0].icon, Icon::Information);
    host.clearRecords();
    EXPECT_FALSE(Website::Open("No Site"));
    EXPECT_EQ(shown(), "WLP Message: No URL defined");
    EXPECT_TRUE(host.shellOpened().isEmpty());
}

TEST_F(WebsiteTest, UnsafeOrMalformedWebsitesAreRefusedWithAMessage) {
    addProducer("Script", "javascript:alert(document.cookie)");
    addProducer("Local", "file:///etc/passwd");
    addProducer("Spaced", "www.bad host.example");
    addProducer("Command", "rm -rf ~");
    EXPECT_FALSE(Website::Open("Script"));
    EXPECT_EQ(shown(), "WLP Message: The website \"javascript:alert(document.cookie)\" is not "
                       "opened: only http, https and mailto addresses are opened.");
    host.clearRecords();
    EXPECT_FALSE(Website::Open("Local"));
    EXPECT_TRUE(shown().contains("\"file:///etc/passwd\" is not opened")) << shown().toStdString();
    host.clearRecords();
    EXPECT_FALSE(Website::Open("Spaced"));
    EXPECT_EQ(shown(), "WLP Message: \"www.bad host.example\" is not a website address.");
    host.clearRecords();
    EXPECT_FALSE(Website::Open("Command"));
    EXPECT_EQ(shown(), "WLP Message: \"rm -rf ~\" is not a website address.");
    EXPECT_TRUE(host.shellOpened().isEmpty()) << "nothing stored is run";
}

TEST_F(WebsiteTest, SpacesInThePathAreEncoded) {
    addProducer("Paths", " www.example.com/my tools/ ");
    EXPECT_TRUE(Website::Open("Paths"));
    EXPECT_EQ(host.shellOpened(), QStringList{"https://www.example.com/my%20tools/"});
}

TEST_F(WebsiteTest, StartedOnItsOwnThreadOpensWhenTheCallerIsDone) {
    addProducer("Bluebird Graphics", "www.bluebird.example");
    Website::Start("Bluebird Graphics");
    EXPECT_TRUE(host.shellOpened().isEmpty());
    settleEvents();
    EXPECT_EQ(host.shellOpened(), QStringList{"https://www.bluebird.example"});
}

} // namespace

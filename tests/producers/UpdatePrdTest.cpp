#include "producers/UpdatePrd.h"

#include "core/DataFiles.h"
#include "core/Globals.h"
#include "support/CatalogueTest.h"

#include <QAbstractButton>
#include <QLineEdit>

namespace {

using W = UpdatePrd;

QLineEdit* entry(QWidget& w, int number) {
    return w.findChild<QLineEdit*>(QStringLiteral("control%1").arg(number));
}
void type(QWidget& w, int number, const QString& text) {
    QLineEdit* edit = entry(w, number);
    edit->setFocus();
    edit->selectAll();
    edit->insert(text);
    settleEvents();
}
void press(QWidget& w, int number) {
    w.findChild<QAbstractButton*>(QStringLiteral("control%1").arg(number))->click();
    settleEvents();
}

class UpdatePrdTest : public CatalogueTest {
protected:
    void SetUp() override {
        CatalogueTest::SetUp();
        GLO.UserLevel = 3;
        addProducer("Bluebird Graphics", "www.bluebird.example");
        addProducer("Harbour Tools", "");
        for (const char* naam : {"PAINT.EXE", "DRAW.EXE"})
            addEntry(naam, "Bluebird Graphics");
        addEntry("ZIP.EXE", "Harbour Tools");
        Protocol::GlobalRequest = NoRequest;
    }
    void addProducer(const QString& name, const QString& website) {
        PRD.clear();
        PRD.Name = name;
        PRD.Website = website;
        ASSERT_EQ(Access::Prd().TryInsert(), LevelBenign);
    }
    void addEntry(const QString& naam, const QString& producer) {
        ARC.clear();
        ARC.Naam = naam;
        ARC.Producer = producer;
        ASSERT_EQ(Access::Archief().TryInsert(), LevelBenign);
    }
    int run(int request, const QString& name, std::function<void(QWidget&)> act) {
        PRD.clear();
        PRD.Name = name;
        if (request != InsertRecord) {
            EXPECT_EQ(Access::Prd().Fetch(1), LevelBenign);
        }
        if (act) whenShown("UpdatePrd", act);
        Protocol::GlobalRequest = request;
        UpdatePrd form;
        return form.Run();
    }
    static QStringList producersOfEntries() {
        QStringList out;
        ArchiefRecord probe;
        Access::Archief().File->setOrder(0);
        while (Access::Archief().File->next(probe) == store::Ok)
            out << probe.Producer.str();
        return out;
    }
    static QStringList producers() {
        QStringList out;
        PrdRecord probe;
        Access::Prd().File->setOrder(1);
        while (Access::Prd().File->next(probe) == store::Ok)
            out << probe.Name.str() + "|" + probe.Website.str() + "|" + probe.Support.str() + "|" +
                       probe.Phone.str();
        return out;
    }
};

TEST_F(UpdatePrdTest, RenameCarriesTheNewNameToEveryEntryNamingTheProducer) {
    ARC.clear();
    ARC.Naam = "IN THE ARCHIVE FORM.EXE";
    const int response = run(ChangeRecord, "Bluebird Graphics", [](QWidget& w) {
        EXPECT_EQ(w.windowTitle(), "Properties of  Producer  (Bluebird Graphics)");
        EXPECT_EQ(entry(w, W::NameEntry)->toolTip(), "Producer of the program");
        EXPECT_EQ(entry(w, W::WebsiteEntry)->toolTip(), "Website adress (URL)");
        EXPECT_EQ(entry(w, W::SupportEntry)->toolTip(), "Email adress ");
        EXPECT_EQ(entry(w, W::PhoneEntry)->toolTip(), "Phonenumber");
        EXPECT_EQ(entry(w, W::NameEntry)->maxLength(), 30);
        EXPECT_EQ(entry(w, W::WebsiteEntry)->maxLength(), 80);
        type(w, W::NameEntry, "Bluebird Studios");
        type(w, W::SupportEntry, "no address check here");
        press(w, W::HelpButton);
        press(w, W::OkButton);
    });
    EXPECT_EQ(response, RequestCompleted);
    EXPECT_EQ(producers(),
              QStringList({"Bluebird Studios|www.bluebird.example|no address check here|",
                           "Harbour Tools|||"}));
    EXPECT_EQ(producersOfEntries(),
              QStringList({"Bluebird Studios", "Bluebird Studios", "Harbour Tools"}));
    EXPECT_EQ(host.helpKeywords(), QStringList{"Software Producers"});
    EXPECT_EQ(ARC.Naam.str(), "IN THE ARCHIVE FORM.EXE") << "the caller's archive record stays";
    EXPECT_FALSE(ini.Fetch("UpdatePrd", "XPos").isEmpty());
}

TEST_F(UpdatePrdTest, LevelOneLooksWithoutChanging) {
    GLO.UserLevel = 1;
    const int response = run(ChangeRecord, "Harbour Tools", [](QWidget& w) {
        for (int e : {W::NameEntry, W::WebsiteEntry, W::SupportEntry, W::PhoneEntry})
            EXPECT_FALSE(entry(w, e)->isEnabled()) << e;
        EXPECT_EQ(entry(w, W::NameEntry)->text(), "Harbour Tools");
        press(w, W::OkButton);
    });
    EXPECT_EQ(response, RequestCancelled) << "nothing was saved";
    EXPECT_EQ(producers().size(), 2);
}

TEST_F(UpdatePrdTest, ProducerNamedByEntriesIsNotDeleted) {
    host.answer(ButtonYes);
    host.answer(ButtonOk);
    host.answer(ButtonNo);
    EXPECT_EQ(run(DeleteRecord, "Harbour Tools", nullptr), RequestCancelled);
    EXPECT_EQ(producers().size(), 2);
    ASSERT_GE(host.messages().size(), 2u);
    EXPECT_EQ(host.messages()[1].caption, "Referential Integrity Delete Error");
}

TEST_F(UpdatePrdTest, NewProducerNeedsAUniqueName) {
    const int response = run(InsertRecord, "", [this](QWidget& w) {
        EXPECT_EQ(w.windowTitle(), "Adding  Producer  (New)");
        type(w, W::WebsiteEntry, "www.kestrel.example");
        press(w, W::OkButton);
        ASSERT_TRUE(w.isVisible());
        EXPECT_EQ(host.messages().back().text, "A producer needs a name.");
        type(w, W::NameEntry, "HARBOUR TOOLS");
        press(w, W::OkButton);
        ASSERT_TRUE(w.isVisible()) << "the same name in other letters is refused";
        EXPECT_EQ(host.messages().back().caption, "Duplicate Key Error");
        type(w, W::NameEntry, "Kestrel Games");
        press(w, W::OkButton);
    });
    EXPECT_EQ(response, RequestCompleted);
    EXPECT_EQ(producers(),
              QStringList({"Bluebird Graphics|www.bluebird.example||", "Harbour Tools|||",
                           "Kestrel Games|www.kestrel.example||"}));
}

} // namespace

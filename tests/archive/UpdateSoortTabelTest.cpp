#include "archive/UpdateSoortTabel.h"

#include "core/DataFiles.h"
#include "core/Globals.h"
#include "support/CatalogueTest.h"
#include "support/FaultyStoreFile.h"

#include <QAbstractButton>
#include <QLineEdit>

namespace {

using W = UpdateSoortTabel;

QLineEdit* entry(QWidget& w) {
    return w.findChild<QLineEdit*>(QStringLiteral("control%1").arg(W::SoortEntry));
}
void type(QWidget& w, const QString& text) {
    QLineEdit* edit = entry(w);
    edit->setFocus();
    edit->selectAll();
    edit->insert(text);
    settleEvents();
}
void press(QWidget& w, int number) {
    w.findChild<QAbstractButton*>(QStringLiteral("control%1").arg(number))->click();
    settleEvents();
}

class UpdateSoortTabelTest : public CatalogueTest {
protected:
    void SetUp() override {
        CatalogueTest::SetUp();
        Access::SoortTabel().Open();
        for (const char* c : {"Games", "Tools"})
            addClass(c);
        for (int i = 0; i < 5; ++i)
            addEntry(QStringLiteral("GAME%1.EXE").arg(i), "Games");
        addEntry("ZIP.EXE", "Tools");
        Protocol::GlobalRequest = NoRequest;
    }
    void TearDown() override {
        Access::SoortTabel().Close();
        CatalogueTest::TearDown();
    }
    void addClass(const QString& name) {
        SRT.clear();
        SRT.Soort = name;
        ASSERT_EQ(Access::SoortTabel().TryInsert(), LevelBenign);
    }
    void addEntry(const QString& naam, const QString& soort) {
        ARC.clear();
        ARC.Naam = naam;
        ARC.Soort = soort;
        ASSERT_EQ(Access::Archief().TryInsert(), LevelBenign);
    }
    // The class form on a stored class, as the browse calls it.
    int run(int request, const QString& soort, std::function<void(QWidget&)> act) {
        SRT.clear();
        SRT.Soort = soort;
        if (request != InsertRecord) {
            EXPECT_EQ(Access::SoortTabel().Fetch(1), LevelBenign);
        }
        if (act) whenShown("UpdateSoortTabel", act);
        Protocol::GlobalRequest = request;
        UpdateSoortTabel form;
        return form.Run();
    }
    static QStringList classesOfEntries() {
        QStringList out;
        ArchiefRecord probe;
        Access::Archief().File->setOrder(0);
        while (Access::Archief().File->next(probe) == store::Ok)
            out << probe.Soort.str();
        return out;
    }
    static QStringList classes() {
        QStringList out;
        SoortTabelRecord probe;
        Access::SoortTabel().File->setOrder(1);
        while (Access::SoortTabel().File->next(probe) == store::Ok)
            out << probe.Soort.str();
        return out;
    }
    QStringList shown() const {
        QStringList out;
        for (const auto& m : host.messages())
            out << m.caption;
        return out;
    }
};

TEST_F(UpdateSoortTabelTest, RenameCarriesTheNewNameToEveryEntryOfTheClass) {
    GLO.ClassFilter = "games";
    ARC.clear();
    ARC.Naam = "IN THE ARCHIVE FORM.EXE";
    const int response = run(ChangeRecord, "Games", [](QWidget& w) {
        EXPECT_EQ(w.windowTitle(), "Changing a Software class  (Games)");
        type(w, "Arcade");
        press(w, W::OkButton);
    });
    EXPECT_EQ(response, RequestCompleted);
    EXPECT_EQ(classes(), QStringList({"Arcade", "Everything", "Tools"}));
    EXPECT_EQ(classesOfEntries(),
              QStringList({"Arcade", "Arcade", "Arcade", "Arcade", "Arcade", "Tools"}));
    EXPECT_EQ(GLO.ClassFilter.str(), "Arcade") << "a browse on the class follows it";
    EXPECT_EQ(ARC.Naam.str(), "IN THE ARCHIVE FORM.EXE");
    EXPECT_TRUE(host.messages().empty());
    EXPECT_FALSE(ini.Fetch("UpdateSoortTabel", "XPos").isEmpty());
}

TEST_F(UpdateSoortTabelTest, RenameThatFailsHalfWayChangesNothing) {
    FaultyStoreFile faulty(*Access::Archief().File);
    faulty.failPut = 3;
    store::StoreFile* real = Access::Archief().File;
    Access::Archief().File = &faulty;
    const int response = run(ChangeRecord, "Games", [](QWidget& w) {
        type(w, "Arcade");
        press(w, W::OkButton);
        press(w, W::CancelButton);
    });
    Access::Archief().File = real;
    EXPECT_EQ(response, RequestCancelled);
    EXPECT_EQ(classes(), QStringList({"Everything", "Games", "Tools"}));
    EXPECT_EQ(classesOfEntries(),
              QStringList({"Games", "Games", "Games", "Games", "Games", "Tools"}));
    ASSERT_FALSE(host.messages().empty()) << "the failure is told";
}

TEST_F(UpdateSoortTabelTest, DuplicateNameInAnyCaseIsRefused) {
    const int response = run(ChangeRecord, "Games", [this](QWidget& w) {
        type(w, "TOOLS");
        press(w, W::OkButton);
        EXPECT_TRUE(w.isVisible()) << "the form stays for another name";
        host.answer(ButtonNo); // "Save Record": no
        press(w, W::CancelButton);
    });
    EXPECT_EQ(response, RequestCancelled);
    EXPECT_EQ(classes(), QStringList({"Everything", "Games", "Tools"}));
    EXPECT_EQ(classesOfEntries().count("Games"), 5);
    EXPECT_EQ(shown(),
              QStringList({"Record was not updated", "Record Update Error", "Save Record"}));
    EXPECT_TRUE(host.messages()[0].text.contains("uplicate"))
        << host.messages()[0].text.toStdString();
}

TEST_F(UpdateSoortTabelTest, ClassInUseIsNotDeletedAnUnusedOneIs) {
    host.answer(ButtonYes); // "Confirm Delete"
    host.answer(ButtonOk);  // the integrity message
    host.answer(ButtonNo);  // do not try again
    EXPECT_EQ(run(DeleteRecord, "Games", nullptr), RequestCancelled);
    EXPECT_EQ(classes(), QStringList({"Everything", "Games", "Tools"}));
    EXPECT_EQ(shown(), QStringList({"Confirm Delete", "Referential Integrity Delete Error",
                                    "Record Delete Error"}));

    host.clearRecords();
    addClass("Unused");
    host.answer(ButtonYes);
    EXPECT_EQ(run(DeleteRecord, "Unused", nullptr), RequestCompleted);
    EXPECT_EQ(classes(), QStringList({"Everything", "Games", "Tools"}));
}

TEST_F(UpdateSoortTabelTest, NewClassNeedsAName) {
    const int response = run(InsertRecord, "", [](QWidget& w) {
        EXPECT_EQ(w.windowTitle(), "Adding a Software class  (New)");
        press(w, W::OkButton);
        ASSERT_TRUE(w.isVisible());
        type(w, "Utilities");
        press(w, W::OkButton);
    });
    EXPECT_EQ(response, RequestCompleted);
    ASSERT_EQ(host.messages().size(), 1u);
    EXPECT_EQ(host.messages()[0].text, "A software class needs a name.");
    EXPECT_EQ(classes(), QStringList({"Everything", "Games", "Tools", "Utilities"}));
}

} // namespace

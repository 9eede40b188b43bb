#include "NoteForm.h"
#include "RecordingWindow.h"

#include "support/DataDirTest.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QToolButton>

namespace {

class WindowFormTest : public DataDirTest {
protected:
    void SetUp() override {
        DataDirTest::SetUp();
        errors.Init();
        WindowController::SetServices(&errors, &ini);
        file = std::make_unique<NoteFile>(dataDir(), errors);
        Protocol::GlobalRequest = NoRequest;
        Protocol::VCRRequest = 0;
    }
    void TearDown() override {
        settle();
        file.reset();
        WindowController::SetServices(nullptr, nullptr);
        DataDirTest::TearDown();
    }

    // Starts the form with a request; it runs until a test ends it.
    QPointer<NoteForm> start(int request, int insertAction = 2, int deleteAction = 2) {
        Protocol::GlobalRequest = request;
        QPointer<NoteForm> form = new NoteForm(*file, outcome, history);
        form->InsertAction = insertAction;
        form->DeleteAction = deleteAction;
        form->Start();
        settle();
        return form;
    }
    // A note stored in the file; the record buffer holds it.
    void storeNote(const QString& name) {
        file->record.clear();
        file->record.Name = name;
        ASSERT_EQ(file->manager.Insert(), LevelBenign);
    }
    // The name stored under a number, read without touching the form's record buffer.
    QString storedName(quint32 nr) {
        NoteRecord probe;
        probe.Nr = nr;
        const int code = file->manager.File->get(1, probe);
        return code == store::Ok ? probe.Name.str() : QStringLiteral("<none>");
    }
    static void type(WindowController& form, int control, const QString& text) {
        auto* entry = qobject_cast<QLineEdit*>(form.C().widget(control));
        typeInto(entry, text);
        Q_EMIT entry->editingFinished();
        settle();
    }
    static void press(WindowController& form, int control) {
        form.Post(controlEvent(EventKind::Accepted, control));
        settle();
    }

    ErrorManager errors;
    std::unique_ptr<NoteFile> file;
    Outcome outcome;
    std::vector<FieldValue> history;
};

TEST_F(WindowFormTest, CancellingAnInsertDeletesTheReservedRecord) {
    QPointer<NoteForm> form = start(InsertRecord);
    ASSERT_TRUE(form);
    EXPECT_EQ(file->records(), 1); // number 1 reserved for this form
    EXPECT_EQ(file->record.Nr, 1u);
    press(*form, CancelButton);
    EXPECT_FALSE(form);
    EXPECT_EQ(outcome.response, RequestCancelled);
    EXPECT_EQ(file->records(), 0);
    EXPECT_TRUE(host.messages().empty());
}

TEST_F(WindowFormTest, RecordAddedYesThenCancelAnswersTheLastAddedRecord) {
    QPointer<NoteForm> form = start(InsertRecord, 4);
    host.answer(ButtonYes);
    type(*form, NameEntry, QStringLiteral("First"));
    press(*form, OkButton);
    ASSERT_TRUE(form);
    ASSERT_TRUE(host.lastMessage());
    EXPECT_EQ(host.lastMessage()->caption, "Record Added");
    EXPECT_EQ(file->records(), 2); // the first note and the next reserved one
    EXPECT_EQ(file->record.Nr, 2u);
    EXPECT_EQ(file->record.Name.str(), "");
    EXPECT_EQ(storedName(1), "First");
    EXPECT_EQ(storedName(2), "");

    press(*form, CancelButton);
    EXPECT_FALSE(form);
    EXPECT_EQ(outcome.response, RequestCompleted);
    EXPECT_EQ(file->records(), 1);
    EXPECT_EQ(file->record.Nr, 1u); // read back for the browse
    EXPECT_EQ(file->record.Name.str(), "First");
}

TEST_F(WindowFormTest, InsertActionThreeStaysAndPrimesTheNextRecord) {
    QPointer<NoteForm> form = start(InsertRecord, 3);
    type(*form, NameEntry, QStringLiteral("One"));
    press(*form, OkButton);
    type(*form, NameEntry, QStringLiteral("Two"));
    press(*form, OkButton);
    ASSERT_TRUE(form);
    EXPECT_TRUE(host.messages().empty());
    EXPECT_EQ(file->record.Nr, 3u);
    form->Window().close();
    settle();
    EXPECT_EQ(outcome.response, RequestCompleted);
    EXPECT_EQ(file->record.Name.str(), "Two");
    EXPECT_EQ(storedName(1), "One");
    EXPECT_EQ(file->records(), 2);
}

TEST_F(WindowFormTest, ClosingAChangedFormAsksSaveRecord) {
    storeNote(QStringLiteral("Old"));
    QPointer<NoteForm> form = start(ChangeRecord);
    type(*form, NameEntry, QStringLiteral("New"));

    host.answer(ButtonCancel);
    form->Window().close();
    settle();
    ASSERT_TRUE(form); // Cancel keeps the form
    const auto* asked = host.lastMessage();
    ASSERT_TRUE(asked);
    EXPECT_EQ(asked->caption, "Save Record");
    EXPECT_EQ(asked->text, "Do you want to save the changes to this record?");
    EXPECT_EQ(asked->buttons, ButtonYes | ButtonNo | ButtonCancel);
    EXPECT_EQ(asked->defaultButton, ButtonCancel);
    EXPECT_EQ(storedName(1), "Old");

    host.answer(ButtonYes);
    press(*form, CancelButton);
    EXPECT_FALSE(form);
    EXPECT_EQ(outcome.response, RequestCompleted);
    EXPECT_EQ(storedName(1), "New");
}

TEST_F(WindowFormTest, NoToSaveRecordLeavesTheStoredRecord) {
    storeNote(QStringLiteral("Old"));
    QPointer<NoteForm> form = start(ChangeRecord);
    type(*form, NameEntry, QStringLiteral("New"));
    host.answer(ButtonNo);
    press(*form, CancelButton);
    EXPECT_FALSE(form);
    EXPECT_EQ(outcome.response, RequestCancelled);
    EXPECT_EQ(storedName(1), "Old");
}

TEST_F(WindowFormTest, ChangesLostIsAskedWhenCancelDoesNotSave) {
    storeNote(QStringLiteral("Old"));
    Protocol::GlobalRequest = ChangeRecord;
    QPointer<NoteForm> form = new NoteForm(*file, outcome, history);
    form->CancelAction = 2; // ask, but never save on cancel
    form->Start();
    settle();
    type(*form, NameEntry, QStringLiteral("New"));
    host.answer(ButtonNo);
    press(*form, CancelButton);
    ASSERT_TRUE(form);
    EXPECT_EQ(host.lastMessage()->caption, "Changes will be lost!");
    host.answer(ButtonYes);
    press(*form, CancelButton);
    EXPECT_FALSE(form);
    EXPECT_EQ(storedName(1), "Old");
}

TEST_F(WindowFormTest, FailedSaveAsksRecordUpdateError) {
    storeNote(QStringLiteral("Old"));
    QPointer<NoteForm> form = start(ChangeRecord);
    type(*form, NameEntry, QStringLiteral("New"));
    file->manager.refuse = true;
    host.answer(ButtonCancel);
    press(*form, OkButton);
    ASSERT_TRUE(form); // Cancel stays
    const auto* asked = host.lastMessage();
    ASSERT_TRUE(asked);
    EXPECT_EQ(asked->caption, "Record Update Error");
    EXPECT_EQ(asked->buttons, ButtonYes | ButtonNo | ButtonCancel);
    EXPECT_EQ(asked->defaultButton, ButtonCancel);

    host.answer(ButtonNo);
    press(*form, OkButton);
    EXPECT_FALSE(form);
    EXPECT_EQ(outcome.response, RequestCancelled);
    EXPECT_EQ(storedName(1), "Old");
}

TEST_F(WindowFormTest, DeleteWithOtherActionsShowsTheFormAndDeletesOnOk) {
    storeNote(QStringLiteral("Gone"));
    QPointer<NoteForm> form = start(DeleteRecord, 2, 3);
    ASSERT_TRUE(form);
    EXPECT_TRUE(form->Window().isVisible());
    press(*form, OkButton);
    EXPECT_FALSE(form);
    EXPECT_EQ(outcome.response, RequestCompleted);
    EXPECT_EQ(file->records(), 0);
    EXPECT_TRUE(host.messages().empty());
}

TEST_F(WindowFormTest, DeleteWithActionTwoAsksAndNeverShowsTheForm) {
    storeNote(QStringLiteral("Gone"));
    host.answer(ButtonYes);
    QPointer<NoteForm> form = start(DeleteRecord);
    EXPECT_FALSE(form);
    EXPECT_TRUE(outcome.ended);
    EXPECT_FALSE(outcome.opened);
    EXPECT_EQ(outcome.response, RequestCompleted);
    ASSERT_TRUE(host.lastMessage());
    EXPECT_EQ(host.lastMessage()->caption, "Confirm Delete");
    EXPECT_EQ(file->records(), 0);
}

// The record went meanwhile: the failure is asked about once, with the form's buttons, and a
// retry does not ask for the confirmation again.
TEST_F(WindowFormTest, AFailedDeleteAsksOnceWithTheFormsButtons) {
    storeNote(QStringLiteral("Gone"));
    QPointer<NoteForm> form = start(DeleteRecord, 2, 3);
    ASSERT_TRUE(form);
    NoteRecord other;
    other.Nr = 1;
    ASSERT_EQ(file->manager.File->get(1, other), store::Ok);
    ASSERT_EQ(file->manager.File->erase(other), store::Ok);
    file->record.Nr = 1;
    file->record.Name = "Gone";

    host.answer(ButtonYes);    // try again
    host.answer(ButtonCancel); // stay
    press(*form, OkButton);
    ASSERT_TRUE(form);
    int asked = 0;
    for (const auto& m : host.messages()) {
        EXPECT_NE(m.caption, "Confirm Delete");
        if (m.caption != "Record Delete Error") continue;
        ++asked;
        EXPECT_EQ(m.buttons, ButtonYes | ButtonNo | ButtonCancel);
    }
    EXPECT_EQ(asked, 2) << "once per attempt";
    host.answer(ButtonNo);
    press(*form, OkButton);
    EXPECT_FALSE(form);
    EXPECT_EQ(outcome.response, RequestCancelled);
}

TEST_F(WindowFormTest, HistoryKeyPutsBackTheValueOfTheLastCompletedForm) {
    QPointer<NoteForm> first = start(InsertRecord);
    type(*first, NameEntry, QStringLiteral("Alpha"));
    press(*first, OkButton);
    EXPECT_FALSE(first);

    file->record.clear(); // as the calling browse primes it
    QPointer<NoteForm> second = start(InsertRecord);
    auto* entry = qobject_cast<QLineEdit*>(second->C().widget(NameEntry));
    EXPECT_EQ(entry->text(), "");
    QKeyEvent ctrlApostrophe(QEvent::KeyPress, Qt::Key_Apostrophe, Qt::ControlModifier);
    QCoreApplication::sendEvent(entry, &ctrlApostrophe);
    settle();
    EXPECT_EQ(entry->text(), "Alpha");
    EXPECT_EQ(file->record.Name.str(), "Alpha");
    host.answer(ButtonNo); // the value put back is a change: it is not saved
    press(*second, CancelButton);
    EXPECT_FALSE(second);
}

TEST_F(WindowFormTest, SaveAndNextOnAnUnchangedRecordLeavesTheNavigationRequest) {
    storeNote(QStringLiteral("Same"));
    QPointer<NoteForm> form = start(ChangeRecord);
    auto* next = qobject_cast<QToolButton*>(form->C().widget(ToolDown));
    ASSERT_TRUE(next);
    EXPECT_EQ(next->toolTip(), "Save changes and go to next record");
    EXPECT_TRUE(next->isEnabled());
    EXPECT_FALSE(form->C().IsEnabled(ToolChange));

    next->click();
    settle();
    EXPECT_FALSE(form);
    EXPECT_EQ(Protocol::VCRRequest, ToolDown);
    EXPECT_EQ(outcome.response, RequestCancelled); // nothing was saved: the browse moves on
    EXPECT_TRUE(host.messages().empty());
}

TEST_F(WindowFormTest, InsertFormEnablesOnlySaveAndAdd) {
    QPointer<NoteForm> form = start(InsertRecord);
    Controls& c = form->C();
    EXPECT_TRUE(c.IsEnabled(ToolInsert));
    EXPECT_TRUE(c.IsEnabled(ToolDown));
    EXPECT_EQ(c.TipOf(ToolInsert), "Save record and add another");
    EXPECT_FALSE(c.IsEnabled(ToolUp));
    EXPECT_FALSE(c.IsEnabled(ToolLocate));
    EXPECT_TRUE(c.IsEnabled(ToolHistory)); // the form has a history field
    EXPECT_FALSE(c.IsEnabled(ToolHelp));   // and no help button
    press(*form, CancelButton);
}

} // namespace

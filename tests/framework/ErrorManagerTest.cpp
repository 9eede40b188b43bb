#include "framework/ErrorManager.h"
#include "framework/MessageTable.h"
#include "framework/Threads.h"
#include "support/DataDirTest.h"

namespace {

class ErrorManagerTest : public DataDirTest {
protected:
    void SetUp() override {
        DataDirTest::SetUp();
        errors.Init();
    }
    void TearDown() override {
        errors.Kill();
        DataDirTest::TearDown();
    }
    void driverFailure() {
        errors.SetErrors(
            {store::FileSystemError, "File system error", "SQLITE_IOERR (10)", "disk I/O error"});
    }
    ErrorManager errors;
};

TEST_F(ErrorManagerTest, TableTextsKeepTheirSpacing) {
    const auto* e1 = errors.Find(MsgRetrievalError);
    ASSERT_NE(e1, nullptr);
    EXPECT_EQ(e1->Title, "Record Retrieval Error");
    EXPECT_EQ(e1->Fatality, LevelNotify);
    EXPECT_EQ(e1->Message, "Error: (%ErrorText) attempting to access a record from the %File "
                           "file.  Returning to previous window.");
    EXPECT_EQ(errors.Find(MsgAccessError)->Message,
              "File (%File) could not be opened.  Error: %ErrorText.");
    EXPECT_EQ(errors.Find(MsgAutoIncError)->Message,
              "Attempts to automatically number this record have failed.  Error: %ErrorText. "
              "Try Again?");
    EXPECT_TRUE(errors.Find(MsgNotUpdatedForm)
                    ->Message.endsWith("Use the Ditto Button or Ctrl+' to recall your changes."));
    EXPECT_EQ(errors.Find(MsgUsageError)->Fatality, LevelProgram);
    EXPECT_EQ(errors.Find(29), nullptr);

    std::vector<ErrorManager::Entry> all;
    MessageTable::decode(ErrorManager::DefaultTable(), all);
    EXPECT_EQ(all.size(), 40u);
}

TEST_F(ErrorManagerTest, TablesCarryAnyCharacters) {
    errors.AddErrors(
        MessageTable::encode({{50, "Fehler in »%File« – 東京", "Größe", LevelNotify}}));
    errors.SetFile("Archief");
    EXPECT_EQ(errors.SubsString(50), "Fehler in »Archief« – 東京");
    EXPECT_EQ(errors.Find(50)->Title, "Größe");

    // A truncated table gives the entries that are whole.
    QByteArray table = MessageTable::encode({{51, "one", "A", 5}, {52, "two", "B", 5}});
    errors.AddErrors(table.left(table.size() - 1));
    EXPECT_NE(errors.Find(51), nullptr);
    EXPECT_EQ(errors.Find(52), nullptr);
}

TEST_F(ErrorManagerTest, ErrorTextComesFromTheDriverOnlyForCode90) {
    errors.SetFile("Archief");
    driverFailure();
    EXPECT_EQ(errors.SubsString(MsgAccessError),
              "File (Archief) could not be opened.  Error: disk I/O error (SQLITE_IOERR (10)).");

    errors.SetErrors({store::FileNotFound, "File Not Found", "14", "unable to open"});
    EXPECT_EQ(errors.SubsString(MsgAccessError),
              "File (Archief) could not be opened.  Error: File Not Found (2).");
}

TEST_F(ErrorManagerTest, PlaceholdersIgnoreCaseAndLongerOnesComeFirst) {
    errors.SetErrors({store::FileSystemError, "File system error", "SQLITE_FULL", "disk full"});
    errors.SetFile("Prd  ");
    errors.SetField("PRD:Name");
    errors.ThrowMessage(-1, "free text"); // unknown id: nothing shown, only the text kept
    errors.AddErrors(MessageTable::encode(
        {{60,
          "%errortext|%ERRORCODE|%FileErrorCode|%fileerror|%File|%Error|%message|%Field|"
          "%Procedure.",
          "All", LevelNotify}}));
    EXPECT_EQ(errors.SubsString(60), "disk full (SQLITE_FULL)|90|SQLITE_FULL|disk full|Prd|"
                                     "File system error|free text|PRD:Name|.");
    EXPECT_TRUE(host.messages().empty());
    EXPECT_EQ(errors.SubsString(MsgNoRecords), "There are no records available to process.");
}

TEST_F(ErrorManagerTest, ProcedureNamesAreKeptPerThread) {
    errors.AddErrors(MessageTable::encode({{61, "In %Procedure", "P", LevelNotify}}));
    EXPECT_EQ(errors.SubsString(61), "In ");
    errors.SetProcedureName("Main");
    errors.SetProcedureName("BrowsArchief");
    {
        Threads::Scope other(Threads::allocate());
        EXPECT_EQ(errors.GetProcedureName(), "");
        errors.SetProcedureName("ScanResults");
        EXPECT_EQ(errors.SubsString(61), "In ScanResults");
    }
    EXPECT_EQ(errors.SubsString(61), "In BrowsArchief");
    errors.SetProcedureName("", true);
    EXPECT_EQ(errors.GetProcedureName(), "Main");
}

TEST_F(ErrorManagerTest, PreviousQuotesTheOlderEntryOfTheSameId) {
    errors.AddErrors(MessageTable::encode(
        {{MsgNotUpdatedForm, "%Previous (Wareloft)", "Record Was Not Updated", LevelNotify}}));
    EXPECT_EQ(errors.SubsString(MsgNotUpdatedForm),
              "This record was changed by another station. Those changes will now be "
              "displayed. Use the Ditto Button or Ctrl+' to recall your changes. (Wareloft)");
    errors.AddErrors(MessageTable::encode({{62, "[%previous]", "X", LevelNotify}}));
    EXPECT_EQ(errors.SubsString(62), "[]");
}

TEST_F(ErrorManagerTest, UserQuestionsAnswerZeroForYesAndFourForNo) {
    EXPECT_EQ(errors.Raise(MsgConfirmDelete), LevelBenign); // unscripted: default Yes
    const auto* box = host.lastMessage();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->caption, "Confirm Delete");
    EXPECT_EQ(box->text, "Are you sure you want to delete the highlighted record?");
    EXPECT_EQ(box->icon, Icon::Exclamation);
    EXPECT_EQ(box->buttons, ButtonYes | ButtonNo);
    EXPECT_EQ(box->defaultButton, ButtonYes);

    host.answer(ButtonNo);
    EXPECT_EQ(errors.Raise(MsgChangesLost), LevelCancel);

    errors.AddErrors(MessageTable::encode({{63, "Cancel?", "C", LevelCancel}}));
    host.answer(ButtonNo);
    EXPECT_EQ(errors.Raise(63), LevelCancel);
    EXPECT_EQ(host.lastMessage()->buttons, ButtonYes | ButtonNo);
}

TEST_F(ErrorManagerTest, NoticesAndBenignMessages) {
    EXPECT_EQ(errors.Raise(MsgNoRecords), LevelNotify);
    EXPECT_EQ(host.lastMessage()->caption, "No Records");
    EXPECT_EQ(host.lastMessage()->icon, Icon::Information);
    EXPECT_EQ(host.lastMessage()->buttons, ButtonOk);

    errors.AddErrors(MessageTable::encode({{64, "quiet", "Q", LevelBenign}}));
    EXPECT_EQ(errors.Raise(64), LevelBenign);
    EXPECT_EQ(host.messages().size(), 1u);
}

TEST_F(ErrorManagerTest, FatalProgramAndOtherLevelsEndTheProgram) {
    errors.SetFile("IDE");
    driverFailure();
    try {
        errors.Throw(MsgAccessError);
        FAIL() << "the program should have ended";
    } catch (const ProgramEnded& end) {
        EXPECT_EQ(end.exitCode, 0);
        EXPECT_EQ(end.endText, "File Access Error");
    }
    const auto* box = host.lastMessage();
    EXPECT_EQ(box->text, "File (IDE) could not be opened.  Error: disk I/O error "
                         "(SQLITE_IOERR (10)).  Press OK to end this application");
    EXPECT_EQ(box->icon, Icon::Information);
    EXPECT_EQ(box->buttons, ButtonOk);
    EXPECT_TRUE(host.ended());

    EXPECT_THROW(errors.Raise(MsgUsageError), ProgramEnded);
    EXPECT_EQ(host.endText(), "File Usage Error");
    errors.AddErrors(MessageTable::encode({{65, "odd", "Odd Level", 9}}));
    EXPECT_THROW(errors.Raise(65), ProgramEnded);
    EXPECT_EQ(host.endText(), "Odd Level");
}

TEST_F(ErrorManagerTest, MessageShowsTheGivenButtons) {
    host.answer(ButtonCancel);
    EXPECT_EQ(errors.Message(MsgSaveRecord, ButtonYes | ButtonNo | ButtonCancel, ButtonYes),
              ButtonCancel);
    const auto* box = host.lastMessage();
    EXPECT_EQ(box->caption, "Save Record");
    EXPECT_EQ(box->text, "Do you want to save the changes to this record?");
    EXPECT_EQ(box->icon, Icon::Exclamation);
    EXPECT_EQ(box->buttons, ButtonYes | ButtonNo | ButtonCancel);
    EXPECT_EQ(box->defaultButton, ButtonYes);
}

// A handler overridden by a program replaces the framework's box.
class QuietErrors : public ErrorManager {
protected:
    int HandleNotify(const Entry& e) override {
        seen.append(e.Title);
        return LevelNotify;
    }

public:
    QStringList seen;
};

TEST_F(ErrorManagerTest, HandlersCanBeOverridden) {
    QuietErrors quiet;
    quiet.Init();
    EXPECT_EQ(quiet.Raise(MsgNoRecords), LevelNotify);
    EXPECT_EQ(quiet.seen, QStringList{"No Records"});
    EXPECT_TRUE(host.messages().empty());
}

} // namespace

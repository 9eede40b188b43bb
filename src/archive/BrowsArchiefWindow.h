#pragma once

#include "core/Dictionary.h"
#include "framework/browse/BrowseList.h"
#include "framework/browse/BrowseManager.h"
#include "framework/browse/ColumnExplorer.h"
#include "framework/window/WindowController.h"

#include <QString>
#include <memory>

// The window behind the archive list "BrowsArchief": the entries of one class or of all, in
// the order of the chosen tab, with the buttons that add, change and delete entries and
// start the other work on the highlighted one. Its place and its column layout are kept
// under "BrowsArchief"; the class, the tab and the colour in the user's section.
class BrowsArchiefWindow : public WindowController {
public:
    enum Control {
        List = 1,
        FileNamePrompt,
        ClassList,
        NoSelectionButton,
        FileNameEntry,
        SelectButton,
        IncludeButton,
        DeleteButton,
        PrintButton,
        PrintRecordButton,
        SearchButton,
        DeleteMediumButton,
        ScanButton,
        NewDiskButton,
        PropertiesButton,
        Sheet,
        CloseButton,
        HelpButton,
        NewCdButton,
        WebsiteButton,
        EmailButton,
        CdTab,
        DiskTab,
        NameTab,
        ClassTab,
        FileNameTab,
        DateTab,
        ProducerTab,
    };
    static constexpr int Tabs = 7;
    static constexpr const char* Everything = "Everything";
    static constexpr const char* CountText = " - Number of records : ";
    static constexpr const char* HelpKeyword = "Wareloft";

    BrowsArchiefWindow();
    ~BrowsArchiefWindow() override;

    int Init() override;
    int Kill() override;
    void Reset(bool force = false) override;
    int RunProcedure(int procedure, int request) override;
    int TakeAccepted() override;
    int TakeEvent() override;
    int TakeFieldEvent() override;
    int TakeNewSelection() override;
    int TakeWindowEvent() override;

    BrowseManager& Browse() { return browse_; }
    BrowseList& ListControl() { return *list_; }
    ColumnExplorer& Columns() { return *explorer_; }
    // The selected tab, 1 to 7 (another stored number gives the class order).
    int WhichTab() const { return whichTab_; }
    // The class the list shows; "Everything" for all.
    QString ChosenClass() const;
    // The entries counted at the last reload, those of class "Everything" left out.
    qint64 Count() const { return count_; }
    // The class drop list's choice, as the user makes it.
    void ChooseClass(const QString& name);
    void ChooseTab(int tab);

private:
    struct Orders;

    // BrowsArchiefWindow.cpp: building, settings, reloading.
    void build();
    void addOrders();
    void fillClasses();
    void readUserSettings();
    void writeUserSettings();
    void applyClassFilter();
    void recount();
    void enableButtons();
    void showHighlight();
    void selectTab(int tab);

    // BrowsArchiefActions.cpp: the buttons, the popup menu and the remote actions.
    int press(int control);
    void addEntry(int kind);
    void email();
    void popup();
    void takeRemoteAction();
    void tellToolbar();

    BrowseList* list_ = nullptr;
    BrowseManager browse_;
    std::unique_ptr<Orders> orders_;
    std::unique_ptr<ColumnExplorer> explorer_;
    OwnedRecord chosen_; // the class the filter compares with, apart from Srt:Soort
    QString fileName_;   // the highlighted entry's file name, shown in full
    RecordId highlighted_;
    qint64 count_ = -1; // -1: to be counted at the next reset
    int whichTab_ = 1;
    bool filesOpened_ = false;
};

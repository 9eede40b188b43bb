#pragma once

#include "framework/browse/BrowseList.h"
#include "framework/browse/BrowseManager.h"
#include "framework/window/WindowController.h"

// The window behind the class list: every class but "Everything" in name order, with a
// step locator. While the archive list is open a class can be added but not renamed or
// deleted. Its place is kept under "BrowsTabel".
class BrowsTabelWindow : public WindowController {
public:
    enum Control {
        List = 1,
        SelectButton,
        InsertButton,
        EditButton,
        DeleteButton,
        PrintButton,
        Sheet,
        ClassesTab,
        CloseButton,
        HelpButton,
    };
    static constexpr const char* HelpKeyword = "Software Class";

    BrowsTabelWindow();

    int Init() override;
    int Kill() override;
    void FirstOpen() override;
    void Reset(bool force = false) override;
    int RunProcedure(int procedure, int request) override;
    int TakeAccepted() override;
    int TakeFieldEvent() override;
    int TakeWindowEvent() override;

    BrowseList& ListControl() { return *list_; }
    // The classes counted at the last reload, "Everything" left out.
    qint64 Count() const { return count_; }

private:
    void build();
    void popup();

    BrowseList* list_ = nullptr;
    BrowseManager browse_;
    StepLocator locator_;
    qint64 count_ = 0;
    bool filesOpened_ = false;
};

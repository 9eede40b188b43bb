#pragma once

#include "framework/browse/BrowseManager.h"
#include "framework/window/WindowController.h"

class BrowseList;

// The users list: every user by name with password and level, titled with the number of
// users; Insert, Change and Delete run the user form.
class BrowsUsersWindow : public WindowController {
public:
    enum Control {
        List = 1,
        SelectButton,
        InsertButton,
        ChangeButton,
        DeleteButton,
        CloseButton,
        HelpButton,
    };
    enum Procedure { UserForm = 1 };
    static constexpr const char* HelpKeyword = "Users";
    static constexpr const char* Format =
        "80L(2)|M~Name~@s20@?51L(2)|M~Password~@s20@24L(2)|M~Level~C(0)@n3@";

    BrowsUsersWindow();

    int Init() override;
    int Kill() override;
    void Reset(bool force = false) override;
    int RunProcedure(int procedure, int request) override;
    int TakeAccepted() override;
    int TakeWindowEvent() override;

    BrowseList& ListControl() { return *list_; }
    BrowseManager& Browse() { return browse_; }

private:
    void build();

    BrowseList* list_ = nullptr;
    BrowseManager browse_;
    StepStringManager nameThumb_;
    StepLocator locator_;
};

// Starts the users list on a thread number of its own.
void BrowsUsers();

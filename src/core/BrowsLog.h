#pragma once

#include "framework/browse/BrowseManager.h"
#include "framework/window/WindowController.h"

class BrowseList;

// The logbook: every session by date and log-in time, newest last; "&Print" prints it and
// "&Empty Log" deletes every entry.
class BrowsLogWindow : public WindowController {
public:
    enum Control {
        List = 1,
        SelectButton,
        PrintButton,
        EmptyButton,
        CloseButton,
        HelpButton,
    };
    enum Procedure { Report = 1 };
    static constexpr const char* HelpKeyword = "logbook";
    static constexpr const char* Format =
        "31L(2)|~ID~L(8)@n6@86L(2)|~Name~@s20@?48L(2)|~Date~@d6@43L(2)|~Login Time~L(0)@T4@"
        "80L(2)|~Logout Time~L(0)@t4@";

    BrowsLogWindow();

    int Init() override;
    int Kill() override;
    void Reset(bool force = false) override;
    int TakeAccepted() override;
    int TakeWindowEvent() override;

    BrowseList& ListControl() { return *list_; }
    BrowseManager& Browse() { return browse_; }

private:
    void build();
    void emptyLog();

    BrowseList* list_ = nullptr;
    BrowseManager browse_;
    StepLongManager dateThumb_;
};

// Starts the logbook on a thread number of its own.
void BrowsLog();

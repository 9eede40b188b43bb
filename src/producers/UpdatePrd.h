#pragma once

#include "framework/window/WindowController.h"

#include <QString>

// The form of one producer, started with the global request insert, change or delete. A
// new name is carried to every archive entry that names the producer, all or none; a
// producer that archive entries still name is not deleted. Users below level 2 see the
// producer without being able to change it. Its place is kept under "UpdatePrd".
class UpdatePrd : public WindowController {
public:
    enum Control {
        Sheet = 1,
        GeneralTab,
        NamePrompt,
        NameEntry,
        WebsitePrompt,
        WebsiteEntry,
        SupportPrompt,
        SupportEntry,
        PhonePrompt,
        PhoneEntry,
        OkButton,
        CancelButton,
        HelpButton,
    };
    static constexpr const char* HelpKeyword = "Software Producers";

    UpdatePrd();

    int Init() override;
    int Kill() override;
    int TakeAccepted() override;
    int TakeCompleted() override;
    void FirstOpen() override;

private:
    QString before_; // the name as the form opened
    bool renamed_ = false;
    bool filesOpened_ = false;
};

#pragma once

#include "framework/window/WindowController.h"

#include <QString>

// The form of one software class, started with the global request insert, change or
// delete. A new name is carried to every archive entry of the class, all or none; a class
// that archive entries still use is not deleted. Its place is kept under "UpdateSoortTabel".
class UpdateSoortTabel : public WindowController {
public:
    enum Control { Sheet = 1, GeneralTab, SoortPrompt, SoortEntry, OkButton, CancelButton };

    UpdateSoortTabel();

    int Init() override;
    int Kill() override;
    int TakeCompleted() override;

private:
    QString before_; // the class name as the form opened
    bool filesOpened_ = false;
};

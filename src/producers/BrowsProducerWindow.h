#pragma once

#include "framework/browse/BrowseList.h"
#include "framework/browse/BrowseManager.h"
#include "framework/browse/ColumnExplorer.h"
#include "framework/window/WindowController.h"

#include <QString>
#include <memory>
#include <vector>

// The window behind the producer list: the producers in name order with a step locator,
// the buttons of a list and Website and Email. Its place and the header's column layout
// (places, hidden columns, the sort) are kept under "BrowsProducer"; its column format
// under "ProducerBrowse" in the user's section.
class BrowsProducerWindow : public WindowController {
public:
    enum Control {
        List = 1,
        SelectButton,
        InsertButton,
        PropertiesButton,
        PrintButton,
        WebsiteButton,
        EmailButton,
        DeleteButton,
        Sheet,
        ProducersTab,
        CloseButton,
        HelpButton,
    };
    static constexpr const char* HelpKeyword = "Software Producers";
    // The list's column format as it comes, widths in quarters of an average character.
    static constexpr const char* DesignFormat =
        "80L(2)|M~Producer~@s30@80L(2)|M~Website~@s80@80L(2)|M~Support~@s30@"
        "80L(2)|M~Phone~@s30@";

    BrowsProducerWindow();

    int Init() override;
    int Kill() override;
    void Reset(bool force = false) override;
    int RunProcedure(int procedure, int request) override;
    int TakeAccepted() override;
    int TakeFieldEvent() override;
    int TakeWindowEvent() override;

    BrowseManager& Browse() { return browse_; }
    BrowseList& ListControl() { return *list_; }
    // The producers counted at the last reload.
    qint64 Count() const { return count_; }

private:
    void build();
    void restoreColumns();
    void saveColumns();
    void showLevel();
    void popup();
    void email();

    BrowseList* list_ = nullptr;
    BrowseManager browse_;
    StepLocator locator_;
    std::unique_ptr<ColumnExplorer> explorer_;
    qint64 count_ = 0;
    bool filesOpened_ = false;
};

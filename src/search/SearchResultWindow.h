#pragma once

#include "framework/window/WindowController.h"
#include "search/ResultList.h"
#include "search/RowAction.h"

#include <array>

class QTableView;
class ResultModel;

// The matches of a search as a list: each file opened by its extension, the archive entry
// behind a row, sorting by the headers, the list printed.
class SearchResultWindow : public WindowController {
public:
    enum Control { List = 1, PrintButton, ActionButton, PropertiesButton, CloseButton, HelpButton };
    static constexpr const char* HelpKeyword = "Search Results";

    struct Question {
        qint64 count = 0;
        qint32 from = 0, till = 0;
        QString phrase, subjectLabel;
    };
    explicit SearchResultWindow(Question question);

    int Init() override;
    int Kill() override;
    int TakeAccepted() override;
    int TakeWindowEvent() override;

    // Opens the archive entry with this ARC:NR: the archive form's properties.
    using FormOpener = void (*)(quint32 archiveNr);
    static FormOpener OpenArchiveForm;

    // For tests.
    ResultModel& model() { return *model_; }
    QTableView& view() { return *view_; }
    const search::RowAction& action() const { return action_; }
    void clickHeader(int column);

private:
    void build();
    void load();
    void restoreColumns();
    void saveColumns();
    void applyColour();
    void rowChanged();
    void runAction();
    void properties();
    void print();
    void popup();
    int currentRow() const;

    Question question_;
    QTableView* view_ = nullptr;
    ResultModel* model_ = nullptr;
    quint64 shown_ = 0; // the serial number of the list shown
    std::array<bool, 9> toggled_{};
    search::RowAction action_;
};

// Shows the matches in SearchResultQueue; an open results window takes them over instead.
void SearchResult(qint64 count, qint32 from, qint32 till, const QString& phrase,
                  const QString& subjectLabel);

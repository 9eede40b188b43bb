#pragma once

#include "framework/window/WindowController.h"
#include "scan/ScanImport.h"
#include "scan/ScanNumbers.h"
#include "scan/ScanOptions.h"
#include "scan/ScanRows.h"

#include <QStringList>
#include <array>
#include <memory>
#include <optional>

class BusyCursor;
class QProgressBar;
class QTableView;
class QTimer;
class ScanFileModel;
class TreeFiles;

// The scan results window (see ScanResults.h).
class ScanResultsWindow : public WindowController {
public:
    enum Control {
        ProgressPrompt = 1,
        List,
        ExploreButton,
        AddAllButton,
        AddSelectedButton,
        ActionButton,
        ProgressBar,
        CounterGroup,
        SoFarPrompt,
        SoFarCount,
        TotalPrompt,
        TotalCount,
        OwnNumberCheck,
        CurrentDirectory,
        UpButton,
        OwnNumberPrompt,
        OwnNumberEntry,
        NewScanButton,
        ExitButton,
        HelpButton,
        PrintButton,
        AddTreeButton,
        CancelImportButton,
    };
    static constexpr const char* HelpKeyword = "Scan results";

    ScanResultsWindow();
    ~ScanResultsWindow() override;

    int Init() override;
    int Kill() override;
    int TakeAccepted() override;
    int TakeCloseEvent() override;
    int TakeWindowEvent() override;

    // The scan options dialog; tests put their own in its place.
    using OptionsDialog = void (*)(ScanParameters& parameters);
    static OptionsDialog AskOptions;
    // Printing the list: the directory text, cut to 32 characters. The scan report unless
    // a test puts its own in its place.
    using ListPrinter = void (*)(const QString& directory);
    static ListPrinter PrintList;

    // For tests and the accessibility layer.
    QTableView& view() { return *view_; }
    ScanFileModel& model() { return *model_; }
    void clickHeader(int column);
    void popup();
    bool importing() const { return importing_; }
    const ScanNumbers& numbers() const { return numbers_; }
    int remaining() const { return remaining_; }
    qint64 totalImported() const { return total_; }
    const QString& path() const { return path_; }

private:
    // ScanResultsWindow.cpp: the window, the list, the walk through the directories.
    void build();
    bool startScan();
    void restoreColumns();
    void saveColumns();
    void applyColour();
    void setTitle();
    void setButtons();
    void rowChanged();
    int currentRow() const;
    void selectRow(int row);
    void enterDirectory();
    void directoryUp();
    void listDirectory();
    void showList(int keepRow = 0);
    void openRow();
    void runCommand(ScanRows::Command command);
    void showOwnNumber();

    // ScanResultsImport.cpp: the imports.
    void addSelected(bool contentRequest = false);
    void addAll();
    void addTree();
    void settleNumbers();
    void beginImport(const QString& what);
    void runSlices();
    void waitForTree();
    void endImport();
    void showCounters(bool soFar);
    bool askDuplicate(ScanImport& job);
    void showNotices(ScanImport& job);
    void removeRows(const std::vector<ScanFileEntry>& handled);

    ScanParameters parameters_;
    ScanSource source_;
    ScanNumbers numbers_;
    QString kindLabel_;
    QString path_;          // from the drive root, "" or ending in "\"
    QString directoryText_; // the drive and the path without its final "\"
    QStringList history_;   // the paths before each step into a subdirectory
    int remaining_ = 0;     // file rows not imported yet
    qint64 soFar_ = 0;      // "Imported so far" of the running Add All
    qint64 total_ = 0;      // "Totaly imported"
    quint8 ownNumberShown_ = 0;
    quint32 ownNumber_ = 0;
    std::optional<ScanRows::Sort> sort_; // the last header sort
    std::array<bool, ScanRows::Columns> ascendingNext_{};
    ScanRows::Action action_ = ScanRows::Action::None;
    bool openedArchive_ = false;
    bool doubleClickHandled_ = false;

    // The import running in slices.
    bool importing_ = false;
    bool treeImport_ = false;
    std::unique_ptr<ScanImport> job_;
    std::unique_ptr<TreeFiles> tree_;
    std::unique_ptr<BusyCursor> busy_;
    std::vector<ScanFileEntry> jobFiles_; // the files of the job, in its order
    qint64 jobSeen_ = 0;                  // handled by the job when the counters were shown
    QStringList treeNotices_;
    QTimer* slices_ = nullptr;

    QTableView* view_ = nullptr;
    ScanFileModel* model_ = nullptr;
    QProgressBar* progress_ = nullptr;
};

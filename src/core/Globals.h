#pragma once

#include "core/Dictionary.h"
#include "framework/Text.h"
#include "search/ResultList.h"

#include <QString>
#include <array>
#include <atomic>
#include <vector>

// The process-wide state that procedures share: record buffers, global queues and GLO:
// variables. All are cleared at start.

// An in-memory queue: procedures fill `buffer` and add it, or read rows back into it.
template <class Entry> struct Queue {
    Entry buffer;
    std::vector<Entry> rows;

    void add() { rows.push_back(buffer); }
    void get(size_t position) { buffer = rows.at(position); }
    size_t records() const { return rows.size(); }
    void free() {
        rows.clear();
        rows.shrink_to_fit();
        buffer = Entry();
    }
};

struct DriveQueueEntry {
    Text DRIVE{3};
    Text KINDOFDRIVE{6};
};

struct ScanFileEntry {
    Text SCANFILENAME{255};
    Text ATTRIB{10};
    qint64 SIZE = 0; // tenths of a kilobyte
    qint32 DATE = 0;
    qint32 TIME = 0;
};

// Single-instance windows, each with the thread number of its running instance (0: closed).
enum class Instance {
    MainFrame,
    Toolbar,
    SystemOptions,
    ArchiveBrowse,
    ArchiveForm,
    ClassBrowse,
    ProducerBrowse,
    ScanResults,
    TextViewer,
    SearchResults,
    Search,
    Count
};

class ThreadRegistry {
public:
    quint32 thread(Instance window) const { return slots_[size_t(window)].load(); }
    bool isOpen(Instance window) const { return thread(window) != 0; }
    void set(Instance window, quint32 thread) { slots_[size_t(window)].store(thread); }
    void clear() {
        for (auto& s : slots_)
            s.store(0);
    }

private:
    std::array<std::atomic<quint32>, size_t(Instance::Count)> slots_{};
};

// Commands the toolbar window hands to the archive browse in GLO:BrowseAction.
enum BrowseActionCode : int {
    BrowseActionNone = 0,
    BrowseActionProperties = 1,
    BrowseActionDeleteRecord = 2,
    BrowseActionWebsite = 3,
    BrowseActionMail = 4,
    BrowseActionDeleteMedium = 5,
};

struct Globals {
    Text UserName{20};
    quint8 UserLevel = 0;
    quint16 UserID = 0;
    quint32 ArchiveCount = 0;
    QString ProgramDir;
    QString HelpFile;
    Text Wallpaper{250};
    qint32 BrowseColor = 0;
    Text ClassFilter{35};
    Text CurrentMediumName{40};
    quint16 CurrentCdNr = 0;
    quint16 CurrentDiskNr = 0;

    // the main frame's own
    int BarPosition = 0;
    int ToolbarShown = 0;
    int UseNotebook = 0;
    int KeepSelection = 0;
    int BrowseAction = 0;

    Queue<DriveQueueEntry> DriveQueue;
    Queue<ScanFileEntry> ScanFileQueue;
    search::ResultList SearchResultQueue; // numbered past 16 bits
    ThreadRegistry Threads;

    void clear();
    void freeQueues();
};

extern Globals GLO;

extern ArchiefRecord ARC;
extern PrdRecord PRD;
extern SoortTabelRecord SRT;
extern IdeRecord IDE;
extern LogRecord LOG;
extern SysRecord SYS;
extern DrvRecord DRV;

// Every record buffer to blanks and zeros, the description memo empty.
void clearRecordBuffers();

#pragma once

#include "framework/ErrorManager.h"
#include "framework/FileManager.h"
#include "framework/IniManager.h"
#include "framework/RelationGuard.h"
#include "framework/window/FormWindow.h"
#include "framework/window/Requests.h"
#include "framework/window/ToolbarDispatcher.h"
#include "framework/window/WindowParts.h"

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <deque>
#include <memory>
#include <vector>

class QEventLoop;
class QMdiArea;
class QMdiSubWindow;
class QTimer;
class WindowWatch;

// Drives one window for the life of the window: runs its event loop, hands each event to
// an overridable step, owns the window's browses, toolbar and history fields, and carries
// out the request protocol of a form (insert, change, delete; completed or cancelled).
// A procedure derives from it, builds its window in Init and overrides the steps it needs.
//
// Step results: 0 go on with the default handling of the event, 3 end the window, 5 the
// event was handled.
class WindowController : public QObject {
public:
    explicit WindowController(const QString& procedureName);
    ~WindowController() override;

    // The error manager and settings store of every window that is not given its own.
    static void SetServices(ErrorManager* errors, IniManager* settings);
    // The client area of the program's frame while it is open: windows started on a thread
    // number of their own open as its sub-windows, modal ones centred over the frame.
    static void SetChildArea(QMdiArea* area);
    static QMdiArea* ChildArea();

    // ---- running ----------------------------------------------------------------------
    // On the caller's thread, modal: Init, Ask while Init gave 0, Kill; the response
    // (2 when none was set).
    int Run();
    // On a thread number of its own, not modal: Init and open; returns at once with 0,
    // or with Init's level when the window did not open. When the window ends, Kill runs
    // and the controller deletes itself: create it with new.
    int Start();
    // Queues an event; the loop hands it to TakeEvent in turn.
    void Post(const WindowEvent& event);
    // Hands an event to TakeEvent now and carries out the result (3 ends the loop, 0 lets
    // a close request close the window).
    int Dispatch(const WindowEvent& event);
    bool Looping() const { return looping_; }
    bool IsModal() const { return modal_; }

    // ---- steps -------------------------------------------------------------------------
    virtual void Ask();
    virtual int Init();
    virtual int Kill();
    virtual void FirstOpen();
    virtual void PrimeFields() {}
    virtual int PrimeUpdate();
    virtual void Reset(bool force = false);
    virtual void RestoreField(int control);
    virtual int RunProcedure(int procedure, int request);
    virtual void SetAlerts();
    virtual void SetResponse(int response);
    virtual int TakeAccepted();
    virtual int TakeCompleted();
    virtual int TakeCloseEvent();
    virtual int TakeEvent();
    virtual int TakeFieldEvent() { return LevelBenign; }
    virtual int TakeNewSelection();
    virtual int TakeRejected();
    virtual int TakeSelected() { return LevelBenign; }
    virtual int TakeWindowEvent();
    virtual void Update();

    // ---- set-up in Init ----------------------------------------------------------------
    void AddFile(FileManager& file);
    // The record of history fields and the copy that keeps their last saved values; the
    // copy belongs to the procedure, so it outlives one run of the window.
    void AddHistoryFile(RecordBuffer& record, std::vector<FieldValue>& savedCopy);
    void AddHistoryField(int control, int field);
    void AddButton(int control, int response);
    void AddBrowse(BrowseLink& browse);
    void AddFileDrop(FileDropLink& drop);
    void AddToolbarTarget(ToolbarTarget& target);
    // Gives the window the toolbar strip and routes its buttons through `toolbar`.
    void SetToolbar(ToolbarDispatcher& toolbar);
    void SetResizer(Resizer& resizer);
    // After the set-up: PrimeUpdate (5 when it ends the window), then open and show the
    // window, restore its place, SetAlerts.
    int Open();

    // ---- the window --------------------------------------------------------------------
    FormWindow& Window() { return *window_; }
    // Shows `outer` instead of the form window (a frame window, a dock), before Open. Its
    // close box, activation and size become this controller's events; the procedure may put
    // the form window inside it. The controller deletes it when it is deleted itself.
    void SetOuter(QWidget* outer);
    // The widget that is shown, placed and closed: the outer window, the sub-window of the
    // frame's area, or the form window itself.
    QWidget& TopLevel();
    // Restored when iconized, raised and made the active window (or sub-window).
    void BringForward();
    Controls& C() { return window_->controls(); }
    void SetTitle(const QString& title);
    // Timer events every `milliseconds`; 0 stops them.
    void SetTimer(int milliseconds);
    // Milliseconds between timer events; 0 when there are none.
    int TimerInterval() const;
    void Display() { C().Display(); }
    void Select(int control) { C().Select(control); }
    // Presses OK: the accept-all pass for an insert or change form, then Completed.
    int PressOK();

    // The event being handled.
    const WindowEvent& Event() const { return current_; }
    int Field() const { return current_.Control; }
    int Keycode() const { return current_.KeyCode; }

    // ---- fields ------------------------------------------------------------------------
    struct ButtonEntry {
        int Control;
        int Response;
    };
    struct FileEntry {
        FileManager* Manager;
        int Snapshot;
    };
    struct HistoryEntry {
        int Control;
        int Field;
        RecordBuffer* Record;
        std::vector<FieldValue>* Saved;
    };

    QString ProcedureName;
    int Thread = 0;
    InstanceSlot SingleInstance; // set for a window that may run only once
    IniManager* Settings = nullptr;
    int HelpControl = 0; // the window's help button, for toolbar button 2012

    bool AutoRefresh = true;
    bool AutoToolbar = true;
    std::vector<BrowseLink*> Browses;
    std::vector<ButtonEntry> Buttons;
    std::vector<FileDropLink*> FileDrops;
    int CancelAction = 3; // bit 1: save a changed record on cancel; bit 2: ask first
    int ChangeAction = 1;
    bool Dead = false;
    int DeleteAction = 2; // 2 ask, then delete without the form; 4 delete at once
    ErrorManager* Errors = nullptr;
    std::vector<FileEntry> Files;
    int FirstField = 0;
    bool ForcedReset = false;
    bool ResetOnGainFocus = false;
    std::vector<HistoryEntry> History;
    int HistoryKey = 0;
    bool Inited = false;
    int InsertAction = 2; // 2 close, 3 stay and prime the next, 4 ask "Record Added"
    QByteArray LastInsertedPosition;
    int OKControl = 0;
    bool Opened = false;
    int OriginalRequest = 0;
    RelationGuard* Primary = nullptr;
    int Request = 0;
    Resizer* Resize = nullptr;
    int Response = 0;
    int Saved = 0; // snapshot of the primary record buffer
    ToolbarDispatcher* Toolbar = nullptr;
    TextTranslator* Translator = nullptr;
    long* VCRRequest = nullptr;

private:
    class FormTarget;

    void endLoop();
    void scheduleQueue();
    void processQueue();
    void finishStarted();
    void closeWindow();
    void showWindow();
    bool keepsPlace();
    FileManager& primaryFile() { return Primary->Manager(); }
    int insertCompleted();
    int changeCompleted();
    int deleteCompleted();
    void primeNextInsert();
    void giveUp();
    void copyHistory();
    void translate();

    std::unique_ptr<FormWindow> window_;
    QPointer<QWidget> outer_;
    WindowWatch* outerWatch_ = nullptr; // a child of outer_
    QPointer<QMdiSubWindow> sub_;
    std::unique_ptr<FormTarget> formTarget_;
    WindowEvent current_;
    std::deque<WindowEvent> queue_;
    QEventLoop* modalLoop_ = nullptr;
    QTimer* timer_ = nullptr;
    bool looping_ = false;
    bool modal_ = true;
    bool scheduled_ = false;
    int depth_ = 0;
    bool nameRegistered_ = false;
    bool ownsInstance_ = false;
    bool sizedSinceOpen_ = false;
    bool givenUp_ = false;
    RecordBuffer* historyRecord_ = nullptr;
    std::vector<FieldValue>* historySaved_ = nullptr;
};

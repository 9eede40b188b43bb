#include "framework/window/WindowController.h"

#include "framework/Threads.h"
#include "framework/window/FormToolbarTarget.h"
#include "framework/window/WindowPlace.h"
#include "framework/window/WindowRegistry.h"

#include <QEventLoop>
#include <QTimer>

namespace {
ErrorManager* defaultErrors = nullptr;
IniManager* defaultSettings = nullptr;
} // namespace

void WindowController::SetServices(ErrorManager* errors, IniManager* settings) {
    defaultErrors = errors;
    defaultSettings = settings;
}

WindowController::WindowController(const QString& procedureName)
    : ProcedureName(procedureName), Settings(defaultSettings), Errors(defaultErrors),
      window_(std::make_unique<FormWindow>([this](const WindowEvent& e) { Post(e); })) {
    window_->setObjectName(procedureName);
    window_->setWindowTitle(procedureName);
}

WindowController::~WindowController() {
    WindowRegistry::Unregister(*this);
    if (outer_) {
        // The form window is this controller's own, not the outer window's.
        window_->setParent(nullptr);
        delete outer_.data();
    }
}

void WindowController::SetTitle(const QString& title) {
    window_->setWindowTitle(title);
}

// ---- running ---------------------------------------------------------------------------

int WindowController::Run() {
    modal_ = true;
    Thread = Threads::current();
    if (Init() == LevelBenign) Ask();
    Kill();
    return Response == NoResponse ? RequestCancelled : Response;
}

int WindowController::Start() {
    modal_ = false;
    Thread = Threads::allocate();
    const Threads::Scope scope(Thread);
    const int level = Init();
    if (level != LevelBenign) {
        Kill();
        deleteLater();
        return level;
    }
    Ask();
    return LevelBenign;
}

void WindowController::Ask() {
    if (Dead) return;
    LastInsertedPosition.clear();
    looping_ = true;
    queue_.push_front(windowEvent(EventKind::OpenWindow));
    scheduleQueue();
    if (!modal_) return; // the loop's end disposes the controller
    QEventLoop loop;
    modalLoop_ = &loop;
    if (looping_) loop.exec();
    modalLoop_ = nullptr;
}

void WindowController::Post(const WindowEvent& event) {
    if (Dead) return;
    queue_.push_back(event);
    scheduleQueue();
}

int WindowController::Dispatch(const WindowEvent& event) {
    if (Dead) return LevelFatal;
    const Threads::Scope scope(Thread);
    const WindowEvent outer = current_;
    current_ = event;
    ++depth_;
    const int level = TakeEvent();
    --depth_;
    current_ = outer;
    if (level == LevelFatal) {
        endLoop();
    } else if (level == LevelBenign &&
               (event.Kind == EventKind::CloseWindow || event.Kind == EventKind::CloseDown) &&
               event.isWindowEvent()) {
        endLoop();
    }
    if (depth_ == 0 && !queue_.empty()) scheduleQueue();
    return level;
}

void WindowController::scheduleQueue() {
    if (scheduled_) return;
    scheduled_ = true;
    QMetaObject::invokeMethod(this, &WindowController::processQueue, Qt::QueuedConnection);
}

void WindowController::processQueue() {
    scheduled_ = false;
    // A message box inside a step runs its own loop; the outer dispatch goes on later.
    if (depth_ > 0) return;
    const QPointer<WindowController> alive(this);
    while (alive && looping_ && !queue_.empty()) {
        const WindowEvent event = queue_.front();
        queue_.pop_front();
        Dispatch(event);
    }
}

void WindowController::endLoop() {
    if (!looping_) return;
    looping_ = false;
    queue_.clear();
    if (modalLoop_)
        modalLoop_->quit();
    else if (!modal_)
        QMetaObject::invokeMethod(this, &WindowController::finishStarted, Qt::QueuedConnection);
}

void WindowController::finishStarted() {
    const Threads::Scope scope(Thread);
    Kill();
    deleteLater();
}

// ---- life --------------------------------------------------------------------------

int WindowController::Init() {
    if (Errors) {
        Errors->SetProcedureName(ProcedureName);
        nameRegistered_ = true;
    }
    if (SingleInstance) {
        const int running = SingleInstance.Get();
        // A second start brings the running window forward and opens nothing.
        if (running != 0 && WindowRegistry::Activate(running)) return LevelFatal;
        SingleInstance.Set(Thread);
        ownsInstance_ = true;
    }
    if (Protocol::GlobalRequest != NoRequest) Request = Protocol::GlobalRequest;
    OriginalRequest = Request;
    VCRRequest = &Protocol::VCRRequest;
    Protocol::GlobalRequest = NoRequest;
    Protocol::GlobalResponse = NoResponse;
    WindowRegistry::Register(Thread, *this);
    return LevelBenign;
}

int WindowController::Open() {
    if (PrimeUpdate() != LevelBenign) return LevelNotify;
    showWindow();
    Opened = true;
    sizedSinceOpen_ = false;
    if (keepsPlace()) {
        WindowPlace place(TopLevel(), window_->resizable());
        if (Settings) Settings->FetchWindow(ProcedureName, place);
        WindowPlace::KeepOnScreen(TopLevel());
    }
    SetAlerts();
    if (Toolbar) Toolbar->DisplayButtons();
    Display();
    return LevelBenign;
}

int WindowController::Kill() {
    if (Dead) return LevelNotify;
    for (BrowseLink* b : Browses)
        b->Kill();
    Browses.clear();
    for (FileDropLink* d : FileDrops)
        d->Kill();
    FileDrops.clear();
    Buttons.clear();
    History.clear();
    for (const FileEntry& f : Files)
        f.Manager->RestoreBuffer(f.Snapshot, false);
    Files.clear();
    if (Primary && Saved) primaryFile().RestoreBuffer(Saved, false);
    Saved = 0;
    if (Toolbar) Toolbar->Kill();
    Toolbar = nullptr;
    if (Resize) Resize->Kill();
    Resize = nullptr;
    Dead = true;
    if (timer_) timer_->stop();
    looping_ = false;
    queue_.clear();
    if (Opened && Settings && keepsPlace()) {
        WindowPlace place(TopLevel(), window_->resizable());
        Settings->UpdateWindow(ProcedureName, place);
    }
    if (nameRegistered_ && Errors) Errors->SetProcedureName(ProcedureName, true);
    nameRegistered_ = false;
    if (ownsInstance_ && SingleInstance.Get() == Thread) SingleInstance.Set(0);
    ownsInstance_ = false;
    WindowRegistry::Unregister(*this);
    closeWindow();
    return LevelBenign;
}

// ---- set-up ----------------------------------------------------------------------------

void WindowController::AddFile(FileManager& file) {
    Files.push_back({&file, file.SaveBuffer()});
}

void WindowController::AddHistoryFile(RecordBuffer& record, std::vector<FieldValue>& savedCopy) {
    historyRecord_ = &record;
    historySaved_ = &savedCopy;
}

// A field of the history file added last.
void WindowController::AddHistoryField(int control, int field) {
    if (historyRecord_) History.push_back({control, field, historyRecord_, historySaved_});
}

void WindowController::AddButton(int control, int response) {
    Buttons.push_back({control, response});
}

void WindowController::AddBrowse(BrowseLink& browse) {
    Browses.push_back(&browse);
}

void WindowController::AddFileDrop(FileDropLink& drop) {
    FileDrops.push_back(&drop);
}

void WindowController::AddToolbarTarget(ToolbarTarget& target) {
    if (Toolbar) Toolbar->AddTarget(target);
}

void WindowController::SetResizer(Resizer& resizer) {
    Resize = &resizer;
}

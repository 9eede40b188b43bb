#include "framework/textview/TextViewer.h"

#include "framework/ErrorManager.h"
#include "framework/host/Host.h"
#include "framework/textview/TextGoto.h"
#include "framework/textview/TextLines.h"
#include "framework/textview/TextSearcher.h"
#include "framework/window/BusyCursor.h"
#include "framework/window/Keys.h"
#include "framework/window/WindowController.h"

#include <algorithm>

namespace {

// Items of the list's popup menu, numbered as Host::popupMenu numbers them.
enum PopupChoice {
    PopupFind = 1,
    PopupPrint,
    PopupTop,
    PopupPageUp,
    PopupPageDown,
    PopupBottom,
    PopupGoto
};

} // namespace

TextViewer::TextViewer() : file_(std::make_unique<TextFile>()) {}

TextViewer::~TextViewer() {
    Kill();
}

bool TextViewer::Init(WindowController& window, int listControl, const QString& fileName,
                      ErrorManager& errors, int lineSize) {
    errors_ = &errors;
    control_ = listControl;
    fileName_ = fileName;
    list_ = dynamic_cast<TextLines*>(window.C().widget(listControl));
    file_ = std::make_unique<TextFile>(lineSize);

    Host& host = Host::instance();
    const QString before = host.currentDirectory();
    store::Status status;
    const int code = file_->Open(host.hostPath(fileName), &status);
    host.setCurrentDirectory(before);
    if (code != store::Ok) {
        errors.SetErrors(status);
        errors.SetFile(fileName);
        errors.Raise(MsgFileLoadError);
        return false;
    }
    errors.SetFile(fileName);
    if (list_) list_->setPost([&window](const WindowEvent& e) { window.Post(e); }, listControl);
    top_ = 1;
    selected_ = 0;
    fill();
    return true;
}

void TextViewer::AddSearcher() {
    if (!searcher_) searcher_ = std::make_unique<TextSearcher>(*this, *errors_);
}

void TextViewer::AddPrinter(std::function<void(TextViewer&)> print) {
    print_ = std::move(print);
}

void TextViewer::Kill() {
    searcher_.reset();
    file_->Close();
    display_.clear();
    offsets_.clear();
    if (list_) {
        list_->setPost({}, 0);
        list_->setRows({});
    }
    list_ = nullptr;
}

qint64 TextViewer::CurrentLine() const {
    return display_.isEmpty() ? 0 : top_ + selected_;
}

// The rows from TopLine on; near the end the rows move up so that the last page is full.
void TextViewer::fill() {
    const int rows = list_ ? list_->visibleRows() : 1;
    if (top_ < 1) top_ = 1;
    const qint64 indexed = file_->IndexTo(top_ + rows - 1);
    if (indexed < top_ + rows - 1) top_ = std::max<qint64>(1, indexed - rows + 1);
    display_.clear();
    offsets_.clear();
    for (const TextFile::Line& line : file_->ReadLines(top_, rows)) {
        display_ << TextFile::DisplayText(line.bytes);
        offsets_.push_back(line.offset);
    }
    selected_ = display_.isEmpty() ? 0 : std::clamp(selected_, 0, int(display_.size()) - 1);
    if (list_) {
        list_->setRows(display_);
        list_->setCurrentRow(display_.isEmpty() ? -1 : selected_);
    }
    showThumb();
}

// The thumb stands at the current line's share of the file's bytes.
void TextViewer::showThumb() {
    if (!list_) return;
    const qint64 size = file_->FileSize();
    const qint64 at = offsets_.empty() ? 0 : offsets_[size_t(selected_)];
    list_->setThumb(size > 0 ? int(at * TextLines::ThumbRange / size) : 0);
}

void TextViewer::SetLine(qint64 line) {
    const qint64 last = file_->IndexTo(std::max<qint64>(line, 1));
    line = std::clamp<qint64>(line, 1, std::max<qint64>(last, 1));
    if (line >= top_ && line < top_ + display_.size()) {
        selected_ = int(line - top_);
        if (list_) list_->setCurrentRow(selected_);
        showThumb();
        return;
    }
    top_ = line;
    fill();
    selected_ = int(std::clamp<qint64>(line - top_, 0, std::max<qint64>(0, display_.size() - 1)));
    if (list_) list_->setCurrentRow(selected_);
    showThumb();
}

int TextViewer::TakeEvent(const WindowEvent& event) {
    if (!file_->IsOpen() || event.Control != control_ || control_ == 0) return LevelBenign;
    switch (event.Kind) {
    case EventKind::ScrollUp:
    case EventKind::ScrollDown:
    case EventKind::PageUp:
    case EventKind::PageDown:
    case EventKind::ScrollTop:
    case EventKind::ScrollBottom:
        move(event.Kind, event.KeyCode == TextLines::WheelStep);
        return LevelNotify;
    case EventKind::ScrollDrag:
        dragTo(event.KeyCode);
        return LevelNotify;
    case EventKind::NewSelection:
        if (list_ && list_->currentRow() >= 0) selected_ = list_->currentRow();
        showThumb();
        return LevelNotify;
    case EventKind::Sized:
        fill();
        return LevelNotify;
    case EventKind::AlertKey:
        if (event.KeyCode != Keys::MouseRight) return LevelBenign;
        popup();
        return LevelNotify;
    default:
        return LevelBenign;
    }
}

void TextViewer::move(EventKind kind, bool wheel) {
    const int rows = list_ ? list_->visibleRows() : 1;
    const qint64 current = CurrentLine();
    const int shown = int(display_.size());
    switch (kind) {
    case EventKind::ScrollDown:
    case EventKind::ScrollUp: {
        // A row at a time; past the edge of the rows, the rows move by one line.
        const int step = kind == EventKind::ScrollDown ? 1 : -1;
        if (!wheel && selected_ + step >= 0 && selected_ + step < shown) {
            selected_ += step;
            break;
        }
        top_ = std::max<qint64>(1, top_ + step);
        fill();
        const qint64 target = wheel ? current : current + step;
        selected_ =
            int(std::clamp<qint64>(target - top_, 0, std::max<qint64>(0, display_.size() - 1)));
        break;
    }
    case EventKind::PageDown: {
        const qint64 before = top_;
        top_ += rows;
        fill();
        if (top_ == before) selected_ = int(display_.size()) - 1; // already on the last page
        break;
    }
    case EventKind::PageUp:
        if (top_ == 1) selected_ = 0;
        top_ = std::max<qint64>(1, top_ - rows);
        fill();
        break;
    case EventKind::ScrollTop:
        top_ = 1;
        selected_ = 0;
        fill();
        break;
    case EventKind::ScrollBottom: {
        const BusyCursor busy;
        top_ = std::max<qint64>(1, file_->CountLines() - rows + 1);
        fill();
        selected_ = std::max(0, int(display_.size()) - 1);
        break;
    }
    default:
        break;
    }
    selected_ = display_.isEmpty() ? 0 : std::clamp(selected_, 0, int(display_.size()) - 1);
    if (list_) list_->setCurrentRow(display_.isEmpty() ? -1 : selected_);
    showThumb();
}

// The line that holds the byte the thumb was dragged to.
void TextViewer::dragTo(int thumb) {
    const BusyCursor busy;
    const qint64 at = qint64(std::clamp(thumb, 0, TextLines::ThumbRange)) * file_->FileSize() /
                      TextLines::ThumbRange;
    SetLine(std::max<qint64>(1, file_->LineAt(at)));
}

void TextViewer::popup() {
    const QString items =
        QStringLiteral("%1&Find|%2&Print|-|&Move{&Top|Page &Up|Page &Down|Bottom}|-|&Goto")
            .arg(HasSearcher() ? "" : "~", HasPrinter() ? "" : "~");
    switch (Host::instance().popupMenu(items)) {
    case PopupFind:
        Find();
        break;
    case PopupPrint:
        Print();
        break;
    case PopupTop:
        move(EventKind::ScrollTop, false);
        break;
    case PopupPageUp:
        move(EventKind::PageUp, false);
        break;
    case PopupPageDown:
        move(EventKind::PageDown, false);
        break;
    case PopupBottom:
        move(EventKind::ScrollBottom, false);
        break;
    case PopupGoto:
        Goto();
        break;
    default:
        break;
    }
}

void TextViewer::Find() {
    if (searcher_ && file_->IsOpen()) searcher_->Ask();
}

void TextViewer::Print() {
    if (print_ && file_->IsOpen()) print_(*this);
}

void TextViewer::Goto() {
    if (!file_->IsOpen()) return;
    qint64 line = CurrentLine();
    if (TextGoto::Ask(line)) SetLine(line);
}

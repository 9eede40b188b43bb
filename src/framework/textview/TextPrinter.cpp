#include "framework/textview/TextPrinter.h"

#include "framework/host/Host.h"
#include "framework/textview/TextPrintOptions.h"
#include "framework/textview/TextViewer.h"

using Units::mm;

namespace {
// Lines read from the file at a time.
constexpr qint64 Block = 64;
} // namespace

TextLineProcess::TextLineProcess(TextFile& file, qint64 first, qint64 last)
    : file_(file), first_(first), last_(std::max(first - 1, last)) {}

int TextLineProcess::ResetView() {
    next_ = first_;
    ahead_.clear();
    return 0;
}

int TextLineProcess::ReadView() {
    if (ahead_.empty()) {
        if (next_ > last_ || !file_.IsOpen()) return 5;
        for (TextFile::Line& l : file_.ReadLines(next_, std::min(Block, last_ - next_ + 1)))
            ahead_.push_back(TextFile::DisplayText(l.bytes));
        if (ahead_.empty()) return 5; // the file is shorter than it was
        next_ += qint64(ahead_.size());
    }
    line_ = std::move(ahead_.front());
    ahead_.pop_front();
    return 0;
}

TextPrinter::TextPrinter(const QString& fileName, int lineSize, qint64 first, qint64 last,
                         bool preview)
    : ReportRunner(QStringLiteral("TextPrinter")), fileName_(fileName), file_(lineSize),
      lines_(file_, first, last), first_(first), last_(last) {
    SkipPreview = !preview;
    const int title = Layout.AddFont({QStringLiteral("Arial"), 9, true});
    const int body = Layout.AddFont({QStringLiteral("Courier New"), 9});
    const PageUnits width = Layout.BodyWidth();
    Layout.PageHeader = Band(mm(8));
    Layout.PageHeader
        .Value(
            0, 0, width, [this] { return FieldValue(fileName_); }, {}, title)
        .Rule(0, mm(5), width, mm(5), 10);
    Layout.PageFooter = Band(Layout.LineHeight(title));
    Layout.PageFooter.PageNumber(0, 0, mm(40), QStringLiteral("Page "), title);
    Layout.Detail = Band(Layout.LineHeight(body));
    Layout.Detail.Value(
        0, 0, width, [this] { return FieldValue(line_); }, QStringLiteral("@s255"), body);
}

int TextPrinter::Init() {
    if (const int level = WindowController::Init()) return level;
    BuildProgressWindow({}, false);
    SetTitle(QStringLiteral("Printing line %1 to %2").arg(first_).arg(last_));
    if (file_.Open(Host::instance().hostPath(fileName_)) != 0) {
        Host::instance().message(QStringLiteral("The file cannot be read: ") + fileName_,
                                 QStringLiteral("Printing"), Icon::Exclamation, ButtonOk, ButtonOk);
        return LevelFatal;
    }
    ReportRunner::Init(lines_, Layout, &Pages);
    Pages.AllowUserZoom = true;
    return Open();
}

int TextPrinter::Kill() {
    const int level = ReportRunner::Kill();
    file_.Close();
    return level;
}

int TextPrinter::TakeRecord() {
    line_ = lines_.Line();
    return ReportRunner::TakeRecord();
}

void TextPrinter::Print(TextViewer& viewer) {
    TextPrintOptions::Choice choice;
    if (!TextPrintOptions::Ask(viewer, choice)) return;
    if (choice.last < choice.first) return; // a file without lines
    TextPrinter printer(viewer.FileName(), viewer.File().LineSize(), choice.first, choice.last,
                        choice.preview);
    printer.Run();
}

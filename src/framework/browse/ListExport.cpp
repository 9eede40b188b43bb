#include "framework/browse/ListExport.h"

namespace {

constexpr int FlushBytes = 1 << 20;

// A CSV field: quoted when it holds a comma, a quote or a line end, inner quotes doubled.
void csvField(QByteArray& out, const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    bool quote = false;
    for (char c : utf8)
        if (c == ',' || c == '"' || c == '\r' || c == '\n') {
            quote = true;
            break;
        }
    if (!quote) {
        out += utf8;
        return;
    }
    out += '"';
    for (char c : utf8) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
}

void htmlText(QByteArray& out, const QString& text) {
    out += text.toHtmlEscaped().toUtf8();
}

const char* alignment(Qt::Alignment a) {
    return (a & Qt::AlignRight) ? " class=\"r\"" : (a & Qt::AlignHCenter) ? " class=\"c\"" : "";
}

} // namespace

ListExport::ListExport(std::unique_ptr<store::Cursor> view, const FileDef& def,
                       std::vector<BrowseColumn> columns, Format format, QString title)
    : view_(std::move(view)), record_(def), columns_(std::move(columns)), format_(format),
      title_(std::move(title)) {}

ListExport::~ListExport() {
    Cancel();
}

ListExport::Format ListExport::FormatOf(const QString& path) {
    return path.endsWith(QLatin1String(".htm"), Qt::CaseInsensitive) ||
                   path.endsWith(QLatin1String(".html"), Qt::CaseInsensitive)
               ? Format::Html
               : Format::Csv;
}

bool ListExport::Begin(const QString& path, qint64 total) {
    total_ = total;
    done_ = 0;
    error_.clear();
    if (!view_) {
        error_ = QStringLiteral("The list cannot be read");
        return false;
    }
    file_ = std::make_unique<QSaveFile>(path);
    if (!file_->open(QIODevice::WriteOnly)) {
        error_ = file_->errorString();
        file_.reset();
        return false;
    }
    view_->setBatch(1024);
    view_->setOrder(view_->ordering());
    header();
    return true;
}

void ListExport::header() {
    if (format_ == Format::Csv) {
        for (size_t i = 0; i < columns_.size(); ++i) {
            if (i > 0) pending_ += ',';
            csvField(pending_, columns_[i].Header);
        }
        pending_ += "\r\n";
        return;
    }
    pending_ += "<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n<title>";
    htmlText(pending_, title_);
    pending_ += "</title>\n<style>\n"
                "table { border-collapse: collapse; font-family: sans-serif; font-size: 10pt; }\n"
                "th, td { border: 1px solid #999; padding: 2px 6px; white-space: nowrap; }\n"
                "th { background: #ddd; text-align: left; }\n"
                ".r { text-align: right; } .c { text-align: center; }\n"
                "</style>\n</head>\n<body>\n";
    if (!title_.isEmpty()) {
        pending_ += "<h1>";
        htmlText(pending_, title_);
        pending_ += "</h1>\n";
    }
    pending_ += "<table>\n<thead>\n<tr>";
    for (const BrowseColumn& c : columns_) {
        pending_ += "<th>";
        htmlText(pending_, c.Header);
        pending_ += "</th>";
    }
    pending_ += "</tr>\n</thead>\n<tbody>\n";
}

void ListExport::row(const RecordBuffer& record) {
    if (format_ == Format::Csv) {
        for (size_t i = 0; i < columns_.size(); ++i) {
            if (i > 0) pending_ += ',';
            csvField(pending_, cellText(columns_[i], record.value(columns_[i].Field)));
        }
        pending_ += "\r\n";
        return;
    }
    pending_ += "<tr>";
    for (const BrowseColumn& c : columns_) {
        pending_ += "<td";
        pending_ += alignment(c.Align);
        pending_ += '>';
        htmlText(pending_, cellText(c, record.value(c.Field)));
        pending_ += "</td>";
    }
    pending_ += "</tr>\n";
}

bool ListExport::flush() {
    if (pending_.isEmpty()) return true;
    if (file_->write(pending_) != pending_.size()) {
        error_ = file_->errorString();
        return false;
    }
    pending_.clear();
    return true;
}

ListExport::Step ListExport::fail(const QString& why) {
    if (error_.isEmpty()) error_ = why;
    Cancel();
    return Step::Failed;
}

ListExport::Step ListExport::Write(int rows) {
    if (!file_) return Step::Failed;
    for (int i = 0; i < rows; ++i) {
        const int code = view_->next(record_);
        if (code == store::NoRecord) return finish() ? Step::Done : Step::Failed;
        if (code != store::Ok) return fail(view_->status().text);
        row(record_);
        ++done_;
        if (pending_.size() >= FlushBytes && !flush()) return fail(error_);
    }
    if (done_ > total_) total_ = done_;
    return flush() ? Step::Busy : fail(error_);
}

bool ListExport::finish() {
    if (format_ == Format::Html) pending_ += "</tbody>\n</table>\n</body>\n</html>\n";
    if (!flush()) return fail(error_), false;
    if (!file_->commit()) {
        error_ = file_->errorString();
        file_.reset();
        return false;
    }
    file_.reset();
    total_ = done_;
    return true;
}

void ListExport::Cancel() {
    if (file_) file_->cancelWriting();
    file_.reset(); // QSaveFile removes its temporary file
    pending_.clear();
}

bool ListExport::WriteAll(const QString& path, qint64 total,
                          const std::function<bool(qint64, qint64)>& progress, int slice) {
    if (!Begin(path, total)) return false;
    for (;;) {
        switch (Write(slice)) {
        case Step::Done:
            return true;
        case Step::Failed:
            return false;
        case Step::Busy:
            if (progress && !progress(done_, total_)) {
                Cancel();
                return false;
            }
            break;
        }
    }
}

#pragma once

#include "framework/FileDef.h"
#include "framework/RecordBuffer.h"
#include "framework/browse/BrowseRow.h"
#include "framework/store/RecordStore.h"

#include <QSaveFile>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

// Writes every record of a list's view, as the list's columns show them, to a CSV file
// (RFC 4180: UTF-8, a header row, fields quoted where they must be, CRLF line ends) or an
// HTML table. The file appears whole or not at all: it is written under a temporary name
// and put in place only when the last row is written; a failure or a cancel leaves any
// earlier file of that name as it was. The work is done a slice at a time, so that a window
// can show how far it has come and stop it.
class ListExport {
public:
    enum class Format { Csv, Html };
    enum class Step { Busy, Done, Failed };

    // `view` reads the records in the list's order (ViewManager::CopyOfView); `total` is
    // their number as far as known (0: unknown).
    ListExport(std::unique_ptr<store::Cursor> view, const FileDef& def,
               std::vector<BrowseColumn> columns, Format format, QString title = {});
    ~ListExport();

    // The format a file name asks for: HTML for ".htm" and ".html", CSV otherwise.
    static Format FormatOf(const QString& path);

    // Opens the temporary file and writes the header; false (with Error()) when it cannot.
    bool Begin(const QString& path, qint64 total = 0);
    // Writes up to `rows` more rows; Done after the last one, when the file is in place.
    Step Write(int rows);
    // Stops: nothing of this export is left on disk.
    void Cancel();

    // Writes everything at once; `progress(done, total)` is called between slices of
    // `slice` rows and may return false to cancel. True when the file is in place.
    bool WriteAll(const QString& path, qint64 total,
                  const std::function<bool(qint64, qint64)>& progress = {}, int slice = 2048);

    qint64 Done() const { return done_; }
    qint64 Total() const { return total_; }
    const QString& Error() const { return error_; }

private:
    void header();
    void row(const RecordBuffer& record);
    bool flush();
    bool finish();
    Step fail(const QString& why);

    std::unique_ptr<store::Cursor> view_;
    OwnedRecord record_;
    std::vector<BrowseColumn> columns_;
    Format format_;
    QString title_;
    std::unique_ptr<QSaveFile> file_;
    QByteArray pending_;
    qint64 done_ = 0;
    qint64 total_ = 0;
    QString error_;
};

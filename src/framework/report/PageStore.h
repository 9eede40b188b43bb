#pragma once

#include "framework/report/PageModel.h"

#include <QString>
#include <memory>
#include <vector>

class QTemporaryFile;

// The pages of one report, kept compactly: each finished page is packed, compressed and
// appended to a temporary spool file; memory holds only the index of where each page
// starts. A report of a million lines so costs a few bytes of memory per page, and a page
// is read back (and drawn) only when it is shown or printed. The spool file is removed
// when the store is cleared or destroyed.
class PageStore {
public:
    PageStore();
    ~PageStore();
    PageStore(const PageStore&) = delete;
    PageStore& operator=(const PageStore&) = delete;

    // The fonts the pages' items refer to by index, and the paper they are laid out on.
    std::vector<ReportFont> Fonts;
    PaperSize Paper;

    // Appends a page; false when it could not be kept (the spool file could not be made or
    // written), with the reason in Error().
    bool Add(const Page& page);
    int Count() const { return int(offsets_.size()) - 1; }
    // Page `number` from 1; an empty page when there is no such page or it cannot be read.
    Page Read(int number) const;
    // Discards every page and the spool file.
    void Clear();
    QString Error() const { return error_; }
    // Bytes the pages take in the spool file.
    qint64 SpoolBytes() const { return offsets_.back(); }

    // A page as bytes and back; Unpack gives false for bytes that are no page.
    static QByteArray Pack(const Page& page);
    static bool Unpack(const QByteArray& bytes, Page& page);

private:
    bool openSpool();

    std::unique_ptr<QTemporaryFile> spool_;
    std::vector<qint64> offsets_{0}; // page n spans offsets_[n-1] .. offsets_[n]
    QString error_;
};

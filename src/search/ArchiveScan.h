#pragma once

#include <QString>
#include <QtGlobal>
#include <functional>
#include <string>
#include <string_view>

namespace store {
class StoreFile;
class SqlCipherFile;
} // namespace store

// Reads the archive for the search in record order through statements of its own on the
// store's connection, so that no window's read position moves. Reads are keyset reads in
// batches; the store's lock is held for one batch at a time.
namespace search {

// One archive record as the search reads it; the texts are UTF-8 and live until the next row.
struct ScanRow {
    qint64 record = 0;
    qint64 change = 0;
    quint32 nr = 0;
    quint16 cdNr = 0;
    quint16 diskNr = 0;
    qint32 date = 0;
    qint32 time = 0;
    std::string_view name;        // ARC:CDiskNaam
    std::string_view file;        // ARC:Naam
    std::string_view producer;    // ARC:Producer
    std::string_view remarks;     // ARC:Opmerkingen
    std::string_view description; // ARC:Omschrijving, when asked for
};

class ArchiveScan {
public:
    // The archive file must be open.
    explicit ArchiveScan(store::StoreFile& archief);

    bool ready() const { return file_ != nullptr; }
    const QString& error() const { return error_; }

    // Tells whether the archive may have changed since the last call: changes by other
    // stations and by this one. Changes since `version` is a fresh token.
    struct Version {
        qint64 station = -1; // the store reading: another store is another archive
        quintptr connection = 0;
        qint64 others = -1;
        qint64 own = -1;
        bool operator==(const Version&) const = default;
    };
    bool version(Version& out);
    // The number of records; -1 on an error.
    qint64 count();

    // Reads up to `limit` records after record `after` in record order. Returns the number
    // read, -1 on an error.
    using RowFunction = std::function<void(const ScanRow&)>;
    qint64 read(qint64 after, qint64 limit, bool descriptions, const RowFunction& row);
    // The description of one record; false when the record is gone or on an error.
    bool description(qint64 record, std::string& out);

private:
    bool fail(const char* what);

    store::SqlCipherFile* file_ = nullptr;
    QString error_;
};

} // namespace search

#pragma once

#include "framework/FileDef.h"
#include "framework/RecordBuffer.h"
#include "framework/filter/Expression.h"
#include "framework/store/Positions.h"

#include <QByteArray>
#include <QString>
#include <memory>
#include <vector>

// The keyed record store behind the file managers. A small driver interface: the
// SQLCipher driver is the one built; a server-backed driver could sit behind it later.
namespace store {

// Codes the file manager tests; 0 is success.
enum Code : int {
    Ok = 0,
    FileNotFound = 2,
    AccessDenied = 5,
    NoRecord = 33, // end of a sequential read, or nothing to read
    DuplicateKey = 40,
    RecordHeld = 43, // held by another station
    InvalidKey = 46, // key file invalid: the keys must be rebuilt
    AlreadyOpen = 52,
    NotSupported = 80,
    ChangedElsewhere = 89, // record changed by another station since it was read
    FileSystemError = 90,  // the engine's own code and text say more
};

// Open modes: access in the low nibble, sharing in the high nibble.
enum OpenMode : int { ReadOnly = 0x00, WriteOnly = 0x01, ReadWrite = 0x02, DenyNone = 0x40 };

// The outcome of the last operation.
struct Status {
    int code = Ok;
    QString text;       // the store's text for the code
    QString driverCode; // the engine's own result code, as text
    QString driverText; // the engine's own message
};

// A read position of its own over one data file: a list, a report pass or a search reads
// through a cursor of its own, so that none of them moves another's place. Reads are keyset
// reads in batches that grow from the first batch; what a cursor reads sets the buffer's
// identity (record number and change counter), as every read of the store does.
class Cursor {
public:
    virtual ~Cursor() = default;

    // Key 0 is record order, keys count from 1; an order may also sort a key's records by
    // other fields (Ordering). After setOrder, next reads the first record and previous the
    // last one.
    virtual int setOrder(const Ordering& order) = 0;
    // Positions at the order's values in `from`: next reads the first record at or after
    // them, previous the last at or before them.
    virtual int setOrderAt(const Ordering& order, const RecordBuffer& from) = 0;
    // Positions at a position string (it names its order); next and previous both read that
    // record when it is still there.
    virtual int setOrderAtPosition(const QByteArray& position) = 0;
    virtual int next(RecordBuffer& into) = 0;
    virtual int previous(RecordBuffer& into) = 0;
    virtual int order() const = 0; // the key of the order
    virtual const Ordering& ordering() const = 0;
    // Reads leave memo fields as they are while set.
    virtual void setSkipMemos(bool skip) = 0;
    // Records fetched by the first read after a positioning (later batches grow from there).
    virtual void setBatch(int records) = 0;
    // Reads give only records that pass the filter, evaluated by the engine; named variables
    // are looked up through `resolve` at every read. A null filter reads every record.
    virtual void setFilter(filter::Tree filter, filter::Resolver resolve) = 0;
    // Records the reads would give from start to end: in the order's key and passing the
    // filter, counted by the engine. -1 with the status set when the count failed.
    virtual qint64 count() = 0;
    virtual const Status& status() const = 0;
};

// One declared data file. Every operation returns a code and leaves it, with its texts,
// in status(). Reads fill a record buffer and its identity; writes address the stored
// record by the buffer's identity, so they land on the record that was read whatever was
// read since, and are refused (89) when another station changed it meanwhile.
class StoreFile {
public:
    virtual ~StoreFile() = default;

    virtual const FileDef& def() const = 0;
    virtual QString path() const = 0; // full host path of the disk file

    // 2 when the disk file is missing, 5 when write access is refused (open again with a
    // read-only mode), 46 when keys are missing or damaged, 52 when already open, 90 when
    // the file is not a readable database of this file (garbage, wrong key, truncated).
    virtual int open(int openMode) = 0;
    // Creates the disk file empty, with its keys. Refuses (90) when the file exists.
    virtual int create() = 0;
    virtual int close() = 0;
    virtual bool isOpen() const = 0;
    virtual bool isReadOnly() const = 0;
    virtual int buildKeys() = 0;
    // "Recover=" seconds, "QUICKSCAN=on"/"off".
    virtual int sendOption(const QString& option) = 0;
    virtual qint64 records() = 0;
    virtual qint64 bytes() = 0;

    // A read position of its own over this file.
    virtual std::unique_ptr<Cursor> cursor() = 0;

    // The file's own sequential reads (those of its file manager), as a cursor's.
    virtual int setOrder(int key) = 0;
    virtual int setOrderAt(int key, const RecordBuffer& from) = 0;
    virtual int setOrderAtPosition(const QByteArray& position) = 0;
    virtual int next(RecordBuffer& into) = 0;
    virtual int previous(RecordBuffer& into) = 0;
    // Also the memos a put leaves alone while set.
    virtual void setSkipMemos(bool skip) = 0;
    // The order of the file's own reads: a key number, 0 for record order.
    virtual int currentKey() const = 0;

    // The first record in key order whose key values equal those of `buffer`.
    virtual int get(int key, RecordBuffer& buffer) = 0;
    // Reads the record of a position string; the file's own reads go on from it.
    virtual int reget(const QByteArray& position, RecordBuffer& into) = 0;

    // Adds the buffer as a new record and gives it the new record's identity.
    virtual int add(RecordBuffer& buffer) = 0;
    virtual int append(RecordBuffer& buffer) = 0;
    // Rewrites the record of the buffer's identity: 89 when another station changed it since
    // it was read, 33 when it is gone, 43 when another station holds it.
    virtual int put(RecordBuffer& buffer) = 0;
    // Deletes the record of the buffer's identity, with the codes of put.
    virtual int erase(const RecordBuffer& buffer) = 0;
    // Deletes every record in one step; 43, and nothing deleted, while another station
    // holds one of them.
    virtual int eraseAll() = 0;
    // Holds the record of the buffer's identity for this station (one per file).
    virtual int hold(const RecordBuffer& buffer) = 0;
    virtual int release() = 0;
    // Writes check the change counter read with the record: watching asks for a stored one.
    virtual int watch(const RecordBuffer& buffer) = 0;
    virtual bool isHeld(const RecordBuffer& buffer) const = 0;
    virtual int flush() = 0;
    // True when `buffer` would duplicate another record's entry of a unique key.
    virtual bool duplicates(int key, const RecordBuffer& buffer) = 0;

    virtual const Status& status() const = 0;
};

// The process's one connection to the data directory.
class RecordStore {
public:
    virtual ~RecordStore() = default;

    static std::unique_ptr<RecordStore> openSqlCipher(const QString& dataDirectory);

    virtual QString directory() const = 0;
    // Declares a file; the store keeps it for the store's life. Nothing is opened yet.
    virtual StoreFile& declare(const FileDef& def) = 0;

    // One transaction over several files; 80 when the driver has none.
    virtual int begin(const std::vector<StoreFile*>& files, int timeoutSeconds) = 0;
    virtual int commit() = 0;
    virtual int rollback() = 0;

    // A consistent copy of a data file to another path (replacing it), and back. A copy
    // is brought back only when it is of the schema version this program keeps.
    virtual int backup(const FileDef& def, const QString& targetPath) = 0;
    virtual int restore(const FileDef& def, const QString& sourcePath) = 0;
    // Whether a copy could be brought back: a whole, readable file of that data file at this
    // version, every page sound (2 missing, 90 with the reason otherwise). Changes nothing.
    virtual int verify(const FileDef& def, const QString& sourcePath) = 0;

    virtual const Status& status() const = 0;
};

} // namespace store

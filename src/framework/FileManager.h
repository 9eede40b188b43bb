#pragma once

#include "framework/ErrorManager.h"
#include "framework/RecordBuffer.h"
#include "framework/store/RecordStore.h"

#include <QByteArray>
#include <QString>
#include <vector>

class RelationGuard;

// The one way to a data file: opens it on first use, creates it when missing, falls back
// to read-only, rebuilds damaged keys, hands out automatic numbers, keeps buffer snapshots
// and saved positions, and turns every store code into a numbered message and a level.
// Plain operations show their messages; the Try forms only store them.
class FileManager {
public:
    struct UsageInfo {
        int Id = 0;
        bool Used = false; // physically open
        int Opened = 0;    // nesting count of Open
        bool AtEof = false;
        bool AutoIncDone = false;
        int LastError = 0;
    };
    struct ComponentEntry {
        int Field = 0;
        QString FieldName; // "UPPER(ARC:Naam)" for a text component of a case-insensitive key
        bool Ascend = true;
    };
    struct KeyEntry {
        int Key = 0; // key number in the file's description
        QString Description;
        std::vector<ComponentEntry> Fields;
        bool AutoInc = false;
        bool Dups = false;
        bool NoCase = false;
    };

    FileManager() = default;
    virtual ~FileManager();
    FileManager(const FileManager&) = delete;
    FileManager& operator=(const FileManager&) = delete;

    void Init(store::StoreFile& file, RecordBuffer& buffer, ErrorManager& errors);
    void AddKey(const QString& description, int key, bool autoInc);
    void Kill();

    virtual void BindFields();
    virtual int CancelAutoInc(RelationGuard* guard = nullptr);
    virtual int Close();
    virtual bool EqualBuffer(int snapshot);
    virtual int Fetch(int key);
    virtual int Insert();
    virtual int Next();
    virtual int Open();
    virtual int Previous();
    virtual int PrimeAutoInc();
    virtual void PrimeFields() {}
    virtual int PrimeRecord(bool suppressClear = false);
    virtual int Throw(int id);
    virtual int ThrowCurrent();
    virtual int ThrowMessage(int id, const QString& text);
    virtual int TryFetch(int key);
    virtual int TryInsert();
    virtual int TryNext();
    virtual int TryOpen();
    virtual int TryPrevious();
    virtual int TryPrimeAutoInc();
    virtual int TryUpdate();
    virtual int Update();
    virtual int ValidateField(int field);
    virtual int ValidateFields(int first, int last, int& failing);
    virtual int ValidateRecord(int& failing);

    // Many records added in one transaction of the caller, which keeps the file's write lock
    // and so keeps every other station from adding meanwhile: the highest automatic number
    // is read once and counted on. Begin after the transaction began (3 when the file is
    // unusable), end before it ends. TryBulkInsert validates and adds the buffer with the
    // next numbers, as TryInsert would give them, in one add; outside Begin and End it is
    // TryInsert.
    int BeginBulkInsert();
    int TryBulkInsert();
    void EndBulkInsert();

    int SaveFile();
    void RestoreFile(int id, bool restore = true);
    int SaveBuffer();
    void RestoreBuffer(int id, bool restore = true);
    void SetError(int id);
    QByteArray GetPosition();
    int TryReget(const QByteArray& position);
    bool GetEof();
    int SetQuickScan(bool on);

    // The name shown in messages.
    QString Name() const { return FileName ? *FileName : FileNameValue; }
    // Physically open (in any thread).
    bool IsOpen() const { return File && File->isOpen(); }
    // Usage check for a caller that reads or writes the store directly; 3 when unusable.
    int UseFile();
    UsageInfo& Usage();

    store::StoreFile* File = nullptr;
    const QString* FileName = nullptr;
    QString FileNameValue;
    RecordBuffer* Buffer = nullptr;
    bool Create = true;
    ErrorManager* Errors = nullptr;
    bool HasAutoInc = false;
    bool LazyOpen = true;
    quint16 LockRecover = 10;
    int OpenMode = store::ReadWrite | store::DenyNone;
    int PrimaryKey = 0; // position in Keys, 1-based; 0 when none
    bool SkipHeldRecords = false;
    bool ThreadLocal = false;
    std::vector<KeyEntry> Keys;

private:
    struct Snapshot {
        int Id;
        std::vector<FieldValue> Values;
        RecordId Identity;
    };
    struct SavedState {
        int Id = 0;
        int Buffer = 0;
        int Key = 0;
        QByteArray Pos;
        bool WHeld = false;
        bool WWatch = false;
        bool AutoIncDone = false;
    };

    int openPhysically(bool raise);
    void closePhysically();
    int readNext(bool forward, bool raise);
    int primeAutoInc(bool raise);
    bool backToReserved();
    int numberFor(const KeyEntry& key, qint64& number, bool raise);
    int insert(bool raise);
    // The message and level of an add or rewrite of an insert that the store refused.
    int insertFailed(int code, bool raise);
    int update(bool raise);
    int storeCode() const;
    int open(bool raise);
    // Stores the message and, in the raising form, shows it; returns `level`.
    int fail(int id, bool raise, int level);
    void registerUse(bool opening);

    std::vector<UsageInfo> Info;
    std::vector<Snapshot> Buffers;
    std::vector<SavedState> Saved;
    int openModeAsDeclared_ = OpenMode;
    RecordId reserved_;  // the record added by PrimeAutoInc
    qint64 watched_ = 0; // the record watched since a change made elsewhere; 0: none
    bool fromForm_ = false;
    int nextSnapshotId_ = 1;
    // During a bulk insert, the next number of each auto-numbered key by position in Keys;
    // 0 while it is still to be read.
    bool bulk_ = false;
    std::vector<qint64> bulkNumbers_;

    friend class RelationGuard;
};

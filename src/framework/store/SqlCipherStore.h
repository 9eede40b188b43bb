#pragma once

#include "framework/store/RecordStore.h"
#include "framework/store/Sql.h"

#include <mutex>
#include <sqlcipher/sqlite3.h>

namespace store {

class SqlCipherFile;

// The SQLCipher driver: one connection for the data directory. It is opened on the first
// data file that is opened or created (the main database, a file on disk with the rollback
// journal, so that a commit over several files is atomic); every other file is attached
// under its prefix. Files with an owner password are encrypted with it.
class SqlCipherStore final : public RecordStore {
public:
    enum class Access { ReadOnly, ReadWrite, Create };
    static constexpr int DefaultBusyMs = 3000;

    explicit SqlCipherStore(const QString& directory);
    ~SqlCipherStore() override;

    QString directory() const override { return directory_; }
    StoreFile& declare(const FileDef& def) override;

    int begin(const std::vector<StoreFile*>& files, int timeoutSeconds) override;
    int commit() override;
    int rollback() override;

    int backup(const FileDef& def, const QString& targetPath) override;
    int restore(const FileDef& def, const QString& sourcePath) override;
    int verify(const FileDef& def, const QString& sourcePath) override;

    const Status& status() const override { return status_; }

    // For the files; the caller holds the lock.
    std::recursive_mutex& mutex() { return mutex_; }
    sqlite3* db() const { return db_; }
    qint64 station() const { return station_; }
    bool inTransaction() const { return db_ && !sqlite3_get_autocommit(db_); }
    int attach(SqlCipherFile& file, Access access, Status& status);
    int detach(SqlCipherFile& file, Status& status);

    // A read of several statements: one view of the files and one lock, taken and given back
    // at once (the locks are what make a read costly). Nothing happens inside a transaction.
    class ReadScope {
    public:
        explicit ReadScope(SqlCipherStore& store);
        ~ReadScope();
        ReadScope(const ReadScope&) = delete;
        ReadScope& operator=(const ReadScope&) = delete;

    private:
        SqlCipherStore& store_;
        bool began_ = false;
    };

private:
    struct Attached {
        SqlCipherFile* file;
        Access access;
    };
    int connect(SqlCipherFile& file, Access access, Status& status);
    int attachTo(SqlCipherFile& file, Access access, Status& status);
    void disconnect();
    int reconnect(Status& status);
    SqlCipherFile* find(const FileDef& def) const;
    void endTransaction();

    QString directory_;
    qint64 station_;
    std::recursive_mutex mutex_;
    sqlite3* db_ = nullptr;
    std::vector<Attached> attached_; // the first one is the main database
    std::vector<std::unique_ptr<SqlCipherFile>> files_;
    sql::Stmt beginRead_, endRead_;
    Status status_;
};

} // namespace store

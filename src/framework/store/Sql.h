#pragma once

#include <QByteArray>
#include <QString>
#include <sqlcipher/sqlite3.h>

// Thin helpers over the engine's C interface.
namespace store::sql {

// A prepared statement, finalized on destruction.
class Stmt {
public:
    Stmt() = default;
    ~Stmt() { sqlite3_finalize(stmt_); }
    Stmt(Stmt&& other) noexcept : stmt_(other.stmt_) { other.stmt_ = nullptr; }
    Stmt& operator=(Stmt&& other) noexcept;
    Stmt(const Stmt&) = delete;
    Stmt& operator=(const Stmt&) = delete;

    int prepare(sqlite3* db, const QByteArray& text);
    bool ready() const { return stmt_ != nullptr; }
    sqlite3_stmt* get() const { return stmt_; }
    operator sqlite3_stmt*() const { return stmt_; }
    // Resets after use, so that no read lock outlives the call.
    void reset() { sqlite3_reset(stmt_); }

    void bind(int index, qint64 value) { sqlite3_bind_int64(stmt_, index, value); }
    // The text must stay alive until the statement is reset.
    void bindStatic(int index, const QByteArray& utf8);
    int step() { return sqlite3_step(stmt_); }

private:
    sqlite3_stmt* stmt_ = nullptr;
};

// Resets a statement when leaving a scope.
class ResetGuard {
public:
    explicit ResetGuard(Stmt& s) : stmt_(s) {}
    ~ResetGuard() { stmt_.reset(); }
    ResetGuard(const ResetGuard&) = delete;
    ResetGuard& operator=(const ResetGuard&) = delete;

private:
    Stmt& stmt_;
};

// A savepoint: all or nothing inside or outside a transaction. Undone on destruction unless
// committed; when it began the transaction itself, a failed commit rolls that back too.
class Savepoint {
public:
    Savepoint(sqlite3* db, const char* name);
    ~Savepoint() { undo(); }
    Savepoint(const Savepoint&) = delete;
    Savepoint& operator=(const Savepoint&) = delete;

    int begun() const { return begun_; }
    // Returns the engine's result; on failure the engine's message is in `message`.
    int commit(QString* message = nullptr);
    void undo();

private:
    sqlite3* db_;
    QByteArray name_;
    bool outer_;
    int begun_;
    bool done_ = false;
};

// "name" with inner quotes doubled.
QByteArray quote(const QString& identifier);
// A text literal: 'value'.
QByteArray literal(const QString& value);
// A URI filename for a host path with an access mode ("ro", "rw", "rwc").
QByteArray uri(const QString& path, const char* mode);
int exec(sqlite3* db, const QByteArray& text);
QString columnText(sqlite3_stmt* stmt, int column);

} // namespace store::sql

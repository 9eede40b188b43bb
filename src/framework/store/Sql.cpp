#include "framework/store/Sql.h"

#include <QUrl>

namespace store::sql {

Stmt& Stmt::operator=(Stmt&& other) noexcept {
    if (this != &other) {
        sqlite3_finalize(stmt_);
        stmt_ = other.stmt_;
        other.stmt_ = nullptr;
    }
    return *this;
}

int Stmt::prepare(sqlite3* db, const QByteArray& text) {
    sqlite3_finalize(stmt_);
    stmt_ = nullptr;
    return sqlite3_prepare_v2(db, text.constData(), int(text.size()), &stmt_, nullptr);
}

void Stmt::bindStatic(int index, const QByteArray& utf8) {
    sqlite3_bind_text(stmt_, index, utf8.constData(), int(utf8.size()), SQLITE_STATIC);
}

Savepoint::Savepoint(sqlite3* db, const char* name)
    : db_(db), name_(name), outer_(!sqlite3_get_autocommit(db)) {
    begun_ = exec(db_, "SAVEPOINT " + name_);
}

int Savepoint::commit(QString* message) {
    if (begun_ != SQLITE_OK || done_) return begun_;
    const int rc = exec(db_, "RELEASE " + name_);
    if (rc == SQLITE_OK) {
        done_ = true;
        return rc;
    }
    if (message) *message = QString::fromUtf8(sqlite3_errmsg(db_));
    undo();
    return rc;
}

void Savepoint::undo() {
    if (begun_ != SQLITE_OK || done_) return;
    done_ = true;
    exec(db_, "ROLLBACK TO " + name_);
    exec(db_, "RELEASE " + name_);
    if (!outer_ && !sqlite3_get_autocommit(db_)) exec(db_, "ROLLBACK");
}

QByteArray quote(const QString& identifier) {
    QString q = identifier;
    q.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return '"' + q.toUtf8() + '"';
}

QByteArray literal(const QString& value) {
    QString q = value;
    q.replace(QLatin1Char('\''), QLatin1String("''"));
    return '\'' + q.toUtf8() + '\'';
}

QByteArray uri(const QString& path, const char* mode) {
    return "file:" + QUrl::toPercentEncoding(path, "/") + "?mode=" + mode;
}

int exec(sqlite3* db, const QByteArray& text) {
    return sqlite3_exec(db, text.constData(), nullptr, nullptr, nullptr);
}

QString columnText(sqlite3_stmt* stmt, int column) {
    const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(stmt, column));
    return QString::fromUtf8(p, sqlite3_column_bytes(stmt, column));
}

} // namespace store::sql

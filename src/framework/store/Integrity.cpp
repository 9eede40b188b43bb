#include "framework/store/Integrity.h"

#include "framework/store/Codes.h"
#include "framework/store/Counts.h"
#include "framework/store/Direct.h"
#include "framework/store/Disk.h"
#include "framework/store/Schema.h"
#include "framework/store/Sql.h"

#include <QStringList>
#include <set>

namespace store {

namespace {

constexpr int ProblemsShown = 3;

Integrity notSound(const QString& problem, qint64 records = -1) {
    return {Integrity::NotSound, records, problem};
}

QString engineProblem(sqlite3* db, int rc) {
    const QString text = QString::fromUtf8(db ? sqlite3_errmsg(db) : sqlite3_errstr(rc));
    switch (rc & 0xFF) {
    case SQLITE_NOTADB:
        return QStringLiteral("not a data file of this program, or damaged (%1)").arg(text);
    case SQLITE_CORRUPT:
        return QStringLiteral("damaged (%1)").arg(text);
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return QStringLiteral("kept busy by a station; try again (%1)").arg(text);
    case SQLITE_READONLY:
        return QStringLiteral("a change was interrupted; the next start of the program settles "
                              "it (%1)")
            .arg(text);
    default:
        return text;
    }
}

// One number from a query; false when the engine refuses it.
bool number(sqlite3* db, const QByteArray& query, qint64& value, QString& problem) {
    sql::Stmt s;
    int rc = s.prepare(db, query);
    if (rc == SQLITE_OK) rc = s.step();
    if (rc != SQLITE_ROW) {
        problem = engineProblem(db, rc == SQLITE_DONE ? SQLITE_CORRUPT : rc);
        return false;
    }
    value = sqlite3_column_int64(s, 0);
    return true;
}

QStringList enginesCheck(sqlite3* db, QString& problem) {
    sql::Stmt s;
    int rc = s.prepare(db, "PRAGMA integrity_check(" + QByteArray::number(ProblemsShown) + ')');
    QStringList found;
    while (rc == SQLITE_OK && (rc = s.step()) == SQLITE_ROW) {
        rc = SQLITE_OK;
        const QString line = sql::columnText(s, 0);
        if (line != QLatin1String("ok")) found << line;
    }
    if (rc != SQLITE_DONE && rc != SQLITE_OK) problem = engineProblem(db, rc);
    return found;
}

bool keysAsDescribed(sqlite3* db, const Schema& schema) {
    sql::Stmt list;
    const QByteArray table = schema.def().label.toUtf8();
    if (list.prepare(db, "SELECT sql FROM sqlite_master WHERE type = 'index' AND tbl_name = ?1 "
                         "AND sql IS NOT NULL") != SQLITE_OK)
        return false;
    list.bindStatic(1, table);
    std::set<QByteArray> found, wanted;
    int rc;
    while ((rc = list.step()) == SQLITE_ROW)
        found.insert(QByteArray(reinterpret_cast<const char*>(sqlite3_column_text(list, 0))));
    for (int k = 1; k <= int(schema.def().keys.size()); ++k)
        wanted.insert(schema.keptKeySql(k));
    return rc == SQLITE_DONE && found == wanted;
}

} // namespace

Integrity checkIntegrity(const FileDef& def, const QString& path) {
    Status status;
    if (disk::check(path, status) != Ok)
        return status.code == FileNotFound && status.driverText.isEmpty()
                   ? Integrity{Integrity::Missing, -1, QStringLiteral("missing")}
                   : notSound(status.driverText);
    Direct file;
    if (file.open(path, def, "ro", status) != Ok) return notSound(status.driverText);
    sqlite3* db = file.db();
    if (file.check(path, def, status) != Ok) {
        const int rc = status.driverCode.toInt();
        return notSound(rc != 0 ? engineProblem(db, rc) : status.driverText);
    }
    // One view of the file for every question.
    if (sql::exec(db, "BEGIN") != SQLITE_OK)
        return notSound(engineProblem(db, sqlite3_errcode(db)));
    QString problem;
    const QStringList damage = enginesCheck(db, problem);
    const Schema schema(def, QStringLiteral("main"));
    qint64 records = -1, kept = -1;
    const bool counted = problem.isEmpty() && number(db, schema.count(), records, problem);
    if (counted && !number(db, counts::read(schema), kept, problem))
        problem = QStringLiteral("the file keeps no count of its records");
    const bool keys = keysAsDescribed(db, schema);
    sql::exec(db, "COMMIT");
    if (!problem.isEmpty()) return notSound(problem, records);
    if (!damage.isEmpty())
        return notSound(QStringLiteral("damaged: %1").arg(damage.join(QStringLiteral("; "))),
                        records);
    if (!keys) return notSound(QStringLiteral("its keys must be rebuilt"), records);
    if (kept != records)
        return notSound(QStringLiteral("it counts %1 records but holds %2").arg(kept).arg(records),
                        records);
    return {Integrity::Sound, records, {}};
}

} // namespace store

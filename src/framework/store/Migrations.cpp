#include "framework/store/Migrations.h"

#include "framework/store/Schema.h"
#include "framework/store/Sql.h"

#include <map>
#include <mutex>

namespace store::migrations {

namespace {

struct Registry {
    std::mutex mutex;
    std::map<std::pair<QString, int>, QStringList> steps; // (label in capitals, from)
};

Registry& registry() {
    static Registry r;
    return r;
}

} // namespace

void add(const QString& label, int fromVersion, const QStringList& statements) {
    Registry& r = registry();
    std::lock_guard lock(r.mutex);
    r.steps[{label.toUpper(), fromVersion}] = statements;
}

int run(sqlite3* db, const QString& label, const QString& schema, const QString& table, int from,
        int to, QString& message) {
    std::vector<QStringList> plan;
    {
        Registry& r = registry();
        std::lock_guard lock(r.mutex);
        for (int v = from; v < to; ++v) {
            auto it = r.steps.find({label.toUpper(), v});
            if (it == r.steps.end()) {
                message = QStringLiteral("no migration of %1 from version %2").arg(label).arg(v);
                return SQLITE_ERROR;
            }
            plan.push_back(it->second);
        }
    }
    sql::Savepoint step(db, "store_migrate");
    int rc = step.begun();
    for (const QStringList& statements : plan) {
        for (QString statement : statements) {
            if (rc != SQLITE_OK) break;
            statement.replace(QLatin1String("{schema}"), QString::fromUtf8(sql::quote(schema)));
            statement.replace(QLatin1String("{table}"), table);
            rc = sql::exec(db, statement.toUtf8());
        }
    }
    if (rc == SQLITE_OK)
        rc = sql::exec(db, "UPDATE " + sql::quote(schema) + '.' + sql::quote(Schema::Meta) +
                               " SET version = " + QByteArray::number(to));
    if (rc != SQLITE_OK) {
        message = QString::fromUtf8(sqlite3_errmsg(db));
        return rc;
    }
    return step.commit(&message);
}

} // namespace store::migrations

#include "data/ProgramTables.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>

namespace {
// The statements that take a file from version n to n + 1, at index n.
const QList<QStringList>& SchemaSteps()
{
    static const QList<QStringList> steps = {
        {QStringLiteral("CREATE TABLE IF NOT EXISTS ProgramSetting ("
                        "Name TEXT PRIMARY KEY NOT NULL, Value TEXT NOT NULL) STRICT")},
    };
    return steps;
}

int UserVersion(QSqlQuery& query)
{
    if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next())
        return -1;
    return query.value(0).toInt();
}
}

bool EnsureProgramTables(const QSqlDatabase& db, QString* reason)
{
    QSqlDatabase database = db;
    QSqlQuery query(database);
    const int version = UserVersion(query);
    if (version < 0) {
        *reason = query.lastError().databaseText();
        return false;
    }
    if (version >= ProgramSchemaVersion)
        return true;
    if (!database.transaction()) {
        *reason = database.lastError().databaseText();
        return false;
    }
    bool ok = true;
    for (int step = version; ok && step < ProgramSchemaVersion; ++step) {
        for (const QString& statement : SchemaSteps().at(step))
            ok = ok && query.exec(statement);
    }
    ok = ok && query.exec(QStringLiteral("PRAGMA user_version = %1").arg(ProgramSchemaVersion));
    if (ok && database.commit())
        return true;
    *reason = query.lastError().isValid() ? query.lastError().databaseText() : database.lastError().databaseText();
    query.finish();
    database.rollback();
    return false;
}

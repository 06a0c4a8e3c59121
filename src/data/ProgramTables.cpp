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
        // The day kept: its ticks, its relief set under way, and every saved set by date.
        {QStringLiteral("CREATE TABLE IF NOT EXISTS DayAttendance (Day TEXT NOT NULL, TeacherNo INTEGER NOT NULL, "
                        "Present INTEGER NOT NULL, PRIMARY KEY (Day, TeacherNo)) STRICT"),
         QStringLiteral("CREATE TABLE IF NOT EXISTS DayReliefSet (Day TEXT NOT NULL, Position INTEGER NOT NULL, "
                        "PlannedFor TEXT NOT NULL, SlotKey TEXT NOT NULL, Adno1 TEXT NOT NULL, AbName TEXT NOT NULL, "
                        "Grade TEXT NOT NULL, Period TEXT NOT NULL, PrName TEXT NOT NULL, Subject TEXT NOT NULL, "
                        "ComName TEXT NOT NULL, Tenop TEXT NOT NULL, Adno TEXT NOT NULL, "
                        "PRIMARY KEY (Day, Position)) STRICT"),
         QStringLiteral("CREATE TABLE IF NOT EXISTS ReliefHistory (Day TEXT NOT NULL, Position INTEGER NOT NULL, "
                        "Adno1 TEXT NOT NULL, AbName TEXT NOT NULL, Grade TEXT NOT NULL, Period TEXT NOT NULL, "
                        "PrName TEXT NOT NULL, Subject TEXT NOT NULL, ComName TEXT NOT NULL, Tenop TEXT NOT NULL, "
                        "Adno INTEGER NOT NULL, PRIMARY KEY (Day, Position)) STRICT")},
        // Each teacher's reliefs, counted while the relief list opens.
        {QStringLiteral("CREATE INDEX IF NOT EXISTS ReliefHistoryByTeacher ON ReliefHistory (Tenop, Day)")},
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

#include "import/ImportWriter.h"

#include "data/Connection.h"
#include "data/ProgramSettings.h"
#include "data/TeacherWriter.h"
#include "data/Transaction.h"

#include <new>

namespace {
// The plan's teachers, changed ones first; the reason when a write fails or
// the progress answers stop, nothing when every row is written.
QString WriteTeachers(Connection& connection, const ImportPlan& plan, const Progress& progress)
{
    TeacherWriter writer(connection);
    const int total = int(plan.added.size() + plan.changed.size());
    int done = 0;
    const auto write = [&](bool written, const TeacherRow& row) -> QString {
        if (!written)
            return QStringLiteral("%1 could not be written: %2").arg(row.name1, connection.LastError().Text());
        ++done;
        if (progress && !progress(done, total))
            return QStringLiteral("The import was stopped.");
        return {};
    };
    for (const TeacherRow& row : plan.changed) {
        if (QString failure = write(writer.ReplaceTimetable(row), row); !failure.isEmpty())
            return failure;
    }
    for (const TeacherRow& row : plan.added) {
        if (QString failure = write(writer.Add(row), row); !failure.isEmpty())
            return failure;
    }
    return {};
}

// The plan's writes in one transaction, rolled back when any of them fails.
QString WritePlan(Connection& connection, const ImportPlan& plan, const Progress& progress)
{
    Transaction transaction(connection);
    if (!transaction.IsActive())
        return connection.LastError().Text();
    if (QString failure = WriteTeachers(connection, plan, progress); !failure.isEmpty())
        return failure;
    if (plan.periodsInDay && !ProgramSettings(connection).SetPeriodsInDay(*plan.periodsInDay))
        return connection.LastError().Text();
    if (!transaction.Commit())
        return connection.LastError().Text();
    return {};
}
}

QString WriteImportPlan(Connection& connection, const ImportPlan& plan, const Progress& progress)
{
    try {
        return WritePlan(connection, plan, progress);
    } catch (const std::bad_alloc&) {
        return QStringLiteral("There was not enough memory to write the teachers.");
    }
}

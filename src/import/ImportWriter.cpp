#include "import/ImportWriter.h"

#include "data/Connection.h"
#include "data/ProgramSettings.h"
#include "data/Transaction.h"
#include "import/RegisterColumns.h"
#include "import/RegisterTable.h"

#include <QSqlQuery>

#include <new>

namespace {
QString InsertStatement()
{
    const QStringList& columns = TeacherTableColumns();
    return QStringLiteral("INSERT INTO TabelPB (%1) VALUES (%2)")
        .arg(columns.join(','), QStringList(columns.size(), QStringLiteral("?")).join(','));
}

QString TimetableUpdateStatement()
{
    QStringList assignments;
    for (int ordinal = TeacherColumn::FirstClass; ordinal < TeacherColumn::title; ++ordinal)
        assignments << TeacherTableColumns()[ordinal] + QStringLiteral(" = ?");
    return QStringLiteral("UPDATE TabelPB SET %1 WHERE adno1 = ?").arg(assignments.join(','));
}

QVariantList TimetableValues(const TeacherRow& row)
{
    QVariantList values;
    for (const QString& cell : row.classes)
        values << CellValue(cell);
    for (const QString& cell : row.subjects)
        values << CellValue(cell);
    return values << row.adno1.toInt();
}

QString Failure(const QSqlError& error, const TeacherRow& row)
{
    return QStringLiteral("%1 could not be written: %2").arg(row.name1, DbError::From(error).Text());
}

class PlanWriter {
public:
    PlanWriter(Connection& connection, const Progress& progress, int total)
        : insert_(connection.Database())
        , update_(connection.Database())
        , progress_(progress)
        , total_(total)
    {
        insert_.prepare(InsertStatement());
        update_.prepare(TimetableUpdateStatement());
    }

    QString Write(QSqlQuery& query, const TeacherRow& row, const QVariantList& values)
    {
        for (int i = 0; i < values.size(); ++i)
            query.bindValue(i, values[i]);
        if (!query.exec())
            return Failure(query.lastError(), row);
        ++done_;
        if (progress_ && !progress_(done_, total_))
            return QStringLiteral("The import was stopped.");
        return {};
    }

    // Statements still open would keep the transaction from ending.
    void Finish()
    {
        insert_.finish();
        update_.finish();
    }

    QString Insert(const TeacherRow& row) { return Write(insert_, row, ColumnValues(row)); }
    QString Update(const TeacherRow& row) { return Write(update_, row, TimetableValues(row)); }

private:
    QSqlQuery insert_;
    QSqlQuery update_;
    const Progress& progress_;
    int total_;
    int done_ = 0;
};

// The plan's writes in one transaction, rolled back when any of them fails.
QString WritePlan(Connection& connection, const ImportPlan& plan, const Progress& progress)
{
    Transaction transaction(connection);
    if (!transaction.IsActive())
        return connection.LastError().Text();
    PlanWriter writer(connection, progress, int(plan.added.size() + plan.changed.size()));
    for (const TeacherRow& row : plan.changed) {
        if (QString failure = writer.Update(row); !failure.isEmpty())
            return failure;
    }
    for (const TeacherRow& row : plan.added) {
        if (QString failure = writer.Insert(row); !failure.isEmpty())
            return failure;
    }
    writer.Finish();
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

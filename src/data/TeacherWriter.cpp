#include "data/TeacherWriter.h"

#include "data/Connection.h"
#include "data/Schema.h"
#include "data/TeacherRow.h"
#include "data/TeacherStore.h"

#include <QSqlQuery>

namespace {
QString InsertStatement()
{
    const QStringList& columns = TableColumns(TeacherStore::Table);
    return QStringLiteral("INSERT INTO TabelPB (%1) VALUES (%2)")
        .arg(columns.join(','), QStringList(columns.size(), QStringLiteral("?")).join(','));
}

QString TimetableUpdateStatement()
{
    QStringList assignments;
    for (int ordinal = TeacherColumn::FirstClass; ordinal < TeacherColumn::title; ++ordinal)
        assignments << TableColumns(TeacherStore::Table)[ordinal] + QStringLiteral(" = ?");
    return QStringLiteral("UPDATE TabelPB SET %1 WHERE adno1 = ?").arg(assignments.join(','));
}

// The 80 timetable cells, then the number of the teacher they belong to.
QVariantList TimetableValues(const TeacherRow& row)
{
    const QVariantList values = row.Values();
    return values.mid(TeacherColumn::FirstClass, TeacherColumn::title - TeacherColumn::FirstClass)
        << values[TeacherColumn::adno1];
}
}

// A statement is prepared when it is first run, so that a failure to prepare
// is kept by the connection like any other.
struct TeacherWriter::Statement {
    explicit Statement(const Connection& connection, const QString& sql)
        : query(connection.Database())
        , sql(sql)
    {
    }

    QSqlQuery query;
    QString sql;
    bool prepared = false;
};

TeacherWriter::TeacherWriter(Connection& connection)
    : connection_(connection)
    , insert_(std::make_unique<Statement>(connection, InsertStatement()))
    , update_(std::make_unique<Statement>(connection, TimetableUpdateStatement()))
{
}

TeacherWriter::~TeacherWriter() = default;

bool TeacherWriter::Add(const TeacherRow& row)
{
    return Run(*insert_, row.Values());
}

bool TeacherWriter::ReplaceTimetable(const TeacherRow& row)
{
    return Run(*update_, TimetableValues(row));
}

bool TeacherWriter::Run(Statement& statement, const QVariantList& values)
{
    if (!statement.prepared)
        statement.prepared = connection_.Prepare(statement.query, statement.sql);
    return statement.prepared && connection_.RunPrepared(statement.query, values);
}

#include "teachers/StoredTeacher.h"

#include "data/Connection.h"
#include "data/Recordset.h"
#include "data/Schema.h"
#include "data/TeacherRow.h"
#include "data/TeacherStore.h"

#include <QSqlQuery>

namespace {
const QString TeacherTable = QStringLiteral("TabelPB");
}

StoredTeacher StoredTeacher::Read(const Recordset& recordset)
{
    StoredTeacher stored;
    stored.columns_ = TableColumns(TeacherTable);
    for (int column = 0; column < stored.columns_.size(); ++column)
        stored.values_ << recordset.Field(column);
    return stored;
}

int StoredTeacher::Number() const
{
    return values_.value(TeacherColumn::adno1).toInt();
}

// Every column equal to the value read; IS also matches a missing value.
QString StoredTeacher::Matches() const
{
    QStringList conditions;
    for (const QString& column : columns_)
        conditions << QStringLiteral("\"%1\" IS ?").arg(column);
    return conditions.join(QStringLiteral(" AND "));
}

StoredTeacher::State StoredTeacher::Compare(Connection& connection) const
{
    QSqlQuery query(connection.Database());
    if (!connection.Run(query, QStringLiteral("SELECT count(*) FROM TabelPB WHERE ") + Matches(), values_)
        || !query.next())
        return State::Failed;
    return query.value(0).toInt() > 0 ? State::Same : WhatBecameOf(connection);
}

StoredTeacher::State StoredTeacher::Delete(Connection& connection) const
{
    int deleted = 0;
    if (!connection.Execute(QStringLiteral("DELETE FROM TabelPB WHERE ") + Matches(), values_, &deleted))
        return State::Failed;
    return deleted > 0 ? State::Same : WhatBecameOf(connection);
}

StoredTeacher::State StoredTeacher::WhatBecameOf(Connection& connection) const
{
    const std::optional<bool> inUse = TeacherStore(connection).NumberInUse(Number());
    if (!inUse)
        return State::Failed;
    return *inUse ? State::Changed : State::Gone;
}

#include "teachers/StoredTeacher.h"

#include "data/Recordset.h"
#include "data/TeacherRow.h"
#include "data/TeacherStore.h"

StoredTeacher StoredTeacher::Read(const Recordset& recordset)
{
    StoredTeacher stored;
    for (int column = 0; column < TeacherColumn::Count; ++column)
        stored.values_ << recordset.Field(column);
    return stored;
}

int StoredTeacher::Number() const
{
    return values_.value(TeacherColumn::adno1).toInt();
}

StoredTeacher::State StoredTeacher::Compare(Connection& connection) const
{
    const std::optional<bool> same = TeacherStore(connection).IsStoredAs(values_);
    if (!same)
        return State::Failed;
    return *same ? State::Same : WhatBecameOf(connection);
}

StoredTeacher::State StoredTeacher::Delete(Connection& connection) const
{
    const std::optional<bool> deleted = TeacherStore(connection).DeleteIfStoredAs(values_);
    if (!deleted)
        return State::Failed;
    return *deleted ? State::Same : WhatBecameOf(connection);
}

StoredTeacher::State StoredTeacher::WhatBecameOf(Connection& connection) const
{
    const std::optional<bool> inUse = TeacherStore(connection).NumberInUse(Number());
    if (!inUse)
        return State::Failed;
    return *inUse ? State::Changed : State::Gone;
}

#include "data/TeacherStore.h"

#include "data/Connection.h"
#include "data/Recordset.h"
#include "data/Schema.h"
#include "data/Slot.h"

#include <QSqlQuery>

namespace {
const QString RegisterQuery = QStringLiteral("select * from TabelPB order by adno1");

template <class Row, class ReadRow>
std::optional<QList<Row>> ReadRegister(Connection& connection, ReadRow readRow)
{
    Recordset recordset(connection, TeacherStore::Table);
    if (!recordset.Open(RegisterQuery))
        return std::nullopt;
    QList<Row> rows;
    rows.reserve(recordset.RecordCount());
    for (recordset.MoveFirst(); recordset.HasCurrentRow(); recordset.MoveNext())
        rows << readRow(recordset);
    return rows;
}

// Every column equal to its value; IS also matches a missing value.
QString StoredAs()
{
    QStringList conditions;
    for (const QString& column : TableColumns(TeacherStore::Table))
        conditions << QStringLiteral("\"%1\" IS ?").arg(column);
    return conditions.join(QStringLiteral(" AND "));
}
}

bool TeacherStore::OpenRegister(Recordset& recordset)
{
    return recordset.Open(RegisterQuery);
}

std::optional<QList<TeacherRow>> TeacherStore::Rows()
{
    return ReadRegister<TeacherRow>(connection_, &TeacherRow::Read);
}

std::optional<QList<QStringList>> TeacherStore::RowTexts()
{
    return ReadRegister<QStringList>(connection_, [](const Recordset& recordset) {
        QStringList texts;
        for (int ordinal = 0; ordinal < TeacherColumn::Count; ++ordinal)
            texts << recordset.Text(ordinal);
        return texts;
    });
}

std::optional<QList<TeacherTimetable>> TeacherStore::Timetables()
{
    QStringList cellColumns;
    for (const QChar prefix : {QChar('a'), QChar('s')}) {
        for (int slot = 0; slot < SlotCount; ++slot)
            cellColumns << SlotColumn(prefix, slot);
    }
    QSqlQuery table(connection_.Database());
    table.setForwardOnly(true);
    const QString sql =
        QStringLiteral("select adno, name1, subject, %1 from tabelpb order by adno1").arg(cellColumns.join(','));
    if (!connection_.Run(table, sql, {}))
        return std::nullopt;
    QList<TeacherTimetable> teachers;
    while (table.next()) {
        const auto cells = [&table](int first) {
            QStringList texts;
            texts.reserve(SlotCount);
            for (int slot = 0; slot < SlotCount; ++slot)
                texts << table.value(first + slot).toString();
            return texts;
        };
        teachers << TeacherTimetable {table.value(0).toString(), table.value(1).toString(), table.value(2).toString(),
                                      cells(3), cells(3 + SlotCount)};
    }
    if (!connection_.CheckRead(table))
        return std::nullopt;
    return teachers;
}

std::optional<QList<TeacherSummary>> TeacherStore::Summaries()
{
    Recordset teachers(connection_, Table);
    if (!teachers.Open(QStringLiteral("select adno1, title, name1, SalOnly, RelFree from tabelpb order by adno1")))
        return std::nullopt;
    QList<TeacherSummary> summaries;
    for (teachers.MoveFirst(); !teachers.IsEOF(); teachers.MoveNext()) {
        summaries << TeacherSummary {teachers.Field(0).toInt(), teachers.Text(1), teachers.Text(2),
                                     KindOf(teachers.Text(3), teachers.Text(4))};
    }
    return summaries;
}

TeacherLookup TeacherStore::Find(int number)
{
    Recordset teacher(connection_, Table);
    if (!teacher.Open(QStringLiteral("select * from tabelpb where ADNo1=?"), {number}))
        return {true, std::nullopt};
    if (teacher.IsEOF())
        return {};
    return {false, TeacherRow::Read(teacher)};
}

std::optional<bool> TeacherStore::NumberInUse(int number)
{
    QSqlQuery query(connection_.Database());
    if (!connection_.Run(query, QStringLiteral("SELECT count(*) FROM TabelPB WHERE adno1 = ?"), {number})
        || !query.next())
        return std::nullopt;
    return query.value(0).toInt() > 0;
}

std::optional<bool> TeacherStore::IsStoredAs(const QVariantList& row)
{
    QSqlQuery query(connection_.Database());
    if (!connection_.Run(query, QStringLiteral("SELECT count(*) FROM TabelPB WHERE ") + StoredAs(), row)
        || !query.next())
        return std::nullopt;
    return query.value(0).toInt() > 0;
}

std::optional<bool> TeacherStore::DeleteIfStoredAs(const QVariantList& row)
{
    int deleted = 0;
    if (!connection_.Execute(QStringLiteral("DELETE FROM TabelPB WHERE ") + StoredAs(), row, &deleted))
        return std::nullopt;
    return deleted > 0;
}

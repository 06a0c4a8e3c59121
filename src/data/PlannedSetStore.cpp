#include "data/PlannedSetStore.h"

#include "data/Connection.h"
#include "data/Transaction.h"

#include <QSqlQuery>

namespace {
const QString Columns = QStringLiteral(
    "PlannedFor, SlotKey, Adno1, AbName, Grade, Period, PrName, Subject, ComName, Tenop, Adno");
}

std::optional<QList<PlannedRelief>> PlannedSetStore::Read(const QDate& day)
{
    QSqlQuery query(connection_.Database());
    query.setForwardOnly(true);
    const QString sql = QStringLiteral("SELECT %1 FROM DayReliefSet WHERE Day = ? ORDER BY Position").arg(Columns);
    if (!connection_.Run(query, sql, {day.toString(Qt::ISODate)}))
        return std::nullopt;
    QList<PlannedRelief> rows;
    while (query.next()) {
        PlannedRelief row;
        row.plannedFor = QDate::fromString(query.value(0).toString(), Qt::ISODate);
        row.slotKey = query.value(1).toString();
        for (int column = 0; column < ReliefRecord::ColumnCount; ++column)
            row.record.fields[column] = query.value(2 + column).toString();
        rows << row;
    }
    if (!connection_.CheckRead(query))
        return std::nullopt;
    return rows;
}

bool PlannedSetStore::Replace(const QDate& day, const QList<PlannedRelief>& rows)
{
    Transaction transaction(connection_);
    if (!transaction.IsActive() || !connection_.Execute(QStringLiteral("DELETE FROM DayReliefSet")))
        return false;
    const QString insert = QStringLiteral("INSERT INTO DayReliefSet (Day, Position, %1) "
                                          "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")
                               .arg(Columns);
    for (int position = 0; position < rows.size(); ++position) {
        const PlannedRelief& row = rows[position];
        QVariantList values = {day.toString(Qt::ISODate), position + 1,
                               StoredText(row.plannedFor.toString(Qt::ISODate)), StoredText(row.slotKey)};
        for (const QString& field : row.record.fields)
            values << StoredText(field);
        if (!connection_.Execute(insert, values))
            return false;
    }
    return transaction.Commit();
}

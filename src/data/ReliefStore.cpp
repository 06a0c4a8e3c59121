#include "data/ReliefStore.h"

#include "data/Connection.h"
#include "data/HistoryStore.h"
#include "data/ProgramSettings.h"
#include "data/Transaction.h"

#include <QSqlQuery>

namespace {
const QString Columns = QStringLiteral("Adno1, AbName, Grade, Period, PrName, Subject, ComName, Tenop, Adno");

// What is stored for a row at this place in the list.
ReliefRecord Stored(ReliefRecord row, int place)
{
    const auto fillIn = [&row](ReliefRecord::Column column, const QString& text) {
        if (row[column].isEmpty())
            row[column] = text;
    };
    fillIn(ReliefRecord::PresenceTea, QStringLiteral("Helper (Volunteer)"));
    fillIn(ReliefRecord::Subject, QStringLiteral("Library"));
    fillIn(ReliefRecord::ComName, QStringLiteral("0"));
    fillIn(ReliefRecord::TeaNoP, QStringLiteral("0"));
    row[ReliefRecord::Adno] = QString::number(place);
    return row;
}

QVariantList Values(const ReliefRecord& row)
{
    QVariantList values;
    for (int column = 0; column < ReliefRecord::Adno; ++column)
        values << row.fields[column];
    values << row[ReliefRecord::Adno].toLongLong();
    return values;
}

ReliefSaveResult Failure(const Connection& connection)
{
    return {ReliefSaveResult::Status::Failed, connection.LastError()};
}

QString OrderBy(ReliefOrder order)
{
    const QString number = order == ReliefOrder::AbsentTeacher ? QStringLiteral("Adno1") : QStringLiteral("Tenop");
    return QStringLiteral("CAST(%1 AS INTEGER), Adno").arg(number);
}
}

ReliefSaveResult ReliefStore::Replace(const QList<ReliefRecord>& rows, const QDate& day)
{
    Transaction transaction(connection_);
    if (!transaction.IsActive() || !connection_.Execute(QStringLiteral("DELETE FROM reltable")))
        return Failure(connection_);
    const std::optional<int> left = Count();
    if (!left)
        return Failure(connection_);
    if (*left > 0)
        return {ReliefSaveResult::Status::NotEmpty, {}};
    const QString insert = QStringLiteral("INSERT INTO reltable (%1) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)").arg(Columns);
    const QList<ReliefRecord> stored = AsStored(rows);
    QList<QVariantList> values;
    for (const ReliefRecord& row : stored)
        values << Values(row);
    if (!connection_.ExecuteEach(insert, values))
        return Failure(connection_);
    if (!HistoryStore(connection_).ReplaceDay(day, stored) || !ProgramSettings(connection_).SetSavedSetDay(day)
        || !transaction.Commit())
        return Failure(connection_);
    return {};
}

bool ReliefStore::RemoveDay(const QDate& day)
{
    Transaction transaction(connection_);
    if (!transaction.IsActive() || !HistoryStore(connection_).ReplaceDay(day, {}))
        return false;
    if (ProgramSettings(connection_).SavedSetDay() == day
        && !connection_.Execute(QStringLiteral("DELETE FROM reltable")))
        return false;
    return transaction.Commit();
}

QList<ReliefRecord> ReliefStore::AsStored(const QList<ReliefRecord>& rows)
{
    QList<ReliefRecord> stored;
    for (int index = 0; index < rows.size(); ++index)
        stored << Stored(rows[index], index + 1);
    return stored;
}

std::optional<QList<ReliefRecord>> ReliefStore::Read(ReliefOrder order)
{
    QSqlQuery query(connection_.Database());
    query.setForwardOnly(true);
    if (!connection_.Run(query, QStringLiteral("SELECT %1 FROM reltable ORDER BY %2").arg(Columns, OrderBy(order)), {}))
        return std::nullopt;
    QList<ReliefRecord> rows;
    while (query.next()) {
        ReliefRecord row;
        for (int column = 0; column < ReliefRecord::ColumnCount; ++column)
            row.fields[column] = query.value(column).toString();
        rows << row;
    }
    if (!connection_.CheckRead(query))
        return std::nullopt;
    return rows;
}

std::optional<int> ReliefStore::Count()
{
    QSqlQuery query(connection_.Database());
    if (!connection_.Run(query, QStringLiteral("SELECT count(*) FROM reltable"), {}) || !query.next())
        return std::nullopt;
    return query.value(0).toInt();
}

#include "data/HistoryStore.h"

#include "data/Connection.h"

#include <QSqlQuery>

namespace {
const QString Columns = QStringLiteral("Adno1, AbName, Grade, Period, PrName, Subject, ComName, Tenop, Adno");

// A relief teacher's number as counted: the helper and empty rows are none.
const QString CountedTeacher = QStringLiteral("trim(Tenop) NOT IN ('', '0')");

ReliefRecord RecordAt(const QSqlQuery& query, int first)
{
    ReliefRecord record;
    for (int column = 0; column < ReliefRecord::ColumnCount; ++column)
        record.fields[column] = query.value(first + column).toString();
    return record;
}
}

bool HistoryStore::ReplaceDay(const QDate& day, const QList<ReliefRecord>& storedRows)
{
    const QString date = day.toString(Qt::ISODate);
    if (!connection_.Execute(QStringLiteral("DELETE FROM ReliefHistory WHERE Day = ?"), {date}))
        return false;
    const QString insert = QStringLiteral(
                               "INSERT INTO ReliefHistory (Day, Position, %1) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")
                               .arg(Columns);
    QList<QVariantList> rows;
    for (int position = 0; position < storedRows.size(); ++position) {
        const ReliefRecord& row = storedRows[position];
        QVariantList values = {date, position + 1};
        for (int column = 0; column < ReliefRecord::Adno; ++column)
            values << StoredText(row.fields[column]);
        values << row[ReliefRecord::Adno].toLongLong();
        rows << values;
    }
    return connection_.ExecuteEach(insert, rows);
}

std::optional<QList<HistoryDay>> HistoryStore::Days()
{
    QSqlQuery query(connection_.Database());
    query.setForwardOnly(true);
    if (!connection_.Run(query,
                         QStringLiteral("SELECT Day, count(*) FROM ReliefHistory GROUP BY Day ORDER BY Day DESC"), {}))
        return std::nullopt;
    QList<HistoryDay> days;
    while (query.next())
        days << HistoryDay {QDate::fromString(query.value(0).toString(), Qt::ISODate), query.value(1).toInt()};
    if (!connection_.CheckRead(query))
        return std::nullopt;
    return days;
}

std::optional<QList<ReliefRecord>> HistoryStore::Reliefs(const QDate& day)
{
    std::optional<QList<DatedRelief>> dated = Range(day, day);
    if (!dated)
        return std::nullopt;
    QList<ReliefRecord> rows;
    for (const DatedRelief& relief : *dated)
        rows << relief.record;
    return rows;
}

std::optional<QList<DatedRelief>> HistoryStore::Range(const QDate& from, const QDate& to)
{
    QSqlQuery query(connection_.Database());
    query.setForwardOnly(true);
    const QString sql = QStringLiteral(
                            "SELECT Day, %1 FROM ReliefHistory WHERE Day BETWEEN ? AND ? ORDER BY Day, Position")
                            .arg(Columns);
    if (!connection_.Run(query, sql, {from.toString(Qt::ISODate), to.toString(Qt::ISODate)}))
        return std::nullopt;
    QList<DatedRelief> reliefs;
    while (query.next())
        reliefs << DatedRelief {QDate::fromString(query.value(0).toString(), Qt::ISODate), RecordAt(query, 1)};
    if (!connection_.CheckRead(query))
        return std::nullopt;
    return reliefs;
}

std::optional<QList<TeacherDayCount>> HistoryStore::CountsByTeacher(const QDate& from, const QDate& to)
{
    QSqlQuery query(connection_.Database());
    query.setForwardOnly(true);
    const QString sql = QStringLiteral("SELECT trim(Tenop), Day, count(*) FROM ReliefHistory "
                                       "WHERE Day BETWEEN ? AND ? AND %1 GROUP BY Day, trim(Tenop) "
                                       "ORDER BY Day, CAST(trim(Tenop) AS INTEGER)")
                            .arg(CountedTeacher);
    if (!connection_.Run(query, sql, {from.toString(Qt::ISODate), to.toString(Qt::ISODate)}))
        return std::nullopt;
    QList<TeacherDayCount> counts;
    while (query.next()) {
        counts << TeacherDayCount {query.value(0).toString(), QDate::fromString(query.value(1).toString(), Qt::ISODate),
                                   query.value(2).toInt()};
    }
    if (!connection_.CheckRead(query))
        return std::nullopt;
    return counts;
}

// Through the index by teacher, as a term's counts are needed while the
// operator waits; numbers stored with blanks are joined here.
std::optional<QHash<QString, TeacherTotal>> HistoryStore::Totals(const QDate& from, const QDate& before)
{
    QSqlQuery query(connection_.Database());
    query.setForwardOnly(true);
    const QString sql = QStringLiteral("SELECT Tenop, sum(Day >= ?), max(Day) FROM ReliefHistory "
                                       "WHERE Day < ? AND Tenop NOT IN ('', '0') GROUP BY Tenop");
    if (!connection_.Run(query, sql, {from.toString(Qt::ISODate), before.toString(Qt::ISODate)}))
        return std::nullopt;
    QHash<QString, TeacherTotal> totals;
    while (query.next()) {
        const QString number = query.value(0).toString().trimmed();
        if (number.isEmpty() || number == QLatin1String("0"))
            continue;
        TeacherTotal& total = totals[number];
        total.since += query.value(1).toInt();
        total.last = std::max(total.last, QDate::fromString(query.value(2).toString(), Qt::ISODate));
    }
    if (!connection_.CheckRead(query))
        return std::nullopt;
    return totals;
}

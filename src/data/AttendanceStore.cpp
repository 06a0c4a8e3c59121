#include "data/AttendanceStore.h"

#include "data/Connection.h"
#include "data/Transaction.h"

#include <QSqlQuery>

std::optional<QHash<int, bool>> AttendanceStore::Read(const QDate& day)
{
    QSqlQuery query(connection_.Database());
    query.setForwardOnly(true);
    if (!connection_.Run(query, QStringLiteral("SELECT TeacherNo, Present FROM DayAttendance WHERE Day = ?"),
                         {day.toString(Qt::ISODate)}))
        return std::nullopt;
    QHash<int, bool> presence;
    while (query.next())
        presence.insert(query.value(0).toInt(), query.value(1).toInt() != 0);
    if (!connection_.CheckRead(query))
        return std::nullopt;
    return presence;
}

bool AttendanceStore::Replace(const QDate& day, const QHash<int, bool>& presence)
{
    Transaction transaction(connection_);
    if (!transaction.IsActive() || !connection_.Execute(QStringLiteral("DELETE FROM DayAttendance")))
        return false;
    const QString insert = QStringLiteral("INSERT INTO DayAttendance (Day, TeacherNo, Present) VALUES (?, ?, ?)");
    for (auto teacher = presence.cbegin(); teacher != presence.cend(); ++teacher) {
        if (!connection_.Execute(insert, {day.toString(Qt::ISODate), teacher.key(), teacher.value() ? 1 : 0}))
            return false;
    }
    return transaction.Commit();
}

#include "YearOfHistory.h"

#include "data/Connection.h"
#include "data/Transaction.h"

namespace {
constexpr int SchoolDays = 200;
constexpr int ReliefsADay = 40;

bool WriteDay(Connection& connection, const QDate& day)
{
    static const QStringList periods = {"1st", "2nd", "3rd", "4th", "5th", "6th", "7th", "8th"};
    for (int position = 1; position <= ReliefsADay; ++position) {
        const QString absent = QString::number(position % 12 + 1);
        const QString relief = QString::number(20 + position * 5);
        if (!connection.Execute(QStringLiteral("INSERT INTO ReliefHistory VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                                {day.toString(Qt::ISODate), position, absent, "Mr. Teacher " + absent, "7A",
                                 periods[position % periods.size()], "Teacher " + relief, "Maths", "Art", relief,
                                 position}))
            return false;
    }
    return true;
}
}

bool WriteYearOfHistory(Connection& connection, const QDate& lastDay)
{
    Transaction transaction(connection);
    if (!transaction.IsActive())
        return false;
    int written = 0;
    for (QDate day = lastDay; written < SchoolDays; day = day.addDays(-1)) {
        if (day.dayOfWeek() > Qt::Friday)
            continue;
        if (!WriteDay(connection, day))
            return false;
        ++written;
    }
    return transaction.Commit();
}

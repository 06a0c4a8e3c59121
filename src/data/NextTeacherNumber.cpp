#include "data/NextTeacherNumber.h"

#include "data/Connection.h"

#include <QSqlQuery>
#include <QStringList>

namespace {
// The teacher numbers the saved reliefs carry, absent and relief teacher,
// of each table of reliefs the file holds.
QStringList NumbersInReliefs(const QStringList& tables)
{
    QStringList selects;
    for (const QString& table :
         {QStringLiteral("reltable"), QStringLiteral("ReliefHistory"), QStringLiteral("DayReliefSet")}) {
        if (!tables.contains(table, Qt::CaseInsensitive))
            continue;
        for (const QString& column : {QStringLiteral("Adno1"), QStringLiteral("Tenop")})
            selects << QStringLiteral("SELECT CAST(trim(%1) AS INTEGER) FROM %2").arg(column, table);
    }
    return selects;
}
}

std::optional<QString> NextTeacherNumber(Connection& connection)
{
    const QStringList numbers = QStringList {QStringLiteral("SELECT adno1 AS number FROM TabelPB")}
        + NumbersInReliefs(connection.Database().tables());
    QSqlQuery query(connection.Database());
    query.setForwardOnly(true);
    const QString highestInUse = QStringLiteral("SELECT max(number) FROM (%1) WHERE number BETWEEN 1 AND ?")
                                     .arg(numbers.join(QStringLiteral(" UNION ALL ")));
    if (!connection.Run(query, highestInUse, {HighestTeacherNumber}) || !query.next()) {
        connection.CheckRead(query);
        return std::nullopt;
    }
    if (query.value(0).isNull())
        return QStringLiteral("1");
    const int highest = query.value(0).toInt();
    if (highest >= HighestTeacherNumber)
        return std::nullopt;
    return QString::number(highest + 1);
}

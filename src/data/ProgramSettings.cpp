#include "data/ProgramSettings.h"

#include "data/Connection.h"

#include <QSqlQuery>

namespace {
const QString PeriodsInDayName = QStringLiteral("PeriodsInDay");
}

QString ProgramSettings::Value(const QString& name, const QString& fallback) const
{
    QSqlQuery query(connection_.Database());
    if (!connection_.Run(query, QStringLiteral("SELECT Value FROM ProgramSetting WHERE Name = ?"), {name}))
        return fallback;
    return query.next() ? query.value(0).toString() : fallback;
}

bool ProgramSettings::SetValue(const QString& name, const QString& value)
{
    return connection_.Execute(QStringLiteral("INSERT INTO ProgramSetting (Name, Value) VALUES (?, ?) "
                                              "ON CONFLICT (Name) DO UPDATE SET Value = excluded.Value"),
                               {name, value});
}

int ProgramSettings::PeriodsInDay() const
{
    bool ok = false;
    const int periods = Value(PeriodsInDayName, QString()).toInt(&ok);
    return ok && periods >= 1 && periods <= MaxPeriodsInDay ? periods : DefaultPeriodsInDay;
}

bool ProgramSettings::SetPeriodsInDay(int periods)
{
    if (periods < 1 || periods > MaxPeriodsInDay)
        return false;
    return SetValue(PeriodsInDayName, QString::number(periods));
}

#include "data/ProgramSettings.h"

#include "data/Connection.h"
#include "data/Transaction.h"

#include <QSqlQuery>

#include <algorithm>

namespace {
const QString PeriodsInDayName = QStringLiteral("PeriodsInDay");
const QString SavedSetDayName = QStringLiteral("SavedSetDay");
const QString FailedLoginsName = QStringLiteral("FailedLogins");
const QString LastFailedLoginName = QStringLiteral("LastFailedLogin");
const QString TermStartName = QStringLiteral("TermStart");
const QString DayLimitName = QStringLiteral("ReliefsPerDay");
const QString WeekLimitName = QStringLiteral("ReliefsPerWeek");

bool IsLimit(int limit)
{
    return limit >= 1 && limit <= ProgramSettings::MaxLimit;
}
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
                               {name, value.isNull() ? QStringLiteral("") : value});
}

QDate ProgramSettings::SavedSetDay() const
{
    return QDate::fromString(Value(SavedSetDayName, QString()), Qt::ISODate);
}

bool ProgramSettings::SetSavedSetDay(const QDate& day)
{
    return SetValue(SavedSetDayName, day.toString(Qt::ISODate));
}

QDate ProgramSettings::TermStart(const QDate& today) const
{
    const QDate stored = QDate::fromString(Value(TermStartName, QString()), Qt::ISODate);
    return stored.isValid() ? stored : QDate(today.year(), 1, 1);
}

bool ProgramSettings::SetTermStart(const QDate& day)
{
    return day.isValid() && SetValue(TermStartName, day.toString(Qt::ISODate));
}

ProgramSettings::ReliefLimits ProgramSettings::Limits() const
{
    const auto limit = [this](const QString& name, int fallback) {
        bool ok = false;
        const int stored = Value(name, QString()).toInt(&ok);
        return ok && IsLimit(stored) ? stored : fallback;
    };
    return {limit(DayLimitName, DefaultDayLimit), limit(WeekLimitName, DefaultWeekLimit)};
}

bool ProgramSettings::SetLimits(const ReliefLimits& limits)
{
    if (!IsLimit(limits.perDay) || !IsLimit(limits.perWeek))
        return false;
    return SetValue(DayLimitName, QString::number(limits.perDay))
        && SetValue(WeekLimitName, QString::number(limits.perWeek));
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

ProgramSettings::LoginFailures ProgramSettings::FailedLogins() const
{
    const int count = Value(FailedLoginsName, QString()).toInt();
    return {std::max(count, 0), QDateTime::fromString(Value(LastFailedLoginName, QString()), Qt::ISODateWithMs)};
}

// Both values or neither, so that a count never stands without its time.
bool ProgramSettings::SetFailedLogins(const LoginFailures& failures)
{
    Transaction transaction(connection_);
    return transaction.IsActive() && SetValue(FailedLoginsName, QString::number(failures.count))
        && SetValue(LastFailedLoginName, failures.last.toString(Qt::ISODateWithMs)) && transaction.Commit();
}

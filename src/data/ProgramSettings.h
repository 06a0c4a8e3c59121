#pragma once

#include <QDateTime>
#include <QString>

class Connection;

// The program's own settings, one named value each in table ProgramSetting.
// A value never stored reads as its default.
class ProgramSettings {
public:
    explicit ProgramSettings(Connection& connection)
        : connection_(connection)
    {
    }

    static constexpr int MaxPeriodsInDay = 8;
    static constexpr int DefaultPeriodsInDay = 8;

    // The school's teaching periods in a day, 1..8: periods after them are no periods.
    int PeriodsInDay() const;
    bool SetPeriodsInDay(int periods);

    // Wrong passwords given at the login in a row, and when the last one was.
    struct LoginFailures {
        int count = 0;
        QDateTime last;
    };
    LoginFailures FailedLogins() const;
    bool SetFailedLogins(const LoginFailures& failures);

    // The term's first day; the first of January of today's year when none is set.
    QDate TermStart(const QDate& today) const;
    bool SetTermStart(const QDate& day);

    // The most reliefs a teacher gives in a day and in a week.
    static constexpr int DefaultDayLimit = 2;
    static constexpr int DefaultWeekLimit = 5;
    static constexpr int MaxLimit = 40;
    struct ReliefLimits {
        int perDay = DefaultDayLimit;
        int perWeek = DefaultWeekLimit;

        bool operator==(const ReliefLimits&) const = default;
    };
    ReliefLimits Limits() const;
    // Each limit from 1 to MaxLimit; inside the caller's transaction when
    // they must be written together with other settings.
    bool SetLimits(const ReliefLimits& limits);

    // The day the relief set in reltable was planned for; null for a set
    // saved before the program kept it (or none saved).
    QDate SavedSetDay() const;
    bool SetSavedSetDay(const QDate& day);

    // The fallback also when the value cannot be read; false from SetValue,
    // with the failure kept by the connection, when it cannot be written.
    // A null value is stored as an empty one.
    QString Value(const QString& name, const QString& fallback) const;
    bool SetValue(const QString& name, const QString& value);

private:
    Connection& connection_;
};

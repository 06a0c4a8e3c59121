#pragma once

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

    // The fallback also when the value cannot be read; false from SetValue,
    // with the failure kept by the connection, when it cannot be written.
    QString Value(const QString& name, const QString& fallback) const;
    bool SetValue(const QString& name, const QString& value);

private:
    Connection& connection_;
};

#pragma once

#include <QDate>
#include <QHash>

#include <optional>

class Connection;

// The attendance board's ticks, kept for the latest day only (table
// DayAttendance): present or absent by teacher number.
class AttendanceStore {
public:
    explicit AttendanceStore(Connection& connection)
        : connection_(connection)
    {
    }

    // The ticks stored for that day; none stored gives an empty table.
    // Nothing when reading fails; the connection keeps the failure.
    std::optional<QHash<int, bool>> Read(const QDate& day);
    // The day's ticks in place of those stored before, of whatever day, in
    // one transaction.
    bool Replace(const QDate& day, const QHash<int, bool>& presence);

private:
    Connection& connection_;
};

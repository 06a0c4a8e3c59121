#pragma once

#include "data/ReliefRecord.h"

#include <QDate>
#include <QHash>
#include <QList>

#include <optional>

class Connection;

// A day that has a saved relief set, with its number of reliefs.
struct HistoryDay {
    QDate day;
    int reliefs = 0;

    bool operator==(const HistoryDay&) const = default;
};

// One saved relief and the day it was saved for.
struct DatedRelief {
    QDate day;
    ReliefRecord record;
};

// How many reliefs one relief teacher gave on one day.
struct TeacherDayCount {
    QString number;
    QDate day;
    int reliefs = 0;

    bool operator==(const TeacherDayCount&) const = default;
};

// A relief teacher's reliefs since a day, and his last day.
struct TeacherTotal {
    int since = 0;
    QDate last;

    bool operator==(const TeacherTotal&) const = default;
};

// Every saved relief set by its day (table ReliefHistory), as stored in
// reltable at the time. Reads give nothing when they fail; the connection
// keeps the failure.
class HistoryStore {
public:
    explicit HistoryStore(Connection& connection)
        : connection_(connection)
    {
    }

    // The day's set in place of one saved for it before. Runs inside the
    // caller's transaction, the one that writes reltable.
    bool ReplaceDay(const QDate& day, const QList<ReliefRecord>& storedRows);

    // Newest first.
    std::optional<QList<HistoryDay>> Days();
    // In their saved order.
    std::optional<QList<ReliefRecord>> Reliefs(const QDate& day);
    // The reliefs of the days from..to, by day and then in their saved order.
    std::optional<QList<DatedRelief>> Range(const QDate& from, const QDate& to);

    // Per relief teacher (by number, trimmed) and day, for the days
    // from..to, by day and then number; rows without a relief teacher and
    // the helper's (number 0) are not counted.
    std::optional<QList<TeacherDayCount>> CountsByTeacher(const QDate& from, const QDate& to);
    // Per relief teacher, of the days before `before`: how many reliefs he
    // gave from `from` on, and the last day he gave one.
    std::optional<QHash<QString, TeacherTotal>> Totals(const QDate& from, const QDate& before);

private:
    Connection& connection_;
};

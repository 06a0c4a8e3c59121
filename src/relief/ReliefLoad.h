#pragma once

#include "data/ReliefRecord.h"

#include <QDate>
#include <QHash>
#include <QList>
#include <QString>

#include <optional>

class Connection;

// A run of days, both ends included.
struct DayRange {
    QDate from;
    QDate to;

    bool operator==(const DayRange&) const = default;
};

// Monday to Friday of the day's week.
DayRange SchoolWeekOf(const QDate& day);

// One relief a teacher gave this week: its day and its period name.
struct WeekRelief {
    QDate day;
    QString period;

    bool operator==(const WeekRelief&) const = default;
};

// A teacher's load: his reliefs this week (Monday to Friday of today's
// week) and this term (from the term's first day), and the last day he gave
// one. Today counts once, from the relief set as it stands.
struct TeacherLoad {
    QList<WeekRelief> week;
    int today = 0;
    int term = 0;
    QDate last;

    int Week() const { return int(week.size()); }
};

// Every teacher's load by number (trimmed); a teacher with none has none.
class ReliefLoads {
public:
    // The history of the days before today; nothing when it cannot be read.
    static std::optional<ReliefLoads> ReadHistory(Connection& connection, const QDate& today, const QDate& termStart);
    // These loads with today's rows, those of the relief set planned for today.
    ReliefLoads WithToday(const QDate& today, const QDate& termStart, const QList<ReliefRecord>& rows) const;

    TeacherLoad Of(const QString& number) const { return loads_.value(number.trimmed()); }

    // "This week: 2 (Mon 3rd, Tue 1st) · This term: 9 · Last: Tuesday 8 December"
    static QString Summary(const TeacherLoad& load);

private:
    QHash<QString, TeacherLoad> loads_;
};

// The loads of the days before today, read once a day: a save writes only
// today's set, so they change only with the day or the term's first day.
class LoadHistory {
public:
    // Today's loads, the set's rows for today added; nothing when the
    // history cannot be read (the connection keeps the failure).
    std::optional<ReliefLoads> Loads(Connection& connection, const QDate& today, const QList<ReliefRecord>& todaysRows);

private:
    std::optional<ReliefLoads> history_;
    QDate day_;
    QDate termStart_;
};

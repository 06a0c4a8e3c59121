#pragma once

#include "data/ReliefRecord.h"

#include <QDate>
#include <QList>
#include <QString>

#include <optional>

class Connection;

// One row of the relief set under way: the relief, the day it was planned
// for (another day's for rows brought back from an earlier saved set, none
// for those of a set saved before days were kept), and its assigned-slot key
// (empty when it holds none).
struct PlannedRelief {
    ReliefRecord record;
    QDate plannedFor;
    QString slotKey;

    bool operator==(const PlannedRelief&) const = default;
};

// The relief set being planned, kept for the latest day only (table
// DayReliefSet), so that it outlives the screen, the program and a crash.
class PlannedSetStore {
public:
    explicit PlannedSetStore(Connection& connection)
        : connection_(connection)
    {
    }

    // The rows kept for that day, in their order; none kept gives none.
    // Nothing when reading fails; the connection keeps the failure.
    std::optional<QList<PlannedRelief>> Read(const QDate& day);
    // The day's rows in place of those kept before, of whatever day, in one transaction.
    bool Replace(const QDate& day, const QList<PlannedRelief>& rows);

private:
    Connection& connection_;
};

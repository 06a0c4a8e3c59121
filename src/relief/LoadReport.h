#pragma once

#include "relief/ReliefLoad.h"
#include "report/Report.h"
#include "ui/School.h"

#include <QDate>
#include <QList>
#include <QString>

#include <optional>

class Connection;

// One teacher's reliefs from the history: in today's school week and in the range asked for.
struct TeacherLoadLine {
    int number = 0;
    // Title and name, as the other reports show them.
    QString name;
    int thisWeek = 0;
    int inRange = 0;

    bool operator==(const TeacherLoadLine&) const = default;
};

// Every teacher of the register in number order with his load; a teacher
// without reliefs has 0. Nothing when a read fails (the connection keeps why).
struct LoadReportLines {
    DayRange range;
    DayRange week;
    QList<TeacherLoadLine> teachers;
};

std::optional<LoadReportLines> ReadLoadReportLines(Connection& connection, const DayRange& range, const QDate& today);

// The relief load "DR3": one line per teacher with his reliefs this week and
// in the range, and a bar for the range drawn to the scale of the largest.
Report ReliefLoadReport(const LoadReportLines& loads, const School& school);

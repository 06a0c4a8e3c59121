#pragma once

#include "attendance/AttendanceDay.h"
#include "attendance/CoveredLesson.h"

#include <QHash>
#include <QStringList>

// What the day's absences leave to cover: the lessons of the absent teachers
// on one day (their class cells that are not off periods, within the school's
// periods), and how many of those a relief set covers.
struct ToCover {
    int lessons = 0;
    int covered = 0;
};

// `classes` holds each teacher's 40 class cells by teacher number; `day` is
// 0..4 (Monday..Friday). A covered lesson counts once, and only when its
// teacher is absent and its class is the one of that cell.
ToCover CountToCover(const AttendanceDay& attendance, const QHash<int, QStringList>& classes,
                     const QList<CoveredLesson>& covered, int day, int periodsInDay);

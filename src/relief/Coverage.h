#pragma once

#include "attendance/CoveredLesson.h"
#include "data/ReliefRecord.h"

#include <QDate>
#include <QList>

class ScreenRegistry;

// Today's lessons that the relief set covers: each row with a relief teacher,
// as the slot of its period in today's column. None on a weekend.
QList<CoveredLesson> CoveredToday(const QList<ReliefRecord>& rows, const QDate& today);

// Tells the absence timetable and the attendance board, where they are open,
// what the relief set covers today; with the relief set screen closed, nothing.
void ShowCoverage(ScreenRegistry& registry);

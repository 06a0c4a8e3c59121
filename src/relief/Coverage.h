#pragma once

#include "attendance/CoveredLesson.h"
#include "data/PlannedSetStore.h"

#include <QDate>
#include <QList>

class ScreenRegistry;

// Today's lessons that the relief set covers: each row planned for today
// with a relief teacher, as the slot of its period in today's column. None
// on a weekend; another day's rows cover nothing today.
QList<CoveredLesson> CoveredToday(const QList<PlannedRelief>& rows, const QDate& today);

// Tells the absence timetable and the attendance board, where they are open,
// what the relief set covers today: the set on its screen, or with that
// screen closed the set kept for today.
void ShowCoverage(ScreenRegistry& registry);

#pragma once

#include "relief/ReliefRules.h"

#include <QList>
#include <QString>

// One lesson of the day's plan: the teacher proposed (an index into the
// teachers, -1 when nobody can take it) and why him.
struct PlannedLesson {
    int teacher = -1;
    QString reason;
};

// The best plan for the whole day under the rules, found at once as a
// minimum-cost flow: lessons to teachers free in their period, each teacher
// at most once a period and within his limits, his k-th relief costing what
// the rules say. One entry per lesson, in the lessons' order.
QList<PlannedLesson> PlanDay(const QList<RuleTeacher>& teachers, const QList<RuleLesson>& lessons,
                             const ReliefRules& rules);

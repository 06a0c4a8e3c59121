#pragma once

#include "data/TeacherRow.h"
#include "report/Report.h"

#include <QList>

// The personal time table "DR2": one block per teacher, in the given order,
// with the teacher's week of 5 days by 8 periods, to be signed by the principal.
// The periods after the school's periodsInDay are greyed and empty.
Report PersonalTimeTable(const QList<TeacherRow>& teachers, int year, const QString& schoolName, int periodsInDay);

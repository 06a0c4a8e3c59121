#pragma once

#include "data/TeacherRow.h"
#include "report/Report.h"

#include <QList>

#include <optional>

class Connection;

// Every teacher's row, in number order, for the personal time table; nothing
// when reading fails (the connection keeps the failure).
std::optional<QList<TeacherRow>> ReadTimetables(Connection& connection);

// The personal time table "DR2": one block per teacher, in the given order,
// with the teacher's week of 5 days by 8 periods, to be signed by the principal.
// The periods after the school's periodsInDay are greyed and empty.
Report PersonalTimeTable(const QList<TeacherRow>& teachers, int year, const QString& schoolName, int periodsInDay);

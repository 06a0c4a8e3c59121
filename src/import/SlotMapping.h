#pragma once

#include "import/FetTimetable.h"

#include <QList>

// Where each day and hour name of a file goes in the register's week: a day
// 0..4 (Monday..Friday) for every day name, a period 0..7 for every hour name.
struct SlotMapping {
    QList<int> dayOf;
    QList<int> periodOf;
};

// The file's own order: its first day is Monday, its first hour period 1.
SlotMapping FileOrderMapping(const FetTimetable& timetable);

// A mapping for names whose order the file does not give: names that all hold
// numbers in numeric order, number by number ("8:00", "8:45", "9:30"; "P2",
// "P10"), weekday names of any language in week order (each on its own day
// when they are all Monday..Friday), other names and ties in order of first
// appearance. Numbered hours go by rank, not by their number: an hour that no
// lesson of the file uses is a break, left out as in the file's own order.
SlotMapping GuessedMapping(const FetTimetable& timetable);

// Why a mapping cannot be used (two names on one day or one period); empty when it can.
QString CheckMapping(const FetTimetable& timetable, const SlotMapping& mapping);

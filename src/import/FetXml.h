#pragma once

#include "import/FetTimetable.h"

#include <QIODevice>

// Reads the teachers' timetables that FET writes beside a timetable
// (<name>_teachers.xml), as it comes from the file. Days and hours keep the file's order; an hour in
// which no teacher has a lesson is a break and is left out. On failure the
// reason is set and the result is empty.
FetTimetable ReadFetTeachersXml(QIODevice& file, QString* error);

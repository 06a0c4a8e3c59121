#pragma once

#include "import/Csv.h"
#include "import/FetTimetable.h"

// Whether a CSV header is that of FET's timetable export (<name>_timetable.csv).
bool IsFetTimetableHeader(const QStringList& header);

// Reads FET's timetable CSV: one row per activity and hour, several teachers
// or students sets joined with "+". Days, hours and teachers are listed in
// order of first appearance. A row without a teacher is no teacher's lesson
// and is passed over. On failure the reason is set and the result is empty.
FetTimetable ReadFetTimetableCsv(CsvTable&& csv, QString* error);

#pragma once

#include "import/ImportedTeacher.h"

#include <optional>

// What an import will do to the register, worked out before anything is written.
struct ImportPlan {
    QList<TeacherRow> added;         // new teachers, each with its number
    QList<TeacherRow> changed;       // teachers of the register with their new timetable
    int unchanged = 0;               // every other teacher of the register, in the file or not
    QList<RejectedRow> rejected;     // in file order
    std::optional<int> periodsInDay; // the school's periods in a day, when the file gives them

    int TeachersAfter() const { return int(added.size() + changed.size()) + unchanged; }
};

// Matches a file's teachers with the register by their exact name. A teacher
// whose name is in the register gets that teacher's timetable replaced; every
// other field stays. Any other teacher is added, with the number the file
// gives or else the next free one. Refused: an empty name, a name that is in
// the file more than once or in the register more than once, and a number
// that is already in use.
ImportPlan PlanImport(const QList<TeacherRow>& registerRows, const ImportedTeachers& imported);

#pragma once

#include "import/FetTimetable.h"
#include "import/ImportedTeacher.h"
#include "import/SlotMapping.h"

// Every teacher of a FET timetable as a register row: each lesson in the slot
// that the mapping gives, the students sets as the class (several joined with
// "+" and marked with a trailing "*" as a group lesson), the subject as the
// subject, and "0" in both cells of an hour without a lesson. His general
// subject is the one he teaches most often (of equals, the first in the file).
// A teacher with two lessons in one slot, or a name, class or subject longer
// than the register takes, is refused whole.
ImportedTeachers TeachersFromFet(const FetTimetable& timetable, const SlotMapping& mapping);

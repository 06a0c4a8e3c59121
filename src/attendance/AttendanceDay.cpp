#include "attendance/AttendanceDay.h"

#include <algorithm>

int AttendanceDay::PresentCount() const
{
    return int(std::count_if(teachers_.begin(), teachers_.end(), [](const Teacher& teacher) { return teacher.present; }));
}

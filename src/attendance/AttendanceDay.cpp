#include "attendance/AttendanceDay.h"

#include <algorithm>

int AttendanceDay::PresentCount() const
{
    return int(std::count_if(teachers_.begin(), teachers_.end(), [](const Teacher& teacher) { return teacher.present; }));
}

int AttendanceDay::BoxOf(int number) const
{
    const auto found = std::find_if(teachers_.begin(), teachers_.end(),
                                    [number](const Teacher& teacher) { return teacher.number == number; });
    return found == teachers_.end() ? -1 : int(found - teachers_.begin());
}

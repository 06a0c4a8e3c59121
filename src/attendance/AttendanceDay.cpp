#include "attendance/AttendanceDay.h"

#include <algorithm>

int AttendanceDay::PresentCount() const
{
    return int(
        std::count_if(teachers_.begin(), teachers_.end(), [](const Teacher& teacher) { return teacher.present; }));
}

int AttendanceDay::BoxOf(int number) const
{
    const auto found = std::find_if(teachers_.begin(), teachers_.end(),
                                    [number](const Teacher& teacher) { return teacher.number == number; });
    return found == teachers_.end() ? -1 : int(found - teachers_.begin());
}

QHash<int, bool> AttendanceDay::Presence() const
{
    QHash<int, bool> presence;
    for (const Teacher& teacher : teachers_)
        presence.insert(teacher.number, teacher.present);
    return presence;
}

void AttendanceDay::SetPresence(const QHash<int, bool>& presence)
{
    for (Teacher& teacher : teachers_)
        teacher.present = presence.value(teacher.number, false);
}

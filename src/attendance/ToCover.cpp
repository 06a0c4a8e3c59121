#include "attendance/ToCover.h"

#include "data/Slot.h"

#include <QSet>

#include <optional>

namespace {
// The class of a teacher's slot on that day, within the school's periods;
// nothing for an off period or a slot of another day.
std::optional<QString> LessonClass(const QHash<int, QStringList>& classes, int teacher, int slot, int day,
                                   int periodsInDay)
{
    const auto cells = classes.constFind(teacher);
    if (cells == classes.constEnd() || !IsSlot(slot) || DayOf(slot) != day || !IsTeachingPeriod(slot, periodsInDay)
        || slot >= cells->size() || cells->at(slot) == OffPeriod)
        return std::nullopt;
    return cells->at(slot);
}
}

ToCover CountToCover(const AttendanceDay& attendance, const QHash<int, QStringList>& classes,
                     const QList<CoveredLesson>& covered, int day, int periodsInDay)
{
    const auto isAbsent = [&attendance](int teacher) {
        const int box = attendance.BoxOf(teacher);
        return box >= 0 && !attendance.IsPresent(box);
    };
    ToCover count;
    for (int box = 0; box < attendance.Count(); ++box) {
        const int teacher = attendance.At(box).number;
        for (int period = 0; period < periodsInDay && !attendance.IsPresent(box); ++period) {
            if (LessonClass(classes, teacher, day * PeriodsPerDay + period, day, periodsInDay))
                ++count.lessons;
        }
    }
    QSet<std::pair<int, int>> counted;
    for (const CoveredLesson& lesson : covered) {
        const std::optional<QString> lessonClass = LessonClass(classes, lesson.teacher, lesson.slot, day, periodsInDay);
        if (isAbsent(lesson.teacher) && lessonClass == lesson.classText)
            counted.insert({lesson.teacher, lesson.slot});
    }
    count.covered = int(counted.size());
    return count;
}

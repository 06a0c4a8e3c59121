#include "import/FetTeachers.h"

#include <QSet>

namespace {
const QString Blank = QStringLiteral("-");

// A FET file gives no title and none of the teacher's own fields.
TeacherRow OffWeek(const QString& name)
{
    TeacherRow row;
    row.name1 = name;
    row.title = Blank;
    row.comname = Blank;
    row.subject = Blank;
    row.class1 = Blank;
    row.classes.fill(OffPeriod);
    row.subjects.fill(OffPeriod);
    return row;
}

// Class cells are kept in upper case in the register, as the teacher screen stores them.
QString ClassOf(const QStringList& students)
{
    if (students.isEmpty())
        return Blank;
    const QString joined = students.join('+').toUpper();
    return students.size() > 1 ? joined + '*' : joined;
}

QString SlotName(const FetTimetable& timetable, const FetLesson& lesson)
{
    return timetable.days[lesson.day] + ' ' + timetable.hours[lesson.hour];
}
}

ImportedTeachers TeachersFromFet(const FetTimetable& timetable, const SlotMapping& mapping)
{
    ImportedTeachers result;
    result.rejected = timetable.rejected;
    QList<QString> clashes(timetable.teachers.size());
    QList<QSet<int>> taken(timetable.teachers.size());
    for (const FetTeacher& teacher : timetable.teachers) {
        result.teachers << ImportedTeacher{teacher.line, OffWeek(teacher.name)};
    }
    for (const FetLesson& lesson : timetable.lessons) {
        const int index = lesson.teacher;
        TeacherRow& row = result.teachers[index].row;
        const int slot = mapping.dayOf[lesson.day] * PeriodsPerDay + mapping.periodOf[lesson.hour];
        if (taken[index].contains(slot) && clashes[index].isEmpty())
            clashes[index] = QStringLiteral("two lessons at the same time, %1 (line %2)")
                                 .arg(SlotName(timetable, lesson))
                                 .arg(lesson.line);
        taken[index].insert(slot);
        row.classes[slot] = ClassOf(lesson.students);
        row.subjects[slot] = lesson.subject.isEmpty() ? Blank : lesson.subject;
    }
    for (int index = int(clashes.size()) - 1; index >= 0; --index) {
        if (clashes[index].isEmpty())
            continue;
        const ImportedTeacher refused = result.teachers.takeAt(index);
        result.rejected << RejectedRow{refused.line, refused.row.name1, clashes[index]};
    }
    return result;
}

#include "import/FetTimetable.h"

#include "data/TeacherRow.h"

QString CheckFetWeek(const FetTimetable& timetable)
{
    if (timetable.days.size() > DaysPerWeek)
        return QStringLiteral(
                   "The file has %1 days (%2); the register holds 5, Monday to Friday. Nothing was imported.")
            .arg(timetable.days.size())
            .arg(timetable.days.join(QStringLiteral(", ")));
    if (timetable.hours.size() > PeriodsPerDay)
        return QStringLiteral(
                   "The file has %1 teaching hours (%2); the register holds 8 periods a day. Nothing was imported.")
            .arg(timetable.hours.size())
            .arg(timetable.hours.join(QStringLiteral(", ")));
    if (timetable.teachers.isEmpty())
        return QStringLiteral("The file holds no teachers. Nothing was imported.");
    return {};
}

int NameIndex(QStringList& names, const QString& name)
{
    qsizetype index = names.indexOf(name);
    if (index < 0) {
        index = names.size();
        names << name;
    }
    return int(index);
}

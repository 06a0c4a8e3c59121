#include "attendance/frmAtten.h"

#include "attendance/ToCover.h"
#include "data/ProgramSettings.h"
#include "data/Slot.h"
#include "data/TeacherStore.h"

#include <QLabel>

// The class cells of every teacher, for counting what the absences leave to
// cover, and the school's periods; false when the register cannot be read.
bool frmAtten::ReadLessons()
{
    const std::optional<QList<TeacherTimetable>> timetables = TeacherStore(connection_).Timetables();
    if (!timetables)
        return false;
    classes_.clear();
    for (const TeacherTimetable& teacher : *timetables)
        classes_.insert(teacher.number.toInt(), teacher.classes);
    periodsInDay_ = ProgramSettings(connection_).PeriodsInDay();
    return true;
}

void frmAtten::SetCoveredLessons(const QList<CoveredLesson>& covered)
{
    covered_ = covered;
    ShowToCover();
}

void frmAtten::ShowToCover()
{
    const int weekday = boardDay_.dayOfWeek();
    if (weekday > DaysPerWeek) {
        lblToCover->setText(QStringLiteral("To cover today: no school day"));
        return;
    }
    const ToCover count = CountToCover(day_, classes_, covered_, weekday - 1, periodsInDay_);
    lblToCover->setText(QStringLiteral("To cover today: %1 lessons, %2 covered").arg(count.lessons).arg(count.covered));
}

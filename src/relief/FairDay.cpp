#include "relief/FairDay.h"

#include "attendance/AttendanceDay.h"
#include "data/ProgramSettings.h"
#include "data/Slot.h"
#include "relief/ReliefPlan.h"
#include "relief/ReliefSetModel.h"

namespace {
// Today's rows of the set: those planned for today.
QList<ReliefRecord> TodaysRows(const ReliefPlan& plan, const QDate& today)
{
    QList<ReliefRecord> rows;
    for (const PlannedRelief& row : plan.Planned()) {
        if (row.plannedFor == today)
            rows << row.record;
    }
    return rows;
}

// The periods each relief teacher already relieves in today's rows, by number.
QHash<QString, QSet<QString>> RelievingIn(const QList<ReliefRecord>& todaysRows)
{
    QHash<QString, QSet<QString>> periods;
    for (const ReliefRecord& row : todaysRows)
        periods[row[ReliefRecord::TeaNoP].trimmed()].insert(row[ReliefRecord::Period]);
    return periods;
}

RuleTeacher TeacherOf(const TeacherTimetable& timetable, const TeacherLoad& load, int day, int periodsInDay,
                      const QStringList& reliefNumbers, const QHash<QString, QSet<QString>>& relievingIn)
{
    RuleTeacher teacher {timetable.number,
                         timetable.name1,
                         timetable.subject,
                         timetable.classes,
                         timetable.subjects,
                         0,
                         relievingIn.value(timetable.number.trimmed()),
                         load};
    const int giving = int(reliefNumbers.count(timetable.number));
    teacher.freeLeft = day < 0 ? 0 : FreePeriodsOfDay(timetable.classes, day, periodsInDay) - giving;
    return teacher;
}
}

std::optional<FairDay> FairDay::Read(Connection& connection, const AttendanceDay& board, const ReliefPlan& plan,
                                     LoadHistory& history, const QDate& today)
{
    const std::optional<QList<TeacherTimetable>> timetables = TeacherStore(connection).Timetables();
    if (!timetables)
        return std::nullopt;
    return Read(connection, *timetables, board, plan, history, today);
}

std::optional<FairDay> FairDay::Read(Connection& connection, const QList<TeacherTimetable>& timetables,
                                     const AttendanceDay& board, const ReliefPlan& plan, LoadHistory& history,
                                     const QDate& today)
{
    const QList<ReliefRecord> todaysRows = TodaysRows(plan, today);
    const std::optional<ReliefLoads> loads = history.Loads(connection, today, todaysRows);
    if (!loads)
        return std::nullopt;
    const ProgramSettings settings(connection);
    FairDay fair {ReliefRules(settings.Limits())};
    fair.periodsInDay_ = settings.PeriodsInDay();
    fair.day_ = today.dayOfWeek() <= DaysPerWeek ? today.dayOfWeek() - 1 : -1;
    const QStringList reliefNumbers = plan.ReliefNumbers();
    const QHash<QString, QSet<QString>> relievingIn = RelievingIn(todaysRows);
    for (const TeacherTimetable& timetable : timetables) {
        const int box = board.BoxOf(timetable.number.toInt());
        if (box < 0)
            continue;
        if (!board.IsPresent(box)) {
            fair.absent_.insert(timetable.number, timetable);
            fair.absentNames_.insert(timetable.number, board.At(box).title + ' ' + board.At(box).name1);
            fair.absentOrder_ << timetable.number;
        } else if (board.At(box).kind == TeacherKind::ReliefOn) {
            fair.indexOf_.insert(timetable.number.trimmed(), int(fair.teachers_.size()));
            fair.teachers_ << TeacherOf(timetable, loads->Of(timetable.number), fair.day_, fair.periodsInDay_,
                                        reliefNumbers, relievingIn);
        }
    }
    return fair;
}

const RuleTeacher* FairDay::Find(const QString& number) const
{
    const auto index = indexOf_.constFind(number.trimmed());
    return index == indexOf_.constEnd() ? nullptr : &teachers_[*index];
}

RuleLesson FairDay::LessonOf(const QString& absentNumber, int slot) const
{
    const TeacherTimetable timetable = absent_.value(absentNumber);
    return {slot, timetable.classes.value(slot), timetable.subjects.value(slot)};
}

QList<LessonToFill> FairDay::ToFill(const ReliefPlan& plan) const
{
    QList<LessonToFill> lessons;
    if (day_ < 0)
        return lessons;
    for (int period = 0; period < periodsInDay_; ++period) {
        const int slot = day_ * PeriodsPerDay + period;
        for (const QString& number : absentOrder_) {
            const TeacherTimetable absent = absent_.value(number);
            const QString grade = absent.classes.value(slot);
            if (grade == OffPeriod)
                continue;
            const int row = plan.RowOfLesson(UncoveredLesson(number, absentNames_[number], grade, PeriodName(slot)),
                                             plan.Day());
            if (row >= 0 && HasReliefTeacher(plan.Rows()[row]))
                continue;
            lessons << LessonToFill {LessonOf(number, slot), number, absentNames_[number],
                                     LessonSubject(absent.subjects.value(slot), absent.subject), row};
        }
    }
    return lessons;
}

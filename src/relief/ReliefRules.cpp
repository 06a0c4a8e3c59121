#include "relief/ReliefRules.h"

#include "data/Slot.h"

#include <algorithm>

namespace {
bool SameText(const QString& one, const QString& other)
{
    return QStringView(one).trimmed().compare(QStringView(other).trimmed(), Qt::CaseInsensitive) == 0;
}

bool IsLesson(const QString& cell)
{
    return !cell.trimmed().isEmpty() && cell != OffPeriod;
}

bool AnyCell(const QStringList& cells, const QString& text)
{
    return std::any_of(cells.begin(), cells.end(), [&text](const QString& cell) { return SameText(cell, text); });
}

// A level as the costs hold it: counts and numbers out of any real range
// (a teacher number of 20 digits, a negative one) stand at the nearest end.
qint64 Level(qint64 value)
{
    return std::clamp<qint64>(value, 0, ReliefCost::MaxLevel);
}
}

int ReliefRules::MoreReliefs(const RuleTeacher& teacher) const
{
    return std::max(0,
                    std::min({limits_.perDay - teacher.load.today, limits_.perWeek - teacher.load.Week(),
                              teacher.freeLeft}));
}

QString ReliefRules::LimitReached(const RuleTeacher& teacher) const
{
    if (teacher.load.today >= limits_.perDay)
        return QStringLiteral("At the daily limit: %1 reliefs today").arg(teacher.load.today);
    if (teacher.load.Week() >= limits_.perWeek)
        return QStringLiteral("At the weekly limit: %1 reliefs this week").arg(teacher.load.Week());
    return {};
}

bool ReliefRules::MayTake(const RuleTeacher& teacher, const RuleLesson& lesson) const
{
    return IsSlot(lesson.slot) && teacher.classes.value(lesson.slot) == OffPeriod
        && !teacher.relievingIn.contains(PeriodName(lesson.slot)) && MoreReliefs(teacher) > 0;
}

ReliefCost ReliefRules::TeacherCost(const RuleTeacher& teacher, int k)
{
    const qint64 week = teacher.load.Week() + k;
    const qint64 freeAfter = teacher.freeLeft - k;
    ReliefCost cost;
    cost[Rule::LastFree] = freeAfter <= 0 ? 1 : 0;
    cost[Rule::Week] = Level(week * week);
    cost[Rule::Term] = Level(teacher.load.term + k);
    cost[Rule::FreeLeft] = Level(PeriodsPerDay - std::max<qint64>(freeAfter, 0));
    return cost;
}

ReliefCost ReliefRules::LessonCost(const RuleTeacher& teacher, const RuleLesson& lesson)
{
    ReliefCost cost;
    cost[Rule::Teaches] = Teaches(teacher, lesson).isEmpty() ? 1 : 0;
    cost[Rule::Number] = Level(teacher.number.trimmed().toLongLong());
    return cost;
}

QString ReliefRules::Teaches(const RuleTeacher& teacher, const RuleLesson& lesson)
{
    if (IsLesson(lesson.subject)
        && (SameText(teacher.subject, lesson.subject) || AnyCell(teacher.subjects, lesson.subject)))
        return lesson.subject.trimmed();
    if (IsLesson(lesson.grade) && AnyCell(teacher.classes, lesson.grade))
        return lesson.grade.trimmed();
    return {};
}

int ReliefRules::Suggest(const QList<RuleTeacher>& teachers, const RuleLesson& lesson) const
{
    int best = -1;
    ReliefCost bestCost;
    for (int index = 0; index < teachers.size(); ++index) {
        if (!MayTake(teachers[index], lesson))
            continue;
        ReliefCost cost = TeacherCost(teachers[index], 1);
        cost += LessonCost(teachers[index], lesson);
        if (best < 0 || cost < bestCost) {
            best = index;
            bestCost = cost;
        }
    }
    return best;
}

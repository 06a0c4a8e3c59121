#include "relief/DayPlan.h"

#include "data/Slot.h"
#include "relief/MinCostFlow.h"

#include <QSet>

#include <algorithm>

namespace {
// Who may take which lesson, and the arcs' costs rule by rule.
struct Choices {
    QList<QList<int>> teachersOf;        // per lesson, the teachers who may take it
    QList<QList<ReliefCost>> lessonCost; // and what the lesson's part costs with each
    QList<int> units;                    // per teacher, the reliefs he may still give
};

Choices ChoicesOf(const QList<RuleTeacher>& teachers, const QList<RuleLesson>& lessons, const ReliefRules& rules)
{
    Choices choices;
    for (const RuleTeacher& teacher : teachers)
        choices.units << rules.MoreReliefs(teacher);
    for (const RuleLesson& lesson : lessons) {
        QList<int> who;
        QList<ReliefCost> costs;
        for (int teacher = 0; teacher < teachers.size(); ++teacher) {
            if (!rules.MayTake(teachers[teacher], lesson))
                continue;
            who << teacher;
            costs << ReliefRules::LessonCost(teachers[teacher], lesson);
        }
        choices.teachersOf << who;
        choices.lessonCost << costs;
    }
    return choices;
}

// The flow's graph: source, lessons, one node per teacher and period, one
// per teacher, sink.
class DayGraph {
public:
    DayGraph(const QList<RuleTeacher>& teachers, const QList<RuleLesson>& lessons, const Choices& choices)
        : teachers_(teachers)
        , lessons_(lessons)
        , choices_(choices)
        , flow_(2 + int(lessons.size()) + int(teachers.size()) + int(teachers.size()) * PeriodsPerDay)
    {
    }

    QList<int> Solve()
    {
        for (int lesson = 0; lesson < lessons_.size(); ++lesson) {
            flow_.AddArc(Source, LessonNode(lesson), 1, {});
            for (int choice = 0; choice < choices_.teachersOf[lesson].size(); ++choice) {
                const int teacher = choices_.teachersOf[lesson][choice];
                lessonArcs_ << LessonArc {lesson, teacher,
                                          flow_.AddArc(LessonNode(lesson), PeriodNode(teacher, lessons_[lesson].slot),
                                                       1, choices_.lessonCost[lesson][choice])};
            }
        }
        for (int teacher = 0; teacher < teachers_.size(); ++teacher) {
            for (int period = 0; period < PeriodsPerDay; ++period)
                flow_.AddArc(PeriodNode(teacher, period), TeacherNode(teacher), 1, {});
            AddReliefArcs(teacher);
        }
        flow_.Run(Source, Sink);
        QList<int> chosen(lessons_.size(), -1);
        for (const LessonArc& arc : lessonArcs_) {
            if (flow_.Flow(arc.arc) > 0)
                chosen[arc.lesson] = arc.teacher;
        }
        return chosen;
    }

private:
    static constexpr int Source = 0;
    static constexpr int Sink = 1;

    struct LessonArc {
        int lesson;
        int teacher;
        int arc;
    };

    int LessonNode(int lesson) const { return 2 + lesson; }
    int TeacherNode(int teacher) const { return 2 + int(lessons_.size()) + teacher; }
    int PeriodNode(int teacher, int slot) const
    {
        return 2 + int(lessons_.size() + teachers_.size()) + teacher * PeriodsPerDay + PeriodOf(slot);
    }

    // One arc per relief he may still give, the k-th at the cost of his k-th.
    // The flow takes the cheapest arcs first, which is his first relief, then
    // his second, only because no further relief costs less than the one before.
    void AddReliefArcs(int teacher)
    {
        ReliefCost previous;
        for (int k = 1; k <= choices_.units[teacher]; ++k) {
            const ReliefCost cost = ReliefRules::TeacherCost(teachers_[teacher], k);
            Q_ASSERT(!(cost < previous));
            flow_.AddArc(TeacherNode(teacher), Sink, 1, cost);
            previous = cost;
        }
    }

    const QList<RuleTeacher>& teachers_;
    const QList<RuleLesson>& lessons_;
    const Choices& choices_;
    MinCostFlow flow_;
    QList<LessonArc> lessonArcs_;
};
}

namespace {
// Why the plan gives a lesson to its teacher rather than to another who was
// free then: the first rule under which his relief costs less than the best
// other's would. Without such another, why nobody else could take it.
class Reasons {
public:
    Reasons(const QList<RuleTeacher>& teachers, const QList<RuleLesson>& lessons, const Choices& choices,
            const QList<int>& chosen)
        : teachers_(teachers)
        , lessons_(lessons)
        , choices_(choices)
        , chosen_(chosen)
        , given_(teachers.size(), 0)
    {
        for (int lesson = 0; lesson < lessons.size(); ++lesson) {
            if (chosen[lesson] < 0)
                continue;
            ++given_[chosen[lesson]];
            relieving_.insert(chosen[lesson] * PeriodsPerDay + PeriodOf(lessons[lesson].slot));
        }
    }

    QString Of(int lesson) const
    {
        const int teacher = chosen_[lesson];
        bool busy = false;
        bool atLimit = false;
        int best = -1;
        ReliefCost bestCost;
        ReliefCost mine;
        for (int choice = 0; choice < choices_.teachersOf[lesson].size(); ++choice) {
            const int other = choices_.teachersOf[lesson][choice];
            const ReliefCost& lessonCost = choices_.lessonCost[lesson][choice];
            if (other == teacher) {
                mine = ReliefRules::TeacherCost(teachers_[teacher], given_[teacher]);
                mine += lessonCost;
            } else if (RelievesInPeriod(other, lessons_[lesson].slot)) {
                busy = true;
            } else if (given_[other] >= choices_.units[other]) {
                atLimit = true;
            } else {
                ReliefCost cost = ReliefRules::TeacherCost(teachers_[other], given_[other] + 1);
                cost += lessonCost;
                if (best < 0 || cost < bestCost) {
                    best = other;
                    bestCost = cost;
                }
            }
        }
        if (teacher < 0 && !busy && !atLimit)
            return NobodyMay(lessons_[lesson].slot);
        if (teacher < 0)
            return NobodyElse(busy, atLimit);
        if (best < 0)
            return busy || atLimit ? NobodyElse(busy, atLimit) : QStringLiteral("the only teacher free");
        return Deciding(teacher, mine, best, bestCost, lesson);
    }

private:
    bool RelievesInPeriod(int teacher, int slot) const
    {
        return relieving_.contains(teacher * PeriodsPerDay + PeriodOf(slot));
    }

    // Nobody may take the lesson: either nobody on relief duty is off then,
    // or those who are have no relief left to give or relieve another class.
    QString NobodyMay(int slot) const
    {
        const bool anyOff = std::any_of(teachers_.begin(), teachers_.end(), [slot](const RuleTeacher& teacher) {
            return teacher.classes.value(slot) == OffPeriod;
        });
        return anyOff ? QStringLiteral("the teachers free then have reached their limits or relieve another class")
                      : QStringLiteral("nobody on relief duty is off in this period");
    }

    static QString NobodyElse(bool busy, bool atLimit)
    {
        if (busy && atLimit)
            return QStringLiteral("the other teachers free then cover other classes or have reached their limits");
        if (busy)
            return QStringLiteral("the other teachers free then cover other classes");
        return QStringLiteral("the other teachers free then have reached their limits");
    }

    QString Deciding(int teacher, const ReliefCost& mine, int other, const ReliefCost& theirs, int lesson) const
    {
        const RuleTeacher& me = teachers_[teacher];
        const RuleTeacher& them = teachers_[other];
        const auto against = [](const QString& what, int mineBefore, int theirsBefore) {
            return what.arg(mineBefore).arg(theirsBefore);
        };
        for (int level = 0; level < int(Rule::Count); ++level) {
            if (mine.levels[level] == theirs.levels[level])
                continue;
            switch (Rule(level)) {
            case Rule::LastFree: return QStringLiteral("the others free then would give up their last free period");
            case Rule::Week:
                return against(QStringLiteral("fewer reliefs this week (%1, against %2)"),
                               me.load.Week() + given_[teacher] - 1, them.load.Week() + given_[other]);
            case Rule::Term:
                return against(QStringLiteral("fewer reliefs this term (%1, against %2)"),
                               me.load.term + given_[teacher] - 1, them.load.term + given_[other]);
            case Rule::Teaches: return QStringLiteral("teaches %1").arg(ReliefRules::Teaches(me, lessons_[lesson]));
            case Rule::FreeLeft:
                return against(QStringLiteral("more free periods left today (%1, against %2)"),
                               me.freeLeft - given_[teacher] + 1, them.freeLeft - given_[other]);
            case Rule::Number:
            case Rule::Count: break;
            }
        }
        return QStringLiteral("the lower teacher number among equals");
    }

    const QList<RuleTeacher>& teachers_;
    const QList<RuleLesson>& lessons_;
    const Choices& choices_;
    const QList<int>& chosen_;
    QList<int> given_;
    QSet<int> relieving_; // teacher * PeriodsPerDay + period, in the plan
};
}

QList<PlannedLesson> PlanDay(const QList<RuleTeacher>& teachers, const QList<RuleLesson>& lessons,
                             const ReliefRules& rules)
{
    const Choices choices = ChoicesOf(teachers, lessons, rules);
    const QList<int> chosen = DayGraph(teachers, lessons, choices).Solve();
    const Reasons reasons(teachers, lessons, choices, chosen);
    QList<PlannedLesson> plan;
    for (int lesson = 0; lesson < lessons.size(); ++lesson)
        plan << PlannedLesson {chosen[lesson], reasons.Of(lesson)};
    return plan;
}

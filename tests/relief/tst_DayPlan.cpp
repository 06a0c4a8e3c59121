#include "data/Slot.h"
#include "relief/DayPlan.h"
#include "relief/ReliefRules.h"

#include <QRandomGenerator>
#include <QTest>

#include <functional>
#include <limits>

namespace {
const ProgramSettings::ReliefLimits Limits {2, 5};

// A teacher working in every period of Monday but the given ones.
RuleTeacher Teacher(int number, const QList<int>& offPeriods, int week = 0, int term = 0)
{
    RuleTeacher teacher;
    teacher.number = QString::number(number);
    teacher.name = QStringLiteral("T%1").arg(number);
    teacher.subject = QStringLiteral("Art");
    teacher.classes = QStringList(SlotCount, QStringLiteral("9B"));
    teacher.subjects = QStringList(SlotCount, QStringLiteral("Art"));
    for (int period : offPeriods)
        teacher.classes[period] = teacher.subjects[period] = OffPeriod;
    teacher.freeLeft = int(offPeriods.size());
    for (int relief = 0; relief < week; ++relief)
        teacher.load.week << WeekRelief {QDate(2026, 12, 4), QStringLiteral("1st")};
    teacher.load.term = term;
    return teacher;
}

RuleLesson Lesson(int period, const QString& grade = QStringLiteral("7A"),
                  const QString& subject = QStringLiteral("Maths"))
{
    return {period, grade, subject};
}

// What a plan gives: lessons covered, then its cost rule by rule, as the
// sum over each teacher's k-th relief and each lesson's part.
struct Outcome {
    int covered = 0;
    ReliefCost cost;

    bool BetterThan(const Outcome& other) const
    {
        return covered != other.covered ? covered > other.covered : cost < other.cost;
    }
    bool operator==(const Outcome&) const = default;
};

Outcome Evaluate(const QList<RuleTeacher>& teachers, const QList<RuleLesson>& lessons, const QList<int>& chosen)
{
    Outcome outcome;
    QList<int> given(teachers.size(), 0);
    for (int lesson = 0; lesson < lessons.size(); ++lesson) {
        const int teacher = chosen[lesson];
        if (teacher < 0)
            continue;
        ++outcome.covered;
        outcome.cost += ReliefRules::TeacherCost(teachers[teacher], ++given[teacher]);
        outcome.cost += ReliefRules::LessonCost(teachers[teacher], lessons[lesson]);
    }
    return outcome;
}

QList<int> Chosen(const QList<PlannedLesson>& plan)
{
    QList<int> chosen;
    for (const PlannedLesson& lesson : plan)
        chosen << lesson.teacher;
    return chosen;
}

// Every plan that keeps the hard rules, tried one by one.
Outcome BestByTrying(const QList<RuleTeacher>& teachers, const QList<RuleLesson>& lessons, const ReliefRules& rules)
{
    QList<int> chosen(lessons.size(), -1);
    QList<int> given(teachers.size(), 0);
    QSet<int> busy;
    Outcome best;
    std::function<void(int)> tryFrom = [&](int lesson) {
        if (lesson == lessons.size()) {
            const Outcome outcome = Evaluate(teachers, lessons, chosen);
            if (outcome.BetterThan(best))
                best = outcome;
            return;
        }
        chosen[lesson] = -1;
        tryFrom(lesson + 1);
        for (int teacher = 0; teacher < teachers.size(); ++teacher) {
            const int key = teacher * PeriodsPerDay + PeriodOf(lessons[lesson].slot);
            if (!rules.MayTake(teachers[teacher], lessons[lesson]) || busy.contains(key)
                || given[teacher] >= rules.MoreReliefs(teachers[teacher]))
                continue;
            chosen[lesson] = teacher;
            ++given[teacher];
            busy.insert(key);
            tryFrom(lesson + 1);
            busy.remove(key);
            --given[teacher];
        }
        chosen[lesson] = -1;
    };
    tryFrom(0);
    return best;
}

// Period by period, each lesson to the teacher the rules rank first then.
QList<int> PlanPeriodByPeriod(QList<RuleTeacher> teachers, const QList<RuleLesson>& lessons, const ReliefRules& rules)
{
    QList<int> chosen(lessons.size(), -1);
    for (int period = 0; period < PeriodsPerDay; ++period) {
        for (int lesson = 0; lesson < lessons.size(); ++lesson) {
            if (PeriodOf(lessons[lesson].slot) != period)
                continue;
            const int teacher = rules.Suggest(teachers, lessons[lesson]);
            chosen[lesson] = teacher;
            if (teacher < 0)
                continue;
            RuleTeacher& taken = teachers[teacher];
            --taken.freeLeft;
            ++taken.load.today;
            ++taken.load.term;
            taken.load.week << WeekRelief {};
            taken.relievingIn.insert(PeriodName(lessons[lesson].slot));
        }
    }
    return chosen;
}

struct RandomDay {
    QList<RuleTeacher> teachers;
    QList<RuleLesson> lessons;
    ProgramSettings::ReliefLimits limits;
};

// Up to five teachers and five lessons in Monday's first three periods.
RandomDay MakeRandomDay(QRandomGenerator& random)
{
    const auto pick = [&random](const QStringList& texts) { return texts[random.bounded(int(texts.size()))]; };
    RandomDay day;
    day.limits = {random.bounded(1, 4), random.bounded(2, 7)};
    const int teachers = random.bounded(2, 6);
    for (int teacher = 0; teacher < teachers; ++teacher) {
        QList<int> off;
        for (int period = 0; period < PeriodsPerDay; ++period) {
            if (random.bounded(100) < (period < 3 ? 60 : 20))
                off << period;
        }
        RuleTeacher made = Teacher(random.bounded(1, 30) * 10 + teacher, off, random.bounded(5), random.bounded(8));
        made.subject = pick({"Maths", "Art", "Music"});
        made.subjects[3] = pick({"Maths", "Art", "Music"});
        made.classes[4] = pick({"7A", "8C", "9B"});
        made.load.today = random.bounded(2);
        made.load.term += made.load.Week();
        if (random.bounded(100) < 15 && !off.isEmpty())
            made.relievingIn.insert(PeriodName(off.first()));
        made.freeLeft = std::max(0, int(off.size()) - made.load.today);
        day.teachers << made;
    }
    const int lessons = random.bounded(1, 6);
    for (int lesson = 0; lesson < lessons; ++lesson)
        day.lessons << Lesson(random.bounded(3), pick({"7A", "8C", "9B"}), pick({"Maths", "Art", "Music"}));
    return day;
}
}

Q_DECLARE_METATYPE(RuleTeacher)

// The rules that choose relief teachers: the suggestion for one lesson, and
// the whole day's plan, which must be the best there is.
class tst_DayPlan : public QObject {
    Q_OBJECT

private slots:
    // Two teachers alike but for one rule: the one that rule favours is
    // suggested, and the day's plan says that rule is why.
    void eachRuleDecidesBetweenEquals_data()
    {
        QTest::addColumn<RuleTeacher>("first");
        QTest::addColumn<RuleTeacher>("second");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("reason");

        RuleTeacher maths = Teacher(9, {0, 1});
        maths.subjects[5] = QStringLiteral("Maths");
        RuleTeacher ofTheClass = Teacher(9, {0, 1});
        ofTheClass.classes[6] = QStringLiteral("7A");
        // clang-format off
        QTest::newRow("last free period") << Teacher(3, {0}) << Teacher(9, {0, 1}, 4, 20) << "9"
                                          << "the others free then would give up their last free period";
        QTest::newRow("week") << Teacher(3, {0, 1}, 2) << Teacher(9, {0, 1}, 1, 20) << "9"
                              << "fewer reliefs this week (1, against 2)";
        QTest::newRow("term") << Teacher(3, {0, 1}, 1, 7) << Teacher(9, {0, 1}, 1, 4) << "9"
                              << "fewer reliefs this term (4, against 7)";
        QTest::newRow("teaches the subject") << Teacher(3, {0, 1}) << maths << "9" << "teaches Maths";
        QTest::newRow("teaches the class") << Teacher(3, {0, 1}) << ofTheClass << "9" << "teaches 7A";
        QTest::newRow("free periods left") << Teacher(3, {0, 1}) << Teacher(9, {0, 1, 2}) << "9"
                                           << "more free periods left today (3, against 2)";
        QTest::newRow("number") << Teacher(9, {0, 1}) << Teacher(3, {0, 1}) << "3"
                                << "the lower teacher number among equals";
        // clang-format on
    }

    void eachRuleDecidesBetweenEquals()
    {
        QFETCH(RuleTeacher, first);
        QFETCH(RuleTeacher, second);
        QFETCH(QString, chosen);
        QFETCH(QString, reason);
        const QList<RuleTeacher> teachers = {first, second};
        const ReliefRules rules(Limits);
        QCOMPARE(teachers[rules.Suggest(teachers, Lesson(0))].number, chosen);
        const QList<PlannedLesson> plan = PlanDay(teachers, {Lesson(0)}, rules);
        QCOMPARE(teachers[plan[0].teacher].number, chosen);
        QCOMPARE(plan[0].reason, reason);
    }

    // The flow gives a teacher's reliefs in the order of their costs, which
    // is his first, second, ... only while each further relief costs no less
    // than the one before; and every level stays within the range that keeps
    // the flow's sums from overflowing, whatever the loads.
    void aTeachersFurtherReliefsNeverCostLess_data()
    {
        QTest::addColumn<RuleTeacher>("teacher");
        RuleTeacher heavy = Teacher(7, {0, 1, 2, 3, 4, 5, 6, 7}, 40, std::numeric_limits<int>::max() - 20);
        heavy.load.today = 8;
        RuleTeacher overbooked = Teacher(7, {0});
        overbooked.freeLeft = -3;
        QTest::newRow("no load") << Teacher(1, {0, 1});
        QTest::newRow("one free period") << Teacher(2, {4});
        QTest::newRow("a week's load") << Teacher(3, {0, 1, 2}, 4, 9);
        QTest::newRow("free all day, loads at their ends") << heavy;
        QTest::newRow("more reliefs than free periods") << overbooked;
    }

    void aTeachersFurtherReliefsNeverCostLess()
    {
        QFETCH(RuleTeacher, teacher);
        ReliefCost previous;
        for (int k = 1; k <= PeriodsPerDay + 2; ++k) {
            const ReliefCost cost = ReliefRules::TeacherCost(teacher, k);
            QVERIFY2(!(cost < previous), qPrintable(QStringLiteral("relief %1").arg(k)));
            QVERIFY(cost.InRange());
            previous = cost;
        }
    }

    // A teacher number out of any real range weighs like the highest: the
    // rules before it still decide, in the suggestion and the plan alike.
    void aNumberOutOfRangeLeavesTheEarlierRulesToDecide_data()
    {
        QTest::addColumn<QString>("number");
        QTest::newRow("the largest 64-bit number") << "9223372036854775807";
        QTest::newRow("negative") << "-4";
    }

    void aNumberOutOfRangeLeavesTheEarlierRulesToDecide()
    {
        QFETCH(QString, number);
        RuleTeacher maths = Teacher(9, {0, 1});
        maths.number = number;
        maths.subjects[5] = QStringLiteral("Maths");
        const QList<RuleTeacher> teachers = {Teacher(3, {0, 1}), maths};
        const ReliefRules rules(Limits);
        QVERIFY(ReliefRules::LessonCost(maths, Lesson(0)).InRange());
        QCOMPARE(rules.Suggest(teachers, Lesson(0)), 1);
        const QList<PlannedLesson> plan = PlanDay(teachers, {Lesson(0)}, rules);
        QCOMPARE(plan[0].teacher, 1);
        QCOMPARE(plan[0].reason, QStringLiteral("teaches Maths"));
    }

    // Hard rules: off in the slot, not relieving in that period yet, under
    // both limits. A teacher at a limit is never proposed.
    void onlyATeacherWhoMayTakeTheLessonIsProposed()
    {
        RuleTeacher working = Teacher(1, {1});
        RuleTeacher relieving = Teacher(2, {0, 1});
        relieving.relievingIn.insert(QStringLiteral("1st"));
        RuleTeacher dayFull = Teacher(3, {0, 1});
        dayFull.load.today = 2;
        RuleTeacher weekFull = Teacher(4, {0, 1}, 5);
        const QList<RuleTeacher> teachers = {working, relieving, dayFull, weekFull};
        const ReliefRules rules(Limits);
        QCOMPARE(rules.Suggest(teachers, Lesson(0)), -1);
        const QList<PlannedLesson> plan = PlanDay(teachers, {Lesson(0)}, rules);
        QCOMPARE(plan[0].teacher, -1);
        QCOMPARE(plan[0].reason,
                 QStringLiteral("the teachers free then have reached their limits or relieve another class"));
        QCOMPARE(PlanDay({working}, {Lesson(0)}, rules)[0].reason,
                 QStringLiteral("nobody on relief duty is off in this period"));
        QCOMPARE(rules.LimitReached(dayFull), QStringLiteral("At the daily limit: 2 reliefs today"));
        QCOMPARE(rules.LimitReached(weekFull), QStringLiteral("At the weekly limit: 5 reliefs this week"));
        QVERIFY(rules.LimitReached(relieving).isEmpty());
    }

    // One teacher free in two periods, one in the first only, one relief a
    // day each: taking the lessons in period order gives the first to the
    // teacher with more free periods and leaves the second uncovered; the
    // day's plan covers both.
    void theDaysPlanCoversWhatPeriodByPeriodLeaves()
    {
        const QList<RuleTeacher> teachers = {Teacher(1, {0, 1}), Teacher(2, {0})};
        const QList<RuleLesson> lessons = {Lesson(0), Lesson(1)};
        const ReliefRules rules({1, 5});
        QCOMPARE(PlanPeriodByPeriod(teachers, lessons, rules), (QList<int> {0, -1}));
        const QList<PlannedLesson> plan = PlanDay(teachers, lessons, rules);
        QCOMPARE(Chosen(plan), (QList<int> {1, 0}));
        QCOMPARE(plan[0].reason, QStringLiteral("the other teachers free then have reached their limits"));
        QCOMPARE(plan[1].reason, QStringLiteral("the only teacher free"));
    }

    void twoLessonsOfOnePeriodNeedTwoTeachers()
    {
        const QList<RuleTeacher> teachers = {Teacher(1, {0, 1})};
        const QList<PlannedLesson> plan = PlanDay(teachers, {Lesson(0, "7A"), Lesson(0, "8C")}, ReliefRules(Limits));
        QCOMPARE(Chosen(plan), (QList<int> {0, -1}));
        QCOMPARE(plan[1].reason, QStringLiteral("the other teachers free then cover other classes"));
    }

    // The plan is as good as the best of every possible plan, on random
    // small days; and taking the day period by period is worse on some.
    void thePlanIsTheBestOfAllPlans()
    {
        QRandomGenerator random(20261210);
        int greedyWorse = 0;
        for (int day = 0; day < 400; ++day) {
            const RandomDay made = MakeRandomDay(random);
            const ReliefRules rules(made.limits);
            const Outcome planned = Evaluate(made.teachers, made.lessons,
                                             Chosen(PlanDay(made.teachers, made.lessons, rules)));
            const Outcome best = BestByTrying(made.teachers, made.lessons, rules);
            if (!(planned == best)) {
                QFAIL(qPrintable(QStringLiteral("day %1: the plan covers %2, the best %3")
                                     .arg(day)
                                     .arg(planned.covered)
                                     .arg(best.covered)));
            }
            const Outcome greedy = Evaluate(made.teachers, made.lessons,
                                            PlanPeriodByPeriod(made.teachers, made.lessons, rules));
            if (best.BetterThan(greedy))
                ++greedyWorse;
        }
        QVERIFY(greedyWorse > 0);
    }
};

QTEST_GUILESS_MAIN(tst_DayPlan)
#include "tst_DayPlan.moc"

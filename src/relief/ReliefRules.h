#pragma once

#include "data/ProgramSettings.h"
#include "relief/ReliefLoad.h"

#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

#include <array>

// A teacher present and on relief duty today, as the rules weigh him.
struct RuleTeacher {
    QString number;
    QString name;
    QString subject;
    QStringList classes;       // his 40 class cells
    QStringList subjects;      // his 40 subject cells
    int freeLeft = 0;          // Total Free less the reliefs he gives in the set
    QSet<QString> relievingIn; // the periods he already relieves in today's set
    TeacherLoad load;
};

// A lesson of an absent teacher to cover.
struct RuleLesson {
    int slot = -1;
    QString grade;
    QString subject; // the absent teacher's subject in that cell
};

// The rules that rank relief teachers, in their order: after covering as
// many lessons as possible, a teacher's last free period is taken only when
// nobody else can; then the load is spread, each further relief this week
// costing more than the one before, the term's count breaking ties; then a
// teacher who teaches the subject or the class; then the one with more free
// periods left; then the lower number.
enum class Rule { LastFree, Week, Term, Teaches, FreeLeft, Number, Count };

// What one relief costs under each rule, compared rule by rule.
struct ReliefCost {
    std::array<qint64, int(Rule::Count)> levels {};

    qint64& operator[](Rule rule) { return levels[int(rule)]; }
    qint64 operator[](Rule rule) const { return levels[int(rule)]; }
    ReliefCost& operator+=(const ReliefCost& other);
    bool operator==(const ReliefCost&) const = default;
    // Rule by rule: the first rule under which they differ decides.
    bool operator<(const ReliefCost& other) const { return levels < other.levels; }
};

class ReliefRules {
public:
    explicit ReliefRules(const ProgramSettings::ReliefLimits& limits)
        : limits_(limits)
    {
    }

    // Whether he may take the lesson: off in its slot, not relieving in its
    // period yet, with a free period left and under his limits.
    bool MayTake(const RuleTeacher& teacher, const RuleLesson& lesson) const;
    // How many more reliefs he may give today.
    int MoreReliefs(const RuleTeacher& teacher) const;
    // Why he may give no more, or nothing when he may: "At his daily limit: 2 reliefs today".
    QString LimitReached(const RuleTeacher& teacher) const;

    // The cost of his k-th further relief today (k from 1), and the part
    // that depends on the lesson.
    static ReliefCost TeacherCost(const RuleTeacher& teacher, int k);
    static ReliefCost LessonCost(const RuleTeacher& teacher, const RuleLesson& lesson);

    // Whether he teaches the lesson's subject or its class, and what: "Maths" or "10A".
    static QString Teaches(const RuleTeacher& teacher, const RuleLesson& lesson);

    // The candidate the rules rank first for one lesson, or -1 when none may take it.
    int Suggest(const QList<RuleTeacher>& teachers, const RuleLesson& lesson) const;

private:
    ProgramSettings::ReliefLimits limits_;
};

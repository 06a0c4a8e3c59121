#pragma once

#include "data/ProgramSettings.h"
#include "relief/ReliefCost.h"
#include "relief/ReliefLoad.h"

#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

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

    // The cost of his k-th further relief today (k from 1), never less than
    // his (k-1)-th, and the part that depends on the lesson.
    static ReliefCost TeacherCost(const RuleTeacher& teacher, int k);
    static ReliefCost LessonCost(const RuleTeacher& teacher, const RuleLesson& lesson);

    // Whether he teaches the lesson's subject or its class, and what: "Maths" or "10A".
    static QString Teaches(const RuleTeacher& teacher, const RuleLesson& lesson);

    // The candidate the rules rank first for one lesson, or -1 when none may take it.
    int Suggest(const QList<RuleTeacher>& teachers, const RuleLesson& lesson) const;

private:
    ProgramSettings::ReliefLimits limits_;
};

#pragma once

#include "data/TeacherStore.h"
#include "relief/ReliefRules.h"

#include <QDate>
#include <QHash>
#include <QList>
#include <QString>

#include <optional>

class AttendanceDay;
class Connection;
class ReliefPlan;

// A lesson of an absent teacher today that the relief set does not cover
// yet, and the row of the set that holds it without a relief teacher (-1
// when there is none).
struct LessonToFill {
    RuleLesson lesson;
    QString absentNumber;
    QString absentName; // title and name, as the relief set shows them
    QString subject;    // the lesson's subject, as the relief set shows it
    int row = -1;
};

// Today's relief as the rules weigh it: the teachers present and on relief
// duty, each with his load, his free periods left and the periods he already
// relieves in today's set; and the lessons of the absent teachers.
class FairDay {
public:
    // Nothing when the register or the history cannot be read; the
    // connection keeps the failure.
    static std::optional<FairDay> Read(Connection& connection, const AttendanceDay& board, const ReliefPlan& plan,
                                       LoadHistory& history, const QDate& today);
    // The same over the register's timetables read already.
    static std::optional<FairDay> Read(Connection& connection, const QList<TeacherTimetable>& timetables,
                                       const AttendanceDay& board, const ReliefPlan& plan, LoadHistory& history,
                                       const QDate& today);

    const QList<RuleTeacher>& Teachers() const { return teachers_; }
    const ReliefRules& Rules() const { return rules_; }
    // The teacher with this number among them, or nullptr.
    const RuleTeacher* Find(const QString& number) const;
    // The lesson in an absent teacher's slot: the class and subject of his cells.
    RuleLesson LessonOf(const QString& absentNumber, int slot) const;
    // Today's lessons of the absent teachers, within the school's periods,
    // that have no covered row in the set, by period and then teacher.
    QList<LessonToFill> ToFill(const ReliefPlan& plan) const;

private:
    explicit FairDay(const ReliefRules& rules)
        : rules_(rules)
    {
    }

    ReliefRules rules_;
    QList<RuleTeacher> teachers_;
    QHash<QString, int> indexOf_;
    QHash<QString, TeacherTimetable> absent_;
    QHash<QString, QString> absentNames_;
    QList<QString> absentOrder_;
    int day_ = -1; // 0..4 for Monday..Friday, -1 on a weekend
    int periodsInDay_ = 0;
};

#pragma once

#include "data/RowLookup.h"
#include "data/TeacherKind.h"
#include "data/TeacherRow.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

class Connection;

// A teacher as the relief list's scan reads him, in number order.
struct TeacherTimetable {
    QString number; // adno
    QString name1;
    QString subject;
    QStringList classes;  // the 40 class cells
    QStringList subjects; // the 40 subject cells
};

// A teacher as the attendance board binds him to a box.
struct TeacherSummary {
    int number = 0;
    QString title;
    QString name1;
    TeacherKind kind = TeacherKind::ReliefOn;
};

using TeacherLookup = RowLookup<TeacherRow>;

// The teacher register, table TabelPB, as the screens read it. Each read is
// in number order; nothing is given when the read fails, and the connection
// then keeps the failure.
class TeacherStore {
public:
    explicit TeacherStore(Connection& connection)
        : connection_(connection)
    {
    }

    // Only the columns the relief list's scan needs, straight from the query:
    // it runs while the operator waits.
    std::optional<QList<TeacherTimetable>> Timetables();
    std::optional<QList<TeacherSummary>> Summaries();
    TeacherLookup Find(int number);
    // Whether a teacher has this number.
    std::optional<bool> NumberInUse(int number);

private:
    Connection& connection_;
};

#pragma once

#include "import/ImportedTeacher.h"

#include <QList>
#include <QString>
#include <QStringList>

// One lesson of one teacher in a timetable that FET wrote.
struct FetLesson {
    int line = 0;
    int teacher = 0; // index into FetTimetable::teachers
    int day = 0;     // index into FetTimetable::days
    int hour = 0;    // index into FetTimetable::hours
    QStringList students;
    QString subject;
};

struct FetTeacher {
    int line = 0;
    QString name;
};

// The teachers' week as FET gives it: the names of its days and teaching
// hours in the order they are to be mapped, the teachers in file order, and
// their lessons.
struct FetTimetable {
    QStringList days;
    QStringList hours;
    QList<FetTeacher> teachers;
    QList<FetLesson> lessons;
    QList<RejectedRow> rejected;
};

// The index of a name in a list, added at its end when it is new.
int NameIndex(QStringList& names, const QString& name);

// Refuses a week that the register cannot hold; empty when it fits.
QString CheckFetWeek(const FetTimetable& timetable);

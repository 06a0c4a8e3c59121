#pragma once

#include "data/Slot.h"
#include "data/TeacherStore.h"

#include <QColor>
#include <QList>
#include <QString>
#include <QStringList>

class AttendanceDay;

// The computation behind the relief list: which teachers can take a lesson
// of an absent teacher, and how much relief each has left today.

// A teacher who may take the lesson.
struct ReliefCandidate {
    QString slotKey; // period name followed by the teacher's name
    QString number;
    QString name;
    QString subject;
    int totalFree = 0; // the teacher's off periods on the lesson's day
};

// One line of the relief list as the operator sees it.
struct ReliefListRow {
    QString number;
    QString name;
    QString subject;
    int free = 0;
    int totalFree = 0;
    QColor colour;
    QColor totalFreeColour;
};

// The teachers who are present, on relief duty and off in the slot. A
// teacher's presence and kind are those of the board's box with the teacher's
// number; a teacher the board has no box for (added since it was opened) is
// not offered. A slot after the school's last period has no candidates, and
// Total Free counts the school's periods only.
QList<ReliefCandidate> ScanCandidates(const QList<TeacherTimetable>& teachers, const AttendanceDay& day, int slot,
                                      const QString& periodName, int periodsInDay = PeriodsPerDay);

// The key of a teacher sent to a class in a period: the period name followed
// by the name, without the spaces around it, so that a name stored with them
// matches the name as the list shows it.
QString SlotKey(const QString& periodName, const QString& teacherName);

// Drops every candidate already sent to a class in the same period.
QList<ReliefCandidate> PruneAssigned(const QList<ReliefCandidate>& candidates, const QStringList& assignedKeys);

// The lines of the list: Free is Total Free less the reliefs the teacher
// already gives in the relief set (reliefNumbers: the relief teacher number
// of every row); texts are trimmed while nobody has been assigned yet.
QList<ReliefListRow> FillRows(const QList<ReliefCandidate>& candidates, bool trim, const QStringList& reliefNumbers);

// Text colour of a line by the periods still free: 1 red, 2 blue, 3 green, else black.
QColor FreeColour(int free);

// The relief list's width in twips: one block of 33 lines, or two.
int ReliefListWidthTwips(int candidates);

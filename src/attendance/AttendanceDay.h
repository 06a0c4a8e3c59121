#pragma once

#include "data/FieldLimits.h"
#include "data/TeacherKind.h"

#include <QHash>
#include <QList>
#include <QString>

// The day's attendance: one entry per box of the attendance board, the i-th
// teacher in number order in box i, with the teacher's relief kind and
// whether the teacher is present today.
class AttendanceDay {
public:
    struct Teacher {
        int number = 0;
        QString title;
        QString name1;
        TeacherKind kind = TeacherKind::ReliefOn;
        bool present = false;
    };

    void Bind(const QList<Teacher>& teachers) { teachers_ = teachers; }

    int Count() const { return int(teachers_.size()); }
    const Teacher& At(int box) const { return teachers_.at(box); }
    bool IsPresent(int box) const { return box < Count() && teachers_[box].present; }
    void SetPresent(int box, bool present) { teachers_[box].present = present; }
    int PresentCount() const;
    // Present or absent by teacher number, as the day's ticks are kept.
    QHash<int, bool> Presence() const;
    // The ticks kept for the day: a teacher not among them is absent.
    void SetPresence(const QHash<int, bool>& presence);
    // The box of the teacher with this number, or -1 when the board has none.
    int BoxOf(int number) const;

private:
    QList<Teacher> teachers_;
};

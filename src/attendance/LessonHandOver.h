#pragma once

#include <QString>

// The lesson of an absent teacher chosen for relief, as the absence timetable
// hands it to the relief list: its slot, its class, its period name and its
// subject.
struct LessonHandOver {
    int slot = -1;
    QString classText;
    QString periodName;
    QString subject;

    bool IsSet() const { return slot >= 0; }
};

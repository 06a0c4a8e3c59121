#pragma once

#include <QString>

// The lesson of an absent teacher chosen for relief, as the absence timetable
// hands it to the relief list: its slot, its class and its period name.
struct LessonHandOver {
    int slot = -1;
    QString classText;
    QString periodName;

    bool IsSet() const { return slot >= 0; }
};

#pragma once

#include <QList>
#include <QString>

// A lesson of an absent teacher that today's relief set gives a relief
// teacher: the absent teacher's number, the slot in today's column, the
// class as the set holds it, and the relief teacher's name.
struct CoveredLesson {
    int teacher = 0;
    int slot = -1;
    QString classText;
    QString reliefName;
};

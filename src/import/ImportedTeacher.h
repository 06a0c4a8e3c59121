#pragma once

#include "data/TeacherRow.h"

#include <QList>
#include <QString>

// One teacher as an import file gives it, as the register row it becomes when
// added. The number is empty when the file gives none.
struct ImportedTeacher {
    int line = 0;
    TeacherRow row;
};

// A row of the file that cannot be taken, and why.
struct RejectedRow {
    int line = 0;
    QString name;
    QString reason;
};

struct ImportedTeachers {
    QList<ImportedTeacher> teachers;
    QList<RejectedRow> rejected;
};

#pragma once

#include "data/ReliefRecord.h"
#include "report/Report.h"

#include <QDate>
#include <QList>
#include <QString>

// The school as the reports head it: its name and the file of its logo.
struct School {
    QString name;
    QString logoPath;
};

// The relief teachers list "DR1": one line per relief in the given order,
// with a column for the relief teacher's signature.
Report ReliefTeachersList(const QList<ReliefRecord>& rows, const School& school, const QDate& date);

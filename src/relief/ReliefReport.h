#pragma once

#include "data/ReliefRecord.h"
#include "report/Report.h"

#include <QDate>
#include <QImage>
#include <QList>
#include <QString>

// The school as the reports head it: its name and the file of its logo.
struct School {
    QString name;
    QString logoPath;
};

// The logo picture; none when no logo is set (an empty path or "N/A") or the
// file cannot be read as a picture, which leaves the report without a logo.
QImage SchoolLogo(const QString& logoPath);

// The relief teachers list "DR1": one line per relief in the given order,
// with a column for the relief teacher's signature.
Report ReliefTeachersList(const QList<ReliefRecord>& rows, const School& school, const QDate& date);

#pragma once

#include "data/ReliefRecord.h"
#include "report/Report.h"
#include "ui/School.h"

#include <QDate>
#include <QList>
#include <QString>

// The relief teachers list "DR1": one line per relief in the given order,
// with a column for the relief teacher's signature.
Report ReliefTeachersList(const QList<ReliefRecord>& rows, const School& school, const QDate& date);

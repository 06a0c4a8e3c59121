#pragma once

#include "data/ReliefRecord.h"

#include <QList>
#include <QStringList>

// Whether two rows of a relief set hold the same lesson: the same absent
// teacher's class in the same period.
bool SameLesson(const ReliefRecord& a, const ReliefRecord& b);

// What rows saved under one day would give twice, in words, one line each: a
// lesson held by more than one row, and a relief teacher sent to more than
// one class in a period. Rows without a relief teacher send nobody.
QStringList Doubles(const QList<ReliefRecord>& rows);

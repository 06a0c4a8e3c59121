#pragma once

#include <QString>
#include <QStringList>

// The names of TabelPB's columns, in table order.
const QStringList& TeacherTableColumns();

// The columns of the register's own CSV file, in file order: the number and
// the teacher's fields first, then the 40 class and the 40 subject cells.
QStringList RegisterCsvColumns();

// The ordinal in TabelPB of a column name, without regard to letter case; -1 if none.
int TeacherColumnOrdinal(const QString& name);

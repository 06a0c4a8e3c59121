#pragma once

#include <QList>
#include <QStringList>

// The 89 column texts of a teacher row, in table order. The default timetable
// works in every slot but six (slots 5, 11, 17, 23, 29 and 35 are off).
QStringList Teacher(int number, const QString& title = QStringLiteral("Mr."), const QString& name = {});

// Teachers numbered 1..count with the default timetable.
QList<QStringList> Teachers(int count);

void SetSlot(QStringList& teacher, int slot, const QString& classText, const QString& subjectText);
void SetFlags(QStringList& teacher, const QString& salOnly, const QString& relFree);

constexpr int DefaultFreePeriods = 6;

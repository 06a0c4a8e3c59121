#pragma once

#include <QString>
#include <QStringList>

// Timetable slots: day 1..5 (Monday..Friday) by period 1..8, numbered
// slot = (day - 1) * 8 + (period - 1). In screen grids the days are the
// columns and the periods the rows.
constexpr int SlotCount = 40;
constexpr int DaysPerWeek = 5;
constexpr int PeriodsPerDay = 8;

// A class or subject cell holding exactly this text is an off (free) period.
inline const QString OffPeriod = QStringLiteral("0");

// Day 0..4 (Monday..Friday) and period 0..7 of a slot.
constexpr int DayOf(int slot)
{
    return slot / PeriodsPerDay;
}
constexpr int PeriodOf(int slot)
{
    return slot % PeriodsPerDay;
}
constexpr bool IsSlot(int slot)
{
    return slot >= 0 && slot < SlotCount;
}

inline const QStringList DayNames = {QStringLiteral("Monday"), QStringLiteral("Tuesday"), QStringLiteral("Wednesday"),
                                     QStringLiteral("Thursday"), QStringLiteral("Friday")};

// The column of a slot: the prefix ('a' for the class, 's' for the subject)
// followed by the day and the period digit, "a11".."a58".
QString SlotColumn(QChar prefix, int slot);

// "1st".."8th", the period's name in the relief set.
QString PeriodName(int slot);
// "First".."Eighth" (spelled "Forth" for the fourth), the period's word in the relief list caption.
QString PeriodWord(int slot);

// Whether a slot's period is one of the school's teaching periods of the day;
// the periods after them are no periods at all, neither free nor working.
constexpr bool IsTeachingPeriod(int slot, int periodsInDay)
{
    return PeriodOf(slot) < periodsInDay;
}

// The number of off periods among a teacher's class cells on one day (0..4),
// counting the school's teaching periods only.
int FreePeriodsOfDay(const QStringList& classes, int day, int periodsInDay = PeriodsPerDay);

// The subject of a lesson: its subject cell, or the teacher's general subject
// where the cell names none (empty, or off).
QString LessonSubject(const QString& cellSubject, const QString& generalSubject);

// A slot is off in both cells or working in both; exactly one "0" is a timetable error.
inline bool IsTimetableError(const QString& classText, const QString& subjectText)
{
    return (classText == OffPeriod) != (subjectText == OffPeriod);
}

#include "data/Slot.h"

#include <algorithm>

QString PeriodName(int slot)
{
    static const QStringList names = {QStringLiteral("1st"), QStringLiteral("2nd"), QStringLiteral("3rd"),
                                      QStringLiteral("4th"), QStringLiteral("5th"), QStringLiteral("6th"),
                                      QStringLiteral("7th"), QStringLiteral("8th")};
    return names.at(PeriodOf(slot));
}

QString PeriodWord(int slot)
{
    static const QStringList words = {QStringLiteral("First"),   QStringLiteral("Second"), QStringLiteral("Third"),
                                      QStringLiteral("Forth"),   QStringLiteral("Fifth"),  QStringLiteral("Sixth"),
                                      QStringLiteral("Seventh"), QStringLiteral("Eighth")};
    return words.at(PeriodOf(slot));
}

int FreePeriodsOfDay(const QStringList& classes, int day, int periodsInDay)
{
    int free = 0;
    for (int period = 0; period < std::min(periodsInDay, PeriodsPerDay); ++period)
        free += classes.value(day * PeriodsPerDay + period) == OffPeriod ? 1 : 0;
    return free;
}

QString SlotColumn(QChar prefix, int slot)
{
    return QStringLiteral("%1%2%3").arg(prefix).arg(DayOf(slot) + 1).arg(PeriodOf(slot) + 1);
}

QString LessonSubject(const QString& cellSubject, const QString& generalSubject)
{
    const QString subject = cellSubject.trimmed();
    return subject.isEmpty() || subject == OffPeriod ? generalSubject : cellSubject;
}

#include "relief/ReliefLoad.h"

#include "data/HistoryStore.h"
#include "data/ProgramSettings.h"
#include "relief/ReliefSetModel.h"

#include <QLocale>

namespace {
QDate MondayOf(const QDate& day)
{
    return day.addDays(1 - day.dayOfWeek());
}
}

std::optional<ReliefLoads> ReliefLoads::Read(Connection& connection, const QDate& today,
                                             const QList<ReliefRecord>& todaysRows)
{
    HistoryStore history(connection);
    const QDate yesterday = today.addDays(-1);
    const QDate termStart = ProgramSettings(connection).TermStart(today);
    const std::optional<QList<DatedRelief>> week = history.Range(MondayOf(today), yesterday);
    const std::optional<QList<TeacherDayCount>> term = history.CountsByTeacher(termStart, yesterday);
    const std::optional<QHash<QString, QDate>> last = history.LastDays(today);
    if (!week || !term || !last)
        return std::nullopt;
    ReliefLoads loads;
    for (const DatedRelief& relief : *week) {
        if (HasReliefTeacher(relief.record))
            loads.loads_[relief.record[ReliefRecord::TeaNoP].trimmed()].week
                << WeekRelief {relief.day, relief.record[ReliefRecord::Period]};
    }
    for (const TeacherDayCount& count : *term)
        loads.loads_[count.number].term += count.reliefs;
    for (auto day = last->begin(); day != last->end(); ++day)
        loads.loads_[day.key()].last = day.value();
    loads.AddToday(today, termStart, todaysRows);
    return loads;
}

void ReliefLoads::AddToday(const QDate& today, const QDate& termStart, const QList<ReliefRecord>& rows)
{
    for (const ReliefRecord& row : rows) {
        if (!HasReliefTeacher(row))
            continue;
        TeacherLoad& load = loads_[row[ReliefRecord::TeaNoP].trimmed()];
        ++load.today;
        if (today.dayOfWeek() <= 5)
            load.week << WeekRelief {today, row[ReliefRecord::Period]};
        if (today >= termStart)
            ++load.term;
        load.last = today;
    }
}

QString ReliefLoads::Summary(const TeacherLoad& load)
{
    const QLocale locale;
    QStringList reliefs;
    for (const WeekRelief& relief : load.week)
        reliefs << locale.toString(relief.day, QStringLiteral("ddd ")) + relief.period;
    QString week = QString::number(load.Week());
    if (!reliefs.isEmpty())
        week += QStringLiteral(" (%1)").arg(reliefs.join(QStringLiteral(", ")));
    const QString last = load.last.isValid() ? locale.toString(load.last, QStringLiteral("dddd d MMMM"))
                                             : QStringLiteral("none");
    return QStringLiteral("This week: %1 · This term: %2 · Last: %3").arg(week).arg(load.term).arg(last);
}

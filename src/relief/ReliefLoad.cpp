#include "relief/ReliefLoad.h"

#include "data/HistoryStore.h"
#include "data/ProgramSettings.h"
#include "relief/ReliefSetModel.h"

#include <QLocale>

std::optional<ReliefLoads> ReliefLoads::ReadHistory(Connection& connection, const QDate& today, const QDate& termStart)
{
    HistoryStore history(connection);
    const QDate yesterday = today.addDays(-1);
    const std::optional<QList<DatedRelief>> week = history.Range(SchoolWeekOf(today).from, yesterday);
    const std::optional<QHash<QString, TeacherTotal>> totals = history.Totals(termStart, today);
    if (!week || !totals)
        return std::nullopt;
    ReliefLoads loads;
    for (const DatedRelief& relief : *week) {
        if (HasReliefTeacher(relief.record))
            loads.loads_[relief.record[ReliefRecord::TeaNoP].trimmed()].week
                << WeekRelief {relief.day, relief.record[ReliefRecord::Period]};
    }
    for (auto total = totals->begin(); total != totals->end(); ++total) {
        TeacherLoad& load = loads.loads_[total.key()];
        load.term = total->since;
        load.last = total->last;
    }
    return loads;
}

ReliefLoads ReliefLoads::WithToday(const QDate& today, const QDate& termStart, const QList<ReliefRecord>& rows) const
{
    ReliefLoads loads = *this;
    for (const ReliefRecord& row : rows) {
        if (!HasReliefTeacher(row))
            continue;
        TeacherLoad& load = loads.loads_[row[ReliefRecord::TeaNoP].trimmed()];
        ++load.today;
        if (today <= SchoolWeekOf(today).to)
            load.week << WeekRelief {today, row[ReliefRecord::Period]};
        if (today >= termStart)
            ++load.term;
        load.last = today;
    }
    return loads;
}

std::optional<ReliefLoads> LoadHistory::Loads(Connection& connection, const QDate& today,
                                              const QList<ReliefRecord>& todaysRows)
{
    const QDate termStart = ProgramSettings(connection).TermStart(today);
    if (!history_ || day_ != today || termStart_ != termStart) {
        history_ = ReliefLoads::ReadHistory(connection, today, termStart);
        day_ = today;
        termStart_ = termStart;
    }
    if (!history_)
        return std::nullopt;
    return history_->WithToday(today, termStart, todaysRows);
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

DayRange SchoolWeekOf(const QDate& day)
{
    const QDate monday = day.addDays(1 - day.dayOfWeek());
    return {monday, monday.addDays(4)};
}

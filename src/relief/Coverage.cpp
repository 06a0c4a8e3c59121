#include "relief/Coverage.h"

#include "attendance/frmAtten.h"
#include "attendance/frmTTAb.h"
#include "data/Connection.h"
#include "data/ConnectionString.h"
#include "data/Slot.h"
#include "relief/ReliefSetModel.h"
#include "relief/frmList.h"
#include "ui/Clock.h"
#include "ui/ScreenRegistry.h"

namespace {
// Period 0..7 of a period name "1st".."8th"; -1 for any other text.
int PeriodOfName(const QString& name)
{
    for (int period = 0; period < PeriodsPerDay; ++period) {
        if (PeriodName(period) == name)
            return period;
    }
    return -1;
}
}

QList<CoveredLesson> CoveredToday(const QList<PlannedRelief>& planned, const QDate& today)
{
    QList<CoveredLesson> covered;
    const int weekday = today.dayOfWeek();
    if (weekday < 1 || weekday > DaysPerWeek)
        return covered;
    for (const PlannedRelief& plannedRow : planned) {
        const ReliefRecord& row = plannedRow.record;
        const int period = PeriodOfName(row[ReliefRecord::Period]);
        if (plannedRow.plannedFor != today || !HasReliefTeacher(row) || period < 0)
            continue;
        covered << CoveredLesson {row[ReliefRecord::TeaNo].toInt(), (weekday - 1) * PeriodsPerDay + period,
                                  row[ReliefRecord::Grade], row[ReliefRecord::PresenceTea]};
    }
    return covered;
}

namespace {
// The set kept for today, read on a connection of its own since no screen of
// the relief side is open; none when it cannot be read.
QList<PlannedRelief> KeptSet(const QDate& today)
{
    Connection connection;
    if (!connection.Open(ConnectionString()))
        return {};
    return PlannedSetStore(connection).Read(today).value_or(QList<PlannedRelief>());
}
}

void ShowCoverage(ScreenRegistry& registry)
{
    const QDate today = registry.clock().Today();
    frmList* list = registry.Find<frmList>();
    const QList<CoveredLesson> covered = CoveredToday(list ? list->Plan().Planned() : KeptSet(today), today);
    if (auto* timetable = registry.Find<frmTTAb>())
        timetable->SetCoverage(covered);
    if (auto* board = registry.Find<frmAtten>())
        board->SetCoveredLessons(covered);
}

#include "relief/Coverage.h"

#include "attendance/frmAtten.h"
#include "attendance/frmTTAb.h"
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

QList<CoveredLesson> CoveredToday(const QList<ReliefRecord>& rows, const QDate& today)
{
    QList<CoveredLesson> covered;
    const int weekday = today.dayOfWeek();
    if (weekday < 1 || weekday > DaysPerWeek)
        return covered;
    for (const ReliefRecord& row : rows) {
        const int period = PeriodOfName(row[ReliefRecord::Period]);
        if (!HasReliefTeacher(row) || period < 0)
            continue;
        covered << CoveredLesson{row[ReliefRecord::TeaNo].toInt(), (weekday - 1) * PeriodsPerDay + period,
                                 row[ReliefRecord::Grade], row[ReliefRecord::PresenceTea]};
    }
    return covered;
}

void ShowCoverage(ScreenRegistry& registry)
{
    frmList* list = registry.Find<frmList>();
    const QList<CoveredLesson> covered =
        list ? CoveredToday(list->Plan().Rows(), registry.clock().Today()) : QList<CoveredLesson>();
    if (auto* timetable = registry.Find<frmTTAb>())
        timetable->SetCoverage(covered);
    if (auto* board = registry.Find<frmAtten>())
        board->SetCoveredLessons(covered);
}

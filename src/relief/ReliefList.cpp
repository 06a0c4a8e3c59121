#include "relief/ReliefList.h"

#include "attendance/AttendanceDay.h"
#include "data/Slot.h"
#include "relief/ReliefColours.h"

QList<ReliefCandidate> ScanCandidates(const QList<TeacherTimetable>& teachers, const AttendanceDay& day, int slot,
                                      const QString& periodName, int periodsInDay)
{
    QList<ReliefCandidate> candidates;
    if (!IsTeachingPeriod(slot, periodsInDay))
        return candidates;
    for (const TeacherTimetable& teacher : teachers) {
        const bool off = teacher.classes.value(slot) == OffPeriod;
        const int box = day.BoxOf(teacher.number.toInt());
        if (!off || box < 0 || !day.IsPresent(box) || day.At(box).kind != TeacherKind::ReliefOn)
            continue;
        candidates << ReliefCandidate {SlotKey(periodName, teacher.name1), teacher.number, teacher.name1,
                                       teacher.subject, FreePeriodsOfDay(teacher.classes, DayOf(slot), periodsInDay)};
    }
    return candidates;
}

QString SlotKey(const QString& periodName, const QString& teacherName)
{
    return periodName + teacherName.trimmed();
}

QList<ReliefCandidate> PruneAssigned(const QList<ReliefCandidate>& candidates, const QStringList& assignedKeys)
{
    QList<ReliefCandidate> left;
    for (const ReliefCandidate& candidate : candidates) {
        if (!assignedKeys.contains(candidate.slotKey))
            left << candidate;
    }
    return left;
}

QList<ReliefListRow> FillRows(const QList<ReliefCandidate>& candidates, bool trim, const QStringList& reliefNumbers)
{
    const auto shown = [trim](const QString& text) { return trim ? text.trimmed() : text; };
    QList<ReliefListRow> rows;
    for (const ReliefCandidate& candidate : candidates) {
        ReliefListRow row {
            shown(candidate.number), shown(candidate.name), shown(candidate.subject), 0, candidate.totalFree, {}, {}};
        const int used = int(reliefNumbers.count(row.number));
        row.free = row.totalFree - used;
        row.colour = FreeColour(row.free);
        row.totalFreeColour = used == 0 ? QColor(Qt::black) : AlreadyRelievesColour;
        rows << row;
    }
    return rows;
}

QColor FreeColour(int free)
{
    switch (free) {
    case 1: return OneFreeColour;
    case 2: return TwoFreeColour;
    case 3: return ThreeFreeColour;
    default: return Qt::black;
    }
}

int ReliefListWidthTwips(int candidates)
{
    return candidates <= 33 ? 7740 : 15210;
}

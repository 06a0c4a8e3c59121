#include "import/SlotMapping.h"

#include "data/TeacherRow.h"
#include "import/WeekdayNames.h"

#include <QRegularExpression>

#include <algorithm>
#include <numeric>

namespace {
QList<int> Identity(qsizetype count)
{
    QList<int> places(count);
    std::iota(places.begin(), places.end(), 0);
    return places;
}

// The place of each name when the names are sorted by a key; ties keep file order.
template <class Key>
QList<int> RanksBy(const QList<Key>& keys)
{
    QList<int> order = Identity(keys.size());
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return keys[a] < keys[b]; });
    QList<int> ranks(keys.size());
    for (int rank = 0; rank < order.size(); ++rank)
        ranks[order[rank]] = rank;
    return ranks;
}

// Every run of digits of each name, in turn, so that "8:45" sorts after
// "8:00" and "P10" after "P2"; nothing when a name has no digit.
std::optional<QList<QList<int>>> DigitRuns(const QStringList& names)
{
    static const QRegularExpression digits(QStringLiteral("[0-9]{1,9}"));
    QList<QList<int>> runs;
    for (const QString& name : names) {
        QList<int> numbers;
        for (const QRegularExpressionMatch& match : digits.globalMatch(name))
            numbers << match.captured().toInt();
        if (numbers.isEmpty())
            return std::nullopt;
        runs << numbers;
    }
    return runs;
}

QList<int> GuessedPlaces(const QStringList& names, bool days)
{
    if (const auto numbers = DigitRuns(names))
        return RanksBy(*numbers);
    if (days) {
        if (const auto weekDays = WeekdayNumbers(names)) {
            const bool workingWeek = std::all_of(weekDays->begin(), weekDays->end(),
                                                 [](int day) { return day < DaysPerWeek; });
            return workingWeek ? *weekDays : RanksBy(*weekDays);
        }
    }
    return Identity(names.size());
}

QString Clash(const QStringList& names, const QList<int>& places, const QStringList& targets)
{
    for (int a = 0; a < places.size(); ++a) {
        for (int b = a + 1; b < places.size(); ++b) {
            if (places[a] == places[b])
                return QStringLiteral("\"%1\" and \"%2\" both go to %3; give each its own.")
                    .arg(names[a], names[b], targets[places[a]]);
        }
    }
    return {};
}
}

SlotMapping FileOrderMapping(const FetTimetable& timetable)
{
    return {Identity(timetable.days.size()), Identity(timetable.hours.size())};
}

SlotMapping GuessedMapping(const FetTimetable& timetable)
{
    return {GuessedPlaces(timetable.days, true), GuessedPlaces(timetable.hours, false)};
}

QString CheckMapping(const FetTimetable& timetable, const SlotMapping& mapping)
{
    QStringList periods;
    for (int period = 1; period <= PeriodsPerDay; ++period)
        periods << QStringLiteral("period %1").arg(period);
    const QString days = Clash(timetable.days, mapping.dayOf, DayNames);
    return days.isEmpty() ? Clash(timetable.hours, mapping.periodOf, periods) : days;
}

#include "relief/ReliefPlan.h"

#include "relief/Doubles.h"

#include <algorithm>

ReliefRecord UncoveredLesson(const QString& number, const QString& name, const QString& grade, const QString& period)
{
    ReliefRecord row;
    row[ReliefRecord::TeaNo] = number;
    row[ReliefRecord::AbsenceTea] = name;
    row[ReliefRecord::Grade] = grade;
    row[ReliefRecord::Period] = period;
    return row;
}

// A row saved without a relief teacher comes back with the helper's number 0.
QString ReliefPlan::KeyOf(const ReliefRecord& row, const QDate& plannedFor) const
{
    const QString& number = row[ReliefRecord::TeaNoP];
    if (plannedFor != day_ || number.isEmpty() || number == QLatin1String("0"))
        return {};
    return SlotKey(row[ReliefRecord::Period], row[ReliefRecord::PresenceTea]);
}

QList<PlannedRelief> ReliefPlan::Planned() const
{
    QList<PlannedRelief> planned;
    for (int row = 0; row < RowCount(); ++row)
        planned << PlannedRelief {Rows()[row], days_[row].plannedFor, days_[row].slotKey};
    return planned;
}

QStringList ReliefPlan::AssignedSlotKeys() const
{
    QStringList keys;
    for (const RowDay& day : days_) {
        if (!day.slotKey.isEmpty())
            keys << day.slotKey;
    }
    return keys;
}

QStringList ReliefPlan::ReliefNumbers() const
{
    QStringList numbers;
    for (const ReliefRecord& row : Rows())
        numbers << row[ReliefRecord::TeaNoP];
    return numbers;
}

int ReliefPlan::RowOfLesson(const ReliefRecord& lesson, const QDate& plannedFor) const
{
    for (int row = 0; row < RowCount(); ++row) {
        if (days_[row].plannedFor == plannedFor && SameLesson(Rows()[row], lesson))
            return row;
    }
    return -1;
}

std::optional<QDate> ReliefPlan::AnotherDay() const
{
    const auto other = std::find_if(days_.begin(), days_.end(),
                                    [this](const RowDay& day) { return day.plannedFor != day_; });
    if (other == days_.end())
        return std::nullopt;
    return other->plannedFor;
}

int ReliefPlan::UncoveredCount() const
{
    return int(std::count_if(Rows().begin(), Rows().end(),
                             [](const ReliefRecord& row) { return row[ReliefRecord::PresenceTea].isEmpty(); }));
}

void ReliefPlan::Append(const ReliefRecord& row, const QDate& plannedFor)
{
    model_.Append(row);
    days_ << RowDay {plannedFor, KeyOf(row, plannedFor)};
}

void ReliefPlan::StartLesson(const QString& number, const QString& name, const QString& grade, const QString& period)
{
    Append(UncoveredLesson(number, name, grade, period), day_);
    lessonRow_ = RowCount() - 1;
    RowsChanged();
    LessonStarted();
}

void ReliefPlan::TakeUpLesson(int row)
{
    if (row < 0 || row >= RowCount())
        return;
    lessonRow_ = row;
    LessonStarted();
}

void ReliefPlan::ChooseRelief(const ReliefListRow& candidate, const QString& subject)
{
    ChooseReliefFor(lessonRow_ >= 0 ? lessonRow_ : RowCount() - 1, candidate, subject);
}

void ReliefPlan::ChooseReliefFor(int rowIndex, const ReliefListRow& candidate, const QString& subject)
{
    if (rowIndex < 0 || rowIndex >= RowCount())
        return;
    ReliefRecord row = Rows()[rowIndex];
    row[ReliefRecord::PresenceTea] = candidate.name;
    row[ReliefRecord::Subject] = subject;
    row[ReliefRecord::ComName] = candidate.subject;
    row[ReliefRecord::TeaNoP] = candidate.number;
    model_.ReplaceRow(rowIndex, row);
    days_[rowIndex].slotKey = KeyOf(row, days_[rowIndex].plannedFor);
    RowsChanged();
    ReliefChosen();
}

void ReliefPlan::RemoveLast()
{
    model_.RemoveLast();
    if (!days_.isEmpty())
        days_.removeLast();
    if (lessonRow_ >= RowCount())
        lessonRow_ = -1;
    RowsChanged();
}

bool ReliefPlan::LastRowIsDuplicate() const
{
    if (Rows().isEmpty())
        return false;
    const ReliefRecord& last = Rows().last();
    const auto isGroup = [](const ReliefRecord& row) { return row[ReliefRecord::Grade].endsWith('*'); };
    if (isGroup(last))
        return false;
    for (int row = 0; row + 1 < RowCount(); ++row) {
        const ReliefRecord& earlier = Rows()[row];
        if (days_[row].plannedFor == days_.last().plannedFor && !isGroup(earlier)
            && earlier[ReliefRecord::Grade] == last[ReliefRecord::Grade]
            && earlier[ReliefRecord::Period] == last[ReliefRecord::Period])
            return true;
    }
    return false;
}

void ReliefPlan::AppendSaved(const QList<ReliefRecord>& rows, const QDate& plannedFor)
{
    for (const ReliefRecord& row : rows) {
        if (RowOfLesson(row, plannedFor) < 0)
            Append(row, plannedFor);
    }
    RowsChanged();
    emit savedAppended();
}

void ReliefPlan::Restore(const QList<PlannedRelief>& rows)
{
    model_.Clear();
    days_.clear();
    lessonRow_ = -1;
    for (const PlannedRelief& row : rows) {
        if (RowOfLesson(row.record, row.plannedFor) >= 0)
            continue;
        model_.Append(row.record);
        days_ << RowDay {row.plannedFor, row.slotKey};
    }
    RowsChanged();
}

void ReliefPlan::PlanAllForTheDay()
{
    for (int row = 0; row < RowCount(); ++row)
        days_[row] = RowDay {day_, KeyOf(Rows()[row], day_)};
    RowsChanged();
}

void ReliefPlan::Clear()
{
    model_.Clear();
    days_.clear();
    candidates_.clear();
    lessonRow_ = -1;
    RowsChanged();
    emit cleared();
}

void ReliefPlan::StartDay(const QDate& day)
{
    day_ = day;
    Clear();
}

void ReliefPlan::RowsChanged()
{
    if (heldBack_)
        heldBack_->rowsChanged = true;
    else
        emit rowsChanged();
}

void ReliefPlan::LessonStarted()
{
    if (heldBack_)
        heldBack_->last = &ReliefPlan::lessonStarted;
    else
        emit lessonStarted();
}

void ReliefPlan::ReliefChosen()
{
    if (heldBack_)
        heldBack_->last = &ReliefPlan::reliefChosen;
    else
        emit reliefChosen();
}

void ReliefPlan::AsOneChange(const std::function<void()>& steps)
{
    heldBack_.emplace();
    steps();
    const HeldBack held = *heldBack_;
    heldBack_.reset();
    if (held.rowsChanged)
        emit rowsChanged();
    if (held.last)
        (this->*held.last)();
}

#include "relief/ReliefPlan.h"

QStringList ReliefPlan::AssignedSlotKeys() const
{
    QStringList keys;
    for (const ReliefRecord& row : Rows()) {
        if (!row[ReliefRecord::PresenceTea].isEmpty())
            keys << SlotKey(row[ReliefRecord::Period], row[ReliefRecord::PresenceTea]);
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

void ReliefPlan::StartLesson(const QString& number, const QString& name, const QString& grade, const QString& period)
{
    ReliefRecord row;
    row[ReliefRecord::TeaNo] = number;
    row[ReliefRecord::AbsenceTea] = name;
    row[ReliefRecord::Grade] = grade;
    row[ReliefRecord::Period] = period;
    model_.Append(row);
    emit rowsChanged();
    emit lessonStarted();
}

void ReliefPlan::ChooseRelief(const ReliefListRow& candidate, const QString& absentSubject)
{
    if (Rows().isEmpty())
        return;
    ReliefRecord row = Rows().last();
    row[ReliefRecord::PresenceTea] = candidate.name;
    row[ReliefRecord::Subject] = absentSubject;
    row[ReliefRecord::ComName] = candidate.subject;
    row[ReliefRecord::TeaNoP] = candidate.number;
    model_.ReplaceRow(RowCount() - 1, row);
    emit rowsChanged();
    emit reliefChosen();
}

void ReliefPlan::RemoveLast()
{
    model_.RemoveLast();
    emit rowsChanged();
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
        if (!isGroup(earlier) && earlier[ReliefRecord::Grade] == last[ReliefRecord::Grade]
            && earlier[ReliefRecord::Period] == last[ReliefRecord::Period])
            return true;
    }
    return false;
}

void ReliefPlan::AppendSaved(const QList<ReliefRecord>& rows)
{
    for (const ReliefRecord& row : rows)
        model_.Append(row);
    emit rowsChanged();
    emit savedAppended();
}

void ReliefPlan::Clear()
{
    model_.Clear();
    candidates_.clear();
    emit rowsChanged();
    emit cleared();
}

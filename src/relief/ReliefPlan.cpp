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

void ReliefPlan::StartRow(const QString& number, const QString& name, const QString& grade, const QString& period)
{
    ReliefRecord row;
    row[ReliefRecord::TeaNo] = number;
    row[ReliefRecord::AbsenceTea] = name;
    row[ReliefRecord::Grade] = grade;
    row[ReliefRecord::Period] = period;
    model_.Append(row);
}

void ReliefPlan::CompleteLastRow(const QString& reliefName, const QString& subject, const QString& reliefSubject,
                                 const QString& reliefNumber)
{
    if (Rows().isEmpty())
        return;
    ReliefRecord row = Rows().last();
    row[ReliefRecord::PresenceTea] = reliefName;
    row[ReliefRecord::Subject] = subject;
    row[ReliefRecord::ComName] = reliefSubject;
    row[ReliefRecord::TeaNoP] = reliefNumber;
    model_.ReplaceRow(RowCount() - 1, row);
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

void ReliefPlan::AppendRows(const QList<ReliefRecord>& rows)
{
    for (const ReliefRecord& row : rows)
        model_.Append(row);
}

void ReliefPlan::Clear()
{
    model_.Clear();
    candidates_.clear();
}

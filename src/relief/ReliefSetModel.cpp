#include "relief/ReliefSetModel.h"

#include "relief/ReliefColours.h"

namespace {
struct ColumnHead {
    const char* caption;
    int widthTwips;
};

constexpr ColumnHead Heads[ReliefRecord::ColumnCount] = {
    {"Tea. No", 1000}, {"Absence Tea.", 2200}, {"Grade", 1000},    {"Period", 1000}, {"Presence Tea.", 2000},
    {"Subject", 2000}, {"Com Name", 1440},     {"Tea No P", 1000}, {"Adno", 500},
};
}

bool HasReliefTeacher(const ReliefRecord& row)
{
    const QString& number = row[ReliefRecord::TeaNoP];
    return !number.isEmpty() && number != QStringLiteral("0");
}

int ReliefSetModel::ColumnWidthTwips(int column)
{
    return Heads[column].widthTwips;
}

int ReliefSetModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(rows_.size());
}

int ReliefSetModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ReliefRecord::ColumnCount;
}

QVariant ReliefSetModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rows_.size() || index.column() >= ReliefRecord::ColumnCount)
        return {};
    const ReliefRecord& row = rows_[index.row()];
    const bool covered = HasReliefTeacher(row);
    if (role == Qt::BackgroundRole)
        return covered ? QVariant() : QVariant(UncoveredRowColour);
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
        return {};
    const QString& text = row.fields[index.column()];
    if (!covered && index.column() == ReliefRecord::PresenceTea && text.isEmpty())
        return QStringLiteral("not covered");
    return text;
}

QVariant ReliefSetModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= ReliefRecord::ColumnCount)
        return {};
    return QString::fromLatin1(Heads[section].caption);
}

void ReliefSetModel::Append(const ReliefRecord& record)
{
    const int row = int(rows_.size());
    beginInsertRows({}, row, row);
    rows_ << record;
    endInsertRows();
}

void ReliefSetModel::ReplaceRow(int row, const ReliefRecord& record)
{
    rows_[row] = record;
    emit dataChanged(index(row, 0), index(row, ReliefRecord::ColumnCount - 1));
}

void ReliefSetModel::RemoveLast()
{
    if (rows_.isEmpty())
        return;
    const int row = int(rows_.size()) - 1;
    beginRemoveRows({}, row, row);
    rows_.removeLast();
    endRemoveRows();
}

void ReliefSetModel::Clear()
{
    beginResetModel();
    rows_.clear();
    endResetModel();
}

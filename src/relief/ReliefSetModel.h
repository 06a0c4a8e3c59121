#pragma once

#include "data/ReliefRecord.h"

#include <QAbstractTableModel>
#include <QList>

// Whether a row of the relief set has a relief teacher: a number in its
// "Tea No P". A row whose relief is not chosen yet has none, and a row saved
// without one comes back with "0", printed as done by a helper.
bool HasReliefTeacher(const ReliefRecord& row);

// The relief set as a nine-column table, newest row last. A row without a
// relief teacher is drawn pale red, with "not covered" in its "Presence Tea."
// while that is empty; the rows themselves keep what was stored.
class ReliefSetModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    // Column widths of the relief set list, in twips.
    static int ColumnWidthTwips(int column);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    const QList<ReliefRecord>& Rows() const { return rows_; }
    void Append(const ReliefRecord& record);
    void ReplaceRow(int row, const ReliefRecord& record);
    void RemoveLast();
    void Clear();

private:
    QList<ReliefRecord> rows_;
};

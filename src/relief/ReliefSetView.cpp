#include "relief/ReliefSetView.h"

#include "relief/ReliefSetModel.h"
#include "ui/Twips.h"

#include <QHeaderView>
#include <QTreeView>

QTreeView* NewReliefSetView(const QString& name, ReliefSetModel& model, QWidget* parent)
{
    auto* view = new QTreeView(parent);
    view->setObjectName(name);
    view->setModel(&model);
    view->setRootIsDecorated(false);
    view->setUniformRowHeights(true);
    view->setAllColumnsShowFocus(true);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->header()->setStretchLastSection(false);
    int width = 0;
    for (int column = 0; column < ReliefRecord::ColumnCount; ++column) {
        view->setColumnWidth(column, Twips(ReliefSetModel::ColumnWidthTwips(column)));
        width += view->columnWidth(column);
    }
    view->setMinimumSize(width + 24, 320);
    return view;
}

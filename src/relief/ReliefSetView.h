#pragma once

#include <QString>

class QTreeView;
class QWidget;
class ReliefSetModel;

// A list of reliefs in the relief set's nine columns, at their widths, read-only, whole rows selected.
QTreeView* NewReliefSetView(const QString& name, ReliefSetModel& model, QWidget* parent);

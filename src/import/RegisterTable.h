#pragma once

#include "data/TeacherRow.h"

#include <QList>
#include <QStringList>
#include <QVariantList>

#include <optional>

class Connection;

// Every teacher of TabelPB in number order; empty when the table cannot be
// read (the connection then holds the failure).
std::optional<QList<TeacherRow>> ReadTeacherRows(Connection& connection);

// The same, each row as the 89 column texts in table order, exactly as stored.
std::optional<QList<QStringList>> ReadTeacherTexts(Connection& connection);

// A text as a value for a column that holds no NULL: an empty text stays empty.
QVariant CellValue(const QString& text);

// A row's 89 values in table order, the number as a number.
QVariantList ColumnValues(const TeacherRow& row);

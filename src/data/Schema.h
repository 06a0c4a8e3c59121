#pragma once

#include <QString>
#include <QStringList>

class QSqlDatabase;

// The program's three tables, in the order the schema creates them.
QStringList DatabaseTables();

// A table's columns in their order, as the program creates it.
const QStringList& TableColumns(const QString& table);

// What keeps an existing file's tables from being read by column position as
// the program does: a missing table, or the first column that is missing or
// out of place. Empty when every table has the program's columns in order
// (columns added after them do no harm).
QString LayoutDifference(const QSqlDatabase& db);

// Creates the program's tables and the settings row in an open, empty
// database, in one transaction. False, with the store's reason, on failure.
bool CreateSchema(const QSqlDatabase& db, QString* reason);

// Creates a new database file with its tables and the settings row. The file
// is built beside its place and renamed into it, so a failure leaves no file.
bool CreateDatabaseFile(const QString& path, QString* reason);

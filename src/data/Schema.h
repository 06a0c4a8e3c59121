#pragma once

#include <QString>
#include <QStringList>

// The program's three tables, in the order the schema creates them.
QStringList DatabaseTables();

// Creates a new database file with its tables and the settings row. The file
// is built beside its place and renamed into it, so a failure leaves no file.
bool CreateDatabaseFile(const QString& path, QString* reason);

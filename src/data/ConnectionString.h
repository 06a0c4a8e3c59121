#pragma once

#include <QString>

inline constexpr auto DatabaseFileName = "teacherdb2.mdb";

// The one connection string of the program, built afresh from the database
// file in use (see ApplicationFolder.h) each time a connection opens.
QString ConnectionString();

// The database file that a connection string names (its "Data Source").
QString DataSourcePath(const QString& connectionString);

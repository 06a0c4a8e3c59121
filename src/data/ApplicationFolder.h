#pragma once

#include <QString>

// The folder that holds the program's files and its database file. It is the
// executable's folder unless start-up or a test has set another one.
QString ApplicationFolder();
void SetApplicationFolder(const QString& folder);

// The folder the program keeps its files in when it starts from this one: the
// program's own folder where it can be written to or already holds the
// database (a folder carried on a USB stick), otherwise the user's data
// folder, made when missing (an installed program).
QString DataFolderFor(const QString& programFolder);

// The database file in use: the one named on the command line, otherwise the
// application folder's teacherdb2.mdb.
QString DatabaseFilePath();
void SetDatabaseFile(const QString& path);

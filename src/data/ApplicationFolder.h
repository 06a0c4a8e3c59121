#pragma once

#include <QString>

// The folder that holds the program's files and its database file. It is the
// executable's folder unless start-up or a test has set another one.
QString ApplicationFolder();
void SetApplicationFolder(const QString& folder);

// Where the program runs from: a folder of its own (the build tree, a copy
// carried on a USB stick), or installed among the system's programs.
enum class ProgramPlace { OwnFolder, Installed };

// The folder the program keeps its files in when it starts from this one.
// A program in a folder of its own keeps them there where it can write to it
// or the folder already holds the database. An installed program never keeps
// them in its folder, whoever starts it. Otherwise, the user's data folder,
// made when missing.
QString DataFolderFor(const QString& programFolder, ProgramPlace place);

// The database file in use: the one named on the command line, otherwise the
// application folder's teacherdb2.mdb.
QString DatabaseFilePath();
void SetDatabaseFile(const QString& path);

#pragma once

#include <QString>

class QSqlDatabase;

// The program's own tables, beside the three tables of the register. Each
// schema version only adds to the one before; PRAGMA user_version holds the
// version a file has reached. A file of a newer version is left as it is:
// what this build knows of it is still there.
constexpr int ProgramSchemaVersion = 3;

// Brings the file's own tables up to this build's version in one transaction.
// False, with the store's reason, when they cannot be made (the file is left
// as it was).
bool EnsureProgramTables(const QSqlDatabase& db, QString* reason);

#pragma once

#include <QString>

class ScreenRegistry;

// Brings a backup back in place of the database in use: a new database is
// built from what the program knows of the file and checked, what it holds
// is shown and the operator asked; then a copy of the database in use is
// kept beside it as teacherdb2.before-restore.mdb, every screen is closed and
// the new database takes its place in one step. A file that fails a check is
// refused with the reason and nothing changes. True once the new database is
// in place; the caller then opens the login.
bool RestoreBackup(ScreenRegistry& registry, const QString& backup);

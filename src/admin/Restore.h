#pragma once

#include <QString>

class ScreenRegistry;

// Brings a backup back in place of the database in use: the file is checked,
// what it holds is shown and the operator asked; then a copy of the database
// in use is kept beside it as teacherdb2.before-restore.mdb, every screen is
// closed and the backup takes the database's place in one step. A file that
// fails a check is refused with the reason and nothing changes. True once the
// backup is in place; the caller then opens the login.
bool RestoreBackup(ScreenRegistry& registry, const QString& backup);

#pragma once

#include <QString>

class Connection;

// Writes a consistent copy of the open database to a file, as the store
// itself copies it while other connections use the file. The copy is made
// beside the target, checked and only then renamed into place, so a failure
// leaves an older file of that name as it was. The database's own file is
// never a target. False, with the reason, on failure.
bool CopyDatabase(Connection& source, const QString& target, QString* reason);

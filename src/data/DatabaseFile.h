#pragma once

#include <QString>

class QSqlDatabase;

// What a database file holds, counted when it is checked.
struct DatabaseContents {
    int teachers = 0;
    int reliefs = 0;
};

// Writes a copy of an open database to a file, as the store copies a file
// that other connections are using. False, with the store's reason, on failure.
bool WriteDatabaseCopy(const QSqlDatabase& source, const QString& target, QString* reason);

// Builds a database in `target`, a file that is empty or missing, from the
// file at `source`, which is only read. The new database gets the program's
// own tables, as a new file does, and then the rows of each table the
// program knows, every column it knows copied by name; a value that does not
// fit its column's type is refused. Nothing else comes across: no trigger,
// view, index or other table of the source. The source is refused, with the
// reason, when it fails the store's own check, lacks the register's tables
// or columns, or cannot be read; when its settings row or password would let
// nobody log in; or when a teacher has no number or shares his with another.
bool RebuildDatabaseFile(const QString& source, const QString& target, DatabaseContents* contents, QString* reason);

// Whether a file could be rebuilt so, and what it holds: the same checks and
// copy, made in memory.
bool CheckDatabaseFile(const QString& path, DatabaseContents* contents, QString* reason);

// Whether a file begins as every file of the store does.
bool IsDatabaseFile(const QString& path);

// Whether a path names the database in use or a file the store keeps beside
// it while it works (its journal).
bool IsDatabaseInUse(const QString& path);

#pragma once

#include "data/DatabaseFile.h"

#include <QString>

class Connection;

// Writes a consistent copy of the open database to a file, as the store
// itself copies it while other connections use the file. The copy is made
// beside the target, checked as a restore would check it and only then
// renamed into place, so a failure leaves an older file of that name as it
// was. The database's own file is never a target, and the copy is never open
// to more users than the database file. Leftovers of a copy that was killed
// in that folder are removed first. False, with the reason, on failure.
bool CopyDatabase(Connection& source, const QString& target, QString* reason);

// Copies a file byte for byte, whatever it holds, written beside the target
// and renamed into place; the copy gets the file's mode. False, with the
// reason, on failure.
bool CopyFileWhole(const QString& file, const QString& target, QString* reason);

// The database rebuilt from a backup beside the database file (only what the
// program knows of the backup comes across), checked and not yet in its
// place; the rebuilt file is removed when this goes before it was put in place.
class PreparedRestore {
public:
    PreparedRestore(const QString& backup, const QString& database);
    ~PreparedRestore();
    PreparedRestore(const PreparedRestore&) = delete;
    PreparedRestore& operator=(const PreparedRestore&) = delete;

    // False, with the reason, when the backup was refused or could not be rebuilt.
    bool IsReady() const { return reason_.isEmpty(); }
    QString Reason() const { return reason_; }
    const DatabaseContents& Contents() const { return contents_; }
    // Replaces the database file with the rebuilt one in one step.
    bool PutInPlace(QString* reason);

private:
    QString database_;
    QString copy_;
    QString reason_;
    DatabaseContents contents_;
};

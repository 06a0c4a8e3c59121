#pragma once

#include <QDateTime>
#include <QString>

class Connection;

// Writes a consistent copy of the open database to a file, as the store
// itself copies it while other connections use the file. The copy is made
// beside the target, checked and only then renamed into place, so a failure
// leaves an older file of that name as it was. The database's own file is
// never a target, and the copy is never open to more users than the database
// file. Leftovers of a copy that was killed in that folder are removed first.
// False, with the reason, on failure.
bool CopyDatabase(Connection& source, const QString& target, QString* reason);

// Copies a file byte for byte, whatever it holds, written beside the target
// and renamed into place; the copy gets the file's mode. False, with the
// reason, on failure.
bool CopyFileWhole(const QString& file, const QString& target, QString* reason);

// What a backup holds, read when it is checked before a restore.
struct BackupContents {
    QDateTime written;
    int teachers = 0;
    int reliefs = 0;
};

// Whether a file can take the database's place: it opens, passes the store's
// own check, and has the tables and columns the program reads. The file is
// only read. False, with the reason, when it cannot.
bool CheckBackup(const QString& path, BackupContents* contents, QString* reason);

// A checked copy of the backup, made beside the database file and not yet in
// its place; the copy is removed when this goes before it was put in place.
class PreparedRestore {
public:
    PreparedRestore(const QString& backup, const QString& database);
    ~PreparedRestore();
    PreparedRestore(const PreparedRestore&) = delete;
    PreparedRestore& operator=(const PreparedRestore&) = delete;

    bool IsReady() const { return reason_.isEmpty(); }
    QString Reason() const { return reason_; }
    // Replaces the database file with the copy in one step.
    bool PutInPlace(QString* reason);

private:
    QString database_;
    QString copy_;
    QString reason_;
};

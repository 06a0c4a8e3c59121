#pragma once

#include <QDateTime>
#include <QString>

// Where and when the last backup was made, kept in the user's own settings
// (organisation and application "Morvane", group "Settings").
struct BackupRecord {
    QString path;
    QString date;
    QString time;

    // The record of a backup written now to this path: "dd, MMM, yyyy" and "hh:mm:ss AM".
    static BackupRecord Of(const QString& path, const QDateTime& when);
    // The stored record; a key never written reads as empty text.
    static BackupRecord Read();
    void Write() const;
};

#include "admin/DatabaseCopy.h"

#include "data/Connection.h"

#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryFile>

#include <filesystem>

namespace {
// The store's own check of every page and index of the copy.
bool CopyIsSound(const QString& path, QString* reason)
{
    const QString name = QStringLiteral("morvane-backup-check");
    bool sound = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (db.open()) {
            QSqlQuery query(db);
            sound = query.exec(QStringLiteral("PRAGMA integrity_check")) && query.next()
                && query.value(0).toString() == QLatin1String("ok");
            *reason = sound ? QString() : QStringLiteral("the copy did not pass the database's own check");
            query.finish();
        } else {
            *reason = db.lastError().databaseText();
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return sound;
}
}

bool CopyDatabase(Connection& source, const QString& target, QString* reason)
{
    std::error_code sameFile;
    if (std::filesystem::equivalent(target.toStdU16String(), source.FilePath().toStdU16String(), sameFile)) {
        *reason = QStringLiteral("it is the database file the program is using");
        return false;
    }
    const QFileInfo targetInfo(target);
    // An empty file beside the target reserves the copy's name; the store fills it.
    QTemporaryFile copy(targetInfo.absolutePath() + QStringLiteral("/.") + targetInfo.fileName()
                        + QStringLiteral(".XXXXXX"));
    if (!copy.open()) {
        *reason = copy.errorString();
        return false;
    }
    copy.close();
    if (!source.Execute(QStringLiteral("VACUUM INTO ?"), {copy.fileName()})) {
        *reason = source.LastError().description;
        return false;
    }
    if (!CopyIsSound(copy.fileName(), reason))
        return false;
    // The name-reserving file is private to its owner; the backup is an ordinary file.
    copy.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup
                        | QFileDevice::ReadOther);
    std::error_code error;
    std::filesystem::rename(copy.fileName().toStdU16String(), target.toStdU16String(), error);
    if (error) {
        *reason = QString::fromStdString(error.message());
        return false;
    }
    copy.setAutoRemove(false);
    return true;
}

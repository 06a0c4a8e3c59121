#include "data/ApplicationFolder.h"

#include "data/ConnectionString.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace {
QString& FolderOverride()
{
    static QString folder;
    return folder;
}

QString& DatabaseOverride()
{
    static QString file;
    return file;
}

// Whether a new file can be made in the folder: the store needs that for its journal.
bool TakesNewFiles(const QString& folder)
{
    QTemporaryFile probe(folder + QStringLiteral("/.morvane-XXXXXX"));
    return probe.open();
}
}

QString ApplicationFolder()
{
    const QString& folder = FolderOverride();
    return folder.isEmpty() ? QCoreApplication::applicationDirPath() : folder;
}

void SetApplicationFolder(const QString& folder)
{
    FolderOverride() = folder;
}

QString DataFolderFor(const QString& programFolder, ProgramPlace place)
{
    if (place == ProgramPlace::OwnFolder
        && (QFileInfo::exists(programFolder + '/' + DatabaseFileName) || TakesNewFiles(programFolder)))
        return programFolder;
    QString userFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(userFolder);
    return userFolder;
}

QString DatabaseFilePath()
{
    const QString& file = DatabaseOverride();
    return file.isEmpty() ? ApplicationFolder() + '/' + DatabaseFileName : file;
}

void SetDatabaseFile(const QString& path)
{
    DatabaseOverride() = path.isEmpty() ? QString() : QFileInfo(path).absoluteFilePath();
}

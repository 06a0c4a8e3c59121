#include "data/ApplicationFolder.h"

#include <QCoreApplication>

namespace {
QString& FolderOverride()
{
    static QString folder;
    return folder;
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

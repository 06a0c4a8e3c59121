#include "ui/LogoFile.h"

#include <QFile>
#include <QFileInfo>

bool IsLogoFile(const QString& path)
{
    if (path.isEmpty() || path == QLatin1String("N/A"))
        return false;
    const QFileInfo info(path);
    return info.isFile() && info.size() <= MaxLogoBytes;
}

QImage LoadLogo(const QString& path)
{
    if (!IsLogoFile(path))
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QImage::fromData(file.read(MaxLogoBytes));
}

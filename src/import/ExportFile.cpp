#include "import/ExportFile.h"

#include "ui/Prompter.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

QString ExportPath(Prompter& prompter, QString path)
{
    if (!QFileInfo(path).suffix().isEmpty())
        return path;
    path += QStringLiteral(".csv");
    if (QFileInfo::exists(path)
        && !prompter.Ask(
            QStringLiteral("%1 already exists.\nDo you want to replace it?").arg(QDir::toNativeSeparators(path)),
            QStringLiteral("Export"), MessageIcon::Exclamation))
        return {};
    return path;
}

QString WriteExportFile(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return file.errorString();
    return {};
}

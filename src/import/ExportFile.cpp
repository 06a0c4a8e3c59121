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

bool ExportToChosenFile(Prompter& prompter, const ExportRequest& request, const QByteArray& bytes)
{
    const QString chosen = prompter.SaveFile(request.dialogTitle, request.filter);
    if (chosen.isEmpty())
        return false;
    const QString path = ExportPath(prompter, chosen);
    if (path.isEmpty())
        return false;
    const QString where = QDir::toNativeSeparators(path);
    const QString title = QStringLiteral("Export");
    if (const QString failure = WriteExportFile(path, bytes); !failure.isEmpty()) {
        prompter.Report(QStringLiteral("%1 could not be exported to %2: %3").arg(request.what, where, failure), title,
                        MessageIcon::Critical);
        return false;
    }
    prompter.Report(QStringLiteral("%1 exported to %2.").arg(request.written, where), title, MessageIcon::Information);
    return true;
}

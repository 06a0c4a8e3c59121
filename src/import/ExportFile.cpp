#include "import/ExportFile.h"

#include "data/DatabaseFile.h"
#include "ui/Prompter.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace {
// A CSV written over a database would destroy it: the database in use and
// the files the store keeps beside it, the name the database and its
// backups go by, and any other database file are no target of an export.
QString WhyNotATarget(const QString& path)
{
    if (IsDatabaseInUse(path))
        return QStringLiteral("it is the database file the program is using");
    if (QFileInfo(path).suffix().compare(QLatin1String("mdb"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("the database and its backups are named so");
    if (IsDatabaseFile(path))
        return QStringLiteral("it is a database file");
    return {};
}
}

QString ExportPath(Prompter& prompter, const QString& chosen)
{
    const bool extended = QFileInfo(chosen).suffix().isEmpty();
    const QString path = extended ? chosen + QStringLiteral(".csv") : chosen;
    const QString where = QDir::toNativeSeparators(path);
    const QString title = QStringLiteral("Export");
    if (const QString refusal = WhyNotATarget(path); !refusal.isEmpty()) {
        prompter.Report(QStringLiteral("Nothing was exported to %1: %2.").arg(where, refusal), title,
                        MessageIcon::Critical);
        return {};
    }
    if (extended && QFileInfo::exists(path)
        && !prompter.Ask(QStringLiteral("%1 already exists.\nDo you want to replace it?").arg(where), title,
                         MessageIcon::Exclamation))
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

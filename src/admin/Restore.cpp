#include "admin/Restore.h"

#include "admin/BackupRecord.h"
#include "admin/DatabaseCopy.h"
#include "data/ApplicationFolder.h"
#include "ui/Prompter.h"
#include "ui/ScreenRegistry.h"

#include <QDir>
#include <QFileInfo>

namespace {
const QString RestoreTitle = QStringLiteral("Restore");

QString Native(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

void Refuse(ScreenRegistry& registry, const QString& backup, const QString& reason)
{
    registry.prompter().Report(
        QStringLiteral("%1 cannot be restored: %2.\n\nNothing was changed.").arg(Native(backup), reason), RestoreTitle,
        MessageIcon::Critical);
}

bool AskToRestore(ScreenRegistry& registry, const QString& backup, const DatabaseContents& contents,
                  const QString& keptCopy)
{
    const BackupRecord written = BackupRecord::Of(backup, QFileInfo(backup).lastModified());
    QString text = QStringLiteral("Restore the backup %1?\n\nWritten: %2 %3\nTeachers: %4\nSaved reliefs: %5\n\n")
                       .arg(Native(backup), written.date, written.time)
                       .arg(contents.teachers)
                       .arg(contents.reliefs);
    text += keptCopy.isEmpty() ? QStringLiteral("It becomes the database %1.").arg(Native(DatabaseFilePath()))
                               : QStringLiteral("It replaces the database in use, %1; a copy of that is kept as %2.")
                                     .arg(Native(DatabaseFilePath()), Native(keptCopy));
    return registry.prompter().Ask(text, RestoreTitle, MessageIcon::Exclamation);
}

}

bool RestoreBackup(ScreenRegistry& registry, const QString& backup)
{
    const QFileInfo database(DatabaseFilePath());
    PreparedRestore restore(backup, database.absoluteFilePath());
    if (!restore.IsReady()) {
        Refuse(registry, backup, restore.Reason());
        return false;
    }
    // The copy of the database in use is taken as it is, also when it is
    // damaged, since that may be why a backup is brought back.
    const QString keptCopy = database.exists()
        ? database.absoluteDir().filePath(database.completeBaseName() + QStringLiteral(".before-restore.mdb"))
        : QString();
    if (!AskToRestore(registry, backup, restore.Contents(), keptCopy))
        return false;
    QString reason;
    if (!keptCopy.isEmpty() && !CopyFileWhole(database.absoluteFilePath(), keptCopy, &reason)) {
        Refuse(registry, backup, reason);
        return false;
    }
    registry.CloseAll();
    if (!restore.PutInPlace(&reason)) {
        Refuse(registry, backup, reason);
        return false;
    }
    return true;
}

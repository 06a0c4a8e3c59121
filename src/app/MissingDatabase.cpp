#include "app/MissingDatabase.h"

#include "admin/BackupRecord.h"
#include "admin/Restore.h"
#include "data/ApplicationFolder.h"
#include "ui/Prompter.h"
#include "ui/ScreenRegistry.h"

#include <QDir>
#include <QFileInfo>

void OfferLastBackupForMissingDatabase(ScreenRegistry& registry)
{
    const QFileInfo database(DatabaseFilePath());
    const BackupRecord last = BackupRecord::Read();
    if (database.exists() || last.path.isEmpty())
        return;
    const bool openBackup = registry.prompter().Ask(
        QStringLiteral("No database was found in the folder %1.\n\nThe last backup was made on %2 at %3 to %4.\n\n"
                       "Press Yes to open the last backup, or No to start with an empty database.")
            .arg(QDir::toNativeSeparators(database.absolutePath()), last.date, last.time, last.path),
        QStringLiteral("No database"), MessageIcon::Exclamation);
    if (openBackup)
        RestoreBackup(registry, QDir::fromNativeSeparators(last.path));
}

#include "ui/DatabaseConnection.h"

#include "data/Connection.h"
#include "data/ConnectionString.h"
#include "ui/Prompter.h"
#include "ui/ScreenRegistry.h"

#include <QDir>
#include <QFileInfo>

namespace {
QString FileName(const Connection& connection)
{
    return QDir::toNativeSeparators(connection.FilePath());
}

QString CannotOpenText(const Connection& connection)
{
    return QStringLiteral("The database file %1 cannot be opened: %2.")
        .arg(FileName(connection), connection.LastError().description);
}
}

bool OpenDatabaseOrEnd(Connection& connection, ScreenRegistry& registry)
{
    if (connection.Open(ConnectionString()))
        return true;
    if (!registry.IsEnding()) {
        registry.prompter().Report(CannotOpenText(connection) + QStringLiteral("\n\nThe program will now end."), {},
                                   MessageIcon::Critical);
        registry.EndProgram(1);
    }
    return false;
}

bool OpenDatabaseForScreen(Connection& connection, ScreenRegistry& registry)
{
    if (connection.Open(ConnectionString()))
        return true;
    registry.prompter().Report(CannotOpenText(connection)
                                   + QStringLiteral(
                                       "\n\nThis screen cannot be opened now. Please try again in a moment."),
                               {}, MessageIcon::Exclamation);
    return false;
}

void ReportReadFailure(const Connection& connection, ScreenRegistry& registry)
{
    registry.prompter().Report(QStringLiteral("The database file %1 cannot be read: %2.")
                                   .arg(FileName(connection), connection.LastError().Reason()),
                               {}, MessageIcon::Critical);
}

void WarnWhenChangesCannotBeSaved(const Connection& connection, ScreenRegistry& registry)
{
    if (connection.FolderAcceptsChanges())
        return;
    registry.prompter().Report(
        QStringLiteral("Changes cannot be saved: the folder %1, which holds the database file, cannot be written to. "
                       "Teachers can be looked at, but nothing can be added, changed or deleted until the folder "
                       "can be written to.")
            .arg(QDir::toNativeSeparators(QFileInfo(connection.FilePath()).absolutePath())),
        {}, MessageIcon::Exclamation);
}

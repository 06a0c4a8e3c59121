#include "ui/DatabaseConnection.h"

#include "data/Connection.h"
#include "data/ConnectionString.h"
#include "ui/Prompter.h"
#include "ui/ScreenRegistry.h"

#include <QDir>

bool OpenDatabaseOrEnd(Connection& connection, ScreenRegistry& registry)
{
    if (connection.Open(ConnectionString()))
        return true;
    if (!registry.IsEnding()) {
        registry.prompter().Report(QStringLiteral("The database file %1 cannot be opened: %2.\n\nThe program will now end.")
                                       .arg(QDir::toNativeSeparators(connection.FilePath()),
                                            connection.LastError().description),
                                   {}, MessageIcon::Critical);
        registry.EndProgram(1);
    }
    return false;
}

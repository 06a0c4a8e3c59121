#include "app/CommandLine.h"
#include "app/MissingDatabase.h"
#include "app/ProductPicture.h"
#include "app/Screens.h"
#include "app/frmSplash.h"
#include "data/ApplicationFolder.h"
#include "ui/Clock.h"
#include "ui/DevicePrinter.h"
#include "ui/DialogPrompter.h"
#include "ui/LinkOpener.h"
#include "ui/ScreenRegistry.h"

#include <QApplication>
#include <QIcon>

namespace {
// The program as installed (cmake --install, the package) keeps its data in
// the user's data folder; the built one, or a copy carried in a folder of its
// own, beside itself where it can.
#ifdef MORVANE_INSTALLED
constexpr ProgramPlace Place = ProgramPlace::Installed;
#else
constexpr ProgramPlace Place = ProgramPlace::OwnFolder;
#endif

// Read before the window system is reached, so that help, the version and a
// mistake need no display.
CommandLine ReadArguments(int& argc, char* argv[])
{
    const QCoreApplication reading(argc, argv);
    return ReadCommandLine(QCoreApplication::arguments());
}
}

int main(int argc, char* argv[])
{
    QCoreApplication::setOrganizationName(QStringLiteral("Morvane"));
    QCoreApplication::setApplicationName(QStringLiteral("Morvane"));
    QCoreApplication::setApplicationVersion(QStringLiteral(MORVANE_VERSION));
    const CommandLine commandLine = ReadArguments(argc, argv);
    if (commandLine.exitCode) {
        PrintCommandLineText(commandLine);
        return *commandLine.exitCode;
    }
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setWindowIcon(ProgramIcon());
    QApplication::setQuitOnLastWindowClosed(false);
    SetApplicationFolder(DataFolderFor(QApplication::applicationDirPath(), Place));
    SetDatabaseFile(commandLine.database);

    DialogPrompter prompter;
    SystemClock clock;
    DevicePrinter printer;
    DesktopLinkOpener links;
    ScreenRegistry registry(prompter, clock, printer, links);
    RegisterScreens(registry);
    QObject::connect(&registry, &ScreenRegistry::programEnded, &app, &QCoreApplication::exit, Qt::QueuedConnection);

    // A folder that has lost its database is not silently given an empty one
    // where the user has a backup to bring back.
    if (commandLine.database.isEmpty())
        OfferLastBackupForMissingDatabase(registry);
    // The splash screen opens the login, and a login the teacher screen. A
    // database that cannot be opened is reported by the login's load, which
    // then ends the program.
    registry.Show<frmSplash>();
    return QApplication::exec();
}

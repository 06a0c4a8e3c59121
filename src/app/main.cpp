#include "app/Screens.h"
#include "ui/Clock.h"
#include "ui/DevicePrinter.h"
#include "ui/DialogPrompter.h"
#include "ui/LinkOpener.h"
#include "ui/ScreenRegistry.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Morvane"));
    QApplication::setApplicationName(QStringLiteral("Morvane"));
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setQuitOnLastWindowClosed(false);

    DialogPrompter prompter;
    SystemClock clock;
    DevicePrinter printer;
    DesktopLinkOpener links;
    ScreenRegistry registry(prompter, clock, printer, links);
    RegisterScreens(registry);
    QObject::connect(&registry, &ScreenRegistry::programEnded, &app, &QCoreApplication::exit, Qt::QueuedConnection);

    // The splash screen opens the login, and a login the teacher screen. A
    // database that cannot be opened is reported by the login's load, which
    // then ends the program.
    registry.Show(QStringLiteral("frmSplash"));
    return QApplication::exec();
}

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

    // A database that cannot be opened is reported by the screen's load, which
    // then ends the program before anything is shown.
    registry.Show(QStringLiteral("frmDbase"));
    return QApplication::exec();
}

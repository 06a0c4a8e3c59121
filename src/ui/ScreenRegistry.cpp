#include "ui/ScreenRegistry.h"

ScreenRegistry::ScreenRegistry(Prompter& prompter, Clock& clock, Printer& printer, LinkOpener& links)
    : prompter_(prompter)
    , clock_(clock)
    , printer_(printer)
    , links_(links)
{
}

// Screens still open when the program ends go with the registry, and with
// them their database connections.
ScreenRegistry::~ScreenRegistry()
{
    for (const QPointer<QWidget>& screen : std::as_const(screens_))
        delete screen.data();
}

QWidget* ScreenRegistry::Find(const QString& name) const
{
    return screens_.value(name);
}

QWidget* ScreenRegistry::Open(const QString& name)
{
    if (QWidget* screen = Find(name))
        return screen;
    const auto factory = factories_.constFind(name);
    if (factory == factories_.constEnd())
        return nullptr;
    QWidget* screen = (*factory)(*this);
    screen->setObjectName(name);
    screen->setAttribute(Qt::WA_DeleteOnClose);
    screens_.insert(name, screen);
    return screen;
}

QWidget* ScreenRegistry::Show(const QString& name)
{
    QWidget* screen = Open(name);
    if (screen && !ending_) {
        screen->show();
        screen->raise();
        screen->activateWindow();
    }
    return screen;
}

void ScreenRegistry::EndProgram(int exitCode)
{
    ending_ = true;
    for (const QPointer<QWidget>& screen : std::as_const(screens_)) {
        if (screen)
            screen->close();
    }
    emit programEnded(exitCode);
}

#include "ui/ScreenRegistry.h"

#include "ui/Screen.h"

#include <QDebug>
#include <QScopedValueRollback>

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
    for (const QPointer<QWidget>& screen : std::as_const(created_))
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
    if (factory == factories_.constEnd()) {
        qWarning().noquote() << "ScreenRegistry: no screen named" << name;
        return nullptr;
    }
    Screen* screen = (*factory)(*this);
    if (!screen->IsLoaded()) {
        delete screen;
        return nullptr;
    }
    screen->setObjectName(name);
    screen->setAttribute(Qt::WA_DeleteOnClose);
    screens_.insert(name, screen);
    created_ << screen;
    created_.removeAll(nullptr);
    emit screenOpened(screen);
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

void ScreenRegistry::Forget(const QWidget* screen)
{
    for (auto it = screens_.begin(); it != screens_.end(); ++it) {
        if (it.value() == screen) {
            screens_.erase(it);
            return;
        }
    }
}

void ScreenRegistry::SetSchool(const School& school)
{
    school_ = school;
    emit schoolChanged(school_);
}

void ScreenRegistry::EndProgram(int exitCode)
{
    ending_ = true;
    CloseScreens();
    emit programEnded(exitCode);
}

void ScreenRegistry::CloseAll()
{
    const QScopedValueRollback<bool> closing(ending_, true);
    CloseScreens();
}

void ScreenRegistry::CloseScreens()
{
    const QList<QPointer<QWidget>> open = screens_.values();
    for (const QPointer<QWidget>& screen : open) {
        if (screen)
            screen->close();
    }
}

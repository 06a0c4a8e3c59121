#pragma once

#include "ui/School.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QWidget>

#include <functional>

class Clock;
class Screen;
class LinkOpener;
class Printer;
class Prompter;

// Hands out the program's screens, one instance each: a screen that is closed
// is created (and so loaded) when asked for, and forgotten when it closes.
// Screens reach each other and the platform only through the registry.
class ScreenRegistry : public QObject {
    Q_OBJECT
public:
    using Factory = std::function<Screen*(ScreenRegistry&)>;

    ScreenRegistry(Prompter& prompter, Clock& clock, Printer& printer, LinkOpener& links);
    ~ScreenRegistry() override;

    template <class Screen>
    void Register()
    {
        factories_.insert(QString::fromLatin1(Screen::staticMetaObject.className()),
                          [](ScreenRegistry& registry) { return new Screen(registry); });
    }

    // The open screen, or a newly created and loaded one. Null when its load
    // failed (the screen has told the operator why) or when that screen was
    // never registered, which is a fault of the program and reported as a warning.
    template <class Screen>
    Screen* Open()
    {
        return qobject_cast<Screen*>(Open(NameOf<Screen>()));
    }
    // As Open, and shows the screen in front.
    template <class Screen>
    Screen* Show()
    {
        return qobject_cast<Screen*>(Show(NameOf<Screen>()));
    }
    // The open screen, or null.
    template <class Screen>
    Screen* Find() const
    {
        return qobject_cast<Screen*>(Find(NameOf<Screen>()));
    }
    // Closes the screen if it is open.
    template <class Screen>
    void Close()
    {
        if (Screen* screen = Find<Screen>())
            screen->close();
    }

    // The screen the program runs on while it is open (the teacher screen):
    // previews that outlive other screens belong to it, and it places them.
    QWidget* MainScreen() const { return mainScreen_; }
    void SetMainScreen(QWidget* screen) { mainScreen_ = screen; }

    // Closes every screen and ends the program with the given exit code.
    void EndProgram(int exitCode = 0);
    // Closes every screen as at the end, without a question, and the program
    // goes on with the screen the caller opens next.
    void CloseAll();
    bool IsEnding() const { return ending_; }

    // A screen that has closed is no longer handed out.
    void Forget(const QWidget* screen);

    // The school the Administrator logged in to, as every screen and report shows it.
    const School& school() const { return school_; }
    void SetSchool(const School& school);

    Prompter& prompter() const { return prompter_; }
    Clock& clock() const { return clock_; }
    Printer& printer() const { return printer_; }
    LinkOpener& links() const { return links_; }

signals:
    void programEnded(int exitCode);
    // A screen has just been created and loaded.
    void screenOpened(QWidget* screen);
    void schoolChanged(const School& school);

private:
    QWidget* Open(const QString& name);
    QWidget* Show(const QString& name);
    QWidget* Find(const QString& name) const;
    void CloseScreens();

    template <class Screen>
    static QString NameOf()
    {
        return QString::fromLatin1(Screen::staticMetaObject.className());
    }

    Prompter& prompter_;
    Clock& clock_;
    Printer& printer_;
    LinkOpener& links_;
    School school_;
    QPointer<QWidget> mainScreen_;
    QHash<QString, Factory> factories_;
    QHash<QString, QPointer<QWidget>> screens_;
    // Every screen handed out that may still exist, closed ones too until the
    // event loop deletes them; those left at the end go with the registry.
    QList<QPointer<QWidget>> created_;
    bool ending_ = false;
};

#pragma once

#include "ScriptedPrompter.h"
#include "ui/Clock.h"
#include "ui/LinkOpener.h"
#include "ui/Printer.h"
#include "ui/ScreenRegistry.h"

#include <QImage>
#include <QList>
#include <QStringList>
#include <QTemporaryDir>

#include <future>
#include <memory>
#include <source_location>
#include <thread>

class FixedClock : public Clock {
public:
    QDateTime now = QDateTime(QDate(2026, 12, 10), QTime(8, 0));
    QDateTime Now() const override { return now; }
};

class RecordingPrinter : public Printer {
public:
    QList<QImage> printed;
    void PrintImage(const QImage& image) override { printed << image; }
};

class RecordingLinks : public LinkOpener {
public:
    QList<QUrl> opened;
    void Open(const QUrl& url) override { opened << url; }
};

// Another program holding the database file: from construction until the
// given time has passed (or, without a time, until destruction), an exclusive
// lock keeps every reader and writer out.
class LockHolder {
public:
    explicit LockHolder(const QString& databasePath, int milliseconds = -1);
    ~LockHolder();

private:
    std::promise<void> release_;
    std::thread thread_;
};

// Runs SQL straight on a database file, outside the program.
QList<QVariantList> QueryFile(const QString& path, const QString& sql);
void ExecFile(const QString& path, const QString& sql, const QVariantList& values = {});

// Ends a program started by TestProgram::Restart, its screens closed and gone.
void EndProgram(ScreenRegistry& registry);

// The program as a test runs it: a temporary application folder with its own
// database, the scripted prompter, a fixed clock, and the screens registered.
class TestProgram {
public:
    explicit TestProgram(const std::source_location& where = std::source_location::current());
    ~TestProgram();

    QString Folder() const { return folder.path(); }
    QString DatabasePath() const;
    // Creates the database file as the first start does and adds these teacher rows.
    void CreateDatabase(const QList<QStringList>& teachers = {});
    // Runs SQL straight on the database file, outside the program.
    QList<QVariantList> Query(const QString& sql) const;
    void Exec(const QString& sql, const QVariantList& values = {}) const;
    void CloseScreens();
    // Damages the teacher table's last page, as a bad disk sector would: the
    // rows before it still read, the read then fails. Needs rows on more than one page.
    void DamageLastTeacherPage() const;

    template <class Screen>
    Screen* Open()
    {
        return registry.Open<Screen>();
    }

    // Another start of the program in the same folder, while this one's
    // screens may still be open as after a crash: a registry of its own with
    // the screens registered, on the same prompter, clock and printer.
    std::unique_ptr<ScreenRegistry> Restart();

    QTemporaryDir folder;
    ScriptedPrompter prompter;
    FixedClock clock;
    RecordingPrinter printer;
    RecordingLinks links;
    ScreenRegistry registry;
};

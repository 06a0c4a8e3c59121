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

// The program as a test runs it: a temporary application folder with its own
// database, the scripted prompter, a fixed clock, and the screens registered.
class TestProgram {
public:
    TestProgram();
    ~TestProgram();

    QString Folder() const { return folder.path(); }
    QString DatabasePath() const;
    // Creates the database file as the first start does and adds these teacher rows.
    void CreateDatabase(const QList<QStringList>& teachers = {});
    // Runs SQL straight on the database file, outside the program.
    QList<QVariantList> Query(const QString& sql) const;
    void Exec(const QString& sql, const QVariantList& values = {}) const;
    void CloseScreens();

    template <class Screen>
    Screen* Open() { return registry.Open<Screen>(); }

    QTemporaryDir folder;
    ScriptedPrompter prompter;
    FixedClock clock;
    RecordingPrinter printer;
    RecordingLinks links;
    ScreenRegistry registry;
};

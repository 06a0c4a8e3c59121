#pragma once

#include "import/FetTimetable.h"
#include "import/ImportedTeacher.h"
#include "import/Progress.h"
#include "import/SlotMapping.h"

enum class ImportKind { FetXml, FetCsv, RegisterCsv };

// A file chosen for import, read and recognised by its content: FET's
// teachers XML, FET's timetable CSV or the register's own CSV.
struct ImportSource {
    QString path;
    ImportKind kind = ImportKind::FetXml;
    FetTimetable timetable;    // the FET kinds
    ImportedTeachers teachers; // the register's CSV
    QString error;             // why the file cannot be imported at all

    // Whether the operator may change where the file's days and hours go.
    bool HasMappableWeek() const { return kind == ImportKind::FetCsv; }
    SlotMapping DefaultMapping() const;
    ImportedTeachers Teachers(const SlotMapping& mapping) const;
    // The periods of a school day that a FET week takes: up to the last period
    // its hours go to. None for the register's CSV, which gives no week.
    std::optional<int> PeriodsInDay(const SlotMapping& mapping) const;
};

// The largest file that is read; its records take a few times its size in memory.
constexpr qint64 MaxImportBytes = 50 * 1024 * 1024;

// Reads and recognises a file. A file over MaxImportBytes, or one that memory
// cannot hold, is refused with the reason, as are files of no known kind.
ImportSource ReadImportFile(const QString& path, const Progress& progress = {});

// The file dialog's filters for the three kinds.
QString ImportFileFilter();

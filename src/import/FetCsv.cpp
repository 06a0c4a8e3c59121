#include "import/FetCsv.h"

#include "import/CsvColumns.h"

#include <QHash>

namespace {
const QString Day = QStringLiteral("Day");
const QString Hour = QStringLiteral("Hour");
const QString Students = QStringLiteral("Students Sets");
const QString Subject = QStringLiteral("Subject");
const QString Teachers = QStringLiteral("Teachers");

QStringList Joined(const QString& field)
{
    return field.isEmpty() ? QStringList() : field.split('+');
}

void AddRow(FetTimetable& timetable, QHash<QString, int>& known, const CsvColumns& columns, const CsvRecord& record)
{
    if (const auto wrong = columns.CheckFieldCount(record)) {
        timetable.rejected << *wrong;
        return;
    }
    const QStringList teachers = Joined(columns.Field(record, Teachers));
    if (teachers.isEmpty())
        return;
    const QString day = columns.Field(record, Day);
    const QString hour = columns.Field(record, Hour);
    if (day.isEmpty() || hour.isEmpty()) {
        timetable.rejected << RejectedRow {record.line, teachers.join('+'), QStringLiteral("it has no day or no hour")};
        return;
    }
    const int dayIndex = NameIndex(timetable.days, day);
    const int hourIndex = NameIndex(timetable.hours, hour);
    for (const QString& teacher : teachers) {
        if (!known.contains(teacher)) {
            known.insert(teacher, int(timetable.teachers.size()));
            timetable.teachers << FetTeacher {record.line, teacher};
        }
        timetable.lessons << FetLesson {record.line,
                                        known.value(teacher),
                                        dayIndex,
                                        hourIndex,
                                        Joined(columns.Field(record, Students)),
                                        columns.Field(record, Subject)};
    }
}
}

bool IsFetTimetableHeader(const QStringList& header)
{
    const CsvColumns columns(header);
    return columns.Has(QStringLiteral("Activity Id")) || columns.Has(Teachers) || columns.Has(Students);
}

FetTimetable ReadFetTimetableCsv(CsvTable&& csv, QString* error)
{
    const CsvColumns columns(csv.records.first().fields);
    const QString missing = columns.FirstMissing({Day, Hour, Students, Subject, Teachers});
    if (!missing.isEmpty()) {
        *error = QStringLiteral("The file has no column \"%1\", so it is not a timetable that FET exported. "
                                "Nothing was imported.")
                     .arg(missing);
        return {};
    }
    FetTimetable timetable;
    QHash<QString, int> known;
    for (qsizetype i = 1; i < csv.records.size(); ++i) {
        AddRow(timetable, known, columns, csv.records[i]);
        csv.records[i] = {}; // a large file's records are let go as they are read
    }
    *error = CheckFetWeek(timetable);
    return error->isEmpty() ? timetable : FetTimetable {};
}

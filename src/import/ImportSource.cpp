#include "import/ImportSource.h"

#include "import/Csv.h"
#include "import/FetCsv.h"
#include "import/FetTeachers.h"
#include "import/FetXml.h"
#include "import/RegisterCsv.h"

#include <QDir>
#include <QFile>

#include <algorithm>
#include <new>

namespace {
bool LooksLikeXml(const QString& path, QIODevice& file)
{
    const QByteArray start = file.peek(64 + Utf8Bom.size());
    const QByteArray body = start.startsWith(Utf8Bom) ? start.mid(Utf8Bom.size()) : start;
    return body.trimmed().startsWith('<') || path.endsWith(QLatin1String(".xml"), Qt::CaseInsensitive);
}

void ReadCsvSource(ImportSource& source, QIODevice& file, const Progress& progress)
{
    std::optional<QString> text = ReadUtf8Text(file, &source.error);
    if (!text)
        return;
    CsvTable csv = ParseCsv(*text, progress);
    text.reset();
    if (!csv.error.isEmpty()) {
        source.error = csv.error + QStringLiteral(" Nothing was imported.");
        return;
    }
    if (csv.records.isEmpty()) {
        source.error = QStringLiteral("The file is empty. Nothing was imported.");
        return;
    }
    const QStringList& header = csv.records.first().fields;
    if (IsFetTimetableHeader(header)) {
        source.kind = ImportKind::FetCsv;
        source.timetable = ReadFetTimetableCsv(std::move(csv), &source.error);
    } else if (IsRegisterHeader(header)) {
        source.kind = ImportKind::RegisterCsv;
        source.teachers = ReadRegisterCsv(std::move(csv), &source.error);
    } else {
        source.error = QStringLiteral("The file is neither a timetable that FET exported nor the register's CSV file: "
                                      "its first line names no column of either. Nothing was imported.");
    }
}

void ReadSource(ImportSource& source, QFile& file, const Progress& progress)
{
    if (LooksLikeXml(source.path, file)) {
        source.kind = ImportKind::FetXml;
        source.timetable = ReadFetTeachersXml(file, &source.error);
    } else {
        ReadCsvSource(source, file, progress);
    }
}
}

SlotMapping ImportSource::DefaultMapping() const
{
    return kind == ImportKind::FetCsv ? GuessedMapping(timetable) : FileOrderMapping(timetable);
}

ImportedTeachers ImportSource::Teachers(const SlotMapping& mapping) const
{
    return kind == ImportKind::RegisterCsv ? teachers : TeachersFromFet(timetable, mapping);
}

std::optional<int> ImportSource::PeriodsInDay(const SlotMapping& mapping) const
{
    if (kind == ImportKind::RegisterCsv || mapping.periodOf.isEmpty())
        return std::nullopt;
    return *std::max_element(mapping.periodOf.begin(), mapping.periodOf.end()) + 1;
}

ImportSource ReadImportFile(const QString& path, const Progress& progress)
{
    ImportSource source;
    source.path = path;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        source.error =
            QStringLiteral("The file %1 cannot be read: %2.").arg(QDir::toNativeSeparators(path), file.errorString());
        return source;
    }
    if (file.size() > MaxImportBytes) {
        source.error = QStringLiteral("The file is %1 MB; Import takes files of at most %2 MB. Nothing was imported.")
                           .arg(file.size() / (1024 * 1024))
                           .arg(MaxImportBytes / (1024 * 1024));
        return source;
    }
    try {
        ReadSource(source, file, progress);
    } catch (const std::bad_alloc&) {
        source = ImportSource();
        source.path = path;
        source.error = QStringLiteral("There is not enough memory to read the file. Nothing was imported.");
    }
    return source;
}

QString ImportFileFilter()
{
    return QStringLiteral("FET teachers timetable (*_teachers.xml);;FET timetable CSV (*_timetable.csv);;"
                          "Register CSV (*.csv);;All files (*)");
}

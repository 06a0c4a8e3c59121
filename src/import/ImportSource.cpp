#include "import/ImportSource.h"

#include "import/Csv.h"
#include "import/FetCsv.h"
#include "import/FetTeachers.h"
#include "import/FetXml.h"
#include "import/RegisterCsv.h"

#include <QDir>
#include <QFile>

#include <algorithm>

namespace {
bool LooksLikeXml(const QString& path, const QByteArray& bytes)
{
    const QByteArray start = bytes.startsWith(Utf8Bom) ? bytes.mid(Utf8Bom.size(), 64).trimmed() : bytes.left(64).trimmed();
    return start.startsWith('<') || path.endsWith(QLatin1String(".xml"), Qt::CaseInsensitive);
}

void ReadCsvSource(ImportSource& source, const QByteArray& bytes, const Progress& progress)
{
    const std::optional<QString> text = DecodeUtf8(bytes, &source.error);
    if (!text)
        return;
    const CsvTable csv = ParseCsv(*text, progress);
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
        source.timetable = ReadFetTimetableCsv(csv, &source.error);
    } else if (IsRegisterHeader(header)) {
        source.kind = ImportKind::RegisterCsv;
        source.teachers = ReadRegisterCsv(csv, &source.error);
    } else {
        source.error = QStringLiteral("The file is neither a timetable that FET exported nor the register's CSV file: "
                                      "its first line names no column of either. Nothing was imported.");
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
        source.error = QStringLiteral("The file %1 cannot be read: %2.").arg(QDir::toNativeSeparators(path), file.errorString());
        return source;
    }
    const QByteArray bytes = file.readAll();
    if (LooksLikeXml(path, bytes)) {
        source.kind = ImportKind::FetXml;
        source.timetable = ReadFetTeachersXml(bytes, &source.error);
    } else {
        ReadCsvSource(source, bytes, progress);
    }
    return source;
}

QString ImportFileFilter()
{
    return QStringLiteral("FET teachers timetable (*_teachers.xml);;FET timetable CSV (*_timetable.csv);;"
                          "Register CSV (*.csv);;All files (*)");
}

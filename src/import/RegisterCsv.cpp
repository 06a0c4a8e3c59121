#include "import/RegisterCsv.h"

#include "data/FieldLimits.h"
#include "data/TeacherNumber.h"
#include "import/CsvColumns.h"
#include "import/RegisterColumns.h"

#include <variant>

namespace {
const QString Blank = QStringLiteral("-");
const QString SalOnly = QStringLiteral("SalOnly");
const QString RelFree = QStringLiteral("RelFree");

QString OrBlank(const QString& text)
{
    return text.isEmpty() ? Blank : text;
}

QString FromSpreadsheetText(const QString& field)
{
    return field.startsWith('\'') ? field.mid(1) : field;
}

// The first text of a row that is longer than the register takes; empty when none is.
QString CheckLengths(const CsvColumns& columns, const CsvRecord& record)
{
    for (const QString& name : RegisterCsvColumns()) {
        if (FromSpreadsheetText(columns.Field(record, name)).size() > MaxRegisterText)
            return QStringLiteral("the text in column %1 is longer than %2 characters").arg(name).arg(MaxRegisterText);
    }
    return {};
}

// Why a row's number or flags cannot be taken; empty when they can.
QString CheckNumberAndFlags(const QString& number, const QString& salOnly, const QString& relFree)
{
    if (!number.isEmpty() && !ParseTeacherNumber(number))
        return QStringLiteral("the number \"%1\" is not a whole number from 1 to %2")
            .arg(number)
            .arg(HighestTeacherNumber);
    for (const QString& flag : {salOnly, relFree}) {
        if (flag != QLatin1String("0") && flag != QLatin1String("1"))
            return QStringLiteral("the flag \"%1\" is neither \"0\" nor \"1\"").arg(flag);
    }
    if (IsFlagSet(salOnly) && IsFlagSet(relFree))
        return QStringLiteral(
            "both flags are \"1\"; a teacher is attached for substitution or free of relief, not both");
    return {};
}

std::variant<ImportedTeacher, RejectedRow> ReadRow(const CsvColumns& columns, const CsvRecord& record)
{
    const auto field = [&](const QString& name) { return FromSpreadsheetText(columns.Field(record, name)); };
    const QString number = field(QStringLiteral("adno1"));
    QString reason = CheckNumberAndFlags(number, field(SalOnly), field(RelFree));
    if (reason.isEmpty())
        reason = CheckLengths(columns, record);
    if (!reason.isEmpty())
        return RejectedRow {record.line, field(QStringLiteral("name1")), reason};

    TeacherRow row;
    row.adno1 = number.isEmpty() ? QString() : QString::number(*ParseTeacherNumber(number));
    row.adno = row.adno1;
    row.title = OrBlank(field(QStringLiteral("title")));
    row.name1 = field(QStringLiteral("name1"));
    row.subject = OrBlank(field(QStringLiteral("subject")));
    row.comname = OrBlank(field(QStringLiteral("comname")));
    row.class1 = OrBlank(field(QStringLiteral("class1")));
    row.salOnly = IsFlagSet(field(SalOnly));
    row.relFree = IsFlagSet(field(RelFree));
    const QStringList& names = RegisterCsvColumns();
    const qsizetype firstClass = names.indexOf(QStringLiteral("a11"));
    for (int slot = 0; slot < SlotCount; ++slot) {
        const QString classText = field(names[firstClass + slot]);
        const bool off = classText.isEmpty();
        row.classes[slot] = off ? OffPeriod : classText;
        row.subjects[slot] = off ? OffPeriod : field(names[firstClass + SlotCount + slot]);
    }
    return ImportedTeacher {record.line, row};
}
}

QByteArray RegisterCsvFile(const QList<QStringList>& teacherTexts)
{
    QList<int> ordinals;
    for (const QString& name : RegisterCsvColumns())
        ordinals << TeacherColumnOrdinal(name);
    QString text = CsvLine(RegisterCsvColumns());
    for (const QStringList& teacher : teacherTexts) {
        QStringList fields;
        fields.reserve(ordinals.size());
        for (int ordinal : ordinals)
            fields << SpreadsheetText(teacher[ordinal]);
        text += CsvLine(fields);
    }
    return Utf8Bom + text.toUtf8();
}

bool IsRegisterHeader(const QStringList& header)
{
    const CsvColumns columns(header);
    return columns.Has(QStringLiteral("name1")) || columns.Has(QStringLiteral("adno1"));
}

ImportedTeachers ReadRegisterCsv(CsvTable&& csv, QString* error)
{
    const CsvColumns columns(csv.records.first().fields);
    const QString missing = columns.FirstMissing(RegisterCsvColumns());
    if (!missing.isEmpty()) {
        *error = QStringLiteral(
                     "The file has no column %1, so it is not the register's CSV file. Nothing was imported.")
                     .arg(missing);
        return {};
    }
    ImportedTeachers result;
    for (qsizetype i = 1; i < csv.records.size(); ++i) {
        if (const auto wrong = columns.CheckFieldCount(csv.records[i])) {
            result.rejected << *wrong;
            continue;
        }
        auto read = ReadRow(columns, csv.records[i]);
        csv.records[i] = {}; // a large file's records are let go as they are read
        if (auto* teacher = std::get_if<ImportedTeacher>(&read))
            result.teachers << *teacher;
        else
            result.rejected << std::get<RejectedRow>(read);
    }
    return result;
}

#include "import/RegisterTable.h"

#include "data/Recordset.h"

namespace {
template <class Row, class ReadRow>
std::optional<QList<Row>> ReadAll(Connection& connection, ReadRow readRow)
{
    Recordset recordset(connection, QStringLiteral("TabelPB"));
    if (!recordset.Open(QStringLiteral("select * from TabelPB order by adno1")))
        return std::nullopt;
    QList<Row> rows;
    rows.reserve(recordset.RecordCount());
    for (recordset.MoveFirst(); recordset.HasCurrentRow(); recordset.MoveNext())
        rows << readRow(recordset);
    return rows;
}
}

std::optional<QList<TeacherRow>> ReadTeacherRows(Connection& connection)
{
    return ReadAll<TeacherRow>(connection, &TeacherRow::Read);
}

std::optional<QList<QStringList>> ReadTeacherTexts(Connection& connection)
{
    return ReadAll<QStringList>(connection, [](const Recordset& recordset) {
        QStringList texts;
        for (int ordinal = 0; ordinal < TeacherColumn::Count; ++ordinal)
            texts << recordset.Text(ordinal);
        return texts;
    });
}

QVariant CellValue(const QString& text)
{
    return text.isNull() ? QStringLiteral("") : text;
}

QVariantList ColumnValues(const TeacherRow& row)
{
    QVariantList values(TeacherColumn::Count);
    values[TeacherColumn::adno] = CellValue(row.adno);
    for (int slot = 0; slot < SlotCount; ++slot) {
        values[TeacherColumn::FirstClass + slot] = CellValue(row.classes[slot]);
        values[TeacherColumn::FirstSubject + slot] = CellValue(row.subjects[slot]);
    }
    values[TeacherColumn::title] = CellValue(row.title);
    values[TeacherColumn::name1] = CellValue(row.name1);
    values[TeacherColumn::comname] = CellValue(row.comname);
    values[TeacherColumn::SalOnly] = FlagText(row.salOnly);
    values[TeacherColumn::adno1] = row.adno1.toInt();
    values[TeacherColumn::RelFree] = FlagText(row.relFree);
    values[TeacherColumn::subject] = CellValue(row.subject);
    values[TeacherColumn::class1] = CellValue(row.class1);
    return values;
}

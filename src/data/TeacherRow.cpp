#include "data/TeacherRow.h"

#include "data/Recordset.h"

namespace {
QVariant CellValue(const QString& text)
{
    return text.isNull() ? QStringLiteral("") : text;
}
}

TeacherRow TeacherRow::Read(const Recordset& recordset)
{
    TeacherRow row;
    row.adno = recordset.Text(TeacherColumn::adno);
    for (int slot = 0; slot < SlotCount; ++slot) {
        row.classes[slot] = recordset.Text(TeacherColumn::FirstClass + slot);
        row.subjects[slot] = recordset.Text(TeacherColumn::FirstSubject + slot);
    }
    row.title = recordset.Text(TeacherColumn::title);
    row.name1 = recordset.Text(TeacherColumn::name1);
    row.comname = recordset.Text(TeacherColumn::comname);
    row.salOnly = IsFlagSet(recordset.Text(TeacherColumn::SalOnly));
    row.adno1 = recordset.Text(TeacherColumn::adno1);
    row.relFree = IsFlagSet(recordset.Text(TeacherColumn::RelFree));
    row.subject = recordset.Text(TeacherColumn::subject);
    row.class1 = recordset.Text(TeacherColumn::class1);
    return row;
}

void TeacherRow::Write(Recordset& recordset) const
{
    recordset.SetField(TeacherColumn::adno, adno);
    for (int slot = 0; slot < SlotCount; ++slot) {
        recordset.SetField(TeacherColumn::FirstClass + slot, classes[slot]);
        recordset.SetField(TeacherColumn::FirstSubject + slot, subjects[slot]);
    }
    recordset.SetField(TeacherColumn::name1, name1);
    recordset.SetField(TeacherColumn::title, title);
    recordset.SetField(TeacherColumn::comname, comname);
    recordset.SetField(TeacherColumn::adno1, adno1);
    recordset.SetField(TeacherColumn::subject, subject);
    recordset.SetField(TeacherColumn::class1, class1);
    recordset.SetField(TeacherColumn::SalOnly, FlagText(salOnly));
    recordset.SetField(TeacherColumn::RelFree, FlagText(relFree));
}

QVariantList TeacherRow::Values() const
{
    QVariantList values(TeacherColumn::Count);
    values[TeacherColumn::adno] = CellValue(adno);
    for (int slot = 0; slot < SlotCount; ++slot) {
        values[TeacherColumn::FirstClass + slot] = CellValue(classes[slot]);
        values[TeacherColumn::FirstSubject + slot] = CellValue(subjects[slot]);
    }
    values[TeacherColumn::title] = CellValue(title);
    values[TeacherColumn::name1] = CellValue(name1);
    values[TeacherColumn::comname] = CellValue(comname);
    values[TeacherColumn::SalOnly] = FlagText(salOnly);
    values[TeacherColumn::adno1] = adno1.toInt();
    values[TeacherColumn::RelFree] = FlagText(relFree);
    values[TeacherColumn::subject] = CellValue(subject);
    values[TeacherColumn::class1] = CellValue(class1);
    return values;
}

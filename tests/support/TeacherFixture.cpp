#include "TeacherFixture.h"

#include "data/TeacherRow.h"

QStringList Teacher(int number, const QString& title, const QString& name)
{
    QStringList values(TeacherColumn::Count);
    values[TeacherColumn::adno] = QString::number(number);
    for (int slot = 0; slot < SlotCount; ++slot) {
        const bool off = slot % 6 == 5;
        values[TeacherColumn::FirstClass + slot] = off ? QStringLiteral("0") : QStringLiteral("%1A").arg(6 + slot % 5);
        values[TeacherColumn::FirstSubject + slot] = off ? QStringLiteral("0") : QStringLiteral("Maths");
    }
    values[TeacherColumn::title] = title;
    values[TeacherColumn::name1] = name.isEmpty() ? QStringLiteral("Teacher %1").arg(number) : name;
    values[TeacherColumn::comname] = QStringLiteral("T%1").arg(number);
    values[TeacherColumn::SalOnly] = QStringLiteral("0");
    values[TeacherColumn::adno1] = QString::number(number);
    values[TeacherColumn::RelFree] = QStringLiteral("0");
    values[TeacherColumn::subject] = QStringLiteral("Maths");
    values[TeacherColumn::class1] = QStringLiteral("-");
    return values;
}

QList<QStringList> Teachers(int count)
{
    QList<QStringList> teachers;
    for (int number = 1; number <= count; ++number)
        teachers << Teacher(number);
    return teachers;
}

void SetSlot(QStringList& teacher, int slot, const QString& classText, const QString& subjectText)
{
    teacher[TeacherColumn::FirstClass + slot] = classText;
    teacher[TeacherColumn::FirstSubject + slot] = subjectText;
}

void SetFlags(QStringList& teacher, const QString& salOnly, const QString& relFree)
{
    teacher[TeacherColumn::SalOnly] = salOnly;
    teacher[TeacherColumn::RelFree] = relFree;
}

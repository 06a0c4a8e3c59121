#pragma once

#include "data/Slot.h"

#include <QString>
#include <QStringList>
#include <QVariantList>

class Recordset;

// Column ordinals of the teacher table TabelPB; whole records are copied by position.
namespace TeacherColumn {
constexpr int adno = 0;
constexpr int FirstClass = 1;
constexpr int FirstSubject = 41;
constexpr int title = 81;
constexpr int name1 = 82;
constexpr int comname = 83;
constexpr int SalOnly = 84;
constexpr int adno1 = 85;
constexpr int RelFree = 86;
constexpr int subject = 87;
constexpr int class1 = 88;
constexpr int Count = 89;
}

// A flag column counts as set only when it holds exactly "1".
inline bool IsFlagSet(const QString& text)
{
    return text == QLatin1String("1");
}
inline QString FlagText(bool set)
{
    return set ? QStringLiteral("1") : QStringLiteral("0");
}

// One row of TabelPB, every value as the text the screens show.
struct TeacherRow {
    QString adno;
    QStringList classes = QStringList(SlotCount);
    QStringList subjects = QStringList(SlotCount);
    QString title;
    QString name1;
    QString comname;
    bool salOnly = false;
    QString adno1;
    bool relFree = false;
    QString subject;
    QString class1;

    // Reads the current row of a recordset over the whole table.
    static TeacherRow Read(const Recordset& recordset);
    // Assigns every column to the current row of the recordset (pending until Update).
    void Write(Recordset& recordset) const;
    // The 89 values in table order, the number as a number; a text left
    // null is stored as an empty text, as the columns hold no NULL.
    QVariantList Values() const;
};

#pragma once

#include <QString>

#include <array>

// One relief of the day's relief set, and one row of the saved relief table:
// nine texts in column order.
struct ReliefRecord {
    enum Column {
        TeaNo,       // absent teacher's number
        AbsenceTea,  // absent teacher's title and name
        Grade,       // class of the lesson to cover
        Period,      // period name, "1st".."8th"
        PresenceTea, // relief teacher's name
        Subject,     // subject of the lesson to cover
        ComName,     // relief teacher's subject as the relief list showed it
        TeaNoP,      // relief teacher's number
        Adno,        // place of the row in the saved set
        ColumnCount
    };

    std::array<QString, ColumnCount> fields;

    QString& operator[](Column column) { return fields[column]; }
    const QString& operator[](Column column) const { return fields[column]; }
    bool operator==(const ReliefRecord&) const = default;
};

// A field as a store binds it: an empty text, never a null one, which the
// store would take for no value at all.
inline QString StoredText(const QString& text)
{
    return text.isNull() ? QStringLiteral("") : text;
}
